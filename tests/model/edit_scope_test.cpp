#include "model/document.h"
#include "model/edit_scope.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace lw;
using lwtest::solid;

namespace {

using C = DocumentChange;

struct Recorder : DocumentObserver {
    void documentChanged(const CLWDoc& doc, const DocumentEvent& event) override
    {
        events.push_back(event);
        modifiedSeen.push_back(doc.modified());
    }
    std::vector<DocumentEvent> events;
    std::vector<bool> modifiedSeen;
};

// An observer that removes another one (and itself) while it is told.
struct Remover : DocumentObserver {
    void documentChanged(const CLWDoc&, const DocumentEvent&) override
    {
        ++calls;
        doc->removeObserver(*other);
        doc->removeObserver(*this);
    }
    CLWDoc* doc = nullptr;
    DocumentObserver* other = nullptr;
    int calls = 0;
};

CLayerObject* addSolid(CFrame& f, int x, std::uint32_t colour)
{
    return f.AppendObject(solid(400 + x, 580, 10, 10, colour));
}

} // namespace

TEST(EditScopeTest, StructuralEditCommitsThePendingEditThenTakesTheUndoCopy)
{
    CLWDoc doc;
    CFrame& f = *doc.animation.firstFrame;
    addSolid(f, 0, 1);
    addSolid(f, 10, 2);
    f.ObjectAt(0)->BeginEdit(); // a tool's pending edit
    f.ObjectAt(0)->OffsetBy(5, 0);
    {
        EditScope edit(doc, &f, UndoStep::Structural);
        EXPECT_FALSE(f.ObjectAt(0)->IsEditing()) << "the pending edit is committed first";
        ASSERT_TRUE(f.undoList.has_value());
        f.ObjectAt(1)->selected = 1;
        f.DeleteSelected();
        edit.announce(C::LayersChanged);
    }
    ASSERT_EQ(f.ObjectCount(), 1);
    f.Cancel();
    ASSERT_EQ(f.ObjectCount(), 2);
    EXPECT_EQ(f.ObjectAt(0)->rect.left, 405) << "undo goes back to the committed state, not before it";
    EXPECT_EQ(f.ObjectAt(1)->rect.left, 410);
    EXPECT_EQ(f.ObjectAt(1)->ownImage.GetPixel(0, 0), 2u);
}

TEST(EditScopeTest, ObjectEditBeginsEachLayerOnceAndUndoRestoresIt)
{
    CLWDoc doc;
    CFrame& f = *doc.animation.firstFrame;
    CLayerObject* a = addSolid(f, 0, 1);
    CLayerObject* b = addSolid(f, 20, 2);
    {
        EditScope edit(doc, &f, UndoStep::Objects);
        EXPECT_FALSE(f.CanUndo());
        edit.beginObjectEdit(*a);
        a->OffsetBy(3, 4);
        edit.beginObjectEdit(*a); // a second call keeps the first saved place
        a->OffsetBy(3, 4);
        edit.announce(C::ObjectChanged);
    }
    EXPECT_TRUE(a->IsEditing());
    EXPECT_FALSE(b->IsEditing());
    f.Cancel();
    EXPECT_EQ(a->rect, (LayerRect{400, 580, 410, 590}));
}

TEST(EditScopeTest, DocumentWideEditCommitsEveryFrame)
{
    CLWDoc doc;
    CFrame* second = doc.animation.AppendFrame();
    CLayerObject* a = addSolid(*doc.animation.firstFrame, 0, 1);
    CLayerObject* b = addSolid(*second, 0, 2);
    a->BeginEdit();
    second->BeginStructuralEdit();
    b->BeginEdit();
    {
        EditScope edit(doc, nullptr, UndoStep::Structural); // no frame: no undo copy to take
    }
    EXPECT_FALSE(a->IsEditing());
    EXPECT_FALSE(b->IsEditing());
    EXPECT_FALSE(second->CanUndo());
    EXPECT_FALSE(doc.animation.firstFrame->CanUndo());

    // Bookkeeping that is no edit leaves pending edits alone.
    a->BeginEdit();
    second->BeginStructuralEdit();
    EditScope(doc, nullptr, UndoStep::Keep).markSaved();
    EditScope(doc, second, UndoStep::Keep).markModified();
    EXPECT_TRUE(a->IsEditing());
    EXPECT_TRUE(second->CanUndo());
    EXPECT_TRUE(doc.modified());
}

