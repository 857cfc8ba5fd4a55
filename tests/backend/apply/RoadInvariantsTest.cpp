// The checker every road ends with, over a real road: a library of real songs reached through the
// fixture's links and spellings, imported, analysed and one copy removed into the recycle folder.
// The end is clean and the page it computes is the one the score rules give; each invariant broken
// after it is told.
#include "LibraryXml.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "RecycleBin.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace manager_test;
using namespace tidewell::test;

namespace
{

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(RoadInvariantsTest, ARealRoadEndsCleanAndEachBrokenInvariantIsTold)
{
    ManagerHome h;
    const QString music = h.home.path() + "/music";
    const QStringList songs = MakeAudioFiles(music, 5, true);
    ASSERT_EQ(songs.size(), 5);
    const QString symbolic = music + "/symbolic.mp3", relative = music + "/relative.mp3",
                  hard = music + "/hard.mp3";
    ASSERT_TRUE(makeLink(songs[0], symbolic, LinkKind::Symbolic));
    ASSERT_TRUE(makeLink(songs[1], relative, LinkKind::RelativeSymbolic));
    ASSERT_TRUE(makeLink(songs[2], hard, LinkKind::Hard));
    // Six tracks, three reached through links spelled another way; one without artist and album,
    // one without album (removed later), one whose file is gone: four open problems of six tracks'
    // weight.
    const QStringList locations{symbolic, relative, hard, songs[3], songs[4], music + "/gone.mp3"};
    const Spelling spellings[] = {Spelling::DoubleSlash, Spelling::DotSlash, Spelling::LinkedFolder,
                                  Spelling::Plain,       Spelling::Plain,    Spelling::Plain};
    std::vector<XmlTrack> tracks;
    for (int i = 0; i < 6; ++i)
        tracks.push_back({301 + 2 * i, QStringLiteral("00C0FFEE0000000%1").arg(i),
                          QStringLiteral("Song %1").arg(i), i == 1 ? QString() : QStringLiteral("Singer"),
                          i == 1 || i == 3 ? QString() : QStringLiteral("Record"), QStringLiteral("Rock"),
                          2000, 20000, 1000, 128, locations[i], spellings[i]});
    const QString xml = h.home.path() + "/Music/iTunes/iTunes Music Library.xml";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(xml).absolutePath()) && WriteLibraryXml(xml, tracks));
    qputenv("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());

    auto manager = h.MakeManager();
    const auto load = [&](int mode)
    {
        manager = h.MakeManager();
        Recorder records;
        const MusicCallback loaded = records.Make(RunStateLoad);
        return manager->LoadMusicLibrary(xml.toUtf8().constData(), h.dbPath.toUtf8().constData(), mode) ==
                   0 &&
               manager->LoadMusicList(&loaded) == 0 && records.WaitForFinal();
    };
    ASSERT_TRUE(load(RunModeITunes));
    constexpr int kMask = MF_FileMissing | MF_Artist | MF_Album;
    Recorder analysis;
    const MusicCallback analysed = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager->AnalyzeMusicList(&analysed, kMask), 0);
    ASSERT_TRUE(analysis.WaitForFinal());
    manager->WaitForSavePass();
    const std::optional<PageCounts> page = PageFromDatabase(h.dbPath, kMask);
    ASSERT_TRUE(page);
    EXPECT_DOUBLE_EQ(page->score, 10000.0 - 2500.0 * 4 / 6);
    EXPECT_EQ(page->rows, (std::map<int, int>{{MF_FileMissing, 1}, {MF_Artist, 1}, {MF_Album, 2}}));

    // A duplicate removal takes track 3's copy into the recycle folder.
    ASSERT_TRUE(load(RunModeDuplicateITunes));
    const QString day = CRecycleBin::DayFolder(h.recycleRoot, QDate::currentDate());
    for (int i = 0; i < manager->MainListSize(); ++i)
    {
        if (manager->MusicAt(i)->CurrentInfo().PersistentID.endsWith('3'))
        {
            ASSERT_EQ(manager->DeleteToTrash(manager->MusicAt(i)), 0);
        }
    }
    const QStringList removed = QDir(day).entryList({QStringLiteral("*.mp3")}, QDir::Files);
    ASSERT_EQ(removed.size(), 1);
    manager.reset();
    EXPECT_EQ(h.RoadFaults({xml}), "");

    // Each invariant broken once: a link made a plain file, a hard link's names parted, a kept
    // entry's file gone, a temporary left, a copy without its record and a record without its copy.
    ASSERT_TRUE(QFile::remove(relative) && Write(relative, "plain"));
    ASSERT_TRUE(QFile::remove(hard) && QFile::copy(songs[2], hard));
    ASSERT_TRUE(QFile::remove(songs[4]));
    ASSERT_TRUE(Write(QFileInfo(xml).absolutePath() + "/.tidewell-edit-Ab12Cd", "left"));
    ASSERT_TRUE(QFile::rename(day + "/" + removed[0], day + "/stray.mp3"));
    const QString faults = QString::fromStdString(h.RoadFaults({xml}));
    for (const char* told :
         {"is no longer a link", "no longer names the file", "without its file", "temporary left behind",
          "removed copy without its record", "removal record without"})
        EXPECT_TRUE(faults.contains(QLatin1String(told))) << told << "\n" << faults.toStdString();
    EXPECT_EQ(faults.count('\n'), 5) << faults.toStdString();
    qunsetenv("TIDEWELL_ITUNES_LIBRARY");
}
