/* A rendering intro and outro for the compiler benchmark: every step asks for LWX_RENDER and
 * fades the source by the step, like a real fade. It adds up the time spent in its own calls so
 * the benchmark can tell the host's share from the extension's. */
#include "engine/lwx.h"

#include <time.h>

static int64_t spentNs;
static int64_t callCount;

static int64_t now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (int64_t)t.tv_sec * 1000000000 + t.tv_nsec;
}

LWX_EXPORT void BenchReset(void)
{
    spentNs = 0;
    callCount = 0;
}
LWX_EXPORT int64_t BenchNanoseconds(void)
{
    return spentNs;
}
LWX_EXPORT int64_t BenchCalls(void)
{
    return callCount;
}

static const int32_t ids[] = {901, 902, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 901 && id != 902)
        return 0;
    info->kind = id == 901 ? LWX_KIND_INTRO : LWX_KIND_OUTRO;
    info->minSpeed = 0;
    info->maxSpeed = 5;
    info->name = id == 901 ? "Bench Fade In" : "Bench Fade Out";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    const int64_t start = now();
    (void)id, (void)context, (void)frameIndex;
    ++callCount;
    spentNs += now() - start;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    const int64_t start = now();
    (void)id;
    ++callCount;
    const int32_t w = context->home.right - context->home.left;
    const int32_t h = context->home.bottom - context->home.top;
    const int32_t cw = context->current.right - context->current.left;
    const int32_t ch = context->current.bottom - context->current.top;
    /* Share of the way still to go (intro) or already gone (outro), in 256ths. */
    const int32_t n = context->frameCount < 0 ? -context->frameCount : context->frameCount;
    const int32_t k = frameIndex < 0 ? -frameIndex : frameIndex;
    const uint32_t gone = (uint32_t)(256 * k / (n + 1));
    if (cw == w && ch == h) {
        for (int32_t i = 0; i < w * h; ++i) {
            const uint32_t s = context->source[i];
            const uint32_t t = s >> 24;
            const uint32_t faded = t + (((255 - t) * gone) >> 8);
            context->target[i] = (s & 0x00FFFFFFu) | faded << 24;
        }
    }
    spentNs += now() - start;
    return 1;
}
