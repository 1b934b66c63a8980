#include "filters/blur_filters.h"
#include "filters/shadow_filters.h"
#include "support/raster_builders.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

CRaster randomRaster(int w, int h, unsigned seed)
{
    std::mt19937 rng(seed);
    CRaster r(w, h);
    for (std::uint32_t& p : r.pixels()) {
        p = rng();
        // Plenty of fully opaque and fully transparent pixels, as in real layers.
        if ((p & 3) == 0)
            p &= 0x00FFFFFF;
        else if ((p & 3) == 1)
            p |= 0xFF000000;
    }
    return r;
}

// The shadow pixel straight from the definition, one offset at a time.
std::uint32_t referenceShadowPixel(const CRaster& src, int i, int j, const ShadowSettings& s)
{
    const int r = s.radius;
    double total = 0, a = 0;
    for (int k = -r; k <= r; ++k)
        for (int l = -r; l <= r; ++l) {
            const double u = std::max(0.0, r - std::sqrt(double(k * k + l * l))) / r;
            total += u;
            const int x = i + k - r, y = j + l - r;
            if (src.contains(x, y))
                a += u * (255 - (at(src, x, y) >> 24));
        }
    const double m = std::clamp(a / total, 0.0, 255.0);
    return (s.colour & 0xFFFFFF) | std::uint32_t(int(255 - m * s.intensity * 0.01)) << 24;
}

// The blurred pixel straight from the definition.
std::uint32_t referenceBlurPixel(const CRaster& src, int i, int j, int r)
{
    long long sw = 0, sb = 0, sg = 0, sr = 0, so = 0;
    for (int k = -r; k <= r; ++k)
        for (int l = -r; l <= r; ++l) {
            const int x = i + k - r, y = j + l - r;
            if (!src.contains(x, y))
                continue;
            const long long w = (long long)(std::max(0.0, r - std::sqrt(double(k * k + l * l))) * 255 / r);
            const std::uint32_t p = at(src, x, y);
            sw += w, sb += w * (p & 0xFF), sg += w * ((p >> 8) & 0xFF), sr += w * ((p >> 16) & 0xFF);
            so += w * (255 - (p >> 24));
        }
    if (sw == 0)
        return 0xFF000000u;
    return std::uint32_t(255 - so / sw) << 24 | std::uint32_t(sr / sw) << 16 | std::uint32_t(sg / sw) << 8 |
           std::uint32_t(sb / sw);
}

} // namespace

