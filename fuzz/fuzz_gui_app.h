#pragma once
// Targets that render text need a (headless) QGuiApplication for fonts; made once per process.
// The static is initialised with the application itself, so its destructor is registered after
// Qt's own globals and runs before them at exit.
#include <QGuiApplication>
#include <memory>

inline void ensureFuzzGuiApp()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const std::unique_ptr<QGuiApplication> app =
        QGuiApplication::instance() ? nullptr : std::make_unique<QGuiApplication>(argc, argv);
}
