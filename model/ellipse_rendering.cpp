#include "model/ellipse_rendering.h"

#include "platform/gdi_surface.h"

#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace lw {
namespace {

void renderOutline(CRaster& image, std::uint32_t colour, int penWidth)
{
    const int w = image.width();
    const int h = image.height();
    CGdiSurface surface(w, h);
    // The surface takes platform colours (red in the low byte); handing it the raster colour with
    // red and blue swapped makes Compare give back the raster colour itself.
    const QColor pen(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                     static_cast<int>((colour >> 16) & 0xFF));
    for (int slot = 0; slot < 2; ++slot) {
        surface.Clear(slot == 1);
        QPainter& p = surface.painter();
        QPen qpen(pen);
        qpen.setWidth(penWidth);
        qpen.setJoinStyle(Qt::MiterJoin);
        p.setPen(qpen);
        p.setBrush(Qt::NoBrush);
        // An inside-frame pen keeps the whole stroke within the bounding box.
        if (penWidth <= 1)
            p.drawEllipse(QRect(0, 0, w - 1, h - 1));
        else
            p.drawEllipse(QRectF(penWidth / 2.0, penWidth / 2.0, w - penWidth, h - penWidth));
        surface.Capture(slot);
    }
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = image.bits() + image.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            row[x] = surface.Compare(x, y);
    }
}

// Sixteen samples a pixel, counted per sample row: on each of the four sample rows of a pixel
// row the samples inside the ellipse form one run (the test grows with the distance from the
// centre), found from the analytic estimate and settled with the exact test.
void renderAntialiased(CRaster& image, std::uint32_t colour, double a, double b)
{
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t rgb = colour & 0x00FFFFFFu;
    const std::uint32_t v = 255 - (colour >> 24);
    const double a2 = a * a;
    const double b2 = b * b;
    const int samples = 4 * w;
    auto sampleX = [](int k) { return k * 0.25 + 0.125; };
    std::vector<std::uint32_t> hits(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::fill(hits.begin(), hits.end(), 0u);
        for (int j = 0; j < 4; ++j) {
            const double sy = y + 0.125 + 0.25 * j;
            const double c = (b - sy) * (b - sy) / b2;
            auto inside = [&](int k) {
                const double dx = sampleX(k) - a;
                return dx * dx / a2 + c < 1;
            };
            if (c >= 1)
                continue;
            const double half = a * std::sqrt(1 - c);
            int left = std::clamp(static_cast<int>(std::ceil((a - half - 0.125) / 0.25)), 0, samples - 1);
            while (left > 0 && inside(left - 1))
                --left;
            while (left < samples && !inside(left))
                ++left;
            if (left >= samples)
                continue;
            int right = std::clamp(static_cast<int>((a + half - 0.125) / 0.25), left, samples - 1);
            while (right + 1 < samples && inside(right + 1))
                ++right;
            while (right > left && !inside(right))
                --right;
            for (int x = left / 4; x <= right / 4; ++x)
                hits[static_cast<std::size_t>(x)] +=
                    static_cast<std::uint32_t>(std::min(right, 4 * x + 3) - std::max(left, 4 * x) + 1);
        }
        std::uint32_t* row = image.bits() + image.indexOf(0, y);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t sum = v * hits[static_cast<std::size_t>(x)];
            row[x] = rgb | ((~(sum / 16)) & 0xFFu) << 24;
        }
    }
}

} // namespace

void renderEllipse(CRaster& image, std::uint32_t colour, std::int32_t style)
{
    const int w = image.width();
    const int h = image.height();
    const double a = w / 2.0;
    const double b = h / 2.0;
    if (!image.hasBlock() || a == 0 || b == 0)
        return;
    const std::uint32_t rgb = colour & 0x00FFFFFFu;
    image.FillRect(rgb | 0xFF000000u);
    const std::uint32_t v = 255 - (colour >> 24);
    const double a2 = a * a;
    const double b2 = b * b;
    auto inside = [&](double sx, double sy) {
        return (sx - a) * (sx - a) / a2 + (b - sy) * (b - sy) / b2 < 1;
    };
    switch (style) {
    case kEllipseAliased:
        for (int y = 0; y < h; ++y) {
            std::uint32_t* row = image.bits() + image.indexOf(0, y);
            for (int x = 0; x < w; ++x)
                if (inside(x + 0.5, y + 0.5))
                    row[x] = colour;
        }
        break;
    case kEllipseAntialiased:
        renderAntialiased(image, colour, a, b);
        break;
    case kEllipseRadial:
        for (int y = 0; y < h; ++y) {
            std::uint32_t* row = image.bits() + image.indexOf(0, y);
            for (int x = 0; x < w; ++x) {
                const double d = (b - y - 0.5) * (b - y - 0.5) / b2 + (x + 0.5 - a) * (x + 0.5 - a) / a2;
                if (d < 1) {
                    const auto cover = static_cast<std::uint32_t>((1 - d) * v);
                    row[x] = rgb | ((~cover) & 0xFFu) << 24;
                }
            }
        }
        break;
    case kEllipseThinOutline:
        renderOutline(image, colour, 1);
        break;
    case kEllipseMediumOutline:
        renderOutline(image, colour, 3);
        break;
    case kEllipseThickOutline:
        renderOutline(image, colour, 6);
        break;
    default:
        break; // an unknown style shows nothing
    }
}

} // namespace lw
