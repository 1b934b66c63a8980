#include "app/widgets/move_to_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lw {

MoveToDialog::MoveToDialog(MoveToAnswer start, QWidget* parent)
    : CheckedDialog(parent, tr("Сместить в...")), model_(start)
{
    auto* all = new QVBoxLayout;
    all->addWidget(radioBox(this, QString(), {tr("верх"), tr("право"), tr("низ"), tr("лево")},
                            model_.direction, &direction_));
    auto* form = new QFormLayout;
    distance_ = namedEdit(this, model_.distance, "distance");
    form->addRow(tr("Расстояние:"), distance_);
    all->addLayout(form);
    addContent(all);
    setFields({distance_});
}

std::optional<FieldRefusal> MoveToDialog::commit()
{
    model_.direction = direction_->checkedId();
    model_.distance = distance_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
