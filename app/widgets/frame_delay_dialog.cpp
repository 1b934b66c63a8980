#include "app/widgets/frame_delay_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace lw {

FrameDelayDialog::FrameDelayDialog(int delayHundredths, QWidget* parent)
    : CheckedDialog(parent, tr("Задержка кадра")), model_(delayHundredths)
{
    auto* form = new QFormLayout;
    seconds_ = namedEdit(this, model_.seconds, "seconds");
    auto* row = new QHBoxLayout;
    row->addWidget(seconds_);
    row->addWidget(new QLabel(tr("сек"), this));
    row->addStretch();
    form->addRow(tr("Задержка:"), row);
    all_ = new QCheckBox(tr("Применить для всех кадров"), this);
    all_->setObjectName(QStringLiteral("allFrames"));
    form->addRow(all_);
    addContent(form);
    setFields({seconds_});
    seconds_->selectAll();
}

std::optional<FieldRefusal> FrameDelayDialog::commit()
{
    model_.seconds = seconds_->text();
    model_.allFrames = all_->isChecked();
    return take(model_.accept(), answer_);
}

} // namespace lw
