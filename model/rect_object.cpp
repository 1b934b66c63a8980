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

} // namespace lw
