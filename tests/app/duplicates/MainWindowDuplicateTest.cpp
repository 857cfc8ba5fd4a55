// The duplicate road through the real main window: Scan from the duplicate page, the groups and
// the score, a refused and an accepted Remove, Pause/Continue of the removal, a Remove with
// nothing left to remove, a restore, and the score and the removed count after each; the engine's
// scan of a folder tree, names that are not UTF-8 on their way to the recycle folder and back, and
// a scan result saved as a project and opened again.

#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CShadeLabel.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "DuptOptWidget.h"
#include "FailedTreeWidget.h"
#include "ITunesLibraryXml.h"
#include "LibraryXml.h"
#include "MainUI.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "NativePath.h"
#include "OwnDirectionDelegate.h"
#include "StartUI.h"
#include "TempHome.h"
#include "WidgetTestEnv.h"
#include "WindowRoadCheck.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QMimeData>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

namespace
{

void Click(CMainUI& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button && button->isVisible() && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Remove on the duplicate page, to its result shown again with the removal's thread ended.
bool RemoveToResult(CMainUI& window)
{
    Click(window, "main_removebut");
    return QTest::qWaitFor(
        [&]
        { return window.RunState() == EWindowRunState::ResultShown && !window.ApplyThread()->isRunning(); },
        60000);
}

// The settings of a private home, duplicates told by name and artist.
CAppSettings* TagCompareSettings()
{
    SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
    CAppSettings* settings = GetAppSettings();
    if (settings)
        settings->SetDuplicate(MF_Name | MF_Artist);
    return settings;
}

// The duplicate page's scan of one folder, to its result.
bool ScanFolder(CMainUI& window, const QString& folder)
{
    window.DuplicateControl()->Duplicate();
    window.DuplicateView()->SetPendingScanPaths({folder});
    window.DuplicateControl()->ScanDuplicate();
    return QTest::qWaitFor(
        [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); }, 60000);
}

// The duplicate page's Scan iTunes, to its result.
bool ScanLibrary(CMainUI& window)
{
    window.DuplicateControl()->Duplicate();
    QToolBar* bar = window.DuplicateView()->ScanList()->findChild<QToolBar*>();
    for (QAction* action : bar->actions())
        if (action->text() == QStringLiteral("Scan iTunes"))
            QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
    return QTest::qWaitFor(
        [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); }, 60000);
}

// What the header says of a result: the score, the message line and the hint texts.
QStringList Header(const CMainUI& window)
{
    return QStringList{window.findChild<QLabel*>(QStringLiteral("MainUIScore"))->text(),
                       window.MessageText()} +
           window.findChild<CShadeLabel*>(QStringLiteral("MainUIScroll"))->Texts();
}

// Every question answered with its first button, its text recorded.
struct FirstButtonAnswers
{
    QStringList asked;
    CMessageSeam::Scope answers{[this](const MessageQuestion& question)
                                {
                                    asked << question.text;
                                    return 1;
                                }};
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An entry's whole dictionary in the library file, by its persistent ID, without the space
// between its elements; empty when gone.
QByteArray EntryOf(const QString& library, const tidewell::test::LibraryTrack& track)
{
    const QString xml = QString::fromUtf8(ReadAll(library));
    const qsizetype at = xml.indexOf(QString::fromStdString("<string>" + track.persistentId + "<"));
    if (at < 0)
        return QByteArray();
    const qsizetype begin = xml.lastIndexOf(QStringLiteral("<dict>"), at);
    return xml.mid(begin, xml.indexOf(QStringLiteral("</dict>"), at) - begin)
        .trimmed()
        .replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"))
        .toUtf8();
}

} // namespace

class MainWindowDuplicateTest : public QObject
{
    Q_OBJECT

    QStringList m_roadEnd; // what the case's road left broken, told once its window has gone

private slots:
    void cleanup() { VERIFY_ROAD_INVARIANTS(std::exchange(m_roadEnd, {})); }

