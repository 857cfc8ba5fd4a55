// The report page over a real music link: a generated iTunes library of real files is loaded
// and analysed, its problem songs are handed to the page from a worker thread as the analysis
// thread does, and the pages, badges, summaries, checks and moves are read back.

#include "AcrMediaInfoRunnable.h"
#include "AnalyReport.h"
#include "ArtworkList.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "CShowMaxPicture.h"
#include "EventLoopHttpServer.h"
#include "FailedTreeWidget.h"
#include "IMusicLinkHost.h"
#include "IdentifyAnswer.h"
#include "InterfaceLanguage.h"
#include "LibraryXml.h"
#include "LineEdit.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ManagerFixture.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "MusicTag.h"
#include "ReportApply.h"
#include "RoadCheck.h"
#include "ServiceKeys.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "TreeItem.h"
#include "WidgetTestEnv.h"

#include "AppGlobals.h"
#include "AppSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include <sqlite3.h>

#include <atomic>
#include <memory>
#include <thread>

namespace
{
struct Song
{
    CMusicObj* track = nullptr;
    int absence = 0;
    int state = 0;
    int index = 0;
    QString title;
};

constexpr int kProblemBits = MF_FileMissing | MF_Artist | MF_Album | MF_Artwork;

int RowsOf(QTreeWidget* tree)
{
    return tree->topLevelItemCount();
}

QStringList Categories(CAnalyReport& page)
{
    QStringList titles;
    for (int i = 0; i < page.CategoryTree()->topLevelItemCount(); ++i)
        titles << page.CategoryTree()->topLevelItem(i)->text(2);
    return titles;
}

// Where a badge of the given colour is drawn along one pixel line of a grabbed picture: its
// first and last x, or -1 and -1.
QPair<int, int> BadgeRun(const QImage& image, int y, QColor colour)
{
    QPair<int, int> run(-1, -1);
    for (int x = 0; x < image.width(); ++x)
    {
        const QColor pixel = image.pixelColor(x, y);
        if (qAbs(pixel.red() - colour.red()) <= 24 && qAbs(pixel.green() - colour.green()) <= 24 &&
            qAbs(pixel.blue() - colour.blue()) <= 24)
        {
            if (run.first < 0)
                run.first = x;
            run.second = x;
        }
    }
    return run;
}

// Every badge of the category tree but the current one's, found by its colour on the rendered
// tree: each must lie inside the view with a clear margin on both sides and show both its round
// ends (a badge cut by the view's edge ends straight).
QStringList CutBadges(QTreeWidget* tree)
{
    QStringList problems;
    const QImage image = tree->grab().toImage();
    const QRect view(tree->viewport()->mapTo(tree, QPoint(0, 0)), tree->viewport()->size());
    const QColor blue(0x94, 0xa9, 0xc8);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* entry = tree->topLevelItem(i);
        if (entry == tree->currentItem())
            continue;
        const QRect row = tree->visualItemRect(entry).translated(view.topLeft());
        const QPair<int, int> middle = BadgeRun(image, row.center().y(), blue);
        const QString name = entry->text(2);
        if (middle.first < 0)
        {
            problems << name + QStringLiteral(": no badge drawn");
            continue;
        }
        if (middle.first < view.left() + 6 || middle.second > view.right() - 6)
            problems << QStringLiteral("%1: badge %2-%3 not clear of the view %4-%5")
                            .arg(name)
                            .arg(middle.first)
                            .arg(middle.second)
                            .arg(view.left())
                            .arg(view.right());
        int top = row.center().y();
        while (top > row.top() && BadgeRun(image, top - 1, blue).first >= 0)
            --top;
        const QPair<int, int> edge = BadgeRun(image, top + 1, blue);
        if (edge.first <= middle.first || edge.second >= middle.second)
            problems << QStringLiteral("%1: badge ends straight (%2-%3 at its top, %4-%5 in its middle)")
                            .arg(name)
                            .arg(edge.first)
                            .arg(edge.second)
                            .arg(middle.first)
                            .arg(middle.second);
    }
    return problems;
}
} // namespace

class ReportPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void analysisFillsEachCategoryAndItsSummary();
    void maskWithoutAlbumListsNoAlbumAndNoProblemsGiveNoSummary();
    void categoryBadgesLieInsideTheTreeInBothDirectionsAndScales();
    void categoryAndFixingIconsFollowTheScale();
    void checksEditsAndArtworkChoicesAreWrittenInOrderOffTheGuiThread();
    void menusSortingAndPopupPlacement();
    void artworkGridPaintsAndTakesClicksAtBothScales();
    void unrecognizedHeadersReadWholeOrElidedInEveryLanguage();
    void artworkGridNeverScrollsSideways();
    void gridTitlesKeepTheirOwnDirectionRightToLeft();
    void unfixedSongsMoveAndAnEditorSaveRetiresTheirRows();
    void theEditorFollowsTheHighlightWhenItsSongLeaves();
    void stopAllWorkEmptiesEveryPage();
    void storedArtworkIsWrittenOnlyInsideThePictureFolder();
    void unrecognizedPicturesReachOnlyTheRowsThatAskedForThem();
    void enlargedPictureOpensOverTheGridWhereverTheWindowIs();
    void fixAllIdentifiesHoldsAnswersWhilePausedAndStops();
    void applyWritesFilesAndRemovesCheckedMissingSongsOnce();
    void answersFixOnlyWhatTheyCarryAndKeepCoversInThePictureFolder();

private:
    // Hands the analysed songs to the page from a worker thread, as the analysis thread does,
    // then waits for the GUI thread to file them (their order is the thread's order).
    void Feed(CAnalyReport& page, int mask);
    void LoadLibrary();
    const Song* SongTitled(const QString& title) const;
    // A page of its own over the library at the scale and in the program's look, shown at the
    // width given before scaling; null when it was never shown.
    std::unique_ptr<CAnalyReport> ShowStyledPage(double scale, int width);

    std::unique_ptr<WidgetTestEnv> env;
    TestLinkHost host;
    std::unique_ptr<CMusicLink> link;
    std::vector<Song> songs;
    QStringList files;
    std::unique_ptr<CAnalyReport> page;
};

void ReportPageTest::initTestCase()
{
    env = std::make_unique<WidgetTestEnv>();
    g_dScale = 1.0;
    LoadSharedImages();
}

// Every case starts from the same library: the files, the library file, the stored pictures and
// the analysis are made again, so no case sees what another wrote.
void ReportPageTest::LoadLibrary()
{
    using namespace tidewell::test;
    link.reset();
    songs.clear();
    files.clear();
    QDir(GetAppSettings()->GetPictureFolder()).removeRecursively();
    using manager_test::XmlTrack;
    const QString music = QDir::homePath() + "/Music/iTunes Media";
    QDir().mkpath(music);
    // 0: no artist, no cover; 1: no album, with cover; 2: clean with cover; 3: no artist, no album,
    // no cover; 4: a file that is gone (and no artist, album or cover).
    struct Plan
    {
        const char* title;
        const char* artist;
        const char* album;
        bool cover;
    };
    const Plan plans[] = {{"Lost Voice", "", "Album A", false},
                          {"Homeless Tune", "Artist B", "", true},
                          {"Clean Song", "Artist C", "Album C", true},
                          {"Bare Song", "", "", false},
                          {"Gone Song", "", "", false}};
    std::vector<XmlTrack> xml;
    for (int i = 0; i < 5; ++i)
    {
        const QString path = QStringLiteral("%1/song %2.mp3").arg(music).arg(i);
        if (i < 4)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 300.0 + 120 * i;
            audioSpec.tags.title = QString::fromUtf8(plans[i].title);
            audioSpec.tags.artist = QString::fromUtf8(plans[i].artist);
            audioSpec.tags.album = QString::fromUtf8(plans[i].album);
            if (plans[i].cover)
                audioSpec.artwork = makePicture(300, 600, 0x2266aa);
            QVERIFY(makeAudioFile(path, audioSpec));
        }
        files << path;
        XmlTrack t;
        t.trackId = 101 + 2 * i;
        t.persistentId = QStringLiteral("00C0FFEE0000AB%1").arg(i, 2, 10, QChar('0'));
        t.name = QString::fromUtf8(plans[i].title);
        t.artist = QString::fromUtf8(plans[i].artist);
        t.album = QString::fromUtf8(plans[i].album);
        t.genre = QStringLiteral("Rock");
        t.year = 2001;
        t.size = 20000;
        t.totalTime = 1000;
        t.bitRate = 128;
        t.location = path;
        xml.push_back(t);
    }
    const QString xmlPath = QDir::homePath() + "/Music/iTunes/iTunes Music Library.xml";
    QDir().mkpath(QFileInfo(xmlPath).absolutePath());
    QVERIFY(manager_test::WriteLibraryXml(xmlPath, xml));
    qputenv("TIDEWELL_ITUNES_LIBRARY", xmlPath.toUtf8());

    GetAppSettings()->SetGenernal(static_cast<int>(kDefaultGeneralMask));
    link = std::make_unique<CMusicLink>(&host);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    QCOMPARE(link->LoadMusicLibrary(RunModeITunes, xmlPath.toUtf8().constData()), 0);
    QCOMPARE(link->StartLoadMusic(), 0);
    QVERIFY(QTest::qWaitFor([&] { return loadOk.count() == 1; }, 60000));
    const int restarts = host.restarts.load();
    QCOMPARE(link->StartAnalyzeMusic(static_cast<int>(kDefaultGeneralMask)), 0);
    QVERIFY(QTest::qWaitFor([&] { return host.restarts.load() > restarts; }, 60000));
    // A transaction waits for the save pass that follows the analysis.
    QCOMPARE(link->SetTransaction(false), 0);
    QCOMPARE(link->SetTransaction(true), 0);

    const int count = link->GetMusicCount();
    for (int i = 0; i < count; ++i)
    {
        Song song;
        int64_t repeat = 0;
        QCOMPARE(link->GetMusicObj(i, &song.track, &song.absence, &song.state, &repeat), 0);
        song.index = i;
        MusicInfo* info = nullptr;
        QCOMPARE(link->GetMusicRecord(song.track, &info, 1), 0);
        song.title = info->Name;
        if (song.absence & kProblemBits)
            songs.push_back(song);
    }
    QVERIFY2(songs.size() == 4, qPrintable(QString::number(songs.size())));
}

