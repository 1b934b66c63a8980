#pragma once
// What the view hands to the model's hit tests and screen painting. The view owns both.
//
// Painting coordinates: the painter given to Paint draws in zoomed workspace pixels (workspace
// × zoom). The view translates it by minus `origin` before the call, where `origin` is the zoomed
// workspace point shown at the window's top-left (the scroll position, negative when the
// workspace is centred in a larger window); window pixel = zoomed pixel − origin. The origin is
// carried as well because invalidation works in window pixels.
#include <QPoint>

class QPainter;

namespace lw {

// Command id of the selection tool; clones are hit only while it is active.
inline constexpr int kSelectionToolId = 32774;

struct ViewState {
    QPoint workspacePoint; // the point in workspace pixels
    QPoint zoomedPoint;    // the same point in zoomed workspace pixels (workspace × zoom)
    int toolId = kSelectionToolId;
    int zoom = 1;
};

struct ViewMapping {
    QPainter* painter = nullptr;
    int zoom = 1;
    QPoint origin; // zoomed workspace point at the window's top-left
};

} // namespace lw

namespace lw {

// The window a model operation asks to repaint parts of (the view implements it with
// QWidget::update). Rectangles are in window pixels, right and bottom exclusive.
class RepaintTarget {
public:
    virtual ~RepaintTarget() = default;
    virtual void invalidate(int left, int top, int right, int bottom) = 0;
};

} // namespace lw
