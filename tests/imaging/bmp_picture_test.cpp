#include "filters/scripted_ui_port.h"
#include "giflib_reference.h"
#include "imaging/bmp_reader.h"
#include "imaging/bmp_writer.h"
#include "platform/errors.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

using namespace lw;
using namespace lwtest;

namespace {

// 2 × 1, 24 bits: blue then red, rows padded to 8 bytes.
Bytes dib24()
{
    return packedDib(2, 1, 24, 0, 0, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0});
}

void expectOneMessage(const ScriptedUiPort& ui, const std::string& text, const std::string& title)
{
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, text);
    EXPECT_EQ(ui.messages()[0].caption, title);
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Error);
}

} // namespace

TEST(BmpImport, ReadsTheDibAfterTheFileHeaderIgnoringTheBitsOffset)
{
    ScriptedUiPort ui;
    const std::string path = tempPath("picture.bmp");
    // A bit offset that points nowhere useful: the bits are read right after the header.
    writeBytes(path, bmpFile(dib24(), 0, 999));
    const auto picture = ImportBmp(path, ui);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(topDownPixels(picture->raster), (std::vector<std::uint32_t>{0x000000FF, 0x00FF0000}));
    EXPECT_FALSE(picture->hasTransparency);
    EXPECT_EQ(picture->width, 2);
}

TEST(BmpImport, RefusalsShowTheirMessages)
{
    {
        ScriptedUiPort ui;
        Bytes notBmp = bmpFile(dib24());
        notBmp[0] = 'X';
        EXPECT_FALSE(ReadBmpBytes(notBmp, ui));
        expectOneMessage(ui, "File is NOT Bitmap file", "Error loading BMP file");
    }
    {
        ScriptedUiPort ui;
        EXPECT_FALSE(ReadBmpBytes(Bytes{'B', 'M', 0}, ui));
        expectOneMessage(ui, "File is NOT Bitmap file", "Error loading BMP file");
    }
    {
        ScriptedUiPort ui;
        EXPECT_FALSE(ReadBmpBytes(bmpFile(dib24(), 0xF0000000u), ui));
        expectOneMessage(ui, "Out of memory", "Error loading BMP file");
    }
    {
        // OS/2 bitmaps have a 12-byte header.
        ScriptedUiPort ui;
        Bytes os2;
        put32(os2, 12), put16(os2, 1), put16(os2, 1), put16(os2, 1), put16(os2, 24);
        os2.insert(os2.end(), {1, 2, 3, 0});
        EXPECT_FALSE(ReadBmpBytes(bmpFile(os2), ui));
        expectOneMessage(ui,
                         "File is not Windows Bitmap. Save BMP file in Windows bitmap format and try again.",
                         "Error loading BMP file");
    }
    for (std::uint32_t compression : {1u, 2u}) {
        ScriptedUiPort ui;
        EXPECT_FALSE(ReadBmpBytes(
            bmpFile(packedDib(2, 1, compression == 1 ? 8 : 4, compression, 0, Bytes(64, 0))), ui));
        expectOneMessage(
            ui,
            "File is RLE compressed what is not supported. Save BMP file without RLE compression and "
            "try again.",
            "RLE сжатие не поддерживается. ");
    }
}

TEST(BmpImport, BrokenPicturesAndMissingFiles)
{
    ScriptedUiPort ui;
    EXPECT_FALSE(ImportBmp(tempPath("missing.bmp"), ui));
    EXPECT_TRUE(ui.messages().empty());

    // A colour table that claims more entries than the file holds.
    const std::string path = tempPath("broken.bmp");
    writeBytes(path, bmpFile(packedDib(4, 4, 8, 0, 200, Bytes(16, 0))));
    EXPECT_FALSE(ImportBmp(path, ui));
    expectOneMessage(ui, kBmpDamaged, "Error loading BMP file");

    // No pixels at all, however many rows it claims.
    for (const auto& [w, h] : {std::pair{0, 0x7FFFFFFF}, std::pair{0, 3}, std::pair{3, 0}}) {
        ScriptedUiPort empty;
        writeBytes(path, bmpFile(packedDib(w, h, 24, 0, 0, {})));
        EXPECT_FALSE(ImportBmp(path, empty)) << w << " x " << h;
        expectOneMessage(empty, kBmpDamaged, "Error loading BMP file");
    }
}

