#pragma once
// Small helpers for building rasters and DIB blocks by hand in tests.
#include "imaging/raster.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace lwtest {

// A raster whose pixels are given top row first.
lw::CRaster rasterFromRows(int width, int height, std::initializer_list<std::uint32_t> topDown);

// Pixels of a raster, top row first.
std::vector<std::uint32_t> topDownPixels(const lw::CRaster& raster);

// A packed DIB block: header with the given fields, then the table and the bits as given.
std::vector<std::uint8_t> packedDib(int width, int height, int bitCount, std::uint32_t compression,
                                    std::uint32_t clrUsed, const std::vector<std::uint8_t>& tableAndBits);

} // namespace lwtest
