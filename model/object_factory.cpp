#include "model/object_factory.h"

#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/ellipse_object.h"
#include "model/lwd/object_records.h"
#include "model/rect_object.h"
#include "model/text_object.h"

namespace lw {

std::unique_ptr<CLayerObject> ReadObjectRecord(std::span<const std::uint8_t> record, int version,
                                               UiPort* messages)
{
    // Each record is decoded completely before an object exists, so a bad one leaves nothing.
    switch (objectRecordKind(record)) {
    case ObjectRecordKind::Bitmap: {
        BitmapRecord r = decodeBitmapRecord(record, version);
        auto object = std::make_unique<CBitmapObject>();
        object->ReadRecord(std::move(r));
        return object;
    }
    case ObjectRecordKind::Rectangle: {
        const RectRecord r = decodeRectRecord(record, version);
        auto object = std::make_unique<CRectObject>();
        object->ReadRecord(r);
        return object;
    }
    case ObjectRecordKind::Ellipse: {
        const EllipseRecord r = decodeEllipseRecord(record, version);
        auto object = std::make_unique<CEllipseObject>();
        object->ReadRecord(r);
        return object;
    }
    case ObjectRecordKind::Text: {
        const TextRecord r = decodeTextRecord(record, version);
        auto object = std::make_unique<CTextObject>();
        object->messagePort = messages;
        object->ReadRecord(r);
        return object;
    }
    case ObjectRecordKind::Clone: {
        const CloneRecord r = decodeCloneRecord(record, version);
        auto object = std::make_unique<CCloneObject>();
        object->ReadRecord(r);
        return object;
    }
    }
    return nullptr;
}

CLayerObject* ObjectFactory(std::span<const std::uint8_t> record, int version, CLayerList& list,
                            UiPort* messages)
{
    return list.AppendObject(ReadObjectRecord(record, version, messages));
}

} // namespace lw
