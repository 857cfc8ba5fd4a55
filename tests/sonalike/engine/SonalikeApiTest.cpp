// Sonalike through its C exports only, on real audio files made for each test.

#include "AudioFixture.h"
#include "TempHome.h"
#include "sonalike.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include <taglib/infotag.h>
#include <taglib/wavfile.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using tidewell::test::AudioFormat;
using tidewell::test::AudioSpec;

constexpr unsigned kTitle = DEDUPE_OPTION_TITLE;
constexpr unsigned kArtist = DEDUPE_OPTION_ARTIST;
constexpr unsigned kAlbum = DEDUPE_OPTION_ALBUM;

// Everything the progress callback saw, recorded from the worker thread.
struct Progress
{
    struct Call
    {
        int value;
        int index;
        std::string path;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Call> calls;
    bool ended = false;
    int groupsAtEnd = -2;
    int firstGroupSizeAtEnd = -2;
    int pauseAt = 0; // pause the run from the per-track call with this index (0: never)
    int loadCountInRun = -2;
    bool refusedInRun = false;
    bool restartRefusedAtEnd = false;

    // A test that stops early must not leave the run calling into a destroyed recorder.
    ~Progress()
    {
        if (!calls.empty())
        {
            ContinueDedupeThread();
            waitEnd(std::chrono::seconds(120));
        }
    }

    static int callback(int* value, int index, const char* path, void* user)
    {
        auto* self = static_cast<Progress*>(user);
        if (index == 1)
        {
            self->loadCountInRun = GetLoadCounts(); // the worker already holds the lists
            // Freeing or restarting from inside the run would wait for itself: refused.
            self->refusedInRun = DedupeDealloc() == -1 &&
                                 StartDedupeThread(nullptr, nullptr, 0, 0, 0) == -1 &&
                                 AddToDedupeLists("/", 0) == -1;
        }
        if (index == self->pauseAt)
            PauseDedupeThread();
        bool end = false;
        {
            std::lock_guard lock(self->mutex);
            self->calls.push_back({*value, index, path});
            end = !self->calls.empty() && self->calls.size() > 1 && index == self->calls.front().value + 1;
        }
        if (end)
        {
            // The end call comes after the groups are published and readable.
            const int groups = GetGroupIdCounts();
            self->restartRefusedAtEnd = StartDedupeThread(nullptr, nullptr, 0, 0, 0) == -1;
            int count = -2;
            if (groups > 0)
                GetGroupRef(0, nullptr, &count, -1);
            std::lock_guard lock(self->mutex);
            self->groupsAtEnd = groups;
            self->firstGroupSizeAtEnd = count;
            self->ended = true;
            // Under the lock: once the waiter sees `ended` it may destroy this recorder.
            self->changed.notify_all();
            return 0;
        }
        std::lock_guard lock(self->mutex);
        self->changed.notify_all();
        return 0;
    }

    bool waitEnd(std::chrono::seconds limit = std::chrono::seconds(120))
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, limit, [this] { return ended; });
    }
    size_t callCount()
    {
        std::lock_guard lock(mutex);
        return calls.size();
    }
};

struct Member
{
    std::string path, title;
    int bitRate;
    float similarity;
    int userValue;
    int duration;
};

std::vector<std::vector<Member>> readGroups()
{
    std::vector<std::vector<Member>> groups;
    const int count = GetGroupIdCounts();
    for (int g = 0; g < count; ++g)
    {
        int members = 0;
        EXPECT_EQ(GetGroupRef(static_cast<unsigned>(g), nullptr, &members, -1), 0);
        groups.emplace_back();
        for (int k = 0; k < members; ++k)
        {
            DedupeTrackInfo* info = nullptr;
            EXPECT_EQ(GetGroupRef(static_cast<unsigned>(g), &info, &members, k), 0);
            groups.back().push_back(
                {info->path, info->title, info->bitRate, info->similarity, info->userValue, info->duration});
        }
    }
    return groups;
}

