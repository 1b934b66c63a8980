#include "app/editor/preview_command.h"

#include "app/editor/wait_cursor.h"
#include "engine/animation_compiler.h"

namespace lw {

FrameSequence buildPreviewSequence(CLWDoc& doc, const ExtensionHost& host, PreviewRange range,
                                   const CFrame& current)
{
    const WaitCursor wait;
    CAnimation& animation = doc.animation;
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        frame->Commit();
    animation.RenderAllFrames();
    const AnimationCompiler compiler(host);
    compiler.compile(animation);
    switch (range) {
    case PreviewRange::FromCurrent:
        return compiler.buildSequence(animation, nullptr, &current);
    case PreviewRange::CurrentOnly:
        return compiler.buildSequence(animation, &current);
    case PreviewRange::Whole:
        break;
    }
    return compiler.buildSequence(animation);
}

std::optional<GifPlayback> playbackOf(GifPreview preview)
{
    if (!preview.gif)
        return std::nullopt;
    GifPlayback playback;
    playback.sequence = std::move(*preview.gif->ToAnimation());
    playback.images = std::move(preview.gif);
    return playback;
}

} // namespace lw
