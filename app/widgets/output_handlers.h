#pragma once
// Hooks the preview commands, the optimisation wizard and the AVI export to the active document.

namespace lw {

class CommandActions;
class EditorQuestions;
class ExtensionHost;
class MainWindow;
class UiPort;

void installOutputCommands(CommandActions& actions, MainWindow& window, const ExtensionHost& host, UiPort& ui,
                           EditorQuestions& questions);

} // namespace lw
