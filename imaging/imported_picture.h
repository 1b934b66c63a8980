#pragma once
// A picture read from a file, ready to become a bitmap layer.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

// Largest picture the importers decode; bigger ones are refused before allocating.
inline constexpr std::int64_t kMaxImportPixels = 8192LL * 8192LL;

struct ImportedPicture {
    CRaster raster;
    bool hasTransparency = false;
    // The size the layer shows: the raster's size, except for a metafile rendered at twice the
    // chosen size, which keeps the chosen size here.
    int width = 0;
    int height = 0;
};

} // namespace lw
