#include "ManagerFixture.h"
#include "MusicFlags.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace manager_test;
using tidewell::test::AudioFormat;
using tidewell::test::AudioSpec;

namespace
{

// A files run over generated songs, each with the tags and artwork a test asks for.
class ProblemAnalysisTest : public ::testing::Test
{
protected:
    QString song(const QString& name, const QString& artist, const QString& album, int year,
                 const QString& genre, bool artwork)
    {
        AudioSpec audioSpec;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 200.0 + 50.0 * static_cast<double>(files.size());
        audioSpec.tags.title = name;
        audioSpec.tags.artist = artist;
        audioSpec.tags.album = album;
        audioSpec.tags.year = year;
        audioSpec.tags.genre = genre;
        if (artwork)
            audioSpec.artwork = tidewell::test::makePicture(32, 32, 0x224466);
        const QString path = QStringLiteral("%1/music/s%2.mp3").arg(h.home.path()).arg(files.size());
        QDir().mkpath(h.home.path() + "/music");
        EXPECT_TRUE(tidewell::test::makeAudioFile(path, audioSpec));
        files << path;
        return path;
    }

    void import()
    {
        manager = h.MakeManager();
        ASSERT_TRUE(ImportFiles(*manager, h.dbPath, files, RunModeFiles));
    }

    std::vector<Record> analyse(int options)
    {
        Recorder analysis;
        const MusicCallback cb = analysis.Make(RunStateAnalysis);
        EXPECT_EQ(manager->AnalyzeMusicList(&cb, options), 0);
        EXPECT_TRUE(analysis.WaitForFinal());
        manager->WaitForSavePass();
        return analysis.Records();
    }

    CMusicObj* track(int index)
    {
        CMusicObj* obj = nullptr;
        EXPECT_EQ(manager->GetMusicObj(index, &obj, nullptr, nullptr, nullptr), 0);
        return obj;
    }

    ManagerHome h;
    QStringList files;
    std::unique_ptr<CMusicManage> manager;
};

} // namespace

TEST_F(ProblemAnalysisTest, ProblemBitsMatchTheFilesAndCleanTracksLeave)
{
    song("Complete", "Band", "Record", 1999, "Jazz", true);
    song("No Artist", "", "Record", 0, "Jazz", true);
    song("Bare", "Band", "", 2001, "Pop", false);
    const QString gone = song("Gone", "Band", "Record", 2002, "Pop", true);
    import();
    ASSERT_TRUE(QFile::remove(gone));

    const std::vector<Record> records = analyse(kDefaultGeneralMask);
    // The complete song moved out silently; three reports over the shrinking list, then the end.
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].progress, 3333);
    EXPECT_EQ(records[1].progress, 6666);
    EXPECT_EQ(records[2].progress, 9999);
    EXPECT_EQ(records[3].progress, 10000);
    EXPECT_EQ(records[3].objFlag, 1);
    EXPECT_EQ(records[2].location, gone.toStdString());

    int largest = 0;
    ASSERT_EQ(manager->GetMusicCount(&largest, nullptr), 3);
    EXPECT_EQ(largest, 4);
    EXPECT_EQ(track(0)->CurrentInfo().Name, "No Artist");
    EXPECT_EQ(track(0)->GetAbsence(), MF_Artist | MF_Year | MF_Analysed);
    EXPECT_EQ(track(1)->GetAbsence(), MF_Album | MF_Artwork | MF_Analysed);
    EXPECT_EQ(track(2)->GetAbsence(), MF_FileMissing | MF_Analysed);
    // The save pass kept exactly the rows with problems.
    EXPECT_EQ(QueryColumn(h.dbPath, "select Absence from TracksTable order by rowid"),
              (std::vector<std::string>{std::to_string(MF_Artist | MF_Year | MF_Analysed),
                                        std::to_string(MF_Album | MF_Artwork | MF_Analysed),
                                        std::to_string(MF_FileMissing | MF_Analysed)}));

    // A second analysis leaves handled tracks alone.
    const std::vector<Record> again = analyse(kDefaultGeneralMask);
    EXPECT_EQ(again.size(), 2u); // the missing file is looked at again, then the end
    EXPECT_EQ(track(0)->GetAbsence(), MF_Artist | MF_Year | MF_Analysed);
}

TEST_F(ProblemAnalysisTest, MissingFilesFollowTheMaskAndPurchasedTracksAreNeverMissing)
{
    const QString a = song("A", "", "Record", 2000, "Pop", true);
    const QString b = song("B", "", "Record", 2000, "Pop", true);
    import();
    ASSERT_TRUE(QFile::remove(a));
    ASSERT_TRUE(QFile::remove(b));
    MusicInfo* info = nullptr;
    track(1)->GetCurrentInfo(&info);
    info->Purchased = "1";

    analyse(MF_Artist);
    ASSERT_EQ(manager->GetMusicCount(nullptr, nullptr), 2);
    // Not looked for: the missing file leaves only the mark of the analysis.
    EXPECT_EQ(track(0)->GetAbsence(), MF_Analysed);
    // Purchased: judged by its tags, whatever its file.
    EXPECT_EQ(track(1)->GetAbsence(), MF_Artist | MF_Analysed);
}

TEST_F(ProblemAnalysisTest, OneTrackDuplicateRunIsAnalysedWithoutComparison)
{
    song("Only", "Band", "Record", 2000, "Pop", false);
    manager = h.MakeManager();
    ASSERT_TRUE(ImportFiles(*manager, h.dbPath, files, RunModeDuplicateFiles));

    const std::vector<Record> records = analyse(kDefaultDuplicateMask);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].progress, 9999);
    EXPECT_EQ(records[1].progress, 10000);
    EXPECT_EQ(track(0)->GetAbsence(), MF_Analysed);
    EXPECT_EQ(track(0)->GetState(), 0);
}
