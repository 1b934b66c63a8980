#include "filters/scripted_ui_port.h"
#include "model/bitmap_object.h"
#include "model/bitmap_painting.h"
#include "model/clone_object.h"
#include "model/ellipse_object.h"
#include "model/layer_list.h"
#include "model/rect_object.h"
#include "model/text_object.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lw;

namespace {

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

std::unique_ptr<CTextObject> label(const std::string& text, int x, int baseline)
{
    auto t = std::make_unique<CTextObject>();
    t->font = LogFont::documentDefault();
    t->font.height = -30;
    t->text = text;
    t->position = {x, baseline};
    t->Render();
    return t;
}

// A bitmap with a distinct value in every pixel.
CRaster gradient(int w, int h)
{
    CRaster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.bits()[r.indexOf(x, y)] =
                static_cast<std::uint32_t>((x * 23) << 16 | (y * 19) << 8 | ((x + y) * 7));
    return r;
}

} // namespace

TEST(RectObject, DefaultRendersBlackStripesOnBlue)
{
    CRectObject r;
    r.Resize({100, 200, 104, 206});
    EXPECT_EQ(r.rect, (LayerRect{100, 200, 104, 206}));
    EXPECT_EQ(r.position, (LayerPoint{100, 200}));
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(at(r.ownImage, 1, y), y % 3 == 2 ? 0x8080FFu : 0u) << y;
    EXPECT_EQ(r.hasTransparency, 0);
}

TEST(RectObject, BucketRecoloursAndEditCancelRestores)
{
    CRectObject r;
    r.Resize({10, 10, 20, 19});
    r.BeginEdit();
    r.FillAt(15, 12, 0x80FF0000); // row 2: a gap
    EXPECT_EQ(r.style.fillColour, 0x80FF0000u);
    EXPECT_EQ(at(r.ownImage, 0, 2), 0x80FF0000u);
    EXPECT_EQ(r.hasTransparency, 1);
    r.Resize({10, 10, 30, 40});
    r.CancelEdit();
    EXPECT_FALSE(r.IsEditing());
    EXPECT_EQ(r.style, RectStyle{});
    EXPECT_EQ(r.rect, (LayerRect{10, 10, 20, 19}));
    EXPECT_EQ(r.ownImage.width(), 10);
    EXPECT_EQ(at(r.ownImage, 0, 2), 0x8080FFu);
    EXPECT_EQ(r.hasTransparency, 0);
}

TEST(RectObject, EmptyResizeIsIgnored)
{
    CRectObject r;
    r.Resize({10, 10, 20, 20});
    r.Resize({10, 10, 10, 30});
    EXPECT_EQ(r.rect, (LayerRect{10, 10, 20, 20}));
}

TEST(EllipseObject, ZeroSizeRendersNothing)
{
    CEllipseObject e;
    e.Render();
    EXPECT_FALSE(e.ownImage.hasBlock());
    EXPECT_EQ(e.hasTransparency, 1);
    e.Resize({5, 5, 5, 9});
    EXPECT_FALSE(e.ownImage.hasBlock());
}

TEST(EllipseObject, BucketSetsTheColourAndCancelRestoresIt)
{
    CEllipseObject e;
    e.Resize({0, 0, 20, 20});
    e.BeginEdit();
    e.FillAt(3, 3, 0x00ABCDEF);
    EXPECT_EQ(at(e.ownImage, 10, 10), 0x00ABCDEFu);
    e.CancelEdit();
    EXPECT_EQ(at(e.ownImage, 10, 10), 0u);
    const auto copy = e.Duplicate();
    EXPECT_EQ(static_cast<CEllipseObject&>(*copy).style, e.style);
    EXPECT_EQ(copy->ownImage.pixels()[200], e.ownImage.pixels()[200]);
}

TEST(TextObject, PositionIsTheBaselineOrigin)
{
    auto t = label("Hg", 300, 500);
    EXPECT_GT(t->metrics.ascent, 10);
    EXPECT_EQ(t->rect.left, 300);
    EXPECT_EQ(t->rect.top, 500 - t->metrics.ascent);
    EXPECT_EQ(t->width(), t->metrics.width);
    EXPECT_EQ(t->height(), t->metrics.height);
    t->MoveTo(320, 520);
    EXPECT_EQ(t->rect.top, 520 - t->metrics.ascent);
    EXPECT_EQ(t->position, (LayerPoint{320, 520}));
    t->OffsetBy(1, 2);
    EXPECT_EQ(t->position, (LayerPoint{321, 522}));
    EXPECT_EQ(t->rect.top, 522 - t->metrics.ascent);
}

