#include "giflib_reference.h"
#include "imaging/ico_reader.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"
#include "support/test_paths.h"

#include <QBuffer>
#include <QImage>
#include <filesystem>

#include <gtest/gtest.h>

using namespace lw;
using namespace lwtest;

namespace {

std::uint32_t pixel(const ImportedPicture& p, int x, int y)
{
    return p.raster.bits()[p.raster.indexOf(x, y)];
}

} // namespace

TEST(IconImport, BackgroundPixelsBecomeTransparentRealWhiteStays)
{
    std::vector<std::uint32_t> colours(32 * 32, 0x000000);
    std::vector<int> mask(32 * 32, 1);                        // everything shows the background ...
    colours[1] = 0xFFFFFF, mask[1] = 0;                       // ... except a really white pixel,
    colours[2] = 0xFFFFFF, mask[2] = 1;                       // an inverting pixel,
    colours[3] = 0xFF0000, mask[3] = 0;                       // a red one
    colours[32 * 31 + 31] = 0x00FF00, mask[32 * 31 + 31] = 0; // and a green one at the bottom right.
    const auto file = iconFile(32, 32, 24, iconImage24(32, 32, colours, mask));
    const std::string path = tempPath("icon.ico");
    writeBytes(path, file);
    const auto picture = ImportIcon(path);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->hasTransparency);
    EXPECT_EQ(picture->raster.width(), 32);
    EXPECT_EQ(pixel(*picture, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(*picture, 1, 0), 0x00FFFFFFu);
    EXPECT_EQ(pixel(*picture, 2, 0), 0x00000000u); // black on white, white on black: opaque black
    EXPECT_EQ(pixel(*picture, 3, 0), 0x00FF0000u);
    EXPECT_EQ(pixel(*picture, 31, 31), 0x0000FF00u);
    EXPECT_EQ(pixel(*picture, 5, 5), 0xFFFFFFFFu);
}

