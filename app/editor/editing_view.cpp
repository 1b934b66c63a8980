#include "app/editor/editing_view.h"

#include "app/editor/colour_rules.h"
#include "app/editor/tools/tool.h"
#include "app/editor/tools/tool_host.h"
#include "model/edit_scope.h"
#include "model/frame.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lw {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CanvasView", text);
}

} // namespace

ToolCursor handleCursor(int handle)
{
    switch (handle) {
    case 1:
    case 5:
        return ToolCursor::HandleFalling;
    case 3:
    case 7:
        return ToolCursor::HandleRising;
    case 2:
    case 6:
        return ToolCursor::HandleVertical;
    case 4:
    case 8:
        return ToolCursor::HandleHorizontal;
    default:
        return ToolCursor::Arrow;
    }
}

EditingView::EditingView(DocumentSession& session, ToolHost& host)
    : session_(session), host_(host), tool_(makeTool(session.view.tool))
{
    geometry_.zoom = clampZoom(session.view.zoom);
}

EditingView::~EditingView() = default;

void EditingView::setClientSize(QSize size)
{
    geometry_.client = size;
    setScroll(geometry_.scroll);
}

void EditingView::setScroll(QPoint scroll)
{
    const QPoint most = geometry_.maxScroll();
    geometry_.scroll = {std::clamp(scroll.x(), 0, most.x()), std::clamp(scroll.y(), 0, most.y())};
}

void EditingView::reset()
{
    session_.goToFirstNormalFrame();
    drag = DragState::None;
    settings().zoom = geometry_.zoom = 1;
    geometry_.scroll = geometry_.scrollCentredOn({kWorkspaceSize / 2, kWorkspaceSize / 2});
}

void EditingView::setTool(int id)
{
    settings().tool = id;
    tool_ = makeTool(id);
    drag = DragState::None;
    feedback_.clear();
    tool_->activate(*this);
}

// --- events ---

void EditingView::press(const PointerEvent& event)
{
    buttonDown_ = true;
    ctrlHeld_ = event.ctrl;
    pressWindow = event.window;
    pressPoint = lastPoint = clampToWorkspace(workspaceOf(event.window));
    // The press acts on what the hover step last saw under the cursor.
    updateHover(event.window);
    tool_->press(*this, event);
    if (nextTool != 0) {
        buttonDown_ = false;
        const int id = std::exchange(nextTool, 0);
        setTool(id);
    }
}

void EditingView::move(const PointerEvent& event, bool buttonHeld)
{
    ctrlHeld_ = event.ctrl;
    if (!buttonHeld || !buttonDown_) {
        updateHover(event.window);
        return;
    }
    const QPoint point = clampToWorkspace(workspaceOf(event.window));
    if (drag != DragState::None)
        tool_->move(*this, point, event);
    lastPoint = point;
}

void EditingView::release(const PointerEvent& event)
{
    if (!buttonDown_)
        return;
    buttonDown_ = false;
    ctrlHeld_ = event.ctrl;
    const QPoint point = clampToWorkspace(workspaceOf(event.window));
    if (drag != DragState::None)
        tool_->release(*this, point, event);
    drag = DragState::None;
    dragLayer = nullptr;
    moveStarted = false;
    updateHover(event.window);
}

void EditingView::rightPress(const PointerEvent& event)
{
    updateHover(event.window);
    tool_->rightPress(*this, event);
}

void EditingView::doubleClick(const PointerEvent& event)
{
    updateHover(event.window);
    tool_->doubleClick(*this, event);
}

bool EditingView::key(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return moveSelection(-1, 0), true;
    case Qt::Key_Right:
        return moveSelection(1, 0), true;
    case Qt::Key_Up:
        return moveSelection(0, -1), true;
    case Qt::Key_Down:
        return moveSelection(0, 1), true;
    default:
        return false;
    }
}

void EditingView::updateHover(QPoint window)
{
    feedback_.clear();
    hover_ = {};
    const QPoint point = workspaceOf(window);
    const ViewState state{point, window + geometry_.origin(), static_cast<ViewTool>(settings().tool),
                          geometry_.zoom};
    CFrame& f = frame();
    for (CLayerObject* o = f.head.get(); o; o = o->next.get())
        if (o->selected) {
            if (const int handle = o->HitHandle(state)) {
                hover_.handleLayer = o;
                hover_.handle = handle;
                break;
            }
        }
    if (!hover_.handleLayer) {
        // Topmost first: what the user sees is what the click takes.
        for (CLayerObject* o = f.tail; o; o = o->prev) {
            if (!hover_.rectLayer && rectContains(o->rect, point.x(), point.y()))
                hover_.rectLayer = o;
            if (o->HitTest(state)) {
                hover_.hitLayer = o;
                break;
            }
        }
        if (!hover_.hitLayer) {
            const LayerRect canvas = f.canvasRectOrEmpty();
            hover_.inFrame = rectContains(canvas, point.x(), point.y());
            hover_.onBorder =
                hover_.inFrame && !rectContains(inflateRect(canvas, -f.borderWidth), point.x(), point.y());
        }
    }
    tool_->hovered(*this, point);
}

void EditingView::paintOverlay(QPainter& painter) const
{
    if (drag != DragState::None)
        tool_->paintOverlay(*this, painter);
}

ToolCursor EditingView::cursor() const
{
    return tool_->cursor(*this);
}

// --- status ---

std::string EditingView::zoomText(const std::string& frameCaption) const
{
    return zoomPaneText(geometry_.zoom, frameCaption);
}

