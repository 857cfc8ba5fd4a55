// The GUI thread's longest stall, through the real main window offscreen, for every action that
// used to freeze it. A 1 ms timer beats on the GUI thread; each figure is the longest gap between
// two beats from the action until its work has come back (plus a short settle). Goal: every
// figure 50 ms or less; Home and closing also return within 0.5 s.
// Rows, in groups that BENCH_STALL_ROWS may pick (comma-separated; all by default):
//  load       Home and closing 5 ms .. 1.5 s into loading a large iTunes library (the tracks name
//             one real song)
//  score      the whole road to that library's score screen (time, peak memory, score), Home from
//             it, and closing the window at it after a second road
//  folders    Home and closing with thousands of pictures left in the work folders
//  show       "Show in folder"
//  report     a library of N problem songs (no artist, album or cover): load, analysis and its end
//             on a first run (every song's stored artwork looked up), category switches, scrolling
//             the artist list and the artwork grid through, the enlarged picture of a 20-megapixel
//             PNG (double click on the grid), the same PNG dropped on the tag editor, and Home
//  ticks      ticking and unticking problem rows of that library while the save pass that follows
//             its analysis writes every song
//  duplicate  restore clicks on the duplicate view of an N-track iTunes library, Home from it, and
//             closing the window with it full after a second scan
//  fixall     Fix All over F generated songs against a local identify service, then Apply
//  unrecognized  Fix All over F songs that all end unrecognised (the rows move at its end)
// Usage: bench_app_stalls [tracks=40000] [pictures=20000]   (QT_QPA_PLATFORM=offscreen)
// Sizes: tracks for load and score (330000 for the largest library measured), BENCH_SONGS=N
// (20000) for report and duplicate, BENCH_FIX_SONGS=F (2000).
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "CShowMaxPicture.h"
#include "Duplicate.h"
#include "DuptOptWidget.h"
#include "FailedTreeWidget.h"
#include "GeneralUtils.h"
#include "ITunesLibraryXml.h"
#include "LabelArtwork.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "MainUI.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "StartUI.h"
#include "TypeTreeItem.h"
#include "WidgetTestEnv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using bench::Heartbeat;
using bench::Spin;
using bench::WaitFor;

namespace
{

bool Wanted(const char* group)
{
    const QByteArray rows = qgetenv("BENCH_STALL_ROWS");
    return rows.isEmpty() || rows.split(',').contains(QByteArray(group));
}

int EnvCount(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

void Row(const QString& what, qint64 stall, const QString& more = {})
{
    if (qEnvironmentVariableIsSet("BENCH_STALL_PROBE"))
        std::fprintf(stderr, "---- row: %s\n", qPrintable(what));
    std::printf("%-62s %6lld ms%s%s\n", qPrintable(what), static_cast<long long>(stall),
                stall > 50 ? "  over 50 ms" : "", more.isEmpty() ? "" : qPrintable("  " + more));
}

// The longest stall from action until settled() holds, with settleMs more for what follows.
qint64 Stall(Heartbeat& heartbeat, const std::function<void()>& action, const std::function<bool()>& settled,
             int settleMs = 200, int timeoutMs = 600000)
{
    heartbeat.Reset();
    action();
    WaitFor(settled, timeoutMs);
    Spin(settleMs);
    return heartbeat.Longest();
}

// Leaves the window as a user does, by its Home button or by closing it (the window is then
// gone), and rows the stall and how long the window took to return.
void Leave(Heartbeat& heartbeat, std::unique_ptr<CMainUI>& window, bool close, const QString& when)
{
    qint64 returned = 0;
    const qint64 stall = Stall(
        heartbeat,
        [&]
        {
            QElapsedTimer clock;
            clock.start();
            if (close)
            {
                window->close();
                window.reset();
            }
            else
            {
                QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("main_gohome")),
                                  Qt::LeftButton);
            }
            returned = clock.elapsed();
        },
        [] { return true; });
    Row(QStringLiteral("%1 %2").arg(close ? "close" : "Home", when), stall,
        QStringLiteral("(returned in %1 ms)").arg(returned));
}

