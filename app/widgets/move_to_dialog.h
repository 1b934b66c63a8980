#pragma once
// MoveToDialog: its fields show MoveToModel, OK hands the typed texts back to it.
#include "app/editor/move_to_model.h"
#include "app/widgets/checked_dialog.h"

class QButtonGroup;

namespace lw {

// "Сместить в...".
class MoveToDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(MoveToDialog)
public:
    MoveToDialog(MoveToAnswer start, QWidget* parent = nullptr);
    std::optional<MoveToAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    MoveToModel model_;
    QButtonGroup* direction_ = nullptr;
    QLineEdit* distance_ = nullptr;
    std::optional<MoveToAnswer> answer_;
};

} // namespace lw
