#include "app/widgets/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace lw {

bool installQtTranslations(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // From here the application object, which outlives every window, owns the translator.
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace lw
