// The main window, offscreen, over an iTunes library of real audio files: a few dozen generated
// songs (some without artist, some without album, some without artwork) copied into N files whose
// titles are re-tagged so every file differs; the library file lists all of them, 2 % at paths
// that do not exist. Prints
//  - the longest GUI-thread stall over the whole run (bench::Heartbeat),
//  - start request to the score screen,
//  - Save Project, pressed a second after the score screen, and the longest stall during it;
//    the rows of the saved project against the manager's table after a finished save pass, and
//    the reason when the save failed,
//  - closing the window afterwards,
//  - the same library through the bare manager (load, analysis, a walk over the results), twice,
//    and the window's overhead over the faster of the two.
// Usage: bench_app_main_window [songs=20000] [cache folder=none]
// With a cache folder the generated files are kept there and reused by later runs of the same
// size; without one they go to a temporary folder.
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "LibraryXml.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "MusicManage.h"
#include "StartUI.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace
{

constexpr int kSeedSongs = 36;
constexpr int kFilesPerFolder = 500;

// What seed song i lacks: every sixth from 1 its artist, from 3 its album, from 5 its artwork.
bool SeedHasArtist(int i)
{
    return i % 6 != 1;
}
bool SeedHasAlbum(int i)
{
    return i % 6 != 3;
}
bool SeedHasArtwork(int i)
{
    return i % 6 != 5;
}
QString SeedArtist(int i)
{
    return SeedHasArtist(i) ? QStringLiteral("Singer %1").arg(i) : QString();
}
QString SeedAlbum(int i)
{
    return SeedHasAlbum(i) ? QStringLiteral("Record %1").arg(i % 9) : QString();
}
bool IsMissing(int k)
{
    return k % 50 == 7;
}
QString SongTitle(int k)
{
    return QStringLiteral("Song %1").arg(k);
}

double Seconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// The generated files of one library size: made once, then found again by their marker.
QStringList MakeLibraryFiles(const QString& cache, int count)
{
    const QString seeds = cache + QStringLiteral("/seeds");
    const QString folder = cache + QStringLiteral("/n%1").arg(count);
    const QString marker = folder + QStringLiteral("/.complete");
    QStringList files;
    for (int k = 0; k < count; ++k)
        files << QStringLiteral("%1/d%2/song %3.mp3")
                     .arg(folder)
                     .arg(k / kFilesPerFolder, 3, 10, QChar('0'))
                     .arg(k);
    if (QFile::exists(marker))
    {
        std::printf("reusing %d files in %s\n", count, qPrintable(folder));
        return files;
    }

    QElapsedTimer timer;
    timer.start();
    QDir().mkpath(seeds);
    const QByteArray cover = tidewell::test::makePicture(300, 300, 0x3070a0);
    for (int i = 0; i < kSeedSongs; ++i)
    {
        const QString path = seeds + QStringLiteral("/seed%1.mp3").arg(i);
        if (QFile::exists(path))
            continue;
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 2.0;
        audioSpec.toneHz = 220.0 + 37.0 * i;
        audioSpec.tags.title = QStringLiteral("Seed %1").arg(i);
        audioSpec.tags.artist = SeedArtist(i);
        audioSpec.tags.album = SeedAlbum(i);
        audioSpec.tags.genre = QStringLiteral("Pop");
        audioSpec.tags.year = 2001 + i % 20;
        if (SeedHasArtwork(i))
            audioSpec.artwork = cover;
        if (!tidewell::test::makeAudioFile(path, audioSpec))
        {
            std::printf("could not make %s\n", qPrintable(path));
            return {};
        }
    }
    for (int k = 0; k < count; ++k)
    {
        const QString& path = files[k];
        if (k % kFilesPerFolder == 0)
            QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        if (!QFile::copy(seeds + QStringLiteral("/seed%1.mp3").arg(k % kSeedSongs), path))
        {
            std::printf("could not copy to %s\n", qPrintable(path));
            return {};
        }
        TagLib::FileRef file(QFile::encodeName(path).constData());
        if (file.isNull() || !file.tag())
        {
            std::printf("could not tag %s\n", qPrintable(path));
            return {};
        }
        file.tag()->setTitle(TagLib::String(SongTitle(k).toStdString(), TagLib::String::UTF8));
        file.save();
    }
    QFile done(marker);
    done.open(QIODevice::WriteOnly);
    std::printf("made %d files in %s in %.1f s\n", count, qPrintable(folder), Seconds(timer));
    return files;
}

bool WriteLibrary(const QString& xml, const QStringList& files, const QString& missingFolder)
{
    std::vector<manager_test::XmlTrack> tracks;
    tracks.reserve(static_cast<std::size_t>(files.size()));
    for (int k = 0; k < files.size(); ++k)
    {
        const int seed = k % kSeedSongs;
        manager_test::XmlTrack t;
        t.trackId = 1000 + k;
        t.persistentId = QStringLiteral("%1")
                             .arg(0xB0A7000000ull + static_cast<unsigned>(k), 16, 16, QChar('0'))
                             .toUpper();
        t.name = SongTitle(k);
        t.artist = SeedArtist(seed);
        t.album = SeedAlbum(seed);
        t.genre = QStringLiteral("Pop");
        t.year = 2001 + seed % 20;
        t.size = QFileInfo(files[k]).size();
        t.totalTime = 2000;
        t.bitRate = 128;
        t.location = IsMissing(k) ? QStringLiteral("%1/song %2.mp3").arg(missingFolder).arg(k) : files[k];
        tracks.push_back(t);
    }
    return manager_test::WriteLibraryXml(xml, tracks);
}

// The longest GUI stall of each phase of the run and of the whole run, from the benchmarks' one
// heartbeat.
class PhaseStalls
{
public:
    // Ends the current phase (its longest stall counts up to now) and begins the next; answers the
    // ended phase's longest stall in milliseconds.
    qint64 BeginPhase(const char* name)
    {
        const qint64 ended = m_heartbeat.Longest();
        if (ended > m_worst)
        {
            m_worst = ended;
            m_worstPhase = m_phase;
        }
        m_phase = name;
        m_heartbeat.Reset();
        return ended;
    }
    qint64 Stop()
    {
        m_heartbeat.Stop();
        return BeginPhase("stopped");
    }
    qint64 Stall() const { return std::max(m_worst, m_heartbeat.Longest()); }
    const char* StallPhase() const { return m_heartbeat.Longest() > m_worst ? m_phase : m_worstPhase; }

private:
    bench::Heartbeat m_heartbeat;
    qint64 m_worst = 0;
    const char* m_phase = "start";
    const char* m_worstPhase = "start";
};

// Rows of the tracks table in a database file, -1 when it cannot be read.
int CountTrackRows(const QString& path)
{
    sqlite3* db = nullptr;
    int rows = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "select count(*) from TracksTable", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            rows = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(db);
    return rows;
}

// Runs the event loop until done() holds or the timeout passes. True when done.
bool RunUntil(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout,
                     [&]
                     {
                         if (done() || clock.elapsed() > timeoutMs)
                             loop.quit();
                     });
    poll.start(2);
    loop.exec();
    return done();
}

