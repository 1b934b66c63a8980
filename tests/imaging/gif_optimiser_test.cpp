#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

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
    // A moving square over a gradient, with a pause (identical frames) in the middle.
    const int w = 60, h = 40;
    std::vector<CRaster> frames;
    for (int i = 0; i < 8; ++i) {
        CRaster r(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                r.bits()[r.indexOf(x, y)] =
                    static_cast<std::uint32_t>((x / 4 * 16) << 16 | (y / 4 * 24) << 8 | 0x40);
        const int pos = std::min(i, 5) * 7;
        for (int y = 5; y < 15; ++y)
            for (int x = pos; x < pos + 10; ++x)
                r.bits()[r.indexOf(x, y)] = 0x00FFFF00;
        frames.push_back(std::move(r));
    }
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

TEST(GifOptimiser, LargeAnimationsMergeCropAndShowThroughAsTheyShould)
{
    // 800 x 450 frames: enough pixels for every pass to share frames out among threads. With a
    // smaller last frame the frames are compared one after another instead.
    const int w = 800, h = 450;
    const auto pattern = [](int shift, int width, int height) {
        CRaster r(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto i = static_cast<std::uint32_t>((x / 3 + y / 5 * 7 + shift) % 64);
                r.bits()[r.indexOf(x, y)] = i * 4 << 16 | (255 - i * 4) << 8 | (i * 37 % 256);
            }
        return r;
    };
    const auto paint = [](CRaster r, int left, int top, int cw, int ch, std::uint32_t colour) {
        for (int y = top; y < top + ch; ++y)
            for (int x = left; x < left + cw; ++x)
                r.bits()[r.indexOf(x, y)] = colour;
        return r;
    };
    const std::uint32_t seeThrough = 0xFF000000u;
    std::vector<CRaster> frames{pattern(0, w, h), paint(pattern(0, w, h), 10, 20, 50, 30, 0xFFFF01)};
    frames.push_back(frames[1]);
    frames.push_back(frames[1]);
    // A box of another colour; a row of other colours that do not count, being see-through.
    CRaster moved = paint(frames[1], 300, 100, 120, 7, 0x123457);
    for (int x = 0; x < w; x += 5)
        moved.bits()[moved.indexOf(x, 400)] = seeThrough | 0x00AA03;
    frames.push_back(moved);
    frames.push_back(paint(moved, 300, 100, 120, 7, seeThrough | 0x123457)); // same colours
    frames.push_back(pattern(1, w, h));
    frames.push_back(paint(frames[6], w - 1, h - 1, 1, 1, 0xFFFF01));
    frames.push_back(paint(frames[7], 0, 0, w, h / 2, seeThrough | 0x00AA03)); // only see-through changes
    frames.push_back(pattern(2, w, h));
    struct Kept {
        int source, left, top, width, height, delay;
    };
    const std::vector<Kept> expected{{0, 0, 0, w, h, 1},           {1, 10, 20, 50, 30, 2 + 3 + 4},
                                     {4, 300, 100, 120, 7, 5 + 6}, {6, 0, 0, w, h, 7},
                                     {7, w - 1, h - 1, 1, 1, 8},   {8, 0, 0, w, h, 9},
                                     {9, 0, 0, w, h, 10},          {10, 5, 6, 20, 10, 11}};
    for (const bool smallerLast : {false, true}) {
        SCOPED_TRACE(smallerLast);
        std::vector<CRaster> source = frames;
        if (smallerLast)
            source.push_back(paint(pattern(2, w / 2, h / 2), 5, 6, 20, 10, 0x00FF05));
        GifAnimation gif;
        gif.SetScreenSize(w, h);
        for (std::size_t i = 0; i < source.size(); ++i)
            gif.AddFrame(source[i]).delay = static_cast<std::uint16_t>(i + 1);
        optimise(gif);
        const auto ref = lwtest::giflibDecode(gif.Write());
        ASSERT_TRUE(ref.ok) << ref.error;
        const std::size_t count = expected.size() - (smallerLast ? 0 : 1);
        ASSERT_EQ(ref.frames.size(), count);
        const auto shown = lwtest::composeReference(ref);
        for (std::size_t k = 0; k < count; ++k) {
            SCOPED_TRACE(k);
            const Kept& e = expected[k];
            const lwtest::ReferenceFrame& f = ref.frames[k];
            EXPECT_EQ((std::vector{f.left, f.top, f.width, f.height, f.delay}),
                      (std::vector{e.left, e.top, e.width, e.height, e.delay}));
            // Opaque pixels show their colour; see-through ones theirs or what was there before.
            const CRaster& s = source[static_cast<std::size_t>(e.source)];
            int wrong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const std::size_t at = static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x);
                    const std::uint32_t before = k > 0 ? shown[k - 1][at] : 0;
                    const std::uint32_t pixel =
                        s.contains(x, y) ? s.bits()[s.indexOf(x, y)] : seeThrough | before;
                    const bool ok =
                        shown[k][at] == (pixel & 0xFFFFFF) || ((pixel >> 24) && shown[k][at] == before);
                    wrong += ok ? 0 : 1;
                }
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(GifOptimiser, CodeSizesCountTheTransparentIndexOnlyWhereItIsWritten)
{
    // Runs of (index, see-through, count). Frame 0 shows 0-6 and 8 once, the later frames 0-3
    // ten times each, so the palette order stays. Frame 1: the rare 7 and 8 under the mask take
    // the free index 4, and the code size grows to hold it; frame 2: the common 2 keeps its
    // index, so 4 is chosen but never written; frame 3: 7, exactly as common as the pixels under
    // the mask, keeps its index.
    using Runs = std::vector<std::tuple<int, bool, int>>;
    Runs first, common{{0, false, 10}, {1, false, 10}, {2, false, 10}, {3, false, 10}};
    for (int i : {0, 1, 2, 3, 4, 5, 6, 8})
        first.push_back({i, false, 1});
    struct Case {
        Runs runs;
        int codeSize;
        std::set<int> rewritten;
    };
    const std::vector<Case> cases{{{}, 4, {}},
                                  {{{7, true, 1}, {8, true, 1}}, 3, {7, 8}},
                                  {{{2, true, 1}}, 2, {}},
                                  {{{7, false, 1}, {7, true, 1}, {8, true, 1}}, 3, {8}}};
    GifAnimation gif;
    std::vector<std::vector<std::uint8_t>> before;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        GifFrame& f = gif.AddFrame(CRaster());
        for (const Runs& runs : {k > 0 ? common : first, cases[k].runs})
            for (const auto& [index, seeThrough, count] : runs) {
                const auto n = static_cast<std::size_t>(count);
                f.indices.insert(f.indices.end(), n, static_cast<std::uint8_t>(index));
                f.transparentMask.insert(f.transparentMask.end(), n, seeThrough ? 1 : 0);
            }
        f.width = static_cast<std::uint16_t>(f.indices.size());
        f.height = 1;
        before.push_back(f.indices);
    }
    gif.ReorderPalette();
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(k);
        const GifFrame& f = *gif.frameAt(static_cast<int>(k));
        EXPECT_EQ(f.codeSize, cases[k].codeSize);
        EXPECT_EQ(std::pair(f.transparent, f.transparentIndex), k > 0 ? std::pair(1, 4) : std::pair(0, 0));
        for (std::size_t i = 0; i < f.indices.size(); ++i) {
            const bool rewritten = f.transparentMask[i] && cases[k].rewritten.contains(before[k][i]);
            EXPECT_EQ(f.indices[i], rewritten ? 4 : before[k][i]) << i;
        }
    }
}
