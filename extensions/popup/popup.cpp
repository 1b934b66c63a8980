// popup.lwx: objects briefly swell every third step while the frame is shown.
#include "engine/lwx.h"

#include <cstdint>

namespace {

const int32_t kIds[] = {128, 0};

const char kVendorText[] = "Popup Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

bool fitsInt32(int64_t v)
{
    return v >= INT32_MIN && v <= INT32_MAX;
}

} // namespace

LWX_EXPORT const char* LWXVendorInfo(int32_t)
{
    return kVendorText;
}

LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return kIds;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 128 || !info)
        return 0;
    info->kind = LWX_KIND_ANIMATION;
    info->maxSpeed = 0;
    info->minSpeed = 0;
    info->name = "Popup";
    return 1;
}

// Steps 1, 4, 7, ... grow the rectangle by a tenth of its size on every side; the host
// resamples the object to it.
LWX_EXPORT int32_t LWXPrepare(int32_t, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx)
        return LWX_HIDE;
    if (frameIndex % 3 != 1)
        return LWX_DRAW_IN_PLACE;
    LWXRect& cur = ctx->current;
    const int64_t dw = (int64_t{cur.right} - cur.left) / 10;
    const int64_t dh = (int64_t{cur.bottom} - cur.top) / 10;
    const int64_t left = cur.left - dw, right = cur.right + dw;
    const int64_t top = cur.top - dh, bottom = cur.bottom + dh;
    if (!fitsInt32(left) || !fitsInt32(right) || !fitsInt32(top) || !fitsInt32(bottom))
        return LWX_DRAW_IN_PLACE;
    cur = {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
           static_cast<int32_t>(bottom)};
    return LWX_DRAW_STRETCHED;
}
