#include "filters/scripted_ui_port.h"
#include "imaging/metafile_loader.h"
#include "imaging/metafile_raster.h"
#include "support/picture_builders.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

using namespace lw;
using namespace lwtest;

namespace {

std::uint32_t pixel(const ImportedPicture& p, int x, int y)
{
    return p.raster.bits()[p.raster.indexOf(x, y)];
}

const RasterRect kFrame{366, 570, 834, 630};

} // namespace

TEST(MetafileLoader, PlaceableUnitsSelectTheMappingMode)
{
    EXPECT_EQ(PlaceableMappingMode(100), MappingMode::LoEnglish);
    EXPECT_EQ(PlaceableMappingMode(254), MappingMode::LoMetric);
    EXPECT_EQ(PlaceableMappingMode(1000), MappingMode::HiEnglish);
    EXPECT_EQ(PlaceableMappingMode(1440), MappingMode::Twips);
    EXPECT_EQ(PlaceableMappingMode(2540), MappingMode::HiMetric);
    EXPECT_EQ(PlaceableMappingMode(96), MappingMode::Anisotropic);

    ScriptedUiPort ui;
    const auto m =
        LoadMetafileBytes(placeableMetafile(1440, 1440, 720, windowsMetafile(0, 0, 40, 40, 0xFF)), ui);
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->placeable);
    EXPECT_EQ(m->mappingMode, MappingMode::Twips);
    // One inch by half an inch at 96 pixels per inch.
    EXPECT_EQ(m->bounds.right, 96);
    EXPECT_EQ(m->bounds.bottom, 48);
    EXPECT_EQ(m->bytes, windowsMetafile(0, 0, 40, 40, 0xFF));
}

