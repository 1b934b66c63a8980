/* The probe: an extension of every kind whose behaviour the tests choose through param, and
 * which records every call it receives. */
#include "probe_log.h"

#include <stddef.h>

#define PROBE_MAX_CALLS 4096
static ProbeRecord calls[PROBE_MAX_CALLS];
static int32_t callCount;

static void record(int32_t entry, int32_t id, const LWXEffectContext* context, int32_t frameIndex)
{
    if (callCount >= PROBE_MAX_CALLS)
        return;
    ProbeRecord* r = &calls[callCount++];
    r->entry = entry;
    r->id = id;
    r->frameIndex = frameIndex;
    r->context = *context;
    r->firstSourcePixel = context->source ? context->source[0] : 0;
}

LWX_EXPORT void ProbeReset(void)
{
    callCount = 0;
}
LWX_EXPORT int32_t ProbeCallCount(void)
{
    return callCount;
}
LWX_EXPORT int32_t ProbeCall(int32_t index, ProbeRecord* out)
{
    if (index < 0 || index >= callCount)
        return 0;
    *out = calls[index];
    return 1;
}

LWX_EXPORT const char* LWXVendorInfo(int32_t ignored)
{
    (void)ignored;
    return "Probe Extension for Loopwright GIF Animator v1.0\r\nLoopwright Extension SDK";
}

static const int32_t ids[] = {PROBE_INTRO,    PROBE_OUTRO,   PROBE_ANIMATION,   PROBE_REFUSED,
                              PROBE_BAD_KIND, PROBE_NO_NAME, PROBE_WILD_SPEEDS, 0};

LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return ids;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    switch (id) {
    case PROBE_INTRO:
        info->kind = LWX_KIND_INTRO;
        info->minSpeed = 0;
        info->maxSpeed = 5;
        info->name = "Probe In";
        return 1;
    case PROBE_OUTRO:
        info->kind = LWX_KIND_OUTRO;
        info->minSpeed = 1;
        info->maxSpeed = 4;
        info->name = "Probe Out";
        return 1;
    case PROBE_ANIMATION:
        info->kind = LWX_KIND_ANIMATION;
        info->minSpeed = 2;
        info->maxSpeed = 2;
        info->name = "Probe Animation";
        return 1;
    case PROBE_BAD_KIND:
        info->kind = 9;
        info->minSpeed = 0;
        info->maxSpeed = 5;
        info->name = "Bad Kind";
        return 1;
    case PROBE_NO_NAME:
        info->kind = LWX_KIND_INTRO;
        info->minSpeed = 0;
        info->maxSpeed = 5;
        info->name = NULL;
        return 1;
    case PROBE_WILD_SPEEDS:
        info->kind = LWX_KIND_OUTRO;
        info->minSpeed = 9;
        info->maxSpeed = -3;
        info->name = "Wild Speeds";
        return 1;
    default:
        return 0;
    }
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    record(1, id, context, frameIndex);
    const int32_t code = PROBE_RESULT(context->param);
    LWXRect* c = &context->current;
    const int32_t w = c->right - c->left, h = c->bottom - c->top;
    switch ((context->param >> 8) & 0xFF) {
    case PROBE_MOVE:
        c->left += 3, c->right += 3, c->top += 2, c->bottom += 2;
        break;
    case PROBE_DOUBLE:
        c->right = c->left + 2 * w, c->bottom = c->top + 2 * h;
        break;
    case PROBE_EMPTY:
        c->right = c->left;
        break;
    case PROBE_INVERTED: {
        const int32_t t = c->left;
        c->left = c->right, c->right = t;
        break;
    }
    case PROBE_HUGE:
        c->left = 0, c->top = 0, c->right = 1000000, c->bottom = 1000000;
        break;
    case PROBE_EXTREME:
        c->left = INT32_MIN, c->top = INT32_MIN, c->right = INT32_MAX, c->bottom = INT32_MAX;
        break;
    case PROBE_FAR:
        c->left += 100000, c->right += 100000;
        break;
    case PROBE_CORNER:
        c->left += w + 5, c->top += 1;
        break;
    default:
        break;
    }
    if (code == 0)
        return LWX_RENDER;
    if (code == 0xFF)
        return LWX_HIDE;
    return code;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* context, int32_t frameIndex)
{
    record(2, id, context, frameIndex);
    const int32_t w = context->current.right - context->current.left;
    const int32_t h = context->current.bottom - context->current.top;
    const uint32_t colour = PROBE_COLOUR(frameIndex, context->frameCount);
    for (int32_t i = 0; i < w * h; ++i)
        context->target[i] = colour;
    return 1;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t id, int32_t* param, void* parentWidget)
{
    (void)parentWidget;
    if (id == PROBE_WILD_SPEEDS) {
        *param = 13; /* a dialog that fails after writing */
        return 0;
    }
    *param = id == PROBE_INTRO ? 42 : 7;
    return 1;
}
