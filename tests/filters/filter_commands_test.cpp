#include "filters/filter_application.h"
#include "filters/filter_command_texts.h"
#include "filters/filter_commands.h"
#include "filters/scripted_ui_port.h"
#include "filters/transparency_filters.h"
#include "model/animation.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/rect_object.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

namespace {

std::uint32_t at(const CRaster& r, int x, int y)
{
    return r.bits()[r.indexOf(x, y)];
}

CRaster filled(int w, int h, std::uint32_t colour)
{
    CRaster r(w, h);
    r.FillRect(colour);
    return r;
}

CBitmapObject* addBitmap(CFrame& frame, int x, int y, CRaster pixels, bool selected = true)
{
    auto layer = std::make_unique<CBitmapObject>();
    layer->TakePixels(std::move(pixels));
    layer->MoveTo(x, y);
    layer->selected = selected ? 1 : 0;
    return static_cast<CBitmapObject*>(frame.AppendObject(std::move(layer)));
}

struct Fixture {
    CAnimation animation;
    ScriptedUiPort ui;
    CFrame& frame = *animation.firstFrame;
    FilterEnvironment env{frame, ui, 0x00000000, 0x00FFFFFF};
};

} // namespace

TEST(FilterTarget, FirstSelectedFromTheBottomAndBitmapOnlyRule)
{
    Fixture f;
    EXPECT_EQ(filterTarget(f.frame), nullptr);
    EXPECT_FALSE(runFilter(FilterCommand::BrightnessContrast, f.env));
    EXPECT_TRUE(f.ui.filterValuesQuestions().empty()) << "no target, no question";

    auto rect = std::make_unique<CRectObject>();
    rect->Resize({400, 580, 404, 582});
    rect->selected = 1;
    CLayerObject* shape = f.frame.AppendObject(std::move(rect));
    CBitmapObject* above = addBitmap(f.frame, 410, 580, filled(2, 2, 0x00102030));
    EXPECT_EQ(filterTarget(f.frame), shape);
    EXPECT_EQ(bitmapFilterTarget(f.frame), nullptr);

    // Bitmap-only filters leave a shape alone and ask nothing.
    EXPECT_FALSE(runFilter(FilterCommand::Saturation, f.env));
    EXPECT_FALSE(runFilter(FilterCommand::Greyscale, f.env));
    EXPECT_TRUE(f.ui.filterValuesQuestions().empty());
    EXPECT_EQ(at(above->ownImage, 0, 0), 0x00102030u);

    // Filters for any layer turn the shape into a bitmap layer.
    ASSERT_TRUE(runFilter(FilterCommand::InvertAlpha, f.env));
    CLayerObject* replaced = f.frame.ObjectAt(0);
    EXPECT_EQ(replaced->type, kTypeBitmap);
    EXPECT_EQ(f.frame.ObjectAt(1), above);
}

TEST(FilterInPlace, ChangesPixelsKeepsTheLayerAndUndoRestores)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, rasterFromRows(2, 1, {0x00FF0000, 0x00000000}));
    // A half-transparent layer above shows what lies beneath in its composite.
    CBitmapObject* over = addBitmap(f.frame, 400, 580, filled(1, 1, 0x80FFFFFF), false);
    over->hasTransparency = 1;
    f.frame.UpdateAllComposites();
    const std::uint32_t before = at(over->composite, 0, 0);

    ASSERT_TRUE(runFilter(FilterCommand::InvertColours, f.env));
    EXPECT_EQ(f.frame.ObjectAt(0), layer);
    EXPECT_EQ(topDownPixels(layer->ownImage), (std::vector<std::uint32_t>{0x0000FFFF, 0x00FFFFFF}));
    EXPECT_TRUE(layer->IsEditing());
    EXPECT_NE(at(over->composite, 0, 0), before) << "composites above are refreshed";

    f.frame.Cancel();
    EXPECT_EQ(topDownPixels(layer->ownImage), (std::vector<std::uint32_t>{0x00FF0000, 0x00000000}));
}