std::set<std::string> namesOf(const std::vector<Member>& group)
{
    std::set<std::string> names;
    for (const Member& m : group)
        names.insert(fs::path(m.path).filename().string());
    return names;
}

std::string trackName(int k)
{
    std::string name = "t";
    name += std::to_string(k);
    name += ".mp3";
    return name;
}

int runBlocking(unsigned options, int percent = 95, int seconds = 60)
{
    return StartDedupeThread(nullptr, nullptr, options, seconds, percent);
}

class SonalikeApi : public ::testing::Test
{
protected:
    void TearDown() override { DedupeDealloc(); }

    std::string folder(const std::string& name)
    {
        const QString path = home.file(QString::fromStdString(name) + "/x");
        QDir().mkpath(QFileInfo(path).path());
        return QFileInfo(path).path().toStdString();
    }
    std::string make(const std::string& dir, const std::string& name, AudioSpec audioSpec)
    {
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(tidewell::test::makeAudioFile(QString::fromStdString(path), audioSpec)) << path;
        return path;
    }
    static AudioSpec tagged(AudioFormat format, const char* title, const char* artist, const char* album,
                            double seconds = 1.0)
    {
        AudioSpec audioSpec;
        audioSpec.format = format;
        audioSpec.seconds = seconds;
        audioSpec.tags.title = title;
        audioSpec.tags.artist = artist;
        audioSpec.tags.album = album;
        return audioSpec;
    }
    static AudioSpec noise(AudioFormat format, int seed, double seconds)
    {
        AudioSpec audioSpec;
        audioSpec.format = format;
        audioSpec.seconds = seconds;
        audioSpec.toneHz = 0;
        audioSpec.noiseSeed = seed;
        return audioSpec;
    }

    tidewell::test::TempHome home;
};

TEST_F(SonalikeApi, ExportsAnswerMinusOneBeforeTheEngineExists)
{
    // Runs first in this process: nothing has created the engine yet.
    EXPECT_EQ(PauseDedupeThread(), -1);
    EXPECT_EQ(ContinueDedupeThread(), -1);
    EXPECT_EQ(GetLoadCounts(), -1);
    EXPECT_EQ(GetGroupIdCounts(), -1);
    int count = 7;
    EXPECT_EQ(GetGroupRef(0, nullptr, &count, 0), -1);
    EXPECT_EQ(DedupeDealloc(), -1);
}

TEST_F(SonalikeApi, BadArgumentsGiveTheirCodes)
{
    const std::string dir = folder("bad");
    EXPECT_EQ(AddToDedupeLists(nullptr, 1), -1);
    EXPECT_EQ(AddToDedupeLists(std::string(2049, 'a').c_str(), 1), -1);
    EXPECT_EQ(AddToDedupeLists((dir + "/missing.mp3").c_str(), 1), -3);
    // A pipe is no audio file: loading it would block the run for good.
    ASSERT_EQ(mkfifo((dir + "/pipe.mp3").c_str(), 0600), 0);
    EXPECT_EQ(AddToDedupeLists((dir + "/pipe.mp3").c_str(), 1), -3);
    EXPECT_EQ(AddToDedupeLists(dir.c_str(), 1), 0); // the folder scan passes it over too
    EXPECT_EQ(AddToDedupeListsByInfo(nullptr), -1);
    DedupeTrackInfo info{};
    EXPECT_EQ(AddToDedupeListsByInfo(&info), -1); // no path
    info.path = "/nowhere/a.mp3";
    EXPECT_EQ(AddToDedupeListsByInfo(&info), 0);
    EXPECT_EQ(AddToDedupeListsByInfo(&info), -2);
    EXPECT_EQ(GetLoadCounts(), 1);
    EXPECT_EQ(PauseDedupeThread(), 0);
    EXPECT_EQ(ContinueDedupeThread(), 0);

    EXPECT_EQ(runBlocking(kTitle), 0);
    EXPECT_EQ(GetGroupIdCounts(), 0);
    int count = 7;
    DedupeTrackInfo* item = reinterpret_cast<DedupeTrackInfo*>(&count);
    EXPECT_EQ(GetGroupRef(0, &item, &count, 0), -1);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(GetGroupRef(0, &item, nullptr, 0), -1);
    EXPECT_EQ(DedupeDealloc(), 0);
    EXPECT_EQ(GetLoadCounts(), 0);
}

