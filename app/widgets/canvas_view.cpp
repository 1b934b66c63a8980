#include "app/widgets/canvas_view.h"

#include "app/editor/document_session.h"

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
    const CRaster& image = session_->currentFrame().image;
    const QRect target = imageRect();
    painter.fillRect(target.translated(3, 3), QColor(0x80, 0x80, 0x80));
    if (image.hasBlock())
        painter.drawImage(target.topLeft(), image.toQImage());
    else
        painter.fillRect(target, Qt::white);
    Q_EMIT painted();
}

} // namespace lw
