#include "model/animation.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

using namespace lw;
using lwtest::solid;

namespace {

// Pixel of a frame's image at a workspace point.
std::uint32_t imageAt(const CFrame& f, int x, int y)
{
    return f.image.GetPixel(x - f.canvas->left, y - f.canvas->top);
}

} // namespace

TEST(FrameRenderTest, BackgroundAndBorderUseFrameColourOrder)
{
    CAnimation a; // canvas (366, 570)–(834, 630)
    CFrame& f = *a.firstFrame;
    f.backgroundColour = 0x00332211; // 0x00BBGGRR
    f.borderColour = 0x000000FF;     // red
    f.borderWidth = 2;
    f.Render();
    EXPECT_EQ(f.image.GetPixel(0, 0), 0x00FF0000u);
    EXPECT_EQ(f.image.GetPixel(1, 30), 0x00FF0000u);
    EXPECT_EQ(f.image.GetPixel(466, 30), 0x00FF0000u);
    EXPECT_EQ(f.image.GetPixel(200, 58), 0x00FF0000u);
    EXPECT_EQ(f.image.GetPixel(2, 2), 0x00112233u);
    EXPECT_EQ(f.image.GetPixel(465, 57), 0x00112233u);
}

TEST(FrameRenderTest, ObjectsArePastedBottomUpAtTheirCanvasPlace)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.AppendObject(solid(400, 580, 20, 20, 0x000000FF));
    f.AppendObject(solid(410, 590, 20, 20, 0x0000FF00));
    f.Render();
    EXPECT_EQ(imageAt(f, 400, 580), 0x000000FFu);
    EXPECT_EQ(imageAt(f, 415, 595), 0x0000FF00u);
    EXPECT_EQ(imageAt(f, 429, 609), 0x0000FF00u);
    EXPECT_EQ(imageAt(f, 430, 609), 0x00FFFFFFu);
}

TEST(FrameRenderTest, BackgroundFrameReplacesColourAndBorder)
{
    CAnimation a;
    CFrame& back = *a.firstFrame;
    back.backgroundColour = 0x0000FF00;
    back.AppendObject(solid(366, 570, 10, 10, 0x00FF0000));
    CFrame& front = *a.AppendFrame();
    front.borderWidth = 3;
    front.borderColour = 0x00000000;
    front.SetBackgroundFrame(&back);
    EXPECT_EQ(front.backgroundImage(), &back.image);
    EXPECT_EQ(front.backgroundColour, 0x0000FF00u);
    EXPECT_EQ(front.image.GetPixel(0, 0), 0x00FF0000u);  // the back frame's object
    EXPECT_EQ(front.image.GetPixel(20, 1), 0x0000FF00u); // its colour, no border of its own
    front.SetBackgroundFrame(&front);                    // never its own backdrop
    EXPECT_EQ(front.backgroundFrame, nullptr);
    EXPECT_EQ(front.image.GetPixel(20, 1), 0u); // now its own black border shows
}

TEST(FrameCompositeTest, TransparentObjectTakesBorderAndBackgroundWithoutBackdrop)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.backgroundColour = 0x00FF0000; // blue
    f.borderColour = 0x000000FF;     // red
    f.borderWidth = 4;
    // Half over the canvas's top-left corner, fully transparent pixels.
    CLayerObject* o = f.AppendObject(solid(356, 560, 20, 20, 0xFF000000));
    const CRaster& c = o->composite;
    EXPECT_EQ(c.GetPixel(5, 5), 0xFFFFFFFFu);   // outside the canvas: nothing
    EXPECT_EQ(c.GetPixel(10, 10), 0x00FF0000u); // border (red)
    EXPECT_EQ(c.GetPixel(13, 19), 0x00FF0000u);
    EXPECT_EQ(c.GetPixel(14, 14), 0x000000FFu); // background (blue)
}

TEST(FrameCompositeTest, DropShadowStripsBesideTheCanvas)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    // Over the bottom-right corner (834, 630) of the canvas.
    CLayerObject* o = f.AppendObject(solid(824, 620, 20, 20, 0xFF000000));
    const CRaster& c = o->composite;
    // Right strip: x 834…836, y 573…632; bottom strip: x 369…836, y 630…632.
    EXPECT_EQ(c.GetPixel(10, 5), 0x00C0C0C0u);
    EXPECT_EQ(c.GetPixel(10, 12), 0x00C0C0C0u);
    EXPECT_EQ(c.GetPixel(10, 13), 0xFFFFFFFFu);
    EXPECT_EQ(c.GetPixel(12, 12), 0x00C0C0C0u);
    EXPECT_EQ(c.GetPixel(13, 12), 0xFFFFFFFFu);
    EXPECT_EQ(c.GetPixel(5, 10), 0x00C0C0C0u);
    EXPECT_EQ(c.GetPixel(5, 13), 0xFFFFFFFFu);
    EXPECT_EQ(c.GetPixel(5, 5), 0x00FFFFFFu); // canvas background
}

