// Layer object rendering: the antialiased ellipse (16 analytic samples a pixel) against
// QPainter's antialiased ellipse, and the span-list flood fill against the textbook
// breadth-first pixel queue (Qt has no bucket fill). Label rendering is timed on its own.
#include "bench/ratio_main.h"
#include "model/ellipse_rendering.h"
#include "model/flood_fill.h"
#include "model/text_rendering.h"

#include <QImage>
#include <QPainter>
#include <deque>

namespace {

void ellipseOurs(benchmark::State& state)
{
    lw::CRaster image(400, 300);
    for (auto _ : state) {
        lw::renderEllipse(image, 0x00336699, lw::kEllipseAntialiased);
        benchmark::DoNotOptimize(image.bits());
    }
}

void ellipsePeer(benchmark::State& state)
{
    QImage image(400, 300, QImage::Format_ARGB32);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x33, 0x66, 0x99));
        p.drawEllipse(QRectF(0, 0, 400, 300));
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
}

// A comb of one-pixel corridors: a fill that must visit every row many times.
lw::CRaster comb()
{
    lw::CRaster image(1200, 1200);
    for (int y = 1; y < 1200; y += 2) {
        for (int x = 0; x < 1200; ++x)
            image.bits()[image.indexOf(x, y)] = 1;
        image.bits()[image.indexOf((y / 2) % 2 ? 0 : 1199, y)] = 0;
    }
    return image;
}

void floodOurs(benchmark::State& state)
{
    const lw::CRaster start = comb();
    for (auto _ : state) {
        lw::CRaster image = start;
        lw::floodFill(image, 0, 0, 7);
        benchmark::DoNotOptimize(image.bits());
    }
}

void floodPeer(benchmark::State& state)
{
    const lw::CRaster start = comb();
    for (auto _ : state) {
        lw::CRaster image = start;
        const int w = image.width(), h = image.height();
        std::uint32_t* px = image.bits();
        const std::uint32_t target = px[image.indexOf(0, 0)];
        std::deque<std::pair<int, int>> queue{{0, 0}};
        px[image.indexOf(0, 0)] = 7;
        while (!queue.empty()) {
            const auto [x, y] = queue.front();
            queue.pop_front();
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int i = 0; i < 4; ++i)
                if (nx[i] >= 0 && ny[i] >= 0 && nx[i] < w && ny[i] < h &&
                    px[image.indexOf(nx[i], ny[i])] == target) {
                    px[image.indexOf(nx[i], ny[i])] = 7;
                    queue.emplace_back(nx[i], ny[i]);
                }
        }
        benchmark::DoNotOptimize(px);
    }
}

void textAntialiased(benchmark::State& state)
{
    lw::TextStyle style;
    style.text = "Loopwright GIF Animator";
    style.font = lw::LogFont::documentDefault();
    style.antialiased = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(lw::renderText(style));
}

} // namespace

BENCHMARK(ellipseOurs)->Name("ellipse_antialiased/ours");
BENCHMARK(ellipsePeer)->Name("ellipse_antialiased/peer");
BENCHMARK(floodOurs)->Name("flood_fill_comb/ours");
BENCHMARK(floodPeer)->Name("flood_fill_comb/peer");
BENCHMARK(textAntialiased)->Name("text_antialiased");

LW_BENCHMARK_MAIN();
