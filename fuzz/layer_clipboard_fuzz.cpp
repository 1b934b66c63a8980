// Feeds arbitrary bytes to the clipboard block reader: offsets must stay inside the block and
// every record it names must be refused or read safely.
#include "doc/layer_clipboard_block.h"
#include "doc/object_records.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        for (const auto record : lw::layerClipboardRecords(std::span<const std::uint8_t>(data, size))) {
            try {
                switch (lw::objectRecordKind(record)) {
                case lw::ObjectRecordKind::Bitmap:
                    (void)lw::decodeBitmapRecord(record, lw::kCurrentDocumentVersion);
                    break;
                case lw::ObjectRecordKind::Rectangle:
                    (void)lw::decodeRectRecord(record, lw::kCurrentDocumentVersion);
                    break;
                case lw::ObjectRecordKind::Ellipse:
                    (void)lw::decodeEllipseRecord(record, lw::kCurrentDocumentVersion);
                    break;
                case lw::ObjectRecordKind::Text:
                    (void)lw::decodeTextRecord(record, lw::kCurrentDocumentVersion);
                    break;
                case lw::ObjectRecordKind::Clone:
                    (void)lw::decodeCloneRecord(record, lw::kCurrentDocumentVersion);
                    break;
                }
            } catch (const lw::ArchiveError&) {
            }
        }
    } catch (const lw::ArchiveError&) {
    }
    return 0;
}
