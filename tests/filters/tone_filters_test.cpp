#include "filters/tone_filters.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

TEST(BrightnessContrast, FullContrastDoublesTheDistanceFromMidGrey)
{
    const auto table = brightnessContrastTable(0, 100);
    EXPECT_EQ(table[64], 0);
    EXPECT_EQ(table[192], 255);
    EXPECT_EQ(table[100], 72); // 2 × 100 − 128
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[255], 255);
}

TEST(BrightnessContrast, NoContrastIsFlatGreyShiftedByBrightness)
{
    const auto flat = brightnessContrastTable(0, -100);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(flat[static_cast<std::size_t>(i)], 128) << i;
    const auto shifted = brightnessContrastTable(-30, -100);
    EXPECT_EQ(shifted[0], 98);
    EXPECT_EQ(shifted[255], 98);
}

TEST(BrightnessContrast, DivisionTruncatesTowardZero)
{
    // (27 − 128) × 1 / 100 = −1.01 truncates to −1 (not −2): 27 − 1 = 26.
    EXPECT_EQ(brightnessContrastTable(0, 1)[27], 26);
    EXPECT_EQ(brightnessContrastTable(300, 0)[0], 255);
}

TEST(BrightnessContrast, AppliesToColourBytesAndKeepsTransparency)
{
    CRaster r = rasterFromRows(2, 1, {0x40402080, 0x00C00040});
    applyBrightnessContrast(r, 10, 100);
    // 64 → 0 + 10, 32 → clamp(−54) = 0, 128 → 138; 192 → 266 → 255, 0 → 0, 64 → 10.
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x400A008A, 0x00FF000A}));
}

TEST(Saturation, PushesChannelsAwayFromTheirMean)
{
    CRaster r = rasterFromRows(3, 1, {0x7F643296, 0x00808080, 0x00FF0000});
    applySaturation(r, 50);
    // Mean 100: 50 → 25, 150 → 175; grey stays; red: mean 85, 255 + 85 = 340 → 255, 0 − 42.5 → 0.
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x7F6419AF, 0x00808080, 0x00FF0000}));
    CRaster grey = rasterFromRows(1, 1, {0x00C86432});
    applySaturation(grey, -100);
    // Mean 116.67 for every channel; truncated to 116.
    EXPECT_EQ(topDownPixels(grey)[0], 0x00747474u);
}

TEST(ColourInversion, FlipsColourNotTransparency)
{
    CRaster r = rasterFromRows(2, 1, {0x80123456, 0x00000000});
    invertColours(r);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x80EDCBA9, 0x00FFFFFF}));
}

TEST(Greyscale, WeightsAndTruncation)
{
    CRaster r = rasterFromRows(4, 1, {0x00FF0000, 0x0000FF00, 0x800000FF, 0x00FFFFFF});
    convertToGreyscale(r);
    // Red 0.30 × 255 = 76.5 → 76, green 150.45 → 150, blue 28.05 → 28, white stays white.
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x004C4C4C, 0x00969696, 0x801C1C1C, 0x00FFFFFF}));
}

TEST(TwoColour, WhiteTakesTheLightColourAndBlackTheDark)
{
    CRaster r = rasterFromRows(3, 1, {0x00FFFFFF, 0x40000000, 0x00646464});
    convertToTwoColour(r, 0x00C86400, 0x000000C8);
    const auto p = topDownPixels(r);
    EXPECT_EQ(p[0], 0x00C86400u);
    EXPECT_EQ(p[1], 0x400000C8u);
    // x = 100 / 255: red trunc(x × 200) = 78, green trunc(x × 100) = 39, blue trunc((1 − x) × 200) = 121.
    EXPECT_EQ(p[2], 0x004E2779u);
}

TEST(Colorize, KeepsBlackAndWhiteAndTintsMidtones)
{
    CRaster r = rasterFromRows(3, 1, {0x00000000, 0x10FFFFFF, 0x00646464});
    colorize(r, 0x00C86400);
    const auto p = topDownPixels(r);
    EXPECT_EQ(p[0], 0x00000000u);
    EXPECT_EQ(p[1], 0x10FFFFFFu);
    // m = 100 / 255 < 0.5: channel = 2m × K: red trunc(156.86) = 156, green trunc(78.43) = 78, blue 0.
    EXPECT_EQ(p[2], 0x009C4E00u);
}

TEST(Colorize, BrightHalfAndColourTransparencyMixBack)
{
    CRaster r = rasterFromRows(1, 1, {0x00C8C8C8});
    colorize(r, 0x00000064);
    // m = 200 / 255 ≥ 0.5: (m − 0.5) × 510 = 145, plus 2(1 − m) × 100 = 43.14 for blue.
    EXPECT_EQ(topDownPixels(r)[0], 0x009191BCu);

    CRaster mixed = rasterFromRows(1, 1, {0x00C8C8C8});
    colorize(mixed, 0xFF0000FF);
    // Fully transparent colour: every channel is the previous one.
    EXPECT_EQ(topDownPixels(mixed)[0], 0x00C8C8C8u);
}
