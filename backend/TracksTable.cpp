#include "TracksTable.h"
#include "StatementUse.h"

#include <QDebug>
#include <QFileInfo>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tracks_db
{
const char* const kColumns[24] = {
    "TrackID", "PersistentID", "Name",    "TotalTime", "Artist",   "Album",   "Size",     "Location",
    "ArtData", "ArtPath",      "Absence", "State",     "RepeatID", "Type",    "Year",     "Genre",
    "Bitrate", "TrashPath",    "NameOld", "ArtistOld", "AlbumOld", "YearOld", "GenreOld", "Purchased"};
const char* const kCreateTable =
    "create table TracksTable(TrackID integer,PersistentID text,Name text,TotalTime text,"
    "Artist text,Album text,Size text,Location text,ArtData blob,ArtPath text,"
    "Absence integer,State integer,RepeatID integer,Type integer,Year text,Genre text,"
    "Bitrate text,TrashPath text,NameOld text,ArtistOld text,AlbumOld text,YearOld text,"
    "GenreOld text,Purchased text)";
const char* const kPageColumns[20] = {"PersistentID", "Name",      "TotalTime", "Artist",  "Album",
                                      "Size",         "Location",  "ArtPath",   "Absence", "State",
                                      "RepeatID",     "Type",      "Year",      "Genre",   "Bitrate",
                                      "NameOld",      "ArtistOld", "AlbumOld",  "YearOld", "GenreOld"};
} // namespace tracks_db

namespace
{

constexpr int kMaxStatement = 511;
constexpr int kColumnCount = 24;
constexpr int kPageColumnCount = 20;

struct DbCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer
{
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

// The fixed statements of a connection, each prepared on first use.
enum class Fixed
{
    Insert,
    Delete,
    DeleteByType,
    UpdateType,
    SetState,
    ClearState,
    UpdateArtwork,
    SelectArtwork,
    Count,
    PageByRowid,
    PageByOffset,
    PidByLocation,
    LocationsAndPids,
    UpdateZPid,
    Size
};

const char* fixedSql(Fixed which)
{
    switch (which)
    {
    case Fixed::Insert:
        return "insert into TracksTable values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
    case Fixed::Delete:
        return "delete from TracksTable where PersistentID = ? and Type = ?";
    case Fixed::DeleteByType:
        return "delete from TracksTable where Type = ?";
    case Fixed::UpdateType:
        return "update TracksTable set Type = ? where TrackID = ? and Type = ?";
    case Fixed::SetState:
        return "update TracksTable set State = (State | ?)";
    case Fixed::ClearState:
        return "update TracksTable set State = (State & ~?)";
    case Fixed::UpdateArtwork:
        return "update TracksTable set ArtData = ?,ArtPath = ? where PersistentID = ? and Type = ?";
    case Fixed::SelectArtwork:
        return "select ArtData from TracksTable where PersistentID = ? and Type = ?";
    case Fixed::Count:
        return "select count(*) from TracksTable";
    case Fixed::PageByRowid:
        return "select "
               "rowid,PersistentID,Name,TotalTime,Artist,Album,Size,Location,ArtPath,Absence,State,RepeatID,"
               "Type,Year,Genre,Bitrate,NameOld,ArtistOld,AlbumOld,YearOld,GenreOld "
               "from TracksTable where rowid > ? order by rowid limit ?";
    case Fixed::PageByOffset:
        return "select "
               "rowid,PersistentID,Name,TotalTime,Artist,Album,Size,Location,ArtPath,Absence,State,RepeatID,"
               "Type,Year,Genre,Bitrate,NameOld,ArtistOld,AlbumOld,YearOld,GenreOld "
               "from TracksTable order by rowid limit ?,?";
    case Fixed::PidByLocation:
        return "select PersistentID from TracksTable where Location = ? order by rowid limit 1";
    case Fixed::LocationsAndPids:
        return "select Location, PersistentID from TracksTable order by rowid";
    case Fixed::UpdateZPid:
        return "update TracksTable set PersistentID = ? where PersistentID = ?";
    case Fixed::Size:
        break;
    }
    return "";
}

// A database handle with its statements. Each statement is prepared once, the first time it is
// needed, and reused with fresh bindings; all are finalized before the handle closes (members
// go in reverse order). The statements of one column (update, select) are kept per column, and
// those of several columns by the column list, so no call builds text once its statement exists.
struct Connection
{
    std::string path;
    DbHandle db;
    std::array<StmtHandle, static_cast<size_t>(Fixed::Size)> fixed;
    std::array<StmtHandle, kColumnCount> updateColumn;
    std::array<StmtHandle, kColumnCount> selectColumn;
    std::unordered_map<std::string, StmtHandle> updateColumns; // key: the column indexes, one byte each