void ReportPageTest::cleanupTestCase()
{
    page.reset();
    link.reset();
    FreeSharedImages();
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    env.reset();
}

void ReportPageTest::init()
{
    g_dScale = 1.0;
    LoadLibrary();
    QVERIFY(link);
    link->ChangeAllMusicState(kProblemBits, 0);
    page = std::make_unique<CAnalyReport>(g_hMediaLibrary.load(), nullptr);
    page->SetMusicLink(link.get());
    page->resize(1000, 700);
    page->show();
}

void ReportPageTest::cleanup()
{
    // The cases fill the page themselves: only the files are checked.
    const QStringList roadEnd =
        page && page->WaitFixWrites() ? tidewell::test::FileRoadFaults() : QStringList();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (page)
        page->StopAllWork();
    page.reset();
    link.reset();
    VERIFY_ROAD_INVARIANTS(roadEnd);
}

const Song* ReportPageTest::SongTitled(const QString& title) const
{
    for (const Song& song : songs)
    {
        if (song.title == title)
            return &song;
    }
    return nullptr;
}

std::unique_ptr<CAnalyReport> ReportPageTest::ShowStyledPage(double scale, int width)
{
    g_dScale = scale;
    qApp->setStyleSheet(LoadApplicationStyleSheet());
    auto report = std::make_unique<CAnalyReport>(g_hMediaLibrary.load(), nullptr);
    report->SetMusicLink(link.get());
    report->resize(ScaledInt(width), ScaledInt(500));
    report->show();
    if (!QTest::qWaitForWindowExposed(report.get()))
        return nullptr;
    return report;
}

void ReportPageTest::Feed(CAnalyReport& target, int mask)
{
    target.SetStopState(0);
    target.ClearPullQueue();
    target.SetCategoryMask(mask);
    std::atomic<bool> done{false};
    std::thread analysis(
        [&]
        {
            for (const Song& song : songs)
            {
                target.AddProblemCount(1);
                target.AddProblemTrack(song.track, song.absence, song.state, 0, song.index, 1);
            }
            done = true;
        });
    // The end of the analysis is posted after the last song, as SandUpdataReport is.
    const bool fed = QTest::qWaitFor([&] { return done.load(); }, 60000);
    analysis.join();
    QVERIFY(fed);
    bool ended = false;
    QMetaObject::invokeMethod(
        &target, [&] { ended = true; }, Qt::QueuedConnection);
    QVERIFY(QTest::qWaitFor([&] { return ended; }, 60000));
    target.ReflashView(true);
}

void ReportPageTest::analysisFillsEachCategoryAndItsSummary()
{
    QSignalSpy header(page.get(), &CAnalyReport::StartFixAll);
    QSignalSpy info(page.get(), &CAnalyReport::ReportFixInfo);
    Feed(*page, static_cast<int>(kDefaultGeneralMask));

    // The song whose file is gone is listed there only, though it lacks artist, album and cover.
    QCOMPARE(RowsOf(page->MissingTree()), 1);
    QCOMPARE(page->MissingTree()->topLevelItem(0)->text(0), QStringLiteral("Gone Song"));
    QCOMPARE(page->MissingTree()->topLevelItem(0)->text(2), QStringLiteral("Unknown Artist"));
    QCOMPARE(RowsOf(page->ArtistTree()), 2);   // Lost Voice, Bare Song
    QCOMPARE(RowsOf(page->AlbumTree()), 2);    // Homeless Tune, Bare Song
    QCOMPARE(page->ArtworkList()->count(), 2); // Lost Voice, Bare Song
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 0);
    QCOMPARE(page->PullQueue().size(), 3);
    QCOMPARE(page->PullQueue().value(SongTitled("Bare Song")->index), files[3]);

    // Categories in tree order with their counts; the first becomes current with its summary.
    QCOMPARE(Categories(*page), (QStringList{"Songs Without Album Artwork", "Songs Without Artist",
                                             "Songs Without Album", "Songs Without Original Files"}));
    QCOMPARE(page->PageStack()->currentIndex(), 0);
    QVERIFY(!header.isEmpty());
    QCOMPARE(header.last().at(0).toString(), QStringLiteral("Scanned 5 song(s), 2 song(s) without artwork."));
    QCOMPARE(header.last().at(3).toInt(), -12);
    QVERIFY(page->Editor()->isVisible());

    // Each category's page and code.
    struct Expect
    {
        ReportCategory category;
        int page;
        int code;
        QString text;
    };
    const Expect expects[] = {
        {ReportArtist, 3, -5, "Scanned 5 song(s), 2 song(s) without artist."},
        {ReportAlbum, 2, -7, "Scanned 5 song(s), 2 song(s) without album."},
        {ReportMissingFile, 1, -9,
         "Scanned 5 song(s), 1 song(s) unwritable,check them if exist in your computer."},
    };
    for (const Expect& e : expects)
    {
        page->CategoryTree()->setCurrentItem(page->CategoryEntry(e.category));
        QCOMPARE(page->PageStack()->currentIndex(), e.page);
        QCOMPARE(header.last().at(0).toString(), e.text);
        QCOMPARE(header.last().at(3).toInt(), e.code);
    }
    // A category whose fix has started reads its Fixed text; never below zero.
    page->CategoryEntry(ReportMissingFile)->SetBadgePage(1);
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportArtist));
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportMissingFile));
    QCOMPARE(header.last().at(0).toString(),
             QString("1 unwritable song(s) not fixed\uFF0Cplease check them if exist in your computer."));
    QCOMPARE(header.last().at(2).toInt(), -1);
    QCOMPARE(header.last().at(3).toInt(), -10);
    // The numbers add up to the rows shown, however a list's own count drifted.
    page->ArtistTree()->SetFixedCount(5);
    page->CategoryEntry(ReportArtist)->SetBadgePage(1);
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportArtist));
    QCOMPARE(header.last().at(0).toString(),
             QStringLiteral("Fixed 0 song(s) without artist. Still 2 song(s) not fixed."));
    QCOMPARE(header.last().at(3).toInt(), -6);
    page->ArtistTree()->SetFixedCount(0);
    page->CategoryEntry(ReportArtist)->SetBadgePage(0);

    // While a fix runs, switching sends nothing.
    page->SetRunState(2);
    const int before = header.count();
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportAlbum));
    QCOMPARE(header.count(), before);
    page->SetRunState(0);

    // The summary: every row open (2 + 2 + 2 + 1) and no song fixed yet.
    QCOMPARE(page->UpdateFixSummary(), 7);
    QCOMPARE(info.last().at(0).toInt(), 7);
    QCOMPARE(header.last().at(0).toString(),
             QStringLiteral("Fixed 0 song(s), 0 problem(s). Still 7 problem(s) not fixed."));
    QVERIFY(page->IsNeedFix());

    // A song whose artist is present but whose word says otherwise is listed as fixed.
    const Song* homeless = SongTitled("Homeless Tune");
    page->AddProblemTrack(homeless->track, MF_Artist, 0, 0, homeless->index, 1);
    QCOMPARE(RowsOf(page->ArtistTree()), 3);
    auto* fixedRow = dynamic_cast<CTreeItem*>(page->ArtistTree()->topLevelItem(2));
    QVERIFY(fixedRow);
    QCOMPARE(fixedRow->GetFixState(), ERowFixState::Fixed);
    QCOMPARE(page->ArtistTree()->GetFixedCount(), 1);
}

void ReportPageTest::maskWithoutAlbumListsNoAlbumAndNoProblemsGiveNoSummary()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask) & ~MF_Album);
    QCOMPARE(RowsOf(page->AlbumTree()), 0);
    QVERIFY(!Categories(*page).contains("Songs Without Album"));
    // Only the artist rows, artwork cells and the missing file remain.
    QCOMPARE(page->UpdateFixSummary(), 5);

    // Nothing at all: an empty tree and no summary.
    CAnalyReport empty(nullptr);
    empty.SetMusicLink(link.get());
    QSignalSpy header(&empty, &CAnalyReport::StartFixAll);
    empty.SetCategoryMask(static_cast<int>(kDefaultGeneralMask));
    empty.ReflashView(true);
    QCOMPARE(empty.CategoryTree()->topLevelItemCount(), 0);
    QCOMPARE(header.count(), 0);
    QVERIFY(!empty.IsNeedFix());
}

