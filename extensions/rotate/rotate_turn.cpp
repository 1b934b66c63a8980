#include "rotate_turn.h"

#include <cmath>

namespace lw::rotate {
namespace {

uint32_t sampleAt(const Image& source, int64_t column, int64_t row)
{
    if (column < 0 || row < 0 || column >= source.width || row >= source.height)
        return kFill;
    return source.pixels[column + (source.height - 1 - row) * source.width];
}

// One output pixel from the source point (x, y): every neighbour closer than one pixel counts,
// weighted by how much closer.
uint32_t filteredPixel(const Image& source, double x, double y)
{
    const auto baseColumn = static_cast<int64_t>(std::trunc(x));
    const auto baseRow = static_cast<int64_t>(std::trunc(y));
    double sumWeight = 0, sumB = 0, sumG = 0, sumR = 0, sumOpacity = 0;
    for (int64_t k = baseColumn - 1; k <= baseColumn + 1; ++k) {
        for (int64_t l = baseRow - 1; l <= baseRow + 1; ++l) {
            const double dy = static_cast<double>(l) - y;
            const double dx = static_cast<double>(k) - x;
            const double m = 1.0 - std::sqrt(dy * dy + dx * dx);
            if (m <= 0)
                continue;
            const uint32_t s = sampleAt(source, k, l);
            sumWeight += m;
            sumB += m * static_cast<double>(s & 0xFF);
            sumG += m * static_cast<double>((s >> 8) & 0xFF);
            sumR += m * static_cast<double>((s >> 16) & 0xFF);
            sumOpacity += m * static_cast<double>(255 - (s >> 24));
        }
    }
    if (!(sumWeight > 0))
        return kFill;
    const auto channel = [&](double sum) {
        return static_cast<uint32_t>(static_cast<int64_t>(sum / sumWeight)) & 0xFF;
    };
    const uint32_t t = static_cast<uint32_t>(255 - static_cast<int64_t>(sumOpacity / sumWeight)) & 0xFF;
    return t << 24 | channel(sumR) << 16 | channel(sumG) << 8 | channel(sumB);
}

} // namespace

void turnInto(const Image& source, double theta, int64_t boxWidth, int64_t boxHeight,
              const TargetImage& target)
{
    // Each output position is traced back to the source by the opposite turn.
    const double phi = -theta;
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const double halfW = static_cast<double>(source.width / 2);
    const double halfH = static_cast<double>(source.height / 2);
    for (int64_t j = 0; j < target.usedHeight; ++j) {
        uint32_t* row = target.pixels + (target.height - 1 - j) * target.width;
        const double dy = static_cast<double>(j - boxHeight / 2);
        for (int64_t i = 0; i < target.usedWidth; ++i) {
            const double dx = static_cast<double>(i - boxWidth / 2);
            const double x = dx * cosPhi - dy * sinPhi + halfW;
            const double y = dy * cosPhi + dx * sinPhi + halfH;
            row[i] = filteredPixel(source, x, y);
        }
    }
}

} // namespace lw::rotate
