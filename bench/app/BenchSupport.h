#pragma once

// What several window benchmarks share: the GUI thread's heartbeat, waiting through the event
// loop, a local identify service on a thread of its own, and generated songs and libraries.

#include "LibraryXml.h"

#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace tidewell::test
{
class EventLoopHttpServer;
class ScopedEnv;
} // namespace tidewell::test

namespace bench
{

// The one measure of GUI smoothness every window benchmark that gives a stall uses (the preferences
// and tag editor benchmarks time their calls instead): a precise timer beats on the GUI thread every
// millisecond from construction on, and the longest stall is the longest gap in milliseconds
// between two beats (the millisecond interval included) since the last Reset: how long the thread
// was kept from its events.
class Heartbeat
{
public:
    static constexpr int kIntervalMs = 1;
    static constexpr qint64 kLimitMs = 100; // what Over() counts: a gap the user feels as a hitch

    Heartbeat();
    void Reset();
    // The gap still open counts too, so a stall that has not ended yet is seen.
    qint64 Longest() const;
    // Gaps over kLimitMs since the last Reset.
    int Over() const { return m_over; }
    // No more beats (before a benchmark's own checks read files on the GUI thread).
    void Stop();

private:
    void Beat();

    QTimer m_timer;
    QElapsedTimer m_last;
    qint64 m_longest = 0;
    int m_over = 0;
    // With BENCH_STALL_PROBE=<ms>: a watcher thread prints the GUI thread's stack to stderr each
    // time no beat has come for that long (resolve the addresses with addr2line -f -C -e).
    std::atomic<qint64> m_lastBeatNs{0};
    std::atomic<bool> m_quit{false};
    std::thread m_probe;
    qint64 m_resetNs = 0;

public:
    ~Heartbeat();
};

// Runs the event loop in short turns until done() holds or the time-out passes. True when done.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 600000);
void Spin(int ms);

// The identify service on 127.0.0.1, served from a thread of its own as a real one would not
// share the GUI's: it recognises every song, or none. The program's service address points at it
// while the object lives.
class IdentifyService
{
public:
    explicit IdentifyService(bool recognise);
    ~IdentifyService();
    IdentifyService(const IdentifyService&) = delete;
    IdentifyService& operator=(const IdentifyService&) = delete;
    bool Started() const { return static_cast<bool>(m_host); }

private:
    QThread m_thread;
    QObject m_anchor;
    std::unique_ptr<tidewell::test::EventLoopHttpServer> m_server;
    std::unique_ptr<tidewell::test::ScopedEnv> m_host;
};

// Seed songs seed0.mp3.. of two seconds, without artist, every second one also without album,
// all with a small cover; then count copies of them in folder, each re-titled so every file
// differs.
constexpr int kSeeds = 20;
bool MakeSeedSongs(const QString& seeds);
bool MakeSongs(const QString& seeds, const QString& folder, int count);

// count library tracks that all name one song file, titled "Song <n> ...", without artist or
// album: with a song that has no cover either, every track is a problem song on three pages.
std::vector<manager_test::XmlTrack> OneSongTracks(const QString& song, int count);

} // namespace bench
