#include "TracksTable.h"
#include "ManagerFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <string>
#include <vector>

using tidewell::test::TempHome;

namespace
{

// Runs a statement on a separate connection, to set files up and to look at them behind the
// layer's back.
constexpr auto rawExec = &manager_test::Exec;

std::vector<std::string> rawColumn(const QString& path, const std::string& sql, int column = 0)
{
    std::vector<std::string> out;
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        out.emplace_back(sqlite3_column_type(stmt, column) == SQLITE_NULL ? "<NULL>" : text);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

int columnCount(const QString& path)
{
    return static_cast<int>(rawColumn(path, "select name from pragma_table_info('TracksTable')").size());
}

std::string pidOf(int i)
{
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016X", 0xA000 + i);
    return buf;
}

int insertTrack(int i, int type = 1, const char* name = nullptr)
{
    const std::string pid = pidOf(i);
    const std::string title = name ? name : "Song " + std::to_string(i);
    const std::string location = "/music/" + std::to_string(i) + ".mp3";
    return InsertTracksTable_kvt(title.c_str(), "Artist", "Album", "180000", "4000000", location.c_str(),
                                 pid.c_str(), "2001", "Rock", "320", "", i, type);
}

class TracksTableTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CloseTracksDB();
        CloseZTracksDB();
    }
    TempHome home;
    QString dbPath = home.file("data/MusicLibrary.db");
};

TEST_F(TracksTableTest, CreatesTableAndRoundTripsThousandTracksInOneTransaction)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    EXPECT_EQ(columnCount(dbPath), 24);

    ASSERT_EQ(BeginTransaction(), 0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(insertTrack(i), 0) << i;
    ASSERT_EQ(CommitTransaction(), 0);

    ASSERT_EQ(SelectTrackCount(), 1000);
    for (int i = 0; i < 1000; ++i)
    {
        TrackRow row = SelectMultiValuesFromDB(i);
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(std::string(GetRowValue(row, "PersistentID")), pidOf(i));
        EXPECT_EQ(std::string(GetRowValue(row, "Name")), "Song " + std::to_string(i));
        EXPECT_EQ(std::string(GetRowValue(row, "NameOld")), "Song " + std::to_string(i));
        EXPECT_EQ(std::string(GetRowValue(row, "Type")), "1");
        EXPECT_EQ(GetRowValue(row, "ArtPath"), nullptr);
        EXPECT_EQ(GetRowValue(row, "Purchased"), nullptr); // not a column of the page query
    }
    EXPECT_EQ(SelectMultiValuesFromDB(1000), nullptr);
    FreeTrackPages();

    // Update and read back one value, then delete a row.
    EXPECT_EQ(UpdateValueToDB(pidOf(7).c_str(), 1, "Name", "Renamed", 0), 0);
    EXPECT_EQ(UpdateValueToDB(pidOf(7).c_str(), 1, "Absence", nullptr, 0x800), 0);
    std::string value;
    ASSERT_EQ(SelectValueFromDB(pidOf(7).c_str(), 1, "Name", value), 0);
    EXPECT_EQ(value, "Renamed");
    ASSERT_EQ(SelectValueFromDB(pidOf(7).c_str(), 1, "Absence", value), 0);
    EXPECT_EQ(value, "2048");
    EXPECT_EQ(DeleteData(pidOf(7).c_str(), 1), 0);
    EXPECT_EQ(SelectValueFromDB(pidOf(7).c_str(), 1, "Name", value), -4);
    EXPECT_EQ(SelectTrackCount(), 999);
}

TEST_F(TracksTableTest, NullTextsAreStoredAsEmptyAndArtworkColumnsStartNull)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(InsertTracksTable_kvt(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "00000000000000AA",
                                    nullptr, nullptr, nullptr, nullptr, 5, 2),
              0);
    CloseTracksDB();
    EXPECT_EQ(rawColumn(dbPath, "select Name from TracksTable"), std::vector<std::string>{""});
    EXPECT_EQ(rawColumn(dbPath, "select Purchased from TracksTable"), std::vector<std::string>{""});
    EXPECT_EQ(rawColumn(dbPath, "select ArtData from TracksTable"), std::vector<std::string>{"<NULL>"});
    EXPECT_EQ(rawColumn(dbPath, "select ArtPath from TracksTable"), std::vector<std::string>{"<NULL>"});
    EXPECT_EQ(rawColumn(dbPath, "select TrashPath from TracksTable"), std::vector<std::string>{"<NULL>"});

    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    std::vector<unsigned char> art;
    EXPECT_EQ(SelectArtworkData("00000000000000AA", 2, art), -3);
    EXPECT_TRUE(art.empty());
}

