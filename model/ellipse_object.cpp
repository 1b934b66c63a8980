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

void CEllipseObject::BeginEdit()
{
    CLayerObject::BeginEdit();
    savedColour_ = colour;
}

void CEllipseObject::CancelEdit()
{
    CLayerObject::CancelEdit();
    colour = savedColour_;
    Render();
}

void CEllipseObject::Resize(const LayerRect& r)
{
    if (rectIsEmpty(r))
        return;
    rect = r;
    ResizeImages(rectWidth(r), rectHeight(r));
    Render();
    MoveTo(r.left, r.top);
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

std::unique_ptr<CLayerObject> CEllipseObject::Duplicate() const
{
    auto copy = std::make_unique<CEllipseObject>();
    copy->CopyFrom(*this);
    copy->style = style;
    copy->colour = colour;
    copy->reserved = reserved;
    copy->Render();
    return copy;
}

} // namespace lw
