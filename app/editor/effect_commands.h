#pragma once
// The six effect commands: intro, animation and outro of the first selected layer (Effects menu)
// and of the current frame (Frame menu). Each opens the effect dialog on the assignment and, on
// OK, stores the choice as one edit: a layer's change is one undo step of its frame.
#include "model/effect_assignment.h"

#include <functional>
#include <optional>
#include <span>

namespace lw {

class CFrame;
class DocumentSession;

struct EffectCommand {
    bool forFrame = false; // the frame's own effect, else the first selected layer's
    EffectKind kind = EffectKind::Intro;
};

// Every command id this module runs, layers first.
std::span<const int> effectCommandIds();
// What a command id edits; nothing for other ids.
std::optional<EffectCommand> effectCommandFor(int id);

// The effect dialog: edits `assignment` in place (its preview writes it too) and hands it back
// as it found it on Cancel. Answers nothing for Cancel, else whether "Применить для всех" is set.
using EffectDialogRunner =
    std::function<std::optional<bool>(EffectKind kind, EffectAssignment& assignment, CFrame& frame)>;

// Runs one command on the session's current frame. OK stores the chosen assignment (on every
// layer of the frame, or every frame of the document, with "Применить для всех") and marks the
// document modified; a layer's change can be undone. Returns true when anything changed.
bool runEffectCommand(int id, DocumentSession& session, const EffectDialogRunner& runDialog);

} // namespace lw
