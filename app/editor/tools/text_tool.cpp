// Text: a click asks for the text, starting from the last one and the document's font; the new
// text layer's top-left is the click, then the view goes back to the select tool.
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
        TextProperties start;
        start.text = settings.lastText;
        start.font = view.doc().textFont;
        start.smoothing = settings.smoothing;
        const auto answer = view.host().askText(start);
        if (!answer || answer->text.empty())
            return;
        view.addLayer(newTextLayer(*answer, settings.foreground, view.pressPoint, view.host().prompts()));
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
