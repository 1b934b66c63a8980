// fade.lwx: objects and frames fade in and out by scaling every pixel's opacity.
#include "engine/lwx.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

constexpr int32_t kFadeIn = 21;
constexpr int32_t kFadeOut = 22;

const int32_t kIds[] = {kFadeIn, kFadeOut, 0};

const char kVendorText[] = "Fade Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

// The opacity factor F (255 = unchanged) of a step, or none outside the step range. Intros
// divide by n - 1 and outros by n + 1, i.e. by N + 1 for the host's counts; a count that would
// divide by zero is no step the host makes and draws nothing.
std::optional<int64_t> opacityFactor(int32_t id, int64_t a, int64_t n)
{
    if (id == kFadeIn) {
        if (a < n || n - 1 == 0)
            return std::nullopt;
        return 255 + (-255 * a) / (n - 1);
    }
    if (id == kFadeOut) {
        if (a > n || n + 1 == 0)
            return std::nullopt;
        return 255 + (-255 * a) / (n + 1);
    }
    return std::nullopt;
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
    if (!info || (id != kFadeIn && id != kFadeOut))
        return 0;
    info->kind = id == kFadeIn ? LWX_KIND_INTRO : LWX_KIND_OUTRO;
    info->maxSpeed = 5;
    info->minSpeed = 0;
    info->name = id == kFadeIn ? "Fade In" : "Fade Out";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !opacityFactor(id, frameIndex, ctx->frameCount))
        return LWX_HIDE;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 1;
    const std::optional<int64_t> f = opacityFactor(id, frameIndex, ctx->frameCount);
    if (!f)
        return 1;
    // The target has current's size, which this library leaves equal to home's.
    const int64_t w = width(ctx->home), h = height(ctx->home);
    if (w <= 0 || h <= 0 || width(ctx->current) != w || height(ctx->current) != h)
        return 1;
    const size_t count = static_cast<size_t>(w) * static_cast<size_t>(h);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t s = ctx->source[i];
        const int64_t opacity = 255 - (s >> 24);
        int64_t t = 255 - (*f * opacity) / 255;
        t = t < 0 ? 0 : (t > 255 ? 255 : t); // only steps the host never makes leave 0..255
        ctx->target[i] = static_cast<uint32_t>(t) << 24 | (s & 0x00FFFFFF);
    }
    return 1;
}
