#include "app/editor/document_room.h"

#include "app/editor/document_session.h"
#include "model/document_limits.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

bool haveRoomFor(EditingContext& context, std::int64_t more)
{
    if (more <= 0 || DocumentHasRoomFor(context.session.doc.animation, more))
        return true;
    context.ui.messageBox({QCoreApplication::translate("DocumentRoom", kDocumentFull).toStdString(),
                           {},
                           MsgIcon::Warning,
                           MsgButtons::Ok});
    return false;
}

bool haveRoomForTotal(EditingContext& context, std::int64_t after)
{
    return haveRoomFor(context, after - DocumentPixels(context.session.doc.animation));
}

} // namespace lw
