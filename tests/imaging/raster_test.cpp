#include "imaging/raster.h"
#include "platform/errors.h"
#include "support/raster_builders.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

TEST(RasterCreate, SameSizeKeepsPixelsOtherSizeClears)
{
    CRaster r(2, 2);
    r.FillRect(0x00123456);
    r.Create(2, 2);
    EXPECT_EQ(r.GetPixel(1, 1), 0x00123456u);
    r.Create(3, 2);
    EXPECT_EQ(r.width(), 3);
    for (std::uint32_t p : r.pixels())
        EXPECT_EQ(p, 0u);
}

TEST(RasterCreate, NegativeIgnoredZeroLeavesNoBlock)
{
    CRaster r(4, 4);
    r.Create(-1, 5);
    EXPECT_EQ(r.width(), 4);
    EXPECT_TRUE(r.hasBlock());
    r.Create(0, 7);
    EXPECT_FALSE(r.hasBlock());
    EXPECT_EQ(r.height(), 7);
    EXPECT_EQ(r.GetPixel(0, 0), 0x00FFFFFFu);
}

TEST(RasterCreate, HeaderDescribesABottomUp32BitDib)
{
    CRaster r(5, 3);
    const auto& h = r.header();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_EQ(h.biSizeImage, 60u);
}

TEST(RasterCreate, AbsurdSizeIsRefusedWithoutAllocating)
{
    CRaster r(2, 2);
    EXPECT_THROW(r.Create(100000, 100000), MemoryError);
    EXPECT_FALSE(r.hasBlock());
}

TEST(RasterLayout, RowsAreStoredBottomUp)
{
    const CRaster r = rasterFromRows(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(r.bits()[0], 3u); // first stored row is the bottom one
    EXPECT_EQ(r.bits()[2], 1u);
    EXPECT_EQ(r.GetPixel(1, 0), 2u);
}

TEST(RasterFill, OnlyTheLowByteCounts)
{
    CRaster r(2, 1);
    r.Fill(0x1FF);
    EXPECT_EQ(r.GetPixel(0, 0), 0xFFFFFFFFu);
    r.Fill(0);
    EXPECT_EQ(r.GetPixel(1, 0), 0u);
}

TEST(RasterFill, FillRectIsClippedAndExclusive)
{
    CRaster r(4, 3);
    RasterRect rect{-5, 1, 2, 100};
    r.FillRect(0xAB000001, rect);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0, 0, 0, 0, 0xAB000001, 0xAB000001, 0, 0,
                                                            0xAB000001, 0xAB000001, 0, 0}));
}

TEST(RasterCopy, CopyFromAndCopyPixels)
{
    const CRaster a = rasterFromRows(2, 1, {7, 8});
    CRaster b;
    b.CopyFrom(a);
    EXPECT_EQ(topDownPixels(b), (std::vector<std::uint32_t>{7, 8}));
    b.CopyFrom(nullptr);
    EXPECT_EQ(b.width(), 2);
    CRaster c(1, 2); // same byte size, other shape: copied
    c.CopyPixels(a);
    EXPECT_EQ(c.bits()[0], 7u);
    CRaster d(3, 1); // other byte size: nothing
    d.CopyPixels(a);
    EXPECT_EQ(d.bits()[0], 0u);
}

