#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "imaging/lzw_codec.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/raster_builders.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace lw;
using lwtest::rasterFromRows;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes slice(const Bytes& b, std::size_t from, std::size_t n)
{
    return Bytes(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + n));
}

// Codes of an LZW stream read back the way a GIF decoder tracks the code width.
struct CodeAndWidth {
    int code;
    int width;
};
std::vector<CodeAndWidth> readCodes(const Bytes& data, int s)
{
    std::vector<CodeAndWidth> codes;
    const int clear = 1 << s;
    int width = s + 1, next = clear + 2;
    bool first = true;
    std::uint64_t acc = 0;
    int bits = 0;
    std::size_t pos = 0;
    for (;;) {
        while (bits < width && pos < data.size()) {
            acc |= std::uint64_t{data[pos++]} << bits;
            bits += 8;
        }
        if (bits < width)
            break;
        const int code = static_cast<int>(acc & ((1u << width) - 1));
        acc >>= width;
        bits -= width;
        codes.push_back({code, width});
        if (code == clear) {
            width = s + 1, next = clear + 2, first = true;
            continue;
        }
        if (code == clear + 1)
            break;
        if (!first && next < 4096 && ++next == (1 << width) && width < 12)
            ++width;
        first = false;
    }
    return codes;
}

GifAnimation singleFrame(const CRaster& raster)
{
    GifAnimation gif;
    gif.SetScreenSize(raster.width(), raster.height());
    gif.AddFrame(raster);
    gif.CountColours();
    gif.BuildPalette(256);
    gif.EncodeFrames();
    return gif;
}

} // namespace

TEST(LzwEncoder, OnePixelIsClearIndexEnd)
{
    LzwCodec codec;
    const Bytes input = {0};
    Bytes out(LzwCodec::maxEncodedSize(1));
    const std::size_t n = codec.Encode(input, 2, out.data());
    EXPECT_EQ(slice(out, 0, n), (Bytes{0x44, 0x01}));
}

TEST(LzwEncoder, EmptyInputWritesNothing)
{
    LzwCodec codec;
    Bytes out(LzwCodec::maxEncodedSize(0));
    EXPECT_EQ(codec.Encode({}, 2, out.data()), 0u);
}

TEST(LzwEncoder, ClearsAt12BitsAfterCode4095AndRestartsNarrow)
{
    // Noise keeps strings short, so the table fills after 4090 codes of a 2-bit alphabet.
    std::mt19937 rng(7);
    Bytes input(40000);
    for (auto& b : input)
        b = static_cast<std::uint8_t>(rng() % 4);
    LzwCodec codec;
    Bytes out(LzwCodec::maxEncodedSize(input.size()));
    out.resize(codec.Encode(input, 2, out.data()));
    const auto codes = readCodes(out, 2);
    ASSERT_GT(codes.size(), 4100u);
    EXPECT_EQ(codes[0].code, 4);
    EXPECT_EQ(codes[0].width, 3);
    // 4095 - end code (5) = 4090 codes, then the clear code at 12 bits.
    for (std::size_t i = 1; i <= 4090; ++i)
        ASSERT_NE(codes[i].code, 4) << i;
    EXPECT_EQ(codes[4091].code, 4);
    EXPECT_EQ(codes[4091].width, 12);
    EXPECT_EQ(codes[4092].width, 3);
    EXPECT_EQ(codes.back().code, 5);

    // giflib reads the same indices back.
    const Bytes gif = lwtest::gifAroundData(200, 200, 2, out);
    const auto ref = lwtest::giflibDecode(gif);
    ASSERT_TRUE(ref.ok) << ref.error;
    EXPECT_EQ(ref.frames[0].indices, input);
}

TEST(LzwEncoder, LongRunsRoundTripThroughGiflib)
{
    for (int s : {2, 5, 8}) {
        Bytes input(300000);
        std::mt19937 rng(static_cast<unsigned>(s));
        std::size_t i = 0;
        while (i < input.size()) {
            const std::size_t run = 1 + rng() % 3000;
            const auto value = static_cast<std::uint8_t>(rng() % (1u << s));
            for (std::size_t k = 0; k < run && i < input.size(); ++k)
                input[i++] = value;
        }
        LzwCodec codec;
        Bytes out(LzwCodec::maxEncodedSize(input.size()));
        out.resize(codec.Encode(input, s, out.data()));
        Bytes gif = lwtest::gifAroundData(600, 500, s, out);
        // A global table big enough for every index of this code size.
        gif[10] = static_cast<std::uint8_t>(0x80 | (s - 1));
        gif.insert(gif.begin() + 13 + 12, static_cast<std::size_t>(3 * ((2 << (s - 1)) - 4)), 0);
        const auto ref = lwtest::giflibDecode(gif);
        ASSERT_TRUE(ref.ok) << ref.error;
        EXPECT_EQ(ref.frames[0].indices, input) << s;
    }
}

