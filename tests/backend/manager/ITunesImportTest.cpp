#include "LibraryXml.h"
#include "Lyrafon.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "iTunesLib.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace manager_test;

namespace
{

// A private home with an iTunes library of real files that the iTunes stand-in serves.
class ITunesImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        using namespace tidewell::test;
        const QString music = h.home.path() + "/Music/iTunes Media";
        QDir().mkpath(music);
        const char* names[] = {"With Cover", "Second Cover", "Plain Song"};
        for (int i = 0; i < 3; ++i)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 300.0 + 100 * i;
            audioSpec.tags.title = names[i];
            audioSpec.tags.artist = QStringLiteral("Ärtist %1").arg(i);
            if (i < 2)
                audioSpec.artwork = makePicture(64, 64, 0x884422);
            const QString path = QStringLiteral("%1/song %2.mp3").arg(music).arg(i);
            ASSERT_TRUE(makeAudioFile(path, audioSpec));
            files << path;
        }
        for (int i = 0; i < 4; ++i)
        {
            XmlTrack t;
            t.trackId = 201 + 2 * i;
            t.persistentId = QStringLiteral("00A1B2C3D4E5F6%1").arg(i, 2, 10, QChar('0'));
            t.name = i < 3 ? QString::fromUtf8(names[i]) : QStringLiteral("Gone Song");
            t.artist = QStringLiteral("Ärtist %1").arg(i);
            t.album = i == 2 ? QString() : QStringLiteral("Album");
            t.genre = QStringLiteral("Jazz");
            t.year = 1990 + i;
            t.size = 12345 + i;
            t.totalTime = 61000 + i;
            t.bitRate = 128;
            t.location = i < 3 ? files[i] : h.home.path() + "/Music/missing.mp3";
            tracks.push_back(t);
        }
        xmlPath = h.home.path() + "/Music/iTunes/iTunes Music Library.xml";
        QDir().mkpath(QFileInfo(xmlPath).absolutePath());
        ASSERT_TRUE(WriteLibraryXml(xmlPath, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", xmlPath.toUtf8());
    }

    void TearDown() override
    {
        EXPECT_EQ(h.RoadFaults({xmlPath}), "");
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    }

    std::vector<Record> import(CMusicManage& manager, int mode, const QString& dbPath)
    {
        Recorder recorder;
        EXPECT_EQ(manager.LoadMusicLibrary(xmlPath.toUtf8().constData(), dbPath.toUtf8().constData(), mode),
                  0);
        const MusicCallback cb = recorder.Make(RunStateLoad);
        EXPECT_EQ(manager.LoadMusicList(&cb), 0);
        EXPECT_TRUE(recorder.WaitForFinal());
        return recorder.Records();
    }

    ManagerHome h;
    QStringList files;
    std::vector<XmlTrack> tracks;
    QString xmlPath;
};

} // namespace

