#pragma once
// A logical font made real: the 60-byte record mapped onto a Qt font, with the metrics and the
// single-line, outline and paragraph drawing that text labels need. Glyphs are drawn without
// antialiasing so that captures stay two-level.
#include "platform/log_font.h"

#include <QFont>
#include <optional>
#include <string>

class QPainter;
class QColor;

namespace lw {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int averageCharWidth = 0;
    int height() const { return ascent + descent; }
};

// The platform's A, B and C widths of one character: space before the glyph, the glyph, space
// after it (A and C are negative where the glyph overhangs).
struct CharWidths {
    int a = 0;
    int b = 0;
    int c = 0;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

enum class ParagraphAlign { Left = 0, Centre = 1, Right = 2 };

class GdiFont {
public:
    explicit GdiFont(const LogFont& record);

    const LogFont& record() const { return record_; }
    const QFont& qfont() const { return font_; }

    FontMetrics metrics() const;
    std::optional<CharWidths> charWidths(char32_t ch) const;

    // One line, no prefix processing; every character is followed by extraSpacing pixels.
    TextExtent measureLine(const std::string& utf8, int extraSpacing = 0) const;
    // Draws one line with the top of its cell at (x, y).
    void drawLine(QPainter& painter, int x, int y, const std::string& utf8, int extraSpacing,
                  const QColor& colour) const;
    // Strokes the outline of one line (not filled) with a pen penWidth pixels wide.
    void strokeLine(QPainter& painter, int x, int y, const std::string& utf8, int extraSpacing, int penWidth,
                    const QColor& colour) const;

    // Several lines separated by line feeds, each line as tall as the font's cell.
    TextExtent measureParagraph(const std::string& utf8, int extraSpacing = 0) const;
    void drawParagraph(QPainter& painter, int x, int y, int width, const std::string& utf8, ParagraphAlign align,
                       int extraSpacing, const QColor& colour) const;

private:
    QFont withSpacing(int extraSpacing) const;
    LogFont record_;
    QFont font_;
};

} // namespace lw
