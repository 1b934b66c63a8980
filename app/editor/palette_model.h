#pragma once
// The 64-colour palette bar and the current-colours swatches, without a window.
#include "app/editor/colour_swatch.h"

#include <array>
#include <cstdint>

class QImage;

namespace lw {

// 8 rows of 8 colours, row by row, as 0xRRGGBB.
extern const std::array<std::uint32_t, 64> kPaletteColours;
inline constexpr int kPaletteCell = 12; // a cell's pitch in pixels
inline constexpr int kPaletteSide = 97; // the palette window is 97 × 97
// The cell under a point of the palette window, or -1 outside the 64 cells.
int paletteCellAt(int x, int y);

// The current-colours picture (swatchSquares gives the two squares of a colour): the foreground swatch from x
// = 2 and the background swatch from x = 35, both 2 pixels from the top, each 12 × 12 made of 4 × 4 squares
// of 3 × 3 pixels, light in the top-left corner; the picture is 66 × 16 on the bar's face colour.
QImage currentColoursImage(std::uint32_t foreground, std::uint32_t background, std::uint32_t face);

} // namespace lw
