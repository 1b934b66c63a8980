// lw: the Loopwright GIF Animator editor.
#include "app/editor/editor_command_line.h"
#include "app/widgets/command_line_printing.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/fallback_icon.h"
#include "app/widgets/main_window.h"
#include "app/widgets/qt_translations.h"
#include "app/widgets/screenshot.h"

#include "platform/application_names.h"
#include "platform/settings.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const lw::EditorCommandLine line = lw::parseEditorCommandLine(arguments);
    switch (line.action) {
    case lw::EditorCommandLine::Action::Help:
        std::fputs(lw::editorUsageText(), stdout);
        return 0;
    case lw::EditorCommandLine::Action::Version:
        std::puts("Loopwright GIF Animator " LW_VERSION_TEXT);
        return 0;
    case lw::EditorCommandLine::Action::Error:
        std::fprintf(stderr, "lw: %s\n%s", line.error.c_str(), lw::editorUsageText());
        return 2;
    case lw::EditorCommandLine::Action::Print:
    case lw::EditorCommandLine::Action::PrintTo:
    case lw::EditorCommandLine::Action::Run:
        break;
    }

    // Printing from a shell needs no window: without a display it runs on the offscreen platform.
    const bool printing = line.action != lw::EditorCommandLine::Action::Run;
    if (printing && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(lw::Settings::kOrganization);
    QApplication::setApplicationName(lw::kApplicationTitle);
    QApplication::setApplicationVersion(LW_VERSION_TEXT);
    QApplication::setWindowIcon(lw::programIcon());
    lw::installQtTranslations(app);
    if (printing)
        return lw::printFromCommandLine(line);

    lw::EditorApplication editor;
    if (const auto status = editor.start(line, {}))
        return *status;
    if (line.exitAfterFirstPaint)
        QObject::connect(&editor.mainWindow(), &lw::MainWindow::framePainted, &app, &QApplication::quit,
                         Qt::QueuedConnection);
    if (!line.screenshot.empty())
        lw::scheduleScreenshot(editor.mainWindow(), QString::fromStdString(line.screenshot), 1500);
    return app.exec();
}
