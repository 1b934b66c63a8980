#include "model/layer_clipboard.h"

#include "model/lwd/object_records.h"
#include "model/object_factory.h"

#include <memory>
#include <vector>

namespace lw {

LayerClipboardBlock CopySelectedToBlock(const CLayerList& list)
{
    std::vector<std::vector<std::uint8_t>> records;
    for (const CLayerObject* object = list.head.get(); object; object = object->next.get()) {
        if (!object->selected)
            continue;
        ObjectRecord record;
        if (object->IsClone()) {
            // A clone travels as a bitmap of what it shows, with all three of its effects.
            const auto asBitmap = object->Duplicate();
            if (asBitmap)
                asBitmap->animationEffect = object->animationEffect;
            if (asBitmap && asBitmap->ownImage.hasBlock())
                record = asBitmap->WriteRecord();
        } else {
            record = object->WriteRecord();
        }
        if (!record.empty())
            records.push_back(std::move(record));
    }
    return buildLayerClipboardBlock(records);
}

int PasteBlock(CLayerList& list, std::span<const std::uint8_t> block, UiPort* messages)
{
    std::vector<std::unique_ptr<CLayerObject>> objects;
    for (const auto record : layerClipboardRecords(block)) {
        if (objectRecordKind(record) == ObjectRecordKind::Clone)
            continue;
        objects.push_back(ReadObjectRecord(record, kCurrentDocumentVersion, messages));
    }
    for (auto& object : objects) {
        object->selected = 1;
        list.AppendObject(std::move(object));
    }
    return static_cast<int>(objects.size());
}

} // namespace lw
