#pragma once
// Whole-file reads and crash-safe writes. A write goes to a temporary file in the target's
// folder and is renamed over the target only when every byte is on disk, so a failed save never
// destroys the previous file.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lw {

// Largest file the readers accept; anything bigger is refused before allocating.
inline constexpr std::uintmax_t kMaxInputFileSize = 512u * 1024u * 1024u;

std::vector<std::uint8_t> readFile(const std::string& path);
void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Lower-cased text after the last '.', or empty.
std::string fileExtension(const std::string& path);

} // namespace lw
