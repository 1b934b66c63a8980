#pragma once
// Workspace rectangles: left, top, right, bottom with right and bottom exclusive. The model uses
// the raster's rectangle type so that rectangles go straight into FillRect.
#include "imaging/raster.h"

#include <algorithm>

namespace lw {

using LayerRect = RasterRect;

// The workspace every object lives in; the canvas is centred inside it.
inline constexpr int kWorkspaceSize = 1200;

inline int rectWidth(const LayerRect& r)
{
    return r.right - r.left;
}
inline int rectHeight(const LayerRect& r)
{
    return r.bottom - r.top;
}
inline bool rectIsEmpty(const LayerRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}
inline bool rectContains(const LayerRect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
inline LayerRect offsetRect(const LayerRect& r, int dx, int dy)
{
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline LayerRect inflateRect(const LayerRect& r, int d)
{
    return {r.left - d, r.top - d, r.right + d, r.bottom + d};
}
// Empty (all zero) when the two do not overlap.
inline LayerRect intersectRect(const LayerRect& a, const LayerRect& b)
{
    const LayerRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return rectIsEmpty(r) ? LayerRect{} : r;
}
// An empty rectangle adds nothing to a union.
inline LayerRect unionRect(const LayerRect& a, const LayerRect& b)
{
    if (rectIsEmpty(a))
        return rectIsEmpty(b) ? LayerRect{} : b;
    if (rectIsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
inline LayerRect scaleRect(const LayerRect& r, int factor)
{
    return {r.left * factor, r.top * factor, r.right * factor, r.bottom * factor};
}
inline bool operator==(const LayerRect& a, const LayerRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace lw