std::string EditingView::selectionDescription(const EffectNamer& effectName) const
{
    return selectionText(frame(), doc().animation, effectName);
}

// --- zoom ---

void EditingView::setZoom(int zoom, QPoint centre)
{
    geometry_.zoom = settings().zoom = clampZoom(zoom);
    geometry_.scroll = geometry_.scrollCentredOn(centre);
}

void EditingView::zoomToRect(const LayerRect& rect)
{
    setZoom(zoomToFit(geometry_.client, rect), {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void EditingView::zoomIn()
{
    setZoom(geometry_.zoom * 2, geometry_.centre());
}

void EditingView::zoomOut()
{
    if (geometry_.zoom > 1)
        setZoom(geometry_.zoom / 2, geometry_.centre());
}

void EditingView::zoomOne()
{
    const LayerRect canvas = frame().canvasRectOrEmpty();
    setZoom(1, {(canvas.left + canvas.right) / 2, (canvas.top + canvas.bottom) / 2});
}

// --- colours ---

void EditingView::chooseForeground()
{
    const CFrame& f = frame();
    const std::uint16_t only = f.CountSelected() == 1 ? f.NthSelected(0)->type : 0;
    const QString caption = only == kTypeText        ? tr("  Цвет текста    ")
                            : only == kTypeRectangle ? tr("  Цвет линий     ")
                                                     : tr(" Выбор текущего цвета  ");
    if (const auto colour = host_.askColour(caption.toStdString(), settings().foreground))
        applyForegroundColour(session_, *colour);
}

void EditingView::chooseBackground()
{
    const CFrame& f = frame();
    const bool oneRect = f.CountSelected() == 1 && f.NthSelected(0)->type == kTypeRectangle;
    const QString caption = oneRect ? tr(" Цвет заливки    ") : tr(" Выбор цвета фона      ");
    if (const auto colour = host_.askColour(caption.toStdString(), settings().background))
        applyBackgroundColour(session_, *colour);
}

// --- edits ---

bool EditingView::moveSelection(int dx, int dy)
{
    CFrame& f = frame();
    const int count = f.CountSelected();
    if (count == 0)
        return false;
    EditScope edit(doc(), &f, UndoStep::Objects);
    for (int i = 0; i < count; ++i)
        edit.beginObjectEdit(*f.NthSelected(i));
    f.MoveSelected(dx, dy);
    edit.announce(DocumentChange::ObjectChanged);
    edit.markModified();
    return true;
}

void EditingView::editLayer(CLayerObject& layer, const std::function<void()>& change)
{
    EditScope edit(doc(), &frame(), UndoStep::Objects);
    edit.beginObjectEdit(layer);
    change();
    frame().UpdateComposites(&layer);
    edit.announce(DocumentChange::ObjectChanged);
    edit.markModified();
}

void EditingView::continueEdit(CLayerObject& layer, const std::function<void()>& change)
{
    EditScope edit(doc(), &frame(), UndoStep::Keep);
    edit.beginObjectEdit(layer);
    change();
    frame().UpdateComposites(&layer);
    edit.announce(DocumentChange::ObjectChanged);
    edit.markModified();
}

CLayerObject* EditingView::addLayer(std::unique_ptr<CLayerObject> layer)
{
    EditScope edit(doc(), &frame(), UndoStep::Structural);
    frame().SelectNone();
    layer->selected = 1;
    CLayerObject* added = frame().AppendObject(std::move(layer));
    edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
    edit.markModified();
    return added;
}

void EditingView::deselectAll()
{
    if (frame().CountSelected() == 0)
        return;
    EditScope edit(doc(), &frame(), UndoStep::Keep);
    frame().SelectNone();
    edit.announce(DocumentChange::SelectionChanged);
}

void EditingView::selectOnly(CLayerObject* layer)
{
    EditScope edit(doc(), &frame(), UndoStep::Keep);
    frame().SelectNone();
    if (layer)
        layer->selected = 1;
    edit.announce(DocumentChange::SelectionChanged);
}

void EditingView::toggleSelected(CLayerObject& layer)
{
    EditScope edit(doc(), &frame(), UndoStep::Keep);
    layer.selected = !layer.selected;
    edit.announce(DocumentChange::SelectionChanged);
}

void EditingView::setFrameColours(std::uint32_t background, std::uint32_t border)
{
    CFrame& f = frame();
    if (f.backgroundColour == background && f.borderColour == border)
        return;
    EditScope edit(doc(), &f, UndoStep::CommitOnly);
    f.backgroundColour = background;
    f.borderColour = border;
    f.UpdateAllComposites();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
}

ContextPopupKind EditingView::popupAt(QPoint window) const
{
    const QPoint point = workspaceOf(window);
    const ViewState state{point, window + geometry_.origin(), static_cast<ViewTool>(settings().tool),
                          geometry_.zoom};
    bool onLayer = false;
    for (const CLayerObject* o = frame().tail; o && !onLayer; o = o->prev)
        onLayer = o->HitTest(state) || (o->selected && o->HitHandle(state));
    const int count = frame().CountSelected();
    if (!onLayer || count == 0)
        return ContextPopupKind::Frame;
    if (count > 1)
        return ContextPopupKind::Several;
    switch (frame().NthSelected(0)->type) {
    case kTypeBitmap:
        return ContextPopupKind::Bitmap;
    case kTypeRectangle:
        return ContextPopupKind::Rectangle;
    case kTypeText:
        return ContextPopupKind::Text;
    case kTypeEllipse:
        return ContextPopupKind::Ellipse;
    default:
        return ContextPopupKind::Frame;
    }
}

} // namespace lw
