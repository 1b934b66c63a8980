/* Lists an id but cannot describe it: no LWXGetInfo. */
#include "engine/lwx.h"

static const int32_t ids[] = {301, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)id, (void)context, (void)frameIndex;
    return LWX_DRAW_IN_PLACE;
}
