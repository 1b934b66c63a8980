// The editing view and its tools driven by synthetic mouse and key events, without a widget.
#include "app/editor/editing_view.h"
#include "app/editor/tools/tool_host.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/edit_scope.h"
#include "model/ellipse_object.h"
#include "model/frame.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

struct ViewFixture : ::testing::Test {
    DocumentSession session;
    ScriptedToolHost host;
    EditingView view{session, host};
    CFrame& frame = session.currentFrame();
    LayerRect canvas = frame.canvasRectOrEmpty();
    QPoint corner() const { return {canvas.left, canvas.top}; }

    ViewFixture()
    {
        view.setClientSize({600, 400});
        view.reset();
    }

    PointerEvent at(QPoint workspace, bool shift = false, bool ctrl = false) const
    {
        return {view.geometry().toWindow(workspace), shift, ctrl};
    }
    void drag(QPoint from, QPoint to, bool shift = false, bool ctrl = false)
    {
        view.move(at(from), false);
        view.press(at(from, shift, ctrl));
        view.move(at((from + to) / 2, shift, ctrl), true);
        view.move(at(to, shift, ctrl), true);
        view.release(at(to, shift, ctrl));
    }
    void click(QPoint p, bool shift = false, bool ctrl = false) { drag(p, p, shift, ctrl); }

    CBitmapObject* addBitmap(LayerRect r, std::uint32_t fill)
    {
        auto b = std::make_unique<CBitmapObject>();
        CRaster pixels(rectWidth(r), rectHeight(r));
        pixels.FillRect(fill);
        b->TakePixels(std::move(pixels));
        b->MoveTo(r.left, r.top);
        b->selected = 0;
        return static_cast<CBitmapObject*>(frame.AppendObject(std::move(b)));
    }
    CRectObject* addRect(LayerRect r)
    {
        auto o = std::make_unique<CRectObject>();
        o->style.style = kRectSolid;
        o->Resize(r);
        o->MoveTo(r.left, r.top);
        o->selected = 0;
        return static_cast<CRectObject*>(frame.AppendObject(std::move(o)));
    }
};

TEST_F(ViewFixture, StartsCentredAtZoomOne)
{
    EXPECT_EQ(view.geometry().zoom, 1);
    EXPECT_EQ(view.geometry().centre(), QPoint(600, 600));
    EXPECT_EQ(view.zoomText("Кадр 1"), "100% Кадр 1");
}

TEST_F(ViewFixture, ZoomToolClicksDoubleUpToEightAndABandFits)
{
    view.setTool(cmd::ToolZoom);
    std::vector<int> zooms;
    for (int i = 0; i < 4; ++i) {
        click({600, 600});
        zooms.push_back(view.geometry().zoom);
    }
    EXPECT_EQ(zooms, (std::vector<int>{2, 4, 8, 8}));
    EXPECT_EQ(view.cursor(), ToolCursor::ZoomLimit);

    view.zoomOne();
    drag({500, 500}, {600, 550});
    EXPECT_EQ(view.geometry().zoom, 6);
    EXPECT_EQ(view.geometry().centre(), QPoint(550, 525));

    click({550, 525}, false, true); // Ctrl halves
    EXPECT_EQ(view.geometry().zoom, 3);
    view.rightPress(at({550, 525}));
    EXPECT_EQ(view.geometry().zoom, 1);
    view.rightPress(at({550, 525}));
    EXPECT_EQ(view.geometry().zoom, 1);
    view.zoomIn();
    view.zoomIn();
    click({550, 525}, true); // Shift: 1:1
    EXPECT_EQ(view.geometry().zoom, 1);
    EXPECT_FALSE(session.doc.modified());
}