TEST(TextObject, WiderAtTheSameHeightBecomesLetterSpacing)
{
    auto t = label("AB", 300, 500);
    const int natural = t->metrics.naturalWidth;
    const int h = t->height();
    const int oldWidth = t->width();
    t->Resize({t->rect.left, t->rect.top, t->rect.left + natural + 40, t->rect.top + h});
    EXPECT_DOUBLE_EQ(t->letterSpacing, 40.0);
    EXPECT_EQ(t->width(), oldWidth + 40) << "one gap between two characters";
    EXPECT_EQ(t->height(), h);
    // Narrower than the natural width: no negative spacing.
    t->Resize({t->rect.left, t->rect.top, t->rect.left + 3, t->rect.top + h});
    EXPECT_DOUBLE_EQ(t->letterSpacing, 0.0);
    // One character has no gaps.
    auto one = label("A", 300, 500);
    one->Resize({one->rect.left, one->rect.top, one->rect.left + 200, one->rect.top + one->height()});
    EXPECT_DOUBLE_EQ(one->letterSpacing, 0.0);
}

TEST(TextObject, TallerKeepsTheWidthAndBothScaleTheSpacing)
{
    auto t = label("Text", 300, 500);
    const int w = t->width();
    const int h = t->height();
    t->Resize({t->rect.left, t->rect.top, t->rect.left + w, t->rect.top + 2 * h});
    EXPECT_EQ(t->font.height, -60);
    EXPECT_DOUBLE_EQ(t->widthScale, 0.5);
    EXPECT_GT(t->height(), h * 3 / 2);
    EXPECT_EQ(t->position, (LayerPoint{300, 500})) << "the baseline stays";

    auto s = label("Text", 300, 500);
    s->letterSpacing = 4;
    s->Render();
    const int sw = s->width();
    const int sh = s->height();
    s->Resize({s->rect.left, s->rect.top, s->rect.left + 3 * sw, s->rect.top + 2 * sh});
    EXPECT_DOUBLE_EQ(s->letterSpacing, 8.0);
    EXPECT_EQ(s->font.height, -60);
    EXPECT_DOUBLE_EQ(s->widthScale,
                     (static_cast<double>(sh) / (2 * sh)) / (static_cast<double>(sw) / (3 * sw)));
}

TEST(TextObject, HandleSetsDependOnTheLineCount)
{
    auto single = label("One", 300, 500);
    EXPECT_EQ(single->Handles(), (std::vector<int>{3, 4, 2}));
    auto multi = label("One\nTwo", 300, 500);
    EXPECT_EQ(multi->Handles(), (std::vector<int>{3, 1, 5, 7}));
    ViewState view;
    const LayerRect h8 = handleRect(single->rect, 8);
    view.zoomedPoint = QPoint(h8.left + 1, h8.top + 1);
    EXPECT_EQ(single->HitHandle(view), 0) << "handle 8 is not offered";
    const LayerRect h3 = handleRect(single->rect, 3);
    view.zoomedPoint = QPoint(h3.left + 1, h3.top + 1);
    EXPECT_EQ(single->HitHandle(view), 3);
    const LayerRect h7 = handleRect(multi->rect, 7);
    view.zoomedPoint = QPoint(h7.left + 1, h7.top + 1);
    EXPECT_EQ(multi->HitHandle(view), 7);
}

TEST(TextObject, RenderingFailureShowsTheBoxAndKeepsThePixels)
{
    ScriptedUiPort ui;
    auto t = label("Big", 300, 500);
    t->messagePort = &ui;
    const LayerRect before = t->rect;
    const auto pixels = lwtest::topDownPixels(t->ownImage);
    t->font.height = 2400;
    t->antialiased = 1;
    t->text = "WWWWWWWWWW";
    t->Render();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text.rfind("Не удалось записать bitmap (", 0), 0u);
    EXPECT_EQ(t->rect, before);
    EXPECT_EQ(lwtest::topDownPixels(t->ownImage), pixels);
}

