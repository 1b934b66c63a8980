// The HTML code dialog, the new-animation wizard and quick animation, driven through their controls.
#include "app/widgets/html_settings_dialog.h"

#include "model/document.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

} // namespace
} // namespace lw
