#include "model/canvas_presets.h"
#include "model/document.h"
#include "platform/settings.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

void clearFrameProfile()
{
    Settings s;
    s.remove("Frame", "Width");
    s.remove("Frame", "Height");
    s.remove("Frame", "Color");
}

} // namespace

TEST(DocumentTest, NewDocumentWithoutProfileIs486By60White)
{
    clearFrameProfile();
    CLWDoc doc;
    applyNewDocumentDefaults(doc, Settings());
    EXPECT_EQ(doc.animation.canvasSize, (LayerRect{0, 0, 486, 60}));
    EXPECT_EQ(doc.animation.canvasRect.left, (1200 - 486) >> 1);
    EXPECT_EQ(doc.animation.firstFrame->backgroundColour, 0xFFFFFFu);
    EXPECT_EQ(doc.animation.firstFrame->image.GetPixel(485, 59), 0x00FFFFFFu);
    EXPECT_EQ(doc.textFont, LogFont::documentDefault());
    EXPECT_EQ(doc.textFont.height, 24);
    EXPECT_EQ(doc.textFont.face(), "Arial");
}

TEST(DocumentTest, NewDocumentTakesTheStoredProfile)
{
    {
        Settings s;
        s.writeInt("Frame", "Width", 120);
        s.writeInt("Frame", "Height", 600);
        s.writeInt("Frame", "Color", 0x0000FF); // red in frame order
        s.sync();
    }
    CLWDoc doc;
    applyNewDocumentDefaults(doc, Settings());
    EXPECT_EQ(doc.animation.width(), 120);
    EXPECT_EQ(doc.animation.height(), 600);
    EXPECT_EQ(doc.animation.firstFrame->backgroundColour, 0x0000FFu);
    EXPECT_EQ(doc.animation.firstFrame->image.GetPixel(0, 0), 0x00FF0000u);
    {
        Settings s;
        s.writeInt("Frame", "Width", -5); // damaged
        s.sync();
    }
    CLWDoc second;
    applyNewDocumentDefaults(second, Settings());
    EXPECT_EQ(second.animation.width(), 486);
    clearFrameProfile();
}

TEST(DocumentTest, TitleGoesToTheAnimationToo)
{
    CLWDoc doc;
    setDocumentTitle(doc, "banner.lwd");
    EXPECT_EQ(doc.title, "banner.lwd");
    EXPECT_EQ(doc.animation.title, "banner.lwd");
}

TEST(DocumentTest, SavePathRules)
{
    CLWDoc doc;
    doc.pathName = "/tmp/x/anim.GIF";
    prepareSaveModified(doc);
    EXPECT_EQ(doc.pathName, "");
    doc.pathName = "/tmp/x/anim.LwD";
    prepareSaveModified(doc);
    EXPECT_EQ(doc.pathName, "/tmp/x/anim.LwD");

    doc.animation.savedAsDocument = 0;
    EXPECT_EQ(prepareDoSave(doc), std::nullopt);
    doc.animation.savedAsDocument = 1;
    EXPECT_EQ(prepareDoSave(doc), std::optional<std::string>("/tmp/x/anim.LwD"));
}

TEST(DocumentTest, OpenRuleAppendsLwdOrMarksSavedAndNamesTheDocument)
{
    struct Case {
        const char* path;
        const char* pathName;
        int saved;
        const char* title;
    };
    const Case cases[] = {
        {"/data/banner.gif", "/data/banner.gif.lwd", 0, "Безымянный-1"},
        {"/data/banner.LWD", "/data/banner.LWD", 1, "banner.LWD"},
        {"/data/photo.jpg", "/data/photo.jpg.lwd", 0, "Безымянный-2"},
    };
    UntitledNames untitled;
    for (const Case& c : cases) {
        CLWDoc doc;
        afterOpenDocument(doc, c.path, untitled);
        EXPECT_EQ(doc.pathName, c.pathName) << c.path;
        EXPECT_EQ(doc.animation.savedAsDocument, c.saved) << c.path;
        EXPECT_EQ(doc.title, c.title) << c.path;
        EXPECT_EQ(doc.animation.title, c.title) << c.path;
    }
    EXPECT_EQ(untitled.next(), "Безымянный-3") << "new documents continue the same count";
}

TEST(DocumentTest, CanvasSizeCommandAndPresets)
{
    CLWDoc doc;
    doc.animation.sourceFileSize = 1234;
    EXPECT_FALSE(applyCanvasSize(doc, 1201, 10));
    EXPECT_FALSE(applyCanvasSize(doc, 10, 0));
    EXPECT_FALSE(doc.modified());
    EXPECT_EQ(doc.animation.sourceFileSize, 1234);
    EXPECT_TRUE(applyCanvasSize(doc, 1200, 1));
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.animation.sourceFileSize, 0);
    EXPECT_EQ(doc.animation.canvasRect, (LayerRect{0, 599, 1200, 600}));

    ASSERT_EQ(kCanvasPresets.size(), 14u);
    EXPECT_STREQ(kCanvasPresets[0].label, "Произвольный размер...");
    EXPECT_EQ(kCanvasPresets[0].width, 0);
    EXPECT_EQ(kCanvasPresets[4].width, 120);
    EXPECT_EQ(kCanvasPresets[4].height, 600);
    EXPECT_STREQ(kCanvasPresets[9].label, "Микро-кнопка (88x13)");
    EXPECT_EQ(kCanvasPresets[9].height, 31);
    EXPECT_EQ(kCanvasPresets[13].width, 250);
}
