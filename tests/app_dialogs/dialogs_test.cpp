// The dialogs built non-modal: filled through their controls as a user would, accepted, and the
// answer checked. Refused values keep the dialog open with the range message.
#include "app/widgets/align_dialog.h"
#include "app/widgets/bitmap_shape_dialog.h"
#include "app/widgets/canvas_settings_dialog.h"
#include "app/widgets/clone_frames_dialog.h"
#include "app/widgets/colour_component_field.h"
#include "app/widgets/colour_dialog.h"
#include "app/widgets/duplicate_dialog.h"
#include "app/widgets/edge_amounts_dialog.h"
#include "app/widgets/filter_settings_dialog.h"
#include "app/widgets/filter_values_dialog.h"
#include "app/widgets/frame_border_dialog.h"
#include "app/widgets/frame_delay_dialog.h"
#include "app/widgets/gif_import_dialog.h"
#include "app/widgets/hex_colour_dialog.h"
#include "app/widgets/image_size_dialog.h"
#include "app/widgets/loop_count_dialog.h"
#include "app/widgets/master_frames_dialog.h"
#include "app/widgets/metafile_raster_dialog.h"
#include "app/widgets/move_to_dialog.h"
#include "app/widgets/number_question_dialog.h"
#include "app/widgets/rotation_dialog.h"
#include "app/widgets/shadow_dialog.h"
#include "app/widgets/symbol_import_dialog.h"
#include "app/widgets/text_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace lw {
namespace {

class DialogTest : public ::testing::Test {
protected:
    // Refusals of this dialog land in `refusals` instead of a message box.
    template <class Dialog> void captured(Dialog& dialog)
    {
        dialog.setRefusalReporter([this](QWidget*, const QString& message) { refusals.push_back(message); });
    }

