#include "model_test_objects.h"

namespace lwtest {

SolidObject::SolidObject(int x, int y, int w, int h, std::uint32_t c)
{
    type = lw::kTypeRectangle;
    rect = {x, y, x, y};
    position = {x, y};
    ResizeImages(w, h);
    Repaint(c);
}

void SolidObject::Repaint(std::uint32_t c)
{
    colour = c;
    ownImage.FillRect(c);
    hasTransparency = (c >> 24) != 0;
}

std::unique_ptr<SolidObject> solid(int x, int y, int w, int h, std::uint32_t colour)
{
    return std::make_unique<SolidObject>(x, y, w, h, colour);
}

TestClone::TestClone(lw::CLayerObject* s) : source(s)
{
    type = lw::kTypeClone;
    hasTransparency = 1;
    if (s) {
        rect = s->rect;
        position = s->position;
        ResizeImages(s->width(), s->height());
        ownImage.CopyPixels(s->ownImage);
    }
}

void TestClone::Compose(const lw::LayerRect* r)
{
    if (source) {
        ResizeImages(source->width(), source->height());
        ownImage.CopyPixels(source->ownImage);
    }
    CLayerObject::Compose(r);
}

} // namespace lwtest
