// The New Animation Wizard's pages, buttons and refusals, the size read from a picture header,
// and Quick Animation's sorted list, all without a window.
#include "app/editor/image_dimensions.h"
#include "app/editor/new_animation_wizard_model.h"
#include "app/editor/quick_animation_model.h"
#include "filters/scripted_ui_port.h"

#include "support/picture_builders.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

using P = WizardPage;
constexpr WizardButtons kNextOnly{false, true, false}, kBackNext{true, true, false},
    kBackOnly{true, false, false}, kBackFinish{true, false, true};

TEST(NewAnimationWizardModelTest, PagesButtonsAndBackOnBothPaths)
{
    struct Step {
        char action; // n: next, b: back, p: add a picture, f: finish accepted
        P page;
        WizardButtons buttons;
    };
    const std::vector<Step> blank = {{'n', P::Size, kNextOnly},    {'n', P::Frames, kBackNext},
                                     {'n', P::Delay, kBackNext},   {'b', P::Frames, kBackNext},
                                     {'b', P::Size, kBackNext},    {'n', P::Frames, kBackNext},
                                     {'n', P::Delay, kBackNext},   {'n', P::Finish, kBackFinish},
                                     {'b', P::Delay, kBackFinish}, {'f', P::Delay, kBackFinish}};
    const std::vector<Step> slideshow = {{'n', P::Pictures, kBackOnly}, {'n', P::Pictures, kBackOnly},
                                         {'p', P::Pictures, kBackNext}, {'n', P::Delay, kBackNext},
                                         {'b', P::Pictures, kBackNext}, {'n', P::Delay, kBackNext},
                                         {'n', P::Finish, kBackFinish}, {'b', P::Delay, kBackFinish},
                                         {'b', P::Pictures, kBackNext}, {'b', P::Source, kNextOnly}};
    for (const auto source : {WizardSource::Blank, WizardSource::Slideshow}) {
        NewAnimationWizardModel model;
        EXPECT_EQ(model.page(), P::Source);
        EXPECT_EQ(model.buttons(), kNextOnly);
        model.source = source;
        int step = 0;
        for (const Step& s : source == WizardSource::Blank ? blank : slideshow) {
            if (s.action == 'n')
                EXPECT_FALSE(model.next());
            else if (s.action == 'f')
                EXPECT_FALSE(model.finish());
            else if (s.action == 'b')
                model.back();
            else
                model.addPictures({"/p/b.gif", "/p/a.gif"});
            EXPECT_EQ(model.page(), s.page) << step;
            EXPECT_EQ(model.buttons(), s.buttons) << step;
            ++step;
        }
    }
}

TEST(NewAnimationWizardModelTest, FieldsOutOfRangeKeepThePage)
{
    struct Case {
        QString NewAnimationWizardModel::*field;
        QString text;
        P page;
        int refusedField;
        const char* message;
    };
    const Case cases[] = {
        {&NewAnimationWizardModel::width, "1001", P::Size, kWidthField, "Введите целое число от 1 до 1000."},
        {&NewAnimationWizardModel::height, "0", P::Size, kHeightField, "Введите целое число от 1 до 1000."},
        {&NewAnimationWizardModel::count, "201", P::Frames, kCountField, "Введите целое число от 1 до 200."},
        {&NewAnimationWizardModel::delay, "655.5", P::Delay, kDelayField, "Введите число от 0.01 до 655."},
        {&NewAnimationWizardModel::delay, "x", P::Delay, kDelayField, "Введите число от 0.01 до 655."},
        {&NewAnimationWizardModel::scale, "101", P::Pictures, kScaleField,
         "Введите целое число от 1 до 100."},
    };
    for (const Case& c : cases) {
        NewAnimationWizardModel model;
        model.source = c.page == P::Pictures ? WizardSource::Slideshow : WizardSource::Blank;
        model.addPictures({"/p/a.gif"});
        while (model.page() != c.page)
            ASSERT_FALSE(model.next());
        model.*c.field = c.text;
        EXPECT_TRUE(model.finish()); // no Finish button before the last page
        const auto refusal = model.next();
        ASSERT_TRUE(refusal) << c.text.toStdString();
        EXPECT_EQ(refusal->field, c.refusedField);
        EXPECT_EQ(refusal->message.toStdString(), c.message);
        EXPECT_EQ(model.page(), c.page);
    }
}

