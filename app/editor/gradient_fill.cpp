#include "app/editor/gradient_fill.h"

#include <cmath>

namespace lw {

namespace {

// floor((n − k)·S/n) + floor(k·E/n) for every byte of the colour.
std::uint32_t blend(std::uint32_t start, std::uint32_t end, std::int64_t k, std::int64_t n)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::int64_t s = start >> shift & 0xFF;
        const std::int64_t e = end >> shift & 0xFF;
        const std::int64_t v = (n - k) * s / n + k * e / n;
        result |= static_cast<std::uint32_t>(v & 0xFF) << shift;
    }
    return result;
}

bool outsideEllipse(int i, int j, int width, int height)
{
    const double a = width / 2.0;
    const double b = height / 2.0;
    const double dx = (a - j) / a;
    const double dy = (b - i) / b;
    return std::sqrt(dx * dx + dy * dy) > 1.0;
}

} // namespace

GradientLayerPixels gradientPixels(int width, int height, std::uint32_t start, std::uint32_t end,
                                   const GradientSettings& settings)
{
    GradientLayerPixels out;
    if (width <= 0 || height <= 0)
        return out;
    if (settings.toTransparent)
        end = start | 0xFF000000u;
    out.pixels.Create(width, height);
    for (int i = 0; i < height; ++i)
        for (int j = 0; j < width; ++j) {
            std::uint32_t pixel = 0;
            switch (settings.direction) {
            case GradientDirection::Vertical:
                pixel = blend(start, end, i, height);
                break;
            case GradientDirection::Horizontal:
                pixel = blend(start, end, j, width);
                break;
            case GradientDirection::Diagonal:
                pixel = blend(start, end, i + j, static_cast<std::int64_t>(width) + height);
                break;
            }
            if (settings.elliptical && outsideEllipse(i, j, width, height))
                pixel |= 0xFF000000u;
            out.pixels.bits()[out.pixels.indexOf(j, i)] = pixel;
        }
    out.hasTransparency = settings.toTransparent || settings.elliptical;
    return out;
}

} // namespace lw
