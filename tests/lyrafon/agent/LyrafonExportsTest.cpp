#include "Lyrafon.h"

#include "AudioFixture.h"
#include "LibraryXmlFixture.h"
#include "TempHome.h"

#include <QFile>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

using namespace tidewell::test;

namespace
{

std::string attr(int index, const char* key)
{
    char* value = nullptr;
    if (FindAttributeValue_kvt(&value, key, index) != 0)
        return "<absent>";
    return value ? value : "<null>";
}

// Index of the exported track with this persistent ID, or -1.
int indexOf(const std::string& persistentId)
{
    for (int i = 0; i < GetTrackCount_kvt(); ++i)
        if (attr(i, "PersistentID") == persistentId)
            return i;
    return -1;
}

int reload()
{
    return CreateAgent_kvt(nullptr);
}

class LyrafonExports : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(makeAudioLibrary(home, 3, lib, {2})); }
    void TearDown() override { DestroyAgent_kvt(1); }

    const char* id(int i) const { return lib.tracks[static_cast<size_t>(i)].persistentId.c_str(); }

    TempHome home;
    AudioLibrary lib;
};

} // namespace

TEST(LyrafonNoITunes, EveryCallFailsCleanly)
{
    TempHome home; // no library file: iTunes "is not installed"
    char* value = nullptr;
    EXPECT_EQ(GetTrackCount_kvt(), -1);
    EXPECT_EQ(FindAttributeValue_kvt(&value, "Name", 0), -1);
    EXPECT_EQ(value, nullptr);
    EXPECT_EQ(CreateAgent_kvt(nullptr), -1);
    EXPECT_EQ(CreateAgent_kvt(home.file("any.xml").toUtf8().constData()), -1);
    EXPECT_EQ(GetTrackCount_kvt(), -1);
    char buffer[17] = {};
    char text[] = "x";
    EXPECT_EQ(HasArtwork_kvt("0000000000000001"), 0);
    EXPECT_EQ(DeleteTrackFromITunes_kvt("0000000000000001"), -1);
    EXPECT_EQ(AddTrackToITunes_kvt("/tmp/a.mp3", buffer), -1);
    EXPECT_EQ(SetAttributeValue_kvt("0000000000000001", "Name", text), -1);
    EXPECT_EQ(GetArtworkToFile_kvt("0000000000000001", text), -1);
    EXPECT_EQ(SetArtworkFromFile_kvt("0000000000000001", text), -1);
    EXPECT_EQ(DestroyAgent_kvt(1), 0);
    // Null arguments.
    EXPECT_EQ(DeleteTrackFromITunes_kvt(nullptr), -1);
    EXPECT_EQ(AddTrackToITunes_kvt(nullptr, buffer), -1);
    EXPECT_EQ(AddTrackToITunes_kvt("/tmp/a.mp3", nullptr), -1);
    EXPECT_EQ(SetAttributeValue_kvt(nullptr, "Name", text), -1);
    EXPECT_EQ(FindAttributeValue_kvt(nullptr, "Name", 0), -1);
}

TEST_F(LyrafonExports, ReadsTheLibraryITunesNames)
{
    // No path: iTunes gives its library's path (command 14).
    ASSERT_EQ(CreateAgent_kvt(nullptr), 0);
    ASSERT_EQ(GetTrackCount_kvt(), 3);
    EXPECT_EQ(attr(1, "Name"), "Song 1");
    EXPECT_EQ(attr(1, "Artist"), "Artist");
    EXPECT_EQ(attr(1, "Album"), "Album");
    EXPECT_EQ(attr(1, "Genre"), "Rock");
    EXPECT_EQ(attr(1, "Year"), "2001");
    EXPECT_EQ(attr(1, "Bitrate"), "128");
    EXPECT_EQ(attr(1, "TotalTime"), "1000");
    EXPECT_EQ(attr(1, "TrackID"), "102");
    EXPECT_EQ(attr(1, "PersistentID"), id(1));
    EXPECT_EQ(attr(1, "Location"), lib.files[1].toStdString());
    EXPECT_EQ(attr(1, "Size"), std::to_string(lib.tracks[1].size));
    EXPECT_EQ(attr(1, "Purchased"), "<absent>");
    EXPECT_EQ(attr(3, "Name"), "<absent>");

    // The texts stay valid until the library is dropped.
    char* name = nullptr;
    ASSERT_EQ(FindAttributeValue_kvt(&name, "Name", 0), 0);
    EXPECT_EQ(GetTrackCount_kvt(), 3);
    EXPECT_STREQ(name, "Song 0");
    EXPECT_EQ(DestroyAgent_kvt(0), 0);
    EXPECT_EQ(GetTrackCount_kvt(), -1);

    // An explicit path is read as given.
    ASSERT_EQ(CreateAgent_kvt(lib.libraryPath.toUtf8().constData()), 0);
    EXPECT_EQ(GetTrackCount_kvt(), 3);
    EXPECT_EQ(DestroyAgent_kvt(1), 1);
    EXPECT_EQ(DestroyAgent_kvt(1), 0);
}

