#pragma once
// What the tools ask of the window around them: messages, questions, dialogs, the context
// pop-ups and other commands. The widgets answer with real dialogs, the tests with
// ScriptedToolHost.
#include "app/editor/text_dialog_model.h"
#include "app/editor/tools/tool_cursor.h"
#include "app/editor/view_settings.h"
#include "platform/ui_port.h"

#include <QPoint>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lw {

class ToolHost {
public:
    virtual ~ToolHost() = default;
    virtual void information(const std::string& text) = 0;
    virtual bool askYesNo(const std::string& text) = 0;
    // "Правка текста" with the start values; the answer has a text.
    virtual std::optional<TextProperties> askText(const TextProperties& start) = 0;
    virtual std::optional<GradientSettings> askGradient(const GradientSettings& start) = 0;
    virtual std::optional<int> askEllipseStyle(int start) = 0;
    virtual std::optional<std::uint32_t> askColour(const std::string& caption, std::uint32_t start) = 0;
    // Opens a pop-up at a window point; the chosen command runs through the command table.
    virtual void openContextMenu(ContextPopupKind popup, QPoint window) = 0;
    // Runs another command of the table (the property dialogs, adding a layer).
    virtual void runCommand(int id) = 0;
    // The brushes bar's size index 0 … 5.
    virtual int brushSize() const = 0;
    // Where new text layers report a failed rendering; none drops the message.
    virtual UiPort* prompts() { return nullptr; }
};

// Answers from queues (an empty queue declines) and records what was asked.
class ScriptedToolHost : public ToolHost {
public:
    void information(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override;
    std::optional<TextProperties> askText(const TextProperties& start) override;
    std::optional<GradientSettings> askGradient(const GradientSettings& start) override;
    std::optional<int> askEllipseStyle(int start) override;
    std::optional<std::uint32_t> askColour(const std::string& caption, std::uint32_t start) override;
    void openContextMenu(ContextPopupKind popup, QPoint) override { popups.push_back(popup); }
    void runCommand(int id) override;
    int brushSize() const override { return brush; }

    std::deque<bool> yesNo;
    std::deque<std::optional<TextProperties>> texts;
    std::deque<std::optional<GradientSettings>> gradients;
    std::deque<std::optional<int>> ellipseStyles;
    std::deque<std::optional<std::uint32_t>> colours;
    int brush = 0;

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> colourCaptions;
    std::vector<ContextPopupKind> popups;
    std::vector<int> commands;
    // Runs when runCommand is called (the add-layer command in tests).
    std::function<void(int)> onCommand;
};

} // namespace lw
