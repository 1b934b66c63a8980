// Bucket: fills the layer under the point from there with the foreground colour; off the layers
// it sets the frame's background colour, or its border colour on the border.
#include "app/editor/tools/tool_list.h"
#include "model/frame.h"

namespace lw {

namespace {

class BucketTool : public Tool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

    void press(EditingView& view, const PointerEvent&) override
    {
        const Hover& hover = view.hover();
        const QPoint p = view.pressPoint;
        const std::uint32_t colour = view.settings().foreground;
        if (CLayerObject* layer = hover.hitLayer ? hover.hitLayer : hover.rectLayer) {
            view.editLayer(*layer, [&] { layer->FillAt(p.x(), p.y(), colour); });
            return;
        }
        if (!hover.inFrame)
            return;
        // Frame colours are 0x00BBGGRR; the swap works both ways.
        const std::uint32_t frameColour = rasterColourFromFrameColour(colour);
        const CFrame& frame = view.frame();
        if (hover.onBorder)
            view.setFrameColours(frame.backgroundColour, frameColour);
        else
            view.setFrameColours(frameColour, frame.borderColour);
    }

    ToolCursor cursor(const EditingView& view) const override
    {
        return view.hover().hitLayer || view.hover().rectLayer ? ToolCursor::BucketLayer
                                                               : ToolCursor::BucketFrame;
    }
};

} // namespace

std::unique_ptr<Tool> makeBucketTool()
{
    return std::make_unique<BucketTool>();
}

} // namespace lw