std::unique_ptr<CMainUI> NewWindow()
{
    auto window = std::make_unique<CMainUI>();
    window->resize(1400, 900);
    window->show();
    Spin(300); // first paint and the start's own clean-up
    return window;
}

bool AtScoreScreen(const CMainUI& window)
{
    return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy() &&
           window.ContentStack()->currentIndex() != CMainUI::PageStart;
}

QString MakeSong(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    const QString song = folder + "/" + name;
    tidewell::test::AudioSpec audio;
    audio.seconds = 0.5;
    return tidewell::test::makeAudioFile(song, audio) ? song : QString();
}

// A 20-megapixel picture in PNG, with enough texture that its decoding is not trivial.
QString MakePng(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    QImage image(5472, 3648, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
    {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x * 7 + y) & 0xff, (x ^ y) & 0xff, ((x * y) >> 5) & 0xff);
    }
    return image.save(path, "PNG") ? path : QString();
}

// A drag of file urls that ends in a drop at the middle of target, as the desktop sends it.
void DropFile(QWidget* target, const QString& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

// Scrolls view from top to bottom in steps, the events of each step handled before the next.
qint64 ScrollThrough(Heartbeat& heartbeat, QAbstractScrollArea* view)
{
    QScrollBar* bar = view->verticalScrollBar();
    const int step = std::max(1, bar->maximum() / 60);
    return Stall(
        heartbeat,
        [&]
        {
            for (int value = 0; value <= bar->maximum(); value += step)
            {
                bar->setValue(value);
                Spin(5);
            }
        },
        [] { return true; });
}

void ClickCategory(CAnalyReport* page, ReportCategory category)
{
    QTreeWidget* tree = page->CategoryTree();
    const QRect rect = tree->visualItemRect(page->CategoryEntry(category));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
}

// A line of /proc/self/status in kB ("VmHWM": the peak resident memory), -1 when unread.
qint64 StatusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(QByteArray(key) + ':'))
            return line.mid(qsizetype(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The peak resident memory starts again from what is resident now.
void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Makes an iTunes library of `tracks` tracks that all name one real song and has the window open
// it; false when it could not be made.
bool UseLoadLibrary(const QString& folder, int tracks)
{
    const QString song = MakeSong(folder, QStringLiteral("song.mp3"));
    const QString library = folder + QStringLiteral("/Library.xml");
    if (song.isEmpty() || !tidewell::test::writeOneSongLibrary(library, song, tracks, 97, 31))
        return false;
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    g_nWorkMode = EWorkMode::ITunes;
    return true;
}

void LoadRows(Heartbeat& heartbeat, const QString& folder, int tracks)
{
    if (!UseLoadLibrary(folder, tracks))
        return;
    // The agent's read first, then the import.
    for (const int after : {5, 100, 500, 1500})
    {
        for (const bool close : {false, true})
        {
            auto window = NewWindow();
            window->LoadStartParam({}, QString(), RunModeITunes);
            Spin(after);
            Leave(heartbeat, window, close,
                  QStringLiteral("%1 ms into a %2-track load").arg(after).arg(tracks));
            window.reset();
            Spin(20);
        }
    }
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}

// The whole road to the score screen of the load rows' library, twice: left by Home the first
// time, closed the second.
void ScoreRows(Heartbeat& heartbeat, const QString& folder, int tracks)
{
    if (!UseLoadLibrary(folder, tracks))
        return;
    for (const bool close : {false, true})
    {
        auto window = NewWindow();
        ResetPeakMemory();
        QElapsedTimer clock;
        clock.start();
        qint64 took = 0;
        const qint64 stall = Stall(
            heartbeat, [&] { window->LoadStartParam({}, QString(), RunModeITunes); },
            [&]
            {
                took = clock.elapsed();
                return AtScoreScreen(*window);
            },
            200, 1800000);
        Row(QStringLiteral("start to score screen, %1-track library").arg(tracks), stall,
            QStringLiteral("(%1 s, peak memory %2 MB, %3)")
                .arg(static_cast<double>(took) / 1000.0, 0, 'f', 2)
                .arg(static_cast<double>(StatusKiB("VmHWM")) / 1024.0, 0, 'f', 0)
                .arg(window->ScoreText()));
        Leave(heartbeat, window, close, QStringLiteral("at the score screen of %1 tracks").arg(tracks));
        window.reset();
        Spin(20);
    }
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}

void FolderRows(Heartbeat& heartbeat, int pictures)
{
    for (const bool close : {false, true})
    {
        auto window = NewWindow();
        const QString folder = GetAppSettings()->GetPictureFolder();
        QDir().mkpath(folder);
        const QByteArray bytes(6000, 'p');
        for (int i = 0; i < pictures; ++i)
        {
            QFile file(folder + QStringLiteral("/%1.jpg").arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        Leave(heartbeat, window, close, QStringLiteral("with %1 pictures to delete").arg(pictures));
        // The clean-up's own end, before the next window counts the folder again.
        WaitFor([&] { return QDir(folder).isEmpty(); }, 60000);
    }
}

// An iTunes library of songs problem songs (no artist, album or cover) that share one file.
QString ReportLibrary(const QString& folder, int songs)
{
    const QString song = MakeSong(folder + QStringLiteral("/media"), QStringLiteral("bare.mp3"));
    const QString library = folder + QStringLiteral("/Report.xml");
    if (song.isEmpty() || !manager_test::WriteLibraryXml(library, bench::OneSongTracks(song, songs)))
        return {};
    return library;
}

void ReportRows(Heartbeat& heartbeat, const QString& folder, int songs)
{
    const QString library = ReportLibrary(folder, songs);
    const QString png = MakePng(folder + QStringLiteral("/huge.png"));
    if (library.isEmpty() || png.isEmpty())
        return;
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    g_nWorkMode = EWorkMode::ITunes;
    auto window = NewWindow();
    CAnalyReport* page = window->ReportPage();
    Row(QStringLiteral("load, analysis and its end, %1 songs, first run").arg(songs),
        Stall(
            heartbeat, [&] { window->LoadStartParam({}, g_strDBPath, RunModeITunes); },
            [&] { return AtScoreScreen(*window); }, 1000));

    qint64 worst = 0;
    for (const ReportCategory category : {ReportArtist, ReportAlbum, ReportArtwork, ReportArtist})
        worst = std::max(worst, Stall(
                                    heartbeat, [&] { ClickCategory(page, category); }, [] { return true; }));
    Row(QStringLiteral("category switch (worst of four clicks)"), worst);
    Row(QStringLiteral("scrolling the %1-row artist list through")
            .arg(page->ArtistTree()->topLevelItemCount()),
        ScrollThrough(heartbeat, page->ArtistTree()));

    ClickCategory(page, ReportArtwork);
    Spin(200);
    CListWidget* grid = page->ArtworkList();
    Row(QStringLiteral("artwork grid paint, %1 cells scrolled through").arg(grid->count()),
        ScrollThrough(heartbeat, grid));
    grid->verticalScrollBar()->setValue(0);
    Spin(100);

    // The enlarged picture of a song whose stored artwork is the large PNG.
    if (auto* cell = dynamic_cast<CListItem*>(grid->item(0)); cell && cell->GetMusicData())
    {
        cell->GetMusicData()->SetArtworkPath(png);
        CShowMaxPicture* overlay = page->MaxPicture();
        // Through the window, so the press, release, press, release come as a user's double click.
        const QPoint at = grid->viewport()->mapTo(window.get(), grid->visualItemRect(cell).center());
        const qint64 stall = Stall(
            heartbeat, [&] { QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at); },
            [&] { return overlay->isVisible(); }, 200, 10000);
        Row(QStringLiteral("enlarged picture, 20-megapixel PNG (double click)"), stall,
            overlay->isVisible() ? QString() : QStringLiteral("(the picture did not show)"));
        overlay->HidePicuture();
        Spin(100);
    }

    Leave(heartbeat, window, false, QStringLiteral("from the report of %1 songs").arg(songs));
    window.reset();
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}

// From the moment the report shows, while the save pass after the analysis writes every song: a
// click on the check box of one of the first rows every 10 ms, each click toggling it.
void TickRows(Heartbeat& heartbeat, const QString& folder, int songs)
{
    constexpr int kClicks = 300;
    const QString library = ReportLibrary(folder, songs);
    if (library.isEmpty())
        return;
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    g_nWorkMode = EWorkMode::ITunes;
    auto window = NewWindow();
    CAnalyReport* page = window->ReportPage();
    window->LoadStartParam({}, g_strDBPath, RunModeITunes);
    if (WaitFor([&] { return AtScoreScreen(*window); }))
    {
        ClickCategory(page, ReportArtist);
        QTreeWidget* tree = page->ArtistTree();
        int toggled = 0;
        const qint64 stall = Stall(
            heartbeat,
            [&]
            {
                for (int i = 0; i < kClicks && tree->topLevelItemCount() > 0; ++i)
                {
                    QTreeWidgetItem* row = tree->topLevelItem(i % std::min(10, tree->topLevelItemCount()));
                    const Qt::CheckState before = row->checkState(0);
                    ClickCheck(tree, row);
                    toggled += row->checkState(0) != before ? 1 : 0;
                    Spin(10);
                }
            },
            [] { return true; });
        Row(QStringLiteral("ticking rows while a save pass of %1 songs runs").arg(songs), stall,
            QStringLiteral("(%1 of %2 clicks toggled)").arg(toggled).arg(kClicks));
    }
    Leave(heartbeat, window, false, QStringLiteral("after the ticks"));
    window.reset();
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}

// An iTunes library of songs tracks in which a few pairs of tracks are copies of one song, each
// with a file of its own (removing one moves no other track's file); the rest share one file.
void DuplicateRows(Heartbeat& heartbeat, const QString& folder, int songs)
{
    constexpr int kPairs = 8;
    const QString song = MakeSong(folder + QStringLiteral("/media"), QStringLiteral("shared.mp3"));
    if (song.isEmpty())
        return;
    std::vector<manager_test::XmlTrack> tracks = bench::OneSongTracks(song, songs);
    for (int p = 0; p < kPairs && 2 * p + 1 < songs; ++p)
    {
        for (int c = 0; c < 2; ++c)
        {
            auto& track = tracks[static_cast<size_t>(2 * p + c)];
            track.name = tracks[static_cast<size_t>(2 * p)].name;
            track.artist = QStringLiteral("Pair Singer %1").arg(p);
            track.location = folder + QStringLiteral("/media/pair %1 copy %2.mp3").arg(p).arg(c);
            QFile::copy(song, track.location);
        }
    }
    const QString library = folder + QStringLiteral("/Duplicates.xml");
    if (!manager_test::WriteLibraryXml(library, tracks))
        return;
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    GetAppSettings()->SetMsgDshow(1);
    GetAppSettings()->SetDuplicate(MF_Name | MF_Artist);
    auto window = NewWindow();
    CDuplicate* view = window->DuplicateView();
    // The duplicate page from the start page: scan the library, remove the copies.
    const auto showRemoved = [&]
    {
        QTest::mouseClick(window->StartPage()->findChild<QPushButton*>(QStringLiteral("duplicate_obj")),
                          Qt::LeftButton);
        Spin(100);
        auto* bar = view->ScanList()->findChild<QToolBar*>(QStringLiteral("DuptOptToolBar"));
        QWidget* scan = nullptr;
        for (QAction* action : bar->actions())
            if (action->text() == QStringLiteral("Scan iTunes"))
                scan = bar->widgetForAction(action);
        if (!scan)
            return false;
        QTest::mouseClick(scan, Qt::LeftButton);
        if (!WaitFor([&] { return AtScoreScreen(*window); }))
            return false;
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("main_removebut")), Qt::LeftButton);
        WaitFor(
            [&] {
                return window->RunState() == EWindowRunState::ResultShown &&
                       !window->ApplyThread()->isRunning();
            });
        Spin(200);
        return true;
    };
    QElapsedTimer removal;
    removal.start();
    if (!showRemoved())
        return;
    const qint64 removedMs = removal.elapsed();

    // The restores are clicked one after another as a user clicks through them, without waiting
    // for each to come back; then until every one has answered (a row reads restored, or its
    // failure was told: the library keeps only the latest removed entries to give back).
    int failed = 0;
    CMessageSeam::Scope failures(
        [&failed](const MessageQuestion& question)
        {
            failed += question.title == QStringLiteral("Restore music failed") ? 1 : 0;
            return 1;
        });
    QTreeWidget* tree = view->Tree();
    std::vector<QTreeWidgetItem*> removed;
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
    {
        QTreeWidgetItem* group = tree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            if (group->child(c)->isDisabled())
                removed.push_back(group->child(c));
    }
    const auto restoredCount = [&]
    {
        return std::count_if(removed.begin(), removed.end(),
                             [](QTreeWidgetItem* copy) { return !copy->isDisabled(); });
    };
    QElapsedTimer clock;
    clock.start();
    qint64 worst = 0;
    for (QTreeWidgetItem* copy : removed)
    {
        if (!copy->isDisabled())
            continue;
        tree->scrollToItem(copy);
        Spin(1);
        const QRect row = tree->visualItemRect(copy);
        const int x = tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2;
        worst = std::max(
            worst,
            Stall(
                heartbeat,
                [&] { QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(x, row.center().y())); },
                [] { return true; }, 1));
    }
    const qint64 clicked = clock.elapsed();
    const qint64 waiting = Stall(
        heartbeat, [] {}, [&] { return restoredCount() + failed == static_cast<qsizetype>(removed.size()); },
        100);
    Row(QStringLiteral("restore click, duplicate view of %1 tracks (worst of %2)")
            .arg(songs)
            .arg(removed.size()),
        worst,
        QStringLiteral("(removed in %1 s, clicked in %2 s)")
            .arg(removedMs / 1000.0, 0, 'f', 1)
            .arg(clicked / 1000.0, 0, 'f', 1));
    Row(QStringLiteral("until every restore is back (%1 of %2, %3 failed)")
            .arg(restoredCount())
            .arg(removed.size())
            .arg(failed),
        waiting, QStringLiteral("(all back after %1 s)").arg(clock.elapsed() / 1000.0, 0, 'f', 1));
    Leave(heartbeat, window, false, QStringLiteral("from the duplicate view after the restores"));
    if (showRemoved())
        Leave(heartbeat, window, true, QStringLiteral("with the duplicate view of %1 tracks").arg(songs));
    GetAppSettings()->SetMsgDshow(0);
    GetAppSettings()->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}

