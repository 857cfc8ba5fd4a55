#include "ReportApply.h"

#include "AnalyReport.h"
#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "ConditionWait.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "TreeItem.h"
#include "UILog.h"

#include <QDebug>
#include <QFileInfo>
#include <QThread>
#include <QWaitCondition>

#include <memory>

using report_detail::CompleteIcon;
using report_detail::Record;

void CReportApply::SetPauseState(EPauseRequest request, bool wake)
{
    if (request == EPauseRequest::Pause)
        SetApplyPause(true);
    else if (request == EPauseRequest::Continue && wake && g_iApplyPause.load() == 1)
        SetApplyPause(false);
}

QVector<CMusicObj*> CReportApply::PrepareApply()
{
    // Pending edits of the editor go to the library before anything is written, and are counted
    // as changes before the apply takes the count.
    if (!m_page.m_pModify->IsContentHidden())
        emit m_page.EditInfoHide();
    m_page.m_pModify->WaitSaves(nullptr);
    // Songs whose file is gone and that the user left checked go from iTunes; rows already
    // handled (a previous apply) are not removed twice.
    QVector<CMusicObj*> missing;
    for (int i = 0; i < m_page.m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_page.m_pMissingTree->topLevelItem(i));
        if (row && row->GetMusicData() && row->checkState(0) == Qt::Checked &&
            row->GetFixState() != ERowFixState::Fixed)
            missing.append(row->GetMusicData());
    }
    QMutexLocker lock(&m_applyMutex);
    m_applyMissing = missing;
    m_bApplyPrepared = true;
    return missing;
}

void CReportApply::AppleyiTunes()
{
    WriteUILog(QStringLiteral("Start AppleiTunes"));
    if (!m_page.m_pLink)
        return;
    QVector<CMusicObj*> missing;
    if (!TakeApplyMissing(missing))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }

    // The answers handed over so far are in the library before it is applied.
    if (!m_page.m_pWriter->WaitIdle([this] { return m_page.m_nStop.load() != 0; }))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }
    // What this run has not yet written stays unapplied until it is written: closing or Home
    // during the run, paused or not, asks about it, and a kill leaves it to Continue.
    m_page.m_bApplyRunning = true;
    m_page.m_bUnapplied = false;
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures.clear();
        m_applyMissingNotRemoved.clear();
        m_applyLibraryUnsaved = 0;
        m_bApplyDatabaseUnsaved = false;
    }
    CAppSettings* settings = GetAppSettings();
    const int replace = settings ? settings->GetReplace() : 0;
    const int replaceMask = (replace & MF_ReplaceSwitch) ? replace : 0;
    ApplyRun run;

    // Nothing is written without the transaction that records it. One already open (an earlier
    // apply whose commit was refused) is joined: this commit saves its writes too.
    const bool began = m_page.m_pLink->SetTransaction(false) >= 0;
    if (began)
    {
        WriteSongFixes(run, replaceMask);
        // One pass after the songs: the checked songs whose file is gone leave iTunes once.
        RemoveMissingSongs(run, missing);
    }
    // The files are written: a database that cannot take their record is said, not passed over.
    const bool committed = began && m_page.m_pLink->SetTransaction(true) == 0;
    if (!committed)
        WriteUILog(QStringLiteral("AppleiTunes: the working database could not be saved"));
    if (run.failed || run.stopped || !committed)
        m_page.m_bUnapplied = true; // what was not written must not be lost at close
    m_page.m_bApplyRunning = false;
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures = run.failedSongs;
        m_applyMissingNotRemoved = run.missingNotRemoved;
        m_applyLibraryUnsaved = run.libraryUnsaved;
        m_bApplyDatabaseUnsaved = !committed;
    }
    if (!run.stopped)
        emit m_page.UpdateProcess(10000);
    PostRemovedMissingRows(run.removed);
    WriteUILog(QStringLiteral("Stop AppleiTunes"));
    qDebug() << "------::AppleyiTunes end";
}

bool CReportApply::TakeApplyMissing(QVector<CMusicObj*>& missing)
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
    if (QThread::currentThread() == m_page.thread())
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
        &m_page,
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
        if (m_page.m_nStop.load())
            return false;
        ConditionWait(handover->ready, handover->mutex, QDeadlineTimer(50));
    }
    missing = handover->tracks;
    return true;
}

bool CReportApply::ApplyPausedOrStopped()
{
    // Waits while paused (in a loop: a spurious wake-up resumes nothing); true on a stop.
    return !WaitWhileApplyPaused([this] { return m_page.m_nStop.load() != 0; }) || m_page.m_nStop.load() != 0;
}

void CReportApply::NoteApplyFailure(ApplyRun& run, QStringList& names, CMusicObj* track)
{
    run.failed = true;
    MusicInfo* info = Record(m_page.m_pLink, track);
    // The user finds the song by its file: the title may be the fix that could not be written.
    const QString file = info ? QFileInfo(info->Location).fileName() : QString();
    WriteUILog(QStringLiteral("AppleiTunes: the write of %1 failed").arg(info ? info->Location : QString()));
    // One entry per failed song, named or not, so the count the user is told is exact.
    names.append(file.isEmpty() && info ? info->Name : file);
}

void CReportApply::WriteSongFixes(ApplyRun& run, int replaceMask)
{
    const int n = m_page.m_pLink->GetMusicCount();
    for (int i = 0; i < n && !run.stopped; ++i)
    {
        if (ApplyPausedOrStopped())
        {
            run.stopped = true;
            break;
        }
        const int written = m_page.m_pLink->ApplyMusicFixes(i, replaceMask);
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
            m_page.m_pLink->GetMusicObj(i, &track);
            NoteApplyFailure(run, run.failedSongs, track);
        }
        emit m_page.UpdateProcess((i + 1) * 10000 / n);
    }
}

void CReportApply::RemoveMissingSongs(ApplyRun& run, const QVector<CMusicObj*>& missing)
{
    for (CMusicObj* track : missing)
    {
        if (run.stopped || ApplyPausedOrStopped())
        {
            run.stopped = true;
            break;
        }
        if (m_page.m_pLink->ApplyiTunesMusicInfo(track, MF_FileMissing) < 0)
            NoteApplyFailure(run, run.missingNotRemoved, track);
        else
            run.removed.append(track);
    }
}

void CReportApply::PostRemovedMissingRows(const QVector<CMusicObj*>& removed)
{
    QMetaObject::invokeMethod(
        &m_page,
        [this, removed]
        {
            for (CMusicObj* track : removed)
            {
                CTreeItem* row = m_page.m_trackRows.value(track).missing;
                if (row && row->GetFixState() != ERowFixState::Fixed)
                {
                    row->SetFixState(ERowFixState::Fixed);
                    row->setIcon(5, CompleteIcon());
                    m_page.m_pMissingTree->SetFixedCount(m_page.m_pMissingTree->GetFixedCount() + 1);
                }
                // Kept with the song, so a saved or continued result knows it is gone.
                m_page.m_pWriter->ChangeState(track, 0, MF_RemovalApplied);
            }
            // The window's end of the apply, queued behind this, shows the summary.
        },
        Qt::QueuedConnection);
}

QStringList CReportApply::ApplyFailures() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyFailures;
}

QStringList CReportApply::ApplyMissingNotRemoved() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyMissingNotRemoved;
}

int CReportApply::ApplyLibraryUnsaved() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_applyLibraryUnsaved;
}

bool CReportApply::ApplyDatabaseUnsaved() const
{
    QMutexLocker lock(&m_applyMutex);
    return m_bApplyDatabaseUnsaved;
}
