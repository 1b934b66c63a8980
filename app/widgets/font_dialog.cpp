#include "app/widgets/font_dialog.h"

#include "platform/font_choice.h"

#include <QCoreApplication>
#include <QFontDialog>

namespace lw {

std::optional<LogFont> askFont(QWidget* parent, const LogFont& start)
{
    QFontDialog dialog(dialogFontOf(start), parent);
    dialog.setWindowTitle(QCoreApplication::translate("FontDialog", "Выбор шрифта"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return logFontOf(dialog.selectedFont(), start);
}

} // namespace lw
