// Feeds arbitrary bytes to opening a GIF as a document (canvas from the logical screen, one
// bitmap per frame at its offset, the document's pixel budget), with each of the three import
// choices, then saves the document and reads it back: whatever the import makes must reopen.
#include "filters/scripted_ui_port.h"
#include "fuzz_gui_app.h"
#include "model/gif_document_import.h"
#include "model/lwd/lwd_reader.h"
#include "model/lwd/lwd_writer.h"
#include "platform/errors.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>

namespace {

class NoEffects : public lw::EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return false; }
};

// Frames times screen pixels an input may ask for before it is skipped, so that one run stays
// quick; every image descriptor (byte 0x2C) may start a frame.
constexpr std::int64_t kRunPixelBudget = 16LL * 1024 * 1024;

bool withinRunBudget(std::span<const std::uint8_t> gif)
{
    if (gif.size() < 10)
        return true;
    const std::int64_t width = gif[6] | gif[7] << 8;
    const std::int64_t height = gif[8] | gif[9] << 8;
    const std::int64_t frames = 1 + std::count(gif.begin(), gif.end(), std::uint8_t{0x2C});
    return width * height * frames <= kRunPixelBudget;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    ensureFuzzGuiApp();
    // The first byte picks the answer to "Импортирование GIF-файла"; the rest is the file.
    const std::uint8_t choice = data[0] % 3;
    const std::span<const std::uint8_t> gif(data + 1, size - 1);
    if (!withinRunBudget(gif))
        return 0;
    lw::ScriptedUiPort ui;
    ui.queueGifImport(lw::GifImportAnswer{choice != 0, choice == 2 ? lw::GifImportMode::Optimised
                                                                   : lw::GifImportMode::Full});
    std::vector<std::uint8_t> saved;
    try {
        lw::CLWDoc doc;
        lw::OpenGifDocument(doc, gif, "fuzz.gif", ui);
        doc.animation.RenderAllFrames();
        doc.animation.PrepareCloneReferences();
        saved = lw::WriteLwdDocument(doc);
    } catch (const lw::ArchiveError&) {
        return 0;
    } catch (const lw::MemoryError&) {
        return 0;
    }
    // A document the import made and the writer wrote must open again.
    lw::ScriptedUiPort reopenUi;
    NoEffects catalog;
    lw::CLWDoc again;
    try {
        lw::ReadLwdDocument(again, saved, catalog, reopenUi);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "an imported GIF saved as a document does not reopen: %s\n", e.what());
        std::abort();
    }
    return 0;
}
