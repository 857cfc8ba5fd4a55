#include "PlistValue.h"

#include "LibraryXmlFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

using namespace tidewell::ithost;
using tidewell::test::TempHome;

namespace
{

const char* kOddLibrary = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple Computer//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>Major Version</key><integer>1</integer>
	<key>Date</key><date>2026-01-02T03:04:05Z</date>
	<key>Features</key><integer>5</integer>
	<key>Odd</key><array><real>1.5</real><false/><dict/><array/></array>
	<key>Tracks</key>
	<dict>
		<key>7</key>
		<dict>
			<key>Track ID</key><integer>7</integer>
			<key>Name</key><string>Rock &#38; Roll &lt;live&gt;</string>
			<key>Artwork Blob</key><data>
			AAECAwQ=
			</data>
		</dict>
	</dict>
</dict>
</plist>
)";

} // namespace

TEST(PlistValue, ReadsWritesAndReadsBackEveryKind)
{
    TempHome home;
    const QString path = home.file("a.xml");
    ASSERT_TRUE(tidewell::test::writeTextFile(path, kOddLibrary));
    PlistValue root;
    ASSERT_TRUE(readPlistFile(path.toStdString(), root));
    const PlistValue* track = root.find("Tracks")->find("7");
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->find("Name")->text(), "Rock & Roll <live>");
    EXPECT_EQ(root.find("Odd")->items().size(), 4u);
    EXPECT_EQ(root.find("Odd")->items()[1].kind(), PlistValue::Kind::False);

    // Written and read again, the tree is the same and the text is stable.
    const std::string once = writePlist(root);
    ASSERT_TRUE(tidewell::test::writeTextFile(path, once));
    PlistValue again;
    ASSERT_TRUE(readPlistFile(path.toStdString(), again));
    EXPECT_EQ(writePlist(again), once);
    EXPECT_EQ(again.find("Date")->kind(), PlistValue::Kind::Date);
    EXPECT_EQ(again.find("Date")->text(), "2026-01-02T03:04:05Z");
    EXPECT_EQ(again.find("Tracks")->find("7")->find("Artwork Blob")->kind(), PlistValue::Kind::Data);
    EXPECT_NE(once.find("<key>Name</key><string>Rock &#38; Roll &#60;live&#62;</string>"), std::string::npos);
}

TEST(PlistValue, RefusesBrokenInputs)
{
    TempHome home;
    const std::string full = kOddLibrary;
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"truncated", full.substr(0, full.size() / 2)},
        {"not a plist", "<?xml version=\"1.0\"?><html><body/></html>"},
        {"not xml", "Tracks: 1, 2, 3"},
        {"key without value", "<plist><dict><key>A</key></dict></plist>"},
        {"unknown element", "<plist><dict><key>A</key><blob/></dict></plist>"},
    };
    for (const auto& [name, text] : cases)
    {
        const QString path = home.file(QString("broken-%1.xml").arg(name));
        ASSERT_TRUE(tidewell::test::writeTextFile(path, text));
        PlistValue root = PlistValue::string("untouched");
        std::string error;
        EXPECT_FALSE(readPlistFile(path.toStdString(), root, &error)) << name;
        EXPECT_FALSE(error.empty()) << name;
        EXPECT_EQ(root.text(), "untouched") << name;
    }
    PlistValue root;
    EXPECT_FALSE(readPlistFile(home.file("missing.xml").toStdString(), root));
}

// The text a library is written back as, for texts on either side of every storage limit (15
// bytes in place, the known long keys, other long keys and values, escapes, UTF-8) and for edits
// that replace, append, remove and copy entries: the layout the library file had before values
// were kept compact, byte for byte.
TEST(PlistValue, WritesTheLibraryTextOfBeforeForEveryTextLength)
{
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<!DOCTYPE plist PUBLIC \"-//Apple Computer//DTD PLIST 1.0//EN\" "
                             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                             "<plist version=\"1.0\">\n";
    const std::string input = head + R"(<dict><key>Application Version</key><string>12.9.5.5</string>
<key>A key of fifteen</key><string>fourteen chars</string><key>A key of sixteen!</key><string>fifteen chars..</string>
<key>Some key quite a lot longer than the rest</key><string>sixteen chars...</string><key></key><string></string>
<key>Odd</key><array><real>1.5</real><dict/><string>Ünïcödé — 日本語 text that runs long</string></array>
<key>Tracks</key><dict><key>7</key><dict><key>Track ID</key><integer>7</integer>
<key>Name</key><string>Rock &#38; Roll &lt;live&gt; &amp; "q"</string><key>Kind</key><string>MPEG audio file</string>
<key>Persistent ID</key><string>A000000000000001</string><key>Library Folder Count</key><integer>1</integer>
<key>Location</key><string>file://localhost/home/u/Music/A%20Song.mp3</string></dict></dict></dict></plist>)";
    const std::string expected = head + R"(<dict>
	<key>Application Version</key><string>12.9.5.5</string>
	<key>A key of fifteen</key><string>fourteen chars</string>
	<key>A key of sixteen!</key><string>fifteen chars..</string>
	<key>Some key quite a lot longer than the rest</key><string>sixteen chars...</string>
	<key></key><string></string>
	<key>Odd</key>
	<array>
		<real>1.5</real>
		<dict/>
		<string>Ünïcödé — 日本語 text that runs long</string>
	</array>
	<key>Tracks</key>
	<dict>
		<key>7</key>
		<dict>
			<key>Track ID</key><integer>7</integer>
			<key>Name</key><string>Rock &#38; Roll &#60;live&#62; &#38; "q"</string>
			<key>Persistent ID</key><string>A000000000000001</string>
			<key>Library Folder Count</key><integer>-1</integer>
			<key>Location</key><string>file://localhost/home/u/Music/A%20Song.mp3</string>
			<key>An Unknown Key Longer Than That</key><string>x</string>
		</dict>
		<key>8</key>
		<dict>
			<key>Track ID</key><integer>8</integer>
			<key>Name</key><string>A name of exactly 16</string>
			<key>Persistent ID</key><string>A000000000000001</string>
			<key>Library Folder Count</key><integer>-1</integer>
			<key>Location</key><string>file://localhost/home/u/Music/A%20Song.mp3</string>
			<key>An Unknown Key Longer Than That</key><string>x</string>
		</dict>
	</dict>
</dict>
</plist>
)";
    TempHome home;
    const QString path = home.file("lengths.xml");
    ASSERT_TRUE(tidewell::test::writeTextFile(path, input));
    PlistValue root;
    ASSERT_TRUE(readPlistFile(path.toStdString(), root));
    PlistValue* tracks = root.find("Tracks");
    PlistValue* track = tracks->find("7");
    track->set("Library Folder Count", PlistValue::integer(-1));
    track->set("An Unknown Key Longer Than That", PlistValue::string("x"));
    track->remove("Kind");
    PlistValue copy = *track;
    copy.set("Track ID", PlistValue::integer(8));
    copy.set("Name", PlistValue::string("A name of exactly 16"));
    tracks->set("8", std::move(copy));
    EXPECT_EQ(writePlist(root), expected);
    EXPECT_EQ(tracks->find("8")->find("Location")->toInt(-5), -5);
    EXPECT_EQ(root.find("Some key quite a lot longer than the rest")->text(), "sixteen chars...");
}
