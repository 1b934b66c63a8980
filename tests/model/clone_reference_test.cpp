#include "model/animation.h"
#include "model/clone_object.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::solid;
using lwtest::TestClone;

namespace {

TestClone* addClone(CFrame& f, CLayerObject* source)
{
    return static_cast<TestClone*>(f.AppendObject(std::make_unique<TestClone>(source)));
}

} // namespace

TEST(CloneReferenceTest, CloneShowsItsRecolouredSourceOnTheNextCompositeUpdate)
{
    CAnimation a;
    auto* source =
        static_cast<lwtest::SolidObject*>(a.firstFrame->AppendObject(solid(400, 580, 5, 5, 0x000000FF)));
    CFrame& second = *a.AppendFrame();
    TestClone* clone = addClone(second, source);
    clone->MoveTo(500, 590);
    second.UpdateAllComposites();
    EXPECT_EQ(clone->composite.GetPixel(2, 2), 0x000000FFu);
    source->Repaint(0x0000FF00);
    second.UpdateAllComposites();
    second.Render();
    EXPECT_EQ(clone->composite.GetPixel(2, 2), 0x0000FF00u);
    EXPECT_EQ(second.image.GetPixel(500 - 366 + 2, 590 - 570 + 2), 0x0000FF00u);
}

TEST(CloneReferenceTest, ObjectAtAndReferenceAreInverse)
{
    CAnimation a;
    a.firstFrame->AppendObject(solid(0, 0, 1, 1, 1));
    CFrame& second = *a.AppendFrame();
    second.AppendObject(solid(0, 0, 1, 1, 2));
    CLayerObject* o = second.AppendObject(solid(0, 0, 1, 1, 3));
    EXPECT_EQ(a.ReferenceOf(o), 0x00010001u);
    EXPECT_EQ(a.ObjectAt(1, 1), o);
    EXPECT_EQ(a.ObjectAt(1, 2), nullptr);
    EXPECT_EQ(a.ObjectAt(2, 0), nullptr);
    auto stray = solid(0, 0, 1, 1, 4);
    EXPECT_EQ(a.ReferenceOf(stray.get()), 0xFFFFFFFFu);
    EXPECT_FALSE(a.ContainsObject(stray.get()));
    EXPECT_TRUE(a.ContainsObject(o));
}

TEST(CloneReferenceTest, CloneOfADeletedSourceDisappearsBeforeASave)
{
    CAnimation a;
    CFrame& first = *a.firstFrame;
    CLayerObject* doomed = first.AppendObject(solid(400, 580, 5, 5, 1));
    CLayerObject* kept = first.AppendObject(solid(420, 580, 5, 5, 2));
    CFrame& second = *a.AppendFrame();
    addClone(second, doomed);
    TestClone* survivor = addClone(second, kept);
    // An earlier frame holds a clone of an object that lies above the orphan.
    TestClone* late = addClone(first, nullptr);
    late->source = second.AppendObject(solid(0, 0, 2, 2, 3));

    doomed->selected = 1;
    first.DeleteSelected();
    a.PrepareCloneReferences();
    ASSERT_EQ(second.ObjectCount(), 2);
    EXPECT_EQ(second.ObjectAt(0), survivor);
    EXPECT_EQ(survivor->sourceRef, 0x00000000u); // kept is now object 0 of frame 0
    EXPECT_EQ(late->sourceRef, 0x00010001u);     // counted after the orphan went
}

TEST(CloneReferenceTest, ReferencesResolveAfterALoadAndUnknownOnesAreDropped)
{
    CAnimation a;
    CFrame& first = *a.firstFrame;
    CLayerObject* s0 = first.AppendObject(solid(0, 0, 1, 1, 1));
    CFrame& second = *a.AppendFrame();
    TestClone* bad = addClone(second, nullptr);
    bad->sourceRef = 0x00050000; // no frame 5
    TestClone* good = addClone(second, nullptr);
    good->sourceRef = 0x00010002; // second frame, object 2 as read (above both clones)
    CLayerObject* s1 = second.AppendObject(solid(0, 0, 1, 1, 2));
    TestClone* first0 = addClone(first, nullptr);
    first0->sourceRef = 0;
    TestClone* ofClone = addClone(first, nullptr);
    ofClone->sourceRef = 0x00000001; // a clone: never a source
    a.ResolveCloneReferences();
    EXPECT_EQ(good->source, s1);
    EXPECT_EQ(first0->source, s0);
    EXPECT_EQ(second.ObjectCount(), 2);
    EXPECT_EQ(first.ObjectCount(), 2);
    EXPECT_EQ(first.ObjectAt(1), first0);
}

