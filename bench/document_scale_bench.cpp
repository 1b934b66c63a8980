// How loading, compiling and writing the GIF grow with the document: 10, 100 and 1000 frames of
// 468 × 60, and 10 frames from 468 × 60 up to 1200 × 1200, each frame one full-canvas bitmap.
// Loading is compared with reading the file's bytes; every case reports its time per pixel
// (time_per_pixel, shown with its unit, e.g. 1.2ns), which stays flat while the work grows linearly.
#include "bench/ratio_main.h"

#include "engine/animation_compiler.h"
#include "filters/scripted_ui_port.h"
#include "model/bitmap_from_picture.h"
#include "model/document.h"
#include "model/document_file.h"
#include "model/lwd/lwd_writer.h"
#include "output/gif_export.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <map>
#include <random>
#include <tuple>

namespace {

struct Size {
    int frames, width, height;
    double pixels() const { return double(frames) * width * height; }
    bool operator<(const Size& o) const
    {
        return std::tie(frames, width, height) < std::tie(o.frames, o.width, o.height);
    }
};

Size sizeOf(const benchmark::State& state)
{
    return {int(state.range(0)), int(state.range(1)), int(state.range(2))};
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A drifting gradient with a block crossing it and a little noise, so frames differ.
lw::CRaster frameImage(const Size& size, int index, std::mt19937& rng)
{
    lw::CRaster r(size.width, size.height);
    const int block = std::max(4, size.width / 12);
    const int x0 = index * 3 % std::max(1, size.width - block);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            std::uint32_t red = std::uint32_t((x + index) * 255 / size.width) & 0xFF;
            std::uint32_t green = std::uint32_t(y * 255 / size.height);
            std::uint32_t blue = std::uint32_t(120 + (x ^ y) % 64);
            if (x >= x0 && x < x0 + block && y > size.height / 4 && y < size.height * 3 / 4)
                red = 250, green = 210, blue = 40;
            if (rng() % 8 == 0)
                green ^= 2;
            r.bits()[r.indexOf(x, y)] = red << 16 | green << 8 | blue;
        }
    return r;
}

const std::string& documentFor(const Size& size)
{
    static std::map<Size, std::string> paths;
    std::string& path = paths[size];
    if (path.empty()) {
        lw::CLWDoc doc;
        doc.animation.SetSize(size.width, size.height);
        std::mt19937 rng(3);
        lw::CFrame* frame = doc.animation.firstFrame.get();
        for (int i = 0; i < size.frames; ++i) {
            if (i > 0)
                frame = doc.animation.AppendFrame();
            frame->delay = 10;
            lw::CLayerObject* object =
                frame->AppendObject(lw::BitmapObjectFromRaster(frameImage(size, i, rng), false));
            frame->MoveObjectTo(object, doc.animation.canvasRect.left, doc.animation.canvasRect.top);
        }
        path = workDir()
                   .filePath(QString("doc_%1x%2x%3.lwd").arg(size.frames).arg(size.width).arg(size.height))
                   .toStdString();
        lw::writeFileAtomically(path, lw::WriteLwdDocument(doc));
    }
    return path;
}

class NoEffects : public lw::EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return false; }
};

void perPixel(benchmark::State& state, const Size& size)
{
    // An inverted rate is seconds per pixel, which the console prints with its unit prefix.
    state.counters["time_per_pixel"] = benchmark::Counter(
        size.pixels(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Load_ours(benchmark::State& state)
{
    const Size size = sizeOf(state);
    const std::string& path = documentFor(size);
    lw::ScriptedUiPort ui;
    NoEffects catalog;
    for (auto _ : state) {
        lw::CLWDoc doc;
        lw::LoadDocument(doc, path, catalog, ui);
        benchmark::DoNotOptimize(doc.animation.firstFrame.get());
    }
    perPixel(state, size);
}

void Load_peer(benchmark::State& state)
{
    const Size size = sizeOf(state);
    const std::string& path = documentFor(size);
    for (auto _ : state)
        benchmark::DoNotOptimize(lw::readFile(path).data());
    perPixel(state, size);
}

struct Loaded {
    lw::CLWDoc doc;
    lw::ExtensionHost host;
};

std::unique_ptr<Loaded> loaded(const Size& size)
{
    auto out = std::make_unique<Loaded>();
    lw::ScriptedUiPort ui;
    lw::LoadDocument(out->doc, documentFor(size), out->host, ui);
    return out;
}

void Compile(benchmark::State& state)
{
    const Size size = sizeOf(state);
    auto input = loaded(size);
    const lw::AnimationCompiler compiler(input->host);
    for (auto _ : state) {
        compiler.compile(input->doc.animation);
        const lw::FrameSequence sequence = compiler.buildSequence(input->doc.animation);
        benchmark::DoNotOptimize(sequence.first());
    }
    perPixel(state, size);
}

void WriteGif(benchmark::State& state)
{
    const Size size = sizeOf(state);
    auto input = loaded(size);
    const lw::AnimationCompiler compiler(input->host);
    compiler.compile(input->doc.animation);
    const lw::FrameSequence sequence = compiler.buildSequence(input->doc.animation);
    for (auto _ : state) {
        const auto gif = lw::gifFromSequence(sequence);
        lw::prepareGif(*gif, lw::GifSaveSettings{});
        benchmark::DoNotOptimize(gif->Write().data());
    }
    perPixel(state, size);
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (int frames : {10, 100, 1000})
        b->Args({frames, 468, 60});
    b->Args({10, 728, 90});
    b->Args({10, 600, 600});
    b->Args({10, 1200, 1200});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Load_ours)->Name("scale_load/ours")->Apply(sizes);
BENCHMARK(Load_peer)->Name("scale_load/peer")->Apply(sizes);
BENCHMARK(Compile)->Name("scale_compile")->Apply(sizes);
BENCHMARK(WriteGif)->Name("scale_write_gif")->Apply(sizes);

LW_BENCHMARK_MAIN()
