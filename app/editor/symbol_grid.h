#pragma once
// "Вставка символа": a grid of 16 columns and 14 rows whose cell (column, row) stands for the
// character code 33 + 16 × row + column of a symbol font, and the font the inserted label gets.
#include "platform/log_font.h"

#include <QPoint>
#include <QSize>
#include <string>
#include <vector>

namespace lw {

inline constexpr int kSymbolColumns = 16;
inline constexpr int kSymbolRows = 14;
inline constexpr int kFirstSymbolCode = 33;

// The code of a cell; the last cell stands for 256, which is no character.
constexpr int symbolCodeAt(int column, int row)
{
    return kFirstSymbolCode + kSymbolColumns * row + column;
}
// The code under a point of a grid of cells of `cell` pixels; 0 outside the grid.
int symbolCodeAtPoint(QPoint point, QSize cell);

// The label text of a code: the character the documents' code page gives that byte. Empty for
// codes that are no character there (256 and the unassigned 0x98), which insert nothing.
std::string symbolText(int code);

// The font of an inserted symbol: the face at height 100, normal weight, the default character
// set and TrueType output precision.
LogFont symbolFont(const std::string& face);

// The families that carry symbols: those whose writing systems include Symbol, and the dingbat
// families by name ("Wingdings", "Webdings", "Dingbats", "Symbol"), sorted, each once. When the
// system has none, every family, so that the dialog still offers characters.
std::vector<std::string> symbolFontFamilies();
// "Wingdings" when offered, else the first family (empty for none).
std::string preferredSymbolFamily(const std::vector<std::string>& families);

} // namespace lw
