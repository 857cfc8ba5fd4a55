// The report page at size, over a real link: an iTunes library file of N tracks
// that all point at one real audio file without artist, album or cover, so every track is a
// problem song on three pages. Prints: analysis end to page shown, the longest GUI stall while
// the songs arrive in the window's batches, the worst repaint while scrolling each page (after a
// first pass fills the picture cache), Check All, and a category switch.
// Usage: bench_app_report_page [tracks=20000]   (run with QT_QPA_PLATFORM=offscreen)
#include "AnalyReport.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMusicLink.h"
#include "FailedTreeWidget.h"
#include "IMusicLinkHost.h"
#include "LibraryXml.h"
#include "ListWidget.h"
#include "MusicFlags.h"
#include "SharedImages.h"
#include "WidgetTestEnv.h"

#include "AppGlobals.h"
#include "AppSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

#include <atomic>
#include <cstdio>

namespace
{

qint64 WorstScrollRepaint(QAbstractScrollArea* view)
{
    QScrollBar* bar = view->verticalScrollBar();
    qint64 worst = 0;
    for (int pass = 0; pass < 2; ++pass)
    { // the first pass fills the picture cache
        worst = 0;
        for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->maximum() / 40))
        {
            bar->setValue(value);
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            view->viewport()->repaint();
            worst = std::max(worst, t.elapsed());
        }
        bench::Spin(200);
    }
    bar->setValue(0);
    return worst;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int tracks = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    WidgetTestEnv env;
    LoadSharedImages();

    const QString music = QDir::homePath() + "/Music/iTunes Media";
    QDir().mkpath(music);
    const QString song = music + "/bare.mp3";
    tidewell::test::AudioSpec audioSpec;
    audioSpec.seconds = 1.0;
    audioSpec.tags.title = QStringLiteral("Bare");
    if (!tidewell::test::makeAudioFile(song, audioSpec))
        return 1;
    const QString xmlPath = QDir::homePath() + "/Music/iTunes/iTunes Music Library.xml";
    QDir().mkpath(QFileInfo(xmlPath).absolutePath());
    manager_test::WriteLibraryXml(xmlPath, bench::OneSongTracks(song, tracks));
    qputenv("TIDEWELL_ITUNES_LIBRARY", xmlPath.toUtf8());
    GetAppSettings()->SetGenernal(static_cast<int>(kDefaultGeneralMask));

    TestLinkHost host;
    CMusicLink link(&host);
    bool loaded = false;
    QObject::connect(&link, &CMusicLink::SendLoadOK, [&] { loaded = true; });
    link.LoadMusicLibrary(RunModeITunes, xmlPath.toUtf8().constData());
    link.StartLoadMusic();
    bench::WaitFor([&] { return loaded; }, 600000);
    link.StartAnalyzeMusic(static_cast<int>(kDefaultGeneralMask));
    bench::WaitFor([&] { return host.restarts.load() > 0; }, 600000);
    link.SetTransaction(false);
    link.SetTransaction(true);

    struct Song
    {
        CMusicObj* track;
        int absence, state, index;
    };
    std::vector<Song> songs;
    const int count = link.GetMusicCount();
    for (int i = 0; i < count; ++i)
    {
        CMusicObj* track = nullptr;
        int absence = 0, state = 0;
        int64_t repeat = 0;
        if (link.GetMusicObj(i, &track, &absence, &state, &repeat) == 0 &&
            (absence & (MF_Artist | MF_Album | MF_Artwork)))
            songs.push_back({track, absence, state, i});
    }

    CAnalyReport page(g_hMediaLibrary.load(), nullptr);
    page.SetMusicLink(&link);
    page.resize(1400, 900);
    page.show();
    page.SetCategoryMask(static_cast<int>(kDefaultGeneralMask));

    // The window hands the songs over in queued batches of 500, then reflashes the page.
    bench::Heartbeat heartbeat;
    QElapsedTimer shown;
    shown.start();
    qint64 worstBatch = 0;
    // Batches arrive one after another as the analysis thread produces them; timers run between.
    size_t next = 0;
    bool handedOver = false;
    std::function<void()> handBatch = [&]
    {
        QElapsedTimer batch;
        batch.start();
        const size_t last = std::min(songs.size(), next + 500);
        for (size_t i = next; i < last; ++i)
        {
            page.AddProblemCount(1);
            page.AddProblemTrack(songs[i].track, songs[i].absence, songs[i].state, 0, songs[i].index, 1);
        }
        next = last;
        worstBatch = std::max(worstBatch, batch.elapsed());
        if (next < songs.size())
            QTimer::singleShot(0, &page, handBatch);
        else
            handedOver = true;
    };
    QTimer::singleShot(0, &page, handBatch);
    bench::WaitFor([&] { return handedOver; }, 600000);
    bool done = false;
    qint64 reflashMs = 0;
    QMetaObject::invokeMethod(
        &page,
        [&]
        {
            QElapsedTimer t;
            t.start();
            page.ReflashView(true);
            reflashMs = t.elapsed();
            page.UpdateFixSummary();
            done = true;
        },
        Qt::QueuedConnection);
    bench::WaitFor([&] { return done; }, 600000);
    // What the first event pass after the hand-over costs (layout and first paint).
    QElapsedTimer settle;
    settle.start();
    QCoreApplication::processEvents();
    const qint64 settleMs = settle.elapsed();
    const qint64 pageMs = shown.elapsed();
    const qint64 stall = heartbeat.Longest();

    std::printf("songs %zu: page shown %lld ms, longest GUI stall %lld ms\n", songs.size(),
                static_cast<long long>(pageMs), static_cast<long long>(stall));
    std::printf("first event pass after it %lld ms\n", static_cast<long long>(settleMs));
    std::printf("of which ReflashView %lld ms, worst batch of 500 songs %lld ms\n",
                static_cast<long long>(reflashMs), static_cast<long long>(worstBatch));
    std::printf("rows: artwork %d, artist %d, album %d\n", page.ArtworkList()->count(),
                page.ArtistTree()->topLevelItemCount(), page.AlbumTree()->topLevelItemCount());

    page.CategoryTree()->setCurrentItem(page.CategoryEntry(ReportArtwork));
    std::printf("worst repaint scrolling artwork: %lld ms\n",
                static_cast<long long>(WorstScrollRepaint(page.ArtworkList())));
    for (auto [category, name] : {std::pair{ReportArtist, "artist"}, std::pair{ReportAlbum, "album"}})
    {
        QElapsedTimer t;
        t.start();
        page.CategoryTree()->setCurrentItem(page.CategoryEntry(category));
        QCoreApplication::processEvents();
        std::printf("switch to %s: %lld ms\n", name, static_cast<long long>(t.elapsed()));
        auto* tree = qobject_cast<QTreeWidget*>(page.PageStack()->currentWidget());
        std::printf("worst repaint scrolling %s: %lld ms\n", name,
                    static_cast<long long>(WorstScrollRepaint(tree)));
    }
    QElapsedTimer check;
    check.start();
    page.ArtistTree()->UnAllItem();
    page.ArtistTree()->AllItem();
    QCoreApplication::processEvents();
    std::printf("Uncheck All + Check All on artist: %lld ms\n", static_cast<long long>(check.elapsed()));

    page.StopAllWork();
    FreeSharedImages();
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    return 0;
}