TEST(RasterShare, EveryWriteLeavesTheOtherRasterAsItWas)
{
    // Each way of writing, applied to either side of a shared pair.
    const std::vector<std::pair<const char*, void (*)(CRaster&)>> writes = {
        {"bits", [](CRaster& r) { r.bits()[0] = 5; }},
        {"pixels", [](CRaster& r) { r.pixels()[1] = 5; }},
        {"Fill", [](CRaster& r) { r.Fill(3); }},
        {"FillRect", [](CRaster& r) { r.FillRect(4u); }},
        {"FillRect part",
         [](CRaster& r) {
             r.FillRect(4u, RasterRect{0, 0, 1, 1});
         }},
        {"CopyPixels",
         [](CRaster& r) {
             r.CopyPixels(rasterFromRows(2, 1, {6, 6}));
         }},
        {"PasteInto", [](CRaster& r) { rasterFromRows(1, 1, {6}).PasteInto(r, 1, 0); }},
        {"CompositeOnto", [](CRaster& r) { rasterFromRows(1, 1, {6}).CompositeOnto(r, 0, 0); }},
        {"SetPixel",
         [](CRaster& r) {
             r.Lock();
             r.SetPixel(1, 0, 6);
             r.Unlock();
         }},
        {"Resample", [](CRaster& r) { r.Resample(1, 1); }},
    };
    for (const auto& [name, write] : writes)
        for (const bool writeTheCopy : {false, true}) {
            CRaster original = rasterFromRows(2, 1, {7, 8});
            CRaster copy;
            copy.ShareFrom(original);
            EXPECT_TRUE(copy.SharesPixelsWith(original));
            EXPECT_EQ(copy.width(), 2);
            write(writeTheCopy ? copy : original);
            const CRaster& untouched = writeTheCopy ? original : copy;
            EXPECT_EQ(topDownPixels(untouched), (std::vector<std::uint32_t>{7, 8})) << name;
            EXPECT_NE(topDownPixels(writeTheCopy ? copy : original), topDownPixels(untouched)) << name;
        }
    // Pixels locked for writing are never shared: the locked pointer could still change them.
    CRaster locked = rasterFromRows(2, 1, {7, 8});
    locked.Lock();
    CRaster copy;
    copy.ShareFrom(locked);
    EXPECT_FALSE(copy.SharesPixelsWith(locked));
    locked.SetPixel(0, 0, 1);
    EXPECT_EQ(copy.GetPixel(0, 0), 7u);
}

TEST(RasterAdopt, TakesABlockOfExactlyItsSizeWithoutCopying)
{
    struct Case {
        int width, height;
        std::size_t block;
        bool taken;
    };
    for (const Case& c : {Case{2, 3, 6, true}, Case{3, 2, 6, true}, Case{2, 3, 5, false},
                          Case{2, 3, 7, false}, Case{0, 6, 6, false}, Case{-2, -3, 6, false}}) {
        CRaster r(1, 1);
        r.bits()[0] = 9;
        std::vector<std::uint32_t> block(c.block);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<std::uint32_t>(i + 1);
        const std::uint32_t* storage = block.data();
        EXPECT_EQ(r.AdoptPixels(c.width, c.height, std::move(block)), c.taken) << c.width << "x" << c.height;
        if (c.taken) {
            EXPECT_EQ(r.width(), c.width);
            EXPECT_EQ(r.height(), c.height);
            EXPECT_EQ(r.header().biSizeImage, c.block * 4);
            EXPECT_EQ(r.bits(), storage);
            EXPECT_EQ(r.GetPixel(0, c.height - 1), 1u); // the block is bottom-up
        } else {
            EXPECT_EQ(r.width(), 1);
            EXPECT_EQ(r.bits()[0], 9u);
        }
    }
}

TEST(RasterPaste, KeepsTransparencyAndClips)
{
    const CRaster src = rasterFromRows(2, 2, {0xFF000001, 2, 3, 4});
    CRaster dst(3, 3);
    dst.FillRect(0x00FFFFFF);
    src.PasteInto(dst, 2, -1);
    EXPECT_EQ(topDownPixels(dst),
              (std::vector<std::uint32_t>{0x00FFFFFF, 0x00FFFFFF, 3, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
                                          0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF}));
    src.PasteInto(dst, 0, 1);
    EXPECT_EQ(dst.GetPixel(0, 1), 0xFF000001u);
    src.PasteInto(dst, 10, 10); // fully outside: nothing
}

TEST(RasterComposite, OverRule)
{
    CRaster dst = rasterFromRows(4, 1, {0x00102030, 0x00102030, 0xFF000000, 0x40808080});
    const CRaster src = rasterFromRows(4, 1, {0xFFABCDEF, 0x00ABCDEF, 0x80ABCDEF, 0x80204060});
    src.CompositeOnto(dst, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), 0x00102030u) << "a fully transparent source leaves the destination";
    EXPECT_EQ(dst.GetPixel(1, 0), 0x00ABCDEFu) << "an opaque source replaces it";
    EXPECT_EQ(dst.GetPixel(2, 0), 0x80ABCDEFu) << "T=128 over transparent keeps the colour, T=255-127=128";
    // Hand computation: As=127, Td=64, O=(191*128)/255=95, sum=222.
    const std::uint32_t r = (0x20 * 127 + 0x80 * 95) / 222, g = (0x40 * 127 + 0x80 * 95) / 222,
                        b = (0x60 * 127 + 0x80 * 95) / 222, t = 64 - (127 * 64) / 255;
    EXPECT_EQ(dst.GetPixel(3, 0), t << 24 | r << 16 | g << 8 | b);
}