TEST(FilterInPlace, DropsThePixelsKeptForResizing)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, filled(4, 4, 0x00FF0000));
    layer->Resize({400, 580, 402, 582});
    ASSERT_TRUE(layer->HasUnscaledPixels());
    ASSERT_TRUE(runFilter(FilterCommand::Greyscale, f.env));
    EXPECT_FALSE(layer->HasUnscaledPixels());
    layer->Resize({400, 580, 404, 584});
    EXPECT_EQ(at(layer->ownImage, 3, 3), 0x004C4C4Cu) << "a later resize keeps the filter";
}

TEST(FilterReplacing, NewCentredLayerClonesFollowAndUndoRestores)
{
    Fixture f;
    CFrame* second = f.animation.AppendFrame();
    CBitmapObject* target = addBitmap(f.frame, 100, 100, filled(4, 2, 0x00404040));
    CLayerObject* clone = second->AppendObject(std::make_unique<CCloneObject>(target));
    ASSERT_EQ(clone->CloneSource(), target);
    target->hasTransparency = 0;

    f.ui.queueFilterValues(std::vector<int>{10, 0});
    ASSERT_TRUE(runFilter(FilterCommand::BrightnessContrast, f.env));
    CLayerObject* fresh = f.frame.ObjectAt(0);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->type, kTypeBitmap);
    EXPECT_EQ(fresh->hasTransparency, 1);
    EXPECT_EQ(fresh->selected, 1);
    EXPECT_EQ(fresh->rect, (LayerRect{100, 100, 104, 102}));
    EXPECT_EQ(at(fresh->ownImage, 0, 0), 0x004A4A4Au);
    EXPECT_EQ(clone->CloneSource(), fresh) << "clones on other frames follow the new layer";
    EXPECT_TRUE(f.frame.CanUndo());

    f.frame.Cancel();
    CLayerObject* restored = f.frame.ObjectAt(0);
    ASSERT_NE(restored, nullptr);
    EXPECT_NE(restored, fresh);
    EXPECT_EQ(at(restored->ownImage, 0, 0), 0x00404040u);
    EXPECT_EQ(clone->CloneSource(), restored) << "undo gives the clones back to the old layer";
    EXPECT_EQ(f.frame.ObjectCount(), 1);
}

