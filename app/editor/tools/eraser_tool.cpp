// Eraser: squares of full transparency along the drag on a bitmap layer; Shift flood-fills the
// layer from the point with transparency instead.
#include "app/editor/eraser.h"
#include "app/editor/tools/bitmap_layer_question.h"
#include "app/editor/tools/tool_list.h"
#include "model/bitmap_object.h"

namespace lw {

namespace {

class EraserTool : public Tool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

    void press(EditingView& view, const PointerEvent& event) override
    {
        auto* bitmap = static_cast<CBitmapObject*>(bitmapLayerAt(view, view.pressPoint));
        if (!bitmap)
            return;
        const QPoint p = view.pressPoint;
        const std::uint32_t background = view.settings().background;
        if (event.shift) {
            view.editLayer(*bitmap, [&] { bitmap->FillAt(p.x(), p.y(), erasedColour(background)); });
            return;
        }
        const int half = eraserHalfSize(view.geometry().zoom, event.ctrl);
        view.editLayer(*bitmap, [&] { eraseSquare(*bitmap, p.x(), p.y(), half, background); });
        view.drag = DragState::Erase;
        view.dragLayer = bitmap;
    }

    void move(EditingView& view, QPoint point, const PointerEvent& event) override
    {
        auto* bitmap = static_cast<CBitmapObject*>(view.dragLayer);
        const int half = eraserHalfSize(view.geometry().zoom, event.ctrl);
        const QPoint from = view.lastPoint;
        const std::uint32_t background = view.settings().background;
        view.continueEdit(*bitmap, [&] {
            eraseAlong(*bitmap, from.x(), from.y(), point.x(), point.y(), half, background);
        });
    }

    // The large square with Ctrl, also while only hovering.
    ToolCursor cursor(const EditingView& view) const override
    {
        return view.ctrlHeld() ? ToolCursor::EraserLarge : ToolCursor::EraserSmall;
    }
};

} // namespace

std::unique_ptr<Tool> makeEraserTool()
{
    return std::make_unique<EraserTool>();
}

} // namespace lw