    template <class T> static T* child(QWidget& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void type(QWidget* edit, const QString& text)
    {
        auto* line = qobject_cast<QLineEdit*>(edit);
        if (!line)
            line = edit->findChild<QLineEdit*>();
        line->selectAll();
        QTest::keyClicks(line, text);
    }

    std::vector<QString> refusals;
};

TEST_F(DialogTest, ColourDialogShowsHalfTransparentRedAndReturnsIt)
{
    ColourDialog dialog(0x80FF0000, QString::fromUtf8("Цвет"), true);
    dialog.show();
    EXPECT_EQ(child<QSlider>(dialog, "redSlider")->value(), 255);
    EXPECT_EQ(child<ColourComponentField>(dialog, "redField")->text(), "255");
    EXPECT_EQ(child<ColourComponentField>(dialog, "greenField")->text(), "0");
    EXPECT_EQ(child<QSlider>(dialog, "opacitySlider")->value(), 50);
    EXPECT_EQ(child<ColourComponentField>(dialog, "opacityField")->text(), "50");
    EXPECT_EQ(child<QPushButton>(dialog, "hex")->text(), "#FF0000");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.colour(), 0x80FF0000u);
}

TEST_F(DialogTest, ColourDialogControlsReachTheModel)
{
    ColourDialog dialog(0x00808080, QString(), true);
    dialog.show();
    type(child<ColourComponentField>(dialog, "redField"), "300");
    EXPECT_EQ(child<QSlider>(dialog, "redSlider")->value(), 44);
    EXPECT_EQ(dialog.colour(), 0x002C8080u);

    QTest::mouseClick(child<QWidget>(dialog, "disk"), Qt::LeftButton, {}, QPoint(100, 0));
    EXPECT_EQ(dialog.model().hsv(), (Hsv{90, 100, 50}));
    EXPECT_EQ(dialog.colour(), 0x00407F00u);
    EXPECT_EQ(child<QSlider>(dialog, "greenSlider")->value(), 0x7F);

    QTest::mouseClick(child<QWidget>(dialog, "strip"), Qt::LeftButton, {}, QPoint(10, 0));
    EXPECT_EQ(dialog.model().hsv().value, 100);

    child<QSlider>(dialog, "opacitySlider")->setValue(50);
    EXPECT_EQ(dialog.colour() >> 24, 128u);

    dialog.askHex = [](QWidget*, const QString& digits) -> std::optional<QString> {
        EXPECT_EQ(digits.size(), 6);
        return QStringLiteral("00ff80");
    };
    child<QPushButton>(dialog, "hex")->click();
    EXPECT_EQ(dialog.colour(), 0x0000FF80u);
    EXPECT_EQ(child<QPushButton>(dialog, "hex")->text(), "#00FF80");

    auto* named = child<QComboBox>(dialog, "named");
    ASSERT_EQ(named->count(), 14);
    EXPECT_EQ(named->itemText(5), "Transparent");
    named->setCurrentIndex(12);
    Q_EMIT named->activated(12);
    EXPECT_EQ(dialog.colour(), 0x00FF8000u); // "Orange"
    EXPECT_EQ(child<ColourComponentField>(dialog, "greenField")->text(), "128");
    child<QSlider>(dialog, "blueSlider")->setValue(1);
    EXPECT_EQ(named->currentIndex(), -1); // no longer the named colour
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(DialogTest, DiskDragOutsideAndHexEntry)
{
    ColourDialog dialog(0xC0FFFFFF, QString(), true);
    dialog.show();
    QWidget* disk = child<QWidget>(dialog, "disk");
    QTest::mousePress(disk, Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(dialog.model().hsv().saturation, 51);
    QTest::mouseMove(disk, QPoint(100, 250)); // dragged past the rim, below the centre
    QTest::mouseRelease(disk, Qt::LeftButton, {}, QPoint(100, 250));
    EXPECT_EQ(dialog.model().hsv(), (Hsv{270, 100, 100}));
    EXPECT_EQ(dialog.colour(), 0xC07F00FFu); // transparency kept

    HexColourDialog hex(QStringLiteral("7F00FF"));
    captured(hex);
    hex.show();
    auto* digits = child<QLineEdit>(hex, "digits");
    type(digits, "zz"); // not hexadecimal: the keys are refused
    EXPECT_EQ(digits->text(), "7F00FF");
    digits->selectAll();
    QTest::keyClick(digits, Qt::Key_Backspace);
    hex.accept();
    EXPECT_TRUE(hex.isVisible()); // nothing to read: stays open, without a message
    EXPECT_TRUE(refusals.empty());
    type(child<QLineEdit>(hex, "digits"), "abc");
    hex.accept();
    EXPECT_EQ(hex.result(), QDialog::Accepted);
    EXPECT_EQ(hex.digits(), "abc");
}

TEST_F(DialogTest, ColourDialogWithoutTransparencyDisablesOpacity)
{
    ColourDialog dialog(0x00336699, QString::fromUtf8("Цвет рамки кадра  "), false);
    dialog.show();
    EXPECT_FALSE(child<QSlider>(dialog, "opacitySlider")->isEnabled());
    EXPECT_FALSE(child<ColourComponentField>(dialog, "opacityField")->isEnabled());
    auto* named = child<QComboBox>(dialog, "named");
    EXPECT_EQ(named->count(), 13);
    EXPECT_EQ(named->findText("Transparent"), -1);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Цвет рамки кадра  "));
}

TEST_F(DialogTest, FilterValuesRefuseOutOfRangeAndStayOpen)
{
    const FilterValuesQuestion question{
        "Фильтр",
        "Параметры",
        {{"Яркость    (-100,100):", 0, -100, 100, ""}, {"Контраст (-100,100):", 0, -100, 100, ""}}};
    FilterValuesDialog dialog(question);
    captured(dialog);
    dialog.show();
    type(child<QLineEdit>(dialog, "field0"), "20");
    type(child<QLineEdit>(dialog, "field1"), "150");
    dialog.accept();
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0], QString::fromUtf8("Введите целое число от -100 до 100."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.answer());
    EXPECT_TRUE(child<QLineEdit>(dialog, "field1")->hasSelectedText());
    type(child<QLineEdit>(dialog, "field1"), "-30");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.answer(), (std::vector<int>{20, -30}));
}

TEST_F(DialogTest, MetafileFieldsFollowEachOther)
{
    MetafileRasterDialog dialog(MetafileRasterQuestion{400, 200, true});
    captured(dialog);
    dialog.show();
    type(child<QLineEdit>(dialog, "width"), "300");
    EXPECT_EQ(child<QLineEdit>(dialog, "height")->text(), "150");
    type(child<QLineEdit>(dialog, "height"), "2000");
    dialog.accept();
    ASSERT_EQ(refusals.size(), 1u); // the width 4000 is refused first
    EXPECT_EQ(refusals[0], QString::fromUtf8("Введите целое число от 1 до 1200."));
    type(child<QLineEdit>(dialog, "height"), "500");
    child<QCheckBox>(dialog, "remember")->setChecked(false);
    dialog.accept();
    ASSERT_TRUE(dialog.answer());
    EXPECT_EQ(std::tuple(dialog.answer()->width, dialog.answer()->height, dialog.answer()->rememberForAll),
              std::tuple(1000, 500, false));
}

TEST_F(DialogTest, FrameBorderTakesWidthAndOpaqueColour)
{
    FrameBorderDialog dialog(FrameBorderQuestion{"Окантовка кадра", "Цвет рамки кадра  ", 2, 0x000000FF});
    dialog.show();
    auto* width = child<QComboBox>(dialog, "width");
    EXPECT_EQ(width->count(), 11);
    EXPECT_EQ(width->currentIndex(), 2);
    QString caption;
    dialog.askColour = [&](QWidget*, std::uint32_t colour,
                           const QString& title) -> std::optional<std::uint32_t> {
        EXPECT_EQ(colour, 0x000000FFu);
        caption = title;
        return 0x80123456;
    };
    child<QPushButton>(dialog, "chooseColour")->click();
    EXPECT_EQ(caption, QString::fromUtf8("Цвет рамки кадра  "));
    width->setCurrentIndex(0);
    dialog.accept();
    ASSERT_TRUE(dialog.answer());
    EXPECT_EQ(dialog.answer()->width, 0);
    EXPECT_EQ(dialog.answer()->colour, 0x00123456u);
}

TEST_F(DialogTest, SmallDialogsReturnWhatIsSet)
{
    ShadowDialog shadow(ShadowQuestion{"Тень / Размытость", 2, 100, 5, false});
    type(child<QLineEdit>(shadow, "field2"), "7");
    child<QCheckBox>(shadow, "background")->setChecked(true);
    shadow.accept();
    ASSERT_TRUE(shadow.answer());
    EXPECT_EQ(
        std::tuple(shadow.answer()->distance, shadow.answer()->radius, shadow.answer()->useBackgroundColour),
        std::tuple(2, 7, true));

    RotationDialog rotation(RotationQuestion{"Поворот", 0, false, true});
    captured(rotation);
    type(child<QLineEdit>(rotation, "angle"), "400");
    rotation.accept();
    EXPECT_FALSE(rotation.answer());
    type(child<QLineEdit>(rotation, "angle"), "12,5");
    child<QRadioButton>(rotation, "counterClockwise")->setChecked(true);
    child<QCheckBox>(rotation, "smooth")->setChecked(false);
    rotation.accept();
    ASSERT_TRUE(rotation.answer());
    EXPECT_EQ(std::tuple(rotation.answer()->degrees, rotation.answer()->counterClockwise,
                         rotation.answer()->smooth),
              std::tuple(12.5, true, false));

    GifImportDialog gif(GifImportQuestion{5, 1234});
    child<QRadioButton>(gif, "optimised")->setChecked(true);
    child<QCheckBox>(gif, "allFrames")->setChecked(false);
    EXPECT_FALSE(child<QRadioButton>(gif, "optimised")->isEnabled());
    gif.accept();
    ASSERT_TRUE(gif.answer());
    EXPECT_FALSE(gif.answer()->allFrames);

    FilterSettingsDialog settings(
        FilterSettingsQuestion{"Настройки фильтра", "Тип градиента", {"Линией", "Вокруг"}, 0, false});
    child<QComboBox>(settings, "choices")->setCurrentIndex(1);
    child<QCheckBox>(settings, "reverse")->setChecked(true);
    settings.accept();
    ASSERT_TRUE(settings.answer());
    EXPECT_EQ(settings.answer()->choice, 1);
    EXPECT_TRUE(settings.answer()->reverse);

    NumberQuestionDialog number(NumberQuestion{"Число", "Сколько:", 3, 1, 9});
    number.reject();
    EXPECT_FALSE(number.answer());
    EXPECT_EQ(refusals.size(), 1u);
}

using NamedDialogs = std::vector<std::pair<const char*, std::unique_ptr<QDialog>>>;

// Every dialog lays its texts out in full. With LW_DIALOG_SCREENSHOTS set to a folder, each is
// also saved there as a picture for a look by eye (run under a real display server for that).
void expectTextsUncut(NamedDialogs& dialogs)
{
    const QString folder = qEnvironmentVariable("LW_DIALOG_SCREENSHOTS");
    for (auto& [name, dialog] : dialogs) {
        dialog->show();
        QCoreApplication::processEvents();
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                continue;
            EXPECT_GE(w->width(), w->sizeHint().width()) << name << " " << w->metaObject()->className();
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
        }
        EXPECT_GE(dialog->width(), dialog->minimumSizeHint().width()) << name;
        if (!folder.isEmpty())
            dialog->grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
    }
}