TEST_F(SonalikeApi, FolderAddsFindAudioFilesOnceUnderEverySpelling)
{
    const std::string dir = folder("music");
    const std::string a = make(dir, "a.mp3", tagged(AudioFormat::Mp3, "A", "X", "Y"));
    make(dir, "B.MP3", tagged(AudioFormat::Mp3, "B", "X", "Y"));
    QFile::copy(QString::fromStdString(a), QString::fromStdString(dir + "/song"));      // no extension
    QFile::copy(QString::fromStdString(a), QString::fromStdString(dir + "/notes.txt")); // not audio
    fs::create_directory(dir + "/sub.mp3");                                             // a folder
    make(dir + "/sub.mp3", "deep.mp3", tagged(AudioFormat::Mp3, "D", "X", "Y"));        // not recursive

    // On this system '\' is part of a name, not a separator.
    QFile::copy(QString::fromStdString(a), QString::fromStdString(dir + "/x\\y.mp3"));
    EXPECT_EQ(AddToDedupeLists((dir + "/").c_str(), 5), 0);
    EXPECT_EQ(GetLoadCounts(), 3);
    EXPECT_EQ(AddToDedupeLists(dir.c_str(), 5), 0); // again: nothing new
    EXPECT_EQ(GetLoadCounts(), 3);
    EXPECT_EQ(AddToDedupeLists(a.c_str(), 9), -2);
    // One file under other spellings and through a link is the same track.
    EXPECT_EQ(AddToDedupeLists((dir + "//./a.mp3").c_str(), 9), -2);
    fs::create_symlink(a, dir + "/../link.mp3");
    EXPECT_EQ(AddToDedupeLists((dir + "/../link.mp3").c_str(), 9), -2);
    EXPECT_EQ(GetLoadCounts(), 3);

    Progress progress;
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, kArtist, 60, 95), 0);
    ASSERT_TRUE(progress.waitEnd());
    // Files found in a folder carry user value 0, paths with '/' in path order.
    ASSERT_EQ(progress.calls.size(), 5u);
    EXPECT_EQ(progress.calls[1].path, dir + "/B.MP3");
    EXPECT_EQ(progress.calls[2].path, dir + "/a.mp3");
    EXPECT_EQ(progress.calls[3].path, dir + "/x\\y.mp3");
    EXPECT_EQ(progress.calls[1].value, 0);
    const auto groups = readGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].size(), 3u); // the copy under the odd name loaded too
}

