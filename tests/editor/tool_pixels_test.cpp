// The pure pieces behind the tools: gradient pixels, the eraser and the status texts.
#include "app/editor/eraser.h"
#include "app/editor/gradient_fill.h"
#include "app/editor/status_texts.h"
#include "model/animation.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/ellipse_object.h"
#include "model/frame.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lw {
namespace {

TEST(GradientFill, VerticalBlackToWhiteFollowsTheFloorFormula)
{
    const auto g = gradientPixels(3, 100, 0x00000000, 0x00FFFFFF, {});
    EXPECT_FALSE(g.hasTransparency);
    struct Row {
        int row;
        std::uint32_t pixel;
    };
    for (const Row& r : {Row{0, 0x000000}, Row{1, 0x020202}, Row{50, 0x7F7F7F}, Row{99, 0xFCFCFC}})
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(g.pixels.GetPixel(x, r.row), r.pixel) << r.row;
}

TEST(GradientFill, DirectionsBlendEachChannelSeparately)
{
    // Start red opaque, end blue half transparent.
    const std::uint32_t s = 0x00FF0000, e = 0x800000FF;
    const auto h = gradientPixels(10, 4, s, e, {GradientDirection::Horizontal, false, false});
    for (int j = 0; j < 10; ++j) {
        const std::uint32_t expected = static_cast<std::uint32_t>(j * 0x80 / 10) << 24 |
                                       static_cast<std::uint32_t>((10 - j) * 255 / 10) << 16 |
                                       static_cast<std::uint32_t>(j * 255 / 10);
        EXPECT_EQ(h.pixels.GetPixel(j, 2), expected) << j;
    }
    const auto d = gradientPixels(6, 4, 0x000000, 0x0000C8, {GradientDirection::Diagonal, false, false});
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(d.pixels.GetPixel(j, i), static_cast<std::uint32_t>((i + j) * 200 / 10))
                << i << "," << j;
}

TEST(GradientFill, ToTransparentAndEllipticalMarkTransparency)
{
    const auto t = gradientPixels(1, 4, 0x00123456, 0x00FFFFFF, {GradientDirection::Vertical, true, false});
    EXPECT_TRUE(t.hasTransparency);
    for (int i = 0; i < 4; ++i) {
        // Each channel: floor((4 − i)·S/4) + floor(i·E/4), E = S except for transparency 255.
        std::uint32_t expected = static_cast<std::uint32_t>(i * 255 / 4) << 24;
        for (int shift : {0, 8, 16}) {
            const int c = 0x123456 >> shift & 0xFF;
            expected |= static_cast<std::uint32_t>((4 - i) * c / 4 + i * c / 4) << shift;
        }
        EXPECT_EQ(t.pixels.GetPixel(0, i), expected) << i;
    }

    const auto e = gradientPixels(20, 10, 0, 0, {GradientDirection::Vertical, false, true});
    EXPECT_TRUE(e.hasTransparency);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 20; ++j) {
            const double dx = (10.0 - j) / 10.0, dy = (5.0 - i) / 5.0;
            const bool outside = std::sqrt(dx * dx + dy * dy) > 1.0;
            EXPECT_EQ(e.pixels.GetPixel(j, i) >> 24, outside ? 255u : 0u) << i << "," << j;
        }
    EXPECT_EQ(e.pixels.GetPixel(0, 0) >> 24, 255u);
    EXPECT_EQ(e.pixels.GetPixel(10, 5) >> 24, 0u);
    EXPECT_FALSE(gradientPixels(0, 5, 0, 0, {}).pixels.hasBlock());
}

std::unique_ptr<CBitmapObject> makeBitmap(LayerRect r, std::uint32_t fill)
{
    auto b = std::make_unique<CBitmapObject>();
    CRaster pixels(rectWidth(r), rectHeight(r));
    pixels.FillRect(fill);
    b->TakePixels(std::move(pixels));
    b->MoveTo(r.left, r.top);
    return b;
}

int countErased(const CBitmapObject& b)
{
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += b.ownImage.GetPixel(x, y) == 0xFF00FF00u;
    return n;
}

