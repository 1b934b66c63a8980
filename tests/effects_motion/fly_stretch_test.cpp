// fly and stretch through the host: where LWXPrepare puts the object at each step.
#include "motion_effects_support.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

using lwtest::hostWithLibrary;
using lwtest::objectContext;

const LWXRect kCanvas{100, 100, 300, 200};

TEST(Fly, FromLeftWithRightEdgeAt90MovesByEightTenthsDownToOneTenth)
{
    const lw::ExtensionHost& host = hostWithLibrary("fly");
    const LWXRect canvas{366, 570, 834, 630};
    const LWXRect home{386, 580, 456, 600}; // right edge 90 pixels right of the canvas's left side
    std::vector<int> lefts;
    for (int a = -8; a <= -1; ++a) {
        LWXEffectContext ctx = objectContext(canvas, home, -8, 3);
        ASSERT_EQ(host.prepare(1, ctx, a), LWX_DRAW_MOVED);
        lefts.push_back(ctx.current.left - home.left);
        EXPECT_EQ(ctx.current.top, home.top);
        EXPECT_EQ(ctx.current.right - ctx.current.left, 70) << "the rectangle keeps its size";
        EXPECT_EQ(ctx.current.bottom, home.bottom);
    }
    EXPECT_EQ(lefts, (std::vector<int>{-80, -70, -60, -50, -40, -30, -20, -10}));
}

TEST(Fly, DistanceBelowStepCountPlusOneDoesNotMove)
{
    const lw::ExtensionHost& host = hostWithLibrary("fly");
    // 8 pixels from the object's right edge to the canvas's left side, 9 parts.
    const LWXRect home{kCanvas.left - 20, 150, kCanvas.left + 8, 160};
    for (int a = -8; a <= -1; ++a) {
        LWXEffectContext ctx = objectContext(kCanvas, home, -8, 3);
        ASSERT_EQ(host.prepare(1, ctx, a), LWX_DRAW_MOVED);
        EXPECT_EQ(ctx.current.left, home.left) << "step " << a;
    }
}

// Every direction at one step, with distances whose division truncates toward zero.
TEST(Fly, EachSideUsesItsOwnDistanceTruncatedTowardZero)
{
    const lw::ExtensionHost& host = hostWithLibrary("fly");
    const LWXRect home{151, 121, 190, 150};
    struct Case {
        int id, frameCount, frameIndex, dLeft, dTop;
    };
    // Steps are whole numbers truncated toward zero: (121 - 200) / 4 is -19, not -20.
    const Case cases[] = {
        {1, -3, -3, -66, 0}, // (190 - 100) / 4 = 22
        {2, -3, -2, 0, 38},  // (121 - 200) / 4 = -19
        {3, -3, -1, 37, 0},  // (151 - 300) / 4 = -37
        {4, -3, -3, 0, -36}, // (150 - 100) / 4 = 12
        {11, 3, 1, -22, 0},  // (100 - 190) / 4 = -22
        {12, 3, 2, 0, 38},   // (200 - 121) / 4 = 19
        {13, 3, 3, 111, 0},  // (300 - 151) / 4 = 37
        {14, 3, 1, 0, -12},  // (100 - 150) / 4 = -12
    };
    for (const Case& c : cases) {
        LWXEffectContext ctx = objectContext(kCanvas, home, c.frameCount, 2);
        ASSERT_EQ(host.prepare(c.id, ctx, c.frameIndex), LWX_DRAW_MOVED) << "id " << c.id;
        EXPECT_EQ(ctx.current.left - home.left, c.dLeft) << "id " << c.id;
        EXPECT_EQ(ctx.current.top - home.top, c.dTop) << "id " << c.id;
        EXPECT_EQ(ctx.current.right - home.right, c.dLeft) << "id " << c.id;
        EXPECT_EQ(ctx.current.bottom - home.bottom, c.dTop) << "id " << c.id;
    }
}

TEST(Fly, OutroEndsJustShortOfLeavingAndIntroStartsFarthestOut)
{
    const lw::ExtensionHost& host = hostWithLibrary("fly");
    const LWXRect home{150, 120, 190, 150};
    LWXEffectContext last = objectContext(kCanvas, home, 4, 2);
    ASSERT_EQ(host.prepare(13, last, 4), LWX_DRAW_MOVED);
    EXPECT_EQ(last.current.left, home.left + 4 * (150 / 5)); // 4/5 of the way to the right side
    LWXEffectContext first = objectContext(kCanvas, home, -4, 2);
    ASSERT_EQ(host.prepare(3, first, -4), LWX_DRAW_MOVED);
    EXPECT_EQ(first.current.left, home.left + 4 * (150 / 5));
}