TEST(LzwEncoder, DitheredDataRoundTripsThroughGiflib)
{
    // Dithering makes every pair of neighbouring indices common: the strings of one-byte prefixes
    // fill the table densely, where a weak hash piles them onto the same slots.
    Bytes input;
    std::mt19937 rng(11);
    for (int repeat = 0; repeat < 3; ++repeat)
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; b += 1 + static_cast<int>(rng() % 3)) {
                input.push_back(static_cast<std::uint8_t>(a));
                input.push_back(static_cast<std::uint8_t>(b));
            }
    input.resize(640 * 400);
    LzwCodec codec;
    Bytes out(LzwCodec::maxEncodedSize(input.size()));
    out.resize(codec.Encode(input, 8, out.data()));
    Bytes gif = lwtest::gifAroundData(640, 400, 8, out);
    gif[10] = 0x87;
    gif.insert(gif.begin() + 13 + 12, 3 * 252, 0);
    const auto ref = lwtest::giflibDecode(gif);
    ASSERT_TRUE(ref.ok) << ref.error;
    EXPECT_EQ(ref.frames[0].indices, input);
}

TEST(LzwEncoder, WorstCaseFitsTheBound)
{
    // Eight-bit noise of one byte and of many bytes: the leading clear code alone would overflow
    // a buffer of twice the input size.
    for (std::size_t n : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{100000}}) {
        std::mt19937 rng(static_cast<unsigned>(n));
        Bytes input(n);
        for (auto& b : input)
            b = static_cast<std::uint8_t>(rng());
        LzwCodec codec;
        Bytes out(LzwCodec::maxEncodedSize(n) + 16, 0xEE);
        const std::size_t written = codec.Encode(input, 8, out.data());
        EXPECT_LE(written, LzwCodec::maxEncodedSize(n));
        EXPECT_EQ(out[LzwCodec::maxEncodedSize(n)], 0xEE);
    }
}

TEST(GifWriter, SingleFrameHasNoExtensions)
{
    GifAnimation gif = singleFrame(rasterFromRows(1, 1, {0x00102030}));
    const Bytes bytes = gif.Write();
    const Bytes expected = {'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0x10, 0x20, 0x30, 0,   0,
                            0,   0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0,    0x3B};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(gif.EstimateSize(), static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(gif.animated, 0);
    EXPECT_EQ(gif.codedFrames, 1);
}

TEST(GifWriter, SingleTransparentFrameGetsOnlyItsControlExtension)
{
    GifAnimation gif;
    gif.SetScreenSize(2, 1);
    gif.AddFrame(rasterFromRows(2, 1, {0x00FFFFFF, 0x00000000})).delay = 50;
    gif.CountColours();
    gif.BuildPalette(256);
    gif.SetTransparentColour(0x00FFFFFF);
    gif.EncodeFrames();
    const Bytes bytes = gif.Write();
    // Header 13 + table 6, then straight the control extension.
    EXPECT_EQ(slice(bytes, 19, 8), (Bytes{0x21, 0xF9, 0x04, 2 << 2 | 1, 50, 0, 0, 0}));
    EXPECT_EQ(bytes[27], 0x2C);
    // The estimate leaves out the extension of a frame that is transparent but not animated.
    EXPECT_EQ(gif.EstimateSize() + 8, static_cast<std::int64_t>(bytes.size()));
}

TEST(GifWriter, AnimationWithLoopCountOneHasCommentButNoLoopExtension)
{
    for (int loop : {1, 0, 7}) {
        GifAnimation gif;
        gif.SetScreenSize(1, 1);
        gif.loopCount = loop;
        gif.AddFrame(rasterFromRows(1, 1, {0x00FF0000})).delay = 10;
        gif.AddFrame(rasterFromRows(1, 1, {0x000000FF})).delay = 20;
        gif.CountColours();
        gif.BuildPalette(256);
        gif.EncodeFrames();
        const Bytes bytes = gif.Write();
        std::size_t at = 19;
        if (loop != 1) {
            Bytes loopExt = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1};
            loopExt.push_back(static_cast<std::uint8_t>(loop));
            loopExt.push_back(0);
            loopExt.push_back(0);
            EXPECT_EQ(slice(bytes, at, 19), loopExt);
            at += 19;
        }
        EXPECT_EQ(slice(bytes, at, 3), (Bytes{0x21, 0xFE, 0x28}));
        const std::string comment(bytes.begin() + static_cast<long>(at + 3),
                                  bytes.begin() + static_cast<long>(at + 43));
        EXPECT_EQ(comment, "Loopwright GIF Animator, www.quarvex.com");
        EXPECT_EQ(bytes[at + 43], 0);
        EXPECT_EQ(slice(bytes, at + 44, 8), (Bytes{0x21, 0xF9, 0x04, 0, 10, 0, 0, 0}));
        EXPECT_EQ(gif.EstimateSize(), static_cast<std::int64_t>(bytes.size()));
        const auto ref = lwtest::giflibDecode(bytes);
        ASSERT_TRUE(ref.ok) << ref.error;
        EXPECT_EQ(ref.loopCount, loop);
        ASSERT_EQ(ref.frames.size(), 2u);
        EXPECT_EQ(ref.frames[0].pixels, (std::vector<std::uint32_t>{0xFF0000}));
        EXPECT_EQ(ref.frames[1].pixels, (std::vector<std::uint32_t>{0x0000FF}));
        EXPECT_EQ(ref.frames[1].delay, 20);
    }
}

