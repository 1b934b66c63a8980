#include "app/editor/palette_model.h"

#include <QImage>

namespace lw {

const std::array<std::uint32_t, 64> kPaletteColours = {
    0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000080, 0x0000FF, 0x800080, 0xFF00FF, //
    0x008000, 0x00FF00, 0x008080, 0x00FFFF, 0x800000, 0xFF0000, 0x808000, 0xFFFF00, //
    0xFF8000, 0x80FF00, 0x00FF80, 0x0080FF, 0xFF0080, 0x8000FF, 0xFF8080, 0x8080FF, //
    0x80FF80, 0xFF80FF, 0x80FFFF, 0xFFFF80, 0xFFC000, 0xC0FF00, 0x00FFC0, 0x00C0FF, //
    0xFF00C0, 0xC000FF, 0xFFC0C0, 0xC080FF, 0xC0FFC0, 0xFFC0FF, 0xC0FFFF, 0xFFFFC0, //
    0x408000, 0x804000, 0x004080, 0x008040, 0x400080, 0x800040, 0x408080, 0x808040, //
    0x804080, 0x408040, 0x804040, 0x404080, 0x402000, 0x204000, 0x004020, 0x002040, //
    0x400020, 0x200040, 0x40FF00, 0xFF4000, 0x0040FF, 0x00FF40, 0x4000FF, 0xFF0040, //
};

int paletteCellAt(int x, int y)
{
    if (x < 0 || y < 0)
        return -1;
    const int column = x / kPaletteCell;
    const int row = y / kPaletteCell;
    if (column >= 8 || row >= 8)
        return -1;
    return row * 8 + column;
}

QImage currentColoursImage(std::uint32_t foreground, std::uint32_t background, std::uint32_t face)
{
    QImage image(66, 16, QImage::Format_RGB32);
    image.fill(face);
    int left = 2;
    for (std::uint32_t colour : {foreground, background}) {
        const SwatchSquares squares = swatchSquares(colour);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool light = (x / 3 + y / 3) % 2 == 0;
                const Rgb square = light ? squares.light : squares.dark;
                image.setPixel(left + x, 2 + y, qRgb(square.red, square.green, square.blue));
            }
        left = 35;
    }
    return image;
}

} // namespace lw
