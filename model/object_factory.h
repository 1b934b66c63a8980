#pragma once
// Making layer objects from their tagged records (document file and clipboard).
#include "model/layer_list.h"
#include "platform/ui_port.h"

#include <memory>
#include <span>

namespace lw {

// The object a record describes, read for the given file version (3 … 6). A clone comes without
// source. Raises ArchiveError for an unknown tag or a record that does not hold what its kind
// needs; nothing is created then. A text label reports a failed rendering to `messages`.
std::unique_ptr<CLayerObject> ReadObjectRecord(std::span<const std::uint8_t> record, int version,
                                               UiPort* messages = nullptr);

// Reads the record and appends the object on top of the list (which updates its composite).
CLayerObject* ObjectFactory(std::span<const std::uint8_t> record, int version, CLayerList& list,
                            UiPort* messages = nullptr);

} // namespace lw
