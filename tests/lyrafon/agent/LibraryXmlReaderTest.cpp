#include "LibraryXmlReader.h"

#include "LibraryXmlFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <map>

using namespace lyrafon;
using namespace tidewell::test;

namespace
{

// Parses a library text with a stub iTunes that answers from `itunes` (persistent ID + key).
struct Parsed
{
    int result = 0;
    AgentSession session;
    std::vector<std::pair<std::string, std::string>> asked;

    std::string attr(int index, const char* key) const
    {
        const char* value = nullptr;
        if (session.find(key, index, &value) != 0)
            return "<absent>";
        return value ? value : "<null>";
    }
};

Parsed parse(const std::string& xml, std::map<std::pair<std::string, std::string>, std::string> itunes = {})
{
    TempHome home;
    const QString path = home.file("lib.xml");
    EXPECT_TRUE(writeTextFile(path, xml));
    Parsed out;
    out.session.hasLists = true;
    LibraryXmlReader reader(out.session,
                            [&](const std::string& id, const char* key) -> std::optional<std::string>
                            {
                                out.asked.emplace_back(id, key);
                                const auto it = itunes.find({id, key});
                                return it == itunes.end() ? std::nullopt
                                                          : std::optional<std::string>(it->second);
                            });
    out.result = reader.parseFile(path.toStdString());
    return out;
}

LibraryTrack track(int id, const std::string& name)
{
    LibraryTrack t;
    t.trackId = id;
    char pid[17];
    std::snprintf(pid, sizeof pid, "%016X", static_cast<unsigned>(id));
    t.persistentId = pid;
    t.name = name;
    t.artist = "A";
    t.bitRate = 256;
    t.location = "file://localhost/home/u/" + name + ".mp3";
    return t;
}

LibraryPlaylist music(std::vector<int> items)
{
    return {"Music", "BBBBBBBBBBBBBBB4", 4, false, true, false, std::move(items), {}};
}

} // namespace

TEST(LibraryXmlReader, ReadsTracksOfTheMusicPlaylistInItsOrder)
{
    const std::vector<LibraryTrack> tracks = {track(10, "one"), track(20, "two"), track(30, "three")};
    LibraryPlaylist library{"Library", "AAAAAAAAAAAAAAA1", -1, true, true, true, {10, 20, 30}, {}};
    LibraryPlaylist other{"Party", "CCCCCCCCCCCCCCC1", -1, false, true, false, {10}, {}};
    // Items in descending Track ID order, one twice: every one is found, the repeated one twice.
    const Parsed p = parse(libraryXml(tracks, {library, other, music({30, 10, 20, 10})}));
    ASSERT_EQ(p.result, 0);
    ASSERT_EQ(p.session.trackCount(), 4);
    EXPECT_EQ(p.attr(0, "Name"), "three");
    EXPECT_EQ(p.attr(1, "Name"), "one");
    EXPECT_EQ(p.attr(2, "Name"), "two");
    EXPECT_EQ(p.attr(3, "TrackID"), "10");
    EXPECT_EQ(p.attr(0, "PersistentID"), "000000000000001E");
    EXPECT_EQ(p.attr(0, "Location"), "/home/u/three.mp3");
    EXPECT_EQ(p.attr(0, "Bitrate"), "256");
    EXPECT_EQ(p.attr(0, "Genre"), "<null>");
    EXPECT_EQ(p.attr(0, "Purchased"), "<absent>");
    EXPECT_EQ(p.attr(0, "name"), "<absent>");
    EXPECT_EQ(p.attr(-1, "Name"), "<absent>");
    EXPECT_EQ(p.attr(4, "Name"), "<absent>");
    EXPECT_TRUE(p.asked.empty());
}

