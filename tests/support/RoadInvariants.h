#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>

// What holds at the end of every road, whatever the road tested: the files the user keeps, the
// links the fixture made, our temporaries, the recycle folder and the working database. The
// window tests compare the page with PageFromDatabase (WindowRoadCheck.h); the back-end roads
// call RoadFaults alone.

namespace tidewell::test
{

enum class LinkKind
{
    Symbolic,         // an absolute symbolic link
    RelativeSymbolic, // a symbolic link relative to its own folder
    Hard              // a second name of the same file
};

// Makes `path` a link of that kind to `target` (a file, or a folder for the symbolic kinds) and
// remembers it: RoadFaults checks that it is still that link, however the road wrote through it.
bool makeLink(const QString& target, const QString& path, LinkKind kind);

// How a road test spells a song's path in a library or a list: plainly, with a doubled slash or
// "/./" before the name, or through a symbolic link to its folder ("<folder>-link", made once).
enum class Spelling
{
    Plain,
    DoubleSlash,
    DotSlash,
    LinkedFolder
};
QString spellPath(const QString& path, Spelling spelling);

// Called by the library makers for each entry's Location (a file URL): an entry made without its
// file is missing on purpose, and RoadFaults does not hold it against the road.
void noteLibraryEntry(const std::string& location);

// The places a road used. HOME is always walked.
struct RoadPlaces
{
    QStringList libraries; // iTunes library XML files
    QStringList folders;   // song folders, project folders, recycle folders outside HOME
    QString database;      // the working database; empty when it is gone
};

// Every broken invariant, one line each; empty when all hold:
// - every entry a library keeps names a file, unless the working database has it as missing;
// - every link the fixture made is still that link, and the names of a hard link one file;
// - no temporary of ours (".tidewell-edit-", ".tidewell-copy-", ".emptying-", a "-journal") lies
//   in those places;
// - every copy in a recycle folder's day folder has its removal record, and every record its copy.
QStringList RoadFaults(const RoadPlaces& places);

// What the report page must show for the working database, recomputed from its rows: the score
// (0 to 10000; one track weighs 10000 / the library's track count, an open problem a quarter of
// that) and the rows of each category by its problem bit (0x10000 missing file, 0x100 not
// recognised, 0x400 artist, 0x800 album, 0x8000000 artwork), for the categories `mask` shows.
struct PageCounts
{
    double score = 10000.0;
    std::map<int, int> rows;
};
std::optional<PageCounts> PageFromDatabase(const QString& database, int mask);

} // namespace tidewell::test
