#pragma once
// Free-angle rotation of a raster into a new raster just large enough for the turned picture.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

// Turns by `angle` radians (positive turns clockwise on screen, y growing downwards). Target
// pixels that map outside the source get `fill`; with `smooth` each pixel is a distance-weighted
// mix of the 3 × 3 nearest source pixels, where positions outside the source count as `fill`.
// The source is not changed. A non-finite angle gives a plain copy.
CRaster RotateRaster(const CRaster& source, double angle, std::uint32_t fill, bool smooth);

// The target size for a w × h source turned by `angle`.
struct RotatedSize {
    int width = 0;
    int height = 0;
};
RotatedSize rotatedSize(int width, int height, double angle);

} // namespace lw
