#include "platform/parallel_for.h"

#include <array>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace lw;

TEST(ParallelFor, EveryIndexOnceOneCallPerWorkerAtATimeFirstFailureRethrownAfterAllStopped)
{
    struct Case {
        std::size_t n;
        int threads;
        std::size_t failAt; // n: nothing fails
    };
    for (const Case c : {Case{0, 4, 0}, Case{1, 4, 1}, Case{7, 1, 7}, Case{5, 0, 5}, Case{1000, 3, 1000},
                         Case{100, 1, 50}, Case{5000, 4, 50}}) {
        std::vector<std::atomic<int>> calls(c.n);
        std::array<std::atomic<bool>, 8> busy{};
        std::atomic<int> overlaps{0}, running{0};
        bool threw = false;
        try {
            parallelFor(c.n, c.threads, [&](std::size_t i, int worker) {
                ++running;
                overlaps += busy.at(static_cast<std::size_t>(worker)).exchange(true) ? 1 : 0;
                ++calls[i];
                busy[static_cast<std::size_t>(worker)] = false;
                --running;
                if (i == c.failAt)
                    throw std::runtime_error("failed");
            });
        } catch (const std::runtime_error&) {
            threw = true;
        }
        EXPECT_EQ(threw, c.failAt < c.n) << c.n;
        EXPECT_EQ(overlaps, 0) << c.n;
        EXPECT_EQ(running, 0) << c.n;
        // Without a failure every index runs once; on one thread the indices run in order and
        // none after the failure.
        for (std::size_t i = 0; i < c.n; ++i) {
            if (c.failAt == c.n || c.threads <= 1 || i == c.failAt) {
                ASSERT_EQ(calls[i], c.threads <= 1 && i > c.failAt ? 0 : 1) << c.n << " index " << i;
            } else {
                ASSERT_LE(calls[i], 1) << c.n << " index " << i;
            }
        }
    }
}
