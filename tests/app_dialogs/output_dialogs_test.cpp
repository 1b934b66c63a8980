// The preview window as a user meets it: the image centred on white in the maximised window,
// Escape closing it, a picked colour coming back on OK.
#include "app/widgets/preview_dialog.h"

#include "platform/ui_port.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(PreviewDialog, CentresTheImageOnWhiteAndEscapeCloses)
{
    CRaster image(4, 2);
    image.FillRect(0x00FF0000u); // red
    image.pixels()[image.indexOf(1, 0)] = 0x000000FFu;
    for (const bool pick : {false, true}) {
        FrameSequence sequence(4, 2, 0, "");
        sequence.append(&image, 10);
        ScriptedUiPort ui;
        PreviewDialog dialog(std::move(sequence), nullptr, pick, {}, ui);
        EXPECT_TRUE(dialog.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(dialog.windowTitle(), pick ? QString::fromUtf8("Выбор прозрачности  цвета")
                                             : QString::fromUtf8(" Предпросмотр  "));
        dialog.show();
        auto* view = dialog.findChild<QWidget*>("previewView");
        ASSERT_NE(view, nullptr);
        view->resize(10, 6);
        const QImage shot = view->grab().toImage();
        EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(3, 2), QColor(Qt::red));
        EXPECT_EQ(shot.pixelColor(4, 2), QColor(Qt::blue));
        EXPECT_EQ(shot.pixelColor(7, 2), QColor(Qt::white));
        if (pick) {
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(4, 2));
            EXPECT_EQ(dialog.player().pickedColour(), 0x00FF0000u); // blue as 0x00BBGGRR
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
        }
    }
}

} // namespace
} // namespace lw
