#include "app/editor/canvas_commands.h"

#include "app/editor/document_room.h"
#include "app/editor/document_session.h"
#include "model/edit_scope.h"
#include "platform/application_names.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

void resizeAnimation(EditingContext& context)
{
    CAnimation& animation = context.session.doc.animation;
    const Message warning{
        QCoreApplication::translate("CanvasCommands", kResizeAnimationWarning).toStdString(), kProductName,
        MsgIcon::Warning, MsgButtons::OkCancel};
    if (context.ui.messageBox(warning) != MsgResult::Ok)
        return;
    const auto size = context.questions.askCanvasSettings({animation.width(), animation.height()});
    if (!size || !haveRoomForTotal(context, PixelsAfterScale(animation, size->width, size->height)))
        return;
    EditScope edit(context.session.doc, nullptr);
    if (!ScaleToCanvas(animation, size->width, size->height))
        return;
    edit.announce(DocumentChange::CanvasChanged);
    edit.markModified();
}

void resizeCanvasEdges(EditingContext& context)
{
    CAnimation& animation = context.session.doc.animation;
    const auto amounts = context.questions.askEdgeAmounts({animation.width(), animation.height()});
    if (!amounts || !haveRoomForTotal(context, PixelsAfterGrow(animation, *amounts)))
        return;
    EditScope edit(context.session.doc, nullptr);
    if (!GrowCanvas(animation, *amounts))
        return;
    edit.announce(DocumentChange::CanvasChanged);
    edit.markModified();
}

} // namespace lw
