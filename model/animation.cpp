#include "model/animation.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace lw {

LayerRect centredCanvas(int width, int height)
{
    // Truncated toward zero like every other centring on the workspace (GIF import, fitting the
    // canvas to its content), so an odd excess over the workspace puts both in the same place.
    return offsetRect(LayerRect{0, 0, width, height}, (kWorkspaceSize - width) / 2,
                      (kWorkspaceSize - height) / 2);
}

CAnimation::CAnimation()
{
    canvasSize = {0, 0, 468, 60};
    canvasRect = centredCanvas(468, 60);
    firstFrame = std::make_unique<CFrame>();
    firstFrame->AttachToCanvas(&canvasRect, this);
    firstFrame->Render();
}

CAnimation::~CAnimation()
{
    // Frames go first to last without recursion and without looking at each other.
    for (CFrame* f = firstFrame.get(); f; f = f->next.get()) {
        f->animation = nullptr;
        f->backgroundFrame = nullptr;
    }
    while (firstFrame) {
        std::unique_ptr<CFrame> rest = std::move(firstFrame->next);
        firstFrame = std::move(rest);
    }
}

bool CAnimation::SetSize(int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxCanvasSide || height > kMaxCanvasSide)
        return false;
    canvasRect = centredCanvas(width, height);
    canvasSize = {0, 0, width, height};
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        f->AttachToCanvas(&canvasRect, this);
    RenderAllFrames();
    return true;
}

void CAnimation::RenderAllFrames()
{
    // A set, so that long documents do not search every finished frame for every frame.
    std::unordered_set<const CFrame*> done;
    for (CFrame* frame = firstFrame.get(); frame; frame = frame->next.get()) {
        // A frame's backdrop must be finished before its composites take it in.
        std::vector<CFrame*> pending{frame};
        for (CFrame* b = frame->backgroundFrame;
             b && !done.contains(b) && std::find(pending.begin(), pending.end(), b) == pending.end();
             b = b->backgroundFrame)
            pending.push_back(b);
        for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
            if (!done.insert(*it).second)
                continue;
            (*it)->UpdateAllComposites();
            (*it)->Render();
        }
    }
}

const CFrame* CAnimation::LastFrame() const
{
    CFrame* f = firstFrame.get();
    while (f && f->next)
        f = f->next.get();
    return f;
}

const CFrame* CAnimation::PreviousFrame(const CFrame* frame) const
{
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        if (f->next.get() == frame)
            return f;
    return firstFrame.get();
}

const CFrame* CAnimation::FrameAt(int index) const
{
    if (index < 0)
        return nullptr;
    CFrame* f = firstFrame.get();
    for (; f && index > 0; --index)
        f = f->next.get();
    return f;
}

int CAnimation::IndexOfFrame(const CFrame* frame) const
{
    int index = 0;
    for (const CFrame* f = firstFrame.get(); f; f = f->next.get(), ++index)
        if (f == frame)
            return index;
    return -1;
}

int CAnimation::TotalFrames() const
{
    int count = 0;
    for (const CFrame* f = firstFrame.get(); f; f = f->next.get())
        ++count;
    return count;
}

std::unique_ptr<CFrame> CAnimation::NewFrameLike(const CFrame& model, bool withBorder, NewFrameImage image)
{
    auto frame = std::make_unique<CFrame>();
    frame->AttachToCanvas(&canvasRect, this);
    frame->delay = model.delay;
    frame->backgroundColour = model.backgroundColour;
    if (withBorder) {
        frame->borderColour = model.borderColour;
        frame->borderWidth = model.borderWidth;
    }
    frame->backgroundFrame = model.backgroundFrame;
    if (image == NewFrameImage::Rendered)
        frame->Render();
    return frame;
}

CFrame* CAnimation::AppendFrame(NewFrameImage image)
{
    CFrame* last = LastFrame();
    std::unique_ptr<CFrame> frame = NewFrameLike(*last, false, image);
    CFrame* raw = frame.get();
    last->next = std::move(frame);
    return raw;
}

CFrame* CAnimation::InsertFrame(CFrame* at, bool after)
{
    if (IndexOfFrame(at) < 0)
        return nullptr;
    std::unique_ptr<CFrame> frame = NewFrameLike(*at, true, NewFrameImage::Rendered);
    CFrame* raw = frame.get();
    if (after) {
        frame->next = std::move(at->next);
        at->next = std::move(frame);
    } else if (at == firstFrame.get()) {
        frame->next = std::move(firstFrame);
        firstFrame = std::move(frame);
    } else {
        CFrame* before = PreviousFrame(at);
        frame->next = std::move(before->next);
        before->next = std::move(frame);
    }
    return raw;
}

CFrame* CAnimation::DeleteFrame(CFrame* frame)
{
    if (IndexOfFrame(frame) < 0)
        return firstFrame.get();
    // An animation always keeps one frame.
    if (frame == firstFrame.get() && !frame->next)
        return firstFrame.get();
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        if (f != frame && f->backgroundFrame == frame)
            f->SetBackgroundFrame(nullptr);
    // Clones elsewhere must not keep pointing into the frame (nor at its undo copies).
    frame->Commit();
    for (const CLayerObject* o = frame->head.get(); o; o = o->next.get())
        RetargetClones(o, nullptr);

    CFrame* before = frame == firstFrame.get() ? nullptr : PreviousFrame(frame);
    std::unique_ptr<CFrame>& slot = before ? before->next : firstFrame;
    std::unique_ptr<CFrame> owned = std::move(slot);
    slot = std::move(owned->next);
    owned.reset();
    if (slot)
        return slot.get();
    return before ? before : firstFrame.get();
}

