#include "filters/scripted_ui_port.h"
#include "imaging/bmp_writer.h"
#include "imaging/jpeg_io.h"
#include "model/document_file.h"
#include "model/picture_export.h"
#include "model/picture_import.h"
#include "platform/errors.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"

#include <filesystem>
#include <gif_lib.h>
#include <gtest/gtest.h>

using namespace lw;
using namespace lwtest;

namespace {

std::string bmpOnDisk(const std::string& name, const CRaster& raster)
{
    const std::string path = tempPath(name);
    writeBytes(path, BmpFileBytes(raster));
    return path;
}

} // namespace

TEST(ImportPicture, ExtensionsChooseTheImporterWithoutRegardToCase)
{
    EXPECT_EQ(PictureFormatOf("a.BMP"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatOf("a.Ico"), PictureFormat::Icon);
    EXPECT_EQ(PictureFormatOf("a.jpe"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.JPEG"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.wmf"), PictureFormat::Metafile);
    EXPECT_EQ(PictureFormatOf("a.gif"), PictureFormat::Gif);
    EXPECT_EQ(PictureFormatOf("a.png"), PictureFormat::None);
    EXPECT_EQ(PictureFormatOf("bmp"), PictureFormat::None);
}

namespace {

struct EventLog : DocumentObserver {
    void documentChanged(const CLWDoc&, const DocumentEvent& event) override { events.push_back(event); }
    std::vector<DocumentEvent> events;
};

} // namespace

TEST(ImportPicture, CapitalBmpBecomesABitmapOnTopOfTheFrame)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    EventLog log;
    doc.addObserver(log);
    CFrame& frame = *doc.animation.firstFrame;
    const std::string path = bmpOnDisk("PICTURE.BMP", rasterFromRows(2, 1, {0x00102030, 0x00405060}));
    CLayerObject* object = ImportPicture(doc, path, frame, ui);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(frame.tail, object);
    EXPECT_EQ(object->type, kTypeBitmap);
    EXPECT_EQ(object->rect, (LayerRect{0, 0, 2, 1}));
    EXPECT_EQ(topDownPixels(object->ownImage), (std::vector<std::uint32_t>{0x00102030, 0x00405060}));
    EXPECT_TRUE(doc.modified());
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0].changes, DocumentChange::LayersChanged | DocumentChange::ModifiedChanged);
    EXPECT_EQ(log.events[0].frame, &frame);
}

TEST(ImportPicture, NothingForUnknownOrMissingFiles)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    CFrame& frame = *doc.animation.firstFrame;
    EXPECT_EQ(ImportPicture(doc, tempPath("x.png"), frame, ui), nullptr);
    EXPECT_EQ(ImportPicture(doc, tempPath("missing.jpg"), frame, ui), nullptr);
    EXPECT_EQ(ImportPicture(doc, tempPath("missing.bmp"), frame, ui), nullptr);
    EXPECT_EQ(frame.ObjectCount(), 0);
    EXPECT_FALSE(doc.modified());
    EXPECT_TRUE(ui.messages().empty());
}

TEST(ImportPicture, IconJpegAndMetafile)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    CFrame& frame = *doc.animation.firstFrame;

    std::vector<std::uint32_t> colours(32 * 32, 0);
    std::vector<int> mask(32 * 32, 1);
    colours[0] = 0xFF0000, mask[0] = 0;
    const std::string ico = tempPath("i.ico");
    writeBytes(ico, iconFile(32, 32, 24, iconImage24(32, 32, colours, mask)));
    CLayerObject* icon = ImportPicture(doc, ico, frame, ui);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->hasTransparency);
    EXPECT_EQ(icon->ownImage.bits()[icon->ownImage.indexOf(0, 0)], 0x00FF0000u);
    EXPECT_EQ(icon->ownImage.bits()[icon->ownImage.indexOf(1, 0)], 0xFFFFFFFFu);

    const std::string jpg = tempPath("p.jpg");
    ASSERT_TRUE(SaveJPEG(jpg, rasterFromRows(8, 8, {}).ToPackedDib32(), -1));
    CLayerObject* photo = ImportPicture(doc, jpg, frame, ui);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->width(), 8);

    const std::string wmf = tempPath("m.wmf");
    writeBytes(wmf, placeableMetafile(1440, 1440, 1440, windowsMetafile(0, 0, 40, 40, 0x0000FF)));
    ui.queueMetafileRaster(MetafileRasterAnswer{50, 50, true});
    CLayerObject* drawing = ImportPicture(doc, wmf, frame, ui);
    ASSERT_NE(drawing, nullptr);
    // Rendered at twice the size, shown at the chosen size.
    EXPECT_EQ(drawing->width(), 50);
    EXPECT_EQ(drawing->ownImage.width(), 50);
    EXPECT_EQ(drawing->ownImage.bits()[drawing->ownImage.indexOf(25, 25)], 0x00FF0000u);
    EXPECT_EQ(frame.ObjectCount(), 3);
}

