#pragma once
// LoopCountDialog: its fields show LoopCountModel, OK hands the typed texts back to it.
#include "app/editor/loop_count_model.h"
#include "app/widgets/checked_dialog.h"

class QRadioButton;

namespace lw {

// "Повторы".
class LoopCountDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(LoopCountDialog)
public:
    LoopCountDialog(int loopCount, QWidget* parent = nullptr);
    std::optional<int> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    LoopCountModel model_;
    QRadioButton* forever_ = nullptr;
    QLineEdit* count_ = nullptr;
    std::optional<int> answer_;
};

} // namespace lw
