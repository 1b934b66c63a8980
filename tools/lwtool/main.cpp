// lwtool: render, export and inspect Loopwright documents without a window.
#include "tools/lwtool/run.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A run keeps every frame of a document at once, then exits. Its pixel buffers come from the
// main heap instead of a fresh mapping each, the heap grows in large steps and is never
// trimmed, and its first step is backed by huge pages: a tenth of the page faults for a
// 100-frame banner.
void useOneLargeHeap()
{
    constexpr std::size_t kThreshold = std::size_t{32} << 20; // glibc's largest mmap threshold
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kThreshold));
    mallopt(M_TOP_PAD, static_cast<int>(2 * kThreshold));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(8 * kThreshold));
    // Grow the heap once now, so that the step can be advised before anything lives in it.
    void* step = std::malloc(kThreshold / 2);
    const auto at = reinterpret_cast<std::uintptr_t>(step);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t start = (at + kHugePage - 1) & ~(kHugePage - 1);
    // A block below the break is on the heap (a mapped one would lie above it).
    if (step && at < end && end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    std::free(step);
}

} // namespace

int main(int argc, char** argv)
{
    useOneLargeHeap();
    return lwtool::run(argc, argv);
}