TEST_F(SonalikeApi, TagModeGroupsFollowEachOptionBit)
{
    const std::string dir = folder("tags");
    make(dir, "1.flac", tagged(AudioFormat::Flac, "Song", "Art", "Alb"));
    make(dir, "2.mp3", tagged(AudioFormat::Mp3, "Song", "Art", "Other"));
    make(dir, "3.m4a", tagged(AudioFormat::M4a, "Song", "Someone", "Alb"));
    make(dir, "4.mp3", tagged(AudioFormat::Mp3, "AB", "C", "Alb"));
    make(dir, "5.mp3", tagged(AudioFormat::Mp3, "A", "BC", "Alb"));
    make(dir, "6.mp3", tagged(AudioFormat::Mp3, "", "", "")); // title from the file name, no artist
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    ASSERT_EQ(GetLoadCounts(), 6);

    struct Case
    {
        unsigned options;
        std::vector<std::set<std::string>> groups;
    };
    const std::vector<Case> cases{
        {kTitle, {{"1.flac", "2.mp3", "3.m4a"}}},
        {kTitle | kArtist, {{"1.flac", "2.mp3"}}}, // ("AB","C") and ("A","BC") stay apart
        {kTitle | kAlbum, {{"1.flac", "3.m4a"}}},
        {kArtist, {{"1.flac", "2.mp3"}}},
        {kAlbum, {{"1.flac", "3.m4a", "4.mp3", "5.mp3"}}},
        {kTitle | DEDUPE_OPTION_DURATION, {{"1.flac", "2.mp3", "3.m4a"}}},
        {0u, {}}, // no tag bit: every key is empty
    };
    for (const Case& c : cases)
    {
        // Each start begins from empty buckets: no file becomes its own duplicate.
        ASSERT_EQ(runBlocking(c.options | 0x40u), 0) << c.options;
        const auto groups = readGroups();
        ASSERT_EQ(groups.size(), c.groups.size()) << std::hex << c.options;
        for (size_t g = 0; g < groups.size(); ++g)
        {
            EXPECT_EQ(namesOf(groups[g]), c.groups[g]) << std::hex << c.options;
            // The copy to keep first (equal lengths: the highest bit rate), scored 1.0; the
            // others keep the score they came with.
            EXPECT_EQ(groups[g][0].similarity, 1.0f);
            for (size_t k = 1; k < groups[g].size(); ++k)
            {
                EXPECT_EQ(groups[g][k].similarity, 0.0f);
                EXPECT_EQ(groups[g][k].duration, groups[g][0].duration);
                EXPECT_LE(groups[g][k].bitRate, groups[g][0].bitRate);
            }
        }
    }
}

// A WAV file's title stands in its own RIFF INFO block, as most tools write it: a quick scan by
// name pairs it with its copies in other formats.
TEST_F(SonalikeApi, AWavTitledInItsInfoBlockPairsByName)
{
    const std::string dir = folder("info");
    make(dir, "A.flac", tagged(AudioFormat::Flac, "Alpha", "", ""));
    make(dir, "A.aiff", tagged(AudioFormat::Aiff, "Alpha", "", ""));
    const std::string wav = make(dir, "A.wav", tagged(AudioFormat::Wav, "", "", ""));
    {
        TagLib::RIFF::WAV::File file(wav.c_str());
        file.InfoTag()->setTitle("Alpha");
        ASSERT_TRUE(file.save());
    }
    ASSERT_FALSE(TagLib::RIFF::WAV::File(wav.c_str()).hasID3v2Tag());
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    ASSERT_EQ(runBlocking(kTitle | 0x40u), 0);
    const auto groups = readGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(namesOf(groups[0]), (std::set<std::string>{"A.flac", "A.aiff", "A.wav"}));
    for (const Member& m : groups[0])
        EXPECT_EQ(m.title, "Alpha") << m.path;
}

TEST_F(SonalikeApi, TheFileSizeBitGroupsFilesOfEqualSize)
{
    const std::string dir = folder("sizes");
    const std::string a = make(dir, "a.mp3", noise(AudioFormat::Mp3, 8, 8));
    QFile::copy(QString::fromStdString(a), QString::fromStdString(dir + "/b.mp3"));
    make(dir, "c.flac", noise(AudioFormat::Flac, 9, 9));
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    ASSERT_EQ(runBlocking(DEDUPE_OPTION_FILE_SIZE), 0);
    auto groups = readGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(namesOf(groups[0]), (std::set<std::string>{"a.mp3", "b.mp3"}));
    // Tag bits are ignored in fingerprint mode; three tracks, two of them the same audio.
    ASSERT_EQ(runBlocking(DEDUPE_OPTION_FINGERPRINT | DEDUPE_OPTION_FILE_SIZE, 90), 0);
    groups = readGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(namesOf(groups[0]), (std::set<std::string>{"a.mp3", "b.mp3"}));
}

