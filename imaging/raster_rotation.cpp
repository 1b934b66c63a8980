#include "imaging/raster_rotation.h"

#include <cmath>

namespace lw {

RotatedSize rotatedSize(int width, int height, double angle)
{
    const double c = std::fabs(std::cos(angle)), s = std::fabs(std::sin(angle));
    return RotatedSize{static_cast<int>(std::ceil(c * width + s * height)),
                       static_cast<int>(std::ceil(s * width + c * height))};
}

namespace {

std::uint32_t smoothSample(const CRaster& source, double sx, double sy, int ix, int iy, std::uint32_t fill)
{
    double weight = 0, b = 0, g = 0, r = 0, opacity = 0;
    for (int ky = iy - 1; ky <= iy + 1; ++ky) {
        for (int kx = ix - 1; kx <= ix + 1; ++kx) {
            const double dx = kx - sx, dy = ky - sy;
            const double w = 1 - std::sqrt(dx * dx + dy * dy);
            if (w <= 0)
                continue;
            const std::uint32_t p = source.contains(kx, ky) ? source.bits()[source.indexOf(kx, ky)] : fill;
            weight += w;
            b += w * (p & 0xFF);
            g += w * ((p >> 8) & 0xFF);
            r += w * ((p >> 16) & 0xFF);
            opacity += w * (255 - (p >> 24));
        }
    }
    if (weight <= 0)
        return fill;
    const auto byte = [](double v) { return static_cast<std::uint32_t>(static_cast<int>(v)) & 0xFF; };
    return byte(255 - opacity / weight) << 24 | byte(r / weight) << 16 | byte(g / weight) << 8 |
           byte(b / weight);
}

} // namespace

CRaster RotateRaster(const CRaster& source, double angle, std::uint32_t fill, bool smooth)
{
    if (!std::isfinite(angle))
        return source;
    const int w = source.width(), h = source.height();
    const RotatedSize size = rotatedSize(w, h, angle);
    CRaster target;
    target.Create(size.width, size.height);
    if (!target.hasBlock())
        return target;
    const double c = std::cos(-angle), s = std::sin(-angle);
    const int halfW = size.width / 2, halfH = size.height / 2;
    const bool hasSource = source.hasBlock();
    // Each target pixel is independent, so rows run outermost to walk memory in order.
    for (int j = 0; j < size.height; ++j) {
        std::uint32_t* row = target.bits() + target.indexOf(0, j);
        const double dj = j - halfH;
        for (int i = 0; i < size.width; ++i) {
            const double di = i - halfW;
            const double sx = di * c - dj * s + w / 2;
            const double sy = di * s + dj * c + h / 2;
            const int ix = static_cast<int>(sx), iy = static_cast<int>(sy);
            // A 3 × 3 neighbourhood wholly outside the source mixes only the fill.
            const bool near = ix >= -1 && iy >= -1 && ix <= w && iy <= h;
            if (smooth)
                row[i] = hasSource && near ? smoothSample(source, sx, sy, ix, iy, fill) : fill;
            else
                row[i] = hasSource && source.contains(ix, iy) ? source.bits()[source.indexOf(ix, iy)] : fill;
        }
    }
    return target;
}

} // namespace lw
