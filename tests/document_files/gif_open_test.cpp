#include "filters/scripted_ui_port.h"
#include "model/document_file.h"
#include "model/frame_list.h"
#include "model/gif_document_import.h"
#include "model/lwd/lwd_reader.h"
#include "model/lwd/lwd_writer.h"
#include "platform/errors.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

using namespace lw;
using namespace lwtest;

namespace {

class NoEffects : public EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return false; }
};

struct GifImage {
    int left, top, width, height, delay;
    std::vector<std::uint8_t> indices;
    int disposal = 0;
};

// A GIF written by giflib: palette 0 black, 1 red, 2 green, 3 blue; index 3 is transparent in
// every image; loop extension when loop >= 0.
Bytes giflibFile(int screenW, int screenH, const std::vector<GifImage>& images, int loop)
{
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(
        &out,
        [](GifFileType* f, const GifByteType* data, int n) {
            auto* bytes = static_cast<Bytes*>(f->UserData);
            bytes->insert(bytes->end(), data, data + n);
            return n;
        },
        &error);
    GifColorType colours[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screenW, screenH, 8, 0, map);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const GifImage& image = images[i];
        if (i == 0 && loop >= 0) {
            unsigned char params[3] = {1, static_cast<unsigned char>(loop),
                                       static_cast<unsigned char>(loop >> 8)};
            EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
            EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
            EGifPutExtensionBlock(gif, 3, params);
            EGifPutExtensionTrailer(gif);
        }
        GraphicsControlBlock gcb{image.disposal, false, image.delay, 3};
        GifByteType control[4];
        EGifGCBToExtension(&gcb, control);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
        EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, false, nullptr);
        std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
        for (int y = 0; y < image.height; ++y) {
            std::copy_n(image.indices.begin() + y * image.width, image.width, row.begin());
            EGifPutLine(gif, row.data(), image.width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

// Two images on a 4 × 2 screen: a full red one, then a 1 × 1 green one at (2, 1).
Bytes twoFrameGif()
{
    return giflibFile(4, 2, {{0, 0, 4, 2, 30, {1, 1, 1, 1, 1, 1, 1, 1}}, {2, 1, 1, 1, 50, {2}}}, 0);
}

std::uint32_t pixel(const CLayerObject& o, int x, int y)
{
    return o.ownImage.bits()[o.ownImage.indexOf(x, y)];
}

constexpr int kOffX = (1200 - 4) / 2;
constexpr int kOffY = (1200 - 2) / 2;

} // namespace

TEST(GifOpen, FullModeComposesEveryFrame)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    const Bytes bytes = twoFrameGif();
    OpenGifDocument(doc, bytes, "/x/anim.gif", ui);
    ASSERT_EQ(ui.gifImportQuestions().size(), 1u);
    EXPECT_EQ(ui.gifImportQuestions()[0].frameCount, 2);
    EXPECT_GT(ui.gifImportQuestions()[0].sizeEstimate, 0);
    CAnimation& a = doc.animation;
    EXPECT_EQ(a.width(), 4);
    EXPECT_EQ(a.height(), 2);
    EXPECT_EQ(a.sourcePath, "/x/anim.gif");
    EXPECT_EQ(a.sourceFileSize, static_cast<std::int32_t>(bytes.size()));
    EXPECT_EQ(knownGifPath(a), "/x/anim.gif");
    EXPECT_EQ(a.savedAsDocument, 0);
    EXPECT_EQ(a.loopCount, 0);
    ASSERT_EQ(a.TotalFrames(), 2);
    const CFrame& second = *a.FrameAt(1);
    ASSERT_EQ(second.ObjectCount(), 1);
    const CLayerObject& o = *second.ObjectAt(0);
    EXPECT_EQ(o.rect, (LayerRect{kOffX, kOffY, kOffX + 4, kOffY + 2}));
    EXPECT_TRUE(o.hasTransparency);
    EXPECT_EQ(pixel(o, 0, 0), 0x00FF0000u);
    EXPECT_EQ(pixel(o, 2, 1), 0x0000FF00u);
    EXPECT_EQ(a.FrameAt(0)->delay, 30);
    EXPECT_EQ(second.delay, 50);
    EXPECT_EQ(second.backgroundFrame, nullptr);
    EXPECT_EQ(doc.title, "") << "the opener names the document";
}