TEST(FilterReplacing, TurnCentresTheNewSizeAndKeepsTheTransparencyFlag)
{
    Fixture f;
    CBitmapObject* target = addBitmap(f.frame, 100, 100, rasterFromRows(4, 2, {1, 2, 3, 4, 5, 6, 7, 8}));
    target->hasTransparency = 0;
    ASSERT_TRUE(runFilter(FilterCommand::Turn90Clockwise, f.env));
    CLayerObject* turned = f.frame.ObjectAt(0);
    // Old centre (102, 101): left = 102 − 2 / 2, top = 101 − 4 / 2.
    EXPECT_EQ(turned->rect, (LayerRect{101, 99, 103, 103}));
    EXPECT_EQ(turned->hasTransparency, 0);
    EXPECT_EQ(topDownPixels(turned->ownImage), (std::vector<std::uint32_t>{5, 1, 6, 2, 7, 3, 8, 4}));
    ASSERT_TRUE(runFilter(FilterCommand::Turn90CounterClockwise, f.env));
    CLayerObject* back = f.frame.ObjectAt(0);
    EXPECT_EQ(back->rect, (LayerRect{100, 100, 104, 102}));
    EXPECT_EQ(topDownPixels(back->ownImage), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(FilterQuestions, DialogTextsDefaultsAndCancel)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, filled(2, 2, 0x00808080));

    f.ui.queueFilterValues(std::nullopt);
    EXPECT_FALSE(runFilter(FilterCommand::BrightnessContrast, f.env));
    EXPECT_EQ(f.frame.ObjectAt(0), layer) << "Cancel changes nothing";
    ASSERT_EQ(f.ui.filterValuesQuestions().size(), 1u);
    const FilterValuesQuestion& q = f.ui.filterValuesQuestions()[0];
    EXPECT_EQ(q.title, "Фильтр");
    EXPECT_EQ(q.group, "Параметры");
    ASSERT_EQ(q.fields.size(), 2u);
    EXPECT_EQ(q.fields[0].label, "Яркость    (-100,100):");
    EXPECT_EQ(q.fields[1].label, "Контраст (-100,100):");

    // Values outside the printed range are taken as they are.
    f.ui.queueFilterValues(std::vector<int>{400});
    ASSERT_TRUE(runFilter(FilterCommand::Saturation, f.env));
    EXPECT_EQ(f.ui.filterValuesQuestions().back().fields[0].label, "Saturation (-100,100):");

    f.ui.clear();
    f.ui.queueButton(MsgResult::Cancel);
    EXPECT_FALSE(runFilter(FilterCommand::TwoColour, f.env));
    ASSERT_EQ(f.ui.messages().size(), 1u);
    EXPECT_EQ(f.ui.messages()[0].icon, MsgIcon::Question);
    EXPECT_EQ(f.ui.messages()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(f.ui.messages()[0].caption, "");
    EXPECT_EQ(f.ui.messages()[0].text.rfind("Эта команда преобразует выбранный рисунок в монохромный", 0),
              0u);

    f.ui.clear();
    f.ui.queueFilterValues(std::vector<int>{5});
    ASSERT_TRUE(runFilter(FilterCommand::GaussianBlur, f.env));
    EXPECT_EQ(f.ui.filterValuesQuestions()[0].title, "Размытость");
    EXPECT_EQ(f.ui.filterValuesQuestions()[0].fields[0].label, "Расстояние:");
    EXPECT_EQ(f.frame.ObjectAt(0)->width(), 13);
}

TEST(FilterQuestions, ColorizeRemembersTheChosenColour)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, filled(1, 1, 0x00646464));
    f.ui.queueButton(MsgResult::Ok);
    f.ui.queueColour(0x00C86400);
    ASSERT_TRUE(runFilter(FilterCommand::Colorize, f.env));
    EXPECT_EQ(at(layer->ownImage, 0, 0), 0x009C4E00u);
    EXPECT_EQ(f.ui.colourQuestions()[0].caption, "Colorize Image");
    EXPECT_EQ(f.env.colorizeColour, 0x00C86400u);

    f.ui.queueButton(MsgResult::Ok);
    f.ui.queueColour(std::nullopt);
    EXPECT_FALSE(runFilter(FilterCommand::Colorize, f.env));
    EXPECT_EQ(f.ui.colourQuestions()[1].colour, 0x00C86400u) << "starts at the previous choice";
    EXPECT_EQ(at(layer->ownImage, 0, 0), 0x009C4E00u);
}

