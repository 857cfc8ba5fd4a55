// Inserts N tracks into a fresh library database in one transaction, reads them all back with
// the page reader, then looks every track up by (PersistentID, Type).
// Usage: bench_tracks_table [tracks=100000] [folder=temporary]
#include "TracksTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <QFile>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.path();
    const QByteArray path = (folder + "/MusicLibrary.db").toUtf8();
    QFile::remove(QString::fromUtf8(path));

    if (OpenTracksDB(path.constData()) != 0)
    {
        std::fprintf(stderr, "cannot create %s\n", path.constData());
        return 1;
    }
    auto pid = [](int i) {
        char buf[17];
        std::snprintf(buf, sizeof buf, "%016X", 0x5EED0000 + i);
        return std::string(buf);
    };

    QElapsedTimer timer;
    timer.start();
    BeginTransaction();
    for (int i = 0; i < count; ++i)
    {
        const std::string id = pid(i);
        const std::string name = "Track number " + std::to_string(i);
        const std::string location = "/home/user/Music/Artist/Album/" + std::to_string(i) + ".mp3";
        InsertTracksTable_kvt(name.c_str(), "Some Artist", "Some Album", "215000", "8600000", location.c_str(),
                              id.c_str(), "2004", "Rock", "320", "", i, 1);
    }
    CommitTransaction();
    const qint64 insertMs = timer.restart();

    const int total = SelectTrackCount();
    long long bytes = 0;
    for (int i = 0; i < total; ++i)
    {
        TrackRow row = SelectMultiValuesFromDB(i);
        if (!row)
            break;
        bytes += static_cast<long long>(std::strlen(GetRowValue(row, "Name")));
    }
    FreeTrackPages();
    const qint64 readMs = timer.restart();

    BeginTransaction();
    for (int i = 0; i < count; ++i)
        UpdateValueToDB(pid(i).c_str(), 1, "Absence", nullptr, 0x800);
    CommitTransaction();
    const qint64 updateMs = timer.restart();

    CloseTracksDB();
    std::printf("tracks %d: insert %lld ms, read back %lld ms (%d rows, %lld name bytes), update by id %lld ms\n", count,
                static_cast<long long>(insertMs), static_cast<long long>(readMs), total, bytes,
                static_cast<long long>(updateMs));
    return 0;
}
