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

// The view's tools, each valued as the command that picks it. Clones are hit only while the
// selection tool is active.
enum class ViewTool : int {
    Zoom = 32773,
    Select = 32774,
    Rectangle = 32775,
    Ellipse = 32777,
    Pencil = 32778,
    ColourPicker = 32779,
    Text = 32780,
    Bucket = 32781,
    Eraser = 32782,
    BitmapCrop = 32799,
    NewBitmap = 32809,
    Line = 32930,
    GradientBitmap = 32973,
};

struct ViewState {
    QPoint workspacePoint; // the point in workspace pixels
    QPoint zoomedPoint;    // the same point in zoomed workspace pixels (workspace × zoom)
    ViewTool tool = ViewTool::Select;
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
