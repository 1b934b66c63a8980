// rotate through the host: the turned image's box centred on home, and the filtered pixels.
#include "motion_effects_support.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

using lwtest::hostWithLibrary;
using lwtest::objectContext;
using lwtest::pixelAt;

const LWXRect kCanvas{366, 570, 834, 630};
const LWXRect kHome{500, 500, 600, 520}; // 100 x 20

struct RotateStep {
    int result = 0;
    LWXRect current{};
    std::vector<std::uint32_t> target;
};

RotateStep rotateStep(int id, const LWXRect& home, const std::vector<std::uint32_t>& source, int frameCount,
                      int frameIndex, int param = 0)
{
    const lw::ExtensionHost& host = hostWithLibrary("rotate");
    LWXEffectContext ctx = objectContext(kCanvas, home, frameCount, 0, param);
    ctx.source = source.data();
    RotateStep step;
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

// Varied colours and transparencies, so a copy that loses or mixes anything shows.
std::uint32_t patternPixel(int x, int y)
{
    const auto t = static_cast<std::uint32_t>((x * 37 + y * 11) % 256);
    return t << 24 | static_cast<std::uint32_t>(x * 5 % 256) << 16 |
           static_cast<std::uint32_t>(y * 9 % 256) << 8 | static_cast<std::uint32_t>((x ^ y) & 0xFF);
}

// Red on the left half, green on the top half, opaque.
std::uint32_t quadrantPixel(int x, int y)
{
    return (x < 50 ? 0x00FF0000u : 0u) | (y < 10 ? 0x0000FF00u : 0u);
}

TEST(Rotate, FirstAnimationStepEqualsTheSource)
{
    const LWXRect home{500, 500, 537, 513}; // odd sizes: 37 x 13
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(37, 13, patternPixel);
    const RotateStep step = rotateStep(53, home, source, 5, 0);
    ASSERT_EQ(step.result, LWX_RENDER);
    EXPECT_EQ(step.current.left, home.left);
    EXPECT_EQ(step.current.top, home.top);
    EXPECT_EQ(step.current.right, home.right);
    EXPECT_EQ(step.current.bottom, home.bottom);
    EXPECT_EQ(step.target, source);
}

TEST(Rotate, RotateInAtOneStepIsAHalfTurnWithAOnePixelLargerBox)
{
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(100, 20, quadrantPixel);
    const RotateStep step = rotateStep(51, kHome, source, -1, -1);
    ASSERT_EQ(step.result, LWX_RENDER);
    // pi taken as 3.14 leaves cos slightly above -1 and sin above 0: ceil gives 101 x 21.
    EXPECT_EQ(step.current.left, 550 - 101 / 2);
    EXPECT_EQ(step.current.top, 510 - 21 / 2);
    EXPECT_EQ(step.current.right, step.current.left + 101);
    EXPECT_EQ(step.current.bottom, step.current.top + 21);
    // Half a turn: the red-green top-left corner is now bottom right.
    const std::uint32_t corner = pixelAt(step.target, 101, 21, 95, 17);
    EXPECT_GE((corner >> 16) & 0xFF, 254u);
    EXPECT_GE((corner >> 8) & 0xFF, 254u);
    const std::uint32_t other = pixelAt(step.target, 101, 21, 5, 3);
    EXPECT_LE((other >> 16) & 0xFF, 1u);
    EXPECT_LE((other >> 8) & 0xFF, 1u);
    EXPECT_LE(other >> 24, 1u) << "inside the object the result stays opaque";
}

TEST(Rotate, NinetyDegreesTurnsA100By20ObjectClockwiseIntoAnUprightBox)
{
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(100, 20, quadrantPixel);
    const RotateStep step = rotateStep(53, kHome, source, 4, 1); // 25 % of 360 degrees
    ASSERT_EQ(step.result, LWX_RENDER);
    EXPECT_EQ(lwtest::widthOf(step.current), 21);
    EXPECT_EQ(lwtest::heightOf(step.current), 101);
    EXPECT_EQ(step.current.left, 550 - 10);
    EXPECT_EQ(step.current.top, 510 - 50);
    // Clockwise: the left half (red) ends on top, the top half (green) on the right.
    const std::uint32_t topRight = pixelAt(step.target, 21, 101, 15, 20);
    EXPECT_GE((topRight >> 16) & 0xFF, 254u);
    EXPECT_GE((topRight >> 8) & 0xFF, 254u);
    const std::uint32_t topLeft = pixelAt(step.target, 21, 101, 5, 20);
    EXPECT_GE((topLeft >> 16) & 0xFF, 254u);
    EXPECT_LE((topLeft >> 8) & 0xFF, 1u);
    const std::uint32_t bottomLeft = pixelAt(step.target, 21, 101, 5, 80);
    EXPECT_LE((bottomLeft >> 16) & 0xFF, 1u);
    EXPECT_LE((bottomLeft >> 8) & 0xFF, 1u);
}

TEST(Rotate, CornersBeyondTheTurnedImageAreTransparentBlack)
{
    // param 180 leaves 180 degrees for the whole turn; 25 % of it is 45 degrees.
    const std::vector<std::uint32_t> source(100 * 20, 0x00FFFFFFu);
    const RotateStep step = rotateStep(53, kHome, source, 4, 1, 180);
    ASSERT_EQ(step.result, LWX_RENDER);
    const int w = lwtest::widthOf(step.current), h = lwtest::heightOf(step.current);
    EXPECT_EQ(w, 85);
    EXPECT_EQ(h, 85);
    EXPECT_EQ(pixelAt(step.target, w, h, 0, 0), 0xFF000000u);
    EXPECT_EQ(pixelAt(step.target, w, h, w - 1, h - 1), 0xFF000000u);
    EXPECT_EQ(pixelAt(step.target, w, h, w / 2, h / 2) >> 24, 0u) << "the centre is covered";
}

TEST(Rotate, OutroAndIntroPercentagesAndOutOfRangeSteps)
{
    const std::vector<std::uint32_t> source(100 * 20, 0u);
    // Outro n = 3, a = 2: 50 %, a half turn like the intro above.
    const RotateStep out = rotateStep(52, kHome, source, 3, 2);
    ASSERT_EQ(out.result, LWX_RENDER);
    EXPECT_EQ(lwtest::widthOf(out.current), 101);
    EXPECT_EQ(rotateStep(51, kHome, source, -3, -4).result, LWX_HIDE);
    EXPECT_EQ(rotateStep(52, kHome, source, 3, 4).result, LWX_HIDE);
    EXPECT_EQ(rotateStep(51, kHome, source, 1, 1).result, LWX_HIDE) << "no fraction for a count of 1";
    EXPECT_EQ(rotateStep(53, kHome, source, 0, 0).result, LWX_HIDE) << "no fraction for a count of 0";
    const LWXRect huge{0, 0, INT_MAX, 20};
    EXPECT_EQ(rotateStep(53, huge, source, 4, 1).result, LWX_HIDE) << "no canvas holds such an object";
}

TEST(Rotate, RenderNeverWritesPastATargetSmallerThanTheBox)
{
    const lw::ExtensionModule& module = lwtest::libraryModule("rotate");
    const auto render = module.library.function<LWXDoRenderProc>("LWXDoRender");
    const std::vector<std::uint32_t> source = lwtest::bottomUpImage(100, 20, quadrantPixel);
    LWXEffectContext ctx = objectContext(kCanvas, kHome, 4);
    ctx.source = source.data();
    ctx.current = {540, 460, 550, 470}; // 10 x 10 instead of 21 x 101
    lwtest::GuardedTarget target(10, 10);
    ctx.target = target.pixels();
    EXPECT_EQ(render(53, &ctx, 1), 1);
    EXPECT_TRUE(target.guardsIntact());
    ctx.target = nullptr;
    EXPECT_EQ(render(53, &ctx, 1), 0);
}

} // namespace