TEST_F(SonalikeApi, FingerprintsGroupTheSameMusicAcrossFormatsWithTheBestCopyFirst)
{
    const std::string dir = folder("deep");
    make(dir, "one.mp3", noise(AudioFormat::Mp3, 1, 12));
    make(dir, "one.m4a", noise(AudioFormat::M4a, 1, 12));
    make(dir, "one.flac", noise(AudioFormat::Flac, 1, 12));
    make(dir, "one.wav", noise(AudioFormat::Wav, 1, 12));
    make(dir, "two.mp3", noise(AudioFormat::Mp3, 2, 12));
    make(dir, "two.flac", noise(AudioFormat::Flac, 2, 12));
    make(dir, "three.mp3", noise(AudioFormat::Mp3, 3, 12));
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);

    // Different noise songs score about 0.65 against each other, copies above 0.9.
    for (const int percent : {75, 90})
    {
        Progress progress;
        ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, DEDUPE_OPTION_FINGERPRINT | kTitle, 60,
                                    percent),
                  0);
        ASSERT_TRUE(progress.waitEnd());
        const auto groups = readGroups();
        ASSERT_EQ(groups.size(), 2u) << percent;
        std::vector<std::set<std::string>> names{namesOf(groups[0]), namesOf(groups[1])};
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names[0], (std::set<std::string>{"one.flac", "one.m4a", "one.mp3", "one.wav"}));
        EXPECT_EQ(names[1], (std::set<std::string>{"two.flac", "two.mp3"}));
        for (const auto& group : groups)
        {
            // Same length: the highest bit rate (an uncompressed or lossless copy) is kept.
            for (const Member& m : group)
                EXPECT_LE(m.bitRate, group[0].bitRate);
            EXPECT_GT(group[0].bitRate, 320);
            EXPECT_EQ(group[0].similarity, 1.0f);
            for (size_t k = 1; k < group.size(); ++k)
            {
                EXPECT_GT(group[k].similarity, percent / 100.0f);
                EXPECT_LE(group[k].similarity, 1.0f);
            }
        }
    }

    // Above 15/16 a scan that finds every fingerprint made groups the tracks in batches on the
    // pool: its groups, their order and scores are those of a fresh scan, which grouped each track
    // as its load came in.
    const auto scan = []
    {
        Progress progress;
        EXPECT_EQ(StartDedupeThread(&Progress::callback, &progress, DEDUPE_OPTION_FINGERPRINT, 60, 95), 0);
        EXPECT_TRUE(progress.waitEnd());
        std::vector<std::vector<std::pair<std::string, float>>> out;
        for (const auto& group : readGroups())
        {
            out.emplace_back();
            for (const Member& m : group)
                out.back().emplace_back(m.path, m.similarity);
        }
        return out;
    };
    ASSERT_EQ(DedupeDealloc(), 0);
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    const auto fresh = scan();
    EXPECT_FALSE(fresh.empty());
    EXPECT_EQ(scan(), fresh);
}

TEST_F(SonalikeApi, BrokenFilesAreCountedButNeverGrouped)
{
    const std::string dir = folder("broken");
    const std::string good = make(dir, "good.mp3", noise(AudioFormat::Mp3, 4, 8));
    QFile::copy(QString::fromStdString(good), QString::fromStdString(dir + "/copy.mp3"));
    {
        QFile text(QString::fromStdString(dir + "/text.mp3"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("this is not audio at all\n");
    }
    {
        QFile source(QString::fromStdString(good));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QFile cut(QString::fromStdString(dir + "/cut.mp3"));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(source.read(200));
    }
    QFile(QString::fromStdString(dir + "/empty.flac")).open(QIODevice::WriteOnly);
    // Its tags and its decode each read a small part of it.
    ASSERT_TRUE(tidewell::test::makeZeroFile(QString::fromStdString(dir + "/zeros.mp3"), qint64(4) << 30));
    make(dir, "gone.mp3", noise(AudioFormat::Mp3, 4, 8));
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    ASSERT_EQ(GetLoadCounts(), 7);
    fs::remove(dir + "/gone.mp3"); // vanishes before the run

    Progress progress;
    const qint64 readBefore = tidewell::test::bytesReadByProcess();
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, DEDUPE_OPTION_FINGERPRINT, 60, 75), 0);
    ASSERT_TRUE(progress.waitEnd());
    EXPECT_LT(tidewell::test::bytesReadByProcess() - readBefore, qint64(256) << 20);
    EXPECT_EQ(progress.calls.size(), 9u); // start, seven tracks, end
    const auto groups = readGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(namesOf(groups[0]), (std::set<std::string>{"good.mp3", "copy.mp3"}));
    EXPECT_EQ(groups[0][1].similarity, 1.0f); // identical files: a tie keeps the first loaded ahead
}

