#include "filters/filter_application.h"

#include "filters/transparency_filters.h"

#include <utility>

namespace lw {

const CLayerObject* filterTarget(const CFrame& frame)
{
    return frame.NthSelected(0);
}

CLayerObject* filterTarget(CFrame& frame)
{
    return frame.NthSelected(0);
}

const CBitmapObject* bitmapFilterTarget(const CFrame& frame)
{
    const CLayerObject* target = filterTarget(frame);
    if (!target || target->type != kTypeBitmap)
        return nullptr;
    return dynamic_cast<const CBitmapObject*>(target);
}

CBitmapObject* bitmapFilterTarget(CFrame& frame)
{
    return const_cast<CBitmapObject*>(bitmapFilterTarget(std::as_const(frame)));
}

LayerPoint centredOn(const LayerRect& old, int width, int height)
{
    return {(old.left + old.right) / 2 - width / 2, (old.top + old.bottom) / 2 - height / 2};
}

namespace {

bool anyTransparency(const CRaster& raster)
{
    for (std::uint32_t p : raster.pixels())
        if (p >> 24)
            return true;
    return false;
}

} // namespace

bool applyInPlace(CFrame& frame, CBitmapObject& target, const std::function<bool(CRaster&)>& change)
{
    if (!frame.Contains(&target))
        return false;
    CRaster pixels = target.ownImage;
    if (!change(pixels))
        return false;
    SelectionHidden hidden(frame);
    frame.Commit();
    target.BeginEdit();
    target.ownImage = std::move(pixels);
    // Resizing later must start from the filtered pixels, not from those before the filter.
    target.unscaledPixels.reset();
    // The backdrop is pasted only under layers that know they have transparency.
    if (anyTransparency(target.ownImage))
        target.hasTransparency = 1;
    frame.UpdateComposites(&target);
    return true;
}

CBitmapObject* applyReplacing(CFrame& frame, CLayerObject& target,
                              const std::function<std::optional<CRaster>(const CRaster&)>& make,
                              NewLayerTransparency transparency)
{
    if (!frame.Contains(&target))
        return nullptr;
    std::optional<CRaster> pixels = make(target.ownImage);
    if (!pixels)
        return nullptr;
    SelectionHidden hidden(frame);
    const int index = frame.IndexOf(&target);
    frame.BeginStructuralEdit();
    const LayerRect old = target.rect;

    auto layer = std::make_unique<CBitmapObject>();
    layer->hasTransparency = transparency == NewLayerTransparency::Set ? 1 : target.hasTransparency;
    layer->MoveTo(old.left, old.top);
    layer->TakePixels(std::move(*pixels));
    CBitmapObject* raw = layer.get();
    // Clones of the target follow the new layer; the target is destroyed here.
    frame.ReplaceObject(&target, std::move(layer));
    // Undo must give the clones back to the target's copy, so the new layer stands in for the
    // target in the undo list.
    if (frame.undoList && index >= 0 && index < static_cast<int>(frame.undoList->size()))
        (*frame.undoList)[static_cast<std::size_t>(index)].original = raw;

    const LayerPoint at = centredOn(old, raw->width(), raw->height());
    raw->MoveTo(at.x, at.y);
    raw->selected = 1;
    frame.UpdateComposites(raw);
    return raw;
}

CBitmapObject* addAlphaChannelLayer(CFrame& frame, const CLayerObject& target)
{
    CRaster pixels = alphaChannelImage(target.ownImage);
    SelectionHidden hidden(frame);
    frame.BeginStructuralEdit();
    auto layer = std::make_unique<CBitmapObject>();
    layer->hasTransparency = 1;
    layer->TakePixels(std::move(pixels));
    LayerPoint at = centredOn(target.rect, layer->width(), layer->height());
    layer->MoveTo(at.x + 10, at.y + 10);
    CBitmapObject* raw = layer.get();
    frame.AppendObject(std::move(layer));
    frame.SelectNone();
    return raw;
}

CBitmapObject* applyReplacingSameSize(CFrame& frame, CLayerObject& target,
                                      const std::function<void(CRaster&)>& change)
{
    return applyReplacing(frame, target, [&](const CRaster& source) -> std::optional<CRaster> {
        CRaster pixels = source;
        change(pixels);
        return pixels;
    });
}

} // namespace lw
