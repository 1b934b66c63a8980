#include "imaging/raster.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

using namespace lw;
using lwtest::packedDib;
using lwtest::topDownPixels;

namespace {
const std::vector<std::uint8_t> kTwoColours = {0x00,           0x00, 0xFF, 0x00,
                                               /* red */ 0xFF, 0x00, 0x00, 0x77 /* blue */};
}

TEST(LoadPackedDib, OneBitReadsMostSignificantBitFirst)
{
    auto table = kTwoColours;
    // 3 x 2; bottom row 0b101..., top row 0b010...; rows padded to 4 bytes.
    table.insert(table.end(), {0xA0, 0, 0, 0, 0x40, 0, 0, 0});
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(3, 2, 1, 0, 0, table)), 0);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x00FF0000, 0x000000FF, 0x00FF0000, 0x000000FF,
                                                            0x00FF0000, 0x000000FF}));
}

TEST(LoadPackedDib, FourBitHighNibbleFirstWithClrUsed)
{
    std::vector<std::uint8_t> block = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
    block.insert(block.end(), {0x21, 0x00, 0, 0});
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(3, 1, 4, 0, 3, block)), 0);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x00090807, 0x00060504, 0x00030201}));
}

TEST(LoadPackedDib, EightBitDefaultTableOf256)
{
    std::vector<std::uint8_t> block(256 * 4, 0);
    block[200 * 4 + 2] = 0x55;
    block.insert(block.end(), {200, 0, 0, 0});
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(1, 1, 8, 0, 0, block)), 0);
    EXPECT_EQ(r.GetPixel(0, 0), 0x00550000u);
}

TEST(LoadPackedDib, SixteenBit555And565)
{
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(2, 1, 16, 0, 0, {0x00, 0x7C, 0x1F, 0x00})), 0);
    EXPECT_EQ(r.GetPixel(0, 0), 0x00FF0000u) << "0x7C00 is pure red";
    EXPECT_EQ(r.GetPixel(1, 0), 0x000000FFu);
    std::vector<std::uint8_t> masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    masks.insert(masks.end(), {0xE0, 0x07, 0x10, 0x84}); // green full; then r=16, g=32, b=16
    ASSERT_NE(r.LoadPackedDib(packedDib(2, 1, 16, 3, 0, masks)), 0);
    EXPECT_EQ(r.GetPixel(0, 0), 0x0000FF00u);
    EXPECT_EQ(r.GetPixel(1, 0), (16u * 255 / 31) << 16 | (32u * 255 / 63) << 8 | 16u * 255 / 31);
}

TEST(LoadPackedDib, SixteenBitZeroMasksGiveBlackNotACrash)
{
    std::vector<std::uint8_t> masks(12, 0);
    masks.insert(masks.end(), {0xFF, 0xFF, 0, 0});
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(1, 1, 16, 3, 0, masks)), 0);
    EXPECT_EQ(r.GetPixel(0, 0), 0u);
}

TEST(LoadPackedDib, TwentyFourAndThirtyTwoBits)
{
    CRaster r;
    ASSERT_NE(r.LoadPackedDib(packedDib(1, 2, 24, 0, 0, {1, 2, 3, 0, 4, 5, 6, 0})), 0);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x00060504, 0x00030201}));
    ASSERT_NE(r.LoadPackedDib(packedDib(1, 1, 32, 0, 0, {1, 2, 3, 0x80})), 0);
    EXPECT_EQ(r.GetPixel(0, 0), 0x80030201u) << "the fourth byte is the transparency";
}

TEST(LoadPackedDib, RoundTripThroughToPackedDib32)
{
    CRaster a = lwtest::rasterFromRows(3, 2, {1, 0xFF000002, 3, 0x12345678, 5, 6});
    const PackedDib block = a.ToPackedDib32();
    ASSERT_EQ(block.size(), 40u + 24u);
    EXPECT_EQ(BitmapInfoHeader::fromBytes(block), a.header());
    CRaster b;
    ASSERT_NE(b.LoadPackedDib(block), 0);
    EXPECT_EQ(topDownPixels(b), topDownPixels(a));
    EXPECT_TRUE(CRaster().ToPackedDib32().empty());
}

