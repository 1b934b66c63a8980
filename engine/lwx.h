/* lwx.h: the interface between Loopwright GIF Animator and its effect extensions (.lwx).
 *
 * This is the only header an extension includes. It is plain C, usable from C and C++.
 * An extension exports, unmangled and with default visibility (use LWX_EXPORT):
 *
 *   const char*    LWXVendorInfo(int32_t ignored);                 optional
 *   const int32_t* LWXGetExtensions(void);                          required, ids ended by 0
 *   int32_t        LWXGetInfo(int32_t id, LWXEffectInfo* info);     required when ids exist
 *   int32_t        LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex);   optional
 *   int32_t        LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex);  optional
 *   int32_t        LWXAdvanced(int32_t id, int32_t* param, void* parentWidget);         optional
 *
 * Pixels are 32-bit 0xTTRRGGBB (T = transparency, 0 opaque, 255 fully transparent), rows stored
 * bottom-up without padding: column x of row y (row 0 on top) of a w x h image is element
 * x + (h - 1 - y) * w. The source is home's size (the canvas for a frame effect) and read-only;
 * the target, during LWXDoRender only, is current's size and zero-filled.
 *
 * Records keep the field order of the original 32-bit layout; on 64-bit platforms pointers are
 * 8 bytes and the records take their natural layout. The offsets are checked below for both.
 */
#ifndef LWX_H
#define LWX_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define LWX_EXTERN_C extern "C"
#else
#define LWX_EXTERN_C
#endif

#if defined(_WIN32)
#define LWX_EXPORT LWX_EXTERN_C __declspec(dllexport)
#else
#define LWX_EXPORT LWX_EXTERN_C __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* What an effect is for. */
typedef enum EffectKind {
    LWX_KIND_INTRO = 1,    /* an object or frame entering */
    LWX_KIND_OUTRO = 2,    /* leaving */
    LWX_KIND_ANIMATION = 3 /* runs while the frame is shown */
} EffectKind;

/* Results of LWXPrepare; any other value counts as LWX_HIDE. */
enum {
    LWX_HIDE = 0,           /* nothing is drawn in this step */
    LWX_DRAW_IN_PLACE = 1,  /* the source unchanged at home's top-left (frames: canvas origin) */
    LWX_DRAW_MOVED = 2,     /* the source unchanged at current's top-left */
    LWX_DRAW_STRETCHED = 3, /* the source resampled to current's size at current's top-left */
    LWX_RENDER = 10         /* LWXDoRender fills a zero target of current's size, drawn there */
};

/* left, top, right, bottom in workspace coordinates; right and bottom exclusive. */
typedef struct LWXRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} LWXRect;

/* Filled by LWXGetInfo when it returns non-zero. */
typedef struct LWXEffectInfo {
    int32_t kind;     /* EffectKind */
    int32_t maxSpeed; /* largest speed offered, 0..5 */
    int32_t minSpeed; /* smallest speed offered, 0..5 */
    const char* name; /* display name; valid while the library is loaded (the host copies it) */
} LWXEffectInfo;

/* Built by the host for every LWXPrepare and passed unchanged to the LWXDoRender after it. */
typedef struct LWXEffectContext {
    LWXRect canvas;         /* the canvas in workspace coordinates */
    LWXRect home;           /* the object's rectangle; the canvas for a frame effect */
    LWXRect current;        /* equal to home on entry; LWXPrepare may change it */
    int32_t objectType;     /* the object's type code; 0 for a frame effect */
    int32_t frameCount;     /* -N for an intro, +N for an outro, +M for an animation */
    int32_t speed;          /* 0 Ultra Fast .. 5 Very Slow */
    int32_t param;          /* the effect's own setting, 0 = defaults */
    const uint32_t* source; /* home's width x height pixels, read-only */
    uint32_t* target;       /* null in LWXPrepare; current's width x height in LWXDoRender */
    void* host;             /* opaque: the layer object, or null for a frame effect */
    int32_t reserved;       /* 0 */
} LWXEffectContext;

typedef const char* (*LWXVendorInfoProc)(int32_t ignored);
typedef const int32_t* (*LWXGetExtensionsProc)(void);
typedef int32_t (*LWXGetInfoProc)(int32_t id, LWXEffectInfo* info);
typedef int32_t (*LWXPrepareProc)(int32_t id, LWXEffectContext* context, int32_t frameIndex);
typedef int32_t (*LWXDoRenderProc)(int32_t id, LWXEffectContext* context, int32_t frameIndex);
typedef int32_t (*LWXAdvancedProc)(int32_t id, int32_t* param, void* parentWidget);

/* Blends pixel s over pixel d, exactly as the host composes images: integers, truncating. */
static inline uint32_t composeOver(uint32_t s, uint32_t d)
{
    const uint32_t st = s >> 24, dt = d >> 24;
    uint32_t a, w, t, r, g, b;
    if (st == 0 || dt == 255)
        return s;
    if (st == 255)
        return d;
    a = 255 - st;
    w = ((255 - dt) * st) / 255;
    t = dt - (a * dt) / 255;
    b = (w * (d & 0xFF) + a * (s & 0xFF)) / (w + a);
    g = (w * ((d >> 8) & 0xFF) + a * ((s >> 8) & 0xFF)) / (w + a);
    r = (w * ((d >> 16) & 0xFF) + a * ((s >> 16) & 0xFF)) / (w + a);
    return t << 24 | r << 16 | g << 8 | b;
}

#ifdef __cplusplus
}
#endif

/* The record layouts both sides rely on. */
#ifdef __cplusplus
#define LWX_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#define LWX_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif

LWX_STATIC_ASSERT(sizeof(LWXRect) == 16, "LWXRect is four int32");
LWX_STATIC_ASSERT(offsetof(LWXEffectInfo, kind) == 0, "kind at 0");
LWX_STATIC_ASSERT(offsetof(LWXEffectInfo, maxSpeed) == 4, "maxSpeed at 4");
LWX_STATIC_ASSERT(offsetof(LWXEffectInfo, minSpeed) == 8, "minSpeed at 8");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, canvas) == 0, "canvas at 0");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, home) == 16, "home at 16");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, current) == 32, "current at 32");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, objectType) == 48, "objectType at 48");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, frameCount) == 52, "frameCount at 52");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, speed) == 56, "speed at 56");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, param) == 60, "param at 60");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, source) == 64, "source at 64");
#if UINTPTR_MAX == 0xFFFFFFFFu
LWX_STATIC_ASSERT(offsetof(LWXEffectInfo, name) == 12, "name at 12");
LWX_STATIC_ASSERT(sizeof(LWXEffectInfo) == 16, "LWXEffectInfo is 16 bytes");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, target) == 68, "target at 68");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, host) == 72, "host at 72");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, reserved) == 76, "reserved at 76");
LWX_STATIC_ASSERT(sizeof(LWXEffectContext) == 80, "LWXEffectContext is 80 bytes");
#else
LWX_STATIC_ASSERT(offsetof(LWXEffectInfo, name) == 16, "name at 16");
LWX_STATIC_ASSERT(sizeof(LWXEffectInfo) == 24, "LWXEffectInfo is 24 bytes");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, target) == 72, "target at 72");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, host) == 80, "host at 80");
LWX_STATIC_ASSERT(offsetof(LWXEffectContext, reserved) == 88, "reserved at 88");
LWX_STATIC_ASSERT(sizeof(LWXEffectContext) == 96, "LWXEffectContext is 96 bytes");
#endif

#endif /* LWX_H */
