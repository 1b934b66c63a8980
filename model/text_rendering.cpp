#include "model/text_rendering.h"

#include "model/document_limits.h"
#include "platform/application_names.h"
#include "platform/gdi_font.h"
#include "platform/gdi_surface.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lw {
namespace {

int ceilDiv4(int v)
{
    return v >= 0 ? (v + 3) / 4 : -((-v) / 4);
}

Message bitmapError(int w, int h)
{
    char text[128];
    std::snprintf(text, sizeof text, "Не удалось записать bitmap (%d x %d пикс.) .", w, h);
    return {text, kProductName, MsgIcon::Error, MsgButtons::Ok};
}

Message deviceError()
{
    return {"Can't create device context.", kProductName, MsgIcon::Error, MsgButtons::Ok};
}

// The font at k times the label's height, its average width scaled by widthScale.
GdiFont scaledFont(const TextStyle& style, int k)
{
    LogFont record = style.font;
    record.height *= k;
    record.width = 0;
    const int average = GdiFont(record).metrics().averageCharWidth;
    record.width = std::max(0, static_cast<int>(average * style.widthScale));
    return GdiFont(record);
}

// Blue bytes of a bottom-up 24-bit capture, with a fallback outside it.
struct CaptureReader {
    const std::vector<std::uint8_t>& rows;
    int width;
    int height;
    int stride;
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    int blue(int x, int y) const
    {
        return rows[static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(stride) +
                    static_cast<std::size_t>(3 * x)];
    }
};

void fillPixels(CRaster& out, const CaptureReader& capture, const TextStyle& style, bool paragraph)
{
    const std::uint32_t colour = style.textColour;
    const std::uint32_t rgb = colour & 0x00FFFFFFu;
    const std::uint32_t t = colour >> 24;
    for (int y = 0; y < out.height(); ++y) {
        std::uint32_t* row = out.bits() + out.indexOf(0, y);
        for (int x = 0; x < out.width(); ++x) {
            if (!style.antialiased) {
                // White (or nothing drawn at all) is transparent; black pixels take the colour.
                const bool white = !capture.inside(x, y) || capture.blue(x, y) != 0;
                row[x] = white ? (rgb | 0xFF000000u) : colour;
                continue;
            }
            int sum = 0;
            int count = 0;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) {
                    const int sx = 4 * x + i;
                    const int sy = 4 * y + j;
                    if (capture.inside(sx, sy)) {
                        sum += capture.blue(sx, sy);
                        ++count;
                    } else if (paragraph) {
                        sum += 255;
                        ++count;
                    }
                }
            const std::uint32_t l = count ? static_cast<std::uint32_t>(sum / count) : 255u;
            row[x] = rgb | (l + t * (255 - l) / 255) << 24;
        }
    }
}

} // namespace

int characterCount(const std::string& utf8)
{
    return static_cast<int>(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4().size());
}

TextRenderResult renderText(const TextStyle& style)
{
    const bool paragraph = style.text.find('\n') != std::string::npos;
    const int k = style.antialiased ? 4 : 1;
    const int outline = paragraph ? 0 : std::clamp(style.outlineWidth, 0, 32);
    const GdiFont font = scaledFont(style, k);
    const FontMetrics fm = font.metrics();

    // Spacing outside what a document may hold is drawn as its nearest limit, as the reader and
    // resizing keep it.
    const double spacing = std::isfinite(style.letterSpacing)
                               ? std::clamp(style.letterSpacing, kMinLetterSpacing, kMaxLetterSpacing)
                               : kMinLetterSpacing;
    const int extra = static_cast<int>(spacing * k);
    TextExtent natural;
    TextExtent extent;
    double overhangA = 0; // a quarter of the first character's A width
    double overhangC = 0; // a quarter of the last character's C width
    if (paragraph) {
        natural = font.measureParagraph(style.text, 0);
        extent = font.measureParagraph(style.text, extra);
    } else {
        natural = font.measureLine(style.text, 0);
        extent = font.measureLine(style.text, extra);
        const std::u32string chars =
            QString::fromUtf8(style.text.data(), static_cast<qsizetype>(style.text.size())).toStdU32String();
        if (!chars.empty()) {
            if (const auto w = font.charWidths(chars.front()))
                overhangA = w->a / 4.0;
            if (const auto w = font.charWidths(chars.back()))
                overhangC = w->c / 4.0;
        }
    }
    TextMetrics m;
    m.naturalWidth = style.antialiased ? ceilDiv4(natural.width) : natural.width;
    m.naturalWidth -= static_cast<int>(overhangA + overhangC);

    const int margin = paragraph ? 4 : 2 * outline * k + 4;
    const int bitmapW = extent.width + margin - static_cast<int>((overhangA + overhangC) * 4);
    const int bitmapH = extent.height + margin;
    if (bitmapW <= 0 || bitmapH <= 0 || static_cast<std::int64_t>(bitmapW) * bitmapH > kMaxTextSurfacePixels)
        return {std::nullopt, bitmapError(bitmapW, bitmapH)};
    CGdiSurface surface(bitmapW, bitmapH);
    if (surface.width() != bitmapW || surface.height() != bitmapH)
        return {std::nullopt, deviceError()};

    surface.Clear(true);
    const int shiftA = static_cast<int>(overhangA * 4);
    if (paragraph) {
        const auto align = style.alignment == 1   ? ParagraphAlign::Centre
                           : style.alignment == 2 ? ParagraphAlign::Right
                                                  : ParagraphAlign::Left;
        font.drawParagraph(surface.painter(), 0, 0, extent.width, style.text, align, extra, Qt::black);
    } else if (outline > 0) {
        const int half = outline * k / 2;
        font.strokeLine(surface.painter(), half - shiftA, half, style.text, extra, outline * k, Qt::black);
    } else {
        font.drawLine(surface.painter(), -shiftA, 0, style.text, extra, Qt::black);
    }
    surface.Capture(0);

    m.ascent = style.antialiased ? ceilDiv4(fm.ascent) : fm.ascent;
    m.descent = style.antialiased ? ceilDiv4(fm.descent) : fm.descent;
    if (style.antialiased)
        m.width = ceilDiv4(bitmapW - static_cast<int>(spacing * 4));
    else
        m.width = bitmapW - static_cast<int>(spacing);
    if (paragraph)
        m.height = style.antialiased ? ceilDiv4(bitmapH) : bitmapH;
    else
        m.height = m.ascent + 2 * outline + m.descent;
    // Negative spacing on an empty label could leave no width at all; keep one column so the
    // label stays a readable object.
    m.width = std::max(1, m.width);
    m.height = std::max(1, m.height);

    RenderedText out;
    out.metrics = m;
    out.image.Create(m.width, m.height);
    const CaptureReader capture{surface.capture(0), bitmapW, bitmapH, surface.captureStride()};
    fillPixels(out.image, capture, style, paragraph);
    return {std::move(out), std::nullopt};
}

} // namespace lw
