#pragma once
// Targets that render text need a (headless) QGuiApplication for fonts; made once per process.
// It is never destroyed: Qt cannot be torn down from the exit handlers that would run it.
#include <QGuiApplication>
#include <memory>

inline void ensureFuzzGuiApp()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    [[maybe_unused]] static QGuiApplication* app = std::make_unique<QGuiApplication>(argc, argv).release();
}
