// The main window driven as a user drives it, offscreen, with a real music link over generated
// songs: start state, the road from a start request to the score screen and back, the iTunes
// library through the host, the scan list, project saving and reloading, and shutting down while
// work runs. Every question is answered through CMessageSeam.
#include "AnalyReport.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "CShadeLabel.h"
#include "DuplicateControl.h"
#include "FailedTreeWidget.h"
#include "ITunesLibraryXml.h"
#include "LibraryXml.h"
#include "MainUI.h"
#include "MainWindowCase.h"
#include "OwnDirectionDelegate.h"
#include "ResultMarks.h"
#include "SharedImages.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>
#include <sys/stat.h>

#include <memory>

namespace
{

// count songs with artist, album and artwork; the first noArtist of them lack their artist.
QStringList MakeSongs(const QString& folder, int count, int noArtist)
{
    QDir().mkpath(folder);
    const QByteArray cover = tidewell::test::makePicture(64, 64, 0x2080c0);
    QStringList paths;
    for (int i = 0; i < count; ++i)
    {
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 300.0 + 45.0 * i;
        audioSpec.tags.title = QStringLiteral("Track %1").arg(i + 1);
        audioSpec.tags.artist = i < noArtist ? QString() : QStringLiteral("Singer %1").arg(i);
        audioSpec.tags.album = QStringLiteral("Record");
        audioSpec.tags.genre = QStringLiteral("Jazz");
        audioSpec.tags.year = 2010;
        audioSpec.artwork = cover;
        const QString path = folder + QStringLiteral("/t%1.mp3").arg(i);
        if (tidewell::test::makeAudioFile(path, audioSpec))
            paths << path;
    }
    return paths;
}

} // namespace

class MainWindowTest : public QObject, public MainWindowCase
{
    Q_OBJECT

private:
    WidgetTestEnv m_env;

