#include "app/editor/colour_rules.h"

#include "app/editor/document_session.h"

#include "model/edit_scope.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <vector>

namespace lw {
namespace {

// Recolours the layers in one undo step, lowest first, then the composites above them.
template <class Change>
void recolour(DocumentSession& session, const std::vector<CLayerObject*>& layers, Change change)
{
    if (layers.empty())
        return;
    CFrame& frame = session.currentFrame();
    EditScope edit(session.doc, &frame, UndoStep::Objects);
    for (CLayerObject* layer : layers) {
        edit.beginObjectEdit(*layer);
        change(*layer);
    }
    frame.UpdateComposites(layers.front());
    edit.announce(DocumentChange::ObjectChanged);
    edit.markModified();
}

} // namespace

void applyForegroundColour(DocumentSession& session, std::uint32_t colour)
{
    std::vector<CLayerObject*> layers;
    CFrame& frame = session.currentFrame();
    for (int i = 0; i < frame.CountSelected(); ++i) {
        CLayerObject* layer = frame.NthSelected(i);
        if (layer->type == kTypeText || layer->type == kTypeRectangle || layer->type == kTypeEllipse)
            layers.push_back(layer);
    }
    recolour(session, layers, [colour](CLayerObject& layer) {
        if (auto* text = dynamic_cast<CTextObject*>(&layer)) {
            text->textColour = colour;
            text->Render();
        } else if (auto* rect = dynamic_cast<CRectObject*>(&layer)) {
            rect->style.lineColour = colour;
            rect->Render();
        } else if (auto* ellipse = dynamic_cast<CEllipseObject*>(&layer)) {
            ellipse->colour = colour;
            ellipse->Render();
        }
    });
    session.view.foreground = colour;
}

void applyBackgroundColour(DocumentSession& session, std::uint32_t colour)
{
    CFrame& frame = session.currentFrame();
    CLayerObject* only = frame.CountSelected() == 1 ? frame.NthSelected(0) : nullptr;
    if (only && only->type == kTypeRectangle)
        recolour(session, {only}, [colour](CLayerObject& layer) {
            auto& rect = static_cast<CRectObject&>(layer);
            rect.style.fillColour = colour;
            rect.Render();
        });
    session.view.background = colour;
}

} // namespace lw
