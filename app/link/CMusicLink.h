#pragma once

#include "MusicManageTypes.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CMusicObj;
class CThreadAWS;
class IMusicLinkHost;
struct MusicInfo;
class QTimer;
struct ProjectRow;

// One track report of a load, an analysis or a duplicate scan, as SendLoadMusic carries it.
struct LinkTrackReport
{
    void* track = nullptr;
    int progress = 0;
    QString path;
};

// One member of a duplicate group the Sonalike engine published, copied out of the engine.
struct LinkDedupeMember
{
    QString title;
    QString artist;
    QString path;
    uint32_t fileSize = 0; // bytes
    int duration = 0;      // milliseconds
    int bitRate = 0;       // kilobits per second
};

// The one way the windows and result views reach the back end (the music manager, the working
// database's files, the iTunes stand-in's library file) and the Sonalike engine. It creates the
// manager, configures it once on a short thread (CThreadAWS), wraps every MM_ function and every
// engine call the windows make in a method, starts the engine for a duplicate scan, and turns the
// progress the manager and the engine report on their own threads into signals.
//
// What the windows still take from the back end without a call through the link, and why:
// - The records the link hands out (CMusicObj, MusicInfo; MusicObj.h) are read in place through
//   their getters and fields: they are plain data, and the views hold thousands of them, so a
//   copy per track would only cost memory. The duplicate page also makes its own MusicInfo
//   records of the engine's members, which it owns and hands back through ApplyiTunesMusicInfo.
// - The names of bits, modes and states (MusicFlags.h): constants, no calls.
// - The preview player (kestrine.h): the media library plays a song for a window and is no part
//   of the back end; the main window opens it and the preview routine drives it.
//
// Ownership: owned by the main window (Qt parent); owns the manager, which it destroys last.
// Track handles (CMusicObj*) and records it hands out stay the manager's.
//
// Threading: the methods run on the caller's thread (the GUI thread and the window's worker
// threads), as the MM_ functions do. Signals are always emitted on the link's own (GUI) thread:
// progress arriving on a back-end or engine thread is posted there, in order, so receivers run
// on the GUI thread whatever their connection type. The one exception is the end of the
// manager's analysis, which calls the host's RestartAnalyzeThread directly on the analysis
// thread.
//
// Per-track progress (SendLoadTracks / SendLoadMusic, UpdateProcess) is coalesced: a burst of
// thousands of reports reaches the GUI thread at most once a frame, as one batch of the tracks in
// the order they came followed by the latest progress value, so the event loop is never starved.
// Every report queued before a state signal (SendLoadOK, SendDowldInfo, the play signals) or the
// analysis hand-over is delivered before it.
class CMusicLink : public QObject
{
    Q_OBJECT

public:
    // host: the owning window's services (may be null: then no duplicate scan by the engine and
    // no analysis hand-over). parent: the Qt owner, normally the same window.
    explicit CMusicLink(IMusicLinkHost* host, QObject* parent = nullptr);
    ~CMusicLink() override;
    CMusicLink(const CMusicLink&) = delete;
    CMusicLink& operator=(const CMusicLink&) = delete;

    MusicManageHandle GetMusicManage() const { return m_manage; }

