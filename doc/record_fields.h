#pragma once
// The part every kind's record reader and writer shares: rectangle, position and the effects.
#include "doc/layer_object.h"
#include "doc/object_records.h"

namespace lw {

// Takes the record's size and rectangle, the position at its left-top and the effects.
void readCommonRecordFields(CLayerObject& object, const RecordCommon& common);
RecordCommon commonRecordFields(const CLayerObject& object);

} // namespace lw
