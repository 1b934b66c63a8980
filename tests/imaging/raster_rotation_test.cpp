#include "imaging/raster_rotation.h"
#include "support/raster_builders.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

constexpr double kDegree = 0.01745329251988889;

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

} // namespace

TEST(RasterRotation, QuarterTurnOfFourByTwoRoundsUpToThreeByFive)
{
    const CRaster src = rasterFromRows(4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    const CRaster out = RotateRaster(src, 90 * kDegree, 0xFFFFFFFF, false);
    ASSERT_EQ(out.width(), 3);
    ASSERT_EQ(out.height(), 5);
    // With c = cos(−θ) ≈ 4.9·10⁻¹² the sample positions sit a hair either side of whole numbers
    // and are truncated toward zero, so values just below 0 still read column or row 0:
    // sx = j + (i − 1)c, sy = 2 − i + (j − 2)c. The last row maps to sx ≥ 4 and takes the fill.
    constexpr std::uint32_t F = 0xFFFFFFFF;
    EXPECT_EQ(topDownPixels(out), (std::vector<std::uint32_t>{5, 1, 1, //
                                                              5, 2, 2, //
                                                              F, 7, 3, //
                                                              F, 8, 4, //
                                                              F, F, F}));
}

TEST(RasterRotation, ZeroAngleCopiesAndNegativeTurnsTheOtherWay)
{
    const CRaster src = rasterFromRows(3, 2, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(topDownPixels(RotateRaster(src, 0, 0xFFFFFFFF, false)), topDownPixels(src));
    const CRaster half = RotateRaster(src, 180 * kDegree, 0xFFFFFFFF, false);
    ASSERT_EQ(half.width(), 4); // 3 + 2 × 10⁻¹¹ rounds up
    const CRaster ccw = RotateRaster(src, -90 * kDegree, 0xFFFFFFFF, false);
    ASSERT_EQ(ccw.width(), 3);
    ASSERT_EQ(ccw.height(), 4);
    // Counter-clockwise: the top-right source pixel comes to the top-left.
    EXPECT_EQ(at(ccw, 0, 0), 3u);
}

TEST(RasterRotation, SmoothedEdgesMixWithTheFillAndArePartlyTransparent)
{
    CRaster src(20, 20);
    src.FillRect(0x00000000);
    const CRaster out = RotateRaster(src, 30 * kDegree, 0xFFFFFFFF, true);
    EXPECT_EQ(out.width(), 28); // ceil(20 cos 30° + 20 sin 30°) = ceil(27.32)
    int partial = 0, opaque = 0;
    for (std::uint32_t p : out.pixels()) {
        const std::uint32_t t = p >> 24;
        if (t == 0) {
            ++opaque;
            EXPECT_EQ(p, 0u);
        } else if (t < 255) {
            ++partial;
            // Black mixed with white by the same weights as the opacity.
            EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
            EXPECT_GT(p & 0xFF, 0u);
        }
    }
    EXPECT_GT(opaque, 200);
    EXPECT_GT(partial, 40);
    // The centre is deep inside the picture.
    EXPECT_EQ(at(out, 14, 14), 0u);
    EXPECT_EQ(at(out, 0, 0), 0xFFFFFFFFu);
}

TEST(RasterRotation, SmoothedSampleWeighsTheNearestNeighbours)
{
    // Zero angle: every target pixel samples exactly on a source pixel, so only that pixel has a
    // positive weight (neighbours are at distance 1 and weigh 0).
    const CRaster src = rasterFromRows(2, 2, {0x00FF0000, 0x8000FF00, 0x000000FF, 0xFF123456});
    EXPECT_EQ(topDownPixels(RotateRaster(src, 0, 0xFFFFFFFF, true)), topDownPixels(src));
}

TEST(RasterRotation, BadInputGivesNoCrash)
{
    const CRaster src = rasterFromRows(2, 2, {1, 2, 3, 4});
    const CRaster nan = RotateRaster(src, std::nan(""), 0, true);
    EXPECT_EQ(topDownPixels(nan), topDownPixels(src));
    const CRaster empty = RotateRaster(CRaster(), 1.0, 0, true);
    EXPECT_FALSE(empty.hasBlock());
}