TEST_F(ViewFixture, ShiftRectangleIsASquareInTheViewsColours)
{
    session.view.foreground = 0x00112233;
    session.view.background = 0x00445566;
    view.setTool(cmd::ToolRectangle);
    for (QPoint end : {QPoint(50, 20), QPoint(20, 50)}) {
        drag(QPoint(10, 10) + corner(), end + corner(), true);
        const auto* r = static_cast<const CRectObject*>(frame.tail);
        ASSERT_EQ(r->type, kTypeRectangle);
        EXPECT_EQ(rectWidth(r->rect), 40);
        EXPECT_EQ(rectHeight(r->rect), 40);
        EXPECT_EQ(r->rect.left, canvas.left + 10);
        EXPECT_EQ(r->style.fillColour, 0x00445566u);
        EXPECT_EQ(r->style.lineColour, 0x00112233u);
        EXPECT_EQ(r->style.style, 1);
        EXPECT_EQ(frame.CountSelected(), 1);
        EXPECT_TRUE(r->selected);
    }
    EXPECT_EQ(frame.ObjectCount(), 2);
    EXPECT_TRUE(session.doc.modified());
    // A band without width creates nothing.
    drag(QPoint(10, 10) + corner(), QPoint(10, 90) + corner());
    EXPECT_EQ(frame.ObjectCount(), 2);
}

TEST_F(ViewFixture, EllipseToolTakesTheChosenStyleAndRefusesUnknownOnes)
{
    host.ellipseStyles = {4, 9};
    view.setTool(cmd::ToolEllipse);
    EXPECT_EQ(session.view.ellipseStyle, 4);
    view.setTool(cmd::ToolEllipse);
    EXPECT_EQ(session.view.ellipseStyle, 4); // 9 is no style
    session.view.foreground = 0x00336699;
    drag({400, 400}, {430, 420});
    const auto* e = static_cast<const CEllipseObject*>(frame.tail);
    ASSERT_EQ(e->type, kTypeEllipse);
    EXPECT_EQ(e->rect, (LayerRect{400, 400, 430, 420}));
    EXPECT_EQ(e->style, 4);
    EXPECT_EQ(e->colour, 0x00336699u);
}

TEST_F(ViewFixture, BandSelectsLayersWhollyInsideEdgesIncluded)
{
    CRectObject* inside = addRect({400, 400, 450, 450});
    CRectObject* sticksOut = addRect({400, 400, 451, 420});
    CRectObject* elsewhere = addRect({700, 700, 720, 720});
    elsewhere->selected = 1;
    // The band's right edge lies exactly on the layer's: selected; one pixel further out: not.
    drag({399, 399}, {450, 451});
    EXPECT_TRUE(inside->selected);
    EXPECT_FALSE(sticksOut->selected);
    EXPECT_FALSE(elsewhere->selected);
}

TEST_F(ViewFixture, MovesOnlyAfterFourWindowPixels)
{
    CRectObject* r = addRect({500, 500, 540, 540});
    click({520, 520});
    ASSERT_TRUE(r->selected);
    drag({520, 520}, {524, 516});
    EXPECT_EQ(r->rect, (LayerRect{500, 500, 540, 540}));
    EXPECT_FALSE(session.doc.modified());

    view.press(at({520, 520}));
    view.move(at({530, 515}), true);
    EXPECT_EQ(view.feedback(), "dX:+10 dY:-5");
    view.move(at({535, 530}), true);
    EXPECT_EQ(view.feedback(), "dX:+15 dY:+10");
    view.release(at({535, 530}));
    EXPECT_EQ(r->rect, (LayerRect{515, 510, 555, 550}));
    EXPECT_TRUE(session.doc.modified());
    frame.Cancel();
    EXPECT_EQ(r->rect, (LayerRect{500, 500, 540, 540}));
}

TEST_F(ViewFixture, CornerResizeKeepsTheRatioAndUndoRestores)
{
    CRectObject* r = addRect({500, 500, 600, 550});
    click({550, 525});
    ASSERT_TRUE(r->selected);
    // Bottom-right handle lies just outside the corner.
    view.move(at({603, 553}), false);
    ASSERT_EQ(view.hover().handle, 5);
    EXPECT_EQ(view.cursor(), ToolCursor::HandleFalling);
    view.press(at({603, 553}));
    view.move(at({700, 700}), true);
    EXPECT_EQ(view.feedback(), "200 x 100");
    view.release(at({700, 700}));
    EXPECT_EQ(r->rect, (LayerRect{500, 500, 700, 600}));
    EXPECT_TRUE(frame.CanUndo());
    frame.Cancel();
    EXPECT_EQ(r->rect, (LayerRect{500, 500, 600, 550}));
}