TEST(RasterComposite, ClippedAtEveryEdge)
{
    CRaster dst(3, 3);
    CRaster src(2, 2);
    src.FillRect(0x00FF0000);
    src.CompositeOnto(dst, -1, -1);
    src.CompositeOnto(dst, 2, 2);
    EXPECT_EQ(topDownPixels(dst), (std::vector<std::uint32_t>{0xFF0000, 0, 0, 0, 0, 0, 0, 0, 0xFF0000}));
}

TEST(RasterPixels, ReadsOutsideGiveFixedValues)
{
    CRaster r(2, 2);
    EXPECT_EQ(r.GetPixel(-1, 0), 0x00FFFFFFu);
    EXPECT_EQ(r.PixelAt(0, 0), 0xFF000000u) << "not locked";
    r.Lock();
    ASSERT_NE(r.lockedBits(), nullptr);
    EXPECT_EQ(r.PixelAt(-1, 0), 0xFF000000u);
    EXPECT_EQ(r.PixelAt(0, 0), 0u);
    r.SetPixel(1, 0, 0x11223344);
    r.SetPixel(2, 0, 0x55); // outside: ignored
    r.Unlock();
    EXPECT_EQ(r.lockedBits(), nullptr);
    r.SetPixel(0, 0, 0x99); // not locked: ignored
    EXPECT_EQ(r.GetPixel(1, 0), 0x11223344u);
    EXPECT_EQ(r.GetPixel(0, 0), 0u);
}

TEST(RasterPixels, BlendPixel)
{
    CRaster r(1, 1);
    r.FillRect(0x00000000);
    r.Lock();
    r.BlendPixel(0, 0, 0xFF123456);
    EXPECT_EQ(r.PixelAt(0, 0), 0u);
    r.BlendPixel(0, 0, 0x80FFFFFF);
    EXPECT_EQ(r.PixelAt(0, 0), composeOver(0x80FFFFFF, 0));
    EXPECT_EQ(r.PixelAt(0, 0) & 0xFF, 127u * 255 / 255);
    r.BlendPixel(0, 0, 0x00ABCDEF);
    EXPECT_EQ(r.PixelAt(0, 0), 0x00ABCDEFu);
    r.Unlock();
}

TEST(RasterResample, TwoToOneIsTheMeanPlus049Truncated)
{
    CRaster r = rasterFromRows(2, 1, {0x0000000A, 0x0000000B});
    r.Resample(1, 1);
    EXPECT_EQ(r.GetPixel(0, 0), 0x0000000Au);
    CRaster s = rasterFromRows(2, 1, {0x00000000, 0x00000001});
    s.Resample(1, 1); // mean 0.5 + 0.49 = 0.99 -> 0
    EXPECT_EQ(s.GetPixel(0, 0), 0u);
}

TEST(RasterResample, AveragesEveryByteIncludingTransparency)
{
    CRaster r = rasterFromRows(2, 2, {0xFF000000, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF});
    r.Resample(1, 1);
    // T: (255 + 0 + 0 + 0) / 4 = 63.75 + 0.49 -> 64; colours (0 + 3*255)/4 = 191.25 -> 191.
    EXPECT_EQ(r.GetPixel(0, 0), 0x40BFBFBFu);
}

TEST(RasterResample, UpscaleByThreeRepeatsEachPixel)
{
    CRaster r = rasterFromRows(2, 1, {0x00000010, 0x00000020});
    r.Resample(6, 2);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{16, 16, 16, 32, 32, 32, 16, 16, 16, 32, 32, 32}));
}

TEST(RasterResample, FractionalFootprintsWeighByOverlap)
{
    // Three columns to two: target 0 covers [0, 1.5): source 0 fully and half of source 1.
    CRaster r = rasterFromRows(3, 1, {0x00000000, 0x00000030, 0x00000090});
    r.Resample(2, 1);
    EXPECT_EQ(r.GetPixel(0, 0), static_cast<std::uint32_t>((0 * 1.0 + 48 * 0.5) / 1.5 + 0.49));
    EXPECT_EQ(r.GetPixel(1, 0), static_cast<std::uint32_t>((48 * 0.5 + 144 * 1.0) / 1.5 + 0.49));
}

