#pragma once
// The three preview commands and the GIF settings dialog's two previews: what they play.
#include "app/editor/gif_save_command.h"
#include "app/editor/preview_player.h"
#include "imaging/frame_sequence.h"
#include "model/document.h"

#include <memory>
#include <optional>

namespace lw {

class ExtensionHost;
struct GifSaveAnswer;

// The whole animation (F9), from the current frame on (Ctrl+F9), the current frame alone (Shift+F9).
enum class PreviewRange { Whole, FromCurrent, CurrentOnly };

// With the wait cursor: commits every frame's pending edit, renders and compiles the document,
// and builds the sequence. It refers to the frames' images, so it lives only until the next
// edit. Throws MemoryError when the compiled images do not fit.
FrameSequence buildPreviewSequence(CLWDoc& doc, const ExtensionHost& host, PreviewRange range,
                                   const CFrame& current);

// The same sequence for the preview window, compiled as it plays: with the wait cursor, commits
// and renders every frame and compiles the first frame shown; the player compiles the others
// when it needs them. It refers to the document, which must neither change nor go while it
// lives (the preview is modal); a change makes it invalid. Throws MemoryError when the compiled
// images would not fit.
std::unique_ptr<GrowingSequence> startPreview(CLWDoc& doc, const ExtensionHost& host, PreviewRange range,
                                              const CFrame& current);

// A decoded GIF and the sequence of its composed images, which the player owns together.
struct GifPlayback {
    FrameSequence sequence;
    std::unique_ptr<GifAnimation> images;
};
// The result of buildGifPreview made playable; nothing when nothing was built.
std::optional<GifPlayback> playbackOf(GifPreview preview);

} // namespace lw
