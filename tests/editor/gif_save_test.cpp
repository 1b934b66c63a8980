// Save GIF and its settings dialog without windows: the default name, the dialog's preselections
// and rules, and the command writing (or not writing) the file through scripted answers.
#include "app/editor/editor_questions.h"
#include "app/editor/gif_save_command.h"
#include "app/editor/gif_save_model.h"
#include "filters/scripted_ui_port.h"

#include "engine/extension_host.h"
#include "imaging/gif_animation.h"
#include "model/frame_list.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lw;
namespace fs = std::filesystem;

TEST(GifSave, DefaultNameFromGifPathDocumentPathOrTitle)
{
    struct Case {
        const char* gifPath;
        const char* pathName;
        const char* title;
        const char* expected;
    };
    const Case cases[] = {
        {"", "", "Безымянный-1", "Безымянный-1.gif"},
        {"", "/a/promo.lwd", "promo.lwd", "/a/promo.gif"},
        {"", "/a/promo.LWD", "promo.LWD", "/a/promo.LWD.gif"},
        {"", "/a/x.gif", "x.gif", "/a/x.gif"},
        {"/web/banner.gif", "/a/promo.lwd", "t", "/web/banner.gif"},
        {"/web/banner.GIF", "", "t", "/web/banner.GIF.gif"},
        {"", "", "a.lwd.lwd", "a.lwd.gif"},
    };
    for (const Case& c : cases) {
        CLWDoc doc;
        doc.animation.sourcePath = c.gifPath;
        doc.pathName = c.pathName;
        doc.title = c.title;
        EXPECT_EQ(defaultGifName(doc), c.expected) << c.gifPath << "|" << c.pathName << "|" << c.title;
    }
}

TEST(GifSave, DialogPreselectionsFollowTheColourCount)
{
    struct Case {
        int colours;
        bool animated;
        bool reduce;
        int count;
        bool fullEnabled;
        bool reduceEnabled;
        int palette;
    };
    const Case cases[] = {
        {256, true, true, 128, true, true, 128},  {257, true, true, 256, false, true, 256},
        {255, true, false, 128, true, true, 255}, {3, true, false, 0, true, false, 3},
        {5, false, false, 4, true, true, 5},      {1, false, false, 0, true, false, 1},
    };
    for (const Case& c : cases) {
        GifSaveModel model(GifSaveQuestion{c.colours, c.animated, 0x123456});
        SCOPED_TRACE(c.colours);
        EXPECT_EQ(model.reduce(), c.reduce);
        EXPECT_EQ(model.reduceCount(), c.count);
        EXPECT_EQ(model.choices().fullPaletteEnabled, c.fullEnabled);
        EXPECT_EQ(model.choices().reduceEnabled, c.reduceEnabled);
        EXPECT_EQ(model.comboEnabled(), c.reduce);
        EXPECT_EQ(model.paletteCount(), c.palette);
        EXPECT_EQ(model.optimise(), c.animated);
        EXPECT_EQ(model.previewEnabled(), c.animated);
        EXPECT_FALSE(model.transparent());
        EXPECT_EQ(model.transparentColour(), 0x123456u);
    }
    EXPECT_EQ(GifSaveModel(GifSaveQuestion{3, true, 0}).choices().fullPaletteLabel,
              "Вся палитра   (3 цветов)");
    EXPECT_EQ(GifSaveModel(GifSaveQuestion{1, true, 0}).choices().fullPaletteLabel,
              "Вся палитра   (1 Цвет) ");
}

