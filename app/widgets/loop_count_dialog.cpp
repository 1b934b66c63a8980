#include "app/widgets/loop_count_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace lw {

LoopCountDialog::LoopCountDialog(int loopCount, QWidget* parent)
    : CheckedDialog(parent, tr("Повторы")), model_(loopCount)
{
    auto* grid = new QGridLayout;
    forever_ = new QRadioButton(tr("Постоянно"), this);
    forever_->setObjectName(QStringLiteral("forever"));
    auto* times = new QRadioButton(tr("Время"), this);
    times->setObjectName(QStringLiteral("times"));
    count_ = namedEdit(this, model_.count, "count");
    grid->addWidget(forever_, 0, 0);
    grid->addWidget(times, 1, 0);
    grid->addWidget(count_, 1, 1);
    (model_.forever ? forever_ : times)->setChecked(true);
    count_->setEnabled(!model_.forever);
    connect(times, &QRadioButton::toggled, count_, &QLineEdit::setEnabled);
    addContent(grid);
    setFields({count_});
}

std::optional<FieldRefusal> LoopCountDialog::commit()
{
    model_.forever = forever_->isChecked();
    model_.count = count_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
