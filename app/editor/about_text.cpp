#include "app/editor/about_text.h"

#include <QCoreApplication>

namespace lw {

std::string aboutText()
{
    return QCoreApplication::translate("About", "%1\nВерсия %2\n© Quarvex")
        .arg(QString::fromUtf8(kProductName), QString::fromUtf8(kProductVersion))
        .toStdString();
}

} // namespace lw
