#include "app/widgets/filter_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace lw {

FilterSettingsDialog::FilterSettingsDialog(const FilterSettingsQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    auto* group = new QGroupBox(QString::fromStdString(question.group), this);
    auto* column = new QVBoxLayout(group);
    choices_ = new QComboBox(group);
    choices_->setObjectName(QStringLiteral("choices"));
    for (const std::string& choice : question.choices)
        choices_->addItem(QString::fromStdString(choice));
    choices_->setCurrentIndex(model_.choice());
    column->addWidget(choices_);
    reverse_ = new QCheckBox(tr("Reverse"), group);
    reverse_->setObjectName(QStringLiteral("reverse"));
    reverse_->setChecked(model_.reverse());
    column->addWidget(reverse_);
    addContent(group);
}

std::optional<FieldRefusal> FilterSettingsDialog::commit()
{
    model_.setChoice(choices_->currentIndex());
    model_.setReverse(reverse_->isChecked());
    answer_ = model_.accept();
    return std::nullopt;
}

std::optional<FilterSettingsAnswer> FilterSettingsDialog::ask(QWidget* parent,
                                                              const FilterSettingsQuestion& question)
{
    FilterSettingsDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
