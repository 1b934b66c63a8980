/* probe_log.h: what the probe test extension records of every call, read back by the tests
 * through its extra exports ProbeReset, ProbeCallCount and ProbeCall. */
#ifndef PROBE_LOG_H
#define PROBE_LOG_H

#include "engine/lwx.h"

#define PROBE_INTRO 101
#define PROBE_OUTRO 102
#define PROBE_ANIMATION 103
#define PROBE_REFUSED 104     /* listed, but LWXGetInfo returns 0 */
#define PROBE_BAD_KIND 105    /* kind 9 */
#define PROBE_NO_NAME 106     /* null name */
#define PROBE_WILD_SPEEDS 107 /* minSpeed 9, maxSpeed -3 */

/* param selects what LWXPrepare does: the low byte is the result (0 means LWX_RENDER, 0xFF
 * means LWX_HIDE), the next byte how it changes current. */
#define PROBE_RESULT(code) ((code)&0xFF)
#define PROBE_CURRENT(kind) ((kind) << 8)
enum {
    PROBE_KEEP = 0,
    PROBE_MOVE = 1,     /* current moved by (+3, +2) */
    PROBE_DOUBLE = 2,   /* current twice home's size, same top-left */
    PROBE_EMPTY = 3,    /* right = left */
    PROBE_INVERTED = 4, /* left and right swapped */
    PROBE_HUGE = 5,     /* 0, 0, 1000000, 1000000 */
    PROBE_EXTREME = 6,  /* INT32_MIN .. INT32_MAX */
    PROBE_FAR = 7,      /* same size, moved 100000 to the right */
    PROBE_CORNER = 8    /* only left and top move: left by width + 5 (past right), top by 1 */
};

/* LWXDoRender fills the target with one opaque colour that tells the step:
 * 0x00A0IICC with II = frameIndex + 128 and CC = frameCount + 128 (both as bytes). */
#define PROBE_COLOUR(index, count)                                                                           \
    (0x00A00000u | (((uint32_t)((index) + 128) & 0xFFu) << 8) | ((uint32_t)((count) + 128) & 0xFFu))

typedef struct ProbeRecord {
    int32_t entry; /* 1 LWXPrepare, 2 LWXDoRender */
    int32_t id;
    int32_t frameIndex;
    LWXEffectContext context;  /* as received */
    uint32_t firstSourcePixel; /* source[0], or 0 without source */
} ProbeRecord;

typedef void (*ProbeResetProc)(void);
typedef int32_t (*ProbeCallCountProc)(void);
typedef int32_t (*ProbeCallProc)(int32_t index, ProbeRecord* record);

#endif
