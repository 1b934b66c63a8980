// smear.lwx: the rectangle widens by 10 pixels per step, centred, and every target column
// averages the e + 1 source columns ending at it.
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::Image;
using lwtest::rect;
using lwtest::runStep;

const lw::ExtensionEffect& smear(std::int32_t id)
{
    const lw::ExtensionEffect* e = lwtest::effectOf("smear.lwx", id);
    EXPECT_NE(e, nullptr);
    static const lw::ExtensionEffect none{};
    return e ? *e : none;
}

// 20 x 2: the top row opaque with red = 10 * column and blue 200, the bottom row black with T 100.
Image ramp()
{
    Image img(20, 2);
    for (int x = 0; x < 20; ++x) {
        img.set(x, 0, static_cast<std::uint32_t>(10 * x) << 16 | 200);
        img.set(x, 1, 0x64000000);
    }
    return img;
}

lwtest::StepInput objectAt(std::int32_t frameCount)
{
    lwtest::StepInput in;
    in.canvas = rect(300, 300, 500, 400);
    in.home = rect(340, 350, 360, 352);
    in.frameCount = frameCount;
    return in;
}

TEST(MotionBlur, LastIntroStepIsAnElevenColumnAverageTenPixelsWider)
{
    const lwtest::StepResult r = runStep(smear(5), ramp(), objectAt(-1), -1);
    ASSERT_EQ(r.code, LWX_RENDER);
    EXPECT_TRUE(lwtest::sameRect(r.current, rect(335, 350, 365, 352)));
    ASSERT_EQ(r.target.w, 30);
    ASSERT_EQ(r.target.h, 2);
    // Column 0 sees source column 0 and ten columns beyond the left edge: T = 2550 / 11.
    EXPECT_EQ(r.target.at(0, 0), 231u << 24 | 0 << 16 | 200);
    // Columns 10, 15 and 19 see eleven source columns: reds 0..100, 50..150, 90..190.
    EXPECT_EQ(r.target.at(10, 0), 0u << 24 | 50u << 16 | 200);
    EXPECT_EQ(r.target.at(15, 0), 0u << 24 | 100u << 16 | 200);
    EXPECT_EQ(r.target.at(19, 0), 0u << 24 | 140u << 16 | 200);
    // The last column sees only source column 19.
    EXPECT_EQ(r.target.at(29, 0), 231u << 24 | 190u << 16 | 200);
    // Transparency averages too: (100 + 2550) / 11 and 1100 / 11.
    EXPECT_EQ(r.target.at(0, 1), 240u << 24);
    EXPECT_EQ(r.target.at(10, 1), 100u << 24);
}

TEST(MotionBlur, OutroWidensTenPixelsPerStep)
{
    const lwtest::StepResult r = runStep(smear(6), ramp(), objectAt(3), 2);
    ASSERT_EQ(r.code, LWX_RENDER);
    EXPECT_TRUE(lwtest::sameRect(r.current, rect(330, 350, 370, 352)));
    ASSERT_EQ(r.target.w, 40);
    // Column 20 averages source columns 0..19 with one column beyond: red 1900 / 20, T 255 / 21.
    EXPECT_EQ(r.target.at(20, 0), 12u << 24 | 95u << 16 | 200);
    // The first intro step is the widest: 10 * N.
    const lwtest::StepResult first = runStep(smear(5), ramp(), objectAt(-3), -3);
    EXPECT_TRUE(lwtest::sameRect(first.current, rect(325, 350, 375, 352)));
    EXPECT_EQ(first.target.w, 50);
}

TEST(MotionBlur, StepsOutsideTheRangeDrawNothing)
{
    EXPECT_EQ(runStep(smear(5), ramp(), objectAt(-2), -3).code, LWX_HIDE);
    EXPECT_EQ(runStep(smear(6), ramp(), objectAt(2), 3).code, LWX_HIDE);
}

} // namespace
