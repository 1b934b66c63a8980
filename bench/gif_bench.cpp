// The GIF codec against giflib on identical input in the same run: LZW encoding of the same
// index buffers (EGifPutLine), decoding the same files (DGifSlurp), building a 256-colour palette
// by median cut (GifQuantizeBuffer) and ReduceColours of a 1200 × 1200 photo-like raster
// (against GifQuantizeBuffer, which does not dither).
#include "bench/ratio_main.h"
#include "filters/scripted_ui_port.h"
#include "imaging/gif_animation.h"
#include "imaging/reduce_colours.h"

#include <cmath>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <random>

namespace {

// A banner: a horizontal gradient, a block moving across and a strip of "text" marks, with a
// little noise so that the frames hold a few hundred colours.
lw::CRaster bannerFrame(int index, std::mt19937& rng)
{
    const int w = 468, h = 60;
    lw::CRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t red = static_cast<std::uint32_t>(x * 255 / w);
            std::uint32_t green = static_cast<std::uint32_t>(y * 3 + 40);
            std::uint32_t blue = static_cast<std::uint32_t>(160 + (index % 20));
            if (x >= index * 4 && x < index * 4 + 40 && y > 10 && y < 50)
                red = 250, green = 220, blue = 30;
            if (y > 20 && y < 34 && (x / 6 + index) % 5 < 3 && x > 200 && x < 420)
                red = green = blue = 255;
            if (rng() % 16 == 0)
                green ^= 4;
            r.bits()[r.indexOf(x, y)] = red << 16 | (green & 0xFF) << 8 | blue;
        }
    return r;
}

// A photo-like picture: smooth gradients and curves with fine noise.
lw::CRaster photoFrame(int size, int index, std::mt19937& rng)
{
    lw::CRaster r(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double fx = static_cast<double>(x) / size, fy = static_cast<double>(y) / size;
            const int red = static_cast<int>(128 + 100 * std::sin(6 * fx + index * 0.3) * std::cos(4 * fy));
            const int green = static_cast<int>(255 * fy * (1 - fx * 0.5));
            const int blue = static_cast<int>(128 + 120 * std::sin(9 * (fx + fy) + index));
            const int noise = static_cast<int>(rng() % 9) - 4;
            auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
            r.bits()[r.indexOf(x, y)] =
                clamp(red + noise) << 16 | clamp(green + noise) << 8 | clamp(blue - noise);
        }
    return r;
}

struct FrameSet {
    std::vector<lw::CRaster> rasters;
    int width = 0, height = 0;
};

const FrameSet& banners()
{
    static const FrameSet set = [] {
        FrameSet s{{}, 468, 60};
        std::mt19937 rng(1);
        for (int i = 0; i < 100; ++i)
            s.rasters.push_back(bannerFrame(i, rng));
        return s;
    }();
    return set;
}

const FrameSet& photos()
{
    static const FrameSet set = [] {
        FrameSet s{{}, 1200, 1200};
        std::mt19937 rng(2);
        for (int i = 0; i < 10; ++i)
            s.rasters.push_back(photoFrame(1200, i, rng));
        return s;
    }();
    return set;
}

std::unique_ptr<lw::GifAnimation> animationOf(const FrameSet& set)
{
    auto gif = std::make_unique<lw::GifAnimation>();
    gif->SetScreenSize(set.width, set.height);
    gif->loopCount = 0;
    for (const lw::CRaster& r : set.rasters)
        gif->AddFrame(r).delay = 10;
    return gif;
}

// The set after colour reduction: our animation with its indices, ready to encode.
lw::GifAnimation& indexed(const FrameSet& set)
{
    static std::map<const FrameSet*, std::unique_ptr<lw::GifAnimation>> cache;
    auto& slot = cache[&set];
    if (!slot) {
        slot = animationOf(set);
        slot->CountColours();
        slot->BuildPalette(256);
    }
    return *slot;
}

const std::vector<std::uint8_t>& encodedFile(const FrameSet& set)
{
    static std::map<const FrameSet*, std::vector<std::uint8_t>> cache;
    auto& bytes = cache[&set];
    if (bytes.empty()) {
        lw::GifAnimation& gif = indexed(set);
        gif.EncodeFrames();
        bytes = gif.Write();
    }
    return bytes;
}

