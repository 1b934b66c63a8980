#include "app/editor/loop_count_model.h"

namespace lw {

LoopCountModel::LoopCountModel(int loopCount) : forever(loopCount == 0), count(QString::number(loopCount)) {}

DialogResult<int> LoopCountModel::accept() const
{
    if (forever)
        return 0;
    DialogResult<int> result;
    int value = 0;
    if (refused(checkWholeField(count, 0, kMaxCount, 0, &value), result))
        return result;
    return value;
}

} // namespace lw
