// Feeds arbitrary bytes to the layer-object record readers of every file version: they must
// refuse with ArchiveError or make an object, never touch bytes outside the record. Every
// version decodes the record; one of them, picked by the record's length, makes the object
// (rendering a large label takes seconds under the sanitizers, so it is done once per input).
#include "model/layer_list.h"
#include "model/object_factory.h"
#include "model/lwd/object_records.h"
#include "fuzz_gui_app.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

namespace {

void decodeOnly(std::span<const std::uint8_t> record, int version)
{
    switch (lw::objectRecordKind(record)) {
    case lw::ObjectRecordKind::Bitmap:
        (void)lw::decodeBitmapRecord(record, version);
        break;
    case lw::ObjectRecordKind::Rectangle:
        (void)lw::decodeRectRecord(record, version);
        break;
    case lw::ObjectRecordKind::Ellipse:
        (void)lw::decodeEllipseRecord(record, version);
        break;
    case lw::ObjectRecordKind::Text:
        (void)lw::decodeTextRecord(record, version);
        break;
    case lw::ObjectRecordKind::Clone:
        (void)lw::decodeCloneRecord(record, version);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureFuzzGuiApp();
    const std::span<const std::uint8_t> record(data, size);
    const int versions = lw::kCurrentDocumentVersion - lw::kFirstDocumentVersion + 1;
    const int built = lw::kFirstDocumentVersion + static_cast<int>(size % versions);
    lw::CLayerList list;
    for (int version = lw::kFirstDocumentVersion; version <= lw::kCurrentDocumentVersion; ++version) {
        try {
            if (version != built) {
                decodeOnly(record, version);
                continue;
            }
            lw::CLayerObject* object = lw::ObjectFactory(record, version, list);
            // What was read must write back as a readable record.
            const lw::ObjectRecord again = object->WriteRecord();
            (void)lw::ReadObjectRecord(again, lw::kCurrentDocumentVersion);
        } catch (const lw::ArchiveError&) {
        }
    }
    return 0;
}
