// Frame optimisation on a GifAnimation between BuildPalette and EncodeFrames: identical
// consecutive frames merge, unchanged pixels become transparent, frames shrink to what changed,
// and the palette is ordered by use so that each frame gets a small transparent index and code
// size.
#include "imaging/gif_animation.h"
#include "imaging/gif_frame_list.h"
#include "platform/errors.h"

#include <algorithm>
#include <array>
#include <new>
#include <span>

namespace lw {

namespace {

inline bool opaque(std::uint32_t pixel)
{
    return (pixel >> 24) == 0;
}

std::vector<std::uint8_t> byteBlock(std::size_t n)
{
    try {
        return std::vector<std::uint8_t>(n, 0);
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
}

// 1 where the raster's pixel is not opaque, in the indices' order (rows top-down).
std::vector<std::uint8_t> transparencyOf(const CRaster& raster)
{
    std::vector<std::uint8_t> mask = byteBlock(raster.pixelCount());
    for (int y = 0; y < raster.height(); ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        std::uint8_t* out =
            mask.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(raster.width());
        for (int x = 0; x < raster.width(); ++x)
            out[x] = opaque(row[x]) ? 0 : 1;
    }
    return mask;
}

// The frame's see-through pixels: 1 where a pixel is not opaque, in the indices' order, with the
// size they are laid out in. DiffFrames' mask when there is one (read in place), else the
// raster's transparency.
struct Coverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> computed;
    std::span<const std::uint8_t> transparent;
};

Coverage coverageOf(const GifFrame& frame)
{
    if (!frame.transparentMask.empty())
        return {frame.width, frame.height, {}, frame.transparentMask};
    Coverage c{frame.raster.width(), frame.raster.height(), transparencyOf(frame.raster), {}};
    c.transparent = c.computed;
    return c;
}

// The frame's indices as its pixels' count; a block of another size is replaced by zeros.
void ensureIndices(GifFrame& frame, std::size_t n)
{
    if (frame.indices.size() != n)
        frame.indices = byteBlock(n);
}

// The smallest rectangle holding every pixel that does not show through (0 in a mask laid out
// w pixels a row); right < 0 while there is none.
struct OpaqueBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    void addRow(const std::uint8_t* row, int w, int y)
    {
        const int first = static_cast<int>(std::find(row, row + w, 0) - row);
        if (first == w)
            return;
        int last = w - 1;
        while (row[last])
            --last;
        if (right < 0) {
            left = first;
            right = last;
            top = y;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        bottom = y;
    }
};

OpaqueBox opaqueBoxOf(const Coverage& coverage)
{
    OpaqueBox box;
    for (int y = 0; y < coverage.height; ++y)
        box.addRow(coverage.transparent.data() +
                       static_cast<std::size_t>(y) * static_cast<std::size_t>(coverage.width),
                   coverage.width, y);
    return box;
}

// Cuts the frame's indices, mask and raster (if it still has one) down to the box.
void cropTo(GifFrame& frame, Coverage coverage, const OpaqueBox& box)
{
    if (box.right < 0)
        return;
    const int w = coverage.width;
    const int h = coverage.height;
    ensureIndices(frame, coverage.transparent.size());
    const int cw = box.right - box.left + 1;
    const int ch = box.bottom - box.top + 1;
    if (cw == w && ch == h) {
        // Nothing to cut away: the blocks stay as they are.
        if (frame.transparentMask.empty())
            frame.transparentMask = std::move(coverage.computed);
        frame.width = static_cast<std::uint16_t>(w);
        frame.height = static_cast<std::uint16_t>(h);
        return;
    }
    const bool withRaster = frame.raster.hasBlock();
    CRaster cropped(withRaster ? cw : 0, withRaster ? ch : 0);
    const std::size_t croppedCount = static_cast<std::size_t>(cw) * static_cast<std::size_t>(ch);
    std::vector<std::uint8_t> indices = byteBlock(croppedCount);
    std::vector<std::uint8_t> mask = byteBlock(croppedCount);
    for (int y = 0; y < ch; ++y) {
        if (withRaster) {
            const std::uint32_t* src = frame.raster.bits() + frame.raster.indexOf(box.left, box.top + y);
            std::copy(src, src + cw, cropped.bits() + cropped.indexOf(0, y));
        }
        const std::size_t from = static_cast<std::size_t>(box.top + y) * static_cast<std::size_t>(w) +
                                 static_cast<std::size_t>(box.left);
        const std::size_t to = static_cast<std::size_t>(y) * static_cast<std::size_t>(cw);
        std::copy_n(frame.indices.data() + from, cw, indices.data() + to);
        std::copy_n(coverage.transparent.data() + from, cw, mask.data() + to);
    }
    frame.raster = std::move(cropped);
    frame.indices = std::move(indices);
    frame.transparentMask = std::move(mask);
    frame.left = static_cast<std::uint16_t>(frame.left + box.left);
    frame.top = static_cast<std::uint16_t>(frame.top + box.top);
    frame.width = static_cast<std::uint16_t>(cw);
    frame.height = static_cast<std::uint16_t>(ch);
}

// A frame that shows the same colours as the one before goes, and that one stays for both delays.
void mergeNext(GifFrame& kept)
{
    std::unique_ptr<GifFrame> gone = std::move(kept.next);
    kept.delay = static_cast<std::uint16_t>(std::min(0xFFFF, kept.delay + gone->delay));
    kept.next = std::move(gone->next);
}

// True when every frame has a raster of the first one's size, laid out as the frame, and no mask
// yet: then each frame can be compared with the one just before it, all at once. That gives the
// same marks as comparing with the last frame kept, since a frame merged away had, pixel for
// pixel, the colours of the frame it merged into.
bool comparableAtOnce(const GifFrame& first)
{
    const int w = first.raster.width();
    const int h = first.raster.height();
    for (const GifFrame* f = &first; f; f = f->next.get())
        if (!f->raster.hasBlock() || f->raster.width() != w || f->raster.height() != h || f->width != w ||
            f->height != h || !f->transparentMask.empty())
            return false;
    return true;
}

struct Comparison {
    bool allEqual = false;
    OpaqueBox box;
};

// Marks in `out` the pixels of a row that show the frame below: not opaque, or the colour they had
// before. Returns the changes in colour or-ed together, 0 when there are none. Whole blocks of 16
// pixels go through a loop of fixed length that the compiler turns into vector instructions.
std::uint32_t compareRow(const std::uint32_t* row, const std::uint32_t* beforeRow, std::uint8_t* out, int w)
{
    std::uint32_t changed = 0;
    const auto compare = [&](int x) {
        const std::uint32_t difference = (row[x] ^ beforeRow[x]) & 0xFFFFFF;
        changed |= difference;
        return static_cast<std::uint8_t>((difference == 0) | !opaque(row[x]));
    };
    int x = 0;
    for (; x + 16 <= w; x += 16) {
        std::array<std::uint8_t, 16> block;
        for (std::size_t k = 0; k < block.size(); ++k)
            block[k] = compare(x + static_cast<int>(k));
        std::copy(block.begin(), block.end(), out + x);
    }
    for (; x < w; ++x)
        out[x] = compare(x);
    return changed;
}

// Marks in the mask (after's size) the pixels of `after` that show the frame below, compared
// with `before`, a raster of the same size.
Comparison compareSameSize(const CRaster& before, const CRaster& after, std::uint8_t* mask)
{
    Comparison result;
    const int w = after.width();
    std::uint32_t changed = 0;
    for (int y = 0; y < after.height(); ++y) {
        std::uint8_t* out = mask + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        changed |=
            compareRow(after.bits() + after.indexOf(0, y), before.bits() + before.indexOf(0, y), out, w);
        result.box.addRow(out, w, y);
    }
    result.allEqual = changed == 0;
    return result;
}

// How many pixels of a frame have each index, those that show through counted apart: bin
// index | seeThrough << 8.
using IndexCounts = std::array<std::uint32_t, 512>;

inline std::size_t binOf(std::uint8_t index, std::uint8_t seeThrough)
{
    return std::size_t{index} | std::size_t{seeThrough != 0} << 8;
}

IndexCounts countIndices(std::span<const std::uint8_t> indices, std::span<const std::uint8_t> transparent)
{
    // Four tables in turn, so that a run of one bin does not wait on its own last increment.
    std::array<IndexCounts, 4> part{};
    const std::size_t n = indices.size();
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++part[0][binOf(indices[i], transparent[i])];
        ++part[1][binOf(indices[i + 1], transparent[i + 1])];
        ++part[2][binOf(indices[i + 2], transparent[i + 2])];
        ++part[3][binOf(indices[i + 3], transparent[i + 3])];
    }
    for (; i < n; ++i)
        ++part[0][binOf(indices[i], transparent[i])];
    IndexCounts counts{};
    for (const IndexCounts& p : part)
        for (std::size_t bin = 0; bin < counts.size(); ++bin)
            counts[bin] += p[bin];
    return counts;
}

// The index each bin is written as: the remapped one, or for see-through pixels of a colour that
// is rare in the frame the transparent index that this chooses (when the frame may have one) and
// sets in the frame. Counts are by the indices before the remapping.
std::array<std::uint8_t, 512> indexTable(GifFrame& frame, const IndexCounts& counts,
                                         const std::array<std::uint8_t, 256>& remap, bool mayBeTransparent)
{
    std::array<std::uint8_t, 512> table{};
    std::array<bool, 256> used{};
    std::array<std::int64_t, 256> total{};
    std::array<std::int64_t, 256> trans{};
    std::int64_t s = 0;
    for (std::size_t old = 0; old < 256; ++old) {
        const std::size_t c = remap[old];
        table[old] = table[old | 256] = remap[old];
        used[c] = counts[old] != 0;
        trans[c] = counts[old | 256];
        total[c] = std::int64_t{counts[old]} + trans[c];
        s += trans[c];
    }
    if (!mayBeTransparent || s == 0)
        return table;
    const auto free = std::find(used.begin(), used.end(), false);
    if (free == used.end())
        return table;
    const int t = static_cast<int>(free - used.begin());
    frame.transparentIndex = t;
    frame.transparent = 1;

    // Colours that are common in the frame keep their index in the unchanged area: the pixel shows
    // the same colour either way, and long runs of one index compress better.
    for (std::size_t c = 0; c < 256; ++c)
        if (total[c] > s)
            s -= trans[c];
    s = std::max<std::int64_t>(s, 0);
    for (std::size_t old = 0; old < 256; ++old)
        if (total[remap[old]] < s)
            table[old | 256] = static_cast<std::uint8_t>(t);
    return table;
}

void rewriteIndices(std::span<std::uint8_t> indices, std::span<const std::uint8_t> transparent,
                    const std::array<std::uint8_t, 512>& table)
{
    for (std::size_t i = 0; i < indices.size(); ++i)
        indices[i] = table[binOf(indices[i], transparent[i])];
}

std::array<std::uint8_t, 256> identityRemap()
{
    std::array<std::uint8_t, 256> remap{};
    for (std::size_t i = 0; i < 256; ++i)
        remap[i] = static_cast<std::uint8_t>(i);
    return remap;
}

// DiffFrames for frames that comparableAtOnce accepts: every frame compared with the one before
// it at once, then the merges made in order.
void diffAtOnce(GifFrame& first)
{
    const GifFrameList list = gifFrameList(&first);
    std::vector<Comparison> comparisons(list.frames.size());
    parallelFor(list.frames.size(), list.threads, [&](std::size_t i, int) {
        GifFrame& q = *list.frames[i];
        if (i == 0) {
            q.transparentMask = transparencyOf(q.raster);
            return;
        }
        std::vector<std::uint8_t> mask = byteBlock(q.raster.pixelCount());
        comparisons[i] = compareSameSize(list.frames[i - 1]->raster, q.raster, mask.data());
        q.transparentMask = std::move(mask);
    });
    std::vector<std::size_t> kept;
    GifFrame* p = &first;
    for (std::size_t i = 1; i < list.frames.size(); ++i) {
        GifFrame* q = list.frames[i];
        if (comparisons[i].allEqual) {
            mergeNext(*p); // q is gone
            continue;
        }
        p->raster = CRaster();
        p = q;
        kept.push_back(i);
    }
    p->raster = CRaster();
    parallelFor(kept.size(), list.threads, [&](std::size_t k, int) {
        GifFrame& f = *list.frames[kept[k]];
        cropTo(f, coverageOf(f), comparisons[kept[k]].box);
    });
}

} // namespace

