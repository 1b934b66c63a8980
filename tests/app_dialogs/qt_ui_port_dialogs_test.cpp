// The editor's prompts open the question dialogs: each question reaches its dialog with its texts
// and values, OK brings back what was filled in, Cancel brings back nothing. The last test runs a
// filter command from the core through the prompt and its dialog.
#include "app/widgets/colour_dialog.h"
#include "app/widgets/filter_settings_dialog.h"
#include "app/widgets/filter_values_dialog.h"
#include "app/widgets/frame_border_dialog.h"
#include "app/widgets/gif_import_dialog.h"
#include "app/widgets/metafile_raster_dialog.h"
#include "app/widgets/number_question_dialog.h"
#include "app/widgets/qt_ui_port.h"
#include "app/widgets/rotation_dialog.h"
#include "app/widgets/shadow_dialog.h"
#include "filters/filter_commands.h"
#include "model/animation.h"
#include "model/bitmap_object.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace lw {
namespace {

// Once the port's dialog is up: check it is a `Dialog`, fill it, then OK or Cancel. A dialog of
// another kind is cancelled so that the test fails instead of hanging.
template <class Dialog> void whenShown(std::function<void(Dialog&)> fill, bool ok = true, int tries = 200)
{
    QTimer::singleShot(10, [fill, ok, tries] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown) {
            if (tries > 0)
                whenShown<Dialog>(fill, ok, tries - 1);
            return;
        }
        auto* dialog = dynamic_cast<Dialog*>(shown);
        EXPECT_NE(dialog, nullptr) << shown->metaObject()->className();
        if (!dialog) {
            static_cast<QDialog*>(shown)->reject();
            return;
        }
        fill(*dialog);
        ok ? dialog->accept() : dialog->reject();
    });
}

void setText(QDialog& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

TEST(QtUiPortDialogs, EachQuestionOpensItsDialog)
{
    QtUiPort port;

    whenShown<ColourDialog>([](ColourDialog& d) { EXPECT_EQ(d.windowTitle(), "Colorize Image"); });
    EXPECT_EQ(port.askColour(ColourQuestion{"Colorize Image", 0x80FF0000, true}), 0x80FF0000u);

    whenShown<FilterValuesDialog>([](FilterValuesDialog& d) { setText(d, "field1", "-40"); });
    EXPECT_EQ(port.askFilterValues(FilterValuesQuestion{
                  "Фильтр", "Параметры", {{"a", 0, -100, 100, ""}, {"b", 0, -100, 100, ""}}}),
              (std::vector<int>{0, -40}));

    whenShown<FilterSettingsDialog>([](FilterSettingsDialog& d) {
        d.findChild<QComboBox*>("choices")->setCurrentIndex(2);
        d.findChild<QCheckBox*>("reverse")->setChecked(true);
    });
    const auto settings = port.askFilterSettings(
        FilterSettingsQuestion{"Настройки фильтра", "Light", {"a", "b", "c"}, 0, false});
    ASSERT_TRUE(settings);
    EXPECT_EQ(std::pair(settings->choice, settings->reverse), std::pair(2, true));

    whenShown<ShadowDialog>([](ShadowDialog& d) { setText(d, "field0", "9"); });
    const auto shadow = port.askShadow(ShadowQuestion{"Тень / Размытость", 0, 100, 5, false});
    ASSERT_TRUE(shadow);
    EXPECT_EQ(std::tuple(shadow->distance, shadow->intensity, shadow->radius), std::tuple(9, 100, 5));

    whenShown<FrameBorderDialog>(
        [](FrameBorderDialog& d) { d.findChild<QComboBox*>("width")->setCurrentIndex(4); });
    const auto border = port.askFrameBorder(FrameBorderQuestion{"Окантовка кадра", "Цвет", 1, 0x00FF0000});
    ASSERT_TRUE(border);
    EXPECT_EQ(std::pair(border->width, border->colour), std::pair(4, 0x00FF0000u));

    whenShown<RotationDialog>([](RotationDialog& d) { setText(d, "angle", "30"); }, false);
    EXPECT_FALSE(port.askRotation(RotationQuestion{"Поворот", 0, false, true}));

    whenShown<MetafileRasterDialog>([](MetafileRasterDialog&) {});
    const auto raster = port.askMetafileRaster(MetafileRasterQuestion{320, 240, true});
    ASSERT_TRUE(raster);
    EXPECT_EQ(std::tuple(raster->width, raster->height, raster->rememberForAll), std::tuple(320, 240, true));

    whenShown<GifImportDialog>(
        [](GifImportDialog& d) { d.findChild<QCheckBox*>("allFrames")->setChecked(false); });
    const auto gif = port.askGifImport(GifImportQuestion{3, 999});
    ASSERT_TRUE(gif);
    EXPECT_FALSE(gif->allFrames);

    whenShown<NumberQuestionDialog>([](NumberQuestionDialog& d) { setText(d, "field0", "8"); });
    EXPECT_EQ(port.askNumber(NumberQuestion{"Число", "Сколько:", 3, 1, 9}), 8);
}

TEST(QtUiPortDialogs, BrightnessThroughTheRealDialog)
{
    CAnimation animation;
    CFrame& frame = *animation.firstFrame;
    auto layer = std::make_unique<CBitmapObject>();
    CRaster pixels(3, 2);
    pixels.FillRect(0x00102030);
    layer->TakePixels(std::move(pixels));
    layer->MoveTo(500, 500);
    layer->selected = 1;
    frame.AppendObject(std::move(layer));
    QtUiPort port;
    FilterEnvironment env{frame, port};

    whenShown<FilterValuesDialog>([](FilterValuesDialog& d) { setText(d, "field0", "50"); });
    ASSERT_TRUE(runFilter(FilterCommand::BrightnessContrast, env));
    const CLayerObject* result = frame.ObjectAt(0);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->ownImage.bits()[0], 0x00425262u); // every channel + 50

    whenShown<FilterValuesDialog>([](FilterValuesDialog& d) { setText(d, "field1", "100"); }, false);
    EXPECT_FALSE(runFilter(FilterCommand::BrightnessContrast, env));
    EXPECT_EQ(frame.ObjectAt(0)->ownImage.bits()[0], 0x00425262u);
}

} // namespace
} // namespace lw
