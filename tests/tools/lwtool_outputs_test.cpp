// lwtool through the built binary: GIF, AVI, HTML and frame outputs checked with independent
// readers (giflib, FFmpeg), and every error path with its exit status.
#include "support/avi_readback.h"
#include "support/lwtool_runner.h"

#include "output/html_page.h"
#include "platform/file_io.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gif_lib.h>
#include <gtest/gtest.h>

using lwtest::runLwtool;

namespace {

struct GifInfo {
    int frames = 0;
    int width = 0, height = 0;
    int loopCount = -1; // -1: no looping extension
    std::vector<int> delays;
    std::vector<std::vector<std::uint32_t>> colours; // each frame's own pixels, 0xRRGGBB
};

GifInfo readGif(const std::string& path)
{
    GifInfo info;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif)
        return info;
    if (DGifSlurp(gif) == GIF_OK) {
        info.frames = gif->ImageCount;
        info.width = gif->SWidth;
        info.height = gif->SHeight;
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GraphicsControlBlock gcb{};
            DGifSavedExtensionToGCB(gif, i, &gcb);
            info.delays.push_back(gcb.DelayTime);
            for (int e = 0; e < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && e + 1 < image.ExtensionBlockCount)
                    info.loopCount =
                        image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
            }
            const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            std::vector<std::uint32_t> px;
            for (int p = 0; p < image.ImageDesc.Width * image.ImageDesc.Height; ++p) {
                const GifColorType c = map->Colors[image.RasterBits[p]];
                px.push_back(static_cast<std::uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
            }
            info.colours.push_back(px);
        }
    }
    DGifCloseFile(gif, &error);
    return info;
}

// An animated GIF written by ImageMagick: solid frames of the given colours and delays.
std::string imageMagickGif(const QTemporaryDir& dir, const std::string& name, int w, int h,
                           const std::vector<std::pair<std::string, int>>& frames)
{
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    QStringList args{"-size", QString("%1x%2").arg(w).arg(h)};
    for (const auto& [colour, delay] : frames)
        args << "-delay" << QString::number(delay) << QString::fromStdString("xc:" + colour);
    args << "-loop"
         << "0" << QString::fromStdString(path);
    QProcess convert;
    convert.start("convert", args);
    if (!convert.waitForFinished(60000) || convert.exitCode() != 0)
        return {};
    return path;
}

std::string exampleDocument()
{
    return lwtest::buildDir() + "/examples/fashion.lwd";
}

std::vector<std::string> quiet(std::vector<std::string> args)
{
    args.push_back("--quiet");
    return args;
}

} // namespace

