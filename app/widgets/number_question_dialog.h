#pragma once
// The plain number question over NumberQuestionModel.
#include "app/editor/number_question_model.h"
#include "app/widgets/checked_dialog.h"

namespace lw {

class NumberQuestionDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(NumberQuestionDialog)
public:
    NumberQuestionDialog(const NumberQuestion& question, QWidget* parent = nullptr);

    std::optional<int> answer() const { return answer_; }
    static std::optional<int> ask(QWidget* parent, const NumberQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    NumberQuestionModel model_;
    QLineEdit* edit_ = nullptr;
    std::optional<int> answer_;
};

} // namespace lw
