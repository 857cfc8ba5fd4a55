#include "TracksTable.h"

#include <QDebug>
#include <QFileInfo>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

namespace tracks_db {
const char* const kColumns[24] = {"TrackID",  "PersistentID", "Name",     "TotalTime", "Artist",    "Album",
                                  "Size",     "Location",     "ArtData",  "ArtPath",   "Absence",   "State",
                                  "RepeatID", "Type",         "Year",     "Genre",     "Bitrate",   "TrashPath",
                                  "NameOld",  "ArtistOld",    "AlbumOld", "YearOld",   "GenreOld",  "Purchased"};
const char* const kPageColumns[20] = {"PersistentID", "Name",    "TotalTime", "Artist",  "Album",
                                      "Size",         "Location", "ArtPath",  "Absence", "State",
                                      "RepeatID",     "Type",     "Year",     "Genre",   "Bitrate",
                                      "NameOld",      "ArtistOld", "AlbumOld", "YearOld", "GenreOld"};
} // namespace tracks_db

namespace {

constexpr int kMaxStatement = 511;

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer
{
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

struct Connection
{
    std::string path;
    DbHandle db;
};

// The two connection records; each owns its own handle to its own file.
std::unique_ptr<Connection> g_tracks;
std::unique_ptr<Connection> g_ztracks;

// Page cache of the page reader.
struct PageCache
{
    int total = 0;                            // set only by SelectTrackCount
    std::vector<std::optional<std::string>> values; // rows * 20 cells
    std::vector<const char*> cells;           // pointers into values, null for NULL
    int rows = 0;
    int handedOut = 0;
    bool cached = false;
};
PageCache g_page;

sqlite3* tracksDb() { return g_tracks && g_tracks->db ? g_tracks->db.get() : nullptr; }

const char* orEmpty(const char* text) { return text ? text : ""; }

bool isColumn(const char* name)
{
    if (!name)
        return false;
    for (const char* column : tracks_db::kColumns)
        if (std::strcmp(column, name) == 0)
            return true;
    return false;
}

// Prepares, binds with the given binder, steps to the end and finalizes. Returns the prepare
// code on a prepare failure, else the step error or the finalize code.
template <typename Binder>
int runStatement(sqlite3* db, const std::string& sql, Binder&& bind, int* stepResult = nullptr)
{
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    if (rc != SQLITE_OK)
        return rc;
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    bind(raw);
    int step;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW)
    {
    }
    if (stepResult)
        *stepResult = step;
    return sqlite3_finalize(stmt.release());
}

void bindText(sqlite3_stmt* stmt, int index, const char* text)
{
    sqlite3_bind_text(stmt, index, orEmpty(text), -1, SQLITE_STATIC);
}

int columnCount(sqlite3* db, bool& ok)
{
    ok = false;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA table_info(TracksTable)", -1, &raw, nullptr) != SQLITE_OK)
        return 0;
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    int count = 0;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        ++count;
    ok = rc == SQLITE_DONE;
    return count;
}

int openConnection(std::unique_ptr<Connection>& slot, const char* path)
{
    slot.reset();
    auto connection = std::unique_ptr<Connection>(new (std::nothrow) Connection);
    if (!connection)
        return -2;
    connection->path = path;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path, &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    connection->db.reset(raw);
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("Can't open database: %1\n iRet = %2")
                                  .arg(QString::fromUtf8(raw ? sqlite3_errmsg(raw) : "out of memory"))
                                  .arg(rc);
        return -3;
    }
    sqlite3_busy_timeout(raw, 5000);
    slot = std::move(connection);
    return 0;
}

bool execLogged(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        qDebug().noquote() << QString("sql Failed:%1 sql:%2 %3").arg(rc).arg(sql).arg(QString::fromUtf8(error ? error : ""));
    sqlite3_free(error);
    return rc == SQLITE_OK;
}

// Runs "begin transaction" or "commit transaction" on the library database and logs the outcome.
int execTransactionStatement(const char* sql, const char* doneText)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        qDebug().noquote() << QString("%1 Failed!%2 %3").arg(sql).arg(rc).arg(QString::fromUtf8(error ? error : ""));
    else
        qDebug() << doneText;
    sqlite3_free(error);
    return rc;
}

