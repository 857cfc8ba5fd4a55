#pragma once

#include "ITunesLibraryXml.h"

#include <QString>

#include <string>
#include <vector>

namespace tidewell::test
{

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
