#include "model/animation.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lw;
using lwtest::solid;

namespace {

// The objects of a list bottom-up, by their colour.
std::vector<std::uint32_t> order(const CLayerList& list)
{
    std::vector<std::uint32_t> colours;
    for (const CLayerObject* o = list.head.get(); o; o = o->next.get())
        colours.push_back(static_cast<const lwtest::SolidObject*>(o)->colour);
    return colours;
}

// A frame with objects coloured 1…n, each 10 × 10, side by side.
void fill(CFrame& f, int n)
{
    for (int i = 1; i <= n; ++i)
        f.AppendObject(solid(400 + 10 * i, 580, 10, 10, static_cast<std::uint32_t>(i)));
}

bool linksConsistent(const CLayerList& list)
{
    const CLayerObject* below = nullptr;
    for (const CLayerObject* o = list.head.get(); o; o = o->next.get()) {
        if (o->prev != below)
            return false;
        below = o;
    }
    return list.tail == below;
}

} // namespace

TEST(LayerListTest, SelectionQueries)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    fill(f, 4);
    EXPECT_EQ(f.CountSelected(), 0);
    EXPECT_EQ(f.CommonSelectedType(), 0);
    EXPECT_EQ(f.SelectAll(), 4);
    EXPECT_EQ(f.CommonSelectedType(), kTypeRectangle);
    f.ObjectAt(2)->type = kTypeEllipse;
    EXPECT_EQ(f.CommonSelectedType(), 0);
    f.SelectNone();
    f.ObjectAt(1)->selected = 1;
    f.ObjectAt(3)->selected = 1;
    EXPECT_EQ(f.CountSelected(), 2);
    EXPECT_EQ(f.NthSelected(0), f.ObjectAt(1));
    EXPECT_EQ(f.NthSelected(1), f.ObjectAt(3));
    EXPECT_EQ(f.NthSelected(2), nullptr);
    EXPECT_EQ(f.Bounds(true), (LayerRect{420, 580, 450, 590}));
    EXPECT_EQ(f.Bounds(), (LayerRect{410, 580, 450, 590}));
}

TEST(LayerListTest, BringToFrontAndSendToBackKeepRelativeOrder)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    fill(f, 5);
    f.ObjectAt(0)->selected = 1;
    f.ObjectAt(2)->selected = 1;
    f.BringSelectedToFront();
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{2, 4, 5, 1, 3}));
    EXPECT_TRUE(linksConsistent(f));
    f.SelectNone();
    f.ObjectAt(2)->selected = 1; // 5
    f.ObjectAt(4)->selected = 1; // 3
    f.SendSelectedToBack();
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{5, 3, 2, 4, 1}));
    EXPECT_TRUE(linksConsistent(f));
}

TEST(LayerListTest, InsertAtBottomReplaceAndDelete)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    fill(f, 3);
    CLayerObject* bottom = f.InsertAtBottom(solid(0, 0, 1, 1, 9));
    EXPECT_EQ(bottom->selected, 1);
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{9, 1, 2, 3}));
    std::unique_ptr<CLayerObject> old = f.ReplaceObject(f.ObjectAt(2), solid(0, 0, 1, 1, 7));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{9, 1, 7, 3}));
    EXPECT_TRUE(linksConsistent(f));
    f.ObjectAt(3)->selected = 1;
    f.DeleteSelected();
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{1, 7}));
    EXPECT_TRUE(linksConsistent(f));
    EXPECT_EQ(f.AppendObject(nullptr), nullptr);
    EXPECT_EQ(f.ObjectCount(), 2);
}

TEST(LayerListTest, MovingTheSelectionStopsAtTheWorkspaceEdges)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.AppendObject(solid(100, 100, 50, 20, 1))->selected = 1;
    f.AppendObject(solid(300, 150, 20, 20, 2))->selected = 1;
    f.AppendObject(solid(500, 500, 20, 20, 3));
    f.MoveSelected(-500, -500);
    EXPECT_EQ(f.ObjectAt(0)->rect, (LayerRect{0, 0, 50, 20}));
    EXPECT_EQ(f.ObjectAt(1)->rect, (LayerRect{200, 50, 220, 70}));
    f.MoveSelected(5000, 5000);
    EXPECT_EQ(f.ObjectAt(1)->rect.right, 1200);
    EXPECT_EQ(f.ObjectAt(1)->rect.bottom, 1200);
    EXPECT_EQ(f.ObjectAt(0)->rect, (LayerRect{980, 1130, 1030, 1150}));
    EXPECT_EQ(f.ObjectAt(2)->rect, (LayerRect{500, 500, 520, 520})); // not selected
    f.MoveObjectTo(f.ObjectAt(2), 10, 20);
    EXPECT_EQ(f.ObjectAt(2)->position, (LayerPoint{10, 20}));
    f.MoveObjectBy(f.ObjectAt(2), 5, 5);
    f.MoveAll(1, 1);
    EXPECT_EQ(f.ObjectAt(2)->rect, (LayerRect{16, 26, 36, 46}));
}

