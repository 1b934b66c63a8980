// Loading and saving documents and opening animated GIFs as documents. Peers: Qt's QDataStream
// writing and reading the same frame pictures (the cost of moving the pixels alone), and giflib
// decoding and composing the same GIF.
#include "bench/ratio_main.h"
#include "filters/scripted_ui_port.h"
#include "imaging/gif_animation.h"
#include "model/bitmap_from_picture.h"
#include "model/document.h"
#include "model/gif_document_import.h"
#include "model/lwd/lwd_reader.h"
#include "model/lwd/lwd_writer.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>

#include <gif_lib.h>

#include <cstring>

namespace {

class AllEffects : public lw::EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return true; }
};

lw::CRaster pattern(int w, int h, int seed)
{
    lw::CRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.bits()[r.indexOf(x, y)] = static_cast<std::uint32_t>(((x + seed) * 7 & 0xFF) << 16 |
                                                                   ((y * 5 + seed) & 0xFF) << 8 | (x ^ y));
    return r;
}

// 100 frames of 468 × 60, each with one full-canvas bitmap object.
void buildDocument(lw::CLWDoc& doc)
{
    doc.animation.SetSize(468, 60);
    lw::CFrame* frame = doc.animation.firstFrame.get();
    for (int i = 0; i < 100; ++i) {
        if (i > 0)
            frame = doc.animation.AppendFrame();
        lw::CLayerObject* object =
            frame->AppendObject(lw::BitmapObjectFromRaster(pattern(468, 60, i), false));
        frame->MoveObjectTo(object, doc.animation.canvasRect.left, doc.animation.canvasRect.top);
    }
}

std::vector<std::uint8_t> animatedGif(int w, int h, int frames)
{
    lw::GifAnimation gif;
    gif.SetScreenSize(w, h);
    gif.loopCount = 0;
    std::vector<lw::CRaster> rasters;
    for (int i = 0; i < frames; ++i)
        gif.AddFrame(pattern(w, h, i * 3)).delay = 10;
    gif.CountColours();
    gif.BuildPalette(256);
    gif.EncodeFrames();
    return gif.Write();
}

void SaveDocument_ours(benchmark::State& state)
{
    lw::CLWDoc doc;
    buildDocument(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(lw::WriteLwdDocument(doc));
}
BENCHMARK(SaveDocument_ours)->Name("SaveDocument100x468x60/ours")->Unit(benchmark::kMillisecond);

void SaveDocument_peer(benchmark::State& state)
{
    std::vector<QImage> images;
    for (int i = 0; i < 100; ++i)
        images.push_back(pattern(468, 60, i).toQImageWithAlpha());
    for (auto _ : state) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        for (const QImage& image : images)
            out.writeRawData(reinterpret_cast<const char*>(image.constBits()),
                             static_cast<int>(image.sizeInBytes()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(SaveDocument_peer)->Name("SaveDocument100x468x60/peer")->Unit(benchmark::kMillisecond);

void LoadDocument_ours(benchmark::State& state)
{
    std::vector<std::uint8_t> bytes;
    {
        lw::CLWDoc doc;
        buildDocument(doc);
        bytes = lw::WriteLwdDocument(doc);
    }
    lw::ScriptedUiPort ui;
    AllEffects catalog;
    for (auto _ : state) {
        lw::CLWDoc doc;
        lw::ReadLwdDocument(doc, bytes, catalog, ui);
        benchmark::DoNotOptimize(doc.animation.firstFrame->image.bits());
    }
}
BENCHMARK(LoadDocument_ours)->Name("LoadDocument100x468x60/ours")->Unit(benchmark::kMillisecond);

void LoadDocument_peer(benchmark::State& state)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        for (int i = 0; i < 100; ++i) {
            const QImage image = pattern(468, 60, i).toQImageWithAlpha();
            out.writeRawData(reinterpret_cast<const char*>(image.constBits()),
                             static_cast<int>(image.sizeInBytes()));
        }
    }
    for (auto _ : state) {
        QDataStream in(bytes);
        std::vector<QImage> images;
        for (int i = 0; i < 100; ++i) {
            QImage image(468, 60, QImage::Format_ARGB32);
            in.readRawData(reinterpret_cast<char*>(image.bits()), static_cast<int>(image.sizeInBytes()));
            images.push_back(std::move(image));
        }
        benchmark::DoNotOptimize(images.data());
    }
}
BENCHMARK(LoadDocument_peer)->Name("LoadDocument100x468x60/peer")->Unit(benchmark::kMillisecond);

void OpenGif_ours(benchmark::State& state)
{
    const auto bytes = animatedGif(728, 90, 100);
    lw::ScriptedUiPort ui;
    for (auto _ : state) {
        ui.queueGifImport(lw::GifImportAnswer{true, lw::GifImportMode::Full});
        lw::CLWDoc doc;
        lw::OpenGifDocument(doc, bytes, "bench.gif", ui);
        benchmark::DoNotOptimize(doc.animation.firstFrame->image.bits());
    }
}
BENCHMARK(OpenGif_ours)->Name("OpenGifFull100x728x90/ours")->Unit(benchmark::kMillisecond);

struct Reader {
    const std::vector<std::uint8_t>* data;
    std::size_t pos = 0;
};

int readGif(GifFileType* file, GifByteType* out, int length)
{
    auto* r = static_cast<Reader*>(file->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), r->data->size() - r->pos);
    std::memcpy(out, r->data->data() + r->pos, n);
    r->pos += n;
    return static_cast<int>(n);
}

void OpenGif_peer(benchmark::State& state)
{
    const auto bytes = animatedGif(728, 90, 100);
    for (auto _ : state) {
        Reader reader{&bytes};
        int error = 0;
        GifFileType* file = DGifOpen(&reader, readGif, &error);
        DGifSlurp(file);
        // Compose every image onto the screen and keep a copy per frame, as the full import does.
        std::vector<std::uint32_t> screen(static_cast<std::size_t>(file->SWidth) * file->SHeight, 0);
        std::vector<std::vector<std::uint32_t>> frames;
        for (int i = 0; i < file->ImageCount; ++i) {
            const SavedImage& image = file->SavedImages[i];
            const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file->SColorMap;
            for (int y = 0; y < image.ImageDesc.Height; ++y)
                for (int x = 0; x < image.ImageDesc.Width; ++x) {
                    const GifColorType c = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
                    screen[static_cast<std::size_t>((y + image.ImageDesc.Top) * file->SWidth + x +
                                                    image.ImageDesc.Left)] =
                        static_cast<std::uint32_t>(c.Red << 16 | c.Green << 8 | c.Blue);
                }
            frames.push_back(screen);
        }
        benchmark::DoNotOptimize(frames.data());
        DGifCloseFile(file, &error);
    }
}
BENCHMARK(OpenGif_peer)->Name("OpenGifFull100x728x90/peer")->Unit(benchmark::kMillisecond);

} // namespace

LW_BENCHMARK_MAIN();
