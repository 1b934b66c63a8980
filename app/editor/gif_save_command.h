#pragma once
// Save GIF and Save GIF As: the document is compiled into its whole-animation sequence, the
// settings dialog is asked through the PictureUiPort, and the stream is written to the document's GIF
// path. Nothing is written when a dialog is cancelled or the build fails; a failed write leaves
// the old file as it was and says why.
#include "model/document.h"

#include "imaging/gif_animation.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lw {

class EditorQuestions;
class ExtensionHost;
class PictureUiPort;
struct GifSaveAnswer;
struct FileQuestion;

enum class GifSaveOutcome { Written, Cancelled, NothingToSave, Failed };

// The proposed GIF name: the GIF path, else the document's path, else its title; a trailing
// ".lwd" is dropped and ".gif" added unless the name already ends in it (both case-sensitive).
std::string defaultGifName(const CLWDoc& doc);

// The save dialog Save GIF As shows for this document.
FileQuestion gifSaveAsQuestion(const CLWDoc& doc);

// With the wait cursor: renders and compiles the document and builds one GIF frame per image of
// the whole animation; null when it shows nothing. Throws MemoryError.
std::unique_ptr<GifAnimation> buildDocumentGif(CLWDoc& doc, const ExtensionHost& host);

// The settings dialog, then the file at `path`.
GifSaveOutcome writeDocumentGif(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui,
                                const std::string& path);

// Stores the default name as the GIF path before asking for a name (a cancelled dialog keeps it);
// on OK the document takes the chosen path as its title and GIF path and remembers that the path
// is known.
GifSaveOutcome saveGifAs(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui,
                         EditorQuestions& questions);
// Writes to the known GIF path (a document opened from a GIF or saved as one) without asking
// for a name; otherwise as Save GIF As.
GifSaveOutcome saveGif(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui, EditorQuestions& questions);

// "Просмотр" of the settings dialog: a fresh build with the dialog's current settings, encoded
// as the file would be (no transparency marking: the preview shows the colours), then decoded
// again so that what plays is what the file will hold. Null gif when nothing could be built.
struct GifPreview {
    std::int64_t bytes = 0;
    bool optimised = false;
    std::unique_ptr<GifAnimation> gif; // decoded; ToAnimation gives the sequence to play
};
GifPreview buildGifPreview(CLWDoc& doc, const ExtensionHost& host, const GifSaveAnswer& answer);

// The message a failed GIF write shows (%1 the path, %2 the reason).
const char* gifWriteFailedText();

} // namespace lw
