#include "app/editor/tools/bitmap_layer_question.h"

#include "app/editor/tools/tool_host.h"
#include "model/frame.h"

#include <QCoreApplication>

namespace lw {

void offerBitmapLayer(EditingView& view)
{
    view.deselectAll();
    for (const CLayerObject* o = view.frame().head.get(); o; o = o->next.get())
        if (o->type == kTypeBitmap)
            return;
    if (view.host().askYesNo(
            QCoreApplication::translate("CanvasView", "Добавить слой к рисунку?").toStdString()))
        view.host().runCommand(cmd::AddLayer);
}

CLayerObject* bitmapLayerAt(const EditingView& view, QPoint point)
{
    for (CLayerObject* o = view.frame().tail; o; o = o->prev)
        if (rectContains(o->rect, point.x(), point.y()))
            return o->type == kTypeBitmap ? o : nullptr;
    return nullptr;
}

} // namespace lw
