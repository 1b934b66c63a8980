#include "tools/lwtool/command_line.h"

#include <charconv>
#include <map>

namespace lwtool {
namespace {

[[noreturn]] void usage(const std::string& message)
{
    throw ToolError{kExitUsage, message + " (see 'lwtool --help')"};
}

int parseInt(const std::string& option, const std::string& text, int minimum)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < minimum)
        usage(option + " expects a whole number of at least " + std::to_string(minimum) + ", not '" + text +
              "'");
    return value;
}

std::uint32_t parseColour(const std::string& text)
{
    std::string hex = text;
    if (!hex.empty() && hex[0] == '#')
        hex.erase(0, 1);
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    if (hex.size() != 6 || ec != std::errc() || end != hex.data() + hex.size())
        usage("--transparent expects a colour as RRGGBB, not '" + text + "'");
    return value;
}

bool looksLikeColour(const std::string& text)
{
    const std::string hex = !text.empty() && text[0] == '#' ? text.substr(1) : text;
    return hex.size() == 6 && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos &&
           (text[0] == '#' || text.find('.') == std::string::npos);
}

const std::map<std::string, Command> kCommands = {
    {"render", Command::Render}, {"frame", Command::Frame}, {"html", Command::Html},
    {"avi", Command::Avi},       {"info", Command::Info},   {"extensions", Command::Extensions},
};

bool takes(Command command, const std::string& option)
{
    static const std::map<std::string, std::vector<Command>> allowed = {
        {"-o", {Command::Render, Command::Frame, Command::Avi}},
        {"--colours", {Command::Render}},
        {"--optimise", {Command::Render}},
        {"--no-optimise", {Command::Render}},
        {"--transparent", {Command::Render}},
        {"--from-frame", {Command::Render}},
        {"--frame", {Command::Render, Command::Frame}},
        {"--gif", {Command::Html}},
        {"--link", {Command::Html}},
        {"--alt", {Command::Html}},
        {"--codec", {Command::Avi}},
        {"--json", {Command::Info, Command::Extensions}},
    };
    const auto it = allowed.find(option);
    if (it == allowed.end())
        return true; // common options
    for (Command c : it->second)
        if (c == command)
            return true;
    return false;
}

} // namespace

Options parseCommandLine(const std::vector<std::string>& args)
{
    Options o;
    if (args.empty())
        return o;
    std::size_t i = 0;
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        if (args.size() > 1)
            o.helpTopic = args[1];
        return o;
    }
    const auto found = kCommands.find(args[0]);
    if (found == kCommands.end())
        usage("unknown command '" + args[0] + "'");
    o.command = found->second;
    const std::string name = args[0];
    ++i;
    auto value = [&](const std::string& option) -> const std::string& {
        if (i + 1 >= args.size())
            usage(option + " needs a value");
        return args[++i];
    };
    std::vector<std::string> positional;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.command = Command::Help;
            o.helpTopic = name;
            return o;
        }
        if (a.size() > 1 && a[0] == '-' && !takes(o.command, a))
            usage("'" + a + "' does not apply to '" + name + "'");
        if (a == "-o" || a == "--output")
            o.output = value(a);
        else if (a == "--extensions")
            o.extensionsDir = value(a);
        else if (a == "--quiet" || a == "-q")
            o.quiet = true;
        else if (a == "--json")
            o.json = true;
        else if (a == "--colours" || a == "--colors") {
            const std::string& v = value(a);
            if (v == "full")
                o.colours = 0;
            else if (v == "256" || v == "128" || v == "64" || v == "32" || v == "16" || v == "8" || v == "4")
                o.colours = std::stoi(v);
            else
                usage("--colours takes full, 256, 128, 64, 32, 16, 8 or 4, not '" + v + "'");
        } else if (a == "--optimise" || a == "--optimize")
            o.optimise = true;
        else if (a == "--no-optimise" || a == "--no-optimize")
            o.optimise = false;
        else if (a == "--transparent") {
            o.transparent = true;
            // The colour is optional: the next word is taken when it looks like one.
            if (i + 1 < args.size() && looksLikeColour(args[i + 1]))
                o.transparentRgb = parseColour(args[++i]);
        } else if (a == "--from-frame")
            o.fromFrame = parseInt(a, value(a), 1);
        else if (a == "--frame")
            o.frame = parseInt(a, value(a), 1);
        else if (a == "--gif")
            o.gifPath = value(a);
        else if (a == "--link")
            o.link = value(a);
        else if (a == "--alt")
            o.alt = value(a);
        else if (a == "--codec")
            o.codec = value(a);
        else if (a.size() > 1 && a[0] == '-')
            usage("unknown option '" + a + "'");
        else
            positional.push_back(a);
    }
    const bool needsInput =
        o.command != Command::Extensions && !(o.command == Command::Avi && o.codec == "list");
    if (positional.size() > (needsInput ? 1u : 0u))
        usage("too many arguments for '" + name + "'");
    if (needsInput && positional.empty())
        usage("'" + name + "' needs an input file");
    if (!positional.empty())
        o.input = positional.front();
    const bool needsOutput = o.command == Command::Render || o.command == Command::Frame ||
                             (o.command == Command::Avi && o.codec != "list");
    if (needsOutput && o.output.empty())
        usage("'" + name + "' needs -o OUTPUT");
    if (o.frame && o.fromFrame)
        usage("--frame and --from-frame exclude each other");
    return o;
}

