#pragma once
// What the frame, canvas, layer and clipboard commands work with: the active document session,
// the ports that ask the user, and what the view remembers between commands.
#include "app/editor/editing_questions.h"
#include "imaging/picture_questions.h"
#include "model/layer_object.h"

#include <optional>

namespace lw {

class DocumentSession;

// Remembered between commands (never stored in the settings).
struct EditingMemory {
    DuplicateSettings duplicate;
    MoveToAnswer moveTo;
    AlignSettings align; // the Align settings' start values
};

struct EditingContext {
    DocumentSession& session;
    PictureUiPort& ui; // messages, colours and the questions of imported pictures
    EditingQuestions& questions;
    EditingMemory& memory;
    // The workspace point shown in the middle of the view; pasted pictures are centred on it
    // (the canvas centre when the view does not say).
    std::optional<LayerPoint> viewCentre;
};

} // namespace lw
