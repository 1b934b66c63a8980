// New animations made in one go: blank frames over an optional master, and one frame per picture.
#include "model/animation_builders.h"

#include "filters/scripted_ui_port.h"
#include "support/picture_builders.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

using namespace lw;

namespace {

std::vector<CFrame*> frames(CLWDoc& doc)
{
    std::vector<CFrame*> all;
    for (CFrame* f = doc.animation.firstFrame.get(); f; f = f->next.get())
        all.push_back(f);
    return all;
}

std::string solidBmp(const std::string& name, int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const std::string path = lwtest::testTempFolder("builders") + "/" + name;
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

} // namespace

TEST(AnimationBuildersTest, DelayIsTruncatedHundredthsWithoutFloatLoss)
{
    const std::pair<double, std::int32_t> cases[] = {{0.015, 1},   {1.0, 100},   {0.29, 29}, {0.01, 1},
                                                     {655, 65500}, {2.999, 299}, {0, 0}};
    for (const auto& [seconds, hundredths] : cases)
        EXPECT_EQ(DelayFromSeconds(seconds), hundredths) << seconds;
}

TEST(AnimationBuildersTest, BlankFramesWithAndWithoutMaster)
{
    for (const bool master : {true, false}) {
        CLWDoc doc;
        ASSERT_TRUE(BuildBlankAnimation(doc, {120, 90, 3, 0x0000FF00, master, 250}));
        const auto all = frames(doc);
        ASSERT_EQ(all.size(), master ? 4u : 3u);
        EXPECT_EQ(doc.animation.FrameCount(FrameKind::Normal), 3);
        EXPECT_EQ(doc.animation.width(), 120);
        EXPECT_EQ(doc.animation.height(), 90);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const bool isMaster = master && i == 0;
            EXPECT_EQ(all[i]->masterFrame, isMaster ? 1 : 0);
            EXPECT_EQ(all[i]->backgroundFrame, master && !isMaster ? all[0] : nullptr);
            EXPECT_EQ(all[i]->delay, 250);
            EXPECT_EQ(all[i]->backgroundColour, 0x0000FF00u);
            EXPECT_EQ(all[i]->image.width(), 120);
            EXPECT_EQ(all[i]->image.GetPixel(5, 5) & 0x00FFFFFFu, 0x0000FF00u); // green either way round
        }
    }
    CLWDoc refused;
    EXPECT_FALSE(BuildBlankAnimation(refused, {0, 60, 1, 0, false, 100}));
    EXPECT_FALSE(BuildBlankAnimation(refused, {60, 60, 0, 0, false, 100}));
    EXPECT_EQ(frames(refused).size(), 1u);
}

TEST(AnimationBuildersTest, SlideshowScalesEachBottomLayerAndFitsTheCanvas)
{
    const std::string red = solidBmp("red.bmp", 40, 20, 0xFFFF0000);
    const std::string blue = solidBmp("blue.bmp", 30, 10, 0xFF0000FF);
    for (const int scale : {100, 50}) {
        CLWDoc doc;
        ScriptedUiPort ui;
        BuildPictureAnimation(doc, {{red, blue, red + ".missing"}, 50, 0x00123456, scale}, ui);
        const auto all = frames(doc);
        ASSERT_EQ(all.size(), 3u);
        ASSERT_NE(all[0]->head, nullptr);
        ASSERT_NE(all[1]->head, nullptr);
        EXPECT_EQ(all[2]->head, nullptr); // the missing picture leaves its frame empty
        EXPECT_EQ(all[0]->head->width(), 40 * scale / 100);
        EXPECT_EQ(all[0]->head->height(), 20 * scale / 100);
        EXPECT_EQ(all[1]->head->width(), 30 * scale / 100);
        EXPECT_EQ(all[1]->head->height(), 10 * scale / 100);
        // Both pictures were centred on the old canvas and shrank toward their top-left corners,
        // so the fitted canvas is the larger one.
        EXPECT_EQ(doc.animation.width(), 40 * scale / 100);
        EXPECT_EQ(doc.animation.height(), 20 * scale / 100);
        for (CFrame* f : all) {
            EXPECT_EQ(f->delay, 50);
            EXPECT_EQ(f->backgroundColour, 0x00123456u);
        }
        EXPECT_EQ(all[0]->image.GetPixel(1, 1) & 0x00FFFFFFu, 0x00FF0000u);
    }
}
