// Zoom: a click doubles the zoom at the point, a band zooms to fit it, Ctrl halves, Shift goes
// back to 1:1, the right button zooms out.
#include "app/editor/tools/tool_list.h"

namespace lw {

namespace {

// A band narrower or lower than this (workspace pixels) counts as a click.
constexpr int kSmallestBand = 5;

class ZoomTool : public Tool {
public:
    void press(EditingView& view, const PointerEvent& event) override
    {
        if (event.shift)
            view.drag = DragState::ZoomReset;
        else if (event.ctrl)
            view.drag = DragState::ZoomOut;
        else if (view.geometry().zoom >= kMaxZoom)
            view.drag = DragState::ZoomNone;
        else {
            view.drag = DragState::ZoomBand;
            view.work = normalisedBand(view.pressPoint, view.pressPoint);
        }
    }

    void move(EditingView& view, QPoint point, const PointerEvent&) override
    {
        if (view.drag == DragState::ZoomBand)
            view.work = normalisedBand(view.pressPoint, point);
    }

    void release(EditingView& view, QPoint point, const PointerEvent&) override
    {
        switch (view.drag) {
        case DragState::ZoomReset:
            view.zoomOne();
            break;
        case DragState::ZoomOut:
            if (view.geometry().zoom > 1)
                view.setZoom(view.geometry().zoom / 2, point);
            break;
        case DragState::ZoomBand: {
            const LayerRect band = normalisedBand(view.pressPoint, point);
            if (rectWidth(band) < kSmallestBand || rectHeight(band) < kSmallestBand)
                view.setZoom(view.geometry().zoom * 2, point);
            else
                view.zoomToRect(band);
            break;
        }
        default:
            break;
        }
    }

    void rightPress(EditingView& view, const PointerEvent&) override { view.zoomOut(); }

    void paintOverlay(const EditingView& view, QPainter& painter) const override
    {
        if (view.drag == DragState::ZoomBand)
            paintBand(view, painter, view.work);
    }

    ToolCursor cursor(const EditingView& view) const override
    {
        if (view.drag == DragState::ZoomOut)
            return ToolCursor::ZoomOut;
        return view.geometry().zoom >= kMaxZoom ? ToolCursor::ZoomLimit : ToolCursor::ZoomIn;
    }
};

} // namespace

std::unique_ptr<Tool> makeZoomTool()
{
    return std::make_unique<ZoomTool>();
}

} // namespace lw
