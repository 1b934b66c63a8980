#include "app/widgets/tool_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <initializer_list>
#include <sstream>

namespace lw {

namespace {

// A drawn cursor: its strokes as small path texts (M x,y move, L x,y line, Z close,
// C x1,y1,x2,y2,x,y curve, E cx,cy,rx,ry ellipse, R x,y,w,h rectangle): a shared part and the
// cursor's own part drawn 1.5 pixels wide as one path, then the 1-pixel part; and its hot spot.
struct Drawing {
    ToolCursor shape;
    const char* shared;
    const char* own;
    const char* thin;
    QPoint hot;
};

constexpr const char* kMagnifier = "E12,12,8,8 M18,18 L28,28";
constexpr const char* kBucket = "M6,14 L16,4 L28,16 L18,26 Z M6,14 C2,20,2,26,4,28";

constexpr std::array kDrawings{
    Drawing{ToolCursor::ZoomIn, kMagnifier, "M8,12 L16,12 M12,8 L12,16", "", {12, 12}},
    Drawing{ToolCursor::ZoomOut, kMagnifier, "M8,12 L16,12", "", {12, 12}},
    Drawing{ToolCursor::ZoomLimit, kMagnifier, "", "", {12, 12}},
    Drawing{ToolCursor::Crop, "", "M8,2 L8,24 L30,24 M2,8 L24,8 L24,30", "", {8, 8}},
    Drawing{ToolCursor::Pencil, "", "M2,30 L6,20 L24,2 L30,8 L12,26 Z M6,20 L12,26", "", {2, 30}},
    Drawing{ToolCursor::Picker, "", "M2,30 L4,24 L20,8 L24,12 L8,28 Z E25,7,4,4", "", {2, 30}},
    // The eraser squares: half sizes 3 and 8 round the hot spot.
    Drawing{ToolCursor::EraserSmall, "", "", "R13,13,7,7", {16, 16}},
    Drawing{ToolCursor::EraserLarge, "", "", "R8,8,17,17", {16, 16}},
    Drawing{ToolCursor::BucketLayer, kBucket, "", "", {4, 28}},
    Drawing{ToolCursor::BucketFrame, kBucket, "R20,26,10,4", "", {4, 28}},
    Drawing{ToolCursor::Text, "", "M10,4 L22,4 M16,4 L16,28 M10,28 L22,28", "", {16, 16}},
    Drawing{ToolCursor::Shape,
            "",
            "M16,2 L16,12 M16,20 L16,30 M2,16 L12,16 M20,16 L30,16",
            "R20,20,9,7",
            {16, 16}},
};

void addTo(QPainterPath& path, const char* text)
{
    std::istringstream in(text);
    char op = 0;
    while (in >> op) {
        std::array<double, 6> v{};
        const int count = op == 'Z' ? 0 : op == 'C' ? 6 : op == 'E' || op == 'R' ? 4 : 2;
        for (int i = 0; i < count; ++i) {
            in >> v[static_cast<std::size_t>(i)];
            if (i + 1 < count)
                in.ignore(1); // the comma
        }
        switch (op) {
        case 'M':
            path.moveTo(v[0], v[1]);
            break;
        case 'L':
            path.lineTo(v[0], v[1]);
            break;
        case 'Z':
            path.closeSubpath();
            break;
        case 'C':
            path.cubicTo(v[0], v[1], v[2], v[3], v[4], v[5]);
            break;
        case 'E':
            path.addEllipse(QPointF(v[0], v[1]), v[2], v[3]);
            break;
        case 'R':
            path.addRect(v[0], v[1], v[2], v[3]);
            break;
        default:
            break;
        }
    }
}

// Every drawing gets a white halo under the black strokes so it shows on any colour.
void stroke(QPainter& p, std::initializer_list<const char*> texts, qreal width)
{
    QPainterPath path;
    for (const char* text : texts)
        addTo(path, text);
    if (path.isEmpty())
        return;
    p.strokePath(path, QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QCursor draw(const Drawing& drawing)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    stroke(p, {drawing.shared, drawing.own}, 1.5);
    stroke(p, {drawing.thin}, 1);
    p.end();
    return QCursor(pixmap, drawing.hot.x(), drawing.hot.y());
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
    for (const Drawing& drawing : kDrawings)
        if (drawing.shape == shape)
            return draw(drawing);
    return Qt::ArrowCursor;
}

} // namespace lw