void GifAnimation::DiffFrames()
{
    // The rasters may share their pixels with the pictures they were made from, so unchanged
    // pixels are recorded in each frame's mask rather than marked in the raster; compared are the
    // colours of the last frame kept.
    if (!frames)
        return;
    if (comparableAtOnce(*frames)) {
        diffAtOnce(*frames);
        return;
    }
    if (frames->transparentMask.empty())
        frames->transparentMask = transparencyOf(frames->raster);
    GifFrame* p = frames.get();
    while (p->next) {
        GifFrame* q = p->next.get();
        const CRaster& before = p->raster;
        const CRaster& after = q->raster;
        // Marked in one pass: a pixel shows the frame below when it is not opaque or has not
        // changed colour.
        const bool ownTransparency = q->transparentMask.empty();
        std::vector<std::uint8_t> mask =
            ownTransparency ? byteBlock(after.pixelCount()) : std::move(q->transparentMask);
        bool allEqual = true;
        for (int y = 0; y < after.height(); ++y) {
            const std::uint32_t* row = after.bits() + after.indexOf(0, y);
            const bool rowInside = y < before.height();
            const std::uint32_t* beforeRow =
                rowInside && before.hasBlock() ? before.bits() + before.indexOf(0, y) : nullptr;
            std::uint8_t* unchanged =
                mask.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(after.width());
            for (int x = 0; x < after.width(); ++x) {
                // Outside the previous raster the previous frame reads as black.
                const std::uint32_t old = (beforeRow && x < before.width()) ? beforeRow[x] : 0;
                const bool same = ((row[x] ^ old) & 0xFFFFFF) == 0;
                if (ownTransparency)
                    unchanged[x] = static_cast<std::uint8_t>(same || !opaque(row[x]));
                else if (same)
                    unchanged[x] = 1;
                allEqual = allEqual && same;
            }
        }
        if (allEqual) {
            mergeNext(*p);
            continue;
        }
        q->transparentMask = std::move(mask);
        // Only the last frame kept is compared with: the one before has no more use for colours.
        p->raster = CRaster();
        p = q;
    }
    p->raster = CRaster();
    const GifFrameList list = gifFrameList(frames->next.get());
    parallelFor(list.frames.size(), list.threads, [&](std::size_t i, int) { CropToOpaque(*list.frames[i]); });
}

