#pragma once
// Export frame: the current frame's finished picture written as GIF, JPEG or BMP, under a name
// made from the document and the frame's caption in the frames bar.
#include "model/document.h"

#include <string>

namespace lw {

class EditorQuestions;
class PictureUiPort;
struct FileQuestion;

// Folder and base name of the document's path (else of its title), then "(caption)".
std::string exportFrameDefaultName(const CLWDoc& doc, const std::string& caption);
FileQuestion exportFrameQuestion(const CLWDoc& doc, const CFrame& frame);
// A name typed without an extension takes the chosen filter's: gif (also when none was chosen),
// jpg, bmp.
std::string exportFrameFileName(const std::string& chosen, int filter);

enum class FrameExportOutcome { Written, Cancelled, NotWritten, Failed };
FrameExportOutcome exportFrame(CLWDoc& doc, CFrame& frame, PictureUiPort& ui, EditorQuestions& questions);

} // namespace lw
