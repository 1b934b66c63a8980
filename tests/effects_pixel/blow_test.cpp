// blow.lwx: the object is magnified about its centre by up to three times while its opacity
// falls, over a canvas-sized target; the sand ids scatter the sampled pixels.
#include "extensions/blow/blow_options.h"
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& blow(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("blow.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

constexpr std::uint32_t kRed = 0x00FF0000;
constexpr std::uint32_t kNothing = 0xFFFFFFFF;

// A 30 x 30 opaque red square in the middle of a 200 x 200 canvas: home starts 85 pixels in.
lwtest::StepInput square(std::int32_t frameCount, std::int32_t param = 0)
{
    lwtest::StepInput in;
    in.canvas = rect(500, 500, 700, 700);
    in.home = rect(585, 585, 615, 615);
    in.frameCount = frameCount;
    in.param = param;
    return in;
}

int drawnInRow(const Image& img, int y)
{
    int count = 0;
    for (int x = 0; x < img.w; ++x)
        count += img.at(x, y) != kNothing;
    return count;
}

TEST(Blow, TargetCoversTheCanvas)
{
    const lwtest::StepResult r = runStep(blow(311), Image(30, 30, kRed), square(4), 2);
    ASSERT_EQ(r.code, LWX_RENDER);
    EXPECT_TRUE(lwtest::sameRect(r.current, rect(500, 500, 700, 700)));
    EXPECT_EQ(r.target.w, 200);
    EXPECT_EQ(r.target.h, 200);
}

TEST(Blow, BlowOutLastStepIsNearlyThreeTimesLargerAndAlmostInvisible)
{
    // N 16, a 16: x = 1600 / 17 = 94, p = trunc(100 sin(1.4758)) = 99; opacity 255 / 100 = 2.
    const Image t = runStep(blow(311), Image(30, 30, kRed), square(16), 16).target;
    const int across = drawnInRow(t, 100);
    EXPECT_GE(across, 84);
    EXPECT_LE(across, 90);
    for (std::uint32_t p : t.px)
        ASSERT_TRUE(p == kNothing || p == 0xFDFF0000u) << std::hex << p;
    int down = 0;
    for (int y = 0; y < 200; ++y)
        down += t.at(100, y) != kNothing;
    EXPECT_EQ(down, across);
}

TEST(Blow, BlowInEndsNearlyUnchanged)
{
    // N 2, a -1: x = 100 / 3 = 33, p = 100 - trunc(100 cos(0.5181)) = 100 - 86 = 14;
    // the centre keeps 255 * 86 / 100 = 219 of its opacity.
    const Image t = runStep(blow(310), Image(30, 30, kRed), square(-2), -1).target;
    EXPECT_EQ(t.at(100, 100), 0x24FF0000u);
    EXPECT_EQ(runStep(blow(310), Image(30, 30, kRed), square(-2), -3).code, LWX_HIDE);
    EXPECT_EQ(runStep(blow(311), Image(30, 30, kRed), square(2), 3).code, LWX_HIDE);
}

TEST(Blow, LeaveOriginalKeepsTheObjectInFront)
{
    // Blow Out N 2, a 1: p = 49; the centre pixel keeps 255 * 51 / 100 = 130 of its opacity.
    const Image blown = runStep(blow(311), Image(30, 30, kRed), square(2, 0), 1).target;
    EXPECT_EQ(blown.at(100, 100), 0x7DFF0000u);
    for (std::int32_t param : {1, 3}) {
        const Image kept = runStep(blow(311), Image(30, 30, kRed), square(2, param), 1).target;
        for (int y = 85; y < 115; ++y)
            for (int x = 85; x < 115; ++x)
                ASSERT_EQ(kept.at(x, y), kRed) << x << "," << y;
        // Beside the original the blown copy still shows: x = -20 samples source column 1.
        EXPECT_EQ(kept.at(80, 100), 0x7DFF0000u);
        EXPECT_EQ(blown.at(80, 100), 0x7DFF0000u);
    }
    EXPECT_TRUE(lw::blow::leavesOriginal(1));
    EXPECT_FALSE(lw::blow::leavesOriginal(2));
}

TEST(Blow, AnimationRisesToFullAndFallsBack)
{
    // "Blow" over 10 steps: g = 5, p = 100 at a = 5: nothing is visible.
    const Image top = runStep(blow(312), Image(30, 30, kRed), square(10), 5).target;
    for (std::uint32_t p : top.px)
        ASSERT_EQ(p >> 24, 255u);
    // With "Leave Original" the object stays while its copy has vanished.
    const Image kept = runStep(blow(312), Image(30, 30, kRed), square(10, 1), 5).target;
    EXPECT_EQ(kept.at(100, 100), kRed);
    EXPECT_EQ(kept.at(50, 100) >> 24, 255u);
    // a = 0 is the unchanged object.
    const Image start = runStep(blow(312), Image(30, 30, kRed), square(10), 0).target;
    EXPECT_EQ(drawnInRow(start, 100), 30);
    EXPECT_EQ(start.at(85, 100), kRed);
    EXPECT_EQ(start.at(84, 100), kNothing);
}

// With a single animation step there is no half-way point (n / 2 = 0): the object is drawn as it is.
TEST(Blow, SingleStepAnimationDrawsTheObjectUnchanged)
{
    Image source(30, 30, kRed);
    source.set(3, 4, 0x80123456);
    const lwtest::StepResult r = runStep(blow(312), source, square(1), 0);
    ASSERT_EQ(r.code, LWX_RENDER);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool inside = x >= 85 && x < 115 && y >= 85 && y < 115;
            ASSERT_EQ(r.target.at(x, y), inside ? source.at(x - 85, y - 85) : kNothing) << x << "," << y;
        }
}

TEST(Sand, ScattersTheSameWayForTheSameStep)
{
    Image source(30, 30, kRed);
    const Image a = runStep(blow(314), source, square(4), 2).target;
    const Image b = runStep(blow(314), source, square(4), 2).target;
    EXPECT_EQ(a.px, b.px);
    const Image plain = runStep(blow(311), source, square(4), 2).target;
    EXPECT_NE(a.px, plain.px);
    // Scattered grains keep the blown opacity: N 4, a 2: x = 40, p = trunc(100 sin(0.628)) = 58.
    const std::uint32_t grain = static_cast<std::uint32_t>(255 - 255 * 42 / 100) << 24 | kRed;
    int grains = 0;
    for (std::uint32_t p : a.px) {
        ASSERT_TRUE(p == kNothing || p == grain) << std::hex << p;
        grains += p == grain;
    }
    EXPECT_GT(grains, 900);
    // Sand In too.
    EXPECT_EQ(runStep(blow(313), source, square(-4), -2).code, LWX_RENDER);
}

// An object hanging over the canvas edge: what lies inside is drawn, nothing is written outside.
TEST(Blow, ObjectBeyondTheCanvasIsClipped)
{
    Image source(30, 30, kRed);
    lwtest::StepInput in = square(8, 1);
    in.home = rect(480, 690, 510, 720);
    for (std::int32_t a = 1; a <= 8; ++a) {
        const Image t = runStep(blow(311), source, in, a).target;
        EXPECT_EQ(t.at(0, 199), kRed);
        EXPECT_EQ(t.at(9, 190), kRed);
    }
    in.frameCount = -8;
    for (std::int32_t a = -8; a <= -1; ++a)
        EXPECT_EQ(runStep(blow(313), source, in, a).target.at(9, 190), kRed);
}

} // namespace
