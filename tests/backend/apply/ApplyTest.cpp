#include "AppGlobals.h"
#include "ImmutableFlag.h"
#include "LibraryXml.h"
#include "Lyrafon.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "MusicTag.h"
#include "NativePath.h"
#include "RecycleBin.h"
#include "iTunesLib.h"

#include "TracksTable.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace manager_test;
using apply_test::ImmutableFlag;

namespace
{

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A library of real songs served by the iTunes stand-in, imported in the run mode a test asks
// for. Songs 0 to 2 share the file name song.mp3 in three folders.
class ApplyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        using namespace tidewell::test;
        for (int i = 0; i < 3; ++i)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 300.0 + 100 * i;
            audioSpec.tags.title = QStringLiteral("Song %1").arg(i);
            audioSpec.tags.artist = QStringLiteral("Artist %1").arg(i);
            audioSpec.artwork = makePicture(32, 32, 0x336699);
            const QString path = QStringLiteral("%1/Music/f%2/song.mp3").arg(h.home.path()).arg(i);
            QDir().mkpath(QFileInfo(path).absolutePath());
            ASSERT_TRUE(makeAudioFile(path, audioSpec));
            files << path;
            XmlTrack t;
            t.trackId = 301 + 2 * i;
            t.persistentId = QStringLiteral("00C0FFEE0000000%1").arg(i);
            t.name = audioSpec.tags.title;
            t.artist = audioSpec.tags.artist;
            t.album = "Album";
            t.totalTime = 1000;
            t.bitRate = 128;
            t.location = path;
            tracks.push_back(t);
        }
        xmlPath = h.home.path() + "/Music/iTunes/iTunes Music Library.xml";
        QDir().mkpath(QFileInfo(xmlPath).absolutePath());
        ASSERT_TRUE(WriteLibraryXml(xmlPath, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", xmlPath.toUtf8());
        dayFolder = CRecycleBin::DayFolder(h.recycleRoot, QDate::currentDate());
    }

    void TearDown() override
    {
        manager.reset();
        EXPECT_EQ(h.RoadFaults({xmlPath}), "");
        g_bScaniTunes = false;
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    }

    // `picked`: the files a file mode loads (the songs by default); a library mode loads the library.
    void Load(int mode, bool scanITunes, QStringList picked = {})
    {
        g_bScaniTunes = scanITunes;
        manager = h.MakeManager();
        ASSERT_EQ(
            manager->LoadMusicLibrary(xmlPath.toUtf8().constData(), h.dbPath.toUtf8().constData(), mode), 0);
        const bool fileMode = mode == RunModeFiles || mode == RunModeDuplicateFiles;
        if (fileMode && picked.isEmpty())
            picked = files;
        if (fileMode)
        {
            ASSERT_EQ(AddFiles(*manager, picked), 0);
        }
        Recorder load;
        const MusicCallback cb = load.Make(RunStateLoad);
        ASSERT_EQ(manager->LoadMusicList(&cb), 0);
        ASSERT_TRUE(load.WaitForFinal());
        ASSERT_EQ(manager->MainListSize(), fileMode ? picked.size() : static_cast<qsizetype>(tracks.size()));
    }

    // The library lists song 0's file `times` more, as the tracks 00C0FFEE00000101 on.
    bool ListSongZeroAgain(int times)
    {
        for (int copy = 1; copy <= times; ++copy)
        {
            XmlTrack again = tracks[0];
            again.trackId = 400 + copy;
            again.persistentId = QStringLiteral("00C0FFEE0000010%1").arg(copy);
            tracks.push_back(again);
        }
        return WriteLibraryXml(xmlPath, tracks);
    }

    bool InITunes(const QString& persistentId) { return readFile(xmlPath).contains(persistentId.toUtf8()); }

    std::string Column(const char* column, int row)
    {
        const auto values = QueryColumn(h.dbPath, std::string("select ifnull(") + column +
                                                      ", '') from TracksTable order by rowid");
        return values.at(static_cast<size_t>(row));
    }

    ManagerHome h;
    QStringList files;
    std::vector<XmlTrack> tracks;
    QString xmlPath;
    QString dayFolder;
    std::unique_ptr<CMusicManage> manager;
};

} // namespace

// The scan flag must not change where a removal keeps the recycle path or where the restore
// reads it: the manager's own tracks keep it in their row, with the flag set or clear.
class RemovalRestoreTest : public ApplyTest, public ::testing::WithParamInterface<bool>
{
};

