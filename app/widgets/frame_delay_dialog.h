#pragma once
// FrameDelayDialog: its fields show FrameDelayModel, OK hands the typed texts back to it.
#include "app/editor/frame_delay_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;

namespace lw {

// "Задержка кадра".
class FrameDelayDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(FrameDelayDialog)
public:
    FrameDelayDialog(int delayHundredths, QWidget* parent = nullptr);
    std::optional<FrameDelayAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    FrameDelayModel model_;
    QLineEdit* seconds_ = nullptr;
    QCheckBox* all_ = nullptr;
    std::optional<FrameDelayAnswer> answer_;
};

} // namespace lw
