#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "iTunesLib.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <future>
#include <thread>

using namespace manager_test;
using namespace std::chrono_literals;

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

// Imports the files in run mode 2 and waits for the final record.
std::vector<Record> importFiles(CMusicManage& manager, const ManagerHome& h, const QStringList& files,
                                Recorder& recorder)
{
    EXPECT_EQ(manager.LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
    EXPECT_EQ(AddFiles(manager, files), 0);
    const MusicCallback cb = recorder.Make(RunStateLoad);
    EXPECT_EQ(manager.LoadMusicList(&cb), 0);
    EXPECT_TRUE(recorder.WaitForFinal());
    return recorder.Records();
}

// Runs the analysis to its end and waits for the save pass.
void analyseAndSave(CMusicManage& manager)
{
    Recorder analysis;
    const MusicCallback cb = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager.AnalyzeMusicList(&cb, kDefaultGeneralMask), 0);
    ASSERT_TRUE(analysis.WaitForFinal());
    manager.WaitForSavePass();
}

} // namespace

TEST(ImportProgressTest, IsSixtyFourBitAndHeldBelowTheFinalValue)
{
    EXPECT_EQ(ImportProgress(0, 4), 2500);
    EXPECT_EQ(ImportProgress(3, 4), 9999);
    EXPECT_EQ(ImportProgress(0, 0), 0);
    // (i + 1) * 10000 passes 2^31 beyond 214 748 tracks.
    EXPECT_EQ(ImportProgress(249999, 500000), 5000);
    EXPECT_EQ(ImportProgress(299999, 300000), 9999);
    EXPECT_EQ(ImportProgress(99999, 3000000), 333);
}

TEST(ImportProgressTest, PersistentIdsAreAcceptedOnlyAsHex)
{
    EXPECT_TRUE(IsPersistentIdText("0123456789ABCDEF"));
    EXPECT_TRUE(IsPersistentIdText("65535"));
    EXPECT_TRUE(IsPersistentIdText("abcdef"));
    EXPECT_FALSE(IsPersistentIdText(""));
    EXPECT_FALSE(IsPersistentIdText("0123456789ABCDEF0"));
    EXPECT_FALSE(IsPersistentIdText("../../evil"));
    EXPECT_FALSE(IsPersistentIdText("12 34"));
    EXPECT_FALSE(IsPersistentIdText("1'; drop"));
}

