// CompositeOnto and Resample of a 1200 x 1200 raster against the nearest Qt operations on the
// same pixels: QPainter SourceOver and QImage::scaled with smooth transformation.
#include "bench/ratio_main.h"
#include "imaging/raster.h"

#include <QImage>
#include <QPainter>
#include <random>

namespace {

constexpr int kSize = 1200;

lw::CRaster photoLike(std::uint32_t seed, bool varyTransparency)
{
    lw::CRaster r(kSize, kSize);
    std::mt19937 rng(seed);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const std::uint32_t t = varyTransparency ? (rng() % 4 == 0 ? 255u : rng() % 256) : 0u;
            const std::uint32_t rgb = static_cast<std::uint32_t>((x * 255 / kSize) << 16 | (y * 255 / kSize) << 8 | (rng() & 0x3F));
            r.bits()[r.indexOf(x, y)] = t << 24 | rgb;
        }
    return r;
}

void BM_CompositeOnto_ours(benchmark::State& state)
{
    const lw::CRaster src = photoLike(1, true);
    const lw::CRaster base = photoLike(2, false);
    lw::CRaster dst;
    for (auto _ : state) {
        state.PauseTiming();
        dst = base;
        state.ResumeTiming();
        src.CompositeOnto(dst, 0, 0);
        benchmark::DoNotOptimize(dst.bits());
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void BM_CompositeOnto_peer(benchmark::State& state)
{
    const QImage src = photoLike(1, true).toQImageWithAlpha();
    const QImage base = photoLike(2, false).toQImageWithAlpha();
    QImage dst;
    for (auto _ : state) {
        state.PauseTiming();
        dst = base.copy();
        state.ResumeTiming();
        QPainter p(&dst);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(0, 0, src);
        p.end();
        benchmark::DoNotOptimize(dst.bits());
    }
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void BM_Resample_ours(benchmark::State& state)
{
    const lw::CRaster src = photoLike(3, true);
    const int target = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        lw::CRaster r = src;
        state.ResumeTiming();
        r.Resample(target, target);
        benchmark::DoNotOptimize(r.bits());
    }
}

void BM_Resample_peer(benchmark::State& state)
{
    const QImage src = photoLike(3, true).toQImageWithAlpha();
    const int target = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QImage r = src.scaled(target, target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(r.bits());
    }
}

} // namespace

BENCHMARK(BM_CompositeOnto_ours)->Name("CompositeOnto_1200x1200/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompositeOnto_peer)->Name("CompositeOnto_1200x1200/peer")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resample_ours)->Name("Resample_1200_to_500/ours")->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resample_peer)->Name("Resample_1200_to_500/peer")->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resample_ours)->Name("Resample_1200_to_1700/ours")->Arg(1700)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resample_peer)->Name("Resample_1200_to_1700/peer")->Arg(1700)->Unit(benchmark::kMillisecond);

LW_BENCHMARK_MAIN()
