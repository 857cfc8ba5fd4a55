// Inserts N tracks into a fresh library database in one transaction, reads them all back with
// the page reader, then updates every track by (PersistentID, Type) in one transaction. Python's
// sqlite3 module runs the same statements on the same schema (tracks_table.py) in turns with
// this program, and the best time of each over the rounds gives the printed ratio: the machine
// may be busy, and turns spread the noise over both.
// Usage: bench_backend_tracks_table [tracks=100000] [rounds=3] [folder=temporary]
#include "TracksTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace
{

struct Times
{
    double insert = 0, read = 0, update = 0;
    double total() const { return insert + read + update; }
};

std::string pidOf(int i)
{
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016X", 0x5EED0000 + i);
    return buf;
}

bool runLayer(const QByteArray& path, int count, Times& times)
{
    QFile::remove(QString::fromUtf8(path));
    if (OpenTracksDB(path.constData()) != 0)
    {
        std::fprintf(stderr, "cannot create %s\n", path.constData());
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    BeginTransaction();
    for (int i = 0; i < count; ++i)
    {
        const std::string id = pidOf(i);
        const std::string name = "Track number " + std::to_string(i);
        const std::string location = "/home/user/Music/Artist/Album/" + std::to_string(i) + ".mp3";
        InsertTracksTable_kvt(name.c_str(), "Some Artist", "Some Album", "215000", "8600000",
                              location.c_str(), id.c_str(), "2004", "Rock", "320", "", i, 1);
    }
    CommitTransaction();
    times.insert = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    const int total = SelectTrackCount();
    long long bytes = 0;
    int rows = 0;
    for (; rows < total; ++rows)
    {
        TrackRow row = SelectMultiValuesFromDB(rows);
        if (!row)
            break;
        bytes += static_cast<long long>(std::strlen(GetRowValue(row, "Name")));
    }
    FreeTrackPages();
    times.read = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    BeginTransaction();
    for (int i = 0; i < count; ++i)
        UpdateValueToDB(pidOf(i).c_str(), 1, "Absence", nullptr, 0x800);
    CommitTransaction();
    times.update = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    CloseTracksDB();
    if (rows != count)
        std::fprintf(stderr, "read back %d rows of %d (%lld name bytes)\n", rows, count, bytes);
    return rows == count;
}

// Runs tracks_table.py; false when Python cannot run it.
bool runPython(const QString& python, const QByteArray& path, int count, Times& times)
{
    QProcess process;
    process.start(
        python, {QStringLiteral(TIDEWELL_TRACKS_TABLE_PY), QString::number(count), QString::fromUtf8(path)});
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
    {
        std::fprintf(stderr, "python run failed: %s\n", process.readAllStandardError().constData());
        return false;
    }
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const auto match =
        QRegularExpression(QStringLiteral("insert ([0-9.]+) read ([0-9.]+) update ([0-9.]+)")).match(out);
    if (!match.hasMatch())
        return false;
    times.insert = match.captured(1).toDouble();
    times.read = match.captured(2).toDouble();
    times.update = match.captured(3).toDouble();
    return true;
}

void keepBest(Times& best, const Times& now)
{
    best.insert = std::min(best.insert, now.insert);
    best.read = std::min(best.read, now.read);
    best.update = std::min(best.update, now.update);
}

void print(const char* who, const Times& t)
{
    std::printf("%-7s insert %7.1f ms, read back %7.1f ms, update by id %7.1f ms, total %7.1f ms\n", who,
                t.insert, t.read, t.update, t.total());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    QTemporaryDir dir;
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.path();
    const QByteArray path = (folder + "/MusicLibrary.db").toUtf8();
    const QByteArray pythonPath = (folder + "/MusicLibraryPython.db").toUtf8();
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));

    constexpr double kMax = std::numeric_limits<double>::max();
    Times layer{kMax, kMax, kMax}, py{kMax, kMax, kMax};
    bool havePython = !python.isEmpty();
    for (int round = 0; round < rounds; ++round)
    {
        Times now;
        if (!runLayer(path, count, now))
            return 1;
        keepBest(layer, now);
        if (havePython && runPython(python, pythonPath, count, now))
            keepBest(py, now);
        else
            havePython = false;
    }
    std::printf("tracks %d, best of %d rounds\n", count, rounds);
    print("C++", layer);
    if (!havePython)
    {
        std::printf("python3 with sqlite3 not available: no ratio\n");
        return 0;
    }
    print("Python", py);
    std::printf("ratio C++ / Python: %.2f (insert %.2f, read %.2f, update %.2f)\n",
                layer.total() / py.total(), layer.insert / py.insert, layer.read / py.read,
                layer.update / py.update);
    return 0;
}
