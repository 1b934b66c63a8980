#include "app/editor/editor_command_line.h"

namespace lw {

EditorCommandLine parseEditorCommandLine(const std::vector<std::string>& arguments)
{
    EditorCommandLine line;
    auto fail = [&line](std::string text) {
        line.action = EditorCommandLine::Action::Error;
        line.error = std::move(text);
        return line;
    };
    bool onlyFiles = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            line.files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            line.action = EditorCommandLine::Action::Help;
        } else if (arg == "--version") {
            line.action = EditorCommandLine::Action::Version;
        } else if (arg == "--print") {
            if (!hasValue)
                return fail("--print needs a document");
            line.action = EditorCommandLine::Action::Print;
            line.files.push_back(arguments[++i]);
        } else if (arg == "--print-to") {
            if (i + 2 >= arguments.size())
                return fail("--print-to needs a printer and a document");
            line.action = EditorCommandLine::Action::PrintTo;
            line.printer = arguments[++i];
            line.files.push_back(arguments[++i]);
        } else if (arg == "--exit-after-first-paint") {
            line.exitAfterFirstPaint = true;
        } else if (arg == "--screenshot") {
            if (!hasValue)
                return fail("--screenshot needs a file name");
            line.screenshot = arguments[++i];
        } else {
            return fail("unknown option " + arg);
        }
    }
    // Help and version win over everything else; printing takes exactly one document.
    if ((line.action == EditorCommandLine::Action::Print ||
         line.action == EditorCommandLine::Action::PrintTo) &&
        line.files.size() != 1)
        return fail("printing takes exactly one document");
    return line;
}

const char* editorUsageText()
{
    return "Usage: lw [FILE...]\n"
           "Loopwright GIF Animator: opens each FILE (.lwd, .gif, .jpg, .bmp, .wmf) in its own window;\n"
           "without a file it offers the welcome choices.\n"
           "\n"
           "  --print FILE               print FILE on the default printer\n"
           "  --print-to PRINTER FILE    print FILE on PRINTER (a name ending in .pdf writes a PDF file)\n"
           "  --screenshot PNG           save a picture of the screen once the main window shows, then quit\n"
           "  --exit-after-first-paint   quit as soon as the first document's frame is on the screen\n"
           "  --version                  print the version\n"
           "  --help                     print this text\n";
}

} // namespace lw
