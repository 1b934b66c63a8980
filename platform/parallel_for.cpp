#include "platform/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace lw {

int workerCount()
{
    const unsigned hardware = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(hardware, 1u, 8u));
}

void parallelFor(std::size_t n, int threads, const std::function<void(std::size_t index, int worker)>& work)
{
    const std::size_t used = std::min<std::size_t>(n, static_cast<std::size_t>(std::max(threads, 1)));
    if (used < 2) {
        for (std::size_t i = 0; i < n; ++i)
            work(i, 0);
        return;
    }
    std::atomic<std::size_t> next{0};
    std::mutex failureLock;
    std::exception_ptr failure;
    auto run = [&](int worker) {
        for (std::size_t i; (i = next.fetch_add(1)) < n;) {
            try {
                work(i, worker);
            } catch (...) {
                next.store(n); // nothing new starts
                const std::lock_guard lock(failureLock);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(used - 1);
        try {
            for (std::size_t w = 1; w < used; ++w)
                helpers.emplace_back(run, static_cast<int>(w));
        } catch (const std::system_error&) {
            // No more threads to be had: those started and this one share the work.
        }
        run(0);
    } // the helpers join here
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace lw
