#include "app/widgets/duplicate_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QFormLayout>
#include <QLineEdit>

namespace lw {

DuplicateDialog::DuplicateDialog(DuplicateSettings start, QWidget* parent)
    : CheckedDialog(parent, tr("Дублирование")), model_(start)
{
    auto* form = new QFormLayout;
    dx_ = namedEdit(this, model_.dx, "dx");
    dy_ = namedEdit(this, model_.dy, "dy");
    count_ = namedEdit(this, model_.count, "count");
    form->addRow(tr("Смещение X:"), dx_);
    form->addRow(tr("Смещение Y:"), dy_);
    form->addRow(tr("Сколько дублей:"), count_);
    addContent(form);
    setFields({dx_, dy_, count_});
    count_->setFocus();
    count_->selectAll();
}

std::optional<FieldRefusal> DuplicateDialog::commit()
{
    model_.dx = dx_->text();
    model_.dy = dy_->text();
    model_.count = count_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
