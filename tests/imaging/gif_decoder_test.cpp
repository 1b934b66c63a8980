#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/gif_animation.h"
#include "imaging/lzw_codec.h"
#include "platform/errors.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <random>

using namespace lw;
using lwtest::BitPacker;
using lwtest::gifAroundData;
using lwtest::rasterFromRows;
using lwtest::topDownRgb;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads, decodes and makes rasters; fails the test when the file is refused.
void readAll(GifAnimation& gif, const Bytes& bytes)
{
    ScriptedUiPort ui;
    ASSERT_EQ(gif.Read(bytes, ui), 1) << (ui.messages().empty() ? "" : ui.messages()[0].text);
    EXPECT_TRUE(ui.messages().empty());
    gif.DecodeFrames();
    gif.FramesToRasters();
}

Bytes header(int w, int h)
{
    // Four-entry global table: black, red, green, blue.
    return {'G',
            'I',
            'F',
            '8',
            '9',
            'a',
            static_cast<std::uint8_t>(w),
            0,
            static_cast<std::uint8_t>(h),
            0,
            0x81,
            0,
            0,
            0,
            0,
            0,
            0xFF,
            0,
            0,
            0,
            0xFF,
            0,
            0,
            0,
            0xFF};
}

// One 1 × 1 image of index 0 with code size 2.
void appendImage(Bytes& b, int left = 0, int top = 0, int w = 1, int h = 1)
{
    const Bytes image = {0x2C, static_cast<std::uint8_t>(left),
                         0,    static_cast<std::uint8_t>(top),
                         0,    static_cast<std::uint8_t>(w),
                         0,    static_cast<std::uint8_t>(h),
                         0,    0,
                         2,    2,
                         0x44, 0x01,
                         0};
    b.insert(b.end(), image.begin(), image.end());
}

void appendControl(Bytes& b, int flags, int delay, int index)
{
    const Bytes gce = {0x21,
                       0xF9,
                       4,
                       static_cast<std::uint8_t>(flags),
                       static_cast<std::uint8_t>(delay),
                       0,
                       static_cast<std::uint8_t>(index),
                       0};
    b.insert(b.end(), gce.begin(), gce.end());
}

std::vector<int> decodeCodes(int width, int height, const std::vector<std::pair<int, int>>& codes)
{
    BitPacker packer;
    for (auto [code, w] : codes)
        packer.put(code, w);
    GifAnimation gif;
    readAll(gif, gifAroundData(width, height, 2, packer.finish()));
    return std::vector<int>(gif.frames->indices.begin(), gif.frames->indices.end());
}

} // namespace

