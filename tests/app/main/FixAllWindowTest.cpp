// Fix All through the whole main window, offscreen: generated songs are analysed, identified by a
// local service on 127.0.0.1 and the answers applied to the files, which are read back with
// TagLib. Every question is answered through CMessageSeam.
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "CShadeLabel.h"
#include "EventLoopHttpServer.h"
#include "FailedTreeWidget.h"
#include "IdentifyAnswer.h"
#include "InterfaceLanguage.h"
#include "LabelArtwork.h"
#include "LibraryXml.h"
#include "LineEdit.h"
#include "MainUI.h"
#include "MainWindowCase.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "MusicTag.h"
#include "QuantityWidget.h"
#include "ResultMarks.h"
#include "ServiceKeys.h"
#include "StartUI.h"
#include "TreeItem.h"
#include "TypeTreeItem.h"
#include "WidgetTestEnv.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

using namespace tidewell::test;

namespace
{

HttpResponse Json(const QByteArray& body, int status = 200)
{
    return {HttpResponse::Mode::Full, status, "application/json", body};
}

QString ArtistOf(const QString& path)
{
    TagLib::FileRef file(QFile::encodeName(path).constData());
    return file.isNull() || !file.tag() ? QStringLiteral("<unreadable>")
                                        : QString::fromStdString(file.tag()->artist().to8Bit(true));
}

int RowsOf(QTreeWidget* tree)
{
    return tree->topLevelItemCount();
}

constexpr int kReplaceAll = MF_ReplaceSwitch | MF_Name | MF_Artist | MF_Album;

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// An iTunes library of the locations at `library`: Track IDs from firstId on, no artist unless given.
bool WriteLibrary(const QString& library, const QStringList& locations, int firstId,
                  const QString& artist = {})
{
    std::vector<manager_test::XmlTrack> tracks;
    for (int i = 0; i < locations.size(); ++i)
    {
        manager_test::XmlTrack t;
        t.trackId = firstId + i;
        t.persistentId = QStringLiteral("%1").arg(firstId + i, 16, 16, QLatin1Char('0')).toUpper();
        t.name = QStringLiteral("Bare %1").arg(i + 1);
        t.artist = artist;
        t.album = QStringLiteral("Record");
        t.totalTime = 1000;
        t.size = QFileInfo(locations[i]).size();
        t.location = locations[i];
        tracks.push_back(t);
    }
    return manager_test::WriteLibraryXml(library, tracks);
}

// A 1 MiB tmpfs mounted at `at` for one case (root only), unmounted when it goes; fill() takes
// every free byte.
class SmallDisk
{
public:
    explicit SmallDisk(const QString& at) : m_path(at)
    {
        QDir().mkpath(at);
        m_mounted = ::mount("tidewell-small", QFile::encodeName(at).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    bool fill()
    {
        QFile filler(m_path + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        for (qint64 chunk = 65536; chunk >= 1; chunk /= 2)
        {
            const QByteArray bytes(chunk, 'f');
            while (filler.write(bytes) == chunk)
            {
            }
        }
        return filler.size() > 0;
    }
    void release() { QFile::remove(m_path + QStringLiteral("/filler")); }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace

class FixAllWindowTest : public QObject, public MainWindowCase
{
    Q_OBJECT

private:
    WidgetTestEnv m_env;
    std::unique_ptr<EventLoopHttpServer> m_acr;
    std::unique_ptr<EventLoopHttpServer> m_spotify; // accounts and tracks, over TLS
    std::unique_ptr<ScopedEnv> m_acrHost, m_accountsHost, m_apiHost;
    QString m_folder;

    int Action() const { return m_window->ActionStack()->currentIndex(); }
    QString Song(int i) const { return m_folder + QStringLiteral("/t%1.mp3").arg(i); }
    void Answer(HttpResponse::Mode mode)
    {
        m_acr->answer("/v1/identify", mode == HttpResponse::Mode::Full
                                          ? HttpResponse{mode, 200, "application/json", IdentifyAnswer()}
                                          : HttpResponse::only(mode));
    }
    bool ToScoreScreen(const QString& folder = {})
    {
        m_window->LoadStartParam({folder.isEmpty() ? m_folder : folder}, g_strDBPath, RunModeFiles);
        return QTest::qWaitFor([this] { return RoadEnded(); }, 60000) && Action() == CMainUI::ActionFixAll;
    }
    // Opens the generated library (or, in folder mode, its folder) and runs Fix All until Apply is
    // offered.
    bool FixAllOver(const QString& folder, bool library)
    {
        if (library)
        {
            m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
            if (!QTest::qWaitFor([this] { return RoadEnded(); }, 60000))
                return false;
        }
        else if (!ToScoreScreen(folder))
        {
            return false;
        }
        Click("main_fixallbut");
        return QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000);
    }
    bool ApplyEnded()
    {
        return QTest::qWaitFor(
            [this] {
                return !m_window->ApplyThread()->isRunning() &&
                       m_window->RunState() != EWindowRunState::Running;
            },
            60000);
    }

    // Eight songs, the first three without their artist (again after a case applied answers).
    void MakeSongs()
    {
        QDir().mkpath(m_folder);
        const QByteArray cover = makePicture(64, 64, 0x2080c0);
        for (int i = 0; i < 8; ++i)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 300.0 + 45.0 * i;
            audioSpec.tags.title = QStringLiteral("Track %1").arg(i + 1);
            audioSpec.tags.artist = i < 3 ? QString() : QStringLiteral("Singer %1").arg(i);
            audioSpec.tags.album = QStringLiteral("Record");
            audioSpec.artwork = cover;
            QVERIFY(makeAudioFile(Song(i), audioSpec));
        }
    }

    // count songs without artist and cover (but the first `covered`) in their own folder: each
    // one is one job.
    static QStringList MakeBareSongs(const QString& folder, int count, int covered = 0)
    {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        QStringList paths;
        for (int i = 0; i < count; ++i)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 200.0 + 31.0 * i;
            audioSpec.tags.title = QStringLiteral("Bare %1").arg(i + 1);
            audioSpec.tags.album = QStringLiteral("Record");
            if (i < covered)
                audioSpec.artwork = makePicture(64, 64, 0x2080c0);
            paths << folder + QStringLiteral("/b%1.mp3").arg(i);
            if (!makeAudioFile(paths.last(), audioSpec))
                return {};
        }
        return paths;
    }

    // The Spotify look-up of a track id: its cover is served by the identify server at imagePath.
    void AnswerTrack(const QByteArray& id, const QByteArray& imagePath)
    {
        m_spotify->answer("/v1/tracks/" + id,
                          Json(R"({"album":{"images":[{"height":300,"width":300,"url":")" +
                               m_acr->baseUrl().toLatin1() + imagePath + R"("}]},"id":")" + id + R"("})"));
    }

    // Closes the window (a new one takes its place) or goes Home; true when that took under
    // five seconds and, going Home, every worker ended on the start page.
    bool LeftPromptly(bool close)
    {
        QElapsedTimer timer;
        timer.start();
        bool home = true;
        if (close)
        {
            m_window.reset();
            m_window = std::make_unique<CMainUI>();
        }
        else
        {
            m_window->GoHome();
            home = !m_window->ApplyThread()->isRunning() &&
                   m_window->ContentStack()->currentIndex() == CMainUI::PageStart;
        }
        QFile::remove(g_strDBPath);
        return home && timer.elapsed() < 5000;
    }

    // The service identifies the first three songs it is asked for and says nothing to the rest;
    // asked counts the requests.
    void AnswerThreeThenHold(int& asked)
    {
        m_acr->answerWith("/v1/identify",
                          [&asked](const HttpRequest&) {
                              return ++asked <= 3 ? Json(IdentifyAnswer())
                                                  : HttpResponse::only(HttpResponse::Mode::Silent);
                          });
    }

    void Click(const char* name)
    {
        auto* button = m_window->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(button && button->isVisible() && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Where Refix stands in the window, after the contrast of its rendered text with the header
    // behind it (the ratio of the lightest and the darkest pixel's luminance) is checked.
    QPoint RefixPlace()
    {
        auto* refix = m_window->findChild<QWidget*>(QStringLiteral("MainUIRetry"));
        const QPoint place = refix->mapTo(m_window.get(), QPoint());
        const QImage shot = m_window->grab(QRect(place, refix->size())).toImage();
        const auto luminance = [](QRgb rgb)
        {
            const auto channel = [](int v)
            {
                const double c = v / 255.0;
                return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
        };
        double darkest = 1.0;
        double lightest = 0.0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
            {
                darkest = std::min(darkest, luminance(shot.pixel(x, y)));
                lightest = std::max(lightest, luminance(shot.pixel(x, y)));
            }
        const double contrast = (lightest + 0.05) / (darkest + 0.05);
        if (contrast < 4.5)
            qWarning() << "Refix contrast" << contrast;
        return contrast >= 4.5 ? place : QPoint(-1, -1);
    }

    QString HeaderPicture() const
    {
        return m_window->findChild<QWidget*>(QStringLiteral("label_back"))->styleSheet();
    }

    QStringList Hints() const
    {
        return m_window->findChild<CShadeLabel*>(QStringLiteral("MainUIScroll"))->Texts();
    }

    // The service answers every second request (an artist numbered by the request), the others
    // fail; asked counts them.
    void AnswerEverySecond(int& asked)
    {
        m_acr->answerWith(
            "/v1/identify",
            [&asked](const HttpRequest&)
            {
                return ++asked % 2 == 0
                           ? Json(IdentifyAnswer("Local Title", "Local Artist " + QByteArray::number(asked)))
                           : Json("{\"status\":{\"msg\":\"Server error\"}}", 500);
            });
    }

    // count bare songs in folder (covered of them with a cover) and the library file beside them,
    // listing them and one song whose file is gone from Track ID firstId; the service answers
    // every second song. The songs; empty when the files could not be made.
    QStringList HalfAnsweredLibrary(const QString& folder, int count, int covered, int firstId, int& asked)
    {
        const QStringList songs = MakeBareSongs(folder, count, covered);
        AnswerEverySecond(asked);
        const QString xml = folder + QStringLiteral("/iTunes Music Library.xml");
        if (songs.size() != count ||
            !WriteLibrary(xml, songs + QStringList{folder + QStringLiteral("/gone.mp3")}, firstId))
            return {};
        return songs;
    }

    // A click on a category of the report page's tree, after one on another when it is the
    // current one already (a click on the current category changes nothing).
    void ClickCategory(QTreeWidgetItem* entry)
    {
        QTreeWidget* categories = m_window->ReportPage()->CategoryTree();
        if (categories->currentItem() == entry && categories->topLevelItemCount() > 1)
            ClickCategory(categories->topLevelItem(categories->indexOfTopLevelItem(entry) == 0 ? 1 : 0));
        categories->scrollToItem(entry);
        QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                          categories->visualItemRect(entry).center());
    }

    // What the page shows, read from its widgets: the score, the header's pictures and texts, the
    // action offered and Refix, then each category's badge (count, check, spinner) and the summary
    // a click on it shows.
    QStringList PageShot()
    {
        const auto* label = m_window->findChild<QWidget*>(QStringLiteral("label_back"))->findChild<QLabel*>();
        const QString picture = label->movie()             ? label->movie()->fileName()
                                : label->pixmap().isNull() ? QStringLiteral("no picture")
                                                           : QStringLiteral("still picture");
        QStringList shot{m_window->ScoreText(),
                         HeaderPicture(),
                         picture,
                         m_window->MessageText(),
                         Hints().join(u'|'),
                         QString::number(Action()),
                         m_window->findChild<QWidget*>(QStringLiteral("MainUIRetry"))->isVisible()
                             ? QStringLiteral("Refix")
                             : QStringLiteral("no Refix")};
        QTreeWidget* categories = m_window->ReportPage()->CategoryTree();
        for (int i = 0; i < categories->topLevelItemCount(); ++i)
        {
            auto* entry = static_cast<CTypeTreeItem*>(categories->topLevelItem(i));
            const CQuantityWidget* badge = entry->GetBadge();
            ClickCategory(entry);
            shot << QStringLiteral("%1: %2, page %3%4: %5")
                        .arg(entry->text(2), badge ? badge->CountLabel()->text() : QStringLiteral("no badge"))
                        .arg(badge ? badge->GetPage() : -1)
                        .arg(badge && badge->IsSpinning() ? QStringLiteral(", spinning") : QString())
                        .arg(m_window->MessageText());
        }
        return shot;
    }

    // Save Project, Home and Load Saved Result through the menu and the buttons: the page reads as
    // it did before the save. The header's message is compared only where a step, not a click of
    // the test's, wrote it last.
    void LoadsAsShown(const QString& stage, bool stepMessage = true)
    {
        QStringList before = PageShot();
        const QString project = QDir::homePath() + QStringLiteral("/shown-%1.zavrodata").arg(stage);
        QFile::remove(project);
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            ClickMenuEntry(QCoreApplication::translate("CMainUI", "Save Project", "menu entry"));
        }
        QVERIFY2(QFile::exists(project), qPrintable(stage));
        m_answer = 2; // Ignore: what is not applied stays in the project
        Click("main_gohome");
        m_answer = 1;
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            Click("load_obj");
        }
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QStringList after = PageShot();
        if (!stepMessage)
            after[3] = before[3] = QString();
        for (int i = 0; i < std::max(before.size(), after.size()); ++i)
            QVERIFY2(before.value(i) == after.value(i),
                     qPrintable(QStringLiteral("%1, line %2: before \"%3\", loaded \"%4\"")
                                    .arg(stage)
                                    .arg(i)
                                    .arg(before.value(i), after.value(i))));
    }

    // Types text into the tag editor's field for a row of the Unrecognized Songs, as the user does.
    void TypeForUnrecognized(int index, const char* field, const QString& text)
    {
        CAnalyReport* page = m_window->ReportPage();
        ClickCategory(page->CategoryEntry(ReportUnrecognized));
        QTreeWidget* tree = page->UnrecognizedTree();
        QTreeWidgetItem* row = tree->topLevelItem(index);
        tree->scrollToItem(row);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
        if (page->Editor()->IsContentHidden())
            Click("InfoHideBut");
        auto* edit = page->Editor()->findChild<CLineEdit*>(QLatin1String(field));
        QVERIFY(QTest::qWaitFor([&] { return edit->isVisible(); }));
        m_window->activateWindow();
        edit->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    int ArtworkFiles() const
    {
        return int(QDir(GetAppSettings()->GetPictureFolder()).entryList(QDir::Files).size());
    }

    // Fix All, then Apply while another connection reads the database: the failure is told and
    // the fixes stay; Apply again once the reader has gone writes them into the database.
    void ApplyAgainstALockedDatabase(const QStringList& songs)
    {
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QVERIFY(m_window->ReportPage()->WaitFixWrites());
        sqlite3* reader = nullptr;
        QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &reader), SQLITE_OK);
        sqlite3_busy_timeout(reader, 10000);
        QCOMPARE(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM TracksTable", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QCOMPARE(sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(reader);
        for (const QString& song : songs)
            QCOMPARE(ArtistOf(song), QStringLiteral("Found Artist"));
        const QString said =
            QStringLiteral("The working database could not be saved: \u2066%1\u2069.").arg(g_strDBPath);
        QCOMPARE(m_window->MessageText(), said);
        QCOMPARE(Hints(), QStringList{said});
        QVERIFY(m_window->ReportPage()->HasUnappliedChanges());
        QCOMPARE(Action(), int(CMainUI::ActionApply));

        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QVERIFY(!m_window->ReportPage()->HasUnappliedChanges());
        QVERIFY(m_window->MessageText() != said);
        QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &reader), SQLITE_OK);
        sqlite3_busy_timeout(reader, 10000);
        sqlite3_stmt* found = nullptr;
        QCOMPARE(sqlite3_prepare_v2(reader, "select count(*) from TracksTable where Artist = 'Found Artist'",
                                    -1, &found, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_step(found), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(found, 0), 3);
        sqlite3_finalize(found);
        sqlite3_close(reader);
    }

