// The preview's first image: from asking for the preview of the example document to its first
// image being there (frames committed and rendered, the first frame shown compiled). The peer is
// what the whole preview needs before anything can show: render, compile every frame and build
// the whole sequence, in the same run. Counter: the first image's time in milliseconds.
#include "bench/ratio_main.h"

#include "app/editor/preview_command.h"
#include "engine/extension_host.h"
#include "filters/scripted_ui_port.h"
#include "model/document_file.h"

#include <QCoreApplication>
#include <chrono>
#include <memory>

namespace {

std::string buildDir()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/..";
}

struct Example {
    lw::ExtensionHost extensions;
    lw::CLWDoc doc;
    bool loaded = false;
    Example()
    {
        extensions.load(buildDir() + "/extensions");
        lw::ScriptedUiPort ui;
        try {
            lw::LoadDocument(doc, buildDir() + "/examples/fashion.lwd", extensions, ui);
            loaded = extensions.modules() && doc.animation.firstFrame;
        } catch (const std::exception&) {
            loaded = false;
        }
    }
};

Example& example()
{
    static Example e;
    return e;
}

void BM_FirstImage_ours(benchmark::State& state)
{
    Example& e = example();
    if (!e.loaded) {
        state.SkipWithError("build/examples/fashion.lwd or the extensions are missing");
        return;
    }
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto preview =
            lw::startPreview(e.doc, e.extensions, lw::PreviewRange::Whole, *e.doc.animation.firstFrame);
        benchmark::DoNotOptimize(preview->sequence().first()->image);
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["first_image_ms"] = totalMs / double(state.iterations());
}

void BM_FirstImage_peer(benchmark::State& state)
{
    Example& e = example();
    if (!e.loaded) {
        state.SkipWithError("build/examples/fashion.lwd or the extensions are missing");
        return;
    }
    for (auto _ : state) {
        const lw::FrameSequence sequence = lw::buildPreviewSequence(
            e.doc, e.extensions, lw::PreviewRange::Whole, *e.doc.animation.firstFrame);
        benchmark::DoNotOptimize(sequence.first()->image);
    }
}

} // namespace

BENCHMARK(BM_FirstImage_ours)->Name("preview_first_image_fashion/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstImage_peer)->Name("preview_first_image_fashion/peer")->Unit(benchmark::kMillisecond);

LW_BENCHMARK_MAIN()