    // -1 without a manager. Re-sends the proxy once the configuration has run, then loads with
    // the working database path (g_strDBPath). xmlPath: UTF-8, null for the default library file.
    int LoadMusicLibrary(int runMode, const char* xmlPath = nullptr);
    void SetManageConfig();
    void SetManageProxy();
    // The manager's import, or, in the duplicate work mode with g_bScaniTunes clear, a run of the
    // Sonalike engine over the paths added to it. The start's result. An engine run ends with
    // exactly one SendLoadOK, after its groups are published, also when it is stopped or cannot
    // start; an import with exactly one after its last commit, unless it is stopped.
    int StartLoadMusic();
    int StartAnalyzeMusic(int options);
    int StartDownload(CMusicObj* track, const char* text, int valueA, int valueB);
    // track: a CMusicObj, or a bare MusicInfo of an engine duplicate (see MM_ApplyiTunesMusicInfo).
    // Adds the settings' "Replace" mask when it has the replace switch.
    int ApplyiTunesMusicInfo(void* track, int flags);
    // Removes the duplicate copies to the recycle folder with the results ApplyiTunesMusicInfo's
    // removal gives one by one, several on their way at once (see MM_RemoveToTrash). proceed(inFlight)
    // before each copy: 1 go on, 0 stop, 2 end the copies in flight first and ask again. done(index,
    // result) for each copy in order, once the library file holds it; without a manager each copy
    // is told -1. 0; 1 when proceed stopped the pass. On the calling thread, which they all block.
    int RemoveToTrash(const std::vector<void*>& tracks, const std::function<int(int)>& proceed,
                      const std::function<void(int, int)>& done);
    int ApplyMusicFixes(int index, int replaceMask);
    // The loaded tracks with fixes not yet applied (see MM_CountPendingFixes).
    int CountPendingFixes(int replaceMask);
    // A named number kept in the working database (see MM_GetLibraryValue). Any thread but the GUI
    // thread: it waits on the database.
    int LibraryValue(const char* key, int fallback);
    int SetLibraryValue(const char* key, int value);
    // The new texts of track (its current record) as Apply will write them under the settings'
    // "Replace" mask as it is now: a service's answer that the mask keeps back gives way to the
    // song's own text (see MM_HeldBackFields). False, out untouched, when there is no record.
    bool ShownRecord(CMusicObj* track, MusicInfo& out);
    // The settings' "Replace" mask when its switch is on, else 0: what Apply overwrites.
    static int ReplaceMask();
    int AddMusicFiles(const QStringList& paths);
    // The number of tracks that may be indexed (0 to result - 1); 0 without a manager.
    // *largestCount is the most tracks the run has held (for scoring, not an index bound).
    int GetMusicCount(int* largestCount = nullptr, int* firstType = nullptr);
    int CloseMusicLibrary();
    // flag non-zero: SendPlayModify(a, b); else SendPlayOver(). Any thread.
    void EmitPlayState(unsigned a, int b, int flag);

    int GetMusicObj(int index, CMusicObj** track, int* absence = nullptr, int* state = nullptr,
                    int64_t* repeatId = nullptr);
    int64_t GetRepeatID(CMusicObj* track);
    int GetMusicRecord(CMusicObj* track, MusicInfo** info, int which);
    int ModifyMusicInfo(CMusicObj* track, int mask, const char* const* texts);
    // The same with one text per set bit, in the bit order the manager reads them.
    int ModifyMusicInfo(CMusicObj* track, int mask, const QStringList& texts);
    // Writes the path with its terminator into the caller's buffer when it fits (see
    // MM_GetArtworkPath); the QString forms answer an empty text instead of a failure.
    int GetArtworkPath(CMusicObj* track, char* buffer, int bufferSize);
    QString GetArtworkPath(CMusicObj* track);
    // Whether GetArtworkPath would answer a path, told from the song itself: no picture file is
    // made or looked at and no lock of the library is waited for, unless the song neither has a
    // path nor is known to lack a picture.
    bool HasArtwork(CMusicObj* track);
    int GetArtworkData(CMusicObj* track, unsigned char** data, int* size);
    // The picture's bytes, copied and freed; empty when there is none.
    QByteArray GetArtworkData(CMusicObj* track);
    int FreeArtworkData(unsigned char** data);
    int GetInfoFixState(CMusicObj* track);
    int GetArtworkFixState(CMusicObj* track);
    int GetArtworkCount(CMusicObj* track);
    int GetArtworkCandidate(CMusicObj* track, int index, char* buffer, int bufferSize);
    QString GetArtworkCandidate(CMusicObj* track, int index);
    int SelectArtwork(CMusicObj* track, int index);
    int SetRunState(int kind, int state);
    // Non-zero: the program is exiting. Ends a Sonalike run this link started (waiting for its
    // worker, and freeing the engine's results) and stops and joins the manager's threads, so no
    // callback reaches the link or its host afterwards.
    int SetExitState(int flag);
    int ChangeAllMusicState(int bits, int set);
    int SetMusicState(CMusicObj* track, int state);
    int GetMusicState(CMusicObj* track);
    // false begins a transaction of the working database, true commits it.
    int SetTransaction(bool commit);
    // Copies the working database into target, consistently even while the manager writes it
    // (see MM_BackupMusicLibrary); 0 on success. Any thread: the copy may take a while.
    int BackupMusicLibrary(const QString& target);

