#include "app/editor/tools/new_layers.h"

#include "app/editor/text_dialog_model.h"
#include "model/bitmap_object.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

namespace lw {

namespace {

template <class T> std::unique_ptr<T> sized(std::unique_ptr<T> layer, const LayerRect& band)
{
    layer->Resize(band);
    layer->MoveTo(band.left, band.top);
    return layer;
}

std::unique_ptr<CLayerObject> bitmapAt(CRaster pixels, const LayerRect& band, bool transparent)
{
    auto layer = std::make_unique<CBitmapObject>();
    layer->TakePixels(std::move(pixels));
    layer->MoveTo(band.left, band.top);
    layer->hasTransparency = transparent ? 1 : 0;
    return layer;
}

} // namespace

std::unique_ptr<CLayerObject> newRectangleLayer(const LayerRect& band, const ViewSettings& view)
{
    auto layer = std::make_unique<CRectObject>();
    layer->style.fillColour = view.background;
    layer->style.lineColour = view.foreground;
    layer->style.style = view.rectangleStyle.style;
    layer->style.lineWidth = view.rectangleStyle.lineWidth;
    layer->style.gapWidth = std::max(1, view.rectangleStyle.gapWidth);
    layer->Render();
    return sized(std::move(layer), band);
}

std::unique_ptr<CLayerObject> newEllipseLayer(const LayerRect& band, const ViewSettings& view)
{
    auto layer = std::make_unique<CEllipseObject>();
    layer->colour = view.foreground;
    layer->style = view.ellipseStyle;
    return sized(std::move(layer), band);
}

std::unique_ptr<CLayerObject> newBitmapLayer(const LayerRect& band, const ViewSettings& view)
{
    CRaster pixels(rectWidth(band), rectHeight(band));
    pixels.FillRect(view.background);
    return bitmapAt(std::move(pixels), band, (view.background >> 24) != 0);
}

std::unique_ptr<CLayerObject> newGradientLayer(const LayerRect& band, const ViewSettings& view)
{
    GradientLayerPixels g =
        gradientPixels(rectWidth(band), rectHeight(band), view.foreground, view.background, view.gradient);
    return bitmapAt(std::move(g.pixels), band, g.hasTransparency);
}

std::unique_ptr<CTextObject> newTextLayer(const TextProperties& text, std::uint32_t colour, QPoint at,
                                          UiPort* prompts)
{
    auto layer = std::make_unique<CTextObject>();
    layer->messagePort = prompts;
    layer->textColour = colour;
    text.applyTo(*layer);
    // The position is the baseline: the top-left lands on the point.
    layer->MoveTo(at.x(), at.y() + layer->metrics.ascent);
    return layer;
}

} // namespace lw