TEST(WhiteToTransparentCommand, AsksAndReportsWhenNoWhiteIsFound)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, rasterFromRows(2, 1, {0x00FFFFFF, 0x00FEFFFF}));
    layer->hasTransparency = 0;
    f.ui.queueButton(MsgResult::No);
    EXPECT_FALSE(runFilter(FilterCommand::WhiteToTransparent, f.env));
    EXPECT_EQ(at(layer->ownImage, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(f.ui.messages()[0].caption, "Убрать");
    EXPECT_EQ(f.ui.messages()[0].buttons, MsgButtons::YesNo);

    f.ui.clear();
    ASSERT_TRUE(runFilter(FilterCommand::WhiteToTransparent, f.env));
    EXPECT_EQ(topDownPixels(layer->ownImage), (std::vector<std::uint32_t>{0xFFFFFFFF, 0x00FEFFFF}));
    EXPECT_EQ(layer->hasTransparency, 1);
    EXPECT_EQ(f.ui.messages().size(), 1u);

    f.ui.clear();
    EXPECT_FALSE(runFilter(FilterCommand::WhiteToTransparent, f.env));
    ASSERT_EQ(f.ui.messages().size(), 2u);
    EXPECT_EQ(f.ui.messages()[1].text, "Белый цвет не найден .");
    EXPECT_EQ(f.ui.messages()[1].caption, "Убрать");
}

TEST(ExtractAlphaCommand, AddsAnOffsetLayerAndSelectsNothing)
{
    Fixture f;
    CBitmapObject* target =
        addBitmap(f.frame, 100, 100, rasterFromRows(3, 1, {0x00112233, 0xFF112233, 0x80112233}));
    ASSERT_TRUE(runFilter(FilterCommand::ExtractAlpha, f.env));
    ASSERT_EQ(f.frame.ObjectCount(), 2);
    EXPECT_EQ(f.frame.ObjectAt(0), target);
    CLayerObject* alpha = f.frame.ObjectAt(1);
    // Centred on (101, 100): left = 101 − 1 + 10, top = 100 − 0 + 10.
    EXPECT_EQ(alpha->rect, (LayerRect{110, 110, 113, 111}));
    EXPECT_EQ(topDownPixels(alpha->ownImage),
              (std::vector<std::uint32_t>{0x00000000, 0x00FFFFFF, 0x00808080}));
    EXPECT_EQ(f.frame.CountSelected(), 0);
    EXPECT_EQ(at(target->ownImage, 1, 0), 0xFF112233u);
    f.frame.Cancel();
    EXPECT_EQ(f.frame.ObjectCount(), 1);
}

TEST(ClipboardPictureCommands, InsertAlphaAndTakeColours)
{
    Fixture f;
    CBitmapObject* layer = addBitmap(f.frame, 400, 580, filled(2, 2, 0x00102030));
    layer->hasTransparency = 0;
    EXPECT_TRUE(canUseClipboardPicture(f.frame, true));
    EXPECT_FALSE(canUseClipboardPicture(f.frame, false));
    EXPECT_FALSE(insertAlphaFromPicture(f.env, nullptr));

    const CRaster picture = rasterFromRows(1, 1, {0x00FFFFFF});
    ASSERT_TRUE(insertAlphaFromPicture(f.env, &picture));
    EXPECT_EQ(topDownPixels(layer->ownImage), (std::vector<std::uint32_t>{0xFF102030, 0x00102030, //
                                                                          0x00102030, 0x00102030}));
    EXPECT_EQ(layer->hasTransparency, 1);
    const CRaster colour = rasterFromRows(1, 1, {0x00ABCDEF});
    ASSERT_TRUE(takeColoursFromPicture(f.env, &colour));
    EXPECT_EQ(at(layer->ownImage, 0, 0), 0xFFABCDEFu);

    addBitmap(f.frame, 0, 0, filled(1, 1, 0), true);
    EXPECT_FALSE(canUseClipboardPicture(f.frame, true)) << "two layers selected";
}

TEST(ShadowCommands, GlowIsWhiteUnlessTheBackgroundColourIsAsked)
{
    Fixture f;
    addBitmap(f.frame, 100, 100, filled(10, 10, 0x00000000));
    f.env.background = 0x00123456;
    ASSERT_TRUE(runFilter(FilterCommand::Glow, f.env));
    EXPECT_EQ(f.ui.shadowQuestions()[0].distance, 0);
    EXPECT_EQ(f.ui.shadowQuestions()[0].radius, 5);
    CLayerObject* glow = f.frame.ObjectAt(0);
    EXPECT_EQ(glow->width(), 21);
    EXPECT_EQ(glow->rect, (LayerRect{95, 95, 116, 116}));
    EXPECT_EQ(at(glow->ownImage, 4, 10) & 0xFFFFFF, 0xFFFFFFu);

    f.ui.queueShadow(ShadowAnswer{10, 100, 0, true});
    ASSERT_TRUE(runFilter(FilterCommand::DropShadow, f.env));
    CLayerObject* shadow = f.frame.ObjectAt(0);
    EXPECT_EQ(shadow->width(), 32);
    // Radius 0: the glow layer's outline unblurred, 10 pixels down and right, in the background
    // colour: (24, 24) shows the square's corner (14, 14) beyond the glow's own extent.
    EXPECT_EQ(at(shadow->ownImage, 24, 24), 0x00123456u);
    EXPECT_EQ(at(shadow->ownImage, 31, 31) >> 24, 255u);
}

TEST(RotateCommand, ConvertsTheAngleAndCentresTheResult)
{
    Fixture f;
    EXPECT_DOUBLE_EQ(rotationRadians(90, false), 90 * 0.01745329251988889);
    EXPECT_DOUBLE_EQ(rotationRadians(90, true), -90 * 0.01745329251988889);
    CBitmapObject* target = addBitmap(f.frame, 100, 100, filled(4, 2, 0x00000000));
    target->hasTransparency = 0;

    EXPECT_FALSE(rotateLayer(f.env)) << "angle 0 does nothing";
    EXPECT_EQ(f.frame.ObjectAt(0), target);
    EXPECT_EQ(f.ui.rotationQuestions()[0].title, "Поворот");
    EXPECT_TRUE(f.ui.rotationQuestions()[0].smooth);

    f.ui.queueRotation(RotationAnswer{90, false, false});
    ASSERT_TRUE(rotateLayer(f.env));
    CLayerObject* turned = f.frame.ObjectAt(0);
    EXPECT_EQ(turned->width(), 3);
    EXPECT_EQ(turned->height(), 5);
    // Old centre (102, 101): left = 102 − 1, top = 101 − 2.
    EXPECT_EQ(turned->rect, (LayerRect{101, 99, 104, 104}));
    EXPECT_EQ(turned->hasTransparency, 1);
    EXPECT_EQ(at(turned->ownImage, 1, 4), 0xFFFFFFFFu) << "outside the source: transparent white";
}

TEST(FrameBorder, SwapsToTheFrameColourOrderAndRendersTheBorder)
{
    Fixture f;
    ASSERT_TRUE(canSetFrameBorder(f.frame));
    f.ui.queueFrameBorder(FrameBorderAnswer{2, 0x80FF0000});
    ASSERT_TRUE(askFrameBorder(f.env));
    EXPECT_EQ(f.ui.frameBorderQuestions()[0].title, "Окантовка кадра");
    EXPECT_EQ(f.ui.frameBorderQuestions()[0].colourCaption, "Цвет рамки кадра  ");
    EXPECT_EQ(f.frame.borderWidth, 2);
    EXPECT_EQ(f.frame.borderColour, 0x000000FFu) << "red as 0x00BBGGRR, transparency cleared";
    EXPECT_EQ(at(f.frame.image, 1, 1), 0x00FF0000u);
    EXPECT_EQ(at(f.frame.image, 2, 2), 0x00FFFFFFu);

    CFrame* other = f.animation.AppendFrame();
    other->SetBackgroundFrame(&f.frame);
    EXPECT_FALSE(canSetFrameBorder(*other));
}

TEST(FilterApplication, ALayerOfAnotherFrameIsLeftAlone)
{
    Fixture f;
    CFrame* other = f.animation.AppendFrame();
    CBitmapObject* stranger = addBitmap(*other, 0, 0, filled(2, 2, 0x00102030));
    EXPECT_EQ(applyReplacingSameSize(f.frame, *stranger, invertAlpha), nullptr);
    EXPECT_FALSE(applyInPlace(f.frame, *stranger, [](CRaster&) { return true; }));
    EXPECT_EQ(other->ObjectAt(0), stranger);
    EXPECT_FALSE(f.frame.CanUndo());
}
