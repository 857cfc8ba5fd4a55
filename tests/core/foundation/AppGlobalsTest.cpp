#include "AppGlobals.h"

#include <QSemaphore>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using namespace std::chrono_literals;

namespace
{

// Fails instead of hanging when a waiter was never woken.
void ExpectFinishes(std::future<void>& done, const char* what)
{
    ASSERT_EQ(done.wait_for(20s), std::future_status::ready) << what << " is still waiting";
    done.get();
}

} // namespace

TEST(WaitFlags, PauseContinueAndStopFromTwoThreadsAlwaysFinish)
{
    ResetAnalysisFlags();
    std::atomic<long> steps{0};
    auto analysis = std::async(std::launch::async,
                               [&]
                               {
                                   while (WaitWhileAnalysisPaused())
                                       ++steps;
                               });

    auto toggler = [](int count)
    {
        for (int i = 0; i < count; ++i)
            SetAnalysisPause(i % 2 == 0);
    };
    std::thread first(toggler, 20001); // ends paused
    std::thread second(toggler, 15001);
    first.join();
    second.join();
    SetAnalysisPause(true);

    RequestAnalysisStop();
    ExpectFinishes(analysis, "the analysis thread");
    EXPECT_EQ(g_iStop.load(), 1);
    EXPECT_EQ(g_iPause.load(), 0) << "a stop also ends the pause";
    EXPECT_FALSE(WaitWhileAnalysisPaused()) << "after a stop nobody waits";
    ResetAnalysisFlags();
}

TEST(WaitFlags, AContinueRightBeforeTheWaitIsNeverLost)
{
    ResetAnalysisFlags();
    QSemaphore go;
    std::atomic<int> rounds{0};
    constexpr int kRounds = 5000;
    auto worker = std::async(std::launch::async,
                             [&]
                             {
                                 for (int i = 0; i < kRounds; ++i)
                                 {
                                     go.acquire();
                                     WaitWhileAnalysisPaused();
                                     ++rounds;
                                 }
                             });
    for (int i = 0; i < kRounds; ++i)
    {
        SetAnalysisPause(true);
        go.release();
        if (i % 2)
            std::this_thread::yield();
        SetAnalysisPause(false);
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (rounds.load() <= i && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        ASSERT_GT(rounds.load(), i) << "wake-up lost in round " << i;
    }
    ExpectFinishes(worker, "the worker");
}

TEST(WaitFlags, ApplyPauseEndsOnContinueOrOnAStopKeptElsewhere)
{
    SetApplyPause(true);
    auto resumed = std::async(std::launch::async, [] { EXPECT_TRUE(WaitWhileApplyPaused()); });
    EXPECT_EQ(resumed.wait_for(50ms), std::future_status::timeout) << "paused means waiting";
    SetApplyPause(false);
    ExpectFinishes(resumed, "the apply worker");

    SetApplyPause(true);
    std::atomic<bool> stop{false};
    auto stopped = std::async(std::launch::async,
                              [&] { EXPECT_FALSE(WaitWhileApplyPaused([&] { return stop.load(); })); });
    stop = true; // set by its owner without a wake of the apply condition
    ExpectFinishes(stopped, "the stopped apply worker");
    SetApplyPause(false);
}

TEST(WaitFlags, RecognitionResultsWaitWhileTheViewIsHeld)
{
    SetRecognitionHold(true);
    auto result = std::async(std::launch::async, [] { EXPECT_TRUE(WaitWhileRecognitionHeld()); });
    EXPECT_EQ(result.wait_for(50ms), std::future_status::timeout);
    SetRecognitionHold(false);
    ExpectFinishes(result, "the recognition result");
    EXPECT_FALSE(g_bRecognitionHold.load());
}

TEST(AppValues, ScaleFollowsTheScreenWidthWithinItsBounds)
{
    EXPECT_DOUBLE_EQ(ScaleForScreenWidth(1280), 1.0);
    EXPECT_DOUBLE_EQ(ScaleForScreenWidth(2880), 1.5);
    EXPECT_DOUBLE_EQ(ScaleForScreenWidth(7680), 2.0);
    EXPECT_DOUBLE_EQ(ScaleForScreenWidth(0), 1.0);
}
