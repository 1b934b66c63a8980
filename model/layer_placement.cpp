#include "model/layer_placement.h"

#include "model/frame.h"

#include <vector>

namespace lw {

namespace {

std::vector<CLayerObject*> selectedObjects(CFrame& frame)
{
    std::vector<CLayerObject*> objects;
    for (CLayerObject* object = frame.head.get(); object; object = object->next.get())
        if (object->selected)
            objects.push_back(object);
    return objects;
}

int horizontalShift(HorizontalAlign align, const LayerRect& ref, const LayerRect& r)
{
    switch (align) {
    case HorizontalAlign::Left:
        return ref.left - r.left;
    case HorizontalAlign::Centre:
        return (ref.left + ref.right) / 2 - (r.left + r.right) / 2;
    case HorizontalAlign::Right:
        return ref.right - r.right;
    case HorizontalAlign::None:
        break;
    }
    return 0;
}

int verticalShift(VerticalAlign align, const LayerRect& ref, const LayerRect& r)
{
    switch (align) {
    case VerticalAlign::Top:
        return ref.top - r.top;
    case VerticalAlign::Middle:
        return (ref.top + ref.bottom) / 2 - (r.top + r.bottom) / 2;
    case VerticalAlign::Bottom:
        return ref.bottom - r.bottom;
    case VerticalAlign::None:
        break;
    }
    return 0;
}

} // namespace

void AlignSelected(CFrame& frame, const AlignSettings& settings)
{
    const auto objects = selectedObjects(frame);
    if (objects.empty())
        return;
    const LayerRect ref =
        settings.toFrame ? inflateRect(frame.canvasRectOrEmpty(), -settings.margin) : frame.Bounds(true);
    for (CLayerObject* object : objects)
        object->OffsetBy(horizontalShift(settings.horizontal, ref, object->rect),
                         verticalShift(settings.vertical, ref, object->rect));
    frame.UpdateAllComposites();
}

void CentreSelectedOnCanvas(CFrame& frame)
{
    const auto objects = selectedObjects(frame);
    if (objects.empty())
        return;
    const LayerRect bounds = frame.Bounds(true);
    const LayerRect canvas = frame.canvasRectOrEmpty();
    const int dx = (canvas.left + canvas.right) / 2 - (bounds.left + bounds.right) / 2;
    const int dy = (canvas.top + canvas.bottom) / 2 - (bounds.top + bounds.bottom) / 2;
    for (CLayerObject* object : objects)
        object->OffsetBy(dx, dy);
    frame.UpdateAllComposites();
}

bool StretchFirstSelectedToCanvas(CFrame& frame)
{
    CLayerObject* object = frame.NthSelected(0);
    const LayerRect canvas = frame.canvasRectOrEmpty();
    if (!object || rectIsEmpty(canvas))
        return false;
    object->Resize(canvas);
    object->MoveTo(canvas.left, canvas.top);
    frame.UpdateComposites(object);
    return true;
}

void MoveSelectedToward(CFrame& frame, MoveDirection direction, int distance)
{
    switch (direction) {
    case MoveDirection::Up:
        frame.MoveSelected(0, -distance);
        break;
    case MoveDirection::Right:
        frame.MoveSelected(distance, 0);
        break;
    case MoveDirection::Down:
        frame.MoveSelected(0, distance);
        break;
    case MoveDirection::Left:
        frame.MoveSelected(-distance, 0);
        break;
    }
}

} // namespace lw
