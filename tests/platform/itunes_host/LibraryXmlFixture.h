#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

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

std::string xmlEscape(const std::string& text);
bool writeTextFile(const QString& path, const std::string& text);
std::string readTextFile(const QString& path);
// "file://localhost" + the percent-encoded path.
std::string fileUrl(const QString& path);

class TempHome;

// A library of real, tagged audio files: files under <home>/Music/Songs (names with spaces and
// accents), the library at <music folder>/iTunes/iTunes Music Library.xml (the host's default).
struct AudioLibrary
{
    QString libraryPath;
    std::vector<LibraryTrack> tracks;
    std::vector<QString> files;
};

// Track i gets Track ID 100 + 2 i, persistent ID 00000000ABCD00ii and the title "Song i".
// `artworkOn` lists the tracks encoded with a picture. False when a file cannot be made.
bool makeAudioLibrary(const TempHome& home, int count, AudioLibrary& out,
                      const std::vector<int>& artworkOn = {});

} // namespace tidewell::test
