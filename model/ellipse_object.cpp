#include "model/ellipse_object.h"

#include "model/lwd/record_fields.h"

namespace lw {

CEllipseObject::CEllipseObject()
{
    type = kTypeEllipse;
    hasTransparency = 1;
}

void CEllipseObject::Render()
{
    hasTransparency = 1;
    renderEllipse(ownImage, colour, style);
}

void CEllipseObject::FillAt(int, int, std::uint32_t c)
{
    colour = c;
    Render();
}

ObjectRecord CEllipseObject::WriteRecord() const
{
    EllipseRecord record;
    record.common = commonRecordFields(*this);
    record.colour = colour;
    record.style = style;
    record.reserved = reserved;
    return encodeRecord(record);
}

void CEllipseObject::ReadRecord(const EllipseRecord& record)
{
    readCommonRecordFields(*this, record.common);
    colour = record.colour;
    style = record.style;
    reserved = record.reserved;
    Render();
}

} // namespace lw
