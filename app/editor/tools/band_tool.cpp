#include "app/editor/tools/band_tool.h"

#include "app/editor/status_texts.h"

#include <cstdlib>

namespace lw {

LayerRect shapeBand(QPoint press, QPoint cursor, bool square)
{
    if (square) {
        const int dx = cursor.x() - press.x();
        const int dy = cursor.y() - press.y();
        const int side = std::max(std::abs(dx), std::abs(dy));
        cursor = press + QPoint(dx < 0 ? -side : side, dy < 0 ? -side : side);
    }
    return normalisedBand(press, cursor);
}

void BandTool::press(EditingView& view, const PointerEvent&)
{
    view.drag = DragState::Shape;
    view.work = normalisedBand(view.pressPoint, view.pressPoint);
}

void BandTool::move(EditingView& view, QPoint point, const PointerEvent& event)
{
    view.work = shapeBand(view.pressPoint, point, event.shift);
    view.setFeedback(sizeFeedback(rectWidth(view.work), rectHeight(view.work)));
}

void BandTool::release(EditingView& view, QPoint point, const PointerEvent& event)
{
    const LayerRect band = shapeBand(view.pressPoint, point, event.shift);
    if (rectIsEmpty(band))
        return;
    view.addLayer(createLayer(view, band));
}

void BandTool::paintOverlay(const EditingView& view, QPainter& painter) const
{
    paintBand(view, painter, view.work, outlineIsEllipse());
}

} // namespace lw
