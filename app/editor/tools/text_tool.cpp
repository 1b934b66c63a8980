// Text: a click asks for the text; the new text layer's top-left is the click, then the view
// goes back to the select tool.
#include "app/editor/tools/new_layers.h"
#include "app/editor/tools/tool_host.h"
#include "app/editor/tools/tool_list.h"
#include "model/text_object.h"

namespace lw {

namespace {

class TextTool : public Tool {
public:
    void activate(EditingView& view) override { view.deselectAll(); }

    void press(EditingView& view, const PointerEvent&) override
    {
        ViewSettings& settings = view.settings();
        const auto answer = view.host().askText({settings.lastText, settings.smoothing});
        if (!answer || answer->text.empty())
            return;
        view.addLayer(newTextLayer(answer->text, answer->smoothing, view.doc().textFont, settings.foreground,
                                   view.pressPoint, view.host().prompts()));
        settings.lastText = answer->text;
        settings.smoothing = answer->smoothing;
        view.nextTool = cmd::ToolSelect;
    }

    ToolCursor cursor(const EditingView&) const override { return ToolCursor::Text; }
};

} // namespace

std::unique_ptr<Tool> makeTextTool()
{
    return std::make_unique<TextTool>();
}

} // namespace lw
