#include "filters/blur_filters.h"

#include "filters/cone_kernel.h"
#include "filters/filter_limits.h"
#include "filters/pixel_channels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lw {

CRaster makeEdgeBlur(const CRaster& raster, int distance)
{
    const int a = std::clamp(distance, 0, kMaxFilterDistance);
    const int w = raster.width(), h = raster.height();
    CRaster out(w + a, h);
    if (!raster.hasBlock())
        return out;
    // Running sums along the row: sums[c][x + 1] = sum of channel c over columns 0 … x.
    std::vector<long long> sums[4];
    for (auto& s : sums)
        s.assign(static_cast<std::size_t>(w) + 1, 0);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const int channel[4] = {blueOf(p), greenOf(p), redOf(p), transparencyOf(p)};
            for (int c = 0; c < 4; ++c)
                sums[c][static_cast<std::size_t>(x) + 1] = sums[c][static_cast<std::size_t>(x)] + channel[c];
        }
        std::uint32_t* target = out.bits() + out.indexOf(0, y);
        for (int j = 0; j < w + a; ++j) {
            // Source columns j - a … j; those outside the row count as fully transparent.
            const int first = std::max(0, j - a), last = std::min(w - 1, j);
            const long long inside = last - first + 1;
            const auto sum = [&](int c) {
                return sums[c][static_cast<std::size_t>(last) + 1] - sums[c][static_cast<std::size_t>(first)];
            };
            const long long t = (sum(3) + 255 * (a + 1 - inside)) / (a + 1);
            target[j] = makePixel(static_cast<int>(t), static_cast<int>(sum(2) / inside),
                                  static_cast<int>(sum(1) / inside), static_cast<int>(sum(0) / inside));
        }
    }
    return out;
}

CRaster makeGaussianBlur(const CRaster& raster, int radius)
{
    const int r = std::clamp(radius, 0, kMaxFilterRadius);
    const int w = raster.width(), h = raster.height();
    const int side = 2 * r + 1;
    CRaster out(w + side, h + side);
    if (!raster.hasBlock())
        return out;

    // Whole-number weights trunc(max(0, r - distance) × 255 / r), so that an even area keeps its
    // colour exactly.
    const ConeKernel<long long> cone(
        r, [](double height, int radius) { return static_cast<long long>(height * 255 / radius); });

    // The source top row first, so the inner loop runs along memory.
    std::vector<std::uint32_t> source(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        std::copy_n(raster.bits() + raster.indexOf(0, y), w,
                    source.begin() + static_cast<std::ptrdiff_t>(y) * w);

    for (int j = 0; j < out.height(); ++j) {
        std::uint32_t* target = out.bits() + out.indexOf(0, j);
        const int lFirst = std::max(-r, r - j), lLast = std::min(r, h - 1 - j + r);
        for (int i = 0; i < out.width(); ++i) {
            const int kFirst = std::max(-r, r - i), kLast = std::min(r, w - 1 - i + r);
            long long sw = 0, sb = 0, sg = 0, sr = 0, so = 0;
            for (int l = lFirst; l <= lLast; ++l) {
                const auto span = cone.span(l);
                const int first = std::max(kFirst, span.first), last = std::min(kLast, span.last);
                if (first > last)
                    continue;
                const std::uint32_t* p =
                    source.data() + static_cast<std::ptrdiff_t>(j + l - r) * w + (i - r + first);
                const long long* u = cone.row(l) + (r + first);
                for (int k = 0; k <= last - first; ++k) {
                    const long long wk = u[k];
                    const std::uint32_t q = p[k];
                    sw += wk;
                    sb += wk * blueOf(q);
                    sg += wk * greenOf(q);
                    sr += wk * redOf(q);
                    so += wk * opacityOf(q);
                }
            }
            if (sw > 0) {
                const long long o = so / sw;
                target[i] = makePixel(static_cast<int>(255 - o), static_cast<int>(sr / sw),
                                      static_cast<int>(sg / sw), static_cast<int>(sb / sw));
            } else {
                target[i] = 0xFF000000u;
            }
        }
    }
    return out;
}

} // namespace lw
