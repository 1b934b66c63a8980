// flash.lwx: objects and frames blend towards a colour (white unless chosen) and back.
#include "engine/lwx.h"

#include "flash_colour.h"
#include "flash_dialog.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

constexpr int32_t kFlashIn = 174;
constexpr int32_t kFlashOut = 175;
constexpr int32_t kFlash = 176;

const int32_t kIds[] = {kFlashIn, kFlashOut, kFlash, 0};

const char kVendorText[] = "Flash In/Out Extension for Loopwright GIF Animator v1.0\r\n"
                           "Loopwright Extension SDK\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

// How far towards the colour a step is, 0..100, or none for no step of this effect.
std::optional<int64_t> percentage(int32_t id, int64_t a, int64_t n, int32_t speed)
{
    int64_t p = 0;
    switch (id) {
    case kFlashIn:
    case kFlashOut:
        if ((id == kFlashIn && a < n) || (id == kFlashOut && a > n) || n == 0)
            return std::nullopt;
        p = (a * 100) / n;
        break;
    case kFlash: {
        // A triangle wave with a period of 2P steps, P = 2^speed.
        int64_t period = 1;
        for (int32_t i = 0; i < speed && i < 30; ++i)
            period *= 2;
        const int64_t h = ((a % period) * 100) / period;
        // At speed 0 (P = 1) there is no ramp to climb: the image stays as it is on every step,
        // as glide's Move By stays home. The falling half only exists for P > 1.
        p = (period == 1 || (a % (2 * period)) < period) ? h : 100 - h;
        break;
    }
    default:
        return std::nullopt;
    }
    return p < 0 ? 0 : (p > 100 ? 100 : p); // steps the host never makes stay in range
}

int64_t width(const LWXRect& r)
{
    return int64_t{r.right} - r.left;
}

int64_t height(const LWXRect& r)
{
    return int64_t{r.bottom} - r.top;
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
    if (!info)
        return 0;
    switch (id) {
    case kFlashIn:
        info->kind = LWX_KIND_INTRO;
        info->name = "Flash In";
        break;
    case kFlashOut:
        info->kind = LWX_KIND_OUTRO;
        info->name = "Flash Out";
        break;
    case kFlash:
        info->kind = LWX_KIND_ANIMATION;
        info->name = "Flash";
        break;
    default:
        return 0;
    }
    info->maxSpeed = 4;
    info->minSpeed = 0;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !percentage(id, frameIndex, ctx->frameCount, ctx->speed))
        return LWX_HIDE;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 1;
    const std::optional<int64_t> p = percentage(id, frameIndex, ctx->frameCount, ctx->speed);
    if (!p)
        return 1;
    const int64_t w = width(ctx->home), h = height(ctx->home);
    if (w <= 0 || h <= 0 || width(ctx->current) != w || height(ctx->current) != h)
        return 1;
    const uint32_t k = lw::flash::pixelFromParam(ctx->param);
    const size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t s = ctx->source[i];
        uint32_t out = s & 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8) {
            const int64_t kc = k >> shift & 0xFF, sc = s >> shift & 0xFF;
            out |= static_cast<uint32_t>((kc * *p + sc * (100 - *p)) / 100) << shift;
        }
        ctx->target[i] = out;
    }
    return 1;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t id, int32_t* param, void* parentWidget)
{
    if (id != kFlashIn && id != kFlashOut && id != kFlash)
        return 0;
    return lw::flash::chooseColour(param, parentWidget);
}
