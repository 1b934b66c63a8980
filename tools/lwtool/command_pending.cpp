// Commands whose document and GIF machinery is still being connected; they say so plainly.
#include "tools/lwtool/commands.h"

namespace lwtool {
namespace {

[[noreturn]] void notYet(const char* command)
{
    throw ToolError{kExitFailure, std::string(command) + " is not available in this build yet"};
}

} // namespace

int runRender(const Options&, ConsoleUiPort&)
{
    notYet("render");
}
int runFrame(const Options&, ConsoleUiPort&)
{
    notYet("frame");
}
int runHtml(const Options&, ConsoleUiPort&)
{
    notYet("html");
}
int runAvi(const Options&, ConsoleUiPort&)
{
    notYet("avi");
}
int runInfo(const Options&, ConsoleUiPort&)
{
    notYet("info");
}

} // namespace lwtool
