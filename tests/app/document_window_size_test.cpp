// A document window opens large enough to show its whole canvas at the view's zoom, yet inside
// the main window's document area.
#include "app/editor/command_actions.h"
#include "app/editor/document_session.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/main_window.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(DocumentWindow, OpensShowingTheWholeCanvasWithinTheArea)
{
    CommandActions actions;
    MainWindow window(actions);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    const QSize area = window.mdiArea()->viewport()->size();
    for (const QSize canvas :
         {QSize(468, 60), QSize(728, 90), QSize(120, 600), QSize(1, 1), QSize(1200, 1200)}) {
        DocumentSession session;
        ASSERT_TRUE(session.doc.animation.SetSize(canvas.width(), canvas.height()));
        window.addDocumentWindow(&session);
        QApplication::processEvents();
        CanvasView* view = window.viewOf(&session);
        const QMdiSubWindow* sub = window.mdiArea()->activeSubWindow();
        ASSERT_TRUE(view && sub);
        // Wholly inside the area; the whole canvas in sight unless the area is what limits it.
        EXPECT_TRUE(QRect(QPoint(), area).contains(sub->geometry())) << canvas.width();
        const bool limited = sub->width() == area.width() || sub->height() == area.height();
        EXPECT_EQ(view->viewport()->rect().contains(view->imageRect()), !limited) << canvas.width();
        window.removeDocumentWindow(&session);
    }
}

} // namespace
} // namespace lw
