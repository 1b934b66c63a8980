// The filter menu commands: their enable rules on real frames and their effect and undo on a
// document session.
#include "app/editor/command_table.h"
#include "app/editor/document_session.h"
#include "app/editor/filter_menu_commands.h"
#include "filters/filter_application.h"
#include "filters/scripted_ui_port.h"
#include "imaging/pl_text_exception.h"
#include "model/bitmap_object.h"
#include "model/frame.h"
#include "model/text_object.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lw {
namespace {

struct FilterSession {
    DocumentSession session;
    CFrame& frame = session.currentFrame();

    CBitmapObject* addBitmap(int width, int height, std::uint32_t fill)
    {
        auto b = std::make_unique<CBitmapObject>();
        CRaster pixels(width, height);
        pixels.FillRect(fill);
        b->TakePixels(std::move(pixels));
        b->MoveTo(10, 20);
        b->selected = 1;
        return static_cast<CBitmapObject*>(frame.AppendObject(std::move(b)));
    }
    void addText()
    {
        auto t = std::make_unique<CTextObject>();
        t->Resize({400, 580, 420, 590});
        t->selected = 1;
        frame.AppendObject(std::move(t));
    }
    EditorState state()
    {
        EditorState s;
        describeDocument(s, session.doc, frame);
        s.clipboardHasBitmap = true;
        return s;
    }
};

bool enabled(int id, const EditorState& s)
{
    const CommandRow* row = findCommand(id);
    return row && commandEnabled(*row, s);
}

TEST(FilterMenuCommands, EnableRulesByTargetKind)
{
    struct Row {
        int id;
        bool bitmap, text, none;
    };
    // Bitmap-only filters need a bitmap as the lowest selected layer; the others turn any layer
    // into a bitmap; the frame border needs no layer at all.
    const Row rows[] = {
        {cmd::FilterBrightnessContrast, true, true, false},
        {cmd::FilterSaturation, true, false, false},
        {cmd::FilterInvertColours, true, false, false},
        {cmd::FilterGreyscale, true, false, false},
        {cmd::FilterTwoColour, true, false, false},
        {cmd::FilterColorize, true, false, false},
        {cmd::FilterReduceColours, true, false, false},
        {cmd::FilterThreshold, true, true, false},
        {cmd::FilterInvertAlpha, true, true, false},
        {cmd::FilterApplyTransparency, true, true, false},
        {cmd::FilterWhiteToTransparent, true, false, false},
        {cmd::FilterExtractAlpha, true, true, false},
        {cmd::FilterInsertAlpha, true, false, false},
        {cmd::FilterTakeColours, true, false, false},
        {cmd::FilterVerticalGradient, true, true, false},
        {cmd::FilterHorizontalGradient, true, true, false},
        {cmd::FilterDiagonalGradient, true, true, false},
        {cmd::FilterBevelledRectangle, true, true, false},
        {cmd::FilterBevelledShape, true, true, false},
        {cmd::FilterDropShadow, true, true, false},
        {cmd::FilterGlow, true, true, false},
        {cmd::FilterEdgeBlur, true, true, false},
        {cmd::FilterGaussianBlur, true, true, false},
        {cmd::Turn180, true, true, false},
        {cmd::Turn90Clockwise, true, true, false},
        {cmd::Turn90CounterClockwise, true, true, false},
        {cmd::RotateOther, true, true, false},
        {cmd::MirrorHorizontal, true, false, false},
        {cmd::MirrorVertical, true, false, false},
        {cmd::FrameBorder, true, true, true},
    };
    ASSERT_EQ(std::size(rows), filterMenuCommandIds().size()) << "every hooked command has a row";

    FilterSession bitmap;
    bitmap.addBitmap(4, 4, 0);
    FilterSession text;
    text.addText();
    FilterSession none;
    none.addBitmap(4, 4, 0)->selected = 0;
    for (const Row& r : rows) {
        EXPECT_EQ(enabled(r.id, bitmap.state()), r.bitmap) << "bitmap " << r.id;
        EXPECT_EQ(enabled(r.id, text.state()), r.text) << "text " << r.id;
        EXPECT_EQ(enabled(r.id, none.state()), r.none) << "no selection " << r.id;
    }

    // A frame drawn over a background frame keeps that frame's border.
    CFrame other;
    bitmap.frame.backgroundFrame = &other;
    EXPECT_FALSE(enabled(cmd::FrameBorder, bitmap.state()));
    bitmap.frame.backgroundFrame = nullptr;
}

TEST(FilterMenuCommands, ChangeTheLayerAndUndoRestoresIt)
{
    struct Case {
        int id;
        int width, height; // the target after the command
        std::uint32_t pixel;
    };
    const Case cases[] = {
        {cmd::FilterInvertColours, 6, 3, 0x00EFDFCF}, // in place
        {cmd::Turn90Clockwise, 3, 6, 0x00102030},     // replaced by a turned copy
    };
    for (const Case& c : cases) {
        FilterSession s;
        s.addBitmap(6, 3, 0x00102030);
        ScriptedUiPort ui;
        ASSERT_TRUE(runFilterMenuCommand(c.id, s.session, ui, nullptr)) << c.id;
        EXPECT_TRUE(s.session.doc.modified());
        const CLayerObject* after = filterTarget(s.frame);
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(after->ownImage.width(), c.width) << c.id;
        EXPECT_EQ(after->ownImage.height(), c.height) << c.id;
        EXPECT_EQ(after->ownImage.GetPixel(0, 0), c.pixel) << c.id;
        ASSERT_TRUE(s.frame.CanUndo());

        s.frame.Cancel();
        ASSERT_EQ(s.frame.ObjectCount(), 1);
        const CLayerObject& restored = *s.frame.head;
        EXPECT_EQ(restored.ownImage.width(), 6) << c.id;
        EXPECT_EQ(restored.ownImage.height(), 3) << c.id;
        EXPECT_EQ(restored.ownImage.GetPixel(5, 2), 0x00102030u) << c.id;
        EXPECT_TRUE(ui.messages().empty());
    }
}

TEST(FilterMenuCommands, NothingToWorkOnChangesNothing)
{
    FilterSession s;
    s.addBitmap(4, 4, 0x00102030)->selected = 0;
    ScriptedUiPort ui;
    for (int id : {cmd::FilterInvertColours, cmd::FilterGaussianBlur, cmd::Turn180, cmd::FilterInsertAlpha})
        EXPECT_FALSE(runFilterMenuCommand(id, s.session, ui, nullptr)) << id;
    EXPECT_FALSE(s.session.doc.modified());
    EXPECT_FALSE(s.frame.CanUndo());
    EXPECT_EQ(s.frame.head->ownImage.GetPixel(0, 0), 0x00102030u);
}

TEST(FilterMenuCommands, AFilterRaisingTheLibraryTextShowsItAndChangesNothing)
{
    struct : ScriptedUiPort {
        std::optional<std::vector<int>> askFilterValues(const FilterValuesQuestion&) override
        {
            throw PLTextException(kPLErrFormatUnsupported, kPLTextNotADib);
        }
    } ui;
    FilterSession s;
    s.addBitmap(4, 4, 0x00102030);
    EXPECT_FALSE(runFilterMenuCommand(cmd::FilterReduceColours, s.session, ui, nullptr));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Unsupported bitmap format.");
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Error);
    EXPECT_FALSE(s.session.doc.modified() || s.frame.CanUndo());
    EXPECT_EQ(s.frame.head->ownImage.GetPixel(3, 3), 0x00102030u);
}

TEST(FilterMenuCommands, ClipboardImageBecomesRasterWithTransparency)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0xFF));
    image.setPixel(1, 0, qRgba(0x40, 0x50, 0x60, 0x00));
    const auto raster = rasterFromImage(image);
    ASSERT_TRUE(raster);
    EXPECT_EQ(raster->GetPixel(0, 0), 0x00102030u);
    EXPECT_EQ(raster->GetPixel(1, 0), 0xFF405060u);
    EXPECT_FALSE(rasterFromImage(QImage()));
}

} // namespace
} // namespace lw
