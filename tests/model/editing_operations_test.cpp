// Canvas changes, layer placement and sizing, duplication, clones across frames and frame timing.
#include "model/animation.h"
#include "model/canvas_resize.h"
#include "model/clone_frames.h"
#include "model/clone_object.h"
#include "model/document_limits.h"
#include "model/frame_timing.h"
#include "model/layer_duplicate.h"
#include "model/layer_placement.h"
#include "model/layer_sizing.h"
#include "model/rect_object.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace lw;
using lwtest::solid;

namespace {

CLayerObject* add(CFrame& frame, int x, int y, int w, int h, bool selected = true)
{
    CLayerObject* o = frame.AppendObject(solid(x, y, w, h, 0xFF0000));
    o->selected = selected ? 1 : 0;
    return o;
}

} // namespace

TEST(CanvasResizeTest, ScaleMovesEveryLayerOfEveryFrameWithTheCanvas)
{
    CAnimation a; // 468 × 60 at (366, 570)
    CLayerObject* first = add(*a.firstFrame, 366, 570, 100, 30);
    CLayerObject* second = add(*a.AppendFrame(), 366 + 234, 570 + 30, 234, 30);
    ASSERT_TRUE(ScaleToCanvas(a, 234, 120)); // half as wide, twice as high, at (483, 540)
    EXPECT_EQ(a.canvasRect, (LayerRect{483, 540, 717, 660}));
    EXPECT_EQ(first->rect, (LayerRect{483, 540, 483 + 50, 540 + 60}));
    EXPECT_EQ(second->rect, (LayerRect{483 + 117, 540 + 60, 717, 660}));
    EXPECT_EQ(second->position, (LayerPoint{483 + 117, 540 + 60}));
}

TEST(CanvasResizeTest, ScaleKeepsTinyLayersAndRefusesBadSizes)
{
    CAnimation a;
    CLayerObject* dot = add(*a.firstFrame, 400, 580, 1, 1);
    ASSERT_TRUE(ScaleToCanvas(a, 10, 10));
    EXPECT_EQ(dot->width(), 1);
    EXPECT_EQ(dot->height(), 1);
    for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {1201, 10}, {-5, 5}}) {
        EXPECT_FALSE(ScaleToCanvas(a, w, h)) << w << "x" << h;
        EXPECT_EQ(a.width(), 10);
    }
}