TEST(RasterResample, IgnoredWithoutBlockNegativeOrSameSize)
{
    CRaster empty;
    empty.Resample(3, 3);
    EXPECT_FALSE(empty.hasBlock());
    CRaster r = rasterFromRows(1, 1, {5});
    r.Resample(-1, 3);
    r.Resample(1, 1);
    EXPECT_EQ(r.width(), 1);
    EXPECT_EQ(r.GetPixel(0, 0), 5u);
}

TEST(RasterQt, LoadFromBitmapAndBack)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(1, 2, 3, 0));
    CRaster r;
    r.LoadFromBitmap(image);
    EXPECT_EQ(r.GetPixel(0, 0), 0x000A141Eu);
    EXPECT_EQ(r.GetPixel(1, 0), 0xFF010203u);
    EXPECT_EQ(r.toQImageWithAlpha().pixel(1, 0), qRgba(1, 2, 3, 0));
    EXPECT_EQ(r.toQImage().pixel(1, 0), qRgb(1, 2, 3)) << "drawing ignores transparency";
}

TEST(RasterQt, DrawZoomedIsNearestNeighbour)
{
    const CRaster r = rasterFromRows(2, 1, {0x00FF0000, 0x800000FF});
    QImage screen(10, 6, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter p(&screen);
        r.DrawZoomed(p, 3, 1, 1); // lands at (3, 3), each pixel 3 x 3
    }
    EXPECT_EQ(screen.pixel(2, 3), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(6, 3), qRgb(0, 0, 255));
    EXPECT_EQ(screen.pixel(8, 5), qRgb(0, 0, 255));
    EXPECT_EQ(screen.pixel(9, 5), qRgb(255, 255, 255));
}

TEST(RasterQt, DrawStretchesIntoTheRectangle)
{
    const CRaster r = rasterFromRows(1, 2, {0x0000FF00, 0x00000000});
    QImage page(4, 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        r.Draw(p, QRect(0, 0, 4, 4));
    }
    EXPECT_EQ(page.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(page.pixel(3, 3), qRgb(0, 0, 0));
}

// The fast over rule must equal the plain formula with real divisions on every input class.
TEST(RasterComposite, FastDivisionMatchesThePlainFormula)
{
    auto plain = [](std::uint32_t s, std::uint32_t d) -> std::uint32_t {
        const std::uint32_t ts = s >> 24;
        if (ts == 255)
            return d;
        const std::uint32_t td = d >> 24, as = 255 - ts, o = (255 - td) * ts / 255;
        std::uint32_t out = (td - as * td / 255) << 24;
        for (int c = 0; c < 24; c += 8)
            out |= (((s >> c) & 0xFF) * as + ((d >> c) & 0xFF) * o) / (as + o) << c;
        return out;
    };
    for (std::uint32_t ts = 0; ts < 256; ts += 1)
        for (std::uint32_t td = 0; td < 256; td += 3)
            for (std::uint32_t c : {0x000000u, 0xFFFFFFu, 0x7F80FFu, 0x010203u}) {
                const std::uint32_t s = ts << 24 | c, d = td << 24 | (c ^ 0xA5C3E1u);
                ASSERT_EQ(composeOver(s, d), plain(s, d)) << ts << " " << td;
            }
}

// Rows over an opaque destination take the vectorised loop; every transparency and a row length
// that leaves a remainder must still give composeOver's pixels.
TEST(RasterComposite, OpaqueRowsMatchTheOverRule)
{
    constexpr int width = 259, height = 3;
    CRaster src(width, height), dst(width, height);
    for (std::size_t i = 0; i < src.pixelCount(); ++i) {
        const auto k = static_cast<std::uint32_t>(i);
        src.bits()[i] = (k % 256) << 24 | (k * 0x9E3779B1u >> 8 & 0xFFFFFFu);
        dst.bits()[i] = k * 0x85EBCA77u >> 8 & 0xFFFFFFu;
    }
    const CRaster before = dst;
    src.CompositeOnto(dst, 0, 0);
    for (std::size_t i = 0; i < dst.pixelCount(); ++i)
        ASSERT_EQ(dst.bits()[i], composeOver(src.bits()[i], before.bits()[i])) << i;
}
