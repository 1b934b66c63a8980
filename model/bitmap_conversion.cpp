#include "model/bitmap_conversion.h"

#include <memory>

namespace lw {

CBitmapObject* ConvertToBitmap(CLayerList& list, CLayerObject* object)
{
    if (!object || !list.Contains(object))
        return nullptr;
    auto bitmap = std::make_unique<CBitmapObject>();
    bitmap->rect = object->rect;
    bitmap->position = object->position;
    bitmap->selected = object->selected;
    bitmap->hasTransparency = object->hasTransparency;
    // The effects stay with the layer: converting is a change of kind, not of what it does.
    bitmap->introEffect = object->introEffect;
    bitmap->outroEffect = object->outroEffect;
    bitmap->animationEffect = object->animationEffect;
    bitmap->ownImage = std::move(object->ownImage);
    bitmap->composite = std::move(object->composite);
    bitmap->MoveTo(bitmap->rect.left, bitmap->rect.top);
    CBitmapObject* raw = bitmap.get();
    list.ReplaceObject(object, std::move(bitmap)); // the old object dies with the returned pointer
    return raw;
}

CBitmapObject* MergeSelected(CLayerList& list)
{
    const LayerRect u = list.Bounds(true);
    if (list.CountSelected() == 0 || rectIsEmpty(u))
        return nullptr;
    CRaster merged(rectWidth(u), rectHeight(u));
    merged.Fill(255);
    for (const CLayerObject* object = list.head.get(); object; object = object->next.get())
        if (object->selected)
            object->ownImage.CompositeOnto(merged, object->rect.left - u.left, object->rect.top - u.top);
    auto bitmap = std::make_unique<CBitmapObject>();
    bitmap->MoveTo(u.left, u.top);
    bitmap->TakePixels(std::move(merged));
    bitmap->hasTransparency = 1;
    return static_cast<CBitmapObject*>(list.AppendObject(std::move(bitmap)));
}

} // namespace lw
