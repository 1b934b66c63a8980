#pragma once
// One tool of the editing view. The view dispatches presses, moves and releases (workspace
// points clamped during a drag) to the current tool; a tool keeps its drag in the view's drag
// fields and changes the document only through the view's edit helpers.
#include "app/editor/editing_view.h"

#include <memory>

class QPainter;

namespace lw {

class Tool {
public:
    virtual ~Tool() = default;
    // The tool was chosen (deselecting, asking for its settings).
    virtual void activate(EditingView&) {}
    virtual void press(EditingView& view, const PointerEvent& event) = 0;
    virtual void move(EditingView&, QPoint /*point*/, const PointerEvent&) {}
    virtual void release(EditingView&, QPoint /*point*/, const PointerEvent&) {}
    // Right button; the default picks nothing.
    virtual void rightPress(EditingView&, const PointerEvent&) {}
    virtual void doubleClick(EditingView&, const PointerEvent&) {}
    // After the hover step (the picker reads the pixel here).
    virtual void hovered(EditingView&, QPoint /*point*/) {}
    // Window pixels; drawn in inverting mode.
    virtual void paintOverlay(const EditingView&, QPainter&) const {}
    virtual ToolCursor cursor(const EditingView& view) const = 0;
};

// The tool of a tool command id; the select tool for an unknown id.
std::unique_ptr<Tool> makeTool(int id);

// Shared by the tools: the dotted inverting outline of a workspace rectangle or line.
void paintBand(const EditingView& view, QPainter& painter, const LayerRect& band, bool ellipse = false);
void paintRubberLine(const EditingView& view, QPainter& painter, QPoint from, QPoint to);
// Picks the composed pixel at a point into the foreground or (background) the background colour.
void pickColour(EditingView& view, QPoint point, bool background);

} // namespace lw