TEST_F(TracksTableTest, QuotesAndNonAsciiTextsSurviveAndCannotRewriteOtherRows)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(insertTrack(1, 1, "Don't Stop"), 0);
    ASSERT_EQ(insertTrack(2, 1, "Другая песня"), 0);
    ASSERT_EQ(insertTrack(3, 1, "夜に駆ける"), 0);

    // An id crafted to widen the WHERE clause must match nothing.
    const char* crafted = "x' or '1'='1";
    EXPECT_EQ(UpdateValueToDB(crafted, 1, "Name", "pwned", 0), 0);
    EXPECT_EQ(DeleteData(crafted, 1), 0);
    EXPECT_EQ(SelectTrackCount(), 3);

    std::string value;
    ASSERT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "Name", value), 0);
    EXPECT_EQ(value, "Don't Stop");
    ASSERT_EQ(SelectValueFromDB(pidOf(2).c_str(), 1, "Name", value), 0);
    EXPECT_EQ(value, "Другая песня");

    const char* columns[] = {"Name", "Artist", "Genre"};
    const char* values[] = {"It's \"quoted\"", "عمرو دياب", nullptr};
    ASSERT_EQ(UpdateMultiValuesToDB(pidOf(3).c_str(), 1, columns, values, 3), 0);
    ASSERT_EQ(SelectValueFromDB(pidOf(3).c_str(), 1, "Artist", value), 0);
    EXPECT_EQ(value, "عمرو دياب");
    ASSERT_EQ(SelectValueFromDB(pidOf(3).c_str(), 1, "Name", value), 0);
    EXPECT_EQ(value, "It's \"quoted\"");
    EXPECT_EQ(SelectValueFromDB(pidOf(3).c_str(), 1, "Genre", value), -4); // a null value leaves NULL

    // Column names are never pasted in unchecked.
    EXPECT_EQ(UpdateValueToDB(pidOf(1).c_str(), 1, "Name = 'x', State", "1", 0), -2);
    EXPECT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "Name from TracksTable --", value), -2);
}

TEST_F(TracksTableTest, SelectValueNeedsExactlyOneRow)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(insertTrack(1), 0);
    ASSERT_EQ(insertTrack(1), 0); // same id and type twice
    std::string value;
    EXPECT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "Name", value), -4);
    EXPECT_EQ(SelectValueFromDB(nullptr, 1, "Name", value), -2);
}

TEST_F(TracksTableTest, StateMaskAndArtworkUpdates)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(insertTrack(i), 0);
    ASSERT_EQ(UpdateValueToDB(pidOf(1).c_str(), 1, "State", nullptr, 0x800), 0);
    ASSERT_EQ(UpdateAllMusicStateToDB(0x4000, 1), 0);
    std::string value;
    ASSERT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "State", value), 0);
    EXPECT_EQ(std::stoi(value), 0x4800);
    ASSERT_EQ(SelectValueFromDB(pidOf(0).c_str(), 1, "State", value), 0);
    EXPECT_EQ(std::stoi(value), 0x4000);
    ASSERT_EQ(UpdateAllMusicStateToDB(0x4000, 0), 0);
    ASSERT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "State", value), 0);
    EXPECT_EQ(std::stoi(value), 0x800);

    const std::vector<unsigned char> picture{0xFF, 0xD8, 0x00, 0x27, 0xFF, 0xD9};
    EXPECT_EQ(UpdateArtworkData(pidOf(2).c_str(), 1, "cover.jpg", picture.data(), 0), -2);
    ASSERT_EQ(UpdateArtworkData(pidOf(2).c_str(), 1, "cover.jpg", picture.data(), int(picture.size())), 0);
    std::vector<unsigned char> back;
    ASSERT_EQ(SelectArtworkData(pidOf(2).c_str(), 1, back), 0);
    EXPECT_EQ(back, picture);
    ASSERT_EQ(SelectValueFromDB(pidOf(2).c_str(), 1, "ArtPath", value), 0);
    EXPECT_EQ(value, "cover.jpg");
}

TEST_F(TracksTableTest, MultiValueUpdateRefusesOverlongStatements)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(insertTrack(1), 0);
    std::vector<const char*> columns(40, "GenreOld");
    std::vector<const char*> values(40, "x");
    EXPECT_EQ(UpdateMultiValuesToDB(pidOf(1).c_str(), 1, columns.data(), values.data(), 40), -3);
    EXPECT_EQ(UpdateMultiValuesToDB(pidOf(1).c_str(), 1, columns.data(), values.data(), 0), -2);
    EXPECT_EQ(UpdateMultiValuesToDB(nullptr, 1, columns.data(), values.data(), 1), -2);
}

