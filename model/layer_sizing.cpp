#include "model/layer_sizing.h"

#include "model/frame.h"

#include <climits>

namespace lw {

bool ResizeKeepingCentre(CFrame& frame, CLayerObject& object, int width, int height)
{
    if (width < 1 || height < 1 || width > kWorkspaceSize || height > kWorkspaceSize ||
        !frame.Contains(&object))
        return false;
    const int cx = (object.rect.left + object.rect.right) / 2;
    const int cy = (object.rect.top + object.rect.bottom) / 2;
    const LayerRect r{cx - width / 2, cy - height / 2, cx - width / 2 + width, cy - height / 2 + height};
    object.Resize(r);
    object.MoveTo(r.left, r.top);
    frame.UpdateComposites(&object);
    return true;
}

bool GrowLayer(CFrame& frame, CLayerObject& object, const EdgeAmounts& grow, std::uint32_t fill)
{
    const LayerRect r = grownEdges(object.rect, grow);
    if (rectIsEmpty(r) || !frame.Contains(&object))
        return false;
    object.SetRect(r, fill);
    frame.UpdateComposites(&object);
    return true;
}

namespace {

int truncatedToInt(double value)
{
    if (!(value > INT_MIN && value < INT_MAX))
        return value > 0 ? INT_MAX : 0;
    return static_cast<int>(value);
}

} // namespace

int linkedHeight(int width, int startWidth, int startHeight)
{
    if (startWidth == 0)
        return startHeight;
    return truncatedToInt(width * (static_cast<double>(startHeight) / startWidth));
}

int linkedWidth(int height, int startWidth, int startHeight)
{
    if (startHeight == 0)
        return startWidth;
    return truncatedToInt(height / (static_cast<double>(startHeight) / startWidth));
}

} // namespace lw
