#include "doc/animation.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::solid;

TEST(AnimationTest, NewAnimationIs468By60WithOneWhiteFrame)
{
    CAnimation a;
    EXPECT_EQ(a.canvasRect, (LayerRect{366, 570, 834, 630}));
    EXPECT_EQ(a.canvasSize, (LayerRect{0, 0, 468, 60}));
    ASSERT_NE(a.firstFrame, nullptr);
    EXPECT_EQ(a.firstFrame->next, nullptr);
    EXPECT_EQ(a.firstFrame->image.width(), 468);
    EXPECT_EQ(a.firstFrame->image.GetPixel(10, 10), 0x00FFFFFFu);
    EXPECT_EQ(a.firstFrame->delay, 100);
}

TEST(AnimationTest, SetSizeRoundsAnOddOffsetDown)
{
    CAnimation a;
    ASSERT_TRUE(a.SetSize(469, 61));
    EXPECT_EQ(a.canvasRect.left, 365);
    EXPECT_EQ(a.canvasRect.top, 569);
    EXPECT_EQ(a.canvasRect.right, 365 + 469);
    EXPECT_EQ(a.firstFrame->image.width(), 469);
    EXPECT_EQ(a.firstFrame->image.height(), 61);
    EXPECT_FALSE(a.SetSize(0, 10));
    EXPECT_FALSE(a.SetSize(10, kMaxCanvasSide + 1));
    EXPECT_EQ(a.width(), 469);
}
