#include "app/widgets/symbol_import_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

SymbolImportDialog::SymbolImportDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Импорт символа"));
    auto* asText = new QRadioButton(tr("Импорт как Текст"), this);
    asText->setObjectName(QStringLiteral("asText"));
    asText->setChecked(true);
    toBitmap_ = new QRadioButton(tr("Конвертировать в Bitmap"), this);
    toBitmap_->setObjectName(QStringLiteral("toBitmap"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(asText);
    layout->addWidget(toBitmap_);
    layout->addWidget(buttons);
    // Wide enough for the caption beside the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

SymbolImport SymbolImportDialog::answer() const
{
    return toBitmap_->isChecked() ? SymbolImport::ToBitmap : SymbolImport::AsText;
}

SymbolImport SymbolImportDialog::ask(QWidget* parent)
{
    SymbolImportDialog dialog(parent);
    // Closing the box keeps the symbol as text.
    return dialog.exec() == QDialog::Accepted ? dialog.answer() : SymbolImport::AsText;
}

} // namespace lw
