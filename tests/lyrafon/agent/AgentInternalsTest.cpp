#include "AgentDispatch.h"
#include "ComThread.h"
#include "ITunesHost.h"
#include "PersistentId.h"
#include "TextConvert.h"

#include "LibraryXmlFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>

using namespace lyrafon;
using namespace tidewell::test;
namespace ith = tidewell::ithost;

namespace
{

std::string formatted(int32_t high, int32_t low)
{
    char out[17];
    FormatPersistentId(high, low, out);
    return out;
}

// A library of plain entries (no audio files) at $TIDEWELL_ITUNES_LIBRARY.
QString writePlainLibrary(const TempHome& home, int count)
{
    std::vector<LibraryTrack> tracks;
    for (int i = 1; i <= count; ++i)
    {
        LibraryTrack t;
        t.trackId = i;
        char pid[17];
        std::snprintf(pid, sizeof pid, "%016X", static_cast<unsigned>(i));
        t.persistentId = pid;
        t.name = "Track " + std::to_string(i);
        t.album = "Album " + std::to_string(i);
        t.genre = "Genre " + std::to_string(i);
        t.year = 1990 + i;
        t.bitRate = 100 + i;
        t.location = "file://localhost/home/u/t%20" + std::to_string(i) + ".mp3";
        tracks.push_back(t);
    }
    const QString path = home.file("lib/iTunes Library.xml");
    EXPECT_TRUE(writeTextFile(path, libraryXml(tracks, standardPlaylists(tracks))));
    qputenv("TIDEWELL_ITUNES_LIBRARY", path.toUtf8());
    return path;
}

struct ReadResult
{
    int32_t result = 0;
    std::string text;
    int32_t number = 0;
};

ReadResult dispatchRead(int32_t command, const char* id, ith::ITunesApp* app)
{
    char* text = nullptr;
    AgentRequest request;
    request.command = command;
    request.idOrPath = id;
    request.inOut = &text;
    ReadResult out;
    out.result = DispatchAgentRequest(&request, app);
    EXPECT_EQ(request.result, out.result);
    if (text)
        out.text = text;
    std::free(text);
    out.number = request.number;
    return out;
}

} // namespace

TEST(PersistentId, ParsesAndFormatsItsTextForm)
{
    EXPECT_EQ(ParsePersistentId(nullptr), 0u);
    EXPECT_EQ(ParsePersistentId("00000001000000FF"), 0x1000000FFull);
    EXPECT_EQ(ParsePersistentId("abcDEF"), 0xABCDEFull);  // short: as if zero-padded; either case
    EXPECT_EQ(ParsePersistentId("00000001000000FG"), 0u); // any other character: ID 0
    EXPECT_EQ(ParsePersistentId("1234567890ABCDEF12"), 0x7890ABCDEF12ull | (0x3456ull << 48));
    EXPECT_EQ(formatted(0, 0), "0000000000000000");
    EXPECT_EQ(formatted(1, 255), "00000001000000FF");
    EXPECT_EQ(formatted(0x12345678, static_cast<int32_t>(0x80000001u)), "1234567880000001");
    EXPECT_EQ(formatted(-1, -1), "FFFFFFFFFFFFFFFF");
    const char* text = "0A1B2C3D4E5F6789";
    const uint64_t value = ParsePersistentId(text);
    EXPECT_EQ(formatted(static_cast<int32_t>(value >> 32), static_cast<int32_t>(value)), text);
}

TEST(TextConvert, RoundTripsAndRefusesNulls)
{
    const char* text = "Ünïcode 専用 Новый \xF0\x9F\x8E\xB5";
    char16_t* wide = nullptr;
    const size_t units = Utf8ToUtf16Alloc(text, &wide);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(units, std::u16string(wide).size() + 1);
    char* back = nullptr;
    EXPECT_EQ(Utf16ToUtf8Alloc(wide, &back), std::strlen(text) + 1);
    EXPECT_STREQ(back, text);
    std::free(wide);
    std::free(back);
    char* untouched = nullptr;
    EXPECT_EQ(Utf16ToUtf8Alloc(nullptr, &untouched), 0u);
    EXPECT_EQ(untouched, nullptr);
    EXPECT_EQ(Utf8ToUtf16Alloc("x", nullptr), 0u);
}

TEST(AgentDispatch, RunsTheCommandTableAgainstTheHost)
{
    TempHome home;
    const QString path = writePlainLibrary(home, 3);
    std::shared_ptr<ith::ITunesApp> app;
    ASSERT_EQ(ith::ITunesApp::Create(app), ith::kOk);

    EXPECT_EQ(dispatchRead(kReadName, "0000000000000002", app.get()).text, "Track 2");
    EXPECT_EQ(dispatchRead(kReadAlbum, "0000000000000002", app.get()).text, "Album 2");
    EXPECT_EQ(dispatchRead(kReadGenre, "0000000000000002", app.get()).text, "Genre 2");
    EXPECT_EQ(dispatchRead(kReadArtist, "0000000000000002", app.get()).text, "");
    EXPECT_EQ(dispatchRead(kReadLocation, "0000000000000003", app.get()).text, "/home/u/t 3.mp3");
    EXPECT_EQ(dispatchRead(kReadBitRate, "0000000000000001", app.get()).text, "101");
    EXPECT_EQ(dispatchRead(kReadYear, "0000000000000003", app.get()).number, 1993);
    EXPECT_EQ(dispatchRead(kReadLibraryXmlPath, nullptr, app.get()).text, path.toStdString());
    // No file behind the track: artwork test says "none".
    EXPECT_EQ(dispatchRead(kTestArtwork, "0000000000000001", app.get()).result, 1);

    // Unknown commands and unknown tracks answer -1 and touch nothing; no iTunes is -1 too.
    const ReadResult unknown = dispatchRead(8, "0000000000000001", app.get());
    EXPECT_EQ(unknown.result, -1);
    EXPECT_EQ(unknown.text, "");
    EXPECT_EQ(dispatchRead(kReadName, "00000000000000FF", app.get()).result, -1);
    EXPECT_EQ(dispatchRead(kReadName, "not an id", app.get()).result, -1);
    EXPECT_EQ(dispatchRead(kReadName, "0000000000000001", nullptr).result, -1);
    EXPECT_EQ(DispatchAgentRequest(nullptr, app.get()), -1);
}