std::string programHelp()
{
    return "Usage: lwtool COMMAND [OPTIONS]\n"
           "Loopwright GIF Animator without a window: the editor's outputs for scripts and builds.\n"
           "\n"
           "Commands:\n"
           "  render IN -o OUT.gif   render a document (.lwd) or GIF to an optimised GIF\n"
           "  frame IN -o OUT        export one frame as .gif, .jpg or .bmp\n"
           "  html IN                write the HTML page beside the document's GIF\n"
           "  avi IN -o OUT.avi      write the animation as AVI video\n"
           "  info IN                describe a document: canvas, frames, layers, effects\n"
           "  extensions             list the installed effect libraries\n"
           "\n"
           "Common options:\n"
           "  --extensions DIR       effect libraries to load (default: extensions/ beside lwtool,\n"
           "                         else lib/loopwright/extensions under its install prefix)\n"
           "  --quiet, -q            no progress and no notes on stderr\n"
           "  --help, -h             this text; 'lwtool COMMAND --help' for a command\n"
           "\n"
           "Exit status: 0 success, 2 wrong command line, 3 unreadable or invalid input,\n"
           "4 the output could not be written, 1 any other failure.\n";
}

std::string commandHelp(const std::string& command)
{
    if (command == "render")
        return "Usage: lwtool render IN -o OUT.gif [OPTIONS]\n"
               "Renders IN (.lwd, or any file the editor opens) exactly as the editor's Save GIF.\n"
               "  --colours full|256|128|64|32|16|8|4\n"
               "                      the palette: full, or reduced to that many colours\n"
               "                      (default: full when the picture has at most 255 colours,\n"
               "                      otherwise the largest count below the colour count)\n"
               "  --optimise, --no-optimise\n"
               "                      frame optimisation (default: on)\n"
               "  --transparent [RRGGBB]\n"
               "                      make one colour transparent instead of optimising\n"
               "                      (the first frame's background colour when RRGGBB is omitted)\n"
               "  --from-frame N      start at frame N and wrap around to the frame before it\n"
               "  --frame N           frame N alone, played as a single frame\n";
    if (command == "frame")
        return "Usage: lwtool frame IN -o OUT.gif|OUT.jpg|OUT.bmp [--frame N]\n"
               "Exports frame N (default 1) as the editor's Export Frame does; the extension of OUT\n"
               "chooses the format.\n";
    if (command == "html")
        return "Usage: lwtool html IN [--gif PATH] [--link URL] [--alt TEXT]\n"
               "Writes the HTML page beside the GIF (PATH, else the GIF the document came from or\n"
               "the document's name with .gif). --link and --alt override the document's link\n"
               "address and description.\n";
    if (command == "avi")
        return "Usage: lwtool avi IN -o OUT.avi [--codec NAME]\n"
               "       lwtool avi --codec list\n"
               "Writes the animation as AVI video: time unit 1/100 s, every image a key frame at its\n"
               "start time. The default codec stores uncompressed 32-bit images.\n";
    if (command == "info")
        return "Usage: lwtool info IN [--json]\n"
               "Describes a document: canvas, loop count, link, frames (delay, master flag,\n"
               "background, border, effects) and their layers (kind, rectangle, effects).\n";
    if (command == "extensions")
        return "Usage: lwtool extensions [--json]\n"
               "Lists the installed effect libraries with their descriptions and effects.\n";
    return programHelp();
}

} // namespace lwtool