TEST(LibraryXmlReader, TracksInAnyFileOrderAreFound)
{
    // Tracks dictionary in descending order: a binary search over it would miss most of them.
    std::vector<LibraryTrack> tracks;
    std::vector<int> items;
    for (int id = 99; id >= 1; id -= 7)
    {
        tracks.push_back(track(id, "t" + std::to_string(id)));
        items.insert(items.begin(), id); // the playlist lists them ascending
    }
    std::swap(items[1], items[4]);
    const Parsed p = parse(libraryXml(tracks, {music(items)}));
    ASSERT_EQ(p.result, 0);
    ASSERT_EQ(p.session.trackCount(), static_cast<int>(items.size()));
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(p.attr(static_cast<int>(i), "TrackID"), std::to_string(items[i]));
}

TEST(LibraryXmlReader, TextInPiecesArrivesWhole)
{
    // libxml2 hands each character reference over as its own piece; the blank one between two
    // ampersands must not be lost.
    LibraryTrack t = track(1, "x");
    t.name = "A & & B";
    t.artist = " ";
    t.album = "  <Live>  ";
    t.genre = std::string(5000, 'g') + " & end"; // long texts arrive in several pieces too
    const Parsed p = parse(libraryXml({t}, {music({1})}), {{{t.persistentId, "Name"}, "never asked"}});
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.attr(0, "Name"), "A & & B");
    EXPECT_EQ(p.attr(0, "Artist"), "<null>");    // blank as a whole: no value
    EXPECT_EQ(p.attr(0, "Album"), "  <Live>  "); // never trimmed
    EXPECT_EQ(p.attr(0, "Genre"), t.genre);
    EXPECT_TRUE(p.asked.empty());
}

TEST(LibraryXmlReader, NestedValuesAndOddPlaylistsDoNotShiftTheReader)
{
    LibraryTrack a = track(1, "a");
    // A track value that is itself a dict and one that is an array, then ordinary keys.
    a.extraXml = "\t\t\t<key>Nested</key><dict><key>Name</key><string>inner</string><key>Track ID</key>"
                 "<integer>77</integer></dict>\n"
                 "\t\t\t<key>List</key><array><string>x</string><dict/></array>\n"
                 "\t\t\t<key>Genre</key><string>After</string>\n"
                 "\t\t\t<key>Flag</key><true/>\n";
    const LibraryTrack b = track(2, "b");
    // A playlist without "All Items" whose item array would otherwise swallow the Music playlist.
    LibraryPlaylist noAllItems{"Plain", "DDDDDDDDDDDDDDD1", -1, false, false, false, {1, 2}, {}};
    LibraryPlaylist hidden{"Hidden", "EEEEEEEEEEEEEEE1", 4, false, true, true, {2, 2, 2}, {}};
    LibraryPlaylist smart{"Smart",
                          "FFFFFFFFFFFFFFF1",
                          -1,
                          false,
                          true,
                          false,
                          {1},
                          "\t\t\t<key>Smart Info</key><data>AAEC</data>\n"
                          "\t\t\t<key>Smart Criteria</key><array><dict><key>Track "
                          "ID</key><integer>2</integer></dict></array>\n"};
    const Parsed p = parse(libraryXml({a, b}, {noAllItems, hidden, smart, music({2, 1})}));
    ASSERT_EQ(p.result, 0);
    ASSERT_EQ(p.session.tracks.size(), 2u);
    ASSERT_EQ(p.session.trackCount(), 2);
    EXPECT_EQ(p.attr(0, "Name"), "b");
    EXPECT_EQ(p.attr(1, "Name"), "a");
    EXPECT_EQ(p.attr(1, "Genre"), "After");
    EXPECT_EQ(p.attr(1, "TrackID"), "1");
}

TEST(LibraryXmlReader, LibraryWithoutMusicPlaylistExportsNothing)
{
    LibraryPlaylist library{"Library", "AAAAAAAAAAAAAAA1", -1, true, true, true, {1}, {}};
    const Parsed p = parse(libraryXml({track(1, "a")}, {library}));
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.session.tracks.size(), 1u);
    EXPECT_EQ(p.session.trackCount(), 0);
}