TEST(BmpImport, TruncatedBitsReadAsZerosUpToTheStatedSize)
{
    ScriptedUiPort ui;
    Bytes dib = packedDib(1, 2, 24, 0, 0, {1, 2, 3, 0});
    // Stated total size covers both rows; only the first is in the file.
    const auto block = ReadBmpBytes(bmpFile(dib, static_cast<std::uint32_t>(14 + 40 + 8)), ui);
    ASSERT_TRUE(block);
    CRaster raster;
    ASSERT_TRUE(raster.LoadPackedDib(*block));
    EXPECT_EQ(topDownPixels(raster), (std::vector<std::uint32_t>{0x00000000, 0x00030201}));
}

TEST(BmpExport, WritesExactTwentyFourBitLayout)
{
    // 2 × 2: the stride is 8 bytes (6 padded to 8); transparency is dropped.
    const CRaster raster = rasterFromRows(2, 2, {0x00112233, 0xFF445566, 0x80778899, 0x00AABBCC});
    const Bytes expected = {
        'B',  'M',  70,   0,    0,    0,    0, 0, 0, 0, 54, 0, 0, 0, // file header
        40,   0,    0,    0,    2,    0,    0, 0, 2, 0, 0,  0, 1, 0,
        24,   0, // size, width, height, planes, bits
        0,    0,    0,    0,    16,   0,    0, 0, 0, 0, 0,  0, 0, 0,
        0,    0,                                  // compression, image size, resolution
        0,    0,    0,    0,    0,    0,    0, 0, // colours
        0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0, // bottom row
        0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0, // top row
    };
    EXPECT_EQ(BmpFileBytes(raster), expected);

    const std::string path = tempPath("export.bmp");
    writeBytes(path, Bytes{'o', 'l', 'd'});
    WriteBmpFile(path, raster);
    EXPECT_EQ(readBytes(path), expected);
    // The exported file reads back through the importer.
    ScriptedUiPort ui;
    const auto back = ImportBmp(path, ui);
    ASSERT_TRUE(back);
    EXPECT_EQ(topDownPixels(back->raster),
              (std::vector<std::uint32_t>{0x00112233, 0x00445566, 0x00778899, 0x00AABBCC}));
}

TEST(BmpExport, FailureKeepsThePreviousFile)
{
    const CRaster raster = rasterFromRows(1, 1, {0});
    EXPECT_THROW(WriteBmpFile("/nonexistent-folder/x.bmp", raster), FileError);
    const std::string path = tempPath("keep.bmp");
    writeBytes(path, Bytes{'o', 'l', 'd'});
    EXPECT_THROW(WriteBmpFile(path, CRaster()), FileError);
    EXPECT_EQ(readBytes(path), (Bytes{'o', 'l', 'd'}));
}

TEST(BmpImport, ReadsBitmapsWrittenByAnotherProgram)
{
    // Seeds of the BMP fuzz target, written by ImageMagick.
    const std::string folder = sourceDir() + "/fuzz/corpus/bmp_import_fuzz/";
    ScriptedUiPort ui;
    const auto rgb = ImportBmp(folder + "rgb24.bmp", ui);
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->raster.bits()[rgb->raster.indexOf(0, 0)], 0x00FF0000u);
    EXPECT_TRUE(ImportBmp(folder + "pal8.bmp", ui));
    EXPECT_TRUE(ImportBmp(folder + "mono.bmp", ui));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(ImportBmp(folder + "rle.bmp", ui));
    EXPECT_EQ(ui.messages().at(0).caption, kBmpRleTitle);
}

