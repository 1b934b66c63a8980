/* A library with some of the entry points but not LWXGetExtensions: not an extension. */
#include "engine/lwx.h"

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    info->kind = LWX_KIND_INTRO;
    info->minSpeed = 0;
    info->maxSpeed = 5;
    info->name = "Never Registered";
    return id == 601;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id, (void)context, (void)frameIndex;
    return LWX_DRAW_IN_PLACE;
}
