#include "ManageLog.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "iTunesLib.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <future>
#include <thread>

using namespace manager_test;
using namespace std::chrono_literals;

namespace
{

// A manager with two imported files, ready for edits.
class EditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QStringList files = MakeAudioFiles(h.home.path() + "/music", 2);
        ASSERT_EQ(files.size(), 2);
        manager = h.MakeManager();
        ASSERT_EQ(manager->LoadMusicLibrary("", h.dbPath.toUtf8().constData(), RunModeFiles), 0);
        ASSERT_EQ(AddFiles(*manager, files), 0);
        Recorder recorder;
        const MusicCallback cb = recorder.Make(RunStateLoad);
        ASSERT_EQ(manager->LoadMusicList(&cb), 0);
        ASSERT_TRUE(recorder.WaitForFinal());
        ASSERT_EQ(manager->GetMusicObj(0, &track, nullptr, nullptr, nullptr), 0);
    }

    void TearDown() override
    {
        manager.reset();
        EXPECT_EQ(h.RoadFaults(), "");
    }

    std::vector<std::string> column(const char* name, const char* pid = "65535")
    {
        return QueryColumn(h.dbPath, std::string("select ") + name +
                                         " from TracksTable where PersistentID='" + pid + "'");
    }

    QString writePicture(const QString& name)
    {
        const QString path = QDir(h.pictureFolder).filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(tidewell::test::makePicture(80, 80, 0x00ff00));
        return path;
    }

    ManagerHome h;
    std::unique_ptr<CMusicManage> manager;
    CMusicObj* track = nullptr;
};

} // namespace

TEST_F(EditTest, ModifyMusicInfoWritesChangedFieldsToTrackAndRow)
{
    const char* texts[] = {"New Name", "Artist 0", "1999"};
    ASSERT_EQ(manager->ModifyMusicInfo(track, MF_Name | MF_Artist | MF_Year, texts), 0);
    EXPECT_EQ(track->CurrentInfo().Name, "New Name");
    EXPECT_EQ(track->CurrentInfo().Year, "1999");
    EXPECT_EQ(track->OldInfo().Name, "Song 0");
    EXPECT_EQ(column("Name"), (std::vector<std::string>{"New Name"}));
    EXPECT_EQ(column("Year"), (std::vector<std::string>{"1999"}));
    EXPECT_EQ(column("NameOld"), (std::vector<std::string>{"Song 0"}));
}

TEST_F(EditTest, ModifyMusicInfoReportsADatabaseFailureAndChangesNothing)
{
    // Take the table away behind the manager's back: the update cannot run.
    ASSERT_EQ(Exec(h.dbPath, "alter table TracksTable rename to Gone"), 0);
    const char* texts[] = {"New Name"};
    EXPECT_LT(manager->ModifyMusicInfo(track, MF_Name, texts), 0);
    EXPECT_EQ(track->CurrentInfo().Name, "Song 0");
}

TEST_F(EditTest, ModifyMusicInfoWithAFailingPictureTakesTheWholeEditBack)
{
    track->SetAbsence(MF_Artwork);
    const char* texts[] = {"New Name", "/nowhere/missing.jpg"};
    EXPECT_LT(manager->ModifyMusicInfo(track, MF_Name | MF_Artwork, texts), 0);
    EXPECT_EQ(track->CurrentInfo().Name, "Song 0");
    EXPECT_EQ(column("Name"), (std::vector<std::string>{"Song 0"}));
    EXPECT_TRUE(track->GetArtworkPath().isEmpty());
    EXPECT_EQ(track->GetArtworkFixState(), 0);

    const QString picture = writePicture("chosen.jpg");
    const QByteArray utf8 = picture.toUtf8();
    const char* good[] = {"New Name", utf8.constData()};
    EXPECT_EQ(manager->ModifyMusicInfo(track, MF_Name | MF_Artwork, good), 0);
    EXPECT_EQ(track->GetArtworkPath(), picture);
    EXPECT_EQ(track->GetArtworkFixState(), 2);
    EXPECT_EQ(column("ArtPath"), (std::vector<std::string>{picture.toStdString()}));
}

