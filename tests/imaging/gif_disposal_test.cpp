// Frames composed the way GIF viewers show them: transparent start, transparent pixels leave what
// is below, disposal 2 clears the frame's area, disposal 3 restores the picture before it. Checked
// by hand on small cases and against ImageMagick's -coalesce on GIFs from other programs.
#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "imaging/gif_screen.h"
#include "platform/file_io.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lw;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Picture = std::vector<std::uint32_t>;

// Our composed frames, 0 where transparent and 0xFF000000 | colour where opaque.
std::vector<Picture> composed(const Bytes& bytes)
{
    GifAnimation gif;
    ScriptedUiPort ui;
    if (gif.Read(bytes, ui) != 1)
        return {};
    gif.DecodeFrames();
    gif.FramesToRasters();
    const auto sequence = gif.ToAnimation();
    std::vector<Picture> out;
    for (const SequenceFrame* f = sequence->first(); f; f = f->next.get()) {
        Picture p;
        for (std::uint32_t v : lwtest::topDownRgb(*f->image))
            p.push_back(v >> 24 == 255 ? 0u : (0xFF000000u | (v & 0xFFFFFF)));
        out.push_back(std::move(p));
    }
    return out;
}

// Palette: 0 transparent black, 1 red, 2 blue, 3 green.
const std::vector<std::uint32_t> kColours{0x000000, 0xFF0000, 0x0000FF, 0x00FF00};
constexpr std::uint32_t T = 0, R = 0xFFFF0000, B = 0xFF0000FF, G = 0xFF00FF00;

lwtest::ReferenceImage square(int left, int top, int disposal, std::uint8_t index = 1)
{
    lwtest::ReferenceImage image;
    image.width = 2;
    image.height = 2;
    image.left = left;
    image.top = top;
    image.disposal = disposal;
    image.transparentIndex = 0;
    image.indices = {index, index, index, 0}; // the bottom-right pixel transparent
    return image;
}

} // namespace

TEST(GifDisposal, EachMethodOnAMovingSquare)
{
    // A 6 × 2 screen: a blue frame with a transparent hole, then a red square at (1, 0), then a
    // green one at (3, 0). What the third picture shows depends on the square's disposal.
    lwtest::ReferenceImage base;
    base.width = 6;
    base.height = 2;
    base.transparentIndex = 0;
    base.indices = {2, 2, 2, 2, 2, 0, 2, 2, 2, 2, 2, 2};
    struct Case {
        int disposal;
        Picture second, third;
    };
    const Case cases[] = {
        {0, {B, R, R, B, B, T, B, R, B, B, B, B}, {B, R, G, G, B, T, B, R, G, B, B, B}},
        {1, {B, R, R, B, B, T, B, R, B, B, B, B}, {B, R, G, G, B, T, B, R, G, B, B, B}},
        {2, {B, R, R, B, B, T, B, R, B, B, B, B}, {B, T, G, G, B, T, B, T, G, B, B, B}},
        {3, {B, R, R, B, B, T, B, R, B, B, B, B}, {B, B, G, G, B, T, B, B, G, B, B, B}},
        {5, {B, R, R, B, B, T, B, R, B, B, B, B}, {B, R, G, G, B, T, B, R, G, B, B, B}}, // undefined: keep
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.disposal);
        const Bytes bytes =
            lwtest::giflibEncode(6, 2, kColours, {base, square(1, 0, c.disposal), square(2, 0, 0, 3)});
        const auto frames = composed(bytes);
        ASSERT_EQ(frames.size(), 3u);
        EXPECT_EQ(frames[0], (Picture{B, B, B, B, B, T, B, B, B, B, B, B}));
        EXPECT_EQ(frames[1], c.second);
        EXPECT_EQ(frames[2], c.third);
    }
}

TEST(GifDisposal, RestoreToPreviousSkipsBackOverSeveralFrames)
{
    // Two frames with disposal 3 in a row each restore the picture from before themselves.
    const Bytes bytes = lwtest::giflibEncode(4, 1, kColours,
                                             {[] {
                                                  lwtest::ReferenceImage first;
                                                  first.width = 4;
                                                  first.height = 1;
                                                  first.indices = {2, 2, 2, 2};
                                                  return first;
                                              }(),
                                              [] {
                                                  auto r = square(0, 0, 3);
                                                  r.height = 1;
                                                  r.indices = {1, 1};
                                                  return r;
                                              }(),
                                              [] {
                                                  auto g = square(1, 0, 3, 3);
                                                  g.height = 1;
                                                  g.indices = {3, 3};
                                                  return g;
                                              }(),
                                              [] {
                                                  auto last = square(3, 0, 0);
                                                  last.width = 1;
                                                  last.height = 1;
                                                  last.indices = {1};
                                                  return last;
                                              }()});
    const auto frames = composed(bytes);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[1], (Picture{R, R, B, B}));
    EXPECT_EQ(frames[2], (Picture{B, G, G, B}));
    EXPECT_EQ(frames[3], (Picture{B, B, B, R}));
}

