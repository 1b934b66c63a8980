#include "app/widgets/rotation_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

RotationDialog::RotationDialog(const RotationQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    auto* angleRow = new QHBoxLayout;
    angleRow->addWidget(new QLabel(tr("Угол:"), this));
    angle_ = numberEdit(this, model_.text());
    angle_->setObjectName(QStringLiteral("angle"));
    angleRow->addWidget(angle_);
    angleRow->addStretch();
    auto* directionRow = new QHBoxLayout;
    clockwise_ = new QRadioButton(tr("по час."), this);
    clockwise_->setObjectName(QStringLiteral("clockwise"));
    counterClockwise_ = new QRadioButton(tr("против"), this);
    counterClockwise_->setObjectName(QStringLiteral("counterClockwise"));
    (model_.counterClockwise() ? counterClockwise_ : clockwise_)->setChecked(true);
    directionRow->addWidget(clockwise_);
    directionRow->addWidget(counterClockwise_);
    directionRow->addStretch();
    smooth_ = new QCheckBox(tr("Сгладить"), this);
    smooth_->setObjectName(QStringLiteral("smooth"));
    smooth_->setChecked(model_.smooth());
    auto* column = new QVBoxLayout;
    column->addLayout(angleRow);
    column->addLayout(directionRow);
    column->addWidget(smooth_);
    addContent(column);
    setFields({angle_});
    angle_->selectAll();
}

std::optional<FieldRefusal> RotationDialog::commit()
{
    model_.setText(angle_->text());
    model_.setCounterClockwise(counterClockwise_->isChecked());
    model_.setSmooth(smooth_->isChecked());
    const auto result = model_.accept();
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer_ = std::get<RotationAnswer>(result);
    return std::nullopt;
}

std::optional<RotationAnswer> RotationDialog::ask(QWidget* parent, const RotationQuestion& question)
{
    RotationDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