// Runs one bound statement on the library database; a failure is logged with the operation's
// text filled with the code (%1), SQLite's message (%2) and the statement (%3).
template <typename Binder>
int runLogged(const std::string& sql, const char* failText, Binder&& bind)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    const int rc = runStatement(db, sql, bind);
    if (rc != SQLITE_OK)
    {
        QString text = QString::fromLatin1(failText);
        text.replace("%1", QString::number(rc))
            .replace("%2", QString::fromUtf8(sqlite3_errmsg(db)))
            .replace("%3", QString::fromStdString(sql));
        qDebug().noquote() << text;
    }
    return rc;
}

} // namespace

int OpenTracksDB(const char* path)
{
    if (!path)
        return -1;
    CloseTracksDB();

    const bool existed = QFileInfo::exists(QString::fromUtf8(path));
    if (int rc = openConnection(g_tracks, path); rc != 0)
        return rc;
    sqlite3* db = g_tracks->db.get();

    if (!existed)
    {
        const char* create = "create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
                             "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
                             "Absence integer,State integer,RepeatID integer,Type integer,Year text,Genre text,"
                             "Bitrate text,TrashPath text,NameOld text,ArtistOld text,AlbumOld text,YearOld text,"
                             "GenreOld text,Purchased text)";
        char* error = nullptr;
        const int rc = sqlite3_exec(db, create, nullptr, nullptr, &error);
        if (rc != SQLITE_OK)
        {
            qDebug().noquote() << QString("Create TracksTable Failed %1: %2").arg(rc).arg(QString::fromUtf8(error ? error : ""));
            sqlite3_free(error);
            g_tracks.reset();
            return -4;
        }
        execLogged(db, "create index if not exists TracksTablePidType on TracksTable(PersistentID, Type)");
        return 0;
    }

    // An existing file must be a database holding TracksTable; anything else is refused.
    bool ok = false;
    const int columns = columnCount(db, ok);
    if (!ok || columns == 0)
    {
        qDebug().noquote() << QString("Can't open database: %1\n iRet = %2")
                                  .arg(QString::fromUtf8(sqlite3_errmsg(db)))
                                  .arg(sqlite3_errcode(db));
        g_tracks.reset();
        return -3;
    }

    int result = 0;
    static const char* const kFrom14[] = {"Year", "Genre", "Bitrate", "TrashPath"};
    static const char* const kFrom18[] = {"NameOld", "ArtistOld", "AlbumOld", "YearOld", "GenreOld"};
    std::vector<const char*> added;
    if (columns == 14)
        added.insert(added.end(), std::begin(kFrom14), std::end(kFrom14));
    if (columns == 14 || columns == 18)
        added.insert(added.end(), std::begin(kFrom18), std::end(kFrom18));
    if (!added.empty())
    {
        execLogged(db, "begin transaction");
        bool upgraded = true;
        for (const char* column : added)
        {
            const std::string sql = std::string("ALTER TABLE TracksTable ADD COLUMN ") + column + " text";
            if (!execLogged(db, sql.c_str()))
            {
                upgraded = false;
                break;
            }
        }
        if (!upgraded || !execLogged(db, "commit transaction"))
        {
            execLogged(db, "rollback transaction");
            g_tracks.reset();
            return -5;
        }
        result = 1;
    }
    execLogged(db, "create index if not exists TracksTablePidType on TracksTable(PersistentID, Type)");
    return result;
}

void CloseTracksDB()
{
    FreeTrackPages();
    g_tracks.reset();
}

bool IsTracksDBOpen() { return tracksDb() != nullptr; }

int BeginTransaction()
{
    return execTransactionStatement("begin transaction", "Begin Transaction");
}

int CommitTransaction()
{
    return execTransactionStatement("commit transaction", "Commit Tranaction");
}

