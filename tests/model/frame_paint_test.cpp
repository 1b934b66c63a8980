#include "model/animation.h"
#include "model_test_objects.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace lw;
using lwtest::solid;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kShadow = 0xFFC0C0C0;

// Paints the frame at the zoom into an image whose (0, 0) is the zoomed workspace point
// (originX, originY), the way the view scrolls.
QImage paintFrame(const CFrame& frame, int zoom, int originX, int originY, int w, int h,
                  const QRect* clip = nullptr)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.translate(-originX, -originY);
    if (clip)
        p.setClipRect(*clip);
    ViewMapping view;
    view.painter = &p;
    view.zoom = zoom;
    view.origin = QPoint(originX, originY);
    frame.Paint(p, view);
    return image;
}

} // namespace

// The canvas of a new animation is (366, 570)–(834, 630).
TEST(FramePaintTest, CanvasBorderShadowOutlineAndWorkspace)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.backgroundColour = 0x0000FF; // red
    f.borderColour = 0x00FF00;     // green
    f.borderWidth = 2;
    const QImage img = paintFrame(f, 1, 330, 540, 560, 120);
    auto at = [&](int x, int y) { return img.pixel(x - 330, y - 540); };
    EXPECT_EQ(at(340, 550), kWhite);
    EXPECT_EQ(at(600, 600), 0xFFFF0000u);
    EXPECT_EQ(at(367, 600), 0xFF00FF00u); // border, 2 wide
    EXPECT_EQ(at(368, 600), 0xFFFF0000u);
    EXPECT_EQ(at(832, 629), 0xFF00FF00u);
    // Outline one pixel outside the canvas.
    EXPECT_EQ(at(365, 600), kBlack);
    EXPECT_EQ(at(834, 600), kBlack);
    EXPECT_EQ(at(600, 569), kBlack);
    EXPECT_EQ(at(600, 630), kBlack);
    EXPECT_EQ(at(364, 600), kWhite);
    // Drop shadow: below (x 369…836, y 630…632) and right (x 834…836, y 573…632).
    EXPECT_EQ(at(600, 631), kShadow);
    EXPECT_EQ(at(369, 632), kShadow);
    EXPECT_EQ(at(368, 632), kWhite);
    EXPECT_EQ(at(600, 633), kWhite);
    EXPECT_EQ(at(835, 600), kShadow);
    EXPECT_EQ(at(836, 573), kShadow);
    EXPECT_EQ(at(835, 572), kWhite);
    EXPECT_EQ(at(837, 600), kWhite);
}

TEST(FramePaintTest, ObjectsTopFirstWithoutOverdrawAndHandlesOfTheSelection)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.AppendObject(solid(400, 580, 20, 20, 0x000000FF));                     // blue
    CLayerObject* top = f.AppendObject(solid(410, 590, 20, 20, 0x00FF0000)); // red, over it
    f.AppendObject(solid(820, 600, 30, 10, 0x0000FF00));                     // green, beyond the right edge
    top->selected = 1;
    const QImage img = paintFrame(f, 1, 330, 540, 560, 120);
    auto at = [&](int x, int y) { return img.pixel(x - 330, y - 540); };
    EXPECT_EQ(at(401, 581), 0xFF0000FFu);
    EXPECT_EQ(at(419, 589), 0xFF0000FFu);
    EXPECT_EQ(at(415, 595), 0xFFFF0000u); // the overlap shows the upper object
    EXPECT_EQ(at(429, 609), 0xFFFF0000u);
    EXPECT_EQ(at(845, 605), 0xFF00FF00u); // over the workspace and the shadow
    EXPECT_EQ(at(835, 605), 0xFF00FF00u);
    EXPECT_EQ(at(834, 605), kBlack); // the outline stays on top
    // Handle 1 of the selected object: (402, 582)–(409, 589), black edge, white inside.
    EXPECT_EQ(at(402, 582), kBlack);
    EXPECT_EQ(at(408, 588), kBlack);
    EXPECT_EQ(at(404, 584), kWhite);
    f.selectionHidden = 1;
    const QImage hidden = paintFrame(f, 1, 330, 540, 560, 120);
    EXPECT_EQ(hidden.pixel(404 - 330, 584 - 540), 0xFF0000FFu);
}

TEST(FramePaintTest, TransparentObjectShowsItsCompositeAtZoomTwo)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    f.backgroundColour = 0x000000; // black canvas
    f.AppendObject(solid(400, 580, 10, 10, 0x80FFFFFFu));
    const int zoom = 2;
    const QImage img = paintFrame(f, zoom, 700, 1100, 300, 200);
    auto at = [&](int zx, int zy) { return img.pixel(zx - 700, zy - 1100); };
    // Half-transparent white over black: 127 in every channel, two screen pixels per pixel.
    EXPECT_EQ(at(800, 1160), qRgb(127, 127, 127));
    EXPECT_EQ(at(819, 1179), qRgb(127, 127, 127));
    EXPECT_EQ(at(820, 1180), qRgb(0, 0, 0));
    // Canvas at zoom 2 starts at x 732, y 1140; outline one screen pixel outside, shadow 6 wide.
    EXPECT_EQ(at(731, 1150), kBlack);
    EXPECT_EQ(at(732, 1150), qRgb(0, 0, 0));
    EXPECT_EQ(at(745, 1265), kShadow);
    EXPECT_EQ(at(745, 1266), kWhite);
    EXPECT_EQ(at(737, 1262), kWhite);
    EXPECT_EQ(at(738, 1262), kShadow);
}

TEST(FramePaintTest, BackgroundFrameImageAndExistingClip)
{
    CAnimation a;
    CFrame& back = *a.firstFrame;
    back.backgroundColour = 0xFF0000; // blue
    back.AppendObject(solid(366, 570, 5, 5, 0x00FFFF00));
    CFrame& f = *a.AppendFrame();
    f.borderWidth = 4; // hidden by the backdrop
    f.SetBackgroundFrame(&back);
    const QImage img = paintFrame(f, 1, 330, 540, 560, 120);
    auto at = [&](int x, int y) { return img.pixel(x - 330, y - 540); };
    EXPECT_EQ(at(367, 571), 0xFFFFFF00u);
    EXPECT_EQ(at(380, 590), 0xFF0000FFu);
    EXPECT_EQ(at(367, 600), 0xFF0000FFu);

    // Only the update region is painted.
    const QRect clip(360, 560, 20, 20);
    const QImage part = paintFrame(f, 1, 330, 540, 560, 120, &clip);
    EXPECT_EQ(part.pixel(367 - 330, 571 - 540), 0xFFFFFF00u);
    EXPECT_EQ(part.pixel(365 - 330, 571 - 540), kBlack);
    EXPECT_EQ(part.pixel(400 - 330, 600 - 540), qRgb(255, 0, 255));
}
