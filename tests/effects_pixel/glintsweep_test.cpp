// glintsweep.lwx: a band leaning right going down brightens what it crosses; on one side of its
// centre line the object is hidden (white, transparent except for the band's own glow).
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& blade(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("glintsweep.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

constexpr std::uint32_t kGrey = 0x00404040;       // 64 in every channel
constexpr std::uint32_t kPeak = 0x00E7E7E7;       // e = 224: 64 + 191 * 224 / 255
constexpr std::uint32_t kHalf = 0x00939393;       // e = 112: 64 + 191 * 112 / 255
constexpr std::uint32_t kHidden = 0xFFFFFFFF;     // hidden, no glow
constexpr std::uint32_t kHiddenGlow = 0x8FFFFFFF; // hidden, e = 112: T = 143

lwtest::StepInput objectOf(int w, int h, std::int32_t frameCount)
{
    lwtest::StepInput in;
    in.canvas = rect(0, 0, 300, 300);
    in.home = rect(100, 100, 100 + w, 100 + h);
    in.frameCount = frameCount;
    return in;
}

TEST(BladeShine, OutroBandAt32PixelsHasHalfWidthTwo)
{
    // W 32, H 4, N 4, a 1: pos = (32 + 2) / 4 = 8, hw = 2; the object left of the band is gone.
    const lwtest::StepResult r = runStep(blade(51), Image(32, 4, kGrey), objectOf(32, 4, 4), 1);
    ASSERT_EQ(r.code, LWX_RENDER);
    const Image& t = r.target;
    EXPECT_EQ(t.at(0, 0), kHidden);
    EXPECT_EQ(t.at(6, 0), kHidden);
    EXPECT_EQ(t.at(7, 0), kHiddenGlow);
    EXPECT_EQ(t.at(8, 0), kPeak);
    EXPECT_EQ(t.at(9, 0), kHalf);
    EXPECT_EQ(t.at(10, 0), kGrey);
    EXPECT_EQ(t.at(31, 0), kGrey);
    // Two rows further down the centre has moved one column right.
    EXPECT_EQ(t.at(8, 2), kHiddenGlow);
    EXPECT_EQ(t.at(9, 2), kPeak);
    EXPECT_EQ(t.at(10, 2), kHalf);
    EXPECT_EQ(t.at(11, 2), kGrey);
}

TEST(BladeShine, NarrowerThan32PixelsTheHalfWidthIsOne)
{
    // W 31: hw = 31 / 16 = 1, so only the centre column glows.
    const lwtest::StepResult r = runStep(blade(51), Image(31, 4, kGrey), objectOf(31, 4, 4), 1);
    const Image& t = r.target;
    EXPECT_EQ(t.at(7, 0), kHidden);
    EXPECT_EQ(t.at(8, 0), kPeak);
    EXPECT_EQ(t.at(9, 0), kGrey);
    // Even a one-pixel object has a band.
    const lwtest::StepResult tiny = runStep(blade(51), Image(1, 1, kGrey), objectOf(1, 1, 1), 1);
    ASSERT_EQ(tiny.code, LWX_RENDER);
    EXPECT_EQ(tiny.target.at(0, 0), kHidden);
}

TEST(BladeShine, IntroRevealsLeftOfTheBand)
{
    // N 2, a -1: pos = 32 - (-1) * (34 / -2) = 15; hidden to the right of the centre.
    const lwtest::StepResult r = runStep(blade(50), Image(32, 4, kGrey), objectOf(32, 4, -2), -1);
    ASSERT_EQ(r.code, LWX_RENDER);
    const Image& t = r.target;
    EXPECT_EQ(t.at(0, 0), kGrey);
    EXPECT_EQ(t.at(14, 0), kHalf);
    EXPECT_EQ(t.at(15, 0), kPeak);
    EXPECT_EQ(t.at(16, 0), kHiddenGlow);
    EXPECT_EQ(t.at(17, 0), kHidden);
    // At the first step (a = -2) the band stands left of the object: pos = 32 - 34 = -2.
    const Image first = runStep(blade(50), Image(32, 4, kGrey), objectOf(32, 4, -2), -2).target;
    EXPECT_EQ(first.at(0, 0), kHidden);
    EXPECT_EQ(first.at(0, 3), kHiddenGlow); // row 3: centre -1, one column away
}

TEST(BladeShine, StepsOutsideTheRangeDrawNothing)
{
    EXPECT_EQ(runStep(blade(50), Image(8, 8, kGrey), objectOf(8, 8, -2), -3).code, LWX_HIDE);
    EXPECT_EQ(runStep(blade(51), Image(8, 8, kGrey), objectOf(8, 8, 2), 3).code, LWX_HIDE);
}

} // namespace
