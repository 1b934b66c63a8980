#include "filters/relief_filters.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::topDownPixels;

namespace {

CRaster filled(int w, int h, std::uint32_t value)
{
    CRaster r(w, h);
    r.FillRect(value);
    return r;
}

int blueAt(const CRaster& r, int x, int y)
{
    return static_cast<int>(r.bits()[r.indexOf(x, y)] & 0xFF);
}

} // namespace

TEST(Gradients, VerticalRowsFallFromPlusToMinus)
{
    CRaster r = filled(2, 10, 0x40808080);
    applyVerticalGradient(r, 50);
    const int expected[10] = {50, 40, 30, 20, 10, 0, -10, -20, -30, -40};
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(blueAt(r, 1, y), 128 + expected[y]) << y;
        EXPECT_EQ(r.bits()[r.indexOf(0, y)] >> 24, 0x40u);
    }
}

TEST(Gradients, HorizontalTruncatesTowardZeroAndClamps)
{
    CRaster r = filled(3, 1, 0x00F00010);
    applyHorizontalGradient(r, 100);
    // d = 100, 33, −33: (3 − 4) × 100 / 3 = −33.3 → −33 (toward zero).
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x00FF6474, 0x00FF2131, 0x00CF0000}));
}

TEST(Gradients, DiagonalLineRoundAndReverse)
{
    CRaster line = filled(3, 2, 0x00808080);
    applyDiagonalGradient(line, 50, GradientShape::Line, false);
    // M = 5: l = 0 → 50; (2, 1) has l = 3 → (5 − 6) × 50 / 5 = −10.
    EXPECT_EQ(blueAt(line, 0, 0), 178);
    EXPECT_EQ(blueAt(line, 2, 1), 118);
    CRaster reversed = filled(3, 2, 0x00808080);
    applyDiagonalGradient(reversed, 50, GradientShape::Line, true);
    EXPECT_EQ(blueAt(reversed, 0, 0), 78);
    EXPECT_EQ(blueAt(reversed, 2, 1), 138);

    CRaster round = filled(4, 3, 0x00808080);
    applyDiagonalGradient(round, 60, GradientShape::Round, false);
    // M = 5; (3, 0): l = 3 → (5 − 6) × 60 / 5 = −12; (2, 2): l = trunc(2.83) = 2 → 12.
    EXPECT_EQ(blueAt(round, 3, 0), 116);
    EXPECT_EQ(blueAt(round, 2, 2), 140);
}

TEST(BevelledRectangle, BandsLitThenShadedAndMadeOpaque)
{
    CRaster r = filled(5, 4, 0x80808080);
    applyBevelledRectangle(r, 1, 100);
    const auto p = topDownPixels(r);
    EXPECT_EQ(p[0], 0x00E4E4E4u);      // top-left corner: lit band only
    EXPECT_EQ(p[1], 0x00E4E4E4u);      // top band
    EXPECT_EQ(p[4], 0x00808080u);      // top-right corner in both bands
    EXPECT_EQ(p[5 + 1], 0x80808080u);  // inner pixel untouched
    EXPECT_EQ(p[5 + 4], 0x001C1C1Cu);  // right band
    EXPECT_EQ(p[15 + 2], 0x001C1C1Cu); // bottom band
    EXPECT_EQ(p[15], 0x00808080u);     // bottom-left corner in both bands
}

TEST(BevelledShape, OpaqueRectangleChangesOnlyNearItsEdges)
{
    CRaster r = filled(8, 8, 0x00808080);
    applyBevelledShape(r, 2, 100, BevelLight::LightAndShadow, false);
    // Top-left pixel: a = 1 → hl = 2; nothing transparent within 2 down-right → b = 3, sh = 0;
    // d = 2 × 100 / 2 = 100.
    EXPECT_EQ(blueAt(r, 0, 0), 228);
    // (1, 1): a = 2 → hl = 1, d = 50. (1, 4): a = 2 as well.
    EXPECT_EQ(blueAt(r, 1, 1), 178);
    EXPECT_EQ(blueAt(r, 1, 4), 178);
    // Inner pixels: hl = sh = 0.
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            EXPECT_EQ(blueAt(r, x, y), 128) << x << "," << y;
    EXPECT_EQ(blueAt(r, 7, 7), 28);
    EXPECT_EQ(blueAt(r, 6, 3), 78);
    // Top-right corner: lit by the top edge, shaded by the right edge: 2 − 2 = 0.
    EXPECT_EQ(blueAt(r, 7, 0), 128);
}

TEST(BevelledShape, FollowsTheOutlineModesAndReverse)
{
    // A transparent pixel (T ≥ 224) in the middle of an opaque area casts light below-right of it.
    CRaster r = filled(5, 5, 0x00808080);
    r.bits()[r.indexOf(2, 2)] = 0xE0808080;
    CRaster lightOnly = r;
    applyBevelledShape(lightOnly, 1, 40, BevelLight::LightOnly, false);
    EXPECT_EQ(blueAt(lightOnly, 3, 3), 168); // (2, 2) is transparent one step up-left
    EXPECT_EQ(blueAt(lightOnly, 1, 1), 128); // no light mode shading
    EXPECT_EQ(blueAt(lightOnly, 2, 2), 208); // the transparent pixel itself: a = 0, hl = 2
    EXPECT_EQ(blueAt(lightOnly, 0, 0), 168); // outside the image counts as transparent
    CRaster shadowReversed = r;
    applyBevelledShape(shadowReversed, 1, 40, BevelLight::ShadowOnly, true);
    EXPECT_EQ(blueAt(shadowReversed, 1, 1), 168); // shade reversed to light
    EXPECT_EQ(blueAt(shadowReversed, 3, 3), 128);
    // A transparency of 223 does not count as transparent.
    CRaster almost = filled(3, 3, 0x00808080);
    almost.bits()[almost.indexOf(1, 1)] = 0xDF808080;
    applyBevelledShape(almost, 1, 40, BevelLight::LightOnly, false);
    EXPECT_EQ(blueAt(almost, 2, 2), 128);
}

TEST(BevelledShape, ZeroBorderChangesNothing)
{
    CRaster r = filled(3, 3, 0x00808080);
    applyBevelledShape(r, 0, 100, BevelLight::LightAndShadow, false);
    for (std::uint32_t p : r.pixels())
        EXPECT_EQ(p, 0x00808080u);
}
