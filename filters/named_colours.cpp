#include "filters/named_colours.h"

#include <array>

namespace lw {

namespace {

constexpr std::array<NamedColour, 14> kWithTransparent{{
    {"White", 0x00FFFFFF},
    {"Black", 0x00000000},
    {"Red", 0x00FF0000},
    {"Green", 0x0000FF00},
    {"Blue", 0x000000FF},
    {"Transparent", 0xFFFFFFFF},
    {"75% Gray", 0x00404040},
    {"50% Gray", 0x00808080},
    {"25% Gray", 0x00C0C0C0},
    {"Yellow", 0x00FFFF00},
    {"Cyan", 0x0000FFFF},
    {"Magenta", 0x00FF00FF},
    {"Orange", 0x00FF8000},
    {"Violet", 0x008000FF},
}};

constexpr std::array<NamedColour, 13> kOpaqueOnly{{
    {"White", 0x00FFFFFF},
    {"Black", 0x00000000},
    {"Red", 0x00FF0000},
    {"Green", 0x0000FF00},
    {"Blue", 0x000000FF},
    {"75% Gray", 0x00404040},
    {"50% Gray", 0x00808080},
    {"25% Gray", 0x00C0C0C0},
    {"Yellow", 0x00FFFF00},
    {"Cyan", 0x0000FFFF},
    {"Magenta", 0x00FF00FF},
    {"Orange", 0x00FF8000},
    {"Violet", 0x008000FF},
}};

} // namespace

std::span<const NamedColour> namedColours(bool allowTransparency)
{
    if (allowTransparency)
        return kWithTransparent;
    return kOpaqueOnly;
}

} // namespace lw
