#pragma once
// The reduce-colours adjustment's quantizer: a median cut that starts from the eight corner
// colours of the RGB cube and splits boxes at their weighted average, then Floyd–Steinberg
// dithering in serpentine order. Failures raise PLTextException.
#include "imaging/pl_text_exception.h"
#include "imaging/raster.h"

namespace lw {

// Reduces a packed 32-bit DIB (consumed) to at most n colours (2 … 256; values outside are
// clamped) and returns a packed 8-bit DIB: the 40-byte header, 256 table entries (B, G, R, 0) and
// the index rows bottom-up, each padded to 4 bytes. Only red, green and blue are looked at.
PackedDib ReduceColours(PackedDib dib, int n);

} // namespace lw
