#pragma once

#include "ManageLog.h"
#include "MusicFlags.h"
#include "MusicManageTypes.h"
#include "MusicObj.h"
#include "RetireQueue.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CiTunesLib;
class CSameFileIndex;
class CLoadThread;
class CAnalyzeThrad;
class CSaveToDBThread;
class CDowndThrad;
class CMusicManage;

// One download slot of the manager (four of them). Its thread has an empty body, so a download
// hands it nothing to read: a slot is free when its thread is not running.
struct DownloadSlot
{
    std::unique_ptr<CDowndThrad> thread;
};

// The one object that owns a loaded music library: the track objects of the run, the library
// object, and the import, analysis and save threads. Reached only through the manager interface.
// Its methods live by concern: MusicManage.cpp (life, jobs and run state, the lists, downloads),
// MusicManageLibrary.cpp (opening and closing a library), MusicManageArtwork.cpp,
// MusicManageEdit.cpp (the user's changes), MusicManageSave.cpp, MusicAnalysis.cpp and
// MusicApply.cpp.
//
// Threading:
// - Operations run on the caller's thread; the import, analysis and save passes on their own.
// - The exit flag, the analysis pause flag and the run state change under g_musicInfoMutex and
//   wake g_musicInfoCondition; the import's pause and stop live in the library object under
//   g_importMutex. A stop always wakes a paused worker, so stopping and destruction never hang.
// - The track lists are guarded by a list mutex; track pointers handed out stay valid until the
//   next load, the close, or the save pass's removal of tracks without problems.
// - Every database write holds the library object's DbMutex, and a memory-and-database change
//   (an edit, an artwork choice, a save step) holds it throughout, so they never interleave.
//   Beginning a transaction (the apply pass) first waits for a running save pass.
class CMusicManage
{
public:
    static constexpr int kDownloadSlots = 4;

    CMusicManage(const QString& logFolder, const QString& dataFolder, const QString& recycleRoot);
    ~CMusicManage();
    CMusicManage(const CMusicManage&) = delete;
    CMusicManage& operator=(const CMusicManage&) = delete;

    // 0 when a library object exists afterwards, -1 otherwise.
    int LoadMusicLibrary(const char* xmlPath, const char* dbPath, int mode);
    void CloseMusicLibrary();
    // Non-zero: sets the exit flag, stops every job and joins the import, analysis and save
    // threads (not when called on one of them). 0 changes nothing and answers -1.
    int SetExitState(int flag);
    // Both answer 0 and keep nothing of their record: the manager makes no network request of its
    // own (a download slot's thread does no work) and takes its folders from its constructor.
    int SetConfig(const MusicManageConfig* config);
    int SetProxy(const MusicManageProxy* proxy);
    int LoadMusicList(const MusicCallback* callback);
    int AnalyzeMusicList(const MusicCallback* callback, int options);
    int SetRunState(int kind, int state);

    int GetMusicCount(int* largestCount, int* firstType);
    int GetMusicObj(int index, CMusicObj** obj, int* absence, int* state, int64_t* repeatId);
    int GetMusicRecord(CMusicObj* obj, MusicInfo** info, int which);
    QString GetArtworkPath(CMusicObj* obj);
    int GetArtworkData(CMusicObj* obj, QByteArray& data);
    // C form for the interface: a malloc'ed buffer, freed with FreeArtworkData.
    int GetArtworkData(CMusicObj* obj, unsigned char** data, int* size);
    int FreeArtworkData(unsigned char** data);
    int GetInfoFixState(CMusicObj* obj);
    int GetArtworkFixState(CMusicObj* obj);
    int GetArtworkCount(CMusicObj* obj);
    QString GetArtworkCandidate(CMusicObj* obj, int index);
    // 0, or negative with nothing changed: no track, no such candidate, exiting, or the
    // database refused the picture.
    int SelectArtwork(CMusicObj* obj, int index);
    // The user's edit: one UTF-8 text per set bit of Name, Artist, Album, Year, Genre (in this
    // order), then a picture path for the Artwork bit. 0, or negative with neither the track
    // nor its row changed.
    int ModifyMusicInfo(CMusicObj* obj, int mask, const char* const* texts);
    int AddMusicFiles(int count, const char* const* paths);
    int64_t GetRepeatID(CMusicObj* obj);
    int GetMusicState(CMusicObj* obj);
    int SetMusicState(CMusicObj* obj, int state);
    int ChangeAllMusicState(int bits, int set);
    // 0 begins a transaction (after a running save pass has ended), non-zero commits.
    int SetTransaction(int flag);
    int StartDownload(CMusicObj* obj, const char* text, int valueA, const MusicCallback* callback,
                      int valueB);

