// Load Saved Result through the real main window, offscreen, for files that take long to read:
//  - a project of many rows in the wrong shape (columns missing; ids not hex): time from the press
//    to the refusal, and the working database afterwards;
//  - a project whose first song is named with N megabytes of text: time from the press to the
//    score screen and the longest GUI-thread stall of the benchmarks' heartbeat (bench::Heartbeat).
// Usage: bench_app_project_file [rows=200000] [megabytes=30]
#include "AppGlobals.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "MainUI.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace
{

bool Exec(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

bool Wait(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(2);
    return done();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;
    const int megabytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    WidgetTestEnv env;
    const QString home = QDir::homePath();

    int questions = 0;
    CMessageSeam::Scope answers(
        [&](const MessageQuestion&)
        {
            ++questions;
            return 1;
        });
    CMainUI window;
    window.show();
    auto press = [&](const QString& path)
    {
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{path}; });
        QTest::mouseClick(window.StartPage()->findChild<QPushButton*>(QStringLiteral("load_obj")),
                          Qt::LeftButton);
    };
    auto ended = [&]
    { return window.Stage() != 0 && window.RunState() == EWindowRunState::ResultShown && !window.IsBusy(); };

    // A real project of two songs without artwork, saved from a run over their folder.
    const QString folder = home + QStringLiteral("/songs");
    if (tidewell::test::makeSongFolder(folder, 2, QStringLiteral("Song"), QStringLiteral("s"), false)
            .size() != 2)
        return 1;
    window.LoadStartParam({folder}, g_strDBPath, RunModeFiles);
    if (!Wait(ended, 120000))
        return 1;
    const QString project = home + QStringLiteral("/songs.zavrodata");
    {
        CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
        window.ApplyOrSave(3);
    }
    window.GoHome();

    // The wrong shapes, each of `rows` rows.
    const QString missing = home + QStringLiteral("/missing-columns.zavrodata");
    const QString fill =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ")
            .arg(rows);
    Exec(missing, "CREATE TABLE TracksTable(PersistentID text, Name text, Type integer)");
    Exec(missing, (QStringLiteral("INSERT INTO TracksTable ") + fill +
                   QStringLiteral("SELECT printf('%016X', i), 'Song ' || i, 2 FROM n"))
                      .toUtf8()
                      .constData());
    const QString notHex = home + QStringLiteral("/ids-not-hex.zavrodata");
    QFile::copy(project, notHex);
    Exec(notHex, "DELETE FROM TracksTable");
    Exec(notHex, (QStringLiteral("INSERT INTO TracksTable(TrackID, PersistentID, Name, Type) ") + fill +
                  QStringLiteral("SELECT i, 'song-' || i, 'Song ' || i, 2 FROM n"))
                     .toUtf8()
                     .constData());
    for (const QString& path : {missing, notHex})
    {
        const int before = questions;
        QElapsedTimer clock;
        clock.start();
        press(path);
        // Refused with a message, or else loaded to whatever screen the load ends on.
        Wait([&] { return questions > before || ended(); }, 1800000);
        const bool refused = questions > before;
        std::printf("%-26s %d rows, %.1f MB: %s after %lld ms\n", qPrintable(QFileInfo(path).fileName()),
                    rows, QFileInfo(path).size() / 1e6, refused ? "refused" : "loaded, not refused,",
                    clock.elapsed());
        if (!refused)
            window.GoHome();
    }

    // A song named with megabytes of text.
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray name = QByteArray("Long name ").repeated(megabytes * 1024 * 1024 / 10);
    sqlite3_open(QFile::encodeName(project).constData(), &db);
    sqlite3_prepare_v2(db, "UPDATE TracksTable SET Name = ? WHERE rowid = 1", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_STATIC);
    sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    // Without its artist the song is also a row of a tree page, not only a cell of the artwork list.
    Exec(project, "UPDATE TracksTable SET Artist = '', Absence = Absence | 1024 WHERE rowid = 1");
    QElapsedTimer clock;
    clock.start();
    bench::Heartbeat heartbeat;
    press(project);
    const bool shown = Wait(ended, 1800000);
    std::printf("%d MB song name: %s after %lld ms, longest GUI stall %lld ms\n", megabytes,
                shown ? "score screen" : "NO score screen", clock.elapsed(),
                static_cast<long long>(heartbeat.Longest()));
    // The page painted a few more times with the name on it.
    QTest::qWait(200);
    std::printf("after showing the page: longest GUI stall %lld ms\n",
                static_cast<long long>(heartbeat.Longest()));
    window.GoHome();
    return shown ? 0 : 1;
}
