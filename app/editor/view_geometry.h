#pragma once
// Where the workspace lies in the view's window: the zoomed workspace scrolls, or sits centred
// when it is smaller than the window. Window pixels and workspace pixels convert through the
// paint origin (the zoomed workspace point at the window's top-left).
#include "model/layer_rect.h"

#include <QPoint>
#include <QSize>

namespace lw {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 8;

int clampZoom(int zoom);

struct ViewGeometry {
    int zoom = 1;
    QPoint scroll; // scroll position in zoomed pixels
    QSize client;  // the window's client area

    int zoomedSize() const { return kWorkspaceSize * zoom; }
    // The zoomed point at the window's top-left: the scroll position, or minus the centring offset.
    QPoint origin() const;
    // Integer division rounding down, so points left of the workspace stay negative.
    QPoint toWorkspace(QPoint window) const;
    QPoint toWindow(QPoint workspace) const;
    // The largest scroll position on each axis (0 when the workspace fits).
    QPoint maxScroll() const;
    // The scroll position that puts a workspace point in the middle of the window, clamped.
    QPoint scrollCentredOn(QPoint workspace) const;
    // The workspace point shown in the middle of the window.
    QPoint centre() const;
};

// Scroll steps: a page is four fifths of the client size, a line a tenth of a page.
int pageStep(int clientSize);
int lineStep(int clientSize);

// A drag's point held inside the workspace (0 … 1199 on both axes).
QPoint clampToWorkspace(QPoint point);

// The zoom that fits a workspace rectangle into the window: the smaller of the two integer
// ratios, 1 … 8.
int zoomToFit(QSize client, const LayerRect& rect);

// Left-top and right-bottom of two corners, right and bottom exclusive of neither: the band the
// user dragged from `a` to `b`.
LayerRect normalisedBand(QPoint a, QPoint b);

} // namespace lw