// A real library's counts, one to five digits, in the narrowest tree the splitter allows.
void ReportPageTest::categoryBadgesLieInsideTheTreeInBothDirectionsAndScales()
{
    const auto pad = [](QTreeWidget* tree, int rows)
    {
        QList<QTreeWidgetItem*> extra;
        for (int i = tree->topLevelItemCount(); i < rows; ++i)
            extra << new QTreeWidgetItem(QStringList{QStringLiteral("Padding %1").arg(i)});
        tree->addTopLevelItems(extra);
    };
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft})
    {
        for (const double scale : {1.0, 2.0})
        {
            const QString where = QStringLiteral("%1 at scale %2: ")
                                      .arg(direction == Qt::LeftToRight ? "ltr" : "rtl")
                                      .arg(scale);
            g_dScale = scale;
            QGuiApplication::setLayoutDirection(direction);
            CAnalyReport report(g_hMediaLibrary.load(), nullptr);
            report.SetMusicLink(link.get());
            report.resize(ScaledInt(1000), ScaledInt(700));
            report.show();
            QVERIFY(QTest::qWaitForWindowExposed(&report));
            Feed(report, static_cast<int>(kDefaultGeneralMask));
            report.findChild<QSplitter*>(QStringLiteral("ReportSplitter"))->setSizes({1, ScaledInt(1000)});
            pad(report.UnrecognizedTree(), 7);
            pad(report.ArtistTree(), 29260);
            pad(report.AlbumTree(), 1779);
            for (const int missing : {59, 724})
            {
                pad(report.MissingTree(), missing);
                report.ReflashView(false);
                QTreeWidget* tree = report.CategoryTree();
                QCOMPARE(tree->topLevelItemCount(), 5);
                // The current entry's badge is white: look at it with another entry current.
                QStringList problems = CutBadges(tree);
                tree->setCurrentItem(tree->topLevelItem(1));
                problems << CutBadges(tree);
                QVERIFY2(problems.isEmpty(), qPrintable(where + problems.join(QStringLiteral("; "))));
            }
            report.StopAllWork();
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    g_dScale = 1.0;
}

// The category tree's icons and the fixing icon on the problem rows are twice as large at scale 2.
void ReportPageTest::categoryAndFixingIconsFollowTheScale()
{
    using namespace tidewell::test;
    EventLoopHttpServer acr;
    QVERIFY(acr.start());
    ScopedEnv acrHost(tidewell::online::keys::kAcrHostVariable, acr.hostPort().toLatin1());
    acr.answer("/v1/identify", HttpResponse::only(HttpResponse::Mode::Silent));
    // The icon in a row that is not selected: its picture alone on the row's background.
    const auto drawn = [](QTreeWidget* tree, int row, int column)
    {
        const QRect cell = tree->visualRect(tree->model()->index(row, column));
        return InkBounds(tree->viewport()->grab().toImage(), cell.adjusted(1, 1, -1, -1)).size();
    };
    QSize category[2];
    QSize fixing[2];
    QSize title[2];
    for (const int scale : {1, 2})
    {
        g_dScale = scale;
        // The shared pictures are loaded after the scale is known, as at start-up.
        FreeSharedImages();
        LoadSharedImages();
        CAnalyReport report(g_hMediaLibrary.load(), nullptr);
        report.SetMusicLink(link.get());
        report.resize(ScaledInt(1000), ScaledInt(700));
        report.show();
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        Feed(report, static_cast<int>(kDefaultGeneralMask));
        category[scale - 1] = drawn(report.CategoryTree(), 0, 1);
        // A song row's title, as a loaded result's rows are filed too.
        report.CategoryTree()->setCurrentItem(report.CategoryEntry(ReportAlbum));
        QVERIFY(QTest::qWaitFor([&] { return report.AlbumTree()->isVisible(); }));
        title[scale - 1] = drawn(report.AlbumTree(), 0, 2);
        // A run marks every artist row as being fixed while the service is asked.
        report.SetFixMode(1);
        report.SetRunState(1);
        report.StopPlay();
        report.StartPull();
        QVERIFY(QTest::qWaitFor([&] { return !acr.requests().isEmpty(); }, 20000));
        report.CategoryTree()->setCurrentItem(report.CategoryEntry(ReportArtist));
        QVERIFY(QTest::qWaitFor([&] { return report.ArtistTree()->isVisible(); }));
        fixing[scale - 1] = drawn(report.ArtistTree(), 1, 5);
        report.StopAllWork();
    }
    g_dScale = 1.0;
    FreeSharedImages();
    LoadSharedImages();
    // The spinner's faint dots smooth into more ink when enlarged: at least twice as wide.
    for (const QSize* sizes : {category, fixing})
        QVERIFY2(sizes[0].width() >= 8 && sizes[1].width() >= 2 * sizes[0].width() - 2,
                 qPrintable(QStringLiteral("%1 px at scale 1, %2 px at scale 2")
                                .arg(sizes[0].width())
                                .arg(sizes[1].width())));
    // A row's text is twice as large too, as every other text of the window.
    QVERIFY2(title[0].height() >= 6 && title[1].height() >= 2 * title[0].height() - 2 &&
                 title[1].width() >= 2 * title[0].width() - 4,
             qPrintable(QStringLiteral("row text %1x%2 px at scale 1, %3x%4 px at scale 2")
                            .arg(title[0].width())
                            .arg(title[0].height())
                            .arg(title[1].width())
                            .arg(title[1].height())));
}

void ReportPageTest::checksEditsAndArtworkChoicesAreWrittenInOrderOffTheGuiThread()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    CFailedTreeWidget* artists = page->ArtistTree();
    auto* row = dynamic_cast<CTreeItem*>(artists->topLevelItem(0));
    QVERIFY(row);
    CMusicObj* track = row->GetMusicData();
    QCOMPARE(link->GetMusicState(track) & MF_Artist, 0);

    // Title column: nothing; check box: the bit. The writes are the fix writer's, in order.
    row->setCheckState(0, Qt::Unchecked);
    emit artists->itemClicked(row, 2);
    QVERIFY(page->WaitFixWrites());
    QCOMPARE(link->GetMusicState(track) & MF_Artist, 0);
    emit artists->itemClicked(row, 0);
    row->setCheckState(0, Qt::Checked);
    emit artists->itemClicked(row, 0);
    row->setCheckState(0, Qt::Unchecked);
    emit artists->itemClicked(row, 0);
    QVERIFY(page->WaitFixWrites());
    QCOMPARE(link->GetMusicState(track) & MF_Artist, MF_Artist);

    // A song of the artwork grid with two pictures found, shown in the editor.
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportArtwork));
    CListWidget* grid = page->ArtworkList();
    auto* cell = dynamic_cast<CListItem*>(grid->item(0));
    QVERIFY(cell && QTest::qWaitFor([&] { return grid->isVisible(); }));
    CMusicObj* pictured = cell->GetMusicData();
    QStringList pictures;
    for (const int side : {200, 320})
    {
        pictures << QDir::homePath() + QStringLiteral("/candidate-%1.jpg").arg(side);
        QFile out(pictures.back());
        QVERIFY(out.open(QIODevice::WriteOnly) &&
                out.write(tidewell::test::makePicture(side, side, 0x20a040)) > 0);
        out.close();
        pictured->AddArtworkCandidate(pictures.back());
    }
    cell->SetMultiArtwork(true);
    cell->SetArtworkState(2, false);
    const QRect rect = grid->visualItemRect(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    auto* album = page->Editor()->findChild<CLineEdit*>(QStringLiteral("NewAlbum"));
    if (page->Editor()->IsContentHidden())
        QTest::mouseClick(page->Editor()->findChild<QPushButton*>(QStringLiteral("InfoHideBut")),
                          Qt::LeftButton);

    // While another connection reads the database all along, a tick's and a tag edit's writes go
    // in but their commit is refused: the editor says so and the edit is not counted. The writes
    // stay in the open transaction, which the writer's next commit saves.
    sqlite3* other = nullptr;
    {
        QStringList told;
        CMessageSeam::Scope seam([&told](const MessageQuestion& question)
                                 { return told << question.text, 1; });
        QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN; SELECT count(*) FROM TracksTable", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        // A tick first: the edit goes in one transaction with it, or after its refused commit.
        row->setCheckState(0, Qt::Checked);
        emit artists->itemClicked(row, 0);
        QTest::mouseClick(album, Qt::LeftButton);
        album->repaint();
        album->selectAll();
        QTest::keyClicks(album, QStringLiteral("Unsaved Album"));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1)).center());
        QVERIFY(page->WaitFixWrites());
        QTRY_COMPARE(told, QStringList{"Sorry, the changes to this song could not be saved."});
        QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        QVERIFY(!page->HasUnappliedChanges());
        row->setCheckState(0, Qt::Unchecked);
        emit artists->itemClicked(row, 0);
        QVERIFY(page->WaitFixWrites());
        QCOMPARE(link->GetMusicState(track) & MF_Artist, MF_Artist);
        QCOMPARE(manager_test::QueryColumn(g_strDBPath,
                                           "select count(*) from TracksTable where Album = 'Unsaved Album'"),
                 std::vector<std::string>{"1"});
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // While another connection holds the database's write lock, a tick, two artwork choices and a
    // tag edit are only queued: the GUI thread goes on and the grid shows the choice; all are
    // written in order once the lock is let go, and only then is the edit counted.
    QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    row->setCheckState(0, Qt::Checked);
    emit artists->itemClicked(row, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      CListDelegate::CandidatesRect(rect).topLeft() + QPoint(1, 1));
    auto* candidates = page->ArtworkPopup()->findChild<QListWidget*>(QStringLiteral("Artwork_list_list"));
    for (const int choice : {1, 0})
        QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                          candidates->visualItemRect(candidates->item(choice)).center());
    QCOMPARE(cell->GetArtworkPath(), pictures[0]);
    page->ArtworkPopup()->hide();
    QTest::mouseClick(album, Qt::LeftButton);
    album->repaint(); // the first paint with focus puts the full text in
    album->selectAll();
    QTest::keyClicks(album, QStringLiteral("Held Album"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1)).center());
    QVERIFY(!page->WaitFixWrites([] { return true; }) && !page->HasUnappliedChanges());
    QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    QVERIFY(page->WaitFixWrites());
    QTRY_VERIFY(page->HasUnappliedChanges());
    QCOMPARE(link->GetMusicState(track) & MF_Artist, 0);
    QCOMPARE(link->GetArtworkPath(pictured), pictures[0]);
    MusicInfo* stored = nullptr;
    QCOMPARE(link->GetMusicRecord(pictured, &stored, 1), 0);
    const std::string where =
        " from TracksTable where PersistentID = '" + stored->PersistentID.toStdString() + "'";
    QCOMPARE(manager_test::QueryColumn(g_strDBPath, "select Album" + where),
             std::vector<std::string>{"Held Album"});
    QCOMPARE(manager_test::QueryColumn(g_strDBPath, "select length(ArtData)" + where),
             std::vector<std::string>{std::to_string(QFileInfo(pictures[0]).size())});

    // The artwork cell's own check state.
    cell->SetCheckState(0, false);
    emit page->ArtworkList()->SendCheckState(cell);
    QVERIFY(page->WaitFixWrites());
    QCOMPARE(link->GetMusicState(cell->GetMusicData()) & MF_Artwork, MF_Artwork);

    // Uncheck All: every row unchecked and the bit set on every song in one call; a tick after it
    // is written after it.
    artists->UnAllItem();
    row->setCheckState(0, Qt::Checked);
    emit artists->itemClicked(row, 0);
    QVERIFY(page->WaitFixWrites());
    for (int i = 0; i < artists->topLevelItemCount(); ++i)
        QCOMPARE(artists->topLevelItem(i)->checkState(0),
                 artists->topLevelItem(i) == row ? Qt::Checked : Qt::Unchecked);
    for (const Song& song : songs)
        QCOMPARE(link->GetMusicState(song.track) & MF_Artist, song.track == track ? 0 : int(MF_Artist));
    artists->AllItem();
    QVERIFY(page->WaitFixWrites());
    for (const Song& song : songs)
        QCOMPARE(link->GetMusicState(song.track) & MF_Artist, 0);

    // A fresh analysis shows the stored exclusion as an unchecked row.
    artists->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    emit artists->itemClicked(artists->topLevelItem(0), 0);
    page->StopAllWork();
    songs.clear();
    for (int i = 0; i < link->GetMusicCount(); ++i)
    {
        Song song;
        int64_t repeat = 0;
        link->GetMusicObj(i, &song.track, &song.absence, &song.state, &repeat);
        song.index = i;
        MusicInfo* info = nullptr;
        link->GetMusicRecord(song.track, &info, 1);
        song.title = info->Name;
        if (song.absence & kProblemBits)
            songs.push_back(song);
    }
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    int unchecked = 0;
    for (int i = 0; i < artists->topLevelItemCount(); ++i)
        unchecked += artists->topLevelItem(i)->checkState(0) == Qt::Unchecked;
    QCOMPARE(unchecked, 1);
}

