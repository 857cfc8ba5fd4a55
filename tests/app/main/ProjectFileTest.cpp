// Saved projects through the real main window's Load Saved Result: files that are no project are
// refused before anything is replaced, a project opens as the kind of result it was saved as, its
// unapplied fixes are pending again while the file stays the user's, and a huge song name reaches
// the rows cut while the song keeps it whole.
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "CShadeLabel.h"
#include "MainUI.h"
#include "MainWindowCase.h"
#include "MusicFlags.h"
#include "MusicManageTypes.h"
#include "MusicObj.h"
#include "NestedWait.h"
#include "QuantityWidget.h"
#include "ScreenText.h"
#include "StartUI.h"
#include "TypeTreeItem.h"
#include "WidgetTestEnv.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Runs statements on a database file, creating it when missing.
bool Exec(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
              sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// A number the window keeps beside the tracks, or -1.
int LibraryValue(const QString& path, const char* key)
{
    sqlite3* db = nullptr;
    int value = -1;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT Value FROM LibraryInfo WHERE Key = ?1", -1, &stmt, nullptr) ==
            SQLITE_OK)
    {
        sqlite3_bind_text(stmt, 1, key, -1, SQLITE_STATIC);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_int(stmt, 0);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

// A copy of a database whose TracksTable (page 2, the first table made) points its last row
// outside the page: the first row still reads, SQLite's check calls the file malformed.
QByteArray LastCellPointerBroken(QByteArray db)
{
    const int page = (uchar(db.at(16)) << 8) | uchar(db.at(17)); // one page size in: page 2
    if (db.size() < 2 * page || db.at(page) != 0x0D)             // a leaf page of a table
        return {};
    const int cells = (uchar(db.at(page + 3)) << 8) | uchar(db.at(page + 4));
    db[page + 6 + 2 * cells] = char(0xFF);
    db[page + 7 + 2 * cells] = char(0xF0);
    return db;
}

} // namespace

class ProjectFileTest : public QObject, public MainWindowCase
{
    Q_OBJECT

private:
    WidgetTestEnv m_env;

    QString Home() const { return QDir::homePath(); }

    // Songs without artwork, so each is a problem row of the report; loaded, saved as a project,
    // and the window back home. The project's path.
    QString SaveProject(const QString& name, int songs)
    {
        const QString folder = Home() + QStringLiteral("/") + name;
        if (tidewell::test::makeSongFolder(folder, songs, QStringLiteral("Song"), QStringLiteral("s"), false)
                .size() != songs)
            return QString();
        m_window->LoadStartParam({folder}, g_strDBPath, RunModeFiles);
        if (!QTest::qWaitFor([this] { return RoadEnded(); }, 60000))
            return QString();
        const QString project = Home() + QStringLiteral("/") + name + QStringLiteral(".zavrodata");
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            m_window->ApplyOrSave(3);
        }
        m_window->GoHome();
        return QFile::exists(project) ? project : QString();
    }

    // Load Saved Result with the given answer to the file picker, as the user presses it.
    void PressLoadSaved(const QString& answer)
    {
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{answer}; });
        auto* button = m_window->StartPage()->findChild<QPushButton*>(QStringLiteral("load_obj"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup()
    {
        CheckRoadInvariants();
        CloseWindow();
    }

    // Every shape of file that is no project: the working database of an interrupted run and the
    // chosen file stay byte for byte, the user is told, and nothing starts. A real project then
    // opens from the same button.
    void hostileProjectsAreRefused()
    {
        const QString project = SaveProject(QStringLiteral("real"), 3);
        QVERIFY(!project.isEmpty());
        const QByteArray good = ReadAll(project);
        QVERIFY(good.startsWith("SQLite format 3"));
        const QString dir = Home() + QStringLiteral("/hostile");
        QDir().mkpath(dir);

        QList<QPair<QString, QString>> shapes; // name, path
        auto add = [&](const QString& name, const QByteArray& bytes)
        {
            const QString path = dir + QStringLiteral("/") + name + QStringLiteral(".zavrodata");
            QVERIFY(WriteAll(path, bytes));
            shapes.append({name, path});
        };
        add(QStringLiteral("empty"), QByteArray());
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        for (char& c : noise)
            c = char(QRandomGenerator::global()->bounded(256));
        add(QStringLiteral("random"), noise);
        add(QStringLiteral("header-only"), good.left(100));
        add(QStringLiteral("truncated"), good.left(good.size() / 2));
        add(QStringLiteral("other-table"), QByteArray());
        QVERIFY(Exec(shapes.last().second, "CREATE TABLE Songs(a, b); INSERT INTO Songs VALUES(1, 2)"));
        add(QStringLiteral("missing-columns"), QByteArray());
        QVERIFY(Exec(shapes.last().second,
                     "CREATE TABLE TracksTable(PersistentID text, Name text, Type integer);"
                     "INSERT INTO TracksTable VALUES('00000000000000A1', 'x', 2)"));
        add(QStringLiteral("a-view"), QByteArray());
        QVERIFY(Exec(shapes.last().second, "CREATE VIEW TracksTable AS SELECT 1 AS PersistentID"));
        add(QStringLiteral("ids-not-hex"), good);
        QVERIFY(Exec(shapes.last().second, "UPDATE TracksTable SET PersistentID = 'not hex at all'"));
        add(QStringLiteral("no-rows"), good);
        QVERIFY(Exec(shapes.last().second, "DELETE FROM TracksTable"));
        // Files whose schema and first row read well, which only SQLite's own check or a look at
        // what the schema holds tells apart.
        add(QStringLiteral("cut-by-a-byte"), good.chopped(1));
        const QByteArray malformed = LastCellPointerBroken(good);
        QVERIFY(!malformed.isEmpty());
        add(QStringLiteral("malformed"), malformed);
        add(QStringLiteral("triggers"), good);
        QVERIFY(Exec(
            shapes.last().second,
            "CREATE TRIGGER no_insert BEFORE INSERT ON TracksTable BEGIN SELECT RAISE(ABORT, 'x'); END;"
            "CREATE TRIGGER no_update BEFORE UPDATE ON TracksTable BEGIN SELECT RAISE(ABORT, 'x'); END"));
        add(QStringLiteral("fts5"), QByteArray());
        QVERIFY(Exec(shapes.last().second,
                     "CREATE VIRTUAL TABLE TracksTable USING fts5(TrackID, PersistentID, Name, TotalTime, "
                     "Artist, Album, Size, Location, ArtData, ArtPath, Absence, State, RepeatID, Type, Year, "
                     "Genre, Bitrate, TrashPath, NameOld, ArtistOld, AlbumOld, YearOld, GenreOld, Purchased);"
                     "INSERT INTO TracksTable(PersistentID, Name, Type) VALUES('00000000000000A1', 'x', 2)"));
        const QString folder = dir + QStringLiteral("/folder.zavrodata");
        QVERIFY(QDir().mkpath(folder));
        shapes.append({QStringLiteral("directory"), folder});
        const QString fifo = dir + QStringLiteral("/pipe.zavrodata");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        shapes.append({QStringLiteral("fifo"), fifo});
        if (::geteuid() != 0)
        {
            add(QStringLiteral("unreadable"), good);
            QVERIFY(QFile::setPermissions(shapes.last().second, QFileDevice::WriteOwner));
        }

        // The working database of an interrupted run.
        QVERIFY(QFile::copy(project, g_strDBPath));
        const QByteArray working = ReadAll(g_strDBPath);
        QSignalSpy requests(m_window->StartPage(), &CStartUI::Complete);
        for (const auto& [name, path] : shapes)
        {
            const QByteArray before = QFileInfo(path).isFile() ? ReadAll(path) : QByteArray();
            m_questions.clear();
            PressLoadSaved(path);
            QVERIFY2(QTest::qWaitFor([this] { return !m_questions.isEmpty(); }, 10000), qPrintable(name));
            QCOMPARE(m_questions.size(), 1);
            QCOMPARE(m_questions.first().text,
                     QStringLiteral("Invalid project file. Please go back and try again."));
            QVERIFY2(requests.isEmpty(), qPrintable(name));
            QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
            QVERIFY2(ReadAll(g_strDBPath) == working, qPrintable(name));
            QVERIFY2(!QFileInfo(path).isFile() || ReadAll(path) == before, qPrintable(name));
            QVERIFY(QDir(QFileInfo(g_strDBPath).absolutePath())
                        .entryList({QStringLiteral(".tidewell-copy-*")}, QDir::Files | QDir::Hidden)
                        .isEmpty());
        }
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(QFileInfo(fifo).exists());

        // The working database picked as the project is checked in place, not replaced.
        QVERIFY(WriteAll(g_strDBPath, noise));
        m_questions.clear();
        PressLoadSaved(g_strDBPath);
        QVERIFY(QTest::qWaitFor([this] { return !m_questions.isEmpty(); }, 10000));
        QCOMPARE(ReadAll(g_strDBPath), noise);
        QVERIFY(requests.isEmpty());

        m_questions.clear();
        PressLoadSaved(project);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QVERIFY(m_questions.isEmpty());
        QCOMPARE(requests.size(), 1);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        QCOMPARE(ReadAll(project), good);
    }

    // The kind of result a project was saved as: a report whose first row says "duplicate" is
    // still a report (never the duplicate page's Remove); rows that are all of a
    // duplicate scan open the duplicate page.
    void projectOpensAsTheKindItWasSavedAs()
    {
        const QString project = SaveProject(QStringLiteral("kind"), 3);
        QVERIFY(!project.isEmpty());
        QVERIFY(Exec(project, "UPDATE TracksTable SET Type = 4 WHERE rowid = 1"));
        PressLoadSaved(project);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        // Saved at the score screen, it opens there.
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionFixAll));
        QCOMPARE(m_window->GetResultType(), int(RunModeFiles));
        m_window->GoHome();

        const QString duplicates = SaveProject(QStringLiteral("kind-dup"), 3);
        QVERIFY(!duplicates.isEmpty());
        QVERIFY(Exec(duplicates, "UPDATE TracksTable SET Type = 5"));
        PressLoadSaved(duplicates);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->GetResultType(), int(RunModeDuplicateITunes));
        QVERIFY(m_window->ContentStack()->currentIndex() != int(CMainUI::PageReport));
    }

    // A project saved with a fix not yet applied (a chosen cover waiting in it): the fix is pending
    // again, so closing and Home ask about it; neither writes the user's project file, and a close
    // that gives the fix up leaves nothing to offer at the next start.
    void loadedProjectKeepsItsPendingFixes()
    {
        const QString project = SaveProject(QStringLiteral("pending"), 3);
        QVERIFY(!project.isEmpty());
        const QString picture = Home() + QStringLiteral("/cover.jpg");
        const QByteArray cover = tidewell::test::makePicture(64, 64, 0x2080c0);
        QVERIFY(WriteAll(picture, cover));
        QVERIFY(Exec(project,
                     QStringLiteral("UPDATE TracksTable SET ArtPath = '%1', ArtData = X'%2' WHERE rowid = "
                                    "(SELECT min(rowid) FROM TracksTable WHERE Absence & %3)")
                         .arg(picture, QString::fromLatin1(cover.toHex()))
                         .arg(int(MF_Artwork))
                         .toUtf8()
                         .constData()));
        const QByteArray saved = ReadAll(project);
        auto* home = m_window->findChild<QPushButton*>(QStringLiteral("main_gohome"));
        for (const bool close : {false, true})
        {
            PressLoadSaved(project);
            QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
            // Fixes to apply, and problems the earlier session left: no praise, and no "Go to Fix All".
            QCOMPARE(
                m_window->findChild<CShadeLabel*>(QStringLiteral("MainUIScroll"))->Texts().value(0),
                QStringLiteral(
                    "Some songs could not be fixed this time. You can edit them yourself or try fix again."));
            m_questions.clear();
            m_queued = {1, 2}; // Cancel stays, Ignore leaves
            for (int attempt = 0; attempt < 2; ++attempt)
            {
                QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
                close ? void(m_window->close()) : QTest::mouseClick(home, Qt::LeftButton);
            }
            QCOMPARE(m_questions.size(), 2);
            QCOMPARE(m_questions.first().text, QStringLiteral("Do you want to apply new results?"));
            QCOMPARE(m_window->isVisible(), !close);
            QCOMPARE(ReadAll(project), saved);
            QVERIFY(!QFile::exists(g_strDBPath));
        }
    }

    // A run is offered again only when it left something neither applied nor saved, and Continue
    // brings back the stage it had reached: after its load, the score screen with Fix All. A
    // result saved after a cover was chosen by hand opens with that category checked.
    void leftRunIsOfferedOnlyWithWorkLeft()
    {
        const QString folder = Home() + QStringLiteral("/left");
        QCOMPARE(tidewell::test::makeSongFolder(folder, 1, QStringLiteral("Song"), QStringLiteral("s"), false)
                     .size(),
                 1);
        m_window->LoadStartParam({folder}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionFixAll));
        QVERIFY(QTest::qWaitFor([] { return LibraryValue(g_strDBPath, kResultStageKey) == 1; }, 10000));
        const QString loaded = Home() + QStringLiteral("/loaded.db");
        QVERIFY(QFile::copy(g_strDBPath, loaded)); // what a kill now leaves
        QVERIFY(CMusicLink::CheckLeftDatabase(loaded).isEmpty());

        const QString project = Home() + QStringLiteral("/left.zavrodata");
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            ClickMenuEntry(QStringLiteral("Save Project"));
        }
        QVERIFY(QTest::qWaitFor([] { return LibraryValue(g_strDBPath, kResultSettledKey) == 1; }, 10000));
        const QString saved = Home() + QStringLiteral("/saved.db");
        QVERIFY(QFile::copy(g_strDBPath, saved));
        QVERIFY(!CMusicLink::CheckLeftDatabase(saved).isEmpty());

        // Continue after the load: the score screen, Fix All and the score's hints.
        CloseWindow();
        QVERIFY(QFile::copy(loaded, g_strDBPath));
        OpenWindow();
        m_window->StartPage()->CheckingIsSave();
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(m_window->ActionStack()->currentIndex(), int(CMainUI::ActionFixAll));
        m_window->GoHome();

        // A cover chosen by hand for the one song: its category shows its check.
        const QString picture = GetAppSettings()->GetPictureFolder() + QStringLiteral("/chosen.jpg");
        const QByteArray cover = tidewell::test::makePicture(64, 64, 0x2080c0);
        QVERIFY(WriteAll(picture, cover));
        QVERIFY(Exec(project, QStringLiteral("UPDATE TracksTable SET ArtPath = '%1', ArtData = X'%2'")
                                  .arg(picture, QString::fromLatin1(cover.toHex()))
                                  .toUtf8()
                                  .constData()));
        PressLoadSaved(project);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->ReportPage()->CategoryEntry(ReportArtwork)->GetBadgePage(), 1);
    }

    // A close from the window system while Save Project copies a working database of 100 000
    // songs: the copy ends whole before anything is stopped or deleted, then the window closes.
    void closeDuringSaveProjectWaitsForTheCopy()
    {
        const QString folder = Home() + QStringLiteral("/large");
        QCOMPARE(tidewell::test::makeSongFolder(folder, 1, QStringLiteral("Song"), QStringLiteral("s"), false)
                     .size(),
                 1);
        m_window->LoadStartParam({folder}, g_strDBPath, RunModeFiles);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QVERIFY(QTest::qWaitFor(
            []
            {
                return Exec(
                    g_strDBPath,
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
                    "INSERT INTO TracksTable(PersistentID, Name, Location, Type) "
                    "SELECT printf('%016X', 1048576 + i), 'Song ' || i, '/music/' || i || '.mp3', 2 "
                    "FROM n");
            },
            10000)); // the window's own writes may hold the database a moment
        const QString project = Home() + QStringLiteral("/large.zavrodata");
        bool inWait = false;
        bool closedInWait = true;
        {
            // The close arrives once the picked file is taken, while the copy runs.
            CMessageSeam::FileScope pick(
                [&](const FileQuestion&)
                {
                    QTimer::singleShot(0, m_window.get(),
                                       [&]
                                       {
                                           inWait = CNestedWait::Active();
                                           m_window->close();
                                           closedInWait = !m_window->isVisible();
                                       });
                    return QStringList{project};
                });
            ClickMenuEntry(QStringLiteral("Save Project"));
        }
        QVERIFY(inWait);
        QVERIFY(!closedInWait);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->isVisible(); }, 30000));
        sqlite3* db = nullptr;
        sqlite3_stmt* stmt = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(project).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_prepare_v2(db, "SELECT count(*) FROM TracksTable", -1, &stmt, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        QVERIFY(sqlite3_column_int(stmt, 0) > 100000);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    // A song named with megabytes of text: its rows and tips show a cut of it, the song keeps all.
    // The name is the song's own (in both columns): a new name alone is an answer Apply keeps back
    // under "Replace" as it is, which the lists do not show.
    void hugeNameIsCutWhereShown()
    {
        const QString project = SaveProject(QStringLiteral("huge"), 2);
        QVERIFY(!project.isEmpty());
        const QString huge = QStringLiteral("Long name ").repeated(400 * 1024); // 4 MB of text
        QVERIFY(Exec(project,
                     "UPDATE TracksTable SET Name = replace(hex(zeroblob(409600)), '00', 'Long name '), "
                     "NameOld = replace(hex(zeroblob(409600)), '00', 'Long name ') WHERE rowid = 1"));
        PressLoadSaved(project);
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));

        int seen = 0;
        auto check = [&](const QString& text, const QString& tip)
        {
            QVERIFY(text.size() <= kScreenTextLimit + 1);
            QVERIFY(tip.size() <= kScreenTextLimit + 1);
            if (text.startsWith(QStringLiteral("Long name Long name")))
                ++seen;
        };
        for (QTreeWidget* tree : m_window->findChildren<QTreeWidget*>())
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                for (int column = 0; column < tree->columnCount(); ++column)
                    check((*it)->text(column), (*it)->toolTip(column));
        for (QListWidget* list : m_window->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                check(list->item(i)->text(), list->item(i)->toolTip());
        QVERIFY(seen > 0);
        bool whole = false;
        for (int i = 0; i < m_window->MusicLink()->GetMusicCount(); ++i)
        {
            CMusicObj* track = nullptr;
            if (m_window->MusicLink()->GetMusicObj(i, &track) == 0 && track)
                whole = whole || track->CurrentInfo().Name == huge;
        }
        QVERIFY(whole);
    }
};

QTEST_MAIN(ProjectFileTest)
#include "ProjectFileTest.moc"
