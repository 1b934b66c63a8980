// Select/resize: click selects, Shift toggles, handles resize (corners keep the ratio), a drag
// past four window pixels moves the selection, a band on empty space selects what lies inside.
#include "app/editor/handle_drag.h"
#include "app/editor/status_texts.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"
#include "model/edit_scope.h"
#include "model/frame.h"

#include <cstdlib>

namespace lw {

namespace {

// Window pixels the cursor must leave the press by before a move starts.
constexpr int kMoveThreshold = 4;

class SelectTool : public Tool {
public:
    void press(EditingView& view, const PointerEvent& event) override
    {
        const Hover& hover = view.hover();
        CLayerObject* hit = hover.hitLayer;
        if (event.shift && (hit || hover.handleLayer)) {
            view.toggleSelected(hit ? *hit : *hover.handleLayer);
            return;
        }
        if (hover.handleLayer) {
            view.drag = DragState::Resize;
            view.dragLayer = hover.handleLayer;
            view.dragHandle = hover.handle;
            view.limit = view.work = hover.handleLayer->rect;
            const int h = hover.handleLayer->height();
            view.aspect = h > 0 ? static_cast<double>(hover.handleLayer->width()) / h : 1.0;
            return;
        }
        if (hit) {
            if (!hit->selected)
                view.selectOnly(hit);
            view.drag = DragState::Move;
            view.moveStarted = false;
            return;
        }
        view.deselectAll();
        view.drag = DragState::Band;
        view.work = normalisedBand(view.pressPoint, view.pressPoint);
    }

    void move(EditingView& view, QPoint point, const PointerEvent& event) override
    {
        switch (view.drag) {
        case DragState::Resize: {
            view.work = resizedByHandle(view.limit, view.dragHandle, point, view.aspect);
            const LayerRect r = normalisedRect(view.work);
            view.setFeedback(sizeFeedback(rectWidth(r), rectHeight(r)));
            break;
        }
        case DragState::Move:
            moveSelection(view, point, event);
            break;
        case DragState::Band:
            view.work = normalisedBand(view.pressPoint, point);
            view.setFeedback(sizeFeedback(rectWidth(view.work), rectHeight(view.work)));
            break;
        default:
            break;
        }
    }

    void release(EditingView& view, QPoint point, const PointerEvent&) override
    {
        if (view.drag == DragState::Resize && point != view.pressPoint && view.dragLayer) {
            const LayerRect r = normalisedRect(view.work);
            if (!rectIsEmpty(r) && !(r == view.limit)) {
                CLayerObject& layer = *view.dragLayer;
                view.editLayer(layer, [&] { layer.Resize(r); });
            }
        } else if (view.drag == DragState::Band) {
            selectInside(view, view.work);
        } else if (view.drag == DragState::Move && view.moveStarted) {
            view.frame().Render();
        }
    }

    void doubleClick(EditingView& view, const PointerEvent&) override
    {
        const CLayerObject* hit = view.hover().hitLayer;
        if (!hit || view.frame().CountSelected() != 1)
            return;
        switch (hit->type) {
        case kTypeText:
            view.host().runCommand(cmd::EditText);
            break;
        case kTypeRectangle:
        case kTypeEllipse:
            view.host().runCommand(cmd::ShapeStyle);
            break;
        case kTypeBitmap:
            view.host().runCommand(cmd::ImageSize);
            break;
        default:
            break;
        }
    }

    void rightPress(EditingView& view, const PointerEvent& event) override
    {
        view.host().openContextMenu(view.popupAt(event.window), event.window);
    }

    void paintOverlay(const EditingView& view, QPainter& painter) const override
    {
        if (view.drag == DragState::Band || view.drag == DragState::Resize)
            paintBand(view, painter, normalisedRect(view.work));
    }

    ToolCursor cursor(const EditingView& view) const override
    {
        if (view.drag == DragState::Resize)
            return handleCursor(view.dragHandle);
        if (view.drag == DragState::Move)
            return ToolCursor::Move;
        if (view.hover().handleLayer)
            return handleCursor(view.hover().handle);
        return view.hover().hitLayer ? ToolCursor::Move : ToolCursor::Arrow;
    }

private:
    static void moveSelection(EditingView& view, QPoint point, const PointerEvent& event)
    {
        CFrame& frame = view.frame();
        if (!view.moveStarted) {
            const QPoint d = event.window - view.pressWindow;
            if (std::abs(d.x()) <= kMoveThreshold && std::abs(d.y()) <= kMoveThreshold)
                return;
            view.moveStarted = true;
            // One undo step for the whole move: every selected layer remembers its place.
            EditScope edit(view.doc(), &frame, UndoStep::Objects);
            for (int i = 0; i < frame.CountSelected(); ++i)
                edit.beginObjectEdit(*frame.NthSelected(i));
            frame.MoveSelected(point.x() - view.pressPoint.x(), point.y() - view.pressPoint.y());
            edit.announce(DocumentChange::ObjectChanged);
            edit.markModified();
        } else {
            EditScope edit(view.doc(), &frame, UndoStep::Keep);
            frame.MoveSelected(point.x() - view.lastPoint.x(), point.y() - view.lastPoint.y());
            edit.announce(DocumentChange::ObjectChanged);
        }
        view.setFeedback(moveFeedback(point.x() - view.pressPoint.x(), point.y() - view.pressPoint.y()));
    }

    static void selectInside(EditingView& view, const LayerRect& band)
    {
        EditScope edit(view.doc(), &view.frame(), UndoStep::Keep);
        for (CLayerObject* o = view.frame().head.get(); o; o = o->next.get())
            o->selected = o->rect.left >= band.left && o->rect.top >= band.top &&
                          o->rect.right <= band.right && o->rect.bottom <= band.bottom;
        edit.announce(DocumentChange::SelectionChanged);
    }
};

} // namespace

std::unique_ptr<Tool> makeSelectTool()
{
    return std::make_unique<SelectTool>();
}

} // namespace lw
