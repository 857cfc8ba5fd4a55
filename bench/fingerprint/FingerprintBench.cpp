// Decodes and fingerprints generated 3-minute files single-threaded, the way the library analysis
// does (first 20 seconds, one shared decode buffer), and times the fpcalc command on the same
// files for comparison.
//
// Usage: bench_fingerprint_decode [folder=/tmp/tidewell-fingerprint-bench] [files=100] [seconds=180]
// Files already in the folder are reused, so only the first run pays for encoding.

#include "Fingerprint.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <chromaprint.h>

#include <cstdio>
#include <list>
#include <memory>

namespace
{

QString fileName(const QString& folder, int index)
{
    return QString("%1/tune-%2.mp3").arg(folder).arg(index, 3, 10, QChar('0'));
}

// A different little tune per index: two voices whose notes change four times a second.
QString tuneExpression(int index)
{
    const int a = 180 + (index * 37) % 200;
    const int b = 90 + (index * 53) % 160;
    const int steps = 5 + index % 7;
    return QString(
               "0.25*sin(2*PI*(%1+%2*mod(floor(t*4)*%3,11))*t)+0.2*sin(2*PI*(%4+%5*mod(floor(t*2)*%3,7))*t)")
        .arg(a)
        .arg(a / 6)
        .arg(steps)
        .arg(b)
        .arg(b / 5);
}

bool generate(const QString& folder, int count, int seconds)
{
    QDir().mkpath(folder);
    std::list<std::unique_ptr<QProcess>> running;
    const int parallel = std::max(1, QThread::idealThreadCount() - 1);
    bool ok = true;
    auto reap = [&](bool all)
    {
        while (!running.empty() && (all || static_cast<int>(running.size()) >= parallel))
        {
            running.front()->waitForFinished(-1);
            ok = ok && running.front()->exitCode() == 0;
            running.pop_front();
        }
    };
    for (int i = 0; i < count; ++i)
    {
        const QString path = fileName(folder, i);
        if (QFileInfo(path).size() > 0)
            continue;
        reap(false);
        auto process = std::make_unique<QProcess>();
        process->start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                  QString("aevalsrc='%1':s=44100:d=%2").arg(tuneExpression(i)).arg(seconds),
                                  "-ac", "2", "-c:a", "libmp3lame", "-b:a", "192k", path});
        running.push_back(std::move(process));
        std::fprintf(stderr, "\rencoding %d/%d", i + 1, count);
    }
    reap(true);
    std::fprintf(stderr, "\n");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args[1] : "/tmp/tidewell-fingerprint-bench";
    const int count = args.size() > 2 ? args[2].toInt() : 100;
    const int seconds = args.size() > 3 ? args[3].toInt() : 180;
    if (!generate(folder, count, seconds))
    {
        std::fprintf(stderr, "could not generate the files\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < count; ++i)
        files << fileName(folder, i);

    if (!AllocDecodeBuffer())
        return 1;
    QElapsedTimer timer;
    timer.start();
    int64_t totalItems = 0;
    for (const QString& file : files)
    {
        FingerprintJob job;
        job.context = chromaprint_new(CHROMAPRINT_ALGORITHM_DEFAULT);
        uint32_t* raw = nullptr;
        int size = 0;
        if (DecodeToFingerprint(file.toUtf8().constData(), &job) != 0 || !chromaprint_finish(job.context) ||
            !chromaprint_get_raw_fingerprint(job.context, &raw, &size))
        {
            std::fprintf(stderr, "fingerprint failed: %s\n", qPrintable(file));
            return 1;
        }
        totalItems += size;
        chromaprint_dealloc(raw);
    }
    const double ours = timer.nsecsElapsed() / 1e9;
    FreeDecodeBuffer();

    auto timeFpcalc = [&](const QString& length) -> double
    {
        QElapsedTimer t;
        t.start();
        for (const QString& file : files)
        {
            QProcess fpcalc;
            fpcalc.start("fpcalc", {"-raw", "-length", length, file});
            if (!fpcalc.waitForFinished(-1) || fpcalc.exitCode() != 0)
                return -1;
        }
        return t.nsecsElapsed() / 1e9;
    };
    const double fpcalc20 = timeFpcalc("20");
    // The same work in one fpcalc process for all files, without the start-up cost per file.
    double fpcalcOnce = -1;
    {
        QElapsedTimer t;
        t.start();
        QProcess fpcalc;
        fpcalc.start("fpcalc", QStringList{"-raw", "-length", "20"} + files);
        if (fpcalc.waitForFinished(-1) && fpcalc.exitCode() == 0)
            fpcalcOnce = t.nsecsElapsed() / 1e9;
    }

    std::printf("files: %d x %d s (%s)\n", count, seconds, qPrintable(folder));
    std::printf(
        "decode + fingerprint of the first 20 s, single-threaded: %.3f s, %.1f files/s (%.0f items/file)\n",
        ours, count / ours, double(totalItems) / count);
    if (fpcalc20 > 0)
        std::printf(
            "fpcalc -length 20 -raw, one process per file:         %.3f s, %.1f files/s; ratio %.2fx\n",
            fpcalc20, count / fpcalc20, fpcalc20 / ours);
    if (fpcalcOnce > 0)
        std::printf(
            "fpcalc -length 20 -raw, all files in one process:      %.3f s, %.1f files/s; ratio %.2fx\n",
            fpcalcOnce, count / fpcalcOnce, fpcalcOnce / ours);
    if (fpcalc20 <= 0)
        std::printf("fpcalc not available (Debian package libchromaprint-tools)\n");
    return 0;
}
