#include "app/editor/tools/tool.h"

#include "app/editor/status_texts.h"
#include "app/editor/tools/tool_list.h"
#include "model/frame.h"

#include <QPainter>

namespace lw {

std::unique_ptr<Tool> makeTool(int id)
{
    switch (id) {
    case cmd::ToolZoom:
        return makeZoomTool();
    case cmd::ToolNewBitmap:
        return makeNewBitmapTool();
    case cmd::ToolGradient:
        return makeGradientTool();
    case cmd::ToolCrop:
        return makeCropTool();
    case cmd::ToolRectangle:
        return makeRectangleTool();
    case cmd::ToolEllipse:
        return makeEllipseTool();
    case cmd::ToolLine:
        return makeLineTool();
    case cmd::ToolPencil:
        return makePencilTool();
    case cmd::ToolText:
        return makeTextTool();
    case cmd::ToolPicker:
        return makePickerTool();
    case cmd::ToolEraser:
        return makeEraserTool();
    case cmd::ToolBucket:
        return makeBucketTool();
    default:
        return makeSelectTool();
    }
}

namespace {

// Inverting dotted pen: drawing the same outline twice removes it, and it shows on any colour.
void prepareInverting(QPainter& painter)
{
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void paintBand(const EditingView& view, QPainter& painter, const LayerRect& band, bool ellipse)
{
    painter.save();
    prepareInverting(painter);
    const QPoint a = view.geometry().toWindow({band.left, band.top});
    const QPoint b = view.geometry().toWindow({band.right, band.bottom});
    const QRect r(a, b - QPoint(1, 1));
    if (ellipse)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
    painter.restore();
}

void paintRubberLine(const EditingView& view, QPainter& painter, QPoint from, QPoint to)
{
    painter.save();
    prepareInverting(painter);
    const int half = view.geometry().zoom / 2;
    painter.drawLine(view.geometry().toWindow(from) + QPoint(half, half),
                     view.geometry().toWindow(to) + QPoint(half, half));
    painter.restore();
}

void pickColour(EditingView& view, QPoint point, bool background)
{
    const std::uint32_t colour = view.frame().ColourAt(point.x(), point.y());
    (background ? view.settings().background : view.settings().foreground) = colour;
    view.setFeedback(pickerFeedback(colour));
}

} // namespace lw
