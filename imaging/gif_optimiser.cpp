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

// The per-frame passes below touch only their own frame, so frames are shared out among threads
// once there is enough to do.
constexpr std::size_t kParallelPixels = std::size_t{1} << 20;

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

} // namespace

void GifAnimation::DiffFrames()
{
    // The rasters may share their pixels with the pictures they were made from, so unchanged
    // pixels are recorded in each frame's mask rather than marked in the raster; compared are the
    // colours of the last frame kept.
    if (!frames)
        return;
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
            p->delay = static_cast<std::uint16_t>(std::min(0xFFFF, p->delay + q->delay));
            p->next = std::move(q->next);
            continue;
        }
        q->transparentMask = std::move(mask);
        // Only the last frame kept is compared with: the one before has no more use for colours.
        p->raster = CRaster();
        p = q;
    }
    p->raster = CRaster();
    const GifFrameList list = gifFrameList(frames->next.get(), kParallelPixels);
    parallelFor(list.frames.size(), list.threads, [&](std::size_t i, int) { CropToOpaque(*list.frames[i]); });
}

void GifAnimation::CropToOpaque(GifFrame& frame)
{
    Coverage coverage = coverageOf(frame);
    const int w = coverage.width;
    const int h = coverage.height;
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row =
            coverage.transparent.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x)
            if (!row[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return;
    ensureIndices(frame, coverage.transparent.size());
    const int cw = right - left + 1;
    const int ch = bottom - top + 1;
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
            const std::uint32_t* src = frame.raster.bits() + frame.raster.indexOf(left, top + y);
            std::copy(src, src + cw, cropped.bits() + cropped.indexOf(0, y));
        }
        const std::size_t from =
            static_cast<std::size_t>(top + y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(left);
        const std::size_t to = static_cast<std::size_t>(y) * static_cast<std::size_t>(cw);
        std::copy_n(frame.indices.data() + from, cw, indices.data() + to);
        std::copy_n(coverage.transparent.data() + from, cw, mask.data() + to);
    }
    frame.raster = std::move(cropped);
    frame.indices = std::move(indices);
    frame.transparentMask = std::move(mask);
    frame.left = static_cast<std::uint16_t>(frame.left + left);
    frame.top = static_cast<std::uint16_t>(frame.top + top);
    frame.width = static_cast<std::uint16_t>(cw);
    frame.height = static_cast<std::uint16_t>(ch);
}

void GifAnimation::ReorderPalette()
{
    const GifFrameList list = gifFrameList(frames.get(), kParallelPixels);
    parallelFor(list.frames.size(), list.threads, [&](std::size_t k, int) {
        GifFrame& f = *list.frames[k];
        const Coverage coverage = coverageOf(f);
        ensureIndices(f, coverage.transparent.size());
        f.usedIndex.fill(0);
        for (std::size_t i = 0; i < f.indices.size(); ++i)
            if (!coverage.transparent[i])
                f.usedIndex[f.indices[i]] = 1;
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
    parallelFor(list.frames.size(), list.threads, [&](std::size_t k, int) {
        GifFrame& f = *list.frames[k];
        for (std::uint8_t& index : f.indices)
            index = remap[index];
        if (k > 0)
            ChooseTransparentIndex(f);
        const int largest = f.indices.empty() ? 0 : *std::max_element(f.indices.begin(), f.indices.end());
        f.codeSize = static_cast<std::uint8_t>(codeSizeFor(largest + 1));
    });
}

void GifAnimation::ChooseTransparentIndex(GifFrame& frame)
{
    const Coverage coverage = coverageOf(frame);
    ensureIndices(frame, coverage.transparent.size());
    const std::size_t n = frame.indices.size();
    std::array<bool, 256> used{};
    std::array<int, 256> total{};
    std::array<int, 256> trans{};
    int s = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t c = frame.indices[i];
        ++total[c];
        if (!coverage.transparent[i]) {
            used[c] = true;
        } else {
            ++trans[c];
            ++s;
        }
    }
    if (s == 0)
        return;
    const auto free = std::find(used.begin(), used.end(), false);
    if (free == used.end())
        return;
    const int t = static_cast<int>(free - used.begin());
    frame.transparentIndex = t;
    frame.transparent = 1;

    // Colours that are common in the frame keep their index in the unchanged area: the pixel shows
    // the same colour either way, and long runs of one index compress better.
    for (std::size_t c = 0; c < 256; ++c)
        if (total[c] > s)
            s -= trans[c];
    s = std::max(s, 0);
    for (std::size_t i = 0; i < n; ++i)
        if (coverage.transparent[i] && total[frame.indices[i]] < s)
            frame.indices[i] = static_cast<std::uint8_t>(t);
}

} // namespace lw
