#include "model/layer_object.h"
#include "model_test_objects.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

using namespace lw;
using lwtest::solid;

namespace {

ViewState pointAt(int x, int y, int zoom = 1, ViewTool tool = ViewTool::Select)
{
    ViewState v;
    v.workspacePoint = QPoint(x, y);
    v.zoomedPoint = QPoint(x * zoom, y * zoom);
    v.zoom = zoom;
    v.tool = tool;
    return v;
}

struct RecordingWindow : RepaintTarget {
    void invalidate(int l, int t, int r, int b) override { rects.push_back({l, t, r, b}); }
    std::vector<LayerRect> rects;
};

} // namespace

TEST(LayerObjectTest, CopyFromTakesGeometryAndIntroOutroButNotTheAnimationEffect)
{
    auto source = solid(10, 20, 5, 4, 0x11223344);
    source->position = {10, 20};
    source->introEffect = {7, 2, 9};
    source->outroEffect = {8, 3, 1};
    source->animationEffect = {5, 5, 5};
    source->selected = 1;
    source->hasTransparency = 1;
    auto target = solid(0, 0, 1, 1, 0);
    target->animationEffect = {42, 1, 2};
    target->CopyFrom(*source);
    EXPECT_EQ(target->rect, (LayerRect{10, 20, 15, 24}));
    EXPECT_EQ(target->position, (LayerPoint{10, 20}));
    EXPECT_EQ(target->introEffect, (EffectAssignment{7, 2, 9}));
    EXPECT_EQ(target->outroEffect, (EffectAssignment{8, 3, 1}));
    EXPECT_EQ(target->animationEffect, (EffectAssignment{42, 1, 2}));
    EXPECT_EQ(target->selected, 1);
    EXPECT_EQ(target->hasTransparency, 1);
    EXPECT_EQ(target->ownImage.width(), 5);
    EXPECT_EQ(target->composite.height(), 4);
}

TEST(LayerObjectTest, CancelEditRestoresGeometryAndImageSize)
{
    auto o = solid(100, 100, 10, 10, 0);
    o->BeginEdit();
    EXPECT_TRUE(o->IsEditing());
    o->ResizeImages(30, 5);
    o->MoveTo(200, 300);
    o->hasTransparency = 1;
    EXPECT_EQ(o->rect, (LayerRect{200, 300, 230, 305}));
    o->CancelEdit();
    EXPECT_FALSE(o->IsEditing());
    EXPECT_EQ(o->rect, (LayerRect{100, 100, 110, 110}));
    EXPECT_EQ(o->position, (LayerPoint{100, 100}));
    EXPECT_EQ(o->hasTransparency, 0);
    EXPECT_EQ(o->ownImage.width(), 10);
    EXPECT_EQ(o->composite.height(), 10);
}

TEST(LayerObjectTest, ComposeBlendsByTransparencyWithTruncation)
{
    auto o = solid(0, 0, 3, 1, 0);
    o->ownImage.Lock();
    o->ownImage.SetPixel(0, 0, 0x00102030);  // opaque: copied
    o->ownImage.SetPixel(1, 0, 0xFF102030);  // fully transparent: leaves what is beneath
    o->ownImage.SetPixel(2, 0, 0x80FF0000u); // half: (255 * 127 + 0 * 128) / 255 = 127
    o->ownImage.Unlock();
    o->composite.FillRect(0x000000FF);
    o->hasTransparency = 0;
    o->Compose();
    EXPECT_EQ(o->composite.GetPixel(0, 0), 0x00102030u);
    EXPECT_EQ(o->composite.GetPixel(1, 0), 0x000000FFu);
    EXPECT_EQ(o->composite.GetPixel(2, 0), 0x007F0080u);
    EXPECT_EQ(o->hasTransparency, 1);
}

TEST(LayerObjectTest, ComposeLimitedToAWorkspaceRectangle)
{
    auto o = solid(50, 50, 4, 1, 0x00ABCDEF);
    o->composite.FillRect(0x00000000);
    const LayerRect area{52, 0, 60, 100};
    o->Compose(&area);
    EXPECT_EQ(o->composite.GetPixel(1, 0), 0u);
    EXPECT_EQ(o->composite.GetPixel(2, 0), 0x00ABCDEFu);
    EXPECT_EQ(o->composite.GetPixel(3, 0), 0x00ABCDEFu);
}

TEST(LayerObjectTest, HitTestIgnoresTransparentPixelsFarFromOpaqueOnes)
{
    auto o = solid(100, 100, 40, 40, 0xFF000000);
    o->ownImage.Lock();
    o->ownImage.SetPixel(20, 20, 0x00000000);
    o->ownImage.Unlock();
    EXPECT_TRUE(o->HitTest(pointAt(126, 126)));  // 6 pixels from the opaque one
    EXPECT_FALSE(o->HitTest(pointAt(127, 120))); // 7 pixels away
    EXPECT_FALSE(o->HitTest(pointAt(99, 120)));  // outside the rectangle
    // Near the edge the square reaches outside the image, which counts as opaque white.
    EXPECT_TRUE(o->HitTest(pointAt(102, 102)));
}

