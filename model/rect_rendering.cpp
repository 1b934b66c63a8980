#include "model/rect_rendering.h"

namespace lw {
namespace {

// Stripes repeat every line + gap pixels; a zero period (never made by the editor, possible in a
// hostile record) has no stripes at all rather than a division by zero.
bool inStripe(std::int32_t lineWidth, std::int32_t gapWidth, int coordinate)
{
    const std::uint32_t period = static_cast<std::uint32_t>(lineWidth) + static_cast<std::uint32_t>(gapWidth);
    if (period == 0)
        return false;
    return static_cast<std::uint32_t>(coordinate) % period < static_cast<std::uint32_t>(lineWidth);
}

} // namespace

bool rectStyleHasTransparency(const RectStyle& style)
{
    return (style.fillColour >> 24) != 0 || (style.lineColour >> 24) != 0;
}

bool rectPixelIsLine(const RectStyle& s, int width, int height, int x, int y)
{
    switch (s.style) {
    case kRectSolid:
        return true;
    case kRectFrame: {
        // In 64 bits: a style made in memory may hold any width without overflowing here.
        const std::int64_t line = s.lineWidth;
        return x < line || x >= width - line || y < line || y >= height - line;
    }
    case kRectHorizontal:
        return inStripe(s.lineWidth, s.gapWidth, y);
    case kRectVertical:
        return inStripe(s.lineWidth, s.gapWidth, x);
    default:
        return false;
    }
}

void renderRectangle(CRaster& image, const RectStyle& style)
{
    if (!image.hasBlock())
        return;
    if (style.style == kRectSolid) {
        image.FillRect(style.lineColour);
        return;
    }
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = image.bits() + image.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            row[x] = rectPixelIsLine(style, w, h, x, y) ? style.lineColour : style.fillColour;
    }
}

void recolourRectPart(RectStyle& style, int width, int height, int x, int y, std::uint32_t c)
{
    if (rectPixelIsLine(style, width, height, x, y))
        style.lineColour = c;
    else
        style.fillColour = c;
}

} // namespace lw
