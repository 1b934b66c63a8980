#include "app/editor/handle_drag.h"

#include <algorithm>
#include <cmath>

namespace lw {

namespace {

bool movesLeft(int h)
{
    return h == 1 || h == 7 || h == 8;
}
bool movesRight(int h)
{
    return h == 3 || h == 4 || h == 5;
}
bool movesTop(int h)
{
    return h == 1 || h == 2 || h == 3;
}
bool movesBottom(int h)
{
    return h == 5 || h == 6 || h == 7;
}
bool isCorner(int h)
{
    return h == 1 || h == 3 || h == 5 || h == 7;
}

} // namespace

LayerRect resizedByHandle(const LayerRect& start, int handle, QPoint cursor, double ratio)
{
    LayerRect r = start;
    if (movesLeft(handle))
        r.left = cursor.x();
    if (movesRight(handle))
        r.right = cursor.x();
    if (movesTop(handle))
        r.top = cursor.y();
    if (movesBottom(handle))
        r.bottom = cursor.y();
    if (!isCorner(handle) || ratio <= 0)
        return r;
    const int width = std::abs(rectWidth(r));
    const int height = std::abs(rectHeight(r));
    if (height == 0 || width == 0)
        return r;
    // Shrink the dimension that is too large; the moved corner gives way, the opposite one stays.
    int newWidth = width, newHeight = height;
    if (static_cast<double>(width) / height > ratio)
        newWidth = static_cast<int>(height * ratio);
    else
        newHeight = static_cast<int>(width / ratio);
    const int sx = rectWidth(r) < 0 ? -1 : 1;
    const int sy = rectHeight(r) < 0 ? -1 : 1;
    if (movesLeft(handle))
        r.left = r.right - sx * newWidth;
    else
        r.right = r.left + sx * newWidth;
    if (movesTop(handle))
        r.top = r.bottom - sy * newHeight;
    else
        r.bottom = r.top + sy * newHeight;
    return r;
}

LayerRect croppedByHandle(const LayerRect& limit, int handle, QPoint cursor)
{
    LayerRect r = limit;
    if (movesLeft(handle))
        r.left = std::clamp(cursor.x(), limit.left, limit.right - 1);
    if (movesRight(handle))
        r.right = std::clamp(cursor.x(), limit.left + 1, limit.right);
    if (movesTop(handle))
        r.top = std::clamp(cursor.y(), limit.top, limit.bottom - 1);
    if (movesBottom(handle))
        r.bottom = std::clamp(cursor.y(), limit.top + 1, limit.bottom);
    return r;
}

LayerRect normalisedRect(const LayerRect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

} // namespace lw
