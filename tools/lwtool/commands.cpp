#include "tools/lwtool/commands.h"

#include "platform/program_folders.h"

namespace lwtool {

std::string extensionsFolder(const Options& options)
{
    if (!options.extensionsDir.empty())
        return options.extensionsDir;
    return lw::programFolders().extensions;
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
