// The question dialogs' models: what they show on opening, what OK returns, and which values a
// field refuses with which message.
#include "app/editor/filter_settings_model.h"
#include "app/editor/filter_values_model.h"
#include "app/editor/frame_border_model.h"
#include "app/editor/gif_import_model.h"
#include "app/editor/metafile_raster_model.h"
#include "app/editor/number_question_model.h"
#include "app/editor/rotation_model.h"
#include "app/editor/shadow_model.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

template <class Answer, class Variant> const Answer* answerOf(const Variant& v)
{
    return std::get_if<Answer>(&v);
}

template <class Variant> std::optional<FieldRefusal> refusalOf(const Variant& v)
{
    if (const auto* refusal = std::get_if<FieldRefusal>(&v))
        return *refusal;
    return std::nullopt;
}

TEST(NumberField, ParsesWholeNumbersStrictly)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0},
        {"-100", -100},
        {"+7", 7},
        {" 42 ", 42},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"4a", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", -2147483647 - 1},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseWholeNumber(QString::fromUtf8(text)), value) << text;
    EXPECT_EQ(parseDecimal(u"45,5"), 45.5);
    EXPECT_EQ(parseDecimal(u"-0.25"), -0.25);
    EXPECT_EQ(parseDecimal(u"abc"), std::nullopt);
    EXPECT_EQ(parseDecimal(u"inf"), std::nullopt);
}

TEST(FilterValuesModel, RefusesOutOfRangeWithTheRangeMessage)
{
    const FilterValuesQuestion question{
        "Фильтр",
        "Параметры",
        {{"Яркость    (-100,100):", 0, -100, 100, ""}, {"Контраст (-100,100):", 0, -100, 100, ""}}};
    struct Case {
        const char* brightness;
        const char* contrast;
        std::optional<std::vector<int>> values;
        int refusedField;
    };
    const Case cases[] = {
        {"0", "0", std::vector<int>{0, 0}, -1}, {"-100", "100", std::vector<int>{-100, 100}, -1},
        {"101", "0", std::nullopt, 0},          {"0", "-101", std::nullopt, 1},
        {"abc", "0", std::nullopt, 0},          {"", "5", std::nullopt, 0},
        {"5", "5x", std::nullopt, 1},
    };
    for (const Case& c : cases) {
        FilterValuesModel model(question);
        EXPECT_EQ(model.text(0), "0");
        model.setText(0, QString::fromUtf8(c.brightness));
        model.setText(1, QString::fromUtf8(c.contrast));
        const auto result = model.accept();
        if (c.values) {
            ASSERT_NE(answerOf<std::vector<int>>(result), nullptr) << c.brightness << " " << c.contrast;
            EXPECT_EQ(*answerOf<std::vector<int>>(result), *c.values);
        } else {
            const auto refusal = refusalOf(result);
            ASSERT_TRUE(refusal) << c.brightness << " " << c.contrast;
            EXPECT_EQ(refusal->field, c.refusedField);
            EXPECT_EQ(refusal->message, QString::fromUtf8("Введите целое число от -100 до 100."));
        }
    }
}

TEST(NumberQuestionModel, RangeFromTheQuestion)
{
    NumberQuestionModel model(NumberQuestion{"Число", "Сколько:", 7, 1, 32});
    EXPECT_EQ(model.text(), "7");
    EXPECT_EQ(std::get<int>(model.accept()), 7);
    model.setText("33");
    EXPECT_EQ(refusalOf(model.accept())->message, QString::fromUtf8("Введите целое число от 1 до 32."));
    model.setText("32");
    EXPECT_EQ(std::get<int>(model.accept()), 32);
}

TEST(ShadowModel, DefaultsLimitsAndCheckBox)
{
    ShadowModel model(ShadowQuestion{"Тень / Размытость", 2, 100, 5, false});
    EXPECT_EQ(model.text(ShadowModel::Distance), "2");
    EXPECT_EQ(model.text(ShadowModel::Radius), "5");
    model.setUseBackgroundColour(true);
    const auto result = model.accept();
    const auto* answer = answerOf<ShadowAnswer>(result);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(std::tuple(answer->distance, answer->intensity, answer->radius, answer->useBackgroundColour),
              std::tuple(2, 100, 5, true));
    const std::tuple<ShadowModel::Field, const char*, const char*> refused[] = {
        {ShadowModel::Distance, "-1", "Введите целое число от 0 до 1200."},
        {ShadowModel::Intensity, "101", "Введите целое число от 0 до 100."},
        {ShadowModel::Radius, "101", "Введите целое число от 0 до 100."},
    };
    for (const auto& [field, text, message] : refused) {
        ShadowModel m(ShadowQuestion{"", 0, 100, 5, false});
        m.setText(field, QString::fromUtf8(text));
        const auto refusal = refusalOf(m.accept());
        ASSERT_TRUE(refusal) << text;
        EXPECT_EQ(refusal->field, field);
        EXPECT_EQ(refusal->message, QString::fromUtf8(message));
    }
}

