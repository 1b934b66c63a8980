#pragma once
// The JPEG reader and writer behind picture import and export (libjpeg-turbo). LoadJPEG gives a
// 24-bit bottom-up packed DIB that CRaster::LoadPackedDib reads; SaveJPEG takes a 32-bit (or
// 24-bit) packed DIB as ToPackedDib32 makes it.
#include "imaging/imported_picture.h"

#include <optional>
#include <span>
#include <string>

namespace lw {

// Nothing on any failure (missing file, not a JPEG, broken data, larger than maxPixels).
std::optional<PackedDib> DecodeJpeg(std::span<const std::uint8_t> bytes,
                                    std::int64_t maxPixels = kMaxImportPixels);
std::optional<PackedDib> LoadJPEG(const std::string& path);

// Quality 0 … 100, or -1 for the library's default. Nothing when the DIB cannot be encoded.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(std::span<const std::uint8_t> packedDib, int quality);
// Writes through a temporary file; false (and the previous file untouched) on failure.
bool SaveJPEG(const std::string& path, std::span<const std::uint8_t> packedDib, int quality);

} // namespace lw
