#pragma once
// Hooks the filter, turn, mirror, rotation and frame-border commands to the active document.

namespace lw {

class CommandActions;
class MainWindow;
class FilterUiPort;

// The commands ask their questions through `ui`; the clipboard commands read the clipboard's
// picture when they run.
void installFilterMenuCommands(CommandActions& actions, MainWindow& window, FilterUiPort& ui);

} // namespace lw