TEST(EditScopeTest, MarkingModifiedForgetsTheFileSizeAndIsAnnouncedOnChangeOnly)
{
    CLWDoc doc;
    Recorder r;
    doc.addObserver(r);
    doc.animation.sourceFileSize = 1234;
    struct Step {
        bool modify, save;
        bool expectModified;
        DocumentChanges expectChanges;
    };
    const Step steps[] = {
        {true, false, true, C::ObjectChanged | C::ModifiedChanged},
        {true, false, true, C::ObjectChanged}, // already modified: no second announcement
        {false, false, true, C::ObjectChanged},
        {false, true, false, C::ObjectChanged | C::ModifiedChanged},
        {false, true, false, C::ObjectChanged},
        {true, true, false, C::ObjectChanged}, // a save at the end of the edit wins
    };
    for (const Step& s : steps) {
        r.events.clear();
        r.modifiedSeen.clear();
        {
            EditScope edit(doc, doc.animation.firstFrame.get());
            edit.announce(C::ObjectChanged);
            if (s.modify)
                edit.markModified();
            if (s.save)
                edit.markSaved();
            EXPECT_EQ(r.events.size(), 0u) << "nothing is told before the scope ends";
        }
        EXPECT_EQ(doc.modified(), s.expectModified);
        ASSERT_EQ(r.events.size(), 1u);
        EXPECT_EQ(r.events[0].changes, s.expectChanges);
        EXPECT_EQ(r.events[0].frame, doc.animation.firstFrame.get());
        EXPECT_EQ(r.modifiedSeen[0], s.expectModified) << "observers see the finished state";
    }
    EXPECT_EQ(doc.animation.sourceFileSize, 0);
}

TEST(EditScopeTest, SilentScopeTellsNobodyAndKeepsTheFileSize)
{
    CLWDoc doc;
    Recorder r;
    doc.addObserver(r);
    doc.animation.sourceFileSize = 99;
    {
        EditScope edit(doc, doc.animation.firstFrame.get(), UndoStep::Structural);
        edit.announce(DocumentChanges{});
    }
    EXPECT_TRUE(r.events.empty());
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.animation.sourceFileSize, 99);
}

TEST(EditScopeTest, NestedScopesNotifyOnceWithEverythingAndKeepTheOuterUndoCopy)
{
    CLWDoc doc;
    CFrame& f = *doc.animation.firstFrame;
    CFrame* other = doc.animation.AppendFrame();
    addSolid(f, 0, 1);
    Recorder r;
    doc.addObserver(r);
    {
        EditScope outer(doc, &f, UndoStep::Structural);
        addSolid(f, 10, 2);
        outer.announce(C::LayersChanged);
        {
            EditScope inner(doc, &f, UndoStep::Structural); // must not replace the outer copy
            addSolid(f, 20, 3);
            inner.announce(C::SelectionChanged);
            inner.markModified();
        }
        EXPECT_TRUE(r.events.empty());
        EXPECT_FALSE(doc.modified());
        {
            EditScope inner(doc, other);
            inner.announce(C::FrameChanged);
        }
    }
    ASSERT_EQ(r.events.size(), 1u);
    EXPECT_EQ(r.events[0].changes,
              C::LayersChanged | C::SelectionChanged | C::ModifiedChanged | C::FrameChanged);
    EXPECT_EQ(r.events[0].frame, nullptr) << "changes on two frames name none";
    EXPECT_TRUE(doc.modified());
    f.Cancel();
    EXPECT_EQ(f.ObjectCount(), 1) << "undo removes both additions";
}

TEST(EditScopeTest, ObserversAreToldAlsoWhenTheChangeThrows)
{
    CLWDoc doc;
    Recorder r;
    doc.addObserver(r);
    EXPECT_THROW(
        {
            EditScope edit(doc, doc.animation.firstFrame.get());
            edit.markModified();
            edit.announce(C::ObjectChanged);
            throw std::runtime_error("half done");
        },
        std::runtime_error);
    ASSERT_EQ(r.events.size(), 1u);
    EXPECT_TRUE(doc.modified()) << "a half-made change is never taken for no change";
    // The document is free for the next edit.
    {
        EditScope next(doc, nullptr);
    }
    EXPECT_EQ(r.events.size(), 1u);
}

TEST(EditScopeTest, ObserverListAddsOnceAndToleratesRemovalWhileTelling)
{
    CLWDoc doc;
    Recorder first, last;
    Remover remover;
    remover.doc = &doc;
    remover.other = &last;
    doc.addObserver(first);
    doc.addObserver(first);
    doc.addObserver(remover);
    doc.addObserver(last);
    for (int i = 0; i < 2; ++i) {
        EditScope edit(doc, nullptr);
        edit.announce(C::CanvasChanged);
    }
    EXPECT_EQ(first.events.size(), 2u);
    EXPECT_EQ(remover.calls, 1);
    EXPECT_TRUE(last.events.empty()) << "removed before its turn";
}

TEST(EditScopeTest, CanvasSizeAnnouncesTheCanvasAndTheModifiedFlag)
{
    CLWDoc doc;
    Recorder r;
    doc.addObserver(r);
    EXPECT_FALSE(applyCanvasSize(doc, 0, 60));
    EXPECT_TRUE(r.events.empty());
    ASSERT_TRUE(applyCanvasSize(doc, 120, 60));
    ASSERT_EQ(r.events.size(), 1u);
    EXPECT_EQ(r.events[0].changes, C::CanvasChanged | C::ModifiedChanged);
    EXPECT_EQ(r.events[0].frame, nullptr);
}