TEST_F(LyrafonExports, AttributesTheFileLacksComeFromITunes)
{
    // A copy of the library without Name, Location and Bit Rate for track 0: the reader asks iTunes
    // (whose own library still has them) while it parses.
    std::vector<LibraryTrack> tracks = lib.tracks;
    tracks[0].name = "   ";
    tracks[0].location.clear();
    tracks[0].bitRate = 0;
    tracks[1].name.clear();
    tracks[1].persistentId = "00000000DEADBEEF"; // unknown to iTunes: stays without a name
    const QString copy = home.file("copies/partial.xml");
    ASSERT_TRUE(writeTextFile(copy, libraryXml(tracks, standardPlaylists(tracks))));
    ASSERT_EQ(CreateAgent_kvt(copy.toUtf8().constData()), 0);
    ASSERT_EQ(GetTrackCount_kvt(), 3);
    EXPECT_EQ(attr(0, "Name"), "Song 0");
    EXPECT_EQ(attr(0, "Location"), lib.files[0].toStdString());
    EXPECT_EQ(attr(0, "Bitrate"), "128");
    EXPECT_EQ(attr(1, "Name"), "<null>");
}

TEST_F(LyrafonExports, BrokenLibraryFilesGiveTheirCodes)
{
    const std::string good = readTextFile(lib.libraryPath);
    const std::pair<const char*, std::string> cases[] = {
        {"empty.xml", ""},
        {"truncated.xml", good.substr(0, good.size() / 2)},
        {"garbage.xml", "\x89PNG\r\n\x1a\n not xml"},
    };
    for (const auto& [name, text] : cases)
    {
        const QString path = home.file(QString("broken/") + name);
        ASSERT_TRUE(writeTextFile(path, text));
        EXPECT_EQ(CreateAgent_kvt(path.toUtf8().constData()), -3) << name;
    }
    EXPECT_EQ(CreateAgent_kvt(home.file("broken/missing.xml").toUtf8().constData()), -3);
    const QString html = home.file("broken/page.xml");
    ASSERT_TRUE(writeTextFile(html, "<?xml version=\"1.0\"?><html><p>Tracks</p></html>"));
    EXPECT_EQ(CreateAgent_kvt(html.toUtf8().constData()), -4);
    EXPECT_EQ(GetTrackCount_kvt(), 0);
    // And the good library still reads afterwards.
    EXPECT_EQ(reload(), 0);
    EXPECT_EQ(GetTrackCount_kvt(), 3);
}

TEST_F(LyrafonExports, WritesReachTheLibraryAndTheFile)
{
    char name[] = "Nouveau nom é";
    char artist[] = "Новый артист";
    char album[] = "アルバム";
    char genre[] = "Jazz";
    char year[] = "1987";
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Name", name), 0);
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Artist", artist), 0);
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Album", album), 0);
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Genre", genre), 0);
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Year", year), 0);
    char notANumber[] = "soon";
    EXPECT_EQ(SetAttributeValue_kvt(id(1), "Year", notANumber), 0);
    // Keys outside the five, in any case, are refused without touching iTunes.
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "name", name), -1);
    EXPECT_EQ(SetAttributeValue_kvt(id(0), "Comment", name), -1);
    EXPECT_EQ(SetAttributeValue_kvt("00000000DEADBEEF", "Name", name), -1);

    ASSERT_EQ(reload(), 0);
    const int i = indexOf(id(0));
    ASSERT_GE(i, 0);
    EXPECT_EQ(attr(i, "Name"), name);
    EXPECT_EQ(attr(i, "Artist"), artist);
    EXPECT_EQ(attr(i, "Album"), album);
    EXPECT_EQ(attr(i, "Genre"), genre);
    EXPECT_EQ(attr(i, "Year"), "1987");
    EXPECT_EQ(attr(indexOf(id(1)), "Year"), "<null>");

    TagLib::FileRef ref(QFile::encodeName(lib.files[0]).constData());
    ASSERT_FALSE(ref.isNull());
    EXPECT_EQ(ref.tag()->title().to8Bit(true), name);
    EXPECT_EQ(ref.tag()->artist().to8Bit(true), artist);
    EXPECT_EQ(ref.tag()->album().to8Bit(true), album);
    EXPECT_EQ(ref.tag()->genre().to8Bit(true), genre);
    EXPECT_EQ(ref.tag()->year(), 1987u);
}

