#pragma once
// The eraser: a square of pixels set to the background colour at full transparency, stamped at
// a point or along a path on a bitmap layer (workspace coordinates).
#include <cstdint>

namespace lw {

class CBitmapObject;

// Half the side of the square: 8 / zoom with Ctrl, else 3 / zoom (a single pixel from zoom 4).
int eraserHalfSize(int zoom, bool large);

// The colour erased pixels take: the background's colour with transparency 255.
inline std::uint32_t erasedColour(std::uint32_t background)
{
    return (background & 0x00FFFFFFu) | 0xFF000000u;
}

void eraseSquare(CBitmapObject& layer, int x, int y, int halfSize, std::uint32_t background);
// Squares at every step of the longer axis from one point to the other, both ends included.
void eraseAlong(CBitmapObject& layer, int x1, int y1, int x2, int y2, int halfSize, std::uint32_t background);

} // namespace lw