TEST(GifReader, NotAGifIsReportedAndLeavesTheObjectEmpty)
{
    for (const Bytes& bytes : {Bytes{}, Bytes{'G', 'I'}, Bytes{'P', 'N', 'G', '8', '9', 'a'}}) {
        GifAnimation gif;
        ScriptedUiPort ui;
        EXPECT_EQ(gif.Read(bytes, ui), 0);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, "No GIF Format");
        EXPECT_EQ(ui.messages()[0].caption, "Quarvex Loopwright GIF Animator");
        EXPECT_EQ(ui.messages()[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(gif.frames, nullptr);
        EXPECT_EQ(gif.loopCount, 1);
    }
}

TEST(GifReader, HeaderFieldsAndSingleImage)
{
    Bytes b = header(3, 2);
    b[4] = '7'; // "87a"
    b[10] = 0x81 | 0x08 | 0x50;
    b[11] = 2;
    appendImage(b);
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    EXPECT_STREQ(gif.version, "87a");
    EXPECT_EQ(gif.screenWidth, 3);
    EXPECT_EQ(gif.screenHeight, 2);
    EXPECT_EQ(gif.sorted, 1);
    EXPECT_EQ(gif.colourResolution, 5);
    EXPECT_EQ(gif.backgroundIndex, 2);
    EXPECT_EQ(gif.globalPaletteSize, 4);
    EXPECT_EQ(gif.animated, 0);
    EXPECT_EQ(gif.loopCount, 1);
    EXPECT_EQ(gif.codedFrames, 1);
}

TEST(GifReader, LoopExtensionByItsPrefix)
{
    for (const char* id : {"NETSCAPE2.0", "NETWHATEVER", "ANIMEXTS1.0"}) {
        Bytes b = header(1, 1);
        const Bytes ext = {0x21, 0xFF, 11};
        b.insert(b.end(), ext.begin(), ext.end());
        b.insert(b.end(), id, id + 11);
        const Bytes sub = {3, 1, 0x2A, 0x01, 0};
        b.insert(b.end(), sub.begin(), sub.end());
        appendImage(b);
        appendImage(b);
        b.push_back(0x3B);
        GifAnimation gif;
        readAll(gif, b);
        EXPECT_EQ(gif.loopCount, id[0] == 'N' ? 0x12A : 1) << id;
        EXPECT_EQ(gif.animated, 1);
    }
}

TEST(GifReader, OtherApplicationAndCommentBlocksAreSkipped)
{
    Bytes b = header(1, 1);
    const Bytes junk = {0x21, 0xFF, 5, 1,   2,   3,   4, 5, 2, 9, 9, 0, // not an 11-byte identifier
                        0x21, 0xFE, 3, 'a', 'b', 'c', 0,                // comment
                        0x21, 0x01, 2, 0,   0,   0,                     // plain text
                        0x00, 0x99};                                    // stray bytes
    b.insert(b.end(), junk.begin(), junk.end());
    appendImage(b);
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    EXPECT_EQ(gif.frameCount(), 1);
    EXPECT_EQ(gif.loopCount, 1);
}

TEST(GifReader, ControlExtensionFieldsAndTransparentIndex)
{
    Bytes b = header(1, 1);
    appendControl(b, 0x01 | 3 << 2 | 0x02, 42, 0);
    appendControl(b, 0x01 | 2 << 2, 33, 0); // a second one before the image overwrites the first
    appendImage(b);
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    const GifFrame& f = *gif.frames;
    EXPECT_EQ(f.delay, 33);
    EXPECT_EQ(f.disposal, 2);
    EXPECT_EQ(f.transparent, 1);
    EXPECT_EQ(gif.frameCount(), 1);
    // Index 0 is black and transparent: T = 255 with the colour kept.
    EXPECT_EQ(f.raster.GetPixel(0, 0), 0xFF000000u);
}

TEST(GifReader, TransparentPixelKeepsItsPaletteColour)
{
    BitPacker p;
    p.put(4, 3), p.put(1, 3), p.put(2, 3), p.put(5, 3);
    Bytes b = gifAroundData(2, 1, 2, p.finish());
    const Bytes gce = {0x21, 0xF9, 4, 1, 0, 0, 1, 0};
    b.insert(b.begin() + 25, gce.begin(), gce.end());
    GifAnimation gif;
    readAll(gif, b);
    EXPECT_EQ(topDownRgb(gif.frames->raster), (std::vector<std::uint32_t>{0xFFFF0000u, 0x0000FF00u}));
}

TEST(GifReader, ControlExtensionWithoutImageLeavesAnEmptyFrame)
{
    Bytes b = header(1, 1);
    appendImage(b);
    appendControl(b, 0, 20, 0);
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    ASSERT_EQ(gif.frameCount(), 2);
    const GifFrame* extra = gif.frameAt(1);
    EXPECT_EQ(extra->width, 0);
    EXPECT_EQ(extra->height, 0);
    EXPECT_EQ(extra->delay, 20);
    EXPECT_EQ(gif.animated, 1);
    auto sequence = gif.ToAnimation();
    EXPECT_EQ(sequence->size(), 2u);
}

TEST(GifReader, InterlacedRowsComeOutInOrder)
{
    for (int h : {1, 2, 3, 5, 9, 17}) {
        // Row y of the picture has index y; the stream holds the rows in pass order.
        std::vector<int> order;
        for (int y = 0; y < h; y += 8)
            order.push_back(y);
        for (int y = 4; y < h; y += 8)
            order.push_back(y);
        for (int y = 2; y < h; y += 4)
            order.push_back(y);
        for (int y = 1; y < h; y += 2)
            order.push_back(y);
        GifAnimation gif;
        gif.SetScreenSize(1, h);
        CRaster column(1, h);
        for (int y = 0; y < h; ++y)
            column.bits()[column.indexOf(0, y)] = static_cast<std::uint32_t>(y * 10);
        GifFrame& f = gif.AddFrame(column);
        gif.CountColours();
        gif.BuildPalette(256);
        std::vector<std::uint8_t> stored;
        for (int y : order)
            stored.push_back(f.indices[static_cast<std::size_t>(y)]);
        f.indices = stored;
        f.interlaced = 1;
        gif.EncodeFrames();
        const Bytes bytes = gif.Write();

        GifAnimation back;
        readAll(back, bytes);
        EXPECT_EQ(back.frames->interlaced, 1);
        EXPECT_EQ(topDownRgb(back.frames->raster), topDownRgb(column)) << h;
        // giflib agrees.
        const auto ref = lwtest::giflibDecode(bytes);
        ASSERT_TRUE(ref.ok);
        EXPECT_EQ(ref.frames[0].pixels, topDownRgb(column)) << h;
    }
}

TEST(GifReader, ToAnimationComposesOverATransparentScreen)
{
    Bytes b = header(3, 2);
    appendControl(b, 0, 5, 0);
    appendImage(b, 1, 1); // index 0 = black at (1, 1)
    // A 2 × 1 red image at (0, 0): codes clear, 1, 1, end.
    const Bytes image = {0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, 2, 2, 0x4C, 0x0A, 0};
    appendControl(b, 0, 30, 0);
    b.insert(b.end(), image.begin(), image.end());
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    gif.loopCount = 3;
    auto seq = gif.ToAnimation();
    EXPECT_EQ(seq->width, 3);
    EXPECT_EQ(seq->height, 2);
    EXPECT_EQ(seq->loopCount, 3);
    ASSERT_EQ(seq->size(), 2u);
    seq->reset();
    const SequenceFrame* first = seq->next();
    EXPECT_EQ(first->delay, 10); // raised to the minimum
    EXPECT_EQ(first->image, &gif.frames->raster);
    // Nothing painted outside the first image: transparent.
    constexpr std::uint32_t T = 0xFF000000u;
    EXPECT_EQ(topDownRgb(*first->image), (std::vector<std::uint32_t>{T, T, T, T, 0, T}));
    const SequenceFrame* second = seq->next();
    EXPECT_EQ(second->delay, 30);
    EXPECT_EQ(topDownRgb(*second->image), (std::vector<std::uint32_t>{0xFF0000, 0xFF0000, T, T, 0, T}));
}

TEST(GifReader, FileWithoutImageIsRejected)
{
    for (Bytes b : {header(1, 1), Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0}}) {
        appendControl(b, 0, 10, 0);
        b.push_back(0x3B);
        GifAnimation gif;
        ScriptedUiPort ui;
        EXPECT_EQ(gif.Read(b, ui), 0);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, "The GIF file contains no image.");
        EXPECT_EQ(gif.frames, nullptr);
        EXPECT_EQ(gif.animated, 0);
    }
}

