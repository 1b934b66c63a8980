#include "app/editor/colour_math.h"

#include <algorithm>
#include <cstdint>

namespace lw {

namespace {

// A field's text as the number it starts with: optional sign, then decimal digits. Anything else
// reads as 0; a run of digits too long to hold is cut off rather than overflowing.
long long leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = (value * 10 + (text[i] - '0')) % (1LL << 40);
    return negative ? -value : value;
}

} // namespace

std::uint32_t composeColour(int transparency, Rgb rgb)
{
    return static_cast<std::uint32_t>(transparency & 0xFF) << 24 |
           static_cast<std::uint32_t>(rgb.red & 0xFF) << 16 |
           static_cast<std::uint32_t>(rgb.green & 0xFF) << 8 | static_cast<std::uint32_t>(rgb.blue & 0xFF);
}

int opacityPercent(int transparency)
{
    return 100 - transparency * 100 / 255;
}

int transparencyForOpacity(int opacity)
{
    const int clamped = std::clamp(opacity, 0, 100);
    return 255 - clamped * 255 / 100;
}

Hsv rgbToHsv(Rgb rgb)
{
    const int maxC = std::max({rgb.red, rgb.green, rgb.blue});
    const int minC = std::min({rgb.red, rgb.green, rgb.blue});
    Hsv hsv;
    hsv.value = maxC * 100 / 255;
    hsv.saturation = maxC == 0 ? 0 : (maxC - minC) * 100 / maxC;
    if (maxC == minC)
        return hsv;
    const int d = maxC - minC;
    const int r = 60 * (rgb.red - minC) / d;
    const int g = 60 * (rgb.green - minC) / d;
    const int b = 60 * (rgb.blue - minC) / d;
    // Each rule looks at the component that is the minimum; a later one wins.
    if (r == 0)
        hsv.hue = b - g + 180;
    if (g == 0)
        hsv.hue = r - b + 300;
    if (b == 0)
        hsv.hue = g - r + 60;
    return hsv;
}

Rgb hsvToRgb(Hsv hsv)
{
    const int h = hsv.hue;
    Rgb pure;
    if (h < 60)
        pure = {255, 255 * h / 60, 0};
    else if (h < 120)
        pure = {255 - (255 * h - 15300) / 60, 255, 0};
    else if (h < 180)
        pure = {0, 255, (255 * h - 30600) / 60};
    else if (h < 240)
        pure = {0, 255 - (255 * h - 45900) / 60, 255};
    else if (h < 300)
        pure = {(255 * h - 61200) / 60, 0, 255};
    else
        pure = {255, 0, 255 - (255 * h - 76500) / 60};
    const auto shade = [&](int x) {
        return ((255 - x) * (100 - hsv.saturation) / 100 + x) * hsv.value / 100;
    };
    return {shade(pure.red), shade(pure.green), shade(pure.blue)};
}

int componentFromText(std::string_view text)
{
    return static_cast<int>(leadingNumber(text) & 0xFF);
}

int opacityFromText(std::string_view text)
{
    return static_cast<int>(std::clamp(leadingNumber(text), 0LL, 100LL));
}

} // namespace lw
