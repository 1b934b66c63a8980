#include "app/widgets/master_frames_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace lw {

MasterFramesDialog::MasterFramesDialog(QWidget* parent) : CheckedDialog(parent, tr("Мастер кадров"))
{
    auto* form = new QFormLayout;
    auto* prompt = new QLabel(tr("Сколько Вы хотите добавить пустых кадров в этот Мастер?"), this);
    prompt->setWordWrap(true);
    form->addRow(prompt);
    count_ = namedEdit(this, model_.count, "count");
    seconds_ = namedEdit(this, model_.seconds, "seconds");
    form->addRow(tr("Кадров:"), count_);
    form->addRow(tr("Задержка:"), seconds_);
    addContent(form);
    setFields({count_, seconds_});
    count_->selectAll();
}

std::optional<FieldRefusal> MasterFramesDialog::commit()
{
    model_.count = count_->text();
    model_.seconds = seconds_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
