/* An effect without LWXPrepare: the host treats every step as hidden. */
#include "engine/lwx.h"

static const int32_t ids[] = {401, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 401)
        return 0;
    info->kind = LWX_KIND_INTRO;
    info->minSpeed = 0;
    info->maxSpeed = 5;
    info->name = "No Prepare";
    return 1;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id, (void)context, (void)frameIndex;
    return 1;
}