TEST(MetafileLoader, KindsAndFailures)
{
    ScriptedUiPort ui;
    const auto emf = LoadMetafileBytes(enhancedMetafile(40, 30, 0, 0, 10, 10, 0xFF), ui);
    ASSERT_TRUE(emf);
    EXPECT_EQ(emf->kind, MetafileKind::Enhanced);
    EXPECT_EQ(emf->bounds.right, 40);
    EXPECT_EQ(emf->bounds.bottom, 30);
    const auto wmf = LoadMetafileBytes(windowsMetafile(0, 0, 20, 20, 0xFF), ui);
    ASSERT_TRUE(wmf);
    EXPECT_EQ(wmf->kind, MetafileKind::Windows);
    EXPECT_EQ(wmf->bounds.right, 40); // from the window extent
    EXPECT_TRUE(ui.messages().empty());

    EXPECT_FALSE(LoadMetafile(tempPath("missing.wmf"), ui));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Fail in file open! Error 2\n");
    EXPECT_EQ(ui.messages()[0].caption, "Error");
    ui.clear();

    EXPECT_FALSE(LoadMetafileBytes(Bytes{}, ui));
    EXPECT_EQ(ui.messages().at(0).text, "Fail in creating map file! Error 1006\n");
    ui.clear();

    Bytes placeable = placeableMetafile(1440, 100, 100, windowsMetafile(0, 0, 40, 40, 0xFF));
    placeable[28] = 0xFF; // more words than the file holds
    EXPECT_FALSE(LoadMetafileBytes(placeable, ui));
    EXPECT_EQ(ui.messages().at(0).text, "SetWinMetaFileBits failed, 0");
    EXPECT_EQ(ui.messages().at(0).caption, "Error!");
    ui.clear();

    Bytes plain = windowsMetafile(0, 0, 40, 40, 0xFF);
    plain[18] = 0xFF; // first record longer than the file
    EXPECT_FALSE(LoadMetafileBytes(plain, ui));
    EXPECT_EQ(ui.messages().at(0).text, "GetMetaFile failed, 0");
    ui.clear();

    Bytes enhanced = enhancedMetafile(40, 30, 0, 0, 10, 10, 0xFF);
    enhanced[88 + 4] = 3; // record size not a multiple of 4
    EXPECT_FALSE(LoadMetafileBytes(enhanced, ui));
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST(MetafileLoader, LargestRecordSizeMustFitTheFileAndItsRecords)
{
    // windowsMetafile's largest record is 8 words; the header states it at offset 12.
    const Bytes good = windowsMetafile(0, 0, 40, 40, 0xFF);
    const std::uint32_t fileWords = static_cast<std::uint32_t>(good.size() / 2);
    struct Case {
        std::uint32_t maxRecordWords;
        bool accepted;
    };
    for (const Case c : {Case{8, true}, Case{fileWords, true}, Case{7, false}, Case{2, false}, Case{0, false},
                         Case{fileWords + 1, false}, Case{0x74636172, false}, Case{0xFFFFFFFF, false}}) {
        SCOPED_TRACE(c.maxRecordWords);
        Bytes plain = good;
        for (int i = 0; i < 4; ++i)
            plain[12 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.maxRecordWords >> (8 * i));
        EXPECT_EQ(IsWellFormedWindowsMetafile(plain), c.accepted);
        ScriptedUiPort ui;
        EXPECT_EQ(LoadMetafileBytes(plain, ui).has_value(), c.accepted);
        EXPECT_EQ(LoadMetafileBytes(placeableMetafile(1440, 100, 100, plain), ui).has_value(), c.accepted);
        EXPECT_EQ(ui.messages().size(), c.accepted ? 0u : 2u);
    }
}

TEST(MetafileLoader, EnhancedHeaderTextMustLieInsideTheHeader)
{
    // The header record grows by 8 bytes holding the description "ab" (UTF-16, two NULs).
    Bytes withText = enhancedMetafile(40, 30, 0, 0, 10, 10, 0xFF);
    withText.insert(withText.begin() + 88, {'a', 0, 'b', 0, 0, 0, 0, 0});
    const auto put = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put(withText, 4, 96);                                           // header record size
    put(withText, 48, static_cast<std::uint32_t>(withText.size())); // file size
    struct Case {
        std::uint32_t chars, offset;
        bool accepted;
    };
    for (const Case c : {Case{0, 0, true}, Case{4, 88, true}, Case{3, 90, true}, Case{5, 88, false},
                         Case{4, 90, false}, Case{4, 2, false}, Case{0, 256, false}, Case{0, 88, false},
                         Case{143, 2, false}, Case{0x80000000u, 88, false}}) {
        SCOPED_TRACE(::testing::Message() << c.chars << " at " << c.offset);
        Bytes emf = withText;
        put(emf, 60, c.chars);
        put(emf, 64, c.offset);
        EXPECT_EQ(IsWellFormedEnhancedMetafile(emf), c.accepted);
        ScriptedUiPort ui;
        EXPECT_EQ(LoadMetafileBytes(emf, ui).has_value(), c.accepted);
    }
    // A pixel format beyond the header is refused the same way.
    Bytes pixelFormat = withText;
    pixelFormat.insert(pixelFormat.begin() + 96, 12, 0);
    put(pixelFormat, 4, 108);
    put(pixelFormat, 88, 40); // 40 bytes at 96 reach past the 108-byte header
    put(pixelFormat, 92, 96);
    EXPECT_FALSE(IsWellFormedEnhancedMetafile(pixelFormat));
    put(pixelFormat, 88, 12);
    EXPECT_TRUE(IsWellFormedEnhancedMetafile(pixelFormat));
}

TEST(MetafileRaster, EnhancedRendersWithUnpaintedPartsTransparent)
{
    ScriptedUiPort ui;
    const auto m = LoadMetafileBytes(enhancedMetafile(40, 40, 10, 10, 30, 30, 0x0000FF), ui);
    ASSERT_TRUE(m);
    ui.queueMetafileRaster(MetafileRasterAnswer{40, 40, false});
    const auto picture = RasteriseMetafile(*m, ui, kFrame);
    ASSERT_TRUE(picture);
    ASSERT_EQ(ui.metafileRasterQuestions().size(), 1u);
    EXPECT_EQ(ui.metafileRasterQuestions()[0].width, 40);
    EXPECT_TRUE(ui.metafileRasterQuestions()[0].rememberForAll);
    EXPECT_TRUE(picture->hasTransparency);
    EXPECT_EQ(picture->raster.width(), 40);
    EXPECT_EQ(pixel(*picture, 20, 20), 0x00FF0000u); // COLORREF red
    EXPECT_EQ(pixel(*picture, 2, 2) >> 24, 255u);
    EXPECT_EQ(pixel(*picture, 37, 37) >> 24, 255u);
}

TEST(MetafileRaster, WindowsMetafileDoubleSizeKeepsTheChosenSize)
{
    ScriptedUiPort ui;
    const auto m =
        LoadMetafileBytes(placeableMetafile(1440, 1440, 1440, windowsMetafile(0, 0, 20, 40, 0x00FF00)), ui);
    ASSERT_TRUE(m);
    // Default answer: the proposed size with "remember for all" checked.
    const auto picture = RasteriseMetafile(*m, ui, kFrame);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 96);
    EXPECT_EQ(picture->height, 96);
    EXPECT_EQ(picture->raster.width(), 192);
    EXPECT_EQ(picture->raster.height(), 192);
    EXPECT_EQ(pixel(*picture, 40, 96), 0x0000FF00u); // left half painted
    EXPECT_EQ(pixel(*picture, 150, 96) >> 24, 255u); // right half not
}

