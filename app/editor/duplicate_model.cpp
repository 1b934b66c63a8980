#include "app/editor/duplicate_model.h"

#include "model/layer_rect.h"

namespace lw {

DuplicateModel::DuplicateModel(DuplicateSettings start)
    : dx(QString::number(start.dx)), dy(QString::number(start.dy)), count(QString::number(start.count))
{
}

DialogResult<DuplicateSettings> DuplicateModel::accept() const
{
    DialogResult<DuplicateSettings> result;
    DuplicateSettings settings;
    if (refused(checkWholeField(dx, -kWorkspaceSize, kWorkspaceSize, 0, &settings.dx), result) ||
        refused(checkWholeField(dy, -kWorkspaceSize, kWorkspaceSize, 1, &settings.dy), result) ||
        refused(checkWholeField(count, 1, kMaxCount, 2, &settings.count), result))
        return result;
    return settings;
}

} // namespace lw