TEST(RotationModel, AngleRangeAndChoices)
{
    const std::tuple<const char*, std::optional<double>> cases[] = {
        {"0", 0.0},          {"45,5", 45.5},        {"-359.9", -359.9},
        {"359.9", 359.9},    {"360", std::nullopt}, {"-359.95", std::nullopt},
        {"x", std::nullopt},
    };
    for (const auto& [text, degrees] : cases) {
        RotationModel model(RotationQuestion{"Поворот", 0, false, true});
        EXPECT_EQ(model.text(), "0");
        model.setText(QString::fromUtf8(text));
        model.setCounterClockwise(true);
        const auto result = model.accept();
        if (degrees) {
            const auto* answer = answerOf<RotationAnswer>(result);
            ASSERT_NE(answer, nullptr) << text;
            EXPECT_EQ(answer->degrees, *degrees);
            EXPECT_TRUE(answer->counterClockwise);
            EXPECT_TRUE(answer->smooth);
        } else {
            EXPECT_EQ(refusalOf(result)->message, QString::fromUtf8("Введите число от -359.9 до 359.9."))
                << text;
        }
    }
}

TEST(MetafileRasterModel, FieldsLinkedByTheOpeningRatio)
{
    MetafileRasterModel model(MetafileRasterQuestion{400, 200, true});
    model.typeWidth("300");
    EXPECT_EQ(model.heightText(), "150");
    model.typeHeight("55");
    EXPECT_EQ(model.widthText(), "110");
    model.typeWidth("11"); // 5.5 truncates
    EXPECT_EQ(model.heightText(), "5");
    model.typeWidth("1x"); // not a number: the height stays
    EXPECT_EQ(model.heightText(), "5");
    model.typeWidth("1201");
    auto refusal = refusalOf(model.accept());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, MetafileRasterModel::Width);
    EXPECT_EQ(refusal->message, QString::fromUtf8("Введите целое число от 1 до 1200."));
    model.typeWidth("1"); // height 0 is refused
    refusal = refusalOf(model.accept());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, MetafileRasterModel::Height);
    model.typeHeight("600");
    model.setRememberForAll(false);
    const auto result = model.accept();
    const auto* answer = answerOf<MetafileRasterAnswer>(result);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(std::tuple(answer->width, answer->height, answer->rememberForAll),
              std::tuple(1200, 600, false));
    // A question without a height links one to one instead of dividing by zero.
    MetafileRasterModel flat(MetafileRasterQuestion{30, 0, true});
    flat.typeWidth("40");
    EXPECT_EQ(flat.heightText(), "40");
}

TEST(SmallModels, FrameBorderSettingsAndGifImport)
{
    const QStringList entries = FrameBorderModel::widthEntries();
    ASSERT_EQ(entries.size(), 11);
    EXPECT_EQ(entries.front(), QString::fromUtf8("нет"));
    EXPECT_EQ(entries[1], "1 px");
    EXPECT_EQ(entries.back(), "10 px");
    FrameBorderModel border(FrameBorderQuestion{"Окантовка кадра", "Цвет рамки кадра  ", 14, 0xFF123456});
    EXPECT_EQ(border.width(), 10);
    EXPECT_EQ(border.colour(), 0x00123456u);
    border.setWidth(3);
    border.setColour(0x80ABCDEF);
    EXPECT_EQ(border.accept().width, 3);
    EXPECT_EQ(border.accept().colour, 0x00ABCDEFu);

    FilterSettingsModel settings(
        FilterSettingsQuestion{"Настройки фильтра", "Light", {"a", "b", "c"}, 7, true});
    EXPECT_EQ(settings.choice(), 2);
    settings.setChoice(-1);
    settings.setReverse(false);
    EXPECT_EQ(settings.accept().choice, 0);
    EXPECT_FALSE(settings.accept().reverse);

    GifImportModel gif(GifImportQuestion{12, 3456});
    EXPECT_EQ(gif.framesText(), QString::fromUtf8("Кадров: 12"));
    EXPECT_EQ(gif.sizeText(), QString::fromUtf8("Размер:    3456  байт"));
    EXPECT_TRUE(gif.allFrames());
    EXPECT_EQ(gif.mode(), GifImportMode::Full);
    gif.setMode(GifImportMode::Optimised);
    gif.setAllFrames(false);
    EXPECT_FALSE(gif.modeEnabled());
    EXPECT_FALSE(gif.accept().allFrames);
    EXPECT_EQ(gif.accept().mode, GifImportMode::Optimised);
}

} // namespace
} // namespace lw
