#include "output/gif_export.h"
#include "platform/file_io.h"
#include "support/raster_builders.h"

#include <QTemporaryDir>
#include <gif_lib.h>
#include <gtest/gtest.h>

using namespace lw;

namespace {

struct Decoded {
    int frames = 0;
    std::vector<int> delays;
    int width = 0, height = 0;
    // Colour of pixel (x, y) of each frame's own image, as 0xRRGGBB, from giflib.
    std::vector<std::vector<std::uint32_t>> pixels;
    std::vector<int> transparentIndex;
};

// Decodes with giflib, an implementation independent of ours.
Decoded decodeWithGiflib(const std::string& path)
{
    Decoded d;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return d;
    d.frames = gif->ImageCount;
    d.width = gif->SWidth;
    d.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &gcb);
        d.delays.push_back(gcb.DelayTime);
        d.transparentIndex.push_back(gcb.TransparentColor);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        std::vector<std::uint32_t> px;
        for (int p = 0; p < image.ImageDesc.Width * image.ImageDesc.Height; ++p) {
            const GifColorType c = map->Colors[image.RasterBits[p]];
            px.push_back(static_cast<std::uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
        }
        d.pixels.push_back(px);
    }
    DGifCloseFile(gif, &error);
    return d;
}

CRaster solid(int w, int h, std::uint32_t colour)
{
    CRaster r(w, h);
    r.FillRect(colour);
    return r;
}

} // namespace

TEST(GifExport, SequenceBecomesFramesWithDelaysAndExactColours)
{
    QTemporaryDir dir;
    const CRaster a = lwtest::rasterFromRows(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    const CRaster b = lwtest::rasterFromRows(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000});
    FrameSequence seq(2, 2, 0, "");
    seq.append(&a, 20);
    seq.append(&b, 35);
    const std::string path = dir.filePath("two.gif").toStdString();
    GifSaveSettings settings;
    settings.optimise = false;
    const GifSaveReport report = saveSequenceAsGif(seq, settings, path);
    EXPECT_EQ(report.colourCount, 5);
    EXPECT_FALSE(report.reduced);
    EXPECT_FALSE(report.optimised);
    const Decoded d = decodeWithGiflib(path);
    ASSERT_EQ(d.frames, 2);
    EXPECT_EQ(d.delays, (std::vector<int>{20, 35}));
    EXPECT_EQ(d.pixels[0], (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
    EXPECT_EQ(d.pixels[1], (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x000000}));
}

TEST(GifExport, OptimisationIsTheDefaultForAnimations)
{
    QTemporaryDir dir;
    const CRaster a = solid(8, 8, 0x00336699);
    const CRaster same = solid(8, 8, 0x00336699);
    CRaster b = solid(8, 8, 0x00336699);
    b.bits()[b.indexOf(5, 2)] = 0x00FFFF00;
    FrameSequence seq(8, 8, 0, "");
    seq.append(&a, 10);
    seq.append(&same, 20);
    seq.append(&b, 30);
    const std::string path = dir.filePath("opt.gif").toStdString();
    const GifSaveReport report = saveSequenceAsGif(seq, GifSaveSettings{}, path);
    EXPECT_TRUE(report.optimised);
    const Decoded d = decodeWithGiflib(path);
    ASSERT_EQ(d.frames, 2) << "identical frames merge";
    EXPECT_EQ(d.delays, (std::vector<int>{30, 30}));
    ASSERT_EQ(d.pixels[1].size(), 1u) << "the changed pixel alone";
    EXPECT_EQ(d.pixels[1][0], 0xFFFF00u);
}

TEST(GifExport, TransparentColourInsteadOfOptimising)
{
    QTemporaryDir dir;
    const CRaster a = lwtest::rasterFromRows(2, 1, {0xFFFFFF, 0x112233});
    const CRaster b = lwtest::rasterFromRows(2, 1, {0x112233, 0xFFFFFF});
    FrameSequence seq(2, 1, 0, "");
    seq.append(&a, 10);
    seq.append(&b, 10);
    GifSaveSettings settings;
    settings.transparentColour = 0xFFFFFF;
    const std::string path = dir.filePath("t.gif").toStdString();
    const GifSaveReport report = saveSequenceAsGif(seq, settings, path);
    EXPECT_FALSE(report.optimised);
    const Decoded d = decodeWithGiflib(path);
    ASSERT_EQ(d.frames, 2);
    ASSERT_NE(d.transparentIndex[0], NO_TRANSPARENT_COLOR);
    EXPECT_EQ(d.transparentIndex[0], d.transparentIndex[1]);
}

TEST(GifExport, ColourCountsFollowTheDialogsPreselection)
{
    QTemporaryDir dir;
    CRaster many(16, 16);
    for (int i = 0; i < 256; ++i)
        many.bits()[i] = static_cast<std::uint32_t>(i * 0x010101);
    FrameSequence seq(16, 16, 0, "");
    seq.append(&many, 10);
    const std::string path = dir.filePath("many.gif").toStdString();
    const GifSaveReport preselected = saveSequenceAsGif(seq, GifSaveSettings{}, path);
    EXPECT_EQ(preselected.colourCount, 256);
    EXPECT_TRUE(preselected.reduced);
    EXPECT_EQ(preselected.paletteCount, 128) << "256 colours preselect the reduction to 128";
    GifSaveSettings full;
    full.colours = 0;
    EXPECT_EQ(saveSequenceAsGif(seq, full, path).paletteCount, 256);
    GifSaveSettings sixteen;
    sixteen.colours = 16;
    const GifSaveReport reduced = saveSequenceAsGif(seq, sixteen, path);
    EXPECT_EQ(reduced.paletteCount, 16);
    const Decoded d = decodeWithGiflib(path);
    ASSERT_EQ(d.frames, 1);
    std::vector<std::uint32_t> distinct = d.pixels[0];
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    EXPECT_LE(distinct.size(), 16u);
}

TEST(GifExport, FailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const CRaster a = solid(2, 2, 0);
    FrameSequence seq(2, 2, 0, "");
    seq.append(&a, 10);
    EXPECT_ANY_THROW(saveSequenceAsGif(seq, GifSaveSettings{}, dir.filePath("no/such/x.gif").toStdString()));
}
