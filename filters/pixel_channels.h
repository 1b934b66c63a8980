#pragma once
// Channel access for 0xTTRRGGBB pixels, shared by the filters.
#include <algorithm>
#include <cstdint>

namespace lw {

inline int blueOf(std::uint32_t p)
{
    return static_cast<int>(p & 0xFF);
}
inline int greenOf(std::uint32_t p)
{
    return static_cast<int>((p >> 8) & 0xFF);
}
inline int redOf(std::uint32_t p)
{
    return static_cast<int>((p >> 16) & 0xFF);
}
inline int transparencyOf(std::uint32_t p)
{
    return static_cast<int>(p >> 24);
}
inline int opacityOf(std::uint32_t p)
{
    return 255 - static_cast<int>(p >> 24);
}

inline std::uint32_t makePixel(int t, int r, int g, int b)
{
    return static_cast<std::uint32_t>(t & 0xFF) << 24 | static_cast<std::uint32_t>(r & 0xFF) << 16 |
           static_cast<std::uint32_t>(g & 0xFF) << 8 | static_cast<std::uint32_t>(b & 0xFF);
}

inline int clampByte(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, 0, 255));
}
inline double clampByte(double v)
{
    return std::clamp(v, 0.0, 255.0);
}
inline double clampUnit(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

// Adds d to blue, green and red, each clamped; the transparency stays.
inline std::uint32_t brighten(std::uint32_t p, long long d)
{
    return makePixel(transparencyOf(p), clampByte(redOf(p) + d), clampByte(greenOf(p) + d),
                     clampByte(blueOf(p) + d));
}

} // namespace lw
