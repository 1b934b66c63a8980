#include "model/frame_timing.h"

#include "model/animation.h"

#include <cmath>

namespace lw {

std::optional<int> delayFromSeconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return std::nullopt;
    const double hundredths = std::trunc(seconds * 100);
    if (hundredths > kMaxDelayHundredths)
        return std::nullopt;
    return static_cast<int>(hundredths);
}

void SetFrameDelay(CAnimation& animation, CFrame& frame, int hundredths, bool allFrames)
{
    if (!allFrames) {
        frame.delay = hundredths;
        return;
    }
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        f->delay = hundredths;
}

int ToggleMasterFrame(CAnimation& animation, CFrame& frame, int addCount, int delayHundredths)
{
    if (animation.IndexOfFrame(&frame) < 0)
        return 0;
    if (frame.masterFrame != 0) {
        frame.masterFrame = 0;
        return 0;
    }
    frame.masterFrame = 1;
    CFrame* after = &frame;
    int added = 0;
    for (; added < addCount; ++added) {
        after = animation.InsertFrame(after, true);
        if (!after)
            break;
        after->masterFrame = 0;
        after->SetBackgroundFrame(&frame);
        after->delay = delayHundredths;
        after->Render();
    }
    return added;
}

} // namespace lw
