#pragma once
// Opening a GIF file as a document: one bitmap object per GIF frame, or the first frame only,
// as the user chooses in "Импортирование GIF-файла".
#include "model/document.h"
#include "imaging/gif_animation.h"
#include "platform/ui_port.h"

#include <cstdint>
#include <span>
#include <string>

namespace lw {

// Document frames times canvas pixels one GIF may turn into; more is refused before building.
inline constexpr std::int64_t kMaxGifDocumentPixels = 256LL * 1024 * 1024;

// Builds the document's frames from a GIF that has been read, decoded and turned into rasters.
// Cancelling the choice leaves the empty first frame.
void BuildFramesFromGif(CLWDoc& doc, GifAnimation& gif, UiPort& ui);

// Reads the GIF bytes into a fresh document: canvas = logical screen, source path and size,
// loop count, frames. Throws ArchiveError when the bytes are no usable GIF (after the reader's
// message) or the canvas is too large, MemoryError when the frames would not fit.
void OpenGifDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const std::string& fullPath,
                     UiPort& ui);

} // namespace lw