TEST(LayerObjectTest, HandleGeometryAndHitHandleAtZoom)
{
    const LayerRect z{20, 40, 60, 80};
    EXPECT_EQ(handleRect(z, 1), (LayerRect{12, 32, 19, 39}));
    EXPECT_EQ(handleRect(z, 2), (LayerRect{36, 32, 43, 39}));
    EXPECT_EQ(handleRect(z, 3), (LayerRect{61, 32, 68, 39}));
    EXPECT_EQ(handleRect(z, 4), (LayerRect{61, 56, 68, 63}));
    EXPECT_EQ(handleRect(z, 5), (LayerRect{61, 81, 68, 88}));
    EXPECT_EQ(handleRect(z, 6), (LayerRect{36, 81, 43, 88}));
    EXPECT_EQ(handleRect(z, 7), (LayerRect{12, 81, 19, 88}));
    EXPECT_EQ(handleRect(z, 8), (LayerRect{12, 56, 19, 63}));

    auto o = solid(10, 20, 20, 20, 0);
    ViewState v;
    v.zoom = 2;
    v.zoomedPoint = QPoint(64, 85); // inside handle 5 of the zoomed rectangle
    EXPECT_EQ(o->HitHandle(v), 5);
    v.zoomedPoint = QPoint(19, 39); // right and bottom are exclusive
    EXPECT_EQ(o->HitHandle(v), 0);
    v.zoomedPoint = QPoint(18, 38);
    EXPECT_EQ(o->HitHandle(v), 1);
}

TEST(LayerObjectTest, MovesCentresAndOffsets)
{
    auto o = solid(0, 0, 10, 6, 0);
    o->CentreOn(600, 600);
    EXPECT_EQ(o->rect, (LayerRect{595, 597, 605, 603}));
    o->OffsetBy(-5, 3);
    EXPECT_EQ(o->rect, (LayerRect{590, 600, 600, 606}));
    EXPECT_EQ(o->position, (LayerPoint{590, 600}));
    o->Resize(LayerRect{0, 0, 0, 5}); // empty: ignored
    EXPECT_EQ(o->rect.left, 590);
    o->SetRect(LayerRect{1, 2, 3, 4}, 0);
    EXPECT_EQ(o->rect, (LayerRect{1, 2, 3, 4}));
}

TEST(LayerObjectTest, RenderIntoPastesTheCompositeRelativeToTheCanvas)
{
    auto o = solid(105, 210, 2, 2, 0x00123456);
    o->composite.CopyFrom(o->ownImage);
    CRaster target(10, 10);
    target.FillRect(0x00FFFFFF);
    o->RenderInto(target, LayerRect{100, 200, 110, 210});
    // It lands at (5, 10), just below the target: nothing changes.
    EXPECT_EQ(target.GetPixel(5, 9), 0x00FFFFFFu);
    EXPECT_EQ(target.GetPixel(6, 9), 0x00FFFFFFu);
    CRaster tall(10, 12);
    o->RenderInto(tall, LayerRect{100, 200, 110, 212});
    EXPECT_EQ(tall.GetPixel(5, 10), 0x00123456u);
    EXPECT_EQ(tall.GetPixel(6, 11), 0x00123456u);
    EXPECT_EQ(tall.GetPixel(4, 10), 0u);
}

TEST(LayerObjectTest, InvalidateHandlesShiftsByTheScrollOrigin)
{
    auto o = solid(10, 20, 20, 20, 0);
    RecordingWindow window;
    ViewMapping view;
    view.zoom = 2;
    view.origin = QPoint(5, 7);
    o->InvalidateHandles(window, view);
    ASSERT_EQ(window.rects.size(), 8u);
    EXPECT_EQ(window.rects[0], (LayerRect{12 - 5, 32 - 7, 19 - 5, 39 - 7}));
    EXPECT_EQ(window.rects[4], (LayerRect{61 - 5, 81 - 7, 68 - 5, 88 - 7}));
}

TEST(LayerObjectTest, HandlesAndDragOutlineDrawnOnAPainter)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    auto o = solid(20, 20, 30, 30, 0);
    {
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::red);
        o->DrawHandles(p, pointAt(0, 0));
        ViewMapping view;
        view.zoom = 1;
        p.setPen(QPen(Qt::blue, 0));
        o->DrawDragOutline(p, 10, 5, view);
    }
    // Handle 1 covers 12…18: black edge, red inside, white just outside.
    EXPECT_EQ(image.pixel(12, 12), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(18, 18), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(19, 19), qRgb(255, 255, 255));
    // The outline of (30, 25)–(60, 55).
    EXPECT_EQ(image.pixel(30, 40), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(45, 25), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(45, 40), qRgb(255, 255, 255));
}
