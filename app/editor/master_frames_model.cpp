#include "app/editor/master_frames_model.h"

#include "app/editor/frame_delay_model.h"

namespace lw {

DialogResult<MasterFramesAnswer> MasterFramesModel::accept() const
{
    DialogResult<MasterFramesAnswer> result;
    MasterFramesAnswer answer;
    if (refused(checkWholeField(count, 0, kMaxCount, 0, &answer.count), result) ||
        refused(checkDelaySeconds(seconds, 1, &answer.delayHundredths), result))
        return result;
    return answer;
}

} // namespace lw
