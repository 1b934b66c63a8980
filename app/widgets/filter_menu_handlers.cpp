#include "app/widgets/filter_menu_handlers.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/filter_menu_commands.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/main_window.h"
#include "imaging/raster.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace lw {
namespace {

bool usesClipboardPicture(int id)
{
    return id == cmd::FilterInsertAlpha || id == cmd::FilterTakeColours;
}

} // namespace

void installFilterMenuCommands(CommandActions& actions, MainWindow& window, FilterUiPort& ui)
{
    for (int id : filterMenuCommandIds())
        actions.setHandler(id, [&window, &ui, id] {
            DocumentSession* session = window.activeDocument();
            if (!session)
                return;
            std::optional<CRaster> picture;
            if (usesClipboardPicture(id)) {
                const QMimeData* data = QGuiApplication::clipboard()->mimeData();
                if (data && data->hasImage())
                    picture = rasterFromImage(QGuiApplication::clipboard()->image());
            }
            const bool changed = runFilterMenuCommand(id, *session, ui, picture ? &*picture : nullptr);
            if (!changed)
                return;
            if (CanvasView* view = window.viewOf(session))
                view->syncGeometry();
            window.documentChanged(session);
        });
}

} // namespace lw
