#include "platform/gdi_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace lw {
namespace {

// The platform's default font height when a record leaves it 0.
constexpr int kDefaultCellHeight = 16;

QString toQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont baseFont(const LogFont& r)
{
    QFont f;
    std::string face = r.face();
    if (face.empty())
        face = "Arial";
    f.setFamily(QString::fromStdString(face));
    f.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    const int w = r.weight <= 0 ? 400 : std::clamp(r.weight, 1, 1000);
    f.setWeight(static_cast<QFont::Weight>(w));
    f.setItalic(r.italic != 0);
    f.setUnderline(r.underline != 0);
    f.setStrikeOut(r.strikeOut != 0);
    return f;
}

} // namespace

GdiFont::GdiFont(const LogFont& record) : record_(record), font_(baseFont(record))
{
    // Negative heights are the character (em) height; positive ones the cell height
    // (ascent + descent), which the em size is scaled to match.
    if (record.height < 0) {
        font_.setPixelSize(std::max(1, -record.height));
    } else {
        const int cell = record.height == 0 ? kDefaultCellHeight : record.height;
        font_.setPixelSize(std::max(1, cell));
        const QFontMetricsF probe(font_);
        const double natural = probe.ascent() + probe.descent();
        if (natural > 0)
            font_.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * cell / natural))));
    }
    // A width asks for that average character width: stretch the glyphs to it.
    if (record.width > 0) {
        const QFontMetrics probe(font_);
        const int natural = probe.averageCharWidth();
        if (natural > 0)
            font_.setStretch(std::clamp(record.width * 100 / natural, 1, 4000));
    }
}

FontMetrics GdiFont::metrics() const
{
    const QFontMetrics m(font_);
    return {m.ascent(), m.descent(), m.averageCharWidth()};
}

std::optional<CharWidths> GdiFont::charWidths(char32_t ch) const
{
    const QFontMetrics m(font_);
    const QString s = QString::fromUcs4(&ch, 1);
    if (s.isEmpty() || !m.inFontUcs4(static_cast<uint>(ch)))
        return std::nullopt;
    const int advance = m.horizontalAdvance(s);
    const int a = m.leftBearing(s.at(0));
    const int c = m.rightBearing(s.at(0));
    return CharWidths{a, advance - a - c, c};
}

QFont GdiFont::withSpacing(int extraSpacing) const
{
    QFont f = font_;
    if (extraSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, extraSpacing);
    return f;
}

TextExtent GdiFont::measureLine(const std::string& utf8, int extraSpacing) const
{
    const QFontMetrics m(font_);
    const QString s = toQString(utf8);
    // The platform adds the extra spacing after every character, the last one included.
    const auto characters = static_cast<int>(s.toUcs4().size());
    return {m.horizontalAdvance(s) + characters * extraSpacing, m.ascent() + m.descent()};
}

void GdiFont::drawLine(QPainter& painter, int x, int y, const std::string& utf8, int extraSpacing,
                       const QColor& colour) const
{
    const QFont f = withSpacing(extraSpacing);
    painter.save();
    painter.setRenderHints(QPainter::RenderHints());
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + QFontMetrics(f).ascent()), toQString(utf8));
    painter.restore();
}

void GdiFont::strokeLine(QPainter& painter, int x, int y, const std::string& utf8, int extraSpacing,
                         int penWidth, const QColor& colour) const
{
    const QFont f = withSpacing(extraSpacing);
    QPainterPath path;
    path.addText(QPointF(x, y + QFontMetrics(f).ascent()), f, toQString(utf8));
    painter.save();
    painter.setRenderHints(QPainter::RenderHints());
    QPen pen(colour);
    pen.setWidth(std::max(1, penWidth));
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, pen);
    painter.restore();
}

TextExtent GdiFont::measureParagraph(const std::string& utf8, int extraSpacing) const
{
    const QStringList lines = toQString(utf8).split('\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, measureLine(line.toStdString(), extraSpacing).width);
    const QFontMetrics m(font_);
    return {width, static_cast<int>(lines.size()) * (m.ascent() + m.descent())};
}

void GdiFont::drawParagraph(QPainter& painter, int x, int y, int width, const std::string& utf8,
                            ParagraphAlign align, int extraSpacing, const QColor& colour) const
{
    const QStringList lines = toQString(utf8).split('\n');
    const QFontMetrics m(font_);
    const int lineHeight = m.ascent() + m.descent();
    int top = y;
    for (const QString& line : lines) {
        const std::string text = line.toStdString();
        const int w = measureLine(text, extraSpacing).width;
        int left = x;
        if (align == ParagraphAlign::Centre)
            left = x + (width - w) / 2;
        else if (align == ParagraphAlign::Right)
            left = x + width - w;
        drawLine(painter, left, top, text, extraSpacing, colour);
        top += lineHeight;
    }
}

} // namespace lw
