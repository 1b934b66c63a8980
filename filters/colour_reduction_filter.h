#pragma once
// The colour reduction filter: the layer's pixels quantized to at most n colours (with
// dithering) through the packed-DIB road of the quantizer. Every pixel ends up opaque.
#include "imaging/raster.h"

namespace lw {

inline constexpr int kDefaultReducedColours = 256;

// Raises PLTextException when the quantizer fails; the raster is then unchanged. Returns false
// (and changes nothing) when the quantizer's answer cannot be read back.
bool reduceLayerColours(CRaster& raster, int colours);

} // namespace lw
