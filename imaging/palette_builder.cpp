#include "imaging/palette_builder.h"

#include "imaging/gif_frame.h"
#include "imaging/gif_frame_list.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lw {

namespace {

constexpr std::size_t kExactStep = 8096; // entries per growth step of the exact lists

inline int cellOf(int r5, int g5, int b5)
{
    return (r5 * 32 + g5) * 32 + b5;
}

inline int cellOfRgb(std::uint32_t rgb)
{
    return cellOf(static_cast<int>(rgb >> 19 & 31), static_cast<int>(rgb >> 11 & 31),
                  static_cast<int>(rgb >> 3 & 31));
}

inline std::uint32_t rgbToBgr(std::uint32_t rgb)
{
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

inline std::uint32_t hashSlot(std::uint32_t key)
{
    return (key * 2654435761u) >> 22; // 10 bits
}

} // namespace

PaletteBuilder::PaletteBuilder()
{
    exactColours.reserve(kExactStep);
    exactCounts.reserve(kExactStep);
    exactCapacity = kExactStep * 4;
}

void PaletteBuilder::ResetExact()
{
    exactColours.clear();
    exactCounts.clear();
    exactKeys_.fill(0);
    exactCount = 0;
}

int PaletteBuilder::FindExact(std::uint32_t rgb) const
{
    const std::uint32_t key = (rgb & 0xFFFFFF) + 1;
    for (std::uint32_t slot = hashSlot(key);; slot = (slot + 1) & (kExactHashSize - 1)) {
        if (exactKeys_[slot] == 0)
            return -1;
        if (exactKeys_[slot] == key)
            return exactSlots_[slot];
    }
}

int PaletteBuilder::CountExact(const CRaster& raster)
{
    if (exactCount > kExactLimit)
        return exactCount;
    const int w = raster.width();
    const int h = raster.height();
    if (!raster.hasBlock())
        return exactCount;
    const std::uint32_t* bits = raster.bits();
    std::uint32_t lastRgb = 0xFFFFFFFF;
    int lastPosition = -1;
    for (int x = 0; x < w; ++x) {
        // Column top to bottom: rows are stored bottom-up.
        const std::uint32_t* p = bits + raster.indexOf(x, 0);
        for (int y = 0; y < h; ++y, p -= w) {
            const std::uint32_t rgb = *p & 0xFFFFFF;
            if (rgb == lastRgb) {
                ++exactCounts[static_cast<std::size_t>(lastPosition)];
                continue;
            }
            const std::uint32_t key = rgb + 1;
            std::uint32_t slot = hashSlot(key);
            while (exactKeys_[slot] != 0 && exactKeys_[slot] != key)
                slot = (slot + 1) & (kExactHashSize - 1);
            if (exactKeys_[slot] == key) {
                lastPosition = exactSlots_[slot];
                ++exactCounts[static_cast<std::size_t>(lastPosition)];
            } else {
                if (exactCount == kExactLimit) {
                    exactCount = kExactLimit + 1;
                    return exactCount;
                }
                if (exactColours.size() == exactColours.capacity()) {
                    exactColours.reserve(exactColours.size() + kExactStep);
                    exactCounts.reserve(exactCounts.size() + kExactStep);
                    exactCapacity = exactColours.capacity() * 4;
                }
                lastPosition = exactCount++;
                exactColours.push_back(rgbToBgr(rgb));
                exactCounts.push_back(1);
                exactKeys_[slot] = key;
                exactSlots_[slot] = static_cast<std::uint16_t>(lastPosition);
            }
            lastRgb = rgb;
        }
    }
    return exactCount;
}

int PaletteBuilder::NearestEntry(std::uint32_t rgb) const
{
    const int r = static_cast<int>(rgb >> 16 & 0xFF);
    const int g = static_cast<int>(rgb >> 8 & 0xFF);
    const int b = static_cast<int>(rgb & 0xFF);
    int best = 0;
    int bestDistance = 999999;
    for (int k = 0; k < paletteCount; ++k) {
        const std::uint32_t e = paletteRgb[static_cast<std::size_t>(k)];
        const int d = std::abs(r - static_cast<int>(e >> 16 & 0xFF)) +
                      std::abs(g - static_cast<int>(e >> 8 & 0xFF)) +
                      std::abs(b - static_cast<int>(e & 0xFF));
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    return best;
}

void PaletteBuilder::Build(int n, GifFrame* frames)
{
    n = std::clamp(n, 1, 256);
    palette.fill(0);
    paletteRgb.fill(0);
    const GifFrameList list = gifFrameList(frames);
    const bool exact = n >= exactCount;
    if (exact) {
        paletteCount = exactCount;
        for (int k = 0; k < exactCount; ++k) {
            const std::uint32_t bgr = exactColours[static_cast<std::size_t>(k)];
            palette[static_cast<std::size_t>(k)] = bgr;
            paletteRgb[static_cast<std::size_t>(k)] = rgbToBgr(bgr);
        }
    } else {
        MedianCut(n, list);
    }
    BuildLookupTable(exact, list.threads);
    parallelFor(list.frames.size(), list.threads,
                [&](std::size_t i, int) { MapFrame(*list.frames[i], exact); });
}

void PaletteBuilder::MapFrame(GifFrame& f, bool exact) const
{
    const CRaster& raster = f.raster;
    const int w = raster.width();
    const int h = raster.height();
    const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (f.indices.size() != count || f.pixelCount() != count) {
        f.width = static_cast<std::uint16_t>(w);
        f.height = static_cast<std::uint16_t>(h);
        f.indices.assign(count, 0);
    }
    if (count == 0)
        return;
    std::uint8_t* out = f.indices.data();
    const int* table = cells.data();
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        if (!exact) {
            // A plain lookup per pixel: on noisy pictures a test for a repeated colour costs more
            // in mispredictions than it saves.
            for (int x = 0; x < w; ++x) {
                const int cell = cellOfRgb(row[x] & 0xFFFFFF);
                const int index = table[cell];
                *out++ = static_cast<std::uint8_t>(index >= 0 ? index : EntryOf(cell));
            }
            continue;
        }
        std::uint32_t lastRgb = 0xFFFFFFFF;
        std::uint8_t lastIndex = 0;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t rgb = row[x] & 0xFFFFFF;
            if (rgb != lastRgb) {
                const int cell = cellOfRgb(rgb);
                int index = table[cell];
                if (index < 0)
                    index = EntryOf(cell); // a colour nobody counted: worked out, not stored
                if (paletteRgb[static_cast<std::size_t>(index)] != rgb) {
                    const int found = FindExact(rgb);
                    if (found >= 0)
                        index = found;
                }
                lastRgb = rgb;
                lastIndex = static_cast<std::uint8_t>(index);
            }
            *out++ = lastIndex;
        }
    }
}

