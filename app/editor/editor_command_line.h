#pragma once
// What `lw` was asked to do on its command line.
#include <string>
#include <vector>

namespace lw {

struct EditorCommandLine {
    enum class Action { Run, Help, Version, Print, PrintTo, Error };
    Action action = Action::Run;
    std::vector<std::string> files;   // documents to open (no welcome dialog when there are any)
    std::string printer;              // --print-to
    std::string screenshot;           // --screenshot: save the screen once the window shows, then quit
    bool exitAfterFirstPaint = false; // --exit-after-first-paint: quit once a document's frame shows
    std::string error;                // Action::Error: what was wrong
};

EditorCommandLine parseEditorCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
const char* editorUsageText();

} // namespace lw
