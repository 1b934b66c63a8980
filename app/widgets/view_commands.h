#pragma once
// The commands the editing view carries out: the thirteen tools, zoom in, out and 1:1, and the
// foreground and background colour choices. Each goes to the active document's view.
#include "app/editor/status_texts.h"

namespace lw {

class CommandActions;
class MainWindow;

// `effectName` names the layers' effects in the views' status texts.
void installViewCommands(CommandActions& actions, MainWindow& window, EffectNamer effectName);

} // namespace lw
