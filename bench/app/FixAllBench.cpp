// Fix All through the main window, offscreen, over N generated songs without artist (every
// second also without album) against a local identify service on its own thread that answers at
// once. Prints, each with the longest GUI-thread stall of the benchmarks' heartbeat
// (bench::Heartbeat):
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
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "FailedTreeWidget.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

using bench::Heartbeat;
using bench::kSeeds;
using bench::MakeSongs;
using bench::WaitFor;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int count = argc > 1 ? std::max(kSeeds, std::atoi(argv[1])) : 2000;
    const bool unrecognized = argc > 2 && QByteArray(argv[2]) == "unrecognized";
    WidgetTestEnv env;
    g_nWorkMode = EWorkMode::Files;
    // Home's apply question is answered Ignore (its second button); every other one Yes.
    CMessageSeam::Scope answers(
        [](const MessageQuestion& question)
        { return question.text.contains(QStringLiteral("apply new results")) ? 2 : 1; });

    bench::IdentifyService service(!unrecognized);
    if (!service.Started())
        return 1;

    const QString seeds = QDir::homePath() + QStringLiteral("/seeds");
    const QString folder = QDir::homePath() + QStringLiteral("/songs");
    if (!bench::MakeSeedSongs(seeds))
        return 1;

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
        return WaitFor([&]
                       { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }) &&
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
    auto applyEnded = [&]
    { return !window->ApplyThread()->isRunning() && window->RunState() != EWindowRunState::Running; };

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
    if (!WaitFor([&] { return ended && window->RunState() != EWindowRunState::Running; }))
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
    return 0;
}