void PaletteBuilder::CountCells(const GifFrameList& list)
{
    // One histogram per thread, summed afterwards: integer sums do not depend on who counted what.
    std::vector<std::vector<int>> partial(static_cast<std::size_t>(list.threads));
    parallelFor(list.frames.size(), list.threads, [&](std::size_t i, int worker) {
        std::vector<int>& counts = partial[static_cast<std::size_t>(worker)];
        if (counts.empty())
            counts.assign(kCellCount, 0);
        int* histogram = counts.data();
        for (const std::uint32_t pixel : std::as_const(list.frames[i]->raster).pixels())
            ++histogram[(pixel >> 9 & 0x7C00) | (pixel >> 6 & 0x3E0) | (pixel >> 3 & 0x1F)];
    });
    cells.assign(kCellCount, 0);
    for (const std::vector<int>& counts : partial)
        for (std::size_t k = 0; k < counts.size(); ++k)
            cells[k] += counts[k];
}

void PaletteBuilder::MedianCut(int n, const GifFrameList& list)
{
    std::vector<Box> boxes(static_cast<std::size_t>(n));
    int listHead = 0;
    int freeHead = n > 1 ? 1 : -1;
    for (int i = 1; i < n; ++i)
        boxes[static_cast<std::size_t>(i)].next = i + 1 < n ? i + 1 : -1;
    Box& all = boxes[0];

    CountCells(list);
    const int* histogram = cells.data();
    // The first box spans every non-empty cell and counts every pixel.
    for (int r = 0; r < 32; ++r)
        for (int g = 0; g < 32; ++g) {
            const int* row = histogram + cellOf(r, g, 0);
            for (int b = 0; b < 32; ++b)
                if (row[b] != 0) {
                    all.rMin = std::min(all.rMin, r), all.rMax = std::max(all.rMax, r);
                    all.gMin = std::min(all.gMin, g), all.gMax = std::max(all.gMax, g);
                    all.bMin = std::min(all.bMin, b), all.bMax = std::max(all.bMax, b);
                    all.count += row[b];
                }
        }
    whitePresent = cells[kCellCount - 1] > 0 ? 1 : 0;

    while (freeHead != -1) {
        int chosen = -1;
        for (int i = listHead; i != -1; i = boxes[static_cast<std::size_t>(i)].next) {
            const Box& b = boxes[static_cast<std::size_t>(i)];
            if (b.rMin >= b.rMax && b.gMin >= b.gMax && b.bMin >= b.bMax)
                continue;
            if (chosen == -1 || b.count > boxes[static_cast<std::size_t>(chosen)].count)
                chosen = i;
        }
        if (chosen == -1)
            break;
        SplitBox(boxes, chosen, freeHead, listHead);
    }

    paletteCount = 0;
    for (int i = listHead; i != -1; i = boxes[static_cast<std::size_t>(i)].next) {
        const Box& b = boxes[static_cast<std::size_t>(i)];
        auto centre = [](int lo, int hi) {
            return static_cast<std::uint32_t>(std::clamp((lo + hi) * 4, 0, 255));
        };
        const std::uint32_t r = b.count > 0 ? centre(b.rMin, b.rMax) : 0;
        const std::uint32_t g = b.count > 0 ? centre(b.gMin, b.gMax) : 0;
        const std::uint32_t bl = b.count > 0 ? centre(b.bMin, b.bMax) : 0;
        paletteRgb[static_cast<std::size_t>(paletteCount)] = r << 16 | g << 8 | bl;
        palette[static_cast<std::size_t>(paletteCount)] = bl << 16 | g << 8 | r;
        ++paletteCount;
    }

    if (whitePresent) {
        int brightest = 0;
        std::uint32_t bestSum = 0;
        for (int k = 0; k < paletteCount; ++k) {
            const std::uint32_t e = paletteRgb[static_cast<std::size_t>(k)];
            const std::uint32_t sum = (e >> 16 & 0xFF) + (e >> 8 & 0xFF) + (e & 0xFF);
            if (k == 0 || sum > bestSum) {
                bestSum = sum;
                brightest = k;
            }
        }
        if (brightest != 0) {
            paletteRgb[static_cast<std::size_t>(brightest)] = 0xFFFFFF;
            palette[static_cast<std::size_t>(brightest)] = 0xFFFFFF;
        }
    }
}

