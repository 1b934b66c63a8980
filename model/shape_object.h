#pragma once
// CShapeObject: what rectangles and ellipses share. Both are drawn from a few values at their
// rectangle's size, so a resize renders them again; an edit keeps the value it may change to put
// it back on cancel; a copy (the clipboard's and undo's) carries every value, reserved ones
// included, so that undoing never changes what is saved.
//   Shape provides Render(), edited() (the value an edit may change) and values() (std::tie of
//   everything a copy carries).
#include "model/layer_object.h"

#include <memory>

namespace lw {

template <class Shape, class Edited> class CShapeObject : public CLayerObject {
public:
    void BeginEdit() override
    {
        CLayerObject::BeginEdit();
        saved_ = shape().edited();
    }

    void CancelEdit() override
    {
        CLayerObject::CancelEdit();
        shape().edited() = saved_;
        shape().Render();
    }

    void Resize(const LayerRect& r) override
    {
        if (rectIsEmpty(r))
            return;
        rect = r;
        ResizeImages(rectWidth(r), rectHeight(r));
        shape().Render();
        MoveTo(r.left, r.top);
    }

    std::unique_ptr<CLayerObject> Duplicate() const override
    {
        auto copy = std::make_unique<Shape>();
        copy->CopyFrom(*this);
        copy->values() = shape().values();
        copy->Render();
        return copy;
    }

private:
    Shape& shape() { return static_cast<Shape&>(*this); }
    const Shape& shape() const { return static_cast<const Shape&>(*this); }

    Edited saved_{};
};

} // namespace lw
