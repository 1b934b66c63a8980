#pragma once
// "Клонирование пункта": the frames that hold a clone of a layer.
#include <string>
#include <vector>

namespace lw {

// "Клонирование пункта": every other frame by its caption, checked when it holds a clone.
struct CloneFrameItem {
    std::string caption;
    bool checked = false;
};
class CloneFramesModel {
public:
    explicit CloneFramesModel(std::vector<CloneFrameItem> items) : items(std::move(items)) {}
    std::vector<CloneFrameItem> items;
    void toggle(int index);
    std::vector<bool> accept() const;
};

} // namespace lw