TEST(GifOpen, OptimisedModeStacksChangesOnThePreviousFrame)
{
    ScriptedUiPort ui;
    ui.queueGifImport(GifImportAnswer{true, GifImportMode::Optimised});
    CLWDoc doc;
    OpenGifDocument(doc, twoFrameGif(), "/x/anim.gif", ui);
    CAnimation& a = doc.animation;
    ASSERT_EQ(a.TotalFrames(), 2);
    const CFrame& second = *a.FrameAt(1);
    EXPECT_EQ(second.backgroundFrame, a.FrameAt(0));
    EXPECT_EQ(a.FrameAt(0)->backgroundFrame, nullptr);
    ASSERT_EQ(second.ObjectCount(), 1);
    const CLayerObject& o = *second.ObjectAt(0);
    EXPECT_EQ(o.rect, (LayerRect{kOffX + 2, kOffY + 1, kOffX + 3, kOffY + 2}));
    EXPECT_EQ(pixel(o, 0, 0), 0x0000FF00u);
    // The frame shows the first frame's red with the green pixel on top.
    EXPECT_EQ(second.image.bits()[second.image.indexOf(0, 0)] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(second.image.bits()[second.image.indexOf(2, 1)] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(second.delay, 50);
}

// 8 × 4, disposal 2, a red 2 × 2 square at x = 1, then at x = 5, on the transparent index.
Bytes movingSquareGif(int disposal)
{
    auto image = [disposal](int left) {
        GifImage i{0, 0, 8, 4, 10, std::vector<std::uint8_t>(32, 3), disposal};
        for (int y = 1; y < 3; ++y)
            for (int x = left; x < left + 2; ++x)
                i.indices[static_cast<std::size_t>(y * 8 + x)] = 1;
        return i;
    };
    return giflibFile(8, 4, {image(1), image(5)}, 0);
}

bool transparentAt(const CLayerObject& o, int x, int y)
{
    return pixel(o, x, y) >> 24 == 255;
}

TEST(GifOpen, DisposalToBackgroundLeavesNoTrailInEitherMode)
{
    for (const GifImportMode mode : {GifImportMode::Full, GifImportMode::Optimised}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ScriptedUiPort ui;
        ui.queueGifImport(GifImportAnswer{true, mode});
        CLWDoc doc;
        OpenGifDocument(doc, movingSquareGif(2), "/x/square.gif", ui);
        CAnimation& a = doc.animation;
        ASSERT_EQ(a.TotalFrames(), 2);
        a.FrameAt(1)->Render();
        const CFrame& second = *a.FrameAt(1);
        // Nothing of the first square below the second picture.
        EXPECT_EQ(second.backgroundFrame, nullptr);
        ASSERT_EQ(second.ObjectCount(), 1);
        const CLayerObject& o = *second.ObjectAt(0);
        EXPECT_EQ(o.rect,
                  (LayerRect{(1200 - 8) / 2, (1200 - 4) / 2, (1200 - 8) / 2 + 8, (1200 - 4) / 2 + 4}));
        EXPECT_EQ(pixel(o, 5, 1), 0x00FF0000u);
        EXPECT_EQ(pixel(o, 6, 2), 0x00FF0000u);
        for (auto [x, y] : {std::pair{1, 1}, {2, 2}, {0, 0}, {7, 3}})
            EXPECT_TRUE(transparentAt(o, x, y)) << x << "," << y;
        EXPECT_EQ(second.image.bits()[second.image.indexOf(1, 1)],
                  second.image.bits()[second.image.indexOf(0, 0)]);
        EXPECT_EQ(second.image.bits()[second.image.indexOf(5, 1)] & 0xFFFFFF, 0xFF0000u);
    }
}

TEST(GifOpen, DisposalKeepStillStacksOnThePreviousFrame)
{
    // Disposal 1 leaves the first square: the optimised import keeps its background frame and the
    // full import shows both squares, on transparent.
    ScriptedUiPort ui;
    ui.queueGifImport(GifImportAnswer{true, GifImportMode::Optimised});
    ui.queueGifImport(GifImportAnswer{true, GifImportMode::Full});
    CLWDoc optimised, full;
    OpenGifDocument(optimised, movingSquareGif(1), "/x/square.gif", ui);
    OpenGifDocument(full, movingSquareGif(1), "/x/square.gif", ui);
    EXPECT_EQ(optimised.animation.FrameAt(1)->backgroundFrame, optimised.animation.FrameAt(0));
    const CFrame& second = *optimised.animation.FrameAt(1);
    EXPECT_EQ(second.image.bits()[second.image.indexOf(1, 1)] & 0xFFFFFF, 0xFF0000u);
    const CLayerObject& o = *full.animation.FrameAt(1)->ObjectAt(0);
    EXPECT_EQ(pixel(o, 1, 1), 0x00FF0000u);
    EXPECT_EQ(pixel(o, 5, 1), 0x00FF0000u);
    EXPECT_TRUE(transparentAt(o, 0, 0));
}

TEST(GifOpen, ContentWiderOrTallerThanTheWorkspaceKeepsItsLastColumnAndRow)
{
    // The canvas and the imported picture are centred alike, also for an odd excess over the
    // workspace: the frame shows the picture's first and last columns and rows.
    for (auto [w, h] : {std::pair{1201, 3}, {1203, 2}, {3, 1201}, {1201, 1205}, {1200, 4}, {4095, 3}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        GifImage image{0, 0, w, h, 0, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h, 2)};
        for (int y = 0; y < h; ++y)
            image.indices[static_cast<std::size_t>(y * w + w - 1)] = 1; // red last column
        for (int x = 0; x < w; ++x)
            image.indices[static_cast<std::size_t>((h - 1) * w + x)] = 0; // black last row
        ScriptedUiPort ui;
        CLWDoc doc;
        OpenGifDocument(doc, giflibFile(w, h, {image}, -1), "/x/wide.gif", ui);
        CFrame& frame = *doc.animation.firstFrame;
        ASSERT_EQ(frame.ObjectCount(), 1);
        EXPECT_EQ(frame.ObjectAt(0)->rect.left, doc.animation.canvasRect.left);
        EXPECT_EQ(frame.ObjectAt(0)->rect.top, doc.animation.canvasRect.top);
        frame.Render();
        const CRaster& shown = frame.image;
        ASSERT_EQ(shown.width(), w);
        EXPECT_EQ(shown.GetPixel(w - 1, 0) & 0xFFFFFF, 0xFF0000u);
        EXPECT_EQ(shown.GetPixel(0, 0) & 0xFFFFFF, 0x00FF00u);
        EXPECT_EQ(shown.GetPixel(w / 2, h - 1) & 0xFFFFFF, 0u);
        EXPECT_EQ(shown.GetPixel(0, h - 2) & 0xFFFFFF, h > 1 ? 0x00FF00u : 0u);
    }
}

TEST(GifOpen, FirstFrameOnlyAndCancel)
{
    {
        ScriptedUiPort ui;
        ui.queueGifImport(GifImportAnswer{false, GifImportMode::Full});
        CLWDoc doc;
        OpenGifDocument(doc, twoFrameGif(), "/x/anim.gif", ui);
        ASSERT_EQ(doc.animation.TotalFrames(), 1);
        ASSERT_EQ(doc.animation.firstFrame->ObjectCount(), 1);
        EXPECT_EQ(doc.animation.firstFrame->ObjectAt(0)->rect,
                  (LayerRect{kOffX, kOffY, kOffX + 4, kOffY + 2}));
    }
    {
        ScriptedUiPort ui;
        ui.queueGifImport(std::nullopt);
        CLWDoc doc;
        OpenGifDocument(doc, twoFrameGif(), "/x/anim.gif", ui);
        EXPECT_EQ(doc.animation.TotalFrames(), 1);
        EXPECT_EQ(doc.animation.firstFrame->ObjectCount(), 0);
        EXPECT_EQ(doc.animation.width(), 4); // already sized to the GIF
    }
}

TEST(GifOpen, SingleImageAsksNothingAndKeepsItsOffset)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    OpenGifDocument(doc, giflibFile(6, 4, {{1, 2, 2, 1, 0, {1, 3}}}, -1), "/x/one.gif", ui);
    EXPECT_TRUE(ui.gifImportQuestions().empty());
    EXPECT_EQ(doc.animation.loopCount, 1);
    const CLayerObject& o = *doc.animation.firstFrame->ObjectAt(0);
    EXPECT_EQ(o.rect.left, (1200 - 6) / 2 + 1);
    EXPECT_EQ(o.rect.top, (1200 - 4) / 2 + 2);
    EXPECT_EQ(pixel(o, 1, 0) >> 24, 255u); // the transparent index
}

TEST(GifOpen, FramesReachingPastTheScreenKeepOnlyTheirVisiblePart)
{
    // A 6 x 4 screen; each case's first image (red, with a green first column and a blue
    // (transparent) last column) lies as given, and a 1 x 1 second image keeps the GIF animated.
    struct Case {
        int left, top, width, height;
        bool visible;
        LayerRect rect; // relative to the canvas
    };
    const Case cases[] = {
        {0, 0, 6, 4, true, {0, 0, 6, 4}},     // exactly the screen
        {4, 1, 5, 2, true, {4, 1, 6, 3}},     // past the right side
        {1, 3, 3, 4, true, {1, 3, 4, 4}},     // past the bottom
        {0, 2, 20000, 1, true, {0, 2, 6, 3}}, // far wider than any object
        {6, 0, 2, 2, false, {}},              // just beyond the right side
        {0, 65000, 3, 1, false, {}},          // far below
    };
    for (const Case& c : cases)
        for (const GifImportAnswer answer :
             {GifImportAnswer{false, GifImportMode::Full}, GifImportAnswer{true, GifImportMode::Optimised}}) {
            SCOPED_TRACE(::testing::Message() << c.left << "," << c.top << " " << c.width << "x" << c.height
                                              << (answer.allFrames ? " optimised" : " first only"));
            std::vector<std::uint8_t> indices(static_cast<std::size_t>(c.width) * c.height, 1);
            for (int y = 0; y < c.height; ++y) {
                indices[static_cast<std::size_t>(y) * c.width] = 2;
                if (c.width > 1)
                    indices[static_cast<std::size_t>(y) * c.width + c.width - 1] = 3;
            }
            ScriptedUiPort ui;
            ui.queueGifImport(answer);
            CLWDoc doc;
            OpenGifDocument(
                doc,
                giflibFile(6, 4, {{c.left, c.top, c.width, c.height, 10, indices}, {0, 0, 1, 1, 10, {1}}}, 0),
                "/x/wide.gif", ui);
            const CFrame& first = *doc.animation.firstFrame;
            if (!c.visible) {
                EXPECT_EQ(first.ObjectCount(), 0);
                continue;
            }
            ASSERT_EQ(first.ObjectCount(), 1);
            const CLayerObject& o = *first.ObjectAt(0);
            const int offX = (1200 - 6) / 2, offY = (1200 - 4) / 2;
            EXPECT_EQ(o.rect, (LayerRect{offX + c.rect.left, offY + c.rect.top, offX + c.rect.right,
                                         offY + c.rect.bottom}));
            // Pixels keep their place: column 0 green; the last column blue only when it is on screen.
            for (int y = 0; y < rectHeight(c.rect); ++y)
                for (int x = 0; x < rectWidth(c.rect); ++x) {
                    const bool lastColumn = x == c.width - 1 && c.width > 1;
                    const std::uint32_t expected = x == 0       ? 0x0000FF00u
                                                   : lastColumn ? 0xFF0000FFu
                                                                : 0x00FF0000u;
                    ASSERT_EQ(pixel(o, x, y), expected) << x << "," << y;
                }

            // What the import made saves and opens again with the same objects.
            NoEffects catalog;
            ScriptedUiPort reopenUi;
            doc.animation.RenderAllFrames();
            CLWDoc again;
            ASSERT_NO_THROW(ReadLwdDocument(again, WriteLwdDocument(doc), catalog, reopenUi));
            ASSERT_EQ(again.animation.firstFrame->ObjectCount(), 1);
            EXPECT_EQ(again.animation.firstFrame->ObjectAt(0)->rect, o.rect);
        }
}

TEST(GifOpen, NotAGifFailsAfterTheMessage)
{
    ScriptedUiPort ui;
    CLWDoc doc;
    EXPECT_THROW(OpenGifDocument(doc, Bytes{'P', 'N', 'G', 0, 0, 0}, "/x/bad.gif", ui), ArchiveError);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "No GIF Format");
}

TEST(LoadDocument, ByExtension)
{
    ScriptedUiPort ui;
    NoEffects catalog;
    for (const char* name : {"a.jpg", "b.JPEG", "c.jpe", "d.bmp", "e.wmf"}) {
        CLWDoc doc;
        LoadDocument(doc, "/pictures/" + std::string(name), catalog, ui);
        EXPECT_EQ(doc.importPath, "/pictures/" + std::string(name));
    }
    CLWDoc doc;
    EXPECT_THROW(LoadDocument(doc, "/pictures/notes.txt", catalog, ui), ArchiveError);
    const std::string gif = tempPath("open.GIF");
    writeBytes(gif, twoFrameGif());
    CLWDoc fromGif;
    LoadDocument(fromGif, gif, catalog, ui);
    EXPECT_EQ(fromGif.animation.TotalFrames(), 2);
    EXPECT_THROW(LoadDocument(fromGif, tempPath("missing.lwd"), catalog, ui), FileError);
}