    // The statement for `sql` in `slot`, prepared now if it is not yet; null (logged) on failure
    // with the prepare code in `rc`.
    sqlite3_stmt* prepared(StmtHandle& slot, const char* sql, int& rc)
    {
        rc = SQLITE_OK;
        if (slot)
            return slot.get();
        sqlite3_stmt* raw = nullptr;
        rc = sqlite3_prepare_v3(db.get(), sql, -1, SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
        if (rc != SQLITE_OK)
        {
            qDebug().noquote() << QString("sql:%1\nFailed:%2 %3")
                                      .arg(QString::fromUtf8(sql))
                                      .arg(rc)
                                      .arg(QString::fromUtf8(sqlite3_errmsg(db.get())));
            sqlite3_finalize(raw);
            return nullptr;
        }
        slot.reset(raw);
        return raw;
    }
    sqlite3_stmt* prepared(Fixed which, int& rc)
    {
        return prepared(fixed[static_cast<size_t>(which)], fixedSql(which), rc);
    }
};

// The two connection records; each owns its own handle to its own file.
std::unique_ptr<Connection> g_tracks;
std::unique_ptr<Connection> g_ztracks;

// Page cache of the page reader. The texts of a page sit end to end in one buffer.
struct PageCache
{
    int total = 0;                  // set only by SelectTrackCount
    std::string text;               // every non-NULL cell, each ended by '\0'
    std::vector<long> offsets;      // rows * 20 cells: offset into text, -1 for NULL
    std::vector<const char*> cells; // pointers into text, null for NULL
    int rows = 0;
    int handedOut = 0;
    bool cached = false;
    // Where the next page starts when the reader goes on in order.
    int nextRow = 0;
    sqlite3_int64 lastRowid = 0;
};
PageCache g_page;

Connection* tracks()
{
    return g_tracks && g_tracks->db ? g_tracks.get() : nullptr;
}
sqlite3* tracksDb()
{
    return g_tracks && g_tracks->db ? g_tracks->db.get() : nullptr;
}

const char* orEmpty(const char* text)
{
    return text ? text : "";
}

// The index of a TracksTable column, -1 for none.
int columnIndex(const char* name)
{
    if (!name)
        return -1;
    for (int i = 0; i < kColumnCount; ++i)
        if (std::strcmp(tracks_db::kColumns[i], name) == 0)
            return i;
    return -1;
}

// Binds with the given binder, steps to the end and resets. SQLITE_OK or the step's error.
template <typename Binder> int runPrepared(sqlite3_stmt* stmt, Binder&& bind)
{
    CStatementUse use(stmt);
    bind(stmt);
    return use.run();
}

void bindText(sqlite3_stmt* stmt, int index, const char* text)
{
    sqlite3_bind_text(stmt, index, orEmpty(text), -1, SQLITE_STATIC);
}

int columnCount(sqlite3* db, bool& ok)
{
    ok = false;
    CStatementUse stmt(db, "PRAGMA table_info(TracksTable)");
    if (!stmt)
        return 0;
    int count = 0;
    ok = stmt.eachRow([&count](sqlite3_stmt*) { ++count; }) == SQLITE_OK;
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
    // Each connection is used by one thread at a time (see TracksTable.h), so SQLite's own
    // per-call locking would only cost time.
    const int rc = sqlite3_open_v2(path, &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    connection->db.reset(raw);
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("Can't open database: %1\n iRet = %2")
                                  .arg(QString::fromUtf8(raw ? sqlite3_errmsg(raw) : "out of memory"))
                                  .arg(rc);
        return -3;
    }
    sqlite3_busy_timeout(raw, 5000);
    // A library of tens of thousands of tracks is a database of tens of megabytes: a page cache
    // that holds most of it keeps a long transaction (import, save pass) from spilling pages
    // into the journal halfway.
    sqlite3_exec(raw, "PRAGMA cache_size = -32768", nullptr, nullptr, nullptr);
    slot = std::move(connection);
    return 0;
}

bool execLogged(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        qDebug().noquote()
            << QString("sql Failed:%1 sql:%2 %3").arg(rc).arg(sql).arg(QString::fromUtf8(error ? error : ""));
    sqlite3_free(error);
    return rc == SQLITE_OK;
}

// Runs "begin transaction" or "commit transaction" on the library database; a failure is logged.
int execTransactionStatement(const char* sql)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        qDebug().noquote()
            << QString("%1 Failed!%2 %3").arg(sql).arg(rc).arg(QString::fromUtf8(error ? error : ""));
    sqlite3_free(error);
    return rc;
}

void logFailure(sqlite3* db, const char* failText, int rc, const char* sql)
{
    QString text = QString::fromLatin1(failText);
    text.replace("%1", QString::number(rc))
        .replace("%2", QString::fromUtf8(sqlite3_errmsg(db)))
        .replace("%3", QString::fromUtf8(sql));
    qDebug().noquote() << text;
}

// Runs one bound statement on the library database; a failure is logged with the operation's
// text filled with the code (%1), SQLite's message (%2) and the statement (%3).
template <typename Binder>
int runLogged(Connection& connection, sqlite3_stmt* stmt, const char* failText, Binder&& bind)
{
    const int rc = runPrepared(stmt, bind);
    if (rc != SQLITE_OK)
        logFailure(connection.db.get(), failText, rc, sqlite3_sql(stmt));
    return rc;
}

template <typename Binder> int runFixed(Fixed which, const char* failText, Binder&& bind)
{
    Connection* connection = tracks();
    if (!connection)
        return -1;
    int rc = SQLITE_OK;
    sqlite3_stmt* stmt = connection->prepared(which, rc);
    if (!stmt)
        return rc;
    return runLogged(*connection, stmt, failText, bind);
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
        char* error = nullptr;
        const int rc = sqlite3_exec(db, tracks_db::kCreateTable, nullptr, nullptr, &error);
        if (rc != SQLITE_OK)
        {
            qDebug().noquote() << QString("Create TracksTable Failed %1: %2")
                                      .arg(rc)
                                      .arg(QString::fromUtf8(error ? error : ""));
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

bool IsTracksDBOpen()
{
    return tracksDb() != nullptr;
}

int BeginTransaction()
{
    return execTransactionStatement("begin transaction");
}

int CommitTransaction()
{
    // Nothing is pending when another pass's commit on this connection already took the writes
    // (passes share it): nothing to do, not a failure.
    sqlite3* db = tracksDb();
    if (db && sqlite3_get_autocommit(db))
        return 0;
    return execTransactionStatement("commit transaction");
}

int InsertTracksTable_kvt(const char* name, const char* artist, const char* album, const char* totalTime,
                          const char* size, const char* location, const char* persistentId, const char* year,
                          const char* genre, const char* bitrate, const char* purchased, int trackId,
                          int type)
{
    return runFixed(Fixed::Insert, "InsertTracksTable_kvt() Failed! %1 %2",
                    [&](sqlite3_stmt* s)
                    {
                        sqlite3_bind_int(s, 1, trackId);
                        bindText(s, 2, persistentId);
                        bindText(s, 3, name);
                        bindText(s, 4, totalTime);
                        bindText(s, 5, artist);
                        bindText(s, 6, album);
                        bindText(s, 7, size);
                        bindText(s, 8, location);
                        // 9 ArtData, 10 ArtPath and 18 TrashPath stay NULL (unbound).
                        sqlite3_bind_int(s, 11, 0);
                        sqlite3_bind_int(s, 12, 0);
                        sqlite3_bind_int64(s, 13, 0);
                        sqlite3_bind_int(s, 14, type);
                        bindText(s, 15, year);
                        bindText(s, 16, genre);
                        bindText(s, 17, bitrate);
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
    return runFixed(Fixed::Delete, "DeleteData Failed:%1 %2\nsql = %3",
                    [&](sqlite3_stmt* s)
                    {
                        bindText(s, 1, persistentId);
                        sqlite3_bind_int(s, 2, type);
                    });
}

int DeleteDataByType(int type)
{
    return runFixed(Fixed::DeleteByType, "DeleteData Failed:%1 %2\nsql = %3",
                    [&](sqlite3_stmt* s) { sqlite3_bind_int(s, 1, type); });
}

int UpdateValueToDB(const char* persistentId, int type, const char* column, const char* text, int value)
{
    Connection* connection = tracks();
    if (!connection)
        return -1;
    const int index = columnIndex(column);
    if (!persistentId || index < 0)
        return -2;
    int rc = SQLITE_OK;
    StmtHandle& slot = connection->updateColumn[static_cast<size_t>(index)];
    sqlite3_stmt* stmt = slot.get();
    if (!stmt)
    {
        const std::string sql =
            std::string("update TracksTable set ") + column + " = ? where PersistentID = ? and Type = ?";
        stmt = connection->prepared(slot, sql.c_str(), rc);
        if (!stmt)
            return rc;
    }
    return runLogged(*connection, stmt, "sql Failed:%1 sql:%3",
                     [&](sqlite3_stmt* s)
                     {
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
    return runFixed(Fixed::UpdateType, "UpdateFlagToDB Failed:%1 %2 \n sql = %3",
                    [&](sqlite3_stmt* s)
                    {
                        sqlite3_bind_int(s, 1, newType);
                        bindText(s, 2, trackId);
                        sqlite3_bind_int(s, 3, type);
                    });
}

int UpdateMultiValuesToDB(const char* persistentId, int type, const char* const* columns,
                          const char* const* values, int count)
{
    Connection* connection = tracks();
    if (!connection)
        return -1;
    if (!persistentId || !columns || !values || count <= 0)
        return -2;
    static constexpr std::string_view kHead = "update TracksTable set ";
    static constexpr std::string_view kTail = " where PersistentID = ? and Type = ?";
    std::string key; // one byte per column: short lists stay in the string's own buffer
    size_t length = kHead.size() + kTail.size();
    for (int i = 0; i < count; ++i)
    {
        const int index = columnIndex(columns[i]);
        if (index < 0)
            return -2;
        key.push_back(static_cast<char>(index));
        length += (i ? 1 : 0) + std::strlen(columns[i]) + 3;
    }
    if (length > static_cast<size_t>(kMaxStatement))
        return -3;
    int rc = SQLITE_OK;
    StmtHandle& slot = connection->updateColumns[key];
    sqlite3_stmt* stmt = slot.get();
    if (!stmt)
    {
        std::string sql(kHead);
        for (int i = 0; i < count; ++i)
        {
            sql += (i ? "," : "");
            sql += columns[i];
            sql += " =?";
        }
        sql += kTail;
        stmt = connection->prepared(slot, sql.c_str(), rc);
        if (!stmt)
        {
            connection->updateColumns.erase(key);
            return rc;
        }
    }
    return runLogged(*connection, stmt, "sql Failed:%1 sql:%3",
                     [&](sqlite3_stmt* s)
                     {
                         for (int i = 0; i < count; ++i)
                             if (values[i])
                                 sqlite3_bind_text(s, i + 1, values[i], -1, SQLITE_STATIC);
                         bindText(s, count + 1, persistentId);
                         sqlite3_bind_int(s, count + 2, type);
                     });
}

int UpdateAllMusicStateToDB(int mask, int set)
{
    return runFixed(set ? Fixed::SetState : Fixed::ClearState, "Update TracksTable Failed:%1 %2 sql:%3",
                    [&](sqlite3_stmt* s) { sqlite3_bind_int(s, 1, mask); });
}

int UpdateArtworkData(const char* persistentId, int type, const char* artPath, const unsigned char* data,
                      int length)
{
    Connection* connection = tracks();
    if (!connection)
        return -1;
    if (!persistentId || !data || length <= 0)
        return -2;
    int rc = SQLITE_OK;
    if (sqlite3_stmt* stmt = connection->prepared(Fixed::UpdateArtwork, rc))
    {
        rc = runPrepared(stmt,
                         [&](sqlite3_stmt* s)
                         {
                             sqlite3_bind_blob(s, 1, data, length, SQLITE_STATIC);
                             if (artPath)
                                 sqlite3_bind_text(s, 2, artPath, -1, SQLITE_STATIC);
                             bindText(s, 3, persistentId);
                             sqlite3_bind_int(s, 4, type);
                         });
    }
    if (rc != SQLITE_OK)
        qDebug().noquote()
            << QString("UpdateArtworkData Failed:%1 pPID:%2 Type:%3").arg(rc).arg(persistentId).arg(type);
    return rc;
}

int SelectArtworkData(const char* persistentId, int type, std::vector<unsigned char>& out)
{
    out.clear();
    Connection* connection = tracks();
    if (!connection)
        return -1;
    if (!persistentId)
        return -2;
    int rc = SQLITE_OK;
    sqlite3_stmt* stmt = connection->prepared(Fixed::SelectArtwork, rc);
    if (!stmt)
        return rc;
    {
        CStatementUse use(stmt);
        bindText(stmt, 1, persistentId);
        sqlite3_bind_int(stmt, 2, type);
        rc = use.step();
        if (rc == SQLITE_ROW)
        {
            const auto* blob = static_cast<const unsigned char*>(sqlite3_column_blob(stmt, 0));
            const int size = sqlite3_column_bytes(stmt, 0);
            if (blob && size > 0)
                out.assign(blob, blob + size);
            rc = SQLITE_OK;
        }
        else if (rc == SQLITE_DONE)
        {
            rc = SQLITE_OK;
        }
    }
    if (rc != SQLITE_OK)
    {
        out.clear();
        qDebug().noquote()
            << QString("SelectArtworkData Failed:%1 PID:%2 Type:%3").arg(rc).arg(persistentId).arg(type);
        return rc;
    }
    return out.empty() ? -3 : 0;
}

int SelectLibraryTotal()
{
    return std::max(0, SelectLibraryValue("TrackTotal", 0));
}

int UpdateLibraryTotal(int total)
{
    return UpdateLibraryValue("TrackTotal", total);
}

int SelectLibraryValue(const char* key, int fallback)
{
    sqlite3* db = tracksDb();
    if (!db || !key)
        return fallback;
    CStatementUse stmt(db, "select Value from LibraryInfo where Key = ?1");
    if (!stmt)
        return fallback; // an older database: no such table
    bindText(stmt.get(), 1, key);
    return stmt.step() == SQLITE_ROW ? sqlite3_column_int(stmt.get(), 0) : fallback;
}

int UpdateLibraryValue(const char* key, int value)
{
    sqlite3* db = tracksDb();
    if (!db)
        return -1;
    if (!key ||
        !execLogged(db, "create table if not exists LibraryInfo(Key text primary key, Value integer)"))
        return -2;
    CStatementUse stmt(db, "insert or replace into LibraryInfo(Key, Value) values(?1, ?2)");
    if (!stmt)
        return -2;
    bindText(stmt.get(), 1, key);
    sqlite3_bind_int(stmt.get(), 2, value);
    return stmt.step() == SQLITE_DONE ? 0 : -2;
}

int SelectTrackCount()
{
    Connection* connection = tracks();
    if (!connection)
        return g_page.total;
    int rc = SQLITE_OK;
    if (sqlite3_stmt* stmt = connection->prepared(Fixed::Count, rc))
    {
        CStatementUse use(stmt);
        rc = use.step();
        if (rc == SQLITE_ROW)
        {
            g_page.total = sqlite3_column_int(stmt, 0);
            return g_page.total;
        }
    }
    qDebug().noquote() << QString("SelectTrackCount Failed:%1 %2")
                              .arg(rc)
                              .arg(QString::fromUtf8(sqlite3_errmsg(connection->db.get())));
    return g_page.total;
}

namespace
{

// Reads the page that starts at `row` into the page cache. Going on in order, the page starts
// after the last rowid read, so no page skips over the rows before it.
bool readPage(Connection& connection, int row)
{
    const bool inOrder = g_page.lastRowid > 0 && row == g_page.nextRow;
    const Fixed which = inOrder ? Fixed::PageByRowid : Fixed::PageByOffset;
    int rc = SQLITE_OK;
    sqlite3_stmt* stmt = connection.prepared(which, rc);
    if (!stmt)
        return false;
    CStatementUse use(stmt);
    if (inOrder)
        sqlite3_bind_int64(stmt, 1, g_page.lastRowid);
    else
        sqlite3_bind_int(stmt, 1, row);
    sqlite3_bind_int(stmt, 2, tracks_db::kPageRows);
    sqlite3_int64 lastRowid = 0;
    rc = use.eachRow(
        [&lastRowid](sqlite3_stmt* s)
        {
            lastRowid = sqlite3_column_int64(s, 0);
            for (int c = 1; c <= kPageColumnCount; ++c)
            {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
                if (!text || sqlite3_column_type(s, c) == SQLITE_NULL)
                {
                    g_page.offsets.push_back(-1);
                    continue;
                }
                g_page.offsets.push_back(static_cast<long>(g_page.text.size()));
                g_page.text.append(text, static_cast<size_t>(sqlite3_column_bytes(s, c)));
                g_page.text.push_back('\0');
            }
            ++g_page.rows;
        });
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("sql:%1\nFailed:%2 %3")
                                  .arg(fixedSql(which))
                                  .arg(rc)
                                  .arg(QString::fromUtf8(sqlite3_errmsg(connection.db.get())));
        return false;
    }
    g_page.cells.reserve(g_page.offsets.size());
    for (const long offset : g_page.offsets)
        g_page.cells.push_back(offset < 0 ? nullptr : g_page.text.data() + offset);
    g_page.cached = true;
    g_page.nextRow = row + g_page.rows;
    g_page.lastRowid = lastRowid;
    return true;
}

} // namespace

TrackRow SelectMultiValuesFromDB(int row)
{
    Connection* connection = tracks();
    if (!connection || row < 0 || row >= g_page.total)
        return nullptr;
    if (!g_page.cached || g_page.handedOut >= g_page.rows)
    {
        const int nextRow = g_page.nextRow;
        const sqlite3_int64 lastRowid = g_page.lastRowid;
        FreeTrackPages();
        g_page.nextRow = nextRow;
        g_page.lastRowid = lastRowid;
        if (!readPage(*connection, row))
        {
            FreeTrackPages();
            return nullptr;
        }
    }
    if (g_page.handedOut >= g_page.rows)
        return nullptr;
    return g_page.cells.data() + kPageColumnCount * g_page.handedOut++;
}

const char* GetRowValue(TrackRow row, const char* column)
{
    if (!row || !column)
        return nullptr;
    for (int i = 0; i < kPageColumnCount; ++i)
        if (std::strcmp(tracks_db::kPageColumns[i], column) == 0)
            return row[i];
    return nullptr;
}

void FreeTrackPages()
{
    g_page.text.clear();
    g_page.offsets.clear();
    g_page.cells.clear();
    g_page.rows = 0;
    g_page.handedOut = 0;
    g_page.cached = false;
    g_page.nextRow = 0;
    g_page.lastRowid = 0;
}

int SelectValueFromDB(const char* persistentId, int type, const char* column, std::string& out)
{
    out.clear();
    Connection* connection = tracks();
    if (!connection)
        return -1;
    const int index = columnIndex(column);
    if (!persistentId || index < 0)
        return -2;
    int rc = SQLITE_OK;
    StmtHandle& slot = connection->selectColumn[static_cast<size_t>(index)];
    sqlite3_stmt* stmt = slot.get();
    if (!stmt)
    {
        const std::string sql =
            std::string("select ") + column + " from TracksTable where PersistentID = ? and Type = ?";
        stmt = connection->prepared(slot, sql.c_str(), rc);
        if (!stmt)
            return -3;
    }
    CStatementUse use(stmt);
    bindText(stmt, 1, persistentId);
    sqlite3_bind_int(stmt, 2, type);
    int rows = 0;
    std::optional<std::string> value;
    rc = use.eachRow(
        [&rows, &value](sqlite3_stmt* s)
        {
            if (++rows == 1 && sqlite3_column_type(s, 0) != SQLITE_NULL)
                value = std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                                    sqlite3_column_bytes(s, 0));
        });
    if (rc != SQLITE_OK)
    {
        qDebug().noquote() << QString("sql:%1\nFailed:%2 %3")
                                  .arg(QString::fromUtf8(sqlite3_sql(stmt)))
                                  .arg(rc)
                                  .arg(QString::fromUtf8(sqlite3_errmsg(connection->db.get())));
        return -3;
    }
    if (rows != 1 || !value)
        return -4;
    out = std::move(*value);
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
        sqlite3_exec(g_ztracks->db.get(),
                     "create index if not exists TracksTableLocation on TracksTable(Location)", nullptr,
                     nullptr, nullptr);
    }
    return rc;
}

void CloseZTracksDB()
{
    g_ztracks.reset();
}

std::string SelectPersistentIDByLocation(const char* location)
{
    if (!location || !g_ztracks || !g_ztracks->db)
        return {};
    int rc = SQLITE_OK;
    sqlite3_stmt* stmt = g_ztracks->prepared(Fixed::PidByLocation, rc);
    if (!stmt)
        return {};
    CStatementUse use(stmt);
    bindText(stmt, 1, location);
    if (use.step() != SQLITE_ROW)
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt, 0))) : std::string();
}

std::vector<std::pair<std::string, std::string>> SelectZLocations()
{
    std::vector<std::pair<std::string, std::string>> rows;
    if (!g_ztracks || !g_ztracks->db)
        return rows;
    int rc = SQLITE_OK;
    sqlite3_stmt* stmt = g_ztracks->prepared(Fixed::LocationsAndPids, rc);
    if (!stmt)
        return rows;
    CStatementUse use(stmt);
    auto text = [stmt](int column)
    {
        const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return value ? std::string(value, static_cast<size_t>(sqlite3_column_bytes(stmt, column)))
                     : std::string();
    };
    while (use.step() == SQLITE_ROW)
        rows.emplace_back(text(0), text(1));
    return rows;
}

int UpdateZPersistentID(const char* oldId, const char* newId)
{
    if (!g_ztracks || !g_ztracks->db)
        return -1;
    if (!oldId || !newId)
        return -2;
    int rc = SQLITE_OK;
    if (sqlite3_stmt* stmt = g_ztracks->prepared(Fixed::UpdateZPid, rc))
    {
        rc = runPrepared(stmt,
                         [&](sqlite3_stmt* s)
                         {
                             bindText(s, 1, newId);
                             bindText(s, 2, oldId);
                         });
    }
    if (rc != SQLITE_OK)
        qDebug().noquote() << QString("UpdateZPersistentID Failed:%1 %2")
                                  .arg(rc)
                                  .arg(QString::fromUtf8(sqlite3_errmsg(g_ztracks->db.get())));
    return rc;
}
