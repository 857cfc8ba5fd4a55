#pragma once

#include "MusicManageTypes.h"
#include "MusicObj.h"
#include "MusicTag.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

class CMusicManage;

// Progress of track i (0-based) of n, in ten-thousandths, held at 9999: 10000 is kept for the
// final record. Computed in 64 bits so libraries of any size cannot overflow.
int ImportProgress(int64_t index, int64_t count);

// True for a persistent id as the library database may hold it: 1 to 16 hexadecimal digits (the
// iTunes form, or the decimal id of a file track). Anything else in a saved database is refused,
// because the id also names cache and picture files.
bool IsPersistentIdText(const QString& id);

// One loaded library: it owns the library database connection for its lifetime, starts and
// releases the iTunes agent for the iTunes run modes, holds the files for the file run modes,
// and runs the import that fills TracksTable and the manager's main track list.
//
// Threading: the import runs on the manager's import thread; SetState and SetStopFlag come from
// other threads and change the pause and stop state under g_importMutex, waking the import.
// Every database call goes through DbMutex(), so the import, the save pass, the user's edits and
// the apply pass never interleave on the one connection.
class CiTunesLib
{
public:
    // Deletes the database file first unless the mode is 3 (a saved database is reopened), opens
    // it, and for modes 1 and 5 starts the agent on the XML path. result receives the last step's
    // result: OpenTracksDB's (0, 1 upgraded, negative) or OpenAgent's.
    CiTunesLib(CMusicManage* manager, const QString& xmlPath, const QString& dbPath, int mode, int* result);
    ~CiTunesLib();
    CiTunesLib(const CiTunesLib&) = delete;
    CiTunesLib& operator=(const CiTunesLib&) = delete;

    int OpenAgent(const QString& xmlPath);
    // Closes the library connection this object opened (the connection is the process's one:
    // a later library opens it anew). The destructor does it too.
    void CloseDatabase();

    // 1 run, 2 pause, 3 stop. A stop always wakes a paused import. Returns 0.
    int SetState(int state);
    int GetState() const;
    bool IsPaused() const;
    // Ends the import at its next track, also when it is paused.
    void SetStopFlag(bool stop);
    bool GetStopFlag() const { return m_stopFlag.load(); }
    int GetMode() const { return m_mode; }

    // Replaces the files to import (modes 2 and 4). -1 for a null array or a count below 1.
    int AddMusicFiles(const char* const* paths, int count);

    // The import (see the class comment). 0, or -1 for a mode outside 1 to 5.
    int LoadMusicData(const QString& dataFolder, MusicProgressFunc callback, void* context);
    // Mode 4's copy of the iTunes library into the second database: the mode-5 import without
    // callbacks and without track objects. Releases the library connection afterwards so the
    // library object of the run opens its own.
    int LoadZMusicData();

    bool HasArtwork(const MusicInfo* info, int type);
    // The second database's entry of the file at `location`: the row of that Location, else the
    // row whose Location reaches the same file (another spelling, a linked folder, a hard link).
    // 0 found (FoundPersistentID), -1 none.
    int FindInZDatabase(const char* location);
    QString FoundPersistentID() const { return m_foundPersistentID; }
    void CloseZDatabase();
    int OpenZDatabase(const QString& path);
    // false begins a transaction, true commits it.
    int SetTransaction(bool commit);

    // Database and agent wrappers: each returns the wrapped result and logs a failure.
    int DeleteMusicFromDB(const QString& persistentId, int type);
    int UpdateMusicInfoToDB(const MusicInfo* info, int type);
    int UpdateMultiValues(const QString& persistentId, int type, const char* const* names,
                          const char* const* values, int count);
    int UpdateValue(const QString& persistentId, int type, const char* column, const char* text, int value);
    int UpdateAllMusicState(int mask, int set);
    int UpdateArtworkDataToDB(const QString& persistentId, int type, const QString& picturePath);
    int SaveArtworkToFile(const QString& persistentId, const QString& path, QByteArray& out);
    // The track's artwork bytes: from the database when stored, else fetched by type (1 iTunes,
    // 2 the file) and stored under picturePath. -25 for a null record.
    int LoadArtworkToDB(const MusicInfo* info, int type, const QString& picturePath, QByteArray& out);

