#pragma once
// The editor's main window: the document windows in a QMdiArea, the menu bar and the seven bars
// built from the command table, and the three-pane status bar. The title carries the active
// document's name and its modified mark. The window does no document work itself: commands go
// to the handlers registered on its CommandActions.
#include "app/editor/editor_state.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <span>

class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace lw {

class CanvasView;
class CommandActions;
class DocumentSession;
class PaletteWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(CommandActions& actions, QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* mdiArea() const { return mdi_; }
    CommandActions& commands() const { return actions_; }

    // Document windows.
    void addDocumentWindow(DocumentSession* session);
    void removeDocumentWindow(DocumentSession* session);
    void activateDocument(DocumentSession* session);
    DocumentSession* activeDocument() const;
    CanvasView* viewOf(DocumentSession* session) const;
    // Repaints a document's window and the title after a change.
    void documentChanged(DocumentSession* session);

    // The bars by their command id (main tool bar 59392, tool box 32903, brushes 32995, colours
    // 32901, frame list 32900, frame background 32902, palette 32994).
    QWidget* bar(int id) const;
    void setBarShown(int id, bool shown);
    bool barShown(int id) const;
    QLabel* statusPane(int index) const { return panes_[index]; }
    PaletteWidget* paletteWidget() const { return palette_; }

    int brushIndex() const { return brush_; }
    void setBrushIndex(int index);
    // Repaints the current-colours bar when the pair differs from the one shown (and shows the bar).
    void showColours(std::uint32_t foreground, std::uint32_t background);

    // The state the command rules see; the recent list comes from whoever keeps it.
    EditorState editorState() const;
    void setRecentFiles(std::vector<std::string> paths);
    // Applies the rules to every action (before menus show, after commands and changes).
    void refreshCommands();

    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    // Asked when a document window is closed by its own button.
    void setDocumentCloser(std::function<void(DocumentSession*)> closer) { closer_ = std::move(closer); }
    // Place the floating bars along the right edge of the screen.
    void placeFloatingBars();

Q_SIGNALS:
    void filesDropped(const QStringList& paths);
    void activeDocumentChanged(lw::DocumentSession* session);
    // A document window has painted its frame.
    void framePainted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sizes a new document window to its view's wish, bounded by and placed inside the area.
    void fitIntoArea(QMdiSubWindow* window) const;
    void buildMenus();
    void buildBars();
    void buildStatusBar();
    QToolBar* toolBarOf(std::span<const int> ids, const QString& name);
    QDockWidget* floatingBar(int id, const QString& caption, QWidget* content, bool dockable);
    void updateTitle();
    void updateWindowMenu();
    void updateStatus();

    CommandActions& actions_;
    QMdiArea* mdi_ = nullptr;
    std::map<int, QWidget*> bars_;
    std::map<DocumentSession*, QMdiSubWindow*> windows_;
    QLabel* panes_[3] = {};
    PaletteWidget* palette_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* windowListStart_ = nullptr;
    std::vector<std::string> recent_;
    int brush_ = 0;
    std::uint32_t shownForeground_ = 0x12345678;
    std::uint32_t shownBackground_ = 0x12345678;
    std::function<bool()> closeGuard_;
    std::function<void(DocumentSession*)> closer_;
    bool refreshQueued_ = false;
    bool areaSized_ = false;
};

} // namespace lw
