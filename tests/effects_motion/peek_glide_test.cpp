// peek and glide through the host: the moved rectangle, peek's hidden band, glide's distances.
#include "motion_effects_support.h"

#include "engine/effect_drawing.h"
#include "extensions/glide/glide_param.h"
#include "support/raster_builders.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

using lwtest::hostWithLibrary;
using lwtest::objectContext;
using lwtest::pixelAt;

const LWXRect kCanvas{100, 100, 300, 200};

// A pixel that tells its own position: column in blue, row in green, some red and transparency.
std::uint32_t positionPixel(int x, int y)
{
    return 0x20400000u | static_cast<std::uint32_t>(y) << 8 | static_cast<std::uint32_t>(x);
}

struct PeekStep {
    LWXRect current;
    std::vector<std::uint32_t> target;
    int result;
};

PeekStep peekStep(int id, const LWXRect& home, int frameCount, int frameIndex)
{
    const lw::ExtensionHost& host = hostWithLibrary("peek");
    const int w = lwtest::widthOf(home), h = lwtest::heightOf(home);
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(w, h, positionPixel);
    LWXEffectContext ctx = objectContext(kCanvas, home, frameCount);
    ctx.source = source.data();
    PeekStep step{};
    step.result = host.prepare(id, ctx, frameIndex);
    step.current = ctx.current;
    if (step.result == LWX_RENDER) {
        lwtest::GuardedTarget target(lwtest::widthOf(ctx.current), lwtest::heightOf(ctx.current));
        ctx.target = target.pixels();
        EXPECT_EQ(host.doRender(id, ctx, frameIndex), 1);
        EXPECT_TRUE(target.guardsIntact());
        step.target = target.image();
    }
    return step;
}

TEST(Peek, FromBottomAtOneStepShiftsDownByHalfAndHidesTheLowerHalf)
{
    const LWXRect home{150, 120, 156, 130}; // 6 x 10
    const PeekStep step = peekStep(42, home, -1, -1);
    ASSERT_EQ(step.result, LWX_RENDER);
    EXPECT_EQ(step.current.left, home.left);
    EXPECT_EQ(step.current.right, home.right);
    EXPECT_EQ(step.current.top, home.top + 5);
    EXPECT_EQ(step.current.bottom, home.bottom + 5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x) {
            const std::uint32_t want = y < 5 ? positionPixel(x, y) : positionPixel(x, y) | 0xFF000000u;
            EXPECT_EQ(pixelAt(step.target, 6, 10, x, y), want) << x << "," << y;
        }
}

