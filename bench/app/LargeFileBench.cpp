// Large files of zeros named like songs, through the real main window offscreen: what each one
// adds to a load, and how soon Home and closing return during such a load. The files are holes
// (no disk space used). Rows:
//  for each size: a picked folder of one song and the file, and an iTunes library of the two, from
//  the start request to the run's end, beside the song alone; and the decode the duplicate scan's
//  fingerprint asks of the file (KestrineDecodePcm of 60 s)
//  Home and closing 20, 200 and 600 ms into a load of a folder of eight files of the largest size,
//  with the time the call took to return and the longest GUI stall from the click
// Goal: a load does not grow with the file's size; Home and closing return within 0.5 s.
// Usage: bench_app_large_file [sizes in MB=256,1024,4096]   (QT_QPA_PLATFORM=offscreen)
#include "AppGlobals.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "LibraryXml.h"
#include "MainUI.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"
#include "kestrine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

using bench::Heartbeat;
using bench::Spin;
using bench::WaitFor;

namespace
{

std::unique_ptr<CMainUI> NewWindow()
{
    auto window = std::make_unique<CMainUI>();
    window->resize(1400, 900);
    window->show();
    Spin(300); // first paint and the start's own clean-up
    return window;
}

// Milliseconds from the start request to the end of the run (its result, or the empty screen).
qint64 LoadTime(EMusicRunMode mode, const QStringList& paths)
{
    auto window = NewWindow();
    g_nWorkMode = mode == RunModeITunes ? EWorkMode::ITunes : EWorkMode::Files;
    QElapsedTimer clock;
    clock.start();
    window->LoadStartParam(paths, QString(), mode);
    const bool ended = WaitFor(
        [&] { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }, 600000);
    return ended ? clock.elapsed() : -1;
}

qint64 LibraryLoadTime(const QString& folder, const QStringList& files)
{
    std::vector<manager_test::XmlTrack> tracks(static_cast<size_t>(files.size()));
    for (int i = 0; i < files.size(); ++i)
    {
        tracks[static_cast<size_t>(i)].trackId = 100 + i;
        tracks[static_cast<size_t>(i)].persistentId = QStringLiteral("00000000000000C%1").arg(i);
        tracks[static_cast<size_t>(i)].name = QFileInfo(files[i]).baseName();
        tracks[static_cast<size_t>(i)].location = files[i];
    }
    const QString library = folder + QStringLiteral("/Library.xml");
    if (!manager_test::WriteLibraryXml(library, tracks))
        return -1;
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    const qint64 time = LoadTime(RunModeITunes, {});
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    return time;
}

qint64 DecodeTime(const QString& file)
{
    std::vector<char> pcm(60 * 44100 * 4);
    QElapsedTimer clock;
    clock.start();
    KestrineDecodePcm(QFile::encodeName(file).constData(), 60000, pcm.data(),
                      static_cast<int64_t>(pcm.size()));
    return clock.elapsed();
}

void Leave(Heartbeat& heartbeat, const QString& folder, int after, bool close)
{
    auto window = NewWindow();
    g_nWorkMode = EWorkMode::Files;
    window->LoadStartParam({folder}, QString(), RunModeFiles);
    Spin(after);
    const bool loading = window->IsBusy();
    heartbeat.Reset();
    QElapsedTimer clock;
    clock.start();
    if (close)
        window->close();
    else
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("main_gohome")), Qt::LeftButton);
    const qint64 returned = clock.elapsed();
    Spin(100);
    std::printf("%-6s %4d ms into the load: returned in %4lld ms, longest stall %4lld ms%s\n",
                close ? "close" : "Home", after, static_cast<long long>(returned),
                static_cast<long long>(heartbeat.Longest()), loading ? "" : "  (the load had ended)");
    window.reset();
    Spin(20);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QList<qint64> sizes{256, 1024, 4096};
    if (argc > 1)
    {
        sizes.clear();
        for (const QString& size : QString::fromLocal8Bit(argv[1]).split(','))
            sizes << size.toLongLong();
    }
    WidgetTestEnv env;
    FillAppStrings();
    // Home's question is answered Yes, as is every other.
    CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });
    const QString root = QDir::homePath() + QStringLiteral("/large-file-bench");
    QDir(root).removeRecursively();
    const QString songFolder = root + QStringLiteral("/song");
    tidewell::test::AudioSpec audio;
    audio.seconds = 1.0;
    audio.tags.title = QStringLiteral("Song");
    const QString song = songFolder + QStringLiteral("/song.mp3");
    QDir().mkpath(songFolder);
    if (!tidewell::test::makeAudioFile(song, audio))
        return 1;

    std::printf("song alone: folder load %lld ms, library load %lld ms\n",
                static_cast<long long>(LoadTime(RunModeFiles, {songFolder})),
                static_cast<long long>(LibraryLoadTime(songFolder, {song})));
    for (const qint64 megabytes : sizes)
    {
        const QString folder = root + QStringLiteral("/%1").arg(megabytes);
        QDir().mkpath(folder);
        const QString zeros = folder + QStringLiteral("/zeros.mp3");
        if (!QFile::copy(song, folder + QStringLiteral("/song.mp3")) ||
            !tidewell::test::makeZeroFile(zeros, megabytes << 20))
            return 1;
        std::printf("%5lld MB of zeros: folder load %lld ms, library load %lld ms, decode %lld ms\n",
                    static_cast<long long>(megabytes),
                    static_cast<long long>(LoadTime(RunModeFiles, {folder})),
                    static_cast<long long>(LibraryLoadTime(folder, {folder + "/song.mp3", zeros})),
                    static_cast<long long>(DecodeTime(zeros)));
    }

    const qint64 largest = sizes.isEmpty() ? 4096 : sizes.last();
    const QString many = root + QStringLiteral("/many");
    QDir().mkpath(many);
    for (int i = 0; i < 8; ++i)
    {
        if (!tidewell::test::makeZeroFile(many + QStringLiteral("/zeros%1.mp3").arg(i), largest << 20))
            return 1;
    }
    Heartbeat heartbeat;
    std::printf("a folder of eight files of %lld MB:\n", static_cast<long long>(largest));
    for (const int after : {20, 200, 600})
    {
        for (const bool close : {false, true})
            Leave(heartbeat, many, after, close);
    }
    QDir(root).removeRecursively();
    return 0;
}
