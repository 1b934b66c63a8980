#include "model/layer_list.h"

#include "model/clone_object.h"

#include "model/clip_region.h"

#include <QPainter>

#include <algorithm>

namespace lw {

std::unique_ptr<CLayerObject> CopyForUndo(const CLayerObject& object)
{
    if (object.IsClone()) {
        // Undo must give back a clone that follows its source, not a bitmap of its pixels.
        auto clone = std::make_unique<CCloneObject>();
        clone->CopyFrom(object);
        clone->ownImage.CopyPixels(object.ownImage);
        clone->source = object.CloneSource();
        clone->sourceRef = object.CloneSourceRef();
        clone->animationEffect = object.animationEffect;
        return clone;
    }
    std::unique_ptr<CLayerObject> copy = object.Duplicate();
    if (copy)
        copy->animationEffect = object.animationEffect;
    return copy;
}

void matchCloneSize(CLayerObject& object)
{
    const CLayerObject* source = object.IsClone() ? object.CloneSource() : nullptr;
    if (source && (source->width() != object.width() || source->height() != object.height()))
        object.ResizeImages(source->width(), source->height());
}

CLayerList::~CLayerList()
{
    Commit();
    // The object destructor frees the chain above it iteratively.
    tail = nullptr;
    head.reset();
}

void CLayerList::Paint(QPainter& dc, const ViewMapping& view) const
{
    // Top first; each painted object is cut out of the clip so nothing below draws over it.
    const int zoom = std::max(1, view.zoom);
    for (const CLayerObject* object = tail; object; object = object->prev) {
        object->Paint(dc, view);
        const LayerRect z = scaleRect(object->rect, zoom);
        excludeClip(dc, QRect(z.left, z.top, rectWidth(z), rectHeight(z)));
    }
}

void CLayerList::PaintSelection(QPainter& dc, const ViewMapping& view) const
{
    if (selectionHidden)
        return;
    ViewState state;
    state.zoom = view.zoom;
    dc.save();
    dc.setPen(QPen(Qt::black, 0));
    dc.setBrush(Qt::white);
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->selected)
            object->DrawHandles(dc, state);
    dc.restore();
}

void CLayerList::RenderInto(CRaster& target, const LayerRect& canvas) const
{
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        object->RenderInto(target, canvas);
}

void CLayerList::UpdateComposites(CLayerObject* from)
{
    for (CLayerObject* object = from; object; object = object->next.get()) {
        matchCloneSize(*object);
        if (object->ShareOpaqueComposite())
            continue;
        object->composite.Fill(255);
        if (object->hasTransparency)
            for (const CLayerObject* below = head.get(); below && below != object; below = below->next.get())
                below->RenderInto(object->composite, object->rect);
        object->Compose(nullptr);
    }
}

int CLayerList::ObjectCount() const
{
    int count = 0;
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        ++count;
    return count;
}

const CLayerObject* CLayerList::ObjectAt(int index) const
{
    if (index < 0)
        return nullptr;
    CLayerObject* object = head.get();
    for (; object && index > 0; --index)
        object = object->next.get();
    return object;
}

int CLayerList::IndexOf(const CLayerObject* target) const
{
    if (!target)
        return -1;
    int index = 0;
    for (const CLayerObject* object = head.get(); object; object = object->next.get(), ++index)
        if (object == target)
            return index;
    return -1;
}

void CLayerList::LinkAfter(CLayerObject* below, std::unique_ptr<CLayerObject> object)
{
    CLayerObject* raw = object.get();
    std::unique_ptr<CLayerObject>& slot = below ? below->next : head;
    object->next = std::move(slot);
    object->prev = below;
    if (object->next)
        object->next->prev = raw;
    else
        tail = raw;
    slot = std::move(object);
}

CLayerObject* CLayerList::AppendObject(std::unique_ptr<CLayerObject> object)
{
    if (!object)
        return nullptr;
    CLayerObject* raw = object.get();
    LinkAfter(tail, std::move(object));
    UpdateComposites(raw);
    return raw;
}

