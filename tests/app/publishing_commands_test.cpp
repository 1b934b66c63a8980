// The new-animation and printing commands run through the editor: the wizard builds its document,
// the print preview opens, and `lw --print-to` writes a contact sheet whose text is read back.
#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_manager.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/main_window.h"

#include "model/animation_builders.h"
#include "model/document_file.h"
#include "platform/settings.h"
#include "started_editor.h"
#include "support/lwtool_runner.h"
#include "support/picture_builders.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace lw;

struct Editor : test::StartedEditor {
    Editor() : StartedEditor(std::nullopt) {}
};

TEST(PublishingCommands, WizardBuildsItsDocumentAndPreviewOpens)
{
    Editor e;
    e.trigger(cmd::AnimationWizard, [](QWidget* wizard) {
        ASSERT_NE(wizard, nullptr);
        auto* next = wizard->findChild<QPushButton*>("next");
        next->click();
        next->click();
        wizard->findChild<QLineEdit*>("count")->setText("3");
        next->click();
        next->click();
        wizard->findChild<QPushButton*>("finish")->click();
    });
    ASSERT_EQ(e.app->documents().documents().size(), 1u);
    const CLWDoc& doc = e.app->documents().documents()[0]->doc;
    EXPECT_EQ(doc.animation.TotalFrames(), 4);
    EXPECT_EQ(doc.animation.FrameCount(FrameKind::Normal), 3);
    EXPECT_EQ(doc.animation.width(), 468);

    bool previewed = false;
    e.trigger(cmd::PrintPreview, [&previewed](QWidget* dialog) {
        previewed = qobject_cast<QPrintPreviewDialog*>(dialog) != nullptr;
        if (const QByteArray folder = qgetenv("LW_VIEW_SHOTS"); !folder.isEmpty() && dialog)
            dialog->grab().save(QString::fromUtf8(folder) + "/print-preview.png");
        if (dialog)
            dialog->close();
    });
    EXPECT_TRUE(previewed);
}

TEST(PublishingCommands, PrintToPdfHoldsHeaderFooterAndDelaysWithoutMasters)
{
    // A master and three 100 × 300 frames: two fit on a page, so the third goes to page 2.
    CLWDoc doc;
    ASSERT_TRUE(BuildBlankAnimation(doc, {100, 300, 3, 0xFFFFFF, true, 150}));
    doc.animation.firstFrame->delay = 777;
    doc.animation.FrameAt(3)->delay = 10;
    const std::string folder = lwtest::testTempFolder("print");
    const std::string document = folder + "/promo.lwd";
    ScriptedUiPort ui;
    Settings settings;
    ASSERT_TRUE(SaveDocument(doc, document, ui, settings));

    const std::string pdf = folder + "/sheet.PDF";
    QProcess lw;
    lw.start(QString::fromStdString(lwtest::buildDir() + "/lw"),
             {"--print-to", QString::fromStdString(pdf), QString::fromStdString(document)});
    ASSERT_TRUE(lw.waitForFinished(60000));
    EXPECT_EQ(lw.exitCode(), 0) << lw.readAllStandardError().toStdString();

    QProcess text;
    text.start("pdftotext", {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    const QStringList split = pages.split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(split.size(), 2) << pages.toStdString();
    for (const char* expected : {"Loopwright GIF Animator - promo.lwd", "Page 1", "1.5 s"})
        EXPECT_TRUE(split[0].contains(expected)) << expected;
    EXPECT_EQ(split[0].count("1.5 s"), 2);
    EXPECT_TRUE(split[1].contains("Page 2"));
    EXPECT_TRUE(split[1].contains("0.1 s"));
    EXPECT_FALSE(pages.contains("7.77")); // the master frame is not printed

    QProcess refused;
    refused.start(QString::fromStdString(lwtest::buildDir() + "/lw"),
                  {"--print-to", "no-such-printer", QString::fromStdString(document)});
    ASSERT_TRUE(refused.waitForFinished(60000));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_TRUE(refused.readAllStandardError().contains("no printer named no-such-printer"));
}

} // namespace