    QString Home() const { return QDir::homePath(); }
    bool RunFiles(const QStringList& paths)
    {
        m_window->LoadStartParam(paths, g_strDBPath, RunModeFiles);
        return QTest::qWaitFor([this] { return RoadEnded(); }, 60000);
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup()
    {
        CheckRoadInvariants();
        CloseWindow();
    }

    // No launcher on the PATH: each hand-over to the desktop names what it could not open.
    void desktopHandOversNameWhatTheyCouldNotOpen()
    {
        FillAppStrings();
        QTemporaryDir noPrograms;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", noPrograms.path().toLocal8Bit());
        qunsetenv("BROWSER");
        for (QAction* action :
             m_window->findChild<QMenuBar*>("menubar")->actions().value(0)->menu()->actions())
        {
            if (QStringList{"Homepage", "Help", "Support", "EULA"}.contains(action->text()))
                action->trigger();
        }
        m_window->DuplicateControl()->Duplicate();
        QTest::mouseClick(m_window->findChild<QPushButton*>("duprembtn"), Qt::LeftButton);
        qputenv("PATH", path);
        QStringList named;
        for (const MessageQuestion& question : m_questions)
            named << question.text.section('\n', -1);
        // Each named as it stands, whatever the direction of the text around it.
        const auto own = &COwnDirectionDelegate::Isolated;
        QCOMPARE(named.mid(0, 4), (QStringList{own(g_strHomeUrl), own(g_strHelpUrl), own(g_strSupportAddress),
                                               own(g_strEulaUrl)}));
        QVERIFY(named.value(4).startsWith(
            own(QDir::toNativeSeparators(GetAppSettings()->GetRecycleFolder())).chopped(1)));
    }

    void startState()
    {
        QCOMPARE(m_window->ContentStack()->currentIndex(), 2);
        QCOMPARE(m_window->TopStack()->currentIndex(), 1);
        QCOMPARE(m_window->HeaderStack()->currentIndex(), 0);
        QCOMPARE(m_window->ActionStack()->currentIndex(), 0);
        QCOMPARE(m_window->ScoreText(), QStringLiteral("100"));

        // At scale 1.5 the action stack truncates 43 x 1.5 while its buttons' sheets keep 64.5.
        m_window.reset();
        g_dScale = 1.5;
        m_window = std::make_unique<CMainUI>();
        g_dScale = 1.0;
        QCOMPARE(m_window->ActionStack()->size(), QSize(198, 64));
        const auto* fixAll = m_window->findChild<QPushButton*>(QStringLiteral("main_fixallbut"));
        QVERIFY(fixAll && fixAll->styleSheet().contains(QStringLiteral("64.5")));
        fixAll->ensurePolished();
        QCOMPARE(fixAll->minimumWidth(), 198);
    }

    // A start caption is drawn in one size with and without the pointer over its button.
    void startCaptionsKeepTheirSizeWhileHovered()
    {
        CStartUI page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // The button as its style draws it in a state, and where its caption's pixels lie.
        const auto caption = [](QPushButton* button, bool hovered)
        {
            QImage drawn[2];
            for (int withText = 0; withText < 2; ++withText)
            {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = withText ? button->text() : QString();
                if (hovered)
                    option.state |= QStyle::State_MouseOver;
                drawn[withText] = QImage(button->size(), QImage::Format_ARGB32);
                drawn[withText].fill(Qt::white);
                QPainter painter(&drawn[withText]);
                painter.setFont(button->font());
                button->style()->drawControl(QStyle::CE_PushButton, &option, &painter, button);
            }
            QRect ink;
            for (int y = 0; y < drawn[0].height(); ++y)
                for (int x = 0; x < drawn[0].width(); ++x)
                    if (drawn[0].pixel(x, y) != drawn[1].pixel(x, y))
                        ink |= QRect(x, y, 1, 1);
            return ink.size();
        };
        for (QPushButton* button : page.findChildren<QPushButton*>())
        {
            if (button->text().isEmpty())
                continue;
            const QSize still = caption(button, false);
            const QSize hovered = caption(button, true);
            QVERIFY2(qAbs(still.height() - hovered.height()) <= 1 &&
                         qAbs(still.width() - hovered.width()) <= 2,
                     qPrintable(QStringLiteral("%1: %2x%3, hovered %4x%5")
                                    .arg(button->text())
                                    .arg(still.width())
                                    .arg(still.height())
                                    .arg(hovered.width())
                                    .arg(hovered.height())));
        }
    }

    // Each start action and the request it sends (the window is kept from acting on them).
    void startActionsSendTheirRequests()
    {
        CStartUI page;
        QSignalSpy requests(&page, &CStartUI::Complete);
        QSignalSpy duplicates(&page, &CStartUI::Duplicate);
        const QString xml = Home() + QStringLiteral("/Library.xml");
        QFile(xml).open(QIODevice::WriteOnly);
        QStringList answer;
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return answer; });

        page.StartLibraryClean();
        QCOMPARE(requests.last().at(0).toStringList(), QStringList());
        QCOMPARE(requests.last().at(1).toString(), g_strDBPath);
        QCOMPARE(requests.last().at(2).value<EMusicRunMode>(), RunModeITunes);

        page.SetLibraryButtonText(QStringLiteral("Select Library XML File"));
        answer = {Home() + QStringLiteral("/missing.xml")};
        page.StartLibraryClean(); // no such file: nothing is sent
        QCOMPARE(requests.count(), 1);
        answer = {xml};
        page.StartLibraryClean();
        QCOMPARE(requests.last().at(0).toStringList(), QStringList{xml});

        answer = {QStringLiteral("/a/x.mp3"), QStringLiteral("/a/y.m4a")};
        page.OpenMusicFiles();
        QCOMPARE(page.GetWorkMode(), EWorkMode::Files);
        QCOMPARE(requests.last().at(0).toStringList(), answer);
        QCOMPARE(requests.last().at(2).value<EMusicRunMode>(), RunModeFiles);

        answer = {};
        page.LoadSaveResult(); // cancelled
        QCOMPARE(page.GetWorkMode(), EWorkMode::SavedResult);
        QCOMPARE(requests.count(), 3);

        page.SltDuplicate();
        QCOMPARE(duplicates.count(), 1);
        QCOMPARE(g_nWorkMode.load(), EWorkMode::Duplicates);
        QCOMPARE(requests.count(), 3);

