/* Keeps its own notes in the context between the two calls of a step, as a library may: what
 * LWXPrepare stores, LWXDoRender reads back and paints. A field that did not come back makes
 * the target KEEPER_LOST instead. */
#include "engine/lwx.h"

#define KEEPER_ID 601
#define KEEPER_LOST 0x00FF00FFu

static int32_t marker; /* its address stands for a library's own state */

static const int32_t ids[] = {KEEPER_ID, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != KEEPER_ID)
        return 0;
    info->kind = LWX_KIND_ANIMATION;
    info->minSpeed = 0;
    info->maxSpeed = 5;
    info->name = "Context Keeper";
    return 1;
}

static uint32_t noteFor(int32_t frameIndex)
{
    return 0x00C0DE00u | ((uint32_t)frameIndex & 0xFFu);
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id;
    context->reserved = (int32_t)noteFor(frameIndex);
    context->param = context->param * 3 + 1;
    context->speed = 77;
    context->objectType = -5;
    context->host = &marker;
    context->home.left -= 1000; /* only current decides where the host draws */
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id;
    const int32_t w = context->current.right - context->current.left;
    const int32_t h = context->current.bottom - context->current.top;
    const int kept = context->reserved == (int32_t)noteFor(frameIndex) && context->speed == 77 &&
                     context->objectType == -5 && context->host == &marker && context->param % 3 == 1;
    const uint32_t colour = kept ? (uint32_t)context->reserved : KEEPER_LOST;
    for (int32_t i = 0; i < w * h; ++i)
        context->target[i] = colour;
    return 1;
}
