#pragma once
// The two blurs of the "Размытость" menu. Both return a larger layer.
#include "imaging/raster.h"

namespace lw {

// Horizontal smear to the right: (W + a) × H, each column the average of the a + 1 source
// columns ending at it. The distance is clamped to 0 … kMaxFilterDistance.
CRaster makeEdgeBlur(const CRaster& raster, int distance);
// Cone-weighted blur of colours and opacity: (W + 2r + 1) × (H + 2r + 1). The radius is clamped
// to 0 … kMaxFilterRadius; radius 0 copies the layer into the larger size.
CRaster makeGaussianBlur(const CRaster& raster, int radius);

} // namespace lw
