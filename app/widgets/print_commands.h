#pragma once
// Print (Ctrl+P), print preview and printer set-up on one printer that keeps its settings for the
// whole run. Printing without the dialog is what `lw --print` does.

namespace lw {

class CommandActions;
class MainWindow;
class UiPort;

void installPrintCommands(CommandActions& actions, MainWindow& window, UiPort& ui);

} // namespace lw
