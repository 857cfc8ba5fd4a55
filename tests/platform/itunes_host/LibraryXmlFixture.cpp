#include "LibraryXmlFixture.h"

#include "AudioFixture.h"
#include "LocationUrl.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace tidewell::test
{

std::string fileUrl(const QString& path)
{
    return ithost::pathToLocationUrl(path.toStdString());
}

bool makeAudioLibrary(const TempHome& home, int count, AudioLibrary& out, const std::vector<int>& artworkOn)
{
    out = {};
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    QDir().mkpath(music + "/iTunes");
    out.libraryPath = music + "/iTunes/iTunes Music Library.xml";
    for (int i = 0; i < count; ++i)
    {
        const QString path = home.file(QString("Music/Songs/Sóng %1 #x.mp3").arg(i));
        AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 300.0 + 50.0 * i;
        audioSpec.tags.title = QString("Song %1").arg(i);
        audioSpec.tags.artist = "Artist";
        audioSpec.tags.album = "Album";
        audioSpec.tags.genre = "Rock";
        audioSpec.tags.year = 2000 + i;
        if (std::find(artworkOn.begin(), artworkOn.end(), i) != artworkOn.end())
            audioSpec.artwork = makePicture(16, 16, 0xff0000u + static_cast<unsigned>(i));
        if (!makeAudioFile(path, audioSpec))
            return false;
        char pid[17];
        std::snprintf(pid, sizeof pid, "00000000ABCD%04X", static_cast<unsigned>(i) & 0xFFFFu);
        LibraryTrack t;
        t.trackId = 100 + 2 * i;
        t.persistentId = pid;
        t.name = audioSpec.tags.title.toStdString();
        t.artist = "Artist";
        t.album = "Album";
        t.genre = "Rock";
        t.year = 2000 + i;
        t.bitRate = 128;
        t.totalTime = 1000;
        t.size = QFileInfo(path).size();
        t.location = fileUrl(path);
        out.tracks.push_back(t);
        out.files.push_back(path);
    }
    return writeTextFile(out.libraryPath, libraryXml(out.tracks, standardPlaylists(out.tracks)));
}

} // namespace tidewell::test
