// The preview window and the optimisation wizard as a user meets them: the image centred on
// white in the maximised window, Escape closing it, a picked colour coming back on OK; the
// wizard's Finish following the name field.
#include "app/widgets/optimisation_wizard.h"
#include "app/widgets/preview_dialog.h"

#include "filters/scripted_ui_port.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
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

TEST(OptimisationWizard, NextMeasuresAndFinishFollowsTheName)
{
    std::vector<int> trials;
    std::vector<std::string> finished;
    OptimisationWizardTools tools;
    tools.trial = [&](int count) {
        trials.push_back(count);
        return std::int64_t{321};
    };
    tools.browse = [](const FileQuestion&) { return std::optional<std::string>("/web/chosen.gif"); };
    tools.finish = [&](int, const std::string& path) {
        finished.push_back(path);
        return true;
    };
    OptimisationWizard wizard(OptimisationWizardModel(300, 0, "banner.gif"), tools);
    wizard.show();
    wizard.next();
    EXPECT_EQ(wizard.currentPage()->objectName(), "CWOpt2");
    wizard.next();
    EXPECT_EQ(trials, std::vector<int>{256});
    EXPECT_EQ(wizard.currentPage()->objectName(), "CWOpt3a");
    EXPECT_EQ(wizard.currentPage()->findChild<QLabel*>("report")->text(),
              QString::fromUtf8("Уменьшено: 321  байт"));
    wizard.next();
    auto* name = wizard.findChild<QLineEdit*>("fileName");
    EXPECT_EQ(name->text(), "banner.gif");
    QAbstractButton* finish = wizard.button(QWizard::FinishButton);
    EXPECT_TRUE(finish->isEnabled());
    name->clear();
    EXPECT_FALSE(finish->isEnabled());
    wizard.findChild<QPushButton*>("browse")->click();
    EXPECT_TRUE(finish->isEnabled());
    finish->click();
    EXPECT_EQ(finished, std::vector<std::string>{"/web/chosen.gif"});
}

} // namespace
} // namespace lw
