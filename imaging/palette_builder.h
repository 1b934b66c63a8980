#pragma once
// PaletteBuilder: the global palette of a GIF. Counts exact colours and either keeps them all or
// runs a median cut on a 5-bit-per-channel histogram; pixels are then mapped through a
// 32 × 32 × 32 lookup table without dithering. Only R, G and B are looked at.
#include "imaging/raster.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lw {

struct GifFrame;
struct GifFrameList;

class PaletteBuilder {
public:
    static constexpr int kCellCount = 32768;
    static constexpr int kExactLimit = 256;

    PaletteBuilder();

    // Forgets every counted colour.
    void ResetExact();
    // Adds the raster's colours to the exact list, column by column, each top to bottom; stops
    // once more than 256 are known (the count is then 257). Returns the count.
    int CountExact(const CRaster& raster);
    // Builds the palette for at most n colours from the frames' rasters and writes every frame's
    // indices (which must already be sized width × height). Large animations share both passes
    // over the pixels among threads; the result is the same either way.
    void Build(int n, GifFrame* frames);
    // The L1-nearest palette entry to a 0x00RRGGBB colour, lowest index on ties.
    int NearestEntry(std::uint32_t rgb) const;

    // Exact colours 0x00BBGGRR in first-met order, with their pixel counts.
    std::vector<std::uint32_t> exactColours;
    std::vector<std::uint32_t> exactCounts;
    std::size_t exactCapacity = 0;
    // Histogram counts during the median cut, then the lookup table: the palette index of every
    // cell a pixel falls into (-1 for the others, which no pixel needs).
    std::vector<int> cells;
    int whitePresent = 0;
    int exactCount = 0;
    std::array<std::uint32_t, 256> palette{};    // 0x00BBGGRR
    std::array<std::uint32_t, 256> paletteRgb{}; // 0x00RRGGBB
    int paletteCount = 0;

private:
    struct Box {
        int next = -1;
        int previous = -1;
        int rMin = 999, rMax = -1, gMin = 999, gMax = -1, bMin = 999, bMax = -1;
        int count = 0;
    };

    void MedianCut(int n, const GifFrameList& list);
    void CountCells(const GifFrameList& list);
    void SplitBox(std::vector<Box>& boxes, int index, int& freeHead, int& listHead);
    void ShrinkBox(Box& box) const;
    // Fills the lookup table for the cells a pixel can fall into: those counted by the median
    // cut, or those of the exact colours.
    void BuildLookupTable(bool exact, int threads);
    // The cell's palette index: the entry nearest to the cell's low corner.
    int EntryOf(int cell) const;
    void MapFrame(GifFrame& frame, bool exact) const;
    int FindExact(std::uint32_t rgb) const;

    alignas(32) std::array<std::int16_t, 256> entryR_{};
    alignas(32) std::array<std::int16_t, 256> entryG_{};
    alignas(32) std::array<std::int16_t, 256> entryB_{};

    // Open-addressed index of the exact list: rgb + 1 → position, 0 = empty.
    static constexpr int kExactHashSize = 1024;
    std::array<std::uint32_t, kExactHashSize> exactKeys_{};
    std::array<std::uint16_t, kExactHashSize> exactSlots_{};
};

} // namespace lw
