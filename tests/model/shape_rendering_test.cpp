#include "model/ellipse_rendering.h"
#include "model/rect_rendering.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <limits>

using namespace lw;

namespace {

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

} // namespace

TEST(RectRendering, DefaultStyleIsTwoPixelBlackStripesOverBlueGaps)
{
    CRaster image(5, 9);
    const RectStyle style;
    renderRectangle(image, style);
    EXPECT_FALSE(rectStyleHasTransparency(style));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(at(image, x, y), y % 3 == 2 ? 0x8080FFu : 0u) << x << "," << y;
}

TEST(RectRendering, FrameBandAndVerticalStripes)
{
    CRaster image(6, 5);
    RectStyle frame{0x00112233, 0x00AABBCC, 1, 1, kRectFrame};
    renderRectangle(image, frame);
    const std::vector<std::uint32_t> expected = {
        0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, //
        0xAABBCC, 0x112233, 0x112233, 0x112233, 0x112233, 0xAABBCC, //
        0xAABBCC, 0x112233, 0x112233, 0x112233, 0x112233, 0xAABBCC, //
        0xAABBCC, 0x112233, 0x112233, 0x112233, 0x112233, 0xAABBCC, //
        0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC};
    EXPECT_EQ(lwtest::topDownPixels(image), expected);

    RectStyle vertical{1, 2, 1, 2, kRectVertical};
    renderRectangle(image, vertical);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(at(image, x, 3), x % 3 == 0 ? 2u : 1u);

    RectStyle solid{1, 0x80000009, 1, 1, kRectSolid};
    renderRectangle(image, solid);
    EXPECT_TRUE(rectStyleHasTransparency(solid));
    EXPECT_EQ(at(image, 3, 3), 0x80000009u);
}

TEST(RectRendering, ZeroStripePeriodShowsOnlyTheFill)
{
    CRaster image(3, 3);
    renderRectangle(image, RectStyle{7, 9, 0, 0, kRectHorizontal});
    for (std::uint32_t p : image.pixels())
        EXPECT_EQ(p, 7u);
}

TEST(RectRendering, FrameBandOfAnyWidthFollowsTheExactRule)
{
    // Widths at the ends of the 32-bit range: no band at all, or nothing but band.
    struct Case {
        std::int32_t lineWidth;
        int linePixels; // of a 4 x 3 rectangle
    };
    for (const Case c : {Case{std::numeric_limits<std::int32_t>::min(), 0}, Case{-1, 0}, Case{0, 0},
                         Case{1, 10}, Case{2, 12}, Case{std::numeric_limits<std::int32_t>::max(), 12}}) {
        SCOPED_TRACE(c.lineWidth);
        CRaster image(4, 3);
        renderRectangle(image, RectStyle{7, 9, c.lineWidth, 1, kRectFrame});
        int line = 0;
        for (std::uint32_t p : image.pixels())
            line += p == 9u;
        EXPECT_EQ(line, c.linePixels);
    }
}

TEST(RectRendering, BucketRecoloursThePartUnderThePoint)
{
    RectStyle s; // horizontal stripes of 2 with gaps of 1
    recolourRectPart(s, 10, 10, 4, 2, 0x123456);
    EXPECT_EQ(s.fillColour, 0x123456u);
    recolourRectPart(s, 10, 10, 4, 4, 0x654321);
    EXPECT_EQ(s.lineColour, 0x654321u);

    RectStyle frame{1, 2, 3, 1, kRectFrame};
    recolourRectPart(frame, 10, 10, 3, 6, 5);
    EXPECT_EQ(frame.fillColour, 5u);
    recolourRectPart(frame, 10, 10, 7, 6, 6);
    EXPECT_EQ(frame.lineColour, 6u);

    RectStyle solid{1, 2, 3, 1, kRectSolid};
    recolourRectPart(solid, 10, 10, 5, 5, 8);
    EXPECT_EQ(solid.lineColour, 8u);
    EXPECT_EQ(solid.fillColour, 1u);
}

TEST(EllipseRendering, ZeroSizeRendersNothing)
{
    CRaster empty(0, 7);
    renderEllipse(empty, 0x00FF0000, kEllipseAntialiased);
    EXPECT_FALSE(empty.hasBlock());
    CRaster one(1, 1); // width 1: semi-axis 0.5, a real (tiny) ellipse
    renderEllipse(one, 0x00FF0000, kEllipseAliased);
    EXPECT_EQ(at(one, 0, 0), 0x00FF0000u);
}

