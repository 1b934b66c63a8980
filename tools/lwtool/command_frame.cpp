// lwtool frame: one frame as GIF, JPEG or BMP, exactly as the editor's Export Frame writes it.
#include "tools/lwtool/commands.h"
#include "tools/lwtool/loaded_document.h"

#include "model/picture_export.h"
#include "platform/errors.h"
#include "platform/file_io.h"

namespace lwtool {

int runFrame(const Options& options, ConsoleUiPort& ui)
{
    const std::string ext = lw::fileExtension(options.output);
    if (ext != "gif" && ext != "jpg" && ext != "jpeg" && ext != "jpe" && ext != "bmp")
        throw ToolError{kExitUsage, options.output + ": the output must end in .gif, .jpg or .bmp"};
    auto input = loadInput(options, ui);
    lw::CFrame& frame = frameNumber(input->doc.animation, options.frame.value_or(1));
    bool written = false;
    try {
        written = lw::ExportPicture(frame, options.output, ui);
    } catch (const lw::FileError& e) {
        throw ToolError{kExitOutputFailed, options.output + ": cannot be written (" + e.what() + ")"};
    } catch (const lw::MemoryError&) {
        throw ToolError{kExitOutputFailed, options.output + ": out of memory"};
    }
    if (!written)
        throw ToolError{kExitOutputFailed, options.output + ": cannot be written" +
                                               (ui.lastText().empty() ? "" : " (" + ui.lastText() + ")")};
    return kExitOk;
}

} // namespace lwtool
