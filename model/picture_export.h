#pragma once
// Picture export of one frame's finished image as GIF, JPEG or BMP.
#include "imaging/picture_questions.h"
#include "model/document.h"

#include <string>

namespace lw {

// Renders the frame, then writes it by the path's extension (compared without regard to case):
// ".gif" a single-frame GIF with the colour count the user picks, ".jpg"/".jpe"/".jpeg" a JPEG
// at the library's default quality, ".bmp" a 24-bit BMP. Every file goes through a temporary file
// renamed over the target only on success. Returns false when the extension writes nothing or
// the user cancels; throws FileError when the file cannot be written (the old file stays).
bool ExportPicture(CFrame& frame, const std::string& path, PictureUiPort& ui);

} // namespace lw
