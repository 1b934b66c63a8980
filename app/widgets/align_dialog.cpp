#include "app/widgets/align_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lw {

AlignDialog::AlignDialog(AlignSettings start, bool forceFrame, QWidget* parent)
    : CheckedDialog(parent, tr("Выравнивание")), model_(start, forceFrame)
{
    auto* row = new QHBoxLayout;
    row->addWidget(radioBox(this, tr("По горизонтали"),
                            {tr("не ровнять"), tr("слева"), tr("по центру"), tr("справа")}, model_.horizontal,
                            &horizontal_));
    row->addWidget(radioBox(this, tr("По вертикали"),
                            {tr("не ровнять"), tr("сверху"), tr("по центру"), tr("снизу")}, model_.vertical,
                            &vertical_));
    auto* form = new QFormLayout;
    toFrame_ = new QCheckBox(tr("Выравнивание в кадре"), this);
    toFrame_->setObjectName(QStringLiteral("toFrame"));
    toFrame_->setChecked(model_.toFrame);
    toFrame_->setEnabled(!model_.frameForced);
    margin_ = namedEdit(this, model_.margin, "margin");
    form->addRow(toFrame_);
    form->addRow(tr("Отступ:"), margin_);
    auto* all = new QVBoxLayout;
    all->addLayout(row);
    all->addLayout(form);
    addContent(all);
    setFields({margin_});
}

std::optional<FieldRefusal> AlignDialog::commit()
{
    model_.horizontal = horizontal_->checkedId();
    model_.vertical = vertical_->checkedId();
    model_.toFrame = toFrame_->isChecked();
    model_.margin = margin_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
