#include "app/widgets/hex_colour_dialog.h"

#include "app/editor/colour_dialog_model.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace lw {

HexColourDialog::HexColourDialog(const QString& digits, QWidget* parent)
    : CheckedDialog(parent, tr("Шестнадцатеричный Цвет"))
{
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(new QLabel(tr("<...COLOR = #"), this));
    edit_ = numberEdit(this, digits, 8);
    edit_->setObjectName(QStringLiteral("digits"));
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,8}")), edit_));
    row->addWidget(edit_);
    row->addWidget(new QLabel(tr("...>"), this));
    row->addStretch();
    addContent(row);
    setFields({edit_});
    edit_->selectAll();
}

QString HexColourDialog::digits() const
{
    return edit_->text();
}

std::optional<FieldRefusal> HexColourDialog::commit()
{
    if (ColourDialogModel::parseHex(edit_->text().toStdString()))
        return std::nullopt;
    // Nothing to read yet: keep the dialog open on the field without a message.
    edit_->setFocus();
    return FieldRefusal{-1, QString()};
}

} // namespace lw
