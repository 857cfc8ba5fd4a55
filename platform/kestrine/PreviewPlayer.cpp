#include "PreviewPlayer.h"

#include "AudioDecoder.h"
#include "NullSink.h"
#include "QtAudioOutput.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace kestrine
{

using namespace std::chrono_literals;

struct PreviewPlayer::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    bool stopRequested = false;
    bool paused = false;
    bool running = false;
    int handle = 0;
    KestrineNoticeFunction notice = nullptr;
    void* context = nullptr;
};

PreviewPlayer::PreviewPlayer(std::string path, KestrineNoticeFunction notice, void* context)
    : m_path(std::move(path)), m_shared(std::make_shared<Shared>())
{
    m_shared->notice = notice;
    m_shared->context = context;
}

PreviewPlayer::~PreviewPlayer()
{
    stop();
}

void PreviewPlayer::setHandle(int handle)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->handle = handle;
}

QAudioDevice PreviewPlayer::outputDevice()
{
    if (!QCoreApplication::instance() || qgetenv("TIDEWELL_AUDIO_OUTPUT") == "null")
        return {};
    return QMediaDevices::defaultAudioOutput();
}

int PreviewPlayer::start()
{
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->running)
        {
            m_shared->paused = false;
            m_shared->wake.notify_all();
            return 0;
        }
    }
    // The previous run has ended on its own; collect its thread before starting again.
    if (m_thread.joinable())
    {
        if (m_thread.get_id() == std::this_thread::get_id())
            return -3;
        m_thread.join();
    }
    auto decoder = std::make_unique<AudioDecoder>();
    if (!decoder->open(m_path.c_str()))
        return -2;
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stopRequested = false;
        m_shared->paused = false;
        m_shared->running = true;
    }
    m_thread = std::thread(&PreviewPlayer::run, m_shared, outputDevice(), std::move(decoder));
    return 0;
}

int PreviewPlayer::pause()
{
    std::lock_guard lock(m_shared->mutex);
    if (!m_shared->running || m_shared->paused)
        return -1;
    m_shared->paused = true;
    m_shared->wake.notify_all();
    return 0;
}

void PreviewPlayer::stop()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stopRequested = true;
        m_shared->paused = false;
        m_shared->wake.notify_all();
    }
    if (m_thread.joinable())
    {
        // Stopped from inside its own end notice: the thread has nothing left to do but return.
        if (m_thread.get_id() == std::this_thread::get_id())
            m_thread.detach();
        else
            m_thread.join();
    }
    std::lock_guard lock(m_shared->mutex);
    m_shared->running = false;
}

bool PreviewPlayer::isPlaying() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->running && !m_shared->paused;
}

bool PreviewPlayer::isPaused() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->running && m_shared->paused;
}

void PreviewPlayer::run(std::shared_ptr<Shared> shared, QAudioDevice device,
                        std::unique_ptr<AudioDecoder> decoder)
{
    constexpr int64_t kChunkFrames = 4096;
    constexpr int64_t kBytesPerSecond = AudioDecoder::kSampleRate * AudioDecoder::kBytesPerFrame;

    bool broken = false;
    bool stopped = false;
    {
        // Qt objects of this thread (the audio sink and its timers) need an event dispatcher here.
        std::optional<QEventLoop> events;
        std::unique_ptr<PcmSink> sink;
        if (!device.isNull())
        {
            events.emplace();
            auto output = std::make_unique<QtAudioOutput>(device);
            if (output->start())
                sink = std::move(output);
        }
        if (!sink)
            sink = std::make_unique<NullSink>();

        std::vector<int16_t> chunk(static_cast<size_t>(kChunkFrames * AudioDecoder::kChannels));
        int64_t chunkBytes = 0;
        int64_t chunkOffset = 0;
        int64_t written = 0;
        bool decodeDone = false;
        bool sinkPaused = false;
        std::chrono::steady_clock::time_point drainDeadline{};
        bool draining = false; // drainDeadline is set

        for (;;)
        {
            bool paused = false;
            {
                std::unique_lock lock(shared->mutex);
                if (shared->stopRequested)
                {
                    stopped = true;
                    break;
                }
                paused = shared->paused;
                if (paused)
                    shared->wake.wait_for(lock, 20ms,
                                          [&] { return shared->stopRequested || !shared->paused; });
            }
            if (paused != sinkPaused)
            {
                sink->setPaused(paused);
                sinkPaused = paused;
                draining = false; // the time left to play out moved with the pause
            }
            if (paused)
            {
                sink->poll();
                continue;
            }

            if (chunkOffset == chunkBytes && !decodeDone)
            {
                const int64_t frames = decoder->read(chunk.data(), kChunkFrames);
                chunkBytes = frames * AudioDecoder::kBytesPerFrame;
                chunkOffset = 0;
                if (frames < kChunkFrames)
                {
                    decodeDone = true;
                    broken = decoder->failed();
                }
            }
            bool progressed = false;
            if (chunkOffset < chunkBytes)
            {
                const int64_t n = sink->write(reinterpret_cast<const char*>(chunk.data()) + chunkOffset,
                                              chunkBytes - chunkOffset);
                chunkOffset += n;
                written += n;
                progressed = n > 0;
            }
            if (sink->failed())
            {
                broken = true;
                break;
            }
            if (decodeDone && chunkOffset == chunkBytes)
            {
                // Everything is queued: wait until it has been heard, with a deadline in case the
                // output never reports the last bit.
                const int64_t writtenUs = written * 1'000'000 / kBytesPerSecond;
                const int64_t playedUs = sink->playedMicroseconds();
                const auto now = std::chrono::steady_clock::now();
                if (!draining)
                {
                    drainDeadline =
                        now + std::chrono::microseconds(std::max<int64_t>(0, writtenUs - playedUs)) + 1s;
                    draining = true;
                }
                if (playedUs >= writtenUs || now >= drainDeadline)
                    break;
            }
            sink->poll();
            if (!progressed)
            {
                std::unique_lock lock(shared->mutex);
                shared->wake.wait_for(lock, 10ms, [&] { return shared->stopRequested || shared->paused; });
            }
        }
        // The sink and the event dispatcher go before the notice, on this thread.
    }

    KestrineNoticeFunction notice = nullptr;
    void* context = nullptr;
    int notification[4] = {0, broken ? KESTRINE_NOTICE_BROKEN : KESTRINE_NOTICE_FINISHED, 0, 0};
    {
        std::lock_guard lock(shared->mutex);
        shared->running = false;
        if (stopped || shared->stopRequested)
            return; // a stop by the owner sends no notice
        notice = shared->notice;
        context = shared->context;
        notification[2] = shared->handle;
    }
    // Nothing of the player is touched after this call: its handler may release the player.
    if (notice)
        notice(notification, context);
}

} // namespace kestrine
