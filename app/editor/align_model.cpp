#include "app/editor/align_model.h"

#include <algorithm>

namespace lw {

AlignModel::AlignModel(AlignSettings start, bool forceFrame)
    : horizontal(static_cast<int>(start.horizontal)), vertical(static_cast<int>(start.vertical)),
      toFrame(start.toFrame || forceFrame), frameForced(forceFrame), margin(QString::number(start.margin))
{
}

DialogResult<AlignSettings> AlignModel::accept() const
{
    DialogResult<AlignSettings> result;
    AlignSettings settings;
    if (refused(checkWholeField(margin, 0, kWorkspaceSize / 2, 0, &settings.margin), result))
        return result;
    settings.horizontal = static_cast<HorizontalAlign>(std::clamp(horizontal, 0, 3));
    settings.vertical = static_cast<VerticalAlign>(std::clamp(vertical, 0, 3));
    settings.toFrame = toFrame || frameForced;
    return settings;
}

} // namespace lw
