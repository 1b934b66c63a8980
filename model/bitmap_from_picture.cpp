#include "model/bitmap_from_picture.h"

#include "model/bitmap_object.h"

namespace lw {

std::unique_ptr<CLayerObject> BitmapObjectFromRaster(CRaster raster, bool hasTransparency)
{
    auto object = std::make_unique<CBitmapObject>();
    object->TakePixels(std::move(raster));
    object->MoveTo(0, 0);
    object->hasTransparency = hasTransparency ? 1 : 0;
    return object;
}

std::unique_ptr<CLayerObject> BitmapObjectFromPicture(ImportedPicture picture)
{
    const int width = picture.width;
    const int height = picture.height;
    const bool resize =
        width > 0 && height > 0 && (width != picture.raster.width() || height != picture.raster.height());
    auto object = BitmapObjectFromRaster(std::move(picture.raster), picture.hasTransparency);
    if (resize)
        object->Resize(LayerRect{0, 0, width, height});
    return object;
}

} // namespace lw