int InsertTracksTable_kvt(const char* name, const char* artist, const char* album, const char* totalTime,
                          const char* size, const char* location, const char* persistentId, const char* year,
                          const char* genre, const char* bitrate, const char* purchased, int trackId, int type)
{
    static const std::string sql = "insert into TracksTable values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
    return runLogged(sql, "InsertTracksTable_kvt() Failed! %1 %2", [&](sqlite3_stmt* s) {
        sqlite3_bind_int(s, 1, trackId);
        bindText(s, 2, persistentId);
        bindText(s, 3, name);
        bindText(s, 4, totalTime);
        bindText(s, 5, artist);
        bindText(s, 6, album);
        bindText(s, 7, size);
        bindText(s, 8, location);
        sqlite3_bind_null(s, 9);
        sqlite3_bind_null(s, 10);
        sqlite3_bind_int(s, 11, 0);
        sqlite3_bind_int(s, 12, 0);
        sqlite3_bind_int64(s, 13, 0);
        sqlite3_bind_int(s, 14, type);
        bindText(s, 15, year);
        bindText(s, 16, genre);
        bindText(s, 17, bitrate);
        sqlite3_bind_null(s, 18);
        bindText(s, 19, name);
        bindText(s, 20, artist);
        bindText(s, 21, album);
        bindText(s, 22, year);
        bindText(s, 23, genre);
        bindText(s, 24, purchased);
    });
}

int DeleteData(const char* persistentId, int type)
{
    const std::string sql = "delete from TracksTable where PersistentID = ? and Type = ?";
    return runLogged(sql, "DeleteData Failed:%1 %2\nsql = %3", [&](sqlite3_stmt* s) {
        bindText(s, 1, persistentId);
        sqlite3_bind_int(s, 2, type);
    });
}

int DeleteDataByType(int type)
{
    const std::string sql = "delete from TracksTable where Type = ?";
    return runLogged(sql, "DeleteData Failed:%1 %2\nsql = %3", [&](sqlite3_stmt* s) { sqlite3_bind_int(s, 1, type); });
}

int UpdateValueToDB(const char* persistentId, int type, const char* column, const char* text, int value)
{
    if (!tracksDb())
        return -1;
    if (!persistentId || !isColumn(column))
        return -2;
    const std::string sql = std::string("update TracksTable set ") + column + " = ? where PersistentID = ? and Type = ?";
    return runLogged(sql, "sql Failed:%1 sql:%3", [&](sqlite3_stmt* s) {
        if (text)
            sqlite3_bind_text(s, 1, text, -1, SQLITE_STATIC);
        else
            sqlite3_bind_int(s, 1, value);
        bindText(s, 2, persistentId);
        sqlite3_bind_int(s, 3, type);
    });
}

int UpdateFlagToDB(const char* trackId, int type, int newType)
{
    if (!tracksDb())
        return -1;
    if (!trackId || newType == type)
        return -2;
    const std::string sql = "update TracksTable set Type = ? where TrackID = ? and Type = ?";
    return runLogged(sql, "UpdateFlagToDB Failed:%1 %2 \n sql = %3", [&](sqlite3_stmt* s) {
        sqlite3_bind_int(s, 1, newType);
        bindText(s, 2, trackId);
        sqlite3_bind_int(s, 3, type);
    });
}

int UpdateMultiValuesToDB(const char* persistentId, int type, const char* const* columns, const char* const* values,
                          int count)
{
    if (!tracksDb())
        return -1;
    if (!persistentId || !columns || !values || count <= 0)
        return -2;
    std::string sql = "update TracksTable set ";
    for (int i = 0; i < count; ++i)
    {
        if (!isColumn(columns[i]))
            return -2;
        sql += (i ? "," : "");
        sql += columns[i];
        sql += " =?";
    }
    sql += " where PersistentID = ? and Type = ?";
    if (static_cast<int>(sql.size()) > kMaxStatement)
        return -3;
    return runLogged(sql, "sql Failed:%1 sql:%3", [&](sqlite3_stmt* s) {
        for (int i = 0; i < count; ++i)
            if (values[i])
                sqlite3_bind_text(s, i + 1, values[i], -1, SQLITE_STATIC);
        bindText(s, count + 1, persistentId);
        sqlite3_bind_int(s, count + 2, type);
    });
}

int UpdateAllMusicStateToDB(int mask, int set)
{
    const std::string sql =
        set ? "update TracksTable set State = (State | ?)" : "update TracksTable set State = (State & ~?)";
    return runLogged(sql, "Update TracksTable Failed:%1 %2 sql:%3", [&](sqlite3_stmt* s) { sqlite3_bind_int(s, 1, mask); });
}

