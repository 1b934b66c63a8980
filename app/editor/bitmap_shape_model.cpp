#include "app/editor/bitmap_shape_model.h"

#include "model/bitmap_object.h"
#include "model/bitmap_painting.h"

namespace lw {

BitmapShape bitmapShapeStart(const CBitmapObject& layer, std::uint32_t foreground)
{
    BitmapShape shape;
    if (layer.ownImage.contains(0, 0))
        shape.transparentColour = layer.ownImage.GetPixel(0, 0);
    shape.stencilColour = foreground;
    return shape;
}

CRaster shapedPixels(const CRaster& pixels, const BitmapShape& shape)
{
    CRaster result(pixels);
    if (shape.operation == BitmapShapeOperation::TransparentColour)
        makeColourTransparent(result, shape.transparentColour);
    else
        applyStencil(result, shape.stencilColour);
    return result;
}

void applyBitmapShape(CBitmapObject& layer, const BitmapShape& shape)
{
    if (shape.operation == BitmapShapeOperation::TransparentColour)
        layer.MakeColourTransparent(shape.transparentColour);
    else
        layer.Stencil(shape.stencilColour);
}

} // namespace lw