INSTANTIATE_TEST_SUITE_P(ScanFlag, RemovalRestoreTest, ::testing::Values(true, false),
                         [](const auto& instance) { return instance.param ? "Set" : "Clear"; });

// The library's whole entry of the track: its dictionary in the library file.
QByteArray trackEntry(const QByteArray& xml, const QString& persistentId)
{
    const qsizetype at = xml.indexOf(persistentId.toUtf8());
    if (at < 0)
        return {};
    const qsizetype begin = xml.lastIndexOf("<dict>", at), end = xml.indexOf("</dict>", at);
    return xml.mid(begin, end - begin);
}

TEST_P(RemovalRestoreTest, RemovalMovesToTodaysFolderAndRestoreBringsFileAndEntryBack)
{
    // What the user gave the track in the library, and a playlist of their own.
    QByteArray xml = readFile(xmlPath);
    xml.replace("<string>00C0FFEE00000000</string>",
                "<string>00C0FFEE00000000</string>\n\t\t\t<key>Rating</key><integer>80</integer>\n\t\t\t"
                "<key>Play Count</key><integer>7</integer>\n\t\t\t<key>Composer</key><string>C</string>");
    xml.replace("\t</array>\n\t<key>Music Folder</key>",
                "<dict><key>Name</key><string>Recently Played</string><key>Playlist Items</key><array>"
                "<dict><key>Track ID</key><integer>301</integer></dict></array></dict>"
                "\t</array>\n\t<key>Music Folder</key>");
    {
        QFile f(xmlPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(xml) == xml.size());
    }
    Load(RunModeDuplicateITunes, GetParam());
    CMusicObj* obj = manager->MusicAt(0);
    const QString pid = obj->CurrentInfo().PersistentID;
    const QByteArray bytes = readFile(files[0]);
    ASSERT_TRUE(InITunes(pid));
    const QByteArray entry = trackEntry(readFile(xmlPath), pid);
    ASSERT_TRUE(entry.contains("Play Count"));

    ASSERT_EQ(manager->ApplyiTunesMusicInfo(obj, MF_Duplicate, 0), 0);
    const QString target = dayFolder + "/song.mp3";
    EXPECT_FALSE(QFileInfo::exists(files[0]));
    EXPECT_EQ(readFile(target), bytes);
    EXPECT_EQ(Column("TrashPath", 0), target.toStdString());
    EXPECT_FALSE(InITunes(pid));

    // The other two files of the same name take the numbered names.
    ASSERT_EQ(manager->DeleteToTrash(manager->MusicAt(1)), 0);
    ASSERT_EQ(manager->DeleteToTrash(manager->MusicAt(2)), 0);
    EXPECT_TRUE(QFileInfo::exists(dayFolder + "/song1.mp3"));
    EXPECT_TRUE(QFileInfo::exists(dayFolder + "/song12.mp3"));

    // The row names a file outside the recycle folder: nothing moves.
    const QString secret = h.home.path() + "/.ssh/id_decoy";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(secret).absolutePath()) && QFile(secret).open(QIODevice::WriteOnly));
    ASSERT_EQ(Exec(h.dbPath, "update TracksTable set TrashPath = '" + secret.toStdString() +
                                 "' where PersistentID = '" +
                                 manager->MusicAt(1)->CurrentInfo().PersistentID.toStdString() + "'"),
              0);
    EXPECT_EQ(manager->RestoreFromTrash(manager->MusicAt(1)), -1);
    EXPECT_TRUE(QFileInfo::exists(secret));
    EXPECT_FALSE(QFileInfo::exists(files[1]));

    ASSERT_EQ(manager->ApplyiTunesMusicInfo(obj, MF_Restore, 0), 0);
    EXPECT_EQ(readFile(files[0]), bytes);
    EXPECT_FALSE(QFileInfo::exists(target));
    // The same entry as before the removal: ids, every key and its places in the playlists.
    EXPECT_EQ(obj->CurrentInfo().PersistentID, pid);
    EXPECT_EQ(trackEntry(readFile(xmlPath), pid).toStdString(), entry.toStdString());
    const QByteArray after = readFile(xmlPath);
    EXPECT_TRUE(after.mid(after.indexOf("Recently Played")).contains("<integer>301</integer>"));
    EXPECT_EQ(Column("TrashPath", 0), "");
    EXPECT_EQ(Column("PersistentID", 0), pid.toStdString());
    // Nothing left to restore.
    EXPECT_EQ(manager->RestoreFromTrash(obj), 0);
}

