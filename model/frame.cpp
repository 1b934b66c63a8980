#include "model/frame.h"

#include "model/animation.h"
#include "model/clip_region.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace lw {

namespace {

QRect toQRect(const LayerRect& r)
{
    return QRect(r.left, r.top, rectWidth(r), rectHeight(r));
}

// A border wider than the workspace paints the same as one that fills it (and keeps the
// arithmetic below in range for any stored value).
int borderExtent(std::int32_t borderWidth)
{
    return std::clamp(borderWidth, 0, kWorkspaceSize);
}

// Whether the object's composite, pasted at its rectangle, replaces every canvas pixel.
bool coversCanvas(const CLayerObject& object, const LayerRect& canvas)
{
    const LayerRect& r = object.rect;
    return object.composite.hasBlock() && object.composite.width() == rectWidth(r) &&
           object.composite.height() == rectHeight(r) && r.left <= canvas.left && r.top <= canvas.top &&
           r.right >= canvas.right && r.bottom >= canvas.bottom;
}

QColor frameColour(std::uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace

CFrame::~CFrame()
{
    // Edits end here; clones elsewhere are the animation's business while it deletes frames.
    animation = nullptr;
    Commit();
    ClearGenerated();
}

void CFrame::ClearGenerated()
{
    freeGeneratedChain(introFrames);
    freeGeneratedChain(outroFrames);
    freeGeneratedChain(animationFrames);
    freeGeneratedChain(enterFrames);
    freeGeneratedChain(leaveFrames);
}

void CFrame::AttachToCanvas(const LayerRect* canvasRect, CAnimation* owner)
{
    canvas = canvasRect;
    if (owner)
        animation = owner;
    if (canvas)
        image.Create(rectWidth(*canvas), rectHeight(*canvas));
}

void CFrame::RetargetClones(const CLayerObject* gone, CLayerObject* successor)
{
    if (animation)
        animation->RetargetClones(gone, successor);
    else
        CLayerList::RetargetClones(gone, successor);
}

void CFrame::UpdateComposites(CLayerObject* from)
{
    const LayerRect canvasRect = canvasRectOrEmpty();
    for (CLayerObject* object = from; object; object = object->next.get()) {
        matchCloneSize(*object);
        if (object->ShareOpaqueComposite())
            continue;
        object->composite.Fill(255);
        if (object->hasTransparency) {
            const LayerRect& r = object->rect;
            if (backgroundImage()) {
                backgroundImage()->PasteInto(object->composite, canvasRect.left - r.left,
                                             canvasRect.top - r.top);
            } else {
                // In object coordinates: the canvas's drop shadow, its border and its background.
                const LayerRect c = offsetRect(canvasRect, -r.left, -r.top);
                object->composite.FillRect(kShadowColour,
                                           LayerRect{c.right, c.top + 3, c.right + 3, c.bottom + 3});
                object->composite.FillRect(kShadowColour,
                                           LayerRect{c.left + 3, c.bottom, c.right + 3, c.bottom + 3});
                if (borderWidth > 0)
                    object->composite.FillRect(rasterColourFromFrameColour(borderColour), c);
                object->composite.FillRect(rasterColourFromFrameColour(backgroundColour),
                                           inflateRect(c, -borderExtent(borderWidth)));
            }
            for (const CLayerObject* below = head.get(); below && below != object; below = below->next.get())
                below->RenderInto(object->composite, r);
        }
        object->Compose(nullptr);
    }
}

void CFrame::RenderBackground(CRaster& target) const
{
    if (backgroundImage() && backgroundImage()->width() == target.width() &&
        backgroundImage()->height() == target.height()) {
        target.CopyPixels(*backgroundImage());
        return;
    }
    target.FillRect(rasterColourFromFrameColour(backgroundColour));
    if (borderWidth > 0) {
        const std::uint32_t border = rasterColourFromFrameColour(borderColour);
        const int w = target.width(), h = target.height();
        const int b = borderExtent(borderWidth);
        target.FillRect(border, LayerRect{0, 0, w, b});
        target.FillRect(border, LayerRect{0, h - b, w, h});
        target.FillRect(border, LayerRect{0, 0, b, h});
        target.FillRect(border, LayerRect{w - b, 0, w, h});
    }
}

void CFrame::Render()
{
    if (!image.hasBlock())
        return;
    // Objects paste their composites, so whatever lies under the topmost object that covers the
    // whole canvas is pasted over: drawing starts there. When that object is exactly the
    // canvas, the frame image is its composite and shares its pixels.
    const LayerRect c = canvasRectOrEmpty();
    const CLayerObject* cover = tail;
    while (cover && !coversCanvas(*cover, c))
        cover = cover->prev;
    if (!cover) {
        RenderBackground(image);
        RenderInto(image, c);
        return;
    }
    if (cover->rect == c)
        image.ShareFrom(cover->composite);
    else
        cover->RenderInto(image, c);
    for (const CLayerObject* above = cover->next.get(); above; above = above->next.get())
        above->RenderInto(image, c);
}

void CFrame::RenderWithChain()
{
    // Background frames first, deepest first; a loop of backgrounds is rendered once round.
    std::vector<CFrame*> chain;
    for (CFrame* f = backgroundFrame; f && f != this; f = f->backgroundFrame) {
        if (std::find(chain.begin(), chain.end(), f) != chain.end())
            break;
        chain.push_back(f);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        (*it)->UpdateAllComposites();
        (*it)->Render();
    }
    UpdateAllComposites();
    Render();
}

void CFrame::LinkBackgroundFrame(CFrame* frame)
{
    if (!frame || frame == this) {
        backgroundFrame = nullptr;
    } else {
        backgroundFrame = frame;
        backgroundColour = frame->backgroundColour;
    }
}

void CFrame::SetBackgroundFrame(CFrame* frame)
{
    if (frame && frame != this)
        frame->Render();
    LinkBackgroundFrame(frame);
    UpdateAllComposites();
    Render();
}

std::uint32_t CFrame::ColourAt(int x, int y) const
{
    for (const CLayerObject* object = tail; object; object = object->prev)
        if (rectContains(object->rect, x, y))
            return object->ownImage.GetPixel(x - object->rect.left, y - object->rect.top);
    const LayerRect c = canvasRectOrEmpty();
    if (!rectContains(c, x, y))
        return kShadowColour;
    if (backgroundImage())
        return backgroundImage()->GetPixel(x - c.left, y - c.top);
    return rasterColourFromFrameColour(backgroundColour);
}

void CFrame::Paint(QPainter& dc, const ViewMapping& view) const
{
    const int zoom = std::max(1, view.zoom);
    const LayerRect z = scaleRect(canvasRectOrEmpty(), zoom);
    dc.save();
    // The canvas outline drawn last must not be painted over: keep its four lines out.
    excludeClip(dc, QRect(z.left - 1, z.top - 1, rectWidth(z) + 2, 1));
    excludeClip(dc, QRect(z.left - 1, z.bottom, rectWidth(z) + 2, 1));
    excludeClip(dc, QRect(z.left - 1, z.top - 1, 1, rectHeight(z) + 2));
    excludeClip(dc, QRect(z.right, z.top - 1, 1, rectHeight(z) + 2));

    CLayerList::Paint(dc, view);

    if (backgroundImage()) {
        backgroundImage()->DrawZoomed(dc, zoom, canvasRectOrEmpty().left, canvasRectOrEmpty().top);
    } else {
        const int b = borderExtent(borderWidth) * zoom;
        dc.fillRect(toQRect(inflateRect(z, -b)), frameColour(backgroundColour));
        if (borderWidth > 0) {
            const QColor border = frameColour(borderColour);
            dc.fillRect(toQRect(LayerRect{z.left, z.top, z.right, z.top + b}), border);
            dc.fillRect(toQRect(LayerRect{z.left, z.top, z.left + b, z.bottom}), border);
            dc.fillRect(toQRect(LayerRect{z.left, z.bottom - b, z.right, z.bottom}), border);
            dc.fillRect(toQRect(LayerRect{z.right - b, z.top, z.right, z.bottom}), border);
        }
    }

    excludeClip(dc, toQRect(z));
    const int d = 3 * zoom;
    const QColor shadow(0xC0, 0xC0, 0xC0);
    const QRect bottomStrip = toQRect(LayerRect{z.left + d, z.bottom, z.right + d, z.bottom + d});
    const QRect rightStrip = toQRect(LayerRect{z.right, z.top + d, z.right + d, z.bottom + d});
    dc.fillRect(bottomStrip, shadow);
    excludeClip(dc, bottomStrip);
    dc.fillRect(rightStrip, shadow);
    excludeClip(dc, rightStrip);
    dc.fillRect(QRect(0, 0, kWorkspaceSize * zoom, kWorkspaceSize * zoom), Qt::white);
    dc.restore();

    dc.save();
    dc.setBrush(Qt::NoBrush);
    dc.setPen(QPen(Qt::black, 0));
    drawDeviceRectangle(dc, inflateRect(z, 1));
    dc.restore();

    PaintSelection(dc, view);
}

} // namespace lw
