#pragma once

// Plain records that cross the music manager's C-style interface: the callback record a caller
// hands over for a job, the progress record the manager fills for each step, and the
// configuration and proxy records. No Qt types: the interface layer and its callers include this.

class CMusicManage;

// The handle MM_Create answers: the one manager of the process, opaque to its callers.
using MusicManageHandle = CMusicManage*;

// Job kinds: which job a callback record or a run-state request is about.
enum ERunStateType
{
    RunStateNone = 0,
    RunStateLoad = 1,
    RunStateAnalysis = 2,
    RunStateDownload = 3,
};

// Run states a job is driven through.
enum EManageRunState
{
    ManageIdle = 0,
    ManageRunning = 1,
    ManagePaused = 2,
    ManageStopped = 3,
};

// A restore's results (MM_ApplyiTunesMusicInfo with the restore flag) besides 0 and -1 (nothing
// to restore from). RestoreCopyKept: the copy still lies in the recycle folder, at the record's
// TrashPath, and could not be moved back. RestoreEntryLost: the file is at its place, but the
// library gave back no entry of its own for it (it answered another track's entry for the same
// file); the track stays removed.
enum ERestoreResult
{
    RestoreCopyKept = -2,
    RestoreEntryLost = -3,
};

// A write's result (MM_ApplyMusicFixes) when the song's file was written but the library file could
// not be saved (the library agent's "access denied", 0x80070005): the library keeps its old values
// and the fix stays to apply.
enum EWriteResult
{
    WriteLibraryNotSaved = -2147024891,
};

// What the window keeps of a result beside its tracks (MM_SetLibraryValue), so a saved or
// interrupted result opens as it stood. The stage a result had reached: none stored (an earlier
// version's result) opens as one whose fix pass has ended.
inline constexpr char kResultStageKey[] = "ResultStage";
enum EResultStage
{
    ResultStageUnknown = 0,
    ResultStageScored = 1,  // the score screen: no fix pass has run
    ResultStageFixed = 2,   // a fix pass has ended: Apply is offered
    ResultStageApplied = 3, // applied, nothing left to write
    ResultStageFixing = 4,  // a fix pass was under way: Continue goes on with it
};
// 1 while nothing of the working database is left that was neither applied nor saved: a run
// that ended unexpectedly then left nothing to continue.
inline constexpr char kResultSettledKey[] = "ResultSettled";
// 1 when no request of the last fix pass reached the recognition service, so a saved or continued
// result names the service as the page did; none stored reads as 0.
inline constexpr char kResultUnreachedKey[] = "ResultUnreached";

// One progress report. Zeroed, then filled by the import, the analysis or a download end; valid
// only during the callback. Progress is 0 to 10000; 10000 only in the final record of a load or
// an analysis.
struct MusicProgressInfo
{
    int Kind = 0;             // ERunStateType of the job
    int ObjFlag = 0;          // load: 1 when a track object came with the record; final analysis: 1;
                              // download: the track's info fix state
    int ArtworkFixState = 0;  // download: the track's artwork fix state
    void* MusicObj = nullptr; // the CMusicObj, or null
    int Total = 0;            // final analysis record: 10000
    int Progress = 0;
    int Reserved[4] = {0, 0, 0, 0};
    int Absence = 0;                // download: the track's Absence
    const char* Location = nullptr; // UTF-8 path of the track (load and analysis), or null
    int UserValue = 0;              // download: value B handed to StartDownload
};

// Called on the manager's worker thread; the result is ignored.
using MusicProgressFunc = int (*)(const MusicProgressInfo* info, void* context);

// Handed by pointer for a job; the manager copies the fields.
struct MusicCallback
{
    int Kind = 0; // ERunStateType
    MusicProgressFunc Function = nullptr;
    void* Context = nullptr;
};

// A removal pass's questions and answers (MM_RemoveToTrash), on the caller's thread. Proceed is asked
// before each copy, `inFlight` copies still on their way: 1 goes on, 0 stops the pass, 2 lets the
// copies in flight end first and asks again. Done tells each copy's result (as MM_ApplyiTunesMusicInfo
// answers it) in the order of the copies, once the library file holds the copy's change.
struct MusicRemovalCallback
{
    int (*Proceed)(void* context, int inFlight) = nullptr;
    void (*Done)(void* context, int index, int result) = nullptr;
    void* Context = nullptr;
};

// Configuration built by the link from the settings. The manager keeps nothing of it.
struct MusicManageConfig
{
    void* Link = nullptr;
    const char* PictureFolder = nullptr; // UTF-8
    int Reserved = 0;
    int ProxyEnabled = 0;
    int ProxyMarker = -1; // 0 proxy on, -1 off
    const char* ProxyHost = nullptr;
    int ProxyPort = 0;
    const char* ProxyUser = nullptr;     // null when empty
    const char* ProxyPassword = nullptr; // null when empty
};

// Proxy record; only the marker is filled when the proxy is off.
struct MusicManageProxy
{
    int ProxyMarker = -1; // -1 proxy off, 0 on
    const char* Host = nullptr;
    int Port = 0;
    const char* User = nullptr;
    const char* Password = nullptr;
};
