#pragma once
// Changing the canvas of a whole animation: scaling every layer to a new size, or growing and
// shrinking the canvas at its four edges while the layers stay where they are on it.
#include "model/layer_rect.h"

#include <cstdint>

namespace lw {

class CAnimation;

// Sets the canvas to width × height and scales every layer of every frame: each edge and the
// anchor, taken from the old canvas's top-left corner, times new / old size (integer), placed
// from the new canvas's corner. Sizes outside 1 … kWorkspaceSize are refused (false).
bool ScaleToCanvas(CAnimation& animation, int width, int height);
// What the document would count (as DocumentPixels does) after ScaleToCanvas; its count now when
// the size would be refused.
std::int64_t PixelsAfterScale(const CAnimation& animation, int width, int height);

// The four signed amounts by which the canvas grows at each edge (negative shrinks it).
struct EdgeAmounts {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The size the canvas-size dialog shows while typing: each side kept within 1 … kWorkspaceSize.
struct CanvasSize {
    int width = 0;
    int height = 0;
    bool operator==(const CanvasSize&) const = default;
};
CanvasSize grownCanvasSize(int width, int height, const EdgeAmounts& grow);

// The edges moved by the amounts and clamped to kEdgeMargin … kWorkspaceSize − kEdgeMargin.
inline constexpr int kEdgeMargin = 16;
LayerRect grownEdges(const LayerRect& rect, const EdgeAmounts& grow);

// Grows the canvas by the amounts (edges clamped as above); the new canvas is centred in the
// workspace and every frame's layers move with it so they keep their place on the canvas.
// An amount set that leaves no canvas is refused (false, nothing changes).
bool GrowCanvas(CAnimation& animation, const EdgeAmounts& grow);
// What the document would count after GrowCanvas (its count now when it would be refused).
std::int64_t PixelsAfterGrow(const CAnimation& animation, const EdgeAmounts& grow);

} // namespace lw
