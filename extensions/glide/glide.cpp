// glide.lwx: objects move in, out, back and forth by, or to a distance set in the dialog.
// The host draws the unchanged image at the rectangle this library leaves in current.
#include "engine/lwx.h"

#include "glide_dialog.h"
#include "glide_param.h"

#include <cstdint>

namespace {

struct GlideEffect {
    int32_t id;
    const char* name;
    int32_t kind;
    int32_t maxSpeed;
};

constexpr GlideEffect kEffects[] = {
    {164, "Move In", LWX_KIND_INTRO, 5},
    {165, "Move Out", LWX_KIND_OUTRO, 5},
    {166, "Move By", LWX_KIND_ANIMATION, 5},
    {167, "Move To", LWX_KIND_ANIMATION, 0},
};

const int32_t kIds[] = {164, 165, 166, 167, 0};

const char kVendorText[] = "Move In/Out/By/To Extension for Loopwright GIF Animator v1.0\r\n"
                           "Loopwright Extension SDK\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

const GlideEffect* findEffect(int32_t id)
{
    for (const GlideEffect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

// How far along the path the object is at this step, in percent (truncating).
int64_t percentage(int32_t id, int64_t a, int64_t n, int32_t speed)
{
    if (id == 166) {
        // Back and forth with a period of 2P steps, P = 2^speed by doubling; the cap keeps
        // nonsense speeds from overflowing.
        int64_t period = 1;
        for (int32_t i = 0; i < speed && i < 30; ++i)
            period *= 2;
        // With P = 1 every step is at 0 % and the object stays home; the turn back only
        // applies once there is a way to go.
        int64_t p = ((a % period) * 100) / period;
        if (period > 1 && a % (2 * period) >= period)
            p = 100 - p;
        return p;
    }
    if (id == 164 || id == 165 || id == 167)
        return n == 0 ? 0 : (a * 100) / n;
    return 0;
}

bool addTo(int32_t& value, int64_t delta)
{
    const int64_t sum = int64_t{value} + delta;
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
    const GlideEffect* effect = findEffect(id);
    if (!effect || !info)
        return 0;
    info->kind = effect->kind;
    info->maxSpeed = effect->maxSpeed;
    info->minSpeed = 0;
    info->name = effect->name;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx)
        return LWX_HIDE;
    const int64_t a = frameIndex;
    const int64_t n = ctx->frameCount;
    if ((id == 164 && a < n) || (id == 165 && a > n))
        return LWX_HIDE;
    const int64_t p = percentage(id, a, n, ctx->speed);
    const lw::glide::Delta delta = lw::glide::decodeDelta(ctx->param);
    // p is bounded by |a| * 100, the delta by 2^15, so the products fit.
    const int64_t moveX = (p * delta.dx) / 100;
    const int64_t moveY = (p * delta.dy) / 100;
    // The host draws at the new top-left; right and bottom move along so that current stays the
    // rectangle the image is drawn in.
    LWXRect moved = ctx->current;
    if (!addTo(moved.left, moveX) || !addTo(moved.right, moveX) || !addTo(moved.top, moveY) ||
        !addTo(moved.bottom, moveY))
        return LWX_HIDE;
    ctx->current = moved;
    return LWX_DRAW_MOVED;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t, int32_t* param, void* parentWidget)
{
    if (!param || !lw::glide::canShowDialog())
        return 0;
    try {
        lw::glide::editDelta(*param, parentWidget);
        return 1;
    } catch (...) {
        // Nothing may escape into the host; the setting stays as it was.
        return 0;
    }
}