void PaletteBuilder::SplitBox(std::vector<Box>& boxes, int index, int& freeHead, int& listHead)
{
    Box& box = boxes[static_cast<std::size_t>(index)];
    const int er = box.rMax - box.rMin;
    const int eg = box.gMax - box.gMin;
    const int eb = box.bMax - box.bMin;
    const int axis = (er >= eg && er >= eb) ? 0 : (eg >= eb ? 1 : 2);
    int* lo[3] = {&box.rMin, &box.gMin, &box.bMin};
    int* hi[3] = {&box.rMax, &box.gMax, &box.bMax};
    const int axisMin = *lo[axis];
    const int axisMax = *hi[axis];

    // Marginal counts along the axis over the box's other two ranges.
    std::array<int, 32> marginal{};
    for (int r = box.rMin; r <= box.rMax; ++r)
        for (int g = box.gMin; g <= box.gMax; ++g) {
            const int* row = cells.data() + cellOf(r, g, 0);
            for (int b = box.bMin; b <= box.bMax; ++b) {
                const int v = axis == 0 ? r : (axis == 1 ? g : b);
                marginal[static_cast<std::size_t>(v)] += row[b];
            }
        }
    const int half = box.count / 2;
    int split = axisMax;
    int running = 0;
    for (int v = axisMin; v <= axisMax; ++v) {
        running += marginal[static_cast<std::size_t>(v)];
        if (running >= half) {
            split = v;
            break;
        }
    }
    if (split == axisMin)
        split = axisMin + 1;
    int lowCount = 0;
    for (int v = axisMin; v < split; ++v)
        lowCount += marginal[static_cast<std::size_t>(v)];

    const int added = freeHead;
    Box& fresh = boxes[static_cast<std::size_t>(added)];
    freeHead = fresh.next;
    const int oldNext = -1;
    fresh = box;
    fresh.next = listHead;
    fresh.previous = oldNext;
    boxes[static_cast<std::size_t>(listHead)].previous = added;
    listHead = added;
    int* freshHi[3] = {&fresh.rMax, &fresh.gMax, &fresh.bMax};
    *freshHi[axis] = split - 1;
    fresh.count = lowCount;
    *lo[axis] = split;
    box.count -= lowCount;
    ShrinkBox(fresh);
    ShrinkBox(box);
}

