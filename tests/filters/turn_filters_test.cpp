#include "filters/turn_filters.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

// 3 × 2:  1 2 3
//         4 5 6
CRaster sample()
{
    return rasterFromRows(3, 2, {1, 2, 3, 4, 5, 6});
}

} // namespace

TEST(Turn, EachCodeMovesPixelsTheRightWay)
{
    const CRaster src = sample();
    const CRaster cw = *turnRaster(src, 90);
    EXPECT_EQ(cw.width(), 2);
    EXPECT_EQ(cw.height(), 3);
    EXPECT_EQ(topDownPixels(cw), (std::vector<std::uint32_t>{4, 1, 5, 2, 6, 3}));
    const CRaster ccw = *turnRaster(src, 270);
    EXPECT_EQ(topDownPixels(ccw), (std::vector<std::uint32_t>{3, 6, 2, 5, 1, 4}));
    EXPECT_EQ(topDownPixels(*turnRaster(src, 180)), (std::vector<std::uint32_t>{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(topDownPixels(*turnRaster(src, 1000)), (std::vector<std::uint32_t>{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(topDownPixels(*turnRaster(src, 1001)), (std::vector<std::uint32_t>{4, 5, 6, 1, 2, 3}));
}

TEST(Turn, NinetyThenTwoSeventyIsIdentity)
{
    CRaster src(7, 4);
    std::uint32_t v = 0x12345678;
    for (std::uint32_t& p : src.pixels())
        p = v = v * 1664525u + 1013904223u;
    const CRaster back = *turnRaster(*turnRaster(src, 90), 270);
    EXPECT_EQ(back.width(), 7);
    EXPECT_EQ(topDownPixels(back), topDownPixels(src));
    const CRaster twice = *turnRaster(*turnRaster(src, 1000), 1000);
    EXPECT_EQ(topDownPixels(twice), topDownPixels(src));
}

TEST(Turn, UnknownCodeDoesNothing)
{
    EXPECT_FALSE(turnRaster(sample(), 45).has_value());
    EXPECT_FALSE(isTurnCode(0));
    EXPECT_TRUE(isTurnCode(1001));
}
