#pragma once
// AlignDialog: its fields show AlignModel, OK hands the typed texts back to it.
#include "app/editor/align_model.h"
#include "app/widgets/checked_dialog.h"

class QButtonGroup;
class QCheckBox;

namespace lw {

// "Выравнивание".
class AlignDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(AlignDialog)
public:
    AlignDialog(AlignSettings start, bool forceFrame, QWidget* parent = nullptr);
    std::optional<AlignSettings> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    AlignModel model_;
    QButtonGroup* horizontal_ = nullptr;
    QButtonGroup* vertical_ = nullptr;
    QCheckBox* toFrame_ = nullptr;
    QLineEdit* margin_ = nullptr;
    std::optional<AlignSettings> answer_;
};

} // namespace lw
