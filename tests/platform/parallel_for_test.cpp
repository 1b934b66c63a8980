#include "platform/parallel_for.h"

#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace lw;

TEST(ParallelFor, EveryIndexOnceEachWorkerOneCallAtATime)
{
    struct Case {
        std::size_t n;
        int threads;
    };
    for (const Case c : {Case{0, 4}, Case{1, 4}, Case{7, 1}, Case{5, 0}, Case{3, 8}, Case{1000, 3}}) {
        std::vector<std::atomic<int>> calls(c.n);
        std::vector<std::atomic<bool>> busy(8);
        std::vector<std::size_t> order;
        std::mutex orderLock;
        std::atomic<int> overlaps{0}, badWorkers{0};
        const auto caller = std::this_thread::get_id();
        std::atomic<int> offCaller{0};
        parallelFor(c.n, c.threads, [&](std::size_t i, int worker) {
            if (worker < 0 || worker >= std::max(c.threads, 1)) {
                ++badWorkers;
                return;
            }
            if (busy[static_cast<std::size_t>(worker)].exchange(true))
                ++overlaps;
            ++calls[i];
            if (std::this_thread::get_id() != caller)
                ++offCaller;
            {
                const std::lock_guard lock(orderLock);
                order.push_back(i);
            }
            busy[static_cast<std::size_t>(worker)] = false;
        });
        for (std::size_t i = 0; i < c.n; ++i)
            ASSERT_EQ(calls[i], 1) << c.n << " on " << c.threads << ", index " << i;
        EXPECT_EQ(badWorkers, 0);
        EXPECT_EQ(overlaps, 0);
        if (c.n < 2 || c.threads <= 1) {
            // Inline: on the caller's thread, in order.
            EXPECT_EQ(offCaller, 0);
            for (std::size_t i = 0; i < order.size(); ++i)
                EXPECT_EQ(order[i], i);
        }
    }
}

TEST(ParallelFor, FirstFailureComesBackAfterEveryThreadStopped)
{
    for (int threads : {1, 2, 4}) {
        std::atomic<int> running{0}, started{0};
        try {
            parallelFor(10000, threads, [&](std::size_t i, int) {
                ++running;
                ++started;
                if (i == 50) {
                    --running;
                    throw std::runtime_error("index 50");
                }
                --running;
            });
            ADD_FAILURE() << "no exception on " << threads;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "index 50");
        }
        EXPECT_EQ(running, 0) << threads;
        if (threads == 1) {
            EXPECT_EQ(started, 51); // nothing after the failure
        }
    }
}
