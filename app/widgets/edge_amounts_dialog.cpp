#include "app/widgets/edge_amounts_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace lw {

EdgeAmountsDialog::EdgeAmountsDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Размер холста")), model_(size.width, size.height)
{
    auto* grid = new QGridLayout;
    const char* names[4] = {"left", "top", "right", "bottom"};
    const QString labels[4] = {tr("Слева:"), tr("Сверху:"), tr("Справа:"), tr("Снизу:")};
    for (int i = 0; i < 4; ++i) {
        fields_[i] = namedEdit(this, QStringLiteral("0"), names[i]);
        grid->addWidget(new QLabel(labels[i], this), i / 2, (i % 2) * 2);
        grid->addWidget(fields_[i], i / 2, (i % 2) * 2 + 1);
        connect(fields_[i], &QLineEdit::textChanged, this, [this] {
            readFields();
            size_->setText(model_.sizeLabel());
        });
    }
    size_ = new QLabel(model_.sizeLabel(), this);
    size_->setObjectName(QStringLiteral("size"));
    grid->addWidget(size_, 2, 0, 1, 4);
    addContent(grid);
    setFields({fields_[0], fields_[1], fields_[2], fields_[3]});
}

QString EdgeAmountsDialog::sizeText() const
{
    return size_->text();
}

void EdgeAmountsDialog::readFields()
{
    model_.left = fields_[0]->text();
    model_.top = fields_[1]->text();
    model_.right = fields_[2]->text();
    model_.bottom = fields_[3]->text();
}

std::optional<FieldRefusal> EdgeAmountsDialog::commit()
{
    readFields();
    return take(model_.accept(), answer_);
}

} // namespace lw
