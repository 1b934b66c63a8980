#include "app/widgets/number_question_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

namespace lw {

NumberQuestionDialog::NumberQuestionDialog(const NumberQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    auto* form = new QFormLayout;
    edit_ = numberEdit(this, model_.text());
    edit_->setObjectName(QStringLiteral("field0"));
    form->addRow(QString::fromStdString(question.prompt), edit_);
    addContent(form);
    setFields({edit_});
    edit_->selectAll();
}

std::optional<FieldRefusal> NumberQuestionDialog::commit()
{
    model_.setText(edit_->text());
    const auto result = model_.accept();
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer_ = std::get<int>(result);
    return std::nullopt;
}

std::optional<int> NumberQuestionDialog::ask(QWidget* parent, const NumberQuestion& question)
{
    NumberQuestionDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