TEST(FileImportTest, ImportsAFolderOfRealFilesIntoTheDatabase)
{
    ManagerHome h;
    const QString folder = h.home.path() + "/music";
    QStringList files = MakeAudioFiles(folder, 2, /*withArtwork=*/true);
    ASSERT_EQ(files.size(), 2);
    // A file that is no audio file sits between the good ones and keeps its index.
    const QString bogus = folder + "/notes.txt";
    QFile f(bogus);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not audio");
    f.close();
    const QString plain = MakeAudioFiles(folder + "/plain", 1).value(0);
    ASSERT_FALSE(plain.isEmpty());
    files = QStringList{files[0], bogus, files[1], plain};

    auto manager = h.MakeManager();
    Recorder recorder;
    const auto records = importFiles(*manager, h, files, recorder);

    // Three tracks reported (the broken file is skipped without a record), then the final one.
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].progress, 2500);
    EXPECT_EQ(records[1].progress, 7500);
    EXPECT_EQ(records[2].progress, 9999);
    EXPECT_EQ(records[3].progress, 10000);
    EXPECT_EQ(records[3].obj, nullptr);
    EXPECT_EQ(records[0].location, s(files[0]));
    EXPECT_EQ(records[2].location, s(plain));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(records[i].kind, RunStateLoad);
        EXPECT_EQ(records[i].objFlag, 1);
    }

    int largest = 0, firstType = 0;
    ASSERT_EQ(manager->GetMusicCount(&largest, &firstType), 3);
    EXPECT_EQ(largest, 3);
    EXPECT_EQ(firstType, RunModeFiles);

    CMusicObj* first = nullptr;
    ASSERT_EQ(manager->GetMusicObj(0, &first, nullptr, nullptr, nullptr), 0);
    MusicInfo* info = nullptr;
    ASSERT_EQ(manager->GetMusicRecord(first, &info, 1), 0);
    EXPECT_EQ(info->PersistentID, "65535");
    EXPECT_EQ(info->Name, "Song 0");
    EXPECT_EQ(info->Artist, "Artist 0");
    EXPECT_EQ(info->Year, "2000");
    EXPECT_TRUE(first->GetHasArtwork());
    EXPECT_EQ(first->GetType(), RunModeFiles);
    MusicInfo* old = nullptr;
    ASSERT_EQ(manager->GetMusicRecord(first, &old, 2), 0);
    EXPECT_EQ(old->Name, "Song 0");

    CMusicObj* third = nullptr;
    ASSERT_EQ(manager->GetMusicObj(2, &third, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(third->CurrentInfo().PersistentID, "65538");
    EXPECT_FALSE(third->GetHasArtwork());
    EXPECT_EQ(manager->GetMusicObj(3, &third, nullptr, nullptr, nullptr), -1);

    // Rows are committed while the library stays open.
    EXPECT_EQ(QueryColumn(h.dbPath, "select PersistentID from TracksTable order by rowid"),
              (std::vector<std::string>{"65535", "65537", "65538"}));
    EXPECT_EQ(QueryColumn(h.dbPath, "select TrackID from TracksTable order by rowid"),
              (std::vector<std::string>{"10000", "10002", "10003"}));
    EXPECT_EQ(QueryColumn(h.dbPath, "select NameOld from TracksTable where PersistentID='65537'"),
              (std::vector<std::string>{"Song 1"}));

    // The log names the steps with a timestamp.
    QFile log(manager->GetLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains("Music Num = 4"));
    EXPECT_TRUE(text.contains(bogus + " GetMusicInfo Failed: "));
    EXPECT_TRUE(text.contains(
        QRegularExpression(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} CMusicManage::LoadMusicList\(\))")));
    EXPECT_EQ(h.RoadFaults(), "");
}

TEST(FileImportTest, EmptyFileListSendsOnlyTheFinalRecord)
{
    ManagerHome h;
    auto manager = h.MakeManager();
    Recorder recorder;
    ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
    const MusicCallback cb = recorder.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(recorder.WaitForFinal());
    EXPECT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(manager->GetMusicCount(nullptr, nullptr), 0);
}

TEST(FileImportTest, LoadAfterExitStartsNothingUntilTheNextLibrary)
{
    ManagerHome h;
    const QStringList files = MakeAudioFiles(h.home.path() + "/music", 1);
    auto manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
    ASSERT_EQ(AddFiles(*manager, files), 0);
    EXPECT_EQ(manager->SetExitState(0), -1);
    EXPECT_FALSE(manager->IsExiting());
    EXPECT_EQ(manager->SetExitState(1), 0);
    Recorder recorder;
    const MusicCallback cb = recorder.Make(RunStateLoad);
    EXPECT_EQ(manager->LoadMusicList(&cb), 0);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(recorder.Count(), 0u);

    // The next library clears the exit flag.
    const auto records = importFiles(*manager, h, files, recorder);
    EXPECT_EQ(records.size(), 2u);
}

TEST(SavedDatabaseTest, ReopensAnAnalysedLibraryInRunMode3)
{
    ManagerHome h;
    const QStringList files = MakeAudioFiles(h.home.path() + "/music", 3);
    ASSERT_EQ(files.size(), 3);
    {
        auto manager = h.MakeManager();
        Recorder recorder;
        importFiles(*manager, h, files, recorder);
        analyseAndSave(*manager);
        manager->CloseMusicLibrary();
    }
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable where Absence & 1048576"),
              (std::vector<std::string>{"3"}));

    // A project file is untrusted: a bare picture name stays in the picture folder, a purchased
    // mark is never read, and a row whose id is not hex is refused.
    ASSERT_EQ(Exec(h.dbPath,
                   "update TracksTable set ArtPath='cover0.jpg', Purchased='1' where PersistentID='65535'"),
              0);
    ASSERT_EQ(Exec(h.dbPath, "update TracksTable set PersistentID='../../evil' where PersistentID='65537'"),
              0);

    auto manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeProject), 0);
    EXPECT_FALSE(manager->SkipYearGenre());
    Recorder recorder;
    const MusicCallback cb = recorder.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(recorder.WaitForFinal());
    ASSERT_EQ(manager->GetMusicCount(nullptr, nullptr), 2);

    CMusicObj* first = nullptr;
    int absence = 0;
    ASSERT_EQ(manager->GetMusicObj(0, &first, &absence, nullptr, nullptr), 0);
    EXPECT_EQ(absence & MF_Analysed, MF_Analysed);
    EXPECT_EQ(first->GetType(), RunModeFiles);
    EXPECT_EQ(first->CurrentInfo().Name, "Song 0");
    EXPECT_EQ(first->CurrentInfo().Location, files[0]);
    EXPECT_TRUE(first->CurrentInfo().Purchased.isEmpty());
    EXPECT_EQ(first->GetArtworkFixState(), 2);
    EXPECT_EQ(first->GetArtworkPath(), QDir(h.pictureFolder).filePath("cover0.jpg"));
    // The database was not rewritten by reopening it.
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable"), (std::vector<std::string>{"3"}));
    EXPECT_EQ(h.RoadFaults(), "");
}