TEST_F(ApplyTest, RemovalWhoseMoveFailsLeavesFileAndEntry)
{
    Load(RunModeDuplicateITunes, true);
    QDir().mkpath(dayFolder);
    ImmutableFlag locked(dayFolder);
    if (!locked.ok())
        GTEST_SKIP() << "cannot make a folder immutable here";
    CMusicObj* obj = manager->MusicAt(0);
    EXPECT_EQ(manager->DeleteToTrash(obj), -1);
    EXPECT_TRUE(QFileInfo::exists(files[0]));
    EXPECT_TRUE(InITunes(obj->CurrentInfo().PersistentID));
    EXPECT_EQ(Column("TrashPath", 0), "");
}

TEST_F(ApplyTest, RemovalWhoseITunesDeleteFailsMovesTheFileBack)
{
    Load(RunModeDuplicateITunes, true);
    CMusicObj* obj = manager->MusicAt(0);
    // iTunes no longer knows the track, so deleting it there fails.
    ASSERT_EQ(DeleteTrackFromITunes_kvt(obj->CurrentInfo().PersistentID.toUtf8().constData()), 0);
    EXPECT_EQ(manager->DeleteToTrash(obj), -1);
    EXPECT_TRUE(QFileInfo::exists(files[0]));
    EXPECT_FALSE(QFileInfo::exists(dayFolder + "/song.mp3"));
    EXPECT_EQ(Column("TrashPath", 0), "");
}

TEST_F(ApplyTest, RestoreWhoseReAddFailsCanBeRetried)
{
    Load(RunModeDuplicateITunes, true);
    CMusicObj* obj = manager->MusicAt(0);
    const QString pid = obj->CurrentInfo().PersistentID;
    const QByteArray bytes = readFile(files[0]);
    ASSERT_EQ(manager->DeleteToTrash(obj), 0);
    const QString target = dayFolder + "/song.mp3";

    // iTunes cannot read the file: the restore fails and the file waits in the recycle folder.
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("not audio");
    }
    EXPECT_EQ(manager->RestoreFromTrash(obj), RestoreCopyKept);
    EXPECT_FALSE(QFileInfo::exists(files[0]));
    EXPECT_EQ(Column("TrashPath", 0), target.toStdString());
    EXPECT_EQ(obj->CurrentInfo().PersistentID, pid);

    // Once the file is good again the retry restores it for real.
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    ASSERT_EQ(manager->RestoreFromTrash(obj), 0);
    EXPECT_EQ(readFile(files[0]), bytes);
    EXPECT_EQ(obj->CurrentInfo().PersistentID, pid);
    EXPECT_TRUE(InITunes(pid));
}

// A copy whose name is not UTF-8 goes to the recycle folder and back by its bytes, its row naming
// it exactly. A restore makes the song's deleted folder again; when it cannot, the copy stays where
// the track then says.
TEST_F(ApplyTest, ACopyNamedByItsBytesComesBackIntoItsFolderMadeAgain)
{
    namespace fs = std::filesystem;
    const std::string folder = PathToNative(h.home.path()).toStdString() + "/Loose\xff";
    const std::string name = "/\xff\xfe song.mp3", trash = PathToNative(dayFolder).toStdString() + name;
    ASSERT_TRUE(fs::create_directories(folder));
    ASSERT_TRUE(fs::copy_file(PathToNative(files[0]).toStdString(), folder + name));
    g_bScaniTunes = true;
    manager = h.MakeManager();
    ASSERT_EQ(manager->LoadMusicLibrary(xmlPath.toUtf8().constData(), h.dbPath.toUtf8().constData(),
                                        RunModeDuplicateFiles),
              0);
    ASSERT_EQ(AddFiles(*manager, {PathFromNative(QByteArray::fromStdString(folder + name))}), 0);
    Recorder load;
    const MusicCallback cb = load.Make(RunStateLoad);
    ASSERT_EQ(manager->LoadMusicList(&cb), 0);
    ASSERT_TRUE(load.WaitForFinal());
    CMusicObj* obj = manager->MusicAt(0);
    for (const bool folderMade : {true, false})
    {
        ASSERT_EQ(manager->DeleteToTrash(obj), 0);
        EXPECT_EQ(Column("TrashPath", 0), trash);
        ASSERT_TRUE(fs::remove(folder));
        if (!folderMade)
        {
            ASSERT_TRUE(std::ofstream(folder).good()); // no folder can be made
        }
        EXPECT_EQ(manager->RestoreFromTrash(obj), folderMade ? 0 : int(RestoreCopyKept));
        EXPECT_EQ(fs::is_regular_file(folder + name), folderMade);
    }
    EXPECT_EQ(obj->CurrentInfo().TrashPath, PathFromNative(QByteArray::fromStdString(trash)));
    // The home's clean-up goes through Qt, which cannot name them: the copy goes with its record.
    fs::remove_all(fs::path(trash).parent_path());
    fs::remove(folder);
}

