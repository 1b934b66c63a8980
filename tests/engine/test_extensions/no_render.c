/* Asks for LWX_RENDER but has no LWXDoRender: the host draws the black target. */
#include "engine/lwx.h"

static const int32_t ids[] = {501, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 501)
        return 0;
    info->kind = LWX_KIND_INTRO;
    info->minSpeed = 0;
    info->maxSpeed = 5;
    info->name = "No Render";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id, (void)frameIndex;
    context->current.left += 1; /* one pixel narrower, shifted right */
    return LWX_RENDER;
}
