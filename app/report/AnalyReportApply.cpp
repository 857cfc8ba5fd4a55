// The report page's apply to the library, and its pause, stop and reset.
#include "AnalyReport.h"

#include "AcrMediaInfoRunnable.h"
#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "ConditionWait.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "RowReaper.h"
#include "TreeItem.h"
#include "UILog.h"

#include <QFileInfo>
#include <QThread>
#include <QTreeWidget>
#include <QWaitCondition>

using report_detail::CompleteIcon;
using report_detail::Record;

// ---------------------------------------------------------------------------------------------
// Apply, pause, stop and reset

void CAnalyReport::SetPauseState(EPauseRequest request, bool wake)
{
    if (request == EPauseRequest::Pause)
        SetApplyPause(true);
    else if (request == EPauseRequest::Continue && wake && g_iApplyPause.load() == 1)
        SetApplyPause(false);
}

QVector<CMusicObj*> CAnalyReport::PrepareApply()
{
    // Pending edits of the editor go to the library before anything is written.
    if (!m_pModify->IsContentHidden())
        emit EditInfoHide();
    // Songs whose file is gone and that the user left checked go from iTunes; rows already
    // handled (a previous apply) are not removed twice.
    QVector<CMusicObj*> missing;
    for (int i = 0; i < m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pMissingTree->topLevelItem(i));
        if (row && row->GetMusicData() && row->checkState(0) == Qt::Checked &&
            row->GetFixState() != ERowFixState::Fixed)
            missing.append(row->GetMusicData());
    }
    QMutexLocker lock(&m_applyMutex);
    m_applyMissing = missing;
    m_bApplyPrepared = true;
    return missing;
}

bool CAnalyReport::CommitEdits()
{
    return m_pModify->CommitEdits();
}

void CAnalyReport::AppleyiTunes()
{
    WriteUILog(QStringLiteral("Start AppleiTunes"));
    if (!m_pLink)
        return;
    QVector<CMusicObj*> missing;
    if (!TakeApplyMissing(missing))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }

    // The answers handed over so far are in the library before it is applied.
    if (!m_pWriter->WaitIdle([this] { return m_nStop.load() != 0; }))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }
    m_bUnapplied = false;
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures.clear();
        m_applyLibraryUnsaved = 0;
        m_bApplyDatabaseUnsaved = false;
    }
    CAppSettings* settings = GetAppSettings();
    const int replace = settings ? settings->GetReplace() : 0;
    const int replaceMask = (replace & MF_ReplaceSwitch) ? replace : 0;
    ApplyRun run;

    m_pLink->SetTransaction(false);
    WriteSongFixes(run, replaceMask);
    // One pass after the songs: the checked songs whose file is gone leave iTunes once.
    RemoveMissingSongs(run, missing);
    // The files are written: a database that cannot take their record is said, not passed over.
    const bool committed = m_pLink->SetTransaction(true) == 0;
    if (!committed)
        WriteUILog(QStringLiteral("AppleiTunes: the working database could not be saved"));
    if (run.failed || run.stopped || !committed)
        m_bUnapplied = true; // what was not written must not be lost at close
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures = run.failedSongs;
        m_applyLibraryUnsaved = run.libraryUnsaved;
        m_bApplyDatabaseUnsaved = !committed;
    }
    if (!run.stopped)
        emit UpdateProcess(10000);
    PostRemovedMissingRows(run.removed, run.stopped);
    WriteUILog(QStringLiteral("Stop AppleiTunes"));
    qDebug() << "------::AppleyiTunes end";
}

bool CAnalyReport::TakeApplyMissing(QVector<CMusicObj*>& missing)
{
    bool prepared = false;
    {
        QMutexLocker lock(&m_applyMutex);
        prepared = m_bApplyPrepared;
        missing = m_applyMissing;
        m_bApplyPrepared = false;
        m_applyMissing.clear();
    }
    if (prepared)
        return true;
    if (QThread::currentThread() == thread())
    {
        missing = PrepareApply();
        QMutexLocker lock(&m_applyMutex);
        m_bApplyPrepared = false;
        return true;
    }
    // The rows belong to the GUI thread: ask it, and wait without ever blocking a stop
    // (the GUI thread may be joining this one after setting the stop word).
    struct Handover
    {
        QMutex mutex;
        QWaitCondition ready;
        bool done = false;
        QVector<CMusicObj*> tracks;
    };
    auto handover = std::make_shared<Handover>();
    QMetaObject::invokeMethod(
        this,
        [this, handover]
        {
            QVector<CMusicObj*> tracks = PrepareApply();
            {
                QMutexLocker own(&m_applyMutex);
                m_bApplyPrepared = false;
            }
            QMutexLocker lock(&handover->mutex);
            handover->tracks = tracks;
            handover->done = true;
            handover->ready.wakeAll();
        },
        Qt::QueuedConnection);
    QMutexLocker lock(&handover->mutex);
    while (!handover->done)
    {
        if (m_nStop.load())
            return false;
        ConditionWait(handover->ready, handover->mutex, QDeadlineTimer(50));
    }
    missing = handover->tracks;
    return true;
}

bool CAnalyReport::ApplyPausedOrStopped()
{
    // Waits while paused (in a loop: a spurious wake-up resumes nothing); true on a stop.
    return !WaitWhileApplyPaused([this] { return m_nStop.load() != 0; }) || m_nStop.load() != 0;
}

