#pragma once
// Paint-bucket fill of bitmap objects: the 4-connected region of pixels equal to the one under
// the point becomes the new colour. Works through an explicit list of row spans, so large
// regions never deepen the call stack.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

// Returns false (and changes nothing) when the point is outside the image or already has the colour.
bool floodFill(CRaster& image, int x, int y, std::uint32_t colour);

} // namespace lw
