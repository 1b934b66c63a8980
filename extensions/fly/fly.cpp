// fly.lwx: objects and frames fly in from beyond a canvas side and out past one.
// The host moves the unchanged image to the rectangle this library leaves in current.
#include "engine/lwx.h"

#include <cstdint>

namespace {

struct FlyEffect {
    int32_t id;
    const char* name;
    int32_t kind;
};

constexpr FlyEffect kEffects[] = {
    {1, "Fly From Left", LWX_KIND_INTRO},  {2, "Fly From Bottom", LWX_KIND_INTRO},
    {3, "Fly From Right", LWX_KIND_INTRO}, {4, "Fly From Top", LWX_KIND_INTRO},
    {11, "Fly To Left", LWX_KIND_OUTRO},   {12, "Fly To Bottom", LWX_KIND_OUTRO},
    {13, "Fly To Right", LWX_KIND_OUTRO},  {14, "Fly To Top", LWX_KIND_OUTRO},
};

const int32_t kIds[] = {1, 2, 3, 4, 11, 12, 13, 14, 0};

const char kVendorText[] = "Fly Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

const FlyEffect* findEffect(int32_t id)
{
    for (const FlyEffect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

// Adds a * q to value; rectangles from a misbehaving host must not overflow.
bool shiftBy(int32_t& value, int64_t a, int64_t q)
{
    int64_t product = 0;
    int64_t sum = 0;
    if (__builtin_mul_overflow(a, q, &product) || __builtin_add_overflow(int64_t{value}, product, &sum))
        return false;
    if (sum < INT32_MIN || sum > INT32_MAX)
        return false;
    value = static_cast<int32_t>(sum);
    return true;
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
    const FlyEffect* effect = findEffect(id);
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
    const FlyEffect* effect = findEffect(id);
    if (!effect || !ctx)
        return LWX_HIDE;
    const int64_t a = frameIndex;
    const int64_t n = ctx->frameCount;
    if ((effect->kind == LWX_KIND_INTRO && a < n) || (effect->kind == LWX_KIND_OUTRO && a > n))
        return LWX_HIDE;

    const LWXRect& canvas = ctx->canvas;
    const LWXRect& home = ctx->home;
    // Intros divide the distance beyond the side into N + 1 parts (1 - n), outros likewise (n + 1).
    const int64_t parts = effect->kind == LWX_KIND_INTRO ? 1 - n : n + 1;
    if (parts == 0)
        return LWX_HIDE;
    int64_t distance = 0;
    bool horizontal = true;
    switch (id) {
    case 1:
        distance = int64_t{home.right} - canvas.left;
        break;
    case 2:
        distance = int64_t{home.top} - canvas.bottom;
        horizontal = false;
        break;
    case 3:
        distance = int64_t{home.left} - canvas.right;
        break;
    case 4:
        distance = int64_t{home.bottom} - canvas.top;
        horizontal = false;
        break;
    case 11:
        distance = int64_t{canvas.left} - home.right;
        break;
    case 12:
        distance = int64_t{canvas.bottom} - home.top;
        horizontal = false;
        break;
    case 13:
        distance = int64_t{canvas.right} - home.left;
        break;
    case 14:
        distance = int64_t{canvas.top} - home.bottom;
        horizontal = false;
        break;
    default:
        return LWX_HIDE;
    }
    // One whole-number step, truncated toward zero, multiplied by the step index. The host draws
    // at the new left or top; the opposite side moves along so that current stays the rectangle
    // the image is drawn in (hosts that check it would otherwise drop the step).
    const int64_t q = distance / parts;
    LWXRect moved = ctx->current;
    const bool ok = horizontal ? shiftBy(moved.left, a, q) && shiftBy(moved.right, a, q)
                               : shiftBy(moved.top, a, q) && shiftBy(moved.bottom, a, q);
    if (!ok)
        return LWX_HIDE;
    ctx->current = moved;
    return LWX_DRAW_MOVED;
}

// The host never asks fly to render; the entry point exists for hosts that look for it.
LWX_EXPORT int32_t LWXDoRender(int32_t, LWXEffectContext*, int32_t)
{
    return 0;
}
