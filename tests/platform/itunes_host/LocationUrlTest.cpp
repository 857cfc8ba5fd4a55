#include "LocationUrl.h"

#include <gtest/gtest.h>

using namespace tidewell::ithost;

TEST(LocationUrl, LinuxAndWindowsForms)
{
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/a.mp3"), "/home/u/a.mp3");
    EXPECT_EQ(locationUrlToPath("file:///home/u/a.mp3"), "/home/u/a.mp3");
    EXPECT_EQ(locationUrlToPath("file://localhost/C:/Music/a.mp3"), "C:/Music/a.mp3");
    EXPECT_EQ(locationUrlToPath("file://localhost//server/share/a.mp3"), "//server/share/a.mp3");
    EXPECT_EQ(locationUrlToPath("file://localhost/C:/My%20Music/%C3%A9t%C3%A9.mp3"),
              "C:/My Music/\xC3\xA9t\xC3\xA9.mp3");
    // No prefix: only decoded. No escape: only shortened.
    EXPECT_EQ(locationUrlToPath("/srv/a%20b.mp3"), "/srv/a b.mp3");
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/plain.mp3"), "/home/u/plain.mp3");
}

TEST(LocationUrl, BadEscapesNeverCutOrCorruptThePath)
{
    // A NUL would end the path early: "%00" stays as written.
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/a%00b.mp3"), "/home/u/a%00b.mp3");
    // Not two hex digits: kept, nothing swallowed.
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/100%zz.mp3"), "/home/u/100%zz.mp3");
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/a%2"), "/home/u/a%2");
    EXPECT_EQ(locationUrlToPath("file://localhost/home/u/a%"), "/home/u/a%");
    EXPECT_EQ(percentDecode("%%41"), "%A");
    EXPECT_EQ(percentDecode("%4g%41"), "%4gA");
}

TEST(LocationUrl, WrittenLocationsReadBackToTheSamePath)
{
    const std::string paths[] = {"/home/u/Music/Sóng 1 #x.mp3", "/tmp/100% [live] & more.flac",
                                 "/a/b+c;d=e?.m4a"};
    for (const std::string& path : paths)
    {
        const std::string url = pathToLocationUrl(path);
        EXPECT_EQ(url.rfind("file://localhost/", 0), 0u) << url;
        EXPECT_EQ(url.find(' '), std::string::npos) << url;
        EXPECT_EQ(locationUrlToPath(url), path);
    }
}