    // The working database's files (see DatabaseCopy.h). Any thread, no manager needed; placing a
    // project copies a file, so callers run it on a worker.
    static QString PlaceProjectAsDatabase(const QString& project, const QString& database);
    // The working database a run left behind checked as a project (see DatabaseCopy.h).
    static QString CheckLeftDatabase(const QString& database);
    // Clears what a killed run left in the places the program writes (see ClearLeftovers in
    // DatabaseCopy.h): beside the songs of `database` and beside `besideFiles`, in `folders` and
    // in the recycle folder. True when a move into or out of the recycle folder was killed, so
    // copies remain there. Any thread: callers run it on a worker.
    static bool ClearLeftovers(const QString& database, const QStringList& besideFiles,
                               const QStringList& folders, const QString& recycleRoot);
    // A result that lives in no database (the engine's duplicate groups) saved as a project (see
    // DatabaseCopy.h); 0 on success. Any thread: callers run it on a worker.
    static int WriteProjectRows(const QString& target, const QList<ProjectRow>& rows, int libraryTotal);
    // The paths that exist and could not be removed.
    static QStringList RemoveDatabaseFiles(const QString& database);
    // The database and its journal files, whether they exist or not.
    static QStringList DatabaseFiles(const QString& database);
    // The iTunes library file a load reads when it is given none. Any thread.
    static QString DefaultLibraryPath();

    // The Sonalike engine's own calls for a duplicate scan of files, on the caller's thread with
    // the engine's results (see sonalike.h): the scan's paths go in before StartLoadMusic, the
    // run is paused and resumed, its groups are read once it has ended, and freed.
    int AddToDedupeList(const QString& path, int userValue);
    int PauseDedupeRun();
    int ContinueDedupeRun();
    int GetDedupeLoadCount();
    int GetDedupeGroupCount();
    // *count: the group's size. member (may be null): a copy of the group's item; 0 only when the
    // engine gave one.
    int GetDedupeGroupMember(unsigned group, int item, int* count, LinkDedupeMember* member);
    // Stops a run after its current track, frees tracks and groups and joins the engine's worker.
    int FreeDedupeResults();

    // Progress handlers, called by the C callbacks on the reporting thread.
    void LoadMusicProgress(const MusicProgressInfo& info);
    void AnalyzeMusicProgress(const MusicProgressInfo& info);
    void DownloadProgress(const MusicProgressInfo& info);

signals:
    void SendPlayOver();
    // The track reports of one delivery, in order; SendLoadMusic follows for each of them, so a
    // receiver connects to one of the two.
    void SendLoadTracks(const QList<LinkTrackReport>& reports);
    void SendLoadMusic(void* track, int progress, QString path);
    // The latest progress of the analysis, after the tracks of the same delivery.
    void UpdateProcess(int progress);
    void SendLoadOK();
    void SendDowldInfo(void* track, int absence, int valueB, int infoFixState);
    void SendStateInfo(void* track, int state);
    void SendPlayModify(uint a, int b);

private:
    // One run of the engine started by this link: the user pointer the engine calls back with.
    // Its track count comes with the start call; its end is reported once.
    struct DedupeRun
    {
        CMusicLink* link = nullptr;
        std::atomic<int> total{-1};
        std::atomic<bool> ended{false};
    };

    static int OnDedupeProgress(int* value, int index, const char* path, void* user);
    void DedupeProgress(DedupeRun& run, int* value, int index, const QString& path);
    // Runs f on the link's thread, after every report queued so far: at once when already there,
    // else posted in order.
    template <typename F> void Deliver(F&& f);
    // Queues a track report (track non-null) and/or a progress value (>= 0); any thread.
    void QueueReport(const LinkTrackReport* track, int progress);
    // The link's thread: delivers now, or at the end of the current frame when the last delivery
    // was less than a frame ago.
    void OnReportsQueued();
    // The link's thread: emits everything queued (the tracks, then the latest progress).
    void FlushReports();
    // Forgets queued reports of a run that has been stopped and joined.
    void DropReports();
    bool EngineRunsScan();
    // Ends any engine run of this link and joins the worker, so no report of it follows.
    void StopDedupeRun();

    MusicManageHandle m_manage = nullptr;
    CThreadAWS* m_configThread = nullptr; // child of this link

    // Host calls come from worker threads; the destructor clears the host under the lock so no
    // call reaches a window that is going away.
    mutable QMutex m_hostMutex;
    IMusicLinkHost* m_host = nullptr;

    // Every engine run this link started, kept until the link goes (the engine may call back
    // with any of them until its end call). Touched only on the link's thread.
    std::vector<std::unique_ptr<DedupeRun>> m_dedupeRuns;

    // Reports waiting for delivery, written by the reporting threads. reportsPosted: a delivery
    // is posted or timed, so later reports only join the queue.
    QMutex m_reportMutex;
    QList<LinkTrackReport> m_queuedTracks;
    int m_queuedProgress = -1;
    bool m_reportsPosted = false;
    // Link's thread only: the end-of-frame delivery (child of this link) and the time since the
    // last delivery.
    QTimer* m_reportTimer = nullptr;
    QElapsedTimer m_sinceDelivery;
};
