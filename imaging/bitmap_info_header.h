#pragma once
// The 40-byte BITMAPINFOHEADER of packed DIBs and BMP files, read and written little-endian.
#include <array>
#include <cstdint>
#include <span>

namespace lw {

struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    static constexpr std::size_t kSize = 40;
    static constexpr std::uint32_t kRgb = 0;
    static constexpr std::uint32_t kRle8 = 1;
    static constexpr std::uint32_t kRle4 = 2;
    static constexpr std::uint32_t kBitFields = 3;

    std::array<std::uint8_t, kSize> toBytes() const;
    // Reads the first 40 bytes; the caller checks that there are that many.
    static BitmapInfoHeader fromBytes(std::span<const std::uint8_t> bytes);
    bool operator==(const BitmapInfoHeader&) const = default;
};

// Little-endian helpers shared by the DIB and BMP code.
inline std::uint32_t readLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::uint16_t readLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline void writeLe32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void writeLe16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace lw