TEST(IconImport, SmallIconsAreStretchedToThirtyTwo)
{
    std::vector<std::uint32_t> colours(16 * 16, 0x0000FF);
    std::vector<int> mask(16 * 16, 0);
    mask[0] = 1;
    colours[0] = 0;
    const auto drawings = DrawIcon(iconFile(16, 16, 24, iconImage24(16, 16, colours, mask)));
    ASSERT_TRUE(drawings);
    const auto picture = IconPicture(*drawings);
    // The transparent source pixel covers 2 × 2 target pixels.
    EXPECT_EQ(pixel(picture, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(picture, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(picture, 2, 0), 0x000000FFu);
    EXPECT_EQ(pixel(picture, 31, 31), 0x000000FFu);
}

TEST(IconImport, PngIconsBlendTheirAlpha)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    image.setPixel(4, 4, qRgba(255, 0, 0, 255));
    image.setPixel(5, 4, qRgba(0, 0, 255, 128)); // half covered: differs on white and black, stays
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const auto drawings = DrawIcon(iconFile(32, 32, 32, Bytes(png.begin(), png.end())));
    ASSERT_TRUE(drawings);
    const auto picture = IconPicture(*drawings);
    EXPECT_EQ(pixel(picture, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(picture, 4, 4), 0x00FF0000u);
    EXPECT_EQ(pixel(picture, 5, 4), 0x007F7FFFu);
}

TEST(IconImport, BrokenFilesGiveNothing)
{
    std::vector<std::uint32_t> colours(32 * 32, 0);
    std::vector<int> mask(32 * 32, 0);
    const auto good = iconFile(32, 32, 24, iconImage24(32, 32, colours, mask));
    EXPECT_TRUE(DrawIcon(good));
    EXPECT_FALSE(DrawIcon(Bytes{}));
    EXPECT_FALSE(DrawIcon(Bytes(good.begin(), good.begin() + 30))); // image cut short
    Bytes cursor = good;
    cursor[2] = 2;
    EXPECT_FALSE(DrawIcon(cursor));
    Bytes offset = good;
    offset[18] = 0xFF; // image offset past the end
    EXPECT_FALSE(DrawIcon(offset));
    Bytes huge = good;
    huge[22 + 4] = 0xFF, huge[22 + 5] = 0xFF; // width 65535
    EXPECT_FALSE(DrawIcon(huge));
    EXPECT_FALSE(ImportIcon(tempPath("missing.ico")));
}

TEST(IconImport, ReadsIconsWrittenByAnotherProgram)
{
    // Seeds of the icon fuzz target, written by ImageMagick: 16 × 16 with alpha, a palette icon,
    // and a file with 256 × 256 (PNG) and 32 × 32 images.
    const std::string folder = sourceDir() + "/fuzz/corpus/ico_import_fuzz/";
    const auto alpha = ImportIcon(folder + "alpha32.ico");
    ASSERT_TRUE(alpha);
    const auto palette = ImportIcon(folder + "pal.ico");
    ASSERT_TRUE(palette);
    EXPECT_EQ(pixel(*palette, 10, 10), 0x00FF0000u);
    const auto multi = ImportIcon(folder + "multi.ico");
    ASSERT_TRUE(multi);
    EXPECT_EQ(pixel(*multi, 16, 16), 0x000000FFu);
}

TEST(IconImport, ThirtyTwoBitIconsDrawAsImageMagickShowsThem)
{
    // A 32-bit icon uses its alpha channel; one whose alpha is all 0 uses its AND mask instead
    // (the 1-bit mask ImageMagick writes marks its fully transparent pixels).
    if (!haveTool("convert"))
        GTEST_SKIP() << "convert is not installed (scripts/setup-debian.sh installs it)";
    const std::string folder = makeTempFolder("icoalpha");
    const std::string ico = folder + "/a.ico", rgba = folder + "/a.rgba";
    ASSERT_TRUE(
        runCommand("convert -size 32x32 xc:none -fill 'rgba(255,0,0,1)' -draw 'rectangle 2,2 12,12' "
                   "-fill 'rgba(0,0,255,0.5)' -draw 'rectangle 14,2 28,12' -fill 'rgba(0,200,0,0.25)' "
                   "-draw 'rectangle 2,16 28,28' -define icon:format=bmp '" +
                   ico + "'"));
    ASSERT_TRUE(runCommand("convert '" + ico + "' -depth 8 rgba:'" + rgba + "'"));
    Bytes file = readBytes(ico);
    const Bytes reference = readBytes(rgba);
    ASSERT_EQ(reference.size(), 32u * 32 * 4);
    ASSERT_EQ(file[22 + 14], 32); // a 32-bit image
    const auto alpha = DrawIcon(file);
    for (std::size_t i = 0; i < 32 * 32; ++i) // the alpha bytes of the bottom-up pixel rows
        file[22 + 40 + 4 * i + 3] = 0;
    const auto masked = DrawIcon(file);
    ASSERT_TRUE(alpha && masked);
    for (std::size_t i = 0; i < 32 * 32; ++i) {
        const std::uint32_t a = reference[4 * i + 3];
        for (int shift = 0; shift < 24; shift += 8) {
            const int c = reference[4 * i + 2 - static_cast<std::size_t>(shift / 8)];
            auto channel = [shift](std::uint32_t p) { return static_cast<int>((p >> shift) & 0xFF); };
            EXPECT_NEAR(channel(alpha->onWhite[i]), (c * a + 255 * (255 - a)) / 255.0, 1.0) << i;
            EXPECT_NEAR(channel(alpha->onBlack[i]), c * a / 255.0, 1.0) << i;
            EXPECT_EQ(channel(masked->onWhite[i]), a ? c : 255) << i;
            EXPECT_EQ(channel(masked->onBlack[i]), a ? c : 0) << i;
        }
    }
    std::filesystem::remove_all(folder);
}
