#pragma once
// One set of limits for what a document may hold, shared by the .lwd reader and writer, GIF import
// and the editing operations, so that whatever the editor makes can be saved and opened again.
#include "model/layer_rect.h"

#include <cstdint>

namespace lw {

class CAnimation;

// Pixels are counted as the memory a document takes: every frame holds a canvas-sized image, every
// object two images (its own and its composite) of its rectangle's size. The largest GIF import
// (256 Mi canvas pixels over all frames, each frame one canvas-sized picture) is the measure.
inline constexpr std::int64_t kMaxDocumentPixels = 3LL * 256 * 1024 * 1024;

// Text labels: the outline pen and the font size drive the size of the text bitmaps, the width
// scale and the letter spacing their arithmetic; these are the ranges resizing keeps them in.
inline constexpr int kMaxOutlineWidth = 10;
inline constexpr int kMaxFontHeight = 2 * kWorkspaceSize;
inline constexpr double kMaxWidthScale = 64.0;
inline constexpr double kMinWidthScale = 1.0 / 1024; // a positive scale is all the reader asks
inline constexpr double kMaxLetterSpacing = kWorkspaceSize;
// Editing never makes the spacing negative, and a negative one can leave a label nothing to draw;
// a stored negative spacing reads as none.
inline constexpr double kMinLetterSpacing = 0.0;

// What an object of the given rectangle counts (0 for an empty or inverted one).
std::int64_t ObjectPixels(const LayerRect& rect);
// What the whole document counts now.
std::int64_t DocumentPixels(const CAnimation& animation);
// Whether the document can take `more` pixels and stay within kMaxDocumentPixels.
bool DocumentHasRoomFor(const CAnimation& animation, std::int64_t more);

} // namespace lw