void ReportPageTest::menusSortingAndPopupPlacement()
{
    // Empty tree: only the two whole-list actions, both enabled.
    CFailedTreeWidget tree;
    tree.PrepareMenu();
    const QList<QAction*> actions = tree.Menu()->actions();
    QCOMPARE(actions.size(), 7);
    QVERIFY(actions[0]->isVisible() && actions[0]->isEnabled());
    QVERIFY(actions[1]->isVisible() && actions[1]->isEnabled());
    for (int i = 2; i < 7; ++i)
        QVERIFY(!actions[i]->isVisible());
    // A disabled menu never shows.
    tree.resize(300, 200);
    tree.show();
    tree.SetMenuEnabled(false);
    QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(!tree.Menu()->isVisible());

    // "Uncheck selected" on two rows: two signals, each with 0.
    for (int i = 0; i < 3; ++i)
    {
        auto* row = new CTreeItem(&tree);
        row->setCheckState(0, Qt::Checked);
    }
    tree.topLevelItem(0)->setSelected(true);
    tree.topLevelItem(2)->setSelected(true);
    QSignalSpy one(&tree, &CFailedTreeWidget::SetUnchecked);
    QSignalSpy all(&tree, &CFailedTreeWidget::SetAllUnchecked);
    tree.PrepareMenu();
    QVERIFY(!actions[3]->isVisible() && actions[4]->isVisible());
    tree.UnSelectItem();
    QCOMPARE(one.count(), 2);
    QCOMPARE(one.at(1).at(1).toInt(), 0);
    QCOMPARE(tree.topLevelItem(1)->checkState(0), Qt::Checked);
    tree.UnAllItem();
    QCOMPARE(all.count(), 1);
    QCOMPARE(all.at(0).at(0).toInt(), 1);

    // Sorting the picture column of Unrecognized Songs.
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    page->MoveFailedItem();
    page->MoveFailedItemOK();
    CFailedTreeWidget* unrecognized = page->UnrecognizedTree();
    QVERIFY(RowsOf(unrecognized) >= 3);
    unrecognized->setSortingEnabled(false);
    unrecognized->header()->setSortIndicator(1, Qt::AscendingOrder);
    page->SortFailedTree(1);
    // Ascending: the songs that lack artwork and have no picture come last.
    auto lacksPicture = [&](int i)
    {
        auto* row = dynamic_cast<CTreeItem*>(unrecognized->topLevelItem(i));
        return (row->GetKind() & MF_Artwork) && link->GetArtworkPath(row->GetMusicData()).isEmpty();
    };
    const int n = RowsOf(unrecognized);
    QVERIFY(lacksPicture(n - 1));
    QVERIFY(!lacksPicture(0));
    page->SortFailedTree(3); // another column: nothing
    QVERIFY(lacksPicture(n - 1));

    // The candidate pop-up near the right screen edge is shifted by the overflow.
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportArtwork));
    CListWidget* grid = page->ArtworkList();
    if (grid->count() == 0)
    {
        const Song* homeless = SongTitled("Homeless Tune");
        page->AddProblemTrack(homeless->track, MF_Artwork, 0, 0, homeless->index, 1);
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QListWidgetItem* cell = grid->item(0);
    const QPoint before = grid->viewport()->mapToGlobal(grid->visualItemRect(cell).bottomRight());
    page->move(page->x() + screen.width() - 10 - before.x(), 50);
    QTest::qWait(20);
    const QPoint corner = grid->viewport()->mapToGlobal(grid->visualItemRect(cell).bottomRight());
    page->SelectArtworkList(cell);
    CArtworkList* popup = page->ArtworkPopup();
    QVERIFY(popup->isVisible());
    const int w = popup->width();
    int shift = 0;
    if (corner.x() + w / 2 > screen.width())
        shift = corner.x() + w / 2 - screen.width();
    QVERIFY2(shift > 0, qPrintable(QString("%1 %2 %3").arg(corner.x()).arg(w).arg(screen.width())));
    QCOMPARE(popup->x(), corner.x() - w / 2 - shift - 18);
    QCOMPARE(popup->y(), corner.y() - 10);
    popup->hide();
}

