// Colour picker: the composed pixel under the cursor becomes the foreground colour (Shift: the
// background colour); while hovering, pane 2 shows its components.
#include "app/editor/status_texts.h"
#include "app/editor/tools/tool_list.h"
#include "model/frame.h"

namespace lw {

namespace {

class PickerTool : public Tool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

    void press(EditingView& view, const PointerEvent& event) override
    {
        pickColour(view, view.pressPoint, event.shift);
    }

    void hovered(EditingView& view, QPoint point) override
    {
        view.setFeedback(pickerFeedback(view.frame().ColourAt(point.x(), point.y())));
    }

    ToolCursor cursor(const EditingView&) const override { return ToolCursor::Picker; }
};

} // namespace

std::unique_ptr<Tool> makePickerTool()
{
    return std::make_unique<PickerTool>();
}

} // namespace lw
