// Document model costs: rendering every frame of a banner and moving the bottom layer of a tall
// stack (which updates the composites of everything above it). There is no peer library for
// these; the figures are absolute times per operation.
#include "bench/ratio_main.h"
#include "model/animation.h"

#include <memory>

namespace {

// A block of one colour; transparent colours make the frame build composites with backdrops.
class Block : public lw::CLayerObject {
public:
    Block(int x, int y, int w, int h, std::uint32_t colour)
    {
        rect = {x, y, x, y};
        position = {x, y};
        ResizeImages(w, h);
        ownImage.FillRect(colour);
        hasTransparency = (colour >> 24) != 0;
    }
};

void fillFrame(lw::CFrame& frame, int objects, int seed)
{
    const lw::LayerRect c = *frame.canvas;
    for (int i = 0; i < objects; ++i) {
        const int x = c.left + (i * 37 + seed * 11) % 400;
        const int y = c.top + (i * 7 + seed) % 30;
        const std::uint32_t colour =
            (i % 2 ? 0x80000000u : 0u) | static_cast<std::uint32_t>(0x102030 * (i + 1));
        frame.AppendObject(std::make_unique<Block>(x, y, 60, 30, colour));
    }
}

void BM_RenderAllFrames(benchmark::State& state)
{
    lw::CAnimation animation;
    fillFrame(*animation.firstFrame, 10, 0);
    for (int f = 1; f < 50; ++f)
        fillFrame(*animation.AppendFrame(), 10, f);
    for (auto _ : state)
        animation.RenderAllFrames();
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_RenderAllFrames)->Name("render_all_frames_50x10_468x60/ours")->Unit(benchmark::kMicrosecond);

void BM_MoveBottomOfStack(benchmark::State& state)
{
    lw::CAnimation animation;
    lw::CFrame& frame = *animation.firstFrame;
    fillFrame(frame, 30, 3);
    lw::CLayerObject* bottom = frame.head.get();
    int step = 1;
    for (auto _ : state) {
        frame.MoveObjectBy(bottom, step, 0);
        step = -step;
    }
}
BENCHMARK(BM_MoveBottomOfStack)->Name("move_bottom_of_30_stack/ours")->Unit(benchmark::kMicrosecond);

} // namespace

LW_BENCHMARK_MAIN();
