#pragma once
// Hooks the frame, canvas, layer, clipboard, undo and import commands into the command table's
// actions. Each handler works on the active document session and does nothing without one.
#include "app/editor/editing_context.h"

#include <functional>

namespace lw {

class CommandActions;

class EditingCommands {
public:
    using ActiveSession = std::function<DocumentSession*()>;
    using ViewCentre = std::function<std::optional<LayerPoint>(DocumentSession&)>;

    EditingCommands(PictureUiPort& ui, EditingQuestions& questions, ActiveSession active,
                    ViewCentre centre = {});

    // Registers a handler for every command of these families.
    void registerHandlers(CommandActions& actions);
    // The command ids this class handles.
    static std::span<const int> commandIds();
    // Runs one command on the active session; false for an id it does not handle or no session.
    bool run(int id);

    // The context for the active session (the frames bar's delay field uses it).
    std::optional<EditingContext> context();
    EditingMemory& memory() { return memory_; }

private:
    PictureUiPort& ui_;
    EditingQuestions& questions_;
    ActiveSession active_;
    ViewCentre centre_;
    EditingMemory memory_;
};

// The six filters of the "Import Image" dialog.
std::vector<std::pair<std::string, std::string>> importPictureFilters();
// Imports every chosen file (the first into the current frame, each further one into a new frame),
// selects the new layer alone.
void importPictures(EditingContext& context, const std::vector<std::string>& paths);
void importPictureWithDialog(EditingContext& context);

} // namespace lw