int UpdateArtworkData(const char* persistentId, int type, const char* artPath, const unsigned char* data, int length)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    if (!persistentId || !data || length <= 0)
        return -2;
    const std::string sql = "update TracksTable set ArtData = ?,ArtPath = ? where PersistentID = ? and Type = ?";
    const int rc = runStatement(db, sql, [&](sqlite3_stmt* s) {
        sqlite3_bind_blob(s, 1, data, length, SQLITE_STATIC);
        if (artPath)
            sqlite3_bind_text(s, 2, artPath, -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(s, 2);
        bindText(s, 3, persistentId);
        sqlite3_bind_int(s, 4, type);
    });
    if (rc != SQLITE_OK)
        qDebug().noquote() << QString("UpdateArtworkData Failed:%1 pPID:%2 Type:%3").arg(rc).arg(persistentId).arg(type);
    return rc;
}

int SelectArtworkData(const char* persistentId, int type, std::vector<unsigned char>& out)
{
    out.clear();
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    if (!persistentId)
        return -2;
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, "select ArtData from TracksTable where PersistentID = ? and Type = ?", -1, &raw,
                                nullptr);
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("SelectArtworkData Failed:%1 PID:%2 Type:%3").arg(rc).arg(persistentId).arg(type);
        return rc;
    }
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    bindText(raw, 1, persistentId);
    sqlite3_bind_int(raw, 2, type);
    if (sqlite3_step(raw) == SQLITE_ROW)
    {
        const auto* blob = static_cast<const unsigned char*>(sqlite3_column_blob(raw, 0));
        const int size = sqlite3_column_bytes(raw, 0);
        if (blob && size > 0)
            out.assign(blob, blob + size);
    }
    rc = sqlite3_finalize(stmt.release());
    if (rc != SQLITE_OK)
    {
        out.clear();
        qDebug().noquote() << QString("SelectArtworkData Failed:%1 PID:%2 Type:%3").arg(rc).arg(persistentId).arg(type);
        return rc;
    }
    return out.empty() ? -3 : 0;
}

int SelectLibraryTotal()
{
    sqlite3* db = tracksDb();
    if (!db)
        return 0;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "select Value from LibraryInfo where Key = 'TrackTotal'", -1, &raw, nullptr) !=
        SQLITE_OK)
        return 0; // an older database: no such table
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    return sqlite3_step(raw) == SQLITE_ROW ? std::max(0, sqlite3_column_int(raw, 0)) : 0;
}

int UpdateLibraryTotal(int total)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    if (!execLogged(db, "create table if not exists LibraryInfo(Key text primary key, Value integer)"))
        return -2;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "insert or replace into LibraryInfo(Key, Value) values('TrackTotal', ?1)", -1, &raw,
                           nullptr) != SQLITE_OK)
        return -2;
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    sqlite3_bind_int(raw, 1, total);
    return sqlite3_step(raw) == SQLITE_DONE ? 0 : -2;
}

int SelectTrackCount()
{
    sqlite3* db = tracksDb();
    if (!db)
        return g_page.total;
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, "select count(*) from TracksTable", -1, &raw, nullptr);
    if (rc == SQLITE_OK)
    {
        std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
        rc = sqlite3_step(raw);
        if (rc == SQLITE_ROW)
        {
            g_page.total = sqlite3_column_int(raw, 0);
            return g_page.total;
        }
    }
    qDebug().noquote() << QString("SelectTrackCount Failed:%1 %2").arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
    return g_page.total;
}

TrackRow SelectMultiValuesFromDB(int row)
{
    sqlite3* db = tracksDb();
    if (!db || row < 0 || row >= g_page.total)
        return nullptr;
    if (!g_page.cached || g_page.handedOut >= g_page.rows)
    {
        FreeTrackPages();
        static const char* kSql = "select PersistentID,Name,TotalTime,Artist,Album,Size,Location,ArtPath,Absence,State,"
                                  "RepeatID,Type,Year,Genre,Bitrate,NameOld,ArtistOld,AlbumOld,YearOld,GenreOld "
                                  "from TracksTable order by rowid limit ?,?";
        sqlite3_stmt* raw = nullptr;
        int rc = sqlite3_prepare_v2(db, kSql, -1, &raw, nullptr);
        if (rc != SQLITE_OK)
        {
            qDebug().noquote() << QString("sql:%1\nFailed:%2 %3").arg(kSql).arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
            return nullptr;
        }
        std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
        sqlite3_bind_int(raw, 1, row);
        sqlite3_bind_int(raw, 2, tracks_db::kPageRows);
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        {
            for (int c = 0; c < 20; ++c)
            {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, c));
                if (sqlite3_column_type(raw, c) == SQLITE_NULL || !text)
                    g_page.values.emplace_back(std::nullopt);
                else
                    g_page.values.emplace_back(std::string(text, sqlite3_column_bytes(raw, c)));
            }
            ++g_page.rows;
        }
        if (rc != SQLITE_DONE)
        {
            qDebug().noquote() << QString("sql:%1\nFailed:%2 %3").arg(kSql).arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
            FreeTrackPages();
            return nullptr;
        }
        g_page.cells.reserve(g_page.values.size());
        for (const auto& value : g_page.values)
            g_page.cells.push_back(value ? value->c_str() : nullptr);
        g_page.cached = true;
    }
    if (g_page.handedOut >= g_page.rows)
        return nullptr;
    return g_page.cells.data() + 20 * g_page.handedOut++;
}

