#pragma once
// Hooks the effect commands to the active document (the effect dialog for a layer or the frame)
// and "Установленные компоненты..." to the catalogue of the loaded libraries.
#include <string>

namespace lw {

class CommandActions;
class ExtensionHost;
class MainWindow;
struct ProgramFolders;
class UiPort;

// `folders` is read when the catalogue opens (the program's folders are found after start-up).
void installEffectCommands(CommandActions& actions, MainWindow& window, const ExtensionHost& host,
                           const ProgramFolders& folders, UiPort& ui);

} // namespace lw