TEST(EllipseRendering, AliasedFillIsSymmetricWithTransparentCorners)
{
    CRaster image(20, 12);
    renderEllipse(image, 0x00123456, kEllipseAliased);
    EXPECT_EQ(at(image, 10, 6), 0x00123456u);
    EXPECT_EQ(at(image, 0, 0), 0xFF123456u);
    EXPECT_EQ(at(image, 19, 11), 0xFF123456u);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(at(image, x, y), at(image, 19 - x, y));
            EXPECT_EQ(at(image, x, y), at(image, x, 11 - y));
        }
}

TEST(EllipseRendering, AntialiasedEdgesArePartlyTransparentAndColourScalesCoverage)
{
    CRaster image(30, 30);
    renderEllipse(image, 0x00FF0000, kEllipseAntialiased);
    EXPECT_EQ(at(image, 15, 15), 0x00FF0000u);
    EXPECT_EQ(at(image, 0, 0), 0xFFFF0000u);
    int partial = 0;
    for (std::uint32_t p : image.pixels())
        partial += (p >> 24) != 0 && (p >> 24) != 255;
    EXPECT_GT(partial, 20);

    // Half transparent colour: the centre keeps the colour's transparency, edges fade from there.
    renderEllipse(image, 0x80FF0000, kEllipseAntialiased);
    EXPECT_EQ(at(image, 15, 15) >> 24, 0x80u);
    for (std::uint32_t p : image.pixels())
        EXPECT_GE(p >> 24, 0x80u);
}

TEST(EllipseRendering, RadialFillFadesFromTheCentre)
{
    CRaster image(41, 41);
    renderEllipse(image, 0x0000FF00, kEllipseRadial);
    const std::uint32_t centre = at(image, 20, 20) >> 24;
    const std::uint32_t middle = at(image, 30, 20) >> 24;
    const std::uint32_t edge = at(image, 39, 20) >> 24;
    EXPECT_LT(centre, 5u);
    EXPECT_LT(centre, middle);
    EXPECT_LT(middle, edge);
    EXPECT_EQ(at(image, 0, 0), 0xFF00FF00u);
}

TEST(EllipseRendering, OutlinesAreHollowAndGrowWithThePen)
{
    auto drawn = [](int style) {
        CRaster image(40, 30);
        renderEllipse(image, 0x00204080, style);
        int n = 0;
        for (std::uint32_t p : image.pixels()) {
            if (p >> 24 == 0) {
                EXPECT_EQ(p, 0x00204080u) << "outline pixels carry the colour";
                ++n;
            } else {
                EXPECT_EQ(p >> 24, 0xFFu);
            }
        }
        EXPECT_EQ(at(image, 20, 15) >> 24, 0xFFu) << "the inside stays empty";
        EXPECT_EQ(at(image, 20, 0), 0x00204080u) << "the pen stays inside the box";
        return n;
    };
    const int thin = drawn(kEllipseThinOutline);
    const int medium = drawn(kEllipseMediumOutline);
    const int thick = drawn(kEllipseThickOutline);
    EXPECT_GT(thin, 0);
    EXPECT_LT(thin, medium);
    EXPECT_LT(medium, thick);
}

TEST(EllipseRendering, AntialiasedCoverageMatchesSixteenDirectSamples)
{
    // The straightforward form of the rule, sample by sample.
    auto expected = [](int w, int h, std::uint32_t colour, int x, int y) {
        const double a = w / 2.0, b = h / 2.0;
        std::uint32_t n = 0;
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) {
                const double sx = x + 0.125 + 0.25 * i, sy = y + 0.125 + 0.25 * j;
                n += (sx - a) * (sx - a) / (a * a) + (b - sy) * (b - sy) / (b * b) < 1;
            }
        const std::uint32_t sum = (255 - (colour >> 24)) * n;
        return (colour & 0xFFFFFF) | ((~(sum / 16)) & 0xFFu) << 24;
    };
    for (auto [w, h] : {std::pair{1, 1}, {2, 7}, {13, 5}, {40, 40}, {37, 91}, {128, 3}}) {
        for (std::uint32_t colour : {0x00102030u, 0x7F405060u}) {
            CRaster image(w, h);
            renderEllipse(image, colour, kEllipseAntialiased);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(at(image, x, y), expected(w, h, colour, x, y))
                        << w << "x" << h << " at " << x << "," << y;
        }
    }
}
