// The editing view's repaint: the visible part of the workspace for the example document at zoom
// 1 and 8 through the frame's own painting, and one repaint per synthetic move of a dragged layer.
// The peer draws the frame's finished image scaled by QPainter into the same window.
#include "bench/ratio_main.h"

#include "app/editor/document_session.h"
#include "app/editor/editing_view.h"
#include "app/editor/tools/tool_host.h"
#include "engine/extension_host.h"
#include "filters/scripted_ui_port.h"
#include "model/document_file.h"
#include "model/frame.h"
#include "model/view_state.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <memory>

namespace {

constexpr QSize kWindow(800, 600);

std::string buildDir()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/..";
}

struct Scene {
    lw::DocumentSession session;
    lw::ScriptedToolHost host;
    std::unique_ptr<lw::EditingView> view;
    QImage window{kWindow, QImage::Format_RGB32};

    Scene()
    {
        lw::ExtensionHost extensions;
        lw::ScriptedUiPort ui;
        lw::LoadDocument(session.doc, buildDir() + "/examples/fashion.lwd", extensions, ui);
        session.goToFirstNormalFrame();
        session.doc.animation.RenderAllFrames();
        view = std::make_unique<lw::EditingView>(session, host);
        view->setClientSize(kWindow);
        view->reset();
    }

    void zoomOnCanvas(int zoom)
    {
        const lw::LayerRect c = session.currentFrame().canvasRectOrEmpty();
        view->setZoom(zoom, {(c.left + c.right) / 2, (c.top + c.bottom) / 2});
    }

    void repaint()
    {
        QPainter painter(&window);
        painter.fillRect(window.rect(), QColor(0xC0, 0xC0, 0xC0));
        const lw::ViewGeometry& g = view->geometry();
        const lw::ViewMapping mapping{&painter, g.zoom, g.origin()};
        painter.translate(-mapping.origin);
        session.currentFrame().Paint(painter, mapping);
        painter.resetTransform();
        view->paintOverlay(painter);
    }

    void peerRepaint()
    {
        QPainter painter(&window);
        painter.fillRect(window.rect(), QColor(0xC0, 0xC0, 0xC0));
        const lw::ViewGeometry& g = view->geometry();
        const lw::LayerRect c = session.currentFrame().canvasRectOrEmpty();
        const QImage image = session.currentFrame().image.toQImage();
        const QRect target(g.toWindow({c.left, c.top}), QSize(image.width(), image.height()) * g.zoom);
        painter.drawImage(target, image);
    }
};

Scene& scene()
{
    static Scene s;
    return s;
}

void Repaint_ours(benchmark::State& state)
{
    Scene& s = scene();
    s.zoomOnCanvas(static_cast<int>(state.range(0)));
    for (auto _ : state)
        s.repaint();
}
BENCHMARK(Repaint_ours)->Name("RepaintVisibleWorkspace/ours")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

void Repaint_peer(benchmark::State& state)
{
    Scene& s = scene();
    s.zoomOnCanvas(static_cast<int>(state.range(0)));
    for (auto _ : state)
        s.peerRepaint();
}
BENCHMARK(Repaint_peer)->Name("RepaintVisibleWorkspace/peer")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// 100 moves of the top layer dragged with the select tool, each followed by a repaint.
void DragLayer_ours(benchmark::State& state)
{
    Scene& s = scene();
    s.zoomOnCanvas(1);
    lw::CFrame& frame = s.session.currentFrame();
    const lw::CLayerObject* top = frame.tail;
    const QPoint grab((top->rect.left + top->rect.right) / 2, (top->rect.top + top->rect.bottom) / 2);
    for (auto _ : state) {
        const QPoint start = s.view->geometry().toWindow(grab);
        s.view->move({start}, false);
        s.view->press({start});
        for (int i = 1; i <= 100; ++i) {
            s.view->move({start + QPoint(i % 20, i % 10)}, true);
            s.repaint();
        }
        s.view->release({start});
        frame.Cancel();
    }
}
BENCHMARK(DragLayer_ours)->Name("Drag100Moves/ours")->Unit(benchmark::kMillisecond);

void DragLayer_peer(benchmark::State& state)
{
    Scene& s = scene();
    s.zoomOnCanvas(1);
    for (auto _ : state)
        for (int i = 1; i <= 100; ++i)
            s.peerRepaint();
}
BENCHMARK(DragLayer_peer)->Name("Drag100Moves/peer")->Unit(benchmark::kMillisecond);

} // namespace

LW_BENCHMARK_MAIN()
