// Test programs run headless: a QGuiApplication on the offscreen platform (fonts and painting
// need one) and a settings store in a private temporary folder, never the user's.
#include "platform/settings.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir settingsFolder;
    lw::Settings::usePrivateLocation(settingsFolder.path().toStdString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
