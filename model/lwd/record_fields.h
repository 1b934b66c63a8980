#pragma once
// The part every kind's record reader and writer shares: rectangle, position and the effects.
#include "model/layer_object.h"
#include "model/lwd/object_records.h"

namespace lw {

// Takes the record's rectangle, the position at its left-top and the effects; with sizeImages
// the images are made at the rectangle's size (kinds whose size comes from rendering or from a
// source leave that to them, so a record's rectangle alone never allocates).
void readCommonRecordFields(CLayerObject& object, const RecordCommon& common, bool sizeImages = true);
RecordCommon commonRecordFields(const CLayerObject& object);

} // namespace lw
