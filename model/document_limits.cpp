#include "model/document_limits.h"

#include "model/animation.h"

namespace lw {

std::int64_t ObjectPixels(const LayerRect& rect)
{
    const std::int64_t w = static_cast<std::int64_t>(rect.right) - rect.left;
    const std::int64_t h = static_cast<std::int64_t>(rect.bottom) - rect.top;
    if (w <= 0 || h <= 0)
        return 0;
    // Any side past the document's whole budget is over it anyway; capping keeps the product
    // and the sums of many such objects from overflowing.
    if (w > kMaxDocumentPixels || h > kMaxDocumentPixels || w * h > kMaxDocumentPixels)
        return kMaxDocumentPixels + 1;
    return 2 * w * h;
}

std::int64_t DocumentPixels(const CAnimation& animation)
{
    const std::int64_t canvas = static_cast<std::int64_t>(animation.width()) * animation.height();
    std::int64_t total = 0;
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get()) {
        total += canvas;
        for (const CLayerObject* object = frame->head.get(); object; object = object->next.get())
            total += ObjectPixels(object->rect);
    }
    return total;
}

bool DocumentHasRoomFor(const CAnimation& animation, std::int64_t more)
{
    return more >= 0 && more <= kMaxDocumentPixels - DocumentPixels(animation);
}

} // namespace lw
