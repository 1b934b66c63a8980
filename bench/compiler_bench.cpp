// compile + buildSequence of a 20-frame 468 x 60 banner with 5 objects per frame, each with a
// "Very Slow" intro and outro from a rendering extension (bench_fade, built with the engine
// tests). "ours" is the AnimationCompiler; "peer" makes the same intro and outro images with
// direct extension calls and no compiler around them, the least work those images need.
// Counters: the share of time spent outside the extension's own calls, the peak resident
// memory of the process and the bytes of generated images.
#include "bench/ratio_main.h"
#include "engine/animation_compiler.h"
#include "engine/speed_name.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 20;
constexpr int kObjects = 5;
constexpr std::int32_t kFadeIn = 901, kFadeOut = 902;

using NanosecondsProc = std::int64_t (*)();
using ResetProc = void (*)();

struct BenchHost {
    lw::ExtensionHost host;
    ResetProc reset = nullptr;
    NanosecondsProc nanoseconds = nullptr;
    BenchHost()
    {
        const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                            "test_extensions" / "bench";
        host.load(folder.string());
        if (const lw::ExtensionModule* m = host.modules()) {
            reset = m->library.function<ResetProc>("BenchReset");
            nanoseconds = m->library.function<NanosecondsProc>("BenchNanoseconds");
        }
    }
    bool ready() const { return reset && nanoseconds && host.isRegistered(kFadeIn); }
};

BenchHost& benchHost()
{
    static BenchHost host;
    return host;
}

std::unique_ptr<lw::CAnimation> makeBanner()
{
    auto animation = std::make_unique<lw::CAnimation>();
    animation->SetSize(468, 60);
    while (animation->TotalFrames() < kFrames)
        animation->AppendFrame();
    const lw::LayerRect canvas = animation->canvasRect;
    for (lw::CFrame* frame = animation->firstFrame.get(); frame; frame = frame->next.get())
        for (int i = 0; i < kObjects; ++i) {
            auto object = std::make_unique<lw::CLayerObject>();
            object->rect = lw::LayerRect{canvas.left + 10 + 90 * i, canvas.top + 10, 0, 0};
            object->ResizeImages(80, 40);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 80; ++x)
                    object->ownImage.bits()[object->ownImage.indexOf(x, y)] =
                        static_cast<std::uint32_t>((x * 3) << 16 | (y * 6) << 8 | (i * 40));
            object->introEffect = lw::EffectAssignment{kFadeIn, 5, 0};
            object->outroEffect = lw::EffectAssignment{kFadeOut, 5, 0};
            frame->AppendObject(std::move(object));
        }
    animation->RenderAllFrames();
    return animation;
}

std::int64_t peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return 0;
}

void reportExtensionShare(benchmark::State& state, std::int64_t extensionNs, std::int64_t totalNs)
{
    state.counters["outside_ext_share"] = totalNs > 0 ? 1.0 - double(extensionNs) / double(totalNs) : 0.0;
    state.counters["peak_rss_MiB"] = double(peakResidentKiB()) / 1024.0;
}

void BM_CompileBanner_ours(benchmark::State& state)
{
    BenchHost& bench = benchHost();
    if (!bench.ready()) {
        state.SkipWithError("bench_fade.lwx not built (build the tests)");
        return;
    }
    auto animation = makeBanner();
    const lw::AnimationCompiler compiler(bench.host);
    std::int64_t totalNs = 0, extensionNs = 0;
    std::size_t entries = 0;
    for (auto _ : state) {
        bench.reset();
        const auto start = std::chrono::steady_clock::now();
        compiler.compile(*animation);
        lw::FrameSequence sequence = compiler.buildSequence(*animation);
        entries = sequence.size();
        totalNs +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
                .count();
        extensionNs += bench.nanoseconds();
        benchmark::DoNotOptimize(sequence.first());
    }
    reportExtensionShare(state, extensionNs, totalNs);
    state.counters["entries"] = double(entries);
    state.counters["image_MiB"] = double(entries) * 468 * 60 * 4 / (1024.0 * 1024.0);
}

void BM_CompileBanner_peer(benchmark::State& state)
{
    BenchHost& bench = benchHost();
    if (!bench.ready()) {
        state.SkipWithError("bench_fade.lwx not built (build the tests)");
        return;
    }
    auto animation = makeBanner();
    const lw::LayerRect c = animation->canvasRect;
    const LWXRect canvas{c.left, c.top, c.right, c.bottom};
    const std::int32_t n = lw::stepsForSpeed(5);
    std::int64_t totalNs = 0, extensionNs = 0;
    for (auto _ : state) {
        bench.reset();
        const auto start = std::chrono::steady_clock::now();
        std::vector<lw::CRaster> images;
        images.reserve(static_cast<std::size_t>(kFrames * 2 * (n + 1)));
        for (const lw::CFrame* frame = animation->firstFrame.get(); frame; frame = frame->next.get())
            for (const std::int32_t s0 : {-(n + 1), 1})
                for (std::int32_t k = 0; k <= n; ++k) {
                    const std::int32_t s = s0 + k;
                    lw::CRaster& image = images.emplace_back(468, 60);
                    image.FillRect(0x00FFFFFF);
                    for (const lw::CLayerObject* o = frame->head.get(); o; o = o->next.get()) {
                        if ((s < 0 && s < -n) || s > n)
                            continue;
                        LWXEffectContext context{};
                        context.canvas = canvas;
                        context.home = context.current =
                            LWXRect{o->rect.left, o->rect.top, o->rect.right, o->rect.bottom};
                        context.frameCount = s < 0 ? -n : n;
                        context.speed = 5;
                        context.source = o->ownImage.bits();
                        const std::int32_t id = s < 0 ? kFadeIn : kFadeOut;
                        bench.host.prepare(id, context, s);
                        lw::CRaster target(o->width(), o->height());
                        context.target = target.bits();
                        bench.host.doRender(id, context, s);
                        target.CompositeOnto(image, o->rect.left - c.left, o->rect.top - c.top);
                    }
                }
        totalNs +=
            std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
                .count();
        extensionNs += bench.nanoseconds();
        benchmark::DoNotOptimize(images.data());
    }
    reportExtensionShare(state, extensionNs, totalNs);
}

} // namespace

BENCHMARK(BM_CompileBanner_ours)
    ->Name("compile_banner_20x5_very_slow/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_CompileBanner_peer)
    ->Name("compile_banner_20x5_very_slow/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

LW_BENCHMARK_MAIN()