TEST(CloneReferenceTest, ClonesFollowUndoCopiesAndNeverDangle)
{
    CAnimation a;
    CFrame& first = *a.firstFrame;
    CLayerObject* source = first.AppendObject(solid(400, 580, 5, 5, 0x00FF0000));
    CFrame& second = *a.AppendFrame();
    TestClone* clone = addClone(second, source);

    first.BeginStructuralEdit();
    source->selected = 1;
    first.DeleteSelected();
    ASSERT_NE(clone->source, nullptr); // follows the undo copy while the edit can be undone
    first.Cancel();
    EXPECT_EQ(clone->source, first.ObjectAt(0));
    EXPECT_EQ(a.ReferenceOf(clone->source), 0u);

    first.BeginStructuralEdit();
    first.SelectAll();
    first.DeleteSelected();
    first.Commit();
    EXPECT_EQ(clone->source, nullptr);
    second.UpdateAllComposites(); // keeps its last pixels
    EXPECT_EQ(clone->composite.GetPixel(0, 0), 0x00FF0000u);

    CLayerObject* again = first.AppendObject(solid(400, 580, 5, 5, 1));
    clone->source = again;
    std::unique_ptr<CLayerObject> replaced = first.ReplaceObject(again, solid(400, 580, 5, 5, 2));
    EXPECT_EQ(clone->source, first.ObjectAt(0));
    a.DeleteFrame(&first);
    EXPECT_EQ(clone->source, nullptr);
}

TEST(CloneReferenceTest, RemoveFirstCloneAndRetarget)
{
    CAnimation a;
    CLayerObject* x = a.firstFrame->AppendObject(solid(0, 0, 1, 1, 1));
    CLayerObject* y = a.firstFrame->AppendObject(solid(0, 0, 1, 1, 2));
    CFrame& second = *a.AppendFrame();
    addClone(second, x);
    TestClone* c2 = addClone(second, x);
    a.RetargetClones(x, y);
    EXPECT_EQ(c2->source, y);
    EXPECT_TRUE(a.RemoveFirstCloneOf(second, y));
    EXPECT_EQ(second.ObjectCount(), 1);
    EXPECT_EQ(second.ObjectAt(0), c2);
    EXPECT_FALSE(a.RemoveFirstCloneOf(second, x));
}

TEST(CloneReferenceTest, CloneTakesANewSourceSizeWithoutLosingItsBackdrop)
{
    CAnimation a;
    auto* source =
        static_cast<lwtest::SolidObject*>(a.firstFrame->AppendObject(solid(400, 580, 4, 4, 0x80000000u)));
    CFrame& second = *a.AppendFrame();
    TestClone* clone = addClone(second, source);
    source->ResizeImages(8, 6);
    source->Repaint(0x80000000u);
    second.UpdateAllComposites();
    EXPECT_EQ(clone->rect, (LayerRect{400, 580, 408, 586}));
    // Half black over the white canvas: (0 * 127 + 255 * 128) / 255 in every channel.
    EXPECT_EQ(clone->composite.GetPixel(7, 5), 0x00808080u);
}

