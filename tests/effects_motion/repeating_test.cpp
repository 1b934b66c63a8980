// blink, popup and marquee through the host, one step after the other as a frame is shown.
#include "motion_effects_support.h"

#include "engine/effect_drawing.h"
#include "extensions/marquee/marquee_param.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using lwtest::hostWithLibrary;
using lwtest::objectContext;
using lwtest::pixelAt;

const LWXRect kCanvas{100, 100, 300, 200};
const LWXRect kHome{150, 120, 250, 165}; // 100 x 45

std::vector<int> blinkResults(int speed, int steps)
{
    std::vector<int> results;
    for (int a = 0; a < steps; ++a) {
        LWXEffectContext ctx = objectContext(kCanvas, kHome, steps, speed);
        results.push_back(hostWithLibrary("blink").prepare(129, ctx, a));
    }
    return results;
}

TEST(Blink, SpeedZeroOnADelayOf100ShowsEveryOtherStep)
{
    EXPECT_EQ(blinkResults(0, 10), (std::vector<int>{1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
}

TEST(Blink, SpeedThreeShowsEightStepsThenHides)
{
    EXPECT_EQ(blinkResults(3, 10), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 0, 0}));
}

TEST(Blink, SpeedTakesOnlyItsLowFiveBits)
{
    EXPECT_EQ(blinkResults(33, 6), (std::vector<int>{1, 1, 0, 0, 1, 1}));
}

TEST(Popup, DelayOf20EnlargesTheSecondStep)
{
    const lw::ExtensionHost& host = hostWithLibrary("popup");
    LWXEffectContext first = objectContext(kCanvas, kHome, 2);
    EXPECT_EQ(host.prepare(128, first, 0), LWX_DRAW_IN_PLACE);
    LWXEffectContext second = objectContext(kCanvas, kHome, 2);
    ASSERT_EQ(host.prepare(128, second, 1), LWX_DRAW_STRETCHED);
    EXPECT_EQ(second.current.left, kHome.left - 10);
    EXPECT_EQ(second.current.right, kHome.right + 10);
    EXPECT_EQ(second.current.top, kHome.top - 4);
    EXPECT_EQ(second.current.bottom, kHome.bottom + 4);
}

TEST(Popup, SwellsEveryThirdStepAndTheHostDrawsItLarger)
{
    const lw::ExtensionHost& host = hostWithLibrary("popup");
    std::vector<int> results;
    for (int a = 0; a < 9; ++a) {
        LWXEffectContext ctx = objectContext(kCanvas, kHome, 9);
        results.push_back(host.prepare(128, ctx, a));
    }
    EXPECT_EQ(results, (std::vector<int>{1, 3, 1, 1, 3, 1, 1, 3, 1}));

    const LWXRect canvas{0, 0, 40, 40};
    const LWXRect home{10, 10, 30, 30};
    lw::CRaster object(20, 20);
    object.FillRect(0x00FF0000u);
    lw::CRaster output(40, 40);
    output.FillRect(0x00FFFFFFu);
    ASSERT_EQ(lw::drawObjectWithEffect(host, output, canvas, object, home, 4, nullptr, {128, 0, 0}, 4, 9),
              LWX_DRAW_STRETCHED);
    EXPECT_EQ(output.GetPixel(8, 8), 0x00FF0000u) << "the enlarged object covers two more pixels per side";
    EXPECT_EQ(output.GetPixel(7, 7), 0x00FFFFFFu);
    EXPECT_EQ(output.GetPixel(31, 31), 0x00FF0000u);
    EXPECT_EQ(output.GetPixel(32, 32), 0x00FFFFFFu);
}

// A pixel that tells its own position: column in blue, row in green.
std::uint32_t positionPixel(int x, int y)
{
    return 0x00800000u | static_cast<std::uint32_t>(y) << 8 | static_cast<std::uint32_t>(x);
}

std::vector<std::uint32_t> marqueeStep(int w, int h, int param, int frameCount, int frameIndex)
{
    const lw::ExtensionHost& host = hostWithLibrary("marquee");
    const LWXRect home{150, 120, 150 + w, 120 + h};
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(w, h, positionPixel);
    LWXEffectContext ctx = objectContext(kCanvas, home, frameCount, 0, param);
    ctx.source = source.data();
    EXPECT_EQ(host.prepare(201, ctx, frameIndex), LWX_RENDER);
    EXPECT_EQ(ctx.current.left, home.left);
    EXPECT_EQ(ctx.current.right, home.right);
    lwtest::GuardedTarget target(w, h);
    ctx.target = target.pixels();
    EXPECT_EQ(host.doRender(201, ctx, frameIndex), 1);
    EXPECT_TRUE(target.guardsIntact());
    return target.image();
}

// The source column each target column shows, read from the position pixels of row `row`.
std::vector<int> sourceColumns(const std::vector<std::uint32_t>& image, int w, int h, int row)
{
    std::vector<int> columns;
    for (int x = 0; x < w; ++x)
        columns.push_back(static_cast<int>(pixelAt(image, w, h, x, row) & 0xFF));
    return columns;
}

TEST(Marquee, LeftWithFourStepsOn50ColumnsShiftsByQuarters)
{
    const int shifts[] = {0, 25, 50, 75};
    for (int a = 0; a < 4; ++a) {
        const std::vector<std::uint32_t> image = marqueeStep(50, 3, 0, 4, a);
        for (int y = 0; y < 3; ++y) {
            std::vector<int> expected;
            for (int x = 0; x < 50; ++x)
                expected.push_back((x + shifts[a]) % 50);
            EXPECT_EQ(sourceColumns(image, 50, 3, y), expected) << "step " << a << " row " << y;
            EXPECT_EQ((pixelAt(image, 50, 3, 7, y) >> 8) & 0xFF, static_cast<std::uint32_t>(y))
                << "rows stay";
        }
    }
}

TEST(Marquee, EachDirectionTruncatesItsShiftTowardZeroAndWraps)
{
    // M = 3, a = 1: sh = 66; 50 columns shift by 33, 30 rows by 19.
    const std::vector<std::uint32_t> left = marqueeStep(50, 30, 0, 3, 1);
    EXPECT_EQ(pixelAt(left, 50, 30, 0, 4), positionPixel(33, 4));
    EXPECT_EQ(pixelAt(left, 50, 30, 20, 4), positionPixel(3, 4));
    const std::vector<std::uint32_t> right = marqueeStep(50, 30, 1, 3, 1);
    EXPECT_EQ(pixelAt(right, 50, 30, 0, 4), positionPixel(17, 4));
    EXPECT_EQ(pixelAt(right, 50, 30, 40, 4), positionPixel(7, 4));
    const std::vector<std::uint32_t> top = marqueeStep(50, 30, 2, 3, 1);
    EXPECT_EQ(pixelAt(top, 50, 30, 6, 0), positionPixel(6, 19));
    EXPECT_EQ(pixelAt(top, 50, 30, 6, 15), positionPixel(6, 4));
    const std::vector<std::uint32_t> bottom = marqueeStep(50, 30, 3, 3, 1);
    EXPECT_EQ(pixelAt(bottom, 50, 30, 6, 0), positionPixel(6, 11));
    EXPECT_EQ(pixelAt(bottom, 50, 30, 6, 25), positionPixel(6, 6));
}

TEST(Marquee, UnknownDirectionsLeaveTheContentInPlace)
{
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(20, 5, positionPixel);
    for (int param : {4, 7, -1})
        EXPECT_EQ(marqueeStep(20, 5, param, 4, 3), source) << param;
}

TEST(Marquee, RenderStaysInsideItsTargetAndNeedsAStepCount)
{
    const lw::ExtensionModule& module = lwtest::libraryModule("marquee");
    const auto render = module.library.function<LWXDoRenderProc>("LWXDoRender");
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(50, 3, positionPixel);
    LWXEffectContext ctx = objectContext(kCanvas, {150, 120, 200, 123}, 4);
    ctx.source = source.data();
    ctx.current = {150, 120, 154, 122}; // 4 x 2
    lwtest::GuardedTarget small(4, 2);
    ctx.target = small.pixels();
    EXPECT_EQ(render(201, &ctx, 1), 1);
    EXPECT_TRUE(small.guardsIntact());
    EXPECT_EQ(pixelAt(small.image(), 4, 2, 0, 0), positionPixel(25, 0));

    ctx.current = ctx.home;
    ctx.frameCount = 0;
    lwtest::GuardedTarget untouched(50, 3);
    ctx.target = untouched.pixels();
    EXPECT_EQ(render(201, &ctx, 1), 0);
    EXPECT_EQ(untouched.image(), std::vector<std::uint32_t>(150, 0u));
}

TEST(MarqueeParam, DialogStartsFromTheLowTwoBitsAndStoresTheValue)
{
    EXPECT_EQ(lw::marquee::directionForDialog(0), lw::marquee::kLeft);
    EXPECT_EQ(lw::marquee::directionForDialog(5), lw::marquee::kRight);
    EXPECT_EQ(lw::marquee::directionForDialog(6), lw::marquee::kTop);
    EXPECT_EQ(lw::marquee::directionForDialog(-1), lw::marquee::kBottom);
    // What OK stores is what the renderer reads: "bottom" moves the content down.
    const std::vector<std::uint32_t> down =
        marqueeStep(4, 8, lw::marquee::encodeDirection(lw::marquee::kBottom), 2, 1);
    EXPECT_EQ(pixelAt(down, 4, 8, 1, 0), positionPixel(1, 0)) << "a full height down wraps to itself";
    const std::vector<std::uint32_t> quarter =
        marqueeStep(4, 8, lw::marquee::encodeDirection(lw::marquee::kBottom), 8, 1);
    EXPECT_EQ(pixelAt(quarter, 4, 8, 1, 2), positionPixel(1, 0)) << "row 0 moved down by 2";
}

} // namespace
