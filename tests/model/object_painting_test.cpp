// What the kinds draw on the view: the label's baseline drag marker, its reduced handle set and
// the clone's grey handles.
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/text_object.h"
#include "support/raster_builders.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace lw;

namespace {

std::unique_ptr<CTextObject> label(const std::string& text)
{
    auto t = std::make_unique<CTextObject>();
    t->font = LogFont::documentDefault();
    t->text = text;
    t->position = {30, 50};
    t->Render();
    return t;
}

QImage whiteImage()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isWhite(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

} // namespace

TEST(TextPainting, DragOutlineIsTheMovedBaseline)
{
    const auto t = label("Drag");
    QImage image = whiteImage();
    {
        QPainter p(&image);
        p.setPen(Qt::black);
        ViewMapping view;
        view.painter = &p;
        t->DrawDragOutline(p, 5, 7, view);
    }
    const int baseline = 50 + 7; // top + ascent, moved by dy
    EXPECT_FALSE(isWhite(image, t->rect.left + 5 + 2, baseline));
    EXPECT_FALSE(isWhite(image, t->rect.right + 5 - 2, baseline));
    EXPECT_TRUE(isWhite(image, t->rect.left + 5 + 2, t->rect.top + 7)) << "no rectangle outline";
    EXPECT_TRUE(isWhite(image, t->rect.left + 5 + 2, baseline + 2));
}

TEST(TextPainting, OnlyTheOfferedHandlesAreDrawn)
{
    const auto t = label("Handles");
    QImage image = whiteImage();
    {
        QPainter p(&image);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        ViewState view;
        t->DrawHandles(p, view);
    }
    auto drawn = [&](int handle) {
        const LayerRect h = handleRect(t->rect, handle);
        return !isWhite(image, h.left, h.top);
    };
    EXPECT_TRUE(drawn(3));
    EXPECT_TRUE(drawn(4));
    EXPECT_TRUE(drawn(2));
    EXPECT_FALSE(drawn(1));
    EXPECT_FALSE(drawn(5));
    EXPECT_FALSE(drawn(8));
}

TEST(ClonePainting, HandlesAreGreyAndTheWhiteBrushComesBack)
{
    CBitmapObject source;
    source.MoveTo(40, 40);
    source.TakePixels(lwtest::rasterFromRows(30, 20, {}));
    CCloneObject clone(&source);
    QImage image = whiteImage();
    {
        QPainter p(&image);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        clone.DrawHandles(p, ViewState{});
        EXPECT_EQ(p.brush().color(), QColor(Qt::white));
    }
    const LayerRect h = handleRect(clone.rect, 5);
    EXPECT_EQ(image.pixel(h.left + 3, h.top + 3) & 0xFFFFFF, 0x808080u);
    EXPECT_EQ(image.pixel(h.left, h.top) & 0xFFFFFF, 0u);
}
