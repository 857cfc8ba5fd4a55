#include "LibraryXml.h"

#include "ITunesLibraryXml.h"

#include <QSaveFile>
#include <QUrl>

namespace manager_test
{

bool WriteLibraryXml(const QString& path, const std::vector<XmlTrack>& tracks)
{
    std::vector<tidewell::test::LibraryTrack> library;
    library.reserve(tracks.size());
    for (const XmlTrack& t : tracks)
    {
        tidewell::test::LibraryTrack track;
        track.trackId = t.trackId;
        track.persistentId = t.persistentId.toStdString();
        track.name = t.name.toStdString();
        track.artist = t.artist.toStdString();
        track.album = t.album.toStdString();
        track.genre = t.genre.toStdString();
        track.year = t.year;
        track.size = t.size;
        track.totalTime = t.totalTime;
        track.bitRate = t.bitRate;
        if (!t.location.isEmpty())
            track.location =
                "file://localhost" +
                QUrl::toPercentEncoding(tidewell::test::spellPath(t.location, t.spelling), "/").toStdString();
        library.push_back(std::move(track));
    }
    const std::string text = tidewell::test::libraryXml(library, tidewell::test::standardPlaylists(library));
    // Written whole or not at all: the agent under test may be reading the previous version.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

} // namespace manager_test
