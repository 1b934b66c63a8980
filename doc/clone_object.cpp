#include "doc/clone_object.h"

#include "doc/bitmap_object.h"
#include "doc/record_fields.h"

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
        if (source->width() != width() || source->height() != height()) {
            // The backdrop was laid at the old size; until the next update the clone shows
            // over nothing rather than over a zeroed (opaque black) composite.
            ResizeImages(source->width(), source->height());
            composite.Fill(255);
        }
        ownImage.CopyPixels(source->ownImage);
    }
    CLayerObject::Compose(area);
}

bool CCloneObject::HitTest(const ViewState& view) const
{
    return view.toolId == kSelectionToolId &&
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
    readCommonRecordFields(*this, record.common);
    sourceRef = record.sourceRef;
    // Nothing to show until the source is resolved.
    ownImage.Fill(255);
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