TEST(AgentDispatch, AddedFileWithNoTracksWritesNothingAndPollingIsBounded)
{
    TempHome home;
    writePlainLibrary(home, 1);
    std::shared_ptr<ith::ITunesApp> app;
    ASSERT_EQ(ith::ITunesApp::Create(app), ith::kOk);

    char buffer[17] = "untouched-buffer";
    auto empty = std::make_shared<ith::ITTrackCollection>(app->library(), std::vector<uint64_t>{});
    ith::ITOperationStatus nothingAdded(empty);
    EXPECT_EQ(ReadAddedTrackId(*app, nothingAdded, buffer), 0);
    EXPECT_STREQ(buffer, "untouched-buffer");

    // Still in progress after the limit: the request gives up instead of waiting for ever.
    auto one = std::make_shared<ith::ITTrackCollection>(app->library(), std::vector<uint64_t>{1});
    ith::ITOperationStatus busy(one, 1000000);
    EXPECT_EQ(ReadAddedTrackId(*app, busy, buffer, 3, std::chrono::milliseconds(1)), kAddTimedOut);
    EXPECT_STREQ(buffer, "untouched-buffer");

    // Done after two polls: the ID is written.
    ith::ITOperationStatus soon(one, 2);
    EXPECT_EQ(ReadAddedTrackId(*app, soon, buffer, 3, std::chrono::milliseconds(1)), 0);
    EXPECT_STREQ(buffer, "0000000000000001");
}

TEST(ComThread, FailsToStartWithoutITunesAndTriesAgainNextTime)
{
    std::atomic<int> attempts{0};
    ComThread thread(
        [&](std::shared_ptr<ith::ITunesApp>&)
        {
            ++attempts;
            return ith::kFileNotFound;
        });
    EXPECT_FALSE(thread.start());
    EXPECT_FALSE(thread.running());
    AgentRequest request;
    request.command = kReadName;
    EXPECT_EQ(thread.post(&request), -1);
    EXPECT_FALSE(thread.start());
    EXPECT_EQ(attempts.load(), 2);

    // A server that cannot run is tried once more, not a third time.
    attempts = 0;
    ComThread busy(
        [&](std::shared_ptr<ith::ITunesApp>&)
        {
            ++attempts;
            return ith::kServerExecFailure;
        });
    EXPECT_FALSE(busy.start());
    EXPECT_EQ(attempts.load(), 2);
}

TEST(ComThread, EveryCallerGetsItsOwnRequestsAnswer)
{
    TempHome home;
    writePlainLibrary(home, 8);
    ComThread thread([](std::shared_ptr<ith::ITunesApp>& app) { return ith::ITunesApp::Create(app); });
    ASSERT_TRUE(thread.start());
    EXPECT_TRUE(thread.start()); // already running

    std::atomic<int> wrong{0};
    std::vector<std::thread> callers;
    for (int c = 0; c < 8; ++c)
    {
        callers.emplace_back(
            [&, c]
            {
                char id[17];
                std::snprintf(id, sizeof id, "%016X", static_cast<unsigned>(c + 1));
                const std::string expected = "Track " + std::to_string(c + 1);
                for (int round = 0; round < 50; ++round)
                {
                    char* text = nullptr;
                    AgentRequest request;
                    request.command = kReadName;
                    request.idOrPath = id;
                    request.inOut = &text;
                    if (thread.post(&request) != 0 || !text || expected != text)
                        ++wrong;
                    std::free(text);
                }
            });
    }
    for (std::thread& t : callers)
        t.join();
    EXPECT_EQ(wrong.load(), 0);

    EXPECT_TRUE(thread.stop());
    EXPECT_FALSE(thread.stop());
    AgentRequest late;
    late.command = kReadName;
    EXPECT_EQ(thread.post(&late), -1);
}

TEST(ComThread, ProcessWideThreadStartsOnceAndStops)
{
    TempHome home;
    writePlainLibrary(home, 1);
    SetComThreadAppFactory(nullptr);
    EXPECT_EQ(StopComThread(), 0);
    EXPECT_EQ(PostAgentRequest(nullptr), -1);
    AgentRequest request;
    request.command = kReadYear;
    request.idOrPath = "0000000000000001";
    EXPECT_EQ(PostAgentRequest(&request), -1); // not started
    ASSERT_EQ(StartComThread(), 1);
    ASSERT_EQ(StartComThread(), 1);
    EXPECT_EQ(PostAgentRequest(&request), 0);
    EXPECT_EQ(request.number, 1991);
    EXPECT_EQ(StopComThread(), 1);
    EXPECT_EQ(StopComThread(), 0);

    SetComThreadAppFactory([](std::shared_ptr<ith::ITunesApp>&) { return ith::kFail; });
    EXPECT_EQ(StartComThread(), 0);
    SetComThreadAppFactory(nullptr);
}