TEST_F(ApplyTest, RemovingATrackOfTheITunesLibraryDeletesItsEntryOnly)
{
    Load(RunModeITunes, false);
    // A normal run hands its own track objects in, with the scan flag clear.
    CMusicObj* obj = manager->MusicAt(1);
    ASSERT_EQ(manager->ApplyiTunesMusicInfo(obj, MF_FileMissing, 0), 0);
    EXPECT_FALSE(InITunes(obj->CurrentInfo().PersistentID));
    EXPECT_TRUE(QFileInfo::exists(files[1]));
    EXPECT_FALSE(QFileInfo::exists(dayFolder + "/song.mp3"));
}

TEST_P(RemovalRestoreTest, EngineDuplicatesAreMovedAndRestoredByTheirRecord)
{
    Load(RunModeFiles, GetParam());
    MusicInfo record;
    record.Location = files[2];
    ASSERT_EQ(manager->ApplyiTunesMusicInfo(&record, MF_Duplicate, 0), 0);
    EXPECT_EQ(record.TrashPath, dayFolder + "/song.mp3");
    const QByteArray bytes = readFile(record.TrashPath);
    EXPECT_FALSE(QFileInfo::exists(files[2]));
    // Another file took the copy's place: the copy stays where the record says.
    {
        QFile other(files[2]);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(manager->ApplyiTunesMusicInfo(&record, MF_Restore, 0), int(RestoreCopyKept));
    EXPECT_EQ(readFile(record.TrashPath), bytes);
    // A record pointing elsewhere moves nothing.
    MusicInfo forged = record;
    forged.Location = h.home.path() + "/elsewhere/song.mp3";
    EXPECT_EQ(manager->ApplyiTunesMusicInfo(&forged, MF_Restore, 0), -1);
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(forged.Location).absolutePath()));
    ASSERT_TRUE(QFile::remove(files[2]));
    // Nor does one reached through a link, even to the copy itself.
    forged = record;
    forged.TrashPath = h.recycleRoot + "/linked/song.mp3";
    ASSERT_TRUE(QFile::link(dayFolder, h.recycleRoot + "/linked"));
    EXPECT_EQ(manager->ApplyiTunesMusicInfo(&forged, MF_Restore, 0), -1);
    EXPECT_FALSE(QFileInfo::exists(files[2]));
    ASSERT_EQ(manager->ApplyiTunesMusicInfo(&record, MF_Restore, 0), 0);
    EXPECT_EQ(readFile(files[2]), bytes);
}