TEST(GifWriter, ThreeColoursMakeAFourEntryTableInFirstMetOrder)
{
    // Columns are counted top to bottom, left to right: green (0,0), blue (0,1), red (1,0).
    GifAnimation gif = singleFrame(rasterFromRows(2, 2, {0x0000FF00, 0x00FF0000, 0x000000FF, 0x0000FF00}));
    EXPECT_EQ(gif.globalPaletteSize, 4);
    const Bytes bytes = gif.Write();
    EXPECT_EQ(bytes[10], 0x81);
    EXPECT_EQ(slice(bytes, 13, 12), (Bytes{0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0}));
    EXPECT_EQ(gif.frames->codeSize, 2);
    EXPECT_EQ(gif.frames->indices, (Bytes{0, 2, 1, 0}));
}

TEST(GifWriter, SubBlocksOf255AndTheRest)
{
    for (int length : {0, 1, 254, 255, 256, 510, 511}) {
        GifAnimation gif;
        gif.SetScreenSize(1, 1);
        gif.AddFrame(rasterFromRows(1, 1, {0}));
        gif.BuildPalette(2);
        GifFrame& f = *gif.frames;
        f.compressed.assign(static_cast<std::size_t>(length), 0xAB);
        f.compressedLength = length;
        const Bytes bytes = gif.Write();
        EXPECT_EQ(gif.EstimateSize(), static_cast<std::int64_t>(bytes.size())) << length;
        std::size_t at = 13 + 6 + 10 + 1;
        int left = length;
        while (left >= 255) {
            ASSERT_EQ(bytes[at], 0xFF);
            at += 256;
            left -= 255;
        }
        ASSERT_EQ(bytes[at], left) << length;
        at += left ? static_cast<std::size_t>(left) + 2 : 1;
        EXPECT_EQ(at + 1, bytes.size()) << length;
        if (length == 255) {
            EXPECT_EQ(bytes[at - 1], 0);
        }
    }
}

TEST(GifWriter, CodeSizeFollowsTheColourCount)
{
    EXPECT_EQ(codeSizeFor(1), 2);
    EXPECT_EQ(codeSizeFor(4), 2);
    EXPECT_EQ(codeSizeFor(5), 3);
    EXPECT_EQ(codeSizeFor(16), 4);
    EXPECT_EQ(codeSizeFor(17), 5);
    EXPECT_EQ(codeSizeFor(128), 7);
    EXPECT_EQ(codeSizeFor(129), 8);
}

