#pragma once
// "Форма точечного рисунка Bitmap": the shape of a bitmap layer, cut out of its pixels in one of
// two ways. Either one colour becomes transparent (the backdrop of a picture), or the stencil
// turns the picture into one colour whose opacity follows darkness (dark opaque, light clear).
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

class CBitmapObject;

enum class BitmapShapeOperation { TransparentColour, Stencil };

struct BitmapShape {
    BitmapShapeOperation operation = BitmapShapeOperation::TransparentColour;
    std::uint32_t transparentColour = 0x00FFFFFF; // 0xTTRRGGBB, matched exactly
    std::uint32_t stencilColour = 0;
    bool operator==(const BitmapShape&) const = default;
};

// Starts from the colour of the layer's top-left pixel (the backdrop of most pictures) and the
// view's foreground colour.
BitmapShape bitmapShapeStart(const CBitmapObject& layer, std::uint32_t foreground);

// The pixels as the shape leaves them.
CRaster shapedPixels(const CRaster& pixels, const BitmapShape& shape);
// Cuts the layer's own pixels (the layer forgets its resize source and notes transparency).
void applyBitmapShape(CBitmapObject& layer, const BitmapShape& shape);

} // namespace lw
