// Feeds arbitrary bytes to the layer-object record readers of every file version: they must
// refuse with ArchiveError or make an object, never touch bytes outside the record.
#include "model/layer_list.h"
#include "model/object_factory.h"
#include "model/lwd/object_records.h"
#include "fuzz_gui_app.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureFuzzGuiApp();
    const std::span<const std::uint8_t> record(data, size);
    lw::CLayerList list;
    for (int version = lw::kFirstDocumentVersion; version <= lw::kCurrentDocumentVersion; ++version) {
        try {
            lw::CLayerObject* object = lw::ObjectFactory(record, version, list);
            // What was read must write back as a readable record.
            const lw::ObjectRecord again = object->WriteRecord();
            (void)lw::ReadObjectRecord(again, lw::kCurrentDocumentVersion);
        } catch (const lw::ArchiveError&) {
        }
    }
    return 0;
}
