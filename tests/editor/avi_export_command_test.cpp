// "Экспорт в AVI файл..." with scripted answers: the save dialog it asks, a cancel at any step
// (name, codec, progress) leaving no file and an existing one as it was, and a finished file
// probed by ffprobe for its frame count and size.
#include "app/editor/avi_export_command.h"

#include "engine/extension_host.h"
#include "filters/scripted_ui_port.h"
#include "platform/file_io.h"

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace lw;
namespace fs = std::filesystem;

// width,height,frames of the video stream as ffprobe counts them.
std::string probe(const std::string& path)
{
    QProcess ffprobe;
    ffprobe.start("ffprobe",
                  {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                   "stream=width,height,nb_read_frames", "-of", "csv=p=0", QString::fromStdString(path)});
    if (!ffprobe.waitForFinished(30000))
        return "ffprobe did not run";
    return ffprobe.readAllStandardOutput().trimmed().toStdString();
}

TEST(AviExportCommand, CancelAtAnyStepLeavesNoFileAndOkWritesEveryImage)
{
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    struct Case {
        std::optional<std::string> name;
        std::optional<std::string> codec;
        int stopAfter; // progress says stop once this many samples are written; -1 never
        AviExportOutcome outcome;
        const char* written; // the file expected, or null
    };
    const Case cases[] = {
        {std::nullopt, "rawvideo", -1, AviExportOutcome::Cancelled, nullptr},
        {"a.avi", std::nullopt, -1, AviExportOutcome::Cancelled, nullptr},
        {"a.avi", "rawvideo", 0, AviExportOutcome::Cancelled, nullptr},
        {"a.avi", "rawvideo", 2, AviExportOutcome::Cancelled, nullptr},
        {"a", "rawvideo", -1, AviExportOutcome::Written, "a.avi"},
        {"b.avi", "mjpeg", -1, AviExportOutcome::Written, "b.avi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.value_or("-") + " " + c.codec.value_or("-") + " " + std::to_string(c.stopAfter));
        fs::remove_all(dir);
        fs::create_directories(dir);
        writeFileAtomically((dir / "a.avi").string(), std::vector<std::uint8_t>{'o', 'l', 'd'});
        CLWDoc doc;
        doc.title = "Безымянный-1";
        ASSERT_TRUE(doc.animation.SetSize(8, 4));
        doc.animation.firstFrame->delay = 10;
        doc.animation.AppendFrame()->delay = 20;
        doc.animation.AppendFrame()->delay = 30;
        ExtensionHost host;
        ScriptedUiPort ui;
        ScriptedEditorQuestions questions;
        questions.queuePath(c.name ? std::optional((dir / *c.name).string()) : std::nullopt);
        std::vector<std::string> offered;
        AviExportSteps steps;
        steps.chooseCodec = [&](const std::vector<AviCodec>& codecs) {
            for (const AviCodec& codec : codecs)
                offered.push_back(codec.name);
            return c.codec;
        };
        steps.progress = [&](std::size_t written, std::size_t total) {
            EXPECT_EQ(total, 4u);
            return c.stopAfter < 0 || written < static_cast<std::size_t>(c.stopAfter);
        };
        EXPECT_EQ(exportDocumentAvi(doc, host, ui, questions, steps), c.outcome);
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(questions.saveQuestions().size(), 1u);
        const FileQuestion& asked = questions.saveQuestions()[0];
        EXPECT_EQ(asked.title, "Экспорт AVI  ...");
        EXPECT_EQ(asked.defaultName, "Безымянный-1.avi");
        EXPECT_EQ(asked.filters, (decltype(asked.filters){{"Video for Windows", "*.avi"}}));
        EXPECT_EQ(offered.empty(), !c.name);
        if (!offered.empty()) {
            EXPECT_EQ(offered.front(), "rawvideo");
        }

        // Only the old file and, when written, the new one: no half-written file beside them.
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(dir))
            files.insert(entry.path().filename().string());
        std::set<std::string> expected{"a.avi"};
        if (c.written)
            expected.insert(c.written);
        EXPECT_EQ(files, expected);
        if (c.written) {
            EXPECT_EQ(probe((dir / c.written).string()), "8,4,4"); // three images and the last again
        }
        if (!c.written || std::string(c.written) != "a.avi") {
            EXPECT_EQ(readFile((dir / "a.avi").string()), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
        }
    }
}

TEST(AviExportCommand, AFailedWriteSaysWhy)
{
    CLWDoc doc;
    ASSERT_TRUE(doc.animation.SetSize(8, 4));
    ExtensionHost host;
    ScriptedUiPort ui;
    ScriptedEditorQuestions questions;
    questions.queuePath("/nonexistent-folder/x.avi");
    AviExportSteps steps;
    steps.chooseCodec = [](const std::vector<AviCodec>&) { return std::optional<std::string>("rawvideo"); };
    EXPECT_EQ(exportDocumentAvi(doc, host, ui, questions, steps), AviExportOutcome::Failed);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find("/nonexistent-folder/x.avi"), std::string::npos);
    EXPECT_FALSE(fs::exists("/nonexistent-folder/x.avi"));
}

} // namespace
