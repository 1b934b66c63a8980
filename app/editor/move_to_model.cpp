#include "app/editor/move_to_model.h"

#include <algorithm>

namespace lw {

MoveToModel::MoveToModel(MoveToAnswer start)
    : direction(static_cast<int>(start.direction)), distance(QString::number(start.distance))
{
}

DialogResult<MoveToAnswer> MoveToModel::accept() const
{
    DialogResult<MoveToAnswer> result;
    MoveToAnswer answer;
    if (refused(checkWholeField(distance, 0, kWorkspaceSize, 0, &answer.distance), result))
        return result;
    answer.direction = static_cast<MoveDirection>(std::clamp(direction, 0, 3));
    return answer;
}

} // namespace lw
