#pragma once
// Changing one layer's size: to a typed width and height around its centre, or by four edge
// amounts with the new area filled.
#include "model/canvas_resize.h"

#include <cstdint>

namespace lw {

class CFrame;
class CLayerObject;

// Resizes the layer to width × height keeping the middle of its rectangle; false for a size
// below 1 or above the workspace, or a layer not in the frame.
bool ResizeKeepingCentre(CFrame& frame, CLayerObject& object, int width, int height);

// Moves each edge of the layer by its amount (edges clamped to the workspace margin) and cuts or
// extends the layer to that rectangle, the new area in `fill` (raster colour). False when the
// rectangle would be empty or the layer is not in the frame.
bool GrowLayer(CFrame& frame, CLayerObject& object, const EdgeAmounts& grow, std::uint32_t fill);

// The image-size dialog's linked fields: the ratio is start height / start width, truncated results.
int linkedHeight(int width, int startWidth, int startHeight);
int linkedWidth(int height, int startWidth, int startHeight);

} // namespace lw
