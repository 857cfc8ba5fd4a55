// Fix All through the main window, offscreen, over N generated songs without artist (every
// second also without album) against a local identify service on its own thread that answers at
// once. Prints, each with the longest GUI-thread stall a 5 ms heartbeat saw:
//  - Fix All from the score screen to Apply (songs per second),
//  - their Apply,
//  - Home during the fix, during the apply and after it.
//  - with "unrecognized", a service that recognises nothing: every song moves to Unrecognized
//    Songs at the end of the run (their pictures are read from the files).
// Usage: bench_app_fix_all [songs=2000] [unrecognized]
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "EventLoopHttpServer.h"
#include "FailedTreeWidget.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "ServiceKeys.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace
{

constexpr int kSeeds = 20;

QByteArray IdentifyAnswer()
{
    return R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{)"
           R"("title":"Found Title","duration_ms":1000,"album":{"name":"Found Album"},)"
           R"("genres":[{"name":"Pop"}],"artists":[{"name":"Found Artist"}],"release_date":"2004-06-07"}]},)"
           R"("cost_time":0.1,"result_type":0})";
}

// The longest gap between two ticks of a 5 ms timer on the GUI thread since the last Reset.
class Heartbeat
{
public:
    Heartbeat()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_last.restart()); });
        Reset();
        m_timer.start();
    }
    void Reset()
    {
        m_last.start();
        m_longest = 0;
    }
    qint64 Longest() const { return std::max(m_longest, m_last.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_last;
    qint64 m_longest = 0;
};

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 600000)
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