// Fix All through the window over count generated songs, then Apply (when recognised).
void FixAllRows(Heartbeat& heartbeat, const QString& folder, int count, bool recognise)
{
    bench::IdentifyService service(recognise);
    const QString seeds = folder + QStringLiteral("/seeds");
    const QString songs = folder + QStringLiteral("/songs");
    if (!service.Started() || !bench::MakeSeedSongs(seeds) || !bench::MakeSongs(seeds, songs, count))
        return;
    g_nWorkMode = EWorkMode::Files;
    auto window = NewWindow();
    window->LoadStartParam({songs}, g_strDBPath, RunModeFiles);
    if (!WaitFor([&] { return AtScoreScreen(*window); }) ||
        window->ActionStack()->currentIndex() != CMainUI::ActionFixAll)
    {
        std::printf("Fix All: no score screen\n");
        return;
    }
    bool ended = false;
    QObject::connect(window->ReportPage(), &CAnalyReport::ReportFixAllComplete, [&] { ended = true; });
    // The end moves every row to Unrecognized Songs and looks for their pictures: 500 ms more.
    const qint64 fix = Stall(
        heartbeat,
        [&] {
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("main_fixallbut")),
                              Qt::LeftButton);
        },
        [&] { return ended && window->RunState() != EWindowRunState::Running; }, 500);
    const QString moved = recognise ? QString()
                                    : QStringLiteral("(%1 rows moved)")
                                          .arg(window->ReportPage()->UnrecognizedTree()->topLevelItemCount());
    Row(recognise ? QStringLiteral("Fix All, %1 songs").arg(count)
                  : QStringLiteral("Fix All whose %1 songs all end unrecognised").arg(count),
        fix, moved);
    if (recognise)
    {
        // A picture dropped on the tag editor, which shows the first song once the fix has ended.
        const QString png = MakePng(folder + QStringLiteral("/huge.png"));
        if (auto* label =
                window->ReportPage()->Editor()->findChild<CLabelArtwork*>(QStringLiteral("NewArtwork"));
            label && label->isVisible() && !png.isEmpty())
        {
            const qint64 key = label->pixmap().cacheKey();
            const qint64 stall = Stall(
                heartbeat, [&] { DropFile(label, png); }, [&] { return label->pixmap().cacheKey() != key; },
                200, 10000);
            Row(QStringLiteral("20-megapixel PNG dropped on the tag editor"), stall,
                label->pixmap().cacheKey() != key ? QString() : QStringLiteral("(the picture did not show)"));
        }
        else
        {
            std::printf("the tag editor is not shown after the Fix All\n");
        }
        Row(QStringLiteral("Apply, %1 songs").arg(count),
            Stall(
                heartbeat,
                [&] {
                    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("main_applybut")),
                                      Qt::LeftButton);
                },
                [&] {
                    return !window->ApplyThread()->isRunning() &&
                           window->RunState() != EWindowRunState::Running;
                }));
    }
    Leave(heartbeat, window, false, QStringLiteral("after the Fix All"));
    window.reset();
    QDir(songs).removeRecursively();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int tracks = argc > 1 ? std::atoi(argv[1]) : 40000;
    const int pictures = argc > 2 ? std::atoi(argv[2]) : 20000;
    const int songs = EnvCount("BENCH_SONGS", 20000);
    const int fixSongs = std::max(bench::kSeeds, EnvCount("BENCH_FIX_SONGS", 2000));
    WidgetTestEnv env;
    FillAppStrings();
    // Every question is answered by its first button: Yes, Ok; Home's apply question is Ignore.
    CMessageSeam::Scope answers(
        [](const MessageQuestion& question)
        { return question.text.contains(QStringLiteral("apply new results")) ? 2 : 1; });
    const QString folder =
        QDir(GetAppSettings()->GetDataFolder() + QStringLiteral("/../bench")).absolutePath();
    QDir().mkpath(folder);
    Heartbeat heartbeat;

    if (Wanted("load"))
        LoadRows(heartbeat, folder, tracks);
    if (Wanted("score"))
        ScoreRows(heartbeat, folder, tracks);
    if (Wanted("folders"))
        FolderRows(heartbeat, pictures);
    if (Wanted("show"))
    {
        // No file manager answers on a bench machine: the worst case.
        const QString song = MakeSong(folder, QStringLiteral("shown.mp3"));
        Row(QStringLiteral("Show in folder"),
            Stall(
                heartbeat, [&] { ShowInExplorer(song); }, [] { return true; }));
    }
    if (Wanted("report"))
        ReportRows(heartbeat, folder, songs);
    if (Wanted("ticks"))
        TickRows(heartbeat, folder, songs);
    if (Wanted("duplicate"))
        DuplicateRows(heartbeat, folder, songs);
    if (Wanted("fixall"))
        FixAllRows(heartbeat, folder, fixSongs, true);
    if (Wanted("unrecognized"))
        FixAllRows(heartbeat, folder, fixSongs, false);
    return 0;
}