    int SaveMusicObj(CMusicObj* obj);
    // The save pass: writes every analysed track, then removes the tracks without problems.
    void SaveDataToDB();
    // The analysis pass over the main list (run on the analysis thread). MusicAnalysis.cpp.
    int AnalyzeMusicInfo();
    // The duplicate test of one new track against the main list's tracks 0..last (every one in
    // turn): 1 a duplicate (groupId and removeNew set), 0 none, -1 the new track cannot be
    // fingerprinted. The analysis gets the same answers through its indexes. MusicAnalysis.cpp.
    int DuplicateCalculate(const MusicInfo* info, int last, int options, int64_t* groupId,
                           unsigned char* removeNew);

    // Applying changes to iTunes, files and the recycle folder (MusicApply.cpp). A track is a
    // CMusicObj* when it is one of the lists' track objects, else a bare MusicInfo* of the
    // engine's results, taken as Type 4 (what the pointer is decides, not g_bScaniTunes).
    int ApplyiTunesMusicInfo(void* track, int flags, int replace);
    int ApplyTrackInfo(CMusicObj* obj, int flags, int replace);
    int ApplyMusicFixes(int index, int replace);
    // The fields ApplyMusicFixes would write for a track now (0: nothing is pending for it);
    // allTicked: as if every row of the song were ticked (its exclusions left out).
    int FixesToWrite(CMusicObj& track, int replace, bool allTicked = false) const;
    // The text fields whose new text came from the service and that FixesToWrite keeps back, the
    // song's rows ticked: "Replace" does not overwrite the song's own text there (empty or not),
    // nor does the problem's repair fill it, and no Apply wrote it.
    int HeldBackFields(CMusicObj& track, int replace) const;
    // The loaded tracks with a fix still to be written: what a saved or interrupted result left
    // unapplied. Any thread, while no load runs.
    int CountPendingFixes(int replace) const;
    // A named number of the open database (SelectLibraryValue, UpdateLibraryValue): fallback, or
    // -1 for the update, when none is open. Any thread.
    int LibraryValue(const char* key, int fallback) const;
    int SetLibraryValue(const char* key, int value);
    // Removal (0 or -1). An iTunes track (Type 1) only leaves iTunes; its file stays. A duplicate
    // (Type 4 or 5) moves its file under a free name into the recycle path and records where (a
    // track's row, a bare record's TrashPath); Type 5 then leaves iTunes too, and its file goes
    // back when that fails. A Type 4 file that a track of the lists also has loses its iTunes
    // entry as well (found through the second database). A track of the lists whose file another
    // track of the lists keeps (a library that lists one file twice, under any spelling: the same
    // device and inode) leaves the library alone: its file stays, and its row's recycle path is
    // that file's own place. Other types change nothing.
    int DeleteToTrash(void* track);
    // DeleteToTrash of every track in turn, several in flight at once (see CRemovalPipeline), asking
    // and answering through the callback (MusicRemovalCallback). 0; 1 when Proceed stopped the pass,
    // after the copies in flight have ended and been told.
    int RemoveToTrash(void* const* tracks, int count, const MusicRemovalCallback& callback);
    // Restore (0 or -1) of a Type 4 or 5 removal: moves the file from its recorded recycle path
    // back to its location. A row's recycle path is then cleared, and a Type 5 track comes back
    // into iTunes under a new PersistentID; a Type 4 file that a track of the lists also has gets
    // its iTunes entry back. A file already at its location is nothing to restore (0), unless a
    // row still records a recycle path: then the restore an earlier call began is finished. A
    // track removed alone (its file kept) gets its iTunes entry back; RestoreEntryLost when iTunes
    // answers another track's entry instead, the track staying removed.
    int RestoreFromTrash(void* track);
    // Blocks until a running save pass has ended (not when called on the save thread).
    void WaitForSavePass();

    // For the analysis pass: blocks while the analysis is paused; true when it is to stop.
    bool WaitWhileAnalysisPaused();
    bool IsExiting() const { return m_exit.load(); }
    bool SkipYearGenre() const { return m_skipYearGenre; }
    int GetOptionFlags() const { return m_optionFlags; }
    int GetRunState() const;
    int GetJobKind() const { return m_jobKind.load(); }
    bool IsAnalysisPaused() const;
    CiTunesLib* GetLibrary() const { return m_library.get(); }
    CiTunesLib* GetZLibrary() const { return m_zLibrary.get(); }
    QString GetDataFolder() const { return m_dataFolder; }
    // The recycle root given to the constructor with the date of that day ("yyyy-MM-dd") below
    // it: every removal of this manager's life goes into that one folder, made when needed.
    QString GetRecyclePath() const { return m_recyclePath; }
    QString GetLogPath() const { return m_log.Path(); }

