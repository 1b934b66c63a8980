#include "filters/relief_filters.h"

#include "filters/pixel_channels.h"

#include <cmath>
#include <vector>

namespace lw {

namespace {

// Calls f(x, y, pixel) for every pixel, row 0 at the top.
template <typename F> void forEachPixel(CRaster& raster, F f)
{
    for (int y = 0; y < raster.height(); ++y) {
        std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        for (int x = 0; x < raster.width(); ++x)
            f(x, y, row[x]);
    }
}

} // namespace

void applyVerticalGradient(CRaster& raster, int amount)
{
    if (!raster.hasBlock())
        return;
    const long long h = raster.height();
    forEachPixel(raster,
                 [&](int, int y, std::uint32_t& p) { p = brighten(p, ((h - 2LL * y) * amount) / h); });
}

void applyHorizontalGradient(CRaster& raster, int amount)
{
    if (!raster.hasBlock())
        return;
    const long long w = raster.width();
    forEachPixel(raster,
                 [&](int x, int, std::uint32_t& p) { p = brighten(p, ((w - 2LL * x) * amount) / w); });
}

void applyDiagonalGradient(CRaster& raster, int amount, GradientShape shape, bool reverse)
{
    if (!raster.hasBlock())
        return;
    const long long w = raster.width(), h = raster.height();
    const bool round = shape == GradientShape::Round;
    const long long m = round ? static_cast<long long>(std::sqrt(static_cast<double>(w * w + h * h))) : w + h;
    forEachPixel(raster, [&](int x, int y, std::uint32_t& p) {
        const long long l =
            round ? static_cast<long long>(std::sqrt(static_cast<double>(1LL * x * x + 1LL * y * y))) : x + y;
        const long long d = ((m - 2 * l) * amount) / m;
        p = brighten(p, reverse ? -d : d);
    });
}

void applyBevelledRectangle(CRaster& raster, int border, int amount)
{
    const int w = raster.width(), h = raster.height();
    forEachPixel(raster, [&](int x, int y, std::uint32_t& p) {
        if (x < border || y < border)
            p = brighten(p, amount) & 0x00FFFFFFu;
    });
    forEachPixel(raster, [&](int x, int y, std::uint32_t& p) {
        if (static_cast<long long>(x) + border >= w || static_cast<long long>(y) + border >= h)
            p = brighten(p, -static_cast<long long>(amount)) & 0x00FFFFFFu;
    });
}

void applyBevelledShape(CRaster& raster, int border, int amount, BevelLight light, bool reverse)
{
    // The bevel divides by the border width; without a border there is nothing to bevel.
    if (border < 1 || !raster.hasBlock())
        return;
    const int w = raster.width(), h = raster.height();
    // Colours change but transparency never does, so the outline can be read from a mask taken
    // once before the pass.
    std::vector<std::uint8_t> clear(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            clear[static_cast<std::size_t>(y) * w + x] =
                transparencyOf(raster.bits()[raster.indexOf(x, y)]) >= 224;
    const auto transparentAt = [&](long long x, long long y) {
        return x < 0 || y < 0 || x >= w || y >= h || clear[static_cast<std::size_t>(y * w + x)];
    };
    // Distance along the diagonal step (dx, dy) to the first transparent position, n + 1 if none.
    const auto reach = [&](int x, int y, int step) {
        for (long long k = 0; k <= border; ++k)
            if (transparentAt(x + step * k, y + step * k))
                return k;
        return static_cast<long long>(border) + 1;
    };
    const bool lit = light != BevelLight::ShadowOnly;
    const bool shaded = light != BevelLight::LightOnly;
    forEachPixel(raster, [&](int x, int y, std::uint32_t& p) {
        const long long hl = lit ? std::max(0LL, border - reach(x, y, -1) + 1) : 0;
        const long long sh = shaded ? std::max(0LL, border - reach(x, y, +1) + 1) : 0;
        const long long d = ((reverse ? sh - hl : hl - sh) * amount) / border;
        if (d != 0)
            p = brighten(p, d);
    });
}

} // namespace lw
