#include "kestrine.h"

#include "PcmFiles.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using namespace tidewell::test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

static_assert(sizeof(KestrineOutputFormat) == 104, "the output record is 104 bytes");

namespace
{

// Collects end notices the way a caller's handler would: record, wake, return at once.
struct Listener
{
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::vector<int>> notices;
    std::vector<std::thread::id> threads;
    int releaseOnNotice = 0; // a player the handler releases itself

    static int onNotice(const int* notice, void* context)
    {
        auto* self = static_cast<Listener*>(context);
        if (self->releaseOnNotice)
            KestrinePlayerRelease(self->releaseOnNotice);
        std::lock_guard lock(self->mutex);
        self->notices.push_back({notice[0], notice[1], notice[2]});
        self->threads.push_back(std::this_thread::get_id());
        self->arrived.notify_all();
        return 0;
    }

    bool waitFor(size_t count, std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, limit, [&] { return notices.size() >= count; });
    }

    size_t count()
    {
        std::lock_guard lock(mutex);
        return notices.size();
    }
};

class KestrinePreview : public ::testing::Test
{
protected:
    TempHome home;
    int library = 0;
    Listener listener;

    void SetUp() override
    {
        qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
        library = KestrineOpen("Zavro/Tidewell", -1);
        ASSERT_GT(library, 0);
        KestrineConfigure(library, 4);
    }
    void TearDown() override
    {
        KestrineClose(library);
        KestrineRelease(library);
    }

    QString makeWav(const QString& name, double seconds)
    {
        const QString path = home.file("music/" + name);
        EXPECT_TRUE(writeWav(path, makePcm(static_cast<int64_t>(seconds * 44100), 2, 5), 2, 44100));
        return path;
    }

    // The calls every caller makes, in order: open media, set output, create player.
    int createPlayer(const QString& path)
    {
        const QByteArray utf8 = path.toUtf8();
        KestrineMediaOpen media{0, 0, 0, 0, 30000, 0, utf8.constData()};
        const int mediaId = KestrineOpenMedia(library, &media, 0, 0, 0);
        if (mediaId < 0)
            return 0;
        KestrineOutputFormat output;
        std::memset(&output, 0, sizeof output);
        output.blockSize = 65536;
        output.bitRate = 1411200;
        output.sampleRate = 44100;
        output.channels = 2;
        output.field5 = 1;
        output.field6 = -1;
        output.field7 = 0;
        output.field8 = 2;
        std::strcpy(output.format, "wav");
        std::strcpy(output.container, "wav");
        EXPECT_EQ(KestrineSetOutput(library, mediaId, &output), 0);
        KestrinePlayerSetup setup{library, mediaId, 0, 300, 400, &Listener::onNotice, &listener, 0, 0};
        int player = 0;
        KestrineCreatePlayer(&setup, 1, 0, &player);
        return player;
    }
};

TEST_F(KestrinePreview, PlaysInRealTimeAndSendsTheEndNoticeFromItsOwnThread)
{
    const int player = createPlayer(makeWav("one.wav", 0.6));
    ASSERT_GT(player, 0);
    const auto started = Clock::now();
    ASSERT_EQ(KestrinePlayerStart(player), 0);
    ASSERT_TRUE(listener.waitFor(1, 10s));
    // The null output plays at the real rate: the notice cannot come before the music is over.
    EXPECT_GE(Clock::now() - started, 550ms);
    EXPECT_EQ(listener.notices[0], (std::vector<int>{0, KESTRINE_NOTICE_FINISHED, player}));
    EXPECT_NE(listener.threads[0], std::this_thread::get_id());
    EXPECT_EQ(KestrinePlayerRelease(player), 0);
    EXPECT_EQ(listener.count(), 1u);
}

TEST_F(KestrinePreview, PlaysThroughTheMachinesOwnOutputChoice)
{
    // The default output when there is one, else the null output: either way a notice comes.
    qunsetenv("TIDEWELL_AUDIO_OUTPUT");
    const int player = createPlayer(makeWav("auto.wav", 0.3));
    ASSERT_EQ(KestrinePlayerStart(player), 0);
    EXPECT_TRUE(listener.waitFor(1, 10s));
    KestrinePlayerRelease(player);
}