TEST_F(LyrafonExports, ArtworkTestSaveAndAdd)
{
    char saved[256];
    std::strcpy(saved, home.file("out/cover.jpg").toUtf8().constData());
    EXPECT_EQ(HasArtwork_kvt(id(0)), 0);
    EXPECT_EQ(GetArtworkToFile_kvt(id(0), saved), 1);
    EXPECT_FALSE(QFile::exists(saved));

    EXPECT_EQ(HasArtwork_kvt(id(2)), 1);
    EXPECT_EQ(GetArtworkToFile_kvt(id(2), saved), 0);
    EXPECT_EQ(readTextFile(saved), makePicture(16, 16, 0xff0002u).toStdString());

    char picture[256];
    std::strcpy(picture, home.file("in/new cover.png").toUtf8().constData());
    const QByteArray png = makePicture(24, 24, 0x3366ccu, "PNG");
    ASSERT_TRUE(writeTextFile(picture, png.toStdString()));
    EXPECT_EQ(SetArtworkFromFile_kvt(id(0), picture), 0);
    EXPECT_EQ(HasArtwork_kvt(id(0)), 1);
    EXPECT_EQ(GetArtworkToFile_kvt(id(0), saved), 0);
    EXPECT_EQ(readTextFile(saved), png.toStdString());

    // A track that has artwork keeps it: 0 and nothing changes.
    const std::string fileBefore = readTextFile(lib.files[2]);
    EXPECT_EQ(SetArtworkFromFile_kvt(id(2), picture), 0);
    EXPECT_EQ(readTextFile(lib.files[2]), fileBefore);
    EXPECT_EQ(HasArtwork_kvt("00000000DEADBEEF"), 0);
    EXPECT_EQ(GetArtworkToFile_kvt("00000000DEADBEEF", saved), -1);
}

TEST_F(LyrafonExports, AddAndDeleteTracks)
{
    const QString path = home.file("Music/Added/new song.flac");
    AudioSpec audioSpec;
    audioSpec.format = AudioFormat::Flac;
    audioSpec.seconds = 1.0;
    audioSpec.tags.title = "Brand New";
    ASSERT_TRUE(makeAudioFile(path, audioSpec));

    char buffer[50] = {};
    ASSERT_EQ(AddTrackToITunes_kvt(path.toUtf8().constData(), buffer), 0);
    ASSERT_EQ(std::strlen(buffer), 16u);
    EXPECT_EQ(std::strspn(buffer, "0123456789ABCDEF"), 16u);
    for (int i = 0; i < 3; ++i)
        EXPECT_STRNE(buffer, id(i));
    ASSERT_EQ(reload(), 0);
    EXPECT_EQ(GetTrackCount_kvt(), 4);
    const int added = indexOf(buffer);
    ASSERT_GE(added, 0);
    EXPECT_EQ(attr(added, "Name"), "Brand New");
    EXPECT_EQ(attr(added, "TrackID"), "105");
    EXPECT_EQ(attr(added, "Location"), path.toStdString());

    // Not audio: nothing added, the buffer stays as it was.
    const QString junk = home.file("Music/Added/readme.mp3");
    ASSERT_TRUE(writeTextFile(junk, "text"));
    char untouched[17] = "AAAAAAAAAAAAAAAA";
    EXPECT_EQ(AddTrackToITunes_kvt(junk.toUtf8().constData(), untouched), 0);
    EXPECT_STREQ(untouched, "AAAAAAAAAAAAAAAA");

    // Delete takes the track out of the library, never the file off the disk.
    EXPECT_EQ(DeleteTrackFromITunes_kvt(id(1)), 0);
    EXPECT_EQ(DeleteTrackFromITunes_kvt(id(1)), -1);
    EXPECT_TRUE(QFile::exists(lib.files[1]));
    ASSERT_EQ(reload(), 0);
    EXPECT_EQ(GetTrackCount_kvt(), 3);
    EXPECT_EQ(indexOf(id(1)), -1);
}

TEST_F(LyrafonExports, CallersOnSeveralThreadsEachGetTheirOwnAnswer)
{
    ASSERT_EQ(CreateAgent_kvt(nullptr), 0);
    std::atomic<int> wrong{0};
    std::vector<std::thread> callers;
    for (int c = 0; c < 6; ++c)
    {
        callers.emplace_back(
            [&, c]
            {
                const int track = c % 3;
                for (int round = 0; round < 20; ++round)
                {
                    // Artwork answers differ per track, so a crossed answer shows.
                    if (HasArtwork_kvt(id(track)) != (track == 2 ? 1 : 0))
                        ++wrong;
                    if (GetTrackCount_kvt() != 3 || attr(track, "PersistentID") != id(track))
                        ++wrong;
                    if (c == 0 && round % 5 == 0)
                    {
                        char genre[32];
                        std::snprintf(genre, sizeof genre, "Genre %d", round);
                        if (SetAttributeValue_kvt(id(0), "Genre", genre) != 0)
                            ++wrong;
                    }
                }
            });
    }
    for (std::thread& t : callers)
        t.join();
    EXPECT_EQ(wrong.load(), 0);
    ASSERT_EQ(reload(), 0);
    EXPECT_EQ(attr(indexOf(id(0)), "Genre"), "Genre 15");
}
