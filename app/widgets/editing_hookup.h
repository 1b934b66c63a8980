#pragma once
// Puts the frame, canvas, layer, clipboard, undo and import commands into the main window: their
// handlers on the command actions, their dialogs, and the frame-list and frame-background bars
// in the window's two bar hosts, following the active document.
#include <QObject>
#include <memory>

namespace lw {

class CommandActions;
class DocumentManager;
class EditingCommands;
class FrameBackgroundBar;
class FrameListBar;
class MainWindow;
class QtEditingQuestions;
class PictureUiPort;

class EditingHookup : public QObject {
public:
    EditingHookup(MainWindow& window, CommandActions& actions, DocumentManager& documents, PictureUiPort& ui);
    ~EditingHookup() override;

    EditingCommands& commands() const { return *commands_; }
    FrameListBar* frameListBar() const { return frameList_; }
    FrameBackgroundBar* backgroundBar() const { return background_; }

private:
    std::unique_ptr<QtEditingQuestions> questions_;
    std::unique_ptr<EditingCommands> commands_;
    FrameListBar* frameList_ = nullptr;
    FrameBackgroundBar* background_ = nullptr;
};

} // namespace lw