TEST_F(DialogTest, EveryQuestionDialogShowsItsTextsUncut)
{
    NamedDialogs dialogs;
    dialogs.emplace_back(
        "colour", std::make_unique<ColourDialog>(0x80FF8000, QString::fromUtf8("Colorize Image"), true));
    dialogs.emplace_back("colour_opaque", std::make_unique<ColourDialog>(
                                              0x00336699, QString::fromUtf8("Цвет рамки кадра  "), false));
    dialogs.emplace_back("hex", std::make_unique<HexColourDialog>(QStringLiteral("FF8000")));
    dialogs.emplace_back("filter_values", std::make_unique<FilterValuesDialog>(FilterValuesQuestion{
                                              "Фильтр",
                                              "Параметры",
                                              {{"Яркость    (-100,100):", 0, -100, 100, ""},
                                               {"Контраст (-100,100):", 0, -100, 100, ""}}}));
    dialogs.emplace_back("blur", std::make_unique<FilterValuesDialog>(FilterValuesQuestion{
                                     "Размытость", "", {{"Расстояние:", 5, 0, 100, "пикс."}}}));
    dialogs.emplace_back("reduce", std::make_unique<FilterValuesDialog>(FilterValuesQuestion{
                                       "Уменьшение цветов", "", {{"Максимум цветов:", 256, 2, 256, ""}}}));
    dialogs.emplace_back(
        "settings",
        std::make_unique<FilterSettingsDialog>(FilterSettingsQuestion{
            "Настройки фильтра", "Light", {"Свет + Тень ", "Один свет ", "Только тень"}, 0, false}));
    dialogs.emplace_back(
        "shadow", std::make_unique<ShadowDialog>(ShadowQuestion{"Тень / Размытость", 2, 100, 5, false}));
    dialogs.emplace_back("frame_border", std::make_unique<FrameBorderDialog>(FrameBorderQuestion{
                                             "Окантовка кадра", "Цвет рамки кадра  ", 1, 0x00FF0000}));
    dialogs.emplace_back("rotation",
                         std::make_unique<RotationDialog>(RotationQuestion{"Поворот", 0, false, true}));
    dialogs.emplace_back("metafile",
                         std::make_unique<MetafileRasterDialog>(MetafileRasterQuestion{640, 480, true}));
    dialogs.emplace_back("gif_import", std::make_unique<GifImportDialog>(GifImportQuestion{24, 123456}));
    dialogs.emplace_back(
        "number", std::make_unique<NumberQuestionDialog>(NumberQuestion{"Число", "Сколько раз:", 3, 1, 9}));
    expectTextsUncut(dialogs);
}

