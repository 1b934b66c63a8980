#pragma once
// "Быстрая анимация" without its window: the picture list (file names shown, full paths kept),
// sorted by the shown name while "Сортировать" is set, and the initial delay in seconds.
#include "app/editor/number_field.h"

#include "model/animation_builders.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace lw {

struct QuickAnimationItem {
    QString name;     // what the list shows
    std::string path; // what the frames are made from
};

class QuickAnimationModel {
public:
    static const char* caption(); // "Быстрая анимация"

    // Each path at its sorted place while sorting is on, else at the end.
    void addPictures(const std::vector<std::string>& paths);
    const std::vector<QuickAnimationItem>& items() const { return items_; }
    bool canAccept() const { return !items_.empty(); }

    // OK: the delay is checked first (a refusal keeps the dialog open).
    std::optional<FieldRefusal> check() const;
    PictureAnimationRequest request() const;

    // Affects only pictures added after it changes.
    bool sort = true;
    QString delay = QStringLiteral("1.0");
    static constexpr double kMinDelay = 0.01, kMaxDelay = 650;

private:
    std::vector<QuickAnimationItem> items_;
};

} // namespace lw
