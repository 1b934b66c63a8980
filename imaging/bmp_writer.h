#pragma once
// Picture export as a 24-bit BMP file.
#include "imaging/raster.h"

#include <string>

namespace lw {

// 40-byte header and bottom-up B, G, R rows padded to 4 bytes with zeros; the transparency byte
// is dropped, so transparent pixels keep their colour. Empty for a raster without pixels.
PackedDib ToPackedDib24(const CRaster& raster);

// The whole file: the 14-byte "BM" header (file size, pixel offset 54), then the packed DIB.
std::vector<std::uint8_t> BmpFileBytes(const CRaster& raster);

// Writes the file through a temporary file; throws FileError when it cannot be written, and then
// the previous file is untouched.
void WriteBmpFile(const std::string& path, const CRaster& raster);

} // namespace lw
