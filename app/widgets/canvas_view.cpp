#include "app/widgets/canvas_view.h"

#include "app/editor/document_session.h"
#include "app/widgets/tool_cursors.h"
#include "model/frame.h"
#include "model/frame_list.h"
#include "model/picture_import.h"
#include "model/view_state.h"
#include "platform/application_names.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace lw {

CanvasView::CanvasView(DocumentSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(&session), host_(viewport()),
      editing_(std::make_unique<EditingView>(session, host_))
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
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
    viewport()->update();
    Q_EMIT changed();
}

QSize CanvasView::sizeHint() const
{
    const QSize least(320, 160);
    if (!session_)
        return least;
    // The canvas at the zoom with some workspace round it, never more than the whole workspace,
    // plus the scroll bars and the frame.
    constexpr int kMargin = 24;
    const CAnimation& a = session_->doc.animation;
    const ViewGeometry& g = editing_->geometry();
    const int workspace = g.zoomedSize();
    const QSize content = (QSize(a.width(), a.height()) * g.zoom + QSize(2 * kMargin, 2 * kMargin))
                              .boundedTo(QSize(workspace, workspace));
    const int extra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2 * frameWidth();
    return (content + QSize(extra, extra)).expandedTo(least);
}

QRect CanvasView::imageRect() const
{
    if (!session_)
        return {};
    const LayerRect canvas = session_->currentFrame().canvasRectOrEmpty();
    const ViewGeometry& g = editing_->geometry();
    return QRect(g.toWindow({canvas.left, canvas.top}),
                 g.toWindow({canvas.right, canvas.bottom}) - QPoint(1, 1));
}

std::array<QString, 3> CanvasView::statusTexts() const
{
    if (!session_)
        return {};
    const std::string caption = frameCaption(session_->doc.animation, session_->currentFrame());
    return {QString::fromStdString(editing_->zoomText(caption)),
            QString::fromStdString(editing_->selectionDescription(effectName_)),
            QString::fromStdString(editing_->feedback())};
}

void CanvasView::syncGeometry()
{
    const ViewGeometry& g = editing_->geometry();
    syncing_ = true;
    for (auto [bar, page] : {std::pair{horizontalScrollBar(), g.client.width()},
                             std::pair{verticalScrollBar(), g.client.height()}}) {
        bar->setPageStep(pageStep(page));
        bar->setSingleStep(lineStep(page));
    }
    horizontalScrollBar()->setRange(0, g.maxScroll().x());
    verticalScrollBar()->setRange(0, g.maxScroll().y());
    horizontalScrollBar()->setValue(g.scroll.x());
    verticalScrollBar()->setValue(g.scroll.y());
    syncing_ = false;
    viewport()->update();
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    editing_->setClientSize(viewport()->size());
    syncGeometry();
}

void CanvasView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (shown_ || !session_)
        return;
    shown_ = true;
    editing_->setClientSize(viewport()->size());
    editing_->reset();
    syncGeometry();
}

void CanvasView::scrollContentsBy(int, int)
{
    if (syncing_)
        return;
    editing_->setScroll({horizontalScrollBar()->value(), verticalScrollBar()->value()});
    viewport()->update();
}

void CanvasView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(0xC0, 0xC0, 0xC0));
    if (!session_)
        return;
    const ViewGeometry& g = editing_->geometry();
    const ViewMapping mapping{&painter, g.zoom, g.origin()};
    painter.save();
    painter.translate(-mapping.origin);
    session_->currentFrame().Paint(painter, mapping);
    painter.restore();
    editing_->paintOverlay(painter);
    Q_EMIT painted();
}

PointerEvent CanvasView::pointerOf(const QMouseEvent* event) const
{
    return {event->position().toPoint(), (event->modifiers() & Qt::ShiftModifier) != 0,
            (event->modifiers() & Qt::ControlModifier) != 0};
}

void CanvasView::afterEvent()
{
    const ToolCursor shape = editing_->cursor();
    viewport()->setCursor(cursorFor(shape));
    viewport()->update();
    Q_EMIT statusChanged();
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    if (!session_)
        return;
    const int zoom = editing_->geometry().zoom;
    const QPoint scroll = editing_->geometry().scroll;
    if (event->button() == Qt::LeftButton)
        editing_->press(pointerOf(event));
    else if (event->button() == Qt::RightButton)
        editing_->rightPress(pointerOf(event));
    if (editing_->geometry().zoom != zoom || editing_->geometry().scroll != scroll)
        syncGeometry();
    afterEvent();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    if (!session_)
        return;
    editing_->move(pointerOf(event), (event->buttons() & Qt::LeftButton) != 0);
    afterEvent();
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!session_ || event->button() != Qt::LeftButton)
        return;
    const int zoom = editing_->geometry().zoom;
    const QPoint scroll = editing_->geometry().scroll;
    editing_->release(pointerOf(event));
    if (editing_->geometry().zoom != zoom || editing_->geometry().scroll != scroll) {
        syncGeometry();
        Q_EMIT changed();
    }
    afterEvent();
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!session_ || event->button() != Qt::LeftButton)
        return;
    editing_->doubleClick(pointerOf(event));
    afterEvent();
}

void CanvasView::keyPressEvent(QKeyEvent* event)
{
    if (session_ && editing_->key(event->key())) {
        afterEvent();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CanvasView::enterEvent(QEnterEvent* event)
{
    QAbstractScrollArea::enterEvent(event);
    qApp->installEventFilter(this);
    if (session_) {
        editing_->setCtrlHeld((QGuiApplication::keyboardModifiers() & Qt::ControlModifier) != 0);
        afterEvent();
    }
}

void CanvasView::leaveEvent(QEvent* event)
{
    qApp->removeEventFilter(this);
    QAbstractScrollArea::leaveEvent(event);
}

bool CanvasView::eventFilter(QObject* watched, QEvent* event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (session_ && keyEvent && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control) {
        const bool held = event->type() == QEvent::KeyPress;
        if (held != editing_->ctrlHeld()) {
            editing_->setCtrlHeld(held);
            viewport()->setCursor(cursorFor(editing_->cursor()));
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool CanvasView::isImportable(const QString& path)
{
    static const QStringList kinds{"ico", "gif", "wmf", "emf", "bmp", "dib", "jpg", "jpe", "jpeg"};
    return kinds.contains(QFileInfo(path).suffix().toLower());
}

void CanvasView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CanvasView::dropEvent(QDropEvent* event)
{
    if (!session_)
        return;
    std::vector<std::string> paths;
    QStringList refused;
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && isImportable(path))
            paths.push_back(path.toStdString());
        else
            refused << QFileInfo(path.isEmpty() ? url.toString() : path).fileName();
    }
    event->acceptProposedAction();
    if (!refused.isEmpty())
        QMessageBox::information(this, QString::fromUtf8(kApplicationTitle),
                                 tr("Эти файлы нельзя вставить в кадр:\n%1").arg(refused.join('\n')));
    if (paths.empty())
        return;
    CFrame& frame = session_->currentFrame();
    for (const std::string& path : paths)
        ImportPicture(session_->doc, path, frame, *host_.prompts());
    // The dropped pictures arrive selected on top; the frame's first layer becomes the selection.
    editing_->selectOnly(frame.head.get());
    afterEvent();
}

} // namespace lw
