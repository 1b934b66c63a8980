// Rectangle: a band becomes a rectangle layer in the view's style and colours.
#include "app/editor/tools/band_tool.h"
#include "app/editor/tools/new_layers.h"
#include "app/editor/tools/tool_list.h"

namespace lw {

namespace {

class RectangleTool : public BandTool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

protected:
    std::unique_ptr<CLayerObject> createLayer(const EditingView& view, const LayerRect& band) const override
    {
        return newRectangleLayer(band, view.settings());
    }
};

} // namespace

std::unique_ptr<Tool> makeRectangleTool()
{
    return std::make_unique<RectangleTool>();
}

} // namespace lw
