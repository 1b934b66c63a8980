#include "app/widgets/qt_translations.h"

#include <QApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace lw {
namespace {

bool hasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x044F; });
}

// Qt's own dialogs follow the program's language once the catalogue is installed; a missing
// catalogue package shows here instead of as English font and file dialogs.
TEST(QtTranslations, QtDialogsSpeakRussian)
{
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    for (const auto& [context, source] :
         {std::pair{"QFontDialog", "Select Font"}, std::pair{"QFileDialog", "File &name:"},
          std::pair{"QPlatformTheme", "Cancel"}}) {
        const QString text = QCoreApplication::translate(context, source);
        EXPECT_TRUE(hasCyrillic(text)) << context << " " << source << " -> " << text.toStdString();
    }
    // Later tests of this program see Qt's texts as they were.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        translator->deleteLater();
    }
}

} // namespace
} // namespace lw
