#include "app/editor/property_commands.h"

#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/symbol_grid.h"
#include "model/bitmap_object.h"
#include "model/edit_scope.h"
#include "model/ellipse_object.h"
#include "model/layer_placement.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <array>

namespace lw {

namespace {

// The one selected layer when it is of `type`.
template <class Kind> Kind* onlySelected(CFrame& frame, std::uint16_t type)
{
    if (frame.CountSelected() != 1)
        return nullptr;
    CLayerObject* layer = frame.NthSelected(0);
    return layer->type == type ? static_cast<Kind*>(layer) : nullptr;
}

// Changes one layer as a structural undo step: the deep undo copy keeps every field a kind has,
// also those its own edit copy leaves out (a label's outline, an ellipse's style).
template <class Change> void changeLayer(PropertyContext& context, CLayerObject& layer, Change change)
{
    CFrame& frame = context.session.currentFrame();
    EditScope edit(context.session.doc, &frame, UndoStep::Structural);
    change();
    frame.UpdateComposites(&layer);
    edit.announce(DocumentChange::ObjectChanged);
    edit.markModified();
}

void restyleRectangle(PropertyContext& context, CRectObject& layer)
{
    const RectangleStyle start{layer.style.style, layer.style.lineWidth, layer.style.gapWidth};
    const auto style = context.questions.askRectangleStyle(start);
    if (!style || *style == start)
        return;
    changeLayer(context, layer, [&] {
        layer.style.style = style->style;
        layer.style.lineWidth = style->lineWidth;
        layer.style.gapWidth = std::max(1, style->gapWidth);
        layer.Render();
    });
}

void restyleEllipse(PropertyContext& context, CEllipseObject& layer)
{
    const auto style = context.questions.askEllipseStyle(layer.style);
    if (!style || *style == layer.style)
        return;
    changeLayer(context, layer, [&] {
        layer.style = *style;
        layer.Render();
    });
}

void reshapeBitmap(PropertyContext& context, CBitmapObject& layer)
{
    const auto shape = context.questions.askBitmapShape(
        layer.ownImage, bitmapShapeStart(layer, context.session.view.foreground));
    if (!shape)
        return;
    changeLayer(context, layer, [&] { applyBitmapShape(layer, *shape); });
}

using Handler = void (*)(PropertyContext&);
struct Entry {
    int id;
    Handler handler;
};
constexpr std::array kEntries{
    Entry{cmd::EditText, editSelectedText},
    Entry{cmd::ChooseFont, chooseSelectedFont},
    Entry{cmd::ShapeStyle, editSelectedShapeStyle},
    Entry{cmd::InsertSymbol, insertSymbol},
};
constexpr auto kIds = [] {
    std::array<int, kEntries.size()> ids{};
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        ids[i] = kEntries[i].id;
    return ids;
}();

} // namespace

void editSelectedText(PropertyContext& context)
{
    auto* label = onlySelected<CTextObject>(context.session.currentFrame(), kTypeText);
    if (!label)
        return;
    const auto answer = context.questions.askText(TextProperties::of(*label));
    // The dialog refuses an empty text; an answer without one changes nothing.
    if (!answer || answer->text.empty())
        return;
    changeLayer(context, *label, [&] {
        answer->applyTo(*label);
        context.session.doc.textFont = label->font;
    });
}

void chooseSelectedFont(PropertyContext& context)
{
    auto* label = onlySelected<CTextObject>(context.session.currentFrame(), kTypeText);
    if (!label)
        return;
    const auto font = context.questions.askFont(label->font);
    if (!font)
        return;
    changeLayer(context, *label, [&] {
        label->font = *font;
        label->Render();
        context.session.doc.textFont = *font;
    });
}

void editSelectedShapeStyle(PropertyContext& context)
{
    CFrame& frame = context.session.currentFrame();
    if (auto* rectangle = onlySelected<CRectObject>(frame, kTypeRectangle))
        restyleRectangle(context, *rectangle);
    else if (auto* ellipse = onlySelected<CEllipseObject>(frame, kTypeEllipse))
        restyleEllipse(context, *ellipse);
    else if (auto* bitmap = onlySelected<CBitmapObject>(frame, kTypeBitmap))
        reshapeBitmap(context, *bitmap);
}

void insertSymbol(PropertyContext& context)
{
    ViewSettings& view = context.session.view;
    SymbolQuestion question;
    question.families = symbolFontFamilies();
    question.face = preferredSymbolFamily(question.families);
    question.smoothing = view.smoothing;
    const auto choice = context.questions.askSymbol(question);
    if (!choice)
        return;
    const std::string text = symbolText(choice->code);
    if (text.empty())
        return;
    view.smoothing = choice->smoothing;
    {
        CFrame& frame = context.session.currentFrame();
        EditScope edit(context.session.doc, &frame, UndoStep::Structural);
        auto label = std::make_unique<CTextObject>();
        label->messagePort = &context.ui;
        label->text = text;
        label->font = symbolFont(choice->face);
        label->antialiased = choice->smoothing ? 1 : 0;
        label->textColour = view.foreground;
        label->Render();
        frame.SelectNone();
        frame.AppendObject(std::move(label))->selected = 1;
        CentreSelectedOnCanvas(frame);
        edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
        edit.markModified();
    }
    if (context.questions.askSymbolImport() == SymbolImport::ToBitmap && context.runCommand)
        context.runCommand(cmd::ConvertToBitmap);
}

std::span<const int> propertyCommandIds()
{
    return kIds;
}

bool runPropertyCommand(int id, PropertyContext& context)
{
    for (const Entry& entry : kEntries)
        if (entry.id == id) {
            entry.handler(context);
            return true;
        }
    return false;
}

} // namespace lw