TEST(TextObject, BucketAndCancel)
{
    auto t = label("Ab", 300, 500);
    t->BeginEdit();
    t->text = "Changed text";
    t->FillAt(0, 0, 0x000000FF);
    bool blue = false;
    for (std::uint32_t p : t->ownImage.pixels())
        blue |= p == 0x000000FFu;
    EXPECT_TRUE(blue);
    t->CancelEdit();
    EXPECT_EQ(t->text, "Ab");
    EXPECT_EQ(t->textColour, 0u);
    EXPECT_EQ(t->width(), label("Ab", 0, 0)->width());
}

TEST(BitmapObject, ResizeDownAndUpResamplesOnceFromTheUnscaledPixels)
{
    CBitmapObject b;
    b.MoveTo(50, 60);
    b.TakePixels(gradient(12, 10));
    const auto original = lwtest::topDownPixels(b.ownImage);
    b.Resize({50, 60, 53, 63});
    EXPECT_TRUE(b.HasUnscaledPixels());
    EXPECT_EQ(b.ownImage.width(), 3);
    EXPECT_EQ(b.composite.width(), 3);
    b.Resize({40, 30, 52, 40});
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), original) << "back to the size before: the very pixels";
    EXPECT_EQ(b.rect, (LayerRect{40, 30, 52, 40}));
    b.Resize({40, 30, 47, 36});
    CRaster direct = gradient(12, 10);
    direct.Resample(7, 6);
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), lwtest::topDownPixels(direct));
}

TEST(BitmapObject, PixelEditsDropTheUnscaledPixels)
{
    CBitmapObject b;
    b.TakePixels(gradient(8, 8));
    b.Resize({0, 0, 4, 4});
    b.StampBrush(1, 1, 0x00FFFFFF, 0);
    EXPECT_FALSE(b.HasUnscaledPixels());
    EXPECT_EQ(b.hasTransparency, 0);
    b.Resize({0, 0, 8, 8});
    b.FillAt(0, 0, 0x80000000);
    EXPECT_FALSE(b.HasUnscaledPixels());
    EXPECT_EQ(b.hasTransparency, 1);
}

TEST(BitmapObject, FloodFillWithTheSameColourChangesNothing)
{
    CBitmapObject b;
    b.MoveTo(100, 100);
    b.TakePixels(lwtest::rasterFromRows(2, 2, {5, 5, 6, 5}));
    b.FillAt(100, 100, 5);
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), (std::vector<std::uint32_t>{5, 5, 6, 5}));
    b.FillAt(101, 101, 9);
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), (std::vector<std::uint32_t>{9, 9, 6, 9}));
}

TEST(BitmapObject, SetRectCropsOrExtendsTheCanvas)
{
    CBitmapObject b;
    b.MoveTo(10, 10);
    b.TakePixels(lwtest::rasterFromRows(2, 2, {1, 2, 3, 4}));
    b.SetRect({9, 10, 12, 11}, 0xFF000000);
    EXPECT_EQ(b.rect, (LayerRect{9, 10, 12, 11}));
    EXPECT_EQ(b.position, (LayerPoint{9, 10}));
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), (std::vector<std::uint32_t>{0xFF000000, 1, 2}));
    EXPECT_EQ(b.composite.width(), 3);
    EXPECT_EQ(b.hasTransparency, 1);
}

