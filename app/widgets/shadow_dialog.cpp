#include "app/widgets/shadow_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace lw {

ShadowDialog::ShadowDialog(const ShadowQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    const QString labels[] = {tr("Расстояние:"), tr("Интенсивность:"), tr("Радиус:")};
    const QString units[] = {tr("пикс"), tr("%"), tr("пикс")};
    auto* grid = new QGridLayout;
    for (int f = 0; f < ShadowModel::FieldCount; ++f) {
        const auto field = static_cast<ShadowModel::Field>(f);
        edits_[f] = numberEdit(this, model_.text(field));
        edits_[f]->setObjectName(QStringLiteral("field%1").arg(f));
        grid->addWidget(new QLabel(labels[f], this), f, 0);
        grid->addWidget(edits_[f], f, 1);
        grid->addWidget(new QLabel(units[f], this), f, 2);
    }
    background_ = new QCheckBox(tr("Применить цвет фона"), this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setChecked(model_.useBackgroundColour());
    grid->addWidget(background_, ShadowModel::FieldCount, 0, 1, 3);
    addContent(grid);
    setFields({edits_.begin(), edits_.end()});
    edits_[0]->selectAll();
}

std::optional<FieldRefusal> ShadowDialog::commit()
{
    for (int f = 0; f < ShadowModel::FieldCount; ++f)
        model_.setText(static_cast<ShadowModel::Field>(f), edits_[f]->text());
    model_.setUseBackgroundColour(background_->isChecked());
    const auto result = model_.accept();
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer_ = std::get<ShadowAnswer>(result);
    return std::nullopt;
}

std::optional<ShadowAnswer> ShadowDialog::ask(QWidget* parent, const ShadowQuestion& question)
{
    ShadowDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