TEST(CanvasResizeTest, GrownSizeLabelClampsEachSide)
{
    struct Case {
        int w, h;
        EdgeAmounts grow;
        CanvasSize size;
    } cases[] = {
        {468, 60, {0, 0, 0, 0}, {468, 60}},     {468, 60, {10, 5, 20, 5}, {498, 70}},
        {468, 60, {-300, 0, -300, 0}, {1, 60}}, {468, 60, {500, 0, 500, 2000}, {1200, 1200}},
        {100, 100, {-50, -60, 0, 0}, {50, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grownCanvasSize(c.w, c.h, c.grow), c.size) << c.grow.left << " " << c.grow.bottom;
}

TEST(CanvasResizeTest, GrowingKeepsLayersInPlaceOnTheCanvas)
{
    CAnimation a;
    CLayerObject* o = add(*a.firstFrame, 376, 580, 20, 10); // (10, 10) on the canvas
    ASSERT_TRUE(GrowCanvas(a, {20, 10, 0, 0}));
    EXPECT_EQ(a.width(), 488);
    EXPECT_EQ(a.height(), 70);
    EXPECT_EQ(o->rect.left - a.canvasRect.left, 30);
    EXPECT_EQ(o->rect.top - a.canvasRect.top, 20);
}

TEST(CanvasResizeTest, GrowingClampsEdgesToTheWorkspaceMarginAndRefusesNothing)
{
    CAnimation a;
    CLayerObject* o = add(*a.firstFrame, 366, 570, 10, 10); // at the canvas corner
    ASSERT_TRUE(GrowCanvas(a, {1000, 0, 1000, 0}));
    EXPECT_EQ(a.width(), 1184 - 16);
    // The old corner was 366 − 16 = 350 from the new left edge.
    EXPECT_EQ(o->rect.left - a.canvasRect.left, 350);
    EXPECT_FALSE(GrowCanvas(a, {0, -100, 0, -100}));
    EXPECT_EQ(a.height(), 60);
}

TEST(CanvasResizeTest, CountsForetoldMatchTheDocumentAfterward)
{
    for (const auto& [scale, grow] : {std::pair{CanvasSize{936, 120}, EdgeAmounts{10, 0, 30, 5}},
                                      {CanvasSize{3, 1}, EdgeAmounts{-400, 0, 0, -59}},
                                      {CanvasSize{0, 50}, EdgeAmounts{0, -100, 0, -100}},
                                      {CanvasSize{1200, 1200}, EdgeAmounts{2000, 2000, 2000, 2000}}}) {
        CAnimation a;
        add(*a.firstFrame, 366, 570, 100, 30);
        add(*a.AppendFrame(), 700, 590, 3, 1);
        const std::int64_t scaled = PixelsAfterScale(a, scale.width, scale.height);
        ScaleToCanvas(a, scale.width, scale.height);
        EXPECT_EQ(DocumentPixels(a), scaled) << scale.width;
        const std::int64_t grown = PixelsAfterGrow(a, grow);
        GrowCanvas(a, grow);
        EXPECT_EQ(DocumentPixels(a), grown) << grow.left;
    }
}

TEST(LayerSizingTest, GrowLayerClampsAndFills)
{
    CAnimation a;
    CLayerObject* o = add(*a.firstFrame, 20, 400, 40, 40);
    ASSERT_TRUE(GrowLayer(*a.firstFrame, *o, {10, 5, 5, -10}, 0));
    EXPECT_EQ(o->rect, (LayerRect{16, 395, 65, 430}));
    EXPECT_FALSE(GrowLayer(*a.firstFrame, *o, {0, 0, -100, 0}, 0));
    EXPECT_EQ(o->rect, (LayerRect{16, 395, 65, 430}));
}

TEST(LayerSizingTest, ImageSizeKeepsTheCentre)
{
    CAnimation a;
    CLayerObject* o = add(*a.firstFrame, 400, 580, 40, 20); // centre (420, 590)
    ASSERT_TRUE(ResizeKeepingCentre(*a.firstFrame, *o, 11, 6));
    EXPECT_EQ(o->rect, (LayerRect{415, 587, 426, 593}));
    EXPECT_FALSE(ResizeKeepingCentre(*a.firstFrame, *o, 0, 6));
    CLayerObject stray;
    EXPECT_FALSE(ResizeKeepingCentre(*a.firstFrame, stray, 5, 5));
}

TEST(LayerSizingTest, LinkedFieldsTruncate)
{
    EXPECT_EQ(linkedHeight(100, 300, 200), 66);
    EXPECT_EQ(linkedWidth(100, 300, 200), 150);
    EXPECT_EQ(linkedWidth(7, 3, 2), 10);
    EXPECT_EQ(linkedHeight(5, 0, 9), 9);
}

TEST(LayerPlacementTest, AlignBottomToTheFrameWithAMargin)
{
    CAnimation a; // canvas bottom 630
    CLayerObject* p = add(*a.firstFrame, 400, 575, 10, 10);
    CLayerObject* q = add(*a.firstFrame, 450, 590, 10, 20);
    CLayerObject* r = add(*a.firstFrame, 500, 580, 10, 10, false);
    AlignSelected(*a.firstFrame, {HorizontalAlign::None, VerticalAlign::Bottom, true, 4});
    EXPECT_EQ(p->rect.bottom, 626);
    EXPECT_EQ(q->rect.bottom, 626);
    EXPECT_EQ(p->rect.left, 400);
    EXPECT_EQ(r->rect.bottom, 590);
}

TEST(LayerPlacementTest, AlignWithinTheSelectionBounds)
{
    struct Case {
        AlignSettings s;
        LayerPoint p, q;
    } cases[] = {
        {{HorizontalAlign::Left, VerticalAlign::Top, false, 99}, {400, 580}, {400, 580}},
        {{HorizontalAlign::Right, VerticalAlign::None, false, 0}, {440, 580}, {430, 600}},
        {{HorizontalAlign::Centre, VerticalAlign::Middle, false, 0}, {420, 595}, {415, 590}},
    };
    for (const Case& c : cases) {
        CAnimation a;
        CLayerObject* p = add(*a.firstFrame, 400, 580, 10, 10); // bounds (400, 580)–(450, 620)
        CLayerObject* q = add(*a.firstFrame, 430, 600, 20, 20);
        AlignSelected(*a.firstFrame, c.s);
        EXPECT_EQ(p->position, c.p);
        EXPECT_EQ(q->position, c.q);
    }
}

TEST(LayerPlacementTest, CentreStretchAndMove)
{
    CAnimation a; // canvas (366, 570)–(834, 630), middle (600, 600)
    CLayerObject* p = add(*a.firstFrame, 10, 10, 10, 10);
    CLayerObject* q = add(*a.firstFrame, 30, 10, 10, 30);
    CentreSelectedOnCanvas(*a.firstFrame);
    EXPECT_EQ(a.firstFrame->Bounds(true), (LayerRect{585, 585, 615, 615}));
    EXPECT_EQ(q->rect.left - p->rect.left, 20);

    ASSERT_TRUE(StretchFirstSelectedToCanvas(*a.firstFrame));
    EXPECT_EQ(p->rect, a.canvasRect);
    EXPECT_EQ(q->rect, (LayerRect{605, 585, 615, 615}));

    p->selected = 0;
    MoveSelectedToward(*a.firstFrame, MoveDirection::Up, 5);
    MoveSelectedToward(*a.firstFrame, MoveDirection::Left, 7);
    EXPECT_EQ(q->position, (LayerPoint{598, 580}));
    MoveSelectedToward(*a.firstFrame, MoveDirection::Down, 5000);
    EXPECT_EQ(q->rect.bottom, kWorkspaceSize);
    MoveSelectedToward(*a.firstFrame, MoveDirection::Right, 3);
    EXPECT_EQ(q->position.x, 601);

    q->selected = 0;
    EXPECT_FALSE(StretchFirstSelectedToCanvas(*a.firstFrame));
}

TEST(LayerDuplicateTest, ThreeCopiesStepTenAndOnlyTheLastIsSelected)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    auto o = std::make_unique<CRectObject>();
    o->style.style = kRectSolid;
    o->Resize({400, 580, 420, 590});
    f.AppendObject(std::move(o))->selected = 1;
    EXPECT_EQ(DuplicateSelected(f, {10, 10, 3}), 3);
    ASSERT_EQ(f.ObjectCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.ObjectAt(i)->rect.left, 400 + 10 * i);
        EXPECT_EQ(f.ObjectAt(i)->rect.top, 580 + 10 * i);
        EXPECT_EQ(f.ObjectAt(i)->selected != 0, i == 3);
    }
    f.SelectNone();
    EXPECT_EQ(DuplicateSelected(f, {10, 10, 3}), 0);
    EXPECT_EQ(f.ObjectCount(), 4);
}

