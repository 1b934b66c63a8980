#include "filters/transparency_filters.h"

#include "filters/pixel_channels.h"

#include <algorithm>

namespace lw {

void applyColourThreshold(CRaster& raster, int threshold)
{
    for (std::uint32_t& p : raster.pixels())
        p = (p & 0x00FFFFFFu) | (threshold >= opacityOf(p) ? 0xFF000000u : 0u);
}

void invertAlpha(CRaster& raster)
{
    for (std::uint32_t& p : raster.pixels())
        p ^= 0xFF000000u;
}

void applyTransparency(CRaster& raster, int amount)
{
    for (std::uint32_t& p : raster.pixels())
        p = (p & 0x00FFFFFFu) |
            static_cast<std::uint32_t>(clampByte(static_cast<long long>(transparencyOf(p)) + amount)) << 24;
}

bool makeWhiteTransparent(CRaster& raster)
{
    bool changed = false;
    for (std::uint32_t& p : raster.pixels()) {
        if (p == 0x00FFFFFFu) {
            p = 0xFFFFFFFFu;
            changed = true;
        }
    }
    return changed;
}

CRaster alphaChannelImage(const CRaster& raster)
{
    CRaster out(raster.width(), raster.height());
    const auto source = raster.pixels();
    auto target = out.pixels();
    for (std::size_t i = 0; i < source.size(); ++i) {
        const int t = transparencyOf(source[i]);
        target[i] = makePixel(0, t, t, t);
    }
    return out;
}

namespace {

// Calls merge(layerPixel, picturePixel) for the top-left overlap of the two rasters.
template <typename Merge> void mergeOverlap(CRaster& raster, const CRaster& picture, Merge merge)
{
    const int w = std::min(raster.width(), picture.width());
    const int h = std::min(raster.height(), picture.height());
    if (!raster.hasBlock() || !picture.hasBlock())
        return;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        const std::uint32_t* source = picture.bits() + picture.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            row[x] = merge(row[x], source[x]);
    }
}

} // namespace

void insertAlphaChannel(CRaster& raster, const CRaster& picture)
{
    mergeOverlap(raster, picture, [](std::uint32_t p, std::uint32_t q) {
        const int t = (redOf(q) + greenOf(q) + blueOf(q)) / 3;
        return (p & 0x00FFFFFFu) | static_cast<std::uint32_t>(t) << 24;
    });
}

void takeColours(CRaster& raster, const CRaster& picture)
{
    mergeOverlap(raster, picture,
                 [](std::uint32_t p, std::uint32_t q) { return (p & 0xFF000000u) | (q & 0x00FFFFFFu); });
}

} // namespace lw
