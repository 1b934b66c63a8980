#pragma once
// CLayerList: a bottom-to-top stack of layer objects (the base of CFrame) with the editing
// operations on it: selection, ordering, moving, deleting and one-level undo.
//
// Objects are owned through the list: head owns the bottom object, each object owns the one
// above it through `next`; `prev` and `tail` are plain pointers.
//
// Clone sources: whenever the list destroys or replaces an object it calls ForgetObject, which
// points every clone of that object at its successor (the undo copy while one exists, the
// replacing object, or none), so that no clone ever refers to a destroyed object.
#include "model/layer_object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace lw {

class CLayerList {
public:
    CLayerList() = default;
    CLayerList(const CLayerList&) = delete;
    CLayerList& operator=(const CLayerList&) = delete;
    // Commits pending edits, then frees the objects bottom first (no recursion down the chain).
    virtual ~CLayerList();

    // Slots in table order. The frame section writer lives with the document file format.
    virtual void Paint(QPainter& dc, const ViewMapping& view) const;
    virtual void PaintSelection(QPainter& dc, const ViewMapping& view) const;
    virtual void RenderInto(CRaster& target, const LayerRect& canvas) const;

    // Updates the composites of `from` and every object above it. The base has no backdrop
    // (white, then the objects below); the frame adds its background.
    virtual void UpdateComposites(CLayerObject* from);
    void UpdateAllComposites() { UpdateComposites(head.get()); }

    // List structure.
    int ObjectCount() const;
    const CLayerObject* ObjectAt(int index) const; // from the bottom, 0-based; null when out of range
    CLayerObject* ObjectAt(int index)
    {
        return const_cast<CLayerObject*>(std::as_const(*this).ObjectAt(index));
    }
    int IndexOf(const CLayerObject* object) const; // -1 when not in this list
    bool Contains(const CLayerObject* object) const { return IndexOf(object) >= 0; }
    // Appends on top and updates its composite; returns it (null is ignored and gives null).
    CLayerObject* AppendObject(std::unique_ptr<CLayerObject> object);
    // Inserts at the bottom, selects it and updates the composites.
    CLayerObject* InsertAtBottom(std::unique_ptr<CLayerObject> object);
    // Takes the object out of the list without destroying it; null when it is not in the list.
    // A caller that then destroys it calls ForgetObject first.
    std::unique_ptr<CLayerObject> UnlinkObject(CLayerObject* object);
    // B takes A's place and neighbours; clones of A follow B. Returns A, unlinked.
    std::unique_ptr<CLayerObject> ReplaceObject(CLayerObject* a, std::unique_ptr<CLayerObject> b);
    // Unlinks, forgets and destroys one object.
    void DestroyObject(CLayerObject* object);

    // Selection.
    int SelectAll();
    void SelectNone();
    int CountSelected() const;
    const CLayerObject* NthSelected(int n) const; // counting from the bottom, 0-based
    CLayerObject* NthSelected(int n)
    {
        return const_cast<CLayerObject*>(std::as_const(*this).NthSelected(n));
    }
    std::uint16_t CommonSelectedType() const; // 0 when the types differ or nothing is selected
    void DeleteSelected();
    void BringSelectedToFront();
    void SendSelectedToBack();

    // Moving.
    void MoveSelected(int dx, int dy); // clamped to the workspace
    void MoveAll(int dx, int dy);
    void MoveObjectTo(CLayerObject* object, int x, int y);
    void MoveObjectBy(CLayerObject* object, int dx, int dy);
    LayerRect Bounds(bool selectedOnly = false) const;

    // Edits and one-level undo.
    void BeginStructuralEdit();
    void Commit();
    void Cancel();
    bool CanUndo() const;

    // Every clone whose source is `gone` gets `successor` (the undo copy of `gone` when one exists
    // and no successor is given). Call before `gone` is destroyed.
    void ForgetObject(const CLayerObject* gone, CLayerObject* successor = nullptr);
    // The same for the clones among the undo copies, which stay clones so that undo gives back
    // live clones.
    void RetargetUndoClones(const CLayerObject* gone, CLayerObject* successor);

    std::int32_t selectionHidden = 0;
    std::unique_ptr<CLayerObject> head; // bottom-most object
    CLayerObject* tail = nullptr;       // topmost object

    // A deep copy of the objects taken by BeginStructuralEdit, bottom first, each with the object it
    // was copied from (kept only to compare identities; cleared when that object is destroyed).
    struct UndoEntry {
        const CLayerObject* original = nullptr;
        std::unique_ptr<CLayerObject> copy;
    };
    std::optional<std::vector<UndoEntry>> undoList;

protected:
    // Points clones of `gone` at `successor`, document-wide for a frame attached to an animation.
    virtual void RetargetClones(const CLayerObject* gone, CLayerObject* successor);

private:
    void LinkAfter(CLayerObject* below, std::unique_ptr<CLayerObject> object);
};

// Gives a clone its source's size before its composite is built, so that the refresh inside the
// clone's Compose does not re-create a composite that already holds the backdrop.
void matchCloneSize(CLayerObject& object);

// An undo copy: the kind's copy with the animation effect kept (so that undo restores it); a
// clone's copy is a clone of the same source.
std::unique_ptr<CLayerObject> CopyForUndo(const CLayerObject& object);

} // namespace lw
