// The HTML code dialog, the new-animation wizard and quick animation, driven through their controls.
#include "app/widgets/html_settings_dialog.h"
#include "app/widgets/new_animation_wizard.h"
#include "app/widgets/quick_animation_dialog.h"

#include "filters/scripted_ui_port.h"
#include "model/document.h"
#include "support/picture_builders.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lw {
namespace {

template <class T> T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(HtmlSettingsDialogTest, CodeFollowsEveryKeystrokeAndIsCopied)
{
    CLWDoc doc;
    doc.animation.sourcePath = "/web/banner.gif";
    doc.animation.altText = "Sale";
    HtmlSettingsDialog dialog(HtmlSettingsModel::fromDocument(doc));
    dialog.show();
    auto* code = child<QPlainTextEdit>(dialog, "code");
    auto* link = child<QLineEdit>(dialog, "link");
    EXPECT_TRUE(child<QCheckBox>(dialog, "fullPath")->isChecked());
    EXPECT_EQ(code->toPlainText(), R"(<IMG SRC="/web/banner.gif" WIDTH=468 HEIGHT=60 BORDER=0 ALT="Sale">)");
    QTest::keyClicks(link, "h");
    EXPECT_EQ(code->toPlainText(),
              R"(<A HREF="h"><IMG SRC="/web/banner.gif" WIDTH=468 HEIGHT=60 BORDER=0 ALT="Sale"></A>)");
    QTest::keyClicks(link, "ttp://q/");
    QTest::keyClicks(child<QLineEdit>(dialog, "description"), "\"<");
    child<QCheckBox>(dialog, "fullPath")->click();
    const QString expected =
        R"(<A HREF="http://q/"><IMG SRC="banner.gif" WIDTH=468 HEIGHT=60 BORDER=0 ALT="Sale"<"></A>)";
    EXPECT_EQ(code->toPlainText(), expected);

    QApplication::clipboard()->clear();
    child<QPushButton>(dialog, "copy")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    EXPECT_EQ(code->textCursor().selectedText(), expected);

    // OK stores the link and description; the box is not part of the document.
    EXPECT_FALSE(doc.modified());
    dialog.result().applyTo(doc);
    EXPECT_EQ(doc.animation.linkUrl, "http://q/");
    EXPECT_EQ(doc.animation.altText, "Sale\"<");
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(HtmlSettingsModel::fromDocument(doc).fullPath);
}

TEST(NewAnimationWizardTest, ButtonsWalkBothPathsWithRefusalsAndDimensions)
{
    const std::string gif = lwtest::testTempFolder("wizard") + "/banner.gif";
    lwtest::writeBytes(gif, {'G', 'I', 'F', '8', '9', 'a', 0xD4, 0x01, 0x3C, 0x00});
    ScriptedUiPort ui;
    ScriptedEditorQuestions questions;
    questions.queuePath(gif);
    questions.queuePaths({"/p/one.gif", "/p/two.jpg"});
    ui.queueColour(0x00FF0000); // red as the dialog gives it
    NewAnimationWizard wizard(ui, questions);
    std::vector<QString> refusals;
    wizard.setRefusalReporter([&](QWidget*, const QString& message) { refusals.push_back(message); });
    wizard.show();
    auto* next = child<QPushButton>(wizard, "next");
    auto* back = child<QPushButton>(wizard, "back");

    next->click(); // the blank path
    child<QLineEdit>(wizard, "width")->setText("5");
    child<QPushButton>(wizard, "fromImage")->click();
    EXPECT_EQ(child<QLineEdit>(wizard, "width")->text(), "468");
    EXPECT_EQ(child<QLineEdit>(wizard, "height")->text(), "60");
    EXPECT_EQ(questions.openQuestions().at(0).title, "Import Image Dimensions");
    next->click();
    child<QPushButton>(wizard, "chooseColour")->click();
    EXPECT_EQ(ui.colourQuestions().at(0).caption, "Выбор цвета заднего фона     ");
    child<QLineEdit>(wizard, "count")->setText("0");
    next->click();
    EXPECT_EQ(refusals, std::vector<QString>{"Введите целое число от 1 до 200."});
    EXPECT_EQ(wizard.model().page(), WizardPage::Frames);
    child<QLineEdit>(wizard, "count")->setText("3");
    next->click();
    next->click();
    EXPECT_TRUE(child<QPushButton>(wizard, "finish")->isVisible());
    EXPECT_FALSE(next->isVisible());
    const BlankAnimationRequest blank = wizard.model().blankRequest();
    EXPECT_EQ(blank.count, 3);
    EXPECT_EQ(blank.colour, 0x000000FFu); // kept as the frames keep colours
    EXPECT_EQ(blank.width, 468);

    // Back to the start and down the slideshow path: Next waits for a picture.
    for (int i = 0; i < 4; ++i)
        back->click();
    EXPECT_EQ(wizard.model().page(), WizardPage::Source);
    child<QRadioButton>(wizard, "slideshow")->click();
    next->click();
    EXPECT_EQ(wizard.model().page(), WizardPage::Pictures);
    EXPECT_FALSE(next->isEnabled());
    child<QPushButton>(wizard, "browse")->click();
    EXPECT_TRUE(next->isEnabled());
    EXPECT_EQ(child<QListWidget>(wizard, "pictures")->count(), 2);
    next->click();
    back->click();
    EXPECT_EQ(wizard.model().page(), WizardPage::Pictures);
    next->click();
    next->click();
    child<QPushButton>(wizard, "finish")->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_EQ(wizard.model().pictureRequest().paths, (std::vector<std::string>{"/p/one.gif", "/p/two.jpg"}));
}

TEST(QuickAnimationDialogTest, SortedListAndOkOnlyWithPictures)
{
    ScriptedEditorQuestions questions;
    questions.queuePaths({"/p/b.gif", "/p/a.gif", "/p/c.jpg"});
    QuickAnimationDialog dialog(questions);
    dialog.show();
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    child<QPushButton>(dialog, "choose")->click();
    EXPECT_EQ(questions.openQuestions().at(0).title, "Импорт кадров");
    EXPECT_TRUE(ok->isEnabled());
    auto* list = child<QListWidget>(dialog, "pictures");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "a.gif");
    EXPECT_EQ(list->item(2)->text(), "c.jpg");
    child<QLineEdit>(dialog, "delay")->setText("2,5");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.model().request().delay, 250);
}

} // namespace
} // namespace lw
