// Our reader against giflib on GIFs written by other programs, generated at test time.
#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "platform/file_io.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace lw;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Every frame's own pixels (colour, T = 255 where transparent) as our reader gives them must
// equal giflib's, as must the frame geometry, delays and the loop count.
void expectSameAsGiflib(const Bytes& bytes, const std::string& name)
{
    SCOPED_TRACE(name);
    const auto ref = lwtest::giflibDecode(bytes);
    ASSERT_TRUE(ref.ok) << ref.error;
    GifAnimation gif;
    ScriptedUiPort ui;
    ASSERT_EQ(gif.Read(bytes, ui), 1);
    gif.DecodeFrames();
    gif.FramesToRasters();
    ASSERT_EQ(gif.frameCount(), static_cast<int>(ref.frames.size()));
    EXPECT_EQ(gif.screenWidth, ref.screenWidth);
    EXPECT_EQ(gif.screenHeight, ref.screenHeight);
    EXPECT_EQ(gif.loopCount, ref.loopCount);
    EXPECT_EQ(gif.animated, ref.frames.size() > 1 ? 1 : 0);
    int i = 0;
    for (const GifFrame* f = gif.frames.get(); f; f = f->next.get(), ++i) {
        const auto& r = ref.frames[static_cast<std::size_t>(i)];
        EXPECT_EQ(f->left, r.left) << i;
        EXPECT_EQ(f->top, r.top) << i;
        EXPECT_EQ(f->width, r.width) << i;
        EXPECT_EQ(f->height, r.height) << i;
        EXPECT_EQ(f->delay, r.delay) << i;
        EXPECT_EQ(f->interlaced != 0, r.interlaced) << i;
        EXPECT_EQ(lwtest::topDownRgb(f->raster), r.pixels) << i;
    }
}

class ToolGifs : public ::testing::Test {
protected:
    void SetUp() override { folder_ = lwtest::makeTempFolder("gifx"); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Runs the command in the temporary folder and returns the named output.
    Bytes make(const std::string& command, const std::string& output)
    {
        if (!lwtest::runCommand("cd '" + folder_ + "' && " + command))
            return {};
        return readFile(path(output));
    }
    void requireTool(const std::string& tool)
    {
        if (!lwtest::haveTool(tool))
            GTEST_SKIP() << tool << " is not installed (scripts/setup-debian.sh installs it)";
    }
    std::string folder_;
};

} // namespace

TEST_F(ToolGifs, WrittenByGiflib)
{
    // Three frames, the second interlaced and transparent, over a 100-colour table.
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < 100; ++i)
        colours.push_back(static_cast<std::uint32_t>(i * 0x020301));
    std::vector<lwtest::ReferenceImage> images;
    std::mt19937 rng(5);
    for (int k = 0; k < 3; ++k) {
        lwtest::ReferenceImage image;
        image.width = 37;
        image.height = 29;
        image.interlaced = k == 1;
        image.transparentIndex = k == 1 ? 7 : -1;
        image.delay = 10 * (k + 1);
        for (int i = 0; i < image.width * image.height; ++i)
            image.indices.push_back(static_cast<std::uint8_t>(k == 2 ? i / 37 : rng() % 100));
        images.push_back(image);
    }
    expectSameAsGiflib(lwtest::giflibEncode(37, 29, colours, images), "giflib");
}

TEST_F(ToolGifs, WrittenByImageMagick)
{
    requireTool("convert");
    expectSameAsGiflib(make("convert -size 64x48 gradient:red-blue -colors 64 a.gif", "a.gif"), "gradient");
    expectSameAsGiflib(make("convert -seed 1 -size 50x37 plasma:fractal -interlace GIF b.gif", "b.gif"),
                       "interlaced");
    expectSameAsGiflib(make("convert -delay 20 -size 40x30 xc:red \\( -size 40x30 xc:blue -fill yellow -draw "
                            "'circle 20,15 20,5' \\) -loop 0 c.gif",
                            "c.gif"),
                       "animation");
    expectSameAsGiflib(
        make("convert -delay 7 -seed 2 -size 30x20 plasma:fractal \\( +clone -fill white -draw "
             "'rectangle 5,5 12,12' \\) \\( +clone -fill black -draw 'rectangle 15,2 25,8' \\) "
             "-layers Optimize -loop 3 d.gif",
             "d.gif"),
        "optimised layers");
}

TEST_F(ToolGifs, WrittenByFfmpeg)
{
    requireTool("ffmpeg");
    expectSameAsGiflib(
        make("ffmpeg -loglevel error -f lavfi -i testsrc=size=64x48:rate=5 -t 1 -y a.gif", "a.gif"),
        "testsrc");
    expectSameAsGiflib(
        make("ffmpeg -loglevel error -f lavfi -i mandelbrot=size=80x60:rate=4 -t 1 -loop -1 -y b.gif",
             "b.gif"),
        "mandelbrot, no loop");
}

TEST_F(ToolGifs, WrittenByGifsicle)
{
    requireTool("gifsicle");
    requireTool("convert");
    ASSERT_TRUE(
        lwtest::runCommand("cd '" + folder_ +
                           "' && convert -delay 20 -size 40x30 xc:red \\( -size 40x30 xc:blue -fill yellow "
                           "-draw 'circle 20,15 20,5' \\) -loop 0 in.gif && convert -size 64x48 "
                           "gradient:red-blue -colors 64 grad.gif"));
    expectSameAsGiflib(make("gifsicle -O3 --colors 16 in.gif -o a.gif", "a.gif"), "optimised");
    expectSameAsGiflib(make("gifsicle --interlace grad.gif -o b.gif", "b.gif"), "interlaced");
    expectSameAsGiflib(make("gifsicle --crop 10,5+20x20 --no-loopcount in.gif -o c.gif", "c.gif"), "cropped");
}

TEST(GifRoundTrip, OurWriterThroughOurReaderAndGiflib)
{
    // Median-cut output: giflib must see exactly our palette colours at our indices, and our
    // reader must give the same pixels.
    CRaster photo(120, 90);
    std::mt19937 rng(11);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            photo.bits()[photo.indexOf(x, y)] =
                static_cast<std::uint32_t>((x * 2) << 16 | (y * 2) << 8 | static_cast<int>(rng() % 64));
    GifAnimation gif;
    gif.SetScreenSize(120, 90);
    gif.AddFrame(photo);
    EXPECT_EQ(gif.CountColours(), 257);
    gif.BuildPalette(64);
    gif.EncodeFrames();
    const Bytes bytes = gif.Write();
    const auto ref = lwtest::giflibDecode(bytes);
    ASSERT_TRUE(ref.ok);
    const GifFrame& f = *gif.frames;
    for (std::size_t i = 0; i < f.indices.size(); ++i)
        ASSERT_EQ(ref.frames[0].pixels[i], gif.palette.paletteRgb[f.indices[i]]) << i;
    expectSameAsGiflib(bytes, "ours");
}
