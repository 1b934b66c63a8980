#pragma once
// Picture import into a frame: ICO, GIF, BMP, JPEG and metafiles become a new bitmap object on
// top of the target frame; an animated GIF becomes document frames.
#include "imaging/picture_questions.h"
#include "model/document.h"

#include <string>
#include <vector>

namespace lw {

// The importer the extension of a path selects (compared without regard to case).
enum class PictureFormat { None, Icon, Gif, Metafile, Bmp, Jpeg };
PictureFormat PictureFormatOf(const std::string& path);

// Imports one file into `frame` (a frame of `doc`). Returns the new object, or null when nothing
// was imported (unknown extension, missing file, a refusal already told to the user, an
// animated GIF, which becomes frames instead). Marks the document modified after an import.
CLayerObject* ImportPicture(CLWDoc& doc, const std::string& path, CFrame& frame, PictureUiPort& ui);

// Several files at once: the first into `frame`, each further one into a new frame appended to
// the document, in order.
void ImportPictures(CLWDoc& doc, const std::vector<std::string>& paths, CFrame& frame, PictureUiPort& ui);

} // namespace lw
