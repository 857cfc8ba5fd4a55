#include "BenchSupport.h"

#include "AudioFixture.h"
#include "EventLoopHttpServer.h"
#include "IdentifyAnswer.h"
#include "ServiceKeys.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include <execinfo.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace bench
{

namespace
{

qint64 SteadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void PrintStack(int)
{
    void* frames[48];
    const int count = backtrace(frames, 48);
    static const char kMark[] = "---- GUI thread stack at a stall\n";
    [[maybe_unused]] const auto written = write(2, kMark, sizeof kMark - 1);
    backtrace_symbols_fd(frames, count, 2);
}

} // namespace

Heartbeat::Heartbeat()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Beat(); });
    Reset();
    m_timer.start();
    const int probeMs = qEnvironmentVariableIntValue("BENCH_STALL_PROBE");
    if (probeMs <= 0)
        return;
    signal(SIGUSR2, PrintStack);
    m_probe = std::thread(
        [this, probeMs, gui = pthread_self()]
        {
            qint64 sampled = 0;
            while (!m_quit)
            {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                const qint64 last = m_lastBeatNs;
                if ((SteadyNs() - last) / 1000000 >= probeMs && last != sampled)
                {
                    // Once for each stall, then again while it lasts.
                    sampled = last;
                    pthread_kill(gui, SIGUSR2);
                    std::this_thread::sleep_for(std::chrono::milliseconds(probeMs));
                    sampled = 0;
                }
            }
        });
}

Heartbeat::~Heartbeat()
{
    m_quit = true;
    if (m_probe.joinable())
        m_probe.join();
}

void Heartbeat::Beat()
{
    const qint64 gap = m_last.restart();
    m_longest = std::max(m_longest, gap);
    m_over += gap > kLimitMs ? 1 : 0;
    m_lastBeatNs = SteadyNs();
    // With the probe on, each stall over 50 ms is told when it ends, so a stall the stacks miss
    // (a thread held in the kernel takes its signal late) is still placed on the road.
    if (gap > 50 && m_probe.joinable())
        std::fprintf(stderr, "---- stall of %lld ms ended %lld ms after the reset\n",
                     static_cast<long long>(gap),
                     static_cast<long long>((m_lastBeatNs - m_resetNs) / 1000000));
}

void Heartbeat::Stop()
{
    Beat(); // the gap open until now counts
    m_timer.stop();
}

void Heartbeat::Reset()
{
    if (m_probe.joinable())
        std::fprintf(stderr, "---- heartbeat reset\n");
    m_last.start();
    m_lastBeatNs = SteadyNs();
    m_resetNs = m_lastBeatNs;
    m_longest = 0;
    m_over = 0;
}

qint64 Heartbeat::Longest() const
{
    return m_timer.isActive() ? std::max(m_longest, m_last.elapsed()) : m_longest;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
    {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

void Spin(int ms)
{
    WaitFor([] { return false; }, ms);
}

IdentifyService::IdentifyService(bool recognise)
{
    m_thread.start();
    m_anchor.moveToThread(&m_thread);
    QString hostPort;
    QMetaObject::invokeMethod(
        &m_anchor,
        [&]
        {
            m_server = std::make_unique<tidewell::test::EventLoopHttpServer>();
            if (m_server->start())
                hostPort = m_server->hostPort();
            m_server->answer("/v1/identify",
                             {tidewell::test::HttpResponse::Mode::Full, 200, "application/json",
                              recognise ? tidewell::test::IdentifyAnswer()
                                        : QByteArray(R"({"status":{"msg":"No result","code":1001}})")});
        },
        Qt::BlockingQueuedConnection);
    if (!hostPort.isEmpty())
        m_host = std::make_unique<tidewell::test::ScopedEnv>(tidewell::online::keys::kAcrHostVariable,
                                                             hostPort.toLatin1());
}

IdentifyService::~IdentifyService()
{
    QMetaObject::invokeMethod(
        &m_anchor, [this] { m_server.reset(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool MakeSeedSongs(const QString& seeds)
{
    QDir().mkpath(seeds);
    for (int i = 0; i < kSeeds; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 2.0;
        audioSpec.toneHz = 220.0 + 37.0 * i;
        audioSpec.tags.album = i % 2 ? QStringLiteral("Record") : QString();
        audioSpec.artwork = tidewell::test::makePicture(64, 64, 0x3070a0);
        if (!tidewell::test::makeAudioFile(seeds + QStringLiteral("/seed%1.mp3").arg(i), audioSpec))
            return false;
    }
    return true;
}

bool MakeSongs(const QString& seeds, const QString& folder, int count)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (int k = 0; k < count; ++k)
    {
        const QString path = folder + QStringLiteral("/song %1.mp3").arg(k);
        if (!QFile::copy(seeds + QStringLiteral("/seed%1.mp3").arg(k % kSeeds), path))
            return false;
        TagLib::FileRef file(QFile::encodeName(path).constData());
        if (file.isNull() || !file.tag())
            return false;
        file.tag()->setTitle(
            TagLib::String(QStringLiteral("Song %1").arg(k).toStdString(), TagLib::String::UTF8));
        file.save();
    }
    return true;
}

std::vector<manager_test::XmlTrack> OneSongTracks(const QString& song, int count)
{
    std::vector<manager_test::XmlTrack> tracks;
    tracks.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        manager_test::XmlTrack t;
        t.trackId = 1000 + 2 * i;
        t.persistentId = QStringLiteral("%1").arg(0xA0000000ULL + i, 16, 16, QChar('0')).toUpper();
        t.name = QStringLiteral("Song %1 with a title that is rather long").arg(i);
        t.totalTime = 1000;
        t.size = 20000;
        t.location = song;
        tracks.push_back(t);
    }
    return tracks;
}

} // namespace bench