TEST(LoadPackedDib, HostileBlocksFailCleanlyAndLeaveTheRaster)
{
    CRaster r = lwtest::rasterFromRows(1, 1, {0x42});
    auto expectRefused = [&](const std::vector<std::uint8_t>& block, const char* why) {
        EXPECT_EQ(r.LoadPackedDib(block), 0) << why;
        EXPECT_EQ(r.width(), 1) << why;
        EXPECT_EQ(r.GetPixel(0, 0), 0x42u) << why;
    };
    expectRefused({}, "empty block");
    expectRefused(std::vector<std::uint8_t>(39, 0), "short header");
    expectRefused(packedDib(2, -3, 24, 0, 0, std::vector<std::uint8_t>(23, 0)), "top-down bits cut short");
    expectRefused(packedDib(-2, 2, 24, 0, 0, std::vector<std::uint8_t>(16, 0)), "negative width");
    // Zero-wide rows take no bytes: the bare 40-byte header with a huge height must not load.
    expectRefused(packedDib(0, 0x7FFFFFFF, 24, 0, 0, {}), "zero width, huge height");
    expectRefused(packedDib(0, 1, 32, 0, 0, {}), "zero width");
    expectRefused(packedDib(5, 0, 24, 0, 0, {}), "zero height");
    expectRefused(packedDib(4, 4, 24, 0, 0, std::vector<std::uint8_t>(47, 0)), "bits cut short");
    expectRefused(packedDib(1, 1, 7, 0, 0, std::vector<std::uint8_t>(64, 0)), "unknown bit count");
    expectRefused(packedDib(1, 1, 8, 1, 0, std::vector<std::uint8_t>(2048, 0)), "RLE compression");
    expectRefused(packedDib(1, 1, 8, 0, 0x40000000, std::vector<std::uint8_t>(64, 0)),
                  "colour table larger than the block");
    expectRefused(packedDib(65536, 65536, 1, 0, 0, std::vector<std::uint8_t>(64, 0)), "absurd dimensions");
    expectRefused(packedDib(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, std::vector<std::uint8_t>(64, 0)),
                  "overflowing pixel count");
    // Index 2 in a 4-bit DIB whose table has only 2 entries.
    std::vector<std::uint8_t> shortTable = kTwoColours;
    shortTable.insert(shortTable.end(), {0x20, 0, 0, 0});
    expectRefused(packedDib(1, 1, 4, 0, 2, shortTable), "colour index beyond the table");
}

TEST(ToPackedDibAuto, ThirtyTwoBitsWheneverAPixelIsNotFullyTransparent)
{
    const CRaster r = lwtest::rasterFromRows(2, 1, {0x00112233, 0xFF445566});
    EXPECT_EQ(r.ToPackedDibAuto(), r.ToPackedDib32());
}

TEST(ToPackedDibAuto, FullyTransparentRastersReduceToTheSmallestDepth)
{
    const CRaster two = lwtest::rasterFromRows(3, 1, {0xFF0000FF, 0xFF00FF00, 0xFF0000FF});
    const PackedDib one = two.ToPackedDibAuto();
    const auto h = BitmapInfoHeader::fromBytes(one);
    EXPECT_EQ(h.biBitCount, 1);
    ASSERT_EQ(one.size(), 40u + 8u + 4u);
    EXPECT_EQ(one[40], 0xFF); // first-met colour first: blue
    EXPECT_EQ(one[45], 0xFF); // then green
    EXPECT_EQ(one[48], 0x40); // pixels 0, 1, 0
    CRaster back;
    ASSERT_NE(back.LoadPackedDib(one), 0);
    EXPECT_EQ(topDownPixels(back), (std::vector<std::uint32_t>{0xFF, 0xFF00, 0xFF}));

    CRaster many(17, 1);
    for (int x = 0; x < 17; ++x)
        many.bits()[x] = 0xFF000000u | static_cast<std::uint32_t>(x);
    EXPECT_EQ(BitmapInfoHeader::fromBytes(many.ToPackedDibAuto()).biBitCount, 8);
    CRaster more(300, 1);
    for (int x = 0; x < 300; ++x)
        more.bits()[x] = 0xFF000000u | static_cast<std::uint32_t>(x);
    const PackedDib wide = more.ToPackedDibAuto();
    EXPECT_EQ(BitmapInfoHeader::fromBytes(wide).biBitCount, 24);
    ASSERT_NE(back.LoadPackedDib(wide), 0);
    EXPECT_EQ(back.GetPixel(299, 0), 299u) << "fully transparent colours mix to themselves";
}

TEST(LoadPackedDib, TopDownRowsComeOutInPictureOrder)
{
    // Negative height: the first stored row is the top one, at every depth.
    struct Case {
        int bits;
        std::vector<std::uint8_t> tableAndBits;
    };
    const Case cases[] = {
        {24, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0}},
        {32, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0}},
        // Three table entries, then one index per row.
        {8, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::vector<std::uint8_t>& block = c.tableAndBits;
        CRaster top;
        ASSERT_NE(top.LoadPackedDib(packedDib(1, -3, c.bits, 0, c.bits == 8 ? 3 : 0, block)), 0);
        CRaster bottom;
        ASSERT_NE(bottom.LoadPackedDib(packedDib(1, 3, c.bits, 0, c.bits == 8 ? 3 : 0, block)), 0);
        auto flipped = topDownPixels(bottom);
        std::reverse(flipped.begin(), flipped.end());
        EXPECT_EQ(top.height(), 3);
        EXPECT_EQ(topDownPixels(top), flipped);
        EXPECT_EQ(topDownPixels(top).front(), 0x00030201u);
    }
}