    void folderScanShowsTheGroupsAndRemoveRaisesTheScore()
    {
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/songs";
        QStringList files = tidewell::test::makeSongFolder(folder, 7, "Song", "song", false);
        QCOMPARE(files.size(), 7);
        QVERIFY(QFile::copy(files[0], folder + "/song0 copy.mp3"));
        QVERIFY(QFile::copy(files[0], folder + "/song0 again.mp3"));
        QVERIFY(QFile::copy(files[1], folder + "/song1 copy.mp3"));

        int answer = 2;
        int asked = 0;
        CMessageSeam::Scope answers(
            [&](const MessageQuestion&)
            {
                ++asked;
                return answer;
            });
        {
            CMainUI window;
            window.show();
            auto* score = window.findChild<QLabel*>("MainUIScore");
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            QVERIFY(score && message);

            // No score before anything was scanned.
            window.DuplicateControl()->Duplicate();
            QVERIFY(!score->isVisible());
            QVERIFY(ScanFolder(window, folder));
            QVERIFY(score->isVisible());
            QCOMPARE(window.DuplicateView()->RowCount(), 2);
            QCOMPARE(window.DuplicateView()->CurrentPage(), 1);
            QCOMPARE(message->text(), QStringLiteral("Scanned 10 song(s), found 5 duplicate(s)."));
            QCOMPARE(score->text(), QStringLiteral("50"));

            // "Cancel" on the confirmation leaves everything as it was.
            Click(window, "main_removebut");
            QCOMPARE(asked, 1);
            QCOMPARE(window.RunState(), EWindowRunState::ResultShown);

            // One more copy of the three is kept: the group keeps two and earns no step for it.
            QTreeWidget* tree = window.DuplicateView()->Tree();
            QTreeWidgetItem* three =
                tree->topLevelItem(0)->childCount() == 3 ? tree->topLevelItem(0) : tree->topLevelItem(1);
            QTreeWidgetItem* two =
                three == tree->topLevelItem(0) ? tree->topLevelItem(1) : tree->topLevelItem(0);
            QTreeWidgetItem* kept = three->child(2);
            QCOMPARE(kept->checkState(0), Qt::Checked);
            ClickCheck(tree, kept);
            QCOMPARE(kept->checkState(0), Qt::Unchecked);

            // A pause made as the removal's thread starts holds it before its first copy; the
            // window's Pause and Continue drive it.
            const QString day = settings->GetRecycleFolder() + "/" +
                                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            const QMetaObject::Connection hold = QObject::connect(
                window.ApplyThread(), &QThread::started, window.ApplyThread(),
                [&window] { window.DuplicateView()->SetPauseState(EPauseRequest::Pause, false); },
                Qt::DirectConnection);
            answer = 1;
            Click(window, "main_removebut");
            QCOMPARE(window.RunState(), EWindowRunState::Running);
            Click(window, "main_cancelbut");
            QCOMPARE(window.RunState(), EWindowRunState::Paused);
            QCOMPARE(message->text(), QStringLiteral("Paused. Wanna continue and experience a new library?"));
            QTest::qWait(300);
            QVERIFY(window.ApplyThread()->isRunning());
            QObject::disconnect(hold);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 10);
            Click(window, "main_cancelbut");
            auto removalEnded = [&]
            {
                return QTest::qWaitFor(
                    [&] {
                        return window.RunState() == EWindowRunState::ResultShown &&
                               !window.ApplyThread()->isRunning();
                    },
                    60000);
            };
            QVERIFY(removalEnded());
            QTest::qWait(100);
            QCOMPARE(score->text(), QStringLiteral("80"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 2 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(QDir(day).entryList(QDir::Files).size(), 2);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 8);

            // A Remove that finds nothing new to remove changes neither the score nor the count. A
            // Pause clicked once its thread has ended, its end still queued, belongs to no run.
            ClickCheck(tree, kept);
            ClickCheck(tree, kept);
            QCOMPARE(kept->checkState(0), Qt::Unchecked);
            Click(window, "main_removebut");
            QVERIFY(window.ApplyThread()->wait(60000));
            Click(window, "main_cancelbut");
            QCOMPARE(window.RunState(), EWindowRunState::Running);
            QVERIFY(removalEnded());
            QTest::qWait(100);
            QCOMPARE(score->text(), QStringLiteral("80"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 2 duplicate(s). If not sure to remove, you can undo the removal."));

            // Restoring the copy of the pair takes back its step and the pair's; the count follows.
            QTreeWidgetItem* removed = two->child(1);
            QVERIFY(removed->isDisabled());
            const QRect row = tree->visualItemRect(removed);
            const int x = tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2;
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
            // The restore runs on a worker; the row comes back when it has.
            QTRY_VERIFY(!removed->isDisabled());
            QTRY_COMPARE(score->text(), QStringLiteral("60"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 1 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 9);
            // The next Remove runs un-paused to its end.
            Click(window, "main_removebut");
            QVERIFY(removalEnded());
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 8);

            // With every copy back the page reads as the scan's result again.
            for (QTreeWidgetItemIterator next(tree, QTreeWidgetItemIterator::Disabled); *next;
                 next = QTreeWidgetItemIterator(tree, QTreeWidgetItemIterator::Disabled))
            {
                QTreeWidgetItem* copy = *next;
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  QPoint(x, tree->visualItemRect(copy).center().y()));
                QTRY_VERIFY(!copy->isDisabled());
            }
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 10);
            QTRY_COMPARE(message->text(), QStringLiteral("Scanned 10 song(s), found 5 duplicate(s)."));
            const QStringList hints = window.findChild<CShadeLabel*>("MainUIScroll")->Texts();
            QVERIFY2(!hints.join(' ').contains("removed"), qPrintable(hints.join('\n')));
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // A dropped folder is scanned with its sub-folders, links left out, and one without a song
    // says so. A copy whose name is not UTF-8 goes to the recycle folder and back by its bytes,
    // its deleted folder made again; when no folder can be made, the user is told where it lies.
    void aFolderTreeIsScannedAndACopyNamedByItsBytesGoesAndComesBack()
    {
        namespace fs = std::filesystem;
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/music";
        const std::string other = PathToNative(folder).toStdString() + "/Artist/Other";
        const std::string odd = other + "/\xff\xfe copy.mp3";
        const std::string trash = PathToNative(settings->GetRecycleFolder()).toStdString() + "/" +
                                  QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString() +
                                  "/\xff\xfe copy.mp3";
        QVERIFY(fs::create_directories(other));
        FirstButtonAnswers questions;
        QStringList& asked = questions.asked;
        {
            CMainUI window;
            window.show();
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            // From the start page's own button: the duplicate engine scans what the page was given.
            Click(window, "duplicate_obj");
            auto scan = [&]
            {
                window.DuplicateView()->SetPendingScanPaths({folder});
                window.DuplicateControl()->ScanDuplicate();
                return QTest::qWaitFor(
                    [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); },
                    60000);
            };
            QVERIFY(scan());
            QCOMPARE(message->text(),
                     QStringLiteral("No music files found in the folders and files you added. "
                                    "Please add others and try again."));
            Click(window, "main_selectbut");

            const QStringList files =
                tidewell::test::makeSongFolder(folder + "/Artist/Album", 2, "Song", "song", false);
            QVERIFY(fs::copy_file(PathToNative(files[0]).toStdString(), odd));
            QVERIFY(QFile::link(folder + "/Artist/Album", folder + "/Link"));
            QVERIFY(scan());
            QCOMPARE(message->text(), QStringLiteral("Scanned 3 song(s), found 2 duplicate(s)."));
            QTreeWidget* tree = window.DuplicateView()->Tree();
            QTreeWidgetItem* copy = tree->topLevelItem(0)->child(1);
            QCOMPARE(copy->text(4), PathFromNative(QByteArray::fromStdString(odd)));
            const QPoint restore(tree->header()->sectionViewportPosition(6) +
                                     tree->header()->sectionSize(6) / 2,
                                 tree->visualItemRect(copy).center().y());
            for (const bool folderMade : {true, false})
            {
                Click(window, "main_removebut");
                QVERIFY(QTest::qWaitFor(
                    [&] { return copy->isDisabled() && !window.ApplyThread()->isRunning(); }, 60000));
                QVERIFY(fs::is_regular_file(trash) && fs::remove(other));
                if (!folderMade)
                    QVERIFY(std::ofstream(other).good());
                const qsizetype before = asked.size();
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, restore);
                QTRY_VERIFY(folderMade ? !copy->isDisabled() : asked.size() > before);
                QCOMPARE(fs::is_regular_file(odd), folderMade);
            }
            QCOMPARE(asked.last(),
                     QStringLiteral("The song could not be restored. It is still in the recycle folder:\n") +
                         COwnDirectionDelegate::Isolated(PathFromNative(QByteArray::fromStdString(trash))));
            // The home's clean-up goes through Qt, which cannot name it: the copy goes with its record.
            fs::remove_all(fs::path(trash).parent_path());
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        g_nWorkMode = EWorkMode::ITunes; // the start page's choice outlives its window
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // The same song in every format the engine reads, each in its own sub-folder, dropped on the
    // duplicate page as a folder and as files: all are scanned, and the count is the count scanned.
    // A folder or file dropped again under another spelling or through a link is listed and
    // scanned once, and a second hard link of a song is that song.
    void everyFormatTheEngineReadsIsScannedFromFoldersAndDrops()
    {
        using namespace tidewell::test;
        TempHome home;
        QVERIFY(TagCompareSettings());
        const QString folder = home.path() + "/music";
        QStringList made;
        for (AudioFormat format : {AudioFormat::Mp3, AudioFormat::M4a, AudioFormat::Flac, AudioFormat::Wma,
                                   AudioFormat::Aiff, AudioFormat::Wav, AudioFormat::Tta, AudioFormat::Ogg})
        {
            AudioSpec sound;
            sound.format = format;
            sound.seconds = 1.0;
            sound.tags = {"Tide", "Shore", "Coast", "Rock", 2001};
            const QString ext = extensionOf(format);
            QVERIFY(QDir().mkpath(folder + "/" + ext));
            made << folder + "/" + ext + "/tide." + ext.toUpper();
            QVERIFY2(makeAudioFile(made.last(), sound), qPrintable(made.last()));
        }
        QVERIFY(QFile::link(folder, home.path() + "/music-link"));
        QCOMPARE(::link(QFile::encodeName(made[0]).constData(),
                        QFile::encodeName(folder + "/mp3/tide again.mp3").constData()),
                 0);
        CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });
        {
            CMainUI window;
            window.show();
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            int listed = 0;
            auto dropAndScan = [&](const QStringList& paths)
            {
                Click(window, "duplicate_obj");
                QMimeData data;
                QList<QUrl> urls;
                for (const QString& path : paths)
                    urls << QUrl::fromLocalFile(path);
                data.setUrls(urls);
                QWidget* list = window.DuplicateView()->ScanList();
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(list, &enter);
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(list, &drop);
                listed =
                    list->findChild<QTreeWidget*>(QStringLiteral("DuptOptDragTree"))->topLevelItemCount();
                Click(window, "main_scanbut");
                return QTest::qWaitFor(
                    [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); },
                    60000);
            };
            struct Scan
            {
                QStringList paths;
                int rows;
                int count;
            };
            const QList<Scan> scans{
                {{folder, folder + "//", home.path() + "/music-link", folder + "/./mp3/.."}, 1, 8},
                {{folder + "/flac", folder + "/ogg", home.path() + "/music-link/ogg/"}, 2, 2},
                {{made[4], made[5], made[6], folder + "//aiff/tide.AIFF"}, 3, 3}};
            for (const auto& [paths, rows, count] : scans)
            {
                QVERIFY(dropAndScan(paths));
                QCOMPARE(listed, rows);
                QCOMPARE(message->text(),
                         QStringLiteral("Scanned %1 song(s), found %1 duplicate(s).").arg(count));
                QTreeWidgetItem* group = window.DuplicateView()->Tree()->topLevelItem(0);
                QVERIFY(group);
                QCOMPARE(group->childCount(), count);
                Click(window, "main_gohome");
            }
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // A recycle folder that cannot be written (here a file stands where the day's folder goes, as
    // root writes anywhere): Remove moves nothing, loses nothing, names the copy and stays offered.
    // Once it can be written, a copy whose name is as long as names may be goes, although a copy
    // of that name went there before.
    void removalIntoAnUnusableRecycleFolderSaysSo()
    {
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/songs";
        const QStringList files = tidewell::test::makeSongFolder(folder, 2, "Song", "song", false);
        QCOMPARE(files.size(), 2);
        const QString longName = QString(251, u'a') + ".mp3";
        QVERIFY(QFile::copy(files[0], folder + "/" + longName));
        QVERIFY(QFile::rename(files[0], folder + "/" + QString(251, u'b') + ".mp3"));
        FirstButtonAnswers questions;
        QStringList& asked = questions.asked;
        {
            CMainUI window;
            window.show();
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            auto* hints = window.findChild<CShadeLabel*>("MainUIScroll");
            QVERIFY(message && hints);
            QVERIFY(ScanFolder(window, folder));
            QCOMPARE(window.DuplicateView()->RowCount(), 1);
            QTreeWidgetItem* group = window.DuplicateView()->Tree()->topLevelItem(0);
            const QString removed =
                group->child(group->child(0)->checkState(0) == Qt::Checked ? 0 : 1)->text(4);

            // After the page's clean-up of the recycle folder, which removes what is no folder.
            const QString day = settings->GetRecycleFolder() + "/" +
                                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            QVERIFY(QDir(day).removeRecursively());
            QVERIFY(QDir().mkpath(settings->GetRecycleFolder()));
            QFile blocker(day);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            auto remove = [&] { return RemoveToResult(window); };
            QVERIFY(remove());
            QTest::qWait(100);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
            // Nothing was removed: the scan's result stands, with what went wrong. The header says
            // it in short; a box names the copy, its whole path.
            QCOMPARE(message->text(), QStringLiteral("Scanned 3 song(s), found 2 duplicate(s)."));
            QCOMPARE(hints->Texts(), QStringList{QStringLiteral(
                                         "1 duplicate(s) could not be moved. Click Remove to try again.")});
            QCOMPARE(asked.size(), 2); // the Remove confirmation, then the box
            QCOMPARE(asked.last(),
                     QStringLiteral("1 duplicate(s) could not be moved to the recycle folder:\n%1\n"
                                    "Click Remove to try again.")
                         .arg(COwnDirectionDelegate::Isolated(removed)));
            QVERIFY(window.findChild<QAbstractButton*>("main_removebut")->isEnabled());

            QVERIFY(blocker.remove() && QDir().mkpath(day));
            const QString earlier = day + "/" + QFileInfo(removed).fileName();
            QVERIFY(QFile::copy(files[1], earlier));
            QVERIFY(remove());
            QTRY_COMPARE(
                message->text(),
                QStringLiteral("Removed 1 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
            const QStringList recycled = QDir(day).entryList(QDir::Files);
            QCOMPARE(recycled.size(), 2);
            for (const QString& name : recycled)
                QVERIFY(name.size() <= 255 && name.startsWith(QFileInfo(removed).fileName().left(200)));
            QVERIFY(QFile::remove(earlier)); // the case's own copy, put there without a record
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // A library that lists one file twice (an entry copied by hand in the library file), in each
    // format the program reads, the second entry spelling the file as the first does, through a
    // linked folder, with "//" or with "/./": Remove takes one entry of each pair out of the
    // library and leaves the file to the entry that keeps it; a copy in a file of its own still
    // goes to the recycle folder. Restore gives each entry back as it was (ids, rating, plays,
    // playlist), live and from the saved project in a new window.
    void libraryEntryWhoseFileAnotherKeepsLeavesTheFile()
    {
        using tidewell::test::AudioFormat;
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/Music/iTunes/Media";
        QDir().mkpath(folder);
        QVERIFY(QFile::link(folder, folder + "-link"));
        const QStringList spellings{folder + "/", folder + "-link/", folder + "//", folder + "/./"};
        QStringList files;
        std::vector<tidewell::test::LibraryTrack> tracks;
        tidewell::test::LibraryPlaylist mine;
        mine.name = "Mine";
        mine.persistentId = "00000000000000F1";
        const AudioFormat formats[] = {AudioFormat::Mp3, AudioFormat::M4a,  AudioFormat::Flac,
                                       AudioFormat::Wma, AudioFormat::Aiff, AudioFormat::Wav,
                                       AudioFormat::Ogg};
        for (const AudioFormat format : formats)
        {
            const int i = static_cast<int>(files.size());
            tidewell::test::AudioSpec sound;
            sound.format = format;
            sound.seconds = 1.0;
            sound.toneHz = 300.0 + 50.0 * i;
            const QString name = QStringLiteral("tune%1.").arg(i) + tidewell::test::extensionOf(format);
            QVERIFY(tidewell::test::makeAudioFile(folder + "/" + name, sound));
            files << folder + "/" + name;
            for (int entry = 0; entry < 2; ++entry)
            {
                tidewell::test::LibraryTrack track;
                track.trackId = 100 + 2 * i + entry;
                track.persistentId =
                    QStringLiteral("%1").arg(track.trackId, 16, 16, QLatin1Char('0')).toUpper().toStdString();
                track.name = QStringLiteral("Tune %1").arg(i).toStdString();
                track.artist = QStringLiteral("Artist %1").arg(i).toStdString();
                track.totalTime = 1000;
                track.bitRate = 128;
                track.size = QFileInfo(files.last()).size();
                const QString spelling = entry == 0 ? spellings[0] : spellings[i % spellings.size()];
                track.location =
                    "file://localhost" + QUrl::toPercentEncoding(spelling + name, "/").toStdString();
                track.extraXml = QStringLiteral("<key>Rating</key><integer>%1</integer><key>Play Count</key>"
                                                "<integer>%2</integer>")
                                     .arg(20 * entry + 40)
                                     .arg(track.trackId)
                                     .toStdString();
                tracks.push_back(track);
                mine.items.push_back(track.trackId);
            }
        }
        // And a copy in its own file: moved as before.
        const QString copy = folder + "/tune0 copy.mp3";
        QVERIFY(QFile::copy(files[0], copy));
        tracks.push_back(tracks.front());
        tracks.back().trackId = 200;
        tracks.back().persistentId = "00000000000000C8";
        tracks.back().location = "file://localhost" + QUrl::toPercentEncoding(copy, "/").toStdString();
        tracks.back().bitRate = 64; // the poorer copy goes
        std::vector<tidewell::test::LibraryPlaylist> playlists = tidewell::test::standardPlaylists(tracks);
        playlists.push_back(mine);
        const QString library = home.path() + "/Music/iTunes/iTunes Music Library.xml";
        QVERIFY(tidewell::test::writeTextFile(library, tidewell::test::libraryXml(tracks, playlists)));
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        auto digest = [](const QString& path)
        {
            QFile file(path);
            return file.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                       : QByteArray();
        };
        QList<QByteArray> digests;
        for (const QString& file : files)
            digests << digest(file);
        auto entry = [&](const tidewell::test::LibraryTrack& track) { return EntryOf(library, track); };
        auto entriesOf = [&](int i)
        { return int(!entry(tracks[2 * i]).isEmpty()) + int(!entry(tracks[2 * i + 1]).isEmpty()); };
        QList<QByteArray> entries;
        for (const auto& track : tracks)
            entries << entry(track);
        // Every entry of the files is back as it was, in its playlist: empty, or the first that is not.
        auto entryNotBack = [&]
        {
            for (size_t t = 0; t + 1 < tracks.size(); ++t)
                if (entry(tracks[t]) != entries[static_cast<int>(t)])
                    return entries[static_cast<int>(t)] + "\n" + entry(tracks[t]);
            const QByteArray xml = ReadAll(library);
            const QByteArray own = xml.mid(xml.indexOf("<string>Mine</string>"));
            for (const int id : mine.items)
                if (!own.contains("<integer>" + QByteArray::number(id) + "</integer>"))
                    return "not in Mine: " + QByteArray::number(id);
            return QByteArray();
        };
        const QString project = home.path() + "/library.zavrodata";
        const QString day =
            settings->GetRecycleFolder() + "/" + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        auto clickRestore = [](QTreeWidget* tree, QTreeWidgetItem* row)
        {
            tree->scrollToItem(row);
            QTest::mouseClick(
                tree->viewport(), Qt::LeftButton, {},
                QPoint(tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2,
                       tree->visualItemRect(row).center().y()));
        };

        QStringList asked;
        CMessageSeam::Scope answers([&](const MessageQuestion& question)
                                    { return asked << question.text, 1; });
        QStringList header;
        {
            CMainUI window;
            window.show();
            QVERIFY(ScanLibrary(window));
            QTreeWidget* tree = window.DuplicateView()->Tree();
            QCOMPARE(tree->topLevelItemCount(), static_cast<int>(files.size()));

            QVERIFY(RemoveToResult(window));
            QTRY_COMPARE(
                window.findChild<CShadeLabel*>("MainUIFixing")->text(),
                QStringLiteral("Removed 8 duplicate(s). If not sure to remove, you can undo the removal."));
            for (int i = 0; i < files.size(); ++i)
            {
                QCOMPARE(digest(files[i]), digests[i]);
                QCOMPARE(entriesOf(i), 1);
            }
            QVERIFY(!QFile::exists(copy));
            QCOMPARE(QDir(day).entryList(QDir::Files), QStringList{"tune0 copy.mp3"});

            // The restore icon of the removed entry of the flac's group, whose second entry names
            // the file with "//": the entry comes back, the file stays.
            QTreeWidgetItem* removed = nullptr;
            for (QTreeWidgetItemIterator next(tree, QTreeWidgetItemIterator::Disabled); *next && !removed;
                 ++next)
                if (QFileInfo((*next)->text(4)).fileName() == QFileInfo(files[2]).fileName())
                    removed = *next;
            QVERIFY(removed);
            clickRestore(tree, removed);
            QTRY_VERIFY(!removed->isDisabled());
            QCOMPARE(entriesOf(2), 2);
            QCOMPARE(digest(files[2]), digests[2]);
            QCOMPARE(QDir(day).entryList(QDir::Files), QStringList{"tune0 copy.mp3"});

            header = Header(window);
            QVERIFY(header.value(1).startsWith(QStringLiteral("Removed 7 duplicate(s).")));
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            for (QAction* action : window.findChildren<QAction*>())
                if (action->text() == QStringLiteral("Save Project"))
                    action->trigger();
            window.close();
        }
        // A new start: the saved result reads as the removal and the restore left it, and each
        // restore icon gives its entry back.
        asked.clear(); // the confirmation of Remove
        {
            CMainUI window;
            window.show();
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            QTest::mouseClick(window.findChild<QAbstractButton*>("load_obj"), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return window.Stage() != 0 && window.RunState() == EWindowRunState::ResultShown &&
                           !window.IsBusy();
                },
                60000));
            QCOMPARE(Header(window), header);
            QTreeWidget* tree = window.DuplicateView()->Tree();
            // Without the library's record of what the removal took, the entry cannot come back:
            // the user is told, and the row stays removed until it can.
            const QString store = library + ".tidewell-removed";
            QVERIFY(QFile::rename(store, store + ".aside"));
            QTreeWidgetItemIterator first(tree, QTreeWidgetItemIterator::Disabled);
            if ((*first)->text(4) == copy)
                ++first;
            QTreeWidgetItem* lost = *first;
            clickRestore(tree, lost);
            QTRY_COMPARE(
                asked,
                QStringList{QStringLiteral("The song's entry could not be given back to the library. Its "
                                           "file is in place and stays in the library through another "
                                           "entry:\n") +
                            COwnDirectionDelegate::Isolated(lost->text(4))});
            QVERIFY(lost->isDisabled());
            asked.clear();
            QVERIFY(QFile::rename(store + ".aside", store));
            for (QTreeWidgetItemIterator next(tree, QTreeWidgetItemIterator::Disabled); *next;
                 next = QTreeWidgetItemIterator(tree, QTreeWidgetItemIterator::Disabled))
            {
                QTreeWidgetItem* row = *next;
                clickRestore(tree, row);
                QTRY_VERIFY2(!row->isDisabled() || !asked.isEmpty(), qPrintable(row->text(4)));
                QVERIFY2(asked.isEmpty(), qPrintable(asked.join('\n')));
            }
            const QByteArray notBack = entryNotBack();
            QVERIFY2(notBack.isEmpty(), notBack.constData());
            QCOMPARE(ReadAll(copy).isEmpty(), false);
            for (int i = 0; i < files.size(); ++i)
                QCOMPARE(digest(files[i]), digests[i]);
            QCOMPARE(QDir(day).entryList(QDir::Files), QStringList{});
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        g_bScaniTunes = false;
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // Save Project from the engine's scan (Clean-up Duplicates) writes a project, which Load Saved
    // Result opens again as the same groups with the ticks the user left.
    // A criterion changed on the duplicate page is kept when the user goes Home without a scan.
    void restoresClickedTogetherComeBackAndAFailedSaveKeepsThemRestorable()
    {
        tidewell::test::TempHome home;
        QVERIFY(TagCompareSettings());
        const QString folder = home.path() + "/Music/iTunes/Media";
        QVERIFY(QDir().mkpath(folder));
        // Four songs with a copy in a file of its own, and one song listed five times in one file.
        std::vector<tidewell::test::LibraryTrack> tracks;
        tidewell::test::LibraryPlaylist mine;
        mine.name = "Mine";
        mine.persistentId = "00000000000000F1";
        for (int i = 0; i < 13; ++i)
        {
            const int song = i < 8 ? i / 2 : 4;
            const QString file = folder + (i < 8 ? QStringLiteral("/tune%1 %2.mp3").arg(song).arg(i % 2)
                                                 : QStringLiteral("/shared.mp3"));
            if (!QFileInfo::exists(file))
            {
                tidewell::test::AudioSpec sound;
                sound.seconds = 1.0;
                sound.toneHz = 300.0 + 50.0 * song;
                QVERIFY(tidewell::test::makeAudioFile(file, sound));
            }
            tidewell::test::LibraryTrack track;
            track.trackId = 100 + i;
            track.persistentId =
                QStringLiteral("%1").arg(0xB00 + i, 16, 16, QLatin1Char('0')).toUpper().toStdString();
            track.name = QStringLiteral("Tune %1").arg(song).toStdString();
            track.artist = QStringLiteral("Artist %1").arg(song).toStdString();
            track.totalTime = 1000;
            track.bitRate = 128 - i; // the first of each song is kept
            track.size = QFileInfo(file).size();
            track.location = "file://localhost" + QUrl::toPercentEncoding(file, "/").toStdString();
            track.extraXml =
                QStringLiteral("<key>Rating</key><integer>%1</integer>").arg(20 + i).toStdString();
            tracks.push_back(track);
            mine.items.push_back(track.trackId);
        }
        std::vector<tidewell::test::LibraryPlaylist> playlists = tidewell::test::standardPlaylists(tracks);
        playlists.push_back(mine);
        const QString library = home.path() + "/Music/iTunes/iTunes Music Library.xml";
        QVERIFY(tidewell::test::writeTextFile(library, tidewell::test::libraryXml(tracks, playlists)));
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        auto entry = [&](const tidewell::test::LibraryTrack& track) { return EntryOf(library, track); };
        QList<QByteArray> entries;
        for (const auto& track : tracks)
            entries << entry(track);
        // Every entry as it was and in Mine: empty, or the first that is not.
        auto entryNotBack = [&]
        {
            for (size_t t = 0; t < tracks.size(); ++t)
                if (entry(tracks[t]) != entries[static_cast<int>(t)])
                    return entries[static_cast<int>(t)] + "\n" + entry(tracks[t]);
            const QByteArray xml = ReadAll(library);
            const QByteArray own = xml.mid(xml.indexOf("<string>Mine</string>"));
            for (const int id : mine.items)
                if (!own.contains("<integer>" + QByteArray::number(id) + "</integer>"))
                    return "not in Mine: " + QByteArray::number(id);
            return QByteArray();
        };
        FirstButtonAnswers questions;
        CMainUI window;
        window.show();
        QVERIFY(ScanLibrary(window));
        QTreeWidget* tree = window.DuplicateView()->Tree();
        auto removeAll = [&] { return RemoveToResult(window); };
        auto removedRows = [&]
        {
            QList<QTreeWidgetItem*> rows;
            for (QTreeWidgetItemIterator next(tree, QTreeWidgetItemIterator::Disabled); *next; ++next)
                rows << *next;
            return rows;
        };
        // Every restore icon clicked at once, none waited for.
        auto clickAll = [&](const QList<QTreeWidgetItem*>& rows)
        {
            for (QTreeWidgetItem* row : rows)
            {
                tree->scrollToItem(row);
                QTest::mouseClick(
                    tree->viewport(), Qt::LeftButton, {},
                    QPoint(tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2,
                           tree->visualItemRect(row).center().y()));
            }
        };
        QVERIFY(removeAll());
        QList<QTreeWidgetItem*> removed = removedRows();
        QCOMPARE(removed.size(), 8);
        questions.asked.clear(); // the confirmation of Remove

        // A save that cannot replace the library file (it has a second name): each restore is
        // named as failed and its row stays removed, to be tried again.
        const QByteArray second = QFile::encodeName(library + ".second");
        QCOMPARE(::link(QFile::encodeName(library).constData(), second.constData()), 0);
        const QByteArray before = ReadAll(library);
        clickAll(removed);
        QTRY_COMPARE_WITH_TIMEOUT(questions.asked.size(), 8, 60000);
        for (const QString& text : questions.asked)
            QVERIFY2(text.startsWith(QStringLiteral("Undo remove failed")) ||
                         text.startsWith(QStringLiteral("The song could not be restored.")),
                     qPrintable(text));
        QCOMPARE(removedRows(), removed);
        QCOMPARE(ReadAll(library), before);
        QCOMPARE(::unlink(second.constData()), 0);

        questions.asked.clear();
        clickAll(removed);
        QTRY_VERIFY_WITH_TIMEOUT(removedRows().isEmpty(), 60000);
        QVERIFY2(questions.asked.isEmpty(), qPrintable(questions.asked.join('\n')));
        const QByteArray notBack = entryNotBack();
        QVERIFY2(notBack.isEmpty(), notBack.constData());
        m_roadEnd = tidewell::test::WindowRoadFaults(window);
    }

    void aCriterionChangedOnThePageIsKeptByHome()
    {
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        {
            CMainUI window;
            window.show();
            QTest::mouseClick(window.findChild<QAbstractButton*>("duplicate_obj"), Qt::LeftButton);
            QCheckBox* album = nullptr;
            for (QCheckBox* box : window.findChild<QWidget*>("Duplicatemode")->findChildren<QCheckBox*>())
                if (box->text() == QStringLiteral("Album"))
                    album = box;
            QVERIFY(album && album->isVisible() && !album->isChecked());
            QTest::mouseClick(album, Qt::LeftButton, {}, QPoint(album->height() / 2, album->height() / 2));
            QVERIFY(album->isChecked());
            Click(window, "main_gohome");
            QCOMPARE(settings->GetDuplicate() & (MF_Name | MF_Artist | MF_Album),
                     MF_Name | MF_Artist | MF_Album);
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // A scan that finds no duplicates; Return shows the page as the user set it up (the folder
    // still listed, the duplicate picture alone in the header) and Scan scans it again. With the
    // list emptied, Scan says there is nothing to scan.
    void returnFromNoDuplicatesKeepsTheListAndAnEmptyScanSaysSo()
    {
        tidewell::test::TempHome home;
        QVERIFY(TagCompareSettings());
        const QString folder = home.path() + "/distinct";
        QCOMPARE(tidewell::test::makeSongFolder(folder, 3, "Song", "song", false).size(), 3);
        FirstButtonAnswers questions;
        QStringList& asked = questions.asked;
        {
            CMainUI window;
            window.show();
            Click(window, "duplicate_obj");
            QTreeWidget* list = window.DuplicateView()->ScanList()->Tree();
            QToolBar* bar = window.DuplicateView()->ScanList()->findChild<QToolBar*>();
            const auto tool = [bar](const QString& text)
            {
                for (QAction* action : bar->actions())
                    if (action->text() == text)
                        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
            };
            {
                CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{folder}; });
                tool(QStringLiteral("Add"));
            }
            auto* header = window.findChild<QWidget*>(QStringLiteral("label_back"));
            const auto* still = header->findChild<QLabel*>();
            for (int round = 0; round < 2; ++round)
            {
                Click(window, "main_scanbut");
                QVERIFY(QTest::qWaitFor(
                    [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); },
                    60000));
                QVERIFY(
                    Header(window).contains(QStringLiteral("Hah, no duplicaites on your PC. Satisfied?")));
                Click(window, "main_selectbut");
                QCOMPARE(window.ContentStack()->currentIndex(), int(CMainUI::PageDuplicate));
                QCOMPARE(list->topLevelItemCount(), 1);
                QCOMPARE(list->topLevelItem(0)->text(1), folder);
                QVERIFY(header->styleSheet().contains(QLatin1String("label/duplicate.png")));
                QVERIFY(still->pixmap().isNull() && !still->movie());
            }
            QVERIFY(asked.isEmpty());

            list->selectAll();
            tool(QStringLiteral("Delete"));
            QCOMPARE(list->topLevelItemCount(), 0);
            Click(window, "main_scanbut");
            QCOMPARE(asked,
                     QStringList{QStringLiteral("There is nothing to scan yet. Add music files or folders, "
                                                "or drop them here, then click Scan.")});
            QCOMPARE(window.ContentStack()->currentIndex(), int(CMainUI::PageDuplicate));
            QCOMPARE(window.ActionStack()->currentIndex(), int(CMainUI::ActionScan));
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    void savedScanResultOpensAgainAsDuplicates()
    {
        tidewell::test::TempHome home;
        QVERIFY(TagCompareSettings());
        const QString folder = home.path() + "/songs";
        const QStringList files = tidewell::test::makeSongFolder(folder, 3, "Song", "song", false);
        for (const char* copy : {"/song0 copy.mp3", "/song0 again.mp3"})
            QVERIFY(QFile::copy(files.value(0), folder + copy));
        int asked = 0;
        CMessageSeam::Scope answers([&](const MessageQuestion&) { return ++asked, 1; });
        const QString project = home.path() + "/scan.zavrodata";
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
        {
            CMainUI window;
            window.show();
            QTest::mouseClick(window.findChild<QAbstractButton*>("duplicate_obj"), Qt::LeftButton);
            window.DuplicateView()->SetPendingScanPaths({folder});
            Click(window, "main_scanbut");
            QVERIFY(QTest::qWaitFor(
                [&] { return window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); },
                60000));
            QTreeWidgetItem* group = window.DuplicateView()->Tree()->topLevelItem(0);
            QVERIFY(group && group->childCount() == 3);
            const QString kept = group->child(2)->text(4); // the path
            ClickCheck(window.DuplicateView()->Tree(), group->child(2));
            const QStringList header = Header(window);
            for (QAction* action : window.findChildren<QAction*>())
                if (action->text() == QStringLiteral("Save Project"))
                    action->trigger();
            QCOMPARE(asked, 0);

            window.GoHome();
            QTest::mouseClick(window.findChild<QAbstractButton*>("load_obj"), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return window.Stage() != 0 && window.RunState() == EWindowRunState::ResultShown &&
                           !window.IsBusy();
                },
                60000));
            QCOMPARE(window.ContentStack()->currentIndex(), int(CMainUI::PageDuplicate));
            QCOMPARE(Header(window), header);
            group = window.DuplicateView()->Tree()->topLevelItem(0);
            QVERIFY(group && group->childCount() == 3);
            int ticked = 0;
            for (int c = 0; c < 3; ++c)
                if (group->child(c)->checkState(0) == Qt::Checked)
                    QVERIFY(++ticked && group->child(c)->text(4) != kept);
            QCOMPARE(ticked, 1);
            m_roadEnd = tidewell::test::WindowRoadFaults(window);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }
    // A removal saved as a project and opened again: rows edited by hand to name another file or
    // another place restore nothing and make no folder; a copy whose place another file took stays
    // where the user is told it lies; the copy comes back byte for byte once its place is free.
    void aSavedRemovalRestoresOnlyWhatTheProgramRemoved()
    {
        using namespace tidewell::test;
        TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/songs", secret = home.path() + "/.ssh/id_decoy";
        QMap<QString, QByteArray> bytes;
        int i = 0;
        for (const AudioFormat format :
             {AudioFormat::Mp3, AudioFormat::M4a, AudioFormat::Wma, AudioFormat::Mp3})
        {
            AudioSpec sound;
            sound.format = format;
            sound.seconds = 1.0;
            sound.toneHz = 300.0 + 50 * i;
            sound.tags = {QStringLiteral("Song"), QStringLiteral("Artist"), {}, {}, 0};
            const QString path = QStringLiteral("%1/copy%2.%3").arg(folder).arg(i++).arg(extensionOf(format));
            QVERIFY(QDir().mkpath(folder) && makeAudioFile(path, sound));
            bytes[path] = ReadAll(path);
        }
        QVERIFY(QDir().mkpath(home.path() + "/.ssh"));
        QVERIFY(writeTextFile(secret, "decoy key"));
        QStringList asked;
        CMessageSeam::Scope answers([&](const MessageQuestion& question)
                                    { return asked << question.text, 1; });
        const QString project = home.path() + "/removed.zavrodata";
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
        CMainUI window;
        window.show();
        QVERIFY(ScanFolder(window, folder));
        QVERIFY(RemoveToResult(window));
        const QStringList header = Header(window);
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == QStringLiteral("Save Project"))
                action->trigger();
        const char* const removedRows = " from TracksTable where TrashPath != '' order by rowid";
        const auto locations =
            manager_test::QueryColumn(project, std::string("select Location") + removedRows);
        const auto trashes =
            manager_test::QueryColumn(project, std::string("select TrashPath") + removedRows);
        QCOMPARE(locations.size(), size_t(3));
        const QString moved = QString::fromStdString(locations[2]),
                      trash = QString::fromStdString(trashes[2]);
        // Any file to a new folder; a true copy to a place it never was.
        const std::string home8 = home.path().toStdString();
        QCOMPARE(manager_test::Exec(project, "update TracksTable set TrashPath = '" + secret.toStdString() +
                                                 "', Location = '" + home8 +
                                                 "/public/id' where Location = '" + locations[0] + "'"),
                 0);
        QCOMPARE(manager_test::Exec(project, "update TracksTable set Location = '" + home8 +
                                                 "/.config/autostart/x.mp3' where Location = '" +
                                                 locations[1] + "'"),
                 0);
        QVERIFY(tidewell::test::writeTextFile(moved, "another file"));

        window.GoHome();
        QTest::mouseClick(window.findChild<QAbstractButton*>("load_obj"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return window.Stage() != 0 && window.RunState() == EWindowRunState::ResultShown &&
                       !window.IsBusy();
            },
            60000));
        QCOMPARE(Header(window), header);
        QTreeWidget* tree = window.DuplicateView()->Tree();
        // A click on the restore icon of the row showing `location`: what the user was told, or
        // nothing when the row came back.
        auto restore = [&](const QString& location)
        {
            const auto rows = tree->findItems(location, Qt::MatchExactly | Qt::MatchRecursive, 4);
            const qsizetype before = asked.size();
            if (rows.size() != 1)
                return QStringLiteral("no such row");
            QTest::mouseClick(
                tree->viewport(), Qt::LeftButton, {},
                QPoint(tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2,
                       tree->visualItemRect(rows[0]).center().y()));
            const bool done =
                QTest::qWaitFor([&] { return asked.size() > before || !rows[0]->isDisabled(); }, 60000);
            return !done || (asked.size() > before) != rows[0]->isDisabled()
                       ? QStringLiteral("row and message disagree")
                       : asked.mid(before).join(u'\n');
        };
        const QString refused =
            QStringLiteral("Undo remove failed. No remove history found\nin the Zavro_Recycle Bin.");
        QCOMPARE(restore(home.path() + "/public/id"), refused);
        QCOMPARE(restore(home.path() + "/.config/autostart/x.mp3"), refused);
        QCOMPARE(ReadAll(secret), QByteArray("decoy key"));
        QVERIFY(!QFileInfo::exists(home.path() + "/public") &&
                !QFileInfo::exists(home.path() + "/.config/autostart"));
        QCOMPARE(ReadAll(QString::fromStdString(trashes[1])), bytes[QString::fromStdString(locations[1])]);

        QCOMPARE(restore(moved),
                 QStringLiteral("The song could not be restored. It is still in the recycle folder:\n") +
                     COwnDirectionDelegate::Isolated(trash));
        QCOMPARE(ReadAll(trash), bytes[moved]);
        QVERIFY(QFile::remove(moved));
        QCOMPARE(restore(moved), QString());
        QCOMPARE(ReadAll(moved), bytes[moved]);
        QVERIFY(!QFileInfo::exists(trash));
        m_roadEnd = tidewell::test::WindowRoadFaults(window);
        window.close();
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }
};

QTEST_MAIN(MainWindowDuplicateTest)
#include "MainWindowDuplicateTest.moc"
