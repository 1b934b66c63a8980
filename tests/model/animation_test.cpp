#include "model/animation.h"
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

TEST(AnimationTest, AppendAndInsertCopyTheNeighboursSettings)
{
    CAnimation a;
    CFrame& first = *a.firstFrame;
    first.delay = 250;
    first.backgroundColour = 0x123456;
    first.borderColour = 0x00FF00;
    first.borderWidth = 3;
    CFrame* appended = a.AppendFrame();
    EXPECT_EQ(appended->delay, 250);
    EXPECT_EQ(appended->backgroundColour, 0x123456u);
    EXPECT_EQ(appended->borderWidth, 0); // append takes no border
    EXPECT_EQ(appended->image.width(), 468);
    EXPECT_EQ(appended->canvas, &a.canvasRect);
    CFrame* before = a.InsertFrame(&first, false);
    EXPECT_EQ(a.firstFrame.get(), before);
    EXPECT_EQ(before->borderWidth, 3);
    EXPECT_EQ(before->borderColour, 0x00FF00u);
    appended->SetBackgroundFrame(before);
    CFrame* after = a.InsertFrame(appended, true);
    EXPECT_EQ(after->backgroundFrame, before);
    EXPECT_EQ(after->backgroundImage(), &before->image);
    EXPECT_EQ(a.IndexOfFrame(after), 3);
    EXPECT_EQ(a.LastFrame(), after);
    EXPECT_EQ(a.PreviousFrame(after), appended);
    EXPECT_EQ(a.PreviousFrame(before), before); // the first has none: itself
    EXPECT_EQ(a.TotalFrames(), 4);
}

TEST(AnimationTest, DeletingABackgroundFrameRestoresTheOthersOwnBackground)
{
    CAnimation a;
    CFrame* back = a.firstFrame.get();
    back->backgroundColour = 0x0000FF; // red
    CFrame* user = a.AppendFrame();
    CFrame* last = a.AppendFrame();
    user->borderWidth = 2;
    user->borderColour = 0;
    user->SetBackgroundFrame(back);
    user->backgroundColour = 0x00FF00; // its own colour, hidden while the backdrop shows
    user->Render();
    EXPECT_EQ(user->image.GetPixel(0, 0), 0x00FF0000u);
    CFrame* next = a.DeleteFrame(back);
    EXPECT_EQ(next, user);
    EXPECT_EQ(user->backgroundFrame, nullptr);
    EXPECT_EQ(user->backgroundImage(), nullptr);
    EXPECT_EQ(user->image.GetPixel(0, 0), 0u);            // its border
    EXPECT_EQ(user->image.GetPixel(10, 10), 0x0000FF00u); // its colour
    EXPECT_EQ(a.DeleteFrame(last), user);                 // the last one gives the one before
    CFrame stranger;
    EXPECT_EQ(a.DeleteFrame(&stranger), a.firstFrame.get());
    EXPECT_EQ(a.DeleteFrame(user), user); // the only frame stays
    EXPECT_EQ(a.TotalFrames(), 1);
}

TEST(AnimationTest, FrameCountsMastersAndAnimationState)
{
    CAnimation a;
    EXPECT_FALSE(a.IsAnimated());
    CFrame* master = a.AppendFrame();
    master->masterFrame = 1;
    EXPECT_EQ(a.FrameCount(FrameKind::Normal), 1);
    EXPECT_EQ(a.FrameCount(FrameKind::Master), 1);
    EXPECT_FALSE(a.IsAnimated());
    a.AppendFrame();
    EXPECT_EQ(a.FrameCount(FrameKind::Normal), 2);
    EXPECT_TRUE(a.IsAnimated());
}

TEST(AnimationTest, FindFrameByStoredId)
{
    CAnimation a;
    a.AppendFrame()->storedId = 77;
    a.AppendFrame()->storedId = 77;
    EXPECT_EQ(a.FindFrameByStoredId(77), a.FrameAt(1));
    EXPECT_EQ(a.FindFrameByStoredId(5), nullptr);
}

TEST(AnimationTest, FitCanvasToContentCentresTheContentOnTheNewCanvas)
{
    CAnimation a;
    a.firstFrame->AppendObject(solid(100, 200, 30, 10, 0x000000FF));
    a.AppendFrame()->AppendObject(solid(120, 190, 30, 10, 0x0000FF00));
    // Union (100, 190)–(150, 210): 50 × 20.
    EXPECT_EQ(a.Bounds(), (LayerRect{100, 190, 150, 210}));
    a.FitCanvasToContent();
    EXPECT_EQ(a.canvasRect, (LayerRect{575, 590, 625, 610}));
    EXPECT_EQ(a.Bounds(), a.canvasRect);
    EXPECT_EQ(a.firstFrame->image.GetPixel(0, 10), 0x000000FFu);
    EXPECT_EQ(a.firstFrame->image.GetPixel(49, 0), 0x00FFFFFFu);

    CAnimation b;
    b.firstFrame->AppendObject(solid(10, 10, 7, 3, 0));
    b.AppendFrame()->AppendObject(solid(900, 900, 100, 100, 0));
    b.FitCanvasToContent(b.firstFrame.get()); // one frame's content decides
    EXPECT_EQ(b.canvasSize, (LayerRect{0, 0, 7, 3}));
    EXPECT_EQ(b.firstFrame->ObjectAt(0)->rect, b.canvasRect);

    CAnimation empty;
    empty.FitCanvasToContent();
    EXPECT_EQ(empty.width(), 468);
}

TEST(AnimationTest, RenderAllFramesRendersABackdropBeforeItsUsers)
{
    CAnimation a;
    CFrame* user = a.firstFrame.get();
    CFrame* back = a.AppendFrame();
    user->SetBackgroundFrame(back);
    back->AppendObject(solid(366, 570, 4, 4, 0x00ABCDEF));
    // The user frame comes first in the list, yet shows the backdrop's new object.
    CLayerObject* glass = user->AppendObject(solid(366, 570, 4, 4, 0xFF000000));
    a.RenderAllFrames();
    EXPECT_EQ(user->image.GetPixel(1, 1), 0x00ABCDEFu);
    EXPECT_EQ(glass->composite.GetPixel(1, 1), 0x00ABCDEFu);
}
