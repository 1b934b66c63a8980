#include "model/text_object.h"

#include "model/document_limits.h"

#include "model/lwd/record_fields.h"

#include <QPainter>
#include <QPoint>
#include <algorithm>

namespace lw {

CTextObject::CTextObject()
{
    type = kTypeText;
    hasTransparency = 1;
}

TextStyle CTextObject::textStyle() const
{
    TextStyle s;
    s.text = text;
    s.font = font;
    s.widthScale = widthScale;
    s.letterSpacing = letterSpacing;
    s.antialiased = antialiased != 0;
    s.outlineWidth = outlineWidth;
    s.textColour = textColour;
    s.alignment = alignment;
    return s;
}

void CTextObject::Render()
{
    TextRenderResult result = renderText(textStyle());
    if (!result.text) {
        if (result.error && messagePort)
            messagePort->messageBox(*result.error);
        return;
    }
    metrics = result.text->metrics;
    ResizeImages(metrics.width, metrics.height);
    ownImage = std::move(result.text->image);
    MoveTo(position.x, position.y);
}

void CTextObject::MoveTo(int x, int y)
{
    position = {x, y};
    rect = offsetRect(rect, x - rect.left, y - metrics.ascent - rect.top);
}

void CTextObject::FillAt(int, int, std::uint32_t colour)
{
    textColour = colour;
    Render();
}

void CTextObject::BeginEdit()
{
    CLayerObject::BeginEdit();
    saved_ = {widthScale, letterSpacing, antialiased, textColour, font, text, alignment};
}

void CTextObject::CancelEdit()
{
    CLayerObject::CancelEdit();
    widthScale = saved_.widthScale;
    letterSpacing = saved_.letterSpacing;
    antialiased = saved_.antialiased;
    textColour = saved_.textColour;
    font = saved_.font;
    text = saved_.text;
    alignment = saved_.alignment;
    Render();
}

void CTextObject::Resize(const LayerRect& r)
{
    if (rectIsEmpty(r))
        return;
    const int newW = rectWidth(r);
    const int newH = rectHeight(r);
    const int oldW = width();
    const int oldH = height();
    if (oldW <= 0 || oldH <= 0)
        return; // never rendered: nothing to scale from
    if (newH == oldH) {
        // Same height: the width goes into the gaps between the characters.
        const int n = characterCount(text);
        letterSpacing = n > 1 ? static_cast<double>(newW - metrics.naturalWidth) / (n - 1) : 0.0;
        if (letterSpacing < 0)
            letterSpacing = 0;
    } else if (newW == oldW) {
        // Taller at the same width: a bigger font, squeezed back to the old width.
        widthScale = widthScale * oldH / newH;
        font.height = newH * font.height / oldH;
    } else {
        letterSpacing = letterSpacing * newH / oldH;
        font.height = newH * font.height / oldH;
        widthScale = (static_cast<double>(oldH) / newH) / (static_cast<double>(oldW) / newW) * widthScale;
    }
    // A label stays within what a document may hold (and the reader reads): a drag beyond the
    // limits gives the largest label they allow instead.
    widthScale = std::clamp(widthScale, kMinWidthScale, kMaxWidthScale);
    letterSpacing = std::clamp(letterSpacing, kMinLetterSpacing, kMaxLetterSpacing);
    font.height = std::clamp(font.height, -kMaxFontHeight, kMaxFontHeight);
    Render();
}

std::vector<int> CTextObject::Handles() const
{
    if (IsMultiLine())
        return {3, 1, 5, 7};
    return {3, 4, 2};
}

int CTextObject::HitHandle(const ViewState& view) const
{
    const LayerRect zoomed = scaleRect(rect, std::max(1, view.zoom));
    for (int handle : Handles())
        if (rectContains(handleRect(zoomed, handle), view.zoomedPoint.x(), view.zoomedPoint.y()))
            return handle;
    return 0;
}

void CTextObject::DrawHandles(QPainter& dc, const ViewState& view) const
{
    const LayerRect zoomed = scaleRect(rect, std::max(1, view.zoom));
    for (int handle : Handles())
        drawDeviceRectangle(dc, handleRect(zoomed, handle));
    if (IsMultiLine())
        return;
    // Arrow marks: handle 4 stretches the spacing sideways, handle 2 the height upwards.
    dc.save();
    const LayerRect right = handleRect(zoomed, 4);
    const int my = (right.top + right.bottom) / 2;
    dc.drawLine(QPoint(right.right + 1, my), QPoint(right.right + 5, my));
    dc.drawLine(QPoint(right.right + 3, my - 2), QPoint(right.right + 5, my));
    dc.drawLine(QPoint(right.right + 3, my + 2), QPoint(right.right + 5, my));
    const LayerRect top = handleRect(zoomed, 2);
    const int mx = (top.left + top.right) / 2;
    dc.drawLine(QPoint(mx, top.top - 1), QPoint(mx, top.top - 5));
    dc.drawLine(QPoint(mx - 2, top.top - 3), QPoint(mx, top.top - 5));
    dc.drawLine(QPoint(mx + 2, top.top - 3), QPoint(mx, top.top - 5));
    dc.restore();
}

void CTextObject::DrawDragOutline(QPainter& dc, int dx, int dy, const ViewMapping& view) const
{
    const int zoom = std::max(1, view.zoom);
    const int y = (rect.top + dy + metrics.ascent) * zoom;
    dc.drawLine(QPoint((rect.left + dx) * zoom, y), QPoint((rect.right + dx) * zoom, y));
}

ObjectRecord CTextObject::WriteRecord() const
{
    TextRecord record;
    record.common = commonRecordFields(*this);
    record.widthScale = widthScale;
    record.letterSpacing = letterSpacing;
    record.antialiased = antialiased;
    record.outlineWidth = outlineWidth;
    record.textColour = textColour;
    record.font = font;
    record.positionX = position.x;
    record.positionY = position.y;
    record.alignment = alignment;
    record.spareColour = spareColour;
    record.reserved = reserved;
    record.text = text;
    return encodeRecord(record);
}

void CTextObject::ReadRecord(const TextRecord& record)
{
    readCommonRecordFields(*this, record.common, false);
    position = {record.positionX, record.positionY};
    // Until the first rendering the stored rectangle says where the baseline lies.
    metrics.ascent = record.positionY - record.common.rect.top;
    widthScale = record.widthScale;
    letterSpacing = record.letterSpacing;
    antialiased = record.antialiased;
    outlineWidth = record.outlineWidth;
    textColour = record.textColour;
    font = record.font;
    alignment = record.alignment;
    reserved = record.reserved;
    text = record.text;
    Render();
    if (ownImage.width() != width() || ownImage.height() != height()) {
        // The label could not be rendered (the box said why): keep an empty label of a sane
        // size so that rectangle and images agree.
        ResizeImages(std::min(width(), kWorkspaceSize), std::min(height(), kWorkspaceSize));
        ownImage.Fill(255);
    }
}

std::unique_ptr<CLayerObject> CTextObject::Duplicate() const
{
    auto copy = std::make_unique<CTextObject>();
    copy->CopyFrom(*this);
    copy->antialiased = antialiased;
    copy->font = font;
    copy->letterSpacing = letterSpacing;
    copy->textColour = textColour;
    copy->text = text;
    copy->widthScale = widthScale;
    // Undo copies keep the outline, the alignment and the record-only values as well: a copy
    // without them would undo into a different label.
    copy->outlineWidth = outlineWidth;
    copy->alignment = alignment;
    copy->spareColour = spareColour;
    copy->reserved = reserved;
    copy->metrics = metrics;
    copy->messagePort = messagePort;
    copy->Render();
    return copy;
}

} // namespace lw
