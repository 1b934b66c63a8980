// The text dialog and the symbol dialog built non-modal, worked through their controls.
#include "app/editor/symbol_grid.h"
#include "app/widgets/symbol_dialog.h"
#include "app/widgets/text_dialog.h"
#include "platform/font_choice.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(PropertyDialogs, TextDialogRefusesEmptyTextAndEnablesAlignmentForSeveralLines)
{
    TextProperties start;
    start.text = "Hello";
    TextDialog dialog(start);
    std::vector<QString> refusals;
    dialog.setRefusalReporter([&](QWidget*, const QString& message) { refusals.push_back(message); });
    LogFont chosen = LogFont::documentDefault();
    chosen.setFace("DejaVu Serif");
    dialog.askFont = [&](QWidget*, const LogFont&) { return std::optional(chosen); };
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* text = dialog.findChild<QPlainTextEdit*>("text");
    auto* alignment = dialog.findChild<QComboBox*>("alignment");
    ASSERT_TRUE(text && alignment);
    EXPECT_EQ(QApplication::focusWidget(), text);
    EXPECT_EQ(text->textCursor().selectedText(), "Hello");
    EXPECT_FALSE(alignment->isEnabled());

    QTest::keyClick(text, Qt::Key_Delete);
    dialog.accept();
    EXPECT_EQ(refusals, std::vector<QString>{"Введите текст рисунка. "});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), text);

    QTest::keyClicks(text, "A");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(alignment->isEnabled());
    text->insertPlainText(QString::fromUtf8("B€漢"));
    alignment->setCurrentIndex(1);
    dialog.findChild<QPushButton*>("font")->click();
    EXPECT_EQ(text->font().family(), "DejaVu Serif");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(dialog.values().text, dialog.values().alignment, dialog.values().font),
              std::tuple(std::string("A\nB€?"), 1, chosen)); // as the document keeps it
}

TEST(PropertyDialogs, FontDialogOkWithoutChangesKeepsTheRecord)
{
    // Faces the system lacks ("Arial" here) must not fall back to a generic family on OK.
    for (const char* face : {"Arial", "DejaVu Serif", "Шрифт"})
        for (bool styled : {false, true}) {
            LogFont start = LogFont::documentDefault();
            start.setFace(face);
            start.weight = styled ? 700 : 400;
            start.italic = start.underline = start.strikeOut = styled ? 1 : 0;
            QFontDialog dialog(dialogFontOf(start));
            EXPECT_EQ(logFontOf(dialog.currentFont(), start), start) << face << styled;
        }
}

TEST(PropertyDialogs, SymbolCellClickPicksItsCodeAndCloses)
{
    const SymbolQuestion question{{"DejaVu Sans", "Standard Symbols PS"}, "Standard Symbols PS", false};
    SymbolDialog dialog(question);
    dialog.show();
    auto* grid = dialog.findChild<SymbolGrid*>("grid");
    ASSERT_NE(grid, nullptr);
    const int cell = SymbolGrid::kCell;
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(15 * cell + 3, 13 * cell + 3)); // code 256: nothing
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(2 * cell + 5, 1 * cell + 5));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(dialog.choice().face, dialog.choice().code, dialog.choice().smoothing),
              std::tuple(std::string("Standard Symbols PS"), symbolCodeAt(2, 1), false));
}

} // namespace
} // namespace lw