// Seed songs copied into count files, each re-titled so every file differs.
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

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int count = argc > 1 ? std::max(kSeeds, std::atoi(argv[1])) : 2000;
    const bool unrecognized = argc > 2 && QByteArray(argv[2]) == "unrecognized";
    WidgetTestEnv env;
    g_nWorkMode = 1;
    // Home's apply question is answered Ignore (its second button); every other one Yes.
    CMessageSeam::Scope answers(
        [](const MessageQuestion& question)
        { return question.text.contains(QStringLiteral("apply new results")) ? 2 : 1; });

    // The service lives on its own thread, as a real one would not share the GUI's.
    QThread serviceThread;
    serviceThread.start();
    QObject anchor;
    anchor.moveToThread(&serviceThread);
    std::unique_ptr<tidewell::test::EventLoopHttpServer> service;
    QString hostPort;
    QMetaObject::invokeMethod(
        &anchor,
        [&]
        {
            service = std::make_unique<tidewell::test::EventLoopHttpServer>();
            if (service->start())
                hostPort = service->hostPort();
            service->answer("/v1/identify",
                            {tidewell::test::HttpResponse::Mode::Full, 200, "application/json",
                             unrecognized ? QByteArray(R"({"status":{"msg":"No result","code":1001}})")
                                          : IdentifyAnswer()});
        },
        Qt::BlockingQueuedConnection);
    if (hostPort.isEmpty())
        return 1;
    tidewell::test::ScopedEnv host(tidewell::online::keys::kAcrHostVariable, hostPort.toLatin1());

    const QString seeds = QDir::homePath() + QStringLiteral("/seeds");
    const QString folder = QDir::homePath() + QStringLiteral("/songs");
    QDir().mkpath(seeds);
    for (int i = 0; i < kSeeds; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 2.0;
        audioSpec.toneHz = 220.0 + 37.0 * i;
        audioSpec.tags.album = i % 2 ? QStringLiteral("Record") : QString();
        audioSpec.artwork = tidewell::test::makePicture(64, 64, 0x3070a0);
        if (!tidewell::test::makeAudioFile(seeds + QStringLiteral("/seed%1.mp3").arg(i), audioSpec))
            return 1;
    }

    Heartbeat heartbeat;
    QElapsedTimer timer;
    auto window = std::make_unique<CMainUI>();
    window->show();
    auto action = [&] { return window->ActionStack()->currentIndex(); };
    auto toScoreScreen = [&]
    {
        if (!MakeSongs(seeds, folder, count))
            return false;
        window->LoadStartParam({folder}, g_strDBPath, RunModeFiles);
        return WaitFor([&] { return window->RunState() == 3 && !window->IsBusy(); }) &&
               action() == CMainUI::ActionFixAll;
    };
    auto home = [&](const char* stage)
    {
        heartbeat.Reset();
        timer.start();
        window->GoHome();
        std::printf("Home %-16s %8.3f s\n", stage, timer.nsecsElapsed() / 1e9);
        QFile::remove(g_strDBPath);
    };
    auto applyEnded = [&] { return !window->ApplyThread()->isRunning() && window->RunState() != 1; };

    // Home while the jobs run.
    if (!toScoreScreen())
    {
        std::printf("no score screen\n");
        return 2;
    }
    window->Fixall();
    if (unrecognized)
        WaitFor([] { return false; }, 300);
    else
        WaitFor([&] { return window->ReportPage()->ArtistTree()->GetFixedCount() >= count / 10; });
    home("during the fix");

    // The whole run: Fix All, Apply, Home.
    if (!toScoreScreen())
    {
        std::printf("no score screen\n");
        return 2;
    }
    const int songs = window->ReportPage()->PullQueue().size();
    // How many jobs run, sampled every 5 ms, with the time of each sample.
    std::vector<std::pair<qint64, int>> busy;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { busy.emplace_back(timer.elapsed(), window->ReportPage()->RunningPullJobs()); });
    bool ended = false;
    QObject::connect(window->ReportPage(), &CAnalyReport::ReportFixAllComplete, [&] { ended = true; });
    heartbeat.Reset();
    timer.start();
    window->Fixall();
    sampler.start(5);
    const qint64 dispatch = timer.elapsed();
    if (!WaitFor([&] { return ended && window->RunState() != 1; }))
    {
        std::printf("Fix All did not end\n");
        return 3;
    }
    const double fix = timer.nsecsElapsed() / 1e9;
    // The pictures of the songs that moved come in after the end.
    WaitFor([] { return false; }, 500);
    sampler.stop();
    std::printf("Fix All dispatch (the Fixall call) %lld ms\n", static_cast<long long>(dispatch));
    {
        // Over the first 90 % of the run (the tail has fewer than ten songs left).
        const qint64 until = static_cast<qint64>(fix * 900);
        int samples = 0, sum = 0, full = 0;
        for (const auto& [at, running] : busy)
        {
            if (at > until)
                break;
            ++samples;
            sum += running;
            full += running >= 10 ? 1 : 0;
        }
        if (samples > 0)
            std::printf("Jobs busy: mean %.2f of 10, all ten busy in %.0f %% of %d samples\n",
                        double(sum) / samples, 100.0 * full / samples, samples);
    }
    std::printf("Fix All  %d songs  %8.3f s  %8.1f songs/s  longest stall (and 0.5 s after) %lld ms\n", songs,
                fix, songs / fix, static_cast<long long>(heartbeat.Longest()));
    heartbeat.Reset();
    timer.start();
    window->ApplyiTunes();
    if (!WaitFor(applyEnded))
        return 4;
    std::printf("Apply    %d songs  %8.3f s  longest stall %lld ms\n", songs, timer.nsecsElapsed() / 1e9,
                static_cast<long long>(heartbeat.Longest()));
    home("after the apply");

    // Home while the apply writes.
    if (!unrecognized)
    {
        if (!toScoreScreen())
        {
            std::printf("no score screen\n");
            return 2;
        }
        window->Fixall();
        if (!WaitFor([&] { return action() == CMainUI::ActionApply; }))
        {
            std::printf("Fix All did not end\n");
            return 3;
        }
        window->ApplyiTunes();
        WaitFor([] { return false; }, 300);
        home("during the apply");
    }

    window.reset();
    QMetaObject::invokeMethod(
        &anchor, [&] { service.reset(); }, Qt::BlockingQueuedConnection);
    serviceThread.quit();
    serviceThread.wait();
    return 0;
}
