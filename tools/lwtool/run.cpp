#include "tools/lwtool/run.h"

#include "tools/lwtool/command_line.h"
#include "tools/lwtool/commands.h"
#include "tools/lwtool/console_ui_port.h"

#include "platform/errors.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace lwtool {

namespace {

// Qt's own chatter (missing runtime folders, font notes) is not for scripts reading stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lwtool: %s\n", message.toLocal8Bit().constData());
}

// Ends the process once a command is done: everything it made is written and closed by then, and
// the system takes back the rest at once. Tearing down would cost more than a small command:
// Qt's font database loads the whole font configuration on the way out only to free it. Builds
// with the address sanitizer tear down as usual, so that its leak check still runs.
[[noreturn]] void leave(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLeaveAtOnce = false;
#else
constexpr bool kLeaveAtOnce = true;
#endif

int runArguments(int argc, char** argv)
{
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

} // namespace

int run(int argc, char** argv)
{
    qInstallMessageHandler(quietQtMessages);
    // No display is needed: fonts and painting work on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const int code = runArguments(argc, argv);
    if (kLeaveAtOnce)
        leave(code);
    return code;
}

} // namespace lwtool
