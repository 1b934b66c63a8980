#include "app/editor/effect_commands.h"

#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "engine/effect_dialog_model.h"
#include "model/edit_scope.h"

#include <array>
#include <utility>

namespace lw {
namespace {

constexpr std::array<std::pair<int, EffectCommand>, 6> kCommands{{
    {cmd::LayerIntro, {false, EffectKind::Intro}},
    {cmd::LayerAnimation, {false, EffectKind::Animation}},
    {cmd::LayerOutro, {false, EffectKind::Outro}},
    {cmd::FrameIntro, {true, EffectKind::Intro}},
    {cmd::FrameAnimation, {true, EffectKind::Animation}},
    {cmd::FrameOutro, {true, EffectKind::Outro}},
}};

constexpr std::array<int, 6> kIds{cmd::LayerIntro, cmd::LayerAnimation, cmd::LayerOutro,
                                  cmd::FrameIntro, cmd::FrameAnimation, cmd::FrameOutro};

struct RestoreAssignment {
    EffectAssignment& slot;
    EffectAssignment value;
    ~RestoreAssignment() { slot = value; }
};

bool anyObjectDiffers(CFrame& frame, EffectKind kind, const EffectAssignment& chosen)
{
    for (CLayerObject* o = frame.head.get(); o; o = o->next.get())
        if (assignmentFor(*o, kind) != chosen)
            return true;
    return false;
}

bool anyFrameDiffers(CAnimation& animation, EffectKind kind, const EffectAssignment& chosen)
{
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        if (assignmentFor(*f, kind) != chosen)
            return true;
    return false;
}

} // namespace

std::span<const int> effectCommandIds()
{
    return kIds;
}

std::optional<EffectCommand> effectCommandFor(int id)
{
    for (const auto& [commandId, command] : kCommands)
        if (commandId == id)
            return command;
    return std::nullopt;
}

bool runEffectCommand(int id, DocumentSession& session, const EffectDialogRunner& runDialog)
{
    const auto command = effectCommandFor(id);
    if (!command || !runDialog)
        return false;
    CFrame& frame = session.currentFrame();
    CLayerObject* object = command->forFrame ? nullptr : frame.NthSelected(0);
    if (!command->forFrame && !object)
        return false;
    const EffectKind kind = command->kind;
    EffectAssignment& slot = object ? assignmentFor(*object, kind) : assignmentFor(frame, kind);

    const EffectAssignment before = slot;
    std::optional<bool> applyToAll;
    EffectAssignment chosen;
    {
        // The dialog writes in place (also for its preview); whatever it leaves, even when it
        // fails, the edit below takes its undo copy from what was there before.
        const RestoreAssignment restore{slot, before};
        applyToAll = runDialog(kind, slot, frame);
        chosen = slot;
    }
    if (!applyToAll)
        return false;

    if (object) {
        if (*applyToAll ? !anyObjectDiffers(frame, kind, chosen) : chosen == before)
            return false;
        EditScope edit(session.doc, &frame, UndoStep::Structural);
        // The undo copy holds copies; `object` is still the live layer.
        if (*applyToAll)
            applyToAllObjects(frame, kind, chosen);
        else
            assignmentFor(*object, kind) = chosen;
        edit.announce(DocumentChange::ObjectChanged);
        edit.markModified();
        return true;
    }
    if (*applyToAll ? !anyFrameDiffers(session.doc.animation, kind, chosen) : chosen == before)
        return false;
    // A frame's own effects are not part of its layer undo.
    EditScope edit(session.doc, *applyToAll ? nullptr : &frame, UndoStep::CommitOnly);
    if (*applyToAll)
        applyToAllFrames(session.doc.animation, kind, chosen);
    else
        slot = chosen;
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
    return true;
}

} // namespace lw