TEST_F(ViewFixture, GradientToolMakesTheGradientLayer)
{
    host.gradients.push_back(GradientSettings{});
    session.view.background = 0x00FFFFFF;
    view.setTool(cmd::ToolGradient);
    drag({400, 400}, {410, 500});
    const CLayerObject* g = frame.tail;
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->type, kTypeBitmap);
    EXPECT_EQ(g->height(), 100);
    EXPECT_EQ(g->ownImage.GetPixel(5, 0), 0x000000u);
    EXPECT_EQ(g->ownImage.GetPixel(5, 50), 0x7F7F7Fu);
    EXPECT_EQ(g->ownImage.GetPixel(5, 99), 0xFCFCFCu);
    EXPECT_FALSE(g->hasTransparency);
}

TEST_F(ViewFixture, PickerShowsComponentsAndPicks)
{
    addBitmap({400, 400, 420, 420}, 0x00102030);
    addBitmap({420, 400, 440, 420}, 0xFF405060);
    view.setTool(cmd::ToolPicker);
    view.move(at({405, 405}), false);
    EXPECT_EQ(view.feedback(), "R:16 G:32 B:48 A:255");
    view.move(at({425, 405}), false);
    EXPECT_EQ(view.feedback(), "R:64 G:80 B:96 A:0");
    click({405, 405});
    EXPECT_EQ(session.view.foreground, 0x00102030u);
    click({425, 405}, true);
    EXPECT_EQ(session.view.background, 0xFF405060u);
    EXPECT_EQ(session.view.foreground, 0x00102030u);
}

TEST_F(ViewFixture, PencilRefusesOffLayersAndConvertsOnAgreement)
{
    view.setTool(cmd::ToolPencil);
    ASSERT_EQ(host.questions.size(), 1u); // no bitmap layer: offer one
    EXPECT_EQ(host.questions[0], "Добавить слой к рисунку?");
    EXPECT_TRUE(host.commands.empty());

    click({300, 300});
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& info = host.messages[0];
    EXPECT_TRUE(info.starts_with("\"Карандаш\" работает только на точечных рисунках (bitmap).")) << info;
    EXPECT_TRUE(info.ends_with("\"растянуть/сжать\".  ")) << info;
    EXPECT_FALSE(session.doc.modified());

    auto text = std::make_unique<CTextObject>();
    text->text = "Hi";
    text->Render();
    text->MoveTo(500, 520);
    CLayerObject* label = frame.AppendObject(std::move(text));
    const LayerRect at = label->rect;
    const QPoint inside((at.left + at.right) / 2, (at.top + at.bottom) / 2);

    host.yesNo.push_back(false);
    click(inside);
    EXPECT_EQ(frame.tail->type, kTypeText);
    EXPECT_FALSE(session.doc.modified());

    host.yesNo.push_back(true);
    session.view.foreground = 0x000000FF;
    click(inside);
    ASSERT_EQ(host.questions.size(), 3u);
    EXPECT_EQ(host.questions[2],
              "\"Карандаш\" только для точечных рисунков.    Обратить этот слой в bitmap?");
    ASSERT_EQ(frame.tail->type, kTypeBitmap);
    EXPECT_EQ(frame.tail->rect, at);
    EXPECT_EQ(frame.tail->ownImage.GetPixel(inside.x() - at.left, inside.y() - at.top), 0x000000FFu);
    frame.Cancel();
    EXPECT_EQ(frame.tail->type, kTypeText);
}

TEST_F(ViewFixture, PencilDrawsLinesAndCtrlPicks)
{
    CBitmapObject* b = addBitmap({400, 400, 500, 500}, 0x00FFFFFF);
    view.setTool(cmd::ToolPencil);
    EXPECT_TRUE(host.questions.empty());
    host.brush = 1;
    drag({410, 410}, {450, 410});
    for (int x : {10, 30, 50})
        EXPECT_EQ(b->ownImage.GetPixel(x, 11), 0x000000u) << x;
    EXPECT_EQ(b->ownImage.GetPixel(52, 10), 0xFFFFFFu);
    click({600, 600}, false, true);
    EXPECT_EQ(session.view.foreground, 0x00FFFFFFu);
}

