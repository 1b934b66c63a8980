#include "app/widgets/view_commands.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_table.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/main_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>

namespace lw {

void installViewCommands(CommandActions& actions, MainWindow& window, EffectNamer effectName)
{
    // Every document window's view names effects the same way; it learns how when first activated.
    QObject::connect(window.mdiArea(), &QMdiArea::subWindowActivated, &window,
                     [effectName](QMdiSubWindow* sub) {
                         if (auto* view = sub ? qobject_cast<CanvasView*>(sub->widget()) : nullptr)
                             view->setEffectNamer(effectName);
                     });
    // Runs the work on the active view, then lets the window show the new state.
    const auto onView = [&window](std::function<void(CanvasView&)> work) {
        return [&window, work] {
            DocumentSession* session = window.activeDocument();
            CanvasView* view = session ? window.viewOf(session) : nullptr;
            if (!view)
                return;
            work(*view);
            view->syncGeometry();
            window.documentChanged(session);
        };
    };
    for (int tool : toolBoxButtons())
        if (tool != 0)
            actions.setHandler(tool, onView([tool](CanvasView& v) { v.editing().setTool(tool); }));
    actions.setHandler(cmd::ZoomIn, onView([](CanvasView& v) { v.editing().zoomIn(); }));
    actions.setHandler(cmd::ZoomOut, onView([](CanvasView& v) { v.editing().zoomOut(); }));
    actions.setHandler(cmd::ZoomOne, onView([](CanvasView& v) { v.editing().zoomOne(); }));
    actions.setHandler(cmd::ForegroundColour, onView([](CanvasView& v) { v.editing().chooseForeground(); }));
    actions.setHandler(cmd::BackgroundColour, onView([](CanvasView& v) { v.editing().chooseBackground(); }));
}

} // namespace lw
