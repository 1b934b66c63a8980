// Feeds arbitrary bytes to the JPEG reader: it gives a packed DIB that loads, or nothing.
#include "imaging/jpeg_io.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A small pixel limit keeps every run quick; the limit itself is what is being checked.
    const auto dib = lw::DecodeJpeg(std::span<const std::uint8_t>(data, size), 512 * 512);
    if (dib) {
        lw::CRaster raster;
        if (!raster.LoadPackedDib(*dib))
            __builtin_trap();
    }
    return 0;
}