TEST(ImportPicture, SeveralFilesFillNewFramesInOrder)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    const std::vector<std::string> paths = {bmpOnDisk("1.bmp", rasterFromRows(1, 1, {0x000001})),
                                            bmpOnDisk("2.bmp", rasterFromRows(2, 1, {0x000002, 0})),
                                            bmpOnDisk("3.bmp", rasterFromRows(3, 1, {0x000003, 0, 0}))};
    ImportPictures(doc, paths, *doc.animation.firstFrame, ui);
    ASSERT_EQ(doc.animation.TotalFrames(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(doc.animation.FrameAt(i)->ObjectCount(), 1);
        EXPECT_EQ(doc.animation.FrameAt(i)->ObjectAt(0)->width(), i + 1);
    }
}

TEST(ImportPicture, PendingImportOfAPictureOpenedAsDocument)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    doc.importPath = bmpOnDisk("open.bmp", rasterFromRows(3, 2, {}));
    CompletePendingImport(doc, ui);
    EXPECT_TRUE(doc.importPath.empty());
    EXPECT_EQ(doc.animation.width(), 3);
    EXPECT_EQ(doc.animation.height(), 2);
    EXPECT_EQ(doc.title, "") << "the opener names the document";
}

TEST(ExportPicture, BmpOfTheRenderedFrameExactly)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    doc.animation.SetSize(2, 1);
    CFrame& frame = *doc.animation.firstFrame;
    frame.backgroundColour = 0x00332211; // 0x00BBGGRR
    const std::string path = tempPath("frame.bmp");
    ASSERT_TRUE(ExportPicture(frame, path, ui));
    const Bytes expected = {'B', 'M', 62, 0, 0, 0, 0,    0,    0,    0,    54,   0,    0,  0, 40, 0,
                            0,   0,   2,  0, 0, 0, 1,    0,    0,    0,    1,    0,    24, 0, 0,  0,
                            0,   0,   8,  0, 0, 0, 0,    0,    0,    0,    0,    0,    0,  0, 0,  0,
                            0,   0,   0,  0, 0, 0, 0x33, 0x22, 0x11, 0x33, 0x22, 0x11, 0,  0};
    EXPECT_EQ(readBytes(path), expected);
}

TEST(ExportPicture, OtherExtensionsWriteNothingJpegWrites)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    CFrame& frame = *doc.animation.firstFrame;
    const std::string png = tempPath("frame.png");
    EXPECT_FALSE(ExportPicture(frame, png, ui));
    EXPECT_FALSE(std::filesystem::exists(png));
    const std::string jpg = tempPath("frame.JPG");
    ASSERT_TRUE(ExportPicture(frame, jpg, ui));
    const auto dib = LoadJPEG(jpg);
    ASSERT_TRUE(dib);
    CRaster back;
    ASSERT_TRUE(back.LoadPackedDib(*dib));
    EXPECT_EQ(back.width(), doc.animation.width());
    EXPECT_THROW(ExportPicture(frame, "/nonexistent-folder/frame.bmp", ui), FileError);
}

TEST(ExportPicture, GifOfOneFrameDecodesToTheFrame)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    doc.animation.SetSize(3, 2);
    CFrame& frame = *doc.animation.firstFrame;
    frame.backgroundColour = 0x000000FF; // red
    frame.borderWidth = 0;
    const std::string path = tempPath("frame.gif");
    ASSERT_TRUE(ExportPicture(frame, path, ui));
    ASSERT_EQ(ui.gifSaveQuestions().size(), 1u);
    EXPECT_EQ(ui.gifSaveQuestions()[0].colourCount, 1);
    EXPECT_FALSE(ui.gifSaveQuestions()[0].animated);
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 3);
    EXPECT_EQ(gif->SHeight, 2);
    ASSERT_EQ(gif->ImageCount, 1);
    EXPECT_EQ(gif->SavedImages[0].ExtensionBlockCount, 0); // a single frame has no extensions
    const ColorMapObject* map =
        gif->SavedImages[0].ImageDesc.ColorMap ? gif->SavedImages[0].ImageDesc.ColorMap : gif->SColorMap;
    const GifColorType c = map->Colors[gif->SavedImages[0].RasterBits[0]];
    EXPECT_EQ(c.Red, 255);
    EXPECT_EQ(c.Green, 0);
    DGifCloseFile(gif, &error);

    // Cancelling the colour choice writes nothing.
    ui.queueGifSave(std::nullopt);
    const std::string cancelled = tempPath("cancel.gif");
    EXPECT_FALSE(ExportPicture(frame, cancelled, ui));
    EXPECT_FALSE(std::filesystem::exists(cancelled));
}
