// The model's list, undo and reference rules with the real object kinds.
#include "model/animation.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/rect_object.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

CRectObject* addSolidRect(CFrame& f, LayerRect r, std::uint32_t colour)
{
    auto o = std::make_unique<CRectObject>();
    o->style.style = kRectSolid;
    o->style.lineColour = colour;
    o->Resize(r);
    return static_cast<CRectObject*>(f.AppendObject(std::move(o)));
}

} // namespace

TEST(ModelWithKindsTest, CloneFollowsItsRecolouredSource)
{
    CAnimation a;
    CRectObject* source = addSolidRect(*a.firstFrame, {400, 580, 420, 590}, 0x000000FF);
    CFrame& second = *a.AppendFrame();
    CLayerObject* clone = second.AppendObject(std::make_unique<CCloneObject>(source));
    second.MoveObjectTo(clone, 500, 600);
    EXPECT_EQ(second.ColourAt(505, 605), 0x000000FFu);
    source->FillAt(405, 585, 0x0000FF00);
    a.firstFrame->UpdateComposites(source);
    second.UpdateAllComposites();
    second.Render();
    EXPECT_EQ(clone->composite.GetPixel(5, 5), 0x0000FF00u);
    EXPECT_EQ(second.image.GetPixel(505 - 366, 605 - 570), 0x0000FF00u);
}

TEST(ModelWithKindsTest, StructuralUndoGivesBackTheCloneOfItsSource)
{
    CAnimation a;
    CRectObject* source = addSolidRect(*a.firstFrame, {400, 580, 420, 590}, 0x00ABCDEF);
    CFrame& second = *a.AppendFrame();
    CLayerObject* clone = second.AppendObject(std::make_unique<CCloneObject>(source));
    second.MoveObjectTo(clone, 500, 600);
    clone->animationEffect = {3, 1, 0};
    second.BeginStructuralEdit();
    second.SelectAll();
    second.DeleteSelected();
    second.Cancel();
    ASSERT_EQ(second.ObjectCount(), 1);
    const CLayerObject* restored = second.ObjectAt(0);
    EXPECT_EQ(restored->type, kTypeClone);
    EXPECT_EQ(restored->CloneSource(), source);
    EXPECT_EQ(restored->rect, (LayerRect{500, 600, 520, 610}));
    EXPECT_EQ(restored->ownImage.GetPixel(3, 3), 0x00ABCDEFu);
    EXPECT_EQ(restored->animationEffect, (EffectAssignment{3, 1, 0}));
}

TEST(ModelWithKindsTest, CloneOfADeletedRectangleIsDroppedBeforeASave)
{
    CAnimation a;
    CRectObject* source = addSolidRect(*a.firstFrame, {400, 580, 420, 590}, 0);
    CRectObject* other = addSolidRect(*a.firstFrame, {430, 580, 440, 590}, 0);
    CFrame& second = *a.AppendFrame();
    second.AppendObject(std::make_unique<CCloneObject>(source));
    auto* kept = static_cast<CCloneObject*>(second.AppendObject(std::make_unique<CCloneObject>(other)));
    source->selected = 1;
    a.firstFrame->DeleteSelected();
    a.PrepareCloneReferences();
    ASSERT_EQ(second.ObjectCount(), 1);
    EXPECT_EQ(second.ObjectAt(0), kept);
    EXPECT_EQ(kept->sourceRef, 0u);
}
