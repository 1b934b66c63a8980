#include "imaging/reduce_colours.h"

#include "imaging/bitmap_info_header.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

namespace lw {

namespace {

constexpr int kCells = 32768;
constexpr int kMaxBoxes = 256;
constexpr std::uint32_t kCountLimit = 65535;

inline int cellOf(int r5, int g5, int b5)
{
    return r5 << 10 | g5 << 5 | b5;
}

// One histogram cell: pixels counted into it (saturating) and the cached nearest palette index.
struct Cell {
    std::int16_t index = -1;
    std::uint16_t count = 0;
};

// Channels are indexed red 0, green 1, blue 2; bounds are 5-bit values.
struct Box {
    std::array<int, 3> min{};
    std::array<int, 3> max{};
    std::array<int, 3> average{};
    std::uint32_t count = 0;
};

class CornerQuantizer {
public:
    CornerQuantizer(int colours, const std::vector<Cell>& cells) : n_(colours), cells_(cells)
    {
        try {
            boxes_.resize(kMaxBoxes);
        } catch (const std::bad_alloc&) {
            throw PLTextException(kPLErrNoMemory, kPLTextQuantizerNoMemory);
        }
    }

    void run()
    {
        static constexpr std::array<std::array<int, 3>, 8> kCorners = {{
            {0, 0, 0},
            {31, 0, 0},
            {0, 31, 0},
            {0, 0, 31},
            {31, 31, 0},
            {0, 31, 31},
            {31, 0, 31},
            {31, 31, 31},
        }};
        for (int k = 0; k < 8; ++k) {
            boxes_[k].min = boxes_[k].max = kCorners[k];
            boxes_[k].count = 1;
        }
        boxes_[8].min = {0, 0, 0};
        boxes_[8].max = {31, 31, 31};
        computeStatistics(boxes_[8]);

        for (int k = 9; k < n_; ++k) {
            int chosen = 8;
            for (int i = 9; i < k; ++i)
                if (boxes_[i].count > boxes_[chosen].count)
                    chosen = i;
            Box& box = boxes_[chosen];
            if (box.count < 2) {
                for (int i = k; i < kMaxBoxes; ++i)
                    boxes_[i] = Box{};
                break;
            }
            Box& added = boxes_[k];
            added = box;
            const int rangeR = box.max[0] - box.min[0];
            const int rangeG = box.max[1] - box.min[1];
            const int rangeB = box.max[2] - box.min[2];
            const int axis = (rangeR >= rangeG && rangeR >= rangeB) ? 0 : (rangeG >= rangeB ? 1 : 2);
            if (box.max[axis] - box.min[axis] == 2) {
                // Three slices: the outer two become the new boxes.
                added.max[axis] = box.min[axis];
                box.min[axis] = box.max[axis];
            } else {
                int c = box.average[axis];
                if (c == box.max[axis])
                    --c;
                box.max[axis] = c;
                added.min[axis] = c + 1;
            }
            computeStatistics(added);
            computeStatistics(box);
        }
    }

    std::array<std::uint32_t, kMaxBoxes> palette() const
    {
        std::array<std::uint32_t, kMaxBoxes> rgb{};
        for (int k = 0; k < kMaxBoxes; ++k) {
            const Box& b = boxes_[k];
            const std::uint32_t r = static_cast<std::uint32_t>((b.min[0] + b.max[0]) * 255 / 62);
            const std::uint32_t g = static_cast<std::uint32_t>((b.min[1] + b.max[1]) * 255 / 62);
            const std::uint32_t bl = static_cast<std::uint32_t>((b.min[2] + b.max[2]) * 255 / 62);
            rgb[k] = r << 16 | g << 8 | bl;
        }
        return rgb;
    }

private:
    void computeStatistics(Box& box) const
    {
        std::array<int, 3> lo = {32, 32, 32};
        std::array<int, 3> hi = {-1, -1, -1};
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t total = 0;
        for (int r = box.min[0]; r <= box.max[0]; ++r)
            for (int g = box.min[1]; g <= box.max[1]; ++g) {
                const Cell* row = cells_.data() + cellOf(r, g, 0);
                for (int b = box.min[2]; b <= box.max[2]; ++b) {
                    const std::uint32_t count = row[b].count;
                    if (count == 0)
                        continue;
                    lo[0] = std::min(lo[0], r), hi[0] = std::max(hi[0], r);
                    lo[1] = std::min(lo[1], g), hi[1] = std::max(hi[1], g);
                    lo[2] = std::min(lo[2], b), hi[2] = std::max(hi[2], b);
                    sum[0] += static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(r);
                    sum[1] += static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(g);
                    sum[2] += static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(b);
                    total += count;
                }
            }
        if (total == 0) {
            box.average = {0, 0, 0};
            box.count = 0;
            return;
        }
        box.min = lo;
        box.max = hi;
        for (int c = 0; c < 3; ++c)
            box.average[c] = static_cast<int>(sum[c] / total);
        box.count = static_cast<std::uint32_t>(std::min<std::uint64_t>(total, kCountLimit));
        // A single cell cannot be split further, so it must never be chosen.
        if (lo == hi)
            box.count = 1;
    }