const CFrame* CAnimation::FindFrameByStoredId(std::int32_t id) const
{
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        if (f->storedId == id)
            return f;
    return nullptr;
}

int CAnimation::FrameCount(FrameKind kind) const
{
    int count = 0;
    for (const CFrame* f = firstFrame.get(); f; f = f->next.get())
        if ((kind == FrameKind::Master) == (f->masterFrame != 0))
            ++count;
    return count;
}

bool CAnimation::IsAnimated() const
{
    if (FrameCount(FrameKind::Normal) > 1)
        return true;
    return firstFrame->introFrames || firstFrame->outroFrames || firstFrame->animationFrames;
}

const CLayerObject* CAnimation::ObjectAt(int frameIndex, int objectIndex) const
{
    const CFrame* f = FrameAt(frameIndex);
    return f ? f->ObjectAt(objectIndex) : nullptr;
}

std::uint32_t CAnimation::ReferenceOf(const CLayerObject* object) const
{
    if (!object)
        return 0xFFFFFFFFu;
    std::uint32_t frameIndex = 0;
    for (const CFrame* f = firstFrame.get(); f; f = f->next.get(), ++frameIndex) {
        const int index = f->IndexOf(object);
        if (index >= 0)
            return frameIndex << 16 | (static_cast<std::uint32_t>(index) & 0xFFFFu);
    }
    return 0xFFFFFFFFu;
}

bool CAnimation::ContainsObject(const CLayerObject* object) const
{
    return FrameOf(object) != nullptr;
}

const CFrame* CAnimation::FrameOf(const CLayerObject* object) const
{
    if (!object)
        return nullptr;
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        if (f->Contains(object))
            return f;
    return nullptr;
}

bool CAnimation::RemoveFirstCloneOf(CFrame& frame, const CLayerObject* source)
{
    for (CLayerObject* o = frame.head.get(); o; o = o->next.get())
        if (o->IsClone() && o->CloneSource() == source) {
            frame.DestroyObject(o);
            frame.UpdateAllComposites();
            return true;
        }
    return false;
}

void CAnimation::RetargetClones(const CLayerObject* from, CLayerObject* to)
{
    for (CFrame* f = firstFrame.get(); f; f = f->next.get()) {
        for (CLayerObject* o = f->head.get(); o; o = o->next.get())
            if (o->IsClone() && o->CloneSource() == from)
                o->SetCloneSource(to);
        f->RetargetUndoClones(from, to);
    }
}

void CAnimation::PrepareCloneReferences()
{
    // Orphans go first, so that the references stored next count the objects that stay.
    for (CFrame* f = firstFrame.get(); f; f = f->next.get()) {
        bool removed = false;
        for (CLayerObject* o = f->head.get(); o;) {
            CLayerObject* above = o->next.get();
            if (o->IsClone() && !ContainsObject(o->CloneSource())) {
                f->DestroyObject(o);
                removed = true;
            }
            o = above;
        }
        if (removed)
            f->UpdateAllComposites();
    }
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        for (CLayerObject* o = f->head.get(); o; o = o->next.get())
            if (o->IsClone())
                o->SetCloneSourceRef(ReferenceOf(o->CloneSource()));
}

void CAnimation::ResolveCloneReferences()
{
    // All references are looked up against the objects as read, before any unresolved clone is
    // removed (removing one shifts the indices of the objects above it). A clone never shows
    // another clone.
    std::vector<CLayerObject*> unresolved;
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        for (CLayerObject* o = f->head.get(); o; o = o->next.get()) {
            if (!o->IsClone() || o->CloneSource())
                continue;
            const std::uint32_t ref = o->CloneSourceRef();
            CLayerObject* source = ObjectAt(static_cast<int>(ref >> 16), static_cast<int>(ref & 0xFFFF));
            if (source && !source->IsClone())
                o->SetCloneSource(source);
            else
                unresolved.push_back(o);
        }
    for (CLayerObject* o : unresolved)
        if (CFrame* f = FrameOf(o)) {
            f->DestroyObject(o);
            f->UpdateAllComposites();
        }
}

void CAnimation::FitCanvasToContent(const CFrame* only)
{
    const LayerRect u = only ? only->Bounds() : Bounds();
    if (rectIsEmpty(u))
        return;
    // Widths in 64 bits: stored rectangles may lie anywhere.
    const std::int64_t w = std::int64_t{u.right} - u.left;
    const std::int64_t h = std::int64_t{u.bottom} - u.top;
    if (w > kMaxCanvasSide || h > kMaxCanvasSide)
        return;
    const std::int64_t dx = (kWorkspaceSize - w) / 2 - u.left;
    const std::int64_t dy = (kWorkspaceSize - h) / 2 - u.top;
    if (dx < INT32_MIN / 2 || dx > INT32_MAX / 2 || dy < INT32_MIN / 2 || dy > INT32_MAX / 2)
        return;
    for (CFrame* f = firstFrame.get(); f; f = f->next.get())
        for (CLayerObject* o = f->head.get(); o; o = o->next.get())
            o->OffsetBy(static_cast<int>(dx), static_cast<int>(dy));
    SetSize(static_cast<int>(w), static_cast<int>(h));
}

LayerRect CAnimation::Bounds() const
{
    LayerRect u;
    for (const CFrame* f = firstFrame.get(); f; f = f->next.get())
        u = unionRect(u, f->Bounds());
    return u;
}

} // namespace lw
