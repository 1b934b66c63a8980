// The text, font, shape-style and symbol commands on a session, answered by scripted questions:
// what they change, that one undo gives the layer back, and that Cancel changes nothing.
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/property_commands.h"
#include "app/editor/symbol_grid.h"
#include "filters/scripted_ui_port.h"
#include "model/bitmap_object.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <gtest/gtest.h>

namespace {

using namespace lw;

struct PropertyCommandsTest : ::testing::Test {
    DocumentSession session;
    ScriptedUiPort ui;
    ScriptedPropertyQuestions questions;
    std::vector<int> commands;
    PropertyContext context{session, ui, questions, [this](int id) { commands.push_back(id); }};

    CFrame& frame() { return session.currentFrame(); }
    template <class Kind> Kind* add(std::unique_ptr<Kind> layer, LayerRect at)
    {
        layer->Resize(at);
        layer->MoveTo(at.left, at.top);
        auto* added = static_cast<Kind*>(frame().AppendObject(std::move(layer)));
        added->selected = 1;
        return added;
    }
    CTextObject* addLabel(const std::string& text)
    {
        auto label = std::make_unique<CTextObject>();
        label->text = text;
        label->font = session.doc.textFont;
        label->Render();
        label->MoveTo(300, 300);
        auto* added = static_cast<CTextObject*>(frame().AppendObject(std::move(label)));
        added->selected = 1;
        return added;
    }
    std::vector<std::uint32_t> pixels()
    {
        return {frame().tail->ownImage.pixels().begin(), frame().tail->ownImage.pixels().end()};
    }
};

TEST_F(PropertyCommandsTest, TextAndFontChangeTheLabelInOneUndoStep)
{
    addLabel("One");
    const auto before = pixels();
    questions.text = [](const TextProperties& start) {
        EXPECT_EQ(start.text, "One");
        TextProperties p = start;
        p.text = "Two\nlines";
        p.alignment = 2;
        p.outlineWidth = 3;
        p.smoothing = false;
        p.font.setFace("DejaVu Serif");
        return std::optional(p);
    };
    runPropertyCommand(cmd::EditText, context);
    auto* label = static_cast<CTextObject*>(frame().tail);
    EXPECT_EQ(std::tuple(label->text, label->alignment, label->outlineWidth, label->antialiased),
              std::tuple(std::string("Two\nlines"), 2, std::int16_t{3}, std::uint16_t{0}));
    EXPECT_EQ(session.doc.textFont.face(), "DejaVu Serif");
    EXPECT_TRUE(session.doc.modified());
    frame().Cancel();
    label = static_cast<CTextObject*>(frame().tail);
    EXPECT_EQ(std::tuple(label->text, label->alignment, label->outlineWidth),
              std::tuple(std::string("One"), 0, std::int16_t{0}));
    EXPECT_EQ(pixels(), before);

    LogFont big = session.doc.textFont;
    big.height = -60;
    questions.font = [&](const LogFont&) { return std::optional(big); };
    const int height = label->height();
    runPropertyCommand(cmd::ChooseFont, context);
    EXPECT_EQ(label->font, big);
    EXPECT_GT(label->height(), height);
    EXPECT_EQ(session.doc.textFont, big);

    // An empty answer and Cancel leave the label.
    questions.text = [](const TextProperties&) { return std::optional(TextProperties{}); };
    runPropertyCommand(cmd::EditText, context);
    questions.font = nullptr;
    runPropertyCommand(cmd::ChooseFont, context);
    EXPECT_EQ(label->text, "One");
    EXPECT_EQ(label->font, big);
}

TEST_F(PropertyCommandsTest, ShapeStyleAppliesToTheSelectedKindAndUndoes)
{
    questions.rectangleStyle = [](const RectangleStyle& s) {
        EXPECT_EQ(s, (RectangleStyle{kRectSolid, 2, 1}));
        return std::optional(RectangleStyle{kRectVertical, 3, 2});
    };
    questions.ellipseStyle = [](int s) {
        return std::optional(s == kEllipseAntialiased ? kEllipseThickOutline : s);
    };
    questions.bitmapShape = [](const BitmapShape& s) {
        EXPECT_EQ(s.transparentColour, 0x00FFFFFFu) << "the top-left pixel";
        EXPECT_EQ(s.stencilColour, 0x00123456u) << "the foreground colour";
        return std::optional(s);
    };
    session.view.foreground = 0x00123456;
    const std::vector<std::function<CLayerObject*()>> kinds{
        [&] {
            auto r = std::make_unique<CRectObject>();
            r->style.style = kRectSolid;
            return add(std::move(r), {100, 100, 140, 130});
        },
        [&] {
            return add(std::make_unique<CEllipseObject>(), {100, 100, 140, 130});
        },
        [&] {
            CRaster p(20, 10);
            p.FillRect(0x00FFFFFF);
            p.Lock();
            p.SetPixel(5, 5, 0x00000000);
            p.Unlock();
            auto b = std::make_unique<CBitmapObject>();
            b->TakePixels(std::move(p));
            return add(std::move(b), {100, 100, 120, 110});
        },
    };
    for (const auto& make : kinds) {
        frame().DeleteSelected();
        frame().Commit();
        const CLayerObject* layer = make();
        const auto before = pixels();
        runPropertyCommand(cmd::ShapeStyle, context);
        EXPECT_NE(pixels(), before) << layer->type;
        frame().Cancel();
        EXPECT_EQ(pixels(), before) << layer->type;
    }
    // The bitmap's white became transparent, its black dot stayed.
    runPropertyCommand(cmd::ShapeStyle, context);
    const CRaster& shaped = frame().tail->ownImage;
    EXPECT_EQ(std::pair(shaped.GetPixel(0, 0), shaped.GetPixel(5, 5)), std::pair(0xFFFFFFFFu, 0x00000000u));
}

TEST_F(PropertyCommandsTest, SymbolCellMakesACentredTextLayerSelectedAlone)
{
    EXPECT_EQ(std::tuple(symbolCodeAt(0, 0), symbolCodeAt(15, 13), symbolCodeAtPoint({60, 30}, {28, 28})),
              std::tuple(33, 256, 51));
    add(std::make_unique<CEllipseObject>(), {0, 0, 10, 10});
    session.view.foreground = 0x00336699;
    questions.symbol = [](const SymbolQuestion& q) {
        EXPECT_EQ(q.face, preferredSymbolFamily(q.families));
        return std::optional(SymbolChoice{"Standard Symbols PS", 0xC0, true});
    };
    questions.symbolImport = SymbolImport::ToBitmap;
    runPropertyCommand(cmd::InsertSymbol, context);
    ASSERT_EQ(frame().ObjectCount(), 2);
    ASSERT_EQ(frame().CountSelected(), 1);
    const auto* label = static_cast<const CTextObject*>(frame().NthSelected(0));
    ASSERT_EQ(label, frame().tail);
    EXPECT_EQ(label->text, "А"); // byte 0xC0 of the documents' code page
    EXPECT_EQ(std::tuple(label->font.face(), label->font.height, label->font.weight, label->font.charSet,
                         label->font.outPrecision, label->antialiased, label->textColour),
              std::tuple(std::string("Standard Symbols PS"), 100, 400, std::uint8_t{1}, std::uint8_t{4},
                         std::uint16_t{1}, 0x00336699u));
    const LayerRect canvas = frame().canvasRectOrEmpty();
    EXPECT_EQ((label->rect.left + label->rect.right) / 2, (canvas.left + canvas.right) / 2);
    EXPECT_EQ((label->rect.top + label->rect.bottom) / 2, (canvas.top + canvas.bottom) / 2);
    EXPECT_EQ(commands, std::vector<int>{cmd::ConvertToBitmap});
    EXPECT_TRUE(session.doc.modified());

    // The empty last cell and the byte the code page leaves unassigned insert nothing.
    for (int code : {256, 0x98}) {
        questions.symbol = [code](const SymbolQuestion&) {
            return std::optional(SymbolChoice{"Serif", code, false});
        };
        runPropertyCommand(cmd::InsertSymbol, context);
    }
    EXPECT_EQ(frame().ObjectCount(), 2);
    EXPECT_EQ(commands.size(), 1u);
}

} // namespace
