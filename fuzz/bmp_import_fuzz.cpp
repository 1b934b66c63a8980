// Feeds arbitrary bytes to the BMP import path: the file becomes a packed DIB or a message, and
// the DIB loads or is refused, never reading outside the bytes or allocating without bound.
#include "filters/scripted_ui_port.h"
#include "imaging/bmp_reader.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lw::ScriptedUiPort ui;
    const auto dib = lw::ReadBmpBytes(std::span<const std::uint8_t>(data, size), ui);
    if (dib) {
        const auto header = lw::BitmapInfoHeader::fromBytes(*dib);
        if (static_cast<std::int64_t>(header.biWidth) * header.biHeight <= 4096 * 4096) {
            lw::CRaster raster;
            raster.LoadPackedDib(*dib);
        }
    }
    return 0;
}
