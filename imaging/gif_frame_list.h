#pragma once
// The frames of a chain as a list to share out among threads, and how many threads are worth it:
// below the given number of pixels in all, waiting for a helper thread costs as much as the work.
#include "imaging/gif_frame.h"
#include "platform/parallel_for.h"

#include <cstddef>
#include <vector>

namespace lw {

struct GifFrameList {
    std::vector<GifFrame*> frames;
    int threads = 1;
};

inline GifFrameList gifFrameList(GifFrame* first, std::size_t parallelPixels)
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
