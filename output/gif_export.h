#pragma once
// Save GIF without its dialog: a compiled sequence becomes a GifAnimation, its colours are
// counted, the palette built with the chosen count, then either one colour is made transparent
// or the frames are optimised, and the stream is encoded and written. The editor's dialog and
// lwtool both fill GifSaveSettings; unset values take the dialog's preselections.
#include "imaging/frame_sequence.h"
#include "imaging/gif_animation.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace lw {

struct GifSaveSettings {
    // 0: the whole palette; 256 … 4: reduce to that many; none: the dialog's preselection.
    std::optional<int> colours;
    // Frame optimisation (the dialog starts with it checked; single pictures never optimise).
    bool optimise = true;
    // Make this 0xRRGGBB colour transparent instead of optimising.
    std::optional<std::uint32_t> transparentColour;
};

struct GifSaveReport {
    int colourCount = 0;  // CountColours (257: more than 256)
    int paletteCount = 0; // the count BuildPalette got
    bool reduced = false;
    bool optimised = false;
    int framesWritten = 0;
    std::int64_t bytes = 0;
};

// One GIF frame per sequence entry with its image and delay; screen = the sequence's size.
std::unique_ptr<GifAnimation> gifFromSequence(const FrameSequence& sequence);

// Everything after the GifAnimation is built: palette, transparency or optimisation, encoding.
GifSaveReport prepareGif(GifAnimation& gif, const GifSaveSettings& settings);

// The whole road: build, prepare, and write to path (replacing it only on success).
// Throws FileError when the file cannot be written.
GifSaveReport saveSequenceAsGif(const FrameSequence& sequence, const GifSaveSettings& settings,
                                const std::string& path);

} // namespace lw
