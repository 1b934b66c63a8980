#pragma once
// The colour dialog's arithmetic: a 0xTTRRGGBB colour split into red, green, blue and opacity in
// per cent, and the integer RGB ↔ HSV conversions the disk and the strip are drawn with.
#include <cstdint>
#include <string_view>

namespace lw {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Hue 0 … 359 degrees, saturation and value 0 … 100.
struct Hsv {
    int hue = 0;
    int saturation = 0;
    int value = 0;
    friend bool operator==(const Hsv&, const Hsv&) = default;
};

inline int redOf(std::uint32_t colour)
{
    return static_cast<int>((colour >> 16) & 0xFF);
}
inline int greenOf(std::uint32_t colour)
{
    return static_cast<int>((colour >> 8) & 0xFF);
}
inline int blueOf(std::uint32_t colour)
{
    return static_cast<int>(colour & 0xFF);
}
inline int transparencyOf(std::uint32_t colour)
{
    return static_cast<int>(colour >> 24);
}
inline Rgb rgbOf(std::uint32_t colour)
{
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

std::uint32_t composeColour(int transparency, Rgb rgb);

// Opacity 0 … 100 from the transparency byte, truncated towards transparent.
int opacityPercent(int transparency);
// The transparency byte for an opacity in per cent: 255 − ⌊opacity × 2.55⌋, computed exactly so
// that 100 % is fully opaque.
int transparencyForOpacity(int opacity);

Hsv rgbToHsv(Rgb rgb);
Rgb hsvToRgb(Hsv hsv);

// A red, green or blue field: the decimal number typed, kept to its low 8 bits (300 → 44).
int componentFromText(std::string_view text);
// The opacity field: the decimal number typed, at most 100 (and at least 0).
int opacityFromText(std::string_view text);

} // namespace lw
