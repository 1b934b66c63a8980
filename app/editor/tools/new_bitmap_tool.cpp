// New bitmap: a band becomes a bitmap layer filled with the background colour.
#include "app/editor/tools/band_tool.h"
#include "app/editor/tools/new_layers.h"
#include "app/editor/tools/tool_list.h"

namespace lw {

namespace {

class NewBitmapTool : public BandTool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

protected:
    std::unique_ptr<CLayerObject> createLayer(const EditingView& view, const LayerRect& band) const override
    {
        return newBitmapLayer(band, view.settings());
    }
};

} // namespace

std::unique_ptr<Tool> makeNewBitmapTool()
{
    return std::make_unique<NewBitmapTool>();
}

} // namespace lw
