// Duplicate scans that the link runs on the Sonalike engine: one end per run whatever its size,
// groups readable at that end, and a removed duplicate that comes back.

#include "LinkFixture.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "sonalike.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <vector>

using namespace link_test;

namespace
{

// The duplicate options page's choice: tags decide (title and artist), so the groups are exact.
void UseTagScan(CAppSettings* settings)
{
    settings->SetDuplicate(MF_Name | MF_Artist);
}

// Adds count tracks by record, with distinct titles and files that do not exist; each is counted
// in the progress and left out of every group.
void AddPhantomTracks(int count)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i)
    {
        texts.push_back("/nowhere/phantom" + std::to_string(i) + ".mp3");
        texts.push_back("Phantom " + std::to_string(i));
    }
    for (int i = 0; i < count; ++i)
    {
        DedupeTrackInfo info{};
        info.path = texts[static_cast<size_t>(i) * 2].c_str();
        info.title = texts[static_cast<size_t>(i) * 2 + 1].c_str();
        info.artist = "Nobody";
        info.album = "";
        info.genre = "";
        ASSERT_EQ(AddToDedupeListsByInfo(&info), 0);
    }
}

// The record the duplicate view builds for a group member.
MusicInfo RecordOf(const DedupeTrackInfo& member)
{
    MusicInfo info;
    info.Name = QString::fromUtf8(member.title);
    info.Artist = QString::fromUtf8(member.artist);
    info.Album = QString::fromUtf8(member.album);
    info.Genre = QString::fromUtf8(member.genre);
    info.Size = QString::number(member.fileSize);
    info.TotalTime = QString::number(member.duration);
    info.Bitrate = QString::number(member.bitRate);
    info.Location = QString::fromUtf8(member.path);
    return info;
}

class MusicLinkScanTest : public MusicLinkTest
{
protected:
    void SetUp() override
    {
        MusicLinkTest::SetUp();
        host.workMode = EWorkMode::Duplicates;
        DedupeDealloc();
    }
};

} // namespace

TEST_F(MusicLinkScanTest, ScanOfAFolderEndsOnceWithReadableGroupsAndARemovedCopyComesBack)
{
    UseTagScan(settings);
    const QString folder = home.path() + "/dupes";
    QStringList files = MakeSongs(folder, 2, QStringLiteral("tune"));
    ASSERT_EQ(files.size(), 2);
    // A byte-for-byte copy of the first song: the duplicate.
    const QString copy = folder + "/tune0 copy.mp3";
    ASSERT_TRUE(QFile::copy(files[0], copy));

    ASSERT_EQ(AddToDedupeLists(folder.toUtf8().constData(), 0), 0);
    host.dedupeTotal = 1; // the window stores its path count; the link replaces it
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1));

    EXPECT_EQ(loadOk.count(), 1);
    EXPECT_EQ(host.dedupeTotal.load(), 3);
    ASSERT_EQ(loadMusic.count(), 3);
    EXPECT_EQ(loadMusic.at(0).at(1).toInt(), 3333);
    EXPECT_EQ(loadMusic.at(1).at(1).toInt(), 6666);
    EXPECT_EQ(loadMusic.at(2).at(1).toInt(), 10000);
    for (int i = 0; i < 3; ++i)
    {
        auto* userValue = static_cast<int*>(loadMusic.at(i).at(0).value<void*>());
        ASSERT_NE(userValue, nullptr);
        EXPECT_EQ(*userValue, 0) << "files found in a folder carry user value 0";
    }

    // At SendLoadOK the groups are published: read them without waiting.
    ASSERT_EQ(GetGroupIdCounts(), 1);
    DedupeTrackInfo* keep = nullptr;
    DedupeTrackInfo* extra = nullptr;
    int members = 0;
    ASSERT_EQ(GetGroupRef(0, &keep, &members, 0), 0);
    ASSERT_EQ(members, 2);
    ASSERT_EQ(GetGroupRef(0, &extra, &members, 1), 0);
    std::vector<std::string> paths{keep->path, extra->path};
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{copy.toStdString(), files[0].toStdString()}));

    // Remove the second member into today's recycle folder, then restore it.
    MusicInfo record = RecordOf(*extra);
    const QString location = record.Location;
    ASSERT_EQ(link->ApplyiTunesMusicInfo(&record, MF_Duplicate), 0);
    EXPECT_FALSE(QFileInfo::exists(location));
    const QString day =
        settings->GetRecycleFolder() + u'/' + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    ASSERT_FALSE(record.TrashPath.isEmpty());
    EXPECT_EQ(QFileInfo(record.TrashPath).absolutePath(), QDir(day).absolutePath());
    EXPECT_TRUE(QFileInfo::exists(record.TrashPath));

    ASSERT_EQ(link->ApplyiTunesMusicInfo(&record, MF_Restore), 0);
    EXPECT_TRUE(QFileInfo::exists(location));
    EXPECT_FALSE(QFileInfo::exists(record.TrashPath));
}

TEST_F(MusicLinkScanTest, ScanOfAnEmptyFolderEnds)
{
    const QString folder = home.path() + "/empty";
    ASSERT_TRUE(QDir().mkpath(folder));
    AddToDedupeLists(folder.toUtf8().constData(), 0);
    host.dedupeTotal = 1;
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1));
    EXPECT_EQ(loadOk.count(), 1);
    EXPECT_EQ(loadMusic.count(), 0);
    EXPECT_EQ(host.dedupeTotal.load(), 0);
    EXPECT_EQ(GetGroupIdCounts(), 0);
}

