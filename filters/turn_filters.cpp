#include "filters/turn_filters.h"

namespace lw {

bool isTurnCode(int code)
{
    return code == 90 || code == 180 || code == 270 || code == 1000 || code == 1001;
}

std::optional<CRaster> turnRaster(const CRaster& raster, int code)
{
    if (!isTurnCode(code))
        return std::nullopt;
    const int w = raster.width(), h = raster.height();
    const bool across = code == 90 || code == 270;
    CRaster out(across ? h : w, across ? w : h);
    if (!raster.hasBlock())
        return out;
    for (int y = 0; y < out.height(); ++y) {
        std::uint32_t* row = out.bits() + out.indexOf(0, y);
        for (int x = 0; x < out.width(); ++x) {
            int sx = x, sy = y;
            switch (code) {
            case 90:
                sx = y, sy = h - 1 - x;
                break;
            case 180:
                sx = w - 1 - x, sy = h - 1 - y;
                break;
            case 270:
                sx = w - 1 - y, sy = x;
                break;
            case 1000:
                sx = w - 1 - x;
                break;
            default:
                sy = h - 1 - y;
                break;
            }
            row[x] = raster.bits()[raster.indexOf(sx, sy)];
        }
    }
    return out;
}

} // namespace lw
