// Bitmap crop: a handle of a bitmap layer drags an edge or corner inward; the layer is cropped
// on release. Elsewhere on a bitmap the click selects it.
#include "app/editor/handle_drag.h"
#include "app/editor/status_texts.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"
#include "model/layer_object.h"

#include <QCoreApplication>

namespace lw {

namespace {

class CropTool : public Tool {
public:
    void press(EditingView& view, const PointerEvent&) override
    {
        const Hover& hover = view.hover();
        if (hover.handleLayer && hover.handleLayer->type == kTypeBitmap) {
            view.drag = DragState::Crop;
            view.dragLayer = hover.handleLayer;
            view.dragHandle = hover.handle;
            view.limit = view.work = hover.handleLayer->rect;
            return;
        }
        if (hover.hitLayer && hover.hitLayer->type == kTypeBitmap) {
            view.selectOnly(hover.hitLayer);
            return;
        }
        view.deselectAll();
        view.host().information(
            QCoreApplication::translate("CanvasView",
                                        "\"Обрезка\" работает только на точечных рисунках (bitmap). "
                                        "Выберите точечный рисунок и потяните за его край.")
                .toStdString());
    }

    void move(EditingView& view, QPoint point, const PointerEvent&) override
    {
        view.work = croppedByHandle(view.limit, view.dragHandle, point);
        view.setFeedback(sizeFeedback(rectWidth(view.work), rectHeight(view.work)));
    }

    void release(EditingView& view, QPoint point, const PointerEvent&) override
    {
        const LayerRect r = croppedByHandle(view.limit, view.dragHandle, point);
        if (!view.dragLayer || r == view.limit)
            return;
        CLayerObject& layer = *view.dragLayer;
        const std::uint32_t fill = view.settings().background;
        view.editLayer(layer, [&] { layer.SetRect(r, fill); });
    }

    void paintOverlay(const EditingView& view, QPainter& painter) const override
    {
        paintBand(view, painter, view.work);
    }

    ToolCursor cursor(const EditingView& view) const override
    {
        if (view.drag == DragState::Crop || view.hover().handleLayer)
            return ToolCursor::Crop;
        return ToolCursor::Arrow;
    }
};

} // namespace

std::unique_ptr<Tool> makeCropTool()
{
    return std::make_unique<CropTool>();
}

} // namespace lw
