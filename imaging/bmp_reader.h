#pragma once
// Reading BMP files for picture import: the file becomes the packed DIB it holds, or the user is
// told why it cannot be used.
#include "imaging/imported_picture.h"
#include "platform/ui_port.h"

#include <optional>
#include <span>
#include <string>

namespace lw {

// Texts of the BMP import messages.
inline constexpr const char* kBmpErrorTitle = "Error loading BMP file";
inline constexpr const char* kBmpNotBitmap = "File is NOT Bitmap file";
inline constexpr const char* kBmpOutOfMemory = "Out of memory";
inline constexpr const char* kBmpNotWindowsBitmap =
    "File is not Windows Bitmap. Save BMP file in Windows bitmap format and try again.";
inline constexpr const char* kBmpRleText =
    "File is RLE compressed what is not supported. Save BMP file without RLE compression and try again.";
inline constexpr const char* kBmpRleTitle = "RLE сжатие не поддерживается. ";
inline constexpr const char* kBmpDamaged = "The BMP file is damaged or its picture format is not supported.";

// The packed DIB of a BMP file's bytes (header, colour table, bits; the file's bit offset is not
// used), or nothing after telling the user why through ui.
std::optional<PackedDib> ReadBmpBytes(std::span<const std::uint8_t> file, UiPort& ui);

// The picture of a BMP file; a missing or unreadable file gives nothing without a message.
std::optional<ImportedPicture> ImportBmp(const std::string& path, UiPort& ui);

} // namespace lw