TEST(Eraser, SquareSizeFollowsZoomAndCtrl)
{
    struct Case {
        int zoom;
        bool large;
        int half;
    };
    for (const Case& c : {Case{1, false, 3}, Case{2, false, 1}, Case{4, false, 0}, Case{8, false, 0},
                          Case{1, true, 8}, Case{4, true, 2}, Case{8, true, 1}})
        EXPECT_EQ(eraserHalfSize(c.zoom, c.large), c.half) << c.zoom << c.large;

    for (const auto& [zoom, count] : {std::pair{1, 49}, std::pair{4, 1}}) {
        const auto bp = makeBitmap({100, 100, 140, 140}, 0x00FFFFFF);
        CBitmapObject& b = *bp;
        eraseSquare(b, 120, 120, eraserHalfSize(zoom, false), 0x0000FF00);
        EXPECT_EQ(countErased(b), count) << zoom;
        EXPECT_EQ(b.ownImage.GetPixel(20, 20), 0xFF00FF00u);
        EXPECT_TRUE(b.hasTransparency);
    }
}

TEST(Eraser, ClipsAtTheLayerEdgeAndErasesAlongThePath)
{
    const auto cornerp = makeBitmap({100, 100, 140, 140}, 0x00FFFFFF);
    CBitmapObject& corner = *cornerp;
    eraseSquare(corner, 100, 100, 3, 0x0000FF00);
    EXPECT_EQ(countErased(corner), 16);

    const auto pathp = makeBitmap({0, 0, 40, 10}, 0x00FFFFFF);
    CBitmapObject& path = *pathp;
    eraseAlong(path, 2, 5, 30, 5, 0, 0x0000FF00);
    EXPECT_EQ(countErased(path), 29);
    EXPECT_EQ(path.ownImage.GetPixel(1, 5), 0x00FFFFFFu);
    EXPECT_EQ(path.ownImage.GetPixel(31, 5), 0x00FFFFFFu);
}

struct StatusFixture : ::testing::Test {
    CAnimation animation;
    CFrame& frame = *animation.firstFrame;
    LayerRect canvas = frame.canvasRectOrEmpty();

    template <class T> T* add(LayerRect r)
    {
        auto o = std::make_unique<T>();
        o->Resize(r);
        o->MoveTo(r.left, r.top);
        return static_cast<T*>(frame.AppendObject(std::move(o)));
    }
};

TEST_F(StatusFixture, PaneTextsForOneSeveralAndNoSelection)
{
    const EffectNamer names = [](std::int32_t id) -> std::optional<std::string> {
        if (id == 0)
            return std::nullopt;
        return id == 7 ? std::string("Wipe Left") : std::string("Unknown");
    };
    EXPECT_EQ(zoomPaneText(4, "Кадр 1"), "400% Кадр 1");
    EXPECT_EQ(selectionText(frame, animation, names), "");

    const int l = canvas.left, t = canvas.top;
    CRectObject* rect = add<CRectObject>({l + 5, t + 6, l + 45, t + 26});
    frame.SelectNone();
    rect->selected = 1;
    EXPECT_EQ(selectionText(frame, animation, names), "Rectangle 40 x 20 (L:5  T:6  R:45  B:26)");
    rect->introEffect.effectId = 7;
    EXPECT_EQ(selectionText(frame, animation, names),
              "Rectangle 40 x 20 (L:5  T:6  R:45  B:26), Intro: Wipe Left");
    rect->outroEffect.effectId = 99;
    EXPECT_EQ(selectionText(frame, animation, names),
              "Rectangle 40 x 20 (L:5  T:6  R:45  B:26), Intro: Wipe Left, Outro: Unknown");

    CEllipseObject* ellipse = add<CEllipseObject>({l, t, l + 10, t + 10});
    ellipse->selected = 1;
    EXPECT_EQ(selectionText(frame, animation, names), "2 objects selected.");
    rect->selected = 0;
    EXPECT_EQ(selectionText(frame, animation, names), "Ellipse 10 x 10 (L:0  T:0  R:10  B:10)");
    ellipse->selected = 0;

    CFrame& second = *animation.AppendFrame();
    CLayerObject* clone = second.AppendObject(std::make_unique<CCloneObject>(ellipse));
    second.SelectNone();
    clone->selected = 1;
    EXPECT_EQ(selectionText(second, animation, names).substr(0, 13), "Clone (0/1) 1");
}

TEST(StatusTexts, FeedbackTexts)
{
    EXPECT_EQ(sizeFeedback(40, 20), "40 x 20");
    EXPECT_EQ(moveFeedback(5, -3), "dX:+5 dY:-3");
    EXPECT_EQ(moveFeedback(0, 12), "dX:+0 dY:+12");
    EXPECT_EQ(pickerFeedback(0x00102030), "R:16 G:32 B:48 A:255");
    EXPECT_EQ(pickerFeedback(0xFF102030), "R:16 G:32 B:48 A:0");
}

} // namespace
} // namespace lw
