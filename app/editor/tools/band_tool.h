#pragma once
// The tools that draw a band and put a new layer of its size there (rectangle, ellipse, new
// bitmap, gradient bitmap). Shift makes the band square with the side of its larger dimension.
#include "app/editor/tools/tool.h"

namespace lw {

// The band from the press to the cursor, squared with Shift (away from the press).
LayerRect shapeBand(QPoint press, QPoint cursor, bool square);

class BandTool : public Tool {
public:
    void press(EditingView& view, const PointerEvent& event) override;
    void move(EditingView& view, QPoint point, const PointerEvent& event) override;
    void release(EditingView& view, QPoint point, const PointerEvent& event) override;
    void paintOverlay(const EditingView& view, QPainter& painter) const override;
    ToolCursor cursor(const EditingView&) const override { return ToolCursor::Shape; }

protected:
    virtual std::unique_ptr<CLayerObject> createLayer(const EditingView& view,
                                                      const LayerRect& band) const = 0;
    virtual bool outlineIsEllipse() const { return false; }
};

} // namespace lw