void CAnalyReport::NoteApplyFailure(ApplyRun& run, CMusicObj* track)
{
    run.failed = true;
    MusicInfo* info = Record(m_pLink, track);
    // The user finds the song by its file: the title may be the fix that could not be written.
    const QString file = info ? QFileInfo(info->Location).fileName() : QString();
    WriteUILog(QStringLiteral("AppleiTunes: the write of %1 failed").arg(info ? info->Location : QString()));
    // One entry per failed song, named or not, so the count the user is told is exact.
    run.failedSongs.append(file.isEmpty() && info ? info->Name : file);
}

void CAnalyReport::WriteSongFixes(ApplyRun& run, int replaceMask)
{
    const int n = m_pLink->GetMusicCount();
    for (int i = 0; i < n && !run.stopped; ++i)
    {
        if (ApplyPausedOrStopped())
        {
            run.stopped = true;
            break;
        }
        const int written = m_pLink->ApplyMusicFixes(i, replaceMask);
        if (written == WriteLibraryNotSaved)
        {
            // The song's file has it; the library file did not take it, so the fix stays to apply.
            run.failed = true;
            ++run.libraryUnsaved;
            WriteUILog(QStringLiteral("AppleiTunes: the library file did not take track %1").arg(i));
        }
        else if (written != 0 && written != 1)
        {
            CMusicObj* track = nullptr;
            m_pLink->GetMusicObj(i, &track);
            NoteApplyFailure(run, track);
        }
        emit UpdateProcess((i + 1) * 10000 / n);
    }
}

void CAnalyReport::RemoveMissingSongs(ApplyRun& run, const QVector<CMusicObj*>& missing)
{
    for (CMusicObj* track : missing)
    {
        if (run.stopped || ApplyPausedOrStopped())
        {
            run.stopped = true;
            break;
        }
        if (m_pLink->ApplyiTunesMusicInfo(track, MF_FileMissing) < 0)
            NoteApplyFailure(run, track);
        else
            run.removed.append(track);
    }
}

void CAnalyReport::PostRemovedMissingRows(const QVector<CMusicObj*>& removed, bool stopped)
{
    QMetaObject::invokeMethod(
        this,
        [this, removed, stopped]
        {
            for (CMusicObj* track : removed)
            {
                CTreeItem* row = m_trackRows.value(track).missing;
                if (row && row->GetFixState() != ERowFixState::Fixed)
                {
                    row->SetFixState(ERowFixState::Fixed);
                    row->setIcon(5, CompleteIcon());
                    m_pMissingTree->SetFixedCount(m_pMissingTree->GetFixedCount() + 1);
                }
            }
            if (!stopped && m_fixRun.Idle())
                UpdateFixSummary();
        },
        Qt::QueuedConnection);
}

QStringList CAnalyReport::ApplyFailures() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyFailures;
}

int CAnalyReport::ApplyLibraryUnsaved() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyLibraryUnsaved;
}

bool CAnalyReport::ApplyDatabaseUnsaved() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_bApplyDatabaseUnsaved;
}

void CAnalyReport::StopPlay()
{
    m_pModify->HideModify();
    m_pModify->SetEditorHidden(true);
}

void CAnalyReport::PlayOver()
{
    // The report page keeps no preview of its own; the tag editor's label plays and stops itself.
}

void CAnalyReport::StopAllWork()
{
    m_bPullStop = true;
    {
        QMutexLocker lock(&m_pendingMutex);
        m_pending.clear();
        m_preparedArtwork.clear();
    }
    StopThumbJobs();
    SetRecognitionHold(false);
    AcrMediaInfoRunnable::ResetFinishedCount();
    // Jobs must not reach the rows that are about to go: queued ones return at once, running
    // ones end their wait on the flag. Writes not begun are dropped with them.
    WaitPullIdle();
    StopFixWrites();
    StopPlay();
    ClearReport();
}

void CAnalyReport::ClearReport()
{
    ++m_uFixGeneration;
    StopThumbJobs();
    m_fixRun.Clear();
    m_nProblemTotal = 0;
    m_bUnapplied = false;
    m_nArtworkRemaining = m_nArtistRemaining = m_nAlbumRemaining = 0;

    disconnect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
    for (auto& entry : m_entries)
    {
        DropBadge(entry.get());
        entry->SetBadgePage(0);
    }
    while (m_pTypeTree->topLevelItemCount() > 0)
        m_pTypeTree->takeTopLevelItem(0);
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);

    m_pArtworkList->ClearBusyLabels();
    // The cells, like the rows below, leave their views at once and are deleted a batch per
    // event-loop turn. Taken from the end with the model quiet, each take is cheap; emptying the
    // empty list then resets the view and its selection in one step.
    QList<QListWidgetItem*> cells;
    cells.reserve(m_pArtworkList->count());
    {
        const QSignalBlocker blocker(m_pArtworkList->model());
        for (int i = m_pArtworkList->count() - 1; i >= 0; --i)
            cells.append(m_pArtworkList->takeItem(i));
    }
    m_pArtworkList->clear();
    m_pRowReaper->Discard(cells);
    m_pArtworkList->SetFixedCount(0);
    m_pDelegate->ClearCache();
    for (CFailedTreeWidget* tree : {m_pUnrecognizedTree, m_pAlbumTree, m_pArtistTree, m_pMissingTree})
    {
        m_pRowReaper->Discard(tree->invisibleRootItem()->takeChildren());
        tree->SetFixedCount(0);
    }
    m_pRowReaper->Discard(std::exchange(m_takenCells, {}));
    m_pRowReaper->Discard(std::exchange(m_takenArtistRows, {}));
    m_pRowReaper->Discard(std::exchange(m_takenAlbumRows, {}));
    m_trackRows.clear();
    m_identifyTracks.clear();
    m_unrecognizedRows.clear();
}