// Waits for the manager's final progress record (10000).
struct Finished
{
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    static int Callback(const MusicProgressInfo* info, void* context)
    {
        auto* self = static_cast<Finished*>(context);
        if (info->Progress >= 10000)
        {
            std::lock_guard lock(self->mutex);
            self->done = true;
            self->cv.notify_all();
        }
        return 0;
    }
    void Wait()
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [this] { return done; });
    }
};

// The window's back-end steps without the window: load the library (run mode 1), analyse with the
// settings' categories, wait for the save pass, and read every remaining track as the window's
// scoring thread does.
struct BareRun
{
    double load = 0.0;     // library opened and every track imported
    double analysis = 0.0; // to the analysis's final record
    double total = 0.0;    // load, analysis and a walk over the results
    double savePass = 0.0; // what remains of the save pass after that
    int problems = 0;
    int rows = 0; // tracks table rows once the save pass has ended
};

BareRun RunBareManager(const QString& xml, const QString& folder)
{
    BareRun run;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("/pictures"));
    const CAppSettings* settings = GetAppSettings();
    QElapsedTimer timer;
    timer.start();
    CMusicManage manager(folder, folder + QStringLiteral("/pictures"), folder + QStringLiteral("/recycle"));
    const QByteArray pictures = (folder + QStringLiteral("/pictures")).toUtf8();
    MusicManageConfig config;
    config.PictureFolder = pictures.constData();
    manager.SetConfig(&config);
    const QByteArray db = (folder + QStringLiteral("/MusicLibrary.db")).toUtf8();
    manager.LoadMusicLibrary(xml.toUtf8().constData(), db.constData(), RunModeITunes);
    {
        Finished load;
        const MusicCallback cb{RunStateLoad, &Finished::Callback, &load};
        manager.LoadMusicList(&cb);
        load.Wait();
    }
    run.load = Seconds(timer);
    {
        Finished analysis;
        const MusicCallback cb{RunStateAnalysis, &Finished::Callback, &analysis};
        manager.AnalyzeMusicList(&cb,
                                 settings ? settings->GetGenernal() : static_cast<int>(kDefaultGeneralMask));
        analysis.Wait();
    }
    run.analysis = Seconds(timer) - run.load;
    // The window reaches its score screen while the save pass still writes: walk first, as its
    // scoring thread does, then time the save pass on its own.
    const int n = manager.GetMusicCount(nullptr, nullptr);
    for (int i = 0; i < n; ++i)
    {
        CMusicObj* obj = nullptr;
        int absence = 0;
        int state = 0;
        int64_t repeat = 0;
        manager.GetMusicObj(i, &obj, &absence, &state, &repeat);
    }
    run.problems = n;
    run.total = Seconds(timer);
    manager.WaitForSavePass();
    run.savePass = Seconds(timer) - run.total;
    run.rows = CountTrackRows(QString::fromUtf8(db));
    manager.SetExitState(1);
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;

    std::optional<QTemporaryDir> scratch;
    QString cache;
    if (argc > 2)
    {
        cache = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    }
    else
    {
        scratch.emplace();
        cache = scratch->path();
    }
    const QStringList files = MakeLibraryFiles(cache, count);
    if (files.size() != count)
        return 1;

    WidgetTestEnv env; // private home and loaded settings, as the window tests have
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setStyleSheet(LoadApplicationStyleSheet());

    const QString home = QDir::homePath();
    const QString xml = home + QStringLiteral("/lib/iTunes Music Library.xml");
    QDir().mkpath(home + QStringLiteral("/lib"));
    if (!WriteLibrary(xml, files, cache + QStringLiteral("/gone")))
    {
        std::printf("could not write the library file\n");
        return 1;
    }
    qputenv("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
    g_nWorkMode = EWorkMode::ITunes;
    int missing = 0;
    for (int k = 0; k < count; ++k)
        missing += IsMissing(k) ? 1 : 0;

    // The bare manager first (this also brings the files into the page cache for the window).
    const BareRun bare1 = RunBareManager(xml, home + QStringLiteral("/bare"));

    QStringList questions;
    CMessageSeam::Scope answers(
        [&](const MessageQuestion& question)
        {
            questions << question.text.simplified();
            return 1;
        });
    std::unique_ptr<PhaseStalls> heartbeat;
    double scoreSeconds = 0.0;
    double saveSeconds = 0.0;
    qint64 saveStall = 0;
    double closeSeconds = 0.0;
    qint64 roadStall = 0;
    QString score;
    int problems = 0;
    qint64 saved = 0;
    int savedRows = -1;
    QStringList failures;
    bool reached = false;
    {
        auto window = std::make_unique<CMainUI>();
        window->show();
        RunUntil([] { return false; }, 300); // first paint and the link's start-up settle
        heartbeat = std::make_unique<PhaseStalls>();
        heartbeat->BeginPhase("start request to score screen");
        QElapsedTimer timer;
        timer.start();
        window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        reached = RunUntil(
            [&]
            {
                return window->ContentStack()->currentIndex() == CMainUI::PageReport &&
                       window->RunState() == EWindowRunState::ResultShown;
            },
            30 * 60 * 1000);
        scoreSeconds = Seconds(timer);
        heartbeat->BeginPhase("score screen, first second");
        RunUntil([] { return false; }, 1000);
        roadStall = heartbeat->Stall();
        score = window->ScoreText();
        problems = window->ReportPage()->ProblemCount();

        const QString project = home + QStringLiteral("/bench-project.zavrodata");
        if (reached)
        {
            heartbeat->BeginPhase("Save Project");
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            timer.restart();
            window->ApplyOrSave(3);
            saveSeconds = Seconds(timer);
            saveStall = heartbeat->BeginPhase("after Save Project");
            RunUntil([] { return false; }, 200);
        }
        // The heartbeat ends before the benchmark's own checks read files on this thread.
        heartbeat->Stop();
        saved = QFileInfo(project).size();
        savedRows = saved > 0 ? CountTrackRows(project) : -1;
        QFile log(GetAppSettings()->GetDataFolder() + QStringLiteral("/UI.log"));
        if (log.open(QIODevice::ReadOnly))
            for (const QByteArray& line : log.readAll().split('\n'))
                if (line.contains("Failed"))
                    failures << QString::fromUtf8(line);
        // Closing while the manager's save pass may still run: the window stops and joins it.
        timer.restart();
        window.reset();
        closeSeconds = Seconds(timer);
    }

    const BareRun bare2 = RunBareManager(xml, home + QStringLiteral("/bare2"));
    const double bare = std::min(bare1.total, bare2.total);

    std::printf("songs: %d in the library, %d of them at missing paths; %d with problems listed\n", count,
                missing, problems);
    std::printf("score: %s%s\n", qPrintable(score), reached ? "" : " (score screen NOT reached)");
    std::printf("start request to score screen: %.2f s\n", scoreSeconds);
    std::printf("longest GUI stall, start to score screen + 1 s: %lld ms\n",
                static_cast<long long>(roadStall));
    std::printf("Save Project: %.3f s (%.1f MB), longest GUI stall during it: %lld ms\n", saveSeconds,
                static_cast<double>(saved) / 1e6, static_cast<long long>(saveStall));
    std::printf(
        "saved project: %d rows in its tracks table (the bare manager's table: %d after its save pass)\n",
        savedRows, bare1.rows);
    std::printf("longest GUI stall over the whole run: %lld ms, in \"%s\"\n",
                static_cast<long long>(heartbeat ? heartbeat->Stall() : 0),
                heartbeat ? heartbeat->StallPhase() : "");
    std::printf("closing the window afterwards: %.3f s\n", closeSeconds);
    for (const BareRun* run : {&bare1, &bare2})
        std::printf(
            "bare manager: %.2f s (load %.2f s, analysis %.2f s), %d with problems; its save pass ends "
            "%.2f s later\n",
            run->total, run->load, run->analysis, run->problems, run->savePass);
    std::printf("window overhead over manager+analysis: %.2f s\n", scoreSeconds - bare);
    for (const QString& question : questions)
        std::printf("question answered on the way: \"%s\"\n", qPrintable(question));
    for (const QString& line : failures)
        std::printf("window log: %s\n", qPrintable(line));
    return reached ? 0 : 1;
}
