#pragma once
// The old and new colour are shown over a checkerboard of white and light grey squares, so that
// an opaque colour looks plain and a transparent one lets the board show through.
#include "app/editor/colour_math.h"

#include <QImage>

#include <cstdint>

namespace lw {

inline constexpr int kSwatchSquare = 6;

struct SwatchSquares {
    Rgb light; // the colour over white
    Rgb dark;  // the colour over grey 192
    friend bool operator==(const SwatchSquares&, const SwatchSquares&) = default;
};

SwatchSquares swatchSquares(std::uint32_t colour);
// A width × height checkerboard of the two squares, light in the top-left corner.
QImage swatchImage(std::uint32_t colour, int width, int height);

} // namespace lw
