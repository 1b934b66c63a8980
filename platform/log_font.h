#pragma once
// The 60-byte logical-font record stored verbatim in documents and text records: five 32-bit
// integers, eight bytes and a 32-byte face name (code page 1251, NUL-terminated).
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace lw {

struct LogFont {
    std::int32_t height = 0; // < 0: character height, > 0: cell height, 0: default size
    std::int32_t width = 0;  // average character width, 0: natural
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0; // 0 default, 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};

    static constexpr std::size_t kRecordSize = 60;

    // The font new text labels start with: Arial, height 24, normal weight.
    static LogFont documentDefault();

    std::array<std::uint8_t, kRecordSize> toBytes() const;
    static LogFont fromBytes(std::span<const std::uint8_t, kRecordSize> bytes);

    // Face name as UTF-8 (stored as code page 1251, cut at the first NUL).
    std::string face() const;
    void setFace(const std::string& utf8);

    bool operator==(const LogFont&) const = default;
};

} // namespace lw