void ReportPageTest::artworkGridPaintsAndTakesClicksAtBothScales()
{
    QCOMPARE(CListDelegate::FittedSize(QSize(300, 600), 100), QSize(50, 100));
    QCOMPARE(CListDelegate::FittedSize(QSize(600, 300), 100), QSize(100, 50));
    const QFontMetrics metrics(QApplication::font());
    const int reserve = metrics.horizontalAdvance("...") + 10;
    const QString longTitle = QStringLiteral("A very long song title that never fits in a cell");
    const QString elided = CListDelegate::ElideName(longTitle, metrics, 100, reserve);
    QVERIFY(elided.endsWith("...") && elided.size() >= 8);
    QVERIFY(metrics.horizontalAdvance(elided.chopped(3)) >= 100 - reserve);
    QCOMPARE(CListDelegate::ElideName("Short", metrics, 1, reserve), QStringLiteral("Short..."));
    // Arabic and CJK titles are cut the same way and keep their characters.
    const QString arabic = QString::fromUtf8("أغنية طويلة جدا لا تتسع في الخلية أبدا");
    QVERIFY(CListDelegate::ElideName(arabic, metrics, 80, reserve).startsWith(arabic.left(5)));
    const QString cjk = QString::fromUtf8("とても長い曲のタイトルはセルに収まらない");
    QVERIFY(CListDelegate::ElideName(cjk, metrics, 80, reserve).endsWith("..."));

    for (double scale : {1.0, 2.0})
    {
        g_dScale = scale;
        FreeSharedImages();
        LoadSharedImages();
        CListWidget grid;
        grid.setViewMode(QListView::IconMode);
        grid.setGridSize(QSize(int(140 * scale), int(140 * scale)));
        auto* delegate = new CListDelegate(&grid);
        grid.setItemDelegate(delegate);
        auto* cell = new CListItem(SongTitled("Lost Voice")->track, MF_Artwork);
        cell->setSizeHint(QSize(int(108 * scale), int(128 * scale)));
        cell->setText(longTitle);
        grid.addItem(cell);
        cell->SetArtworkState(2, false);
        cell->SetMultiArtwork(true);
        cell->SetArtworkCount(3);
        // A missing file paints the failed picture instead of failing.
        cell->SetArtworkPath(QDir::homePath() + "/nothing.jpg");
        grid.resize(600, 400);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy checks(&grid, &CListWidget::SendCheckState);
        QSignalSpy candidates(&grid, &CListWidget::SendSelectArtwork);
        const QRect r = grid.visualItemRect(cell);
        const QRect mark = CListDelegate::CheckMarkRect(r);
        QVERIFY(r.contains(mark));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, mark.bottomRight() - QPoint(1, 1));
        QCOMPARE(checks.count(), 1);
        QCOMPARE(cell->GetCheckState(), 0);
        const QRect more = CListDelegate::CandidatesRect(r);
        QVERIFY2(r.contains(more), "the candidates mark stays inside its cell");
        QCOMPARE(more.width(), int(24 * scale));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, more.topLeft() + QPoint(1, 1));
        QCOMPARE(candidates.count(), 1);
        QCOMPARE(checks.count(), 1);
        // Painting waits for the decoder, then shows the cached picture; nothing is thrown.
        grid.grab();
        QVERIFY(
            QTest::qWaitFor([&] { return !delegate->CachedPicture(cell->GetArtworkPath()).isNull(); }, 5000));
        // The check mark and the candidates mark lie on the picture, inside its rounded border:
        // wherever they change the cell, the same picture without them (a cover that could not
        // be read) shows the picture, not the grid's background.
        const QImage marked = grid.viewport()->grab().toImage();
        cell->SetArtworkState(3, false);
        const QImage plain = grid.viewport()->grab().toImage();
        // The grid's background around the picture: the background-coloured pixels reached from
        // the cell's corner without crossing the picture.
        const QRgb background = plain.pixel(r.topLeft());
        QSet<QPair<int, int>> around{{r.left(), r.top()}};
        QList<QPoint> todo{r.topLeft()};
        while (!todo.isEmpty())
        {
            const QPoint at = todo.takeLast();
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            {
                const QPoint next = at + step;
                if (r.contains(next) && plain.pixel(next) == background &&
                    !around.contains({next.x(), next.y()}))
                {
                    around.insert({next.x(), next.y()});
                    todo << next;
                }
            }
        }
        int outside = 0;
        for (const auto& [x, y] : around)
            outside += marked.pixel(x, y) != plain.pixel(x, y);
        QVERIFY2(
            outside == 0,
            qPrintable(
                QStringLiteral("%1 px of the marks off the picture at scale %2").arg(outside).arg(scale)));
    }
    g_dScale = 1.0;
    FreeSharedImages();
    LoadSharedImages();
}

// Each heading of the Unrecognized Songs list, in every language at both scales in a narrow
// page, is drawn whole or shortened with "…": never cut off in the middle of a letter. A shortened
// heading's last drawing, at the end it is read to, is the ellipsis: dots on the base line, no
// taller than a dot.
void ReportPageTest::unrecognizedHeadersReadWholeOrElidedInEveryLanguage()
{
    QStringList problems;
    for (const char* code : {"en", "de", "jp", "ru", "es", "br", "ar", "fr"})
    {
        InstallInterfaceTranslator(LoadInterfaceTranslator(QString::fromLatin1(code)));
        QGuiApplication::setLayoutDirection(QByteArray(code) == "ar" ? Qt::RightToLeft : Qt::LeftToRight);
        for (const double scale : {1.0, 2.0})
        {
            const std::unique_ptr<CAnalyReport> shown = ShowStyledPage(scale, 760);
            QVERIFY(shown);
            CAnalyReport& report = *shown;
            report.findChild<QStackedWidget*>()->setCurrentWidget(report.UnrecognizedTree());
            QHeaderView* header = report.UnrecognizedTree()->header();
            QVERIFY(QTest::qWaitFor([&] { return header->isVisible(); }));
            const QImage image = header->grab().toImage();
            QFont font = header->font();
            font.setPixelSize(ScaledInt(12));
            const QFontMetrics metrics(font);
            for (int column = 2; column < 6; ++column)
            {
                const QString text = report.UnrecognizedTree()->headerItem()->text(column);
                const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                                    header->height());
                const QRect ink = InkBounds(image, section.adjusted(1, 1, -ScaledInt(2), -ScaledInt(2)));
                if (ink.width() >= metrics.horizontalAdvance(text) - ScaledInt(3))
                    continue;
                const int dot = header->isRightToLeft() ? ink.left() : ink.right() - ScaledInt(1);
                const QRect tail = InkBounds(image, QRect(dot, ink.top(), ScaledInt(2), ink.height()));
                if (tail.height() > ScaledInt(3) || tail.bottom() < ink.bottom() - ScaledInt(4))
                    problems << QStringLiteral("%1 at scale %2: \"%3\" cut at %4 px of %5")
                                    .arg(QLatin1String(code))
                                    .arg(scale)
                                    .arg(text)
                                    .arg(ink.width())
                                    .arg(metrics.horizontalAdvance(text));
            }
            report.StopAllWork();
        }
    }
    InstallInterfaceTranslator(LoadInterfaceTranslator(QStringLiteral("en")));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    g_dScale = 1.0;
    qApp->setStyleSheet(QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// The grid wraps its cells at any width and scale, also while a narrowed window is laid out
// again: no horizontal scroll bar ever covers the titles of its last row.
void ReportPageTest::artworkGridNeverScrollsSideways()
{
    QStringList problems;
    for (const double scale : {1.0, 2.0})
    {
        const std::unique_ptr<CAnalyReport> shown = ShowStyledPage(scale, 1300);
        QVERIFY(shown);
        CAnalyReport& report = *shown;
        Feed(report, static_cast<int>(kDefaultGeneralMask));
        CListWidget* grid = report.ArtworkList();
        for (int i = 0; i < 600; ++i)
        {
            auto* cell = new CListItem(SongTitled("Lost Voice")->track, MF_Artwork);
            cell->setSizeHint(QSize(ScaledInt(108), ScaledInt(128)));
            cell->setText(QStringLiteral("Cell %1").arg(i));
            grid->addItem(cell);
        }
        QVERIFY(QTest::qWaitFor([&] { return grid->verticalScrollBar()->isVisible(); }));
        for (const int width : {1200, 1000, 890, 760, 700})
        {
            report.resize(ScaledInt(width), ScaledInt(500));
            QCoreApplication::processEvents();
            if (grid->horizontalScrollBar()->isVisible())
                problems << QStringLiteral("scale %1, %2 px wide").arg(scale).arg(width);
        }
        report.StopAllWork();
    }
    g_dScale = 1.0;
    qApp->setStyleSheet(QString());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

// Titles keep their own direction in a right-to-left grid: "21 Guns" is drawn exactly as in a
// left-to-right one, and a cut title keeps its "..." at its own end.
void ReportPageTest::gridTitlesKeepTheirOwnDirectionRightToLeft()
{
    const QStringList titles = {QStringLiteral("21 Guns"),
                                QStringLiteral("06 Run Riot And Every Other Song Of The Night")};
    for (double scale : {1.0, 2.0})
    {
        g_dScale = scale;
        QList<QImage> drawn[2];
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft})
        {
            // As the Arabic interface sets it: the application's direction, which painters take.
            QGuiApplication::setLayoutDirection(direction);
            CListWidget grid;
            grid.setViewMode(QListView::IconMode);
            grid.setGridSize(QSize(ScaledInt(140), ScaledInt(140)));
            grid.setItemDelegate(new CListDelegate(&grid));
            QList<CListItem*> cells;
            for (const QString& title : titles)
            {
                auto* cell = new CListItem(SongTitled("Lost Voice")->track, MF_Artwork);
                cell->setSizeHint(QSize(ScaledInt(108), ScaledInt(128)));
                cell->setText(title);
                grid.addItem(cell);
                cells << cell;
            }
            grid.resize(ScaledInt(600), ScaledInt(400));
            grid.show();
            QVERIFY(QTest::qWaitForWindowExposed(&grid));
            const QImage image = grid.viewport()->grab().toImage();
            for (CListItem* cell : cells)
            {
                const QRect r = grid.visualItemRect(cell);
                drawn[direction == Qt::RightToLeft]
                    << InkOf(image, QRect(r.left(), r.bottom() - ScaledInt(5), r.width(), ScaledInt(16)));
            }
        }
        for (int i = 0; i < titles.size(); ++i)
        {
            QVERIFY(!drawn[0][i].isNull());
            QVERIFY2(drawn[0][i] == drawn[1][i],
                     qPrintable(QStringLiteral("%1 at scale %2").arg(titles[i]).arg(scale)));
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    g_dScale = 1.0;
}

void ReportPageTest::unfixedSongsMoveAndAnEditorSaveRetiresTheirRows()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    QSignalSpy complete(page.get(), &CAnalyReport::ReportFixAllComplete);
    // A run that fixed nothing: every song with a cell or an artist or album row moves, once.
    page->SetRunState(1);
    page->MoveFailedItem();
    page->MoveFailedItemOK();
    QCOMPARE(complete.count(), 1);
    QCOMPARE(page->GetRunState(), 0);
    QCOMPARE(page->ArtworkList()->count(), 0);
    QCOMPARE(RowsOf(page->ArtistTree()), 0);
    QCOMPARE(RowsOf(page->AlbumTree()), 0);
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 3); // Lost Voice, Homeless Tune, Bare Song
    QStringList titles;
    for (int i = 0; i < 3; ++i)
        titles << page->UnrecognizedTree()->topLevelItem(i)->text(2);
    titles.sort();
    QCOMPARE(titles, (QStringList{"Bare Song", "Homeless Tune", "Lost Voice"}));
    QCOMPARE(page->UnrecognizedTree()->topLevelItem(0)->text(0), QString());
    QVERIFY(Categories(*page).contains("Unrecognized Songs"));
    // Missing file stays where it is.
    QCOMPARE(RowsOf(page->MissingTree()), 1);
    // Their problems are counted: Lost Voice 2, Homeless Tune 1, Bare Song 3, the missing file 1.
    QCOMPARE(page->UpdateFixSummary(), 7);
    // A second move of the same song adds no second row.
    page->AddUnrecognizedTrack(SongTitled("Bare Song")->track, MF_Artist, 2);
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 3);

    // The editor saves an album for Homeless Tune: its only problem is gone, the row retires and
    // a fixed album row takes its place.
    const Song* homeless = SongTitled("Homeless Tune");
    QCOMPARE(link->ModifyMusicInfo(homeless->track, MF_Album, QStringList{"Found Album"}), 0);
    emit page->Editor()->SendEditItem(homeless->track);
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);
    QCOMPARE(RowsOf(page->AlbumTree()), 1);
    QCOMPARE(page->AlbumTree()->topLevelItem(0)->text(3), QStringLiteral("Found Album"));
    QVERIFY(page->HasUnappliedChanges());
    QCOMPARE(complete.count(), 2);

    // Bare Song gets an artist only: still unfixed, its row shows the new text.
    const Song* bare = SongTitled("Bare Song");
    QCOMPARE(link->ModifyMusicInfo(bare->track, MF_Artist, QStringList{"New Artist"}), 0);
    emit page->Editor()->SendEditItem(bare->track);
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);
    bool shown = false;
    for (int i = 0; i < 2; ++i)
        shown |= page->UnrecognizedTree()->topLevelItem(i)->text(4) == QStringLiteral("New Artist");
    QVERIFY(shown);
    // The song-to-row map forgot the retired row: a further edit of it touches nothing freed.
    emit page->Editor()->SendEditItem(homeless->track);
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);
}

