#include "app/editor/colour_swatch.h"

namespace lw {

SwatchSquares swatchSquares(std::uint32_t colour)
{
    const int t = transparencyOf(colour);
    const int o = 255 - t;
    const auto over = [&](int c, int board) { return (o * c + t * board) / 255; };
    const Rgb rgb = rgbOf(colour);
    return {{over(rgb.red, 255), over(rgb.green, 255), over(rgb.blue, 255)},
            {over(rgb.red, 192), over(rgb.green, 192), over(rgb.blue, 192)}};
}

QImage swatchImage(std::uint32_t colour, int width, int height)
{
    const SwatchSquares squares = swatchSquares(colour);
    const QRgb light = qRgb(squares.light.red, squares.light.green, squares.light.blue);
    const QRgb dark = qRgb(squares.dark.red, squares.dark.green, squares.dark.blue);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = ((x / kSwatchSquare + y / kSwatchSquare) % 2 == 0) ? light : dark;
    }
    return image;
}

} // namespace lw
