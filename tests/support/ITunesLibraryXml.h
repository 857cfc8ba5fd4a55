#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// The one maker of iTunes library XML files for the tests (the host's, the agent's and the
// music manager's).

namespace tidewell::test
{

// One track of a generated iTunes library XML file. Empty texts and zero numbers are left out.
struct LibraryTrack
{
    int trackId = 0;
    std::string persistentId; // 16 hex digits
    std::string name, artist, album, genre;
    int year = 0;
    int bitRate = 0;
    int totalTime = 0;
    int64_t size = 0;
    std::string location; // written as is (a file URL)
    std::string extraXml; // raw "<key>..</key><...>" lines appended to the track dict
};

struct LibraryPlaylist
{
    std::string name;
    std::string persistentId;
    int distinguishedKind = -1; // -1: no such key
    bool master = false;
    bool allItems = true;
    bool visibleFalse = false;
    std::vector<int> items; // Track IDs
    std::string extraXml;   // raw keys written before "All Items"
};

// A library plist in the layout iTunes writes: header keys, Tracks, Playlists, Music Folder.
std::string libraryXml(const std::vector<LibraryTrack>& tracks, const std::vector<LibraryPlaylist>& playlists,
                       const std::string& extraHeadXml = {});
// The usual pair: a hidden master library playlist and the Music playlist (kind 4), both with
// every track in order.
std::vector<LibraryPlaylist> standardPlaylists(const std::vector<LibraryTrack>& tracks);

// A large library whose `count` tracks all name one audio file, with the usual playlists: the
// agent reads the whole file before an import starts, which takes seconds at 40 000 tracks.
// Artists and albums cycle through that many names ("Singer", or "Singer 0".. when more than one).
bool writeOneSongLibrary(const QString& path, const QString& song, int count, int artists = 1,
                         int albums = 1);

std::string xmlEscape(const std::string& text);
bool writeTextFile(const QString& path, const std::string& text);
std::string readTextFile(const QString& path);
} // namespace tidewell::test