// A song whose edit fixes it leaves Unrecognized Songs: the editor goes on with the song then
// highlighted, so the next edit lands where the user sees it.
void ReportPageTest::theEditorFollowsTheHighlightWhenItsSongLeaves()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    page->SetRunState(1);
    page->MoveFailedItem();
    page->MoveFailedItemOK();
    QTreeWidget* tree = page->UnrecognizedTree();
    tree->sortByColumn(2, Qt::DescendingOrder); // Lost Voice, Homeless Tune, Bare Song
    CModifyMusicInfo* editor = page->Editor();
    auto field = [editor](const char* name) { return editor->findChild<CLineEdit*>(QLatin1String(name)); };
    auto* fold = editor->findChild<QPushButton*>(QStringLiteral("InfoHideBut"));
    auto clickRow = [tree](QTreeWidgetItem* row)
    { QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center()); };
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.get()));

    QTreeWidgetItem* homeless = tree->topLevelItem(1);
    clickRow(homeless);
    QCOMPARE(field("NewName")->GetFullText(), QStringLiteral("Homeless Tune"));
    // The empty album reads as the list shows it, and stays empty.
    QCOMPARE(field("NewAlbum")->placeholderText(), homeless->text(5));
    QTest::mouseClick(field("NewAlbum"), Qt::LeftButton);
    QTest::keyClicks(field("NewAlbum"), QStringLiteral("Found Album"));
    QTest::mouseClick(fold, Qt::LeftButton); // saved: the song has all it lacked and leaves
    QTRY_COMPARE(RowsOf(tree), 2);           // once the library has the edit
    QTreeWidgetItem* now = tree->currentItem();
    QVERIFY(RowsOf(tree) == 2 && now && now->isSelected());
    const Song* next = SongTitled(now->text(2)); // Lost Voice or Bare Song: both lack an artist
    QTest::mouseClick(fold, Qt::LeftButton);
    QCOMPARE(field("NewName")->GetFullText(), next->title);
    QTest::mouseClick(field("NewArtist"), Qt::LeftButton);
    field("NewArtist")->repaint(); // the first paint with focus puts the full text in
    QTest::keyClicks(field("NewArtist"), QStringLiteral("Typed Artist"));
    clickRow(tree->topLevelItem(1 - tree->indexOfTopLevelItem(now)));
    QVERIFY(page->WaitFixWrites());
    MusicInfo* typed = nullptr;
    MusicInfo* fixed = nullptr;
    QCOMPARE(link->GetMusicRecord(next->track, &typed, 1), 0);
    QCOMPARE(link->GetMusicRecord(SongTitled("Homeless Tune")->track, &fixed, 1), 0);
    QCOMPARE(typed->Artist, QStringLiteral("Typed Artist"));
    QCOMPARE(fixed->Artist + "/" + fixed->Album, QStringLiteral("Artist B/Found Album"));
}

void ReportPageTest::stopAllWorkEmptiesEveryPage()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    CListWidget* grid = page->ArtworkList();
    QCOMPARE(grid->count(), 2);
    // Busy labels are kept by cell: a second call reuses it, off deletes it.
    grid->SetRowBusy(grid->item(0), true);
    grid->SetRowBusy(grid->item(0), true);
    grid->SetRowBusy(grid->item(1), true);
    QCOMPARE(grid->BusyLabelCount(), 2);
    QCOMPARE(grid->viewport()->findChildren<QLabel*>().size(), 2);
    grid->SetRowBusy(grid->item(1), false);
    QCOMPARE(grid->viewport()->findChildren<QLabel*>().size(), 1);

    // Pause before any busy cell must not start the shared animation.
    page->PauseFixView();
    QVERIFY(g_bRecognitionHold.load());
    QVERIFY(g_movieArtworkRun->state() != QMovie::Running);
    page->ResumeFixView();
    QVERIFY(!g_bRecognitionHold.load());

    page->PauseFixView();
    page->StopAllWork();
    QVERIFY(!g_bRecognitionHold.load());
    QCOMPARE(grid->count(), 0);
    QCOMPARE(grid->BusyLabelCount(), 0);
    QCOMPARE(grid->viewport()->findChildren<QLabel*>().size(), 0);
    for (QTreeWidget* tree :
         {static_cast<QTreeWidget*>(page->ArtistTree()), static_cast<QTreeWidget*>(page->AlbumTree()),
          static_cast<QTreeWidget*>(page->MissingTree()),
          static_cast<QTreeWidget*>(page->UnrecognizedTree())})
        QCOMPARE(tree->topLevelItemCount(), 0);
    QCOMPARE(page->CategoryTree()->topLevelItemCount(), 0);
    QVERIFY(!page->HasUnappliedChanges());
    QVERIFY(!page->Editor()->isVisible());
    QCOMPARE(page->ProblemCount(), 0);
    // The page takes a new analysis afterwards, and counts its songs alone.
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    QCOMPARE(grid->count(), 2);
    QCOMPARE(page->ProblemCount(), 4);
}