TEST_F(DialogTest, EveryEditingDialogShowsItsTextsUncut)
{
    CRaster pixels(40, 30);
    NamedDialogs dialogs;
    dialogs.emplace_back("master_frames", std::make_unique<MasterFramesDialog>());
    dialogs.emplace_back("frame_delay", std::make_unique<FrameDelayDialog>(150));
    dialogs.emplace_back("loop_count", std::make_unique<LoopCountDialog>(0));
    dialogs.emplace_back("canvas_settings", std::make_unique<CanvasSettingsDialog>(CanvasSize{468, 60}));
    dialogs.emplace_back("edge_amounts", std::make_unique<EdgeAmountsDialog>(CanvasSize{468, 60}));
    dialogs.emplace_back("image_size", std::make_unique<ImageSizeDialog>(CanvasSize{120, 90}));
    dialogs.emplace_back("align", std::make_unique<AlignDialog>(AlignSettings{}, true));
    dialogs.emplace_back("move_to", std::make_unique<MoveToDialog>(MoveToAnswer{}));
    dialogs.emplace_back("duplicate", std::make_unique<DuplicateDialog>(DuplicateSettings{}));
    dialogs.emplace_back("clone_frames",
                         std::make_unique<CloneFramesDialog>(std::vector<CloneFrameItem>{
                             {"Кадр  1", true}, {"Кадр  2", false}, {"Мастер       (3)", false}}));
    TextProperties text;
    text.text = "SPRING\nCOLLECTION";
    dialogs.emplace_back("text", std::make_unique<TextDialog>(text));
    dialogs.emplace_back("symbol_import", std::make_unique<SymbolImportDialog>());
    dialogs.emplace_back("bitmap_shape", std::make_unique<BitmapShapeDialog>(pixels, BitmapShape{}));
    expectTextsUncut(dialogs);
}

} // namespace
} // namespace lw
