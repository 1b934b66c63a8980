#include "tools/lwtool/loaded_document.h"

#include "tools/lwtool/commands.h"

#include "model/document_file.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lwtool {

void progress(const Options& options, const std::string& text)
{
    if (!options.quiet && ::isatty(STDERR_FILENO))
        std::fprintf(stderr, "lwtool: %s\n", text.c_str());
}

std::unique_ptr<LoadedDocument> loadInput(const Options& options, ConsoleUiPort& ui)
{
    std::error_code ec;
    if (!std::filesystem::exists(options.input, ec))
        throw ToolError{kExitBadInput, options.input + ": no such file"};
    if (std::filesystem::is_directory(options.input, ec))
        throw ToolError{kExitBadInput, options.input + ": is a folder"};

    // Labels report rendering trouble (one too large to draw) through lwtool's prompts too.
    auto loaded = std::make_unique<LoadedDocument>(ui);
    const std::string folder = extensionsFolder(options);
    if (!options.extensionsDir.empty() && !std::filesystem::is_directory(folder, ec))
        throw ToolError{kExitBadInput, folder + ": no such extensions folder"};
    loaded->context.extensions.load(folder);

    progress(options, "reading " + options.input);
    try {
        lw::LoadDocument(loaded->doc, options.input, loaded->context.extensions, loaded->context.ui);
        lw::UntitledNames untitled;
        lw::afterOpenDocument(loaded->doc, options.input, untitled);
        lw::CompletePendingImport(loaded->doc, ui);
        // A document comes back from its reader rendered; GIFs and pictures are rendered here.
        if (lw::fileExtension(options.input) != "lwd")
            loaded->doc.animation.RenderAllFrames();
    } catch (const lw::ArchiveError& e) {
        const std::string reason = !ui.lastText().empty() ? ui.lastText() : e.what();
        throw ToolError{kExitBadInput, options.input + ": not a valid document or picture (" + reason + ")"};
    } catch (const lw::FileError& e) {
        throw ToolError{kExitBadInput, options.input + ": cannot be read (" + e.what() + ")"};
    } catch (const lw::MemoryError&) {
        throw ToolError{kExitBadInput, options.input + ": too large to load"};
    }
    return loaded;
}

lw::CFrame& frameNumber(lw::CAnimation& animation, int number)
{
    lw::CFrame* frame = animation.FrameAt(number - 1);
    if (!frame)
        throw ToolError{kExitUsage, "frame " + std::to_string(number) + ": the document has " +
                                        std::to_string(animation.TotalFrames()) + " frames"};
    return *frame;
}

} // namespace lwtool
