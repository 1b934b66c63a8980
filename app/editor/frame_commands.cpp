#include "app/editor/frame_commands.h"

#include "app/editor/document_room.h"
#include "app/editor/document_session.h"
#include "app/editor/number_field.h"
#include "model/edit_scope.h"
#include "model/frame_list.h"
#include "model/frame_timing.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

namespace {

std::string tr(const char* text)
{
    return QCoreApplication::translate("FrameCommands", text).toStdString();
}

CLWDoc& docOf(EditingContext& context)
{
    return context.session.doc;
}

// Every new frame holds a canvas-sized image.
bool haveRoomForFrames(EditingContext& context, int count)
{
    const CAnimation& animation = docOf(context).animation;
    return haveRoomFor(context, static_cast<std::int64_t>(count) * animation.width() * animation.height());
}

} // namespace

void showFrame(EditingContext& context, CFrame* frame)
{
    context.session.goToFrame(frame);
}

void showFirstFrame(EditingContext& context)
{
    showFrame(context, docOf(context).animation.firstFrame.get());
}

void showPreviousFrame(EditingContext& context)
{
    CAnimation& animation = docOf(context).animation;
    showFrame(context, animation.FrameAt(animation.IndexOfFrame(&context.session.currentFrame()) - 1));
}

void showNextFrame(EditingContext& context)
{
    showFrame(context, context.session.currentFrame().next.get());
}

void showLastFrame(EditingContext& context)
{
    showFrame(context, docOf(context).animation.LastFrame());
}

void insertFrame(EditingContext& context, bool after)
{
    if (!haveRoomForFrames(context, 1))
        return;
    CFrame* frame = nullptr;
    {
        EditScope edit(docOf(context), nullptr);
        frame = docOf(context).animation.InsertFrame(&context.session.currentFrame(), after);
        if (!frame)
            return;
        frame->Render();
        edit.announce(DocumentChange::FramesInserted);
        // A new frame is a change the user would not want to lose unasked.
        edit.markModified();
    }
    showFrame(context, frame);
}

void appendFrame(EditingContext& context)
{
    if (!haveRoomForFrames(context, 1))
        return;
    CFrame* frame = nullptr;
    {
        EditScope edit(docOf(context), nullptr);
        frame = docOf(context).animation.AppendFrame();
        frame->Render();
        edit.announce(DocumentChange::FramesInserted);
        edit.markModified();
    }
    showFrame(context, frame);
}

void deleteFrame(EditingContext& context)
{
    CAnimation& animation = docOf(context).animation;
    CFrame& current = context.session.currentFrame();
    const bool allowed = animation.TotalFrames() >= 2 &&
                         (current.masterFrame != 0 || animation.FrameCount(FrameKind::Normal) >= 2);
    if (!allowed)
        return;
    if (!confirmFrameDeletion(current, context.ui))
        return;
    CFrame* next = nullptr;
    {
        EditScope edit(docOf(context), nullptr);
        next = animation.DeleteFrame(&current);
        // The frame that showed is gone: point the session at its successor before anyone looks.
        context.session.goToFrame(next);
        animation.RenderAllFrames();
        edit.announce(DocumentChange::FramesRemoved | DocumentChange::CurrentFrameChanged);
        edit.markModified();
    }
}

void toggleMasterFrame(EditingContext& context)
{
    CAnimation& animation = docOf(context).animation;
    CFrame& current = context.session.currentFrame();
    if (current.masterFrame == 0 && animation.FrameCount(FrameKind::Normal) < 2)
        return;
    MasterFramesAnswer answer{0, 100};
    if (current.masterFrame == 0)
        answer = context.questions.askMasterFrames().value_or(MasterFramesAnswer{0, 100});
    if (!haveRoomForFrames(context, answer.count))
        return;
    EditScope edit(docOf(context), &current);
    const int added = ToggleMasterFrame(animation, current, answer.count, answer.delayHundredths);
    edit.announce(added > 0 ? DocumentChange::FrameChanged | DocumentChange::FramesInserted
                            : DocumentChanges(DocumentChange::FrameChanged));
    edit.markModified();
}

void editFrameDelay(EditingContext& context)
{
    CFrame& current = context.session.currentFrame();
    const auto answer = context.questions.askFrameDelay(current.delay);
    if (!answer)
        return;
    EditScope edit(docOf(context), answer->allFrames ? nullptr : &current);
    SetFrameDelay(docOf(context).animation, current, answer->delayHundredths, answer->allFrames);
    edit.announce(DocumentChange::FrameChanged, answer->allFrames ? nullptr : &current);
    edit.markModified();
}

bool applyDelayText(EditingContext& context, const QString& text)
{
    const auto seconds = parseDecimal(text);
    const auto hundredths = seconds ? delayFromSeconds(*seconds) : std::nullopt;
    if (!hundredths)
        return false;
    CFrame& current = context.session.currentFrame();
    if (current.delay == *hundredths)
        return true;
    EditScope edit(docOf(context), &current);
    current.delay = *hundredths;
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
    return true;
}

void editFrameBackgroundColour(EditingContext& context)
{
    CFrame& current = context.session.currentFrame();
    // The dialog speaks raster colours (0xTTRRGGBB), the frame keeps 0x00BBGGRR; the swap is its
    // own inverse.
    const auto colour = context.ui.askColour(
        {tr(kFrameColourCaption), rasterColourFromFrameColour(current.backgroundColour), false});
    if (!colour)
        return;
    EditScope edit(docOf(context), &current);
    current.backgroundColour = rasterColourFromFrameColour(*colour);
    docOf(context).animation.RenderAllFrames();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
}

void fitCanvasToLayers(EditingContext& context)
{
    CFrame& current = context.session.currentFrame();
    if (current.ObjectCount() == 0)
        return;
    EditScope edit(docOf(context), nullptr);
    docOf(context).animation.FitCanvasToContent(&current);
    edit.announce(DocumentChange::CanvasChanged);
    edit.markModified();
}

void editLoopCount(EditingContext& context)
{
    CAnimation& animation = docOf(context).animation;
    if (!animation.IsAnimated())
        return;
    const auto count = context.questions.askLoopCount(animation.loopCount);
    if (!count)
        return;
    EditScope edit(docOf(context), nullptr);
    animation.loopCount = *count;
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
}

} // namespace lw