const char* GetRowValue(TrackRow row, const char* column)
{
    if (!row || !column)
        return nullptr;
    for (int i = 0; i < 20; ++i)
        if (std::strcmp(tracks_db::kPageColumns[i], column) == 0)
            return row[i];
    return nullptr;
}

void FreeTrackPages()
{
    g_page.values.clear();
    g_page.cells.clear();
    g_page.rows = 0;
    g_page.handedOut = 0;
    g_page.cached = false;
}

int SelectValueFromDB(const char* persistentId, int type, const char* column, std::string& out)
{
    out.clear();
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    if (!persistentId || !isColumn(column))
        return -2;
    const std::string sql = std::string("select ") + column + " from TracksTable where PersistentID = ? and Type = ?";
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("sql:%1\nFailed:%2 %3").arg(QString::fromStdString(sql)).arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
        return -3;
    }
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    bindText(raw, 1, persistentId);
    sqlite3_bind_int(raw, 2, type);
    int rows = 0;
    std::optional<std::string> value;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
    {
        if (++rows == 1 && sqlite3_column_type(raw, 0) != SQLITE_NULL)
            value = std::string(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)), sqlite3_column_bytes(raw, 0));
    }
    if (rc != SQLITE_DONE)
    {
        qDebug().noquote() << QString("sql:%1\nFailed:%2 %3").arg(QString::fromStdString(sql)).arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
        return -3;
    }
    if (rows != 1 || !value)
        return -4;
    out = *value;
    return 0;
}

int OpenZTracksDB(const char* path)
{
    if (!path)
        return -1;
    CloseZTracksDB();
    const int rc = openConnection(g_ztracks, path);
    if (rc == 0)
    {
        // Lookups by location run once per scanned file; without an index each one reads the
        // whole table. Harmless when the table is missing.
        sqlite3_exec(g_ztracks->db.get(), "create index if not exists TracksTableLocation on TracksTable(Location)",
                     nullptr, nullptr, nullptr);
    }
    return rc;
}

void CloseZTracksDB() { g_ztracks.reset(); }

std::string SelectPersistentIDByLocation(const char* location)
{
    if (!location || !g_ztracks || !g_ztracks->db)
        return {};
    sqlite3* db = g_ztracks->db.get();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "select PersistentID from TracksTable where Location = ? order by rowid limit 1", -1,
                           &raw, nullptr) != SQLITE_OK)
        return {};
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    bindText(raw, 1, location);
    if (sqlite3_step(raw) != SQLITE_ROW)
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    return text ? std::string(text, sqlite3_column_bytes(raw, 0)) : std::string();
}

int UpdateZPersistentID(const char* oldId, const char* newId)
{
    if (!g_ztracks || !g_ztracks->db)
        return -1;
    if (!oldId || !newId)
        return -2;
    sqlite3* db = g_ztracks->db.get();
    const int rc = runStatement(db, "update TracksTable set PersistentID = ? where PersistentID = ?", [&](sqlite3_stmt* s) {
        bindText(s, 1, newId);
        bindText(s, 2, oldId);
    });
    if (rc != SQLITE_OK)
        qDebug().noquote() << QString("UpdateZPersistentID Failed:%1 %2").arg(rc).arg(QString::fromUtf8(sqlite3_errmsg(db)));
    return rc;
}
