#include "imaging/reduce_colours.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

// The 8-bit result split into its parts.
struct Reduced {
    BitmapInfoHeader header;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    std::vector<std::vector<int>> rows; // indices, top row first
};

Reduced split(const PackedDib& dib)
{
    Reduced r;
    EXPECT_GE(dib.size(), 40u + 1024u);
    r.header = BitmapInfoHeader::fromBytes(dib);
    const std::uint8_t* table = dib.data() + 40;
    for (int k = 0; k < 256; ++k)
        r.palette.push_back(std::uint32_t{table[k * 4 + 2]} << 16 | std::uint32_t{table[k * 4 + 1]} << 8 |
                            table[k * 4]);
    const int w = r.header.biWidth, h = r.header.biHeight;
    const std::size_t stride = (static_cast<std::size_t>(w) + 3) & ~std::size_t{3};
    EXPECT_EQ(dib.size(), 40u + 1024u + stride * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = table + 1024 + stride * static_cast<std::size_t>(h - 1 - y);
        r.rows.emplace_back(row, row + w);
    }
    return r;
}

CRaster photoLike(int w, int h, unsigned seed)
{
    std::mt19937 rng(seed);
    CRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t red = static_cast<std::uint32_t>((x * 255) / std::max(1, w - 1));
            const std::uint32_t green = static_cast<std::uint32_t>((y * 255) / std::max(1, h - 1));
            const std::uint32_t blue = static_cast<std::uint32_t>(rng() % 256);
            const std::uint32_t t = static_cast<std::uint32_t>(rng() % 256);
            r.bits()[r.indexOf(x, y)] = t << 24 | red << 16 | green << 8 | blue;
        }
    return r;
}

} // namespace

TEST(ReduceColours, TwoColoursAreBlackAndRed)
{
    const CRaster source = photoLike(37, 23, 1);
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 2));
    EXPECT_EQ(r.header.biBitCount, 8);
    EXPECT_EQ(r.header.biWidth, 37);
    EXPECT_EQ(r.header.biHeight, 23);
    EXPECT_EQ(r.palette[0], 0x000000u);
    EXPECT_EQ(r.palette[1], 0xFF0000u);
    std::set<int> used;
    for (const auto& row : r.rows)
        used.insert(row.begin(), row.end());
    EXPECT_EQ(used, (std::set<int>{0, 1}));
}

TEST(ReduceColours, EightColoursAreTheCorners)
{
    const CRaster source = photoLike(64, 64, 2);
    PackedDib result = ReduceColours(source.ToPackedDib32(), 8);
    const Reduced r = split(result);
    const std::vector<std::uint32_t> corners = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};
    EXPECT_EQ(std::vector<std::uint32_t>(r.palette.begin(), r.palette.begin() + 8), corners);
    CRaster loaded;
    ASSERT_EQ(loaded.LoadPackedDib(result), 1);
    for (std::uint32_t p : topDownPixels(loaded)) {
        EXPECT_EQ(p >> 24, 0u) << "every pixel comes back opaque";
        EXPECT_NE(std::find(corners.begin(), corners.end(), p & 0xFFFFFF), corners.end());
    }
}

TEST(ReduceColours, ExactCornerColoursMapWithoutDitherAndKeepRowOrder)
{
    // Top row first: red, green / blue, white; exact corners leave no error to spread.
    const CRaster source = rasterFromRows(2, 2, {0xFFFF0000, 0x0000FF00, 0x000000FF, 0x80FFFFFF});
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 8));
    EXPECT_EQ(r.rows[0], (std::vector<int>{1, 2}));
    EXPECT_EQ(r.rows[1], (std::vector<int>{3, 7}));
}

TEST(ReduceColours, ColoursOfOneCellShareTheFirstResult)
{
    // Box 8 spans cells 0 … 2 on every axis, so entry 8 is (8, 8, 8). Black is met first and
    // caches entry 0 for cell 0; (7, 7, 7), nearer to entry 8, still gets entry 0.
    const CRaster source = rasterFromRows(3, 1, {0x00000000, 0x00070707, 0x00101010});
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 9));
    EXPECT_EQ(r.palette[8], 0x080808u);
    EXPECT_EQ(r.rows[0], (std::vector<int>{0, 0, 8}));
}

