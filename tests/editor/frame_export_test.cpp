// Export frame: the proposed name, the extension taken from the chosen
// filter, and the picture written in the format the extension names.
#include "app/editor/editor_questions.h"
#include "app/editor/frame_export.h"

#include "filters/scripted_ui_port.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lw;
namespace fs = std::filesystem;

TEST(FrameExport, DefaultNameAndExtensionByFilter)
{
    struct NameCase {
        const char* pathName;
        const char* title;
        const char* expected;
    };
    const NameCase names[] = {
        {"/work/promo.lwd", "promo.lwd", "/work/promo(Кадр  2)"},
        {"", "Безымянный-1", "Безымянный-1(Кадр  2)"},
        {"/a/b.c/banner.gif", "banner.gif", "/a/b.c/banner(Кадр  2)"},
    };
    for (const NameCase& c : names) {
        CLWDoc doc;
        doc.pathName = c.pathName;
        doc.title = c.title;
        EXPECT_EQ(exportFrameDefaultName(doc, "Кадр  2"), c.expected);
    }
    struct FileCase {
        const char* chosen;
        int filter;
        const char* expected;
    };
    const FileCase files[] = {
        {"x", 1, "x.jpg"},     {"x", -1, "x.gif"},          {"x", 0, "x.gif"},     {"x", 2, "x.bmp"},
        {"x.png", 1, "x.png"}, {"/d.e/x", 2, "/d.e/x.bmp"}, {"x.JPG", 0, "x.JPG"}, {"x", 7, "x.gif"},
    };
    for (const FileCase& c : files)
        EXPECT_EQ(exportFrameFileName(c.chosen, c.filter), c.expected) << c.chosen << " " << c.filter;
}

TEST(FrameExport, WritesTheFormatOfTheChosenFilter)
{
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    CLWDoc doc;
    doc.title = "Безымянный-1";
    ASSERT_TRUE(doc.animation.SetSize(16, 8));
    ScriptedUiPort ui;
    ScriptedEditorQuestions questions;

    questions.queuePath(std::nullopt);
    EXPECT_EQ(exportFrame(doc, *doc.animation.firstFrame, ui, questions), FrameExportOutcome::Cancelled);
    EXPECT_TRUE(fs::is_empty(dir));
    ASSERT_EQ(questions.saveQuestions().size(), 1u);
    EXPECT_EQ(questions.saveQuestions()[0].defaultName, "Безымянный-1(Кадр  1)");
    EXPECT_EQ(questions.saveQuestions()[0].filters.size(), 3u);

    struct Case {
        int filter;
        const char* file;
        std::string magic;
    };
    const Case cases[] = {{0, "x.gif", "GIF8"}, {1, "x.jpg", "\xFF\xD8\xFF"}, {2, "x.bmp", "BM"}};
    for (const Case& c : cases) {
        questions.queuePath((dir / "x").string());
        questions.queueFilter(c.filter);
        EXPECT_EQ(exportFrame(doc, *doc.animation.firstFrame, ui, questions), FrameExportOutcome::Written);
        const auto bytes = readFile((dir / c.file).string());
        ASSERT_GE(bytes.size(), c.magic.size()) << c.file;
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(c.magic.size())), c.magic);
    }

    questions.queuePath((dir / "no/such/folder/y.bmp").string());
    EXPECT_EQ(exportFrame(doc, *doc.animation.firstFrame, ui, questions), FrameExportOutcome::Failed);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_FALSE(fs::exists(dir / "no"));
}

} // namespace
