// marquee.lwx: the image scrolls around inside its own rectangle while the frame is shown.
#include "engine/lwx.h"

#include "marquee_dialog.h"
#include "marquee_param.h"

#include <cstdint>

namespace {

const int32_t kIds[] = {201, 0};

const char kVendorText[] = "Marquee Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

// Wraps v into 0 .. size - 1 (size > 0), as repeated adding or subtracting of size would.
int64_t wrap(__int128 v, int64_t size)
{
    const auto r = static_cast<int64_t>(v % size);
    return r < 0 ? r + size : r;
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
    if (id != 201 || !info)
        return 0;
    info->kind = LWX_KIND_ANIMATION;
    info->maxSpeed = 0;
    info->minSpeed = 0;
    info->name = "Marquee";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t, LWXEffectContext* ctx, int32_t)
{
    return ctx ? LWX_RENDER : LWX_HIDE;
}

LWX_EXPORT int32_t LWXDoRender(int32_t, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target || ctx->frameCount == 0)
        return 0;
    const int64_t srcW = int64_t{ctx->home.right} - ctx->home.left;
    const int64_t srcH = int64_t{ctx->home.bottom} - ctx->home.top;
    const int64_t dstW = int64_t{ctx->current.right} - ctx->current.left;
    const int64_t dstH = int64_t{ctx->current.bottom} - ctx->current.top;
    if (srcW <= 0 || srcH <= 0 || dstW <= 0 || dstH <= 0)
        return 0;

    // The content travels twice its own size over the frame.
    const int64_t sh = (int64_t{frameIndex} * 200) / ctx->frameCount;
    // 128-bit products: nonsense step numbers must not overflow before the shift is wrapped.
    __int128 shiftX = 0, shiftY = 0;
    switch (ctx->param) {
    case lw::marquee::kLeft:
        shiftX = (static_cast<__int128>(srcW) * sh) / 100;
        break;
    case lw::marquee::kRight:
        shiftX = (static_cast<__int128>(srcW) * sh) / -100;
        break;
    case lw::marquee::kTop:
        shiftY = (static_cast<__int128>(srcH) * sh) / 100;
        break;
    case lw::marquee::kBottom:
        shiftY = (static_cast<__int128>(srcH) * sh) / -100;
        break;
    default:
        break; // an unknown direction leaves the content where it is
    }
    const int64_t columnShift = wrap(shiftX, srcW);
    const int64_t rowShift = wrap(shiftY, srcH);

    // The target is normally the source's size; every target pixel reads a wrapped source pixel.
    for (int64_t i = 0; i < dstH; ++i) {
        const int64_t f = wrap(i + rowShift, srcH);
        const uint32_t* srcRow = ctx->source + (srcH - 1 - f) * srcW;
        uint32_t* dstRow = ctx->target + (dstH - 1 - i) * dstW;
        for (int64_t j = 0; j < dstW; ++j)
            dstRow[j] = srcRow[wrap(j + columnShift, srcW)];
    }
    return 1;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t, int32_t* param, void* parentWidget)
{
    if (!param || !lw::marquee::canShowDialog())
        return 0;
    try {
        lw::marquee::editDirection(*param, parentWidget);
    } catch (...) {
        return 0; // nothing may escape into the host; the setting stays as it was
    }
    return 1;
}