void GifAnimation::CropToOpaque(GifFrame& frame)
{
    Coverage coverage = coverageOf(frame);
    const OpaqueBox box = opaqueBoxOf(coverage);
    cropTo(frame, std::move(coverage), box);
}

void GifAnimation::ReorderPalette()
{
    // Two passes over each frame's pixels: one counts, and everything up to the rewrite of the
    // indices is decided from the counts.
    const GifFrameList list = gifFrameList(frames.get());
    const std::size_t n = list.frames.size();
    std::vector<Coverage> coverages(n);
    std::vector<IndexCounts> counts(n);
    parallelFor(n, list.threads, [&](std::size_t k, int) {
        GifFrame& f = *list.frames[k];
        coverages[k] = coverageOf(f);
        ensureIndices(f, coverages[k].transparent.size());
        counts[k] = countIndices(f.indices, coverages[k].transparent);
        for (std::size_t i = 0; i < 256; ++i)
            f.usedIndex[i] = counts[k][i] != 0 ? 1 : 0;
    });
    std::array<int, 256> frameUse{};
    for (const GifFrame* f : list.frames)
        for (int i = 0; i < 256; ++i)
            frameUse[static_cast<std::size_t>(i)] += f->usedIndex[static_cast<std::size_t>(i)];

    std::array<int, 256> order{};
    for (int i = 0; i < 256; ++i)
        order[static_cast<std::size_t>(i)] = i;
    // An exchange sort, not a stable one: equal counts may change places, as the writer always did.
    for (std::size_t i = 0; i < 256; ++i)
        for (std::size_t j = i + 1; j < 256; ++j)
            if (frameUse[i] < frameUse[j]) {
                std::swap(frameUse[i], frameUse[j]);
                std::swap(order[i], order[j]);
            }
    std::array<std::uint8_t, 256> remap{};
    for (int k = 0; k < 256; ++k)
        remap[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = static_cast<std::uint8_t>(k);

    if (globalPalette) {
        GifColourTable reordered{};
        for (std::size_t old = 0; old < 256; ++old)
            std::copy_n(globalPalette->data() + old * 3, 3, reordered.data() + std::size_t{remap[old]} * 3);
        *globalPalette = reordered;
    }

    // The first frame shows the whole picture; every later one may show through to it.
    parallelFor(n, list.threads, [&](std::size_t k, int) {
        GifFrame& f = *list.frames[k];
        const std::array<std::uint8_t, 512> table = indexTable(f, counts[k], remap, k > 0);
        rewriteIndices(f.indices, coverages[k].transparent, table);
        int largest = 0;
        for (std::size_t bin = 0; bin < 512; ++bin)
            if (counts[k][bin] != 0)
                largest = std::max<int>(largest, table[bin]);
        f.codeSize = static_cast<std::uint8_t>(codeSizeFor(largest + 1));
    });
}

void GifAnimation::ChooseTransparentIndex(GifFrame& frame)
{
    const Coverage coverage = coverageOf(frame);
    ensureIndices(frame, coverage.transparent.size());
    const IndexCounts counts = countIndices(frame.indices, coverage.transparent);
    rewriteIndices(frame.indices, coverage.transparent, indexTable(frame, counts, identityRemap(), true));
}

} // namespace lw