TEST(LibraryXmlReader, MissingAttributesAreAskedOfITunes)
{
    LibraryTrack t = track(5, "x");
    t.name = "   "; // only spaces: missing
    t.location.clear();
    t.bitRate = 0;
    LibraryTrack noId = track(6, "y");
    noId.persistentId.clear();
    noId.name.clear();
    const Parsed p = parse(
        libraryXml({t, noId}, {music({5, 6})}),
        {{{t.persistentId, "Name"}, "From iTunes"}, {{t.persistentId, "Location"}, "/plain/path%20x.mp3"}});
    ASSERT_EQ(p.result, 0);
    const std::vector<std::pair<std::string, std::string>> asked = {
        {t.persistentId, "Name"}, {t.persistentId, "Location"}, {t.persistentId, "Bit Rate"}};
    EXPECT_EQ(p.asked, asked); // the track without a persistent ID asks nothing
    EXPECT_EQ(p.attr(0, "Name"), "From iTunes");
    EXPECT_EQ(p.attr(0, "Location"), "/plain/path%20x.mp3"); // iTunes gives a plain path: not decoded
    EXPECT_EQ(p.attr(0, "Bitrate"), "<null>");
    EXPECT_EQ(p.attr(1, "Name"), "<null>");
}

TEST(LibraryXmlReader, LocationsDecodeWithoutLosingBytes)
{
    LibraryTrack t = track(1, "x");
    t.location = "file://localhost/home/u/a%00b%zz%C3%A9.mp3";
    LibraryTrack w = track(2, "y");
    w.location = "file://localhost/C:/My%20Music/%C3%A9t%C3%A9.mp3";
    const Parsed p = parse(libraryXml({t, w}, {music({1, 2})}));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.attr(0, "Location"), "/home/u/a%00b%zz\xC3\xA9.mp3");
    EXPECT_EQ(p.attr(1, "Location"), "C:/My Music/\xC3\xA9t\xC3\xA9.mp3");
}

TEST(LibraryXmlReader, BrokenFilesFailWithTheirCodes)
{
    const std::string good = libraryXml({track(1, "a"), track(2, "b")}, {music({1, 2})});
    EXPECT_EQ(parse("").result, -3);
    EXPECT_EQ(parse(good.substr(0, good.size() * 2 / 3)).result, -3);
    EXPECT_EQ(parse(good.substr(0, good.find("</plist>"))).result, -3);
    EXPECT_EQ(parse("\x01\x02 not xml").result, -3);
    EXPECT_EQ(parse("<?xml version=\"1.0\"?><html><body>Tracks</body></html>").result, -4);
    // Tracks but no Playlists array: parsed what there was, but no library.
    std::string noPlaylists = good.substr(0, good.find("\t<key>Playlists</key>")) + "</dict></plist>\n";
    const Parsed p = parse(noPlaylists);
    EXPECT_EQ(p.result, -4);
    EXPECT_EQ(p.session.tracks.size(), 2u);

    // A missing file is -3 as well.
    AgentSession session;
    LibraryXmlReader reader(session, nullptr);
    EXPECT_EQ(reader.parseFile("/nonexistent/folder/lib.xml"), -3);
}

TEST(LibraryXmlReader, NeverLoadsExternalEntitiesOrDtds)
{
    TempHome home;
    const QString secret = home.file("secret.txt");
    ASSERT_TRUE(writeTextFile(secret, "SECRET"));
    LibraryTrack t = track(1, "x");
    t.name = "&ext;";
    std::string xml = libraryXml({t}, {music({1})});
    xml.replace(xml.find("<!DOCTYPE"), xml.find("<plist") - xml.find("<!DOCTYPE"),
                "<!DOCTYPE plist [<!ENTITY ext SYSTEM \"file://" + secret.toStdString() + "\">]>\n");
    // The escaped "&#38;ext;" written by the fixture is literal text; put a real reference in.
    xml.replace(xml.find("&#38;ext;"), 9, "&ext;");
    const Parsed p = parse(xml);
    EXPECT_NE(p.result, -1);
    for (const AttributeList& list : p.session.tracks)
        for (const std::optional<std::string>& value : list.values)
            EXPECT_TRUE(!value || value->find("SECRET") == std::string::npos) << *value;
}