// Folder mode, where the tracks come from the files picked: one file picked as itself, through a
// linked folder, with "//" and by a second hard link. Removing all but one track of the file, in
// one transaction, leaves the file where it is for the track that keeps it; each restore clears
// its row; the last track of a file goes to the recycle folder as any other.
TEST_F(ApplyTest, FolderTracksOfOneFileSpelledApartLeaveItToTheOneKept)
{
    namespace fs = std::filesystem;
    const QString folder = QFileInfo(files[1]).absolutePath();
    ASSERT_TRUE(QFile::link(folder, folder + "-link"));
    const QString hard = QFileInfo(files[2]).absolutePath() + "/again.mp3";
    fs::create_hard_link(files[2].toStdString(), hard.toStdString());
    const QStringList picked{files[1], folder + "-link/song.mp3", folder + "//song.mp3", files[2], hard};
    Load(RunModeDuplicateFiles, true, picked);
    std::vector<CMusicObj*> tracksOf(static_cast<size_t>(picked.size()));
    for (int i = 0; i < manager->MainListSize(); ++i)
        tracksOf[static_cast<size_t>(picked.indexOf(manager->MusicAt(i)->CurrentInfo().Location))] =
            manager->MusicAt(i);
    ASSERT_TRUE(std::all_of(tracksOf.begin(), tracksOf.end(), [](CMusicObj* obj) { return obj != nullptr; }));
    const QByteArray bytes = readFile(files[1]);

    ASSERT_EQ(manager->SetTransaction(0), 0);
    for (const int i : {1, 2, 4})
        EXPECT_EQ(manager->DeleteToTrash(tracksOf[static_cast<size_t>(i)]), 0) << i;
    ASSERT_EQ(manager->SetTransaction(1), 0);
    EXPECT_EQ(readFile(files[1]), bytes);
    EXPECT_TRUE(QFileInfo::exists(files[2]) && QFileInfo::exists(hard));
    EXPECT_TRUE(QDir(dayFolder).entryList(QDir::Files).isEmpty());
    for (const int i : {1, 2, 4})
        EXPECT_EQ(manager->RestoreFromTrash(tracksOf[static_cast<size_t>(i)]), 0) << i;
    const char* const removedRows = "select count(*) from TracksTable where ifnull(TrashPath, '') != ''";
    EXPECT_EQ(QueryColumn(h.dbPath, removedRows), std::vector<std::string>{"0"});

    // Once no other track keeps it, the file goes.
    ASSERT_EQ(manager->SetTransaction(0), 0);
    for (const int i : {1, 2, 0})
        EXPECT_EQ(manager->DeleteToTrash(tracksOf[static_cast<size_t>(i)]), 0) << i;
    ASSERT_EQ(manager->SetTransaction(1), 0);
    EXPECT_FALSE(QFileInfo::exists(files[1]));
    EXPECT_EQ(readFile(dayFolder + "/song.mp3"), bytes);
}

// A library that lists one file three times under one spelling: two entries removed (the file
// stays for the third), then restored in the order they went, each asking back its own entry:
// both come back as they were and both rows are restored.
TEST_F(ApplyTest, EntriesRemovedAloneFromOneFileAllComeBack)
{
    ASSERT_TRUE(ListSongZeroAgain(2));
    Load(RunModeDuplicateITunes, true);
    std::vector<CMusicObj*> removed;
    for (int i = 0; i < manager->MainListSize(); ++i)
        if (manager->MusicAt(i)->CurrentInfo().PersistentID.startsWith(QLatin1String("00C0FFEE000001")))
            removed.push_back(manager->MusicAt(i));
    ASSERT_EQ(removed.size(), 2u);
    for (CMusicObj* obj : removed)
        ASSERT_EQ(manager->DeleteToTrash(obj), 0);
    EXPECT_TRUE(QFileInfo::exists(files[0]));
    EXPECT_FALSE(InITunes(QStringLiteral("00C0FFEE00000101")) ||
                 InITunes(QStringLiteral("00C0FFEE00000102")));
    for (CMusicObj* obj : removed)
        EXPECT_EQ(manager->RestoreFromTrash(obj), 0);
    EXPECT_TRUE(InITunes(QStringLiteral("00C0FFEE00000101")) && InITunes(QStringLiteral("00C0FFEE00000102")));
    // Each as itself: the row and the library entry keep the ids they had.
    EXPECT_EQ(removed[0]->CurrentInfo().PersistentID, QStringLiteral("00C0FFEE00000101"));
    EXPECT_EQ(removed[1]->CurrentInfo().PersistentID, QStringLiteral("00C0FFEE00000102"));
    const auto rows =
        QueryColumn(h.dbPath, "select count(*) from TracksTable where ifnull(TrashPath, '') != ''");
    EXPECT_EQ(rows, std::vector<std::string>{"0"});
}

