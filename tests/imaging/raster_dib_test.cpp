#include "imaging/raster.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::packedDib;
using lwtest::topDownPixels;

namespace {
const std::vector<std::uint8_t> kTwoColours = {0x00, 0x00, 0xFF, 0x00, /* red */ 0xFF, 0x00, 0x00, 0x77 /* blue */};
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
    expectRefused(packedDib(2, -2, 24, 0, 0, std::vector<std::uint8_t>(16, 0)), "top-down DIB");
    expectRefused(packedDib(-2, 2, 24, 0, 0, std::vector<std::uint8_t>(16, 0)), "negative width");
    // Zero-wide rows take no bytes: the bare 40-byte header with a huge height must not load.
    expectRefused(packedDib(0, 0x7FFFFFFF, 24, 0, 0, {}), "zero width, huge height");
    expectRefused(packedDib(0, 1, 32, 0, 0, {}), "zero width");
    expectRefused(packedDib(5, 0, 24, 0, 0, {}), "zero height");
    expectRefused(packedDib(4, 4, 24, 0, 0, std::vector<std::uint8_t>(47, 0)), "bits cut short");
    expectRefused(packedDib(1, 1, 7, 0, 0, std::vector<std::uint8_t>(64, 0)), "unknown bit count");
    expectRefused(packedDib(1, 1, 8, 1, 0, std::vector<std::uint8_t>(2048, 0)), "RLE compression");
    expectRefused(packedDib(1, 1, 8, 0, 0x40000000, std::vector<std::uint8_t>(64, 0)), "colour table larger than the block");
    expectRefused(packedDib(65536, 65536, 1, 0, 0, std::vector<std::uint8_t>(64, 0)), "absurd dimensions");
    expectRefused(packedDib(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, 0, std::vector<std::uint8_t>(64, 0)), "overflowing pixel count");
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