TEST(GifSave, DisabledChoicesCannotBeTaken)
{
    GifSaveModel few(GifSaveQuestion{3, true, 0});
    few.setReduce(true);
    EXPECT_FALSE(few.reduce());
    GifSaveModel many(GifSaveQuestion{300, false, 0});
    many.setReduce(false);
    EXPECT_TRUE(many.reduce());
    many.setReduceCount(100); // not listed
    EXPECT_EQ(many.reduceCount(), 256);
    many.setReduceCount(16);
    many.setOptimise(true); // a single picture never optimises
    many.setTransparent(true);
    EXPECT_FALSE(many.pickColourEnabled());
    const GifSaveAnswer answer = many.accept();
    EXPECT_EQ(answer.colourCount, 16);
    EXPECT_FALSE(answer.optimise);
    EXPECT_TRUE(answer.transparent);

    GifSaveModel animation(GifSaveQuestion{40, true, 0});
    EXPECT_FALSE(animation.pickColourEnabled());
    animation.setTransparent(true);
    EXPECT_TRUE(animation.pickColourEnabled());
    animation.setTransparentColour(0xFF00FF00u);
    animation.setReduce(true);
    animation.setReduceCount(8);
    const GifSaveAnswer picked = animation.accept();
    EXPECT_EQ(picked.transparentColour, 0x0000FF00u);
    EXPECT_EQ(picked.colourCount, 8);
    EXPECT_EQ(gifSizeReport(true, 1234), QString::fromUtf8("Уменьшено: 1234  байт"));
    EXPECT_EQ(gifSizeReport(false, 77), QString::fromUtf8("Не ужато:    77  байт"));
}

// A document of `frames` frames, each a plain background of its own colour.
void fillFrames(CLWDoc& doc, int frames)
{
    doc.title = "Безымянный-1";
    ASSERT_TRUE(doc.animation.SetSize(8, 4));
    const std::uint32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x808080};
    doc.animation.firstFrame->backgroundColour = colours[0];
    for (int i = 1; i < frames; ++i)
        doc.animation.AppendFrame()->backgroundColour = colours[i % 7];
}

GifAnimation readBack(const std::string& path, UiPort& ui)
{
    GifAnimation gif;
    const auto bytes = readFile(path);
    EXPECT_TRUE(gif.Read(bytes, ui));
    return gif;
}

struct Saving : ::testing::Test {
    QTemporaryDir folder;
    ExtensionHost host;
    ScriptedUiPort ui;
    ScriptedEditorQuestions questions;
    CLWDoc doc;
    std::string path(const char* name) const
    {
        return (fs::path(folder.path().toStdString()) / name).string();
    }
};

TEST_F(Saving, CancelAnywhereWritesNothingButKeepsTheDefaultName)
{
    fillFrames(doc, 2);
    questions.queuePath(std::nullopt);
    EXPECT_EQ(saveGif(doc, host, ui, questions), GifSaveOutcome::Cancelled);
    EXPECT_EQ(doc.animation.sourcePath, "Безымянный-1.gif");
    ASSERT_EQ(questions.saveQuestions().size(), 1u);
    EXPECT_EQ(questions.saveQuestions()[0].title, "Сохранить как    ");
    EXPECT_EQ(questions.saveQuestions()[0].defaultName, "Безымянный-1.gif");
    EXPECT_EQ(questions.saveQuestions()[0].filters.at(0).first, "Compuserve GIF");
    EXPECT_TRUE(ui.gifSaveQuestions().empty());

    questions.queuePath(path("a.gif"));
    ui.queueGifSave(std::nullopt);
    EXPECT_EQ(saveGifAs(doc, host, ui, questions), GifSaveOutcome::Cancelled);
    EXPECT_FALSE(fs::exists(path("a.gif")));
    ASSERT_EQ(ui.gifSaveQuestions().size(), 1u);
    EXPECT_EQ(ui.gifSaveQuestions()[0].colourCount, 2);
    EXPECT_TRUE(ui.gifSaveQuestions()[0].animated);
    EXPECT_EQ(ui.gifSaveQuestions()[0].transparentColour, 0x0000FFu);
}

