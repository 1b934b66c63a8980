#include "model/layer_object.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstring>
#include <utility>

namespace lw {

CLayerObject::~CLayerObject()
{
    // A long chain above this object is freed by its list; a lone object has no next.
    while (next) {
        std::unique_ptr<CLayerObject> above = std::move(next->next);
        next = std::move(above);
    }
}

void CLayerObject::ResizeImages(int width, int height)
{
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    ownImage.Create(width, height);
    composite.Create(width, height);
}

void CLayerObject::CopyFrom(const CLayerObject& other)
{
    if (&other == this)
        return;
    ResizeImages(other.width(), other.height());
    rect = other.rect;
    position = other.position;
    introEffect = other.introEffect;
    outroEffect = other.outroEffect;
    selected = other.selected;
    hasTransparency = other.hasTransparency;
}

void CLayerObject::FillAt(int, int, std::uint32_t) {}

void CLayerObject::EndEdit()
{
    editing = 0;
}

bool CLayerObject::IsEditing() const
{
    return editing != 0;
}

void CLayerObject::BeginEdit()
{
    editing = 1;
    savedRect = rect;
    savedPosition = position;
    savedTransparency = hasTransparency;
}

void CLayerObject::CancelEdit()
{
    editing = 0;
    if (rectWidth(savedRect) != width() || rectHeight(savedRect) != height())
        ResizeImages(rectWidth(savedRect), rectHeight(savedRect));
    rect = savedRect;
    position = savedPosition;
    hasTransparency = savedTransparency;
}

std::uint32_t composePixel(std::uint32_t s, std::uint32_t d)
{
    const std::uint32_t t = s >> 24;
    if (t == 255)
        return d;
    if (t == 0)
        return s;
    const std::uint32_t a = 255 - t;
    const std::uint32_t r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * t) / 255;
    const std::uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * t) / 255;
    const std::uint32_t b = ((s & 0xFF) * a + (d & 0xFF) * t) / 255;
    return r << 16 | g << 8 | b;
}

bool CLayerObject::ShareOpaqueComposite()
{
    // Clones refresh their pixels from their source inside Compose, so they always compose.
    if (hasTransparency || IsClone() || !ownImage.hasBlock() || ownImage.width() != width() ||
        ownImage.height() != height())
        return false;
    if (!allOpaque(std::as_const(ownImage).pixels()))
        return false;
    composite.ShareFrom(ownImage);
    return true;
}

void CLayerObject::Compose(const LayerRect* area)
{
    const int w = std::min(ownImage.width(), composite.width());
    const int h = std::min(ownImage.height(), composite.height());
    if (w <= 0 || h <= 0 || !ownImage.hasBlock() || !composite.hasBlock())
        return;
    // The update rectangle is in workspace pixels; the images start at the object's left-top.
    LayerRect r{0, 0, w, h};
    if (area)
        r = intersectRect(r, offsetRect(*area, -rect.left, -rect.top));
    if (rectIsEmpty(r))
        return;
    bool transparent = false;
    const std::uint32_t* src = ownImage.bits();
    std::uint32_t* dst = composite.bits();
    const auto n = static_cast<std::size_t>(r.right - r.left);
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* s = src + ownImage.indexOf(r.left, y);
        std::uint32_t* d = dst + composite.indexOf(r.left, y);
        // Most rows are wholly opaque: one pass to find out, then a plain copy.
        if (allOpaque({s, n})) {
            std::memcpy(d, s, n * sizeof *s);
            continue;
        }
        transparent = true;
        for (std::size_t x = 0; x < n; ++x)
            d[x] = composePixel(s[x], d[x]);
    }
    if (transparent)
        hasTransparency = 1;
}

void CLayerObject::MoveTo(int x, int y)
{
    rect = offsetRect(rect, x - rect.left, y - rect.top);
    position = {x, y};
}

void CLayerObject::SetRect(const LayerRect& r, std::uint32_t)
{
    rect = r;
}

void CLayerObject::Resize(const LayerRect& r)
{
    if (rectWidth(r) <= 0 || rectHeight(r) <= 0)
        return;
    rect = r;
}

bool CLayerObject::HitTest(const ViewState& view) const
{
    const int px = view.workspacePoint.x();
    const int py = view.workspacePoint.y();
    if (!rectContains(rect, px, py))
        return false;
    // Transparent parts do not catch the mouse, but a nearly transparent stroke stays easy to grab.
    const int ox = px - rect.left;
    const int oy = py - rect.top;
    for (int y = oy - 6; y <= oy + 6; ++y)
        for (int x = ox - 6; x <= ox + 6; ++x)
            if ((ownImage.GetPixel(x, y) >> 24) != 255)
                return true;
    return false;
}

