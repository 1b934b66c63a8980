// The editing dialogs' models: start values, linked fields, the live size label and refusals.
#include "app/editor/editing_dialog_models.h"

#include <gtest/gtest.h>

namespace {

using namespace lw;

TEST(EditingDialogModels, CanvasSizeLabelFollowsTheAmounts)
{
    EdgeAmountsModel model(468, 60);
    EXPECT_EQ(model.sizeLabel(), " Размер:    468 x 60");
    model.left = "10";
    model.right = "-3";
    model.bottom = "abc"; // not yet a number: counts as 0
    EXPECT_EQ(model.sizeLabel(), " Размер:    475 x 60");
    model.top = "-500";
    EXPECT_EQ(model.sizeLabel(), " Размер:    475 x 1");
    const auto refusal = std::get<FieldRefusal>(model.accept());
    EXPECT_EQ(refusal.field, 3);
    EXPECT_EQ(refusal.message, "Введите целое число от -1200 до 1200.");
    model.bottom = "2";
    const auto amounts = std::get<EdgeAmounts>(model.accept());
    EXPECT_EQ(amounts.left, 10);
    EXPECT_EQ(amounts.top, -500);
    EXPECT_EQ(amounts.bottom, 2);
}

TEST(EditingDialogModels, CanvasSettingsPresetsAndRange)
{
    CanvasSettingsModel model(468, 60);
    model.choosePreset(0);
    EXPECT_EQ(model.width, "468");
    model.choosePreset(4);
    EXPECT_EQ(model.width, "120");
    EXPECT_EQ(model.height, "600");
    model.choosePreset(99);
    EXPECT_EQ(model.width, "120");
    for (const char* bad : {"0", "1201", "", "12a"}) {
        model.height = bad;
        const auto refusal = std::get<FieldRefusal>(model.accept());
        EXPECT_EQ(refusal.field, 1) << bad;
        EXPECT_EQ(refusal.message, "Введите целое число от 1 до 1200.");
    }
    model.height = "1200";
    EXPECT_EQ(std::get<CanvasSize>(model.accept()), (CanvasSize{120, 1200}));
}

TEST(EditingDialogModels, ImageSizeKeepsProportionsWhileSet)
{
    ImageSizeModel model(300, 200);
    model.typeWidth("100");
    EXPECT_EQ(model.height, "66");
    model.typeHeight("50");
    EXPECT_EQ(model.width, "75");
    model.keepProportions = false;
    model.typeWidth("10");
    EXPECT_EQ(model.height, "50");
}

TEST(EditingDialogModels, StartValuesAndRanges)
{
    EXPECT_EQ(FrameDelayModel(1).seconds, "0.01");
    EXPECT_EQ(FrameDelayModel(150).seconds, "1.5");
    EXPECT_EQ(delaySecondsText(100), "1");

    LoopCountModel loops(0);
    EXPECT_TRUE(loops.forever);
    loops.count = "99999"; // ignored while "Постоянно" is chosen
    EXPECT_EQ(std::get<int>(loops.accept()), 0);
    loops.forever = false;
    EXPECT_EQ(std::get<FieldRefusal>(loops.accept()).message, "Введите целое число от 0 до 65535.");
    loops.count = "65535";
    EXPECT_EQ(std::get<int>(loops.accept()), 65535);

    MasterFramesModel master;
    const auto answer = std::get<MasterFramesAnswer>(master.accept());
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(answer.delayHundredths, 100);
    master.seconds = "-1";
    EXPECT_EQ(std::get<FieldRefusal>(master.accept()).field, 1);

    DuplicateModel duplicate({10, 10, 1});
    duplicate.count = "0";
    EXPECT_EQ(std::get<FieldRefusal>(duplicate.accept()).field, 2);

    AlignModel align({HorizontalAlign::Left, VerticalAlign::None, false, 3}, true);
    EXPECT_TRUE(align.toFrame);
    align.toFrame = false; // forced: stays on
    const auto settings = std::get<AlignSettings>(align.accept());
    EXPECT_TRUE(settings.toFrame);
    EXPECT_EQ(settings.horizontal, HorizontalAlign::Left);
    EXPECT_EQ(settings.margin, 3);
}

} // namespace
