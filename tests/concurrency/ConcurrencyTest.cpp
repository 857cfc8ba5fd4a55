#include "OrderedPrefetch.h"
#include "WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using tidewell::OrderedPrefetch;
using tidewell::WorkerPool;

// Later positions finish first (earlier ones sleep longer), yet the consumer sees every result in
// order, each made exactly once, and never more than the lookahead ahead of what was asked.
TEST(OrderedPrefetch, HandsResultsInOrderWhenTheyFinishOutOfOrder)
{
    constexpr size_t count = 64;
    constexpr size_t lookahead = 6;
    std::atomic<size_t> asked{0};
    std::atomic<bool> beyondLookahead{false};
    std::vector<std::atomic<int>> made(count);
    OrderedPrefetch<size_t> prefetch(count, lookahead,
                                     [&](size_t position, unsigned)
                                     {
                                         if (position > asked.load() + lookahead)
                                             beyondLookahead = true;
                                         made[position].fetch_add(1);
                                         std::this_thread::sleep_for(
                                             std::chrono::microseconds(300 * (4 - position % 4)));
                                         return position * 3;
                                     });
    ASSERT_EQ(prefetch.start(4), 4u);
    for (size_t p = 0; p < count; ++p)
    {
        asked = p;
        EXPECT_EQ(prefetch.wait(p), p * 3);
    }
    EXPECT_EQ(prefetch.wait(5), 15u) << "an earlier position stays available";
    for (const auto& m : made)
        EXPECT_EQ(m.load(), 1);
    EXPECT_FALSE(beyondLookahead.load());
}

// A consumer that stops early leaves work queued: the destructor stops the workers after their
// current item instead of making the rest.
TEST(OrderedPrefetch, DestroyedWithWorkQueuedStopsTheWorkers)
{
    std::atomic<int> made{0};
    {
        OrderedPrefetch<int> prefetch(10000, 4,
                                      [&](size_t position, unsigned)
                                      {
                                          ++made;
                                          std::this_thread::sleep_for(1ms);
                                          return static_cast<int>(position);
                                      });
        prefetch.start(3);
        EXPECT_EQ(prefetch.wait(2), 2);
    }
    EXPECT_LT(made.load(), 20);
}

TEST(OrderedPrefetch, WithoutWorkersMakesOnTheCallingThread)
{
    const auto caller = std::this_thread::get_id();
    OrderedPrefetch<std::thread::id> prefetch(3, 2,
                                              [](size_t, unsigned) { return std::this_thread::get_id(); });
    EXPECT_EQ(prefetch.wait(1), caller);
    EXPECT_EQ(prefetch.wait(0), caller);
}

// Every participant runs each job once, jobs do not overlap, and the pool comes apart cleanly
// right after a job, with its threads idle or just woken.
TEST(WorkerPool, RunsEveryParticipantOncePerJobAndShutsDown)
{
    for (int round = 0; round < 20; ++round)
    {
        WorkerPool pool(4, "test-pool");
        ASSERT_EQ(pool.size(), 4u);
        for (int job = 0; job < 5; ++job)
        {
            std::mutex mutex;
            std::multiset<unsigned> seen;
            pool.runOnAll(
                [&](unsigned participant)
                {
                    std::lock_guard lock(mutex);
                    seen.insert(participant);
                });
            EXPECT_EQ(seen, (std::multiset<unsigned>{0, 1, 2, 3}));
        }
    }
}

TEST(WorkerPool, SingleThreadRunsOnTheCaller)
{
    WorkerPool pool(1);
    std::thread::id ran;
    pool.runOnAll([&](unsigned) { ran = std::this_thread::get_id(); });
    EXPECT_EQ(ran, std::this_thread::get_id());
}