// A removal pass with copies in flight ends as the same removals one by one: the library file,
// the rows, the recycle folder and the songs. Song 0's file is listed three times more, song 1
// shares its file name; iTunes has lost songs 0 and 1, so their removals fail: song 0 then keeps
// its file for the entries after it, and song 1's recycle name is free again for song 2.
TEST_F(ApplyTest, ARemovalPassEndsAsTheRemovalsOneByOne)
{
    ASSERT_TRUE(ListSongZeroAgain(3));
    const QByteArray library = readFile(xmlPath);
    const QStringList order{"00C0FFEE00000101", "00C0FFEE00000000", "00C0FFEE00000102",
                            "00C0FFEE00000103", "00C0FFEE00000001", "00C0FFEE00000002"};
    auto run = [&](bool inFlight)
    {
        Load(RunModeDuplicateITunes, true);
        std::vector<void*> copies;
        for (const QString& pid : order)
            for (int i = 0; i < manager->MainListSize(); ++i)
                if (manager->MusicAt(i)->CurrentInfo().PersistentID == pid)
                    copies.push_back(manager->MusicAt(i));
        EXPECT_EQ(DeleteTrackFromITunes_kvt("00C0FFEE00000000"), 0);
        EXPECT_EQ(DeleteTrackFromITunes_kvt("00C0FFEE00000001"), 0);
        QStringList state;
        EXPECT_EQ(manager->SetTransaction(0), 0);
        if (inFlight)
        {
            MusicRemovalCallback callback;
            callback.Context = &state;
            callback.Proceed = [](void*, int) { return 1; };
            callback.Done = [](void* context, int index, int result)
            { *static_cast<QStringList*>(context) << QStringLiteral("%1:%2").arg(index).arg(result); };
            EXPECT_EQ(manager->RemoveToTrash(copies.data(), static_cast<int>(copies.size()), callback), 0);
        }
        else
        {
            for (size_t i = 0; i < copies.size(); ++i)
                state << QStringLiteral("%1:%2").arg(i).arg(manager->DeleteToTrash(copies[i]));
        }
        EXPECT_EQ(manager->SetTransaction(1), 0);
        manager.reset();
        state << QString::fromUtf8(readFile(xmlPath));
        for (const std::string& row : QueryColumn(
                 h.dbPath,
                 "select PersistentID || ' ' || ifnull(TrashPath, '') from TracksTable order by rowid"))
            state << QString::fromStdString(row);
        for (const QString& name : QDir(dayFolder).entryList(QDir::Files | QDir::Hidden))
            state << name + QStringLiteral(" %1").arg(readFile(dayFolder + "/" + name).size());
        for (const QString& file : files)
            state << file + (QFileInfo::exists(file) ? QStringLiteral(" here") : QStringLiteral(" gone"));

        // Back to the start: the songs in place, no recycle folder, the library and no database.
        for (const QString& name : QDir(dayFolder).entryList(QDir::Files))
            for (const QString& file : files)
                if (!QFileInfo::exists(file) &&
                    CRecycleBin::MoveFile(dayFolder + "/" + name, file) == CRecycleBin::MoveOk)
                    break;
        QDir(dayFolder).removeRecursively();
        QFile::remove(xmlPath + ".tidewell-removed");
        QFile::remove(h.dbPath);
        QFile f(xmlPath);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(library) == library.size());
        return state.join(u'\n').toStdString();
    };
    const std::string oneByOne = run(false);
    EXPECT_EQ(oneByOne.rfind("0:0\n1:-1\n2:0\n3:0\n4:-1\n5:0\n", 0), 0u) << oneByOne;
    EXPECT_NE(oneByOne.find("song.mp3 "), std::string::npos) << oneByOne;
    EXPECT_EQ(run(true), oneByOne);
}

TEST_F(ApplyTest, EditsReachTheHostLibraryAndTheFile)
{
    Load(RunModeITunes, false);
    CMusicObj* obj = manager->MusicAt(0);
    const char* texts[] = {"New Artist"};
    ASSERT_EQ(manager->ModifyMusicInfo(obj, MF_Artist, texts), 0);
    obj->SetAbsence(MF_Artist | MF_Analysed);
    ASSERT_EQ(manager->ApplyiTunesMusicInfo(obj, MF_Artist, 0), 0);
    EXPECT_EQ(obj->GetAbsence(), MF_Analysed);
    EXPECT_EQ(Column("Absence", 0), std::to_string(MF_Analysed));
    EXPECT_TRUE(readFile(xmlPath).contains("New Artist"));
    MusicInfo onDisk;
    ASSERT_GE(GetMusicInfo(files[0].toUtf8().constData(), &onDisk), 0);
    EXPECT_EQ(onDisk.Artist, "New Artist");
    // A second apply has nothing left to write.
    EXPECT_EQ(manager->ApplyTrackInfo(obj, 0, 0), 0);
}

