#pragma once
// Hand-built picture files for the import tests: BMP, ICO, Windows and enhanced metafiles.
#include <cstdint>
#include <string>
#include <vector>

namespace lwtest {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, std::uint16_t v);
void put32(Bytes& out, std::uint32_t v);

// A BMP file: 14-byte file header (total size as given, or the real size when 0) then the rest.
Bytes bmpFile(const Bytes& afterFileHeader, std::uint32_t totalSize = 0, std::uint32_t bitsOffset = 54);

// A one-image icon file around the image data.
Bytes iconFile(int width, int height, int bitCount, const Bytes& image);
// Image data of a 24-bit icon: colours 0x00RRGGBB and mask bits (1 = background), top row first.
Bytes iconImage24(int width, int height, const std::vector<std::uint32_t>& colours,
                  const std::vector<int>& mask);

// A Windows metafile 40 × 40 units with a solid rectangle (no outline) in colour 0x00BBGGRR.
Bytes windowsMetafile(int left, int top, int right, int bottom, std::uint32_t colorref);
// The same behind a placeable header with the given units per inch and box.
Bytes placeableMetafile(int unitsPerInch, int boxRight, int boxBottom, const Bytes& windowsMetafileBits);
// An enhanced metafile with bounds (0, 0, right, bottom) and a solid rectangle.
Bytes enhancedMetafile(int boundsRight, int boundsBottom, int left, int top, int right, int bottom,
                       std::uint32_t colorref);

// A fresh empty folder, and a unique path (the file is not created), below the test program's own
// temporary folder, which goes when the program ends.
std::string testTempFolder(const std::string& tag);
std::string tempPath(const std::string& name);
void writeBytes(const std::string& path, const Bytes& bytes);
Bytes readBytes(const std::string& path);

} // namespace lwtest
