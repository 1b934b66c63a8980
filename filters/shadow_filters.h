#pragma once
// Drop shadow and glow: a cone-blurred copy of a layer's opacity in one colour, offset by a
// distance, with the layer drawn over it.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

struct ShadowSettings {
    int distance = 2;    // pixels right and down
    int intensity = 100; // per cent of the blurred opacity
    int radius = 5;      // pixels; 0 gives an unblurred copy of the outline
    std::uint32_t colour = 0x00000000;
};

// The defaults of the two menu entries; the glow's colour is white unless the view's
// background colour is asked for.
ShadowSettings dropShadowDefaults();
ShadowSettings glowDefaults();

// Returns the new (W + 2r + s + 1) × (H + 2r + s + 1) layer. Radius and distance are clamped to
// 0 … kMaxFilterRadius and 0 … kMaxFilterDistance.
CRaster makeDropShadow(const CRaster& raster, const ShadowSettings& settings);

} // namespace lw
