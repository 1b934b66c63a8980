#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <random>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownRgb;

namespace {

void optimise(GifAnimation& gif, int colours = 256)
{
    gif.CountColours();
    gif.BuildPalette(colours);
    gif.DiffFrames();
    gif.ReorderPalette();
    gif.EncodeFrames();
}

CRaster filled(int w, int h, std::uint32_t colour)
{
    CRaster r(w, h);
    r.FillRect(colour);
    return r;
}

// Optimises the frames (frames 5, 6 and 7 the same) and checks what giflib and our own decoder show.
void checkOptimisedFrames(int w, int h, const std::vector<CRaster>& frames)
{
    GifAnimation gif;
    gif.SetScreenSize(w, h);
    gif.loopCount = 0;
    for (const CRaster& r : frames)
        gif.AddFrame(r).delay = 10;
    optimise(gif);
    EXPECT_EQ(gif.frameCount(), 6); // frames 5, 6 and 7 are the same
    EXPECT_EQ(gif.frameAt(5)->delay, 30);
    const auto bytes = gif.Write();
    EXPECT_EQ(gif.EstimateSize(), static_cast<std::int64_t>(bytes.size()));
    const auto ref = lwtest::giflibDecode(bytes);
    ASSERT_TRUE(ref.ok) << ref.error;
    EXPECT_EQ(ref.loopCount, 0);
    const auto shown = lwtest::composeReference(ref);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(shown[static_cast<std::size_t>(i)], topDownRgb(frames[static_cast<std::size_t>(i)])) << i;

    // Our own decoder composes the same pictures.
    GifAnimation back;
    ScriptedUiPort ui;
    ASSERT_EQ(back.Read(bytes, ui), 1);
    back.DecodeFrames();
    back.FramesToRasters();
    auto seq = back.ToAnimation();
    seq->reset();
    for (int i = 0; i < 6; ++i) {
        const SequenceFrame* f = seq->next();
        ASSERT_NE(f, nullptr);
        std::vector<std::uint32_t> rgb = topDownRgb(*f->image);
        for (auto& p : rgb)
            p &= 0xFFFFFF;
        EXPECT_EQ(rgb, topDownRgb(frames[static_cast<std::size_t>(i)])) << i;
    }
}

} // namespace

TEST(GifOptimiser, IdenticalFramesMergeAndAddTheirDelays)
{
    GifAnimation gif;
    gif.SetScreenSize(4, 4);
    gif.AddFrame(filled(4, 4, 0xFF0000)).delay = 10;
    gif.AddFrame(filled(4, 4, 0xFF0000)).delay = 20;
    gif.AddFrame(filled(4, 4, 0x0000FF)).delay = 5;
    gif.AddFrame(filled(4, 4, 0x0000FF)).delay = 7;
    optimise(gif);
    ASSERT_EQ(gif.frameCount(), 2);
    EXPECT_EQ(gif.frames->delay, 30);
    EXPECT_EQ(gif.frameAt(1)->delay, 12);
    const auto ref = lwtest::giflibDecode(gif.Write());
    ASSERT_TRUE(ref.ok);
    ASSERT_EQ(ref.frames.size(), 2u);
    EXPECT_EQ(ref.frames[0].delay, 30);
}

TEST(GifOptimiser, OnePixelChangeBecomesAOnePixelImage)
{
    CRaster a = filled(5, 4, 0x00FF00);
    CRaster b = a;
    b.bits()[b.indexOf(3, 2)] = 0x000000FF;
    GifAnimation gif;
    gif.SetScreenSize(5, 4);
    gif.AddFrame(a);
    gif.AddFrame(b);
    optimise(gif);
    ASSERT_EQ(gif.frameCount(), 2);
    const GifFrame& first = *gif.frames;
    EXPECT_EQ(first.width, 5);
    EXPECT_EQ(first.height, 4);
    EXPECT_EQ(first.transparent, 0);
    const GifFrame& second = *gif.frameAt(1);
    EXPECT_EQ(second.left, 3);
    EXPECT_EQ(second.top, 2);
    EXPECT_EQ(second.width, 1);
    EXPECT_EQ(second.height, 1);
    EXPECT_EQ(second.disposal, 0);
    const auto ref = lwtest::giflibDecode(gif.Write());
    ASSERT_TRUE(ref.ok);
    const auto shown = lwtest::composeReference(ref);
    EXPECT_EQ(shown[1], topDownRgb(b));
}

