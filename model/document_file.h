#pragma once
// The document's serialization by file extension: .lwd documents are read and written; a GIF
// becomes frames; JPEG, BMP and metafiles are remembered for the first view to import.
#include "imaging/picture_questions.h"
#include "model/document.h"
#include "model/effect_catalog.h"
#include "model/lwd/lwd_reader.h"

#include <string>

namespace lw {

class Settings;

inline constexpr const char* kNotADocumentName =
    "Документ сохраняется только в формате .lwd. Файл \"%s\" не записан: выберите имя с расширением .lwd "
    "или сохраните анимацию командой сохранения GIF.";
// Shown instead of writing a document larger than the reader opens (nothing is written).
inline constexpr const char* kDocumentTooLarge =
    "The document is larger than the editor can hold, so it could not be opened again once saved. "
    "Remove some frames or layers and save again.";

// Loads `path` into a fresh document by its extension: "lwd" (the document reader), "gif" (the
// frames of the GIF), "jpg", "jpeg", "jpe", "bmp", "wmf" (the full path becomes importPath,
// nothing is read). Anything else, and every format failure, throws ArchiveError; an unreadable
// file throws FileError.
void LoadDocument(CLWDoc& doc, const std::string& path, const EffectCatalog& catalog, PictureUiPort& ui,
                  const LwdReadLimits& limits = {});

// Saves the document as an .lwd file through a temporary file (a failure throws FileError and
// leaves the previous file). A name whose extension is not ".lwd" is refused with a message and
// nothing is written (returns false). On success savedAsDocument is 1 and the canvas size and
// the first frame's colour become the defaults of new documents.
bool SaveDocument(CLWDoc& doc, const std::string& path, UiPort& ui, Settings& settings,
                  const LwdReadLimits& limits = {});

// The first view's part of opening a picture as a document: imports importPath into the first
// frame, clears it and fits the canvas to the first frame's content (the name comes from
// afterOpenDocument). Nothing when there is no pending import.
void CompletePendingImport(CLWDoc& doc, PictureUiPort& ui);

} // namespace lw
