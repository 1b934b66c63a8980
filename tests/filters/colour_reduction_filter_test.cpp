#include "filters/colour_reduction_filter.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <set>

using namespace lw;
using lwtest::topDownPixels;

TEST(ColourReductionFilter, AtMostNColoursAllOpaque)
{
    CRaster r(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            r.bits()[r.indexOf(x, y)] =
                static_cast<std::uint32_t>((x * 16) << 16 | (y * 16) << 8 | ((x + y) * 8)) |
                (x < 4 ? 0x80000000u : 0u);
    ASSERT_TRUE(reduceLayerColours(r, 4));
    EXPECT_EQ(r.width(), 16);
    EXPECT_EQ(r.height(), 16);
    std::set<std::uint32_t> colours;
    for (std::uint32_t p : r.pixels()) {
        EXPECT_EQ(p >> 24, 0u);
        colours.insert(p);
    }
    EXPECT_LE(colours.size(), 4u);
    EXPECT_GE(colours.size(), 2u);
}

TEST(ColourReductionFilter, FewColoursSurviveExactly)
{
    CRaster r(4, 2);
    const std::uint32_t a = 0x00FF0000, b = 0x000000FF;
    for (int x = 0; x < 4; ++x) {
        r.bits()[r.indexOf(x, 0)] = a;
        r.bits()[r.indexOf(x, 1)] = b;
    }
    ASSERT_TRUE(reduceLayerColours(r, 256));
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{a, a, a, a, b, b, b, b}));
}

TEST(ColourReductionFilter, EmptyLayerIsLeftAlone)
{
    CRaster r;
    EXPECT_FALSE(reduceLayerColours(r, 16));
}