private slots:
    void initTestCase()
    {
        m_folder = QDir::homePath() + QStringLiteral("/songs");
        MakeSongs();
        m_acr = std::make_unique<EventLoopHttpServer>();
        QVERIFY(m_acr->start());
        m_acrHost = std::make_unique<ScopedEnv>(tidewell::online::keys::kAcrHostVariable,
                                                m_acr->hostPort().toLatin1());
        EventLoopHttpServer::trustTestCertificate();
        m_spotify = std::make_unique<EventLoopHttpServer>(EventLoopHttpServer::Tls::TrustedCertificate);
        QVERIFY(m_spotify->start());
        m_accountsHost = std::make_unique<ScopedEnv>(tidewell::online::keys::kSpotifyAccountsHostVariable,
                                                     m_spotify->hostPort().toLatin1());
        m_apiHost = std::make_unique<ScopedEnv>(tidewell::online::keys::kSpotifyApiHostVariable,
                                                m_spotify->hostPort().toLatin1());
        m_spotify->answer("/api/token", Json(R"({"access_token":"token42","token_type":"Bearer"})"));
        m_acr->answer("/cover.png",
                      {HttpResponse::Mode::Full, 200, "image/png", makePicture(300, 300, 0x40a040, "PNG")});
        m_acr->answer("/page.html", {HttpResponse::Mode::Full, 200, "text/html", "<html>portal</html>"});
        AnswerTrack("coverTrack", "/cover.png");
        AnswerTrack("pageTrack", "/page.html");
    }

    void cleanupTestCase()
    {
        m_apiHost.reset();
        m_accountsHost.reset();
        m_acrHost.reset();
        m_spotify.reset();
        m_acr.reset();
    }

    // 25 songs: never more than ten jobs at once; a whole run ends once, with every song's title,
    // artist, album and cover, which Apply writes into the files.
    void manySongsTenJobsAtOnceAndOneCompletion()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/many");
        const QStringList songs = MakeBareSongs(folder, 25);
        QCOMPARE(songs.size(), 25);
        Answer(HttpResponse::Mode::Silent);
        const qsizetype before = m_acr->requests().size();
        QVERIFY(ToScoreScreen(folder));
        m_window->Fixall();
        QVERIFY(QTest::qWaitFor([&] { return m_acr->requests().size() >= before + 10; }, 60000));
        QTest::qWait(500);
        QCOMPARE(m_acr->requests().size(), before + 10);
        m_window->GoHome();
        QFile::remove(g_strDBPath);

        m_acr->answer("/v1/identify", Json(IdentifyAnswer("Found Title", "Found Artist", "coverTrack")));
        QVERIFY(ToScoreScreen(folder));
        const int score = m_window->ScoreText().toInt();
        QSignalSpy complete(m_window->ReportPage(), &CAnalyReport::ReportFixAllComplete);
        m_window->Fixall();
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QTest::qWait(100);
        QCOMPARE(complete.count(), 1);
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 25);
        QCOMPARE(RowsOf(m_window->ReportPage()->UnrecognizedTree()), 0);
        QCOMPARE(ArtworkFiles(), 25);
        QVERIFY(m_window->ScoreText().toInt() > score);

        GetAppSettings()->SetReplace(kReplaceAll);
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        for (const QString& song : songs)
        {
            MusicInfo written;
            QVERIFY(GetMusicInfo(song.toUtf8().constData(), &written) >= 0);
            QCOMPARE(written.Name, QStringLiteral("Found Title"));
            QCOMPARE(written.Artist, QStringLiteral("Found Artist"));
            QCOMPARE(written.Album, QStringLiteral("Found Album"));
            QCOMPARE(HasMusicArtwork_tag(song.toUtf8().constData()), 1);
        }
    }

    // Broken, empty and hostile answers: each song is fixed for what arrived or moves to
    // Unrecognized Songs; only the one picture is stored.
    void hostileAnswersFixOnlyWhatArrived()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/hostile");
        const QStringList songs = MakeBareSongs(folder, 8);
        const QList<HttpResponse> answers = {
            Json("{\"status\":{\"msg\":\"Server error\"}}", 500),
            Json("{\"status\":{\"msg\":\"Success\",\"code\":0},\"metadata\":{\"mus"),
            Json(""),
            Json(R"({"status":{"msg":"Success","code":0},"metadata":{"music":[{}]}})"),
            Json(IdentifyAnswer("../../escaped\\u0001", "AC/DC")),
            Json(IdentifyAnswer("Portal Song", "Paged Artist", "pageTrack")),
            {HttpResponse::Mode::Truncated, 200, "application/json", IdentifyAnswer("Cut", "Cut Artist")},
            Json(IdentifyAnswer("Covered Song", "Covered Artist", "coverTrack")),
        };
        int next = 0;
        m_acr->answerWith("/v1/identify",
                          [&](const HttpRequest&) { return answers.at(next++ % answers.size()); });
        const int picturesBefore = ArtworkFiles();
        QVERIFY(ToScoreScreen(folder));
        QSignalSpy complete(m_window->ReportPage(), &CAnalyReport::ReportFixAllComplete);
        m_window->Fixall();
        QVERIFY(QTest::qWaitFor([&] { return complete.count() == 1; }, 60000));
        QCOMPARE(next, 8);
        CAnalyReport* page = m_window->ReportPage();
        QCOMPARE(page->ArtistTree()->GetFixedCount(), 3);
        // Every song that failed somewhere moved; only the song with a cover is fixed everywhere.
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 7);
        QCOMPARE(ArtworkFiles(), picturesBefore + 1);

        GetAppSettings()->SetReplace(kReplaceAll);
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        QStringList artists;
        for (const QString& song : songs)
            artists << ArtistOf(song);
        artists.sort();
        QCOMPARE(artists, QStringList({"", "", "", "", "", "AC/DC", "Covered Artist", "Paged Artist"}));
        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
    }

    // Apply removes the checked songs whose file is gone from the iTunes library once and keeps
    // the unchecked ones.
    void missingSongsLeaveTheLibraryOnlyWhenChecked()
    {
        const QStringList songs = MakeBareSongs(QDir::homePath() + QStringLiteral("/lib-songs"), 2);
        std::vector<manager_test::XmlTrack> tracks;
        for (int i = 0; i < 4; ++i)
        {
            manager_test::XmlTrack t;
            t.trackId = 300 + i;
            t.persistentId = QStringLiteral("00000000000000C%1").arg(i);
            t.name = i < 2 ? QStringLiteral("Here %1").arg(i) : QStringLiteral("Gone %1").arg(i);
            t.artist = QStringLiteral("Singer");
            t.album = QStringLiteral("Record");
            t.totalTime = 1000;
            t.location = i < 2 ? songs[i] : QDir::homePath() + QStringLiteral("/nowhere/gone%1.mp3").arg(i);
            t.size = i < 2 ? QFileInfo(songs[i]).size() : 1000;
            tracks.push_back(t);
        }
        const QString library = QDir::homePath() + QStringLiteral("/lib/iTunes Music Library.xml");
        QDir().mkpath(QDir::homePath() + QStringLiteral("/lib"));
        QVERIFY(manager_test::WriteLibraryXml(library, tracks));
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        CFailedTreeWidget* missing = m_window->ReportPage()->MissingTree();
        QCOMPARE(RowsOf(missing), 2);
        for (int i = 0; i < 2; ++i)
            if (missing->topLevelItem(i)->text(0) == QStringLiteral("Gone 2"))
                missing->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
        auto libraryText = [&]
        {
            QFile xml(library);
            return xml.open(QIODevice::ReadOnly) ? xml.readAll() : QByteArray();
        };
        for (int pass = 0; pass < 2; ++pass)
        {
            m_window->ApplyiTunes();
            QVERIFY(ApplyEnded());
            const QByteArray text = libraryText();
            QVERIFY(text.contains("Gone 2"));
            QVERIFY(!text.contains("Gone 3"));
            QVERIFY(text.contains("Here 0") && text.contains("Here 1"));
        }
        QCOMPARE(missing->GetFixedCount(), 1);
        // Their page tells what Apply did, not that they cannot be written.
        QTreeWidget* categories = m_window->ReportPage()->CategoryTree();
        QTreeWidgetItem* entry = m_window->ReportPage()->CategoryEntry(ReportMissingFile);
        categories->scrollToItem(entry);
        QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                          categories->visualItemRect(entry).center());
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("Removed 1 missing song(s) from the library. Still 1 song(s) not fixed."));
        // Checked again, the last one is offered to apply; once it is removed too the category
        // shows its check, not a count.
        for (int i = 0; i < 2; ++i)
        {
            QTreeWidgetItem* row = missing->topLevelItem(i);
            row->setCheckState(0, Qt::Checked);
            missing->scrollToItem(row);
            const QPoint name(missing->columnViewportPosition(0) + missing->columnWidth(0) / 2,
                              missing->visualItemRect(row).center().y());
            QTest::mouseClick(missing->viewport(), Qt::LeftButton, {}, name);
        }
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QCOMPARE(missing->GetFixedCount(), 2);
        QCOMPARE(static_cast<CTypeTreeItem*>(entry)->GetBadgePage(), 1);
        QCOMPARE(Action(), int(CMainUI::ActionReturn));
        g_nWorkMode = EWorkMode::Files;
    }

    void init() { OpenWindow(); }
    void cleanup()
    {
        CheckRoadInvariants();
        CloseWindow();
    }

    // Apply on a full disk in iTunes mode: no song is cut short or changed, the library file is
    // as it was, and once there is room again the same apply writes them all and the library
    // keeps its permissions.
    void applyOnAFullDiskKeepsEveryFileWhole()
    {
        SmallDisk disk(QDir::homePath() + QStringLiteral("/small"));
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs needs root; the full-disk apply is not exercised");
        const QStringList songs = MakeBareSongs(QDir::homePath() + QStringLiteral("/small/songs"), 4);
        QCOMPARE(songs.size(), 4);
        const QString library = QDir::homePath() + QStringLiteral("/small/iTunes Music Library.xml");
        QVERIFY(WriteLibrary(library, songs, 400));
        QVERIFY(::chmod(QFile::encodeName(library).constData(), 0600) == 0);
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        Answer(HttpResponse::Mode::Full);
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        m_window->Fixall();
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 4);

        QList<QByteArray> before;
        for (const QString& song : songs)
            before << BytesOf(song);
        const QByteArray libraryBefore = BytesOf(library);
        QVERIFY(disk.fill());
        GetAppSettings()->SetReplace(kReplaceAll);
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        for (int i = 0; i < songs.size(); ++i)
            QVERIFY2(BytesOf(songs[i]) == before[i], qPrintable(songs[i]));
        QCOMPARE(BytesOf(library), libraryBefore);
        QCOMPARE(QDir(QFileInfo(library).path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QVERIFY(m_window->ReportPage()->HasUnappliedChanges());

        disk.release();
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        for (const QString& song : songs)
            QCOMPARE(ArtistOf(song), QStringLiteral("Found Artist"));
        QVERIFY(BytesOf(library).contains("Found Artist"));
        struct stat info
        {
        };
        QVERIFY(::stat(QFile::encodeName(library).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 0777), 0600);
        m_window->GoHome();
        g_nWorkMode = EWorkMode::Files;
    }

    // Room for the songs but not for the library file: the songs are written, the library file
    // is named as what failed and stays as it was, the entry whose file is gone is named as not
    // removed (not as a song not written), and the fixes stay to apply until it has room.
    void aFullDiskForTheLibraryFileNamesItAndKeepsTheFixesToApply()
    {
        SmallDisk disk(QDir::homePath() + QStringLiteral("/small"));
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs needs root; the full library disk is not exercised");
        const QStringList songs = MakeBareSongs(QDir::homePath() + QStringLiteral("/roomy"), 3);
        const QString library = QDir::homePath() + QStringLiteral("/small/iTunes Music Library.xml");
        QVERIFY(WriteLibrary(library,
                             songs + QStringList{QDir::homePath() + QStringLiteral("/roomy/gone.mp3")}, 500));
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        Answer(HttpResponse::Mode::Full);
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        const QByteArray libraryBefore = BytesOf(library);
        QVERIFY(disk.fill());
        GetAppSettings()->SetReplace(kReplaceAll);
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        for (const QString& song : songs)
            QCOMPARE(ArtistOf(song), QStringLiteral("Found Artist"));
        QCOMPARE(BytesOf(library), libraryBefore);
        QVERIFY(m_window->ReportPage()->HasUnappliedChanges());
        const QStringList said{
            QStringLiteral("3 song(s) were written to their files, but the library file could not "
                           "be saved: \u2066%1\u2069.")
                .arg(library),
            QStringLiteral("1 song(s) whose file is missing could not be removed from the library: "
                           "\u2068gone.mp3\u2069.")};
        QCOMPARE(m_window->MessageText(), said.join(u' '));
        QCOMPARE(Hints(), said);

        disk.release();
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QVERIFY(BytesOf(library).contains("Found Artist"));
        QVERIFY(!BytesOf(library).contains("gone.mp3"));
        QVERIFY(!m_window->ReportPage()->HasUnappliedChanges());
        m_window->GoHome();
        g_nWorkMode = EWorkMode::Files;
    }

    // The working database cannot take the apply's record (another connection reads it all
    // along), in folder and in library mode: the songs and the library file are written, the
    // database is named as what failed, and the fixes stay to apply; once it can be written,
    // Apply saves them there.
    void aDatabaseThatCannotCommitIsNamedAndKeepsTheFixesToApply()
    {
        for (const bool inLibrary : {false, true})
        {
            const QStringList songs = MakeBareSongs(QDir::homePath() + QStringLiteral("/locked"), 3);
            QCOMPARE(songs.size(), 3);
            const QString library = QDir::homePath() + QStringLiteral("/locked/Library.xml");
            QVERIFY(WriteLibrary(library, songs, 600));
            std::optional<ScopedEnv> host;
            if (inLibrary)
                host.emplace("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
            g_nWorkMode = inLibrary ? EWorkMode::ITunes : EWorkMode::Files;
            Answer(HttpResponse::Mode::Full);
            if (inLibrary)
            {
                m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
                QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
            }
            else
            {
                QVERIFY(ToScoreScreen(QFileInfo(songs[0]).path()));
            }
            ApplyAgainstALockedDatabase(songs);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(BytesOf(library).contains("Found Artist"), inLibrary);
            m_window->GoHome();
        }
        g_nWorkMode = EWorkMode::Files;
    }

    // Apply writes what the user ticked before it, however many ticks the writer still has to
    // store: here the writer is held by another connection's write lock behind a tick, a long run
    // of clicks and the untick of the first song, all given before Apply and the lock let go only
    // then. Neither unticked song is written; every other one is.
    void applyWaitsForTheTicksGivenBeforeIt()
    {
        const QStringList songs = MakeBareSongs(QDir::homePath() + QStringLiteral("/ticks"), 4);
        QCOMPARE(songs.size(), 4);
        Answer(HttpResponse::Mode::Full);
        QVERIFY(FixAllOver(QFileInfo(songs[0]).path(), false));
        QVERIFY(m_window->ReportPage()->WaitFixWrites());
        CFailedTreeWidget* artists = m_window->ReportPage()->ArtistTree();
        QCOMPARE(RowsOf(artists), 4);
        CMusicObj* first = nullptr;
        QCOMPARE(m_window->MusicLink()->GetMusicObj(0, &first), 0);
        QTreeWidgetItem* firstRow = nullptr;
        QTreeWidgetItem* otherRow = nullptr;
        for (int i = 0; i < RowsOf(artists); ++i)
        {
            auto* row = dynamic_cast<CTreeItem*>(artists->topLevelItem(i));
            QVERIFY(row);
            (row->GetMusicData() == first ? firstRow : otherRow) = row;
        }
        QVERIFY(firstRow && otherRow);
        const auto clickName = [artists](QTreeWidgetItem* row)
        {
            artists->scrollToItem(row);
            QTest::mouseClick(artists->viewport(), Qt::LeftButton, {},
                              QPoint(artists->columnViewportPosition(0) + artists->columnWidth(0) / 2,
                                     artists->visualItemRect(row).center().y()));
        };

        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &other), SQLITE_OK);
        sqlite3_busy_timeout(other, 10000);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        for (int i = 0; i <= 2000; ++i)
        {
            otherRow->setCheckState(0, i % 2 ? Qt::Checked : Qt::Unchecked);
            clickName(otherRow);
        }
        firstRow->setCheckState(0, Qt::Unchecked);
        clickName(firstRow);
        Click("main_applybut");
        // The apply thread is under way before the writer may go on.
        QVERIFY(m_window->ApplyThread()->isRunning());
        QTest::qWait(200);
        QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        QVERIFY(ApplyEnded());

        for (int i = 0; i < songs.size(); ++i)
        {
            CMusicObj* track = nullptr;
            QCOMPARE(m_window->MusicLink()->GetMusicObj(i, &track), 0);
            const bool unticked =
                track == first || track == static_cast<CTreeItem*>(otherRow)->GetMusicData();
            QCOMPARE(ArtistOf(track->CurrentInfo().Location) == QStringLiteral("Found Artist"), !unticked);
        }
        m_window->GoHome();
    }

    // A song whose file name is not UTF-8 is loaded from a folder and from a library like any
    // other, and Apply writes into it.
    void fileNameThatIsNotUtf8()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/bytes");
        const QStringList songs = MakeBareSongs(folder, 2);
        QCOMPARE(songs.size(), 2);
        const QByteArray odd = QFile::encodeName(folder) + "/b\xff\xfe.mp3";
        QVERIFY(::rename(QFile::encodeName(songs[1]).constData(), odd.constData()) == 0);
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen(folder));
        QCOMPARE(RowsOf(m_window->ReportPage()->ArtistTree()), 2);
        m_window->Fixall();
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        GetAppSettings()->SetReplace(kReplaceAll);
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        TagLib::FileRef written(odd.constData());
        QVERIFY(!written.isNull() && written.tag());
        QCOMPARE(written.tag()->artist().to8Bit(true), std::string("Found Artist"));
        QVERIFY(LeftPromptly(true));

        // The library names it with percent-escapes of its bytes: it is there, not missing.
        const QString library = folder + QStringLiteral("/iTunes Music Library.xml");
        QVERIFY(WriteLibrary(library, {songs[0], folder + QStringLiteral("/PLACEHOLDER.mp3")}, 600));
        QByteArray xml = BytesOf(library);
        xml.replace("PLACEHOLDER", "b%FF%FE");
        QVERIFY(WriteBytes(library, xml));
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        QCOMPARE(RowsOf(m_window->ReportPage()->MissingTree()), 0);
        g_nWorkMode = EWorkMode::Files;
    }

    // Songs in every format the fix road reads, reached through an absolute, a relative and a
    // chained symbolic link, and a library file that is a link itself: Apply writes the answers
    // (a release date in each form the service gives it) into the files the links name, in folder
    // and in library mode, and every link stays a link. A song whose file has a second name (a
    // hard link) is named as not written, both names as they were.
    void writesReachTheFilesThatLinksNameWithTheYearOfEveryDate()
    {
        auto answered = std::make_shared<int>(0);
        m_acr->answerWith("/v1/identify",
                          [answered](const HttpRequest&)
                          {
                              static const QByteArray kDates[] = {"2004-06-07", "2004-06", "2004"};
                              QByteArray body = IdentifyAnswer();
                              return Json(
                                  body.replace("\"2004-06-07\"", '"' + kDates[(*answered)++ % 3] + '"'));
                          });
        GetAppSettings()->SetReplace(kReplaceAll);
        for (const bool inLibrary : {false, true})
        {
            const QString root = QDir::homePath() + (inLibrary ? "/linked-library/" : "/linked-folder/");
            const QString real = root + "real/", links = root + "links/", lib = root + "lib/";
            QVERIFY(QDir().mkpath(real) && QDir().mkpath(links) && QDir().mkpath(lib));
            // Each song: its format, what its link in links/ holds (none: a plain file), its file.
            const std::tuple<AudioFormat, QString, QString> songs[] = {
                {AudioFormat::Mp3, real + "r0.mp3", real + "r0.mp3"},
                {AudioFormat::M4a, "../real/r1.m4a", real + "r1.m4a"},
                {AudioFormat::Wma, real + "middle.wma", real + "r2.wma"},
                {AudioFormat::M4a, {}, links + "s3.m4a"},
                {AudioFormat::Wma, {}, links + "s4.wma"},
                {AudioFormat::Mp3, {}, links + "s5.mp3"}}; // and a second name: never written
            QStringList locations;
            for (const auto& [format, holds, file] : songs)
            {
                AudioSpec audioSpec;
                audioSpec.format = format;
                audioSpec.seconds = 1.0;
                audioSpec.toneHz = 250.0 + 40.0 * locations.size();
                QVERIFY(makeAudioFile(file, audioSpec));
                locations << links + QStringLiteral("s%1.").arg(locations.size()) + extensionOf(format);
                QVERIFY(holds.isEmpty() || QFile::link(holds, locations.last()));
            }
            QVERIFY(QFile::link(real + "r2.wma", real + "middle.wma"));
            QVERIFY(::link(QFile::encodeName(links + "s5.mp3"), QFile::encodeName(real + "second.mp3")) == 0);
            const QByteArray hardBefore = BytesOf(real + "second.mp3");
            const QString library = lib + "iTunes Music Library.xml";
            std::optional<ScopedEnv> host;
            if (inLibrary)
            {
                QVERIFY(WriteLibrary(lib + "real.xml", locations, 800) && QFile::link("real.xml", library));
                host.emplace("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
            }
            g_nWorkMode = inLibrary ? EWorkMode::ITunes : EWorkMode::Files;
            // In folder mode the songs are picked one by one (a walk leaves links out).
            m_window->LoadStartParam(inLibrary ? QStringList() : locations, g_strDBPath,
                                     inLibrary ? RunModeITunes : RunModeFiles);
            QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
            Click("main_fixallbut");
            QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
            Click("main_applybut");
            QVERIFY(ApplyEnded());

            for (int i = 0; i < locations.size(); ++i)
            {
                const auto& [format, holds, file] = songs[i];
                QVERIFY2(QFileInfo(locations[i]).isSymLink() == !holds.isEmpty(), qPrintable(locations[i]));
                TagLib::FileRef written(QFile::encodeName(file).constData());
                QVERIFY2(!written.isNull() && written.tag(), qPrintable(file));
                QCOMPARE(written.tag()->artist().to8Bit(true), std::string(i == 5 ? "" : "Found Artist"));
                QCOMPARE(written.tag()->year(), i == 5 ? 0u : 2004u);
            }
            QCOMPARE(BytesOf(real + "second.mp3"), hardBefore);
            QVERIFY(QFileInfo(real + "middle.wma").isSymLink());
            const QString said = m_window->MessageText();
            QVERIFY2(said.contains("1 song(s)") && said.contains("s5.mp3"), qPrintable(said));
            QVERIFY(!inLibrary ||
                    (QFileInfo(library).isSymLink() && BytesOf(lib + "real.xml").contains("Found Artist")));
            for (const QString& folder : {real, links, lib})
                QVERIFY(
                    QDir(folder).entryList({".tidewell-edit-*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
            m_answer = 2; // Ignore: the hard-linked song stays unwritten
            m_window->GoHome();
            m_answer = 1;
            QFile::remove(g_strDBPath);
        }
        g_nWorkMode = EWorkMode::Files;
        Answer(HttpResponse::Mode::Full);
    }

    // The user types a new artist over the one the song has: Save Project and Load Saved Result
    // keep the edit pending, and Apply writes it into the file and the library although "Replace"
    // is off, which still keeps the service's title out.
    void aHandEditIsWrittenWhateverReplaceSaysAndOutlivesAProject()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/edited");
        const QStringList songs = MakeBareSongs(folder, 1);
        const QString library = folder + QStringLiteral("/iTunes Music Library.xml");
        QVERIFY(songs.size() == 1 && WriteLibrary(library, songs, 700, QStringLiteral("DJ Ravine")));
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        GetAppSettings()->SetReplace(kDefaultReplaceMask);
        Answer(HttpResponse::Mode::Full);
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));

        CModifyMusicInfo* editor = m_window->ReportPage()->Editor();
        auto* artist = editor->findChild<CLineEdit*>(QStringLiteral("NewArtist"));
        QVERIFY(QTest::qWaitFor([&] { return artist->isVisible(); }));
        QCOMPARE(editor->findChild<CLineEdit*>(QStringLiteral("OldArtist"))->GetFullText(),
                 QStringLiteral("DJ Ravine"));
        m_window->activateWindow();
        artist->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return artist->hasFocus(); }));
        artist->selectAll();
        QTest::keyClicks(artist, QStringLiteral("Tester Artist "));
        QInputMethodEvent commit; // the "ä" as an input method commits it
        commit.setCommitString(QStringLiteral("ä"));
        QCoreApplication::sendEvent(artist, &commit);
        Click("InfoHideBut");

        const QString project = QDir::homePath() + QStringLiteral("/edited.zavrodata");
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            m_window->ApplyOrSave(3);
        }
        QVERIFY(QFile::exists(project));
        m_answer = 2; // Ignore
        Click("main_gohome");
        QCOMPARE(ArtistOf(songs[0]), QString());
        {
            CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
            QTest::mouseClick(m_window->StartPage()->findChild<QPushButton*>(QStringLiteral("load_obj")),
                              Qt::LeftButton);
        }
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        MusicInfo written;
        QVERIFY(GetMusicInfo(songs[0].toUtf8().constData(), &written) >= 0);
        QCOMPARE(written.Artist + written.Name, QStringLiteral("Tester Artist äBare 1"));
        const QString xml = QString::fromUtf8(BytesOf(library));
        QVERIFY(xml.contains(QStringLiteral("<string>Tester Artist ä</string>")));
        QVERIFY(!xml.contains(QStringLiteral("DJ Ravine")) && !xml.contains(QStringLiteral("Found Title")));
        g_nWorkMode = EWorkMode::Files;
    }

    // A FIFO, a link to /dev/zero and a link to the FIFO as library locations: the load ends,
    // they count as missing, and closing returns at once.
    void specialFilesAreMissingSongs()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/special");
        const QStringList songs = MakeBareSongs(folder + QStringLiteral("/real"), 2);
        QCOMPARE(songs.size(), 2);
        const QString fifo = folder + QStringLiteral("/pipe.mp3");
        const QString zero = folder + QStringLiteral("/zero.mp3");
        const QString toFifo = folder + QStringLiteral("/to-pipe.mp3");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        QVERIFY(QFile::link(fifo, toFifo));
        const QStringList special = {fifo, zero, toFifo};
        const QString library = folder + QStringLiteral("/iTunes Music Library.xml");
        QVERIFY(WriteLibrary(library, songs + special, 500));
        ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
        g_nWorkMode = EWorkMode::ITunes;
        m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
        QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 30000));
        QCOMPARE(RowsOf(m_window->ReportPage()->MissingTree()), 3);
        QVERIFY(LeftPromptly(true));
        g_nWorkMode = EWorkMode::Files;
    }

    // Fix All fills the report and raises the score; a closed Replace box applies nothing, Yes
    // writes the answers into the files and keeps the Replace mask.
    void fixAllThenApplyClosedAndYes()
    {
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        const int score = m_window->ScoreText().toInt();
        QVERIFY(score < 100);
        m_window->Fixall();
        QCOMPARE(Action(), int(CMainUI::ActionPause));
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QVERIFY(!MenuEntry(QStringLiteral("Pause"))->isEnabled()); // the pass has ended
        QVERIFY(m_window->ScoreText().toInt() > score);
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 3);
        QVERIFY(m_window->ReportPage()->HasUnappliedChanges());
        m_window->GoHome(); // the fixes are not dropped unasked: Cancel stays
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));

        GetAppSettings()->SetReplace(kReplaceAll);
        m_answer = 0;
        m_window->ApplyiTunes();
        QCOMPARE(m_questions.size(), 2);
        QVERIFY(!m_window->ApplyThread()->isRunning());
        QCOMPARE(Action(), int(CMainUI::ActionApply));
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll);
        QCOMPARE(ArtistOf(Song(0)), QString());

        m_answer = 1;
        m_window->ApplyiTunes();
        QCOMPARE(m_questions.size(), 3);
        QVERIFY(ApplyEnded());
        QCOMPARE(m_window->RunState(), EWindowRunState::ResultShown);
        QCOMPARE(Action(), int(CMainUI::ActionReturn)); // nothing left to apply
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ArtistOf(Song(i)), QStringLiteral("Found Artist"));
        QCOMPARE(ArtistOf(Song(5)), QStringLiteral("Singer 5"));
        QVERIFY(!m_window->ReportPage()->HasUnappliedChanges());
    }

    // An apply started while the fix is paused (answers held) returns to the paused fix with its
    // bar; Continue lets the held answers in. No to Replace drops the switch and still applies.
    void applyFromAPausedFixReturnsToIt()
    {
        MakeSongs();
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        m_window->Fixall();
        m_window->CancelGroup();
        QCOMPARE(m_window->RunState(), EWindowRunState::Paused);
        QVERIFY(QTest::qWaitFor([this] { return m_acr->requests().size() >= 3; }, 60000));
        auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("main_progress"));
        bar->setValue(3000);

        GetAppSettings()->SetReplace(kReplaceAll);
        m_answer = 2;
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll & ~MF_ReplaceSwitch);
        QCOMPARE(m_window->Stage(), 3);
        QCOMPARE(m_window->RunState(), EWindowRunState::Paused);
        QCOMPARE(bar->value(), 3000);
        QCOMPARE(Action(), int(CMainUI::ActionPause));
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("main_cancelbut"))->text().trimmed(),
                 QStringLiteral("Continue"));

        m_window->CancelGroup();
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 3);
        m_answer = 1;
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        QCOMPARE(ArtistOf(Song(1)), QStringLiteral("Found Artist"));
    }

    // A Pause clicked once the apply's thread has ended, before its end reaches the window,
    // belongs to no run: it changes nothing, and the next Apply runs to its end.
    void aPauseAfterTheApplyEndedHoldsNoLaterApply()
    {
        MakeSongs();
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        Click("main_applybut");
        QVERIFY(m_window->ApplyThread()->wait(60000)); // its end stays queued meanwhile
        Click("main_cancelbut");
        QCOMPARE(m_window->RunState(), EWindowRunState::Running);
        QVERIFY(ApplyEnded());
        QCOMPARE(g_iApplyPause.load(), 0);
    }

    // Songs left unrecognized have nothing to write: after Apply, Home asks nothing more. A write
    // that fails keeps the question and names its song.
    void applyEndsTheQuestionAndAFailedWriteNamesItsSong()
    {
        MakeSongs();
        auto next = std::make_shared<int>(0);
        m_acr->answerWith("/v1/identify",
                          [next](const HttpRequest&) {
                              return (*next)++ == 0 ? Json(IdentifyAnswer())
                                                    : Json("{\"status\":{\"msg\":\"Server error\"}}", 500);
                          });
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        CAnalyReport* page = m_window->ReportPage();
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);
        GetAppSettings()->SetReplace(kReplaceAll);
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QStringList artists{ArtistOf(Song(0)), ArtistOf(Song(1)), ArtistOf(Song(2))};
        artists.sort();
        QCOMPARE(artists, QStringList({"", "", "Found Artist"}));
        QVERIFY(!page->HasUnappliedChanges());
        const qsizetype asked = m_questions.size();
        Click("main_gohome");
        QCOMPARE(m_questions.size(), asked);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
        Answer(HttpResponse::Mode::Full);

        // The file of a fixed song is gone by the time Apply writes it.
        MakeSongs();
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QVERIFY(QFile::remove(Song(1)));
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QVERIFY(page->HasUnappliedChanges());
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("1 song(s) could not be written: \u2068t1.mp3\u2069."));
        m_answer = 1; // Cancel
        Click("main_gohome");
        QCOMPARE(m_questions.size(), asked + 2);
        QCOMPARE(m_questions.last().text, QStringLiteral("Do you want to apply new results?"));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        MakeSongs();

        // Many failures: five files are named, the rest counted.
        m_answer = 2; // Ignore
        Click("main_gohome");
        const QStringList many = MakeBareSongs(QDir::homePath() + QStringLiteral("/many"), 7);
        QVERIFY(ToScoreScreen(QDir::homePath() + QStringLiteral("/many")));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        // One has grown past what TagLib can address (a hole), one is as it was, the rest are gone.
        QVERIFY(QFile(many[1]).resize(qint64(4) << 30));
        for (int i = 3; i < many.size(); ++i)
            QVERIFY(QFile::remove(many[i]));
        // The first one's ID3v2 tag now claims 2 KiB of the frames after it: not written either.
        QByteArray broken = BytesOf(many[0]);
        broken[8] = char(broken[8] + 16);
        QVERIFY(WriteBytes(many[0], broken));
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        QCOMPARE(BytesOf(many[0]), broken);
        QCOMPARE(QFileInfo(many[1]).size(), qint64(4) << 30);
        QCOMPARE(ArtistOf(many[2]), QStringLiteral("Found Artist"));
        const QString text = m_window->MessageText().remove(QChar(0x2068)).remove(QChar(0x2069));
        QVERIFY2(text.startsWith(QStringLiteral("6 song(s) could not be written: b")) &&
                     text.endsWith(QStringLiteral(".mp3 and 1 more.")) &&
                     text.count(QStringLiteral(".mp3")) == 5 && text.contains(QStringLiteral("b0.mp3")),
                 qPrintable(text));
    }

    // Apply chosen in the closing or Home question, then the Replace box closed: nothing is
    // applied, and neither a later close nor a later Apply acts on that earlier choice.
    void aClosedReplaceBoxLeavesClosingAndHomeAsTheyWere()
    {
        MakeSongs();
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        GetAppSettings()->SetReplace(kReplaceAll);

        // A plain Apply (Yes to Replace) writes, and the window stays where it is.
        auto applyStays = [this]
        {
            m_queued = {1};
            Click("main_applybut");
            QVERIFY(ApplyEnded());
            QTest::qWait(50);
            QVERIFY(m_window->isVisible());
            QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        };

        m_queued = {3, 0};
        Click("main_gohome");
        QCOMPARE(m_questions.size(), 2);
        QVERIFY(!m_window->ApplyThread()->isRunning());
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));
        applyStays();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(ArtistOf(Song(0)), QStringLiteral("Found Artist"));

        MakeSongs();
        Click("main_gohome");
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        const qsizetype asked = m_questions.size();
        m_queued = {3, 0};
        QVERIFY(!m_window->close());
        QCOMPARE(m_questions.size(), asked + 2);
        QVERIFY(!m_window->ApplyThread()->isRunning());
        m_queued = {1}; // Cancel: asked again, and the window and its database stay
        QVERIFY(!m_window->close());
        QCOMPARE(m_questions.size(), asked + 3);
        QVERIFY(m_window->isVisible());
        QVERIFY(QFileInfo::exists(g_strDBPath));
        applyStays();
        if (QTest::currentTestFailed())
            return;
        MakeSongs();
    }

    // A run in which no song is identified says so; Refix then fixes the Unrecognized Songs like
    // any other, and the next run counts only its own songs.
    void aRunThatFixesNothingSaysSoAndRefixFixesTheUnrecognizedSongs()
    {
        MakeSongs();
        m_acr->answer("/v1/identify", Json("{\"status\":{\"msg\":\"Server error\"}}", 500));
        QVERIFY(ToScoreScreen());
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        CAnalyReport* page = m_window->ReportPage();
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 3);
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("Fixed 0 song(s), 0 problem(s). Still 3 problem(s) not fixed."));
        QCOMPARE(Hints(),
                 QStringList{
                     "No song could be fixed this time. You can edit the songs yourself or try fix again."});
        QVERIFY(HeaderPicture().contains(QLatin1String("msg_warning"))); // no done picture
        const int score = m_window->ScoreText().toInt();

        // Saved and opened again (as Continue opens what a run left), the result lists the same
        // Unrecognized Songs, not among their problems, and Refix goes on from there.
        const QString project = QDir::homePath() + QStringLiteral("/unrecognized.zavrodata");
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
        m_window->ApplyOrSave(3);
        Click("main_gohome");
        Click("load_obj");
        QVERIFY(QTest::qWaitFor([this] { return m_window->Stage() != 0 && RoadEnded(); }, 60000));
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 3);
        QCOMPARE(RowsOf(page->ArtistTree()), 0);

        // A Refix that fixes one song of three praises nothing.
        int asked = 0;
        m_acr->answerWith("/v1/identify",
                          [&](const HttpRequest&) {
                              return ++asked == 1 ? Json(IdentifyAnswer())
                                                  : Json("{\"status\":{\"msg\":\"Server error\"}}", 500);
                          });
        QSignalSpy complete(page, &CAnalyReport::ReportFixAllComplete);
        const QPoint refixPlace = RefixPlace();
        QVERIFY(refixPlace.x() >= 0);
        Click("MainUIRetry");
        QVERIFY(QTest::qWaitFor([&] { return complete.count() == 1 && Action() == CMainUI::ActionApply; },
                                60000));
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 2);
        QCOMPARE(Hints(),
                 QStringList{"Some songs could not be fixed this time. You can edit them yourself or "
                             "try fix again."});

        Answer(HttpResponse::Mode::Full);
        const qsizetype before = m_acr->requests().size();
        complete.clear();
        QCOMPARE(RefixPlace(), refixPlace); // in one place whatever its line says
        Click("MainUIRetry");
        QVERIFY(QTest::qWaitFor([&] { return complete.count() == 1 && Action() == CMainUI::ActionApply; },
                                60000));
        QCOMPARE(m_acr->requests().size(), before + 2);
        QCOMPARE(RowsOf(page->UnrecognizedTree()), 0);
        QCOMPARE(RowsOf(page->ArtistTree()), 3);
        QCOMPARE(page->ArtistTree()->GetFixedCount(), 3);
        QVERIFY(m_window->ScoreText().toInt() > score);
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("Congratulations, your music library is 100% cleaned!"));
        QCOMPARE(
            Hints().value(0),
            QStringLiteral("Congrats! Your library looks great now. You can apply all the results now."));
        GetAppSettings()->SetReplace(kReplaceAll);
        Click("main_applybut");
        QVERIFY(ApplyEnded());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ArtistOf(Song(i)), QStringLiteral("Found Artist"));
        // Nothing left to write: nothing offers to apply, and the menu's Pause rests.
        QCOMPARE(Action(), int(CMainUI::ActionReturn));
        QVERIFY(!MenuEntry(QStringLiteral("Pause"))->isEnabled());
        QVERIFY(HeaderPicture().contains(QLatin1String("fix_end_bg")));

        Click("main_gohome");
        MakeSongs();
        QVERIFY(ToScoreScreen());
        QCOMPARE(page->ProblemCount(), 3);
    }

    // After a run that recognised nothing, an Artist and a Year typed over the songs' own, then
    // Refix with the service answering: the typed texts stay and Apply writes them, the answer
    // fills only what the songs lacked, and its title, which "Replace" (off) keeps back, is shown
    // neither in the list nor as new in the editor. Folder and library mode, several formats.
    void typedTextsOutliveALaterAnswer()
    {
        GetAppSettings()->SetReplace(kDefaultReplaceMask);
        for (const bool library : {false, true})
        {
            const QString folder = QDir::homePath() + QStringLiteral("/typed");
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            // A folder's walk for a fix takes mp3, m4a and wma; a library names any file.
            const AudioFormat formats[] = {AudioFormat::Mp3, AudioFormat::M4a, AudioFormat::Wma,
                                           library ? AudioFormat::Flac : AudioFormat::Mp3};
            QStringList songs;
            for (int i = 0; i < 4; ++i)
            {
                AudioSpec sound;
                sound.format = formats[i];
                sound.seconds = 1.0;
                sound.toneHz = 250.0 + 40.0 * i;
                sound.tags = {QStringLiteral("Song %1").arg(i), QStringLiteral("Old Singer"), {}, {}, 1999};
                songs << folder + QStringLiteral("/s%1.").arg(i) + extensionOf(formats[i]);
                QVERIFY(makeAudioFile(songs.last(), sound));
            }
            const QString xml = folder + QStringLiteral("/iTunes Music Library.xml");
            QVERIFY(WriteLibrary(xml, songs, 900, QStringLiteral("Old Singer")));
            ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
            g_nWorkMode = library ? EWorkMode::ITunes : EWorkMode::Files;
            m_acr->answer("/v1/identify", Json("{\"status\":{\"msg\":\"Server error\"}}", 500));
            QVERIFY(FixAllOver(folder, library));
            CAnalyReport* page = m_window->ReportPage();
            QCOMPARE(RowsOf(page->UnrecognizedTree()), 4);

            const auto show = [page](QTreeWidget* tree, QTreeWidgetItem* row)
            {
                QTreeWidget* categories = page->CategoryTree();
                QTreeWidgetItem* entry =
                    page->CategoryEntry(tree == page->UnrecognizedTree() ? ReportUnrecognized : ReportAlbum);
                categories->scrollToItem(entry);
                QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                                  categories->visualItemRect(entry).center());
                tree->scrollToItem(row);
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
            };
            CModifyMusicInfo* editor = page->Editor();
            const auto field = [editor](const char* name)
            { return editor->findChild<CLineEdit*>(QLatin1String(name)); };
            m_window->activateWindow();
            for (int i = 0; i < 4; ++i)
            {
                show(page->UnrecognizedTree(), page->UnrecognizedTree()->topLevelItem(i));
                if (editor->IsContentHidden())
                    Click("InfoHideBut");
                QVERIFY(QTest::qWaitFor([&] { return field("NewArtist")->isVisible(); }));
                const QString title = field("OldName")->GetFullText();
                for (const auto& [name, text] : {std::pair{"NewArtist", QStringLiteral("Typed ") + title},
                                                 std::pair{"NewYear", QStringLiteral("2011")}})
                {
                    CLineEdit* edit = field(name);
                    edit->setFocus();
                    QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
                    edit->selectAll();
                    QTest::keyClicks(edit, text);
                }
            }
            m_acr->answer("/v1/identify", Json(IdentifyAnswer("Found Title", "Found Artist", "coverTrack")));
            QSignalSpy complete(page, &CAnalyReport::ReportFixAllComplete);
            Click("MainUIRetry");
            QVERIFY(QTest::qWaitFor([&] { return !complete.isEmpty() && Action() == CMainUI::ActionApply; },
                                    60000));
            QCOMPARE(RowsOf(page->UnrecognizedTree()), 0);
            if (!library)
            {
                QTreeWidgetItem* row = page->AlbumTree()->topLevelItem(0);
                QVERIFY(row->text(0).startsWith(QStringLiteral("Song ")));
                QCOMPARE(row->text(2), QStringLiteral("Typed ") + row->text(0));
                show(page->AlbumTree(), row);
                QVERIFY(QTest::qWaitFor([&] { return field("NewName")->GetFullText() == row->text(0); }));
                QVERIFY(!field("NewName")->property("changed").toBool());
                QCOMPARE(field("NewAlbum")->GetFullText(), QStringLiteral("Found Album"));
                QVERIFY(field("NewAlbum")->property("changed").toBool());
            }

            Click("main_applybut");
            QVERIFY(ApplyEnded());
            for (int i = 0; i < 4; ++i)
            {
                TagLib::FileRef file(QFile::encodeName(songs[i]).constData());
                QVERIFY(!file.isNull() && file.tag());
                // The library names the songs "Bare 1" on.
                const QString title = QStringLiteral("Song %1").arg(i);
                const QString typed =
                    QStringLiteral("Typed ") + (library ? QStringLiteral("Bare %1").arg(i + 1) : title);
                QCOMPARE(QString::fromStdString(file.tag()->title().to8Bit(true)), title);
                QCOMPARE(QString::fromStdString(file.tag()->artist().to8Bit(true)), typed);
                QCOMPARE(file.tag()->year(), 2011u);
                QCOMPARE(QString::fromStdString(file.tag()->album().to8Bit(true)),
                         library ? QString() : QStringLiteral("Found Album"));
                if (library)
                    QVERIFY(BytesOf(xml).contains(typed.toUtf8()));
            }
            if (!library)
            {
                // Applied, the answer "Replace" kept back is still not shown as the new title.
                QTreeWidgetItem* row = page->AlbumTree()->topLevelItem(1);
                show(page->AlbumTree(), row);
                if (editor->IsContentHidden())
                    Click("InfoHideBut");
                QVERIFY(QTest::qWaitFor([&] { return field("OldName")->GetFullText() == row->text(0); }));
                QCOMPARE(field("NewName")->GetFullText(), row->text(0));
                QVERIFY(!field("NewName")->property("changed").toBool());
            }
            m_answer = 2; // Ignore
            Click("main_gohome");
            QFile::remove(g_strDBPath);
        }
        g_nWorkMode = EWorkMode::Files;
        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
    }

    // With the service answering every second request, Refix asks only about the songs listed in
    // Unrecognized Songs, and a song Fix All answered keeps its answer up to the files, in folder
    // mode and in library mode, where a missing file's row makes Refix a Fix All. "Replace" is on
    // with Name unticked: every list shows the songs' own titles, which Apply keeps.
    void refixAsksOnlyAboutTheUnrecognizedSongs()
    {
        for (const bool library : {false, true})
        {
            GetAppSettings()->SetReplace(MF_ReplaceSwitch | MF_Artist | MF_Album);
            const QString folder = QDir::homePath() + QStringLiteral("/halves");
            int asked = 0;
            const QStringList songs = HalfAnsweredLibrary(folder, 12, 6, 800, asked);
            QCOMPARE(songs.size(), 12);
            const QString xml = folder + QStringLiteral("/iTunes Music Library.xml");
            ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
            g_nWorkMode = library ? EWorkMode::ITunes : EWorkMode::Files;
            QVERIFY(FixAllOver(folder, library));
            CAnalyReport* page = m_window->ReportPage();
            const int listed = RowsOf(page->UnrecognizedTree());
            QCOMPARE(asked, 12);
            QVERIFY2(listed >= 6 && listed < 12, qPrintable(QString::number(listed)));
            QStringList before;
            for (int i = 0; i < RowsOf(page->ArtistTree()); ++i)
                if (QTreeWidgetItem* row = page->ArtistTree()->topLevelItem(i);
                    row->text(2).startsWith("Local"))
                {
                    before << row->text(2);
                    // "Replace" keeps the answer's title back: the song's own title shows.
                    QVERIFY(row->text(0).startsWith(QStringLiteral("Bare ")));
                }
            QVERIFY(!before.isEmpty());
            // Answered songs without a cover are listed here too, under their own titles.
            for (int i = 0; i < listed; ++i)
                QVERIFY2(
                    page->UnrecognizedTree()->topLevelItem(i)->text(2).startsWith(QStringLiteral("Bare ")),
                    qPrintable(page->UnrecognizedTree()->topLevelItem(i)->text(2)));

            QSignalSpy complete(page, &CAnalyReport::ReportFixAllComplete);
            Click("MainUIRetry");
            QVERIFY(QTest::qWaitFor([&] { return !complete.isEmpty() && Action() == CMainUI::ActionApply; },
                                    60000));
            QCOMPARE(asked, 12 + listed);
            GetAppSettings()->SetReplace(kDefaultReplaceMask);
            Click("main_applybut");
            QVERIFY(ApplyEnded());
            QStringList written;
            for (const QString& song : songs)
                written << ArtistOf(song);
            for (const QString& artist : before)
                QVERIFY2(written.contains(artist), qPrintable(artist + " not in " + written.join(u',')));
            if (library)
                for (const QString& artist : before)
                    QVERIFY(BytesOf(xml).contains(artist.toUtf8()));
            m_answer = 2; // Ignore
            Click("main_gohome");
            QFile::remove(g_strDBPath);
        }
        g_nWorkMode = EWorkMode::Files;
        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
    }

    // The bar follows the answers received, failed ones too (six of twelve, the service silent on
    // the rest); a run of which no request reached the service says so.
    void anUnreachableServiceIsNamed()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/offline");
        QCOMPARE(MakeBareSongs(folder, 12).size(), 12);
        int asked = 0;
        m_acr->answerWith("/v1/identify",
                          [&](const HttpRequest&)
                          {
                              return ++asked <= 6 ? Json("{\"status\":{\"msg\":\"Server error\"}}", 500)
                                                  : HttpResponse::only(HttpResponse::Mode::Silent);
                          });
        QVERIFY(ToScoreScreen(folder));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([&] { return asked >= 10; }, 60000));
        QTest::qWait(300);
        QCOMPARE(m_window->findChild<QProgressBar*>(QStringLiteral("main_progress"))->value(), 5000);
        m_window->GoHome();
        QFile::remove(g_strDBPath);
        const ScopedEnv offline(tidewell::online::keys::kAcrHostVariable, "127.0.0.1:9");
        QVERIFY(ToScoreScreen(folder));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QVERIFY(Hints().value(0).startsWith("The recognition service could not be reached."));
        QVERIFY(HeaderPicture().contains(QLatin1String("msg_warning")));
        QVERIFY(!ShowsDonePicture(*m_window));
    }

    // A picture dropped on the song the editor shows, then Home or the close button at once, and
    // a field typed, then Refix: the editor's change is saved first (and asked about like any
    // fix), never dropped, and Apply writes the last picture.
    void whatTheEditorHoldsIsSavedBeforeHomeRefixAndClosing()
    {
        QCOMPARE(MakeBareSongs(QDir::homePath() + QStringLiteral("/covers"), 3).size(), 3);
        GetAppSettings()->SetReplace(kReplaceAll & ~MF_ReplaceSwitch); // no Replace question
        m_acr->answer("/v1/identify", Json("{\"status\":{\"msg\":\"Server error\"}}", 500));
        QVERIFY(ToScoreScreen(QDir::homePath() + QStringLiteral("/covers")));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
        QVERIFY(!m_window->ReportPage()->HasUnappliedChanges());
        CModifyMusicInfo* editor = m_window->ReportPage()->Editor();
        MusicInfo* shown = nullptr;
        QCOMPARE(m_window->MusicLink()->GetMusicRecord(static_cast<CMusicObj*>(editor->Track()), &shown, 1),
                 0);
        const auto drop = [editor](const QString& name, int width)
        {
            QFile file(QDir::homePath() + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(makePicture(width, 60, 0x3050f0, "PNG"));
            file.close();
            DropUrls(editor->NewArtworkLabel(), {QUrl::fromLocalFile(file.fileName())});
        };
        drop(QStringLiteral("/first.png"), 80);
        const qsizetype asked = m_questions.size();
        m_queued = {1}; // Cancel
        Click("main_gohome");
        QCOMPARE(m_questions.size(), asked + 1);
        QCOMPARE(m_questions.last().text, QStringLiteral("Do you want to apply new results?"));
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));

        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto* artist = editor->findChild<CLineEdit*>(QStringLiteral("NewArtist"));
        QTest::mouseClick(artist, Qt::LeftButton);
        artist->repaint(); // the first paint with focus puts the full text in
        QTest::keyClicks(artist, QStringLiteral("Kept Artist"));
        QSignalSpy complete(m_window->ReportPage(), &CAnalyReport::ReportFixAllComplete);
        Click("MainUIRetry");
        QVERIFY(QTest::qWaitFor(
            [&] { return !complete.isEmpty() && m_window->RunState() == EWindowRunState::Idle; }, 60000));
        QCOMPARE(shown->Artist, QStringLiteral("Kept Artist"));

        QCOMPARE(m_window->MusicLink()->GetMusicRecord(static_cast<CMusicObj*>(editor->Track()), &shown, 1),
                 0);
        const QString song = shown->Location;
        drop(QStringLiteral("/second.png"), 40);
        m_queued = {3}; // Apply, then the window closes
        QTest::mouseClick(m_window->findChild<QToolButton*>(QStringLiteral("close")), Qt::LeftButton);
        QCOMPARE(m_questions.size(), asked + 2);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->isVisible(); }, 60000));
        std::vector<unsigned char> embedded;
        QCOMPARE(GetArtworkPicture(song.toUtf8().constData(), embedded), 0);
        QCOMPARE(QImage::fromData(embedded.data(), int(embedded.size())).size(), QSize(40, 60));
    }

    // Home and closing while the jobs wait on a silent service, and while paused with answers
    // waiting, return promptly.
    void homeAndClosingDuringTheFix()
    {
        MakeSongs();
        for (const bool paused : {false, true})
        {
            for (const bool close : {false, true})
            {
                Answer(paused ? HttpResponse::Mode::Full : HttpResponse::Mode::Silent);
                const qsizetype before = m_acr->requests().size();
                QVERIFY(ToScoreScreen());
                m_window->Fixall();
                if (paused)
                    m_window->CancelGroup();
                QVERIFY(QTest::qWaitFor([&] { return m_acr->requests().size() >= before + 3; }, 60000));
                QVERIFY(LeftPromptly(close));
            }
        }

        // And in a paused apply.
        Answer(HttpResponse::Mode::Full);
        GetAppSettings()->SetReplace(kReplaceAll & ~MF_ReplaceSwitch);
        for (const bool close : {false, true})
        {
            MakeSongs();
            QVERIFY(ToScoreScreen());
            m_window->Fixall();
            QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
            m_window->ApplyiTunes();
            m_window->CancelGroup();
            m_queued = {1, 2}; // back Home, and Ignore what the paused apply has not written
            QVERIFY(LeftPromptly(close));
            m_queued.clear();
        }
    }

    // A result saved at each stage opens as it was shown, in folder and in library mode: after the
    // scan, after Fix All (the service answering every second song), after an artist typed for a
    // song that stays among the Unrecognized Songs (counted as fixed at once), after Apply, and
    // after Apply and one more edit. A Refix on the loaded result then leaves no category or row
    // at work, and each summary's numbers add up to the rows shown.
    void aResultReadsAlikeLiveSavedAndLoaded()
    {
        GetAppSettings()->SetReplace(kReplaceAll & ~MF_ReplaceSwitch); // no Replace question
        const auto english = qScopeGuard(
            []
            {
                g_dScale = 1.0;
                GetAppSettings()->SetLanguage(QStringLiteral("en"));
                InstallInterfaceTranslator(LoadInterfaceTranslator(QStringLiteral("en")));
            });
        // Library and folder mode in English, and folder mode in German at scale 2.
        for (const auto& [library, code] :
             {std::pair{false, "en"}, std::pair{true, "en"}, std::pair{false, "de"}})
        {
            const bool counted = QLatin1String(code) == QLatin1String("en"); // the counts read in English
            if (!counted)
            {
                CloseWindow();
                g_dScale = 2.0;
                GetAppSettings()->SetLanguage(QLatin1String(code));
                InstallInterfaceTranslator(LoadInterfaceTranslator(QLatin1String(code)));
                OpenWindow();
            }
            const QString folder = QDir::homePath() + QStringLiteral("/shown");
            int asked = 0;
            const QStringList songs = HalfAnsweredLibrary(folder, 8, 2, 600, asked);
            QCOMPARE(songs.size(), 8);
            const QString xml = folder + QStringLiteral("/iTunes Music Library.xml");
            ScopedEnv host("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
            g_nWorkMode = library ? EWorkMode::ITunes : EWorkMode::Files;
            if (library)
            {
                m_window->LoadStartParam({}, g_strDBPath, RunModeITunes);
                QVERIFY(QTest::qWaitFor([this] { return RoadEnded(); }, 60000));
            }
            else
            {
                QVERIFY(ToScoreScreen(folder));
            }
            LoadsAsShown(QStringLiteral("scan"));
            Click("main_fixallbut");
            QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
            LoadsAsShown(QStringLiteral("fixed"));

            CAnalyReport* page = m_window->ReportPage();
            // The Unrecognized Songs' summary: the problems fixed.
            const QRegularExpression counts(
                QStringLiteral("Fixed (\\d+) problem\\(s\\)\\. Still (\\d+) song"));
            const auto fixedProblems = [&]
            {
                ClickCategory(page->CategoryEntry(ReportUnrecognized));
                const QRegularExpressionMatch said = counts.match(m_window->MessageText());
                return said.hasMatch() ? said.captured(1).toInt() : -1;
            };
            const auto typeArtist = [&](const QString& artist)
            {
                const int before = counted ? fixedProblems() : 0;
                QVERIFY(before >= 0);
                // A song without artist and cover: it stays listed with the artist typed.
                int index = -1;
                for (int i = 0; i < RowsOf(page->UnrecognizedTree()) && index < 0; ++i)
                {
                    auto* row = dynamic_cast<CTreeItem*>(page->UnrecognizedTree()->topLevelItem(i));
                    if (!row->text(4).startsWith(QStringLiteral("Local")) &&
                        !row->text(4).startsWith(QStringLiteral("Typed")) &&
                        m_window->MusicLink()->GetArtworkPath(row->GetMusicData()).isEmpty())
                        index = i;
                }
                QVERIFY(index >= 0 && RowsOf(page->UnrecognizedTree()) > 1);
                QSignalSpy changed(page, &CAnalyReport::ResultChanged);
                TypeForUnrecognized(index, "NewArtist", artist);
                // Another row shown saves the typed field; the header counts it, as one fixed field.
                QTreeWidget* tree = page->UnrecognizedTree();
                QTreeWidgetItem* other = tree->topLevelItem(index == 0 ? 1 : 0);
                tree->scrollToItem(other);
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(other).center());
                QVERIFY(QTest::qWaitFor(
                    [&] { return !changed.isEmpty() && Action() == CMainUI::ActionApply; }, 10000));
                if (counted)
                    QCOMPARE(fixedProblems(), before + 1);
            };
            typeArtist(QStringLiteral("Typed Singer"));
            LoadsAsShown(QStringLiteral("edited"), false);
            Click("main_applybut");
            QVERIFY(ApplyEnded());
            QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionReturn; }, 10000));
            LoadsAsShown(QStringLiteral("applied"));
            typeArtist(QStringLiteral("Typed Again"));
            LoadsAsShown(QStringLiteral("applied and edited"), false);

            m_acr->answer("/v1/identify", Json(IdentifyAnswer("Local Title", "Local Artist")));
            QSignalSpy complete(page, &CAnalyReport::ReportFixAllComplete);
            Click("MainUIRetry");
            QVERIFY(QTest::qWaitFor([&] { return !complete.isEmpty() && Action() == CMainUI::ActionApply; },
                                    60000));
            QTest::qWait(200); // what the end posts behind it
            const QStringList shot = PageShot();
            QVERIFY2(!shot.join(u'\n').contains(QStringLiteral("spinning")), qPrintable(shot.join(u'\n')));
            for (int i = 0; i < RowsOf(page->ArtistTree()); ++i)
                QVERIFY(!page->ArtistTree()->topLevelItem(i)->icon(5).isNull());
            const QRegularExpression artists(
                QStringLiteral("Fixed (\\d+) song\\(s\\) without artist\\. Still (\\d+) song"));
            for (const QString& line : shot)
                if (const QRegularExpressionMatch said = artists.match(line); said.hasMatch())
                    QCOMPARE(said.captured(1).toInt() + said.captured(2).toInt(), RowsOf(page->ArtistTree()));
            m_answer = 2; // Ignore
            Click("main_gohome");
            m_answer = 1;
            QFile::remove(g_strDBPath);
        }
        g_nWorkMode = EWorkMode::Files;
        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
    }

    // A run killed in the middle of Fix All: Continue brings the pass back and it goes on with the
    // songs that had no answer, the answered ones keeping theirs, up to the end of the pass.
    void aKilledFixAllGoesOnAfterContinue()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/killed");
        const QStringList songs = MakeBareSongs(folder, 12, 12); // only the artist lacks
        QCOMPARE(songs.size(), 12);
        int asked = 0;
        AnswerThreeThenHold(asked);
        QVERIFY(ToScoreScreen(folder));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor([this] { return m_window->ReportPage()->ArtistTree()->GetFixedCount() == 3; },
                                60000));
        // What a kill now leaves.
        QVERIFY(m_window->ReportPage()->WaitFixWrites());
        m_window->findChild<CResultMarks*>()->WaitWritten();
        const QString left = QDir::homePath() + QStringLiteral("/killed.db");
        QFile::remove(left);
        QVERIFY(QFile::copy(g_strDBPath, left));
        CloseWindow();
        QVERIFY(QFile::copy(left, g_strDBPath));
        OpenWindow();
        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
        QTest::qWait(300); // the local service reads what the killed run had sent
        const qsizetype before = m_acr->requests().size();
        QSignalSpy complete(m_window->ReportPage(), &CAnalyReport::ReportFixAllComplete);
        m_window->StartPage()->CheckingIsSave();
        QVERIFY(
            QTest::qWaitFor([&] { return !complete.isEmpty() && Action() == CMainUI::ActionApply; }, 60000));
        QCOMPARE(m_questions.first().title, QStringLiteral("Continue"));
        QCOMPARE(m_acr->requests().size() - before, 9); // the songs without an answer
        CAnalyReport* page = m_window->ReportPage();
        QCOMPARE(RowsOf(page->ArtistTree()), 12);
        QCOMPARE(page->ArtistTree()->GetFixedCount(), 12);
        QCOMPARE(m_window->MessageText(),
                 QStringLiteral("Congratulations, your music library is 100% cleaned!"));
        m_answer = 2; // Ignore
        Click("main_gohome");
        m_answer = 1;
    }

    // Home during a running Fix All: after its Yes no request reaches the service, the header
    // never says "Paused." and Apply writes what came. Closing during a paused Apply asks about
    // what it has not written; a kill then leaves it to Continue, Ignore gives it up, and Apply
    // writes it and closes.
    void leavingARunStopsItOrAsksAboutWhatItHasNotWritten()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/leaving");
        const QStringList songs = MakeBareSongs(folder, 24);
        QCOMPARE(songs.size(), 24);
        GetAppSettings()->SetReplace(kReplaceAll & ~MF_ReplaceSwitch);
        int asked = 0;
        AnswerThreeThenHold(asked);
        QVERIFY(ToScoreScreen(folder));
        Click("main_fixallbut");
        QVERIFY(QTest::qWaitFor(
            [&] { return asked >= 6 && m_window->ReportPage()->ArtistTree()->GetFixedCount() == 3; }, 60000));
        m_queued = {1, 1}; // Yes, back Home; then Cancel to the apply question
        Click("main_gohome");
        QCOMPARE(m_questions.size(), 2);
        QCOMPARE(m_questions.last().text, QStringLiteral("Do you want to apply new results?"));
        // The local service reads, on this thread, what was sent while the question was open.
        QTest::qWait(500);
        const int sent = asked;
        QTest::qWait(1500); // time for a request that should not come
        QCOMPARE(asked, sent);
        QVERIFY(m_window->MessageText() != QStringLiteral("Paused."));
        QCOMPARE(Action(), int(CMainUI::ActionApply));
        m_queued = {3}; // Apply, then home
        Click("main_gohome");
        QVERIFY(QTest::qWaitFor(
            [this] { return m_window->ContentStack()->currentIndex() == CMainUI::PageStart; }, 60000));
        QCOMPARE(asked, sent);
        QCOMPARE(std::count_if(songs.begin(), songs.end(),
                               [](const QString& song)
                               { return ArtistOf(song) == QStringLiteral("Found Artist"); }),
                 3);

        m_acr->answer("/v1/identify", Json(IdentifyAnswer()));
        const QList<int> answers = {1, 0, 2, 3}; // Cancel, closed, Ignore, Apply
        for (const int answer : answers)
        {
            MakeBareSongs(folder, 24);
            QVERIFY(ToScoreScreen(folder));
            Click("main_fixallbut");
            QVERIFY(QTest::qWaitFor([this] { return Action() == CMainUI::ActionApply; }, 60000));
            m_window->ApplyiTunes();
            Click("main_cancelbut"); // Pause
            QVERIFY(
                QTest::qWaitFor([this] { return m_window->RunState() == EWindowRunState::Paused; }, 10000));
            QVERIFY(m_window->ReportPage()->HasUnappliedChanges());
            // What a kill now leaves is offered at the next start.
            m_window->findChild<CResultMarks*>()->WaitWritten();
            const QString left = QDir::homePath() + QStringLiteral("/left-apply.db");
            QFile::remove(left);
            QVERIFY(QFile::copy(g_strDBPath, left));
            QVERIFY(CMusicLink::CheckLeftDatabase(left).isEmpty());
            m_questions.clear();
            m_answer = answer;
            m_window->close();
            m_answer = 1;
            QCOMPARE(m_questions.size(), 1);
            QCOMPARE(m_questions.first().text, QStringLiteral("Do you want to apply new results?"));
            if (answer <= 1)
            {
                QVERIFY(m_window->isVisible());
                m_answer = 2;
                m_window->close();
                m_answer = 1;
            }
            QVERIFY(QTest::qWaitFor([this] { return !m_window->isVisible(); }, 60000));
            int written = 0;
            for (const QString& song : songs)
                written += ArtistOf(song) == QStringLiteral("Found Artist");
            QVERIFY2(answer == 3 ? written == 24 : written < 24, qPrintable(QString::number(written)));
            QVERIFY(!QFile::exists(g_strDBPath) || answer != 2);
            CloseWindow();
            OpenWindow();
        }
    }
};

QTEST_MAIN(FixAllWindowTest)
#include "FixAllWindowTest.moc"