TEST_F(ViewFixture, EraserSquaresAtZoomOneAndFour)
{
    for (const auto& [zoom, erased] : {std::pair{1, 49}, std::pair{4, 1}}) {
        CBitmapObject* b = addBitmap({400, 400, 440, 440}, 0x00FFFFFF);
        view.setTool(cmd::ToolEraser);
        view.setZoom(zoom, {420, 420});
        click({420, 420});
        int count = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                count += b->ownImage.GetPixel(x, y) == 0xFFFFFFFFu;
        EXPECT_EQ(count, erased) << zoom;
        frame.Commit();
        frame.DestroyObject(b);
    }
    // Shift flood-fills with transparency.
    CBitmapObject* b = addBitmap({400, 400, 440, 440}, 0x00ABCDEF);
    click({420, 420}, true);
    EXPECT_EQ(b->ownImage.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(b->ownImage.GetPixel(39, 39), 0xFFFFFFFFu);
}

TEST_F(ViewFixture, EraserCursorFollowsCtrlWhileHovering)
{
    view.setTool(cmd::ToolEraser);
    for (bool ctrl : {true, false, true}) {
        view.move(at({420, 420}, false, ctrl), false);
        EXPECT_EQ(view.cursor(), ctrl ? ToolCursor::EraserLarge : ToolCursor::EraserSmall);
    }
    view.setCtrlHeld(false);
    EXPECT_EQ(view.cursor(), ToolCursor::EraserSmall);
}

TEST_F(ViewFixture, BucketFillsLayersOrSetsFrameColours)
{
    frame.borderWidth = 4;
    session.view.foreground = 0x00123456;
    view.setTool(cmd::ToolBucket);
    click({canvas.left + 1, canvas.top + 1});
    EXPECT_EQ(frame.borderColour, 0x00563412u);
    EXPECT_EQ(frame.backgroundColour, 0xFFFFFFu);
    click({canvas.left + 10, canvas.top + 10});
    EXPECT_EQ(frame.backgroundColour, 0x00563412u);
    EXPECT_TRUE(session.doc.modified());

    CBitmapObject* b = addBitmap({canvas.left + 20, canvas.top + 20, canvas.left + 30, canvas.top + 30}, 0);
    click({canvas.left + 25, canvas.top + 25});
    EXPECT_EQ(b->ownImage.GetPixel(0, 0), 0x00123456u);
    frame.Cancel();
    EXPECT_EQ(b->ownImage.GetPixel(0, 0), 0u);
}

TEST_F(ViewFixture, ArrowKeysMoveTheSelectionAsOneStep)
{
    CRectObject* r = addRect({500, 500, 520, 520});
    r->selected = 1;
    struct Case {
        int key;
        QPoint to;
    };
    for (const Case& c : {Case{Qt::Key_Left, {499, 500}}, Case{Qt::Key_Right, {501, 500}},
                          Case{Qt::Key_Up, {500, 499}}, Case{Qt::Key_Down, {500, 501}}}) {
        EXPECT_TRUE(view.key(c.key));
        EXPECT_EQ(QPoint(r->rect.left, r->rect.top), c.to);
        frame.Cancel();
        EXPECT_EQ(QPoint(r->rect.left, r->rect.top), QPoint(500, 500));
    }
    EXPECT_FALSE(view.key(Qt::Key_A));
}

TEST_F(ViewFixture, ContextPopupsFollowTheSelection)
{
    CRectObject* r = addRect({500, 500, 540, 540});
    auto clone = std::make_unique<CCloneObject>(r);
    clone->MoveTo(700, 700);
    CLayerObject* c = frame.AppendObject(std::move(clone));
    frame.UpdateAllComposites();
    frame.SelectNone();
    c->selected = 1;
    view.rightPress(at({710, 710}));
    view.rightPress(at({300, 300}));
    r->selected = 1;
    c->selected = 0;
    view.rightPress(at({510, 510}));
    c->selected = 1;
    view.rightPress(at({510, 510}));
    EXPECT_EQ(host.popups,
              (std::vector<ContextPopupKind>{ContextPopupKind::Frame, ContextPopupKind::Frame,
                                             ContextPopupKind::Rectangle, ContextPopupKind::Several}));
}

TEST_F(ViewFixture, DoubleClickOpensThePropertyCommandOfTheKind)
{
    addRect({500, 500, 540, 540});
    click({510, 510});
    view.doubleClick(at({510, 510}));
    addBitmap({600, 600, 640, 640}, 0);
    click({610, 610});
    view.doubleClick(at({610, 610}));
    EXPECT_EQ(host.commands, (std::vector<int>{cmd::ShapeStyle, cmd::ImageSize}));
}

TEST_F(ViewFixture, LineToolOffersALayerAndDrawsClampedLines)
{
    host.yesNo.push_back(true);
    host.onCommand = [&](int id) {
        if (id == cmd::AddLayer)
            addBitmap({400, 400, 420, 420}, 0x00FFFFFF);
    };
    view.setTool(cmd::ToolLine);
    EXPECT_EQ(host.commands, std::vector<int>{cmd::AddLayer});
    auto* b = static_cast<CBitmapObject*>(frame.tail);
    drag({405, 410}, {480, 410});
    EXPECT_EQ(b->ownImage.GetPixel(5, 10), 0u);
    EXPECT_EQ(b->ownImage.GetPixel(19, 10), 0u);
    EXPECT_EQ(b->ownImage.GetPixel(4, 10), 0xFFFFFFu);
    click({300, 300});
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ViewFixture, CropStaysInsideTheLayer)
{
    CBitmapObject* b = addBitmap({500, 500, 600, 550}, 0x00FFFFFF);
    view.setTool(cmd::ToolCrop);
    click({300, 300});
    EXPECT_EQ(host.messages.size(), 1u);
    click({550, 520});
    ASSERT_TRUE(b->selected);
    view.move(at({603, 553}), false);
    view.press(at({603, 553}));
    view.move(at({700, 530}), true);
    view.release(at({580, 530}));
    EXPECT_EQ(b->rect, (LayerRect{500, 500, 580, 530}));
    frame.Cancel();
    EXPECT_EQ(b->rect, (LayerRect{500, 500, 600, 550}));
}

TEST_F(ViewFixture, TextToolMakesALayerAndReturnsToSelect)
{
    TextProperties answer;
    answer.text = "Привет";
    answer.smoothing = false;
    answer.outlineWidth = 2;
    answer.font.setFace("DejaVu Serif");
    host.texts.push_back(answer);
    session.view.foreground = 0x00FF0000;
    view.setTool(cmd::ToolText);
    click({500, 500});
    ASSERT_EQ(frame.ObjectCount(), 1);
    const auto* t = static_cast<const CTextObject*>(frame.tail);
    EXPECT_EQ(t->text, "Привет");
    EXPECT_EQ(t->textColour, 0x00FF0000u);
    EXPECT_EQ(t->outlineWidth, 2);
    EXPECT_EQ(t->font.face(), "DejaVu Serif");
    EXPECT_EQ(QPoint(t->rect.left, t->rect.top), QPoint(500, 500));
    EXPECT_EQ(session.view.tool, cmd::ToolSelect);
    EXPECT_EQ(session.view.lastText, "Привет");
    EXPECT_FALSE(session.view.smoothing);
}

TEST_F(ViewFixture, ColourCommandsRecolourTheSelection)
{
    CRectObject* r = addRect({500, 500, 540, 540});
    r->selected = 1;
    host.colours = {0x00AA0000u, 0x0000BB00u};
    view.chooseForeground();
    view.chooseBackground();
    EXPECT_EQ(host.colourCaptions, (std::vector<std::string>{"  Цвет линий     ", " Цвет заливки    "}));
    EXPECT_EQ(r->style.lineColour, 0x00AA0000u);
    EXPECT_EQ(r->style.fillColour, 0x0000BB00u);
    EXPECT_EQ(session.view.foreground, 0x00AA0000u);
    EXPECT_EQ(session.view.background, 0x0000BB00u);
    r->selected = 0;
    view.chooseForeground(); // cancelled
    EXPECT_EQ(host.colourCaptions.back(), " Выбор текущего цвета  ");
    EXPECT_EQ(session.view.foreground, 0x00AA0000u);
}

} // namespace
} // namespace lw
