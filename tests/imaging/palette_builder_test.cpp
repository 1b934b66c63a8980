#include "imaging/gif_animation.h"
#include "support/raster_builders.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

CRaster manyColours(int w, int h, bool withWhite, unsigned seed)
{
    std::mt19937 rng(seed);
    CRaster r(w, h);
    for (std::uint32_t& p : r.pixels())
        p = rng() & 0x00F7F7F7; // every channel below 248: no white cell
    if (withWhite)
        r.pixels()[r.indexOf(0, 0)] = 0x00FFFFFF;
    return r;
}

std::vector<std::uint32_t> tableRgb(const GifAnimation& gif)
{
    std::vector<std::uint32_t> out;
    for (int k = 0; k < gif.globalPaletteSize; ++k)
        out.push_back(std::uint32_t{(*gif.globalPalette)[k * 3]} << 16 |
                      std::uint32_t{(*gif.globalPalette)[k * 3 + 1]} << 8 | (*gif.globalPalette)[k * 3 + 2]);
    return out;
}

// Runs of one to three pixels, each of a colour drawn from `colours` (any colour when empty).
CRaster colourRuns(int w, int h, std::mt19937& rng, const std::vector<std::uint32_t>& colours)
{
    CRaster r(w, h);
    std::uint32_t colour = 0;
    int left = 0;
    for (std::uint32_t& p : r.pixels()) {
        if (left-- == 0) {
            colour = colours.empty() ? (rng() % 64 == 0 ? 0xF8F8F8 | (rng() & 0x070707) : rng() & 0xFFFFFF)
                                     : colours[rng() % colours.size()];
            left = static_cast<int>(rng() % 3);
        }
        p = colour | (rng() & 0xFF000000); // the alpha byte is not looked at
    }
    return r;
}

// The entry a colour's cell maps to, worked out the slow way: the nearest to the cell's low
// corner (pure white for the white cell).
int nearestToCell(const PaletteBuilder& p, std::uint32_t rgb)
{
    return p.NearestEntry((rgb & 0xF8F8F8) == 0xF8F8F8 ? 0xFFFFFF : rgb & 0xF8F8F8);
}

} // namespace

TEST(PaletteBuilder, CountStopsAt257AndIgnoresTransparency)
{
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(3, 1, {0x00112233, 0xFF112233, 0x80445566}));
    EXPECT_EQ(gif.CountColours(), 2);
    EXPECT_EQ(gif.palette.exactColours[0], 0x00332211u); // stored red in the low byte
    EXPECT_EQ(gif.palette.exactCounts[0], 2u);
    GifAnimation many;
    many.AddFrame(manyColours(20, 15, false, 1)); // 300 colours
    EXPECT_EQ(many.CountColours(), 257);
    // Counting again starts afresh.
    EXPECT_EQ(many.CountColours(), 257);
    EXPECT_EQ(gif.CountColours(), 2);
}

TEST(PaletteBuilder, ExactCaseKeepsEveryColour)
{
    // 200 colours across two frames, with neighbours in the same 5-bit cell.
    GifAnimation gif;
    CRaster a(10, 10), b(10, 10);
    for (int i = 0; i < 100; ++i) {
        a.pixels()[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i) * 0x010101u;
        b.pixels()[static_cast<std::size_t>(i)] = 0x00800000u | static_cast<std::uint32_t>(i);
    }
    gif.AddFrame(a);
    gif.AddFrame(b);
    EXPECT_EQ(gif.CountColours(), 200);
    gif.BuildPalette(256);
    EXPECT_EQ(gif.globalPaletteSize, 256);
    EXPECT_EQ(gif.frames->codeSize, 8);
    const auto table = tableRgb(gif);
    for (GifFrame* f = gif.frames.get(); f; f = f->next.get())
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(table[f->indices[static_cast<std::size_t>(x + y * 10)]],
                          f->raster.GetPixel(x, y) & 0xFFFFFF);
}