TEST(GifOptimiser, RareColoursUnderTheTransparentIndexCommonOnesKeepTheirs)
{
    // Opaque: index 1 twice and red (2) ten times. Unchanged (transparent): red 40 times,
    // green (3) three times, blue (4) once. S = 44; red's total 50 exceeds it, so S = 4 and
    // green and blue, rarer than that, take the transparent index 0 while red keeps 2.
    GifFrame f;
    std::vector<std::pair<int, bool>> pixels; // index, transparent
    for (int i = 0; i < 2; ++i)
        pixels.push_back({1, false});
    for (int i = 0; i < 10; ++i)
        pixels.push_back({2, false});
    for (int i = 0; i < 40; ++i)
        pixels.push_back({2, true});
    for (int i = 0; i < 3; ++i)
        pixels.push_back({3, true});
    pixels.push_back({4, true});
    const int n = static_cast<int>(pixels.size());
    f.raster.Create(n, 1);
    f.width = static_cast<std::uint16_t>(n);
    f.height = 1;
    for (int x = 0; x < n; ++x) {
        f.indices.push_back(static_cast<std::uint8_t>(pixels[static_cast<std::size_t>(x)].first));
        f.raster.bits()[f.raster.indexOf(x, 0)] =
            pixels[static_cast<std::size_t>(x)].second ? 0xFF000000u : 0u;
    }
    GifAnimation::ChooseTransparentIndex(f);
    EXPECT_EQ(f.transparent, 1);
    EXPECT_EQ(f.transparentIndex, 0);
    for (int x = 0; x < n; ++x) {
        const auto [index, transparent] = pixels[static_cast<std::size_t>(x)];
        const int expected = transparent && index != 2 ? 0 : index;
        EXPECT_EQ(f.indices[static_cast<std::size_t>(x)], expected) << x;
    }
}

TEST(GifOptimiser, NothingChangesWithoutTransparentPixelsOrAFreeIndex)
{
    GifFrame f;
    f.raster.Create(256, 1);
    f.width = 256;
    f.height = 1;
    for (int i = 0; i < 256; ++i)
        f.indices.push_back(static_cast<std::uint8_t>(i));
    GifAnimation::ChooseTransparentIndex(f);
    EXPECT_EQ(f.transparent, 0);
    f.raster.bits()[0] |= 0xFF000000u; // one transparent pixel, but all 256 indices still used?
    // Index at raster column 0 is 0 and no longer opaque, so 0 becomes free.
    GifAnimation::ChooseTransparentIndex(f);
    EXPECT_EQ(f.transparent, 1);
    EXPECT_EQ(f.transparentIndex, 0);
}

TEST(GifOptimiser, ReorderSortsByFrameUseAndRemapsEverything)
{
    // Colours in first-met order: red 0, green 1, blue 2. Blue is in every frame, red only in
    // the first: blue moves to 0.
    GifAnimation gif;
    gif.SetScreenSize(2, 1);
    gif.AddFrame(rasterFromRows(2, 1, {0xFF0000, 0x0000FF}));
    gif.AddFrame(rasterFromRows(2, 1, {0x00FF00, 0x0000FF}));
    gif.AddFrame(rasterFromRows(2, 1, {0x0000FF, 0x00FF00}));
    gif.CountColours();
    gif.BuildPalette(256);
    gif.DiffFrames();
    gif.ReorderPalette();
    EXPECT_EQ((*gif.globalPalette)[0 * 3 + 2], 0xFF); // blue
    EXPECT_EQ((*gif.globalPalette)[1 * 3 + 1], 0xFF); // green
    EXPECT_EQ((*gif.globalPalette)[2 * 3 + 0], 0xFF); // red
    EXPECT_EQ(gif.frames->indices, (std::vector<std::uint8_t>{2, 0}));
    EXPECT_EQ(gif.frames->transparent, 0);
    for (GifFrame* f = gif.frames.get(); f; f = f->next.get())
        EXPECT_EQ(f->codeSize, 2);
    gif.EncodeFrames();
    const auto ref = lwtest::giflibDecode(gif.Write());
    ASSERT_TRUE(ref.ok);
    const auto shown = lwtest::composeReference(ref);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], (std::vector<std::uint32_t>{0xFF0000, 0x0000FF}));
    EXPECT_EQ(shown[1], (std::vector<std::uint32_t>{0x00FF00, 0x0000FF}));
    EXPECT_EQ(shown[2], (std::vector<std::uint32_t>{0x0000FF, 0x00FF00}));
}

TEST(GifOptimiser, OptimisedAnimationShowsTheSameFramesInGiflib)
{
    // Diagonal bands that shift and a moving square, with a pause (identical frames) in the
    // middle; the large size has enough pixels for the frames to be shared out among threads.
    for (const auto& [w, h] : {std::pair{60, 40}, std::pair{640, 360}}) {
        SCOPED_TRACE(w);
        std::vector<CRaster> frames;
        for (int i = 0; i < 8; ++i) {
            const int k = std::min(i, 5);
            CRaster r(w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const auto c = static_cast<std::uint32_t>((x / 8 + y / 8 + k) % 150);
                    r.bits()[r.indexOf(x, y)] = (c * 37 % 256) << 16 | (c * 11 % 256) << 8 | c;
                }
            const int s = w / 60;
            for (int y = 5 * s; y < 15 * s; ++y)
                for (int x = k * 7 * s; x < (k * 7 + 10) * s; ++x)
                    r.bits()[r.indexOf(x, y)] = 0x00FFFF00;
            frames.push_back(std::move(r));
        }
        checkOptimisedFrames(w, h, frames);
    }
}