TEST_F(EditTest, SelectArtworkReportsAStoreFailureAndKeepsTheChoice)
{
    track->SetAbsence(MF_Artwork);
    const QString gone = writePicture("gone.jpg");
    const QString kept = writePicture("kept.jpg");
    track->SetArtworkPath(gone);
    track->SetArtworkPath(kept);
    ASSERT_TRUE(QFile::remove(gone));

    EXPECT_LT(manager->SelectArtwork(track, 0), 0);
    EXPECT_EQ(track->GetArtworkPath(), kept);
    EXPECT_EQ(manager->SelectArtwork(track, 5), -1);

    const QString again = writePicture("again.jpg");
    track->SetArtworkPath(again);
    ASSERT_EQ(manager->SelectArtwork(track, 1), 0);
    EXPECT_EQ(track->GetArtworkPath(), kept);
    EXPECT_EQ(column("ArtPath"), (std::vector<std::string>{kept.toStdString()}));
    EXPECT_EQ(column("length(ArtData) > 1000"), (std::vector<std::string>{"1"}));
}

TEST_F(EditTest, ChangeAllMusicStateSetsAndClearsInMemoryAndRows)
{
    ASSERT_EQ(manager->ChangeAllMusicState(MF_Duplicate | MF_Name, 1), 0);
    EXPECT_EQ(manager->GetMusicState(track), MF_Duplicate);
    EXPECT_EQ(QueryColumn(h.dbPath, "select distinct State from TracksTable"),
              (std::vector<std::string>{std::to_string(MF_Duplicate | MF_Name)}));
    ASSERT_EQ(manager->ChangeAllMusicState(MF_Duplicate, 0), 0);
    EXPECT_EQ(manager->GetMusicState(track), 0);
    ASSERT_EQ(manager->SetMusicState(track, 7), 0);
    EXPECT_EQ(column("State"), (std::vector<std::string>{"7"}));
}

TEST_F(EditTest, ApplyWaitsForTheSavePassAndNoEditIsLost)
{
    // Hold the database while the analysis ends, so its save pass waits at its first track.
    std::recursive_mutex& db = manager->GetLibrary()->DbMutex();
    db.lock();
    Recorder analysis;
    const MusicCallback cb = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager->AnalyzeMusicList(&cb, kDefaultGeneralMask), 0);
    ASSERT_TRUE(analysis.WaitForFinal());

    // The user's edit lands while the save pass waits.
    const char* texts[] = {"Edited"};
    ASSERT_EQ(manager->ModifyMusicInfo(track, MF_Name, texts), 0);

    // Apply begins its transaction only after the save pass.
    auto begin = std::async(std::launch::async, [&] { return manager->SetTransaction(0); });
    EXPECT_EQ(begin.wait_for(300ms), std::future_status::timeout);
    db.unlock();
    ASSERT_EQ(begin.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(begin.get(), 0);
    EXPECT_EQ(manager->SetTransaction(1), 0);

    EXPECT_EQ(column("Name"), (std::vector<std::string>{"Edited"}));
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable where Absence & 1048576"),
              (std::vector<std::string>{"2"}));
}

TEST_F(EditTest, SavePassRemovesTracksWithoutProblems)
{
    ASSERT_TRUE(manager->MoveToCleanList(1));
    EXPECT_EQ(manager->CleanListSize(), 1);
    Recorder analysis;
    const MusicCallback cb = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager->AnalyzeMusicList(&cb, kDefaultGeneralMask), 0);
    ASSERT_TRUE(analysis.WaitForFinal());
    manager->WaitForSavePass();
    EXPECT_EQ(manager->CleanListSize(), 0);
    EXPECT_EQ(QueryColumn(h.dbPath, "select PersistentID from TracksTable"),
              (std::vector<std::string>{"65535"}));
    int largest = 0;
    EXPECT_EQ(manager->GetMusicCount(&largest, nullptr), 1);
    EXPECT_EQ(largest, 1);
}

TEST(ManageLogTest, KeepsTheFileWithinItsLimit)
{
    tidewell::test::TempHome home;
    const QString folder = home.path() + "/logs";
    QDir().mkpath(folder);
    const QString path = folder + "/MM.log";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(CManageLog::kMaxBytes, 'x'));
    }
    {
        CManageLog log;
        ASSERT_EQ(log.Open(folder), 1);
        EXPECT_EQ(log.Open(folder), 1);
        EXPECT_EQ(QFileInfo(path).size(), CManageLog::kMaxBytes);
        // A line that would carry it past the limit starts the file afresh.
        EXPECT_TRUE(log.Write("Enter ~CMusicManage!"));
        EXPECT_LT(QFileInfo(path).size(), 100);
    }
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(CManageLog::kMaxBytes + 1, 'x'));
    }
    CManageLog log;
    ASSERT_EQ(log.Open(folder), 1);
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(CManageLog().Open(QString()), 0);
    EXPECT_FALSE(CManageLog().Write("not open"));
}
