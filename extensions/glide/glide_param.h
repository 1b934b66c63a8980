// glide's param: the shift at 100 % as two signed 16-bit halves, each stored minus 10, so that
// param 0 means a shift of (10, 10).
#pragma once

#include <cstdint>

namespace lw::glide {

struct Delta {
    int32_t dx;
    int32_t dy;
};

// The values the dialog accepts: exactly those that survive a round trip through param.
constexpr int32_t kMinDelta = -32758;
constexpr int32_t kMaxDelta = 32767;

constexpr Delta decodeDelta(int32_t param)
{
    const auto low = static_cast<int16_t>(static_cast<uint32_t>(param) & 0xFFFFu);
    const auto high = static_cast<int16_t>(static_cast<uint32_t>(param) >> 16);
    return {static_cast<int16_t>(low + 10), static_cast<int16_t>(high + 10)};
}

constexpr int32_t encodeDelta(int32_t x, int32_t y)
{
    const uint32_t high = (static_cast<uint32_t>(y) - 10u) << 16;
    const uint32_t low = (static_cast<uint32_t>(x) - 10u) & 0xFFFFu;
    return static_cast<int32_t>(high | low);
}

} // namespace lw::glide
