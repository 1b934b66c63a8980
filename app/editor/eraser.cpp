#include "app/editor/eraser.h"

#include "model/bitmap_object.h"

#include <algorithm>
#include <cstdlib>

namespace lw {

int eraserHalfSize(int zoom, bool large)
{
    return (large ? 8 : 3) / std::max(1, zoom);
}

void eraseSquare(CBitmapObject& layer, int x, int y, int halfSize, std::uint32_t background)
{
    CRaster& image = layer.ownImage;
    const int ox = x - layer.rect.left;
    const int oy = y - layer.rect.top;
    const int left = std::max(0, ox - halfSize), right = std::min(image.width() - 1, ox + halfSize);
    const int top = std::max(0, oy - halfSize), bottom = std::min(image.height() - 1, oy + halfSize);
    // The pixels change, so resizing must start from them from now on.
    layer.unscaledPixels.reset();
    layer.hasTransparency = 1;
    const std::uint32_t colour = erasedColour(background);
    for (int py = top; py <= bottom; ++py)
        for (int px = left; px <= right; ++px)
            image.bits()[image.indexOf(px, py)] = colour;
}

void eraseAlong(CBitmapObject& layer, int x1, int y1, int x2, int y2, int halfSize, std::uint32_t background)
{
    const int n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    if (n == 0) {
        eraseSquare(layer, x1, y1, halfSize, background);
        return;
    }
    for (int i = 0; i <= n; ++i)
        eraseSquare(layer, x1 + (x2 - x1) * i / n, y1 + (y2 - y1) * i / n, halfSize, background);
}

} // namespace lw
