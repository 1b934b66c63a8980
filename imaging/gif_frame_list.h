#pragma once
// The frames of a chain as a list to share out among threads, and how many threads are worth it.
#include "imaging/gif_frame.h"
#include "platform/parallel_for.h"

#include <cstddef>
#include <vector>

namespace lw {

// Below this many pixels in all (a few milliseconds of work), frames stay on the caller's thread:
// on a busy machine a helper thread may take about as long just to be scheduled.
inline constexpr std::size_t kGifParallelPixels = std::size_t{1} << 20;

struct GifFrameList {
    std::vector<GifFrame*> frames;
    int threads = 1;
};

inline GifFrameList gifFrameList(GifFrame* first, std::size_t parallelPixels = kGifParallelPixels)
{
    GifFrameList list;
    std::size_t pixels = 0;
    for (GifFrame* f = first; f; f = f->next.get()) {
        list.frames.push_back(f);
        pixels += f->pixelCount();
    }
    list.threads = pixels >= parallelPixels ? workerCount() : 1;
    return list;
}

} // namespace lw