TEST_F(MusicLinkScanTest, LongScanReachesTenThousandAtItsLastTrackAndEndsOnce)
{
    UseTagScan(settings);
    constexpr int kTracks = 10001;
    AddPhantomTracks(kTracks);
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1, 120000));

    EXPECT_EQ(loadOk.count(), 1);
    EXPECT_EQ(host.dedupeTotal.load(), kTracks);
    ASSERT_EQ(loadMusic.count(), kTracks);
    int previous = 0;
    for (int i = 0; i < kTracks; ++i)
    {
        const int progress = loadMusic.at(i).at(1).toInt();
        ASSERT_GE(progress, previous) << "at report " << i;
        ASSERT_LT(progress, i + 1 == kTracks ? 10001 : 10000) << "only the last track reports 10000";
        previous = progress;
    }
    EXPECT_EQ(previous, 10000);
    EXPECT_EQ(GetGroupIdCounts(), 0);
}

TEST_F(MusicLinkScanTest, EveryStartEndsOnceEvenWhenTheEngineRefusesIt)
{
    UseTagScan(settings);
    AddPhantomTracks(20000);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_EQ(PauseDedupeThread(), 0);
    // A second start while the first run holds the engine is refused; the window still hears
    // the end of that start, and the first run keeps its own.
    EXPECT_EQ(link->StartLoadMusic(), -1);
    ASSERT_TRUE(WaitForCount(loadOk, 1));
    EXPECT_EQ(loadOk.count(), 1);
    ASSERT_EQ(ContinueDedupeThread(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 2, 120000));
    EXPECT_EQ(loadOk.count(), 2);
}

TEST_F(MusicLinkScanTest, ExitDuringAScanEndsItAndNothingArrivesAfterwards)
{
    UseTagScan(settings);
    AddPhantomTracks(20000);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_EQ(PauseDedupeThread(), 0);
    // Returns once the engine's worker has been joined, though the run is paused.
    EXPECT_EQ(link->SetExitState(1), 0);
    Drain();
    EXPECT_EQ(loadOk.count(), 1);
    ContinueDedupeThread();

    // A second run, then the link goes away in the middle of it: the engine is stopped and
    // joined first, so its later reports never reach a freed link or host.
    AddPhantomTracks(20000);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_EQ(PauseDedupeThread(), 0);
    link.reset();
    Drain();
    ContinueDedupeThread();
    EXPECT_GE(GetLoadCounts(), 0);
}

TEST_F(MusicLinkScanTest, ITunesDuplicateScanGoesThroughTheManager)
{
    g_bScaniTunes = true;
    const QStringList files = MakeSongs(home.path() + "/itunes", 2);
    ASSERT_EQ(files.size(), 2);
    QSignalSpy loadMusic(link.get(), &CMusicLink::SendLoadMusic);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->LoadMusicLibrary(RunModeFiles), 0);
    ASSERT_EQ(link->AddMusicFiles(files), 0);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1));
    EXPECT_EQ(loadOk.count(), 1);
    // Track objects of the manager, not engine user values; the engine was never started.
    ASSERT_EQ(loadMusic.count(), 3);
    CMusicObj* first = nullptr;
    ASSERT_EQ(link->GetMusicObj(0, &first), 0);
    EXPECT_EQ(loadMusic.at(0).at(0).value<void*>(), static_cast<void*>(first));
    EXPECT_EQ(host.dedupeTotal.load(), 0);
}

TEST_F(MusicLinkScanTest, DeepScanWithTheDefaultOptionsGroupsACopy)
{
    // The settings as a first start leaves them: fingerprint mode, medium match degree.
    ASSERT_TRUE(settings->GetDuplicate() & MF_DeepScan);
    const QString folder = home.path() + "/deep";
    ASSERT_TRUE(QDir().mkpath(folder));
    tidewell::test::AudioSpec audioSpec;
    audioSpec.seconds = 8.0;
    audioSpec.toneHz = 0.0;
    audioSpec.noiseSeed = 11;
    const QString original = folder + "/noise.mp3";
    ASSERT_TRUE(tidewell::test::makeAudioFile(original, audioSpec));
    audioSpec.noiseSeed = 97;
    ASSERT_TRUE(tidewell::test::makeAudioFile(folder + "/other.mp3", audioSpec));
    ASSERT_TRUE(QFile::copy(original, folder + "/noise again.mp3"));

    ASSERT_EQ(AddToDedupeLists(folder.toUtf8().constData(), 0), 0);
    QSignalSpy loadOk(link.get(), &CMusicLink::SendLoadOK);
    ASSERT_EQ(link->StartLoadMusic(), 0);
    ASSERT_TRUE(WaitForCount(loadOk, 1));
    EXPECT_EQ(loadOk.count(), 1);
    ASSERT_EQ(GetGroupIdCounts(), 1);
    int members = 0;
    ASSERT_EQ(GetGroupRef(0, nullptr, &members, -1), 0);
    EXPECT_EQ(members, 2);
}
