#include "ITunesHost.h"

#include "AudioFixture.h"
#include "LibraryXmlFixture.h"
#include "PlistValue.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <gtest/gtest.h>

using namespace tidewell::ithost;
using namespace tidewell::test;

namespace
{

std::string titleOf(const QString& path)
{
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    return ref.isNull() || !ref.tag() ? std::string() : ref.tag()->title().to8Bit(true);
}

PlistValue readLibrary(const QString& path)
{
    PlistValue root;
    EXPECT_TRUE(readPlistFile(path.toStdString(), root));
    return root;
}

const PlistValue* trackById(const PlistValue& root, int trackId)
{
    const PlistValue* tracks = root.find("Tracks");
    return tracks ? tracks->find(std::to_string(trackId)) : nullptr;
}

std::vector<int64_t> playlistItems(const PlistValue& root, const std::string& name)
{
    std::vector<int64_t> ids;
    for (const PlistValue& playlist : root.find("Playlists")->items())
    {
        if (playlist.find("Name")->text() != name)
            continue;
        if (const PlistValue* items = playlist.find("Playlist Items"))
            for (const PlistValue& item : items->items())
                ids.push_back(item.find("Track ID")->toInt());
    }
    return ids;
}

class ITunesHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(makeAudioLibrary(home, 3, lib, {1}));
        ASSERT_EQ(ITunesApp::Create(app), kOk);
        ASSERT_EQ(app->LibraryPlaylist(playlist), kOk);
    }

    std::shared_ptr<ITTrack> track(int i)
    {
        std::shared_ptr<ITTrackCollection> tracks;
        EXPECT_EQ(playlist->Tracks(tracks), kOk);
        std::shared_ptr<ITTrack> t;
        const uint64_t id = parsePersistentIdText(lib.tracks[static_cast<size_t>(i)].persistentId);
        EXPECT_EQ(tracks->ItemByPersistentID(static_cast<int32_t>(id >> 32), static_cast<int32_t>(id), t),
                  kOk);
        return t;
    }

    TempHome home;
    AudioLibrary lib;
    std::shared_ptr<ITunesApp> app;
    std::shared_ptr<ITLibraryPlaylist> playlist;
};

} // namespace

TEST(ITunesHostStart, NoLibraryFileMeansNoITunes)
{
    TempHome home;
    std::shared_ptr<ITunesApp> app;
    EXPECT_EQ(ITunesApp::Create(app), kFileNotFound);
    EXPECT_EQ(app, nullptr);

    // A file that is no library plist does not start iTunes either.
    const QString broken = home.file("Music/iTunes/iTunes Music Library.xml");
    ASSERT_TRUE(writeTextFile(broken, "<?xml version=\"1.0\"?><html><body>Tracks</body></html>"));
    EXPECT_EQ(ITunesApp::Create(app), kFail);

    // One broken further in is read when first needed: every request then fails, and the file
    // is never written over.
    const std::string truncated = "<?xml version=\"1.0\"?><plist><dict><key>Tracks";
    ASSERT_TRUE(writeTextFile(broken, truncated));
    ASSERT_EQ(ITunesApp::Create(app), kOk);
    std::shared_ptr<ITLibraryPlaylist> brokenPlaylist;
    std::shared_ptr<ITTrackCollection> brokenTracks;
    ASSERT_EQ(app->LibraryPlaylist(brokenPlaylist), kOk);
    ASSERT_EQ(brokenPlaylist->Tracks(brokenTracks), kOk);
    std::shared_ptr<ITTrack> noTrack;
    EXPECT_EQ(brokenTracks->ItemByPersistentID(0x12345, 0x678, noTrack), kFail);
    std::shared_ptr<ITOperationStatus> status;
    AudioSpec song;
    song.seconds = 0.5;
    const QString songPath = home.file("Music/new.mp3");
    ASSERT_TRUE(makeAudioFile(songPath, song));
    EXPECT_EQ(brokenPlaylist->AddFile(toUtf16(songPath.toStdString()), status), kFail);
    EXPECT_EQ(ITTrack(app->library(), 0x12345).Delete(), kFail);
    QFile kept(broken);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toStdString(), truncated);
    app.reset();

    // $TIDEWELL_ITUNES_LIBRARY wins over the music folder.
    const QString other = home.file("elsewhere/lib.xml");
    ASSERT_TRUE(writeTextFile(other, libraryXml({}, {})));
    qputenv("TIDEWELL_ITUNES_LIBRARY", QFile::encodeName(other));
    ASSERT_EQ(ITunesApp::Create(app), kOk);
    std::u16string path;
    EXPECT_EQ(app->LibraryXMLPath(path), kOk);
    EXPECT_EQ(toUtf8(path), other.toStdString());
}

