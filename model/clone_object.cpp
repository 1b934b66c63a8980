#include "model/clone_object.h"

#include "model/bitmap_object.h"
#include "model/lwd/record_fields.h"

#include <QBrush>
#include <QPainter>

namespace lw {

CCloneObject::CCloneObject(CLayerObject* s) : source(s)
{
    type = kTypeClone;
    hasTransparency = 1;
    if (source) {
        rect = source->rect;
        position = source->position;
        ResizeImages(source->width(), source->height());
        ownImage.CopyPixels(source->ownImage);
    }
}

void CCloneObject::Compose(const LayerRect* area)
{
    if (source) {
        const int w = source->width();
        const int h = source->height();
        if (w != width() || h != height() || ownImage.width() != w || ownImage.height() != h ||
            composite.width() != w || composite.height() != h) {
            // The backdrop was laid at the old size; until the next update the clone shows
            // over nothing rather than over a zeroed (opaque black) composite.
            ResizeImages(w, h);
            composite.Fill(255);
        }
        ownImage.CopyPixels(source->ownImage);
    }
    CLayerObject::Compose(area);
}

void CCloneObject::SetCloneSource(CLayerObject* s)
{
    source = s;
    if (!source)
        return; // keeps its last pixels
    composite.Fill(255);
    Compose(nullptr);
}

bool CCloneObject::HitTest(const ViewState& view) const
{
    return view.tool == ViewTool::Select &&
           rectContains(rect, view.workspacePoint.x(), view.workspacePoint.y());
}

int CCloneObject::HitHandle(const ViewState&) const
{
    return 0;
}

void CCloneObject::DrawHandles(QPainter& dc, const ViewState& view) const
{
    dc.setBrush(QBrush(QColor(0x80, 0x80, 0x80)));
    CLayerObject::DrawHandles(dc, view);
    dc.setBrush(QBrush(Qt::white));
}

ObjectRecord CCloneObject::WriteRecord() const
{
    CloneRecord record;
    record.common = commonRecordFields(*this);
    record.sourceRef = sourceRef;
    return encodeRecord(record);
}

void CCloneObject::ReadRecord(const CloneRecord& record)
{
    // No pixels until the source is resolved: the first compose takes the source's size.
    readCommonRecordFields(*this, record.common, false);
    sourceRef = record.sourceRef;
}

std::unique_ptr<CLayerObject> CCloneObject::Duplicate() const
{
    auto copy = std::make_unique<CBitmapObject>();
    copy->CopyFrom(*this);
    const CRaster& pixels = source ? source->ownImage : ownImage;
    copy->ResizeImages(pixels.width(), pixels.height());
    copy->ownImage.CopyPixels(pixels);
    return copy;
}

} // namespace lw
