#include "app/widgets/canvas_view.h"

#include "app/editor/document_session.h"

#include "model/view_state.h"

#include <QPainter>

namespace lw {

CanvasView::CanvasView(DocumentSession& session, QWidget* parent) : QWidget(parent), session_(&session)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    session_->doc.addObserver(*this);
}

CanvasView::~CanvasView()
{
    detach();
}

void CanvasView::detach()
{
    if (session_)
        session_->doc.removeObserver(*this);
    session_ = nullptr;
}

void CanvasView::documentChanged(const CLWDoc&, const DocumentEvent&)
{
    update();
    Q_EMIT changed();
}

QSize CanvasView::sizeHint() const
{
    if (!session_)
        return QSize(320, 160);
    const CAnimation& a = session_->doc.animation;
    return QSize(a.width(), a.height()).grownBy(QMargins(40, 40, 40, 40)).expandedTo(QSize(320, 160));
}

QRect CanvasView::imageRect() const
{
    if (!session_)
        return {};
    const CAnimation& a = session_->doc.animation;
    return QRect((width() - a.width()) / 2, (height() - a.height()) / 2, a.width(), a.height());
}

void CanvasView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    if (!session_)
        return;
    // The frame paints itself in workspace pixels; the origin puts its canvas at imageRect().
    const CFrame& frame = session_->currentFrame();
    const LayerRect canvas = frame.canvasRectOrEmpty();
    const QRect target = imageRect();
    const ViewMapping mapping{&painter, 1, QPoint(canvas.left - target.left(), canvas.top - target.top())};
    painter.translate(-mapping.origin);
    frame.Paint(painter, mapping);
    Q_EMIT painted();
}

} // namespace lw