TEST_F(SonalikeApi, DurationsBeyondTheCeilingAreCappedNotOverflowed)
{
    const std::string dir = folder("long");
    const std::string a = make(dir, "a.flac", noise(AudioFormat::Flac, 5, 6));
    const std::string b = dir + "/b.flac";
    QFile::copy(QString::fromStdString(a), QString::fromStdString(b));
    DedupeTrackInfo info{};
    info.title = "Long";
    info.duration = INT32_MAX; // seconds 0 falls back to the duration: 2147483 s would overflow
    info.opaque = 77;
    info.path = a.c_str();
    ASSERT_EQ(AddToDedupeListsByInfo(&info), 0);
    info.path = b.c_str();
    info.opaque = 78;
    ASSERT_EQ(AddToDedupeListsByInfo(&info), 0);
    ASSERT_EQ(runBlocking(DEDUPE_OPTION_FINGERPRINT, 90, 0), 0);
    ASSERT_EQ(GetGroupIdCounts(), 1);
    DedupeTrackInfo* first = nullptr;
    int count = 0;
    ASSERT_EQ(GetGroupRef(0, &first, &count, 0), 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(first->opaque, 77u);
    EXPECT_STREQ(first->title, "Long");
}

TEST_F(SonalikeApi, CallbacksComeInOrderAndTheEndCallSeesTheGroups)
{
    Progress empty;
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &empty, kTitle, 60, 95), 0);
    ASSERT_TRUE(empty.waitEnd());
    {
        std::lock_guard lock(empty.mutex);
        ASSERT_EQ(empty.calls.size(), 2u);
        EXPECT_EQ(empty.calls[0].index, -1);
        EXPECT_EQ(empty.calls[0].value, 0);
        EXPECT_EQ(empty.calls[1].index, 1);
    }

    const std::string dir = folder("order");
    const std::string c = make(dir, "c.mp3", tagged(AudioFormat::Mp3, "Same", "", ""));
    const std::string a = make(dir, "a.mp3", tagged(AudioFormat::Mp3, "Same", "", ""));
    const std::string b = make(dir, "b.mp3", tagged(AudioFormat::Mp3, "Other", "", ""));
    ASSERT_EQ(AddToDedupeLists(c.c_str(), 3), 0);
    ASSERT_EQ(AddToDedupeLists(a.c_str(), 1), 0);
    ASSERT_EQ(AddToDedupeLists(b.c_str(), 2), 0);
    Progress progress;
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, kTitle, 60, 95), 0);
    ASSERT_TRUE(progress.waitEnd());
    std::lock_guard lock(progress.mutex);
    ASSERT_EQ(progress.calls.size(), 5u);
    EXPECT_EQ(progress.calls[0].index, -1);
    EXPECT_EQ(progress.calls[0].value, 3);
    EXPECT_EQ(progress.calls[0].path, "");
    const std::vector<std::string> paths{a, b, c};
    for (int i = 1; i <= 3; ++i)
    {
        EXPECT_EQ(progress.calls[static_cast<size_t>(i)].index, i);
        EXPECT_EQ(progress.calls[static_cast<size_t>(i)].path, paths[static_cast<size_t>(i - 1)]);
        EXPECT_EQ(progress.calls[static_cast<size_t>(i)].value, i);
    }
    EXPECT_EQ(progress.calls[4].index, 4);
    EXPECT_EQ(progress.calls[4].value, 0);
    EXPECT_EQ(progress.loadCountInRun, 3);
    EXPECT_TRUE(progress.refusedInRun);
    EXPECT_TRUE(progress.restartRefusedAtEnd);
    EXPECT_EQ(progress.groupsAtEnd, 1);
    EXPECT_EQ(progress.firstGroupSizeAtEnd, 2);
}

