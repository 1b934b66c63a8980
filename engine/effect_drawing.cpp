#include "engine/effect_drawing.h"

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

void drawAt(const CRaster& image, CRaster& output, const LWXRect& canvas, std::int32_t x, std::int32_t y)
{
    image.CompositeOnto(output, x - canvas.left, y - canvas.top);
}

} // namespace

bool isDrawableRect(const LWXRect& rect)
{
    constexpr std::int32_t low = -kEffectWorkspaceMargin;
    constexpr std::int32_t high = kEffectWorkspaceSize + kEffectWorkspaceMargin;
    return rect.left < rect.right && rect.top < rect.bottom && rect.left >= low && rect.top >= low &&
           rect.right <= high && rect.bottom <= high;
}

bool isDrawablePosition(std::int32_t left, std::int32_t top)
{
    constexpr std::int32_t low = -kEffectWorkspaceMargin;
    constexpr std::int32_t high = kEffectWorkspaceSize + kEffectWorkspaceMargin;
    return left >= low && top >= low && left <= high && top <= high;
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

    LWXEffectContext sent{};
    sent.canvas = canvas;
    sent.home = subject.home;
    sent.current = subject.home;
    sent.objectType = subject.objectType;
    sent.frameCount = stepCount;
    sent.speed = call.speed;
    sent.param = call.param;
    sent.source = image.bits();
    sent.target = nullptr;
    sent.host = subject.hostObject;
    sent.reserved = 0;

    LWXEffectContext context = sent;
    const std::int32_t result = calls.prepare(call.effectId, context, stepIndex);
    // Only current is the extension's to change; everything else goes out again as we sent it.
    const LWXRect current = context.current;

    switch (result) {
    case LWX_DRAW_IN_PLACE:
        drawAt(image, output, canvas, subject.home.left, subject.home.top);
        break;
    case LWX_DRAW_MOVED:
        // The source keeps its size: only current's top-left counts, so a library that moves
        // left and top alone (past right and bottom) still draws.
        if (isDrawablePosition(current.left, current.top))
            drawAt(image, output, canvas, current.left, current.top);
        break;
    case LWX_DRAW_STRETCHED:
        if (isDrawableRect(current)) {
            CRaster copy(image);
            copy.Resample(static_cast<int>(widthOf(current)), static_cast<int>(heightOf(current)));
            drawAt(copy, output, canvas, current.left, current.top);
        }
        break;
    case LWX_RENDER:
        if (isDrawableRect(current)) {
            CRaster target(static_cast<int>(widthOf(current)), static_cast<int>(heightOf(current)));
            LWXEffectContext renderContext = sent;
            renderContext.current = current;
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
