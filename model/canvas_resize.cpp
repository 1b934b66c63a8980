#include "model/canvas_resize.h"

#include "model/animation.h"
#include "model/document_limits.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace lw {

namespace {

// Multiply first: a layer at 3/4 of the old canvas lands at 3/4 of the new one.
int scaled(int offset, int newSize, int oldSize)
{
    return static_cast<int>(static_cast<long long>(offset) * newSize / oldSize);
}

} // namespace

namespace {

// Where each layer's rectangle goes when the canvas is scaled to width × height; empty when the
// size is refused.
std::optional<std::function<LayerRect(const LayerRect&)>> canvasScaling(const CAnimation& animation,
                                                                        int width, int height)
{
    const int oldWidth = animation.width();
    const int oldHeight = animation.height();
    if (width < 1 || height < 1 || width > kWorkspaceSize || height > kWorkspaceSize || oldWidth < 1 ||
        oldHeight < 1)
        return std::nullopt;
    return [from = animation.canvasRect, to = centredCanvas(width, height), width, height, oldWidth,
            oldHeight](const LayerRect& old) {
        auto x = [&](int value) { return to.left + scaled(value - from.left, width, oldWidth); };
        auto y = [&](int value) { return to.top + scaled(value - from.top, height, oldHeight); };
        LayerRect r{x(old.left), y(old.top), x(old.right), y(old.bottom)};
        // A layer never shrinks to nothing.
        r.right = std::max(r.right, r.left + 1);
        r.bottom = std::max(r.bottom, r.top + 1);
        return r;
    };
}

} // namespace

bool ScaleToCanvas(CAnimation& animation, int width, int height)
{
    const auto scaling = canvasScaling(animation, width, height);
    if (!scaling)
        return false;
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get()) {
        for (CLayerObject* object = frame->head.get(); object; object = object->next.get()) {
            const LayerRect r = (*scaling)(object->rect);
            // The anchor is the rectangle's corner, so it scales with the left and top edges.
            object->Resize(r);
            object->MoveTo(r.left, r.top);
        }
    }
    return animation.SetSize(width, height);
}

std::int64_t PixelsAfterScale(const CAnimation& animation, int width, int height)
{
    const auto scaling = canvasScaling(animation, width, height);
    if (!scaling)
        return DocumentPixels(animation);
    std::int64_t total = 0;
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get()) {
        total += static_cast<std::int64_t>(width) * height;
        for (const CLayerObject* object = frame->head.get(); object; object = object->next.get())
            total += ObjectPixels((*scaling)(object->rect));
    }
    return total;
}

CanvasSize grownCanvasSize(int width, int height, const EdgeAmounts& grow)
{
    auto side = [](long long value) {
        return static_cast<int>(std::clamp<long long>(value, 1, kWorkspaceSize));
    };
    return {side(static_cast<long long>(width) + grow.left + grow.right),
            side(static_cast<long long>(height) + grow.top + grow.bottom)};
}

LayerRect grownEdges(const LayerRect& rect, const EdgeAmounts& grow)
{
    auto edge = [](long long value) {
        return static_cast<int>(std::clamp<long long>(value, kEdgeMargin, kWorkspaceSize - kEdgeMargin));
    };
    return {edge(static_cast<long long>(rect.left) - grow.left),
            edge(static_cast<long long>(rect.top) - grow.top),
            edge(static_cast<long long>(rect.right) + grow.right),
            edge(static_cast<long long>(rect.bottom) + grow.bottom)};
}

bool GrowCanvas(CAnimation& animation, const EdgeAmounts& grow)
{
    const LayerRect edges = grownEdges(animation.canvasRect, grow);
    if (rectIsEmpty(edges))
        return false;
    const LayerRect centred = centredCanvas(rectWidth(edges), rectHeight(edges));
    const int dx = centred.left - edges.left;
    const int dy = centred.top - edges.top;
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        frame->MoveAll(dx, dy);
    return animation.SetSize(rectWidth(edges), rectHeight(edges));
}

std::int64_t PixelsAfterGrow(const CAnimation& animation, const EdgeAmounts& grow)
{
    const LayerRect edges = grownEdges(animation.canvasRect, grow);
    const std::int64_t now = DocumentPixels(animation);
    if (rectIsEmpty(edges))
        return now;
    const std::int64_t frames = animation.TotalFrames();
    const std::int64_t before = static_cast<std::int64_t>(animation.width()) * animation.height();
    const std::int64_t after = static_cast<std::int64_t>(rectWidth(edges)) * rectHeight(edges);
    return now + frames * (after - before);
}

} // namespace lw