TEST(PaletteBuilder, MedianCutSplitsAtTheRunningHalf)
{
    // Red only: three pixels in cell 0 and one each in cells 10 and 20. Half of 5 is 2, reached
    // at the minimum, so the split moves to 1: [0, 0] and [1, 20], which shrinks to [10, 20].
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(5, 1, {0x000000, 0x000000, 0x000000, 0x500000, 0xA00000}));
    EXPECT_EQ(gif.CountColours(), 3);
    gif.BuildPalette(2);
    EXPECT_EQ(gif.palette.paletteCount, 2);
    EXPECT_EQ(gif.palette.paletteRgb[0], 0x000000u); // the new box goes to the head of the list
    EXPECT_EQ(gif.palette.paletteRgb[1], 0x780000u); // (10 + 20) × 4
    EXPECT_EQ(gif.globalPaletteSize, 2);
    EXPECT_EQ(gif.frames->indices, (std::vector<std::uint8_t>{0, 0, 0, 1, 1}));
}

TEST(PaletteBuilder, PixelsMapThroughTheLowCornerOfTheirCell)
{
    // Entries 0 (black) and (6 + 20) × 4 = 104. Red 55 is nearer to 104, but its cell's low
    // corner, 48, is nearer to black.
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(6, 1, {0x000000, 0x000000, 0x000000, 0x370000, 0x500000, 0xA00000}));
    gif.CountColours();
    gif.BuildPalette(2);
    EXPECT_EQ(gif.palette.paletteRgb[1], 0x680000u);
    EXPECT_EQ(gif.frames->indices, (std::vector<std::uint8_t>{0, 0, 0, 0, 1, 1}));
}

TEST(PaletteBuilder, ShrinkingFindsTheTightBounds)
{
    // Cells (2, 5, 9) and (30, 6, 9): one split along red, each half one cell.
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(3, 1, {0x102848, 0xF03048, 0x102848}));
    gif.AddFrame(rasterFromRows(1, 1, {0x123456})); // a third colour, cell (2, 6, 10)
    EXPECT_EQ(gif.CountColours(), 3);
    gif.BuildPalette(2);
    // Red range 28 wins; running half (2) is reached at red 2, moved to 3: [2, 2] keeps green
    // 5 … 6 and blue 9 … 10, while [3, 30] shrinks to the one cell (30, 6, 9).
    EXPECT_EQ(gif.palette.paletteRgb[0],
              (std::uint32_t{16} << 16) | (std::uint32_t{(5 + 6) * 4} << 8) | ((9 + 10) * 4));
    EXPECT_EQ(gif.palette.paletteRgb[1], (std::uint32_t{240} << 16) | (std::uint32_t{48} << 8) | 72);
}

TEST(PaletteBuilder, ThreeHundredColoursGoThroughTheMedianCut)
{
    GifAnimation gif;
    gif.AddFrame(manyColours(20, 15, false, 2));
    EXPECT_EQ(gif.CountColours(), 257);
    gif.BuildPalette(256);
    EXPECT_LE(gif.palette.paletteCount, 256);
    EXPECT_GT(gif.palette.paletteCount, 200);
    for (int k = 0; k < gif.palette.paletteCount; ++k) {
        const std::uint32_t e = gif.palette.paletteRgb[static_cast<std::size_t>(k)];
        // Box centres lie on multiples of 4; without white nothing exceeds 248.
        EXPECT_EQ(e & 0x030303, 0u);
        EXPECT_LE(e >> 16 & 0xFF, 248u);
        EXPECT_LE(e >> 8 & 0xFF, 248u);
        EXPECT_LE(e & 0xFF, 248u);
    }
    // Every pixel maps through the lookup table of its cell.
    const GifFrame& f = *gif.frames;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) {
            const std::uint32_t p = f.raster.GetPixel(x, y);
            const int cell = static_cast<int>(((p >> 19 & 31) * 32 + (p >> 11 & 31)) * 32 + (p >> 3 & 31));
            ASSERT_EQ(f.indices[static_cast<std::size_t>(x + y * 20)],
                      gif.palette.cells[static_cast<std::size_t>(cell)]);
        }
}

