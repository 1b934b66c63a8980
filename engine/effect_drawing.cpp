#include "engine/effect_drawing.h"

#include <algorithm>

namespace lw {

namespace {

std::int64_t widthOf(const LWXRect& r)
{
    return std::int64_t{r.right} - r.left;
}
std::int64_t heightOf(const LWXRect& r)
{
    return std::int64_t{r.bottom} - r.top;
}

// Images drawn wholly outside the output change nothing; the offset is computed in 64 bits so a
// far position can neither overflow nor wrap around onto the canvas.
void drawAt(const CRaster& image, CRaster& output, const LWXRect& canvas, std::int32_t x, std::int32_t y)
{
    const std::int64_t dx = std::int64_t{x} - canvas.left;
    const std::int64_t dy = std::int64_t{y} - canvas.top;
    if (dx >= output.width() || dy >= output.height() || dx + image.width() <= 0 || dy + image.height() <= 0)
        return;
    image.CompositeOnto(output, static_cast<int>(dx), static_cast<int>(dy));
}

} // namespace

EffectReach effectReach(const LWXRect& canvas, const LWXRect& home)
{
    // The workspace is always reachable, so small canvases keep the room they always had.
    constexpr std::int64_t workspace = kEffectWorkspaceSize;
    const std::int64_t reachX = std::max({workspace, widthOf(canvas), widthOf(home)});
    const std::int64_t reachY = std::max({workspace, heightOf(canvas), heightOf(home)});
    EffectReach reach;
    reach.left = std::min({std::int64_t{0}, std::int64_t{canvas.left}, std::int64_t{home.left}}) - reachX;
    reach.top = std::min({std::int64_t{0}, std::int64_t{canvas.top}, std::int64_t{home.top}}) - reachY;
    reach.right = std::max({workspace, std::int64_t{canvas.right}, std::int64_t{home.right}}) + reachX;
    reach.bottom = std::max({workspace, std::int64_t{canvas.bottom}, std::int64_t{home.bottom}}) + reachY;
    const std::int64_t workspaceArea = (3 * workspace) * (3 * workspace);
    const std::int64_t largerArea =
        std::max(std::max<std::int64_t>(0, widthOf(canvas)) * std::max<std::int64_t>(0, heightOf(canvas)),
                 std::max<std::int64_t>(0, widthOf(home)) * std::max<std::int64_t>(0, heightOf(home)));
    reach.maxPixels = std::min(kMaxRasterPixels, std::max(workspaceArea, kEffectAreaFactor * largerArea));
    return reach;
}

bool isDrawableRect(const LWXRect& rect, const EffectReach& reach)
{
    const std::int64_t w = widthOf(rect), h = heightOf(rect);
    return w > 0 && h > 0 && rect.left >= reach.left && rect.top >= reach.top && rect.right <= reach.right &&
           rect.bottom <= reach.bottom && w * h <= reach.maxPixels;
}

std::int32_t drawWithEffect(const ExtensionHost& host, CRaster& output, const LWXRect& canvas,
                            const EffectSubject& subject, const EffectCall& call, std::int32_t stepIndex,
                            std::int32_t stepCount)
{
    const EffectEntryPoints calls{
        [&](std::int32_t id, LWXEffectContext& c, std::int32_t i) { return host.prepare(id, c, i); },
        [&](std::int32_t id, LWXEffectContext& c, std::int32_t i) { return host.doRender(id, c, i); }};
    return drawWithEffect(calls, output, canvas, subject, call, stepIndex, stepCount);
}

std::int32_t drawWithEffect(const EffectEntryPoints& calls, CRaster& output, const LWXRect& canvas,
                            const EffectSubject& subject, const EffectCall& call, std::int32_t stepIndex,
                            std::int32_t stepCount)
{
    const CRaster& image = *subject.image;
    // The extension reads home's size from source: the two must agree, and there must be pixels.
    if (!image.hasBlock() || widthOf(subject.home) != image.width() ||
        heightOf(subject.home) != image.height())
        return LWX_HIDE;

    LWXEffectContext context{};
    context.canvas = canvas;
    context.home = subject.home;
    context.current = subject.home;
    context.objectType = subject.objectType;
    context.frameCount = stepCount;
    context.speed = call.speed;
    context.param = call.param;
    context.source = image.bits();
    context.target = nullptr;
    context.host = subject.hostObject;
    context.reserved = 0;

    const std::int32_t result = calls.prepare(call.effectId, context, stepIndex);
    // The host reads back current alone; whatever else the library stored in the context is
    // its own and goes on to LWXDoRender unchanged.
    const LWXRect current = context.current;
    const EffectReach reach = effectReach(canvas, subject.home);

    switch (result) {
    case LWX_DRAW_IN_PLACE:
        drawAt(image, output, canvas, subject.home.left, subject.home.top);
        break;
    case LWX_DRAW_MOVED:
        // The source keeps its size: only current's top-left counts, so a library that moves
        // left and top alone (past right and bottom) still draws; whatever lies off the canvas
        // is clipped.
        drawAt(image, output, canvas, current.left, current.top);
        break;
    case LWX_DRAW_STRETCHED:
        if (isDrawableRect(current, reach)) {
            CRaster copy(image);
            copy.Resample(static_cast<int>(widthOf(current)), static_cast<int>(heightOf(current)));
            drawAt(copy, output, canvas, current.left, current.top);
        }
        break;
    case LWX_RENDER:
        if (isDrawableRect(current, reach)) {
            CRaster target(static_cast<int>(widthOf(current)), static_cast<int>(heightOf(current)));
            LWXEffectContext renderContext = context;
            renderContext.target = target.bits();
            calls.doRender(call.effectId, renderContext, stepIndex);
            drawAt(target, output, canvas, current.left, current.top);
        }
        break;
    default:
        break; // LWX_HIDE and any code not listed: nothing is drawn
    }
    return result;
}

} // namespace lw