CLayerObject* CLayerList::InsertAtBottom(std::unique_ptr<CLayerObject> object)
{
    if (!object)
        return nullptr;
    CLayerObject* raw = object.get();
    LinkAfter(nullptr, std::move(object));
    raw->selected = 1;
    UpdateComposites(raw);
    return raw;
}

std::unique_ptr<CLayerObject> CLayerList::UnlinkObject(CLayerObject* object)
{
    if (!Contains(object))
        return nullptr;
    std::unique_ptr<CLayerObject>& slot = object->prev ? object->prev->next : head;
    std::unique_ptr<CLayerObject> owned = std::move(slot);
    slot = std::move(owned->next);
    if (slot)
        slot->prev = owned->prev;
    else
        tail = owned->prev;
    owned->prev = nullptr;
    return owned;
}

std::unique_ptr<CLayerObject> CLayerList::ReplaceObject(CLayerObject* a, std::unique_ptr<CLayerObject> b)
{
    if (!b || !Contains(a))
        return nullptr;
    CLayerObject* below = a->prev;
    std::unique_ptr<CLayerObject> old = UnlinkObject(a);
    CLayerObject* raw = b.get();
    LinkAfter(below, std::move(b));
    ForgetObject(old.get(), raw);
    UpdateComposites(raw);
    return old;
}

void CLayerList::DestroyObject(CLayerObject* object)
{
    std::unique_ptr<CLayerObject> owned = UnlinkObject(object);
    if (!owned)
        return;
    ForgetObject(owned.get());
}

void CLayerList::ForgetObject(const CLayerObject* gone, CLayerObject* successor)
{
    if (!gone)
        return;
    if (undoList)
        for (UndoEntry& entry : *undoList)
            if (entry.original == gone) {
                entry.original = nullptr;
                if (!successor)
                    successor = entry.copy.get();
            }
    RetargetClones(gone, successor);
}

void CLayerList::RetargetClones(const CLayerObject* gone, CLayerObject* successor)
{
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->IsClone() && object->CloneSource() == gone)
            object->SetCloneSource(successor);
    RetargetUndoClones(gone, successor);
}

void CLayerList::RetargetUndoClones(const CLayerObject* gone, CLayerObject* successor)
{
    if (!undoList)
        return;
    for (UndoEntry& entry : *undoList)
        if (entry.copy && entry.copy->IsClone() && entry.copy->CloneSource() == gone)
            entry.copy->SetCloneSource(successor);
}

int CLayerList::SelectAll()
{
    int count = 0;
    for (CLayerObject* object = head.get(); object; object = object->next.get(), ++count)
        object->selected = 1;
    return count;
}

void CLayerList::SelectNone()
{
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        object->selected = 0;
}

int CLayerList::CountSelected() const
{
    int count = 0;
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->selected)
            ++count;
    return count;
}

const CLayerObject* CLayerList::NthSelected(int n) const
{
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->selected && n-- == 0)
            return object;
    return nullptr;
}

std::uint16_t CLayerList::CommonSelectedType() const
{
    std::uint16_t common = 0;
    for (const CLayerObject* object = head.get(); object; object = object->next.get()) {
        if (!object->selected)
            continue;
        if (common == 0)
            common = object->type;
        else if (common != object->type)
            return 0;
    }
    return common;
}

void CLayerList::DeleteSelected()
{
    CLayerObject* object = head.get();
    while (object) {
        CLayerObject* above = object->next.get();
        if (object->selected) {
            std::unique_ptr<CLayerObject> owned = UnlinkObject(object);
            ForgetObject(owned.get());
        }
        object = above;
    }
    UpdateAllComposites();
}

void CLayerList::BringSelectedToFront()
{
    const int count = CountSelected();
    if (count == 0)
        return;
    // Walking up from the bottom and appending each keeps the selected objects' order.
    CLayerObject* object = head.get();
    for (int moved = 0; moved < count && object;) {
        CLayerObject* above = object->next.get();
        if (object->selected) {
            LinkAfter(tail, UnlinkObject(object));
            ++moved;
        }
        object = above;
    }
    UpdateAllComposites();
}

