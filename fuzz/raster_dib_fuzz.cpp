// Feeds arbitrary bytes to CRaster::LoadPackedDib: it must refuse or load, never read outside
// the block or allocate without bound.
#include "imaging/raster.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lw::CRaster raster;
    if (raster.LoadPackedDib(std::span<const std::uint8_t>(data, size)) && raster.hasBlock()) {
        const auto back = raster.ToPackedDib32();
        lw::CRaster again;
        again.LoadPackedDib(back);
    }
    return 0;
}
