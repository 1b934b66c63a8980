// rotate.lwx: objects and frames turn about their centre while they enter, leave or are shown.
#include "engine/lwx.h"

#include "rotate_geometry.h"
#include "rotate_turn.h"

#include <cstdint>

namespace {

struct RotateEffect {
    int32_t id;
    const char* name;
    int32_t kind;
    int32_t maxSpeed;
};

constexpr RotateEffect kEffects[] = {
    {51, "Rotate In", LWX_KIND_INTRO, 5},
    {52, "Rotate Out", LWX_KIND_OUTRO, 5},
    {53, "Rotate", LWX_KIND_ANIMATION, 0},
};

const int32_t kIds[] = {51, 52, 53, 0};

const char kVendorText[] = "Rotate Extension for Loopwright GIF Animator v1.0\r\n"
                           "Loopwright Extension SDK\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

// Larger images than this cannot come from a canvas; the limit keeps the work bounded.
constexpr int64_t kMaxSide = 1 << 16;

const RotateEffect* findEffect(int32_t id)
{
    for (const RotateEffect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

bool sizeIsSane(int64_t w, int64_t h)
{
    return w >= 0 && h >= 0 && w <= kMaxSide && h <= kMaxSide;
}

// The turned image's box for this step; false for steps outside the effect or nonsense sizes.
bool stepBox(const LWXEffectContext& ctx, int32_t id, int32_t frameIndex, double& theta, lw::rotate::Box& box)
{
    int64_t p = 0;
    if (!findEffect(id) || !lw::rotate::turnPercentage(id, frameIndex, ctx.frameCount, p))
        return false;
    const int64_t w = int64_t{ctx.home.right} - ctx.home.left;
    const int64_t h = int64_t{ctx.home.bottom} - ctx.home.top;
    if (!sizeIsSane(w, h))
        return false;
    theta = lw::rotate::turnAngle(p, ctx.param);
    box = lw::rotate::turnedBox(theta, w, h);
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
    const RotateEffect* effect = findEffect(id);
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
    if ((id == 51 && a < n) || (id == 52 && a > n))
        return LWX_HIDE;
    double theta = 0;
    lw::rotate::Box box{};
    if (!stepBox(*ctx, id, frameIndex, theta, box))
        return LWX_HIDE;
    // Centre the box on home; the centre is at most 2^31 away from a 32-bit edge and the box is
    // bounded, so the sums fit and only the final range needs checking.
    const int64_t left = (int64_t{ctx->home.left} + ctx->home.right) / 2 - box.width / 2;
    const int64_t top = (int64_t{ctx->home.top} + ctx->home.bottom) / 2 - box.height / 2;
    const int64_t right = left + box.width;
    const int64_t bottom = top + box.height;
    if (left < INT32_MIN || top < INT32_MIN || right > INT32_MAX || bottom > INT32_MAX)
        return LWX_HIDE;
    ctx->current = {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
                    static_cast<int32_t>(bottom)};
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 0;
    double theta = 0;
    lw::rotate::Box box{};
    if (!stepBox(*ctx, id, frameIndex, theta, box))
        return 0;
    const int64_t targetW = int64_t{ctx->current.right} - ctx->current.left;
    const int64_t targetH = int64_t{ctx->current.bottom} - ctx->current.top;
    if (targetW <= 0 || targetH <= 0)
        return 0;
    const lw::rotate::Image source{ctx->source, int64_t{ctx->home.right} - ctx->home.left,
                                   int64_t{ctx->home.bottom} - ctx->home.top};
    // The target is current's size, normally the box; write no further than both reach.
    const int64_t w = targetW < box.width ? targetW : box.width;
    const int64_t h = targetH < box.height ? targetH : box.height;
    lw::rotate::turnInto(source, theta, box.width, box.height, {ctx->target, targetW, targetH, w, h});
    return 1;
}