TEST(SavedDatabaseTest, AnUpgradedOldLayoutSkipsYearAndGenre)
{
    ManagerHome h;
    QDir().mkpath(QFileInfo(h.dbPath).absolutePath());
    ASSERT_EQ(Exec(h.dbPath,
                   "create table TracksTable(TrackID integer, PersistentID text, Name text, TotalTime text, "
                   "Artist text, Album text, Size text, Location text, ArtData blob, ArtPath text, "
                   "Absence integer, State integer, RepeatID integer, Type integer);"
                   "insert into TracksTable values(1,'00000000000000AA','Old','1000','A','B','10',"
                   "'/x.mp3',NULL,NULL,0,0,0,1)"),
              0);
    auto manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeProject), 0);
    EXPECT_TRUE(manager->SkipYearGenre());
}

TEST(SavedDatabaseTest, PicturesAreWrittenOnlyInsideThePictureFolder)
{
    ManagerHome h;
    const QStringList files = MakeAudioFiles(h.home.path() + "/music", 2);
    ASSERT_EQ(files.size(), 2);
    {
        auto manager = h.MakeManager();
        Recorder recorder;
        importFiles(*manager, h, files, recorder);
        manager->CloseMusicLibrary();
    }
    const QString outside = h.home.path() + "/outside/pwned.jpg";
    QDir().mkpath(h.home.path() + "/outside");
    const QByteArray jpeg = tidewell::test::makePicture(32, 32, 0xff0000);
    const std::string hex = jpeg.toHex().toStdString();
    ASSERT_EQ(Exec(h.dbPath, "update TracksTable set ArtData=x'" + hex + "', ArtPath='" + s(outside) +
                                 "' where PersistentID='65535'"),
              0);
    ASSERT_EQ(Exec(h.dbPath, "update TracksTable set ArtData=x'" + hex +
                                 "', ArtPath='inside.jpg' where PersistentID='65536'"),
              0);

    auto manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeProject), 0);
    Recorder recorder;
    const MusicCallback cb = recorder.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(recorder.WaitForFinal());

    CMusicObj* first = nullptr;
    CMusicObj* second = nullptr;
    ASSERT_EQ(manager->GetMusicObj(0, &first, nullptr, nullptr, nullptr), 0);
    ASSERT_EQ(manager->GetMusicObj(1, &second, nullptr, nullptr, nullptr), 0);
    QByteArray bytes;
    EXPECT_EQ(manager->GetArtworkData(first, bytes), 0);
    EXPECT_EQ(bytes, jpeg);
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_EQ(manager->GetArtworkPath(second), QDir(h.pictureFolder).filePath("inside.jpg"));
    EXPECT_TRUE(QFileInfo::exists(QDir(h.pictureFolder).filePath("inside.jpg")));
    EXPECT_EQ(h.RoadFaults(), "");
}

namespace
{

// Starts a run-mode-2 import of `copies` copies of one real file; the recorder holds the worker at
// record `gate`, and this returns once that record has arrived.
std::unique_ptr<CMusicManage> startGatedImport(const ManagerHome& h, int copies, Recorder& recorder, int gate)
{
    const QStringList one = MakeAudioFiles(h.home.path() + "/music", 1);
    EXPECT_EQ(one.size(), 1);
    QStringList files;
    for (int i = 0; i < copies; ++i)
        files << one.value(0);
    auto manager = h.MakeManager();
    EXPECT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
    EXPECT_EQ(AddFiles(*manager, files), 0);
    recorder.GateAt(gate);
    const MusicCallback cb = recorder.Make(RunStateLoad);
    EXPECT_EQ(manager->LoadMusicList(&cb), 0);
    // Without a gate the records run on; the caller waits for the final one itself.
    if (gate >= 0)
    {
        EXPECT_TRUE(
            recorder.WaitUntil([gate](const auto& r) { return static_cast<int>(r.size()) == gate + 1; }));
    }
    return manager;
}

// Imports `copies` copies of one file, then starts the analysis held at its first record.
std::unique_ptr<CMusicManage> startGatedAnalysis(const ManagerHome& h, int copies, Recorder& analysis)
{
    Recorder load;
    auto manager = startGatedImport(h, copies, load, -1);
    EXPECT_TRUE(load.WaitForFinal());
    analysis.GateAt(0);
    const MusicCallback cb = analysis.Make(RunStateAnalysis);
    EXPECT_EQ(manager->AnalyzeMusicList(&cb, kDefaultGeneralMask), 0);
    EXPECT_TRUE(analysis.WaitUntil([](const auto& r) { return r.size() == 1; }));
    return manager;
}

// Destroys the manager on another thread; false when that does not end in time.
bool destroyInTime(std::unique_ptr<CMusicManage>& manager)
{
    auto done = std::async(std::launch::async, [&] { manager.reset(); });
    return done.wait_for(20s) == std::future_status::ready;
}

} // namespace

