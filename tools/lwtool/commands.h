#pragma once
// The subcommands of lwtool. Each returns its exit status or throws ToolError.
#include "tools/lwtool/command_line.h"
#include "tools/lwtool/console_ui_port.h"

#include <string>

namespace lwtool {

int runCommand(const Options& options, ConsoleUiPort& ui);

int runRender(const Options& options, ConsoleUiPort& ui);
int runFrame(const Options& options, ConsoleUiPort& ui);
int runHtml(const Options& options, ConsoleUiPort& ui);
int runAvi(const Options& options, ConsoleUiPort& ui);
int runInfo(const Options& options, ConsoleUiPort& ui);
int runExtensions(const Options& options, ConsoleUiPort& ui);

// The extensions folder: the option, else extensions/ beside the program.
std::string extensionsFolder(const Options& options);

} // namespace lwtool