TEST(CloneFramesTest, TargetsMarkFramesHoldingAClone)
{
    CAnimation a;
    CLayerObject* source = add(*a.firstFrame, 400, 580, 10, 10);
    CFrame* second = a.AppendFrame();
    CFrame* third = a.AppendFrame();
    third->AppendObject(std::make_unique<CCloneObject>(source));
    auto targets = CloneTargets(a, *a.firstFrame, source);
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(targets[0].frame, second);
    EXPECT_FALSE(targets[0].holdsClone);
    EXPECT_EQ(targets[1].frame, third);
    EXPECT_TRUE(targets[1].holdsClone);

    // Flip both marks: the second gains a clone, the third loses its own.
    targets[0].holdsClone = true;
    targets[1].holdsClone = false;
    EXPECT_EQ(ApplyCloneTargets(a, *source, targets), 2);
    EXPECT_TRUE(FrameHoldsCloneOf(*second, source));
    EXPECT_FALSE(FrameHoldsCloneOf(*third, source));
    EXPECT_EQ(third->ObjectCount(), 0);
    EXPECT_EQ(second->ObjectAt(0)->rect, source->rect);
    // Applying the same marks again changes nothing.
    EXPECT_EQ(ApplyCloneTargets(a, *source, CloneTargets(a, *a.firstFrame, source)), 0);
    EXPECT_EQ(second->ObjectCount(), 1);
}

TEST(CloneFramesTest, AClonesOwnFrameOrAForeignSourceIsLeftAlone)
{
    CAnimation a;
    CLayerObject* source = add(*a.firstFrame, 400, 580, 10, 10);
    CFrame* second = a.AppendFrame();
    EXPECT_EQ(ApplyCloneTargets(a, *source, {{a.firstFrame.get(), true}}), 0);
    EXPECT_EQ(a.firstFrame->ObjectCount(), 1);
    CLayerObject stray;
    EXPECT_EQ(ApplyCloneTargets(a, stray, {{second, true}}), 0);
    EXPECT_EQ(second->ObjectCount(), 0);
}

TEST(FrameTimingTest, SecondsBecomeTruncatedHundredths)
{
    struct Case {
        double seconds;
        std::optional<int> hundredths;
    } cases[] = {
        {0.015, 1},
        {1.0, 100},
        {0.999, 99},
        {0, 0},
        {655.35, 65535},
        {655.36, std::nullopt},
        {-0.01, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(delayFromSeconds(c.seconds), c.hundredths) << c.seconds;
}

TEST(FrameTimingTest, DelayForOneOrAllFrames)
{
    CAnimation a;
    CFrame* second = a.AppendFrame();
    SetFrameDelay(a, *second, 1, false);
    EXPECT_EQ(second->delay, 1);
    EXPECT_EQ(a.firstFrame->delay, 100);
    SetFrameDelay(a, *second, 7, true);
    EXPECT_EQ(a.firstFrame->delay, 7);
    EXPECT_EQ(second->delay, 7);
}

TEST(FrameTimingTest, BecomingAMasterAddsFramesBackedByIt)
{
    CAnimation a;
    CFrame* last = a.AppendFrame();
    CFrame& master = *a.firstFrame;
    EXPECT_EQ(ToggleMasterFrame(a, master, 1, 100), 1);
    EXPECT_EQ(master.masterFrame, 1);
    ASSERT_EQ(a.TotalFrames(), 3);
    CFrame* added = a.FrameAt(1);
    EXPECT_EQ(added->backgroundFrame, &master);
    EXPECT_EQ(added->masterFrame, 0);
    EXPECT_EQ(added->delay, 100);
    EXPECT_EQ(a.FrameAt(2), last);
    EXPECT_EQ(a.FrameCount(FrameKind::Normal), 2);
    // Toggling back adds nothing and leaves the backed frames as they are.
    EXPECT_EQ(ToggleMasterFrame(a, master, 5, 100), 0);
    EXPECT_EQ(master.masterFrame, 0);
    EXPECT_EQ(a.TotalFrames(), 3);
}
