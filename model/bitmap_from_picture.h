#pragma once
// Bitmap objects made from pictures read by the importers.
#include "model/layer_object.h"
#include "imaging/imported_picture.h"

#include <memory>

namespace lw {

// A bitmap object at (0, 0) that takes over the raster.
std::unique_ptr<CLayerObject> BitmapObjectFromRaster(CRaster raster, bool hasTransparency);

// The same for an imported picture; a picture shown smaller than its raster (a metafile rendered
// at twice the size) is resized to the size it is shown at, keeping the large raster as the
// unscaled source of later resizes.
std::unique_ptr<CLayerObject> BitmapObjectFromPicture(ImportedPicture picture);

} // namespace lw