    int n_;
    const std::vector<Cell>& cells_;
    std::vector<Box> boxes_;
};

// The pixels of a 32-bit DIB as B, G, R, T bytes, rows bottom-up.
struct DibPixels {
    int width = 0;
    int height = 0;
    const std::uint8_t* bits = nullptr;
};

// Reads the plain 32-bit layout in place; anything else goes through the raster's loader.
DibPixels viewDib(const PackedDib& dib, PackedDib& converted)
{
    if (dib.size() >= BitmapInfoHeader::kSize) {
        const BitmapInfoHeader h = BitmapInfoHeader::fromBytes(dib);
        if (h.biSize == BitmapInfoHeader::kSize && h.biBitCount == 32 &&
            h.biCompression == BitmapInfoHeader::kRgb && h.biWidth >= 0 && h.biHeight >= 0 &&
            h.biClrUsed <= 256 && static_cast<std::int64_t>(h.biWidth) * h.biHeight <= kMaxRasterPixels) {
            const std::size_t offset = BitmapInfoHeader::kSize + std::size_t{h.biClrUsed} * 4;
            const std::size_t bytes =
                static_cast<std::size_t>(h.biWidth) * static_cast<std::size_t>(h.biHeight) * 4;
            if (dib.size() >= offset && dib.size() - offset >= bytes)
                return {h.biWidth, h.biHeight, dib.data() + offset};
        }
    }
    CRaster raster;
    if (!raster.LoadPackedDib(dib))
        throw PLTextException(kPLErrFormatUnsupported, kPLTextNotADib);
    converted = raster.ToPackedDib32();
    return {raster.width(), raster.height(),
            converted.empty() ? nullptr : converted.data() + BitmapInfoHeader::kSize};
}

} // namespace

PackedDib ReduceColours(PackedDib dib, int n)
{
    n = std::clamp(n, 2, 256);
    PackedDib converted;
    const DibPixels src = viewDib(dib, converted);
    const int w = src.width;
    const int h = src.height;
    const std::size_t pixelCount = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    const std::size_t stride = (static_cast<std::size_t>(w) + 3) & ~std::size_t{3};

    // The container of the result's index rows.
    std::vector<std::uint8_t> indexBits;
    std::vector<Cell> cells;
    try {
        indexBits.assign(stride * static_cast<std::size_t>(h), 0);
        cells.resize(kCells);
    } catch (const std::bad_alloc&) {
        throw PLTextException(kPLErrNoMemory, kPLTextDibNoMemory);
    }

    for (std::size_t i = 0; i < pixelCount; ++i) {
        const std::uint8_t* p = src.bits + i * 4;
        Cell& cell = cells[cellOf(p[2] >> 3, p[1] >> 3, p[0] >> 3)];
        if (cell.count < kCountLimit)
            ++cell.count;
    }

    CornerQuantizer quantizer(n, cells);
    quantizer.run();
    const std::array<std::uint32_t, kMaxBoxes> palette = quantizer.palette();
    std::array<std::array<int, 3>, kMaxBoxes> entries{};
    for (int k = 0; k < kMaxBoxes; ++k)
        entries[k] = {static_cast<int>(palette[k] >> 16 & 0xFF), static_cast<int>(palette[k] >> 8 & 0xFF),
                      static_cast<int>(palette[k] & 0xFF)};
    // The same entries as channel arrays of fixed length for the search; entries past n lie far
    // outside the cube and never win.
    alignas(32) std::array<int, kMaxBoxes> er, eg, eb;
    for (int k = 0; k < kMaxBoxes; ++k) {
        er[k] = k < n ? entries[k][0] : 10000;
        eg[k] = k < n ? entries[k][1] : 10000;
        eb[k] = k < n ? entries[k][2] : 10000;
    }

    // Every colour of a cell maps to the entry found for the first colour looked up in it.
    auto nearest = [&](int r, int g, int b) -> int {
        Cell& cell = cells[cellOf(r >> 3, g >> 3, b >> 3)];
        if (cell.index >= 0)
            return cell.index;
        alignas(32) std::array<int, kMaxBoxes> d;
        for (int k = 0; k < kMaxBoxes; ++k) {
            const int dr = r - er[k];
            const int dg = g - eg[k];
            const int db = b - eb[k];
            d[k] = dr * dr + dg * dg + db * db;
        }
        int bestDistance = 0x7FFFFFFF;
        for (int k = 0; k < kMaxBoxes; ++k)
            bestDistance = std::min(bestDistance, d[k]);
        int best = 0;
        while (d[best] != bestDistance)
            ++best; // the lowest index among the nearest
        cell.index = static_cast<std::int16_t>(best);
        return best;
    };

    // Error rows of width + 2 entries; the entry at each end takes errors that fall outside.
    const std::size_t rowEntries = static_cast<std::size_t>(w) + 2;
    std::vector<float> errorA, errorB;
    try {
        errorA.assign(rowEntries * 3, 0.0f);
        errorB.assign(rowEntries * 3, 0.0f);
    } catch (const std::bad_alloc&) {
        throw PLTextException(kPLErrNoMemory, kPLTextDibNoMemory);
    }
    float* current = errorA.data();
    float* below = errorB.data();
    for (int y = 0; y < h; ++y) {
        const bool forwards = (y & 1) == 0;
        const std::size_t dibRow = static_cast<std::size_t>(h - 1 - y);
        const std::uint8_t* srcRow = src.bits + dibRow * static_cast<std::size_t>(w) * 4;
        std::uint8_t* outRow = indexBits.data() + dibRow * stride;
        // Entry i + 1 of this row belongs to the i-th pixel processed; the row below is indexed
        // the other way round, so the next row, running back, reads it forwards.
        float* first = below + static_cast<std::size_t>(w) * 3;
        first[0] = first[1] = first[2] = 0.0f;
        for (int i = 0; i < w; ++i) {
            const int x = forwards ? i : w - 1 - i;
            const std::uint8_t* p = srcRow + static_cast<std::size_t>(x) * 4;
            float* e = current + static_cast<std::size_t>(i + 1) * 3;
            const float r = std::clamp(p[2] + e[0], 0.0f, 255.0f);
            const float g = std::clamp(p[1] + e[1], 0.0f, 255.0f);
            const float b = std::clamp(p[0] + e[2], 0.0f, 255.0f);
            const int index = nearest(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
            outRow[x] = static_cast<std::uint8_t>(index);
            const float er = (r - static_cast<float>(entries[index][0])) / 16.0f;
            const float eg = (g - static_cast<float>(entries[index][1])) / 16.0f;
            const float eb = (b - static_cast<float>(entries[index][2])) / 16.0f;
            float* ahead = e + 3;
            ahead[0] += 7 * er, ahead[1] += 7 * eg, ahead[2] += 7 * eb;
            float* under = below + static_cast<std::size_t>(w - i) * 3;
            under[0] += 5 * er, under[1] += 5 * eg, under[2] += 5 * eb;
            float* behind = under + 3;
            behind[0] += 3 * er, behind[1] += 3 * eg, behind[2] += 3 * eb;
            // Touched first here in this row, so it is set rather than added to.
            float* underAhead = under - 3;
            underAhead[0] = er, underAhead[1] = eg, underAhead[2] = eb;
        }
        std::swap(current, below);
    }

    BitmapInfoHeader header;
    header.biWidth = w;
    header.biHeight = h;
    header.biBitCount = 8;
    header.biSizeImage = static_cast<std::uint32_t>(indexBits.size());
    header.biClrUsed = 256;
    PackedDib result;
    try {
        result.resize(BitmapInfoHeader::kSize + 256 * 4 + indexBits.size());
    } catch (const std::bad_alloc&) {
        throw PLTextException(kPLErrNoMemory, kPLTextResultNoMemory);
    }
    const auto headerBytes = header.toBytes();
    std::memcpy(result.data(), headerBytes.data(), headerBytes.size());
    std::uint8_t* table = result.data() + BitmapInfoHeader::kSize;
    for (int k = 0; k < 256; ++k) {
        table[k * 4 + 0] = static_cast<std::uint8_t>(palette[k]);
        table[k * 4 + 1] = static_cast<std::uint8_t>(palette[k] >> 8);
        table[k * 4 + 2] = static_cast<std::uint8_t>(palette[k] >> 16);
        table[k * 4 + 3] = 0;
    }
    if (!indexBits.empty())
        std::memcpy(table + 256 * 4, indexBits.data(), indexBits.size());
    dib = PackedDib();
    return result;
}

} // namespace lw