TEST_F(ITunesHostTest, ReadsTracksFromTheLibrary)
{
    std::shared_ptr<ITTrackCollection> tracks;
    ASSERT_EQ(playlist->Tracks(tracks), kOk);
    int32_t count = 0;
    EXPECT_EQ(tracks->Count(count), kOk);
    EXPECT_EQ(count, 3);

    std::shared_ptr<ITTrack> t = track(2);
    ASSERT_NE(t, nullptr);
    std::u16string name;
    EXPECT_EQ(t->Name(name), kOk);
    EXPECT_EQ(toUtf8(name), "Song 2");
    int32_t year = 0, rate = 0;
    EXPECT_EQ(t->Year(year), kOk);
    EXPECT_EQ(year, 2002);
    EXPECT_EQ(t->BitRate(rate), kOk);
    EXPECT_EQ(rate, 128);
    std::shared_ptr<ITFileOrCDTrack> file;
    ASSERT_EQ(t->QueryFileTrack(file), kOk);
    std::u16string location;
    EXPECT_EQ(file->Location(location), kOk);
    EXPECT_EQ(toUtf8(location), lib.files[2].toStdString());

    std::shared_ptr<ITTrack> none;
    EXPECT_EQ(tracks->ItemByPersistentID(0x12345, 0x678, none), kOk);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ITunesHostTest, WritesGoIntoLibraryAndTagsAndKeepUnknownParts)
{
    // Something this host does not understand, before and after.
    std::string text = readTextFile(lib.libraryPath);
    const std::string marker = "\t<key>Music Folder</key>";
    text.insert(text.find(marker), "\t<key>Strange</key><dict><key>x</key><data>AAEC</data></dict>\n");
    ASSERT_TRUE(writeTextFile(lib.libraryPath, text));
    const PlistValue before = readLibrary(lib.libraryPath);

    std::shared_ptr<ITTrack> t = track(0);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->SetName(u"Ünïcode Name & more"), kOk);
    EXPECT_EQ(t->SetArtist(u"Новый"), kOk);
    EXPECT_EQ(t->SetAlbum(u"専用"), kOk);
    EXPECT_EQ(t->SetGenre(u"Jazz"), kOk);
    EXPECT_EQ(t->SetYear(1999), kOk);

    const PlistValue after = readLibrary(lib.libraryPath);
    const PlistValue* written = trackById(after, 100);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->find("Name")->text(), "Ünïcode Name & more");
    EXPECT_EQ(written->find("Artist")->text(), "Новый");
    EXPECT_EQ(written->find("Album")->text(), "専用");
    EXPECT_EQ(written->find("Genre")->text(), "Jazz");
    EXPECT_EQ(written->find("Year")->toInt(), 1999);
    EXPECT_EQ(titleOf(lib.files[0]), "Ünïcode Name & more");
    TagLib::FileRef ref(QFile::encodeName(lib.files[0]).constData());
    EXPECT_EQ(ref.tag()->artist().to8Bit(true), "Новый");
    EXPECT_EQ(ref.tag()->year(), 1999u);

    // Everything else is as it was.
    EXPECT_EQ(writePlist(*after.find("Strange")), writePlist(*before.find("Strange")));
    EXPECT_EQ(writePlist(*after.find("Playlists")), writePlist(*before.find("Playlists")));
    EXPECT_EQ(writePlist(*trackById(after, 102)), writePlist(*trackById(before, 102)));
    EXPECT_EQ(after.find("Application Version")->text(), "12.9.5.5");
    // The save left no temp file behind.
    EXPECT_EQ(QDir(QFileInfo(lib.libraryPath).path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ITunesHostTest, WriteToAMissingFileChangesNothing)
{
    ASSERT_TRUE(QFile::remove(lib.files[1]));
    const std::string before = readTextFile(lib.libraryPath);
    std::shared_ptr<ITTrack> t = track(1);
    EXPECT_EQ(t->SetName(u"Lost"), kFail);
    EXPECT_EQ(readTextFile(lib.libraryPath), before);
}

TEST_F(ITunesHostTest, ArtworkInAndOut)
{
    std::shared_ptr<ITArtworkCollection> art;
    int32_t count = -1;
    ASSERT_EQ(track(0)->Artwork(art), kOk);
    EXPECT_EQ(art->Count(count), kOk);
    EXPECT_EQ(count, 0);

    // Track 1 was encoded with a picture: it comes out byte for byte.
    ASSERT_EQ(track(1)->Artwork(art), kOk);
    ASSERT_EQ(art->Count(count), kOk);
    ASSERT_EQ(count, 1);
    std::shared_ptr<ITArtwork> first;
    ASSERT_EQ(art->Item(1, first), kOk);
    const QString saved = home.file("out/cover.jpg");
    ASSERT_EQ(first->SaveArtworkToFile(toUtf16(saved.toStdString())), kOk);
    EXPECT_EQ(readTextFile(saved), makePicture(16, 16, 0xff0001u).toStdString());

    // A picture goes into track 0's file.
    const QString png = home.file("in/cover.png");
    const QByteArray bytes = makePicture(20, 10, 0x00ff00u, "PNG");
    ASSERT_TRUE(writeTextFile(png, bytes.toStdString()));
    EXPECT_EQ(track(0)->AddArtworkFromFile(toUtf16(png.toStdString())), kOk);
    ASSERT_EQ(track(0)->Artwork(art), kOk);
    ASSERT_EQ(art->Count(count), kOk);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(trackById(readLibrary(lib.libraryPath), 100)->find("Artwork Count")->toInt(), 1);
    EXPECT_EQ(track(0)->AddArtworkFromFile(toUtf16(home.file("in/missing.png").toStdString())),
              kFileNotFound);
}

TEST_F(ITunesHostTest, AddFileGivesFreshIdsAndJoinsTheMusicPlaylist)
{
    const QString path = home.file("Music/New/fresh.m4a");
    AudioSpec audioSpec;
    audioSpec.format = AudioFormat::M4a;
    audioSpec.seconds = 1.0;
    audioSpec.tags.title = "Fresh";
    audioSpec.tags.year = 2020;
    ASSERT_TRUE(makeAudioFile(path, audioSpec));

    std::shared_ptr<ITOperationStatus> status;
    ASSERT_EQ(playlist->AddFile(toUtf16(path.toStdString()), status), kOk);
    ASSERT_NE(status, nullptr);
    bool busy = true;
    EXPECT_EQ(status->InProgress(busy), kOk);
    EXPECT_FALSE(busy);
    std::shared_ptr<ITTrackCollection> added;
    ASSERT_EQ(status->Tracks(added), kOk);
    std::shared_ptr<ITTrack> t;
    ASSERT_EQ(added->Item(1, t), kOk);
    int32_t high = 0, low = 0;
    ASSERT_EQ(app->GetITObjectPersistentIDs(t.get(), high, low), kOk);
    const uint64_t id = (uint64_t(uint32_t(high)) << 32) | uint32_t(low);
    EXPECT_NE(id, 0u);

    const PlistValue root = readLibrary(lib.libraryPath);
    const PlistValue* entry = trackById(root, 105);
    ASSERT_NE(entry, nullptr) << "next Track ID after 104";
    EXPECT_EQ(entry->find("Name")->text(), "Fresh");
    EXPECT_EQ(entry->find("Persistent ID")->text(), formatPersistentIdText(id));
    EXPECT_EQ(entry->find("Year")->toInt(), 2020);
    EXPECT_GT(entry->find("Total Time")->toInt(), 500);
    EXPECT_EQ(entry->find("Location")->text(), fileUrl(path));
    EXPECT_EQ(playlistItems(root, "Music"), (std::vector<int64_t>{100, 102, 104, 105}));
    EXPECT_EQ(playlistItems(root, "Library").back(), 105);

    // The same file again answers the same track; another file gets another ID.
    ASSERT_EQ(playlist->AddFile(toUtf16(path.toStdString()), status), kOk);
    ASSERT_EQ(status->Tracks(added), kOk);
    ASSERT_EQ(added->Item(1, t), kOk);
    EXPECT_EQ(t->persistentId(), id);
    EXPECT_EQ(playlistItems(readLibrary(lib.libraryPath), "Music").size(), 4u);

    // Not audio: nothing added, no error.
    const QString junk = home.file("Music/New/notes.mp3");
    ASSERT_TRUE(writeTextFile(junk, "not audio at all"));
    const std::string before = readTextFile(lib.libraryPath);
    ASSERT_EQ(playlist->AddFile(toUtf16(junk.toStdString()), status), kOk);
    EXPECT_EQ(status, nullptr);
    EXPECT_EQ(readTextFile(lib.libraryPath), before);
}

TEST_F(ITunesHostTest, DeleteRemovesTheEntryButNeverTheFile)
{
    std::shared_ptr<ITTrack> t = track(1);
    ASSERT_EQ(t->Delete(), kOk);
    const PlistValue root = readLibrary(lib.libraryPath);
    EXPECT_EQ(trackById(root, 102), nullptr);
    EXPECT_EQ(playlistItems(root, "Music"), (std::vector<int64_t>{100, 104}));
    EXPECT_EQ(playlistItems(root, "Library"), (std::vector<int64_t>{100, 104}));
    EXPECT_TRUE(QFile::exists(lib.files[1]));
    // The object outlives its track and answers "missing".
    std::u16string name;
    EXPECT_EQ(t->Name(name), kNotFound);
    EXPECT_EQ(t->Delete(), kNotFound);
}

TEST_F(ITunesHostTest, SeesChangesOtherProgramsMadeToTheFile)
{
    // The host has read the file (first need) before another program changes it.
    std::u16string name;
    ASSERT_EQ(track(0)->Name(name), kOk);
    EXPECT_EQ(toUtf8(name), "Song 0");
    std::vector<LibraryTrack> tracks = lib.tracks;
    tracks.resize(1);
    tracks[0].name = "Renamed elsewhere";
    ASSERT_TRUE(writeTextFile(lib.libraryPath, libraryXml(tracks, standardPlaylists(tracks)) + "\n\n"));
    ASSERT_EQ(track(0)->Name(name), kOk);
    EXPECT_EQ(toUtf8(name), "Renamed elsewhere");
    EXPECT_EQ(app->library()->trackCount(), 1);
}

// A library that lists each file twice, the second entry spelling it another way: through a linked
// folder, with "//", with "/./", and by a second hard link. Each second entry removed and its file
// added again comes back as itself (ids, rating, plays, playlist place), never as the entry that
// kept the file; a file the library has under another spelling is answered by its entry.
TEST_F(ITunesHostTest, EntriesOfOneFileSpelledApartComeBackAsThemselves)
{
    const QString songs = QFileInfo(lib.files[0]).absolutePath();
    ASSERT_TRUE(QFile::link(songs, songs + "-link"));
    const QString hard = songs + "/hard link.mp3";
    ASSERT_EQ(::link(QFile::encodeName(lib.files[2]).constData(), QFile::encodeName(hard).constData()), 0);
    auto name = [&](int i) { return QFileInfo(lib.files[static_cast<size_t>(i)]).fileName(); };
    const std::vector<std::pair<int, QString>> spellings{{0, songs + "-link/" + name(0)},
                                                         {1, songs + "//" + name(1)},
                                                         {2, songs + "/./" + name(2)},
                                                         {2, hard}};
    std::vector<LibraryTrack> tracks = lib.tracks;
    std::vector<LibraryPlaylist> playlists = standardPlaylists(lib.tracks);
    LibraryPlaylist mine;
    mine.name = "Mine";
    mine.persistentId = "00000000000000F1";
    for (size_t k = 0; k < spellings.size(); ++k)
    {
        LibraryTrack second = lib.tracks[static_cast<size_t>(spellings[k].first)];
        second.trackId = 200 + static_cast<int>(k);
        second.persistentId = formatPersistentIdText(0xC80 + k);
        second.location = fileUrl(spellings[k].second);
        second.extraXml = "<key>Rating</key><integer>" + std::to_string(20 * (k + 1)) +
                          "</integer><key>Play Count</key><integer>" + std::to_string(k + 3) + "</integer>";
        tracks.push_back(second);
        mine.items.push_back(second.trackId);
    }
    playlists.push_back(mine);
    ASSERT_TRUE(writeTextFile(lib.libraryPath, libraryXml(tracks, playlists)));
    const PlistValue before = readLibrary(lib.libraryPath);

    auto add = [&](const QString& path)
    {
        std::shared_ptr<ITOperationStatus> status;
        std::shared_ptr<ITTrackCollection> added;
        std::shared_ptr<ITTrack> t;
        EXPECT_EQ(playlist->AddFile(toUtf16(path.toStdString()), status), kOk);
        if (!status || status->Tracks(added) != kOk || added->Item(1, t) != kOk)
            return uint64_t{0};
        return t->persistentId();
    };
    // Under any spelling, a file the library has answers its first entry and adds nothing.
    EXPECT_EQ(add(songs + "-link/" + name(1)), parsePersistentIdText(lib.tracks[1].persistentId));
    EXPECT_EQ(add(songs + "-link/" + name(2)), parsePersistentIdText(lib.tracks[2].persistentId));
    EXPECT_EQ(app->library()->trackCount(), 7);

    for (size_t k = 0; k < spellings.size(); ++k)
        ASSERT_EQ(ITTrack(app->library(), 0xC80 + k).Delete(), kOk);
    EXPECT_EQ(app->library()->trackCount(), 3);
    EXPECT_TRUE(playlistItems(readLibrary(lib.libraryPath), "Mine").empty());
    // Given back in another order than removed: each by its own spelling.
    for (const size_t k : {1u, 3u, 0u, 2u})
        EXPECT_EQ(add(spellings[k].second), 0xC80 + k) << spellings[k].second.toStdString();
    const PlistValue after = readLibrary(lib.libraryPath);
    EXPECT_EQ(app->library()->trackCount(), 7);
    for (size_t k = 0; k < spellings.size(); ++k)
    {
        const int id = 200 + static_cast<int>(k);
        ASSERT_NE(trackById(after, id), nullptr) << id;
        EXPECT_EQ(writePlist(*trackById(after, id)), writePlist(*trackById(before, id)));
    }
    std::vector<int64_t> places = playlistItems(after, "Mine");
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (std::vector<int64_t>{200, 201, 202, 203}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(writePlist(*trackById(after, 100 + 2 * i)), writePlist(*trackById(before, 100 + 2 * i)));
}

// A library opened for reading on first need answers from its tracks alone until a change reads
// the whole tree: every answer, and the file a change saves, are those of the library read whole,
// also for the odd shapes a file can have (an ID twice, an ID or a Location that is no string, a
// key twice in a track, a second Tracks dictionary, an entry of Tracks that is no dictionary).
TEST(ITunesLibraryIndex, AnswersAndSavesAsTheWholeTree)
{
    TempHome home;
    const std::string tracks = R"(<key>Tracks</key><dict>
<key>1</key><dict><key>Track ID</key><integer>1</integer><key>Name</key><string>One</string>
<key>Year</key><integer>1999</integer><key>Bit Rate</key><string>192</string><key>Extra</key><dict><key>A</key><true/></dict>
<key>Persistent ID</key><string>00000000000000A1</string><key>Location</key><string>file://localhost/m/One%20Song.mp3</string></dict>
<key>2</key><dict><key>Name</key><string>Two</string><key>Persistent ID</key><string>00000000000000A1</string></dict>
<key>3</key><dict><key>Name</key><string>Three</string><key>Persistent ID</key><integer>163</integer></dict>
<key>4</key><dict><key>Name</key><string>Four</string><key>Name</key><string>Again</string>
<key>Persistent ID</key><string>00000000000000A4</string><key>Location</key><integer>5</integer></dict>
<key>x</key><string>no track</string>
<key>5</key><dict><key>Track ID</key><integer>5</integer><key>Persistent ID</key><string>00000000000000A5</string></dict></dict>
<key>Tracks</key><dict><key>9</key><dict><key>Persistent ID</key><string>00000000000000F9</string></dict></dict>
<key>Playlists</key><array><dict><key>Name</key><string>Library</string><key>Master</key><true/>
<key>Playlist Items</key><array><dict><key>Track ID</key><integer>1</integer></dict>
<dict><key>Track ID</key><integer>5</integer></dict></array></dict></array>)";
    const std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" +
                             tracks + "</dict></plist>\n";
    std::shared_ptr<ITunesLibrary> libraries[2];
    for (int i = 0; i < 2; ++i)
    {
        const QString path = home.file(QString("lib%1.xml").arg(i));
        ASSERT_TRUE(writeTextFile(path, text));
        ASSERT_EQ(ITunesLibrary::open(path.toStdString(), libraries[i], nullptr,
                                      i == 0 ? ITunesLibrary::Load::OnFirstNeed : ITunesLibrary::Load::Now),
                  kOk);
    }
    ITunesLibrary& indexed = *libraries[0];
    ITunesLibrary& whole = *libraries[1];
    EXPECT_EQ(indexed.trackIds(), whole.trackIds());
    EXPECT_EQ(indexed.trackCount(), whole.trackCount());
    for (const uint64_t id : {0xA1ULL, 0xA4ULL, 0xA5ULL, 0xA3ULL, 163ULL, 0xF9ULL})
    {
        EXPECT_EQ(indexed.contains(id), whole.contains(id)) << id;
        std::string a, b;
        EXPECT_EQ(indexed.filePath(id, a), whole.filePath(id, b)) << id;
        EXPECT_EQ(a, b) << id;
        for (const char* key : {"Name", "Year", "Bit Rate", "Extra", "Location", "Missing"})
        {
            int64_t x = -1, y = -1;
            EXPECT_EQ(indexed.readString(id, key, a), whole.readString(id, key, b)) << id << key;
            EXPECT_EQ(a, b) << id << key;
            EXPECT_EQ(indexed.readInteger(id, key, x), whole.readInteger(id, key, y)) << id << key;
            EXPECT_EQ(x, y) << id << key;
        }
    }
    // The first change reads the whole file the answers came from, even after another program
    // put a broken one in its place: both libraries keep what they read and save the same text.
    for (int i = 0; i < 2; ++i)
    {
        ASSERT_TRUE(writeTextFile(home.file("broken.xml"), "<plist><dict>"));
        ASSERT_EQ(::rename(home.file("broken.xml").toUtf8().constData(),
                           home.file(QString("lib%1.xml").arg(i)).toUtf8().constData()),
                  0);
    }
    EXPECT_EQ(indexed.remove(0xA5), kOk);
    EXPECT_EQ(whole.remove(0xA5), kOk);
    EXPECT_EQ(readTextFile(home.file("lib0.xml")), readTextFile(home.file("lib1.xml")));
    EXPECT_EQ(indexed.trackIds(), whole.trackIds());
}

// Every removal stays restorable however many there were: after thousands removed in one batch,
// the first of them comes back as itself, from the store a library opened afresh reads.
TEST(ITunesLibraryRemovals, TheFirstOfThousandsComesBackAsItself)
{
    TempHome home;
    AudioLibrary lib;
    ASSERT_TRUE(makeAudioLibrary(home, 1, lib));
    std::vector<LibraryTrack> tracks = lib.tracks;
    for (int i = 1; i <= 5000; ++i)
    {
        LibraryTrack gone;
        gone.trackId = 1000 + i;
        gone.persistentId = formatPersistentIdText(0xE0000 + static_cast<uint64_t>(i));
        gone.location = fileUrl(home.file(QString("Music/gone/%1.mp3").arg(i)));
        tracks.push_back(gone);
    }
    ASSERT_TRUE(writeTextFile(lib.libraryPath, libraryXml(tracks, {})));
    const std::string path = lib.libraryPath.toStdString();
    std::shared_ptr<ITunesLibrary> library;
    ASSERT_EQ(ITunesLibrary::open(path, library, nullptr, ITunesLibrary::Load::Now), kOk);
    uint64_t ticket = 0;
    {
        ITunesLibrary::DeferredSaves deferred;
        for (const LibraryTrack& track : tracks)
            ASSERT_EQ(library->remove(parsePersistentIdText(track.persistentId)), kOk);
        ticket = deferred.ticket();
    }
    ASSERT_EQ(library->awaitSaved(ticket), kOk);
    ASSERT_EQ(ITunesLibrary::open(path, library, nullptr, ITunesLibrary::Load::Now), kOk);
    EXPECT_EQ(library->trackCount(), 0);
    bool added = false;
    uint64_t persistentId = 0;
    ASSERT_EQ(library->addFile(lib.files[0].toStdString(), added, persistentId), kOk);
    EXPECT_TRUE(added);
    EXPECT_EQ(persistentId, parsePersistentIdText(lib.tracks[0].persistentId));
}
