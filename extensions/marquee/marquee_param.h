// marquee's param: the side the content moves towards.
#pragma once

#include <cstdint>

namespace lw::marquee {

enum Direction : int32_t { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };

// The dialog starts from the low two bits, whatever else param holds.
constexpr Direction directionForDialog(int32_t param)
{
    return static_cast<Direction>(param & 3);
}

// What OK stores: the chosen direction itself.
constexpr int32_t encodeDirection(Direction direction)
{
    return static_cast<int32_t>(direction);
}

} // namespace lw::marquee
