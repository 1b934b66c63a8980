#include "support/raster_builders.h"

#include <algorithm>

namespace lwtest {

lw::CRaster rasterFromRows(int width, int height, std::initializer_list<std::uint32_t> topDown)
{
    lw::CRaster raster(width, height);
    auto it = topDown.begin();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width && it != topDown.end(); ++x, ++it)
            raster.bits()[raster.indexOf(x, y)] = *it;
    return raster;
}

std::vector<std::uint32_t> topDownPixels(const lw::CRaster& raster)
{
    std::vector<std::uint32_t> out;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            out.push_back(raster.bits()[raster.indexOf(x, y)]);
    return out;
}

std::vector<std::uint8_t> packedDib(int width, int height, int bitCount, std::uint32_t compression,
                                    std::uint32_t clrUsed, const std::vector<std::uint8_t>& tableAndBits)
{
    lw::BitmapInfoHeader h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<std::uint16_t>(bitCount);
    h.biCompression = compression;
    h.biClrUsed = clrUsed;
    const auto bytes = h.toBytes();
    std::vector<std::uint8_t> block(bytes.size() + tableAndBits.size());
    std::copy(bytes.begin(), bytes.end(), block.begin());
    std::copy(tableAndBits.begin(), tableAndBits.end(), block.begin() + static_cast<long>(bytes.size()));
    return block;
}

} // namespace lwtest
