// fade.lwx: every pixel keeps its colour while its opacity is scaled by the step's factor.
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& fade(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("fade.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

// Opaque, opacity 127 (T 0x80), fully transparent, opacity 200 (T 55).
Image sample()
{
    Image img(2, 2);
    img.set(0, 0, 0x00112233);
    img.set(1, 0, 0x80AABBCC);
    img.set(0, 1, 0xFF445566);
    img.set(1, 1, 0x37778899);
    return img;
}

lwtest::StepInput objectAt(std::int32_t frameCount)
{
    lwtest::StepInput in;
    in.canvas = rect(500, 500, 700, 600);
    in.home = rect(510, 520, 512, 522);
    in.frameCount = frameCount;
    return in;
}

TEST(Fade, FadeInWithOneStepGivesAboutHalfTheOpacity)
{
    const lwtest::StepResult r = runStep(fade(21), sample(), objectAt(-1), -1);
    ASSERT_EQ(r.code, LWX_RENDER);
    EXPECT_TRUE(lwtest::sameRect(r.current, rect(510, 520, 512, 522)));
    // F = 255 - 255 / 2 = 128: opacity 255 becomes 128, 127 becomes 63, 0 stays 0, 200 becomes 100.
    EXPECT_EQ(r.target.at(0, 0), 0x7F112233u);
    EXPECT_EQ(r.target.at(1, 0), 0xC0AABBCCu);
    EXPECT_EQ(r.target.at(0, 1), 0xFF445566u);
    EXPECT_EQ(r.target.at(1, 1), 0x9B778899u);
}

TEST(Fade, StepsDivideTheRampIntoNPlusOneParts)
{
    // N = 3: the factor is 255 - 255 * |a| / 4, truncated: 64, 128, 192 for |a| = 3, 2, 1.
    const std::uint32_t in[] = {0xBF112233, 0x7F112233, 0x3F112233}; // a = -3, -2, -1
    for (int a = -3; a <= -1; ++a)
        EXPECT_EQ(runStep(fade(21), sample(), objectAt(-3), a).target.at(0, 0), in[a + 3]) << a;
    const std::uint32_t out[] = {0x3F112233, 0x7F112233, 0xBF112233}; // a = 1, 2, 3
    for (int a = 1; a <= 3; ++a)
        EXPECT_EQ(runStep(fade(22), sample(), objectAt(3), a).target.at(0, 0), out[a - 1]) << a;
    // Fade Out with one step mirrors Fade In with one.
    EXPECT_EQ(runStep(fade(22), sample(), objectAt(1), 1).target.px,
              runStep(fade(21), sample(), objectAt(-1), -1).target.px);
}

TEST(Fade, StepsOutsideTheRangeDrawNothing)
{
    EXPECT_EQ(runStep(fade(21), sample(), objectAt(-3), -4).code, LWX_HIDE);
    EXPECT_EQ(runStep(fade(22), sample(), objectAt(3), 4).code, LWX_HIDE);
    // A count no host passes (an intro counted upwards to 1) would divide by zero.
    EXPECT_EQ(runStep(fade(21), sample(), objectAt(1), 1).code, LWX_HIDE);
}

TEST(Fade, FrameEffectCoversTheWholeCanvas)
{
    const LWXRect canvas = rect(400, 500, 468 + 400, 560);
    Image source(468, 60, 0x00FF8000);
    const lwtest::StepResult r = runStep(fade(22), source, lwtest::frameStep(canvas, 4), 4);
    ASSERT_EQ(r.code, LWX_RENDER);
    ASSERT_EQ(r.target.px.size(), source.px.size());
    // F = 255 - 1020 / 5 = 51: opacity 51, T 204.
    for (std::uint32_t p : r.target.px)
        ASSERT_EQ(p, 0xCCFF8000u);
}

} // namespace