TEST(ImportControlTest, PauseAndContinueResumeWhereTheImportWas)
{
    ManagerHome h;
    Recorder recorder;
    auto manager = startGatedImport(h, 6, recorder, 1);

    EXPECT_EQ(manager->SetRunState(RunStateLoad, ManagePaused), 0);
    EXPECT_TRUE(manager->GetLibrary()->IsPaused());
    recorder.Release();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(recorder.Count(), 2u);
    EXPECT_EQ(manager->GetLibrary()->GetState(), ManagePaused);

    EXPECT_EQ(manager->SetRunState(RunStateLoad, ManageRunning), 0);
    ASSERT_TRUE(recorder.WaitForFinal());
    const auto records = recorder.Records();
    ASSERT_EQ(records.size(), 7u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(records[i].progress, ImportProgress(i, 6)) << i;
    EXPECT_EQ(manager->GetMusicCount(nullptr, nullptr), 6);
    CMusicObj* last = nullptr;
    ASSERT_EQ(manager->GetMusicObj(5, &last, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(last->CurrentInfo().PersistentID, "65540");
}

TEST(ImportControlTest, StopWhilePausedEndsWithoutTheFinalRecordAndCommits)
{
    ManagerHome h;
    Recorder recorder;
    auto manager = startGatedImport(h, 4, recorder, 0);
    manager->SetRunState(RunStateLoad, ManagePaused);
    recorder.Release();
    std::this_thread::sleep_for(100ms);
    manager->SetRunState(RunStateLoad, ManageStopped);
    ASSERT_TRUE(Eventually([&] { return manager->GetLibrary()->GetState() == ManageIdle; }));

    EXPECT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(manager->GetMusicCount(nullptr, nullptr), 1);
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable"), (std::vector<std::string>{"1"}));
}

TEST(ImportControlTest, DestroyingTheManagerDuringAPausedImportDoesNotHang)
{
    ManagerHome h;
    Recorder recorder;
    auto manager = startGatedImport(h, 3, recorder, 0);
    manager->SetRunState(RunStateLoad, ManagePaused);
    recorder.Release();
    ASSERT_TRUE(destroyInTime(manager));
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(AnalysisControlTest, PauseContinueAndStopUnderTheMutex)
{
    ManagerHome h;
    // Pause after the first track, continue: every track is reported and the save pass runs.
    Recorder analysis;
    auto manager = startGatedAnalysis(h, 4, analysis);
    manager->SetRunState(RunStateAnalysis, ManagePaused);
    manager->SetRunState(RunStateAnalysis, ManagePaused);
    EXPECT_TRUE(manager->IsAnalysisPaused());
    analysis.Release();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(analysis.Count(), 1u);
    manager->SetRunState(RunStateAnalysis, ManageRunning);
    ASSERT_TRUE(analysis.WaitForFinal());
    EXPECT_EQ(analysis.Count(), 5u);
    manager->WaitForSavePass();
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable where Absence & 1048576"),
              (std::vector<std::string>{"4"}));
    EXPECT_EQ(manager->GetRunState(), ManageIdle);
    EXPECT_EQ(manager->GetJobKind(), 0);
}

TEST(AnalysisControlTest, StopWhilePausedEndsWithoutFinalRecordOrSavePass)
{
    ManagerHome h;
    Recorder analysis;
    auto manager = startGatedAnalysis(h, 3, analysis);
    manager->SetRunState(RunStateAnalysis, ManagePaused);
    analysis.Release();
    manager->SetRunState(RunStateAnalysis, ManageStopped);
    ASSERT_TRUE(Eventually([&] { return manager->GetRunState() == ManageIdle; }));
    EXPECT_EQ(analysis.Count(), 1u);
    manager->WaitForSavePass();
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable where Absence & 1048576"),
              (std::vector<std::string>{"0"}));
}

TEST(AnalysisControlTest, DestroyingTheManagerDuringAPausedAnalysisDoesNotHang)
{
    ManagerHome h;
    Recorder analysis;
    auto manager = startGatedAnalysis(h, 2, analysis);
    manager->SetRunState(RunStateAnalysis, ManagePaused);
    analysis.Release();
    ASSERT_TRUE(destroyInTime(manager));
    EXPECT_EQ(analysis.Count(), 1u);
}

TEST(ManagerFoldersTest, RecycleFolderOfTheDayIsMade)
{
    ManagerHome h;
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    auto manager = h.MakeManager();
    EXPECT_EQ(manager->GetRecyclePath(), h.recycleRoot + "/" + today);
    EXPECT_TRUE(QFileInfo(h.recycleRoot + "/" + today).isDir());
    CMusicManage slash(h.logFolder, h.pictureFolder, h.recycleRoot + "/");
    EXPECT_EQ(slash.GetRecyclePath(), h.recycleRoot + "/" + today);
}