// Statements are kept and reused: no value of one call may reach the next, and a reader that
// starts over, or a connection opened on another file, reads what is there now.
TEST_F(TracksTableTest, ReusedStatementsCarryNothingOver)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(BeginTransaction(), 0);
    for (int i = 0; i < 3500; ++i)
        ASSERT_EQ(insertTrack(i), 0);
    ASSERT_EQ(CommitTransaction(), 0);

    const char* columns[] = {"ArtPath", "Genre"};
    const char* first[] = {"a.jpg", "Jazz"};
    const char* second[] = {nullptr, "Pop"};
    ASSERT_EQ(UpdateMultiValuesToDB(pidOf(1).c_str(), 1, columns, first, 2), 0);
    ASSERT_EQ(UpdateMultiValuesToDB(pidOf(2).c_str(), 1, columns, second, 2), 0);
    std::string value;
    EXPECT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "ArtPath", value), 0);
    EXPECT_EQ(value, "a.jpg");
    EXPECT_EQ(SelectValueFromDB(pidOf(2).c_str(), 1, "ArtPath", value), -4); // NULL, not the earlier text
    EXPECT_EQ(SelectValueFromDB(pidOf(2).c_str(), 1, "Genre", value), 0);
    EXPECT_EQ(value, "Pop");

    // Past the first page, then from the start again, then a row in the middle.
    ASSERT_EQ(SelectTrackCount(), 3500);
    for (int i = 0; i < 3100; ++i)
        ASSERT_NE(SelectMultiValuesFromDB(i), nullptr);
    FreeTrackPages();
    EXPECT_EQ(std::string(GetRowValue(SelectMultiValuesFromDB(0), "PersistentID")), pidOf(0));
    FreeTrackPages();
    EXPECT_EQ(std::string(GetRowValue(SelectMultiValuesFromDB(3200), "PersistentID")), pidOf(3200));
    FreeTrackPages();

    // A connection on another file prepares its own statements.
    const QString other = home.file("data/Other.db");
    ASSERT_EQ(OpenTracksDB(other.toUtf8().constData()), 0);
    ASSERT_EQ(insertTrack(7, 1, "Only"), 0);
    EXPECT_EQ(SelectValueFromDB(pidOf(1).c_str(), 1, "ArtPath", value), -4);
    ASSERT_EQ(SelectValueFromDB(pidOf(7).c_str(), 1, "Name", value), 0);
    EXPECT_EQ(value, "Only");
    CloseTracksDB();
    EXPECT_EQ(rawColumn(dbPath, "select count(*) from TracksTable"), std::vector<std::string>{"3500"});
}

TEST_F(TracksTableTest, UpgradesOlderLayouts)
{
    // 14 columns with a row: nine columns added.
    ASSERT_EQ(rawExec(dbPath,
                      "create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
                      "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
                      "Absence integer,State integer,RepeatID integer,Type integer);"
                      "insert into TracksTable values(1,'AB','n','1','a','b','2','/x',NULL,NULL,0,0,0,1);"),
              SQLITE_OK);
    EXPECT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 1);
    CloseTracksDB();
    EXPECT_EQ(columnCount(dbPath), 23);
    EXPECT_EQ(rawColumn(dbPath, "select Name from TracksTable"), std::vector<std::string>{"n"});
    // Reopening an upgraded file changes nothing more.
    EXPECT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    CloseTracksDB();

    // 18 columns without rows: still upgraded, five columns added.
    const QString second = home.file("data/old18.db");
    ASSERT_EQ(rawExec(second,
                      "create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
                      "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
                      "Absence integer,State integer,RepeatID integer,Type integer,Year text,Genre text,"
                      "Bitrate text,TrashPath text)"),
              SQLITE_OK);
    EXPECT_EQ(OpenTracksDB(second.toUtf8().constData()), 1);
    CloseTracksDB();
    EXPECT_EQ(columnCount(second), 23);
}

TEST_F(TracksTableTest, RefusesFilesThatAreNotLibraries)
{
    const QString junk = home.file("data/junk.db");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    EXPECT_EQ(OpenTracksDB(junk.toUtf8().constData()), -3);
    EXPECT_FALSE(IsTracksDBOpen());
    EXPECT_EQ(BeginTransaction(), -1);

    const QString other = home.file("data/other.db");
    ASSERT_EQ(rawExec(other, "create table Something(a integer)"), SQLITE_OK);
    EXPECT_EQ(OpenTracksDB(other.toUtf8().constData()), -3);
    EXPECT_FALSE(IsTracksDBOpen());

    EXPECT_EQ(OpenTracksDB(nullptr), -1);
    EXPECT_EQ(OpenTracksDB(
                  home.file("missing/dir/that/does/not/exist/x.db").append("/y/z.db").toUtf8().constData()),
              -3);
}