TEST(BmpImport, ThirtyTwoBitFilesKeepTheirColoursAndExportUnchanged)
{
    // An opaque red 32-bit BMP as usual writers store it (alpha byte 255, or 0): opaque red,
    // exported as red, not white.
    for (std::uint8_t fourth : {std::uint8_t{0xFF}, std::uint8_t{0}}) {
        SCOPED_TRACE(int{fourth});
        const std::string path = tempPath("red32.bmp");
        writeBytes(path, bmpFile(packedDib(2, 1, 32, 0, 0, {0, 0, 0xFF, fourth, 0, 0, 0xFF, fourth})));
        ScriptedUiPort ui;
        const auto picture = ImportBmp(path, ui);
        ASSERT_TRUE(picture);
        EXPECT_FALSE(picture->hasTransparency);
        EXPECT_EQ(topDownPixels(picture->raster), (std::vector<std::uint32_t>{0x00FF0000u, 0x00FF0000u}));
        const Bytes exported = BmpFileBytes(picture->raster);
        EXPECT_EQ(Bytes(exported.begin() + 54, exported.begin() + 60), (Bytes{0, 0, 0xFF, 0, 0, 0xFF}));
    }
}

TEST(BmpImport, TopDownFilesOpen)
{
    const std::string path = tempPath("topdown.bmp");
    writeBytes(path, bmpFile(packedDib(1, -2, 24, 0, 0, {1, 2, 3, 0, 4, 5, 6, 0})));
    ScriptedUiPort ui;
    const auto picture = ImportBmp(path, ui);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(topDownPixels(picture->raster), (std::vector<std::uint32_t>{0x00030201u, 0x00060504u}));
}

TEST(BmpImport, AlphaBitmapsMatchImageMagick)
{
    // ImageMagick writes 32-bit pictures with transparency as V5 headers with an alpha mask, and
    // opaque ones without transparency; our T must be 255 minus its alpha, colours where opaque.
    if (!haveTool("convert"))
        GTEST_SKIP() << "convert is not installed (scripts/setup-debian.sh installs it)";
    const std::string folder = makeTempFolder("bmpalpha");
    struct Case {
        const char* command;
        bool transparency;
    };
    const Case cases[] = {
        {"-size 7x5 gradient:'rgba(255,0,0,1)-rgba(0,0,255,0)'", true},
        {"-size 6x4 xc:'rgba(10,200,30,0.5)'", true},
        {"-size 5x3 xc:orange -alpha set", false},
        {"-size 5x3 plasma:fractal -seed 3", false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const std::string bmp = folder + "/p" + std::to_string(n) + ".bmp";
        const std::string rgba = folder + "/p" + std::to_string(n++) + ".rgba";
        ASSERT_TRUE(runCommand(std::string("convert ") + c.command + " '" + bmp + "'"));
        ASSERT_TRUE(runCommand("convert '" + bmp + "' -depth 8 rgba:'" + rgba + "'"));
        ScriptedUiPort ui;
        const auto picture = ImportBmp(bmp, ui);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->hasTransparency, c.transparency);
        const Bytes reference = readBytes(rgba);
        const auto ours = topDownPixels(picture->raster);
        ASSERT_EQ(reference.size(), ours.size() * 4);
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const std::uint32_t alpha = reference[4 * i + 3];
            EXPECT_EQ(255 - (ours[i] >> 24), alpha) << i;
            if (alpha != 0) {
                EXPECT_EQ(ours[i] & 0xFFFFFF, std::uint32_t{reference[4 * i]} << 16 |
                                                  std::uint32_t{reference[4 * i + 1]} << 8 |
                                                  reference[4 * i + 2])
                    << i;
            }
        }
    }
    std::filesystem::remove_all(folder);
}