TEST(GifDisposal, TheTwoFrameExampleMatchesImageMagick)
{
    // 8 × 4, disposal 2, transparent index 0, a red 2 × 2 square that moves: one square on
    // transparent in each picture, never both.
    auto image = [](int left) {
        lwtest::ReferenceImage i;
        i.width = 8;
        i.height = 4;
        i.disposal = 2;
        i.transparentIndex = 0;
        i.indices.assign(32, 0);
        for (int y = 1; y < 3; ++y)
            for (int x = left; x < left + 2; ++x)
                i.indices[static_cast<std::size_t>(y * 8 + x)] = 1;
        return i;
    };
    const Bytes bytes = lwtest::giflibEncode(8, 4, kColours, {image(1), image(5)});
    const auto frames = composed(bytes);
    ASSERT_EQ(frames.size(), 2u);
    for (int f = 0; f < 2; ++f) {
        int red = 0;
        for (std::uint32_t v : frames[static_cast<std::size_t>(f)])
            red += v == R ? 1 : v == T ? 0 : 1000;
        EXPECT_EQ(red, 4) << f;
    }
    if (!lwtest::haveTool("convert"))
        GTEST_SKIP() << "convert is not installed (scripts/setup-debian.sh installs it)";
    const std::string folder = lwtest::makeTempFolder("dispose");
    writeFileAtomically(folder + "/a.gif", bytes);
    EXPECT_EQ(frames, lwtest::imageMagickCoalesce(folder + "/a.gif", 8, 4));
    std::filesystem::remove_all(folder);
}

TEST(GifDisposal, OurTransparentOutputReopensAsWritten)
{
    // SetTransparentColour gives every frame disposal 2: a moving square over the transparent
    // colour must reopen as one square per picture.
    GifAnimation gif;
    gif.SetScreenSize(6, 3);
    for (int x : {0, 2, 4}) {
        CRaster raster(6, 3);
        raster.FillRect(0x00FFFFFF);
        raster.FillRect(0x00FF0000, RasterRect{x, 1, x + 2, 3});
        gif.AddFrame(raster).delay = 10;
    }
    gif.CountColours();
    gif.BuildPalette(256);
    gif.SetTransparentColour(0xFFFFFF);
    gif.EncodeFrames();
    const Bytes bytes = gif.Write();
    const auto frames = composed(bytes);
    ASSERT_EQ(frames.size(), 3u);
    for (int f = 0; f < 3; ++f)
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool red = y >= 1 && x >= 2 * f && x < 2 * f + 2;
                EXPECT_EQ(frames[static_cast<std::size_t>(f)][static_cast<std::size_t>(y * 6 + x)],
                          red ? R : T)
                    << f << " " << x << "," << y;
            }
}

namespace {

class DisposalFromTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"convert", "gifsicle", "ffmpeg"})
            if (!lwtest::haveTool(tool))
                GTEST_SKIP() << tool << " is not installed (scripts/setup-debian.sh installs it)";
        folder_ = lwtest::makeTempFolder("disposal");
    }
    void TearDown() override
    {
        if (!folder_.empty())
            std::filesystem::remove_all(folder_);
    }
    // Makes the GIF with the command (run in the temporary folder) and compares every composed
    // picture with ImageMagick's.
    void expectSameAsImageMagick(const std::string& command, const std::string& name, int width, int height)
    {
        SCOPED_TRACE(name);
        ASSERT_TRUE(lwtest::runCommand("cd '" + folder_ + "' && " + command)) << command;
        const std::string path = folder_ + "/" + name;
        const auto ours = composed(readFile(path));
        const auto reference = lwtest::imageMagickCoalesce(path, width, height);
        ASSERT_FALSE(reference.empty());
        ASSERT_EQ(ours.size(), reference.size());
        for (std::size_t f = 0; f < ours.size(); ++f)
            EXPECT_EQ(ours[f], reference[f]) << "frame " << f;
    }
    std::string folder_;
};

} // namespace

