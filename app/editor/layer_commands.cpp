#include "app/editor/layer_commands.h"

#include "app/editor/colour_rules.h"
#include "app/editor/document_room.h"
#include "app/editor/document_session.h"
#include "model/bitmap_conversion.h"
#include "model/bitmap_from_picture.h"
#include "model/clone_frames.h"
#include "model/document_limits.h"
#include "model/edit_scope.h"
#include "model/frame_list.h"
#include "model/layer_sizing.h"
#include "platform/settings.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

namespace {

// Runs a change of the current frame's layers as one structural undo step; the change answers
// whether it did anything, and only then is the document marked modified.
template <class Change> void structuralEdit(EditingContext& context, Change change)
{
    CFrame& frame = context.session.currentFrame();
    EditScope edit(context.session.doc, &frame, UndoStep::Structural);
    if (!change(frame))
        return;
    edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
    edit.markModified();
}

bool anySelected(const CFrame& frame)
{
    return frame.CountSelected() > 0;
}

} // namespace

void deleteSelectedLayers(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) {
        if (!anySelected(frame))
            return false;
        frame.DeleteSelected();
        frame.SelectNone();
        frame.UpdateAllComposites();
        return true;
    });
}

void selectAllLayers(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    EditScope edit(context.session.doc, &frame);
    frame.SelectAll();
    edit.announce(DocumentChange::SelectionChanged);
}

void bringSelectedToFront(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) {
        if (!anySelected(frame))
            return false;
        frame.BringSelectedToFront();
        return true;
    });
}

void sendSelectedToBack(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) {
        if (!anySelected(frame))
            return false;
        frame.SendSelectedToBack();
        return true;
    });
}

void convertSelectedToBitmap(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) {
        if (frame.CountSelected() != 1)
            return false;
        CLayerObject* object = frame.NthSelected(0);
        if (object->type != kTypeText && object->type != kTypeRectangle && object->type != kTypeEllipse)
            return false;
        CBitmapObject* bitmap = ConvertToBitmap(frame, object);
        if (!bitmap)
            return false;
        bitmap->selected = 1;
        return true;
    });
}

void combineSelected(EditingContext& context)
{
    // The merged bitmap spans the union of the selection, which may be far more than its layers.
    const CFrame& current = context.session.currentFrame();
    std::int64_t replaced = 0;
    for (const CLayerObject* o = current.head.get(); o; o = o->next.get())
        if (o->selected)
            replaced += ObjectPixels(o->rect);
    if (current.CountSelected() >= 2 && !haveRoomFor(context, ObjectPixels(current.Bounds(true)) - replaced))
        return;
    structuralEdit(context, [](CFrame& frame) {
        if (frame.CountSelected() < 2)
            return false;
        CBitmapObject* merged = MergeSelected(frame);
        if (!merged)
            return false;
        merged->selected = 0;
        frame.DeleteSelected();
        merged->selected = 1;
        frame.UpdateAllComposites();
        return true;
    });
}

void centreSelectedOnPage(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) {
        if (!anySelected(frame))
            return false;
        CentreSelectedOnCanvas(frame);
        return true;
    });
}

void stretchSelectedToPage(EditingContext& context)
{
    structuralEdit(context, [](CFrame& frame) { return StretchFirstSelectedToCanvas(frame); });
}

void alignSelected(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    if (!anySelected(frame))
        return;
    // The two choices start from the "Align" settings (a stored value out of range counts as
    // "не ровнять") and go back there on OK; the box and the margin stay with the view.
    Settings store;
    const auto stored = [&store](const char* name) {
        const int value = store.readInt("Align", name, 0);
        return value >= 0 && value <= 3 ? value : 0;
    };
    AlignSettings start = context.memory.align;
    start.horizontal = static_cast<HorizontalAlign>(stored("Horizontal"));
    start.vertical = static_cast<VerticalAlign>(stored("Vertical"));
    const bool forced = frame.CountSelected() == 1;
    const auto settings = context.questions.askAlign(start, forced);
    if (!settings)
        return;
    store.writeInt("Align", "Horizontal", static_cast<int>(settings->horizontal));
    store.writeInt("Align", "Vertical", static_cast<int>(settings->vertical));
    context.memory.align.margin = settings->margin;
    if (!forced)
        context.memory.align.toFrame = settings->toFrame;
    structuralEdit(context, [&](CFrame& f) {
        AlignSelected(f, *settings);
        return true;
    });
}