TEST(FrameCompositeTest, BackdropPasteIncludesObjectsBelowAndSkipsOpaqueObjects)
{
    CAnimation a;
    CFrame& back = *a.firstFrame;
    back.backgroundColour = 0x00000080;
    CFrame& f = *a.AppendFrame();
    f.borderWidth = 5; // not shown over a backdrop
    f.SetBackgroundFrame(&back);
    f.AppendObject(solid(400, 580, 10, 10, 0x0000FF00));
    CLayerObject* top = f.AppendObject(solid(405, 575, 10, 10, 0x80FF0000u));
    const CRaster& c = top->composite;
    // Row 0 lies over the backdrop (0x800000 in raster order), rows 5… over the green object.
    EXPECT_EQ(c.GetPixel(0, 0), ((255u * 127 + 0x80u * 128) / 255) << 16);
    EXPECT_EQ(c.GetPixel(0, 7), ((255u * 127) / 255) << 16 | ((255u * 128) / 255) << 8);
    // An opaque object takes nothing from beneath.
    CLayerObject* opaque = f.AppendObject(solid(400, 580, 4, 4, 0x00000001));
    EXPECT_EQ(opaque->composite.GetPixel(0, 0), 0x00000001u);
}

TEST(FrameTest, ColourAtPicksTopObjectThenBackground)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.backgroundColour = 0x00563412;
    f.AppendObject(solid(400, 580, 10, 10, 0x00AAAAAA));
    f.AppendObject(solid(405, 580, 10, 10, 0x40BBBBBB));
    EXPECT_EQ(f.ColourAt(401, 581), 0x00AAAAAAu);
    EXPECT_EQ(f.ColourAt(406, 581), 0x40BBBBBBu);
    EXPECT_EQ(f.ColourAt(500, 600), 0x00123456u);
    EXPECT_EQ(f.ColourAt(10, 10), 0xC0C0C0u);   // outside the canvas, no layer
    EXPECT_EQ(f.ColourAt(365, 600), 0xC0C0C0u); // just left of it
}

TEST(FrameTest, GeneratedChainsAreFreedWithTheFrame)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    auto node = std::make_unique<GeneratedFrame>(CRaster(4, 4));
    for (int i = 0; i < 10000; ++i) {
        auto head = std::make_unique<GeneratedFrame>();
        head->next = std::move(node);
        node = std::move(head);
    }
    f.animationFrames = std::move(node);
    EXPECT_EQ(generatedChainLength(f.animationFrames.get()), 10001);
    EXPECT_TRUE(a.IsAnimated());
    f.ClearGenerated();
    EXPECT_EQ(f.animationFrames, nullptr);
    EXPECT_FALSE(a.IsAnimated());
}

TEST(FrameRenderTest, OutOfRangeBorderWidthsStayInRange)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.borderColour = 0x0000FF;
    f.borderWidth = 0x7FFFFFFF; // as a damaged file might carry it
    CLayerObject* glass = f.AppendObject(solid(400, 580, 4, 4, 0xFF000000));
    f.Render();
    EXPECT_EQ(f.image.GetPixel(234, 30), 0x00FF0000u); // all border
    EXPECT_EQ(glass->composite.GetPixel(1, 1), 0x00FF0000u);
    f.borderWidth = -7; // no border
    f.Render();
    EXPECT_EQ(f.image.GetPixel(0, 0), 0x00FFFFFFu);
}

TEST(FrameRenderTest, StartingAtACoveringObjectGivesThePlainPasteResult)
{
    // Canvas (366, 570)–(834, 630). Objects as (x, y, w, h, colour), bottom first.
    struct Box {
        int x, y, w, h;
        std::uint32_t colour;
    };
    const std::vector<std::vector<Box>> stacks = {
        {{366, 570, 468, 60, 0x00102030}},                                  // exactly the canvas
        {{400, 580, 9, 9, 0x00FF0000}, {366, 570, 468, 60, 0x00102030}},    // hides the one below
        {{366, 570, 468, 60, 0x00102030}, {400, 580, 9, 9, 0x00FF0000}},    // one above it
        {{300, 500, 600, 200, 0x00405060}, {830, 620, 20, 20, 0x0000FF00}}, // larger than the canvas
        {{366, 570, 468, 60, 0x80102030}},                                  // half transparent
        {{366, 570, 467, 60, 0x00102030}},                                  // one column short
    };
    for (std::size_t k = 0; k < stacks.size(); ++k) {
        CAnimation a;
        CFrame& f = *a.firstFrame;
        f.backgroundColour = 0x000000FF;
        for (const Box& b : stacks[k])
            f.AppendObject(solid(b.x, b.y, b.w, b.h, b.colour));
        f.Render();
        CRaster expected(f.image.width(), f.image.height());
        f.RenderBackground(expected);
        f.RenderInto(expected, *f.canvas);
        const auto got = std::as_const(f.image).pixels();
        const auto want = std::as_const(expected).pixels();
        EXPECT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end())) << k;
        // An opaque object the canvas's size at the top is the frame image itself.
        EXPECT_EQ(f.image.SharesPixelsWith(f.tail->ownImage), k <= 1) << k;
    }
}
