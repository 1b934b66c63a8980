#pragma once
// Rectangles that follow a grabbed handle (1 top-left, 2 top, 3 top-right, 4 right,
// 5 bottom-right, 6 bottom, 7 bottom-left, 8 left), in workspace pixels.
#include "model/layer_rect.h"

#include <QPoint>

namespace lw {

// Resizing: an edge handle moves its edge to the cursor; a corner handle moves its corner there
// and then gives up width (or height) so that width / height stays `ratio`. The result may be
// inverted; normalise it before use.
LayerRect resizedByHandle(const LayerRect& start, int handle, QPoint cursor, double ratio);

// Cropping: the grabbed edges follow the cursor but stay inside `limit` (the layer at the press)
// and never cross the opposite edge, so at least one pixel remains.
LayerRect croppedByHandle(const LayerRect& limit, int handle, QPoint cursor);

// Left < right and top < bottom.
LayerRect normalisedRect(const LayerRect& r);

} // namespace lw
