// The settings dialogs of flash, laser and blow, opened through the host as the effect dialog's
// "Подробнее..." button does, and answered from a timer while they run modally.
#include "effects_pixel/pixel_effects_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

using lwtest::builtHost;

// Once a modal dialog is up, hands it to `answer`, which must close it.
void whenModal(std::function<void(QWidget*)> answer, int triesLeft = 500)
{
    QTimer::singleShot(10, [answer, triesLeft] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            answer(dialog);
            return;
        }
        if (triesLeft > 0)
            whenModal(answer, triesLeft - 1);
    });
}

struct Seen {
    bool shown = false;
    QString title;
    QColor initial;
    bool checked = false;
    QWidget* parent = nullptr;
};

// Opens the effect's settings with *param, lets `answer` work on the dialog, reports what was seen.
Seen openSettings(std::int32_t id, std::int32_t& param, std::function<void(QWidget*)> answer,
                  QWidget* parent = nullptr)
{
    Seen seen;
    whenModal([&](QWidget* dialog) {
        seen.shown = true;
        seen.title = dialog->windowTitle();
        seen.parent = dialog->parentWidget();
        if (auto* colours = qobject_cast<QColorDialog*>(dialog))
            seen.initial = colours->currentColor();
        if (auto* box = dialog->findChild<QCheckBox*>())
            seen.checked = box->isChecked();
        answer(dialog);
    });
    EXPECT_TRUE(builtHost().hasAdvanced(id));
    builtHost().advanced(id, &param, parent);
    EXPECT_TRUE(seen.shown);
    return seen;
}

void chooseColour(QWidget* dialog, const QColor& colour)
{
    auto* colours = qobject_cast<QColorDialog*>(dialog);
    ASSERT_NE(colours, nullptr);
    colours->setCurrentColor(colour);
    colours->accept();
}

TEST(SettingsDialogs, FlashColourChooserStoresTheColourXorWhite)
{
    QWidget owner;
    std::int32_t param = 0;
    Seen seen = openSettings(
        174, param, [](QWidget* d) { chooseColour(d, QColor(10, 20, 30)); }, &owner);
    EXPECT_EQ(seen.initial, QColor(Qt::white));
    EXPECT_EQ(seen.parent, &owner);
    // Colour reference 0x1E140A, stored XOR 0xFFFFFF.
    EXPECT_EQ(param, 0xE1EBF5);

    // Opened again it starts at that colour; Cancel keeps the param.
    seen = openSettings(176, param, [](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
    EXPECT_EQ(seen.initial, QColor(10, 20, 30));
    EXPECT_EQ(param, 0xE1EBF5);
}

TEST(SettingsDialogs, LaserChooserStartsAtWhiteAndWhiteStoresZero)
{
    std::int32_t param = 0;
    Seen seen = openSettings(270, param, [](QWidget* d) { chooseColour(d, QColor(Qt::white)); });
    EXPECT_EQ(seen.initial, QColor(Qt::white));
    EXPECT_EQ(param, 0);

    param = 0xFF00FF; // green
    seen = openSettings(272, param, [](QWidget* d) { chooseColour(d, QColor(0, 0, 255)); });
    EXPECT_EQ(seen.initial, QColor(0, 255, 0));
    EXPECT_EQ(param, 0x00FFFF);
}

void setLeaveOriginalAndPress(QWidget* dialog, bool checked, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QCheckBox*>();
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(box->text(), "Leave Original");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "OK");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Cancel");
    box->setChecked(checked);
    buttons->button(which)->click();
}

TEST(SettingsDialogs, BlowOptionsStoreLeaveOriginalAsOneOrZero)
{
    std::int32_t param = 0;
    Seen seen =
        openSettings(311, param, [](QWidget* d) { setLeaveOriginalAndPress(d, true, QDialogButtonBox::Ok); });
    EXPECT_EQ(seen.title, "Blow Options");
    EXPECT_FALSE(seen.checked);
    EXPECT_EQ(param, 1);

    param = 3; // other bits are dropped on OK
    seen = openSettings(312, param,
                        [](QWidget* d) { setLeaveOriginalAndPress(d, false, QDialogButtonBox::Ok); });
    EXPECT_TRUE(seen.checked);
    EXPECT_EQ(param, 0);

    param = 5;
    seen = openSettings(314, param,
                        [](QWidget* d) { setLeaveOriginalAndPress(d, false, QDialogButtonBox::Cancel); });
    EXPECT_TRUE(seen.checked);
    EXPECT_EQ(param, 5);
}

} // namespace
