#include "app/editor/context_menus.h"

#include "app/editor/command_ids.h"

namespace lw {

namespace {

using namespace cmd;

// What a user wants on the object under the mouse: its own property commands first, then
// ordering and the clipboard.
constexpr int kFrame[] = {Paste,       SelectAll,  AddLayer, 0,          FrameBackgroundColour,
                          FrameBorder, FrameDelay, 0,        FrameIntro, FrameAnimation,
                          FrameOutro};
constexpr int kSeveral[] = {Cut, Copy, DeleteLayers, 0, Combine, Align, MoveTo, 0, BringToFront, SendToBack};
constexpr int kBitmap[] = {
    ImageSize,    StretchShrink, ShapeStyle,      0, LayerIntro,   LayerAnimation, LayerOutro, 0, Cut, Copy,
    DeleteLayers, Duplicate,     CloneIntoFrames, 0, BringToFront, SendToBack};
constexpr int kRectangle[] = {
    ShapeStyle, ConvertToBitmap, 0, LayerIntro,   LayerAnimation, LayerOutro, 0, Cut, Copy, DeleteLayers,
    Duplicate,  CloneIntoFrames, 0, BringToFront, SendToBack};
constexpr int kText[] = {
    EditText,     ChooseFont, ConvertToBitmap, 0, LayerIntro,   LayerAnimation, LayerOutro, 0, Cut, Copy,
    DeleteLayers, Duplicate,  CloneIntoFrames, 0, BringToFront, SendToBack};
constexpr int kEllipse[] = {
    ShapeStyle, ConvertToBitmap, 0, LayerIntro,   LayerAnimation, LayerOutro, 0, Cut, Copy, DeleteLayers,
    Duplicate,  CloneIntoFrames, 0, BringToFront, SendToBack};

} // namespace

std::span<const int> contextPopupCommands(ContextPopupKind popup)
{
    switch (popup) {
    case ContextPopupKind::Frame:
        return kFrame;
    case ContextPopupKind::Several:
        return kSeveral;
    case ContextPopupKind::Bitmap:
        return kBitmap;
    case ContextPopupKind::Rectangle:
        return kRectangle;
    case ContextPopupKind::Text:
        return kText;
    case ContextPopupKind::Ellipse:
        return kEllipse;
    default:
        return {};
    }
}

} // namespace lw
