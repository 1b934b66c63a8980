#pragma once
// The input of a command: the effect libraries and the document, loaded and rendered as the
// editor would on opening the file.
#include "tools/lwtool/command_line.h"
#include "tools/lwtool/console_ui_port.h"

#include "engine/application_context.h"
#include "model/document.h"

#include <memory>
#include <string>

namespace lwtool {

struct LoadedDocument {
    explicit LoadedDocument(lw::PictureUiPort& ui) : context(ui) {}
    lw::ApplicationContext context;
    lw::CLWDoc doc;
};

// Loads the extensions, then the input file (any file the editor opens), renders every frame.
// Throws ToolError with kExitBadInput when the input cannot be read or is not valid.
std::unique_ptr<LoadedDocument> loadInput(const Options& options, ConsoleUiPort& ui);

// The frame with a 1-based number among all frames; ToolError (usage) when there is none.
lw::CFrame& frameNumber(lw::CAnimation& animation, int number);

// Progress for long work, on stderr, only when stderr is a terminal and not quiet.
void progress(const Options& options, const std::string& text);

} // namespace lwtool