    // The start page's work mode (2: duplicates). With work mode 2 and g_bScaniTunes clear the
    // duplicate engine scans, and the library object does not start the iTunes agent.
    void SetWorkMode(EWorkMode workMode) { m_workMode = workMode; }
    bool EngineRunsDuplicateScan() const;

    // Called by the import for every track object it makes; the manager owns it afterwards.
    void AppendMusicObj(std::unique_ptr<CMusicObj> obj);
    // Moves the main list's entry at index to the end of the clean list (analysis).
    bool MoveToCleanList(int index);
    // Moves the main list's entries at these ascending indexes to the end of the clean list, in
    // order, in one pass (analysis; MusicAnalysis.cpp).
    void MoveToCleanList(const std::vector<int>& ascending);
    CMusicObj* MusicAt(int index) const;
    int MainListSize() const;
    int CleanListSize() const;
    // Whether `track` is one of the track objects of the main or clean list (one lock, one pass).
    bool OwnsTrack(const void* track) const;
    // Whether a track of the main list that is not removed (no recycle path in its row) has this
    // PersistentID: a restored entry that answers one is that track's, not the removed one's.
    bool KeptTrackHoldsPersistentID(const QString& persistentId) const;

    void WriteManageLog(const QString& text);

    // Thread bodies.
    void RunImportJob();
    void RunAnalysisJob();

private:
    int SetAnalysisState(int state);
    void StopDownloads();
    int FindFreeDownloadSlot() const;
    // The picture file a track's artwork bytes may be written to: its chosen path when that lies
    // inside the data folder, else empty.
    bool IsInsideDataFolder(const QString& path) const;
    void JoinWorkers();
    bool OnWorkerThread() const;
    // The set-up's steps: a library object is not opened, nor kept, once a stop has arrived.
    std::unique_ptr<CiTunesLib> OpenLibraryObject(const QString& xml, const QString& db, int mode,
                                                  int& result);
    bool PublishLibrary(std::unique_ptr<CiTunesLib>& slot, std::unique_ptr<CiTunesLib>& library);
    std::unique_ptr<CiTunesLib> TakeLibrary(std::unique_ptr<CiTunesLib>& slot);
    void ClearTracks();
    // Whether another track of the main list that is not removed has the file of `obj`
    // (MusicApply.cpp).
    bool FileKeptByOther(const CMusicObj& obj);

    std::vector<std::unique_ptr<CMusicObj>> m_mainList;
    std::vector<std::unique_ptr<CMusicObj>> m_cleanList;
    mutable QMutex m_listMutex;
    // Guards the library objects' pointers against the window's stop and pause calls while the
    // set-up thread replaces them, and the set-up's state below.
    mutable QMutex m_libraryMutex;
    std::unique_ptr<CiTunesLib> m_library;
    bool m_settingUp = false;      // LoadMusicLibrary runs
    bool m_setupStopped = false;   // a stop arrived since it began
    bool m_openingLibrary = false; // a library object is being opened (the agent reads the file)
    // The agent's releases, the closed libraries and their tracks, freed off the caller's thread.
    CRetireQueue m_retire;
    std::array<DownloadSlot, kDownloadSlots> m_slots;
    std::atomic<int> m_jobKind{0};
    int m_runState = 0; // guarded by g_musicInfoMutex
    QString m_logFolder;
    QString m_dataFolder;
    QString m_recyclePath;
    MusicProgressFunc m_loadCallback = nullptr;
    MusicProgressFunc m_analysisCallback = nullptr;
    void* m_callbackContext = nullptr;
    std::unique_ptr<CLoadThread> m_loadThread;
    std::unique_ptr<CAnalyzeThrad> m_analyzeThread;
    std::unique_ptr<CSaveToDBThread> m_saveThread;
    std::unique_ptr<CiTunesLib> m_zLibrary;
    int m_optionFlags = 0;
    int m_trackCount = 0;
    int m_projectTotal = 0; // the whole library's size a saved project was analysed with
    std::atomic<bool> m_exit{false};
    bool m_analysisPaused = false; // guarded by g_musicInfoMutex
    bool m_skipYearGenre = false;
    std::optional<EWorkMode> m_workMode;
    // The main list by file, for the removals' "does another track keep this file": built by the
    // first removal that asks and kept while a transaction runs (SetTransaction drops it at both
    // ends), so a batch of removals stats each track once; outside a transaction it serves one.
    QMutex m_fileIndexMutex;
    std::unique_ptr<CSameFileIndex> m_fileIndex;
    bool m_inTransaction = false; // guarded by m_fileIndexMutex
    CManageLog m_log;
};
