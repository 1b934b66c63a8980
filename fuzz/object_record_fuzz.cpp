// Feeds arbitrary bytes to the layer-object record readers of every file version: they must
// refuse with ArchiveError or read, never touch bytes outside the record.
#include "doc/object_records.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> record(data, size);
    for (int version = lw::kFirstDocumentVersion; version <= lw::kCurrentDocumentVersion; ++version) {
        try {
            switch (lw::objectRecordKind(record)) {
            case lw::ObjectRecordKind::Bitmap:
                (void)lw::encodeRecord(lw::decodeBitmapRecord(record, version));
                break;
            case lw::ObjectRecordKind::Rectangle:
                (void)lw::encodeRecord(lw::decodeRectRecord(record, version));
                break;
            case lw::ObjectRecordKind::Ellipse:
                (void)lw::encodeRecord(lw::decodeEllipseRecord(record, version));
                break;
            case lw::ObjectRecordKind::Text:
                (void)lw::encodeRecord(lw::decodeTextRecord(record, version));
                break;
            case lw::ObjectRecordKind::Clone:
                (void)lw::encodeRecord(lw::decodeCloneRecord(record, version));
                break;
            }
        } catch (const lw::ArchiveError&) {
        }
    }
    return 0;
}
