#pragma once
// "Экспорт в AVI файл...": the proposed name, the save dialog, the codec choice, then the whole
// animation written with progress that the user can stop. A stopped or failed export leaves no
// file (and an existing file as it was).
#include "app/editor/editor_questions.h"
#include "model/document.h"
#include "output/avi_export.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lw {

class ExtensionHost;
class UiPort;

enum class AviExportOutcome { Written, Cancelled, NothingToExport, Failed };

// The save dialog: the GIF path, document path or title with ".avi", the one filter, the title.
FileQuestion aviSaveQuestion(const CLWDoc& doc);

// Where the user answers: the codec out of those the AVI container takes (nothing cancels), and
// the progress of the writing.
struct AviExportSteps {
    std::function<std::optional<std::string>(const std::vector<AviCodec>& codecs)> chooseCodec;
    AviProgress progress;
};

// Asks for the name and the codec, compiles the document and writes the file. A failure is
// reported through ui with its reason.
AviExportOutcome exportDocumentAvi(CLWDoc& doc, const ExtensionHost& host, UiPort& ui,
                                   EditorQuestions& questions, const AviExportSteps& steps);

// The message a failed export shows (%1 the path, %2 the reason).
const char* aviWriteFailedText();

} // namespace lw