TEST(GifReader, TruncatedFileKeepsTheCompleteFrames)
{
    Bytes b = header(1, 1);
    appendImage(b);
    appendControl(b, 0, 10, 0);
    appendImage(b);
    const std::size_t complete = b.size();
    appendControl(b, 0, 10, 0);
    appendImage(b);
    b.push_back(0x3B);
    // Cut inside the third frame's data, inside its descriptor, and inside its control block.
    for (std::size_t cut : {b.size() - 3, b.size() - 10, complete + 4, complete}) {
        GifAnimation gif;
        readAll(gif, Bytes(b.begin(), b.begin() + static_cast<long>(cut)));
        EXPECT_EQ(gif.frameCount(), 2) << cut;
        EXPECT_EQ(gif.animated, 1);
    }
    // Cut inside the first image: nothing complete remains.
    GifAnimation gif;
    ScriptedUiPort ui;
    EXPECT_EQ(gif.Read(Bytes(b.begin(), b.begin() + 30), ui), 0);
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST(GifReader, OversizedFramesAreRefusedBeforeAllocating)
{
    Bytes b = header(1, 1);
    appendImage(b, 0, 0, 1, 1);
    b[b.size() - 10] = 0xFF; // width 65535
    b[b.size() - 8] = 0xFF;  // height 65535
    b[b.size() - 9] = 0xFF;
    b[b.size() - 7] = 0xFF;
    b.push_back(0x3B);
    GifAnimation gif;
    ScriptedUiPort ui;
    EXPECT_EQ(gif.Read(b, ui), 0);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find("65535"), std::string::npos);
    EXPECT_EQ(gif.frames, nullptr);

    // Many frames that each pass but together exceed the budget.
    Bytes many = header(1, 1);
    for (int i = 0; i < 20; ++i)
        appendImage(many, 0, 0, 100, 100);
    many.push_back(0x3B);
    GifAnimation limited;
    limited.maxTotalPixels = 100000;
    ScriptedUiPort ui2;
    EXPECT_EQ(limited.Read(many, ui2), 0);
    EXPECT_EQ(ui2.messages().size(), 1u);
    GifAnimation enough;
    readAll(enough, many);
    EXPECT_EQ(enough.frameCount(), 20);
}

