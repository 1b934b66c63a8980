// Gradient bitmap: asks for the gradient settings when chosen; a band becomes a bitmap layer
// with the gradient from the foreground to the background colour.
#include "app/editor/tools/band_tool.h"
#include "app/editor/tools/new_layers.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"

namespace lw {

namespace {

class GradientTool : public BandTool {
public:
    void activate(EditingView& view) override
    {
        view.deselectAll();
        if (const auto settings = view.host().askGradient(view.settings().gradient))
            view.settings().gradient = *settings;
    }

protected:
    std::unique_ptr<CLayerObject> createLayer(const EditingView& view, const LayerRect& band) const override
    {
        return newGradientLayer(band, view.settings());
    }
};

} // namespace

std::unique_ptr<Tool> makeGradientTool()
{
    return std::make_unique<GradientTool>();
}

} // namespace lw