TEST(PaletteBuilder, WhiteRuleMakesTheBrightestEntryPureWhite)
{
    GifAnimation gif;
    gif.AddFrame(manyColours(40, 40, true, 3));
    EXPECT_EQ(gif.CountColours(), 257);
    gif.BuildPalette(16);
    EXPECT_EQ(gif.palette.whitePresent, 1);
    int white = -1;
    std::uint32_t brightestOther = 0;
    for (int k = 0; k < gif.palette.paletteCount; ++k) {
        const std::uint32_t e = gif.palette.paletteRgb[static_cast<std::size_t>(k)];
        if (e == 0xFFFFFF)
            white = k;
        else
            brightestOther = std::max(brightestOther, (e >> 16 & 0xFF) + (e >> 8 & 0xFF) + (e & 0xFF));
    }
    ASSERT_GT(white, 0);
    EXPECT_LT(brightestOther, 3u * 248u);
    // The white cell itself maps to pure white.
    EXPECT_EQ(gif.frames->indices[0], white);

    // Without white no entry is changed.
    GifAnimation plain;
    plain.AddFrame(manyColours(40, 40, false, 3));
    plain.CountColours();
    plain.BuildPalette(16);
    EXPECT_EQ(plain.palette.whitePresent, 0);
    for (int k = 0; k < plain.palette.paletteCount; ++k)
        EXPECT_NE(plain.palette.paletteRgb[static_cast<std::size_t>(k)], 0xFFFFFFu);
}

TEST(PaletteBuilder, WhiteRuleSparesEntryZero)
{
    // Black and white only, n = 1: one box spanning both, entry 0 = (31 + 0) × 4 = 124 stays.
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(2, 1, {0x000000, 0xFFFFFF}));
    gif.CountColours();
    gif.BuildPalette(1);
    EXPECT_EQ(gif.palette.paletteCount, 1);
    EXPECT_EQ(gif.palette.paletteRgb[0], 0x7C7C7Cu);
    // With blue added and n = 2 the red split puts black and blue ([0, 0]) at the head; white's
    // box, entry 1 at 248, becomes pure white.
    gif.AddFrame(rasterFromRows(1, 1, {0x0000FF}));
    EXPECT_EQ(gif.CountColours(), 3);
    gif.BuildPalette(2);
    EXPECT_EQ(gif.palette.paletteCount, 2);
    EXPECT_EQ(gif.palette.paletteRgb[0], 0x00007Cu);
    EXPECT_EQ(gif.palette.paletteRgb[1], 0xFFFFFFu);
    EXPECT_EQ(gif.frames->indices, (std::vector<std::uint8_t>{0, 1}));
}

TEST(PaletteBuilder, NearestEntryIsL1WithLowestIndexOnTies)
{
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(3, 1, {0x000000, 0x0A0000, 0x00000A}));
    gif.CountColours();
    gif.BuildPalette(256);
    EXPECT_EQ(gif.palette.NearestEntry(0x050000), 0); // ties between 0 and 1: the lower
    EXPECT_EQ(gif.palette.NearestEntry(0x060000), 1);
    EXPECT_EQ(gif.palette.NearestEntry(0x050005), 0); // distance 10 from all three
    EXPECT_EQ(gif.palette.NearestEntry(0x000006), 2);
}