TEST_F(KestrinePreview, PauseHoldsPlaybackAndStartResumesIt)
{
    const int player = createPlayer(makeWav("two.wav", 0.5));
    ASSERT_GT(player, 0);
    ASSERT_EQ(KestrinePlayerStart(player), 0);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(KestrinePlayerPause(player), 0);
    EXPECT_NE(KestrinePlayerPause(player), 0); // already paused
    EXPECT_FALSE(listener.waitFor(1, 1000ms)); // paused far longer than the song lasts
    EXPECT_EQ(KestrinePlayerStart(player), 0);
    EXPECT_TRUE(listener.waitFor(1, 10s));
    EXPECT_EQ(listener.notices[0][1], KESTRINE_NOTICE_FINISHED);
    KestrinePlayerRelease(player);
}

TEST_F(KestrinePreview, StopAndReleaseSendNoNoticeAndNoneArrivesAfterRelease)
{
    const QString path = makeWav("three.wav", 0.4);
    const int stopped = createPlayer(path);
    ASSERT_EQ(KestrinePlayerStart(stopped), 0);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(KestrinePlayerStop(stopped), 0);
    EXPECT_EQ(KestrinePlayerRelease(stopped), 0);

    const int released = createPlayer(path);
    ASSERT_EQ(KestrinePlayerStart(released), 0);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(KestrinePlayerRelease(released), 0);
    EXPECT_NE(KestrinePlayerRelease(released), 0); // forgotten
    EXPECT_NE(KestrinePlayerStart(released), 0);

    EXPECT_FALSE(listener.waitFor(1, 1000ms));

    // A stopped player starts again from the beginning and plays to the end.
    const int again = createPlayer(path);
    ASSERT_EQ(KestrinePlayerStart(again), 0);
    KestrinePlayerStop(again);
    ASSERT_EQ(KestrinePlayerStart(again), 0);
    EXPECT_TRUE(listener.waitFor(1, 10s));
    KestrinePlayerRelease(again);
}

TEST_F(KestrinePreview, AHandlerMayReleaseItsOwnPlayer)
{
    const int player = createPlayer(makeWav("four.wav", 0.2));
    listener.releaseOnNotice = player;
    ASSERT_EQ(KestrinePlayerStart(player), 0);
    ASSERT_TRUE(listener.waitFor(1, 10s));
    std::this_thread::sleep_for(50ms);
    EXPECT_NE(KestrinePlayerRelease(player), 0); // already gone
}

TEST_F(KestrinePreview, ClosingTheLibraryEndsItsPreviewsQuietly)
{
    const int player = createPlayer(makeWav("five.wav", 2.0));
    ASSERT_EQ(KestrinePlayerStart(player), 0);
    std::this_thread::sleep_for(50ms);
    KestrineClose(library);
    EXPECT_NE(KestrinePlayerStart(player), 0);
    EXPECT_FALSE(listener.waitFor(1, 300ms));
}

TEST_F(KestrinePreview, BadRequestsFailAndLeaveNoPlayer)
{
    const QByteArray missing = home.file("music/missing.wav").toUtf8();
    KestrineMediaOpen media{0, 0, 0, 0, 30000, 0, missing.constData()};
    EXPECT_LT(KestrineOpenMedia(library, &media, 0, 0, 0), 0);
    EXPECT_LT(KestrineOpenMedia(library, nullptr, 0, 0, 0), 0);

    const QString notAudio = home.file("music/notes.mp3");
    {
        QFile f(notAudio);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("these are not the sounds you are looking for\n");
    }
    EXPECT_EQ(createPlayer(notAudio), 0);

    const QByteArray good = makeWav("six.wav", 0.1).toUtf8();
    KestrineMediaOpen goodMedia{0, 0, 0, 0, 30000, 0, good.constData()};
    EXPECT_LT(KestrineOpenMedia(987654, &goodMedia, 0, 0, 0), 0); // unknown library

    KestrinePlayerSetup setup{library, 4242, 0, 300, 400, &Listener::onNotice, &listener, 0, 0};
    int player = -1;
    EXPECT_LT(KestrineCreatePlayer(&setup, 1, 0, &player), 0);
    EXPECT_EQ(player, 0);
    EXPECT_LT(KestrineCreatePlayer(nullptr, 1, 0, &player), 0);
    EXPECT_NE(KestrinePlayerStart(0), 0);
    EXPECT_NE(KestrinePlayerPause(99999), 0);
    EXPECT_NE(KestrinePlayerStop(99999), 0);
}

} // namespace