TEST(BitmapObject, EditCancelRestoresThePixels)
{
    CBitmapObject b;
    b.TakePixels(lwtest::rasterFromRows(2, 1, {1, 2}));
    b.BeginEdit();
    b.BrushLine(0, 0, 1, 0, 7, 0);
    b.Resize({0, 0, 4, 4});
    b.CancelEdit();
    EXPECT_EQ(lwtest::topDownPixels(b.ownImage), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(b.rect, (LayerRect{0, 0, 2, 1}));
    EXPECT_EQ(b.savedPixels, nullptr);
    b.BeginEdit();
    b.EndEdit();
    EXPECT_EQ(b.savedPixels, nullptr);
}

TEST(BitmapObject, BrushLineStampsWhereTheLinesOwnPointsFall)
{
    // A line drawn on a bitmap must put its stamps where the same line drawn in workspace
    // coordinates puts them, wherever the bitmap sits (truncating in object coordinates put some
    // one pixel short).
    for (int left : {10, 0, 37, 1000}) {
        for (int length : {2, 7, 49, 97, 120}) {
            CBitmapObject b;
            b.TakePixels(CRaster(length + 1, 1));
            b.MoveTo(left, 0);
            b.BrushLine(left, 0, left + length, 0, 7, 0);
            CRaster workspace(left + length + 1, 1);
            brushLine(workspace, left, 0, left + length, 0, 7, 0);
            const auto whole = lwtest::topDownPixels(workspace);
            EXPECT_EQ(lwtest::topDownPixels(b.ownImage),
                      std::vector<std::uint32_t>(whole.begin() + left, whole.end()))
                << left << " " << length;
        }
    }
    // The reported case: a line from (10, 0) to (59, 0) on a bitmap at x = 10 paints every column.
    CBitmapObject b;
    b.TakePixels(CRaster(50, 3));
    b.MoveTo(10, 0);
    b.BrushLine(10, 1, 59, 1, 7, 0);
    const auto pixels = lwtest::topDownPixels(b.ownImage);
    for (int x = 0; x < 50; ++x)
        EXPECT_EQ(pixels[static_cast<std::size_t>(50 + x)], 7u) << x;
}

TEST(BitmapObject, LoadsAPackedDibAtTheOrigin)
{
    CRaster picture = lwtest::rasterFromRows(2, 1, {0x00112233, 0x00445566});
    CBitmapObject b;
    b.MoveTo(40, 40);
    ASSERT_TRUE(b.LoadPackedDib(picture.ToPackedDib32()));
    EXPECT_EQ(b.rect, (LayerRect{0, 0, 2, 1}));
    EXPECT_EQ(at(b.ownImage, 1, 0), 0x00445566u);
    EXPECT_FALSE(b.LoadPackedDib(std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(b.rect, (LayerRect{0, 0, 2, 1}));
}

TEST(CloneObject, FollowsItsRecolouredSource)
{
    CLayerList list;
    auto rect = std::make_unique<CRectObject>();
    rect->style.style = kRectSolid;
    rect->Resize({0, 0, 4, 4});
    CRectObject* source = static_cast<CRectObject*>(list.AppendObject(std::move(rect)));
    CLayerObject* clone = list.AppendObject(std::make_unique<CCloneObject>(source));
    clone->MoveTo(100, 100);
    list.UpdateAllComposites();
    EXPECT_EQ(at(clone->composite, 2, 2), 0u);
    source->FillAt(1, 1, 0x0000FF00);
    list.UpdateComposites(source);
    EXPECT_EQ(at(clone->ownImage, 2, 2), 0x0000FF00u);
    EXPECT_EQ(at(clone->composite, 2, 2), 0x0000FF00u);
    EXPECT_EQ(clone->rect, (LayerRect{100, 100, 104, 104}));

    // A bigger source: the clone takes its size on the next update.
    source->Resize({0, 0, 6, 5});
    list.UpdateComposites(source);
    EXPECT_EQ(clone->rect, (LayerRect{100, 100, 106, 105}));
    EXPECT_EQ(clone->composite.width(), 6);
}

TEST(CloneObject, HitOnlyWithTheSelectionToolAndWithoutHandles)
{
    CBitmapObject source;
    source.TakePixels(lwtest::rasterFromRows(2, 2, {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}));
    CCloneObject clone(&source);
    ViewState view;
    view.workspacePoint = QPoint(1, 1);
    EXPECT_TRUE(clone.HitTest(view)) << "even where the pixels are transparent";
    view.tool = ViewTool::Zoom;
    EXPECT_FALSE(clone.HitTest(view));
    view.zoomedPoint = QPoint(-5, -5); // inside handle 1
    EXPECT_EQ(clone.HitHandle(view), 0);
    EXPECT_EQ(source.HitHandle(view), 1);
}

TEST(CloneObject, UndoCopyIsABitmapOfTheSourcePixels)
{
    CBitmapObject source;
    source.TakePixels(lwtest::rasterFromRows(2, 1, {3, 4}));
    CCloneObject clone(&source);
    clone.MoveTo(7, 8);
    clone.introEffect = {5, 1, 0};
    source.ownImage.bits()[0] = 9;
    const auto copy = clone.Duplicate();
    EXPECT_EQ(copy->type, kTypeBitmap);
    EXPECT_EQ(copy->rect, (LayerRect{7, 8, 9, 9}));
    EXPECT_EQ(copy->introEffect, (EffectAssignment{5, 1, 0}));
    EXPECT_EQ(copy->ownImage.bits()[0], 9u);
}
