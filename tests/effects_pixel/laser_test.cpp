// laser.lwx: the object is revealed or erased up to an edge column, and a beam in the chosen
// colour runs from a glowing head beside that edge down to the canvas bottom.
#include "extensions/laser/laser_colour.h"
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& laser(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("laser.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

constexpr std::uint32_t kInk = 0x00123456;
constexpr std::uint32_t kNothing = 0xFFFFFFFF;
constexpr std::uint32_t kRed = 0x00FF0000;

// A 40 x 10 object 20 pixels right of and below the top-left of a 200 x 100 canvas; the head's
// radius is 10 minus 0..3, its centre on row 25, the beam below it to row 99.
lwtest::StepInput bar(std::int32_t frameCount, std::int32_t param = 0)
{
    lwtest::StepInput in;
    in.canvas = rect(500, 500, 700, 600);
    in.home = rect(520, 520, 560, 530);
    in.frameCount = frameCount;
    in.param = param;
    return in;
}

// The beam's column: the one drawn pixel of the bottom row, far below the head.
int beamColumn(const Image& t, std::uint32_t colour)
{
    int found = -1;
    for (int x = 0; x < t.w; ++x) {
        if (t.at(x, 99) == kNothing)
            continue;
        EXPECT_EQ(t.at(x, 99), colour);
        EXPECT_EQ(found, -1) << "a second beam pixel at " << x;
        found = x;
    }
    return found;
}

TEST(Laser, IntroRevealsLeftOfTheEdgeBehindTheHead)
{
    // N 4, a -2: h = 200 / 5 = 40, B = 40 - 16 = 24: source columns 0..23 are shown.
    const lwtest::StepResult r = runStep(laser(270), Image(40, 10, kInk), bar(-4), -2);
    ASSERT_EQ(r.code, LWX_RENDER);
    EXPECT_TRUE(lwtest::sameRect(r.current, rect(500, 500, 700, 600)));
    const Image& t = r.target;
    const int x = beamColumn(t, kRed);
    // X = B + 20 - rad / 2 with rad 7..10.
    EXPECT_GE(x, 39);
    EXPECT_LE(x, 41);
    EXPECT_EQ(t.at(x, 25), kRed); // the head's centre is the beam colour itself
    for (int y = 20; y < 30; ++y) {
        for (int i = 0; i < 8; ++i) // left of the glow
            ASSERT_EQ(t.at(20 + i, y), kInk);
        for (int i = 32; i < 40; ++i) // right of the glow, not yet revealed
            ASSERT_EQ(t.at(20 + i, y), kNothing);
    }
    EXPECT_EQ(t.at(x, 40), kRed);
    EXPECT_EQ(t.at(x - 1, 99), kNothing);
    EXPECT_EQ(t.at(0, 0), kNothing);
}

TEST(Laser, OutroErasesLeftOfTheEdge)
{
    // N 4, a 1: h = 20, B = 8: source columns 9.. are shown; X = 28 + rad / 2.
    const Image t = runStep(laser(271), Image(40, 10, kInk), bar(4), 1).target;
    const int x = beamColumn(t, kRed);
    EXPECT_GE(x, 31);
    EXPECT_LE(x, 33);
    for (int y = 20; y < 30; ++y)
        for (int i = 23; i < 40; ++i) // right of the glow
            ASSERT_EQ(t.at(20 + i, y), kInk);
    EXPECT_EQ(runStep(laser(271), Image(40, 10, kInk), bar(4), 5).code, LWX_HIDE);
    EXPECT_EQ(runStep(laser(270), Image(40, 10, kInk), bar(-4), -5).code, LWX_HIDE);
}

TEST(Laser, AnimationSweepsOverTheWholeObject)
{
    // n 10: a 0 puts the beam on column 0 of the object, a 5 half-way (B = 40 - 20).
    const Image start = runStep(laser(272), Image(40, 10, kInk), bar(10), 0).target;
    EXPECT_EQ(beamColumn(start, kRed), 20);
    EXPECT_EQ(start.at(59, 20), kInk);
    const Image half = runStep(laser(272), Image(40, 10, kInk), bar(10), 5).target;
    EXPECT_EQ(beamColumn(half, kRed), 40);
    EXPECT_EQ(half.at(20, 20), kInk);
    EXPECT_EQ(half.at(59, 29), kInk);
}

TEST(Laser, WhiteStoresZeroAndDrawsTheDefaultRed)
{
    EXPECT_EQ(lw::laser::paramFromColourRef(0xFFFFFF), 0);
    EXPECT_EQ(lw::laser::colourRefFromParam(0), 0xFFFFFFu); // the chooser starts at white
    const Image t = runStep(laser(272), Image(40, 10, kInk), bar(10, 0), 0).target;
    EXPECT_EQ(beamColumn(t, kRed), 20);
}

TEST(Laser, ParamIsTheColourReferenceXorWhite)
{
    // Green (0x00FF00) is stored as 0xFF00FF, blue (0xFF0000) as 0x00FFFF.
    EXPECT_EQ(lw::laser::paramFromColourRef(0x00FF00), 0xFF00FF);
    const Image green = runStep(laser(272), Image(40, 10, kInk), bar(10, 0xFF00FF), 0).target;
    EXPECT_EQ(beamColumn(green, 0x0000FF00), 20);
    const Image blue = runStep(laser(272), Image(40, 10, kInk), bar(10, 0x00FFFF), 0).target;
    EXPECT_EQ(beamColumn(blue, 0x000000FF), 20);
}

// Objects larger than the canvas or hanging over its edge: nothing is written outside the target.
TEST(Laser, ObjectBeyondTheCanvasIsClipped)
{
    lwtest::StepInput in = bar(-8);
    in.home = rect(450, 580, 650, 640);
    const Image source(200, 60, kInk);
    for (std::int32_t a = -8; a <= -1; ++a) {
        const lwtest::StepResult r = runStep(laser(270), source, in, a);
        ASSERT_EQ(r.code, LWX_RENDER);
        // At the last step the edge is at B = 178 and the head far to the right.
        if (a == -1) {
            EXPECT_EQ(r.target.at(0, 99), kInk);
        }
    }
}

} // namespace
