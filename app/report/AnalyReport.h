#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "FixRunState.h"
#include "ReportApplyHost.h"
#include "ReportTally.h"
#include "TypeTreeItem.h"

class CArtworkList;
class CFixWriter;
class CFailedTreeWidget;
class CListDelegate;
class CListItem;
class CListWidget;
class CModifyMusicInfo;
class CMusicLink;
class CMusicObj;
class CQuantityWidget;
class CReportApply;
class CRowReaper;
class CShowMaxPicture;
class CTreeItem;
class QListWidgetItem;
class QPixmap;
class QSplitter;
class QStackedWidget;
class QThreadPool;
class QTreeWidget;
class QTreeWidgetItem;

// The page of the main window that shows an analysis: a tree of problem categories with count
// badges on the left, one page of songs per category on the right (0 artwork grid, 1 missing
// files, 2 album, 3 artist, 4 Unrecognized Songs) and the tag editor below them.
//
// Threading: a GUI-thread widget. AddProblemTrack, AddProblemCount and SetCategoryMask may be
// called from the analysis thread: the songs are queued and filed on the GUI thread in the order
// they came, before anything the analysis thread posts later (its end signal) is handled.
// The apply (CReportApply) runs on the apply thread and touches no widget. Everything else: GUI
// thread.
//
// Ownership: rows and cells belong to their pages; track handles to the music manager.
class CAnalyReport : public QWidget, private IReportApplyHost
{
    Q_OBJECT

public:
    explicit CAnalyReport(QWidget* parent = nullptr);
    // The media library handle is kept for the preview; the report page plays nothing itself.
    CAnalyReport(int mediaLibrary, QWidget* parent = nullptr);
    ~CAnalyReport() override;

    // ---- set-up and the analysis ----
    void SetMusicLink(CMusicLink* link);
    // Non-zero stops additions, moves and the fix loops.
    void SetStopState(int stop);
    int GetStopState() const { return m_nStop.load(); }
    // Only problems whose bits are also in the mask are listed. Any thread.
    void SetCategoryMask(int mask) { m_nCategoryMask = mask; }
    int GetCategoryMask() const { return m_nCategoryMask.load(); }
    // Any thread.
    void AddProblemCount(int n) { m_nProblemTotal += n; }
    int GetProblemCount() const { return m_nProblemTotal.load(); }
    int ProblemCount() const { return m_nProblemTotal.load(); }
    int CategoryMask() const { return m_nCategoryMask.load(); }
    // Songs listed on the problem pages.
    int ListedTracks() const { return static_cast<int>(m_trackRows.size()); }
    // One problem song of the analysis; any thread (filed on the GUI thread, in call order).
    int AddProblemTrack(CMusicObj* track, int problem, int state, int64_t repeatId, int identify, int one);
    // Any thread but the GUI's, before AddProblemTrack of the same song on the GUI thread: reads
    // and stores the song's stored artwork there, so filing it later does no file work.
    void PrepareStoredArtwork(CMusicObj* track, int problem);
    void ClearPullQueue();
    QMap<int, QString> PullQueue() const { return m_pullQueue; }

    // ---- views ----
    void ReflashView(bool selectFirst);
    void ReflashMusicNum(bool selectFirst);
    int UpdateFixSummary();
    // Categories whose rows are all fixed show their check.
    void MarkDealtCategories();
    // What the page says of its result, counted from the songs it lists and what the library
    // holds for them (see ReportTally): every count, check and summary of the page reads it.
    ReportTally Tally() const;
    // Songs with at least one problem field fixed.
    int FixedSongs() const;
    // Every fixed field once, in whichever list it was made: the header's count of problems fixed.
    int FixedProblems() const;
    // Every answer of the last recognition run says the service could not be reached (no
    // connection, the host not found, no answer in time): no song was even looked up.
    bool ServiceUnreachable() const { return m_nPullAnswers > 0 && m_nPullUnreached == m_nPullAnswers; }
    // Fixes not yet written: changed since the last apply, or held by an apply that runs or is
    // paused and has not written them yet.
    bool HasUnappliedChanges() const;
    // A loaded result holds fixes not yet applied.
    void MarkUnapplied() { m_bUnapplied = true; }
    // The thread that writes fixes, checks and moves into the library in the order they come.
    CFixWriter* StateWriter() const { return m_pWriter; }
    void loadLanguage();
    static QString UnknownText(const QString& text, const QString& word);