        // A request while the window runs is ignored: it would rewrite what the workers read. The
        // first run has problems and the second folder none, so the result tells which one ran.
        MakeSongs(Home() + QStringLiteral("/busy"), 12, 3);
        MakeSongs(Home() + QStringLiteral("/other"), 4, 0);
        g_nWorkMode = EWorkMode::Files; // the duplicate action above chose the duplicate page
        m_window->LoadStartParam({Home() + QStringLiteral("/busy")}, g_strDBPath, RunModeFiles);
        QVERIFY(m_window->IsBusy());
        m_window->LoadStartParam({Home() + QStringLiteral("/other")}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionFixAll));
        QCOMPARE(m_window->ReportPage()->ProblemCount(), 3);
        QCOMPARE(m_window->ReportPage()->ArtistTree()->topLevelItemCount(), 3);
    }

    // Eight songs, two without their artist: each costs a quarter of a track, 10000 - 2 x 312.5.
    void scoreScreenAndCleanLibrary()
    {
        const QStringList songs = MakeSongs(Home() + QStringLiteral("/eight"), 8, 2);
        QCOMPARE(songs.size(), 8);
        QVERIFY(RunFiles({Home() + QStringLiteral("/eight")}));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionFixAll));
        QCOMPARE(m_window->ReportPage()->ProblemCount(), 2);
        QVERIFY(QFile::exists(g_strDBPath));

        m_window->GoHome(); // a result is shown: no question
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
        QVERIFY(!QFile::exists(g_strDBPath));

        MakeSongs(Home() + QStringLiteral("/complete"), 4, 0);
        QVERIFY(RunFiles({Home() + QStringLiteral("/complete")}));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("100"));
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionReturn));
    }

    // Folders with nothing to load, a FIFO named like a song, and a vanished path.
    void emptyResults()
    {
        const QString empty = Home() + QStringLiteral("/nothing");
        QDir().mkpath(empty);
        QVERIFY(QFile(empty + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly));
        QVERIFY(::mkfifo(QFile::encodeName(empty + QStringLiteral("/pipe.mp3")).constData(), 0600) == 0);
        QVERIFY(RunFiles({empty, Home() + QStringLiteral("/gone")}));
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("No music files found. Please go back and try again."));
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionReturn));
        QVERIFY(!QFile::exists(g_strDBPath));
        // Nothing was scanned: no praise, no done picture and no large tick.
        const QStringList hints = m_window->findChild<CShadeLabel*>(QStringLiteral("MainUIScroll"))->Texts();
        QVERIFY(!hints.join(QLatin1Char(' ')).contains(QLatin1String("cleaned them up in advance")));
        auto* picture = m_window->findChild<QWidget*>(QStringLiteral("label_back"));
        QVERIFY(!picture->styleSheet().contains(QLatin1String("fix_end")));
        QVERIFY(picture->findChild<QLabel*>()->pixmap().isNull());
        QVERIFY(!ShowsDonePicture(*m_window));
    }

    // A folder and a song picked through links are loaded; a link met inside a folder is not.
    void pickedLinksAreFollowedAndLinksInsideAreNot()
    {
        QCOMPARE(MakeSongs(Home() + QStringLiteral("/real"), 3, 3).size(), 3);
        QCOMPARE(MakeSongs(Home() + QStringLiteral("/single"), 1, 1).size(), 1);
        QCOMPARE(MakeSongs(Home() + QStringLiteral("/elsewhere"), 2, 2).size(), 2);
        QVERIFY(QFile::link(Home() + QStringLiteral("/elsewhere"), Home() + QStringLiteral("/real/inner")));
        QVERIFY(QFile::link(Home() + QStringLiteral("/real"), Home() + QStringLiteral("/linked")));
        QVERIFY(QFile::link(Home() + QStringLiteral("/single/t0.mp3"), Home() + QStringLiteral("/one.mp3")));
        const QStringList picked{Home() + QStringLiteral("/linked"), Home() + QStringLiteral("/one.mp3")};
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return picked; });
        QTest::mouseClick(m_window->StartPage()->findChild<QPushButton*>(QStringLiteral("open_obj")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(m_window->ReportPage()->ProblemCount(), 4);
    }

    // A 4 GiB file of zeros named like a song, in a picked folder and as a library's song: each
    // load ends without reading it whole, and Home and closing during such a load end it.
    void largeFileOfZerosNamedLikeASong()
    {
        const QString folder = Home() + QStringLiteral("/zeros");
        const QStringList songs = MakeSongs(folder, 2, 2);
        QCOMPARE(songs.size(), 2);
        const QString zeros = folder + QStringLiteral("/zeros.mp3");
        QVERIFY(tidewell::test::makeZeroFile(zeros, qint64(4) << 30));
        QVERIFY(RunFiles({folder}));
        QCOMPARE(m_window->ReportPage()->ProblemCount(), 2); // it is no song
        m_window->GoHome();

        std::vector<manager_test::XmlTrack> tracks(3);
        for (int i = 0; i < 3; ++i)
        {
            tracks[i].trackId = 200 + i;
            tracks[i].persistentId = QStringLiteral("00000000000000B%1").arg(i);
            tracks[i].name = QStringLiteral("Track %1").arg(i + 1);
            tracks[i].location = i < 2 ? songs[i] : zeros;
        }
        const QString library = Home() + QStringLiteral("/zeros-lib/iTunes Music Library.xml");
        QDir().mkpath(QFileInfo(library).path());
        QVERIFY(manager_test::WriteLibraryXml(library, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        m_window->GoHome();

        g_nWorkMode = EWorkMode::Files;
        m_window->LoadStartParam({zeros}, g_strDBPath, RunModeFiles);
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("main_gohome")), Qt::LeftButton);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
        QVERIFY(!m_window->IsBusy());
        m_window->LoadStartParam({zeros}, g_strDBPath, RunModeFiles);
        QVERIFY(m_window->close());
    }

    void iTunesLibraryThroughTheHost()
    {
        const QStringList songs = MakeSongs(Home() + QStringLiteral("/itunes"), 4, 1);
        std::vector<manager_test::XmlTrack> tracks;
        for (int i = 0; i < songs.size(); ++i)
        {
            manager_test::XmlTrack t;
            t.trackId = 100 + i;
            t.persistentId = QStringLiteral("00000000000000A%1").arg(i);
            t.name = QStringLiteral("Track %1").arg(i + 1);
            t.artist = i < 1 ? QString() : QStringLiteral("Singer %1").arg(i);
            t.album = QStringLiteral("Record");
            t.genre = QStringLiteral("Jazz");
            t.year = 2010;
            t.size = QFileInfo(songs[i]).size();
            t.totalTime = 1000;
            t.bitRate = 128;
            t.location = songs[i];
            tracks.push_back(t);
        }
        const QString library = Home() + QStringLiteral("/lib/iTunes Music Library.xml");
        QDir().mkpath(Home() + QStringLiteral("/lib"));
        QVERIFY(manager_test::WriteLibraryXml(library, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));
        m_window->GoHome();

        // A broken library: the box, the empty screen, and Try Again puts the library button into
        // pick mode.
        QFile broken(library);
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("<?xml version=\"1.0\"?><plist><dict><key>Tracks</key>");
        broken.close();
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(
            m_questions.first().text.startsWith(QStringLiteral("Oops! An error occurred in loading iTunes")));
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("No songs detected in iTunes. Please check and try again."));
        QVERIFY(!ShowsDonePicture(*m_window));
        m_window->LoadXMLPath();
        QCOMPARE(m_window->StartPage()->LibraryButtonText(), QStringLiteral("Select Library XML File"));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
    }

    // A list 260 pixels high shows 11 rows; the 12th song shows the scroll bar, the 13th moves its
    // maximum to 2, and the rows page through the listed paths.
    // The state icon of a scanned song is twice as large at scale 2, as every other picture.
    void scanListIconsFollowTheScale()
    {
        int width[2] = {};
        for (const int scale : {1, 2})
        {
            CloseWindow();
            g_dScale = scale;
            // The shared pictures are loaded after the scale is known, as at start-up.
            FreeSharedImages();
            LoadSharedImages();
            OpenWindow();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            m_window->ContentStack()->setCurrentIndex(CMainUI::PageScan);
            int dummy = 0;
            m_window->LoadMusic(&dummy, 0, QStringLiteral("/m/song.mp3"));
            CTreeWidget* list = m_window->ScanList();
            QVERIFY(QTest::qWaitFor([&] { return list->isVisible() && list->topLevelItemCount() > 0; }));
            const QRect cell = list->visualRect(list->model()->index(0, 0));
            width[scale - 1] =
                InkBounds(list->viewport()->grab().toImage(), cell.adjusted(1, 1, -1, -1)).width();
        }
        g_dScale = 1.0;
        FreeSharedImages();
        QVERIFY2(
            width[0] >= 8 && width[1] >= 2 * width[0] - 2,
            qPrintable(QStringLiteral("%1 px at scale 1, %2 px at scale 2").arg(width[0]).arg(width[1])));
    }

    void scanListPagesThroughTheSongs()
    {
        CTreeWidget* list = m_window->ScanList();
        list->setFixedHeight(260);
        m_window->ContentStack()->setCurrentIndex(CMainUI::PageScan);
        QTest::qWait(20);
        QCOMPARE(list->viewport()->height(), 260);
        int dummy = 0;
        for (int i = 0; i < 11; ++i)
            m_window->LoadMusic(&dummy, 0, QStringLiteral("/m/song%1.mp3").arg(i));
        QCOMPARE(list->topLevelItemCount(), 11);
        QVERIFY(m_window->ScanScrollBar()->isHidden());
        m_window->LoadMusic(&dummy, 0, QStringLiteral("/m/song11.mp3"));
        QVERIFY(!m_window->ScanScrollBar()->isHidden());
        QCOMPARE(m_window->ScanScrollBar()->maximum(), 1);
        m_window->LoadMusic(&dummy, 0, QStringLiteral("/m/song12.mp3"));
        QCOMPARE(list->topLevelItemCount(), 11);
        QCOMPARE(m_window->ScanScrollBar()->maximum(), 2);
        m_window->ScanScrollBar()->setValue(2);
        QCOMPARE(list->topLevelItem(10)->text(2), QStringLiteral("/m/song12.mp3"));
        m_window->ClearScanList();

        // The same songs as one batch of the link, with the load's final record (no track) last.
        QList<LinkTrackReport> batch;
        for (int i = 0; i < 13; ++i)
            batch.append({&dummy, i * 700, QStringLiteral("/m/song%1.mp3").arg(i)});
        batch.append({nullptr, 10000, QString()});
        m_window->LoadMusicBatch(batch);
        QCOMPARE(list->topLevelItemCount(), 11);
        QCOMPARE(m_window->ScanScrollBar()->maximum(), 2);
        m_window->ScanScrollBar()->setValue(2);
        QCOMPARE(list->topLevelItem(10)->text(2), QStringLiteral("/m/song12.mp3"));
        m_window->ClearScanList();
    }

    // A library large enough that the report page is filled over several passes of the event
    // loop: every problem song is on the page when the run's end arrives.
    void largeLibraryFillsThePageBeforeTheScoreScreen()
    {
        constexpr int kTracks = 1500;
        std::vector<manager_test::XmlTrack> tracks;
        for (int i = 0; i < kTracks; ++i)
        {
            manager_test::XmlTrack t;
            t.trackId = 100 + i;
            t.persistentId =
                QStringLiteral("%1").arg(0xC0DE0000u + static_cast<unsigned>(i), 16, 16, QChar('0'));
            t.name = QStringLiteral("Gone %1").arg(i);
            t.artist = QStringLiteral("Singer");
            t.album = QStringLiteral("Record");
            t.totalTime = 1000;
            t.location = Home() + QStringLiteral("/gone/song %1.mp3").arg(i);
            tracks.push_back(t);
        }
        const QString library = Home() + QStringLiteral("/large/iTunes Music Library.xml");
        QDir().mkpath(Home() + QStringLiteral("/large"));
        QVERIFY(manager_test::WriteLibraryXml(library, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        int listedAtEnd = -1;
        connect(m_window->AnalyzeThread(), &CAnalyzeThread::SandUpdataReport, this,
                [&] { listedAtEnd = m_window->ReportPage()->ListedTracks(); });
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(m_window->ReportPage()->ProblemCount(), kTracks);
        QCOMPARE(listedAtEnd, kTracks);
    }

    // Per-track progress reports reach the bar with the next frame, the last one shown; a value
    // set at once (here the empty result's full bar) is not overwritten by a report still waiting.
    void progressReportsFollowWithTheNextFrame()
    {
        auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("main_progress"));
        QVERIFY(bar);
        for (int value = 1; value <= 5000; ++value)
            m_window->UpdateProcess(value);
        QVERIFY(QTest::qWaitFor([bar] { return bar->value() == 5000; }, 2000));
        m_window->UpdateProcess(6000);
        m_window->ShowEmptyResult();
        QTest::qWait(100);
        QCOMPARE(bar->value(), 10000);
    }

    // Save Project, go home, load the saved result: the same score. A failing save keeps the old
    // project and the working database; only what a run left behind is offered at the next start.
    void projectSaveLoadAndInterruptedRuns()
    {
        MakeSongs(Home() + QStringLiteral("/proj"), 8, 2);
        QVERIFY(RunFiles({Home() + QStringLiteral("/proj")}));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));
        const QString project = Home() + QStringLiteral("/saved");
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            m_window->ApplyOrSave(3);
        }
        QVERIFY(QFile::exists(project + QStringLiteral(".zavrodata")));
        QVERIFY(QFile::exists(g_strDBPath));
        // Saved over another project through a link in another folder: the link stays a link, and
        // the folder the next start clears of a killed save's copy is that of the file it names.
        const QString linked = Home() + QStringLiteral("/links/again.zavrodata");
        QVERIFY(QDir().mkpath(Home() + QStringLiteral("/links")) &&
                QFile::copy(project + QStringLiteral(".zavrodata"),
                            Home() + QStringLiteral("/again.zavrodata")) &&
                QFile::link(Home() + QStringLiteral("/again.zavrodata"), linked));
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{linked}; });
            m_window->ApplyOrSave(3);
        }
        QVERIFY(m_questions.isEmpty());
        QVERIFY(QFileInfo(linked).isSymLink());
        QCOMPARE(GetAppSettings()->GetLastProjectFolder(), QFileInfo(Home()).canonicalFilePath());

        // The working database broken on disk: the copy fails and nothing is lost.
        const QByteArray projectBytes = [&]
        {
            QFile f(project + QStringLiteral(".zavrodata"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        // The save's "settled" mark is written behind it: it goes in before the file is broken.
        m_window->findChild<CResultMarks*>()->WaitWritten();
        const QString dbCopy = Home() + QStringLiteral("/db-copy");
        QVERIFY(QFile::copy(g_strDBPath, dbCopy));
        {
            QFile db(g_strDBPath);
            QVERIFY(db.open(QIODevice::WriteOnly | QIODevice::Truncate));
            db.write(QByteArray(4096, 'x'));
        }
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            m_window->ApplyOrSave(3);
        }
        QVERIFY(!m_questions.isEmpty());
        QVERIFY(m_questions.last().text.startsWith(QStringLiteral("The project could not be saved.")));
        QFile kept(project + QStringLiteral(".zavrodata"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), projectBytes);
        QCOMPARE(QFileInfo(g_strDBPath).size(), 4096);
        QFile::remove(g_strDBPath);
        QVERIFY(QFile::copy(dbCopy, g_strDBPath));

        m_window->GoHome();
        QVERIFY(!QFile::exists(g_strDBPath));
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&)
                                         { return QStringList{project + QStringLiteral(".zavrodata")}; });
            m_window->StartPage()->LoadSaveResult();
        }
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));

        // A clean close takes the working database with it: the next start has nothing to offer.
        m_window->GoHome();
        QVERIFY(RunFiles({Home() + QStringLiteral("/proj")}));
        m_window->close();
        m_window.reset();
        QVERIFY(!QFile::exists(g_strDBPath));

        // One that a run left behind in the middle of a write (the program ended unexpectedly, a
        // hot journal beside it) is offered, but never over another dialog: the offer waits until
        // that is gone, and Continue loads what was left.
        const QString mid = Home() + QStringLiteral("/mid.db");
        QVERIFY(QFile::copy(project + QStringLiteral(".zavrodata"), mid));
        sqlite3* writer = nullptr;
        QVERIFY(sqlite3_open(QFile::encodeName(mid).constData(), &writer) == SQLITE_OK);
        // A tiny cache: the write reaches the file, and the journal is hot.
        QVERIFY(sqlite3_exec(writer,
                             "PRAGMA cache_size = 1; BEGIN; UPDATE TracksTable SET Name = Name || 'x'; "
                             "CREATE TABLE pad(x); INSERT INTO pad VALUES(zeroblob(200000))",
                             nullptr, nullptr, nullptr) == SQLITE_OK);
        for (const QString& suffix : {QString(), QStringLiteral("-journal")})
            QVERIFY(QFile::copy(mid + suffix, g_strDBPath + suffix));
        sqlite3_close(writer);
        // An edit killed in that run left its temporary copy beside the songs: the start's check
        // clears it, and nothing of that name elsewhere, nor a folder of that name.
        const QString leftover = Home() + QStringLiteral("/proj/.tidewell-edit-a1b2c3");
        const QString elsewhere = Home() + QStringLiteral("/.tidewell-edit-d4e5f6");
        QVERIFY(QDir().mkpath(Home() + QStringLiteral("/proj/.tidewell-edit-folder")));
        for (const QString& path : {leftover, elsewhere})
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("cut") == 3 && file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        }
        m_questions.clear();
        m_window = std::make_unique<CMainUI>();
        m_window->show();
        QSignalSpy requests(m_window->StartPage(), &CStartUI::Complete);
        QDialog dialog(m_window.get());
        dialog.setModal(true);
        dialog.open();
        m_window->StartPage()->CheckingIsSave();
        QTest::qWait(1500);
        QVERIFY(m_questions.isEmpty());
        dialog.close();
        QVERIFY(QTest::qWaitFor([this] { return !m_questions.isEmpty(); }, 10000));
        QVERIFY(!QFile::exists(leftover));
        QVERIFY(QFile::exists(elsewhere));
        QVERIFY(QFileInfo(Home() + QStringLiteral("/proj/.tidewell-edit-folder")).isDir());
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(m_questions.first().title, QStringLiteral("Continue"));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().at(2).value<EMusicRunMode>(), RunModeProject);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));
        QFile::remove(elsewhere); // the case's own, where the program never writes
    }

    // What a run killed in the middle of its writes left, planted as the kill leaves it, goes at
    // the next start in every folder the program writes, and only that: the edit copies beside
    // the library file and the file its link names, the database copies and their journals
    // beside the working database and the last project saved, and in the recycle folder's day
    // folders the partial copies and the records whose copy is gone. A move that was killed is
    // told: the copies remain in the recycle folder, and where it is.
    void aKilledRunsLeftoversGoAtTheNextStart()
    {
        const QString lib = Home() + "/lib/", libReal = Home() + "/lib-real/",
                      projects = Home() + "/projects/";
        const QString other = Home() + "/other/";
        const QString data = QFileInfo(g_strDBPath).absolutePath() + u'/';
        const QString recycle = GetAppSettings()->GetRecycleFolder() + u'/';
        const QString day = recycle + "2026-01-01/";
        for (const QString& folder : {lib, libReal, projects, other, day})
            QVERIFY(QDir().mkpath(folder));
        QVERIFY(tidewell::test::writeTextFile(libReal + "iTunes.xml", "<plist/>"));
        QVERIFY(QFile::link(libReal + "iTunes.xml", lib + "Library.xml"));
        qputenv("TIDEWELL_ITUNES_LIBRARY", QFile::encodeName(lib + "Library.xml"));
        GetAppSettings()->SetLastProjectFolder(QDir::cleanPath(projects));
        const auto plant = [](const QString& path, const QByteArray& bytes = "cut")
        {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
                   file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                    QFileDevice::FileModificationTime);
        };
        // A removal record as the program writes it, for the copy `name` in the day folder.
        const auto record = [&](const QByteArray& name)
        {
            const QByteArray json = "{\"name\":\"" + name.toBase64() + "\",\"origin\":\"" +
                                    QByteArray("/music/" + name).toBase64() + "\"}";
            return plant(
                day + ".tidewell-removal-" +
                    QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex()),
                json);
        };
        const QStringList gone = {lib + ".tidewell-edit-Ab12Cd",
                                  libReal + ".tidewell-edit-Ef34Gh",
                                  data + ".tidewell-copy-Ij56Kl",
                                  projects + ".tidewell-copy-Mn78Op",
                                  projects + ".tidewell-copy-Mn78Op-journal",
                                  day + ".tidewell-edit-Qr90St",
                                  recycle + ".tidewell-moving-Uv12Wx"};
        const QStringList kept = {other + ".tidewell-copy-Yz34Ab", projects + "tidewell-copy-visible",
                                  lib + ".tidewell-editor-notes", day + "kept.mp3",
                                  other + ".tidewell-edit-Cd56Ef"};
        for (const QString& path : gone + kept)
            QVERIFY2(plant(path), qPrintable(path));
        QVERIFY(record("kept.mp3") && record("moved back.mp3"));
        // Links are never followed, a link of our name is not ours, and neither is a folder.
        QVERIFY(QFile::link(other, recycle + "2026-01-02"));
        QVERIFY(QFile::link(other + ".tidewell-copy-Yz34Ab", projects + ".tidewell-copy-link"));
        QVERIFY(QDir().mkpath(day + ".tidewell-edit-folder"));

        m_questions.clear();
        m_window->StartPage()->CheckingIsSave();
        QVERIFY(QTest::qWaitFor([this] { return !m_questions.isEmpty(); }, 10000));
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(m_questions.first().text,
                 QStringLiteral("Tidewell was ended while it moved songs into or out of the recycle folder. "
                                "The copies it moved remain there:\n%1")
                     .arg(COwnDirectionDelegate::Isolated(GetAppSettings()->GetRecycleFolder())));
        for (const QString& path : gone)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        for (const QString& path : kept)
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(QDir(day).entryList({".tidewell-removal-*"}, QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(QFileInfo(projects + ".tidewell-copy-link").isSymLink());
        QVERIFY(QFileInfo(day + ".tidewell-edit-folder").isDir());
        QVERIFY(QFileInfo(lib + "Library.xml").isSymLink());
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        GetAppSettings()->SetLastProjectFolder(QString());
        QDir(GetAppSettings()->GetRecycleFolder()).removeRecursively();
        // The look-alikes that had to stay go now, so the road's end finds none of ours left.
        QFile::remove(projects + ".tidewell-copy-link");
        for (const QString& path : kept)
            QFile::remove(path);
        QDir(other).removeRecursively();
    }

    // A pause during the analysis holds until Continue, even when the manager's pass ends while
    // paused; the score screen follows the Continue.
    void pauseHoldsTheAnalysis()
    {
        MakeSongs(Home() + QStringLiteral("/paused"), 16, 4);
        m_window->LoadStartParam({Home() + QStringLiteral("/paused")}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() == 2; }, 60000));
        m_window->CancelGroup();
        QCOMPARE(m_window->RunState(), EWindowRunState::Paused);
        QTest::qWait(1500);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageScan));
        QCOMPARE(m_window->RunState(), EWindowRunState::Paused);
        m_window->CancelGroup();
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(m_window->ScoreText(), QStringLiteral("93"));
    }

    // Closing the window while the analysis runs, and while it is paused, ends promptly.
    void destructionDuringAnalysis()
    {
        MakeSongs(Home() + QStringLiteral("/many"), 24, 6);
        for (const bool pause : {false, true})
        {
            m_window->LoadStartParam({Home() + QStringLiteral("/many")}, g_strDBPath, RunModeFiles);
            QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() == 2; }, 60000));
            if (pause)
            {
                m_window->CancelGroup();
                QCOMPARE(m_window->RunState(), EWindowRunState::Paused);
            }
            QElapsedTimer timer;
            timer.start();
            m_window.reset();
            QVERIFY2(timer.elapsed() < 10000, "closing waited too long");
            m_window = std::make_unique<CMainUI>();
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
