#include "model/bitmap_painting.h"
#include "model/flood_fill.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

int countColour(const CRaster& r, std::uint32_t c)
{
    int n = 0;
    for (std::uint32_t p : r.pixels())
        n += p == c;
    return n;
}

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

} // namespace

TEST(FloodFill, ReplacesTheFourConnectedRegionOnly)
{
    // 0 = region, 1 = walls; the bottom-right zero touches the region only diagonally.
    CRaster image = lwtest::rasterFromRows(4, 4,
                                           {0, 0, 1, 0, //
                                            1, 0, 1, 0, //
                                            0, 0, 1, 1, //
                                            0, 1, 1, 0});
    EXPECT_TRUE(floodFill(image, 1, 1, 5));
    const std::vector<std::uint32_t> expected = {5, 5, 1, 0, //
                                                 1, 5, 1, 0, //
                                                 5, 5, 1, 1, //
                                                 5, 1, 1, 0};
    EXPECT_EQ(lwtest::topDownPixels(image), expected);
}

TEST(FloodFill, SameColourOrOutsideChangesNothing)
{
    CRaster image = lwtest::rasterFromRows(2, 2, {3, 3, 4, 3});
    const auto before = lwtest::topDownPixels(image);
    EXPECT_FALSE(floodFill(image, 0, 0, 3));
    EXPECT_FALSE(floodFill(image, 2, 0, 9));
    EXPECT_FALSE(floodFill(image, 0, -1, 9));
    EXPECT_EQ(lwtest::topDownPixels(image), before);
}

TEST(FloodFill, LargeWindingRegionDoesNotRecurse)
{
    // A 1200 × 1200 serpentine: one-pixel corridors between walls, a region millions of steps
    // deep for a recursive fill.
    CRaster image(1200, 1200);
    for (int y = 1; y < 1200; y += 2) {
        for (int x = 0; x < 1200; ++x)
            image.bits()[image.indexOf(x, y)] = 1;
        image.bits()[image.indexOf((y / 2) % 2 ? 0 : 1199, y)] = 0;
    }
    EXPECT_TRUE(floodFill(image, 0, 0, 7));
    EXPECT_EQ(countColour(image, 7), 600 * 1200 + 600); // every corridor and every gap
    EXPECT_EQ(at(image, 1199, 1198), 7u);
}

TEST(Brush, StampSizesCoverTheirPixelCounts)
{
    const int expected[] = {1, 9, 21, 25, 37, 49};
    for (int size = 0; size <= 5; ++size) {
        CRaster image(11, 11);
        stampBrush(image, 5, 5, 9, size);
        EXPECT_EQ(countColour(image, 9), expected[size]) << size;
    }
    CRaster image(11, 11);
    stampBrush(image, 5, 5, 9, 4);
    EXPECT_EQ(at(image, 8, 6), 9u);
    EXPECT_EQ(at(image, 8, 7), 0u);
    EXPECT_EQ(at(image, 7, 7), 9u);
}

TEST(Brush, StampsAreClippedToTheImage)
{
    CRaster image(3, 3);
    stampBrush(image, 0, 0, 9, 5);
    EXPECT_EQ(countColour(image, 9), 9);
    stampBrush(image, -10, -10, 4, 5);
    EXPECT_EQ(countColour(image, 4), 0);
}

TEST(Brush, LineStampsEveryStepOfTheLongerAxis)
{
    CRaster image(10, 5);
    brushLine(image, 0, 0, 9, 3, 9, 0);
    EXPECT_EQ(countColour(image, 9), 10);
    EXPECT_EQ(at(image, 0, 0), 9u);
    EXPECT_EQ(at(image, 9, 3), 9u);
    EXPECT_EQ(at(image, 3, 1), 9u); // 3 × 3 / 9 = 1
    CRaster dot(3, 3);
    brushLine(dot, 1, 1, 1, 1, 9, 0);
    EXPECT_EQ(countColour(dot, 9), 1);
}

TEST(BitmapPixels, MakeColourTransparentKeepsTheColour)
{
    CRaster image = lwtest::rasterFromRows(3, 1, {0x00FF0000, 0x01FF0000, 0x0000FF00});
    makeColourTransparent(image, 0x00FF0000);
    EXPECT_EQ(lwtest::topDownPixels(image), (std::vector<std::uint32_t>{0xFFFF0000, 0x01FF0000, 0x0000FF00}));
}

TEST(BitmapPixels, StencilMapsDarknessToOpacity)
{
    CRaster image = lwtest::rasterFromRows(3, 1, {0x00000000, 0x00808080, 0x00FFFFFF});
    applyStencil(image, 0x00112233);
    // S = 0, 384, 765: v = 255, (381 × 255 / 765) = 127, 0.
    EXPECT_EQ(lwtest::topDownPixels(image), (std::vector<std::uint32_t>{0x00112233, 0x80112233, 0xFF112233}));

    CRaster half = lwtest::rasterFromRows(2, 1, {0x00000000, 0x00FFFFFF});
    applyStencil(half, 0x80112233);
    EXPECT_EQ(at(half, 0, 0), (255u - 255u * 127u / 255u) << 24 | 0x112233u);

    CRaster flat = lwtest::rasterFromRows(2, 1, {0x00404040, 0x00404040});
    applyStencil(flat, 0x00112233);
    EXPECT_EQ(lwtest::topDownPixels(flat), (std::vector<std::uint32_t>{0xFF112233, 0xFF112233}));
}
