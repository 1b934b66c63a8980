// The extensions' settings dialogs: opened once through LWXAdvanced, filled in, accepted or
// cancelled, and the param checked.
#include "motion_effects_support.h"

#include "extensions/glide/glide_param.h"
#include "extensions/marquee/marquee_param.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs action on the modal dialog as soon as it is shown (its event loop is running then).
// Gives up after a few seconds so that a missing dialog fails instead of hanging.
void whenModalShown(std::function<void(QDialog&)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, attempts = 0, action]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++attempts < 300)
            return;
        timer->stop();
        timer->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog appeared";
            return;
        }
        action(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        }
    });
    timer->start();
}

void clickButton(QDialog& dialog, const QString& text)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
}

bool hasLabel(QDialog& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

TEST(GlideDialog, StartsFromTheParamAndStoresTheNewDeltaOnOk)
{
    const lw::ExtensionHost& host = lwtest::hostWithLibrary("glide");
    QWidget owner;
    std::int32_t param = lw::glide::encodeDelta(-40, 3);
    bool shown = false;
    whenModalShown([&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.parentWidget(), &owner);
        EXPECT_TRUE(hasLabel(dialog, QStringLiteral("Delta X:")));
        EXPECT_TRUE(hasLabel(dialog, QStringLiteral("Delta Y:")));
        auto* x = dialog.findChild<QSpinBox*>(QStringLiteral("deltaX"));
        auto* y = dialog.findChild<QSpinBox*>(QStringLiteral("deltaY"));
        if (!x || !y) {
            ADD_FAILURE() << "delta fields missing";
            dialog.reject();
            return;
        }
        EXPECT_EQ(x->value(), -40);
        EXPECT_EQ(y->value(), 3);
        x->setValue(25);
        y->setValue(-7);
        clickButton(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(host.advanced(166, &param, &owner), 1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(static_cast<std::uint32_t>(param), 0xFFEF000Fu); // (-7 - 10) << 16 | (25 - 10)
}

TEST(GlideDialog, CancelLeavesTheParamAlone)
{
    const lw::ExtensionHost& host = lwtest::hostWithLibrary("glide");
    std::int32_t param = 0;
    bool shown = false;
    whenModalShown([&](QDialog& dialog) {
        shown = true;
        auto* x = dialog.findChild<QSpinBox*>(QStringLiteral("deltaX"));
        EXPECT_EQ(x ? x->value() : 0, 10) << "param 0 means 10 pixels";
        if (x)
            x->setValue(99);
        clickButton(dialog, QStringLiteral("Cancel"));
    });
    host.advanced(164, &param, nullptr);
    EXPECT_TRUE(shown);
    EXPECT_EQ(param, 0);
}

TEST(MarqueeDialog, StartsFromTheLowBitsAndStoresTheChosenDirection)
{
    const lw::ExtensionHost& host = lwtest::hostWithLibrary("marquee");
    std::int32_t param = 6; // 6 AND 3 = "top"
    bool shown = false;
    whenModalShown([&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Marquee"));
        auto* group = dialog.findChild<QGroupBox*>();
        EXPECT_EQ(group ? group->title() : QString(), QStringLiteral("Direction"));
        QStringList checked;
        QStringList texts;
        for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
            texts << radio->text();
            if (radio->isChecked())
                checked << radio->text();
        }
        EXPECT_EQ(texts, (QStringList{"left", "right", "top", "bottom"}));
        EXPECT_EQ(checked, QStringList{"top"});
        clickButton(dialog, QStringLiteral("bottom"));
        clickButton(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(host.advanced(201, &param, nullptr), 1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(param, lw::marquee::kBottom);
}

TEST(BlinkAdvanced, ShowsItsNoteAndChangesNothing)
{
    const lw::ExtensionHost& host = lwtest::hostWithLibrary("blink");
    QWidget owner;
    std::int32_t param = 1234;
    bool shown = false;
    whenModalShown([&](QDialog& dialog) {
        shown = true;
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("Advanced Hit"));
        EXPECT_TRUE(box->windowTitle().isEmpty());
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    host.advanced(129, &param, &owner);
    EXPECT_TRUE(shown);
    EXPECT_EQ(param, 1234);
}

} // namespace