TEST_F(Saving, SaveAsWritesThenSaveGifWritesInPlaceWithoutAName)
{
    fillFrames(doc, 6);
    questions.queuePath(path("six.gif"));
    ui.queueGifSave(GifSaveAnswer{4, false, false, 0});
    ASSERT_EQ(saveGifAs(doc, host, ui, questions), GifSaveOutcome::Written);
    EXPECT_EQ(doc.title, path("six.gif"));
    EXPECT_EQ(doc.animation.sourcePath, path("six.gif"));
    GifAnimation written = readBack(path("six.gif"), ui);
    EXPECT_EQ(written.frameCount(), 6);
    EXPECT_EQ(written.globalPaletteSize, 4);

    fs::remove(path("six.gif"));
    ASSERT_EQ(saveGif(doc, host, ui, questions), GifSaveOutcome::Written);
    EXPECT_EQ(questions.saveQuestions().size(), 1u);               // no second name dialog
    EXPECT_EQ(ui.gifSaveQuestions().size(), 2u);                   // the settings are still asked
    EXPECT_EQ(readBack(path("six.gif"), ui).globalPaletteSize, 8); // 6 colours, whole palette
}

TEST_F(Saving, ADocumentOpenedFromAGifSavesBackToIt)
{
    fillFrames(doc, 3);
    rememberGifPath(doc.animation, path("opened.gif"));
    ui.queueGifSave(GifSaveAnswer{3, true, false, 0});
    ASSERT_EQ(saveGif(doc, host, ui, questions), GifSaveOutcome::Written);
    EXPECT_TRUE(questions.saveQuestions().empty());
    EXPECT_EQ(readBack(path("opened.gif"), ui).frameCount(), 3);
}

TEST_F(Saving, AFailedWriteSaysWhyAndLeavesNoFile)
{
    fillFrames(doc, 2);
    const std::string bad = path("missing/folder/x.gif");
    EXPECT_EQ(writeDocumentGif(doc, host, ui, bad), GifSaveOutcome::Failed);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find(bad), std::string::npos);
    EXPECT_FALSE(fs::exists(bad));
    EXPECT_TRUE(fs::is_empty(folder.path().toStdString()));
}

TEST_F(Saving, TransparentColourIsMarkedInsteadOfOptimising)
{
    fillFrames(doc, 2);
    // Frame colours are 0x00BBGGRR: 0x00FF00 is green in both forms.
    ui.queueGifSave(GifSaveAnswer{2, true, true, 0x00FF00});
    ASSERT_EQ(writeDocumentGif(doc, host, ui, path("t.gif")), GifSaveOutcome::Written);
    GifAnimation gif = readBack(path("t.gif"), ui);
    ASSERT_EQ(gif.frameCount(), 2);
    for (const GifFrame* frame = gif.frames.get(); frame; frame = frame->next.get()) {
        ASSERT_EQ(frame->transparent, 1);
        const int index = frame->transparentIndex & 0xFF;
        ASSERT_LT(index, gif.globalPaletteSize);
        EXPECT_EQ((*gif.globalPalette)[3 * index], 0);
        EXPECT_EQ((*gif.globalPalette)[3 * index + 1], 255);
        EXPECT_EQ((*gif.globalPalette)[3 * index + 2], 0);
    }
}

TEST_F(Saving, PreviewReportsTheSizeTheFileWillHave)
{
    fillFrames(doc, 4);
    for (const bool optimise : {true, false}) {
        const GifSaveAnswer answer{4, optimise, false, 0};
        const GifPreview preview = buildGifPreview(doc, host, answer);
        ASSERT_TRUE(preview.gif);
        EXPECT_EQ(preview.optimised, optimise);
        ui.queueGifSave(answer);
        ASSERT_EQ(writeDocumentGif(doc, host, ui, path("p.gif")), GifSaveOutcome::Written);
        EXPECT_EQ(preview.bytes, static_cast<std::int64_t>(fs::file_size(path("p.gif")))) << optimise;
        // The decoded preview shows the frames' colours: the second frame is green.
        const auto sequence = preview.gif->ToAnimation();
        ASSERT_TRUE(sequence && sequence->first() && sequence->first()->next);
        EXPECT_EQ(sequence->first()->next->image->GetPixel(3, 2) & 0x00FFFFFFu, 0x00FF00u);
    }
}

} // namespace