TEST(GifReader, FramesPastTheScreenKeepOnlyTheVisiblePart)
{
    // giflib decodes the whole frame; the reader keeps what lies on the 16 x 8 screen.
    struct Case {
        int left, top, width, height;
        bool interlaced;
    };
    for (const Case c : {Case{3, 2, 40, 30, false}, Case{3, 2, 40, 30, true}, Case{0, 5, 16, 19, true},
                         Case{20, 0, 5, 5, false}, Case{4, 1, 12, 7, true}}) {
        lwtest::ReferenceImage image{c.width, c.height, {}, 10, -1, c.interlaced, c.left, c.top, 0};
        for (int i = 0; i < c.width * c.height; ++i)
            image.indices.push_back(static_cast<std::uint8_t>((i * 7 + i / c.width * 3) % 4));
        const Bytes bytes = lwtest::giflibEncode(16, 8, {0, 0xFF0000, 0x00FF00, 0x0000FF}, {image});
        const auto ref = lwtest::giflibDecode(bytes);
        ASSERT_TRUE(ref.ok);
        GifAnimation gif;
        readAll(gif, bytes);
        const GifFrame& f = *gif.frames;
        const int w = std::clamp(16 - c.left, 0, c.width), h = std::clamp(8 - c.top, 0, c.height);
        EXPECT_EQ(f.width, w);
        EXPECT_EQ(f.height, h);
        EXPECT_EQ(f.indices.size(), static_cast<std::size_t>(w * h));
        std::vector<std::uint32_t> visible;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                visible.push_back(ref.frames[0].pixels[static_cast<std::size_t>(y * c.width + x)]);
        EXPECT_EQ(topDownRgb(f.raster), visible) << c.left << "," << c.top << " " << c.interlaced;
    }

    // A few dozen bytes stating an 8000 x 8000 frame on a 10 x 10 screen: only the screen is
    // decoded (the codes 1, 2, 3, 1; the code width grows after the third).
    BitPacker lzw;
    for (const auto& [code, width] : {std::pair{4, 3}, {1, 3}, {2, 3}, {3, 3}, {1, 4}, {5, 4}})
        lzw.put(code, width);
    Bytes hostile = gifAroundData(8000, 8000, 2, lzw.finish());
    hostile[6] = hostile[8] = 10, hostile[7] = hostile[9] = 0;
    GifAnimation gif;
    readAll(gif, hostile);
    EXPECT_EQ(gif.frames->indices.size(), 100u);
    EXPECT_EQ(gif.frames->raster.width() * gif.frames->raster.height(), 100);
    EXPECT_EQ(gif.frames->indices[3], 1);
    EXPECT_EQ(gif.frames->raster.bits()[gif.frames->raster.indexOf(1, 0)], 0x0000FF00u);
}

TEST(GifReader, ToAnimationRefusesBeyondTheBudget)
{
    Bytes b = header(200, 200);
    appendImage(b);
    appendImage(b);
    b.push_back(0x3B);
    GifAnimation gif;
    readAll(gif, b);
    gif.maxTotalPixels = 200 * 200 + 1;
    EXPECT_THROW(gif.ToAnimation(), MemoryError);
}

TEST(LzwDecoder, ClearEndAndStringRules)
{
    // Width 3: clear 4, end 5.
    EXPECT_EQ(decodeCodes(4, 1, {{4, 3}, {1, 3}, {2, 3}, {6, 3}, {5, 4}}), (std::vector<int>{1, 2, 1, 2}));
    // The code being defined (KwKwK): 1, then 6 = "1 1".
    EXPECT_EQ(decodeCodes(3, 1, {{4, 3}, {1, 3}, {6, 3}, {5, 3}}), (std::vector<int>{1, 1, 1}));
    // Codes above the next free code are ignored and keep the previous code.
    EXPECT_EQ(decodeCodes(4, 1, {{4, 3}, {1, 3}, {7, 3}, {2, 3}, {6, 3}, {5, 4}}),
              (std::vector<int>{1, 2, 1, 2}));
    // The next free code right after a clear has no previous code and is ignored.
    EXPECT_EQ(decodeCodes(2, 1, {{4, 3}, {6, 3}, {3, 3}, {3, 3}, {5, 3}}), (std::vector<int>{3, 3}));
    // A clear in the middle restarts the table: 6 was "2 1" and becomes "1 1".
    EXPECT_EQ(decodeCodes(5, 1, {{4, 3}, {2, 3}, {1, 3}, {4, 3}, {1, 3}, {6, 3}, {5, 3}}),
              (std::vector<int>{2, 1, 1, 1, 1}));
    // The end code stops decoding: the rest of the image stays 0.
    EXPECT_EQ(decodeCodes(3, 1, {{4, 3}, {3, 3}, {5, 3}, {3, 3}}), (std::vector<int>{3, 0, 0}));
    // A string that does not fit is dropped whole; a shorter one after it still lands.
    EXPECT_EQ(decodeCodes(3, 1, {{4, 3}, {1, 3}, {1, 3}, {6, 3}, {2, 4}, {5, 4}}),
              (std::vector<int>{1, 1, 2}));
    // No clear code at the start is fine too.
    EXPECT_EQ(decodeCodes(2, 1, {{2, 3}, {1, 3}, {5, 3}}), (std::vector<int>{2, 1}));
}