TEST(ImageDimensionsTest, HeadersGiveSizesOrTheirMessages)
{
    using lwtest::Bytes;
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0xD4, 0x01, 0x3C, 0x00, 0, 0, 0};
    Bytes info40;
    for (std::uint32_t v : {40u, 0x12345u, static_cast<std::uint32_t>(-60), 0x00180001u})
        lwtest::put32(info40, v);
    info40.resize(40);
    Bytes core12;
    lwtest::put32(core12, 12);
    lwtest::put32(core12, 0x00100010);
    lwtest::put32(core12, 0x00180001);
    Bytes notBm = lwtest::bmpFile(info40);
    notBm[0] = 'X';
    const char* notWindows =
        "File is not Windows Bitmap. Save BMP file in Windows bitmap format and try again.";
    struct Case {
        const char* name;
        Bytes bytes;
        std::optional<std::pair<int, int>> size;
        const char* message; // null: none
    };
    const Case cases[] = {
        {"banner.GIF", gif, std::pair{468, 60}, nullptr},
        {"short.gif", Bytes(gif.begin(), gif.begin() + 8), std::nullopt, nullptr},
        {"png.gif", {0x89, 'P', 'N', 'G', 0, 0, 0, 0, 0, 0}, std::nullopt, "No GIF Format"},
        {"wide.bmp", lwtest::bmpFile(info40), std::pair{0x2345, 60}, nullptr},
        {"core.bmp", lwtest::bmpFile(core12), std::nullopt, notWindows},
        {"fake.bmp", notBm, std::nullopt, "File is NOT Bitmap file"},
        {"other.jpg", gif, std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        const std::string path = lwtest::testTempFolder("dimensions") + "/" + c.name;
        lwtest::writeBytes(path, c.bytes);
        ScriptedUiPort ui;
        const auto size = readImageDimensions(path, ui);
        EXPECT_EQ(size.has_value(), c.size.has_value()) << c.name;
        if (size && c.size) {
            EXPECT_EQ(std::pair(size->width, size->height), *c.size) << c.name;
        }
        ASSERT_EQ(ui.messages().size(), c.message ? 1u : 0u) << c.name;
        if (c.message) {
            EXPECT_EQ(ui.messages()[0].text, c.message);
            const bool bmp = std::string(c.name).ends_with(".bmp");
            EXPECT_EQ(ui.messages()[0].caption, bmp ? "Error loading BMP file" : "");
            EXPECT_EQ(ui.messages()[0].icon, bmp ? MsgIcon::Error : MsgIcon::None);
        }
    }
    ScriptedUiPort ui;
    EXPECT_FALSE(readImageDimensions("/nonexistent/x.gif", ui));
}

TEST(QuickAnimationModelTest, SortedWhileSortIsSetThenAppended)
{
    QuickAnimationModel model;
    EXPECT_FALSE(model.canAccept());
    model.addPictures({"/p/b.gif", "/q/a.gif", "/p/c.jpg"});
    model.sort = false;
    model.addPictures({"/p/A0.gif"});
    model.sort = true;
    model.addPictures({"/p/B1.gif"});
    EXPECT_TRUE(model.canAccept());
    std::vector<QString> names;
    for (const auto& item : model.items())
        names.push_back(item.name);
    EXPECT_EQ(names, (std::vector<QString>{"a.gif", "b.gif", "B1.gif", "c.jpg", "A0.gif"}));
    model.delay = "0.29";
    EXPECT_FALSE(model.check());
    const PictureAnimationRequest request = model.request();
    EXPECT_EQ(request.paths,
              (std::vector<std::string>{"/q/a.gif", "/p/b.gif", "/p/B1.gif", "/p/c.jpg", "/p/A0.gif"}));
    EXPECT_EQ(request.delay, 29);
    EXPECT_EQ(request.scale, 100);
    EXPECT_FALSE(request.colour);
    for (const char* bad : {"650.01", "0.001", ""}) {
        model.delay = bad;
        const auto refusal = model.check();
        ASSERT_TRUE(refusal) << bad;
        EXPECT_EQ(refusal->message.toStdString(), "Введите число от 0.01 до 650.");
    }
}

} // namespace
} // namespace lw
