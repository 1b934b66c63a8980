#include "platform/log_font.h"

#include "platform/cp1251.h"

#include <algorithm>
#include <cstring>

namespace lw {
namespace {

void put32(std::uint8_t* p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t get32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                     static_cast<std::uint32_t>(p[2]) << 16 |
                                     static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

LogFont LogFont::documentDefault()
{
    LogFont f;
    f.height = 24;
    f.weight = 400;
    f.charSet = 0;
    f.outPrecision = 4;
    f.clipPrecision = 0;
    f.quality = 1;
    f.pitchAndFamily = 0;
    f.setFace("Arial");
    return f;
}

std::array<std::uint8_t, LogFont::kRecordSize> LogFont::toBytes() const
{
    std::array<std::uint8_t, kRecordSize> b{};
    put32(&b[0], height);
    put32(&b[4], width);
    put32(&b[8], escapement);
    put32(&b[12], orientation);
    put32(&b[16], weight);
    b[20] = italic;
    b[21] = underline;
    b[22] = strikeOut;
    b[23] = charSet;
    b[24] = outPrecision;
    b[25] = clipPrecision;
    b[26] = quality;
    b[27] = pitchAndFamily;
    std::memcpy(&b[28], faceName.data(), 32);
    return b;
}

LogFont LogFont::fromBytes(std::span<const std::uint8_t, kRecordSize> b)
{
    LogFont f;
    f.height = get32(&b[0]);
    f.width = get32(&b[4]);
    f.escapement = get32(&b[8]);
    f.orientation = get32(&b[12]);
    f.weight = get32(&b[16]);
    f.italic = b[20];
    f.underline = b[21];
    f.strikeOut = b[22];
    f.charSet = b[23];
    f.outPrecision = b[24];
    f.clipPrecision = b[25];
    f.quality = b[26];
    f.pitchAndFamily = b[27];
    std::memcpy(f.faceName.data(), &b[28], 32);
    return f;
}

std::string LogFont::face() const
{
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return cp1251ToUtf8(std::string(faceName.begin(), end));
}

void LogFont::setFace(const std::string& utf8)
{
    faceName.fill('\0');
    const std::string bytes = utf8ToCp1251(utf8);
    std::memcpy(faceName.data(), bytes.data(), std::min<std::size_t>(bytes.size(), 31));
}

} // namespace lw