TEST(LzwDecoder, WidthGrowsWhenTheTableReachesTheThreshold)
{
    // Entries 6 and 7 fill 3 bits, so the fourth code is read with 4 bits.
    EXPECT_EQ(decodeCodes(5, 1, {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {6, 4}, {5, 4}}),
              (std::vector<int>{1, 2, 3, 1, 2}));
}

TEST(LzwDecoder, LastCodeEndingExactlyAtTheDataEndIsNotDecoded)
{
    // Clear, 1, 2 with no end code: 9 bits; pad to 16 with a code that ends exactly there.
    BitPacker p;
    p.put(4, 3), p.put(1, 3), p.put(2, 3), p.put(3, 3), p.put(1, 4);
    // 16 bits: the final 4-bit code fills the data exactly and is not taken.
    GifAnimation gif;
    readAll(gif, gifAroundData(5, 1, 2, p.finish()));
    EXPECT_EQ(gif.frames->indices, (Bytes{1, 2, 3, 0, 0}));
}

TEST(LzwDecoder, CodeSizesOutsideOneToEightLeaveZeros)
{
    BitPacker p;
    p.put(4, 3), p.put(1, 3), p.put(5, 3);
    for (int s : {0, 9, 12}) {
        GifAnimation gif;
        readAll(gif, gifAroundData(1, 1, s, p.finish()));
        EXPECT_EQ(gif.frames->indices, (Bytes{0}));
    }
}

TEST(LzwDecoder, WholeImageMatchesTheStringByStringPathOnDamagedData)
{
    // Decode copies strings from the output in 16-byte steps; a window as large as the image goes
    // string by string through the prefix table. Both must agree on every stream, whole or
    // damaged, and on outputs shorter or longer than the data's image.
    std::mt19937 rng(5);
    for (int s : {2, 5, 8})
        for (int shape = 0; shape < 3; ++shape) {
            // Noise, long runs (strings longer than a step, repeated codes), and runs of noise.
            Bytes input(60000);
            for (std::size_t i = 0; i < input.size(); ++i) {
                const auto noise = static_cast<std::uint8_t>(rng() % (1u << s));
                input[i] = shape == 0 || i == 0 ? noise
                           : shape == 1         ? (rng() % 500 ? input[i - 1] : noise)
                                                : (i / 40 % 2 ? input[i - 1] : noise);
            }
            LzwCodec codec;
            Bytes data(LzwCodec::maxEncodedSize(input.size()));
            data.resize(codec.Encode(input, s, data.data()));
            for (int damage = 0; damage < 5; ++damage) {
                Bytes d = data;
                std::size_t outSize = input.size();
                if (damage == 1)
                    d.resize(d.size() * 2 / 3);
                if (damage == 2)
                    for (int k = 0; k < 20; ++k)
                        d[rng() % d.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
                if (damage == 3)
                    outSize = input.size() - 1 - rng() % 3000;
                if (damage == 4)
                    outSize = input.size() + 40;
                Bytes whole(outSize, 0);
                Bytes window(outSize, 0);
                const std::size_t written = codec.Decode(d, s, whole);
                const int w = static_cast<int>(outSize);
                codec.DecodeWindow(d, s, LzwCodec::Window{w, 1, false, w, 1}, window);
                ASSERT_EQ(whole, window) << "size " << s << " shape " << shape << " damage " << damage;
                if (damage == 0 || damage == 4) {
                    EXPECT_EQ(written, input.size());
                    EXPECT_TRUE(std::equal(input.begin(), input.end(), whole.begin()));
                }
                if (damage == 4) {
                    EXPECT_EQ(Bytes(whole.begin() + static_cast<std::ptrdiff_t>(input.size()), whole.end()),
                              Bytes(40, 0));
                }
            }
        }
}
