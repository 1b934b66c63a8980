#pragma once
// The tools' questions as Qt dialogs, the context pop-ups as menus of the command table's
// actions, and the brush size from the main window.
#include "app/editor/tools/tool_host.h"
#include "app/widgets/qt_ui_port.h"

class QWidget;

namespace lw {

class CommandActions;

class QtToolHost : public ToolHost {
public:
    explicit QtToolHost(QWidget* view);

    void information(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<TextProperties> askText(const TextProperties& start) override;
    std::optional<GradientSettings> askGradient(const GradientSettings& start) override;
    std::optional<int> askEllipseStyle(int start) override;
    std::optional<std::uint32_t> askColour(const std::string& caption, std::uint32_t start) override;
    void openContextMenu(ContextPopupKind popup, QPoint window) override;
    void runCommand(int id) override;
    int brushSize() const override;
    // The concrete port, so that dropped pictures can ask their import questions too.
    QtUiPort* prompts() override { return &ui_; }

private:
    CommandActions* actions() const;

    QWidget* view_;
    QtUiPort ui_;
};

} // namespace lw