TEST(MetafileRaster, ProposalCancelAndFailure)
{
    Metafile unknown;
    unknown.bounds = RasterRect{0, 0, -1, 20};
    const auto q = ProposedMetafileSize(unknown, kFrame);
    EXPECT_EQ(q.width, 83);
    EXPECT_EQ(q.height, 63);
    EXPECT_DOUBLE_EQ(q.ratio(), 83.0 / 63.0);
    EXPECT_EQ(MetafileRasterQuestion::heightForWidth(166, q.ratio()), 126);
    EXPECT_EQ(MetafileRasterQuestion::widthForHeight(10, 2.5), 25);

    ScriptedUiPort ui;
    ui.queueMetafileRaster(std::nullopt);
    EXPECT_FALSE(RasteriseMetafile(unknown, ui, kFrame));
    EXPECT_TRUE(ui.messages().empty());

    // Bytes the converter cannot play.
    Metafile broken;
    broken.kind = MetafileKind::Enhanced;
    broken.bytes = Bytes(100, 0);
    EXPECT_FALSE(RasteriseMetafile(broken, ui, kFrame));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Сбой растеризации WMF file");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Error);
}

TEST(MetafileRaster, WindowsMetafileFontsAreInstalled)
{
    // The set-up script installs them; every Windows metafile import fails without them.
    EXPECT_EQ(MissingWindowsMetafileFonts(kWindowsMetafileFontFolder), std::vector<std::string>{});
}

TEST(MetafileRaster, MissingFontsRefuseWindowsMetafilesWithAClearMessage)
{
    namespace fs = std::filesystem;
    QTemporaryDir empty;
    QTemporaryDir partial;
    ASSERT_TRUE(empty.isValid() && partial.isValid());
    const std::string emptyFolder = empty.path().toStdString();
    const std::string partialFolder = partial.path().toStdString();
    // A copy of the real folder without the default font and the symbol font.
    for (const auto& entry : fs::directory_iterator(kWindowsMetafileFontFolder)) {
        const auto name = entry.path().filename().string();
        if (name != "NimbusRoman-Regular.t1" && name != "StandardSymbolsPS.t1")
            fs::create_symlink(entry.path(), fs::path(partialFolder) / name);
    }
    EXPECT_EQ(MissingWindowsMetafileFonts(emptyFolder).size(), 13u);
    EXPECT_EQ(MissingWindowsMetafileFonts(partialFolder),
              (std::vector<std::string>{"NimbusRoman-Regular.t1", "StandardSymbolsPS.t1"}));

    ScriptedUiPort loading;
    const auto wmf = LoadMetafileBytes(windowsMetafile(0, 0, 20, 40, 0x00FF00), loading);
    const auto emf = LoadMetafileBytes(enhancedMetafile(40, 40, 10, 10, 30, 30, 0x0000FF), loading);
    ASSERT_TRUE(wmf && emf);
    for (const auto& folder : {emptyFolder, partialFolder}) {
        SCOPED_TRACE(folder);
        ScriptedUiPort ui;
        EXPECT_FALSE(RasteriseMetafile(*wmf, ui, kFrame, folder));
        EXPECT_TRUE(ui.metafileRasterQuestions().empty()); // refused before the size is asked
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text,
                  "Сбой растеризации WMF file: the Windows metafile fonts are missing from " + folder +
                      " (install the package fonts-urw-base35).");
        EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Error);
    }

    // Enhanced metafiles do not go through libwmf and do not need its fonts.
    ScriptedUiPort ui;
    ui.queueMetafileRaster(MetafileRasterAnswer{40, 40, false});
    const auto enhanced = RasteriseMetafile(*emf, ui, kFrame, emptyFolder);
    ASSERT_TRUE(enhanced);
    EXPECT_EQ(pixel(*enhanced, 20, 20), 0x00FF0000u);

    // The fonts are taken from the folder given: a complete copy plays.
    fs::create_symlink(fs::path(kWindowsMetafileFontFolder) / "NimbusRoman-Regular.t1",
                       fs::path(partialFolder) / "NimbusRoman-Regular.t1");
    fs::create_symlink(fs::path(kWindowsMetafileFontFolder) / "StandardSymbolsPS.t1",
                       fs::path(partialFolder) / "StandardSymbolsPS.t1");
    ui.clear();
    ui.queueMetafileRaster(MetafileRasterAnswer{40, 40, false});
    const auto played = RasteriseMetafile(*wmf, ui, kFrame, partialFolder);
    ASSERT_TRUE(played);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(pixel(*played, 5, 20), 0x0000FF00u);
}