TEST(ReduceColours, SplitsAtTheWeightedAverage)
{
    // Red cells 0 (three pixels) and 20 (one): average 5, so the split keeps [0, 5] and gives
    // [6, 20] to the new box, each shrinking to its one cell.
    const CRaster source = rasterFromRows(4, 1, {0x00000000, 0x00000000, 0x00000000, 0x00A00000});
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 10));
    EXPECT_EQ(r.palette[8], 0x000000u);
    EXPECT_EQ(r.palette[9], 0xA40000u);
    EXPECT_EQ(r.palette[10], 0u);
}

TEST(ReduceColours, RangeOfTwoKeepsOnlyTheOuterSlices)
{
    // Red cells 10, 11 and 12: the new box takes [10, 10] and the chosen one [12, 12].
    const CRaster source = rasterFromRows(3, 1, {0x00500000, 0x00580000, 0x00600000});
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 10));
    EXPECT_EQ(r.palette[8], std::uint32_t{24 * 255 / 62} << 16);
    EXPECT_EQ(r.palette[9], std::uint32_t{20 * 255 / 62} << 16);
}

TEST(ReduceColours, StopsWhenNoBoxCanBeSplit)
{
    const CRaster source = rasterFromRows(2, 1, {0x00123456, 0x00123456});
    const Reduced r = split(ReduceColours(source.ToPackedDib32(), 256));
    for (int k = 9; k < 256; ++k)
        EXPECT_EQ(r.palette[k], 0u) << k;
    EXPECT_EQ(r.rows[0][0], 8);
}

TEST(ReduceColours, ManyColoursStayWithinTheCount)
{
    const CRaster source = photoLike(101, 77, 3);
    for (int n : {16, 200}) {
        const Reduced r = split(ReduceColours(source.ToPackedDib32(), n));
        for (const auto& row : r.rows)
            for (int index : row)
                ASSERT_LT(index, n);
    }
}

TEST(ReduceColours, OddWidthRowsArePadded)
{
    const CRaster source = photoLike(5, 3, 4);
    const PackedDib dib = ReduceColours(source.ToPackedDib32(), 8);
    EXPECT_EQ(dib.size(), 40u + 1024u + 8u * 3u);
    EXPECT_EQ(BitmapInfoHeader::fromBytes(dib).biSizeImage, 24u);
}

TEST(ReduceColours, OtherDepthsAreConvertedFirst)
{
    // An 8-bit DIB of one blue pixel.
    std::vector<std::uint8_t> tableAndBits(256 * 4 + 4, 0);
    tableAndBits[0] = 0xFF;
    const PackedDib dib = lwtest::packedDib(1, 1, 8, 0, 0, tableAndBits);
    const Reduced r = split(ReduceColours(dib, 8));
    EXPECT_EQ(r.rows[0][0], 3);
}

TEST(ReduceColours, UnreadableInputRaisesTheLibraryException)
{
    try {
        ReduceColours(PackedDib{1, 2, 3}, 8);
        FAIL() << "no exception";
    } catch (const PLTextException& e) {
        EXPECT_EQ(e.code(), kPLErrFormatUnsupported);
        EXPECT_FALSE(e.text().empty());
        const PLObject& base = e;
        EXPECT_NE(dynamic_cast<const PLTextException*>(&base), nullptr);
    }
    // A header that claims more pixels than the block holds.
    const PackedDib truncated = lwtest::packedDib(1000, 1000, 32, 0, 0, {1, 2, 3, 4});
    EXPECT_THROW(ReduceColours(truncated, 8), PLTextException);
}

TEST(PLTextException, CopiesItsText)
{
    PLTextException a(10, kPLTextQuantizerNoMemory);
    PLTextException b = a;
    EXPECT_EQ(b.code(), 10);
    EXPECT_EQ(b.text(), "Out of memory.");
    EXPECT_STREQ(b.what(), "Out of memory.");
    EXPECT_NE(a.text().c_str(), b.text().c_str());
}
