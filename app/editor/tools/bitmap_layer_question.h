#pragma once
// The question the line and pencil tools ask when chosen on a frame without a bitmap layer.
#include "app/editor/editing_view.h"

namespace lw {

// Deselects all; without a bitmap layer in the frame asks to add one and adds it on Yes.
void offerBitmapLayer(EditingView& view);

// The bitmap layer under a workspace point (the topmost whose rectangle holds it), or null.
CLayerObject* bitmapLayerAt(const EditingView& view, QPoint point);

} // namespace lw
