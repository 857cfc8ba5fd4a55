#pragma once

#include "MusicObj.h"

#include <QList>
#include <QString>
#include <QStringList>

// Copies a library database into another file with SQLite's online backup, so a database that is
// open and being written elsewhere is copied consistently (its last committed state). The copy is
// made in a temporary file beside the target and renamed over it only when complete: a failure
// leaves an existing target untouched. The target is the file itself: through a symbolic link the
// copy replaces the file the link names (the link stays a link), and an existing file keeps its
// permissions; a link that leads nowhere or a file with more than one name is not written, as no
// rename would reach the user's file (its every name). Any thread.
//
// Results: 0 copied; -1 empty path or the source does not exist; -2 the source cannot be opened
// or is not a database; -3 the temporary file cannot be created; -4 the backup failed (disk full,
// read error, busy for too long); -5 the rename failed or the target may not be replaced. Source
// and target the same file: -6.
int BackupDatabaseFile(const QString& source, const QString& target);

// Tells whether a file is a library database the project loader can read: it opens as SQLite,
// holds nothing the program never writes (no trigger, no virtual table), is whole pages and
// passes SQLite's quick_check, holds the table TracksTable with every column the loader and the
// saver use (an older generation that opening upgrades counts), and at least one row has a
// persistent id in the hex form the loader accepts. The schema is read first, so a file of the
// wrong shape is refused before the pass over its pages. Answers an empty text when it is, else
// a log line naming what is wrong. Any thread.
QString CheckProjectDatabase(const QString& path);

// CheckProjectDatabase for the working database a run left behind: a write it was in the
// middle of is rolled back first (its hot journal replayed), as the loader would. A database
// marked settled (kResultSettledKey: all of it was applied or saved) is answered like an invalid
// one, since it holds nothing to continue. Any thread: it reads the whole file, so callers run it
// on a worker.
QString CheckLeftDatabase(const QString& path);

// Every folder the program writes into, for the start's clearing of what a killed run left.
struct LeftoverPlaces
{
    QString database;        // the working database: the folders of the songs it names
    QStringList besideFiles; // files written whole (the library file): their folder, and through
                             // a link the folder of the file it names
    QStringList folders;     // folders of the database and of projects
    QString recycleRoot;     // the recycle folder: its day folders and the marks of its moves
};

// Clears the temporaries a killed run of ours left in every place named, each kind under its own
// prefix and only what is older than this run, never through a link: the edit copies
// (".tidewell-edit-") beside the songs the database names and beside the files written whole,
// the database copies (".tidewell-copy-", with their journals) in the folders, and the recycle
// folder's leftovers (CRecycleBin::ClearLeftovers); a hot journal of the database is rolled back
// first. True when a removal or a restore was killed while it moved a copy: copies remain in the
// recycle folder. Any thread; it reads the database, so callers run it on a worker.
bool ClearLeftovers(const LeftoverPlaces& places);

// Puts a saved project in place as the working database: copies it into a temporary file beside
// the database, checks the copy (CheckProjectDatabase) and renames it over the database only
// when it is a project and complete, removing the database's stale journal files first. The
// database is reached and refused as BackupDatabaseFile's target is. Anything
// else (a directory, a FIFO, an unreadable or foreign file) leaves the database and the project
// as they were. A project that is the working database itself is only checked. Answers an empty
// text on success, else a log line naming the failure. Any thread.
QString PlaceProjectAsDatabase(const QString& project, const QString& database);

// Writes rows as a saved project, in the database form the project loader reads (one TracksTable
// row each, and libraryTotal as the number of songs the result was found among). The database is
// made in a temporary file beside target and renamed over it only when complete: a failure leaves
// an existing target untouched. The target is reached and refused as BackupDatabaseFile's is.
// Results: 0 written; -1 empty target or no rows; -3 the temporary file cannot be made; -4
// writing failed (disk full); -5 the rename failed or the target may not be replaced. Any thread.
int WriteProjectRows(const QString& target, const QList<ProjectRow>& rows, int libraryTotal);

// A database file and its journal companions ("-journal", "-wal", "-shm"), whether they exist or
// not.
QStringList DatabaseFiles(const QString& database);

// Removes a database file and its journal companions ("-journal", "-wal", "-shm"). Answers the
// paths that exist and could not be removed.
QStringList RemoveDatabaseFiles(const QString& database);