TEST(LayerListTest, MovingUpdatesTheCompositesAbove)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    CLayerObject* bottom = f.AppendObject(solid(400, 580, 10, 10, 0x000000FF));
    CLayerObject* top = f.AppendObject(solid(400, 580, 10, 10, 0xFF000000)); // transparent
    EXPECT_EQ(top->composite.GetPixel(0, 0), 0x000000FFu);
    f.MoveObjectBy(bottom, 5, 0);
    EXPECT_EQ(top->composite.GetPixel(0, 0), 0x00FFFFFFu); // canvas background now
    EXPECT_EQ(top->composite.GetPixel(5, 0), 0x000000FFu);
}

TEST(LayerListTest, StructuralUndoRestoresTheListAsItWas)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    fill(f, 3);
    f.ObjectAt(1)->animationEffect = {11, 2, 3};
    EXPECT_FALSE(f.CanUndo());
    f.BeginStructuralEdit();
    EXPECT_TRUE(f.CanUndo());
    f.ObjectAt(0)->selected = 1;
    f.ObjectAt(1)->selected = 1;
    f.DeleteSelected();
    f.AppendObject(solid(0, 0, 2, 2, 8));
    EXPECT_EQ(order(f), (std::vector<std::uint32_t>{3, 8}));
    f.Cancel();
    EXPECT_FALSE(f.CanUndo());
    ASSERT_EQ(f.ObjectCount(), 3);
    EXPECT_EQ(f.ObjectAt(0)->rect, (LayerRect{410, 580, 420, 590}));
    EXPECT_EQ(f.ObjectAt(1)->ownImage.GetPixel(0, 0), 2u);
    EXPECT_EQ(f.ObjectAt(2)->composite.GetPixel(9, 9), 3u);
    EXPECT_EQ(f.ObjectAt(1)->animationEffect, (EffectAssignment{11, 2, 3}));
    EXPECT_TRUE(linksConsistent(f));

    f.BeginStructuralEdit();
    f.SelectAll();
    f.DeleteSelected();
    f.Commit();
    EXPECT_FALSE(f.CanUndo());
    EXPECT_EQ(f.ObjectCount(), 0);
}

TEST(LayerListTest, StructuralUndoOfAnEmptyFrameStillUndoes)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.BeginStructuralEdit();
    f.AppendObject(solid(0, 0, 2, 2, 8));
    EXPECT_TRUE(f.CanUndo());
    f.Cancel();
    EXPECT_EQ(f.ObjectCount(), 0);
}

TEST(LayerListTest, PlainUndoRestoresOnlyTheObjectsBeingEdited)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    fill(f, 2);
    CLayerObject* edited = f.ObjectAt(0);
    CLayerObject* other = f.ObjectAt(1);
    edited->BeginEdit();
    EXPECT_TRUE(f.CanUndo());
    edited->MoveTo(0, 0);
    other->MoveTo(5, 5); // moved without an edit: stays
    f.Cancel();
    EXPECT_EQ(edited->rect, (LayerRect{410, 580, 420, 590}));
    EXPECT_EQ(other->rect, (LayerRect{5, 5, 15, 15}));
    EXPECT_FALSE(f.CanUndo());

    edited->BeginEdit();
    edited->MoveTo(1, 1);
    f.Commit();
    EXPECT_FALSE(f.CanUndo());
    f.Cancel();
    EXPECT_EQ(edited->rect.left, 1);
}

TEST(LayerListTest, LongListsAreFreedWithoutRecursion)
{
    auto a = std::make_unique<CAnimation>();
    CFrame& f = *a->firstFrame;
    // Appending updates one composite each; keep the objects tiny.
    for (int i = 0; i < 50000; ++i) {
        auto o = solid(0, 0, 1, 1, 0);
        CLayerObject* raw = o.get();
        raw->prev = f.tail;
        (f.tail ? f.tail->next : f.head) = std::move(o);
        f.tail = raw;
    }
    EXPECT_EQ(f.ObjectCount(), 50000);
    a.reset();
    SUCCEED();
}

TEST(LayerListTest, HugeMovesAreClampedToo)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.AppendObject(solid(100, 100, 10, 10, 1))->selected = 1;
    f.MoveSelected(0x7FFFFFFF, -0x7FFFFFFF - 1);
    EXPECT_EQ(f.ObjectAt(0)->rect, (LayerRect{1190, 0, 1200, 10}));
}
