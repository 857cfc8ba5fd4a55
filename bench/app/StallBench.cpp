// The GUI thread's longest stall, through the real main window, for the actions that used to
// freeze it: Home and closing at several moments of a large iTunes load, Home and closing with
// thousands of pictures left in the work folder, and "Show in folder". Each figure is the time
// the window's own call kept the GUI thread (the heartbeat of bench_app_heartbeat measures the
// same thing from outside; a call is simpler to read here). Goal: every figure 50 ms or less.
// Usage: bench_app_stalls [tracks] [pictures]   (QT_QPA_PLATFORM=offscreen; defaults 40000 20000)
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "GeneralUtils.h"
#include "ITunesLibraryXml.h"
#include "MainUI.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace
{

void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

qint64 Timed(const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.elapsed();
}

// Leaves the window as a user does: by its Home button, or by closing it.
void Leave(CMainUI& window, bool close)
{
    if (close)
        window.close();
    else
        window.findChild<QPushButton*>(QStringLiteral("main_gohome"))->click();
}

void Row(const QString& what, qint64 ms)
{
    std::printf("%-58s %6lld ms%s\n", qPrintable(what), static_cast<long long>(ms),
                ms > 50 ? "   over 50 ms" : "");
}

QString MakeLibrary(const QString& path, const QString& song, int count)
{
    return tidewell::test::writeOneSongLibrary(path, song, count, 97, 31) ? path : QString();
}

void FillPictures(int count)
{
    const QString folder = GetAppSettings()->GetPictureFolder();
    QDir().mkpath(folder);
    const QByteArray bytes(6000, 'p');
    for (int i = 0; i < count; ++i)
    {
        QFile file(folder + QStringLiteral("/%1.jpg").arg(i));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int trackCount = argc > 1 ? std::atoi(argv[1]) : 40000;
    const int pictureCount = argc > 2 ? std::atoi(argv[2]) : 20000;
    WidgetTestEnv env;
    FillAppStrings();
    CMessageSeam::Scope yes([](const MessageQuestion&) { return 1; });

    const QString folder = GetAppSettings()->GetDataFolder() + QStringLiteral("/../bench");
    QDir().mkpath(folder);
    const QString song = folder + QStringLiteral("/song.mp3");
    tidewell::test::AudioSpec audio;
    audio.seconds = 0.5;
    tidewell::test::makeAudioFile(song, audio);
    const QString library = MakeLibrary(folder + QStringLiteral("/Library.xml"), song, trackCount);
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    g_nWorkMode = 0;

    // Home and closing at moments of the load: the agent's read, then the import.
    for (const int after : {5, 100, 500, 1500})
    {
        for (const bool close : {false, true})
        {
            auto window = std::make_unique<CMainUI>();
            window->show();
            Spin(50);
            window->LoadStartParam({}, QString(), RunModeITunes);
            Spin(after);
            const qint64 ms = Timed([&] { Leave(*window, close); });
            Row(QStringLiteral("%1 %2 ms into a %3-track load")
                    .arg(close ? "close" : "Home")
                    .arg(after)
                    .arg(trackCount),
                ms);
            window.reset();
            Spin(20);
        }
    }
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");

    // The work folders emptied with thousands of pictures in them.
    for (const bool close : {false, true})
    {
        auto window = std::make_unique<CMainUI>();
        window->show();
        Spin(300); // the start's own clean-up
        FillPictures(pictureCount);
        const qint64 ms = Timed([&] { Leave(*window, close); });
        Row(QStringLiteral("%1 with %2 pictures to delete").arg(close ? "close" : "Home").arg(pictureCount),
            ms);
        window.reset();
    }

    // "Show in folder" (no file manager answers on a bench machine: the worst case).
    Row(QStringLiteral("Show in folder"), Timed([&] { ShowInExplorer(song); }));
    Spin(100);
    return 0;
}
