/* Loaded before dup_second; both offer effect 201. */
#include "engine/lwx.h"

static const int32_t ids[] = {201, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 201)
        return 0;
    info->kind = LWX_KIND_INTRO;
    info->minSpeed = 0;
    info->maxSpeed = 3;
    info->name = "Dup First";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id, (void)context, (void)frameIndex;
    return LWX_DRAW_IN_PLACE;
}