TEST(Fly, StepsOutsideTheRangeAndNonsenseCountsHide)
{
    const lw::ExtensionHost& host = hostWithLibrary("fly");
    const LWXRect home{150, 120, 190, 150};
    LWXEffectContext ctx = objectContext(kCanvas, home, -4);
    EXPECT_EQ(host.prepare(1, ctx, -5), LWX_HIDE) << "intro index below the count";
    ctx = objectContext(kCanvas, home, 4);
    EXPECT_EQ(host.prepare(11, ctx, 5), LWX_HIDE) << "outro index above the count";
    ctx = objectContext(kCanvas, home, 1);
    EXPECT_EQ(host.prepare(1, ctx, 1), LWX_HIDE) << "no parts to divide into";
    ctx = objectContext(kCanvas, home, -1);
    EXPECT_EQ(host.prepare(11, ctx, -1), LWX_HIDE) << "no parts to divide into";
    // A step that would carry current past the 32-bit range is refused, current untouched.
    const LWXRect wide{INT_MIN + 10, 0, INT_MAX - 10, 10};
    ctx = objectContext({INT_MIN, 0, INT_MAX, 100}, wide, INT_MIN + 1);
    EXPECT_EQ(host.prepare(3, ctx, INT_MAX), LWX_HIDE);
    EXPECT_EQ(ctx.current.left, wide.left);
}

TEST(Stretch, FirstIntroStepAtOneStepDrawsHalfTheSize)
{
    const lw::ExtensionHost& host = hostWithLibrary("stretch");
    const LWXRect home{150, 120, 250, 161}; // 100 x 41
    struct Case {
        int id;
        LWXRect expected;
    };
    const Case cases[] = {
        {31, {150, 120, 200, 161}}, // left side stays
        {32, {150, 141, 250, 161}}, // bottom stays; trunc(20.5) = 20 rows remain
        {33, {200, 120, 250, 161}}, // right side stays
        {34, {150, 120, 250, 140}}, // top stays
    };
    for (const Case& c : cases) {
        LWXEffectContext ctx = objectContext(kCanvas, home, -1);
        ASSERT_EQ(host.prepare(c.id, ctx, -1), LWX_DRAW_STRETCHED) << "id " << c.id;
        EXPECT_EQ(ctx.current.left, c.expected.left) << "id " << c.id;
        EXPECT_EQ(ctx.current.top, c.expected.top) << "id " << c.id;
        EXPECT_EQ(ctx.current.right, c.expected.right) << "id " << c.id;
        EXPECT_EQ(ctx.current.bottom, c.expected.bottom) << "id " << c.id;
    }
}

TEST(Stretch, SqueezeKeepsItsSideAndShrinksByTheStepFraction)
{
    const lw::ExtensionHost& host = hostWithLibrary("stretch");
    const LWXRect home{150, 120, 191, 150}; // 41 x 30
    // n = 3, a = 1: f = 0.75, trunc(41 * 0.75) = 30 columns and trunc(30 * 0.75) = 22 rows remain.
    struct Case {
        int id;
        LWXRect expected;
    };
    const Case cases[] = {
        {35, {150, 120, 180, 150}},
        {36, {150, 128, 191, 150}},
        {37, {161, 120, 191, 150}},
        {38, {150, 120, 191, 142}},
    };
    for (const Case& c : cases) {
        LWXEffectContext ctx = objectContext(kCanvas, home, 3);
        ASSERT_EQ(host.prepare(c.id, ctx, 1), LWX_DRAW_STRETCHED) << "id " << c.id;
        EXPECT_EQ(ctx.current.left, c.expected.left) << "id " << c.id;
        EXPECT_EQ(ctx.current.top, c.expected.top) << "id " << c.id;
        EXPECT_EQ(ctx.current.right, c.expected.right) << "id " << c.id;
        EXPECT_EQ(ctx.current.bottom, c.expected.bottom) << "id " << c.id;
    }
}

TEST(Stretch, IntroGrowsStepByStepAndOutOfRangeStepsHide)
{
    const lw::ExtensionHost& host = hostWithLibrary("stretch");
    const LWXRect home{100, 100, 200, 110}; // 100 wide
    std::vector<int> widths;
    for (int a = -4; a <= -1; ++a) {
        LWXEffectContext ctx = objectContext(kCanvas, home, -4);
        ASSERT_EQ(host.prepare(31, ctx, a), LWX_DRAW_STRETCHED);
        widths.push_back(lwtest::widthOf(ctx.current));
    }
    // 1 - 0.8 in double precision lies just below 0.2, so the first step keeps 19 columns.
    EXPECT_EQ(widths, (std::vector<int>{19, 40, 60, 80}));
    LWXEffectContext ctx = objectContext(kCanvas, home, -4);
    EXPECT_EQ(host.prepare(31, ctx, -5), LWX_HIDE);
    ctx = objectContext(kCanvas, home, 4);
    EXPECT_EQ(host.prepare(35, ctx, 5), LWX_HIDE);
    ctx = objectContext(kCanvas, home, 1);
    EXPECT_EQ(host.prepare(31, ctx, 2), LWX_HIDE) << "no fraction for a count of 1 on an intro";
    ctx = objectContext(kCanvas, home, 0);
    EXPECT_EQ(host.prepare(31, ctx, INT_MAX), LWX_HIDE) << "a size beyond 32 bits is refused";
    EXPECT_EQ(ctx.current.right, home.right);
}

} // namespace