int writeToMemory(GifFileType* gif, const GifByteType* data, int n)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

struct MemoryInput {
    const std::vector<std::uint8_t>* bytes;
    std::size_t pos;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int n)
{
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    const std::size_t take = std::min<std::size_t>(in->bytes->size() - in->pos, static_cast<std::size_t>(n));
    std::memcpy(out, in->bytes->data() + in->pos, take);
    in->pos += take;
    return static_cast<int>(take);
}

void encodeOurs(benchmark::State& state, const FrameSet& set)
{
    lw::GifAnimation& gif = indexed(set);
    for (auto _ : state) {
        gif.EncodeFrames();
        std::vector<std::uint8_t> bytes = gif.Write();
        benchmark::DoNotOptimize(bytes.data());
    }
}

void encodePeer(benchmark::State& state, const FrameSet& set)
{
    lw::GifAnimation& gif = indexed(set);
    // giflib masks the line in place, so it gets its own copies (the values do not change).
    std::vector<std::vector<GifByteType>> lines;
    for (lw::GifFrame* f = gif.frames.get(); f; f = f->next.get())
        lines.emplace_back(f->indices.begin(), f->indices.end());
    std::vector<GifColorType> colours(gif.globalPaletteSize);
    for (int k = 0; k < gif.globalPaletteSize; ++k)
        colours[static_cast<std::size_t>(k)] = {(*gif.globalPalette)[k * 3], (*gif.globalPalette)[k * 3 + 1],
                                                (*gif.globalPalette)[k * 3 + 2]};
    for (auto _ : state) {
        std::vector<std::uint8_t> out;
        out.reserve(encodedFile(set).size());
        int error = 0;
        GifFileType* g = EGifOpen(&out, writeToMemory, &error);
        ColorMapObject* map = GifMakeMapObject(gif.globalPaletteSize, colours.data());
        EGifSetGifVersion(g, true);
        EGifPutScreenDesc(g, set.width, set.height, 8, 0, map);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            GraphicsControlBlock gcb{};
            gcb.DelayTime = 10;
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            GifByteType ext[4];
            EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(EGifGCBToExtension(&gcb, ext)), ext);
            EGifPutImageDesc(g, 0, 0, set.width, set.height, false, nullptr);
            EGifPutLine(g, lines[i].data(), set.width * set.height);
        }
        GifFreeMapObject(map);
        EGifCloseFile(g, &error);
        benchmark::DoNotOptimize(out.data());
    }
}

void decodeOurs(benchmark::State& state, const FrameSet& set)
{
    const auto& bytes = encodedFile(set);
    lw::ScriptedUiPort ui;
    for (auto _ : state) {
        lw::GifAnimation gif;
        gif.Read(bytes, ui);
        gif.DecodeFrames();
        benchmark::DoNotOptimize(gif.frames->indices.data());
    }
}

void decodePeer(benchmark::State& state, const FrameSet& set)
{
    const auto& bytes = encodedFile(set);
    for (auto _ : state) {
        MemoryInput in{&bytes, 0};
        int error = 0;
        GifFileType* g = DGifOpen(&in, readFromMemory, &error);
        DGifSlurp(g);
        benchmark::DoNotOptimize(g->SavedImages[0].RasterBits);
        DGifCloseFile(g, &error);
    }
}

void paletteOurs(benchmark::State& state, const FrameSet& set)
{
    auto gif = animationOf(set);
    for (auto _ : state) {
        gif->CountColours();
        gif->BuildPalette(256);
        benchmark::DoNotOptimize(gif->frames->indices.data());
    }
}

// giflib quantizes one buffer: every frame's planes end to end.
void quantizePeer(benchmark::State& state, const std::vector<const lw::CRaster*>& rasters)
{
    std::vector<GifByteType> red, green, blue;
    for (const lw::CRaster* r : rasters)
        for (int y = 0; y < r->height(); ++y)
            for (int x = 0; x < r->width(); ++x) {
                const std::uint32_t p = r->bits()[r->indexOf(x, y)];
                red.push_back(static_cast<GifByteType>(p >> 16));
                green.push_back(static_cast<GifByteType>(p >> 8));
                blue.push_back(static_cast<GifByteType>(p));
            }
    std::vector<GifByteType> out(red.size());
    std::vector<GifColorType> map(256);
    for (auto _ : state) {
        int size = 256;
        GifQuantizeBuffer(static_cast<unsigned>(red.size()), 1, &size, red.data(), green.data(), blue.data(),
                          out.data(), map.data());
        benchmark::DoNotOptimize(out.data());
    }
}