TEST_F(TracksTableTest, FailedUpgradeIsAFailure)
{
    // A 14-column table that already has a "Year" column under another position cannot take
    // the added columns; the open must fail, not claim an upgrade.
    ASSERT_EQ(rawExec(dbPath,
                      "create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
                      "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
                      "Absence integer,State integer,Year text,Type integer);"),
              SQLITE_OK);
    EXPECT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), -5);
    EXPECT_FALSE(IsTracksDBOpen());
    EXPECT_EQ(columnCount(dbPath), 14); // the partial upgrade was rolled back
}

TEST_F(TracksTableTest, PageReaderWalksSevenThousandRowsInOrder)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(BeginTransaction(), 0);
    for (int i = 0; i < 7000; ++i)
        ASSERT_EQ(insertTrack(i), 0);
    ASSERT_EQ(CommitTransaction(), 0);
    ASSERT_EQ(SelectTrackCount(), 7000);
    for (int i = 0; i < 7000; ++i)
    {
        TrackRow row = SelectMultiValuesFromDB(i);
        ASSERT_NE(row, nullptr);
        ASSERT_EQ(std::string(GetRowValue(row, "PersistentID")), pidOf(i));
    }
    EXPECT_EQ(SelectMultiValuesFromDB(7000), nullptr);
    EXPECT_EQ(GetRowValue(nullptr, "Name"), nullptr);
}

TEST_F(TracksTableTest, MainAndSecondDatabaseKeepTheirOwnFiles)
{
    const QString zPath = home.file("data/MusicLibraryz.db");
    ASSERT_EQ(OpenTracksDB(zPath.toUtf8().constData()), 0);
    ASSERT_EQ(InsertTracksTable_kvt("z", "", "", "", "", "/Music/A b.mp3", "00000000000000Z1", "", "", "", "",
                                    1, 1),
              0);
    CloseTracksDB();

    ASSERT_EQ(OpenZTracksDB(zPath.toUtf8().constData()), 0);
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    ASSERT_EQ(insertTrack(1), 0);

    EXPECT_EQ(SelectPersistentIDByLocation("/Music/A b.mp3"), "00000000000000Z1");
    EXPECT_EQ(SelectPersistentIDByLocation("/music/a b.mp3"), ""); // exact comparison
    EXPECT_EQ(SelectPersistentIDByLocation(nullptr), "");

    // A track added to iTunes again gets a new id; the location then leads to it.
    EXPECT_EQ(UpdateZPersistentID("00000000000000Z1", "00000000000000Z2"), 0);
    EXPECT_EQ(SelectPersistentIDByLocation("/Music/A b.mp3"), "00000000000000Z2");
    EXPECT_EQ(UpdateZPersistentID(nullptr, "x"), -2);

    CloseTracksDB();
    CloseZTracksDB();
    EXPECT_EQ(rawColumn(zPath, "select count(*) from TracksTable"), std::vector<std::string>{"1"});
    EXPECT_EQ(rawColumn(dbPath, "select count(*) from TracksTable"), std::vector<std::string>{"1"});
    EXPECT_EQ(SelectPersistentIDByLocation("/Music/A b.mp3"), "");
    EXPECT_EQ(UpdateZPersistentID("00000000000000Z2", "00000000000000Z3"), -1);
}

TEST_F(TracksTableTest, LookupsByIdAndTypeUseAnIndex)
{
    ASSERT_EQ(OpenTracksDB(dbPath.toUtf8().constData()), 0);
    CloseTracksDB();
    const auto plan = rawColumn(
        dbPath, "explain query plan select Name from TracksTable where PersistentID = 'A' and Type = 1", 3);
    ASSERT_FALSE(plan.empty());
    EXPECT_NE(plan.front().find("USING INDEX"), std::string::npos) << plan.front();
}

TEST_F(TracksTableTest, EveryOperationFailsCleanlyWithoutAConnection)
{
    std::string value;
    std::vector<unsigned char> art;
    EXPECT_EQ(BeginTransaction(), -1);
    EXPECT_EQ(CommitTransaction(), -1);
    EXPECT_EQ(insertTrack(1), -1);
    EXPECT_EQ(DeleteData("A", 1), -1);
    EXPECT_EQ(UpdateValueToDB("A", 1, "Name", "x", 0), -1);
    EXPECT_EQ(UpdateAllMusicStateToDB(1, 1), -1);
    EXPECT_EQ(SelectValueFromDB("A", 1, "Name", value), -1);
    EXPECT_EQ(SelectArtworkData("A", 1, art), -1);
    EXPECT_EQ(SelectMultiValuesFromDB(0), nullptr);
}

} // namespace
