// Line: from the press to the release point on a bitmap layer, in the foreground colour with
// the brushes bar's size; the end stays on the layer.
#include "app/editor/tools/bitmap_layer_question.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"
#include "model/bitmap_object.h"
#include "model/bitmap_painting.h"

#include <QCoreApplication>
#include <algorithm>

namespace lw {

namespace {

QPoint clampToLayer(const CLayerObject& layer, QPoint p)
{
    return {std::clamp(p.x(), layer.rect.left, layer.rect.right - 1),
            std::clamp(p.y(), layer.rect.top, layer.rect.bottom - 1)};
}

class LineTool : public Tool {
public:
    void activate(EditingView& view) override { offerBitmapLayer(view); }

    void press(EditingView& view, const PointerEvent&) override
    {
        CLayerObject* layer = bitmapLayerAt(view, view.pressPoint);
        if (!layer) {
            view.host().information(
                QCoreApplication::translate("CanvasView",
                                            "\"Линия\" рисуется только на точечных рисунках (bitmap). "
                                            "Начните линию на точечном рисунке.")
                    .toStdString());
            return;
        }
        view.drag = DragState::Line;
        view.dragLayer = layer;
        view.dragEnd = view.pressPoint;
    }

    void move(EditingView& view, QPoint point, const PointerEvent&) override
    {
        view.dragEnd = clampToLayer(*view.dragLayer, point);
    }

    void release(EditingView& view, QPoint point, const PointerEvent&) override
    {
        auto& layer = static_cast<CBitmapObject&>(*view.dragLayer);
        const QPoint end = clampToLayer(layer, point);
        const QPoint start = view.pressPoint;
        const std::uint32_t colour = view.settings().foreground;
        const int brush = std::clamp(view.host().brushSize(), 0, kMaxBrushSize);
        view.editLayer(layer,
                       [&] { layer.BrushLine(start.x(), start.y(), end.x(), end.y(), colour, brush); });
    }

    void paintOverlay(const EditingView& view, QPainter& painter) const override
    {
        paintRubberLine(view, painter, view.pressPoint, view.dragEnd);
    }

    ToolCursor cursor(const EditingView&) const override { return ToolCursor::Pencil; }
};

} // namespace

std::unique_ptr<Tool> makeLineTool()
{
    return std::make_unique<LineTool>();
}

} // namespace lw