TEST(PaletteBuilder, SetTransparentColourMarksEveryFrame)
{
    GifAnimation gif;
    gif.AddFrame(rasterFromRows(2, 1, {0xFF0000, 0x00FF00}));
    gif.AddFrame(rasterFromRows(2, 1, {0x00FF00, 0xFF0000}));
    gif.CountColours();
    gif.BuildPalette(256);
    gif.SetTransparentColour(0x10F010);
    for (GifFrame* f = gif.frames.get(); f; f = f->next.get()) {
        EXPECT_EQ(f->transparent, 1);
        EXPECT_EQ(f->disposal, 2);
        EXPECT_EQ(f->transparentIndex, 1);
    }
}

TEST(PaletteBuilder, LargeAnimationsMapEveryPixelAsOneThreadWould)
{
    // 8 × 400 × 330 pixels: above the size at which both passes share the frames among threads.
    constexpr int w = 400, h = 330, frameCount = 8;
    for (const bool exact : {false, true}) {
        SCOPED_TRACE(exact ? "exact" : "median cut");
        std::mt19937 rng(exact ? 5 : 6);
        std::vector<std::uint32_t> colours; // exact: 200 colours, pairs sharing a cell, white's too
        for (int i = 0; exact && i < 99; ++i) {
            const std::uint32_t c = rng() & 0xFFFEFE;
            colours.insert(colours.end(), {c, c | 0x000101});
        }
        if (exact)
            colours.insert(colours.end(), {0xFFFFFF, 0xF9FAFB});
        std::vector<std::uint32_t> counted = colours;
        std::sort(counted.begin(), counted.end());
        GifAnimation gif;
        CRaster all(w, h * frameCount); // the same pixels as one frame, which one thread maps
        for (int i = 0; i < frameCount; ++i) {
            CRaster frame = colourRuns(w, h, rng, colours);
            if (!exact) // each frame its own band of reds, so that every frame counts
                for (std::uint32_t& p : frame.pixels())
                    p = (p & 0xFF1FFFFF) | static_cast<std::uint32_t>(i) << 21;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    all.bits()[all.indexOf(x, y + i * h)] = frame.GetPixel(x, y);
            gif.AddFrame(frame);
        }
        GifAnimation single;
        single.AddFrame(all);
        EXPECT_EQ(gif.CountColours(), exact ? 200 : 257);
        EXPECT_EQ(single.CountColours(), exact ? 200 : 257);
        // Exact: a frame added after counting holds colours nobody counted, white's cell among them.
        if (exact)
            gif.AddFrame(rasterFromRows(4, 1, {0x123456, 0xFEFEFE, 0x123456, 0x00F9FAFB}));
        gif.BuildPalette(256);
        single.BuildPalette(256);
        ASSERT_EQ(gif.palette.paletteCount, exact ? 200 : single.palette.paletteCount);
        if (!exact) {
            EXPECT_EQ(gif.palette.paletteRgb, single.palette.paletteRgb);
        }
        std::vector<int> reference(PaletteBuilder::kCellCount, -1); // per cell, once worked out
        int wrong = 0, checked = 0;
        for (const GifFrame* f = gif.frames.get(); f; f = f->next.get()) {
            const std::vector<std::uint32_t> pixels = topDownPixels(f->raster);
            ASSERT_EQ(f->indices.size(), pixels.size());
            for (std::size_t i = 0; i < pixels.size(); ++i, ++checked) {
                const std::uint32_t rgb = pixels[i] & 0xFFFFFF;
                const int index = f->indices[i];
                if (exact && std::binary_search(counted.begin(), counted.end(), rgb)) {
                    wrong += gif.palette.paletteRgb[static_cast<std::size_t>(index)] != rgb;
                    continue;
                }
                int& cell = reference[(rgb >> 19) << 10 | (rgb >> 11 & 31) << 5 | (rgb >> 3 & 31)];
                if (cell < 0)
                    cell = nearestToCell(gif.palette, rgb);
                wrong += index != cell;
            }
        }
        EXPECT_EQ(checked, w * h * frameCount + (exact ? 4 : 0));
        EXPECT_EQ(wrong, 0);
    }
}
