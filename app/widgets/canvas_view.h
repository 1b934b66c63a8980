#pragma once
// The document window's view: for now the current frame's finished image at zoom 1, centred on
// the colour of everything outside the canvas. The editing view with its tools replaces it.
#include <QWidget>

namespace lw {

class DocumentSession;

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(DocumentSession& session, QWidget* parent = nullptr);
    DocumentSession& session() const { return session_; }
    QSize sizeHint() const override;
    // Where the frame's image lies in the widget.
    QRect imageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DocumentSession& session_;
};

} // namespace lw
