// peek.lwx: objects slide out from behind an invisible edge at their own border, and back.
// The rectangle moves by exactly the hidden band, so the visible part stays inside home.
#include "engine/lwx.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

struct PeekEffect {
    int32_t id;
    const char* name;
    int32_t kind;
};

constexpr PeekEffect kEffects[] = {
    {41, "Peek From Left", LWX_KIND_INTRO},  {42, "Peek From Bottom", LWX_KIND_INTRO},
    {43, "Peek From Right", LWX_KIND_INTRO}, {44, "Peek From Top", LWX_KIND_INTRO},
    {45, "Hide To Left", LWX_KIND_OUTRO},    {46, "Hide To Bottom", LWX_KIND_OUTRO},
    {47, "Hide To Right", LWX_KIND_OUTRO},   {48, "Hide To Top", LWX_KIND_OUTRO},
};

const int32_t kIds[] = {41, 42, 43, 44, 45, 46, 47, 48, 0};

const char kVendorText[] = "Peek/Hide Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

const PeekEffect* findEffect(int32_t id)
{
    for (const PeekEffect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

// Which side of the object is hidden: the same side the rectangle moves towards.
enum class Side { Left, Bottom, Right, Top };

Side sideOf(int32_t id)
{
    switch ((id - 41) % 4) {
    case 0:
        return Side::Left;
    case 1:
        return Side::Bottom;
    case 2:
        return Side::Right;
    default:
        return Side::Top;
    }
}

// The hidden band of one step: columns for left/right, rows for top/bottom.
struct Band {
    Side side;
    int64_t size;
};

// size - trunc(size * f); false for step numbers that give no fraction.
bool hiddenBand(const PeekEffect& effect, const LWXEffectContext& ctx, int32_t frameIndex, Band& band)
{
    const int64_t n = ctx.frameCount;
    const int64_t parts = effect.kind == LWX_KIND_INTRO ? n - 1 : n + 1;
    if (parts == 0)
        return false;
    const double f = 1.0 - static_cast<double>(frameIndex) / static_cast<double>(parts);
    band.side = sideOf(effect.id);
    const bool columns = band.side == Side::Left || band.side == Side::Right;
    const int64_t size =
        columns ? int64_t{ctx.home.right} - ctx.home.left : int64_t{ctx.home.bottom} - ctx.home.top;
    const double visible = std::trunc(static_cast<double>(size) * f);
    if (!(visible >= INT32_MIN * 2.0 && visible <= INT32_MAX * 2.0))
        return false;
    band.size = size - static_cast<int64_t>(visible);
    return true;
}

bool moveBy(int32_t& low, int32_t& high, int64_t delta)
{
    const int64_t newLow = int64_t{low} + delta;
    const int64_t newHigh = int64_t{high} + delta;
    if (newLow < INT32_MIN || newLow > INT32_MAX || newHigh < INT32_MIN || newHigh > INT32_MAX)
        return false;
    low = static_cast<int32_t>(newLow);
    high = static_cast<int32_t>(newHigh);
    return true;
}

int64_t widthOf(const LWXRect& r)
{
    return int64_t{r.right} - r.left;
}

int64_t heightOf(const LWXRect& r)
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
    const PeekEffect* effect = findEffect(id);
    if (!effect || !info)
        return 0;
    info->kind = effect->kind;
    info->maxSpeed = 5;
    info->minSpeed = 0;
    info->name = effect->name;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx)
        return LWX_HIDE;
    const PeekEffect* effect = findEffect(id);
    if (!effect)
        return LWX_RENDER; // unknown ids render nothing into their target
    const int64_t a = frameIndex;
    const int64_t n = ctx->frameCount;
    if ((effect->kind == LWX_KIND_INTRO && a < n) || (effect->kind == LWX_KIND_OUTRO && a > n))
        return LWX_HIDE;
    Band band{};
    if (!hiddenBand(*effect, *ctx, frameIndex, band))
        return LWX_HIDE;

    LWXRect& cur = ctx->current;
    bool ok = false;
    switch (band.side) {
    case Side::Left:
        ok = moveBy(cur.left, cur.right, -band.size);
        break;
    case Side::Bottom:
        ok = moveBy(cur.top, cur.bottom, band.size);
        break;
    case Side::Right:
        ok = moveBy(cur.left, cur.right, band.size);
        break;
    case Side::Top:
        ok = moveBy(cur.top, cur.bottom, -band.size);
        break;
    }
    return ok ? LWX_RENDER : LWX_HIDE;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    const PeekEffect* effect = findEffect(id);
    if (!effect || !ctx || !ctx->source || !ctx->target)
        return 0;
    Band band{};
    if (!hiddenBand(*effect, *ctx, frameIndex, band))
        return 0;

    // Copy only where both images have pixels: source is home's size, target current's.
    const int64_t srcW = widthOf(ctx->home), srcH = heightOf(ctx->home);
    const int64_t dstW = widthOf(ctx->current), dstH = heightOf(ctx->current);
    const int64_t w = std::min(srcW, dstW), h = std::min(srcH, dstH);
    if (w <= 0 || h <= 0)
        return 0;
    const int64_t hidden =
        std::clamp<int64_t>(band.size, 0, band.side == Side::Left || band.side == Side::Right ? srcW : srcH);
    for (int64_t y = 0; y < h; ++y) {
        const uint32_t* srcRow = ctx->source + (srcH - 1 - y) * srcW;
        uint32_t* dstRow = ctx->target + (dstH - 1 - y) * dstW;
        const bool rowHidden =
            (band.side == Side::Top && y < hidden) || (band.side == Side::Bottom && y >= srcH - hidden);
        for (int64_t x = 0; x < w; ++x) {
            const bool columnHidden =
                (band.side == Side::Left && x < hidden) || (band.side == Side::Right && x >= srcW - hidden);
            dstRow[x] = rowHidden || columnHidden ? srcRow[x] | 0xFF000000u : srcRow[x];
        }
    }
    return 1;
}