void CLayerList::SendSelectedToBack()
{
    const int count = CountSelected();
    if (count == 0)
        return;
    // Walking down from the top and inserting each at the bottom keeps their order too.
    CLayerObject* object = tail;
    for (int moved = 0; moved < count && object;) {
        CLayerObject* below = object->prev;
        if (object->selected) {
            LinkAfter(nullptr, UnlinkObject(object));
            ++moved;
        }
        object = below;
    }
    UpdateAllComposites();
}

void CLayerList::MoveSelected(int dx, int dy)
{
    // No selection inside the workspace moves further than its size; keeps the sums in range.
    dx = std::clamp(dx, -2 * kWorkspaceSize, 2 * kWorkspaceSize);
    dy = std::clamp(dy, -2 * kWorkspaceSize, 2 * kWorkspaceSize);
    const LayerRect u = offsetRect(Bounds(true), dx, dy);
    if (CountSelected() == 0)
        return;
    // Keep the selection inside the workspace: stop exactly at its edges.
    if (u.left < 0)
        dx -= u.left;
    if (u.right > kWorkspaceSize)
        dx += kWorkspaceSize - u.right;
    if (u.top < 0)
        dy -= u.top;
    if (u.bottom > kWorkspaceSize)
        dy += kWorkspaceSize - u.bottom;
    CLayerObject* lowest = nullptr;
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->selected) {
            object->OffsetBy(dx, dy);
            if (!lowest)
                lowest = object;
        }
    UpdateComposites(lowest);
}

void CLayerList::MoveAll(int dx, int dy)
{
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        object->OffsetBy(dx, dy);
    UpdateAllComposites();
}

void CLayerList::MoveObjectTo(CLayerObject* object, int x, int y)
{
    if (!Contains(object))
        return;
    object->MoveTo(x, y);
    UpdateComposites(object);
}

void CLayerList::MoveObjectBy(CLayerObject* object, int dx, int dy)
{
    if (!Contains(object))
        return;
    object->OffsetBy(dx, dy);
    UpdateComposites(object);
}

LayerRect CLayerList::Bounds(bool selectedOnly) const
{
    LayerRect u;
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        if (!selectedOnly || object->selected)
            u = unionRect(u, object->rect);
    return u;
}

void CLayerList::BeginStructuralEdit()
{
    Commit();
    std::vector<UndoEntry> copies;
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        copies.push_back({object, CopyForUndo(*object)});
    undoList = std::move(copies);
}

void CLayerList::Commit()
{
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->IsEditing())
            object->EndEdit();
    if (!undoList)
        return;
    // Clones that followed a deleted object to its copy lose their source with the copy.
    std::vector<UndoEntry> entries = std::move(*undoList);
    undoList.reset();
    for (UndoEntry& entry : entries)
        RetargetClones(entry.copy.get(), nullptr);
}

void CLayerList::Cancel()
{
    if (undoList) {
        // Live objects give way to their copies; clones, live and copied, follow to the copy of
        // their source.
        while (head) {
            std::unique_ptr<CLayerObject> owned = UnlinkObject(head.get());
            CLayerObject* successor = nullptr;
            for (UndoEntry& entry : *undoList)
                if (entry.original == owned.get())
                    successor = entry.copy.get();
            RetargetClones(owned.get(), successor);
            RetargetUndoClones(owned.get(), successor);
        }
        std::vector<UndoEntry> entries = std::move(*undoList);
        undoList.reset();
        for (UndoEntry& entry : entries)
            if (entry.copy)
                LinkAfter(tail, std::move(entry.copy));
        UpdateAllComposites();
        return;
    }
    CLayerObject* lowest = nullptr;
    for (CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->IsEditing()) {
            object->CancelEdit();
            if (!lowest)
                lowest = object;
        }
    UpdateComposites(lowest);
}

bool CLayerList::CanUndo() const
{
    if (undoList)
        return true;
    for (const CLayerObject* object = head.get(); object; object = object->next.get())
        if (object->IsEditing())
            return true;
    return false;
}

} // namespace lw