void PaletteBuilder::ShrinkBox(Box& box) const
{
    auto sliceHasPixels = [&](int axis, int value) {
        const int r0 = axis == 0 ? value : box.rMin, r1 = axis == 0 ? value : box.rMax;
        const int g0 = axis == 1 ? value : box.gMin, g1 = axis == 1 ? value : box.gMax;
        const int b0 = axis == 2 ? value : box.bMin, b1 = axis == 2 ? value : box.bMax;
        for (int r = r0; r <= r1; ++r)
            for (int g = g0; g <= g1; ++g) {
                const int* row = cells.data() + cellOf(r, g, 0);
                for (int b = b0; b <= b1; ++b)
                    if (row[b] != 0)
                        return true;
            }
        return false;
    };
    int* lo[3] = {&box.rMin, &box.gMin, &box.bMin};
    int* hi[3] = {&box.rMax, &box.gMax, &box.bMax};
    for (int axis = 0; axis < 3; ++axis) {
        while (*lo[axis] < *hi[axis] && !sliceHasPixels(axis, *lo[axis]))
            ++*lo[axis];
        while (*hi[axis] > *lo[axis] && !sliceHasPixels(axis, *hi[axis]))
            --*hi[axis];
    }
}

void PaletteBuilder::BuildLookupTable(bool exact, int threads)
{
    // The entries as separate channel arrays of a fixed length, so that the distance loop has a
    // constant trip count and vectorises; unused slots lie far outside the cube and never win.
    for (std::size_t k = 0; k < 256; ++k) {
        const bool made = static_cast<int>(k) < paletteCount;
        const std::uint32_t e = paletteRgb[k];
        entryR_[k] = static_cast<std::int16_t>(made ? static_cast<int>(e >> 16 & 0xFF) : 10000);
        entryG_[k] = static_cast<std::int16_t>(made ? static_cast<int>(e >> 8 & 0xFF) : 10000);
        entryB_[k] = static_cast<std::int16_t>(made ? static_cast<int>(e & 0xFF) : 10000);
    }
    if (exact) {
        cells.assign(kCellCount, -1);
        for (std::size_t k = 0; k < static_cast<std::size_t>(exactCount); ++k) {
            const int cell = cellOfRgb(rgbToBgr(exactColours[k]));
            int& slot = cells[static_cast<std::size_t>(cell)];
            if (slot < 0)
                slot = EntryOf(cell);
        }
        return;
    }
    // The histogram turns into the table in place, a slice of cells per call: counted cells get
    // their entry, the others -1.
    constexpr int kSlices = 32;
    constexpr int kSliceCells = kCellCount / kSlices;
    parallelFor(kSlices, threads, [&](std::size_t slice, int) {
        const int first = static_cast<int>(slice) * kSliceCells;
        for (int cell = first; cell < first + kSliceCells; ++cell) {
            int& slot = cells[static_cast<std::size_t>(cell)];
            slot = slot > 0 ? EntryOf(cell) : -1;
        }
    });
}

int PaletteBuilder::EntryOf(int cell) const
{
    if (paletteCount == 0)
        return 0;
    // The low corner of the cell, except that the white cell holds pure white.
    const bool white = cell == kCellCount - 1;
    const int r = white ? 255 : (cell >> 10) * 8;
    const int g = white ? 255 : (cell >> 5 & 31) * 8;
    const int b = white ? 255 : (cell & 31) * 8;
    // Sixteen-bit lanes: distances stay below 3 × 10255, so twice as many fit in a vector.
    alignas(32) std::array<std::int16_t, 256> d;
    const auto r16 = static_cast<std::int16_t>(r), g16 = static_cast<std::int16_t>(g),
               b16 = static_cast<std::int16_t>(b);
    for (std::size_t k = 0; k < 256; ++k) {
        const auto dr = static_cast<std::int16_t>(r16 - entryR_[k]);
        const auto dg = static_cast<std::int16_t>(g16 - entryG_[k]);
        const auto db = static_cast<std::int16_t>(b16 - entryB_[k]);
        d[k] = static_cast<std::int16_t>(std::max<std::int16_t>(dr, static_cast<std::int16_t>(-dr)) +
                                         std::max<std::int16_t>(dg, static_cast<std::int16_t>(-dg)) +
                                         std::max<std::int16_t>(db, static_cast<std::int16_t>(-db)));
    }
    std::int16_t best = 32767;
    for (std::size_t k = 0; k < 256; ++k)
        best = std::min(best, d[k]);
    int index = 0;
    while (d[static_cast<std::size_t>(index)] != best)
        ++index; // the lowest index among the nearest
    return index;
}

} // namespace lw
