#include "model/bitmap_object.h"

#include "model/bitmap_painting.h"
#include "model/flood_fill.h"
#include "model/lwd/record_fields.h"

#include <algorithm>

namespace lw {

CBitmapObject::CBitmapObject()
{
    type = kTypeBitmap;
}

void CBitmapObject::beginPixelEdit(std::uint32_t colour)
{
    unscaledPixels.reset();
    if (colour >> 24)
        hasTransparency = 1;
}

void CBitmapObject::TakePixels(CRaster&& pixels)
{
    // The composite only needs the size here: the next composite update fills it, and shares
    // the pixels when they are opaque.
    rect.right = rect.left + pixels.width();
    rect.bottom = rect.top + pixels.height();
    ownImage = std::move(pixels);
    composite.ShareFrom(ownImage);
    unscaledPixels.reset();
}

void CBitmapObject::CopyPixels(const CRaster& pixels)
{
    ResizeImages(pixels.width(), pixels.height());
    ownImage.CopyPixels(pixels);
    unscaledPixels.reset();
}

bool CBitmapObject::LoadPackedDib(std::span<const std::uint8_t> block)
{
    CRaster picture;
    if (!picture.LoadPackedDib(block) || !picture.hasBlock())
        return false;
    MoveTo(0, 0);
    TakePixels(std::move(picture));
    return true;
}

void CBitmapObject::BeginEdit()
{
    CLayerObject::BeginEdit();
    savedPixels = std::make_unique<CRaster>(ownImage);
}

void CBitmapObject::EndEdit()
{
    CLayerObject::EndEdit();
    savedPixels.reset();
}

void CBitmapObject::CancelEdit()
{
    CLayerObject::CancelEdit();
    if (savedPixels) {
        ResizeImages(savedPixels->width(), savedPixels->height());
        ownImage = std::move(*savedPixels);
    }
    EndEdit();
}

void CBitmapObject::Resize(const LayerRect& r)
{
    if (rectIsEmpty(r) || !ownImage.hasBlock())
        return;
    if (!unscaledPixels)
        unscaledPixels = std::make_unique<CRaster>(std::move(ownImage));
    rect.right = rect.left + rectWidth(r);
    rect.bottom = rect.top + rectHeight(r);
    composite.Create(rectWidth(r), rectHeight(r));
    CRaster resized(*unscaledPixels);
    resized.Resample(rectWidth(r), rectHeight(r));
    if (resized.width() != rectWidth(r) || resized.height() != rectHeight(r)) {
        // Resampling refused (no memory): an empty picture of the right size keeps rect and
        // images in step.
        resized.Create(rectWidth(r), rectHeight(r));
        resized.Fill(255);
    }
    ownImage = std::move(resized);
    MoveTo(r.left, r.top);
}

void CBitmapObject::SetRect(const LayerRect& r, std::uint32_t colour)
{
    if (rectIsEmpty(r))
        return;
    beginPixelEdit(colour);
    CRaster canvas(rectWidth(r), rectHeight(r));
    canvas.FillRect(colour);
    ownImage.PasteInto(canvas, rect.left - r.left, rect.top - r.top);
    rect = r;
    ResizeImages(rectWidth(r), rectHeight(r));
    ownImage = std::move(canvas);
    MoveTo(r.left, r.top);
}

void CBitmapObject::FillAt(int x, int y, std::uint32_t colour)
{
    beginPixelEdit(colour);
    floodFill(ownImage, x - rect.left, y - rect.top, colour);
}

void CBitmapObject::StampBrush(int x, int y, std::uint32_t colour, int size)
{
    beginPixelEdit(colour);
    stampBrush(ownImage, x - rect.left, y - rect.top, colour, size);
}

void CBitmapObject::BrushLine(int x1, int y1, int x2, int y2, std::uint32_t colour, int size)
{
    beginPixelEdit(colour);
    brushLine(ownImage, x1, y1, x2, y2, colour, size, rect.left, rect.top);
}

void CBitmapObject::MakeColourTransparent(std::uint32_t colour)
{
    unscaledPixels.reset();
    hasTransparency = 1;
    makeColourTransparent(ownImage, colour);
}

void CBitmapObject::Stencil(std::uint32_t colour)
{
    unscaledPixels.reset();
    hasTransparency = 1;
    applyStencil(ownImage, colour);
}

ObjectRecord CBitmapObject::WriteRecord() const
{
    BitmapRecord record;
    record.common = commonRecordFields(*this);
    record.hasTransparency = hasTransparency;
    record.reserved = reserved;
    // The rectangle and the pixels always agree in size; a record must never claim more.
    const auto pixels = ownImage.pixels();
    const std::size_t count =
        static_cast<std::size_t>(std::max(0, width())) * static_cast<std::size_t>(std::max(0, height()));
    if (pixels.size() != count)
        return {};
    record.pixels.assign(pixels.begin(), pixels.end());
    return encodeRecord(record);
}

void CBitmapObject::ReadRecord(BitmapRecord&& record)
{
    // The decoder sized the pixels from the same rectangle; they move into the object.
    readCommonRecordFields(*this, record.common, false);
    const int w = width(), h = height();
    if (!ownImage.AdoptPixels(w, h, std::move(record.pixels))) {
        ownImage.Create(w, h);
        std::copy_n(record.pixels.begin(), std::min(record.pixels.size(), ownImage.pixelCount()),
                    ownImage.bits());
    }
    composite.ShareFrom(ownImage); // sized for the composite update, which fills it
    hasTransparency = record.hasTransparency;
    reserved = record.reserved;
    unscaledPixels.reset();
}

std::unique_ptr<CLayerObject> CBitmapObject::Duplicate() const
{
    auto copy = std::make_unique<CBitmapObject>();
    copy->CopyFrom(*this);
    copy->ownImage.CopyPixels(ownImage);
    copy->reserved = reserved;
    return copy;
}

} // namespace lw
