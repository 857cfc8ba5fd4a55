#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The working library database: one table, TracksTable, one row per track, addressed by
// (PersistentID, Type). Two process-wide connections: the library database, and a read-only
// view of a second database of the same shape ("MusicLibraryz.db") used to look a file's
// persistent id up by its location. Each connection has its own handle and file.
//
// Texts are UTF-8. Every value is bound as a statement parameter. Failures are returned as
// ints and written to the debug output; success writes nothing. Each connection keeps its
// statements prepared from their first use until it closes. No locks: a connection and its
// statements must be used by one thread at a time (the library object holding a connection
// calls in under its database mutex).

namespace tracks_db
{
// Column names of TracksTable, in table order.
extern const char* const kColumns[24];
// The statement that makes TracksTable in a new database.
extern const char* const kCreateTable;
// Columns of a row handed out by the page reader, in order.
extern const char* const kPageColumns[20];
constexpr int kPageRows = 3000;
} // namespace tracks_db

// 0 opened or created, 1 opened and upgraded; -1 null path, -2 out of memory, -3 open failed
// (also: not a database, or no TracksTable), -4 create failed, -5 an upgrade statement failed.
int OpenTracksDB(const char* path);
void CloseTracksDB();
bool IsTracksDBOpen();

int BeginTransaction();
int CommitTransaction();

int InsertTracksTable_kvt(const char* name, const char* artist, const char* album, const char* totalTime,
                          const char* size, const char* location, const char* persistentId, const char* year,
                          const char* genre, const char* bitrate, const char* purchased, int trackId,
                          int type);

int DeleteData(const char* persistentId, int type);
int DeleteDataByType(int type);

// Sets one column: the text when not null, otherwise the int. -2 for a null id or column, or a
// column that TracksTable does not have.
int UpdateValueToDB(const char* persistentId, int type, const char* column, const char* text, int value);
int UpdateFlagToDB(const char* trackId, int type, int newType);
// One update of several columns; a null value leaves that column NULL. -3 when the statement
// would exceed 511 characters.
int UpdateMultiValuesToDB(const char* persistentId, int type, const char* const* columns,
                          const char* const* values, int count);
// Sets (set != 0) or clears the mask in every row's State.
int UpdateAllMusicStateToDB(int mask, int set);
int UpdateArtworkData(const char* persistentId, int type, const char* artPath, const unsigned char* data,
                      int length);
// 0 with the bytes; -3 no row or an empty blob; -2 null arguments.
int SelectArtworkData(const char* persistentId, int type, std::vector<unsigned char>& out);

// Counts the rows and keeps the count as the page reader's total.
int SelectTrackCount();

// The number of songs the library held when it was analysed. It is kept beside the tracks because
// the clean songs leave the table, and a saved project must still score against the whole
// library. 0 when the database has none.
int SelectLibraryTotal();
// 0 stored; -1 no database; -2 the statement failed.
int UpdateLibraryTotal(int total);

// A named number kept beside the tracks in LibraryInfo (the total above is one): fallback when
// the database has none. Update answers as UpdateLibraryTotal.
int SelectLibraryValue(const char* key, int fallback);
int UpdateLibraryValue(const char* key, int value);

// A row handed out by the page reader: 20 values in kPageColumns order (null for NULL).
using TrackRow = const char* const*;
// The page reader: hands out rows in order, reading pages of 3000 rows. Null past the end.
TrackRow SelectMultiValuesFromDB(int row);
const char* GetRowValue(TrackRow row, const char* column);
void FreeTrackPages();

// 0 with the value when exactly one row has a non-NULL value; -4 no such value; -3 query
// failure; -2 null arguments or an unknown column.
int SelectValueFromDB(const char* persistentId, int type, const char* column, std::string& out);

int OpenZTracksDB(const char* path);
void CloseZTracksDB();
// The PersistentID of the first row with exactly this Location in the second database.
std::string SelectPersistentIDByLocation(const char* location);
// Every row's Location and PersistentID in the second database, in row order.
std::vector<std::pair<std::string, std::string>> SelectZLocations();
// Gives the second database's rows of a track the id iTunes gave it when it was added again.
// 0, -1 when the second database is not open, -2 null arguments, else the SQLite code.
int UpdateZPersistentID(const char* oldId, const char* newId);