TEST_F(DisposalFromTools, ImageMagickEveryDisposal)
{
    // Frames smaller than the screen, at offsets, with transparent parts, over a first frame that
    // has a transparent hole.
    const std::string frames =
        "-size 12x8 xc:none -fill blue -draw 'rectangle 0,0 8,7' -draw 'rectangle 9,3 11,7' "
        "\\( -size 5x4 xc:none -fill yellow -draw 'rectangle 1,1 3,2' -repage 12x8+2+1 \\) "
        "\\( -size 4x3 xc:none -fill lime -draw 'rectangle 0,1 3,2' -repage 12x8+7+4 \\) "
        "\\( -size 3x3 xc:red -repage 12x8+4+3 \\) ";
    int n = 0;
    for (const char* disposal : {"None", "Undefined", "Background", "Previous"}) {
        const std::string name = "im" + std::to_string(n++) + ".gif";
        expectSameAsImageMagick(
            std::string("convert -dispose ") + disposal + " " + frames + "-loop 0 " + name, name, 12, 8);
    }
    // Mixed: each frame its own disposal.
    expectSameAsImageMagick(
        "convert -dispose None -size 12x8 xc:blue -dispose Previous \\( -size 5x4 xc:yellow -repage 12x8+2+1 "
        "\\) "
        "-dispose Background \\( -size 4x3 xc:lime -repage 12x8+6+2 \\) -dispose None \\( -size 3x3 xc:red "
        "-repage 12x8+1+4 \\) -dispose Previous \\( -size 2x2 xc:white -repage 12x8+9+5 \\) mixed.gif",
        "mixed.gif", 12, 8);
}

TEST_F(DisposalFromTools, GifsicleEveryDisposal)
{
    ASSERT_TRUE(lwtest::runCommand(
        "cd '" + folder_ +
        "' && convert -size 12x8 xc:none -fill blue -draw 'rectangle 3,0 11,7' base.gif && convert -size 5x4 "
        "xc:none -fill yellow -draw 'rectangle 1,0 3,3' a.gif && convert -size 4x3 xc:lime b.gif && convert "
        "-size 3x3 xc:none -fill red -draw 'rectangle 0,0 2,1' c.gif"));
    for (const char* disposal : {"none", "asis", "background", "previous"}) {
        const std::string name = std::string("gs-") + disposal + ".gif";
        expectSameAsImageMagick(std::string("gifsicle --logical-screen 12x8 base.gif --disposal ") +
                                    disposal +
                                    " -p 2,1 a.gif -p 7,4 b.gif -p 4,3 c.gif --loopcount=forever -o " + name,
                                name, 12, 8);
    }
    // Optimised by gifsicle, which chooses disposals and transparency itself.
    ASSERT_TRUE(lwtest::runCommand("cd '" + folder_ +
                                   "' && convert -delay 10 -size 16x10 xc:white \\( +clone -fill red -draw "
                                   "'rectangle 2,2 6,6' \\) \\( +clone "
                                   "-fill white -draw 'rectangle 2,2 6,6' -fill blue -draw 'rectangle 8,3 "
                                   "12,8' \\) \\( -size 16x10 xc:none "
                                   "-fill green -draw 'rectangle 4,1 9,4' \\) -loop 0 anim.gif"));
    for (const char* level : {"-O1", "-O2", "-O3"}) {
        const std::string name = std::string("opt") + level + ".gif";
        expectSameAsImageMagick(std::string("gifsicle ") + level + " anim.gif -o " + name, name, 16, 10);
    }
}

TEST_F(DisposalFromTools, Ffmpeg)
{
    expectSameAsImageMagick("ffmpeg -loglevel error -f lavfi -i testsrc=size=24x16:rate=5 -t 1 -y a.gif",
                            "a.gif", 24, 16);
    // Frame differences as offset, transparent sub-images.
    expectSameAsImageMagick("ffmpeg -loglevel error -f lavfi -i testsrc=size=24x16:rate=5 -t 1 "
                            "-gifflags +offsetting+transdiff -y b.gif",
                            "b.gif", 24, 16);
    expectSameAsImageMagick(
        "ffmpeg -loglevel error -f lavfi -i \"color=c=white:size=20x12:rate=4,"
        "drawbox=x=t*20:y=2:w=4:h=4:color=red:t=fill\" -t 1 -gifflags +offsetting+transdiff "
        "-y c.gif",
        "c.gif", 20, 12);
}