TEST_F(ITunesImportTest, ImportsTheLibraryWithTwelveAttributesInOneTransaction)
{
    auto manager = h.MakeManager();
    const auto records = import(*manager, RunModeITunes, h.dbPath);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].progress, 2500);
    EXPECT_EQ(records[3].progress, 9999);
    EXPECT_EQ(records[4].progress, 10000);
    EXPECT_EQ(records[1].location, files[1].toStdString());

    ASSERT_EQ(manager->GetMusicCount(nullptr, nullptr), 4);
    for (int i = 0; i < 4; ++i)
    {
        CMusicObj* obj = nullptr;
        ASSERT_EQ(manager->GetMusicObj(i, &obj, nullptr, nullptr, nullptr), 0);
        const MusicInfo& info = obj->CurrentInfo();
        EXPECT_EQ(info.PersistentID, tracks[i].persistentId);
        EXPECT_EQ(info.Name, tracks[i].name);
        EXPECT_EQ(info.Artist, tracks[i].artist);
        EXPECT_EQ(info.Album, tracks[i].album);
        EXPECT_EQ(info.Genre, "Jazz");
        EXPECT_EQ(info.Year, QString::number(1990 + i));
        EXPECT_EQ(info.Size, QString::number(12345 + i));
        EXPECT_EQ(info.TotalTime, QString::number(61000 + i));
        EXPECT_EQ(info.Bitrate, "128");
        EXPECT_EQ(info.Location, tracks[i].location);
        EXPECT_TRUE(info.Purchased.isEmpty());
        EXPECT_EQ(obj->OldInfo().Artist, tracks[i].artist);
        EXPECT_EQ(obj->GetType(), RunModeITunes);
        // The artwork test asks iTunes, which reads the picture embedded in the file.
        EXPECT_EQ(obj->GetHasArtwork(), i < 2) << i;
        // A text the tracks repeat is held once.
        CMusicObj* first = nullptr;
        ASSERT_EQ(manager->GetMusicObj(0, &first, nullptr, nullptr, nullptr), 0);
        EXPECT_TRUE(info.Genre.isSharedWith(first->CurrentInfo().Genre)) << i;
    }
    EXPECT_EQ(QueryColumn(h.dbPath, "select TrackID from TracksTable order by rowid"),
              (std::vector<std::string>{"201", "203", "205", "207"}));
    EXPECT_EQ(QueryColumn(h.dbPath, "select distinct Type from TracksTable"),
              (std::vector<std::string>{"1"}));
    EXPECT_EQ(QueryColumn(h.dbPath, "select Location from TracksTable where PersistentID='00A1B2C3D4E5F603'"),
              (std::vector<std::string>{tracks[3].location.toStdString()}));

    // The track's iTunes artwork comes out as a picture in the picture folder.
    CMusicObj* first = nullptr;
    ASSERT_EQ(manager->GetMusicObj(0, &first, nullptr, nullptr, nullptr), 0);
    const QString art = manager->GetArtworkPath(first);
    EXPECT_EQ(art, QDir(h.pictureFolder).filePath(tracks[0].persistentId + "_0.jpg"));
    EXPECT_TRUE(QFileInfo(art).size() > 0);
}

TEST_F(ITunesImportTest, DuplicateScanOfTheLibraryDoesNotAskForArtwork)
{
    auto manager = h.MakeManager();
    const auto records = import(*manager, RunModeDuplicateITunes, h.dbPath);
    ASSERT_EQ(records.size(), 5u);
    CMusicObj* first = nullptr;
    ASSERT_EQ(manager->GetMusicObj(0, &first, nullptr, nullptr, nullptr), 0);
    EXPECT_FALSE(first->GetHasArtwork());
    EXPECT_EQ(first->GetType(), RunModeDuplicateITunes);
}

