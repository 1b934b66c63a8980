#pragma once
// New animations made in one go: blank frames of a chosen size (optionally over a master frame)
// or one frame per picture (a slideshow, with the pictures optionally scaled down). Both work on
// a fresh document that already holds the new-document defaults.
#include "model/document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

class PictureUiPort;

// Seconds as typed to hundredths, truncated; the float error of a typed 0.29 does not cost 0.01 s.
std::int32_t DelayFromSeconds(double seconds);

struct BlankAnimationRequest {
    int width = 468;
    int height = 60;
    int count = 1;                   // normal frames
    std::uint32_t colour = 0xFFFFFF; // 0x00BBGGRR
    bool master = true;              // a master frame first, the backdrop of every normal frame
    std::int32_t delay = 100;        // hundredths of a second
};
// Count normal frames, plus the master frame first when asked. False (nothing changes) for a size
// the canvas refuses or a count below 1.
bool BuildBlankAnimation(CLWDoc& doc, const BlankAnimationRequest& request);

struct PictureAnimationRequest {
    std::vector<std::string> paths;      // one frame each, in order
    std::int32_t delay = 100;            // hundredths of a second
    std::optional<std::uint32_t> colour; // 0x00BBGGRR; none keeps the document's
    int scale = 100;                     // per cent of the picture size, 1 … 100
};
// Imports the pictures into the first frame and appended frames; with a scale below 100 every
// frame's bottom layer shrinks toward its top-left corner; the canvas then fits the layers.
// Pictures that cannot be imported are reported by the importer and leave their frame empty.
void BuildPictureAnimation(CLWDoc& doc, const PictureAnimationRequest& request, PictureUiPort& ui);

} // namespace lw