namespace {

lw::CCloneObject* addLiveClone(CFrame& f, CLayerObject* source, int x, int y)
{
    auto* clone = static_cast<lw::CCloneObject*>(f.AppendObject(std::make_unique<lw::CCloneObject>(source)));
    clone->MoveTo(x, y);
    clone->introEffect = {1, 2, 3};
    clone->outroEffect = {4, 5, 6};
    clone->animationEffect = {7, 8, 9};
    return clone;
}

// After the undo the frame's clone must still be a clone of `source`, with its place and effects,
// follow a recolouring and be saved as a clone record.
void expectLiveClone(CAnimation& a, CFrame& frame, int index, CLayerObject* source, int x, int y)
{
    CLayerObject* restored = frame.ObjectAt(index);
    ASSERT_NE(restored, nullptr);
    ASSERT_TRUE(restored->IsClone());
    EXPECT_EQ(restored->CloneSource(), source);
    EXPECT_EQ(restored->rect.left, x);
    EXPECT_EQ(restored->rect.top, y);
    EXPECT_EQ(restored->introEffect, (lw::EffectAssignment{1, 2, 3}));
    EXPECT_EQ(restored->outroEffect, (lw::EffectAssignment{4, 5, 6}));
    EXPECT_EQ(restored->animationEffect, (lw::EffectAssignment{7, 8, 9}));
    // The source may itself be an undo copy (a bitmap), so it is recoloured through its pixels.
    source->ownImage.FillRect(0x0000FF00);
    frame.UpdateAllComposites();
    EXPECT_EQ(restored->composite.GetPixel(1, 1), 0x0000FF00u);
    a.PrepareCloneReferences();
    const auto record = restored->WriteRecord();
    EXPECT_EQ(std::string(record.begin(), record.begin() + 4), "CLON");
    EXPECT_EQ(restored->CloneSourceRef(), a.ReferenceOf(source));
}

} // namespace

TEST(CloneUndo, DeleteThenUndoGivesBackLiveClones)
{
    // Three deletions undone: an unrelated layer, the source itself, the clone itself.
    for (int doomedIndex : {1, 0, 2}) {
        SCOPED_TRACE(doomedIndex);
        CAnimation a;
        CFrame& f = *a.firstFrame;
        f.AppendObject(solid(400, 580, 5, 5, 0x00FF0000));
        f.AppendObject(solid(420, 580, 5, 5, 0x000000FF));
        addLiveClone(f, f.ObjectAt(0), 440, 585);
        f.BeginStructuralEdit();
        f.ObjectAt(doomedIndex)->selected = 1;
        f.DeleteSelected();
        f.Cancel();
        ASSERT_EQ(f.ObjectCount(), 3);
        expectLiveClone(a, f, 2, f.ObjectAt(0), 440, 585);
    }
}

TEST(CloneUndo, UndoneClonesFollowSourcesOnOtherFrames)
{
    CAnimation a;
    CFrame& first = *a.firstFrame;
    CLayerObject* source = first.AppendObject(solid(400, 580, 5, 5, 0x00FF0000));
    CFrame& second = *a.AppendFrame();
    addLiveClone(second, source, 450, 590);
    second.BeginStructuralEdit();
    second.SelectAll();
    second.DeleteSelected();
    second.Cancel();
    ASSERT_EQ(second.ObjectCount(), 1);
    expectLiveClone(a, second, 0, source, 450, 590);
}

TEST(CloneUndo, AnUndoCopyNeverKeepsASourceThatIsGone)
{
    // The clone's frame holds an undo copy while its source's frame deletes the source for good:
    // the undone clone has no source rather than a dangling one (the sanitizer build checks).
    CAnimation a;
    CFrame& first = *a.firstFrame;
    CLayerObject* source = first.AppendObject(solid(400, 580, 5, 5, 0x00FF0000));
    CFrame& second = *a.AppendFrame();
    addLiveClone(second, source, 450, 590);
    second.BeginStructuralEdit();
    second.SelectAll();
    second.DeleteSelected();

    first.BeginStructuralEdit();
    first.SelectAll();
    first.DeleteSelected();
    first.Commit();

    second.Cancel();
    ASSERT_EQ(second.ObjectCount(), 1);
    EXPECT_TRUE(second.ObjectAt(0)->IsClone());
    EXPECT_EQ(second.ObjectAt(0)->CloneSource(), nullptr);
    second.UpdateAllComposites();
    a.PrepareCloneReferences(); // the orphan goes before a save
    EXPECT_EQ(second.ObjectCount(), 0);

    // Deleting the source and undoing that brings the source and its clone's link back together.
    CLayerObject* again = first.AppendObject(solid(400, 580, 5, 5, 0x00FF0000));
    addLiveClone(second, again, 450, 590);
    second.BeginStructuralEdit();
    second.SelectAll();
    second.DeleteSelected();
    first.BeginStructuralEdit();
    first.SelectAll();
    first.DeleteSelected();
    first.Cancel();
    second.Cancel();
    expectLiveClone(a, second, 0, first.ObjectAt(0), 450, 590);
}
