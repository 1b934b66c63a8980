#pragma once
// The gradient bitmap tool's pixels: each channel (transparency, red, green, blue) blends from
// the start colour to the end colour along rows, columns or the diagonal, optionally only inside
// the ellipse that fills the rectangle.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

enum class GradientDirection { Vertical = 0, Horizontal = 1, Diagonal = 2 };

struct GradientSettings {
    GradientDirection direction = GradientDirection::Vertical;
    bool toTransparent = false; // the end colour is the start colour fully transparent
    bool elliptical = false;    // pixels outside the inscribed ellipse become transparent
    bool operator==(const GradientSettings&) const = default;
};

struct GradientLayerPixels {
    CRaster pixels;
    bool hasTransparency = false;
};

// Colours are 0xTTRRGGBB; `end` is ignored with toTransparent. Empty sizes give an empty raster.
GradientLayerPixels gradientPixels(int width, int height, std::uint32_t start, std::uint32_t end,
                                   const GradientSettings& settings);

} // namespace lw
