// glintsweep.lwx: a bright band, leaning right going down, sweeps across objects and frames,
// revealing them behind it (in) or wiping them away (out).
#include "engine/lwx.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

constexpr int32_t kBladeShineIn = 50;
constexpr int32_t kBladeShineOut = 51; // also "Rotate In" of rotate.lwx; the host decides

const int32_t kIds[] = {kBladeShineIn, kBladeShineOut, 0};

const char kVendorText[] = "Blade Shine Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

int64_t width(const LWXRect& r)
{
    return int64_t{r.right} - r.left;
}

int64_t height(const LWXRect& r)
{
    return int64_t{r.bottom} - r.top;
}

struct Band {
    int64_t pos; // the band's column on row 0
    int dir;     // +1: hidden left of the band; -1: hidden right of it
};

// The band of a step, or none outside the step range (also for a count of 0, which the host
// never passes and which the band's step would divide by).
std::optional<Band> bandOf(int32_t id, int64_t a, int64_t n, int64_t w, int64_t h)
{
    if (id == kBladeShineIn) {
        if (a < n || n == 0)
            return std::nullopt;
        return Band{w - a * ((w + h / 2) / n), -1};
    }
    if (id == kBladeShineOut) {
        if (a > n || n == 0)
            return std::nullopt;
        const int64_t pos = a * ((w + h / 2) / n);
        return Band{pos < 0 ? -pos : pos, +1};
    }
    return std::nullopt;
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
    if (!info || (id != kBladeShineIn && id != kBladeShineOut))
        return 0;
    info->kind = id == kBladeShineIn ? LWX_KIND_INTRO : LWX_KIND_OUTRO;
    info->maxSpeed = 5;
    info->minSpeed = 0;
    info->name = id == kBladeShineIn ? "Blade Shine In" : "Blade Shine Out";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !bandOf(id, frameIndex, ctx->frameCount, width(ctx->home), height(ctx->home)))
        return LWX_HIDE;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 1;
    const int64_t w = width(ctx->home), h = height(ctx->home);
    if (w <= 0 || h <= 0 || width(ctx->current) != w || height(ctx->current) != h)
        return 1;
    const std::optional<Band> band = bandOf(id, frameIndex, ctx->frameCount, w, h);
    if (!band)
        return 1;
    const int64_t hw = w / 16 < 1 ? 1 : w / 16;
    for (int64_t y = 0; y < h; ++y) {
        const size_t row = static_cast<size_t>((h - 1 - y) * w);
        const int64_t centre = band->pos + y / 2;
        for (int64_t x = 0; x < w; ++x) {
            const uint32_t s = ctx->source[row + static_cast<size_t>(x)];
            const int64_t d = centre > x ? centre - x : x - centre;
            const int64_t e = d > hw ? 0 : ((hw - d) * 224) / hw;
            uint32_t out = s;
            if ((band->dir > 0 && x < centre) || (band->dir < 0 && x > centre)) {
                out = static_cast<uint32_t>(255 - e) << 24 | 0xFFFFFF;
            } else if (e > 0) {
                out = s & 0xFF000000;
                for (int shift = 0; shift < 24; shift += 8) {
                    const int64_t c = s >> shift & 0xFF;
                    out |= static_cast<uint32_t>(c + ((255 - c) * e) / 255) << shift;
                }
            }
            ctx->target[row + static_cast<size_t>(x)] = out;
        }
    }
    return 1;
}
