#include "filters/shadow_filters.h"

#include "filters/cone_kernel.h"
#include "filters/filter_limits.h"
#include "filters/pixel_channels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lw {

ShadowSettings dropShadowDefaults()
{
    return ShadowSettings{2, 100, 5, 0x00000000};
}

ShadowSettings glowDefaults()
{
    return ShadowSettings{0, 100, 5, 0x00FFFFFF};
}

CRaster makeDropShadow(const CRaster& raster, const ShadowSettings& settings)
{
    const int r = std::clamp(settings.radius, 0, kMaxFilterRadius);
    const int s = std::clamp(settings.distance, 0, kMaxFilterDistance);
    const int w = raster.width(), h = raster.height();
    CRaster out(w + 2 * r + s + 1, h + 2 * r + s + 1);
    out.FillRect((settings.colour & 0x00FFFFFFu) | 0xFF000000u);
    if (!raster.hasBlock())
        return out;

    // Opacity of the source, top row first, so the inner loop runs along memory.
    std::vector<std::uint8_t> opacity(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            opacity[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(opacityOf(row[x]));
    }
    const ConeKernel<double> cone(r, [](double height, int radius) { return height / radius; });
    double total = 0;
    for (double u : cone.weights())
        total += u;
    const double scale = settings.intensity * 0.01;
    const std::uint32_t colour = settings.colour & 0x00FFFFFFu;

    // Only the pixels that land inside the new layer after the offset are worth computing.
    const int columns = out.width() - s, rows = out.height() - s;
    for (int j = 0; j < rows; ++j) {
        std::uint32_t* target = out.bits() + out.indexOf(s, s + j);
        const int lFirst = std::max(-r, r - j), lLast = std::min(r, h - 1 - j + r);
        for (int i = 0; i < columns; ++i) {
            const int kFirst = std::max(-r, r - i), kLast = std::min(r, w - 1 - i + r);
            double a = 0;
            for (int l = lFirst; l <= lLast; ++l) {
                const auto span = cone.span(l);
                const int first = std::max(kFirst, span.first), last = std::min(kLast, span.last);
                if (first > last)
                    continue;
                const std::uint8_t* source =
                    opacity.data() + static_cast<std::ptrdiff_t>(j + l - r) * w + (i - r + first);
                const double* u = cone.row(l) + (r + first);
                for (int k = 0; k <= last - first; ++k)
                    a += u[k] * source[k];
            }
            const double m = total > 0 ? std::clamp(a / total, 0.0, 255.0) : 0.0;
            // Intensities above 100 % or below 0 would leave the byte's range.
            const int t = static_cast<int>(std::clamp(255 - m * scale, 0.0, 255.0));
            target[i] = colour | static_cast<std::uint32_t>(t) << 24;
        }
    }

    out.Lock();
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            out.BlendPixel(r + x, r + y, row[x]);
    }
    out.Unlock();
    return out;
}

} // namespace lw
