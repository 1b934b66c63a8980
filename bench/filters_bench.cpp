// The heavy layer filters: Gaussian blur and drop shadow with radius 5 on a banner-sized and a
// workspace-sized layer, and smoothed rotation by 30 degrees of a workspace-sized layer against
// QImage::transformed with smooth transformation.
#include "filters/blur_filters.h"
#include "filters/shadow_filters.h"
#include "bench/ratio_main.h"
#include "imaging/raster_rotation.h"

#include <QImage>
#include <QTransform>
#include <random>

namespace {

// A picture with an opaque shape on a transparent field, as layers usually are.
lw::CRaster layerLike(int w, int h)
{
    lw::CRaster r(w, h);
    std::mt19937 rng(5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inside = x > w / 8 && x < w - w / 8 && y > h / 8 && y < h - h / 8;
            const std::uint32_t rgb =
                static_cast<std::uint32_t>((x * 255 / w) << 16 | (y * 255 / h) << 8 | (rng() & 0x3F));
            r.bits()[r.indexOf(x, y)] = (inside ? 0u : 0xFF000000u) | rgb;
        }
    return r;
}

void BM_GaussianBlur(benchmark::State& state)
{
    const lw::CRaster src = layerLike(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        lw::CRaster out = lw::makeGaussianBlur(src, 5);
        benchmark::DoNotOptimize(out.bits());
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) + 11) * (state.range(1) + 11));
}

void BM_DropShadow(benchmark::State& state)
{
    const lw::CRaster src = layerLike(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    lw::ShadowSettings settings = lw::dropShadowDefaults();
    settings.radius = 5;
    for (auto _ : state) {
        lw::CRaster out = lw::makeDropShadow(src, settings);
        benchmark::DoNotOptimize(out.bits());
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) + 13) * (state.range(1) + 13));
}

constexpr double kThirtyDegrees = 30 * 0.01745329251988889;

void BM_RotateSmooth_ours(benchmark::State& state)
{
    const lw::CRaster src = layerLike(1200, 1200);
    for (auto _ : state) {
        lw::CRaster out = lw::RotateRaster(src, kThirtyDegrees, 0xFFFFFFFF, true);
        benchmark::DoNotOptimize(out.bits());
    }
    const lw::RotatedSize size = lw::rotatedSize(1200, 1200, kThirtyDegrees);
    state.SetItemsProcessed(state.iterations() * size.width * size.height);
}

void BM_RotateSmooth_peer(benchmark::State& state)
{
    const QImage src = layerLike(1200, 1200).toQImageWithAlpha();
    for (auto _ : state) {
        QImage out = src.transformed(QTransform().rotate(30), Qt::SmoothTransformation);
        benchmark::DoNotOptimize(out.bits());
    }
    const lw::RotatedSize size = lw::rotatedSize(1200, 1200, kThirtyDegrees);
    state.SetItemsProcessed(state.iterations() * size.width * size.height);
}

} // namespace

BENCHMARK(BM_GaussianBlur)
    ->Name("GaussianBlur_r5_468x60/ours")
    ->Args({468, 60})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GaussianBlur)
    ->Name("GaussianBlur_r5_1200x1200/ours")
    ->Args({1200, 1200})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropShadow)->Name("DropShadow_r5_468x60/ours")->Args({468, 60})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropShadow)
    ->Name("DropShadow_r5_1200x1200/ours")
    ->Args({1200, 1200})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateSmooth_ours)->Name("RotateSmooth30_1200x1200/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateSmooth_peer)->Name("RotateSmooth30_1200x1200/peer")->Unit(benchmark::kMillisecond);

LW_BENCHMARK_MAIN()