LayerRect handleRect(const LayerRect& z, int handle)
{
    const int l = z.left, t = z.top, r = z.right, b = z.bottom;
    switch (handle) {
    case 1:
        return {l - 8, t - 8, l - 1, t - 1};
    case 2:
        return {(r - 7 + l) / 2, t - 8, (r + 7 + l) / 2, t - 1};
    case 3:
        return {r + 1, t - 8, r + 8, t - 1};
    case 4:
        return {r + 1, (b - 7 + t) / 2, r + 8, (b + 7 + t) / 2};
    case 5:
        return {r + 1, b + 1, r + 8, b + 8};
    case 6:
        return {(r - 7 + l) / 2, b + 1, (r + 7 + l) / 2, b + 8};
    case 7:
        return {l - 8, b + 1, l - 1, b + 8};
    case 8:
        return {l - 8, (b - 7 + t) / 2, l - 1, (b + 7 + t) / 2};
    default:
        return {};
    }
}

int CLayerObject::HitHandle(const ViewState& view) const
{
    const LayerRect zoomed = scaleRect(rect, std::max(1, view.zoom));
    for (int handle = 1; handle <= 8; ++handle)
        if (rectContains(handleRect(zoomed, handle), view.zoomedPoint.x(), view.zoomedPoint.y()))
            return handle;
    return 0;
}

void drawDeviceRectangle(QPainter& dc, const LayerRect& r)
{
    if (rectIsEmpty(r))
        return;
    // Fill first, then the 1-pixel outline on the outermost pixels, like the device primitive.
    if (dc.brush().style() != Qt::NoBrush)
        dc.fillRect(QRect(r.left, r.top, rectWidth(r), rectHeight(r)), dc.brush());
    if (dc.pen().style() == Qt::NoPen)
        return;
    const QColor c = dc.pen().color();
    dc.fillRect(QRect(r.left, r.top, rectWidth(r), 1), c);
    dc.fillRect(QRect(r.left, r.bottom - 1, rectWidth(r), 1), c);
    dc.fillRect(QRect(r.left, r.top, 1, rectHeight(r)), c);
    dc.fillRect(QRect(r.right - 1, r.top, 1, rectHeight(r)), c);
}

void CLayerObject::DrawHandles(QPainter& dc, const ViewState& view) const
{
    const LayerRect zoomed = scaleRect(rect, std::max(1, view.zoom));
    for (int handle = 1; handle <= 8; ++handle)
        drawDeviceRectangle(dc, handleRect(zoomed, handle));
}

ObjectRecord CLayerObject::WriteRecord() const
{
    return {};
}

void CLayerObject::RenderInto(CRaster& target, const LayerRect& canvas) const
{
    composite.PasteInto(target, rect.left - canvas.left, rect.top - canvas.top);
}

void CLayerObject::CentreOn(int x, int y)
{
    MoveTo(x - (rect.left + rect.right) / 2, y - (rect.top + rect.bottom) / 2);
}

void CLayerObject::Paint(QPainter& dc, const ViewMapping& view) const
{
    if (!composite.hasBlock())
        return;
    const int zoom = std::max(1, view.zoom);
    // Only the part inside the clip box, in workspace pixels; no clip means the whole object.
    LayerRect part = rect;
    if (dc.hasClipping()) {
        const QRect clip = dc.clipBoundingRect().toAlignedRect();
        if (!clip.isEmpty()) {
            const LayerRect box{clip.left() / zoom, clip.top() / zoom, (clip.right() + 1 + zoom - 1) / zoom,
                                (clip.bottom() + 1 + zoom - 1) / zoom};
            part = intersectRect(rect, box);
            if (rectIsEmpty(part))
                return;
        }
    }
    const QImage picture = composite.toQImage();
    const QRect source(part.left - rect.left, part.top - rect.top, rectWidth(part), rectHeight(part));
    const QRect target(part.left * zoom, part.top * zoom, rectWidth(part) * zoom, rectHeight(part) * zoom);
    dc.save();
    dc.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dc.drawImage(target, picture, source);
    dc.restore();
}

void CLayerObject::InvalidateHandles(RepaintTarget& window, const ViewMapping& view) const
{
    const LayerRect zoomed = scaleRect(rect, std::max(1, view.zoom));
    for (int handle = 1; handle <= 8; ++handle) {
        const LayerRect h = offsetRect(handleRect(zoomed, handle), -view.origin.x(), -view.origin.y());
        window.invalidate(h.left, h.top, h.right, h.bottom);
    }
}

void CLayerObject::DrawDragOutline(QPainter& dc, int dx, int dy, const ViewMapping& view) const
{
    const LayerRect r = scaleRect(offsetRect(rect, dx, dy), std::max(1, view.zoom));
    const QPoint corners[5] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
    dc.drawPolyline(corners, 5);
}

void CLayerObject::OffsetBy(int dx, int dy)
{
    MoveTo(position.x + dx, position.y + dy);
}

std::unique_ptr<CLayerObject> CLayerObject::Duplicate() const
{
    auto copy = std::make_unique<CLayerObject>();
    copy->CopyFrom(*this);
    copy->type = type;
    copy->ownImage.CopyPixels(ownImage);
    copy->composite.CopyPixels(composite);
    return copy;
}

} // namespace lw