    // Applying changes (MusicApply.cpp). Writes the tags and artwork of `mask` (Name, Artist,
    // Album, Year, Genre, Artwork) into iTunes (type 1) or the file (type 2); every write is tried.
    // 0 when every write made succeeded, else the first failing write's code; -1 when no write was
    // made; -15 for no record. `written` (may be null) receives the bits whose write succeeded.
    int SaveMusicInfo(const MusicInfo* info, const QString& artPath, int type, int mask, int* written);
    // Removal of a track of the lists: types 4 and 5 move the file to `target` first and record it
    // in the row's "TrashPath"; types 1 and 5 then delete the iTunes entry. A failing step undoes
    // the steps before it. 0 or -1. `target` receives the name the file finally got. A `target`
    // that is the record's own Location removes the entry alone: the file stays, and the row's
    // "TrashPath" names it at its place.
    int DeleteMusic(QString& target, const MusicInfo* info, int type);
    // The same for a bare record of the duplicate engine: the recycle path goes into its TrashPath.
    int DeleteMusicByInfo(QString& target, MusicInfo* info, int type);
    // On the z library object: type 4 deletes the iTunes track. 0 or -1.
    int DeleteLinkedITunesTrack(const QString& persistentId, int type);
    // Moves a removed file back (types 4 and 5) and, for type 5, adds it to iTunes again before the
    // recycle path is cleared; the record gets the new PersistentID. 0 or -1 with nothing changed.
    // `fromRow`: the record is a track of the lists, whose recycle path DeleteMusic kept in its row;
    // otherwise it is a bare record carrying its own TrashPath. A row whose recycle path is its own
    // Location (the entry removed alone) moves nothing: only the entry comes back. RestoreEntryLost
    // when iTunes answers an entry another track of the lists has: the file stays at its place and
    // the row unchanged.
    int RestoreMusic(MusicInfo* info, int type, bool fromRow);
    // On the z library object: type 5 adds the file at `location` to iTunes again. 0 or -1.
    int RestoreMusicFormItunes(const QString& persistentId, const QString& location, int type);

    // Held by every database call; callers hold it across a memory-and-database change, so it is
    // taken again inside. A std::recursive_mutex rather than QRecursiveMutex: its locking goes
    // through pthread, which ThreadSanitizer sees, so the order it gives shows in a sanitizer run.
    std::recursive_mutex& DbMutex() { return m_dbMutex; }

private:
    enum class ImportTarget
    {
        MainList,
        ZDatabase
    };
    // What the import reads of one track, whichever its source.
    struct ImportedTrack
    {
        MusicInfo current;
        MusicInfo old;
        QString artPath;
        int absence = 0;
        int state = 0;
        int64_t repeatId = 0;
        int hasArtwork = 0;
        int type = 0;
        // The artwork answer when it was asked ahead (iTunes tracks of the main list).
        std::optional<bool> askedArtwork;
    };
    // The import loop: reads track after track from the run mode's source, makes the track
    // objects and reports progress; pause and stop are looked at between tracks.
    int RunImport(const QString& dataFolder, MusicProgressFunc callback, void* context, ImportTarget target);
    // One track of each source; false (logged) when the track is left out.
    // The agent's list (types 1, 5), inserted into the library database.
    bool ReadAgentTrack(int index, ImportedTrack& track);
    // The text as a QString, one copy for every track of the import that has the same (see
    // m_sharedTexts); empty for null.
    QString SharedText(const char* text);
    // Whether the agent's track `index` has artwork, as MakeTrackObject asks it. Any thread.
    bool AgentTrackHasArtwork(int index);
    // A file of the list (types 2, 4): its tags, inserted into the library database.
    bool ReadFileTrack(int index, ImportedTrack& track);
    // A row of a saved project (type 3), read as untrusted input.
    bool ReadProjectRow(int index, const QString& dataFolder, ImportedTrack& track);
    // The track object of what was read, with its artwork state.
    std::unique_ptr<CMusicObj> MakeTrackObject(ImportedTrack& track);
    int TrackCount();
    // Blocks while paused; true when the import is to stop.
    bool WaitForTurn();
    // The stop flag for a read of a song's tags or pictures: a stop ends a read in progress.
    ReadStop ReadStopFlag() const
    {
        return [this] { return m_stopFlag.load(); };
    }
    void Log(const QString& text) const;
    void ForgetZFiles();

    int m_paused = 0;   // guarded by g_importMutex
    int m_runState = 0; // guarded by g_importMutex
    QString m_foundPersistentID;
    // The second database's rows by the file each Location reaches, made on the first look-up that
    // the spelling does not answer; dropped when the database opens, closes or changes an id.
    struct ZFileIndex;
    std::unique_ptr<ZFileIndex> m_zFiles;
    // The artists, albums, genres, years and bit rates of an import's tracks, which repeat across
    // a library: each is held once however many tracks name it. Import thread only; emptied when
    // the import ends.
    QHash<QByteArray, QString> m_sharedTexts;
    CMusicManage* m_manager = nullptr;
    std::atomic<bool> m_stopFlag{false};
    int m_mode = 0;
    QStringList m_filePaths;
    bool m_ownsConnection = false;
    bool m_agentStarted = false;
    std::recursive_mutex m_dbMutex;
};
