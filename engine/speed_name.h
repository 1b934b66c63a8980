#pragma once
// Effect speeds: the names the effect dialog offers and the step count of an intro or outro.
#include <array>
#include <cstdint>
#include <string_view>

namespace lw {

struct SpeedName {
    std::int32_t value;
    std::string_view text;
};

inline constexpr std::array<SpeedName, 6> kSpeedNames{{
    {0, "Ultra Fast"},
    {1, "Very Fast"},
    {2, "Fast"},
    {3, "Medium"},
    {4, "Slow"},
    {5, "Very Slow"},
}};

inline constexpr std::int32_t kSlowestSpeed = 5;

// Steps of an intro or outro at a speed: 2^speed by doubling, 1 for speed <= 0. Speeds beyond
// the slowest are taken as the slowest, so a stored value can never ask for a huge step count.
constexpr std::int32_t stepsForSpeed(std::int32_t speed)
{
    std::int32_t steps = 1;
    for (std::int32_t i = 0; i < speed && i < kSlowestSpeed; ++i)
        steps *= 2;
    return steps;
}

} // namespace lw