std::vector<const lw::CRaster*> pointers(const FrameSet& set)
{
    std::vector<const lw::CRaster*> out;
    for (const lw::CRaster& r : set.rasters)
        out.push_back(&r);
    return out;
}

void BM_Encode_ours_banner(benchmark::State& s)
{
    encodeOurs(s, banners());
}
void BM_Encode_peer_banner(benchmark::State& s)
{
    encodePeer(s, banners());
}
void BM_Encode_ours_photo(benchmark::State& s)
{
    encodeOurs(s, photos());
}
void BM_Encode_peer_photo(benchmark::State& s)
{
    encodePeer(s, photos());
}
void BM_Decode_ours_banner(benchmark::State& s)
{
    decodeOurs(s, banners());
}
void BM_Decode_peer_banner(benchmark::State& s)
{
    decodePeer(s, banners());
}
void BM_Decode_ours_photo(benchmark::State& s)
{
    decodeOurs(s, photos());
}
void BM_Decode_peer_photo(benchmark::State& s)
{
    decodePeer(s, photos());
}
void BM_Palette_ours_banner(benchmark::State& s)
{
    paletteOurs(s, banners());
}
void BM_Palette_peer_banner(benchmark::State& s)
{
    quantizePeer(s, pointers(banners()));
}
void BM_Palette_ours_photo(benchmark::State& s)
{
    paletteOurs(s, photos());
}
void BM_Palette_peer_photo(benchmark::State& s)
{
    quantizePeer(s, pointers(photos()));
}

void BM_ReduceColours_ours(benchmark::State& state)
{
    const lw::PackedDib dib = photos().rasters[0].ToPackedDib32();
    for (auto _ : state) {
        lw::PackedDib result = lw::ReduceColours(dib, 256);
        benchmark::DoNotOptimize(result.data());
    }
}
void BM_ReduceColours_peer(benchmark::State& s)
{
    quantizePeer(s, {&photos().rasters[0]});
}

// Coding, decoding and the palette share frames out among threads: their CPU time is the whole
// process's, and the ratio compares wall time.
void wholeProcess(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

} // namespace

BENCHMARK(BM_Encode_ours_banner)->Name("lzw_encode_100x468x60/ours")->Apply(wholeProcess);
BENCHMARK(BM_Encode_peer_banner)->Name("lzw_encode_100x468x60/peer")->Apply(wholeProcess);
BENCHMARK(BM_Encode_ours_photo)->Name("lzw_encode_10x1200x1200/ours")->Apply(wholeProcess);
BENCHMARK(BM_Encode_peer_photo)->Name("lzw_encode_10x1200x1200/peer")->Apply(wholeProcess);
BENCHMARK(BM_Decode_ours_banner)->Name("decode_100x468x60/ours")->Apply(wholeProcess);
BENCHMARK(BM_Decode_peer_banner)->Name("decode_100x468x60/peer")->Apply(wholeProcess);
BENCHMARK(BM_Decode_ours_photo)->Name("decode_10x1200x1200/ours")->Apply(wholeProcess);
BENCHMARK(BM_Decode_peer_photo)->Name("decode_10x1200x1200/peer")->Apply(wholeProcess);
BENCHMARK(BM_Palette_ours_banner)->Name("median_cut_100x468x60/ours")->Apply(wholeProcess);
BENCHMARK(BM_Palette_peer_banner)->Name("median_cut_100x468x60/peer")->Apply(wholeProcess);
BENCHMARK(BM_Palette_ours_photo)->Name("median_cut_10x1200x1200/ours")->Apply(wholeProcess);
BENCHMARK(BM_Palette_peer_photo)->Name("median_cut_10x1200x1200/peer")->Apply(wholeProcess);
BENCHMARK(BM_ReduceColours_ours)->Name("reduce_colours_1200x1200/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceColours_peer)->Name("reduce_colours_1200x1200/peer")->Unit(benchmark::kMillisecond);

LW_BENCHMARK_MAIN()
