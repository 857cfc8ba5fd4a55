// Apply of one large song through the real main window, offscreen: an MP3 song without artist,
// lengthened with a hole to each size (its sound runs on in zeros; the hole takes no room, but the
// edited copy Apply writes does), is loaded from a picked folder, identified by a local service
// that recognises it, and applied. Prints for each size the Apply (from the call to the run's
// end), the peak memory during it over the resident memory just before it (the kernel's
// high-water mark, reset at the start), and whether the artist was written.
// Goal: memory that does not grow with the song's size, time that grows no faster than the copy.
// Usage: bench_app_apply_large [sizes in MB=0,1024,3994] [folder=$HOME]   (0: the song as made)
#include "AppGlobals.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "BenchSupport.h"
#include "CMessageSeam.h"
#include "MainUI.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStackedWidget>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <cstdio>
#include <memory>

using bench::WaitFor;
using namespace tidewell::test;

namespace
{

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
qint64 StatusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
    {
        if (line.startsWith(key) && line.size() > qsizetype(qstrlen(key)) && line[qstrlen(key)] == ':')
            return line.mid(qsizetype(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TIDEWELL_AUDIO_OUTPUT", "null");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QStringList sizes = QString::fromLocal8Bit(argc > 1 ? argv[1] : "0,1024,3994").split(',');
    WidgetTestEnv env;
    const QString root = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::homePath();
    g_nWorkMode = EWorkMode::Files;
    CMessageSeam::Scope answers(
        [](const MessageQuestion& question)
        { return question.text.contains(QStringLiteral("apply new results")) ? 2 : 1; });
    bench::IdentifyService service(true);
    if (!service.Started())
        return 1;

    for (const QString& size : sizes)
    {
        const qint64 bytes = size.toLongLong() << 20;
        const QString folder = root + QStringLiteral("/apply-large-%1").arg(size);
        QDir(folder).removeRecursively();
        const QString song = folder + QStringLiteral("/large.mp3");
        AudioSpec sound;
        sound.format = AudioFormat::Mp3;
        sound.tags.title = QStringLiteral("Large");
        sound.tags.album = QStringLiteral("Album");
        if (!QDir().mkpath(folder) || !makeAudioFile(song, sound) ||
            (bytes > 0 && !QFile(song).resize(bytes)))
        {
            std::printf("%s MB: the song could not be made\n", qPrintable(size));
            return 2;
        }
        auto window = std::make_unique<CMainUI>();
        window->show();
        window->LoadStartParam({folder}, g_strDBPath, RunModeFiles);
        const bool loaded =
            WaitFor([&]
                    { return window->RunState() == EWindowRunState::ResultShown && !window->IsBusy(); }) &&
            window->ActionStack()->currentIndex() == CMainUI::ActionFixAll;
        window->Fixall();
        const bool fixed =
            loaded && WaitFor([&] { return window->ActionStack()->currentIndex() == CMainUI::ActionApply; });
        if (!fixed)
        {
            std::printf("%s MB: no fix to apply (%s)\n", qPrintable(size), qPrintable(window->MessageText()));
            return 3;
        }
        bench::Spin(500); // the page's own work after the fix settles
        const qint64 before = StatusKiB("VmRSS");
        const bool reset = ResetPeak();
        QElapsedTimer timer;
        timer.start();
        window->ApplyiTunes();
        if (!WaitFor(
                [&] {
                    return !window->ApplyThread()->isRunning() &&
                           window->RunState() != EWindowRunState::Running;
                }))
            return 4;
        const double seconds = timer.nsecsElapsed() / 1e9;
        const qint64 peak = StatusKiB("VmHWM");
        const TagLib::FileRef written(QFile::encodeName(song).constData());
        const bool artist = !written.isNull() && written.tag() && !written.tag()->artist().isEmpty();
        std::printf("%5s MB (%lld bytes): Apply %8.3f s, peak over the resident %7.1f MB (resident before "
                    "%.1f MB%s), artist written %s\n",
                    qPrintable(size), static_cast<long long>(QFileInfo(song).size()), seconds,
                    reset ? (peak - before) / 1024.0 : -1.0, before / 1024.0, reset ? "" : ", no peak reset",
                    artist ? "yes" : "NO");
        window->GoHome();
        window.reset();
        QFile::remove(g_strDBPath);
        QDir(folder).removeRecursively();
    }
    return 0;
}
