#include "ITunesLibraryXml.h"

#include "RoadInvariants.h"

#include <QFile>

namespace tidewell::test
{

std::string xmlEscape(const std::string& text)
{
    std::string out;
    for (char c : text)
    {
        if (c == '&')
            out += "&#38;";
        else if (c == '<')
            out += "&#60;";
        else if (c == '>')
            out += "&#62;";
        else
            out += c;
    }
    return out;
}

namespace
{

void stringKey(std::string& out, const char* key, const std::string& value)
{
    if (!value.empty())
        out += std::string("\t\t\t<key>") + key + "</key><string>" + xmlEscape(value) + "</string>\n";
}

void integerKey(std::string& out, const char* key, int64_t value)
{
    if (value != 0)
        out += std::string("\t\t\t<key>") + key + "</key><integer>" + std::to_string(value) + "</integer>\n";
}

} // namespace

std::string libraryXml(const std::vector<LibraryTrack>& tracks, const std::vector<LibraryPlaylist>& playlists,
                       const std::string& extraHeadXml)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                      "<plist version=\"1.0\">\n<dict>\n"
                      "\t<key>Major Version</key><integer>1</integer>\n"
                      "\t<key>Minor Version</key><integer>1</integer>\n"
                      "\t<key>Application Version</key><string>12.9.5.5</string>\n"
                      "\t<key>Show Content Ratings</key><true/>\n" +
                      extraHeadXml +
                      "\t<key>Library Persistent ID</key><string>0123456789ABCDEF</string>\n"
                      "\t<key>Tracks</key>\n\t<dict>\n";
    for (const LibraryTrack& t : tracks)
    {
        out += "\t\t<key>" + std::to_string(t.trackId) + "</key>\n\t\t<dict>\n";
        out += "\t\t\t<key>Track ID</key><integer>" + std::to_string(t.trackId) + "</integer>\n";
        stringKey(out, "Name", t.name);
        stringKey(out, "Artist", t.artist);
        stringKey(out, "Album", t.album);
        stringKey(out, "Genre", t.genre);
        stringKey(out, "Kind", "MPEG audio file");
        integerKey(out, "Size", t.size);
        integerKey(out, "Total Time", t.totalTime);
        integerKey(out, "Year", t.year);
        integerKey(out, "Bit Rate", t.bitRate);
        stringKey(out, "Persistent ID", t.persistentId);
        stringKey(out, "Track Type", "File");
        stringKey(out, "Location", t.location);
        noteLibraryEntry(t.location);
        out += t.extraXml;
        out += "\t\t</dict>\n";
    }
    out += "\t</dict>\n\t<key>Playlists</key>\n\t<array>\n";
    for (const LibraryPlaylist& p : playlists)
    {
        out += "\t\t<dict>\n";
        out += "\t\t\t<key>Name</key><string>" + xmlEscape(p.name) + "</string>\n";
        if (p.master)
            out += "\t\t\t<key>Master</key><true/>\n";
        out +=
            "\t\t\t<key>Playlist ID</key><integer>" + std::to_string(1000 + p.items.size()) + "</integer>\n";
        out += "\t\t\t<key>Playlist Persistent ID</key><string>" + p.persistentId + "</string>\n";
        if (p.visibleFalse)
            out += "\t\t\t<key>Visible</key><false/>\n";
        if (p.distinguishedKind >= 0)
            out += "\t\t\t<key>Distinguished Kind</key><integer>" + std::to_string(p.distinguishedKind) +
                   "</integer>\n";
        out += p.extraXml;
        if (p.allItems)
            out += "\t\t\t<key>All Items</key><true/>\n";
        if (!p.items.empty())
        {
            out += "\t\t\t<key>Playlist Items</key>\n\t\t\t<array>\n";
            for (int id : p.items)
                out += "\t\t\t\t<dict>\n\t\t\t\t\t<key>Track ID</key><integer>" + std::to_string(id) +
                       "</integer>\n\t\t\t\t</dict>\n";
            out += "\t\t\t</array>\n";
        }
        out += "\t\t</dict>\n";
    }
    out += "\t</array>\n\t<key>Music "
           "Folder</key><string>file://localhost/home/u/Music/</string>\n</dict>\n</plist>\n";
    return out;
}

std::vector<LibraryPlaylist> standardPlaylists(const std::vector<LibraryTrack>& tracks)
{
    std::vector<int> ids;
    for (const LibraryTrack& t : tracks)
        ids.push_back(t.trackId);
    LibraryPlaylist library{"Library", "AAAAAAAAAAAAAAA1", -1, true, true, true, ids, {}};
    LibraryPlaylist music{
        "Music", "AAAAAAAAAAAAAAA2", 4, false, true, false, ids, "\t\t\t<key>Music</key><true/>\n"};
    return {library, music};
}

bool writeTextFile(const QString& path, const std::string& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

std::string readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

bool writeOneSongLibrary(const QString& path, const QString& song, int count, int artists, int albums)
{
    const auto cycled = [](const char* stem, int i, int kinds)
    { return kinds > 1 ? std::string(stem) + " " + std::to_string(i % kinds) : std::string(stem); };
    std::vector<LibraryTrack> tracks(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        auto& track = tracks[static_cast<size_t>(i)];
        track.trackId = 1000 + i;
        track.persistentId =
            QStringLiteral("%1").arg(0xA000000000000000ULL + i, 16, 16).toUpper().toStdString();
        track.name = "Song " + std::to_string(i);
        track.artist = cycled("Singer", i, artists);
        track.album = cycled("Record", i, albums);
        track.bitRate = 128;
        track.totalTime = 500;
        track.location = "file://localhost" + song.toStdString();
    }
    return writeTextFile(path, libraryXml(tracks, standardPlaylists(tracks)));
}

} // namespace tidewell::test
