#pragma once
// GifFrame: one image of a GIF stream, as written or as read.
#include "imaging/raster.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace lw {

// A colour table of 256 R, G, B triples.
using GifColourTable = std::array<std::uint8_t, 768>;

struct GifFrame {
    std::uint16_t delay = 0;    // hundredths of a second
    std::uint16_t disposal = 0; // GIF disposal method 0–7
    int transparent = 0;
    int transparentIndex = 0; // only its low byte is written
    std::array<int, 256> usedIndex{};
    int compressedLength = 0;
    std::vector<std::uint8_t> compressed; // LZW data without sub-block framing
    CRaster raster;
    std::unique_ptr<GifFrame> next;
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    // The size the file states. The reader keeps only the part on the logical screen (width ×
    // height from the frame's corner); only the decoding needs the stated size.
    std::uint16_t codedWidth = 0;
    std::uint16_t codedHeight = 0;
    int interlaced = 0;
    std::unique_ptr<GifColourTable> localPalette;
    int localSorted = 0;
    std::uint16_t localPaletteSize = 0;
    std::uint8_t codeSize = 0;         // LZW minimum code size
    std::vector<std::uint8_t> indices; // width × height, rows top-down: x + y × width
    // Frame optimisation's record of the pixels that show the frame below: 1 there, in the
    // indices' order. DiffFrames sets it and lets the raster go; while it is empty, the
    // raster's own transparency counts.
    std::vector<std::uint8_t> transparentMask;

    std::size_t pixelCount() const { return std::size_t{width} * std::size_t{height}; }
};

// The LZW minimum code size for a number of colours: 2 up to 4 colours, then one bit per doubling.
int codeSizeFor(int colours);

} // namespace lw
