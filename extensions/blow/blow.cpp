// blow.lwx: objects and frames zoom up about their centre while fading (blow), optionally
// scattered as sand; "Leave Original" keeps the unchanged object in front.
#include "engine/lwx.h"

#include "blow_dialog.h"
#include "blow_options.h"
#include "step_random.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

constexpr int32_t kBlowIn = 310;
constexpr int32_t kBlowOut = 311;
constexpr int32_t kBlow = 312;
constexpr int32_t kSandIn = 313;
constexpr int32_t kSandOut = 314;

const int32_t kIds[] = {kBlowIn, kBlowOut, kBlow, kSandIn, kSandOut, 0};

const char kVendorText[] = "Blow/Sand In/Out Extension for Loopwright GIF Animator v1.1\r\n"
                           "Loopwright Extension SDK\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

struct Effect {
    int32_t id;
    const char* name;
    int32_t kind;
    int32_t maxSpeed;
    int32_t minSpeed;
};

constexpr Effect kEffects[] = {
    {kBlowIn, "Blow In", LWX_KIND_INTRO, 4, 1},   {kBlowOut, "Blow Out", LWX_KIND_OUTRO, 4, 1},
    {kBlow, "Blow", LWX_KIND_ANIMATION, 0, 0},    {kSandIn, "Sand In", LWX_KIND_INTRO, 4, 1},
    {kSandOut, "Sand Out", LWX_KIND_OUTRO, 4, 1},
};

const Effect* findEffect(int32_t id)
{
    for (const Effect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

int64_t width(const LWXRect& r)
{
    return int64_t{r.right} - r.left;
}

int64_t height(const LWXRect& r)
{
    return int64_t{r.bottom} - r.top;
}

// How far the object is blown, 0 (unchanged) .. 100 (three times larger, invisible), or none
// outside the step range. Intros ease out along a cosine, outros along a sine, "Blow" rises and
// falls linearly over its steps.
std::optional<int64_t> percentage(int32_t id, int64_t a, int64_t n)
{
    int64_t p = 0;
    switch (id) {
    case kBlowIn:
    case kSandIn: {
        if (a < n || n - 1 == 0)
            return std::nullopt;
        const int64_t x = (a * 100) / (n - 1);
        p = 100 - static_cast<int64_t>(100 * std::cos(static_cast<double>(x) * 0.0157));
        break;
    }
    case kBlowOut:
    case kSandOut: {
        if (a > n || n + 1 == 0)
            return std::nullopt;
        const int64_t x = (a * 100) / (n + 1);
        p = static_cast<int64_t>(100 * std::sin(static_cast<double>(x) * 0.0157));
        break;
    }
    case kBlow: {
        // With fewer than two steps there is no half-way point to ramp to: draw it unchanged.
        const int64_t g = n / 2;
        if (g != 0)
            p = a > g ? ((n - a) * 100) / g : (a * 100) / g;
        break;
    }
    default:
        return std::nullopt;
    }
    return p < 0 ? 0 : (p > 100 ? 100 : p); // steps the host never makes stay in range
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
    const Effect* effect = findEffect(id);
    if (!effect || !info)
        return 0;
    info->kind = effect->kind;
    info->maxSpeed = effect->maxSpeed;
    info->minSpeed = effect->minSpeed;
    info->name = effect->name;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !findEffect(id))
        return LWX_HIDE;
    ctx->current = ctx->canvas; // the blown image may cover the whole canvas
    if (!percentage(id, frameIndex, ctx->frameCount))
        return LWX_HIDE;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 1;
    const std::optional<int64_t> percent = percentage(id, frameIndex, ctx->frameCount);
    const int64_t w = width(ctx->home), h = height(ctx->home);
    const int64_t tw = width(ctx->current), th = height(ctx->current);
    if (!percent || w <= 0 || h <= 0 || tw <= 0 || th <= 0)
        return 1;
    const int64_t p = *percent;
    const uint32_t* source = ctx->source;
    uint32_t* target = ctx->target;
    const size_t count = static_cast<size_t>(tw) * static_cast<size_t>(th);
    for (size_t i = 0; i < count; ++i)
        target[i] = 0xFFFFFFFF;

    // Where home's top-left lies in the target.
    const int64_t ox = int64_t{ctx->home.left} - ctx->current.left;
    const int64_t oy = int64_t{ctx->home.top} - ctx->current.top;
    if (lw::blow::leavesOriginal(ctx->param)) {
        for (int64_t y = 0; y < h; ++y) {
            const int64_t ty = oy + y;
            if (ty < 0 || ty >= th)
                continue;
            for (int64_t x = 0; x < w; ++x) {
                const int64_t tx = ox + x;
                if (tx >= 0 && tx < tw)
                    target[tx + (th - 1 - ty) * tw] = source[x + (h - 1 - y) * w];
            }
        }
    }

    const bool sand = id == kSandIn || id == kSandOut;
    lw::blow::StepRandom random(id, *ctx, frameIndex);
    for (int64_t i = 0; i < th; ++i) {
        uint32_t* row = target + (th - 1 - i) * tw;
        for (int64_t j = 0; j < tw; ++j) {
            // Offsets from the object's centre.
            int64_t x = j - ox - w / 2;
            int64_t y = i - oy - h / 2;
            if (sand) {
                const int64_t r1 = random.next() & 0xFF;
                x += (p * (r1 - 128)) / 100;
                const int64_t r2 = random.next() & 0xFF;
                y += (p * (r2 - 128)) / 100;
            }
            const int64_t sx = x + w / 2 - (p * x) / 150;
            if (sx < 0 || sx >= w)
                continue;
            const int64_t sy = y + h / 2 - (p * y) / 150;
            if (sy < 0 || sy >= h)
                continue;
            const uint32_t s = source[sx + (h - 1 - sy) * w];
            const int64_t opacity = ((255 - int64_t{s >> 24}) * (100 - p)) / 100;
            const uint32_t faded = static_cast<uint32_t>(255 - opacity) << 24 | (s & 0x00FFFFFF);
            row[j] = composeOver(row[j], faded);
        }
    }
    return 1;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t id, int32_t* param, void* parentWidget)
{
    if (!findEffect(id))
        return 0;
    return lw::blow::showOptions(param, parentWidget);
}