void moveSelectedTo(EditingContext& context)
{
    if (!anySelected(context.session.currentFrame()))
        return;
    const auto answer = context.questions.askMoveTo(context.memory.moveTo);
    if (!answer)
        return;
    context.memory.moveTo = *answer;
    structuralEdit(context, [&](CFrame& frame) {
        MoveSelectedToward(frame, answer->direction, answer->distance);
        return true;
    });
}

void duplicateSelected(EditingContext& context)
{
    if (!anySelected(context.session.currentFrame()))
        return;
    const auto settings = context.questions.askDuplicate(context.memory.duplicate);
    if (!settings)
        return;
    context.memory.duplicate = *settings;
    std::int64_t copied = 0;
    const CFrame& current = context.session.currentFrame();
    for (const CLayerObject* o = current.head.get(); o; o = o->next.get())
        if (o->selected)
            copied += ObjectPixels(o->rect);
    if (!haveRoomFor(context, copied * std::max(settings->count, 0)))
        return;
    structuralEdit(context, [&](CFrame& frame) { return DuplicateSelected(frame, *settings) > 0; });
}

void cloneIntoFrames(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    CLayerObject* source = frame.NthSelected(0);
    if (!source)
        return;
    auto refuse = [&](const char* text) {
        context.ui.messageBox({QCoreApplication::translate("LayerCommands", text).toStdString(),
                               {},
                               MsgIcon::None,
                               MsgButtons::Ok});
    };
    if (source->IsClone())
        return refuse(kCloneOfClone);
    CAnimation& animation = context.session.doc.animation;
    if (animation.TotalFrames() < 2)
        return refuse(kCloneNeedsFrames);
    std::vector<CloneTarget> targets = CloneTargets(animation, frame, source);
    std::vector<CloneFrameItem> items;
    for (const CloneTarget& target : targets)
        items.push_back({frameCaption(animation, *target.frame), target.holdsClone});
    const auto marks = context.questions.askCloneFrames(std::move(items));
    if (!marks || marks->size() != targets.size())
        return;
    int added = 0;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        added += (*marks)[i] && !targets[i].holdsClone;
        targets[i].holdsClone = (*marks)[i];
    }
    if (!haveRoomFor(context, added * ObjectPixels(source->rect)))
        return;
    EditScope edit(context.session.doc, nullptr);
    if (ApplyCloneTargets(animation, *source, targets) == 0)
        return;
    edit.announce(DocumentChange::LayersChanged, nullptr);
    edit.markModified();
}

void addLayer(EditingContext& context)
{
    if (!haveRoomFor(context, ObjectPixels(context.session.currentFrame().canvasRectOrEmpty())))
        return;
    const std::uint32_t colour = context.session.view.background;
    structuralEdit(context, [colour](CFrame& frame) {
        const LayerRect canvas = frame.canvasRectOrEmpty();
        if (rectIsEmpty(canvas))
            return false;
        CRaster pixels(rectWidth(canvas), rectHeight(canvas));
        pixels.FillRect(colour);
        auto layer = BitmapObjectFromRaster(std::move(pixels), (colour >> 24) != 0);
        layer->MoveTo(canvas.left, canvas.top);
        frame.SelectNone();
        frame.AppendObject(std::move(layer))->selected = 1;
        return true;
    });
}

void editImageSize(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    if (frame.CountSelected() != 1)
        return;
    CLayerObject* layer = frame.NthSelected(0);
    const auto size = context.questions.askImageSize({layer->width(), layer->height()});
    if (!size ||
        !haveRoomFor(context, ObjectPixels({0, 0, size->width, size->height}) - ObjectPixels(layer->rect)))
        return;
    structuralEdit(context,
                   [&](CFrame& f) { return ResizeKeepingCentre(f, *layer, size->width, size->height); });
}

void stretchShrinkLayer(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    if (frame.CountSelected() != 1)
        return;
    CLayerObject* layer = frame.NthSelected(0);
    const auto amounts = context.questions.askEdgeAmounts({layer->width(), layer->height()});
    if (!amounts ||
        !haveRoomFor(context, ObjectPixels(grownEdges(layer->rect, *amounts)) - ObjectPixels(layer->rect)))
        return;
    const std::uint32_t fill = context.session.view.background;
    structuralEdit(context, [&](CFrame& f) { return GrowLayer(f, *layer, *amounts, fill); });
}

void swapColours(EditingContext& context)
{
    ViewSettings& view = context.session.view;
    const std::uint32_t foreground = view.background;
    const std::uint32_t background = view.foreground;
    applyForegroundColour(context.session, foreground);
    applyBackgroundColour(context.session, background);
}

} // namespace lw
