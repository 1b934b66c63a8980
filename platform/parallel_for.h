#pragma once
// Independent pieces of work spread over a few threads, the caller's among them.
#include <cstddef>
#include <functional>

namespace lw {

// The threads parallel work uses on this machine: its hardware threads, at least 1, at most 8.
int workerCount();

// Calls work(index, worker) once for every index in [0, n), on up to `threads` threads; worker
// (0 … threads - 1) tells which thread runs the call, so that each can keep scratch state of its
// own, and no two calls with the same worker run at once. Indices are handed out in ascending
// order as threads become free. Returns when every call is done. When a call throws, the indices
// not yet started are skipped and the first exception is rethrown here once every thread has
// stopped. With fewer than two indices or threads everything runs on the caller's thread, in order.
void parallelFor(std::size_t n, int threads, const std::function<void(std::size_t index, int worker)>& work);

} // namespace lw
