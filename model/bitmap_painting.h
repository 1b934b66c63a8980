#pragma once
// Pixel tools of bitmap objects, in image coordinates (y = 0 the top row): brush stamps and
// lines, making one colour transparent, and the stencil.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

// Largest brush size; sizes 0 … 5 cover 1, 3 × 3, 5 × 5 without corners, 5 × 5, 7 × 7 without
// corners and 7 × 7 pixels.
inline constexpr int kMaxBrushSize = 5;

void stampBrush(CRaster& image, int x, int y, std::uint32_t colour, int size);
// Stamps at every step of the longer axis between the two points, both ends included. The points
// are in the coordinates the line was drawn in; (originX, originY) is the image's top-left there.
void brushLine(CRaster& image, int x1, int y1, int x2, int y2, std::uint32_t colour, int size,
               int originX = 0, int originY = 0);

// Every pixel exactly equal to the colour becomes fully transparent (its colour is kept).
void makeColourTransparent(CRaster& image, std::uint32_t colour);

// Turns the image into the colour with an opacity that follows darkness: the darkest pixels
// take the colour's own opacity, the lightest become fully transparent.
void applyStencil(CRaster& image, std::uint32_t colour);

} // namespace lw
