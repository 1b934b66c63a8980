#pragma once
// Opening a GIF file as a document: one bitmap object per GIF frame, or the first frame only,
// as the user chooses in "Импортирование GIF-файла".
#include "imaging/gif_animation.h"
#include "imaging/picture_questions.h"
#include "model/document.h"
#include "model/document_limits.h"

#include <cstdint>
#include <span>
#include <string>

namespace lw {

// What the frames one GIF turns into count against kMaxDocumentPixels: every frame a canvas image
// and one picture of at most the larger of the canvas and its own image. More is refused before
// anything is built.
std::int64_t GifDocumentPixels(GifAnimation& gif);

// Builds the document's frames from a GIF that has been read, decoded and turned into rasters.
// Cancelling the choice leaves the empty first frame.
void BuildFramesFromGif(CLWDoc& doc, GifAnimation& gif, PictureUiPort& ui);

// Reads the GIF bytes into a fresh document: canvas = logical screen, source path and size,
// loop count, frames. Throws ArchiveError when the bytes are no usable GIF (after the reader's
// message) or the canvas is too large, MemoryError when the frames would not fit.
void OpenGifDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const std::string& fullPath,
                     PictureUiPort& ui);

} // namespace lw