TEST(DropShadow, GlowOfASquareCentresItInALargerLayer)
{
    CRaster square(10, 10);
    square.FillRect(0x00336699);
    const CRaster glow = makeDropShadow(square, glowDefaults());
    ASSERT_EQ(glow.width(), 21);
    ASSERT_EQ(glow.height(), 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
            if (inside)
                EXPECT_EQ(at(glow, x, y), 0x00336699u) << x << "," << y;
            else
                EXPECT_EQ(at(glow, x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
        }
    // The far corner sees the square only at distance √50 > 5: fully transparent.
    EXPECT_EQ(at(glow, 0, 0), 0xFFFFFFFFu);
    // Next to an edge the glow is partly opaque and fades outward.
    const int near = 255 - int(at(glow, 4, 10) >> 24), far = 255 - int(at(glow, 1, 10) >> 24);
    EXPECT_GT(near, far);
    EXPECT_GT(far, 0);
}

TEST(DropShadow, MatchesTheDefinitionOnARandomLayer)
{
    const CRaster src = randomRaster(9, 7, 7);
    ShadowSettings s{2, 80, 3, 0x00102030};
    const CRaster out = makeDropShadow(src, s);
    ASSERT_EQ(out.width(), 9 + 6 + 2 + 1);
    ASSERT_EQ(out.height(), 7 + 6 + 2 + 1);
    CRaster expected(out.width(), out.height());
    expected.FillRect(0xFF102030);
    for (int j = 0; j + s.distance < out.height(); ++j)
        for (int i = 0; i + s.distance < out.width(); ++i)
            expected.bits()[expected.indexOf(i + 2, j + 2)] = referenceShadowPixel(src, i, j, s);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            std::uint32_t& d = expected.bits()[expected.indexOf(x + 3, y + 3)];
            d = composeOver(at(src, x, y), d);
        }
    EXPECT_EQ(topDownPixels(out), topDownPixels(expected));
}

TEST(DropShadow, RadiusZeroIsAnUnblurredOffsetCopy)
{
    const CRaster src = rasterFromRows(2, 1, {0x00FF0000, 0xFF00FF00});
    const CRaster out = makeDropShadow(src, ShadowSettings{1, 100, 0, 0x00000000});
    ASSERT_EQ(out.width(), 4);
    ASSERT_EQ(out.height(), 3);
    EXPECT_EQ(topDownPixels(out),
              (std::vector<std::uint32_t>{0x00FF0000, 0xFF000000, 0xFF000000, 0xFF000000, //
                                          0xFF000000, 0x00000000, 0xFF000000, 0xFF000000, //
                                          0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}));
}

TEST(DropShadow, IntensityOutsideItsRangeStaysInTheByte)
{
    CRaster src(3, 3);
    src.FillRect(0x00000000);
    const CRaster strong = makeDropShadow(src, ShadowSettings{5, 300, 1, 0x00000000});
    EXPECT_EQ(at(strong, 7, 7) >> 24, 0u); // 255 − 765 would wrap without clamping
    const CRaster negative = makeDropShadow(src, ShadowSettings{5, -50, 1, 0x00000000});
    EXPECT_EQ(at(negative, 7, 7) >> 24, 255u);
}

TEST(GaussianBlur, GrowsByTwiceTheRadiusPlusOne)
{
    const CRaster src = randomRaster(30, 4, 3);
    const CRaster out = makeGaussianBlur(src, 5);
    EXPECT_EQ(out.width(), 41);
    EXPECT_EQ(out.height(), 15);
}

TEST(GaussianBlur, MatchesTheDefinitionOnARandomLayer)
{
    const CRaster src = randomRaster(8, 6, 11);
    const CRaster out = makeGaussianBlur(src, 3);
    ASSERT_EQ(out.width(), 15);
    for (int j = 0; j < out.height(); ++j)
        for (int i = 0; i < out.width(); ++i)
            ASSERT_EQ(at(out, i, j), referenceBlurPixel(src, i, j, 3)) << i << "," << j;
}

TEST(GaussianBlur, EvenAreaKeepsItsColourAndOutsideIsTransparent)
{
    CRaster src(12, 12);
    src.FillRect(0x00C86432);
    const CRaster out = makeGaussianBlur(src, 2);
    EXPECT_EQ(at(out, 8, 8), 0x00C86432u);
    // The outermost corner has no inside source position with a positive weight.
    EXPECT_EQ(at(out, 0, 0), 0xFF000000u);
}

TEST(GaussianBlur, RadiusZeroCopiesIntoALargerLayer)
{
    const CRaster src = rasterFromRows(2, 1, {0x40123456, 0x00ABCDEF});
    const CRaster out = makeGaussianBlur(src, 0);
    EXPECT_EQ(topDownPixels(out), (std::vector<std::uint32_t>{0x40123456, 0x00ABCDEF, 0xFF000000, 0xFF000000,
                                                              0xFF000000, 0xFF000000}));
}

TEST(EdgeBlur, AveragesColumnsToTheLeftAndFadesIn)
{
    const CRaster src = rasterFromRows(2, 1, {0x00FF0000, 0x800000FF});
    const CRaster out = makeEdgeBlur(src, 2);
    ASSERT_EQ(out.width(), 4);
    // Column 0: only itself inside, T = (0 + 255 × 2) / 3 = 170. Column 1: both inside,
    // colours halved, T = (0 + 128 + 255) / 3 = 127. Column 2: both, T = 127. Column 3: only
    // the second pixel, T = (128 + 510) / 3 = 212.
    EXPECT_EQ(topDownPixels(out),
              (std::vector<std::uint32_t>{0xAAFF0000, 0x7F7F007F, 0x7F7F007F, 0xD40000FF}));
    const CRaster same = makeEdgeBlur(src, 0);
    EXPECT_EQ(topDownPixels(same), topDownPixels(src));
}
