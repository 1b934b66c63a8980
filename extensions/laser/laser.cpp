// laser.lwx: a beam with a glowing head reveals objects and frames column by column (in), erases
// them (out) or sweeps across them while they are shown.
#include "engine/lwx.h"

#include "laser_colour.h"
#include "laser_dialog.h"
#include "step_random.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

constexpr int32_t kLaserIn = 270;
constexpr int32_t kLaserOut = 271;
constexpr int32_t kLaser = 272;

const int32_t kIds[] = {kLaserIn, kLaserOut, kLaser, 0};

// The first line is the one this library has always reported.
const char kVendorText[] = "Flash In/Out Extension for Loopwright GIF Animator v1.1\r\n"
                           "Loopwright Extension SDK\r\n"
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

// How far the beam has gone, in percent of the width still to cover (in), already covered
// (out) or still to cover (animation); none outside the step range.
std::optional<int64_t> percentage(int32_t id, int64_t a, int64_t n)
{
    int64_t h = 0;
    switch (id) {
    case kLaserIn:
        if (a < n || n - 1 == 0)
            return std::nullopt;
        h = (a * 100) / (n - 1);
        break;
    case kLaserOut:
        if (a > n || n + 1 == 0)
            return std::nullopt;
        h = (a * 100) / (n + 1);
        break;
    case kLaser:
        if (n == 0)
            return std::nullopt; // no step the host makes: an animation has at least one
        h = ((n - a) * 100) / n;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp<int64_t>(h, -1000, 1000); // keeps later products small for steps out of range
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
    if (!info)
        return 0;
    switch (id) {
    case kLaserIn:
        info->kind = LWX_KIND_INTRO;
        info->name = "Laser Beam In";
        break;
    case kLaserOut:
        info->kind = LWX_KIND_OUTRO;
        info->name = "Laser Beam Out";
        break;
    case kLaser:
        info->kind = LWX_KIND_ANIMATION;
        info->name = "Laser Beam";
        break;
    default:
        return 0;
    }
    info->maxSpeed = id == kLaser ? 0 : 4;
    info->minSpeed = id == kLaser ? 0 : 1;
    return 1;
}

LWX_EXPORT int32_t LWXPrepare(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || (id != kLaserIn && id != kLaserOut && id != kLaser))
        return LWX_HIDE;
    ctx->current = ctx->canvas; // the beam runs down to the canvas bottom
    if (!percentage(id, frameIndex, ctx->frameCount))
        return LWX_HIDE;
    return LWX_RENDER;
}

LWX_EXPORT int32_t LWXDoRender(int32_t id, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx || !ctx->source || !ctx->target)
        return 1;
    const std::optional<int64_t> percent = percentage(id, frameIndex, ctx->frameCount);
    const int64_t w = width(ctx->home), h = height(ctx->home);
    const int64_t tw = width(ctx->current), th = height(ctx->current);
    if (!percent || w <= 0 || h <= 0 || tw <= 0 || th <= 0)
        return 1;
    const uint32_t* source = ctx->source;
    uint32_t* target = ctx->target;
    const size_t count = static_cast<size_t>(tw) * static_cast<size_t>(th);
    for (size_t i = 0; i < count; ++i)
        target[i] = 0xFFFFFFFF;
    const uint32_t beam = lw::laser::pixelFromParam(ctx->param);

    // The edge column between the shown and the hidden part of the object.
    int64_t edge = (w * *percent) / 100;
    if (id == kLaserIn || id == kLaser)
        edge = w - edge;

    const int64_t ox = int64_t{ctx->home.left} - ctx->current.left;
    const int64_t oy = int64_t{ctx->home.top} - ctx->current.top;
    for (int64_t y = 0; y < h; ++y) {
        const int64_t ty = oy + y;
        if (ty < 0 || ty >= th)
            continue;
        for (int64_t i = 0; i < w; ++i) {
            const bool shown = id == kLaser || (id == kLaserIn ? i < edge : i > edge);
            const int64_t tx = ox + i;
            if (shown && tx >= 0 && tx < tw)
                target[tx + (th - 1 - ty) * tw] = source[i + (h - 1 - y) * w];
        }
    }

    // The glowing head: its radius flickers by up to 3 pixels from step to step.
    lw::laser::StepRandom random(id, *ctx, frameIndex);
    int64_t rad = std::min(w, h) - (random.next() & 3);
    if (rad < 1)
        rad = 2;
    int64_t beamX = edge + ox;
    if (id == kLaserIn)
        beamX -= rad / 2;
    else if (id == kLaserOut)
        beamX += rad / 2;
    const int64_t headY = oy + h / 2;

    // The beam runs from below the head to the canvas bottom.
    if (beamX >= 0 && beamX < tw)
        for (int64_t i = std::max<int64_t>(headY + 1, 0); i < th; ++i)
            target[beamX + (th - 1 - i) * tw] = beam;

    // Only pixels closer to the head than its radius glow.
    const int64_t top = std::max<int64_t>(headY - rad, 0), bottom = std::min<int64_t>(headY + rad + 1, th);
    const int64_t left = std::max<int64_t>(beamX - rad, 0), right = std::min<int64_t>(beamX + rad + 1, tw);
    for (int64_t i = top; i < bottom; ++i) {
        uint32_t* row = target + (th - 1 - i) * tw;
        for (int64_t j = left; j < right; ++j) {
            const double dy = static_cast<double>(i - headY), dx = static_cast<double>(j - beamX);
            const double diff = static_cast<double>(rad) - std::sqrt(dy * dy + dx * dx);
            if (diff <= 0)
                continue;
            const int64_t t = 255 - static_cast<int64_t>(diff * 255 / static_cast<double>(rad));
            row[j] = composeOver(static_cast<uint32_t>(t) << 24 | beam, row[j]);
        }
    }
    return 1;
}

LWX_EXPORT int32_t LWXAdvanced(int32_t id, int32_t* param, void* parentWidget)
{
    if (id != kLaserIn && id != kLaserOut && id != kLaser)
        return 0;
    return lw::laser::chooseColour(param, parentWidget);
}
