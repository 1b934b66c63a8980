// Feeds arbitrary bytes through the metafile import path: our header and record-chain checks
// (LoadMetafileBytes, WindowRect), then, for what they accept, the converter to SVG and its
// rendering at a small size. Only well-formed metafiles may reach the converters, and nothing
// may read outside the bytes or crash in them.
#include "filters/scripted_ui_port.h"
#include "fuzz_gui_app.h"
#include "imaging/metafile_loader.h"
#include "imaging/metafile_raster.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureFuzzGuiApp();
    const std::span<const std::uint8_t> bytes(data, size);
    lw::ScriptedUiPort ui;
    const auto metafile = lw::LoadMetafileBytes(bytes, ui);
    if (!metafile)
        return 0;
    if (metafile->kind == lw::MetafileKind::Windows)
        (void)lw::WindowRect(metafile->bytes);
    // A small picture keeps each run quick; the proposed size is still worked out.
    (void)lw::ProposedMetafileSize(*metafile, lw::RasterRect{0, 0, 468, 60});
    ui.queueMetafileRaster(lw::MetafileRasterAnswer{24, 16, false});
    (void)lw::RasteriseMetafile(*metafile, ui, lw::RasterRect{0, 0, 468, 60});
    return 0;
}
