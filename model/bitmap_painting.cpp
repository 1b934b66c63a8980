#include "model/bitmap_painting.h"

#include <algorithm>
#include <cstdlib>

namespace lw {
namespace {

// Whether offset (dx, dy) belongs to the brush of the given size.
bool inBrush(int dx, int dy, int size)
{
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    const int outer = std::max(ax, ay);
    const int inner = std::min(ax, ay);
    if (outer <= 1)
        return size >= 1 || outer == 0;
    if (outer == 2)
        return inner <= 1 ? size >= 2 : size >= 3;
    if (outer == 3)
        return inner <= 1 ? size >= 4 : size >= 5;
    return false;
}

} // namespace

void stampBrush(CRaster& image, int x, int y, std::uint32_t colour, int size)
{
    if (!image.hasBlock())
        return;
    size = std::clamp(size, 0, kMaxBrushSize);
    const int reach = size >= 4 ? 3 : size >= 2 ? 2 : size;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (inBrush(dx, dy, size) && image.contains(x + dx, y + dy))
                image.bits()[image.indexOf(x + dx, y + dy)] = colour;
}

void brushLine(CRaster& image, int x1, int y1, int x2, int y2, std::uint32_t colour, int size, int originX,
               int originY)
{
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0) {
        stampBrush(image, x1 - originX, y1 - originY, colour, size);
        return;
    }
    // The stamps are placed where the line's own points truncate to, then moved into the image:
    // truncating after the move could land a stamp one pixel short.
    for (long long i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        const auto x = static_cast<long long>(x1 + dx * t);
        const auto y = static_cast<long long>(y1 + dy * t);
        stampBrush(image, static_cast<int>(x - originX), static_cast<int>(y - originY), colour, size);
    }
}

void makeColourTransparent(CRaster& image, std::uint32_t colour)
{
    for (std::uint32_t& p : image.pixels())
        if (p == colour)
            p |= 0xFF000000u;
}

void applyStencil(CRaster& image, std::uint32_t colour)
{
    if (!image.hasBlock())
        return;
    auto brightness = [](std::uint32_t p) { return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF); };
    std::uint32_t smax = 0;
    std::uint32_t smin = 3 * 255;
    for (std::uint32_t p : image.pixels()) {
        smax = std::max(smax, brightness(p));
        smin = std::min(smin, brightness(p));
    }
    const std::uint32_t rgb = colour & 0x00FFFFFFu;
    if (smax == smin) {
        image.FillRect(rgb | 0xFF000000u);
        return;
    }
    const std::uint32_t opacity = 255 - (colour >> 24);
    for (std::uint32_t& p : image.pixels()) {
        const std::uint32_t v = ((smax - brightness(p)) * 255 / (smax - smin)) * opacity / 255;
        p = rgb | (255 - v) << 24;
    }
}

} // namespace lw
