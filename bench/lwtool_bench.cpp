// Whole-process GIF rendering: lwtool render against ImageMagick's convert (-layers Optimize)
// and gifsicle -O2 on the same frames, for the example banner and a 100-frame 728 x 90
// document (that one also with --no-optimise). Besides time, each run reports the output size; the ratio
// lines compare time.
#include "bench/ratio_main.h"

#include "engine/animation_compiler.h"
#include "model/document.h"
#include "model/ellipse_object.h"
#include "model/lwd/lwd_writer.h"
#include "model/rect_object.h"
#include "platform/file_io.h"

#include "filters/scripted_ui_port.h"
#include "model/document_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

namespace {

struct Case {
    std::string document;          // the .lwd lwtool renders
    std::vector<std::string> pngs; // the same compiled images, for convert
    std::vector<int> delays;       // their delays
    std::string plainGif;          // the same images unoptimised, for gifsicle
};

std::string buildDir()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/..";
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

int runProcess(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000))
        return -1;
    return p.exitCode();
}

// A 100-frame 728 x 90 leaderboard: a striped band and a ball that crosses the banner.
std::string writeLeaderboard()
{
    lw::CLWDoc doc;
    lw::CAnimation& a = doc.animation;
    a.SetSize(728, 90);
    const lw::LayerRect c = a.canvasRect;
    for (int i = 0; i < 100; ++i) {
        lw::CFrame* f = i == 0 ? a.firstFrame.get() : a.AppendFrame();
        f->delay = 10;
        f->backgroundColour = 0xF0E0D0;
        auto band = std::make_unique<lw::CRectObject>();
        band->style.style = lw::kRectHorizontal;
        band->style.lineColour = 0x00306090;
        band->style.fillColour = 0x00F0C040;
        band->Resize({c.left, c.top + 60, c.right, c.top + 80});
        f->AppendObject(std::move(band));
        auto ball = std::make_unique<lw::CEllipseObject>();
        ball->colour = 0x00C02040;
        ball->style = lw::kEllipseAntialiased;
        const int x = c.left + i * 7;
        ball->Resize({x, c.top + 10, x + 40, c.top + 50});
        f->AppendObject(std::move(ball));
    }
    a.RenderAllFrames();
    const std::string path = workDir().filePath("leaderboard.lwd").toStdString();
    lw::writeFileAtomically(path, lw::WriteLwdDocument(doc));
    return path;
}

// Compiles the document and writes its images as PNG files and as an unoptimised GIF.
Case prepare(const std::string& name, const std::string& document)
{
    Case out;
    out.document = document;
    lw::ExtensionHost host;
    host.load(buildDir() + "/extensions");
    lw::CLWDoc doc;
    lw::ScriptedUiPort ui;
    lw::LoadDocument(doc, document, host, ui);
    doc.animation.RenderAllFrames();
    const lw::AnimationCompiler compiler(host);
    compiler.compile(doc.animation);
    const lw::FrameSequence sequence = compiler.buildSequence(doc.animation);
    int n = 0;
    for (const lw::SequenceFrame* e = sequence.first(); e; e = e->next.get(), ++n) {
        const std::string png =
            workDir()
                .filePath(QString::fromStdString(name) + QString("_%1.png").arg(n, 4, 10, QChar('0')))
                .toStdString();
        e->image->toQImage().save(QString::fromStdString(png));
        out.pngs.push_back(png);
        out.delays.push_back(e->delay);
    }
    out.plainGif = workDir().filePath(QString::fromStdString(name) + "_plain.gif").toStdString();
    runProcess(QString::fromStdString(buildDir() + "/lwtool"),
               {"render", QString::fromStdString(document), "-o", QString::fromStdString(out.plainGif),
                "--no-optimise", "--quiet"});
    return out;
}

const Case& example()
{
    static const Case c = prepare("example", buildDir() + "/examples/fashion.lwd");
    return c;
}

const Case& leaderboard()
{
    static const Case c = prepare("leaderboard", writeLeaderboard());
    return c;
}

double fileSize(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<double>(size);
}

void render(benchmark::State& state, const Case& c, const QStringList& options)
{
    const std::string out = workDir().filePath("ours.gif").toStdString();
    const QStringList args = QStringList{"render", QString::fromStdString(c.document), "-o",
                                         QString::fromStdString(out), "--quiet"} +
                             options;
    for (auto _ : state)
        runProcess(QString::fromStdString(buildDir() + "/lwtool"), args);
    state.counters["bytes"] = fileSize(out);
}

void ours(benchmark::State& state, const Case& (*input)())
{
    render(state, input(), {});
}

// Without frame optimisation, which must not cost more than the default.
void oursUnoptimised(benchmark::State& state, const Case& (*input)())
{
    render(state, input(), {"--no-optimise"});
}

void convertPeer(benchmark::State& state, const Case& (*input)())
{
    const Case& c = input();
    const std::string out = workDir().filePath("convert.gif").toStdString();
    QStringList args;
    for (std::size_t i = 0; i < c.pngs.size(); ++i)
        args << "-delay" << QString::number(c.delays[i]) << QString::fromStdString(c.pngs[i]);
    args << "-loop"
         << "0"
         << "-layers"
         << "Optimize" << QString::fromStdString(out);
    for (auto _ : state)
        if (runProcess("convert", args) != 0)
            state.SkipWithError("convert failed");
    state.counters["bytes"] = fileSize(out);
}

void gifsiclePeer(benchmark::State& state, const Case& (*input)())
{
    const Case& c = input();
    const std::string out = workDir().filePath("gifsicle.gif").toStdString();
    for (auto _ : state)
        if (runProcess("gifsicle",
                       {"-O2", QString::fromStdString(c.plainGif), "-o", QString::fromStdString(out)}) != 0)
            state.SkipWithError("gifsicle failed");
    state.counters["bytes"] = fileSize(out);
}

} // namespace

BENCHMARK_CAPTURE(ours, example, example)
    ->Name("example_vs_convert/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(convertPeer, example, example)
    ->Name("example_vs_convert/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(ours, example, example)
    ->Name("example_vs_gifsicle/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(gifsiclePeer, example, example)
    ->Name("example_vs_gifsicle/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(ours, leaderboard, leaderboard)
    ->Name("leaderboard100_vs_convert/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(convertPeer, leaderboard, leaderboard)
    ->Name("leaderboard100_vs_convert/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(ours, leaderboard, leaderboard)
    ->Name("leaderboard100_vs_gifsicle/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(gifsiclePeer, leaderboard, leaderboard)
    ->Name("leaderboard100_vs_gifsicle/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(oursUnoptimised, leaderboard, leaderboard)
    ->Name("leaderboard100_unoptimised_vs_gifsicle/ours")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(gifsiclePeer, leaderboard, leaderboard)
    ->Name("leaderboard100_unoptimised_vs_gifsicle/peer")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

LW_BENCHMARK_MAIN()
