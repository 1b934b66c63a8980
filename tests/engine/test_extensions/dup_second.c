/* Loaded after dup_first; its effect 201 wins every lookup. */
#include "engine/lwx.h"

static const int32_t ids[] = {201, 202, 0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT const char* LWXVendorInfo(int32_t ignored)
{
    (void)ignored;
    return "Dup Second v2";
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id == 201) {
        info->kind = LWX_KIND_INTRO;
        info->minSpeed = 1;
        info->maxSpeed = 2;
        info->name = "Dup Second";
        return 1;
    }
    if (id == 202) {
        info->kind = LWX_KIND_OUTRO;
        info->minSpeed = 0;
        info->maxSpeed = 5;
        info->name = "Second Only";
        return 1;
    }
    return 0;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    (void)context, (void)frameIndex;
    return id == 201 ? LWX_DRAW_MOVED : LWX_HIDE;
}
