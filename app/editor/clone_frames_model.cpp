#include "app/editor/clone_frames_model.h"

namespace lw {

void CloneFramesModel::toggle(int index)
{
    if (index >= 0 && index < static_cast<int>(items.size()))
        items[index].checked = !items[index].checked;
}

std::vector<bool> CloneFramesModel::accept() const
{
    std::vector<bool> marks;
    for (const CloneFrameItem& item : items)
        marks.push_back(item.checked);
    return marks;
}

} // namespace lw
