// flash.lwx: colours move towards the flash colour by a percentage per step; transparency stays.
#include "extensions/flash/flash_colour.h"
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& flash(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("flash.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

Image sample()
{
    Image img(2, 1);
    img.set(0, 0, 0x00102030);
    img.set(1, 0, 0x80C86432); // half transparent, R 200, G 100, B 50
    return img;
}

lwtest::StepInput objectAt(std::int32_t frameCount, std::int32_t speed = 0, std::int32_t param = 0)
{
    lwtest::StepInput in;
    in.canvas = rect(0, 0, 100, 100);
    in.home = rect(10, 10, 12, 11);
    in.frameCount = frameCount;
    in.speed = speed;
    in.param = param;
    return in;
}

TEST(Flash, IntroAndOutroBlendTowardsWhiteByDefault)
{
    // Flash In, N = 4: p = 100 * a / n: 100 at the first step, 25 at the last.
    Image first = runStep(flash(174), sample(), objectAt(-4), -4).target;
    EXPECT_EQ(first.at(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(first.at(1, 0), 0x80FFFFFFu);
    Image last = runStep(flash(174), sample(), objectAt(-4), -1).target;
    // (255 * 25 + c * 75) / 100: 0x10 -> 75, 0x20 -> 87, 0x30 -> 99; 200 -> 213, 100 -> 138, 50 -> 101.
    EXPECT_EQ(last.at(0, 0), 0x004B5763u);
    EXPECT_EQ(last.at(1, 0), 0x80D58A65u);
    // Flash Out, N = 2: p = 50 at a = 1.
    Image half = runStep(flash(175), sample(), objectAt(2), 1).target;
    EXPECT_EQ(half.at(1, 0), 0x80E3B198u);
    EXPECT_EQ(runStep(flash(175), sample(), objectAt(2), 3).code, LWX_HIDE);
    EXPECT_EQ(runStep(flash(174), sample(), objectAt(-2), -3).code, LWX_HIDE);
}

TEST(Flash, ParamIsTheColourReferenceXorWhite)
{
    // Red as a colour reference is 0x0000FF; stored as 0xFFFF00.
    const std::int32_t red = lw::flash::paramFromColourRef(0x0000FF);
    EXPECT_EQ(red, 0xFFFF00);
    EXPECT_EQ(runStep(flash(175), sample(), objectAt(2, 0, red), 2).target.at(1, 0), 0x80FF0000u);
    // Blue (0xFF0000) is stored as 0x00FFFF; white as 0, the default.
    EXPECT_EQ(runStep(flash(175), sample(), objectAt(2, 0, 0x00FFFF), 2).target.at(0, 0), 0x000000FFu);
    EXPECT_EQ(lw::flash::paramFromColourRef(0xFFFFFF), 0);
    EXPECT_EQ(lw::flash::colourRefFromParam(0), 0xFFFFFFu);
}

TEST(Flash, AnimationIsATriangleWaveOfTwoToTheSpeedStepsEachWay)
{
    // Speed 2: P = 4, p = 0, 25, 50, 75, 100, 75, 50, 25 for a = 0..7.
    const int expectedRed[] = {200, 213, 227, 241, 255, 241, 227, 213};
    for (int a = 0; a < 8; ++a) {
        Image img = runStep(flash(176), sample(), objectAt(10, 2), a).target;
        EXPECT_EQ(img.at(1, 0) >> 16 & 0xFF, static_cast<std::uint32_t>(expectedRed[a])) << a;
        EXPECT_EQ(img.at(1, 0) >> 24, 0x80u);
    }
}

// With speed 0 (P = 1) every step has p = 0: the image is left as it is, odd steps included.
TEST(Flash, SpeedZeroLeavesTheImageUnchanged)
{
    const Image source = sample();
    for (int a : {0, 1, 2, 3, 4})
        EXPECT_EQ(runStep(flash(176), source, objectAt(5, 0), a).target.px, source.px) << a;
    EXPECT_EQ(runStep(flash(176), source, objectAt(1, 0), 0).target.px, source.px);
    // Speed 1 (P = 2) still climbs and falls: 0, 50, 100, 50.
    EXPECT_NE(runStep(flash(176), source, objectAt(5, 1), 2).target.px, source.px);
}

} // namespace