TEST_F(ITunesImportTest, DuplicateScanOfFoldersCopiesTheLibraryIntoTheSecondDatabase)
{
    auto manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary(xmlPath.toUtf8().constData(), h.dbPath.toUtf8().constData(),
                                        RunModeDuplicateFiles),
              0);
    const QString zPath = QFileInfo(h.dbPath).absolutePath() + "/MusicLibraryz.db";
    EXPECT_EQ(QueryColumn(zPath, "select count(*) from TracksTable where Type=5"),
              (std::vector<std::string>{"4"}));
    ASSERT_EQ(AddFiles(*manager, QStringList{files[0], files[2]}), 0);
    Recorder recorder;
    const MusicCallback cb = recorder.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(recorder.WaitForFinal());

    // Only the files are tracks of the run: the copied library adds no empty objects.
    ASSERT_EQ(manager->GetMusicCount(nullptr, nullptr), 2);
    CMusicObj* obj = nullptr;
    for (int i = 0; i < 2; ++i)
    {
        ASSERT_EQ(manager->GetMusicObj(i, &obj, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(obj->GetType(), RunModeDuplicateFiles);
    }
    ASSERT_NE(manager->GetZLibrary(), nullptr);
    EXPECT_EQ(manager->GetZLibrary()->FindInZDatabase(files[2].toUtf8().constData()), 0);
    EXPECT_EQ(manager->GetZLibrary()->FoundPersistentID(), tracks[2].persistentId);
    EXPECT_EQ(manager->GetZLibrary()->FindInZDatabase("/not/in/itunes.mp3"), -1);
    EXPECT_EQ(QueryColumn(h.dbPath, "select count(*) from TracksTable"), (std::vector<std::string>{"2"}));
}

TEST_F(ITunesImportTest, SecondDatabaseStaysApartFromALibraryWithAnotherName)
{
    auto manager = h.MakeManager();
    const QString dbPath = h.home.path() + "/data/project.sqlite";
    ASSERT_EQ(manager->LoadMusicLibrary(xmlPath.toUtf8().constData(), dbPath.toUtf8().constData(),
                                        RunModeDuplicateFiles),
              0);
    ASSERT_EQ(AddFiles(*manager, QStringList{files[1]}), 0);
    Recorder recorder;
    const MusicCallback cb = recorder.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(recorder.WaitForFinal());
    const QString zPath = h.home.path() + "/data/projectz.sqlite";
    EXPECT_EQ(QueryColumn(zPath, "select count(*) from TracksTable"), (std::vector<std::string>{"4"}));
    EXPECT_EQ(QueryColumn(dbPath, "select count(*) from TracksTable"), (std::vector<std::string>{"1"}));
    EXPECT_EQ(manager->GetZLibrary()->FindInZDatabase(files[1].toUtf8().constData()), 0);
}

TEST_F(ITunesImportTest, AMissingLibraryFileLeavesNoLibraryObject)
{
    auto manager = h.MakeManager();
    const QString nowhere = h.home.path() + "/nowhere.xml";
    EXPECT_EQ(
        manager->LoadMusicLibrary(nowhere.toUtf8().constData(), h.dbPath.toUtf8().constData(), RunModeITunes),
        -1);
    EXPECT_EQ(manager->GetLibrary(), nullptr);
    EXPECT_EQ(manager->AddMusicFiles(0, nullptr), -1);
    EXPECT_EQ(manager->SetTransaction(0), -1);
}

TEST_F(ITunesImportTest, ArtworkAskedAheadMatchesEachTrackAskedAlone)
{
    // More tracks than the import asks ahead, their files in an uneven order: songs with and
    // without a cover, a missing file, a file that is no audio.
    const QString broken = h.home.path() + "/Music/broken.mp3";
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4000, 'x'));
    }
    const QStringList places = {files[0], files[1], files[2], h.home.path() + "/Music/missing.mp3", broken};
    std::vector<XmlTrack> many;
    std::vector<bool> covered;
    for (int i = 0; i < 700; ++i)
    {
        XmlTrack t = tracks[i % 3];
        t.trackId = 1000 + 2 * i;
        t.persistentId = QStringLiteral("%1")
                             .arg(0x00C0FFEE00000000ULL + static_cast<quint64>(i), 16, 16, QChar('0'))
                             .toUpper();
        const int place = (i * i + 3 * i + i / 7) % 5;
        t.location = places[place];
        covered.push_back(place < 2);
        many.push_back(t);
    }
    ASSERT_TRUE(WriteLibraryXml(xmlPath, many));

    auto manager = h.MakeManager();
    import(*manager, RunModeITunes, h.dbPath);
    ASSERT_EQ(manager->GetMusicCount(nullptr, nullptr), 700);
    for (int i = 0; i < 700; ++i)
    {
        CMusicObj* obj = nullptr;
        ASSERT_EQ(manager->GetMusicObj(i, &obj, nullptr, nullptr, nullptr), 0);
        ASSERT_EQ(obj->CurrentInfo().PersistentID, many[i].persistentId);
        const bool alone = HasArtwork_kvt(many[i].persistentId.toUtf8().constData()) == 1;
        EXPECT_EQ(obj->GetHasArtwork(), alone) << i;
        EXPECT_EQ(alone, covered[i]) << i;
    }
    DestroyAgent_kvt(0);
}
