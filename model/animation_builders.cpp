#include "model/animation_builders.h"

#include "model/picture_import.h"

#include <cmath>
#include <limits>

namespace lw {

std::int32_t DelayFromSeconds(double seconds)
{
    const double hundredths = seconds * 100.0 + 1e-7;
    if (!(hundredths > 0))
        return 0;
    if (hundredths >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(hundredths);
}

namespace {

void StartFirstFrame(CLWDoc& doc, std::int32_t delay, std::optional<std::uint32_t> colour)
{
    CFrame& first = *doc.animation.firstFrame;
    first.delay = delay;
    if (colour)
        first.backgroundColour = *colour;
    first.Render();
}

} // namespace

bool BuildBlankAnimation(CLWDoc& doc, const BlankAnimationRequest& request)
{
    CAnimation& animation = doc.animation;
    if (request.count < 1 || !animation.SetSize(request.width, request.height))
        return false;
    StartFirstFrame(doc, request.delay, request.colour);
    CFrame* master = nullptr;
    if (request.master) {
        master = animation.firstFrame.get();
        master->masterFrame = 1;
    }
    for (int i = request.master ? 0 : 1; i < request.count; ++i) {
        CFrame* frame = animation.AppendFrame();
        frame->LinkBackgroundFrame(master);
    }
    animation.RenderAllFrames();
    return true;
}

void BuildPictureAnimation(CLWDoc& doc, const PictureAnimationRequest& request, PictureUiPort& ui)
{
    CAnimation& animation = doc.animation;
    StartFirstFrame(doc, request.delay, request.colour);
    ImportPictures(doc, request.paths, *animation.firstFrame, ui);
    if (request.scale != 100)
        for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get()) {
            CLayerObject* bottom = frame->head.get();
            if (!bottom)
                continue;
            LayerRect r = bottom->rect;
            r.right = r.left + (r.right - r.left) * request.scale / 100;
            r.bottom = r.top + (r.bottom - r.top) * request.scale / 100;
            if (rectIsEmpty(r))
                continue; // a picture too small to shrink keeps its size
            bottom->Resize(r);
            frame->UpdateComposites(bottom);
            frame->Render();
        }
    animation.FitCanvasToContent();
}

} // namespace lw
