/* An extension with no effects: its id list is only the terminating 0. */
#include "engine/lwx.h"

static const int32_t ids[] = {0};
LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT const char* LWXVendorInfo(int32_t ignored)
{
    (void)ignored;
    return "Empty Extension";
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    (void)id, (void)info;
    return 0;
}
