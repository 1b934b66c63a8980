// The GIF save settings dialog: its preselections reach the controls, the controls reach the
// answer, the preview button reports through the tools, and Cancel through the port answers nothing.
#include "app/widgets/gif_save_dialog.h"
#include "app/widgets/qt_ui_port.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace lw {
namespace {

template <class T> T* child(QWidget& dialog, const char* name)
{
    auto* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(GifSaveDialog, PreselectionsFor256And3Colours)
{
    GifSaveDialog many(GifSaveQuestion{256, true, 0}, {});
    EXPECT_TRUE(child<QRadioButton>(many, "reduce")->isChecked());
    EXPECT_EQ(child<QComboBox>(many, "counts")->currentText(), "128");
    EXPECT_TRUE(child<QComboBox>(many, "counts")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(many, "preview")->isEnabled()); // no tools: nothing to build

    GifSaveDialog few(GifSaveQuestion{3, true, 0}, {});
    auto* full = child<QRadioButton>(few, "fullPalette");
    EXPECT_TRUE(full->isChecked());
    EXPECT_EQ(full->text(), QString::fromUtf8("Вся палитра   (3 цветов)"));
    EXPECT_FALSE(child<QRadioButton>(few, "reduce")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(few, "counts")->isEnabled());
    few.accept();
    ASSERT_TRUE(few.answer());
    EXPECT_EQ(few.answer()->colourCount, 3);
    EXPECT_TRUE(few.answer()->optimise);
}

TEST(GifSaveDialog, ControlsReachTheAnswerAndThePreview)
{
    GifSaveAnswer previewed;
    GifSaveTools tools;
    tools.preview = [&previewed](const GifSaveAnswer& answer) {
        previewed = answer;
        return gifSizeReport(answer.optimise, 4321);
    };
    tools.pickColour = [](const GifSaveAnswer&) { return std::optional<std::uint32_t>(0x0000FF00u); };
    GifSaveDialog dialog(GifSaveQuestion{100, true, 0x00FFFFFF}, tools);
    child<QRadioButton>(dialog, "reduce")->setChecked(true);
    child<QComboBox>(dialog, "counts")->setCurrentText("16");
    auto* pick = child<QPushButton>(dialog, "pickColour");
    EXPECT_FALSE(pick->isEnabled());
    child<QCheckBox>(dialog, "transparent")->setChecked(true);
    ASSERT_TRUE(pick->isEnabled());
    pick->click();
    child<QPushButton>(dialog, "preview")->click();
    EXPECT_EQ(previewed.colourCount, 16);
    EXPECT_EQ(child<QLabel>(dialog, "report")->text(), QString::fromUtf8("Уменьшено: 4321  байт"));
    dialog.accept();
    ASSERT_TRUE(dialog.answer());
    EXPECT_EQ(dialog.answer()->colourCount, 16);
    EXPECT_TRUE(dialog.answer()->transparent);
    EXPECT_EQ(dialog.answer()->transparentColour, 0x0000FF00u);
}

TEST(GifSaveDialog, CancelThroughThePortAnswersNothing)
{
    QtUiPort port;
    QTimer::singleShot(50, [] {
        if (auto* shown = dynamic_cast<GifSaveDialog*>(QApplication::activeModalWidget()))
            shown->reject();
    });
    QTimer::singleShot(3000, [] { // never hang when the dialog did not come
        if (auto* shown = QApplication::activeModalWidget())
            static_cast<QDialog*>(shown)->reject();
    });
    EXPECT_FALSE(port.askGifSave(GifSaveQuestion{10, true, 0}));
}

} // namespace
} // namespace lw
