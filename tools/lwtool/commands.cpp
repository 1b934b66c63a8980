#include "tools/lwtool/commands.h"

#include <QCoreApplication>

namespace lwtool {

std::string extensionsFolder(const Options& options)
{
    if (!options.extensionsDir.empty())
        return options.extensionsDir;
    return (QCoreApplication::applicationDirPath() + "/extensions").toStdString();
}

int runCommand(const Options& options, ConsoleUiPort& ui)
{
    switch (options.command) {
    case Command::Render:
        return runRender(options, ui);
    case Command::Frame:
        return runFrame(options, ui);
    case Command::Html:
        return runHtml(options, ui);
    case Command::Avi:
        return runAvi(options, ui);
    case Command::Info:
        return runInfo(options, ui);
    case Command::Extensions:
        return runExtensions(options, ui);
    case Command::Help:
        break;
    }
    return kExitOk;
}

} // namespace lwtool