    // ---- fix runs, pause and apply ----
    // mode: an EFixStage number for the fix-all stage.
    int SetFixMode(int mode);
    int SetFixMode(EFixStage mode) { return SetFixMode(static_cast<int>(mode)); }
    // state: an EFixRunState number.
    void SetRunState(int state);
    void SetRunState(EFixRunState state) { SetRunState(static_cast<int>(state)); }
    int GetRunState() const { return static_cast<int>(m_fixRun.run); }
    void PauseFixView();
    void ResumeFixView();
    // Queues a recognition job for each song of the pull queue that still wants an answer (see
    // NeedsAsking); unrecognizedOnly (Refix) asks only about the songs still listed among the
    // Unrecognized Songs.
    void StartPull(bool unrecognizedOnly = false);
    bool IsPullStopped() const { return m_bPullStop.load(); }
    // Recognition jobs running now.
    int RunningPullJobs() const;
    void WaitPullIdle();
    // The answers' library writes run on a writer thread. Any thread but the GUI's: waits until
    // those handed over so far are written; false when stopped() turned true first.
    bool WaitFixWrites(const std::function<bool()>& stopped = {}) const;
    // Drops the writes not yet begun and waits for the one under way (a stop: the library may go).
    void StopFixWrites();
    // Decodes an answer's cover and stores it as a JPEG at target, which must lie in the Picture
    // folder. Returns target, or empty when nothing was stored. Any thread.
    static QString StoreAnswerArtwork(const QByteArray& bytes, const QString& target);
    void AcceptFixResult(void* track, int absence, int value, int infoFixState);
    // GUI thread, before the window closes or goes Home: the tag editor saves what it holds, so
    // the question about unapplied fixes covers it. False when the editor refused (a blank
    // title, the user told): the window stays.
    bool CommitEdits();
    // The apply to the library (its own part of the page).
    CReportApply* ApplyWork() const { return m_pApply.get(); }
    void StopPlay();
    // Ends a fix run where it stands, at once: no job asks the service any more, answers still on
    // their way are dropped, and no row or category shows work. The rows keep what came so far.
    void EndFixRun();
    void StopAllWork();
    void ClearReport();

    // ---- moves to Unrecognized Songs ----
    void MoveFailedItem();
    void MoveFailedItemOK();
    void AddUnrecognizedTrack(CMusicObj* track, int kind, int checkState);
    void RecheckFixedRows(CFailedTreeWidget* page, ReportCategory category);
    bool CheckUnrecognizedRow(CTreeItem* row);

