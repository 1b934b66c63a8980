#include "app/widgets/filter_values_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace lw {

FilterValuesDialog::FilterValuesDialog(const FilterValuesQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    auto* form = new QFormLayout;
    for (int i = 0; i < model_.fieldCount(); ++i) {
        const ValueField& field = model_.question().fields[static_cast<std::size_t>(i)];
        QLineEdit* edit = numberEdit(this, model_.text(i));
        edit->setObjectName(QStringLiteral("field%1").arg(i));
        edits_.push_back(edit);
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        if (!field.unit.empty())
            row->addWidget(new QLabel(QString::fromStdString(field.unit), this));
        row->addStretch();
        form->addRow(QString::fromStdString(field.label), row);
    }
    if (model_.question().group.empty()) {
        addContent(form);
    } else {
        auto* group = new QGroupBox(QString::fromStdString(model_.question().group), this);
        group->setLayout(form);
        addContent(group);
    }
    setFields(edits_);
    if (!edits_.empty())
        edits_.front()->selectAll();
}

std::optional<FieldRefusal> FilterValuesDialog::commit()
{
    for (int i = 0; i < model_.fieldCount(); ++i)
        model_.setText(i, edits_[static_cast<std::size_t>(i)]->text());
    auto result = model_.accept();
    if (auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer_ = std::get<std::vector<int>>(std::move(result));
    return std::nullopt;
}

std::optional<std::vector<int>> FilterValuesDialog::ask(QWidget* parent, const FilterValuesQuestion& question)
{
    FilterValuesDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
