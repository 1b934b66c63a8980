#pragma once
// Icon import: the icon of an .ico file nearest to 32 × 32, drawn on white and on black; pixels
// that show the background in both drawings become transparent.
#include "imaging/imported_picture.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace lw {

inline constexpr int kIconSize = 32;

// The icon drawn at 32 × 32 onto a white and onto a black background (0x00RRGGBB, top row first).
struct IconDrawings {
    std::array<std::uint32_t, kIconSize * kIconSize> onWhite{};
    std::array<std::uint32_t, kIconSize * kIconSize> onBlack{};
};

// Nothing when the bytes hold no icon this reader can draw.
std::optional<IconDrawings> DrawIcon(std::span<const std::uint8_t> file);

// The layer picture: the white drawing, opaque, except pixels white on white and black on black,
// which become 0xFFFFFFFF. hasTransparency is set.
ImportedPicture IconPicture(const IconDrawings& drawings);

// A missing, unreadable or broken icon file gives nothing.
std::optional<ImportedPicture> ImportIcon(const std::string& path);

} // namespace lw
