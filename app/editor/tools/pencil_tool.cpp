// Pencil: freehand lines on a bitmap layer in the foreground colour with the brushes bar's size.
// Ctrl+click or the right button picks a colour instead. Another kind of layer is turned into a
// bitmap first when the user agrees.
#include "app/editor/tools/bitmap_layer_question.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"
#include "model/bitmap_conversion.h"
#include "model/bitmap_painting.h"
#include "model/edit_scope.h"
#include "model/frame.h"

#include <QCoreApplication>
#include <algorithm>

namespace lw {

namespace {

std::string text(const char* source)
{
    return QCoreApplication::translate("CanvasView", source).toStdString();
}

class PencilTool : public Tool {
public:
    void activate(EditingView& view) override { offerBitmapLayer(view); }

    void press(EditingView& view, const PointerEvent& event) override
    {
        if (event.ctrl) {
            pickColour(view, view.pressPoint, false);
            return;
        }
        CLayerObject* layer = view.hover().rectLayer;
        if (!layer) {
            view.host().information(text("\"Карандаш\" работает только на точечных рисунках (bitmap). "
                                         "Выберите участок точечного рисунка, "
                                         "или вставьте в кадр новый слой, после чего выберите команду "
                                         "\"Конвертировать в bitmap\". Для "
                                         "изменения размеров точечного рисунка нужно кликнуть по нужному "
                                         "слою, ухватить за край и удерживая "
                                         "нажатой клавишу мыши \"растянуть/сжать\".  "));
            return;
        }
        if (layer->type != kTypeBitmap &&
            !view.host().askYesNo(
                text("\"Карандаш\" только для точечных рисунков.    Обратить этот слой в bitmap?")))
            return;

        const QPoint p = view.pressPoint;
        const std::uint32_t colour = view.settings().foreground;
        const int brush = std::clamp(view.host().brushSize(), 0, kMaxBrushSize);
        CBitmapObject* bitmap = nullptr;
        if (layer->type == kTypeBitmap) {
            bitmap = static_cast<CBitmapObject*>(layer);
            view.editLayer(*bitmap, [&] { bitmap->StampBrush(p.x(), p.y(), colour, brush); });
        } else {
            // Another kind becomes a bitmap: the frame's deep undo copy keeps the original.
            CFrame& frame = view.frame();
            EditScope edit(view.doc(), &frame, UndoStep::Structural);
            bitmap = ConvertToBitmap(frame, layer);
            if (!bitmap)
                return;
            bitmap->StampBrush(p.x(), p.y(), colour, brush);
            frame.UpdateComposites(bitmap);
            edit.announce(DocumentChange::LayersChanged | DocumentChange::ObjectChanged);
            edit.markModified();
        }
        view.drag = DragState::Pencil;
        view.dragLayer = bitmap;
    }

    void move(EditingView& view, QPoint point, const PointerEvent&) override
    {
        auto* bitmap = static_cast<CBitmapObject*>(view.dragLayer);
        if (!bitmap || bitmapLayerAt(view, point) != bitmap)
            return;
        const QPoint from = view.lastPoint;
        const std::uint32_t colour = view.settings().foreground;
        const int brush = std::clamp(view.host().brushSize(), 0, kMaxBrushSize);
        view.continueEdit(
            *bitmap, [&] { bitmap->BrushLine(from.x(), from.y(), point.x(), point.y(), colour, brush); });
    }

    void rightPress(EditingView& view, const PointerEvent& event) override
    {
        pickColour(view, view.workspaceOf(event.window), false);
    }

    ToolCursor cursor(const EditingView&) const override { return ToolCursor::Pencil; }
};

} // namespace

std::unique_ptr<Tool> makePencilTool()
{
    return std::make_unique<PencilTool>();
}

} // namespace lw