TEST_F(SonalikeApi, PauseHoldsTheRunContinueResumesAndASecondStartIsRefused)
{
    const std::string dir = folder("pause");
    for (int k = 0; k < 5; ++k)
        make(dir, trackName(k), tagged(AudioFormat::Mp3, "Same", "", ""));
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    Progress progress;
    progress.pauseAt = 2;
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, kTitle, 60, 95), 0);
    {
        std::unique_lock lock(progress.mutex);
        ASSERT_TRUE(progress.changed.wait_for(lock, std::chrono::seconds(60),
                                              [&] { return progress.calls.size() >= 3; }));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(progress.callCount(), 3u); // start and two tracks, then held
    EXPECT_EQ(StartDedupeThread(nullptr, nullptr, kTitle, 60, 95), -1);
    EXPECT_EQ(AddToDedupeLists((dir + "/t0.mp3").c_str(), 0), -1);
    // Readers wait for the published result instead of reading half-built lists.
    std::atomic<int> groupsSeen{-5};
    std::thread reader([&] { groupsSeen = GetGroupIdCounts(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(groupsSeen.load(), -5);
    ASSERT_EQ(ContinueDedupeThread(), 0);
    reader.join();
    EXPECT_EQ(groupsSeen.load(), 1);
    ASSERT_TRUE(progress.waitEnd());
    EXPECT_EQ(progress.callCount(), 7u);
    const auto first = readGroups();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].size(), 5u);

    // Starting again without freeing gives the same group, not every file twice.
    ASSERT_EQ(runBlocking(kTitle), 0);
    const auto second = readGroups();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(namesOf(second[0]), namesOf(first[0]));
    EXPECT_EQ(second[0].size(), 5u);
}

// The engine's own threads (they carry its name); a sanitizer's or the C library's helper
// threads come and go on their own and are not counted.
int threadCount()
{
    int n = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/task"))
    {
        std::ifstream comm(entry.path() / "comm");
        std::string name;
        std::getline(comm, name);
        n += name.rfind("sonalike-", 0) == 0 ? 1 : 0;
    }
    return n;
}

TEST_F(SonalikeApi, DeallocDuringAPauseEndsTheRunFreesEverythingAndJoinsTheWorker)
{
    const std::string dir = folder("dealloc");
    for (int k = 0; k < 4; ++k)
        make(dir, trackName(k), tagged(AudioFormat::Mp3, "Same", "", ""));
    ASSERT_EQ(AddToDedupeLists(dir.c_str(), 0), 0);
    const int before = threadCount();
    Progress progress;
    progress.pauseAt = 1;
    ASSERT_EQ(StartDedupeThread(&Progress::callback, &progress, kTitle, 60, 95), 0);
    {
        std::unique_lock lock(progress.mutex);
        ASSERT_TRUE(progress.changed.wait_for(lock, std::chrono::seconds(60),
                                              [&] { return progress.calls.size() >= 2; }));
    }
    ASSERT_EQ(DedupeDealloc(), 0);
    // The run stopped at its next look at the flags and still made its end call.
    ASSERT_TRUE(progress.waitEnd(std::chrono::seconds(5)));
    EXPECT_EQ(progress.calls.back().index, 5);
    EXPECT_EQ(progress.callCount(), 3u);
    EXPECT_EQ(GetLoadCounts(), 0);
    EXPECT_EQ(GetGroupIdCounts(), 0);
    EXPECT_EQ(threadCount(), before); // no worker left behind
}

} // namespace
