#pragma once

#include "MusicFlags.h"
#include "PauseRequest.h"
#include "RemovalPause.h"

#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CClearTrashThread;
class CDuplicateItem;
class CDuplicateWidget;
class CDuptOptWidget;
class CFailedTreeWidget;
class CFixWriter;
class CMusicLink;
class CMusicObj;
class CRowReaper;
class QSplitter;
class QStackedLayout;
class QTreeWidgetItem;
struct MusicInfo;
struct ProjectRow;

// The main window's duplicate page: the scan set-up (options and the list of paths) and the
// result tree, one top-level row per duplicate group and a check-box row per copy. It removes
// the checked copies into the recycle folder, restores them, previews a copy, and owns the
// recycle folder's clean-up thread with its question.
//
// Threading: a GUI-thread widget. AddDuplicateTrack may be called on the window's analysis
// thread, RemoveDuplicate runs on its apply thread and a restore on one of the view's restore threads;
// each hands every row change to the GUI thread by queued calls and never waits for it, so the
// window can wait for those threads.
// Everything else runs on the GUI thread.
class CDuplicate : public QWidget
{
    Q_OBJECT

public:
    CDuplicate(int mediaHandle, CMusicLink* link, QWidget* parent = nullptr);
    ~CDuplicate() override;

    void SetMusicLink(CMusicLink* link);
    // The writer that puts the tracks' states into the library in order, off the GUI thread (the
    // report page's, so the two pages' writes keep one order). Without one a track's state is
    // not written.
    void SetStateWriter(CFixWriter* writer) { m_pWriter = writer; }
    // Starts the recycle clean-up the first time in the process's life; later calls do nothing.
    void StartClearTrash();
    // Moves every path out of the scan list into paths (last listed first) and saves the scan
    // options.
    void TakeScanPaths(QStringList& paths);
    // The paths of the scan list (last listed first), which stay listed, and saves the scan
    // options: what a Scan scans.
    QStringList ScanPaths();
    // Lists paths on the scan list as if the user had added them (the next Scan takes them).
    void SetPendingScanPaths(const QStringList& paths);
    // Any thread. A track the analysis marked as a duplicate (absence has 0x4000) joins the
    // group of its repeat id; a track already shown is not added again.
    void AddDuplicateTrack(CMusicObj* track, int absence, int state, int64_t repeatId);
    // GUI thread. One member of an engine group, in group order: index 0 opens a new group row,
    // a later index joins the last group when groupId matches. The view owns the record.
    void AddDedupeGroup(std::unique_ptr<MusicInfo> record, int kind, int state, int64_t groupId, int index);
    void AddDedupeGroup(MusicInfo* record, int kind, int state, int64_t groupId, int index);
    void CountRemoved();
    // GUI thread. The copies the view holds removed (a loaded result's among them).
    int RemovedCount();
    // GUI thread. The engine's groups as a saved project keeps them, group by group: each copy
    // with its group's repeat id, the copies ticked for removal (or removed already) marked as
    // the ones to remove. Empty when the view holds library tracks, whose database is the project.
    QList<ProjectRow> EngineProjectRows();
    void SetPage(int index);
    // GUI thread, before the apply thread starts: clears the pause, stops the preview and takes
    // the removal plan from the tree (the apply thread must not read widgets).
    void PrepareRemove();
    // Apply thread: removes the checked copies of the plan PrepareRemove took.
    void RemoveDuplicate();
    // GUI thread: the paths of the copies the last removal could not move, once its end is here.
    QStringList NotMovedCopies() const { return m_notMoved; }
    // Pause pauses; Continue with wake set continues. Any thread.
    void SetPauseState(EPauseRequest request, bool wake);
    // Any thread; a stop also ends a removal waiting in its pause.
    void SetStopFlag(bool stop);
    bool StopFlag() const { return m_pause.StopFlag(); }
    void ClearView();
    // Blocks until a restore under way has ended (its result still arrives queued).
    void WaitForRestores();
    void loadLanguage();

