// Ellipse: asks for the ellipse style when chosen; a band becomes an ellipse layer in the
// foreground colour.
#include "app/editor/tools/band_tool.h"
#include "app/editor/tools/new_layers.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"

namespace lw {

namespace {

class EllipseTool : public BandTool {
public:
    void activate(EditingView& view) override
    {
        const auto style = view.host().askEllipseStyle(view.settings().ellipseStyle);
        if (style && *style >= 0 && *style <= 5)
            view.settings().ellipseStyle = *style;
    }

protected:
    std::unique_ptr<CLayerObject> createLayer(const EditingView& view, const LayerRect& band) const override
    {
        return newEllipseLayer(band, view.settings());
    }
    bool outlineIsEllipse() const override { return true; }
};

} // namespace

std::unique_ptr<Tool> makeEllipseTool()
{
    return std::make_unique<EllipseTool>();
}

} // namespace lw
