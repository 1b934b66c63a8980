#include "filters/tone_filters.h"

#include "filters/pixel_channels.h"

#include <cmath>

namespace lw {

std::array<std::uint8_t, 256> brightnessContrastTable(int brightness, int contrast)
{
    std::array<std::uint8_t, 256> table{};
    for (long long i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(clampByte(i + ((i - 128) * contrast) / 100 + brightness));
    return table;
}

void applyBrightnessContrast(CRaster& raster, int brightness, int contrast)
{
    const auto table = brightnessContrastTable(brightness, contrast);
    for (std::uint32_t& p : raster.pixels())
        p = makePixel(transparencyOf(p), table[static_cast<std::size_t>(redOf(p))],
                      table[static_cast<std::size_t>(greenOf(p))],
                      table[static_cast<std::size_t>(blueOf(p))]);
}

void applySaturation(CRaster& raster, int saturation)
{
    const double f = saturation * 0.01;
    for (std::uint32_t& p : raster.pixels()) {
        const int b = blueOf(p), g = greenOf(p), r = redOf(p);
        const double a = (b + g + r) / 3.0;
        const auto channel = [&](int c) { return static_cast<int>(clampByte(c + f * (c - a))); };
        p = makePixel(transparencyOf(p), channel(r), channel(g), channel(b));
    }
}

void invertColours(CRaster& raster)
{
    for (std::uint32_t& p : raster.pixels())
        p ^= 0x00FFFFFFu;
}

void convertToGreyscale(CRaster& raster)
{
    for (std::uint32_t& p : raster.pixels()) {
        const int y = static_cast<int>(clampByte(0.11 * blueOf(p) + 0.59 * greenOf(p) + 0.30 * redOf(p)));
        p = makePixel(transparencyOf(p), y, y, y);
    }
}

namespace {

double weightedSum(std::uint32_t p)
{
    return 0.59 * greenOf(p) + 0.30 * redOf(p) + 0.11 * blueOf(p);
}

} // namespace

void convertToTwoColour(CRaster& raster, std::uint32_t light, std::uint32_t dark)
{
    for (std::uint32_t& p : raster.pixels()) {
        const double x = clampUnit(weightedSum(p) * (1.0 / 255));
        const auto channel = [&](int l, int d) { return static_cast<int>(x * l + (1 - x) * d); };
        p = makePixel(transparencyOf(p), channel(redOf(light), redOf(dark)),
                      channel(greenOf(light), greenOf(dark)), channel(blueOf(light), blueOf(dark)));
    }
}

void colorize(CRaster& raster, std::uint32_t colour)
{
    const double t = transparencyOf(colour) / 255.0;
    for (std::uint32_t& p : raster.pixels()) {
        const double m = clampUnit(weightedSum(p) / 255);
        const auto channel = [&](int k, int before) {
            double ch = m < 0.5 ? 2 * m * k : (m - 0.5) * 510 + 2 * (1 - m) * k;
            if (t > 0)
                ch = (1 - t) * ch + t * before;
            return static_cast<int>(ch);
        };
        p = makePixel(transparencyOf(p), channel(redOf(colour), redOf(p)),
                      channel(greenOf(colour), greenOf(p)), channel(blueOf(colour), blueOf(p)));
    }
}

} // namespace lw
