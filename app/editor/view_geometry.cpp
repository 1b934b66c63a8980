#include "app/editor/view_geometry.h"

#include <algorithm>

namespace lw {

namespace {

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int originOnAxis(int zoomed, int client, int scroll)
{
    return zoomed < client ? -(client - zoomed) / 2 : scroll;
}

} // namespace

int clampZoom(int zoom)
{
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

QPoint ViewGeometry::origin() const
{
    return {originOnAxis(zoomedSize(), client.width(), scroll.x()),
            originOnAxis(zoomedSize(), client.height(), scroll.y())};
}

QPoint ViewGeometry::toWorkspace(QPoint window) const
{
    const QPoint zoomed = window + origin();
    return {floorDiv(zoomed.x(), zoom), floorDiv(zoomed.y(), zoom)};
}

QPoint ViewGeometry::toWindow(QPoint workspace) const
{
    return workspace * zoom - origin();
}

QPoint ViewGeometry::maxScroll() const
{
    return {std::max(0, zoomedSize() - client.width()), std::max(0, zoomedSize() - client.height())};
}

QPoint ViewGeometry::scrollCentredOn(QPoint workspace) const
{
    const QPoint wanted = workspace * zoom - QPoint(client.width() / 2, client.height() / 2);
    const QPoint most = maxScroll();
    return {std::clamp(wanted.x(), 0, most.x()), std::clamp(wanted.y(), 0, most.y())};
}

QPoint ViewGeometry::centre() const
{
    return toWorkspace(QPoint(client.width() / 2, client.height() / 2));
}

int pageStep(int clientSize)
{
    return std::max(1, clientSize * 4 / 5);
}

int lineStep(int clientSize)
{
    return std::max(1, pageStep(clientSize) / 10);
}

QPoint clampToWorkspace(QPoint point)
{
    return {std::clamp(point.x(), 0, kWorkspaceSize - 1), std::clamp(point.y(), 0, kWorkspaceSize - 1)};
}

int zoomToFit(QSize client, const LayerRect& rect)
{
    if (rectIsEmpty(rect))
        return kMaxZoom;
    return clampZoom(std::min(client.width() / rectWidth(rect), client.height() / rectHeight(rect)));
}

LayerRect normalisedBand(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

} // namespace lw
