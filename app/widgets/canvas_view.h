#pragma once
// The document window's editing view: the 1200 × 1200 workspace times the zoom in a scroll area,
// the current frame painted as it paints itself, the selection handles and the tools' inverting
// overlays. Mouse, key and drop events go to the EditingView, which does all the work.
#include "app/editor/editing_view.h"
#include "app/widgets/qt_tool_host.h"
#include "model/document_observer.h"

#include <QAbstractScrollArea>
#include <array>
#include <memory>

namespace lw {

class DocumentSession;

class CanvasView : public QAbstractScrollArea, public DocumentObserver {
    Q_OBJECT
public:
    explicit CanvasView(DocumentSession& session, QWidget* parent = nullptr);
    ~CanvasView() override;
    // Stops listening before the document goes (the view may outlive it until deleted later).
    void detach();
    // Repaints after every change of its document and tells the window.
    void documentChanged(const CLWDoc& doc, const DocumentEvent& event) override;

    DocumentSession& session() const { return *session_; }
    EditingView& editing() { return *editing_; }
    QSize sizeHint() const override;
    // Where the frame's canvas lies in the viewport.
    QRect imageRect() const;
    void setEffectNamer(EffectNamer namer) { effectName_ = std::move(namer); }
    // The three status panes: zoom and frame, the selection, the feedback.
    std::array<QString, 3> statusTexts() const;

    // The workspace scroll position and zoom follow the editing view after a command.
    void syncGeometry();
    // The file types a drop imports (lower-case extensions with the dot).
    static bool isImportable(const QString& path);

Q_SIGNALS:
    void changed();
    void painted();
    void statusChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // While the mouse is over the view, Ctrl pressed or released anywhere in the application
    // changes the cursor at once (the eraser's large square).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PointerEvent pointerOf(const QMouseEvent* event) const;
    void afterEvent();

    DocumentSession* session_;
    QtToolHost host_;
    std::unique_ptr<EditingView> editing_;
    EffectNamer effectName_;
    bool shown_ = false;
    bool syncing_ = false;
};

} // namespace lw
