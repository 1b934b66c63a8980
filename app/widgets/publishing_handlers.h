#pragma once
// Hooks the commands that start new animations (wizard, quick animation), the HTML settings
// dialog and printing to the main window and the open documents.

namespace lw {

class CommandActions;
class DocumentManager;
class EditorQuestions;
class MainWindow;
class PictureUiPort;

void installPublishingCommands(CommandActions& actions, MainWindow& window, DocumentManager& documents,
                               PictureUiPort& ui, EditorQuestions& questions);

} // namespace lw
