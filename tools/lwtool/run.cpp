#include "tools/lwtool/run.h"

#include "tools/lwtool/command_line.h"
#include "tools/lwtool/commands.h"
#include "tools/lwtool/console_ui_port.h"

#include "platform/errors.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace lwtool {

namespace {

// Qt's own chatter (missing runtime folders, font notes) is not for scripts reading stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lwtool: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int run(int argc, char** argv)
{
    qInstallMessageHandler(quietQtMessages);
    // No display is needed: fonts and painting work on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const Options options = parseCommandLine(args);
        if (options.command == Command::Help) {
            std::fputs((options.helpTopic.empty() ? programHelp() : commandHelp(options.helpTopic)).c_str(),
                       stdout);
            return kExitOk;
        }
        ConsoleUiPort ui(options.quiet);
        return runCommand(options, ui);
    } catch (const ToolError& e) {
        std::fprintf(stderr, "lwtool: %s\n", e.message.c_str());
        return e.code;
    } catch (const lw::MemoryError& e) {
        std::fprintf(stderr, "lwtool: out of memory: %s\n", e.what());
        return kExitFailure;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lwtool: %s\n", e.what());
        return kExitFailure;
    }
}

} // namespace lwtool