TEST_F(ApplyTest, FixesOfFilesClearOnlyWhatWasWritten)
{
    Load(RunModeFiles, false);
    CMusicObj* obj = manager->MusicAt(0);
    const char* texts[] = {"Fixed Album"};
    ASSERT_EQ(manager->ModifyMusicInfo(obj, MF_Album, texts), 0);
    obj->SetAbsence(MF_Album | MF_Analysed);
    // Only missing name: nothing decides a write.
    CMusicObj* other = manager->MusicAt(1);
    other->SetAbsence(MF_Name | MF_Analysed);
    EXPECT_EQ(manager->ApplyMusicFixes(1, 0), 0);

    ASSERT_EQ(manager->ApplyMusicFixes(0, 0), 1);
    EXPECT_EQ(obj->GetAbsence(), MF_Analysed);
    // An open problem with no fix to write (no cover chosen) is nothing to do, not a failure.
    other->SetAbsence(MF_Artwork | MF_Analysed);
    ASSERT_TRUE(other->GetArtworkPath().isEmpty());
    EXPECT_EQ(manager->ApplyMusicFixes(1, 0), 0);
    EXPECT_EQ(other->GetAbsence(), MF_Artwork | MF_Analysed);
    MusicInfo onDisk;
    ASSERT_GE(GetMusicInfo(files[0].toUtf8().constData(), &onDisk), 0);
    EXPECT_EQ(onDisk.Album, "Fixed Album");

    // Name and artwork asked for, no stored artwork: the name is written and cleared, the
    // artwork failure is returned and its problem stays.
    CMusicObj* third = manager->MusicAt(2);
    const char* name[] = {"Renamed"};
    ASSERT_EQ(manager->ModifyMusicInfo(third, MF_Name, name), 0);
    third->SetAbsence(MF_Name | MF_Artwork | MF_Analysed);
    EXPECT_LT(manager->ApplyTrackInfo(third, MF_Name | MF_Artwork, 0), 0);
    EXPECT_EQ(third->GetAbsence(), MF_Artwork | MF_Analysed);
    ASSERT_GE(GetMusicInfo(files[2].toUtf8().constData(), &onDisk), 0);
    EXPECT_EQ(onDisk.Name, "Renamed");
}

TEST_F(ApplyTest, SaveReportsTheFirstFailureEvenWhenALaterWriteSucceeds)
{
    Load(RunModeFiles, false);
    CMusicObj* obj = manager->MusicAt(0);
    // The artwork is stored, and the file already carries a picture, so that write succeeds.
    QByteArray art;
    ASSERT_EQ(manager->GetArtworkData(obj, art), 0);
    ASSERT_FALSE(art.isEmpty());
    const char* texts[] = {"Cannot Be Saved"};
    ASSERT_EQ(manager->ModifyMusicInfo(obj, MF_Name, texts), 0);
    obj->SetAbsence(MF_Name | MF_Artwork | MF_Analysed);
    ImmutableFlag locked(files[0]);
    if (!locked.ok())
        GTEST_SKIP() << "cannot make a file immutable here";

    int written = 0;
    const int rc = manager->GetLibrary()->SaveMusicInfo(&obj->CurrentInfo(), obj->GetArtworkPath(),
                                                        RunModeFiles, MF_Name | MF_Artwork, &written);
    EXPECT_LT(rc, 0);
    EXPECT_EQ(written, MF_Artwork);
    EXPECT_EQ(manager->ApplyTrackInfo(obj, MF_Name | MF_Artwork, 0), rc);
    EXPECT_EQ(obj->GetAbsence(), MF_Name | MF_Analysed);
}

// The folder scan picks the file iTunes has as iTunes spells it, or through a linked folder.
class FolderScanTest : public ApplyTest, public ::testing::WithParamInterface<bool>
{
};

INSTANTIATE_TEST_SUITE_P(Spelling, FolderScanTest, ::testing::Values(false, true),
                         [](const auto& instance) { return instance.param ? "LinkedFolder" : "AsITunes"; });

