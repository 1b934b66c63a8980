#pragma once
// Pixels of rectangle objects: a solid fill, a frame band, or horizontal or vertical stripes.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

enum RectStyleCode : std::int32_t { kRectSolid = 0, kRectFrame = 1, kRectHorizontal = 2, kRectVertical = 3 };

struct RectStyle {
    std::uint32_t fillColour = 0x8080FF;
    std::uint32_t lineColour = 0;
    std::int32_t lineWidth = 2;
    std::int32_t gapWidth = 1;
    std::int32_t style = kRectHorizontal;
    bool operator==(const RectStyle&) const = default;
};

// Some colour of the style is not fully opaque.
bool rectStyleHasTransparency(const RectStyle& style);

// Whether the pixel (x, y) of a width × height rectangle (y = 0 the top row) is drawn in the
// line colour; false for the fill colour.
bool rectPixelIsLine(const RectStyle& style, int width, int height, int x, int y);

// Renders the style over the whole image.
void renderRectangle(CRaster& image, const RectStyle& style);

// The paint-bucket rule: the colour of the part under (x, y) becomes c.
void recolourRectPart(RectStyle& style, int width, int height, int x, int y, std::uint32_t c);

} // namespace lw
