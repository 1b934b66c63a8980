#pragma once
// Turning layers into bitmap objects: one object in place, or the selection merged into a new
// bitmap on top.
#include "model/bitmap_object.h"
#include "model/layer_list.h"

namespace lw {

// Replaces the object by a bitmap object with its rectangle, position, selection, transparency,
// effects and both images; the old object is destroyed and its clones follow the new one.
// Returns the new object, or null when the object is not in the list.
CBitmapObject* ConvertToBitmap(CLayerList& list, CLayerObject* object);

// A new bitmap the size of the union of the selected rectangles with every selected object's own
// pixels composed onto it bottom first, appended on top; the originals stay. Null when nothing
// is selected.
CBitmapObject* MergeSelected(CLayerList& list);

} // namespace lw