TEST(Peek, EachSideHidesTheBandItMovesBy)
{
    // 7 x 9 object; intro n = -3, a = -2: f = 0.5, trunc(3.5) = 3 columns stay, 4 hidden;
    // trunc(4.5) = 4 rows stay, 5 hidden. Outro n = 3, a = 3: f = 0.25, 1 column and 2 rows stay.
    const LWXRect home{150, 120, 157, 129};
    struct Case {
        int id, frameCount, frameIndex, dx, dy;
        bool (*hidden)(int x, int y);
    };
    const Case cases[] = {
        {41, -3, -2, -4, 0, [](int x, int) { return x < 4; }},
        {42, -3, -2, 0, 5, [](int, int y) { return y >= 4; }},
        {43, -3, -2, 4, 0, [](int x, int) { return x >= 3; }},
        {44, -3, -2, 0, -5, [](int, int y) { return y < 5; }},
        {45, 3, 3, -6, 0, [](int x, int) { return x < 6; }},
        {46, 3, 3, 0, 7, [](int, int y) { return y >= 2; }},
        {47, 3, 3, 6, 0, [](int x, int) { return x >= 1; }},
        {48, 3, 3, 0, -7, [](int, int y) { return y < 7; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const PeekStep step = peekStep(c.id, home, c.frameCount, c.frameIndex);
        ASSERT_EQ(step.result, LWX_RENDER);
        EXPECT_EQ(step.current.left, home.left + c.dx);
        EXPECT_EQ(step.current.right, home.right + c.dx);
        EXPECT_EQ(step.current.top, home.top + c.dy);
        EXPECT_EQ(step.current.bottom, home.bottom + c.dy);
        int wrong = 0;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 7; ++x) {
                const std::uint32_t want =
                    c.hidden(x, y) ? positionPixel(x, y) | 0xFF000000u : positionPixel(x, y);
                wrong += pixelAt(step.target, 7, 9, x, y) != want;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(Peek, DrawnByTheHostTheVisiblePartStaysInsideHome)
{
    // Through the host's drawing: "Peek From Bottom" at N = 1 on a white canvas.
    const lw::ExtensionHost& host = hostWithLibrary("peek");
    const LWXRect canvas{0, 0, 8, 12};
    const LWXRect home{1, 1, 7, 11}; // 6 x 10
    lw::CRaster object(6, 10);
    object.FillRect(0x000000FFu); // opaque blue
    lw::CRaster output(8, 12);
    output.FillRect(0x00FFFFFFu);
    EXPECT_EQ(lw::drawObjectWithEffect(host, output, canvas, object, home, 2, nullptr, {42, 0, 0}, -1, -1),
              LWX_RENDER);
    const std::vector<std::uint32_t> pixels = lwtest::topDownPixels(output);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool blue = x >= 1 && x < 7 && y >= 6 && y < 11; // the upper half, 5 rows down
            EXPECT_EQ(pixels[static_cast<std::size_t>(x + y * 8)], blue ? 0x000000FFu : 0x00FFFFFFu)
                << x << "," << y;
        }
}

TEST(Peek, OutOfRangeStepsHideAndUnknownIdsRenderNothing)
{
    const LWXRect home{150, 120, 156, 130};
    EXPECT_EQ(peekStep(41, home, -3, -4).result, LWX_HIDE);
    EXPECT_EQ(peekStep(45, home, 3, 4).result, LWX_HIDE);
    EXPECT_EQ(peekStep(41, home, 1, 1).result, LWX_HIDE) << "no fraction for a count of 1 on an intro";

    const lw::ExtensionModule& module = lwtest::libraryModule("peek");
    const auto prepare = module.library.function<LWXPrepareProc>("LWXPrepare");
    const auto render = module.library.function<LWXDoRenderProc>("LWXDoRender");
    const std::vector<std::uint32_t> source(60, 0x00123456u);
    LWXEffectContext ctx = objectContext(kCanvas, home, -2);
    ctx.source = source.data();
    EXPECT_EQ(prepare(49, &ctx, -1), LWX_RENDER);
    lwtest::GuardedTarget target(6, 10);
    ctx.target = target.pixels();
    render(49, &ctx, -1);
    EXPECT_EQ(target.image(), std::vector<std::uint32_t>(60, 0u));
}

TEST(Peek, RenderNeverWritesPastATargetSmallerThanTheSource)
{
    const lw::ExtensionModule& module = lwtest::libraryModule("peek");
    const auto render = module.library.function<LWXDoRenderProc>("LWXDoRender");
    const LWXRect home{150, 120, 160, 130}; // 10 x 10 source
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(10, 10, positionPixel);
    LWXEffectContext ctx = objectContext(kCanvas, home, -2);
    ctx.current = {150, 120, 154, 123}; // a 4 x 3 target
    ctx.source = source.data();
    lwtest::GuardedTarget target(4, 3);
    ctx.target = target.pixels();
    EXPECT_EQ(render(42, &ctx, -1), 1);
    EXPECT_TRUE(target.guardsIntact());
    EXPECT_EQ(pixelAt(target.image(), 4, 3, 3, 2), positionPixel(3, 2)) << "the top-left corner is copied";
    ctx.current = {150, 120, 140, 130}; // inverted: nothing to write
    EXPECT_EQ(render(42, &ctx, -1), 0);
}

LWXRect glideStep(int id, int frameCount, int frameIndex, int speed, int param)
{
    const LWXRect home{150, 120, 170, 130};
    LWXEffectContext ctx = objectContext(kCanvas, home, frameCount, speed, param);
    EXPECT_EQ(hostWithLibrary("glide").prepare(id, ctx, frameIndex), LWX_DRAW_MOVED);
    EXPECT_EQ(lwtest::widthOf(ctx.current), lwtest::widthOf(home)) << "the rectangle keeps its size";
    EXPECT_EQ(lwtest::heightOf(ctx.current), lwtest::heightOf(home));
    return {ctx.current.left - home.left, ctx.current.top - home.top, 0, 0};
}

TEST(Glide, MoveByAtSpeedZeroStaysHome)
{
    for (int a = 0; a < 10; ++a) {
        const LWXRect moved = glideStep(166, 10, a, 0, 0);
        EXPECT_EQ(moved.left, 0) << a;
        EXPECT_EQ(moved.top, 0) << a;
    }
}

TEST(Glide, ParamZeroMovesTenAndTenAtFullDistance)
{
    const LWXRect in = glideStep(164, -4, -4, 2, 0);
    EXPECT_EQ(in.left, 10);
    EXPECT_EQ(in.top, 10);
    const LWXRect out = glideStep(165, 4, 4, 2, 0);
    EXPECT_EQ(out.left, 10);
    EXPECT_EQ(out.top, 10);
}

TEST(Glide, MoveByGoesBackAndForthWithAPeriodOfTwiceTwoToTheSpeed)
{
    // Speed 2: P = 4; percentages 0, 25, 50, 75, then 100, 75, 50, 25; the shift is (20, -8),
    // and the vertical moves truncate toward zero (25 % of -8 is -2).
    const int param = lw::glide::encodeDelta(20, -8);
    const int lefts[] = {0, 5, 10, 15, 20, 15, 10, 5, 0, 5};
    const int tops[] = {0, -2, -4, -6, -8, -6, -4, -2, 0, -2};
    for (int a = 0; a < 10; ++a) {
        const LWXRect moved = glideStep(166, 10, a, 2, param);
        EXPECT_EQ(moved.left, lefts[a]) << a;
        EXPECT_EQ(moved.top, tops[a]) << a;
    }
}

TEST(Glide, PercentagesTruncateAndTheParamDecodesSignedHalves)
{
    // Move Out n = 3, a = 1: 33 %; of (-300, 7) that is (-99, 2).
    const LWXRect out = glideStep(165, 3, 1, 0, lw::glide::encodeDelta(-300, 7));
    EXPECT_EQ(out.left, -99);
    EXPECT_EQ(out.top, 2);
    // Move To n = 4: 0 % at step 0, 75 % at step 3.
    EXPECT_EQ(glideStep(167, 4, 0, 0, 0).left, 0);
    EXPECT_EQ(glideStep(167, 4, 3, 0, lw::glide::encodeDelta(40, 0)).left, 30);
    // Move In n = -3, a = -1: 33 % of 10.
    EXPECT_EQ(glideStep(164, -3, -1, 0, 0).left, 3);
}

TEST(Glide, ParamPacksTwoSigned16BitHalvesOffsetByTen)
{
    using lw::glide::decodeDelta;
    using lw::glide::encodeDelta;
    EXPECT_EQ(encodeDelta(10, 10), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(encodeDelta(0, 0)), 0xFFF6FFF6u);
    EXPECT_EQ(static_cast<std::uint32_t>(encodeDelta(25, -7)), 0xFFEF000Fu);
    EXPECT_EQ(decodeDelta(0).dx, 10);
    EXPECT_EQ(decodeDelta(0).dy, 10);
    // Each half is a signed 16-bit result: 0x7FFF + 10 wraps to -32759.
    EXPECT_EQ(decodeDelta(0x7FFF).dx, -32759);
    EXPECT_EQ(decodeDelta(static_cast<std::int32_t>(0x8000FFFFu)).dy, -32758);
    EXPECT_EQ(decodeDelta(static_cast<std::int32_t>(0x8000FFFFu)).dx, 9);
    for (int v : {lw::glide::kMinDelta, -1000, -1, 0, 9, 10, 11, 1200, lw::glide::kMaxDelta}) {
        EXPECT_EQ(decodeDelta(encodeDelta(v, -v)).dx, v);
        EXPECT_EQ(decodeDelta(encodeDelta(-v, v)).dy, v);
    }
}

TEST(Glide, OutOfRangeAndUnknownSteps)
{
    const LWXRect home{150, 120, 170, 130};
    LWXEffectContext ctx = objectContext(kCanvas, home, -4);
    EXPECT_EQ(hostWithLibrary("glide").prepare(164, ctx, -5), LWX_HIDE);
    ctx = objectContext(kCanvas, home, 4);
    EXPECT_EQ(hostWithLibrary("glide").prepare(165, ctx, 5), LWX_HIDE);
    ctx = objectContext(kCanvas, home, 0);
    EXPECT_EQ(hostWithLibrary("glide").prepare(167, ctx, 3), LWX_DRAW_MOVED) << "a zero count moves nothing";
    EXPECT_EQ(ctx.current.left, home.left);
    // A huge speed is capped instead of overflowing the period.
    ctx = objectContext(kCanvas, home, 10, INT_MAX);
    EXPECT_EQ(hostWithLibrary("glide").prepare(166, ctx, 7), LWX_DRAW_MOVED);
    EXPECT_EQ(ctx.current.left, home.left);
}

} // namespace
