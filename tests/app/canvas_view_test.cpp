// The editing view's widget on the offscreen platform: it paints the frame through the view
// mapping with the handles and the inverting band, and forwards mouse events to the tools.
#include "app/editor/document_session.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/tool_cursors.h"
#include "model/frame.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <set>

namespace lw {
namespace {

void mouse(QWidget* port, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), port->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(port, &event);
}

QImage grabView(CanvasView& view)
{
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Saves what the view shows when LW_VIEW_SHOTS names a folder, for a look by eye.
void keep(const QImage& image, const char* name)
{
    if (const QByteArray folder = qgetenv("LW_VIEW_SHOTS"); !folder.isEmpty())
        image.save(QString::fromUtf8(folder) + "/" + name + ".png");
}

TEST(CanvasViewWidget, PaintsLayersHandlesAndBandAtZoomOneAndTwo)
{
    DocumentSession session;
    // The view starts with the gradient tool (choosing it would open the settings dialog).
    session.view.tool = cmd::ToolGradient;
    CanvasView view(session);
    view.resize(640, 420);
    view.show();
    QApplication::processEvents();
    EditingView& editing = view.editing();
    const LayerRect canvas = session.currentFrame().canvasRectOrEmpty();
    const QPoint c(canvas.left, canvas.top);

    // A gradient layer drawn with the tool by real mouse events on the viewport.
    session.view.foreground = 0x00FF0000;
    session.view.background = 0x000000FF;
    QWidget* port = view.viewport();
    const auto toWindow = [&](QPoint p) { return editing.geometry().toWindow(p); };
    mouse(port, QEvent::MouseButtonPress, toWindow(c + QPoint(20, 10)), Qt::LeftButton);
    mouse(port, QEvent::MouseMove, toWindow(c + QPoint(80, 40)), Qt::LeftButton);
    mouse(port, QEvent::MouseButtonRelease, toWindow(c + QPoint(120, 50)), Qt::NoButton);
    ASSERT_EQ(session.currentFrame().ObjectCount(), 1);
    const CLayerObject* layer = session.currentFrame().tail;
    EXPECT_EQ(layer->rect,
              (LayerRect{canvas.left + 20, canvas.top + 10, canvas.left + 120, canvas.top + 50}));
    editing.setTool(cmd::ToolSelect);
    layer = session.currentFrame().tail;
    const_cast<CLayerObject*>(layer)->selected = 1;

    for (int zoom : {1, 2}) {
        editing.setZoom(zoom, c + QPoint(70, 30));
        view.syncGeometry();
        QImage shot = grabView(view);
        keep(shot, zoom == 1 ? "view-zoom1" : "view-zoom2");
        // Top row of the layer: the start colour; the handle above the top-left corner: drawn.
        const QPoint topLeft = toWindow({layer->rect.left, layer->rect.top});
        EXPECT_EQ(shot.pixelColor(topLeft + QPoint(zoom, 0)).rgb() & 0xFFFFFF, 0xFF0000u) << zoom;
        const QPoint bottom = toWindow({layer->rect.left, layer->rect.bottom - 1});
        EXPECT_GT(shot.pixelColor(bottom).blue(), 200) << zoom;
        // The top-left handle's black outline runs 8 pixels left of the corner.
        EXPECT_EQ(shot.pixelColor(topLeft - QPoint(8, 4)).rgb() & 0xFFFFFF, 0u) << zoom;
        EXPECT_EQ(shot.pixelColor(topLeft - QPoint(20, 20)).rgb() & 0xFFFFFF, 0xFFFFFFu) << zoom;
        // Outside the canvas the workspace is white.
        EXPECT_EQ(shot.pixelColor(toWindow(c - QPoint(30, 30))).rgb() & 0xFFFFFF, 0xFFFFFFu) << zoom;
    }

    // A band in progress shows as an inverted dotted outline over white: some black pixels.
    editing.setZoom(1, c + QPoint(70, 30));
    view.syncGeometry();
    const QPoint from = toWindow(c - QPoint(60, 40));
    const QPoint to = toWindow(c + QPoint(60, 30));
    mouse(port, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(port, QEvent::MouseMove, to, Qt::LeftButton);
    const QImage band = grabView(view);
    keep(band, "view-band");
    int dark = 0;
    for (int x = from.x(); x < from.x() + 40; ++x)
        dark += (band.pixelColor(x, from.y()).rgb() & 0xFFFFFF) == 0;
    EXPECT_GT(dark, 5);
    EXPECT_LT(dark, 40);
    mouse(port, QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(session.currentFrame().CountSelected(), 0);
    EXPECT_FALSE(view.statusTexts()[0].isEmpty());
}

TEST(CanvasViewWidget, EraserCursorChangesWithCtrlWhileHovering)
{
    DocumentSession session;
    CanvasView view(session);
    QWidget elsewhere; // the key goes to another widget that has the focus
    view.resize(300, 200);
    view.show();
    view.editing().setTool(cmd::ToolEraser);
    QEnterEvent enter(QPointF(50, 50), QPointF(50, 50), view.mapToGlobal(QPointF(50, 50)));
    QApplication::sendEvent(&view, &enter);
    const auto shown = [&] { return view.viewport()->cursor().pixmap().toImage(); };
    for (bool press : {true, false}) {
        QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Control,
                      press ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(&elsewhere, &key);
        const ToolCursor expected = press ? ToolCursor::EraserLarge : ToolCursor::EraserSmall;
        EXPECT_EQ(shown(), cursorFor(expected).pixmap().toImage()) << press;
    }
    // Away from the view the key no longer reaches it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&view, &leave);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(&elsewhere, &key);
    EXPECT_EQ(shown(), cursorFor(ToolCursor::EraserSmall).pixmap().toImage());
}

TEST(CanvasViewWidget, EveryDrawnCursorIsVisibleAndItsOwn)
{
    std::set<QByteArray> seen;
    for (int i = static_cast<int>(ToolCursor::ZoomIn); i <= static_cast<int>(ToolCursor::Shape); ++i) {
        const QImage image = cursorFor(static_cast<ToolCursor>(i)).pixmap().toImage();
        ASSERT_EQ(image.size(), QSize(32, 32)) << i;
        // Dark strokes on a light halo, the rest transparent.
        int drawn = 0;
        int dark = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                drawn += image.pixelColor(x, y).alpha() > 0;
                dark += image.pixelColor(x, y).alpha() == 255 && image.pixelColor(x, y).value() < 160;
            }
        EXPECT_GT(drawn, 40) << i;
        EXPECT_LT(drawn, 32 * 32 / 2) << i;
        EXPECT_GT(dark, 10) << i;
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(),
              static_cast<std::size_t>(ToolCursor::Shape) - static_cast<std::size_t>(ToolCursor::ZoomIn) + 1);
}

TEST(CanvasViewWidget, DropImportsOnlyPictureTypes)
{
    struct Case {
        const char* path;
        bool importable;
    };
    for (const Case& c : {Case{"/a/b.GIF", true}, Case{"x.jpe", true}, Case{"x.jpeg", true},
                          Case{"x.dib", true}, Case{"x.emf", true}, Case{"x.ico", true}, Case{"x.png", false},
                          Case{"x.lwd", false}, Case{"gif", false}, Case{"x.bmp.txt", false}})
        EXPECT_EQ(CanvasView::isImportable(QString::fromUtf8(c.path)), c.importable) << c.path;
}

} // namespace
} // namespace lw
