// smear.lwx: objects and frames enter and leave blurred sideways, 10 pixels more per step.
#include "engine/lwx.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr int32_t kMotionBlurIn = 5;
constexpr int32_t kMotionBlurOut = 6;

const int32_t kIds[] = {kMotionBlurIn, kMotionBlurOut, 0};

const char kVendorText[] = "Motion Blur Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

int64_t width(const LWXRect& r)
{
    return int64_t{r.right} - r.left;
}

int64_t height(const LWXRect& r)
{
    return int64_t{r.bottom} - r.top;
}

bool fitsInt32(int64_t v)
{
    return v >= INT32_MIN && v <= INT32_MAX;
}

// Blurs one row: target column j averages the source columns j - e .. j; columns beyond the
// source count as fully transparent and add no colour. Running sums keep it linear in the width.
void blurRow(const uint32_t* src, int64_t w, int64_t e, uint32_t* dst)
{
    int64_t r = 0, g = 0, b = 0, t = 0, count = 0;
    for (int64_t j = 0; j < w + e; ++j) {
        if (j < w) { // column j enters the window
            const uint32_t s = src[j];
            r += s >> 16 & 0xFF;
            g += s >> 8 & 0xFF;
            b += s & 0xFF;
            t += s >> 24;
            ++count;
        }
        const int64_t gone = j - e - 1; // column j - e - 1 leaves it
        if (gone >= 0) {
            const uint32_t s = src[gone];
            r -= s >> 16 & 0xFF;
            g -= s >> 8 & 0xFF;
            b -= s & 0xFF;
            t -= s >> 24;
            --count;
        }
        // The e + 1 columns of the window: those outside the source add 255 each.
        const int64_t outside = e + 1 - count;
        const int64_t tSum = t + 255 * outside;
        uint32_t out = static_cast<uint32_t>(tSum / (e + 1)) << 24;
        if (count > 0)
            out |= static_cast<uint32_t>(r / count) << 16 | static_cast<uint32_t>(g / count) << 8 |
                   static_cast<uint32_t>(b / count);
        dst[j] = out;
    }
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
    if (!info || (id != kMotionBlurIn && id != kMotionBlurOut))
        return 0;
    info->kind = id == kMotionBlurIn ? LWX_KIND_INTRO : LWX_KIND_OUTRO;
    info->maxSpeed = 5;
    info->minSpeed = 0;
    info->name = id == kMotionBlurIn ? "Motion Blur In" : "Motion Blur Out";
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx)
        return LWX_HIDE;
    const int64_t a = frameIndex, n = ctx->frameCount;
    int64_t v = 0;
    if (id == kMotionBlurIn && a >= n)
        v = a * -10;
    else if (id == kMotionBlurOut && a <= n)
        v = a * 10;
    else
        return LWX_HIDE;
    // The rectangle widens by v, centred on home.
    const int64_t left = int64_t{ctx->current.left} + v / -2;
    const int64_t right = int64_t{ctx->current.right} + (v - v / 2);
    if (!fitsInt32(left) || !fitsInt32(right) || right - left < width(ctx->home))
        return LWX_HIDE; // no step the host makes: a narrowing or overflowing rectangle
    ctx->current.left = static_cast<int32_t>(left);
    ctx->current.right = static_cast<int32_t>(right);
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t)
{
    if (!ctx || !ctx->source || !ctx->target || (id != kMotionBlurIn && id != kMotionBlurOut))
        return 1;
    const int64_t w = width(ctx->home), h = height(ctx->home);
    const int64_t e = width(ctx->current) - w;
    if (w <= 0 || h <= 0 || e < 0 || height(ctx->current) != h)
        return 1;
    // Rows are stored bottom-up in both images, but row i of one is row i of the other.
    const int64_t tw = w + e;
    for (int64_t y = 0; y < h; ++y)
        blurRow(ctx->source + static_cast<size_t>(y * w), w, e, ctx->target + static_cast<size_t>(y * tw));
    return 1;
}
