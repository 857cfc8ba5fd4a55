// Closing the real main window in the middle of its work, and the scan list and result bar
// around it. Songs are real files made for the test.
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "BugReport.h"
#include "BugReportPackage.h"
#include "CMessageSeam.h"
#include "CTextButton.h"
#include "ITunesLibraryXml.h"
#include "LocalHttpServer.h"
#include "Lyrafon.h"
#include "MainUI.h"
#include "ReadyLoadThread.h"
#include "RoadCheck.h"
#include "StartUI.h"
#include "StyleTemplates.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"
#include "WorkFolderCleaner.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

#include <algorithm>

namespace
{

// Names the folder a tmpfs is mounted on when a case runs again inside its own mount namespace.
constexpr char kMountedFolder[] = "TIDEWELL_TEST_MOUNTED_FOLDER";

// One encoded song copied count times: the window only needs many files to list and analyse.
QString MakeSongs(const QString& folder, int count)
{
    QDir().mkpath(folder);
    tidewell::test::AudioSpec audioSpec;
    audioSpec.seconds = 0.5;
    audioSpec.tags.title = QStringLiteral("Song");
    const QString first = folder + QStringLiteral("/s0000.mp3");
    tidewell::test::makeAudioFile(first, audioSpec);
    for (int i = 1; i < count; ++i)
        QFile::copy(first, folder + QStringLiteral("/s%1.mp3").arg(i, 4, 10, QLatin1Char('0')));
    return folder;
}

QString MakeLargeLibrary(const QString& path, const QString& song, int count)
{
    return tidewell::test::writeOneSongLibrary(path, song, count) ? path : QString();
}

// Chooses the menu's "Bug Report"; the dialog that opens is filled by answer, once it shows.
void ReportBug(CMainUI& window, std::function<void(QWidget*)> answer)
{
    WhenVisible(
        [] { return TopLevelOf<CBugReport>(); },
        [answer](QWidget* dialog)
        {
            dialog->findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))->setText("jo@example.org");
            dialog->findChild<QTextEdit*>(QStringLiteral("BugReportDes"))->setPlainText("it hangs");
            answer(dialog);
        });
    const QList<QAction*> actions = window.findChildren<QAction*>();
    const auto action =
        std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->text() == "Bug Report"; });
    QVERIFY(action != actions.end());
    (*action)->trigger();
}

} // namespace

class MainUIClosingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;
    QString m_songs;
    QString m_largeLibrary;

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<WidgetTestEnv>();
        FillAppStrings();
        if (qEnvironmentVariableIsSet(kMountedFolder))
            return; // one case run again inside its own mount namespace needs no songs
        m_songs = MakeSongs(GetAppSettings()->GetDataFolder() + QStringLiteral("/../songs"), 300);
        m_largeLibrary = MakeLargeLibrary(m_songs + QStringLiteral("/../Large Library.xml"),
                                          m_songs + QStringLiteral("/s0000.mp3"), 40000);
    }
    // Whatever the closing cut short, the files end whole (the window has gone by now).
    void cleanup() { VERIFY_ROAD_INVARIANTS(tidewell::test::FileRoadFaults()); }

    void cleanupTestCase() { m_env.reset(); }

    void closeWhileWorking_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<bool>("pause");
        QTest::newRow("loading") << 1 << false;
        QTest::newRow("loading paused") << 1 << true;
        QTest::newRow("analysing") << 2 << false;
        QTest::newRow("analysing paused") << 2 << true;
    }
    // Whatever runs, paused or not, closing ends every thread and closes the window.
    void closeWhileWorking()
    {
        QFETCH(int, stage);
        QFETCH(bool, pause);
        CMainUI window;
        window.show();
        window.LoadStartParam({m_songs}, QString(), RunModeFiles);
        QTRY_VERIFY_WITH_TIMEOUT(window.Stage() >= stage, 30000);
        if (pause && window.RunState() == EWindowRunState::Running)
            window.CancelGroup();
        QVERIFY(window.close());
        QVERIFY(!window.ReadyLoadThread()->isRunning());
        QVERIFY(!window.AnalyzeThread()->isRunning());
        QVERIFY(!window.ApplyThread()->isRunning());
    }

    // A close while the dialog is open closes both and sends nothing. A report sent while its
    // archive is still being packed (a large library file) is kept with what the user wrote, its
    // unfinished archive gone. With a mail server that accepts and says nothing, closing does not
    // wait: the report is kept with its archive. Both lie where no Home or close empties them,
    // and the next start says so once.
    void closeWhileABugReportHangs()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        qputenv("TIDEWELL_SMTP_HOST", "127.0.0.1");
        qputenv("TIDEWELL_SMTP_PORT", QByteArray::number(silent.serverPort()));
        const QDir reports(CBugReportPackage::ReportsFolder());
        {
            CMainUI window;
            window.show();
            bool closed = false;
            ReportBug(window, [&](QWidget*) { closed = window.close(); });
            QVERIFY(closed);
            QVERIFY(!TopLevelOf<CBugReport>());
        }
        QVERIFY(!silent.hasPendingConnections());
        QVERIFY(reports.entryList(QDir::Files).isEmpty());
        {
            // The same once the archiver has finished while the dialog is still open.
            CMainUI window;
            window.show();
            bool closed = false;
            ReportBug(window,
                      [&](QWidget*)
                      {
                          QTRY_VERIFY_WITH_TIMEOUT(!reports.entryList({QStringLiteral("*.7z")}).isEmpty(),
                                                   30000);
                          QTest::qWait(1500);
                          closed = window.close();
                      });
            QVERIFY(closed);
        }
        QVERIFY(reports.entryList(QDir::Files).isEmpty());
        {
            // Sparse: packing its zeros takes the archiver many seconds, reading the disk little.
            const QString large = QDir::homePath() + QStringLiteral("/Large iTunes Library.xml");
            QFile file(large);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(3) << 30));
            file.close();
            qputenv("TIDEWELL_ITUNES_LIBRARY", QFile::encodeName(large));
            CMainUI window;
            window.show();
            ReportBug(window, [](QWidget* dialog)
                      { dialog->findChild<QPushButton*>(QStringLiteral("ReportButton"))->click(); });
            QTRY_VERIFY(!TopLevelOf<CBugReport>());
            const auto* package = window.findChild<CBugReportPackage*>();
            QVERIFY(package && !package->IsDone());
            QVERIFY(window.close());
            qunsetenv("TIDEWELL_ITUNES_LIBRARY");
            QFile::remove(large);
        }
        QCOMPARE(reports.entryList({"*.unsent.txt"}).size(), 1);
        QVERIFY(reports.entryList({"*.7z"}).isEmpty());
        QVERIFY(QDir(GetAppSettings()->GetDataFolder()).entryList({"Gorvane_*"}).isEmpty());
        const QString packing =
            reports.entryList({"*.unsent.txt"}).constFirst().chopped(QStringLiteral(".unsent.txt").size());
        {
            QStringList told;
            CMessageSeam::Scope seam([&told](const MessageQuestion& question)
                                     { return told << question.text, 1; });
            CMainUI window;
            window.show();
            QTRY_COMPARE(told.size(), 1);
            QVERIFY(told[0].startsWith("1 bug report") &&
                    told[0].endsWith(QDir::toNativeSeparators(reports.path())));
            QVERIFY(reports.exists(packing + ".txt"));
            ReportBug(window, [](QWidget* dialog)
                      { dialog->findChild<QPushButton*>(QStringLiteral("ReportButton"))->click(); });
            QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), 30000);
            QVERIFY(window.close());
        }
        const QStringList kept = reports.entryList({"*.unsent.txt"});
        QCOMPARE(kept.size(), 1);
        for (const QString& name : {kept.constFirst(), packing + ".txt"})
        {
            QFile description(reports.filePath(name));
            QVERIFY(description.open(QIODevice::ReadOnly) && description.readAll().contains("it hangs"));
        }
        const QString stem = kept.constFirst().chopped(QStringLiteral(".unsent.txt").size());
        QVERIFY(QFileInfo(reports.filePath(stem + ".7z")).size() > 0);

        QStringList told;
        CMessageSeam::Scope seam([&told](const MessageQuestion& question)
                                 { return told << question.text, 1; });
        CMainUI next;
        QTRY_COMPARE(told.size(), 1);
        QVERIFY(told[0].startsWith("1 bug report") &&
                told[0].endsWith(QDir::toNativeSeparators(reports.path())));
        QVERIFY(reports.entryList({"*.unsent.txt"}).isEmpty() && reports.exists(stem + ".txt"));
    }

    void leaveDuringLargeLoad_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("home") << false;
        QTest::newRow("close") << true;
    }
    // Home or closing at once after the start of a large iTunes load (its read takes the better
    // part of a second): the stop reaches the agent's read of the library file, which ends there
    // instead of being waited out, and the stop holds for the set-up.
    void leaveDuringLargeLoad()
    {
        QFETCH(bool, close);
        qputenv("TIDEWELL_ITUNES_LIBRARY", m_largeLibrary.toUtf8());
        const EWorkMode workMode = g_nWorkMode.exchange(EWorkMode::ITunes);
        CMessageSeam::Scope yes([](const MessageQuestion&) { return 1; });
        CMainUI window;
        window.show();
        window.LoadStartParam({}, QString(), RunModeITunes);
        QVERIFY(window.ReadyLoadThread()->isRunning());
        if (close)
            QVERIFY(window.close());
        else
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("main_gohome")), Qt::LeftButton);
        QVERIFY(!window.ReadyLoadThread()->isRunning());
        QCOMPARE(GetTrackCount_kvt(), -1);
        // The manager's log tells how the agent's read ended: cut short by the stop, not read
        // to its end and then thrown away.
        QFile log(GetAppSettings()->GetDataFolder() + QStringLiteral("/MM.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        const auto last =
            std::find_if(lines.crbegin(), lines.crend(),
                         [](const QByteArray& line) { return line.contains("CreateAgent_kvt"); });
        QVERIFY(last != lines.crend());
        QVERIFY2(last->contains("Failed:-4"), last->constData());
        if (!close)
            QCOMPARE(window.ContentStack()->currentIndex(), int(CMainUI::PageStart));
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        g_nWorkMode = workMode;
    }

    // Home empties the work folders at once, so the next run writes into empty ones, and the old
    // pictures are deleted on the cleaner's thread, links as links; closing leaves nothing behind.
    // The recycle folder inside the Picture folder stays whole: the removed copies it holds can
    // be restored later.
    void workFoldersEmptiedOnTheCleanersThread()
    {
        const QString pictures = GetAppSettings()->GetPictureFolder();
        const QString recycled =
            GetAppSettings()->GetRecycleFolder() + QStringLiteral("/2026-01-01/removed.mp3");
        QVERIFY(QDir().mkpath(QFileInfo(recycled).absolutePath()));
        QVERIFY(tidewell::test::writeTextFile(recycled, "removed copy"));
        const auto onlyTheRecycleFolder = [&]
        {
            return QDir(pictures).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                            QDir::NoDotAndDotDot) ==
                       QStringList{QFileInfo(GetAppSettings()->GetRecycleFolder()).fileName()} &&
                   QFile::exists(recycled);
        };
        const QString outside = m_songs + QStringLiteral("/../outside.png");
        QVERIFY(tidewell::test::writeTextFile(outside, "keep"));
        const auto fill = [&]
        {
            QDir().mkpath(pictures);
            for (int i = 0; i < 2000; ++i)
                tidewell::test::writeTextFile(pictures + QStringLiteral("/%1.png").arg(i), "picture");
            QFile::link(outside, pictures + QStringLiteral("/link.png"));
        };
        const auto setAside = [&]
        {
            const QFileInfo info(pictures);
            return info.dir().entryList({info.fileName() + QStringLiteral(".emptying-*")},
                                        QDir::Dirs | QDir::Hidden);
        };
        // The working database goes the same way: its name is free at once for the next load.
        const auto databaseAside = []
        {
            const QFileInfo info(g_strDBPath);
            return info.dir().entryList({info.fileName() + QStringLiteral("*.emptying-*")}, QDir::Files);
        };
        {
            CMainUI window;
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(!window.WorkFolderCleaner()->IsBusy(), 10000);
            QCoreApplication::processEvents(); // the start's own clean-up has said so
            fill();
            QVERIFY(tidewell::test::writeTextFile(g_strDBPath, "old database"));
            QVERIFY(tidewell::test::writeTextFile(g_strDBPath + QStringLiteral("-wal"), "old journal"));
            QSignalSpy emptied(window.WorkFolderCleaner(), &CWorkFolderCleaner::Emptied);
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("main_gohome")), Qt::LeftButton);
            QVERIFY(onlyTheRecycleFolder());
            QVERIFY(!QFile::exists(g_strDBPath));
            QVERIFY(!QFile::exists(g_strDBPath + QStringLiteral("-wal")));
            const QString next = pictures + QStringLiteral("/next.png");
            QVERIFY(tidewell::test::writeTextFile(next, "next run"));
            QVERIFY(tidewell::test::writeTextFile(g_strDBPath, "next database"));
            QVERIFY(emptied.wait(10000));
            QVERIFY2(setAside().isEmpty(), qPrintable(setAside().join(u',')));
            QVERIFY2(databaseAside().isEmpty(), qPrintable(databaseAside().join(u',')));
            QVERIFY(QFile::exists(next));
            QVERIFY(QFile::exists(outside));
            QFile database(g_strDBPath);
            QVERIFY(database.open(QIODevice::ReadOnly));
            QCOMPARE(database.readAll(), QByteArray("next database"));
            database.close();
            QFile::remove(next);
            QFile::remove(g_strDBPath);

            fill();
            QVERIFY(window.close());
            QVERIFY(onlyTheRecycleFolder());
        }
        // Closing waits for the cleaner a moment only; the next start removes whatever is left,
        // a database set aside too, and keeps the working database a closed session left.
        QVERIFY(tidewell::test::writeTextFile(g_strDBPath + QStringLiteral(".emptying-1-1"), "left"));
        QVERIFY(tidewell::test::writeTextFile(g_strDBPath, "kept database"));
        {
            CMainUI window;
            QTRY_VERIFY_WITH_TIMEOUT(!window.WorkFolderCleaner()->IsBusy(), 10000);
        }
        QVERIFY2(setAside().isEmpty(), qPrintable(setAside().join(u',')));
        QVERIFY2(databaseAside().isEmpty(), qPrintable(databaseAside().join(u',')));
        QVERIFY(QFile::exists(g_strDBPath));
        QFile::remove(g_strDBPath);
        QVERIFY(QFile::exists(outside));
        QVERIFY(onlyTheRecycleFolder());
        QVERIFY(QFile::remove(recycled)); // the case's own copy, put there without a record
    }

    // A recycle folder that is a link to a folder elsewhere stays that link through Home and
    // closing, with what it holds; so does a link to a folder not there now. A link to a file is
    // a file of the folder and goes.
    void aLinkedRecycleFolderStaysALink()
    {
        const QString pictures = GetAppSettings()->GetPictureFolder() + u'/';
        const QString recycle = GetAppSettings()->GetRecycleFolder(), elsewhere = m_songs + "/../other disk";
        QVERIFY(QDir().mkpath(elsewhere) && QDir().mkpath(pictures) && QDir(recycle).removeRecursively());
        QVERIFY(tidewell::test::writeTextFile(elsewhere + "/removed.mp3", "copy"));
        QVERIFY(QFile::link(elsewhere, recycle) &&
                QFile::link(m_songs + "/../no disk", pictures + "Unplugged"));
        QVERIFY(QFile::link(m_songs + "/s0000.mp3", pictures + "song link.mp3"));
        const auto kept = [&]
        {
            return QFile::symLinkTarget(recycle) == QFileInfo(elsewhere).absoluteFilePath() &&
                   QFile::exists(recycle + "/removed.mp3") && QFile::exists(m_songs + "/s0000.mp3") &&
                   QDir(pictures).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                            QDir::NoDotAndDotDot) ==
                       QStringList({"Unplugged", QFileInfo(recycle).fileName()});
        };
        {
            CMainUI window;
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(!window.WorkFolderCleaner()->IsBusy() && kept(), 10000);
            QVERIFY(tidewell::test::writeTextFile(pictures + "cover.png", "picture"));
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("main_gohome")), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!window.WorkFolderCleaner()->IsBusy() && kept(), 10000);
            QVERIFY(tidewell::test::writeTextFile(pictures + "cover.png", "picture"));
            QVERIFY(window.close());
        }
        QTRY_VERIFY_WITH_TIMEOUT(kept(), 10000);
        QVERIFY(QFile::remove(recycle) && QFile::remove(pictures + "Unplugged"));
    }

    // A recycle folder that is a mount point cannot be renamed: the Picture folder it lies in is
    // emptied where it is, the mount and its copies stay, and a file made after the clean-up was
    // asked for is kept. Run again inside a mount namespace of its own (unshare), where a tmpfs
    // is mounted on the recycle folder; skipped where no such namespace can be made.
    void aMountedRecycleFolderStaysMounted()
    {
        if (!qEnvironmentVariableIsSet(kMountedFolder))
        {
            const QString recycle =
                QDir::cleanPath(m_songs + QStringLiteral("/../mounted/Picture/Zavro_Recycle Bin"));
            QVERIFY(QDir().mkpath(recycle));
            QProcess inside;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(kMountedFolder), recycle);
            inside.setProcessEnvironment(environment);
            inside.start(QStringLiteral("unshare"),
                         {QStringLiteral("--map-root-user"), QStringLiteral("--mount"),
                          QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("sh"),
                          QStringLiteral("-c"),
                          QStringLiteral("mount -t tmpfs tidewell \"$1\" || exit 77; exec \"$2\" \"$3\""),
                          QStringLiteral("sh"), recycle, QCoreApplication::applicationFilePath(),
                          QStringLiteral("aMountedRecycleFolderStaysMounted")});
            if (!inside.waitForStarted(10000))
                QSKIP("no unshare here: a mounted recycle folder is not exercised");
            QVERIFY(inside.waitForFinished(120000));
            const QByteArray said = inside.readAllStandardOutput();
            if (inside.exitCode() == 77 || (inside.exitCode() != 0 && said.isEmpty()))
                QSKIP("no mount namespace can be made here: a mounted recycle folder is not exercised");
            QVERIFY2(inside.exitCode() == 0, said.constData());
            QDir(QFileInfo(recycle).absolutePath()).removeRecursively();
            return;
        }
        // Inside the namespace: the folder the parent named has a tmpfs of its own.
        const QString recycle = qEnvironmentVariable(kMountedFolder);
        const QString pictures = QFileInfo(recycle).absolutePath();
        QVERIFY(tidewell::test::writeTextFile(recycle + QStringLiteral("/removed.mp3"), "copy"));
        QVERIFY(!QDir().rename(recycle, recycle + QStringLiteral(" moved"))); // a mount point
        for (int i = 0; i < 50; ++i)
            QVERIFY(tidewell::test::writeTextFile(pictures + QStringLiteral("/%1.png").arg(i), "picture"));
        QTest::qWait(50); // those are older than the clean-up
        CWorkFolderCleaner cleaner;
        QSignalSpy emptied(&cleaner, &CWorkFolderCleaner::Emptied);
        cleaner.Empty({pictures});
        QVERIFY(tidewell::test::writeTextFile(pictures + QStringLiteral("/next.png"), "next run"));
        QVERIFY(emptied.wait(10000));
        QCOMPARE(
            QDir(pictures).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList({QStringLiteral("next.png"), QFileInfo(recycle).fileName()}));
        QVERIFY(QFile::exists(recycle + QStringLiteral("/removed.mp3")));
        const QFileInfo info(pictures);
        QVERIFY(
            info.dir()
                .entryList({info.fileName() + QStringLiteral(".emptying-*")}, QDir::AllEntries | QDir::Hidden)
                .isEmpty());
    }

    // A closing program gives the cleaner a short time only: a large clean-up it could not end
    // stays set aside, out of the next run's way, and the next start's clean-up removes it.
    void closingLeavesALargeCleanUpSetAside()
    {
        const QString folder = GetAppSettings()->GetDataFolder() + QStringLiteral("/../scratch");
        QDir().mkpath(folder);
        for (int i = 0; i < 5000; ++i)
            tidewell::test::writeTextFile(folder + QStringLiteral("/%1.png").arg(i), "picture");
        const QFileInfo info(folder);
        const auto setAside = [&]
        {
            return info.dir().entryList({info.fileName() + QStringLiteral(".emptying-*")},
                                        QDir::Dirs | QDir::Hidden);
        };
        {
            CWorkFolderCleaner closing(nullptr, std::chrono::milliseconds(0));
            closing.Empty({folder});
        }
        QVERIFY(QDir(folder).isEmpty());
        QCOMPARE(setAside().size(), 1);
        QVERIFY(!QDir(info.dir().filePath(setAside().constFirst())).isEmpty());

        CWorkFolderCleaner next;
        QSignalSpy emptied(&next, &CWorkFolderCleaner::Emptied);
        next.Empty({folder});
        QVERIFY(emptied.wait(10000));
        QVERIFY(setAside().isEmpty());
        QVERIFY(QDir(folder).exists());
    }

    // A wheel step moves one row; from a full screen on, the rows follow the window's height and
    // the scroll position stays inside the list.
    void scanListFollowsTheWindow()
    {
        CMainUI window;
        window.resize(900, 600);
        window.show();
        auto* list = window.findChild<CTreeWidget*>();
        for (QStackedWidget* stack : window.findChildren<QStackedWidget*>())
            if (stack->indexOf(list->parentWidget()) >= 0 || stack->indexOf(list) >= 0)
                stack->setCurrentIndex(CMainUI::PageScan);
        QTRY_VERIFY(list->isVisible());
        window.ClearScanList();
        int track = 0;
        for (int i = 0; i < 200; ++i)
            window.LoadMusic(&track, i, QStringLiteral("/music/song%1.mp3").arg(i));
        QScrollBar* scroll = nullptr;
        for (QScrollBar* bar : window.findChildren<QScrollBar*>())
            if (bar->parentWidget() == list->parentWidget())
                scroll = bar;
        QVERIFY(scroll && scroll->maximum() > 0);

        scroll->setValue(2);
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &down);
        QCOMPARE(scroll->value(), 3);

        const int rowHeight = ScaledInt(25);
        scroll->setValue(scroll->maximum());
        for (const int height : {900, 450, 700})
        {
            window.resize(window.width(), height);
            QApplication::processEvents();
            const int viewport = list->viewport()->height();
            QCOMPARE(list->topLevelItemCount(), viewport / rowHeight + (viewport % rowHeight ? 1 : 0));
            QVERIFY(scroll->value() >= 0 && scroll->value() <= scroll->maximum());
            QCOMPARE(scroll->maximum(), 200 - list->topLevelItemCount());
            QCOMPARE(list->topLevelItem(0)->text(2).isEmpty(), false);
        }
        QVERIFY(window.close());
    }

    // A close while the update server keeps silent ends the check at once: no retry goes out
    // after the close, and no dialog comes.
    void closeDuringAnUpdateCheck()
    {
        using tidewell::test::LocalHttpServer;
        LocalHttpServer silent(
            [](const LocalHttpServer::Request&, int) {
                return LocalHttpServer::Response{"", true};
            });
        qputenv("TIDEWELL_UPDATE_URL",
                QByteArray("http://127.0.0.1:") + QByteArray::number(silent.port()) + "/update.php");
        {
            CMainUI window;
            window.show();
            for (QAction* action : window.findChildren<QAction*>())
                if (action->text() == QStringLiteral("Check for updates"))
                    action->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(silent.requests().size(), size_t(1), 30000);
            QVERIFY(window.close());
        }
        QCOMPARE(silent.requests().size(), size_t(1));
        QVERIFY(!TopLevelOf<WhatsNew>());
        qunsetenv("TIDEWELL_UPDATE_URL");
    }

    // "Refix" with nothing ticked retries the failed songs; beside "Fix All" it never shows.
    void resultBarButtons()
    {
        CMainUI window;
        window.show();
        auto* refix = window.findChild<CTextButton*>(QStringLiteral("MainUIRetry"));
        QStackedWidget* actions = window.findChild<QPushButton*>(QStringLiteral("main_fixallbut"))
                                      ->parentWidget()
                                      ->findChild<QStackedWidget*>();
        if (!actions)
            actions = qobject_cast<QStackedWidget*>(
                window.findChild<QPushButton*>(QStringLiteral("main_fixallbut"))->parentWidget());
        QVERIFY(refix && actions);
        actions->setCurrentIndex(CMainUI::ActionFixAll);
        window.EndFialedState(false);
        QVERIFY(refix->isHidden());
        actions->setCurrentIndex(CMainUI::ActionApply);
        window.EndFialedState(false);
        QVERIFY(!refix->isHidden());
        window.ButControl();
        QCOMPARE(window.Stage(), 3);
        QCOMPARE(window.RunState(), EWindowRunState::Running);
        QCOMPARE(actions->currentIndex(), int(CMainUI::ActionPause));
        QVERIFY(refix->isHidden());
    }
};

QTEST_MAIN(MainUIClosingTest)
#include "MainUIClosingTest.moc"
