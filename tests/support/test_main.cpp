// Test programs run headless: an application object on the offscreen platform (fonts and painting
// need one) and a settings store in a private temporary folder, never the user's.
#include "platform/settings.h"

#ifdef LW_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    QTemporaryDir settingsFolder;
    lw::Settings::usePrivateLocation(settingsFolder.path().toStdString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
