// Feeds arbitrary bytes to the .lwd document reader: it loads a document or raises
// ArchiveError / MemoryError, never reading outside the bytes or allocating without bound.
#include "filters/scripted_ui_port.h"
#include "fuzz_gui_app.h"
#include "model/lwd/lwd_reader.h"
#include "model/lwd/lwd_writer.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

namespace {

// Effects with odd ids count as installed, so both clearing paths run.
class OddEffects : public lw::EffectCatalog {
public:
    bool isInstalled(std::int32_t effectId) const override { return effectId % 2 != 0; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureFuzzGuiApp();
    lw::ScriptedUiPort ui;
    OddEffects catalog;
    lw::LwdReadLimits limits;
    limits.maxPixels = 4 * 1024 * 1024; // keeps each run quick
    try {
        lw::CLWDoc doc;
        lw::ReadLwdDocument(doc, std::span<const std::uint8_t>(data, size), catalog, ui, limits);
        // A document that loaded writes out again.
        doc.animation.PrepareCloneReferences();
        (void)lw::WriteLwdDocument(doc);
    } catch (const lw::ArchiveError&) {
    } catch (const lw::MemoryError&) {
    }
    return 0;
}
