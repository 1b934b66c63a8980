#pragma once
// The named colours the colour dialog offers, in list order (0xTTRRGGBB values).
#include <cstdint>
#include <span>
#include <string_view>

namespace lw {

struct NamedColour {
    std::string_view name;
    std::uint32_t value;
};

// "Transparent" is left out when the dialog does not allow transparency.
std::span<const NamedColour> namedColours(bool allowTransparency);

} // namespace lw
