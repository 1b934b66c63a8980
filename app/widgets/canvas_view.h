#pragma once
// The document window's view: for now the current frame as the frame paints itself at zoom 1, centred on
// the colour of everything outside the canvas. The editing view with its tools replaces it.
#include "model/document_observer.h"

#include <QWidget>

namespace lw {

class DocumentSession;

class CanvasView : public QWidget, public DocumentObserver {
    Q_OBJECT
public:
    explicit CanvasView(DocumentSession& session, QWidget* parent = nullptr);
    ~CanvasView() override;
    // Stops listening before the document goes (the view may outlive it until deleted later).
    void detach();
    // Repaints after every change of its document and tells the window.
    void documentChanged(const CLWDoc& doc, const DocumentEvent& event) override;

    DocumentSession& session() const { return *session_; }
    QSize sizeHint() const override;
    // Where the frame's image lies in the widget.
    QRect imageRect() const;

Q_SIGNALS:
    void changed();
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DocumentSession* session_;
};

} // namespace lw
