// Import throughput of the music manager, in tracks per second:
//  - an iTunes library file of 20 000 tracks served by the iTunes stand-in (run mode 1; the
//    files need not exist);
//  - 2 000 real audio files (run mode 2).
//  - the same library in run mode 5, which asks iTunes nothing per track.
// Usage: bench_manager_import [tracks=20000] [files=2000]
#include "AudioFixture.h"
#include "LibraryXml.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "MusicManage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace
{

struct Done
{
    std::mutex mutex;
    std::condition_variable cv;
    bool finished = false;
    int tracks = 0;
    static int Callback(const MusicProgressInfo* info, void* context)
    {
        auto* self = static_cast<Done*>(context);
        std::lock_guard lock(self->mutex);
        if (info->Progress == 10000)
            self->finished = true;
        else
            ++self->tracks;
        self->cv.notify_all();
        return 0;
    }
    void Wait()
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [this] { return finished; });
    }
};

double runImport(CMusicManage& manager, const QString& xml, const QString& db, int mode,
                 const QStringList& files, int& imported)
{
    QElapsedTimer timer;
    timer.start();
    manager.LoadMusicLibrary(xml.toUtf8().constData(), db.toUtf8().constData(), mode);
    if (!files.isEmpty())
        manager_test::AddFiles(manager, files);
    Done done;
    const MusicCallback cb{RunStateLoad, &Done::Callback, &done};
    manager.LoadMusicList(&cb);
    done.Wait();
    imported = done.tracks;
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int trackCount = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int fileCount = argc > 2 ? std::atoi(argv[2]) : 2000;
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + "/data/pictures");
    CMusicManage manager(root + "/data", root + "/data/pictures", root + "/recycle");

    std::vector<manager_test::XmlTrack> tracks;
    for (int i = 0; i < trackCount; ++i)
    {
        manager_test::XmlTrack t;
        t.trackId = 100 + i;
        t.persistentId = QStringLiteral("%1").arg(0xC0FFEE000000ull + i, 16, 16, QChar('0')).toUpper();
        t.name = QStringLiteral("Song %1").arg(i);
        t.artist = QStringLiteral("Artist %1").arg(i % 300);
        t.album = QStringLiteral("Album %1").arg(i % 1500);
        t.genre = QStringLiteral("Pop");
        t.year = 1970 + i % 50;
        t.size = 3000000 + i;
        t.totalTime = 180000 + i;
        t.bitRate = 256;
        t.location = QStringLiteral("%1/Music/%2/song %3.mp3").arg(root).arg(i % 100).arg(i);
        tracks.push_back(t);
    }
    const QString xml = root + "/iTunes Music Library.xml";
    manager_test::WriteLibraryXml(xml, tracks);
    qputenv("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
    int imported = 0;
    const double xmlSeconds =
        runImport(manager, xml, root + "/data/MusicLibrary.db", RunModeITunes, {}, imported);
    std::printf("iTunes library (run mode 1, artwork asked of iTunes per track): %d tracks in %.2f s, %.0f "
                "tracks/s\n",
                imported, xmlSeconds, imported / xmlSeconds);
    const double scanSeconds =
        runImport(manager, xml, root + "/data/MusicLibrary.db", RunModeDuplicateITunes, {}, imported);
    std::printf("iTunes library (run mode 5): %d tracks in %.2f s, %.0f tracks/s\n", imported, scanSeconds,
                imported / scanSeconds);

    tidewell::test::AudioSpec audioSpec;
    audioSpec.seconds = 2.0;
    audioSpec.tags.title = "Bench";
    audioSpec.tags.artist = "Bench Artist";
    audioSpec.tags.album = "Bench Album";
    audioSpec.artwork = tidewell::test::makePicture(200, 200, 0x224466);
    const QString source = root + "/source.mp3";
    if (!tidewell::test::makeAudioFile(source, audioSpec))
    {
        std::printf("could not make the audio file\n");
        return 1;
    }
    QStringList files;
    QDir().mkpath(root + "/files");
    for (int i = 0; i < fileCount; ++i)
    {
        const QString path = QStringLiteral("%1/files/track %2.mp3").arg(root).arg(i);
        QFile::copy(source, path);
        files << path;
    }
    const double fileSeconds =
        runImport(manager, QString(), root + "/data/MusicLibrary.db", RunModeFiles, files, imported);
    std::printf("Audio files: %d tracks in %.2f s, %.0f tracks/s\n", imported, fileSeconds,
                imported / fileSeconds);
    return 0;
}