    // For the window's tests and screenshots.
    CFailedTreeWidget* Tree() const { return m_pTree; }
    CDuplicateWidget* OptionsPane() const { return m_pOptions; }
    CDuptOptWidget* ScanList() const { return m_pScanList; }
    CClearTrashThread* ClearTrashThread() const { return m_pClearThread; }
    int PlayState() const { return m_playState; }
    QTreeWidgetItem* PlayingRow() const;
    int CurrentPage() const;
    int RowCount() const;

signals:
    void Complete(const QStringList& paths, const QString& xmlPath, EMusicRunMode mode);
    void SetRemoveEnable(bool enable);
    void AddFixMissNum(int count);
    void StartFixAll(const QString& text, const QString& text2, int code, int value);

public slots:
    void CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void ItemClicked(QTreeWidgetItem* item, int column);
    void ItemSelected(QTreeWidgetItem* item, int column);
    void PlayOver();
    void OpenTrash();
    void ShowAskMessage(int seconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What AddDuplicateTrack read on its own thread, for the GUI thread to show.
    struct PendingTrack
    {
        CMusicObj* track = nullptr;
        int absence = 0;
        int state = 0;
        int64_t repeatId = 0;
        QString name, size, time, location, bitrate, persistentId;
    };
    // One copy of the removal plan, and its group.
    struct PlanCopy
    {
        CDuplicateItem* row = nullptr;
        void* handle = nullptr;
        bool checked = false;
        bool removed = false;
        QString path;
    };
    struct PlanGroup
    {
        std::vector<PlanCopy> copies;
    };

    void SetHeaderTexts();
    void FlushPendingTracks();
    void FlushPendingGroups();
    void SchedulePendingGroups();
    CDuplicateItem* MakeGroupRow(const QString& name);
    // Words a copy's size and bit rate in the interface language's number format and units, from
    // the raw values its cells keep (so a language switch words them again).
    void SetUnitTexts(QTreeWidgetItem* copy) const;
    CDuplicateItem* MakeCopyRow(const QString& name, const QString& size, const QString& time,
                                const QString& location, const QString& bitrate);
    void PlaceCopy(CDuplicateItem* group, CDuplicateItem* copy, int state);
    void ColourRow(QTreeWidgetItem* row, const QColor& colour, bool includeCheckColumn);
    void MarkRemoved(CDuplicateItem* row);
    // Tells the window how many copies the view holds removed now.
    void ReportRemoved();
    // The bits of clear leave the copy's state and those of set join it: a bare record's at once,
    // a track's on the writer's thread.
    void ChangeState(CDuplicateItem* row, int clear, int set);
    void Restore(CDuplicateItem* row);
    void RestoreDone(CDuplicateItem* row, quint64 generation, int result);
    // Where a copy that could not be restored still lies in the recycle folder.
    static QString KeptCopyPath(const CDuplicateItem* row);
    void PlayTrack();
    void StopPlay();
    void OnPlayerEnded(int player);
    void ApplyRemoved(CDuplicateItem* row, quint64 generation);
    // The end notice handed to the media library (on the player's thread).
    static int OnPlayEvent(const int* notice, void* context);

    int m_mediaHandle = 0;
    int m_player = 0;
    CMusicLink* m_pLink = nullptr;
    CFixWriter* m_pWriter = nullptr;
    CClearTrashThread* m_pClearThread = nullptr;
    CRowReaper* m_pRowReaper = nullptr; // deletes the rows Home let go, a batch per turn
    QStackedLayout* m_pStack = nullptr;
    QSplitter* m_pSplitter = nullptr;
    CDuplicateWidget* m_pOptions = nullptr;
    CDuptOptWidget* m_pScanList = nullptr;
    CFailedTreeWidget* m_pTree = nullptr;
    int m_playState = 2; // TPlayState
    CDuplicateItem* m_pPlayingRow = nullptr;

    CRemovalPause m_pause;

    // Groups of the current result: by repeat id (library road) and the last engine group.
    QHash<int64_t, CDuplicateItem*> m_groupsByRepeat;
    QSet<CMusicObj*> m_shownTracks;
    CDuplicateItem* m_pLastGroup = nullptr;
    int64_t m_lastGroupId = 0;
    // Engine groups built off the tree, added in one slice.
    QList<QTreeWidgetItem*> m_pendingGroups;
    bool m_bGroupsScheduled = false;

    QMutex m_pendingMutex;
    std::vector<PendingTrack> m_pendingTracks; // under m_pendingMutex

    std::vector<PlanGroup> m_plan; // written by PrepareRemove, read by the remover
    QStringList m_notMoved;
    // Bumped by ClearView, so row changes queued for an emptied tree are dropped.
    std::atomic<quint64> m_generation{0};
    // Restores run here side by side: each waits for the library save that holds its entry, and
    // those clicked while one save is written go out together in the next. A row is in the set
    // from its click to its result.
    static constexpr int kRestoresAtOnce = 16;
    QSet<CDuplicateItem*> m_restoring;
    QThreadPool m_restorePool;
    // The interface language's number format for the copies' sizes and bit rates, taken once per
    // language rather than once per row.
    QLocale m_unitLocale;
};
