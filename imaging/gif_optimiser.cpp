// Frame optimisation on a GifAnimation between BuildPalette and EncodeFrames: identical
// consecutive frames merge, unchanged pixels become transparent, frames shrink to what changed,
// and the palette is ordered by use so that each frame gets a small transparent index and code
// size.
#include "imaging/gif_animation.h"
#include "platform/errors.h"

#include <algorithm>
#include <array>
#include <new>

namespace lw {

namespace {

inline bool opaque(std::uint32_t pixel)
{
    return (pixel >> 24) == 0;
}

// The frame's indices as its raster's size; a block of another size is replaced by zeros.
void ensureIndices(GifFrame& frame)
{
    const std::size_t n = frame.raster.pixelCount();
    if (frame.indices.size() != n) {
        try {
            frame.indices.assign(n, 0);
        } catch (const std::bad_alloc&) {
            throw MemoryError();
        }
    }
}

} // namespace

void GifAnimation::DiffFrames()
{
    GifFrame* p = frames.get();
    while (p && p->next) {
        GifFrame* q = p->next.get();
        const CRaster& before = p->raster;
        CRaster& after = q->raster;
        bool allEqual = true;
        for (int y = 0; y < after.height(); ++y) {
            std::uint32_t* row = after.bits() + after.indexOf(0, y);
            const bool rowInside = y < before.height();
            const std::uint32_t* beforeRow =
                rowInside && before.hasBlock() ? before.bits() + before.indexOf(0, y) : nullptr;
            for (int x = 0; x < after.width(); ++x) {
                // Outside the previous raster the previous frame reads as black.
                const std::uint32_t old = (beforeRow && x < before.width()) ? beforeRow[x] : 0;
                if (((row[x] ^ old) & 0xFFFFFF) == 0)
                    row[x] |= 0xFF000000u; // keeps the colour, so the next frame compares with it
                else
                    allEqual = false;
            }
        }
        if (allEqual) {
            p->delay = static_cast<std::uint16_t>(std::min(0xFFFF, p->delay + q->delay));
            p->next = std::move(q->next);
        } else {
            p = q;
        }
    }
    if (frames)
        for (GifFrame* f = frames->next.get(); f; f = f->next.get())
            CropToOpaque(*f);
}

void GifAnimation::CropToOpaque(GifFrame& frame)
{
    const CRaster& raster = frame.raster;
    const int w = raster.width();
    const int h = raster.height();
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        for (int x = 0; x < w; ++x)
            if (opaque(row[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return;
    ensureIndices(frame);
    const int cw = right - left + 1;
    const int ch = bottom - top + 1;
    CRaster cropped(cw, ch);
    std::vector<std::uint8_t> indices;
    try {
        indices.resize(static_cast<std::size_t>(cw) * static_cast<std::size_t>(ch));
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
    for (int y = 0; y < ch; ++y) {
        const std::uint32_t* src = raster.bits() + raster.indexOf(left, top + y);
        std::copy(src, src + cw, cropped.bits() + cropped.indexOf(0, y));
        const std::uint8_t* srcIndex = frame.indices.data() +
                                       static_cast<std::size_t>(top + y) * static_cast<std::size_t>(w) +
                                       static_cast<std::size_t>(left);
        std::copy(srcIndex, srcIndex + cw,
                  indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(cw));
    }
    frame.raster = std::move(cropped);
    frame.indices = std::move(indices);
    frame.left = static_cast<std::uint16_t>(frame.left + left);
    frame.top = static_cast<std::uint16_t>(frame.top + top);
    frame.width = static_cast<std::uint16_t>(cw);
    frame.height = static_cast<std::uint16_t>(ch);
}

void GifAnimation::ReorderPalette()
{
    std::array<int, 256> frameUse{};
    for (GifFrame* f = frames.get(); f; f = f->next.get()) {
        ensureIndices(*f);
        f->usedIndex.fill(0);
        const CRaster& raster = f->raster;
        const int w = raster.width();
        for (int y = 0; y < raster.height(); ++y) {
            const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
            const std::uint8_t* index =
                f->indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
            for (int x = 0; x < w; ++x)
                if (opaque(row[x]))
                    f->usedIndex[index[x]] = 1;
        }
        for (int i = 0; i < 256; ++i)
            frameUse[static_cast<std::size_t>(i)] += f->usedIndex[static_cast<std::size_t>(i)];
    }

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

    for (GifFrame* f = frames.get(); f; f = f->next.get())
        for (std::uint8_t& index : f->indices)
            index = remap[index];
    if (globalPalette) {
        GifColourTable reordered{};
        for (std::size_t old = 0; old < 256; ++old)
            std::copy_n(globalPalette->data() + old * 3, 3, reordered.data() + std::size_t{remap[old]} * 3);
        *globalPalette = reordered;
    }

    if (frames)
        for (GifFrame* f = frames->next.get(); f; f = f->next.get())
            ChooseTransparentIndex(*f);
    for (GifFrame* f = frames.get(); f; f = f->next.get()) {
        const int largest = f->indices.empty() ? 0 : *std::max_element(f->indices.begin(), f->indices.end());
        f->codeSize = static_cast<std::uint8_t>(codeSizeFor(largest + 1));
    }
}

void GifAnimation::ChooseTransparentIndex(GifFrame& frame)
{
    ensureIndices(frame);
    const CRaster& raster = frame.raster;
    const int w = raster.width();
    const int h = raster.height();
    std::array<bool, 256> used{};
    std::array<int, 256> total{};
    std::array<int, 256> trans{};
    int s = 0;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        const std::uint8_t* index =
            frame.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t c = index[x];
            ++total[c];
            if (opaque(row[x])) {
                used[c] = true;
            } else {
                ++trans[c];
                ++s;
            }
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
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = raster.bits() + raster.indexOf(0, y);
        std::uint8_t* index =
            frame.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x)
            if (!opaque(row[x]) && total[index[x]] < s)
                index[x] = static_cast<std::uint8_t>(t);
    }
}

} // namespace lw
