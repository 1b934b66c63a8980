// A document of 100 frames of 728 × 90, each one full-frame bitmap layer (a 26 MB .lwd), made
// here rather than stored. Loading it is compared with reading the file's bytes; lwtool render of
// it with ImageMagick's convert -layers Optimize on the same frames as PNG, and lwtool render
// --no-optimise with lwtool render. Counters: peak resident memory of the lwtool process against
// the document's pixel bytes, the same without the program's fixed amount (the peak of rendering
// a one-frame document of the same canvas), and the output size.
#include "bench/ratio_main.h"

#include "filters/scripted_ui_port.h"
#include "model/bitmap_from_picture.h"
#include "model/document.h"
#include "model/document_file.h"
#include "model/lwd/lwd_writer.h"
#include "platform/file_io.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kWidth = 728, kHeight = 90, kFrames = 100;
constexpr double kPixelBytes = double(kWidth) * kHeight * kFrames * 4;

class AllEffects : public lw::EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return true; }
};

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

std::string buildDir()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/..";
}

// A photo-like banner: soft gradients that drift, a bright block crossing it and fine noise, so
// that every frame differs and colour reduction has real work.
lw::CRaster frameImage(int index, std::mt19937& rng)
{
    lw::CRaster r(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double fx = double(x) / kWidth, fy = double(y) / kHeight;
            int red = int(128 + 90 * std::sin(5 * fx + index * 0.05));
            int green = int(40 + 180 * fy);
            int blue = int(128 + 100 * std::cos(3 * (fx + fy)));
            if (x >= index * 6 && x < index * 6 + 60 && y > 15 && y < 75)
                red = 250, green = 210, blue = 40;
            const int noise = int(rng() % 5) - 2;
            auto c = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
            r.bits()[r.indexOf(x, y)] = c(red + noise) << 16 | c(green) << 8 | c(blue - noise);
        }
    return r;
}

struct Case {
    std::string document;
    std::string oneFrame; // the first frame alone
    std::vector<std::string> pngs;
};

const Case& bitmapDocument()
{
    static const Case c = [] {
        Case out;
        lw::CLWDoc doc;
        doc.animation.SetSize(kWidth, kHeight);
        std::mt19937 rng(7);
        out.oneFrame = workDir().filePath("one_frame.lwd").toStdString();
        lw::CFrame* frame = doc.animation.firstFrame.get();
        for (int i = 0; i < kFrames; ++i) {
            if (i > 0)
                frame = doc.animation.AppendFrame();
            frame->delay = 10;
            lw::CRaster image = frameImage(i, rng);
            const std::string png =
                workDir().filePath(QString("frame_%1.png").arg(i, 3, 10, QChar('0'))).toStdString();
            image.toQImage().save(QString::fromStdString(png));
            out.pngs.push_back(png);
            lw::CLayerObject* object =
                frame->AppendObject(lw::BitmapObjectFromRaster(std::move(image), false));
            frame->MoveObjectTo(object, doc.animation.canvasRect.left, doc.animation.canvasRect.top);
            if (i == 0)
                lw::writeFileAtomically(out.oneFrame, lw::WriteLwdDocument(doc));
        }
        out.document = workDir().filePath("bitmaps.lwd").toStdString();
        lw::writeFileAtomically(out.document, lw::WriteLwdDocument(doc));
        return out;
    }();
    return c;
}

// Runs a program to its end through bench/peak_memory; returns its peak resident memory in bytes,
// or -1 when it failed.
double runMeasured(const std::string& program, const std::vector<std::string>& args)
{
    const std::string launcher = QCoreApplication::applicationDirPath().toStdString() + "/peak_memory";
    const std::string peakFile = workDir().filePath("peak").toStdString();
    std::vector<std::string> all{launcher, peakFile, program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (::posix_spawn(&pid, launcher.c_str(), nullptr, nullptr, argv.data(), environ) != 0 ||
        ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const std::vector<std::uint8_t> text = lw::readFile(peakFile);
    return std::strtod(std::string(text.begin(), text.end()).c_str(), nullptr);
}

double fileSize(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : double(size);
}

void Load_ours(benchmark::State& state)
{
    const Case& c = bitmapDocument();
    lw::ScriptedUiPort ui;
    AllEffects catalog;
    for (auto _ : state) {
        lw::CLWDoc doc;
        lw::LoadDocument(doc, c.document, catalog, ui);
        benchmark::DoNotOptimize(doc.animation.firstFrame.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(fileSize(c.document)));
}

void Load_peer(benchmark::State& state)
{
    const Case& c = bitmapDocument();
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = lw::readFile(c.document);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(fileSize(c.document)));
}

void render(benchmark::State& state, const std::vector<std::string>& extra)
{
    const Case& c = bitmapDocument();
    const std::string out = workDir().filePath("ours.gif").toStdString();
    std::vector<std::string> args{"render", c.document, "-o", out, "--quiet"};
    args.insert(args.end(), extra.begin(), extra.end());
    double peak = 0;
    for (auto _ : state) {
        peak = runMeasured(buildDir() + "/lwtool", args);
        if (peak < 0)
            state.SkipWithError("lwtool render failed");
    }
    // The size is read before the one-frame run, which writes to a file of its own.
    state.counters["bytes"] = fileSize(out);
    std::vector<std::string> fixedArgs = args;
    fixedArgs[1] = c.oneFrame;
    fixedArgs[3] = workDir().filePath("one_frame.gif").toStdString();
    const double fixed = runMeasured(buildDir() + "/lwtool", fixedArgs);
    state.counters["peak_MiB"] = peak / (1024.0 * 1024.0);
    state.counters["peak_per_pixel_byte"] = peak / kPixelBytes;
    state.counters["beyond_fixed_per_pixel_byte"] = (peak - fixed) / kPixelBytes;
}

void Render_ours(benchmark::State& state)
{
    render(state, {});
}

void RenderNoOptimise_ours(benchmark::State& state)
{
    render(state, {"--no-optimise"});
}

void Convert_peer(benchmark::State& state)
{
    const Case& c = bitmapDocument();
    const std::string out = workDir().filePath("convert.gif").toStdString();
    std::vector<std::string> args{"-delay", "10"};
    args.insert(args.end(), c.pngs.begin(), c.pngs.end());
    args.insert(args.end(), {"-loop", "0", "-layers", "Optimize", out});
    for (auto _ : state)
        if (runMeasured("convert", args) < 0)
            state.SkipWithError("convert failed");
    state.counters["bytes"] = fileSize(out);
}

} // namespace

BENCHMARK(Load_ours)->Name("load_100x728x90_vs_read_bytes/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Load_peer)->Name("load_100x728x90_vs_read_bytes/peer")->Unit(benchmark::kMillisecond);
BENCHMARK(Render_ours)
    ->Name("render_100x728x90_vs_convert/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(Convert_peer)
    ->Name("render_100x728x90_vs_convert/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(RenderNoOptimise_ours)
    ->Name("render_no_optimise_vs_default_100x728x90/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(Render_ours)
    ->Name("render_no_optimise_vs_default_100x728x90/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

LW_BENCHMARK_MAIN()