void ReportPageTest::storedArtworkIsWrittenOnlyInsideThePictureFolder()
{
    page->SetCategoryMask(static_cast<int>(kDefaultGeneralMask));
    const QByteArray jpeg = tidewell::test::makePicture(40, 40, 0x10a050);

    // A path taken from an untrusted project that points outside the Picture folder.
    const QString outside = QDir::homePath() + "/elsewhere/cover.jpg";
    QDir().mkpath(QFileInfo(outside).absolutePath());
    QFile out(outside);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(jpeg);
    out.close();
    const Song* lost = SongTitled("Lost Voice");
    QCOMPARE(link->ModifyMusicInfo(lost->track, MF_Artwork, QStringList{outside}), 0);
    QCOMPARE(link->GetArtworkPath(lost->track), outside);

    // One inside it.
    const QString inside = GetAppSettings()->GetPictureFolder() + "/bare.jpg";
    QDir().mkpath(QFileInfo(inside).absolutePath());
    QFile in(inside);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(jpeg);
    in.close();
    const Song* bare = SongTitled("Bare Song");
    QCOMPARE(link->ModifyMusicInfo(bare->track, MF_Artwork, QStringList{inside}), 0);

    std::thread analysis(
        [&]
        {
            page->AddProblemTrack(lost->track, MF_Artwork, 0, 0, lost->index, 1);
            page->AddProblemTrack(bare->track, MF_Artwork, 0, 0, bare->index, 1);
        });
    analysis.join();
    QVERIFY(QTest::qWaitFor([&] { return page->ArtworkList()->count() == 2; }, 60000));
    auto* outsideCell = dynamic_cast<CListItem*>(page->ArtworkList()->item(0));
    auto* insideCell = dynamic_cast<CListItem*>(page->ArtworkList()->item(1));
    QCOMPARE(outsideCell->GetArtworkState(), 0);
    QVERIFY(outsideCell->GetArtworkPath().isEmpty());
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), jpeg); // never rewritten
    QCOMPARE(insideCell->GetArtworkState(), 2);
    QCOMPARE(insideCell->GetLoadState(), ERowFixState::Fixed);
    QCOMPARE(page->ArtworkList()->GetFixedCount(), 1);
    QFile log(GetAppSettings()->GetDataFolder() + "/UI.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("pixmap.loadFromData Failed: PID:00C0FFEE0000AB00"));
}

void ReportPageTest::unrecognizedPicturesReachOnlyTheRowsThatAskedForThem()
{
    const Song* lost = SongTitled("Lost Voice");
    const Song* bare = SongTitled("Bare Song");
    for (const Song* song : {lost, bare})
    {
        const QString picture = GetAppSettings()->GetPictureFolder() + "/" + song->title + ".jpg";
        QDir().mkpath(QFileInfo(picture).absolutePath());
        QFile out(picture);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(tidewell::test::makePicture(40, 40, song == lost ? 0x10a050 : 0xa01050));
        out.close();
        QCOMPARE(link->ModifyMusicInfo(song->track, MF_Artwork, QStringList{picture}), 0);
    }
    auto* delegate = qobject_cast<CListDelegate*>(page->ArtworkList()->itemDelegate());
    QVERIFY(delegate);
    QSignalSpy decoded(delegate, &CListDelegate::PictureReady);
    CFailedTreeWidget* tree = page->UnrecognizedTree();
    auto pictureOf = [](QTreeWidgetItem* row)
    { return row->icon(1).pixmap(QSize(30, 30)).toImage().convertToFormat(QImage::Format_ARGB32); };

    // The page is emptied while both pictures are still being looked for, and a new row of the
    // same song is made: the late answers reach no freed row and not the new one.
    page->AddUnrecognizedTrack(lost->track, MF_Artwork, 2);
    page->AddUnrecognizedTrack(bare->track, MF_Artwork, 2);
    page->MoveFailedItemOK();
    QCOMPARE(decoded.count(), 0);
    page->ClearReport();
    page->AddUnrecognizedTrack(lost->track, MF_Artwork, 2);
    QTest::qWait(300);
    QCOMPARE(RowsOf(tree), 1);
    QVERIFY(tree->topLevelItem(0)->icon(1).isNull());
    decoded.clear();

    // Rows re-sorted while they wait still get their own pictures once decoded.
    page->ClearReport();
    page->AddUnrecognizedTrack(lost->track, MF_Artwork, 2);
    page->AddUnrecognizedTrack(bare->track, MF_Artwork, 2);
    page->MoveFailedItemOK();
    tree->header()->setSortIndicator(1, Qt::DescendingOrder);
    page->SortFailedTree(1);
    QVERIFY(QTest::qWaitFor([&] { return decoded.count() == 2; }, 10000));
    QTest::qWait(50);
    QCOMPARE(RowsOf(tree), 2);
    for (int i = 0; i < 2; ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i));
        const QString path = link->GetArtworkPath(row->GetMusicData());
        const QImage expected =
            delegate->CachedPicture(path, 30, true).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!expected.isNull());
        QCOMPARE(pictureOf(row), expected);
    }
}

// A double click on an artwork cell opens the enlarged picture centred over the grid, also after
// the window moved.
void ReportPageTest::enlargedPictureOpensOverTheGridWhereverTheWindowIs()
{
    page->SetCategoryMask(static_cast<int>(kDefaultGeneralMask));
    const QString picture = GetAppSettings()->GetPictureFolder() + "/enlarge.jpg";
    QVERIFY(QDir().mkpath(QFileInfo(picture).absolutePath()));
    QFile file(picture);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(tidewell::test::makePicture(40, 40, 0x5020a0)) > 0);
    file.close();
    const Song* bare = SongTitled("Bare Song");
    QCOMPARE(link->ModifyMusicInfo(bare->track, MF_Artwork, QStringList{picture}), 0);
    page->AddProblemTrack(bare->track, MF_Artwork, 0, 0, bare->index, 1);
    page->CategoryTree()->setCurrentItem(page->CategoryEntry(ReportArtwork));
    CListWidget* grid = page->ArtworkList();
    for (const QPoint& where : {QPoint(40, 30), QPoint(260, 150)})
    {
        page->move(where);
        QTest::qWait(20);
        // Through the window, so the press, release, press, release come as a user's double click.
        const QPoint cell = grid->visualItemRect(grid->item(0)).center();
        QTest::mouseDClick(page->windowHandle(), Qt::LeftButton, {},
                           grid->viewport()->mapTo(page.get(), cell));
        // The picture is decoded on a worker; the overlay shows when it arrives.
        QTRY_VERIFY(page->MaxPicture()->isVisible());
        const QRect shown = page->MaxPicture()->geometry();
        // Centred to the pixel: an odd margin leaves one over on the far side.
        QCOMPARE(shown.size(), QSize(376, 376));
        QVERIFY((shown.center() - QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size()).center())
                    .manhattanLength() <= 2);
        page->MaxPicture()->hide();
    }
}

void ReportPageTest::fixAllIdentifiesHoldsAnswersWhilePausedAndStops()
{
    using namespace tidewell::test;
    EventLoopHttpServer acr;
    QVERIFY(acr.start());
    ScopedEnv acrHost(tidewell::online::keys::kAcrHostVariable, acr.hostPort().toLatin1());
    acr.answer("/v1/identify", HttpResponse::only(HttpResponse::Mode::Silent));

    // Home while every job waits on the service: the stop ends them without the time-outs.
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    QCOMPARE(page->SetFixMode(1), 3);
    page->SetRunState(1);
    page->StopPlay();
    page->StartPull();
    QVERIFY(QTest::qWaitFor([&] { return acr.requests().size() == 3; }, 20000));
    QElapsedTimer home;
    home.start();
    page->StopAllWork();
    QVERIFY2(home.elapsed() < 2000, "going home does not wait for the service");
    QCOMPARE(page->ArtworkList()->count(), 0);

    // A whole run: answers are held while the view is paused, then fill the pages.
    acr.answer("/v1/identify", {HttpResponse::Mode::Full, 200, "application/json", IdentifyAnswer()});
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    QSignalSpy progress(page.get(), &CAnalyReport::ReportFixInfo);
    QSignalSpy complete(page.get(), &CAnalyReport::ReportFixAllComplete);
    // Emitted on the pool threads: counted on the GUI thread.
    int started = 0;
    QObject counter;
    connect(
        page.get(), &CAnalyReport::PullStartSignal, &counter, [&] { ++started; }, Qt::QueuedConnection);
    page->SetFixMode(1);
    page->SetRunState(1);
    page->StopPlay();
    page->PauseFixView();
    page->StartPull();
    QVERIFY(QTest::qWaitFor([&] { return acr.requests().size() >= 6; }, 20000));
    QTest::qWait(300);
    QCOMPARE(progress.count(), 0); // held on the pool threads
    QCOMPARE(complete.count(), 0);
    page->ResumeFixView();
    QVERIFY(QTest::qWaitFor([&] { return complete.count() == 1; }, 20000));
    QCOMPARE(started, 3);
    QCOMPARE(progress.at(0).at(0).toInt(), -1);
    // The artist and album rows are fixed with what the answer said; the cells got no cover and
    // moved to Unrecognized Songs.
    QCOMPARE(RowsOf(page->ArtistTree()), 2);
    QCOMPARE(page->ArtistTree()->GetFixedCount(), 2);
    QCOMPARE(page->ArtistTree()->topLevelItem(0)->text(2), QStringLiteral("Found Artist"));
    QCOMPARE(page->AlbumTree()->GetFixedCount(), 2);
    QCOMPARE(page->ArtworkList()->count(), 0);
    QCOMPARE(page->GetRunState(), 0);
    MusicInfo* info = nullptr;
    QCOMPARE(link->GetMusicRecord(SongTitled("Homeless Tune")->track, &info, 1), 0);
    QCOMPARE(info->Album, QStringLiteral("Found Album"));
    QCOMPARE(info->Name, QStringLiteral("Found Title"));
    QCOMPARE(AcrMediaInfoRunnable::FinishedCount(), 0);
    QCOMPARE(page->CategoryEntry(ReportArtist)->GetBadgePage(), 1);
    // The answers are stored, not yet applied; the two songs that got no cover moved.
    QVERIFY(page->HasUnappliedChanges());
    QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);

    // Home while paused with answers waiting returns at once and drops them. The songs the run
    // fixed are not asked about again: only the two still without a cover are.
    page->StopAllWork();
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    page->SetFixMode(1);
    page->SetRunState(1);
    page->PauseFixView();
    QSignalSpy late(page.get(), &CAnalyReport::ReportFixInfo);
    page->StartPull();
    QVERIFY(QTest::qWaitFor([&] { return acr.requests().size() >= 8; }, 20000));
    QTest::qWait(100);
    QCOMPARE(acr.requests().size(), 8);
    home.restart();
    page->StopAllWork();
    QVERIFY(home.elapsed() < 2000);
    QTest::qWait(100);
    QCOMPARE(late.count(), 0);
    QVERIFY(!g_bRecognitionHold.load());
}