TEST(GifWriter, CodeSizeWidensToTheLargestIndex)
{
    // A frame's code size is only where coding starts: an index beyond it, in any byte of the
    // frame, widens it to fit, and the data decodes back to the same indices.
    struct Case {
        int codeSize;
        std::size_t at;
        std::uint8_t index;
        int expected;
    };
    for (const Case& c : {Case{2, 3, 200, 8}, Case{2, 17, 5, 3}, Case{3, 16, 8, 4}, Case{4, 0, 15, 4},
                          Case{5, 17, 63, 6}, Case{8, 9, 255, 8}}) {
        GifAnimation gif;
        gif.SetScreenSize(18, 1);
        GifFrame& f = gif.AddFrame(CRaster(18, 1));
        f.indices.assign(18, 1);
        f.indices[c.at] = c.index;
        f.codeSize = static_cast<std::uint8_t>(c.codeSize);
        gif.EncodeFrames();
        EXPECT_EQ(f.codeSize, c.expected) << c.at;
        Bytes back(18, 0);
        LzwCodec codec;
        codec.Decode(f.compressed, f.codeSize, back);
        EXPECT_EQ(back, f.indices) << c.at;
    }
}

TEST(GifWriter, SaveReplacesTheFileOnlyWhenComplete)
{
    const std::string folder = lwtest::makeTempFolder("gifsave");
    const std::string path = folder + "/out.gif";
    GifAnimation gif = singleFrame(rasterFromRows(1, 1, {0x00FF00FF}));
    gif.SaveToFile(path);
    EXPECT_EQ(readFile(path), gif.Write());
    // A folder in the way: the save fails with a file error and leaves nothing behind.
    const std::string blocked = folder + "/missing/out.gif";
    EXPECT_THROW(gif.SaveToFile(blocked), FileError);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1u);
    std::filesystem::remove_all(folder);
}

TEST(GifWriter, AddFrameCopiesTheRasterAndCountsFrames)
{
    GifAnimation gif;
    CRaster source = rasterFromRows(2, 1, {1, 2});
    GifFrame& f = gif.AddFrame(source);
    source.FillRect(0);
    EXPECT_EQ(f.raster.GetPixel(1, 0), 2u);
    EXPECT_EQ(f.indices.size(), 2u);
    EXPECT_EQ(f.width, 2);
    EXPECT_EQ(gif.animated, 0);
    gif.AddFrame(source);
    EXPECT_EQ(gif.animated, 1);
    EXPECT_EQ(gif.frameCount(), 2);
}

TEST(GifWriter, FramesCodedSideBySideMatchOneCodecFrameByFrame)
{
    // Frames of many sizes and code sizes (one claims too small a one), enough pixels to be
    // shared out among threads both ways: each comes out as a fresh codec codes it alone, and
    // reads back to its indices.
    struct Case {
        int width, height, codeSize, bits;
    };
    const Case cases[] = {{300, 200, 8, 8},   {1, 1, 2, 1},       {17, 3, 3, 3},   {250, 250, 2, 2},
                          {2000, 1100, 8, 8}, {64, 1, 5, 5},      {128, 90, 4, 6}, {2, 500, 7, 7},
                          {400, 120, 6, 6},   {1900, 1100, 5, 5}, {33, 33, 8, 3},  {200, 200, 3, 1}};
    GifAnimation gif;
    gif.SetScreenSize(2000, 1100);
    std::mt19937 rng(5);
    for (const Case& c : cases) {
        GifFrame& f = gif.AddFrame(CRaster(c.width, c.height));
        f.codeSize = static_cast<std::uint8_t>(c.codeSize);
        for (std::size_t i = 0; i < f.indices.size();) { // runs, so that strings of every length occur
            const auto value = static_cast<std::uint8_t>(rng() % (1u << c.bits));
            for (std::size_t run = 1 + rng() % 6; run > 0 && i < f.indices.size(); --run)
                f.indices[i++] = value;
        }
    }
    gif.EncodeFrames();
    GifAnimation back;
    ScriptedUiPort ui;
    ASSERT_EQ(back.Read(gif.Write(), ui), 1);
    back.DecodeFrames();
    EXPECT_EQ(gif.codedFrames, 12);
    EXPECT_EQ(back.codedFrames, 12);
    const GifFrame* read = back.frames.get();
    const Case* c = cases;
    for (const GifFrame* f = gif.frames.get(); f; f = f->next.get(), read = read->next.get(), ++c) {
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(f->codeSize, std::max(c->codeSize, c->bits)) << c->width << "x" << c->height;
        LzwCodec codec;
        Bytes alone(LzwCodec::maxEncodedSize(f->indices.size()));
        alone.resize(codec.Encode(f->indices, f->codeSize, alone.data()));
        EXPECT_EQ(f->compressed, alone) << c->width << "x" << c->height;
        EXPECT_EQ(read->indices, f->indices) << c->width << "x" << c->height;
    }
}
