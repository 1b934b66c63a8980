#include "model/rect_object.h"

#include "model/lwd/record_fields.h"

namespace lw {

CRectObject::CRectObject()
{
    type = kTypeRectangle;
}

void CRectObject::Render()
{
    hasTransparency = rectStyleHasTransparency(style) ? 1 : 0;
    renderRectangle(ownImage, style);
}

void CRectObject::FillAt(int x, int y, std::uint32_t colour)
{
    if (colour >> 24)
        hasTransparency = 1;
    recolourRectPart(style, width(), height(), x - rect.left, y - rect.top, colour);
    Render();
}

void CRectObject::BeginEdit()
{
    CLayerObject::BeginEdit();
    savedStyle_ = style;
}

void CRectObject::CancelEdit()
{
    CLayerObject::CancelEdit();
    style = savedStyle_;
    Render();
}

void CRectObject::Resize(const LayerRect& r)
{
    if (rectIsEmpty(r))
        return;
    rect = r;
    ResizeImages(rectWidth(r), rectHeight(r));
    Render();
    MoveTo(r.left, r.top);
}

ObjectRecord CRectObject::WriteRecord() const
{
    RectRecord record;
    record.common = commonRecordFields(*this);
    record.fillColour = style.fillColour;
    record.lineColour = style.lineColour;
    record.lineWidth = style.lineWidth;
    record.gapWidth = style.gapWidth;
    record.style = style.style;
    record.reserved = reserved;
    return encodeRecord(record);
}

void CRectObject::ReadRecord(const RectRecord& record)
{
    readCommonRecordFields(*this, record.common);
    style = {record.fillColour, record.lineColour, record.lineWidth, record.gapWidth, record.style};
    reserved = record.reserved;
    Render();
}

std::unique_ptr<CLayerObject> CRectObject::Duplicate() const
{
    auto copy = std::make_unique<CRectObject>();
    copy->CopyFrom(*this);
    copy->style = style;
    // Undo copies keep the reserved values too, so that undoing never changes what is saved.
    copy->reserved = reserved;
    copy->Render();
    return copy;
}

} // namespace lw