TEST(LwtoolRender, ImageMagickGifKeepsFramesDelaysAndColours)
{
    QTemporaryDir dir;
    const std::string in = imageMagickGif(dir, "im.gif", 20, 10, {{"red", 20}, {"blue", 35}, {"lime", 10}});
    if (in.empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string out = dir.filePath("out.gif").toStdString();
    const auto run = runLwtool(quiet({"render", in, "-o", out, "--no-optimise"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const GifInfo gif = readGif(out);
    ASSERT_EQ(gif.frames, 3);
    EXPECT_EQ(gif.width, 20);
    EXPECT_EQ(gif.height, 10);
    EXPECT_EQ(gif.delays, (std::vector<int>{20, 35, 10}));
    EXPECT_EQ(gif.loopCount, 0);
    EXPECT_EQ(gif.colours[0][0], 0xFF0000u);
    EXPECT_EQ(gif.colours[1][123], 0x0000FFu);
    EXPECT_EQ(gif.colours[2][199], 0x00FF00u);
}

TEST(LwtoolRender, FfmpegGifAndOptimisedOutput)
{
    QTemporaryDir dir;
    const std::string in = dir.filePath("ff.gif").toStdString();
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=64x32:rate=10:duration=0.5", "-vf",
                  "split[a][b];[a]palettegen[p];[b][p]paletteuse", QString::fromStdString(in)});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        GTEST_SKIP() << "FFmpeg could not write a GIF here";
    const std::string out = dir.filePath("out.gif").toStdString();
    const auto run = runLwtool({"render", in, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("frames optimised"), std::string::npos) << run.err;
    const GifInfo gif = readGif(out);
    EXPECT_EQ(gif.width, 64);
    EXPECT_EQ(gif.height, 32);
    EXPECT_GE(gif.frames, 2);
}

TEST(LwtoolRender, ExampleDocumentRendersTheSameBytesTwice)
{
    QTemporaryDir dir;
    const std::string a = dir.filePath("a.gif").toStdString();
    const std::string b = dir.filePath("b.gif").toStdString();
    ASSERT_EQ(runLwtool(quiet({"render", exampleDocument(), "-o", a})).exitCode, 0);
    ASSERT_EQ(runLwtool(quiet({"render", exampleDocument(), "-o", b})).exitCode, 0);
    EXPECT_EQ(lw::readFile(a), lw::readFile(b));
    const GifInfo gif = readGif(a);
    EXPECT_EQ(gif.width, 468);
    EXPECT_EQ(gif.height, 60);
    EXPECT_GT(gif.frames, 3) << "intro, outro and transition steps add images";
    EXPECT_EQ(gif.loopCount, 0);
    // One frame alone, played once as a single frame: its first image fills the whole screen.
    const std::string single = dir.filePath("single.gif").toStdString();
    ASSERT_EQ(runLwtool(quiet({"render", exampleDocument(), "-o", single, "--frame", "3", "--no-optimise"}))
                  .exitCode,
              0);
    const GifInfo one = readGif(single);
    ASSERT_GE(one.frames, 1);
    EXPECT_EQ(one.colours[0].size(), 468u * 60u);
}

TEST(LwtoolRender, TransparentBackgroundColour)
{
    QTemporaryDir dir;
    const std::string in = imageMagickGif(dir, "t.gif", 8, 8, {{"white", 10}, {"black", 10}});
    if (in.empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string out = dir.filePath("out.gif").toStdString();
    ASSERT_EQ(runLwtool(quiet({"render", in, "-o", out, "--transparent", "000000"})).exitCode, 0);
    int error = 0;
    GifFileType* gif = DGifOpenFileName(out.c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    GraphicsControlBlock gcb{};
    DGifSavedExtensionToGCB(gif, 1, &gcb);
    ASSERT_NE(gcb.TransparentColor, NO_TRANSPARENT_COLOR);
    const GifColorType c = gif->SColorMap->Colors[gcb.TransparentColor];
    EXPECT_EQ(c.Red + c.Green + c.Blue, 0) << "black is the transparent entry";
    DGifCloseFile(gif, &error);
}

TEST(LwtoolAvi, SamplesAtStartTimesAndTheLastOneRepeated)
{
    QTemporaryDir dir;
    const std::string in = imageMagickGif(dir, "d.gif", 16, 8, {{"red", 10}, {"blue", 20}, {"lime", 30}});
    if (in.empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string out = dir.filePath("d.avi").toStdString();
    const auto run = runLwtool(quiet({"avi", in, "-o", out}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const lwtest::ReadBack back = lwtest::readAvi(out);
    ASSERT_EQ(back.samples.size(), 4u);
    EXPECT_EQ(back.samples[0].position, 0);
    EXPECT_EQ(back.samples[1].position, 10);
    EXPECT_EQ(back.samples[2].position, 30);
    EXPECT_EQ(back.samples[3].position, 60);
    EXPECT_EQ(back.timeBase.den, 100);

    const std::string one = imageMagickGif(dir, "one.gif", 4, 4, {{"red", 50}});
    const std::string oneAvi = dir.filePath("one.avi").toStdString();
    ASSERT_EQ(runLwtool(quiet({"avi", one, "-o", oneAvi})).exitCode, 0);
    const lwtest::ReadBack single = lwtest::readAvi(oneAvi);
    ASSERT_EQ(single.samples.size(), 2u);
    // The second sample comes at the end of the one frame's delay, whatever the GIF import gave it.
    const auto info = runLwtool({"info", one, "--json"});
    const int delay = QJsonDocument::fromJson(QByteArray::fromStdString(info.out))
                          .object()["frames"]
                          .toArray()[0]
                          .toObject()["delay"]
                          .toInt();
    EXPECT_GE(delay, 10);
    EXPECT_EQ(single.samples[1].position, delay);

    const auto list = runLwtool({"avi", "--codec", "list"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.rfind("rawvideo", 0), 0u) << "the default codec comes first";
}

TEST(LwtoolHtml, PageBesideTheGifByteForByte)
{
    QTemporaryDir dir;
    const std::string in = imageMagickGif(dir, "banner.gif", 468, 60, {{"red", 10}});
    if (in.empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    for (const std::string link : {"", "http://shop.example/sale"}) {
        std::vector<std::string> args{"html", in, "--alt", "Sale"};
        if (!link.empty())
            args.insert(args.end(), {"--link", link});
        const auto run = runLwtool(quiet(args));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string page = dir.filePath("banner.htm").toStdString();
        EXPECT_EQ(run.out, page + "\n");
        const auto bytes = lw::readFile(page);
        lw::HtmlPageInput expected{in, link, "Sale", 468, 60};
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), lw::buildHtmlPage(expected));
        EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("<IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60"),
                  std::string::npos);
    }
}

TEST(LwtoolFrame, ExportsOneFrameInEachFormat)
{
    QTemporaryDir dir;
    const std::string in = imageMagickGif(dir, "f.gif", 12, 6, {{"red", 10}, {"blue", 10}});
    if (in.empty())
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    for (const char* ext : {"gif", "jpg", "bmp"}) {
        const std::string out = dir.filePath(QString("second.%1").arg(ext)).toStdString();
        const auto run = runLwtool(quiet({"frame", in, "-o", out, "--frame", "2"}));
        ASSERT_EQ(run.exitCode, 0) << ext << ": " << run.err;
        const QImage image(QString::fromStdString(out));
        ASSERT_FALSE(image.isNull()) << ext;
        EXPECT_EQ(image.size(), QSize(12, 6));
        const QRgb p = image.pixel(6, 3);
        EXPECT_LT(qRed(p), 40) << ext;
        EXPECT_GT(qBlue(p), 215) << ext;
    }
}

TEST(LwtoolInfo, DescribesTheExampleDocument)
{
    const auto run = runLwtool({"info", exampleDocument(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(doc["width"].toInt(), 468);
    EXPECT_EQ(doc["height"].toInt(), 60);
    EXPECT_FALSE(doc["link"].toString().isEmpty());
    const QJsonArray frames = doc["frames"].toArray();
    ASSERT_GE(frames.size(), 3);
    QStringList kinds;
    for (const auto& f : frames)
        for (const auto& l : f.toObject()["layers"].toArray())
            kinds << l.toObject()["kind"].toString();
    for (const char* kind : {"bitmap", "text", "rectangle", "ellipse", "clone"})
        EXPECT_TRUE(kinds.contains(kind)) << kind;
    const auto text = runLwtool({"info", exampleDocument()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("468 x 60"), std::string::npos);
}

TEST(LwtoolErrors, ExitStatusesMessagesAndNoPartialOutput)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.gif").toStdString();
    auto expectFailure = [&](std::vector<std::string> args, int code, const std::string& named) {
        const auto run = runLwtool(args);
        EXPECT_EQ(run.exitCode, code) << args[0] << ": " << run.err;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    };
    expectFailure({"render", dir.filePath("missing.lwd").toStdString(), "-o", out}, 3, "missing.lwd");
    const std::string junk = dir.filePath("junk.lwd").toStdString();
    {
        std::vector<std::uint8_t> bytes = {'L', 'W', 'D', 'F', '1', '.', '3', 0, 1, 2, 3};
        lw::writeFileAtomically(junk, bytes);
    }
    expectFailure({"render", junk, "-o", out, "--quiet"}, 3, "junk.lwd");
    expectFailure(
        {"render", exampleDocument(), "-o", dir.filePath("no/folder/x.gif").toStdString(), "--quiet"}, 4,
        "x.gif");
    expectFailure({"render", exampleDocument(), "-o", out, "--frame", "99"}, 2, "frame 99");
    expectFailure({"frame", exampleDocument(), "-o", dir.filePath("x.png").toStdString()}, 2, "x.png");
    expectFailure({"avi", exampleDocument(), "-o", dir.filePath("x.avi").toStdString(), "--codec", "nope"}, 2,
                  "nope");
    EXPECT_FALSE(std::filesystem::exists(out));
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        files += e.path().filename() != "junk.lwd";
    EXPECT_EQ(files, 0) << "no partial or temporary output is left";
}