void ReportPageTest::applyWritesFilesAndRemovesCheckedMissingSongsOnce()
{
    GetAppSettings()->SetReplace(MF_ReplaceSwitch | MF_Name | MF_Artist | MF_Album);
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    const Song* bare = SongTitled("Bare Song");
    QCOMPARE(link->ModifyMusicInfo(bare->track, MF_Artist, QStringList{"Applied Artist"}), 0);
    // The missing song stays checked: it leaves the library file once.
    QCOMPARE(RowsOf(page->MissingTree()), 1);
    QCOMPARE(page->MissingTree()->topLevelItem(0)->checkState(0), Qt::Checked);

    QSignalSpy process(page.get(), &CAnalyReport::UpdateProcess);
    page->ApplyWork()->PrepareApply();
    std::atomic<bool> done{false};
    std::thread apply(
        [&]
        {
            page->ApplyWork()->AppleyiTunes();
            done = true;
        });
    QVERIFY(QTest::qWaitFor([&] { return done.load(); }, 60000));
    apply.join();
    QTest::qWait(50);
    QCOMPARE(process.last().at(0).toInt(), 10000);
    MusicInfo written;
    QVERIFY(GetMusicInfo(files[3].toUtf8().constData(), &written) >= 0);
    QCOMPARE(written.Artist, QStringLiteral("Applied Artist"));
    QFile xml(QString::fromLocal8Bit(qgetenv("TIDEWELL_ITUNES_LIBRARY")));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QVERIFY(!xml.readAll().contains("Gone Song"));
    auto* missingRow = dynamic_cast<CTreeItem*>(page->MissingTree()->topLevelItem(0));
    QCOMPARE(missingRow->GetFixState(), ERowFixState::Fixed);

    // A second apply (no thread prepared it) does not remove the handled song again, and a stop
    // during a pause returns.
    page->ApplyWork()->SetPauseState(EPauseRequest::Pause, true);
    std::thread paused([&] { page->ApplyWork()->AppleyiTunes(); });
    QTest::qWait(100);
    page->SetStopState(1);
    page->ApplyWork()->SetPauseState(EPauseRequest::Continue, true);
    paused.join();
    QVERIFY(page->HasUnappliedChanges());
    page->SetStopState(0);
}

void ReportPageTest::answersFixOnlyWhatTheyCarryAndKeepCoversInThePictureFolder()
{
    Feed(*page, static_cast<int>(kDefaultGeneralMask));
    // A fix of an empty Unrecognized Songs page: nothing to measure progress against.
    page->ClearPullQueue();
    QCOMPARE(page->SetFixMode(0), 0);
    QSignalSpy progress(page.get(), &CAnalyReport::ReportFixInfo);
    const Song* bare = SongTitled("Bare Song");
    const Song* lost = SongTitled("Lost Voice");
    QCOMPARE(page->ArtistTree()->GetFixedCount(), 0);
    QCOMPARE(page->AlbumTree()->GetFixedCount(), 0);

    // A hostile title, no artist, an album and a PNG cover.
    QMap<QString, QVariant> answer{{"identify", bare->index},
                                   {"title", "../../escaped"},
                                   {"artist", ""},
                                   {"album", "Got Album"},
                                   {"imageBuffer", tidewell::test::makePicture(32, 32, 0xff0000, "PNG")},
                                   {"message", "Success"}};
    page->EmitPullSuccess(answer);
    const QString cover = GetAppSettings()->GetPictureFolder() + "/00C0FFEE0000AB03.jpg";
    QVERIFY(QFileInfo::exists(cover));
    QVERIFY(!QFileInfo::exists(GetAppSettings()->GetPictureFolder() + "/../../escaped.jpg"));
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0).at(1).toInt(), 10000);
    auto findRow = [&](QTreeWidget* tree, CMusicObj* track) -> CTreeItem*
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i));
                row && row->GetMusicData() == track)
                return row;
        return nullptr;
    };
    // The artist page's field was missing: nothing fixed there by it. The album is.
    CTreeItem* bareArtist = findRow(page->ArtistTree(), bare->track);
    QCOMPARE(bareArtist->GetFixState(), ERowFixState::Failed);
    QCOMPARE(page->ArtistTree()->GetFixedCount(), 0);
    CTreeItem* bareAlbum = findRow(page->AlbumTree(), bare->track);
    QCOMPARE(bareAlbum->GetFixState(), ERowFixState::Fixed);
    QCOMPARE(bareAlbum->text(3), QStringLiteral("Got Album"));
    const int albumsNow = page->AlbumTree()->GetFixedCount();
    QCOMPARE(albumsNow, 1);
    const int artworkFixed = page->ArtworkList()->GetFixedCount();
    bool cellHasCover = false;
    for (int i = 0; i < page->ArtworkList()->count(); ++i)
        if (auto* cell = dynamic_cast<CListItem*>(page->ArtworkList()->item(i));
            cell->GetMusicData() == bare->track)
            cellHasCover = cell->GetArtworkPath() == cover && cell->GetLoadState() == ERowFixState::Fixed;
    QVERIFY(cellHasCover);

    // The same answer again counts nothing twice.
    page->EmitPullSuccess(answer);
    QCOMPARE(page->AlbumTree()->GetFixedCount(), albumsNow);
    QCOMPARE(page->ArtworkList()->GetFixedCount(), artworkFixed);
    QCOMPARE(progress.count(), 1);

    // Bytes that are no picture: no cover, the cell failed, no file.
    page->EmitPullSuccess({{"identify", lost->index},
                           {"imageBuffer", QByteArray("not a picture")},
                           {"artist", "Some Artist"},
                           {"message", "Success"}});
    QVERIFY(!QFileInfo::exists(GetAppSettings()->GetPictureFolder() + "/00C0FFEE0000AB00.jpg"));
    CListItem* lostCell = nullptr;
    for (int i = 0; i < page->ArtworkList()->count(); ++i)
        if (auto* cell = dynamic_cast<CListItem*>(page->ArtworkList()->item(i));
            cell->GetMusicData() == lost->track)
            lostCell = cell;
    QVERIFY(lostCell);
    QCOMPARE(lostCell->GetLoadState(), ERowFixState::Failed);
    QCOMPARE(findRow(page->ArtistTree(), lost->track)->GetFixState(), ERowFixState::Fixed);
    QCOMPARE(findRow(page->ArtistTree(), lost->track)->text(2), QStringLiteral("Some Artist"));
    // An answer for a song no page lists changes and counts nothing.
    page->EmitPullSuccess({{"identify", 999}, {"title", "Nobody"}, {"message", "Success"}});
    QCOMPARE(progress.count(), 2);

    // A run without queued songs still ends, once, after the caller's set-up (an editor save
    // on the way may report a completion of its own).
    QSignalSpy complete(page.get(), &CAnalyReport::ReportFixAllComplete);
    QSignalSpy ended(page.get(), &CAnalyReport::PullCompleteSignal);
    page->SetRunState(1);
    page->StartPull();
    QCOMPARE(complete.count(), 0);
    QVERIFY(QTest::qWaitFor([&] { return ended.count() == 1 && complete.count() >= 1; }, 5000));
    QCOMPARE(page->GetRunState(), 0);
}

QTEST_MAIN(ReportPageTest)
#include "ReportPageTest.moc"