    // ---- access for the main window and tests ----
    CListWidget* ArtworkList() const { return m_pArtworkList; }
    CFailedTreeWidget* AlbumTree() const { return m_pAlbumTree; }
    CFailedTreeWidget* ArtistTree() const { return m_pArtistTree; }
    CFailedTreeWidget* MissingTree() const { return m_pMissingTree; }
    CFailedTreeWidget* UnrecognizedTree() const { return m_pUnrecognizedTree; }
    QTreeWidget* CategoryTree() const { return m_pTypeTree; }
    QStackedWidget* PageStack() const { return m_pStack; }
    CTypeTreeItem* CategoryEntry(ReportCategory category) const;
    CArtworkList* ArtworkPopup() const { return m_pArtworkPopup; }
    CShowMaxPicture* MaxPicture() const { return m_pMaxPicture; }
    CModifyMusicInfo* Editor() const { return m_pModify; }

signals:
    void UpdateProcess(int progress);
    void ReportFixInfo(int remaining, int progress);
    void StartFixAll(const QString& text, const QString& number, int count, int code);
    void EndFialedState(bool allFixed);
    void ReportFixAllComplete();
    // A song of the result was changed by hand, or a song whose file is gone checked for removal.
    void ResultChanged();
    void EditInfoHide();
    // The main window's processing look: failed songs are being handled / all done.
    void ShowProcessingFailed();
    void HideProcessing();
    void PullStartSignal(int identify);
    void PullSuccessSignal(QMap<QString, QVariant> answer);
    void PullCompleteSignal();

public slots:
    void ClickType(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    bool IsNeedFix();
    void EditFixItem(void* track);
    void StartFixFailed();
    void SelectArtworkList(QListWidgetItem* cell);
    void ShowMaxPicture(QListWidgetItem* cell);
    void SortFailedTree(int column);
    void PlayOver();

    void ArtworkChangeChecked(QListWidgetItem* cell);
    void ArtistChangeChecked(QTreeWidgetItem* row, int column);
    void AlbumChangeChecked(QTreeWidgetItem* row, int column);
    void NotExistChangeChecked(QTreeWidgetItem* row, int column);
    void ArtworkUncheckedAll(int value);
    void ArtistUncheckedAll(int value);
    void AlbumUncheckedAll(int value);
    void NotExistUncheckedAll(int value);
    void CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void CurrentItemChanged(QListWidgetItem* current, QListWidgetItem* previous);
    void OpenRepeatMusicPath(QTreeWidgetItem* row, int column);

    void EmitPullStart(int identify) { emit PullStartSignal(identify); }
    void EmitPullSuccess(const QMap<QString, QVariant>& answer) { emit PullSuccessSignal(answer); }
    void EmitPullComplete() { emit PullCompleteSignal(); }
    void PullStartSlot(int identify);
    void PullSuccessSlot(const QMap<QString, QVariant>& answer);
    void PullFailSlot(int identify);
    // Each answer of a run, found or not: the progress follows the answers received.
    void CountPullAnswer(int identify, bool reached);
    void PullCompleteSlot();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the apply (CReportApply) reads and marks of the page; the threads are the interface's.
    void SaveEditsForApply() override;
    QVector<CMusicObj*> CheckedMissingTracks() const override;
    void MarkMissingRemoved(const QVector<CMusicObj*>& removed) override;
    CMusicLink* ApplyLink() const override { return m_pLink; }
    bool WaitWritesForApply(const std::function<bool()>& stopped) const override
    {
        return WaitFixWrites(stopped);
    }
    bool ApplyStopped() const override { return m_nStop.load() != 0; }
    void SetFixesUnapplied(bool unapplied) override { m_bUnapplied = unapplied; }
    void ReportApplyProgress(int progress) override { emit UpdateProcess(progress); }

    // The enlarged picture of a cell, decoded off the GUI thread.
    void DecodeMaxPicture(const QString& path);
    void QueuePullJobs(const std::shared_ptr<std::vector<std::pair<int, QString>>>& songs, size_t from,
                       quint64 run);
    // Whether a fix run asks the service about track: it is listed among the Unrecognized Songs,
    // or a row or cell of it is still unfixed. A song answered already keeps its answer.
    bool NeedsAsking(CMusicObj* track) const;
    // A song handed over by the analysis, waiting to be filed on the GUI thread.
    struct PendingTrack
    {
        CMusicObj* track = nullptr;
        int problem = 0;
        int state = 0;
        int identify = -1;
        // The stored artwork, read and written on the caller's thread (file work stays off the
        // GUI thread): its path, and whether the picture was written there.
        QString artworkPath;
        bool artworkSaved = false;
    };
    // Where a song is listed, so edits and moves find its rows without scanning the pages.
    struct TrackRows
    {
        CListItem* cell = nullptr;
        CTreeItem* artist = nullptr;
        CTreeItem* album = nullptr;
        CTreeItem* missing = nullptr;
    };

    void Build();
    // Every row and cell leaves its view at once, to be deleted a batch per event-loop turn.
    void ReleaseRows();
    // Build's steps, in the order it takes them.
    void BuildCategoryTree();
    void BuildArtworkList();
    void BuildProblemTrees();
    void BuildUnrecognizedTree();
    void BuildEditor();
    void LayOutPages();
    void RecheckAnsweredUnrecognized();
    // Once the run's answers are written: the answered rows of the artist and album pages show
    // what Apply will write (CMusicLink::ShownRecord), which the answer itself cannot tell.
    void ReshowAnsweredRows();
    // A song among the Unrecognized Songs is listed with a fixed row or cell for each of its
    // problems it has a value for now (an answer's, or typed), as the page of a fix run left it.
    // True when a row or cell was added.
    bool ListFoundProblems(CMusicObj* track, int kind, int identify, const PendingTrack* stored);
    void DropBadge(CTypeTreeItem* entry);
    // No badge spins any more: a run has ended or stopped.
    void StopCategoryWork();
    void MarkDealtCategories(const ReportTally& tally);
    // Makes the badge column as wide as the widest badge, so every badge lies inside the tree.
    void FitBadgeColumn();
    void FlushPendingTracks();
    void FileProblemTrack(const PendingTrack& song);
    int FillProblemTree(CMusicObj* track, int kind, CFailedTreeWidget* tree, int mode, int checkState,
                        int userValue, bool handled);
    CListItem* AddArtworkCell(CMusicObj* track, int kind, int identify, const PendingTrack* stored);
    void ReadStoredArtwork(PendingTrack& song) const;
    bool NeedsStoredArtwork(int problem) const;
    void ShowEditorWith(int kind, CMusicObj* track);
    // After a row left its page: the editor shows the row now current there (it saves what it
    // held for its own song first), or folds away when there is none.
    void FollowCurrentRow();
    void SetUnrecognizedPicture(CTreeItem* row, CMusicObj* track, bool failedWhenNoPath);
    void RequestUnrecognizedThumb(CTreeItem* row, CMusicObj* track, const QString& path);
    void StopThumbJobs();
    void UnrecognizedThumbReady(const QString& path, int side, bool stretch, const QPixmap& picture);
    void ChangeChecked(QTreeWidgetItem* row, int column, int bit);
    void WriteExclusion(CMusicObj* track, bool unchecked, int bit);
    void ForgetRow(CMusicObj* track, QTreeWidgetItem* row);
    void ForgetCell(CMusicObj* track, QListWidgetItem* cell);
    static QString PictureFolder();
    static bool SaveInsidePictureFolder(const QImage& image, const QString& path);
    void FinishPull();
    // A recognition answer as PullSuccessSlot's steps read it: the fields it brings (their
    // MusicFlags bits in mask, their values in the same order) and what the rows show.
    struct PullAnswer
    {
        int identify = -1;
        int mask = 0;
        QStringList values;
        QString title;
        QString artist;
        QString album;
    };
    static PullAnswer ReadPullAnswer(const QMap<QString, QVariant>& answer);
    QString AnswerArtworkPath(const QMap<QString, QVariant>& answer, int identify);
    bool FixAnsweredRow(CTreeItem* row, CFailedTreeWidget* tree, int& remaining, const PullAnswer& read,
                        const QString& field);
    bool FixAnsweredCell(CListItem* cell, int identify, const QString& artworkPath);
    void TakeAnsweredFix(CMusicObj* track, const PullAnswer& read);
    QString ArtworkTarget(const QString& folder, int identify) const;
    void SendSummaryFor(CTypeTreeItem* entry);

    int m_nMediaLibrary = 0;
    std::atomic<int> m_nStop{0};
    std::atomic<int> m_nCategoryMask{0};
    std::atomic<int> m_nProblemTotal{0};
    std::atomic<bool> m_bUnapplied{false};

    QSplitter* m_pSplitter = nullptr;
    QTreeWidget* m_pTypeTree = nullptr;
    QStackedWidget* m_pStack = nullptr;
    CArtworkList* m_pArtworkPopup = nullptr;
    CListWidget* m_pArtworkList = nullptr;
    CListDelegate* m_pDelegate = nullptr;
    CFailedTreeWidget* m_pAlbumTree = nullptr;
    CFailedTreeWidget* m_pArtistTree = nullptr;
    CFailedTreeWidget* m_pMissingTree = nullptr;
    QWidget* m_pRight = nullptr;
    CFailedTreeWidget* m_pUnrecognizedTree = nullptr;
    CModifyMusicInfo* m_pModify = nullptr;
    CShowMaxPicture* m_pMaxPicture = nullptr;
    quint64 m_uMaxPictureRequest = 0; // the enlarged picture asked for last
    CMusicLink* m_pLink = nullptr;

    // The five entries in tree order (1 .. 5), owned here; the tree holds them only while their
    // category has rows.
    std::vector<std::unique_ptr<CTypeTreeItem>> m_entries;

    const QColor m_unknownColour{QStringLiteral("#32a5e6")};
    const QColor m_failedColour{QStringLiteral("#ff0000")};
    const QColor m_normalColour{QStringLiteral("#000000")};

    // The analysis thread's hand-over.
    QMutex m_pendingMutex;
    std::vector<PendingTrack> m_pending;
    // Stored artwork read ahead by PrepareStoredArtwork; guarded by m_pendingMutex.
    QHash<CMusicObj*, PendingTrack> m_preparedArtwork;
    bool m_bFlushPosted = false;

    QHash<CMusicObj*, TrackRows> m_trackRows;
    QHash<int, CMusicObj*> m_identifyTracks;
    QMap<CMusicObj*, CTreeItem*> m_unrecognizedRows;
    // Unrecognized Songs rows waiting for the delegate's decoder, by picture file. A row is found
    // again through the song-to-row map and must still carry the serial it was asked with, so a
    // row deleted, replaced or asked again meanwhile never gets a stale picture.
    struct ThumbWait
    {
        CMusicObj* track = nullptr;
        quint64 serial = 0;
    };
    QHash<QString, QList<ThumbWait>> m_thumbWaits;
    quint64 m_nThumbSerial = 0;
    CRowReaper* m_pRowReaper = nullptr; // deletes the rows a cleared page let go
    QList<CListItem*> m_takenCells;
    QList<CTreeItem*> m_takenArtistRows;
    QList<CTreeItem*> m_takenAlbumRows;

    // Fix runs.
    QMap<int, QString> m_pullQueue;
    std::unique_ptr<QThreadPool> m_pPool;
    // Reads the pictures inside the audio files of Unrecognized Songs; emptied and waited for
    // before the tracks may go.
    std::unique_ptr<QThreadPool> m_pThumbPool;
    std::atomic<bool> m_bPullStop{false};
    bool m_bInPull = false;
    quint64 m_uPullRun = 0; // StartPull's count: a batch of an earlier run queues no more
    // The answers' writes; a child of this page.
    CFixWriter* m_pWriter = nullptr;
    // Counts resets, so the end of a run that comes back from the writer after one is dropped.
    quint64 m_uFixGeneration = 0;
    QSet<int> m_doneIdentifies;
    FixRunState m_fixRun;
    int m_nPullAnswers = 0;
    int m_nPullUnreached = 0;
    int m_nArtworkRemaining = 0;
    int m_nArtistRemaining = 0;
    int m_nAlbumRemaining = 0;

    std::unique_ptr<CReportApply> m_pApply;
};
