#include "app/widgets/tool_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lw {

namespace {

// Every drawing gets a white halo under the black strokes so it shows on any colour.
void stroke(QPainter& p, const QPainterPath& path, qreal width = 1.5)
{
    p.strokePath(path, QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath crossHair()
{
    QPainterPath path;
    path.moveTo(16, 2);
    path.lineTo(16, 12);
    path.moveTo(16, 20);
    path.lineTo(16, 30);
    path.moveTo(2, 16);
    path.lineTo(12, 16);
    path.moveTo(20, 16);
    path.lineTo(30, 16);
    return path;
}

QPainterPath magnifier(QChar sign)
{
    QPainterPath path;
    path.addEllipse(QPointF(12, 12), 8, 8);
    path.moveTo(18, 18);
    path.lineTo(28, 28);
    if (sign == '+' || sign == '-') {
        path.moveTo(8, 12);
        path.lineTo(16, 12);
    }
    if (sign == '+') {
        path.moveTo(12, 8);
        path.lineTo(12, 16);
    }
    return path;
}

QCursor draw(ToolCursor shape)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPoint hot(16, 16);
    QPainterPath path;
    switch (shape) {
    case ToolCursor::ZoomIn:
        stroke(p, magnifier('+'));
        hot = {12, 12};
        break;
    case ToolCursor::ZoomOut:
        stroke(p, magnifier('-'));
        hot = {12, 12};
        break;
    case ToolCursor::ZoomLimit:
        stroke(p, magnifier(' '));
        hot = {12, 12};
        break;
    case ToolCursor::Crop:
        path.moveTo(8, 2);
        path.lineTo(8, 24);
        path.lineTo(30, 24);
        path.moveTo(2, 8);
        path.lineTo(24, 8);
        path.lineTo(24, 30);
        stroke(p, path);
        hot = {8, 8};
        break;
    case ToolCursor::Pencil:
        path.moveTo(2, 30);
        path.lineTo(6, 20);
        path.lineTo(24, 2);
        path.lineTo(30, 8);
        path.lineTo(12, 26);
        path.closeSubpath();
        path.moveTo(6, 20);
        path.lineTo(12, 26);
        stroke(p, path);
        hot = {2, 30};
        break;
    case ToolCursor::Picker:
        path.moveTo(2, 30);
        path.lineTo(4, 24);
        path.lineTo(20, 8);
        path.lineTo(24, 12);
        path.lineTo(8, 28);
        path.closeSubpath();
        path.addEllipse(QPointF(25, 7), 4, 4);
        stroke(p, path);
        hot = {2, 30};
        break;
    case ToolCursor::EraserSmall:
    case ToolCursor::EraserLarge: {
        const int half = shape == ToolCursor::EraserLarge ? 8 : 3;
        path.addRect(16 - half, 16 - half, 2 * half + 1, 2 * half + 1);
        stroke(p, path, 1);
        break;
    }
    case ToolCursor::BucketLayer:
    case ToolCursor::BucketFrame:
        path.moveTo(6, 14);
        path.lineTo(16, 4);
        path.lineTo(28, 16);
        path.lineTo(18, 26);
        path.closeSubpath();
        path.moveTo(6, 14);
        path.cubicTo(2, 20, 2, 26, 4, 28);
        if (shape == ToolCursor::BucketFrame)
            path.addRect(20, 26, 10, 4);
        stroke(p, path);
        hot = {4, 28};
        break;
    case ToolCursor::Text:
        path.moveTo(10, 4);
        path.lineTo(22, 4);
        path.moveTo(16, 4);
        path.lineTo(16, 28);
        path.moveTo(10, 28);
        path.lineTo(22, 28);
        stroke(p, path);
        break;
    case ToolCursor::Shape:
        stroke(p, crossHair());
        path.addRect(20, 20, 9, 7);
        stroke(p, path, 1);
        break;
    default:
        break;
    }
    p.end();
    return QCursor(pixmap, hot.x(), hot.y());
}

} // namespace

QCursor cursorFor(ToolCursor shape)
{
    switch (shape) {
    case ToolCursor::Arrow:
        return Qt::ArrowCursor;
    case ToolCursor::Move:
        return Qt::SizeAllCursor;
    case ToolCursor::HandleVertical:
        return Qt::SizeVerCursor;
    case ToolCursor::HandleHorizontal:
        return Qt::SizeHorCursor;
    case ToolCursor::HandleFalling:
        return Qt::SizeFDiagCursor;
    case ToolCursor::HandleRising:
        return Qt::SizeBDiagCursor;
    default:
        break;
    }
    return draw(shape);
}

} // namespace lw
