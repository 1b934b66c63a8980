#include "app/editor/frame_delay_model.h"

#include "model/frame_timing.h"

#include <cstdio>

namespace lw {

std::optional<FieldRefusal> checkDelaySeconds(const QString& text, int field, int* hundredths)
{
    double seconds = 0;
    if (auto refusal = checkDecimalField(text, 0, kMaxDelayHundredths / 100.0, field, &seconds))
        return refusal;
    *hundredths = delayFromSeconds(seconds).value_or(kMaxDelayHundredths);
    return std::nullopt;
}

QString delaySecondsText(int delayHundredths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", delayHundredths * 0.01);
    return QString::fromLatin1(text);
}

FrameDelayModel::FrameDelayModel(int delayHundredths) : seconds(delaySecondsText(delayHundredths)) {}

DialogResult<FrameDelayAnswer> FrameDelayModel::accept() const
{
    DialogResult<FrameDelayAnswer> result;
    FrameDelayAnswer answer{0, allFrames};
    if (refused(checkDelaySeconds(seconds, 0, &answer.delayHundredths), result))
        return result;
    return answer;
}

} // namespace lw
