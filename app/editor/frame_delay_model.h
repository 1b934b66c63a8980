#pragma once
// "Задержка кадра": a frame's delay in seconds, for one frame or all.
#include "app/editor/dialog_result.h"

namespace lw {

// "Задержка кадра": the delay in seconds and "Применить для всех кадров".
struct FrameDelayAnswer {
    int delayHundredths = 100;
    bool allFrames = false;
};
class FrameDelayModel {
public:
    explicit FrameDelayModel(int delayHundredths);
    QString seconds;
    bool allFrames = false;
    DialogResult<FrameDelayAnswer> accept() const;
};
// A delay as the dialogs and the frames bar show it: seconds with "%g".
QString delaySecondsText(int delayHundredths);
// A delay field: seconds within range, as hundredths; the refusal names field `field`.
std::optional<FieldRefusal> checkDelaySeconds(const QString& text, int field, int* hundredths);

} // namespace lw