TEST_P(FolderScanTest, FolderScanKeepsTheCopyITunesHasAndRemovalTakesItsEntryAlong)
{
    using namespace tidewell::test;
    const QString folder = QFileInfo(files[0]).absolutePath();
    ASSERT_TRUE(QFile::link(folder, folder + "-link"));
    const QString picked = GetParam() ? folder + "-link/song.mp3" : files[0];
    // A copy of song 0 outside iTunes, with the same title and artist, at a higher bit rate.
    AudioSpec audioSpec;
    audioSpec.seconds = 1.0;
    audioSpec.toneHz = 900.0;
    audioSpec.format = AudioFormat::Flac;
    audioSpec.tags.title = "Song 0";
    audioSpec.tags.artist = "Artist 0";
    const QString outside = h.home.path() + "/Loose/song.flac";
    QDir().mkpath(QFileInfo(outside).absolutePath());
    ASSERT_TRUE(makeAudioFile(outside, audioSpec));

    Load(RunModeDuplicateFiles, true, {outside, picked});
    ASSERT_NE(manager->GetZLibrary(), nullptr);
    Recorder analysis;
    const MusicCallback acb = analysis.Make(RunStateAnalysis);
    ASSERT_EQ(manager->AnalyzeMusicList(&acb, MF_Name | MF_Artist), 0);
    ASSERT_TRUE(analysis.WaitForFinal());
    manager->WaitForSavePass();

    CMusicObj* loose = manager->MusicAt(0);
    CMusicObj* listed = manager->MusicAt(1);
    ASSERT_NE(loose->GetRepeatID(), 0);
    EXPECT_EQ(listed->GetRepeatID(), loose->GetRepeatID());
    // The file iTunes has stays, whatever the bit rates; the earlier loose copy goes.
    EXPECT_EQ(loose->GetState(), MF_Duplicate);
    EXPECT_EQ(listed->GetState(), 0);

    // Removing the copy iTunes has also deletes its iTunes entry, after the move.
    ASSERT_EQ(manager->DeleteToTrash(listed), 0);
    EXPECT_FALSE(QFileInfo::exists(files[0]));
    EXPECT_FALSE(InITunes(tracks[0].persistentId));
    EXPECT_FALSE(readFile(xmlPath).contains("f0/song.mp3"));
    // Restoring adds it to iTunes again.
    ASSERT_EQ(manager->RestoreFromTrash(listed), 0);
    EXPECT_TRUE(QFileInfo::exists(files[0]));
    EXPECT_TRUE(readFile(xmlPath).contains("f0/song.mp3"));

    // The file leads to its iTunes entry, the one it had, so a second removal takes it along.
    const std::string newId = SelectPersistentIDByLocation(files[0].toUtf8().constData());
    ASSERT_FALSE(newId.empty());
    EXPECT_EQ(QString::fromStdString(newId), tracks[0].persistentId);
    EXPECT_TRUE(InITunes(QString::fromStdString(newId)));
    ASSERT_EQ(manager->DeleteToTrash(listed), 0);
    EXPECT_FALSE(InITunes(QString::fromStdString(newId)));
    EXPECT_FALSE(readFile(xmlPath).contains("f0/song.mp3"));
}

// A service's title over an entry without one, with "Replace" on and Name unticked: Apply does not
// write it, so it is held back like one over a text of the song's own; an artist the song lacks is
// written and shown, also while its row is unticked (it is written once the row is ticked again).
TEST_F(ApplyTest, AnAnswerApplyDoesNotWriteIsHeldBackAlsoOverAnEmptyText)
{
    tracks[0].name.clear();
    tracks[0].artist.clear();
    ASSERT_TRUE(WriteLibraryXml(xmlPath, tracks));
    Load(RunModeITunes, false);
    CMusicObj* obj = manager->MusicAt(0);
    ASSERT_TRUE(obj->OldInfo().Name.isEmpty());
    obj->SetAbsence(MF_Artist | MF_Analysed);
    const char* texts[] = {"Local Title", "Local Artist"};
    ASSERT_EQ(manager->ModifyMusicInfo(obj, MF_Name | MF_Artist, texts), 0);
    const int replace = MF_ReplaceSwitch | MF_Artist | MF_Album;
    EXPECT_EQ(manager->FixesToWrite(*obj, replace) & (MF_Name | MF_Artist), MF_Artist);
    EXPECT_EQ(manager->HeldBackFields(*obj, replace), MF_Name);
    EXPECT_EQ(manager->HeldBackFields(*obj, replace | MF_Name), 0);
    obj->SetState(obj->GetState() | MF_Artist);
    EXPECT_EQ(manager->FixesToWrite(*obj, replace), 0);
    EXPECT_EQ(manager->HeldBackFields(*obj, replace), MF_Name);
}