TEST(LoadPackedDib, ThirtyTwoBitsFromFilesAreOpaqueUnlessAnAlphaMaskIsDeclared)
{
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 0xFF, 4, 5, 6, 0, 7, 8, 9, 0x80};
    struct Case {
        const char* name;
        CRaster::DibSource source;
        std::vector<std::uint8_t> block;
        std::vector<std::uint32_t> expected;
    };
    auto v5 = [&](std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a,
                  const std::vector<std::uint8_t>& bits) {
        std::vector<std::uint8_t> block = packedDib(3, 1, 32, 3, 0, {});
        block[0] = 124;
        block.resize(124, 0);
        std::size_t at = 40;
        for (std::uint32_t m : {r, g, b, a})
            for (int i = 0; i < 4; ++i)
                block[at++] = static_cast<std::uint8_t>(m >> (8 * i));
        block.insert(block.end(), bits.begin(), bits.end());
        return block;
    };
    std::vector<std::uint8_t> swapped = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
    swapped.insert(swapped.end(), pixels.begin(), pixels.end());
    const Case cases[] = {
        {"clipboard: fourth byte is T",
         CRaster::DibSource::Clipboard,
         packedDib(3, 1, 32, 0, 0, pixels),
         {0xFF030201u, 0x00060504u, 0x80090807u}},
        {"file BI_RGB: opaque",
         CRaster::DibSource::File,
         packedDib(3, 1, 32, 0, 0, pixels),
         {0x00030201u, 0x00060504u, 0x00090807u}},
        {"file bit fields, red in the low byte",
         CRaster::DibSource::File,
         packedDib(3, 1, 32, 3, 0, swapped),
         {0x00010203u, 0x00040506u, 0x00070809u}},
        {"V5 alpha mask: T = 255 - alpha",
         CRaster::DibSource::File,
         v5(0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, pixels),
         {0x00030201u, 0xFF060504u, 0x7F090807u}},
        {"V5 alpha mask, every alpha 0: opaque",
         CRaster::DibSource::File,
         v5(0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0}),
         {0x00030201u, 0x00060504u, 0x00090807u}},
        {"V5 without alpha mask: opaque",
         CRaster::DibSource::File,
         v5(0x00FF0000, 0x0000FF00, 0x000000FF, 0, pixels),
         {0x00030201u, 0x00060504u, 0x00090807u}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRaster r;
        ASSERT_NE(r.LoadPackedDib(c.block, c.source), 0);
        EXPECT_EQ(topDownPixels(r), c.expected);
    }
    // A V5 header read as a clipboard block is taken as 40 bytes long: its masks become bits.
    EXPECT_EQ(PackedDibHeaderSize(v5(1, 2, 4, 8, pixels), CRaster::DibSource::Clipboard), 40u);
    EXPECT_EQ(PackedDibHeaderSize(v5(1, 2, 4, 8, pixels), CRaster::DibSource::File), 124u);
}

TEST(LoadPackedDib, SixteenBitMasksOfEveryLayoutKeepAllTheirBits)
{
    // 5-5-5 and 5-6-5 masks: every channel value comes out scaled to 0 … 255.
    struct Layout {
        std::uint32_t red, green, blue;
    };
    for (const Layout l : {Layout{0x7C00, 0x03E0, 0x001F}, Layout{0xF800, 0x07E0, 0x001F}}) {
        for (std::uint32_t mask : {l.red, l.green, l.blue}) {
            const int shift = std::countr_zero(mask);
            const std::uint32_t maximum = mask >> shift;
            for (std::uint32_t value = 0; value <= maximum; ++value) {
                std::vector<std::uint8_t> block;
                for (std::uint32_t m : {l.red, l.green, l.blue})
                    for (int i = 0; i < 4; ++i)
                        block.push_back(static_cast<std::uint8_t>(m >> (8 * i)));
                const std::uint32_t p = value << shift;
                block.insert(block.end(),
                             {static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 8), 0, 0});
                CRaster r;
                ASSERT_NE(r.LoadPackedDib(packedDib(1, 1, 16, 3, 0, block)), 0);
                const int channel = mask == l.red ? 16 : mask == l.green ? 8 : 0;
                EXPECT_EQ(r.GetPixel(0, 0), (value * 255 / maximum) << channel)
                    << std::hex << mask << " value " << std::dec << value;
            }
        }
    }
}
