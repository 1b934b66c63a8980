#pragma once
// "Импорт символа": after "Вставить символ", whether the new symbol stays text ("Импорт как
// Текст") or is converted to a bitmap ("Конвертировать в Bitmap").
#include "app/editor/property_questions.h"

#include <QDialog>

class QRadioButton;

namespace lw {

class SymbolImportDialog : public QDialog {
    Q_OBJECT
public:
    explicit SymbolImportDialog(QWidget* parent = nullptr);
    SymbolImport answer() const;
    static SymbolImport ask(QWidget* parent);

private:
    QRadioButton* toBitmap_ = nullptr;
};

} // namespace lw
