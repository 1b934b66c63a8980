#pragma once
// The layers the drawing tools create and the colour commands' recolouring.
#include "app/editor/view_settings.h"
#include "model/layer_object.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lw {

class CTextObject;
class UiPort;
struct TextProperties;

// Rectangle: fill = background, line = foreground, the view's style, line and gap width.
std::unique_ptr<CLayerObject> newRectangleLayer(const LayerRect& band, const ViewSettings& view);
// Ellipse: colour = foreground, the view's ellipse style.
std::unique_ptr<CLayerObject> newEllipseLayer(const LayerRect& band, const ViewSettings& view);
// Bitmap filled with the background colour.
std::unique_ptr<CLayerObject> newBitmapLayer(const LayerRect& band, const ViewSettings& view);
// Bitmap with the gradient from foreground to background (or to transparent).
std::unique_ptr<CLayerObject> newGradientLayer(const LayerRect& band, const ViewSettings& view);
// Text with the dialog's values in the foreground colour, its top-left at the point.
// Its rendering failures go to `prompts`.
std::unique_ptr<CTextObject> newTextLayer(const TextProperties& text, std::uint32_t colour, QPoint at,
                                          UiPort* prompts);

} // namespace lw
