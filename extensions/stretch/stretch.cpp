// stretch.lwx: objects grow in from one of their sides and shrink out towards one.
// The host resamples the image to the rectangle this library leaves in current.
#include "engine/lwx.h"

#include <cmath>
#include <cstdint>

namespace {

struct StretchEffect {
    int32_t id;
    const char* name;
    int32_t kind;
};

// The intro names keep their historic spelling: documents and users know them by it.
constexpr StretchEffect kEffects[] = {
    {31, "Stretch From Left", LWX_KIND_INTRO}, {32, "Strech From Bottom", LWX_KIND_INTRO},
    {33, "Strech From Right", LWX_KIND_INTRO}, {34, "Strech From Top", LWX_KIND_INTRO},
    {35, "Squeeze To Left", LWX_KIND_OUTRO},   {36, "Squeeze To Bottom", LWX_KIND_OUTRO},
    {37, "Squeeze To Right", LWX_KIND_OUTRO},  {38, "Squeeze To Top", LWX_KIND_OUTRO},
};

const int32_t kIds[] = {31, 32, 33, 34, 35, 36, 37, 38, 0};

const char kVendorText[] = "Stretch/Squeeze Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

const StretchEffect* findEffect(int32_t id)
{
    for (const StretchEffect& effect : kEffects)
        if (effect.id == id)
            return &effect;
    return nullptr;
}

// trunc(size * f) as an integer; false when it does not fit (nonsense step numbers).
bool scaledSize(int64_t size, double f, int64_t& out)
{
    const double scaled = std::trunc(static_cast<double>(size) * f);
    if (!(scaled >= INT32_MIN * 2.0 && scaled <= INT32_MAX * 2.0))
        return false;
    out = static_cast<int64_t>(scaled);
    return true;
}

bool addTo(int32_t& value, int64_t delta)
{
    const int64_t sum = int64_t{value} + delta;
    if (sum < INT32_MIN || sum > INT32_MAX)
        return false;
    value = static_cast<int32_t>(sum);
    return true;
}

} // namespace

LWX_EXPORT const char* LWXVendorInfo(int32_t)
{
    return kVendorText;
}

LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return kIds;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    const StretchEffect* effect = findEffect(id);
    if (!effect || !info)
        return 0;
    info->kind = effect->kind;
    info->maxSpeed = 5;
    info->minSpeed = 0;
    info->name = effect->name;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    const StretchEffect* effect = findEffect(id);
    if (!effect || !ctx)
        return LWX_HIDE;
    const int64_t a = frameIndex;
    const int64_t n = ctx->frameCount;
    const bool intro = effect->kind == LWX_KIND_INTRO;
    if ((intro && a < n) || (!intro && a > n))
        return LWX_HIDE;
    const int64_t parts = intro ? n - 1 : n + 1;
    if (parts == 0)
        return LWX_HIDE;

    // f is the part of the object still visible.
    const double f = 1.0 - static_cast<double>(a) / static_cast<double>(parts);
    const int64_t w = int64_t{ctx->home.right} - ctx->home.left;
    const int64_t h = int64_t{ctx->home.bottom} - ctx->home.top;
    int64_t scaledW = 0;
    int64_t scaledH = 0;
    if (!scaledSize(w, f, scaledW) || !scaledSize(h, f, scaledH))
        return LWX_HIDE;

    LWXRect& cur = ctx->current;
    bool ok = false;
    switch (id) {
    case 31:
    case 35:
        ok = addTo(cur.right, scaledW - w);
        break;
    case 32:
    case 36:
        ok = addTo(cur.top, h - scaledH);
        break;
    case 33:
    case 37:
        ok = addTo(cur.left, w - scaledW);
        break;
    default:
        ok = addTo(cur.bottom, scaledH - h);
        break;
    }
    return ok ? LWX_DRAW_STRETCHED : LWX_HIDE;
}

// The host never asks stretch to render; the entry point exists for hosts that look for it.
LWX_EXPORT int32_t LWXDoRender(int32_t, LWXEffectContext*, int32_t)
{
    return 0;
}
