// The optimisation wizard without windows: its colour preselection, size report and Finish
// rule, and the run that writes the optimised file, read back by giflib.
#include "app/editor/optimisation_run.h"
#include "app/editor/optimisation_wizard_model.h"

#include "engine/extension_host.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace {

using namespace lw;

TEST(OptimisationWizardModel, PreselectionReportAndFinish)
{
    const std::pair<int, int> preselected[] = {
        {256, 0}, {257, 256}, {300, 256}, {3, 0}}; // colours, combo (0: whole)
    for (const auto& [colours, count] : preselected) {
        OptimisationWizardModel model(colours, 0, "x.gif");
        EXPECT_EQ(model.colours().reduce(), count != 0) << colours;
        EXPECT_EQ(model.paletteCount(), count ? count : colours) << colours;
    }

    struct Report {
        std::int32_t source;
        std::int64_t result;
        const char* text;
    };
    const Report reports[] = {
        {0, 500, "Уменьшено: 500  байт"},
        {1000, 1500, "Уменьшено: 1500  байт"},
        {1000, 400,
         "Новый размер кадра:  400  байт\nОригинальный файл:  1000  байт\nУрезано: 600  байт (60.0%)"},
        {3000, 1000,
         "Новый размер кадра:  1000  байт\nОригинальный файл:  3000  байт\nУрезано: 2000  байт (66.7%)"},
        {0, 0, "Новый размер кадра:  0  байт\nОригинальный файл:  0  байт\nУрезано: 0  байт (0.0%)"},
    };
    for (const Report& r : reports)
        EXPECT_EQ(OptimisationWizardModel(10, r.source, "").sizeReport(r.result), QString::fromUtf8(r.text));

    OptimisationWizardModel model(10, 0, "");
    EXPECT_FALSE(model.finishEnabled());
    model.setFileName("/a/b.gif");
    EXPECT_TRUE(model.finishEnabled());
    const FileQuestion browse = model.browseQuestion();
    EXPECT_EQ(browse.title, "Сохранить как    ");
    EXPECT_EQ(browse.defaultName, "/a/b.gif");
    EXPECT_EQ(browse.defaultExtension, "gif");
}

TEST(OptimisationRun, FinishWritesWhatTheTrialMeasuredAndNamesTheDocumentsGif)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("opt.gif").toStdString();
    CLWDoc doc;
    ASSERT_TRUE(doc.animation.SetSize(8, 4));
    doc.animation.firstFrame->backgroundColour = 0x0000FF;
    doc.animation.firstFrame->delay = 10;
    CFrame* same = doc.animation.AppendFrame(); // identical: merged into the first
    same->backgroundColour = 0x0000FF;
    same->delay = 20;
    doc.animation.AppendFrame()->backgroundColour = 0x00FF00;
    ExtensionHost host;
    auto run = OptimisationRun::start(doc, host);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->colourCount(), 2);
    const std::int64_t estimate = run->trial(2);
    auto playback = run->trialPlayback();
    ASSERT_TRUE(playback);
    EXPECT_EQ(playback->sequence.size(), 2u);
    EXPECT_EQ(playback->sequence.first()->delay, 30);

    run->finish(2, path);
    EXPECT_EQ(doc.animation.sourcePath, path);
    EXPECT_EQ(static_cast<std::int64_t>(std::filesystem::file_size(path)), estimate);
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 2);
    EXPECT_EQ(gif->SWidth, 8);
    DGifCloseFile(gif, &error);

    // A failed write leaves the document's GIF name as it was.
    EXPECT_THROW(run->finish(2, folder.filePath("none/x.gif").toStdString()), std::exception);
    EXPECT_EQ(doc.animation.sourcePath, path);
}

} // namespace
