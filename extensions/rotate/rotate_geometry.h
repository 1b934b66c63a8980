// The angle of a rotate step and the bounding box of the turned image.
#pragma once

#include <cmath>
#include <cstdint>

namespace lw::rotate {

// Degrees to radians with pi taken as 3.14: the step images of existing documents depend on it.
constexpr double kRadiansPerDegree = 0.017444444444444446;

// Percentage of the turn done at step a of n; false when the step count gives no fraction.
inline bool turnPercentage(int32_t id, int64_t a, int64_t n, int64_t& p)
{
    const int64_t divisor = id == 51 ? n - 1 : id == 52 ? n + 1 : n;
    if (divisor == 0)
        return false;
    p = (a * 100) / divisor;
    return true;
}

// The turn covers 360 - param degrees over the whole effect.
inline double turnAngle(int64_t p, int32_t param)
{
    const int64_t degrees = ((360 - int64_t{param}) * p) / 100;
    return static_cast<double>(degrees) * kRadiansPerDegree;
}

struct Box {
    int64_t width;
    int64_t height;
};

inline Box turnedBox(double theta, int64_t w, int64_t h)
{
    const double c = std::fabs(std::cos(theta));
    const double s = std::fabs(std::sin(theta));
    return {static_cast<int64_t>(std::ceil(c * static_cast<double>(w) + s * static_cast<double>(h))),
            static_cast<int64_t>(std::ceil(s * static_cast<double>(w) + c * static_cast<double>(h)))};
}

} // namespace lw::rotate
