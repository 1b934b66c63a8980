#pragma once
// CLayerObject: the base of every layer object (bitmap, text, rectangle, ellipse, clone).
//
// Contracts with the kinds (rect_object, ellipse_object, text_object, bitmap_object,
// clone_object):
// - A kind sets `type` in its constructor, renders into `ownImage` and overrides the virtual
//   operations below (the numbered slots). Kinds never touch next/prev: the list operations of
//   CLayerList do. A kind that re-renders does not update composites; the caller (the frame)
//   updates them from the changed object upward.
// - ResizeImages(w, h) is the internal resize: right = left + w, bottom = top + h and both
//   images created at that size.
// - Duplicate() is the kind's copy operation used for undo snapshots: a new object of the
//   same kind with CopyFrom, the kind's own fields copied and re-rendered. A clone returns a
//   bitmap object holding its source's pixels at the clone's rectangle and position. The base
//   version copies only what the base knows (kinds must override it).
// - The clone accessors (CloneSource, SetCloneSource, CloneSourceRef, SetCloneSourceRef) are
//   overridden by the clone kind only; the document uses them to keep sources valid across
//   deletes, saves and loads.
// - Every composite update (CFrame::UpdateComposites) fills `composite`, pastes the backdrop
//   for transparent objects and ends with Compose(none); the clone overrides Compose to take its
//   source's size and pixels first. A clone's source may become none (the source was destroyed):
//   it then keeps its last pixels.
// - Replacing an object (convert to bitmap) goes through CLayerList::ReplaceObject, destroying one
//   through CLayerList::DestroyObject; both keep clone sources valid.
// - handleRect() and drawDeviceRectangle() are the handle geometry and the device rectangle
//   primitive for kinds with their own handle sets.
#include "imaging/raster.h"
#include "model/effect_assignment.h"
#include "model/layer_rect.h"
#include "model/view_state.h"

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

namespace lw {

enum ObjectType : std::uint16_t {
    kTypeBase = 1,
    kTypeBitmap = 2,    // CBitmapObject
    kTypeText = 3,      // CTextObject
    kTypeRectangle = 4, // CRectObject
    kTypeEllipse = 5,   // CEllipseObject
    kTypeClone = 6,     // CCloneObject
};

// A tagged object record (the file and clipboard share it); empty means none.
using ObjectRecord = std::vector<std::uint8_t>;

struct LayerPoint {
    int x = 0;
    int y = 0;
    bool operator==(const LayerPoint&) const = default;
};

class CLayerObject {
public:
    CLayerObject() = default;
    CLayerObject(const CLayerObject&) = delete;
    CLayerObject& operator=(const CLayerObject&) = delete;

    // Slots in table order.
    /* 0 */ virtual void CopyFrom(const CLayerObject& other);
    /* 1 */ virtual void FillAt(int x, int y, std::uint32_t colour);
    /* 2 */ virtual void EndEdit();
    /* 3 */ virtual bool IsEditing() const;
    /* 4 */ virtual void BeginEdit();
    /* 5 */ virtual void CancelEdit();
    /* 6 */ virtual void Compose(const LayerRect* rect = nullptr);
    /* 7 */ virtual void MoveTo(int x, int y);
    /* 8 */ virtual void SetRect(const LayerRect& rect, std::uint32_t colour);
    /* 9 */ virtual void Resize(const LayerRect& rect);
    /* 10 */ virtual bool HitTest(const ViewState& view) const;
    /* 11 */ virtual int HitHandle(const ViewState& view) const;
    /* 12 */ virtual void DrawHandles(QPainter& dc, const ViewState& view) const;
    // (slot 13 was a hook that did nothing; it is not kept)
    /* 14 */ virtual ObjectRecord WriteRecord() const;
    /* 15 */ virtual void RenderInto(CRaster& target, const LayerRect& canvas) const;
    /* 16 */ virtual void CentreOn(int x, int y);
    /* 17 */ virtual void Paint(QPainter& dc, const ViewMapping& view) const;
    /* 18 */ virtual void InvalidateHandles(RepaintTarget& window, const ViewMapping& view) const;
    /* 19 */ virtual ~CLayerObject();
    /* 20 */ virtual void DrawDragOutline(QPainter& dc, int dx, int dy, const ViewMapping& view) const;
    /* 21 */ virtual void OffsetBy(int dx, int dy);

    // Not in the slot table.
    virtual std::unique_ptr<CLayerObject> Duplicate() const;
    virtual CLayerObject* CloneSource() const { return nullptr; }
    virtual void SetCloneSource(CLayerObject* /*source*/) {}
    virtual std::uint32_t CloneSourceRef() const { return 0; }
    virtual void SetCloneSourceRef(std::uint32_t /*ref*/) {}
    bool IsClone() const { return type == kTypeClone; }

    // An object without transparency whose pixels are all opaque is its own composite: the
    // composite shares ownImage's block instead of holding a copy. Returns false (nothing
    // changed) for any other object, whose composite is built over its backdrop.
    bool ShareOpaqueComposite();

    // The internal resize: keeps left-top, sets the size and re-creates both images.
    void ResizeImages(int width, int height);
    int width() const { return rectWidth(rect); }
    int height() const { return rectHeight(rect); }

    std::int32_t editing = 0;
    LayerPoint savedPosition;
    LayerRect savedRect;
    std::int32_t savedTransparency = 0;
    std::int32_t hasTransparency = 0;
    LayerPoint position;
    std::uint16_t type = kTypeBase;
    std::unique_ptr<CLayerObject> next; // the object above; owned by this link
    CLayerObject* prev = nullptr;       // the object below
    LayerRect rect;
    CRaster ownImage;
    CRaster composite;
    EffectAssignment introEffect;
    EffectAssignment outroEffect;
    EffectAssignment animationEffect;
    std::int32_t selected = 0;
};

// Handle n (1–8) of a rectangle already multiplied by the zoom factor: a 7 × 7 square.
LayerRect handleRect(const LayerRect& zoomed, int handle);

// The device's rectangle primitive: outline with the current pen (1 pixel, inside l…r−1 and
// t…b−1) and interior with the current brush.
void drawDeviceRectangle(QPainter& dc, const LayerRect& r);

// The base compose rule for one pixel: s over d with the transparency byte of s.
std::uint32_t composePixel(std::uint32_t s, std::uint32_t d);

} // namespace lw
