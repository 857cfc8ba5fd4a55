#include "ReportApply.h"

#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "ConditionWait.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "ReportApplyHost.h"
#include "UILog.h"

#include <QDebug>
#include <QFileInfo>
#include <QThread>
#include <QWaitCondition>

#include <memory>

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
    m_host.SaveEditsForApply();
    // Songs whose file is gone and that the user left checked go from iTunes; rows already
    // handled (a previous apply) are not removed twice.
    QVector<CMusicObj*> missing = m_host.CheckedMissingTracks();
    QMutexLocker lock(&m_applyMutex);
    m_applyMissing = missing;
    m_bApplyPrepared = true;
    return missing;
}

void CReportApply::AppleyiTunes()
{
    WriteUILog(QStringLiteral("Start AppleiTunes"));
    if (!m_host.ApplyLink())
        return;
    QVector<CMusicObj*> missing;
    if (!TakeApplyMissing(missing))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }

    // The answers handed over so far are in the library before it is applied.
    if (!m_host.WaitWritesForApply([this] { return m_host.ApplyStopped(); }))
    {
        WriteUILog(QStringLiteral("Stop AppleiTunes"));
        return;
    }
    // What this run has not yet written stays unapplied until it is written: closing or Home
    // during the run, paused or not, asks about it, and a kill leaves it to Continue.
    m_bWriting = true;
    m_host.SetFixesUnapplied(false);
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
    const bool began = m_host.ApplyLink()->SetTransaction(false) >= 0;
    if (began)
    {
        WriteSongFixes(run, replaceMask);
        // One pass after the songs: the checked songs whose file is gone leave iTunes once.
        RemoveMissingSongs(run, missing);
    }
    // The files are written: a database that cannot take their record is said, not passed over.
    const bool committed = began && m_host.ApplyLink()->SetTransaction(true) == 0;
    if (!committed)
        WriteUILog(QStringLiteral("AppleiTunes: the working database could not be saved"));
    if (run.failed || run.stopped || !committed)
        m_host.SetFixesUnapplied(true); // what was not written must not be lost at close
    m_bWriting = false;
    {
        QMutexLocker lock(&m_applyMutex);
        m_applyFailures = run.failedSongs;
        m_applyMissingNotRemoved = run.missingNotRemoved;
        m_applyLibraryUnsaved = run.libraryUnsaved;
        m_bApplyDatabaseUnsaved = !committed;
    }
    if (!run.stopped)
        m_host.ReportApplyProgress(10000);
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
    if (QThread::currentThread() == m_gui.thread())
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
        &m_gui,
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
        if (m_host.ApplyStopped())
            return false;
        ConditionWait(handover->ready, handover->mutex, QDeadlineTimer(50));
    }
    missing = handover->tracks;
    return true;
}

bool CReportApply::ApplyPausedOrStopped()
{
    // Waits while paused (in a loop: a spurious wake-up resumes nothing); true on a stop.
    return !WaitWhileApplyPaused([this] { return m_host.ApplyStopped(); }) || m_host.ApplyStopped();
}

void CReportApply::NoteApplyFailure(ApplyRun& run, QStringList& names, CMusicObj* track)
{
    run.failed = true;
    MusicInfo* info = Record(m_host.ApplyLink(), track);
    // The user finds the song by its file: the title may be the fix that could not be written.
    const QString file = info ? QFileInfo(info->Location).fileName() : QString();
    WriteUILog(QStringLiteral("AppleiTunes: the write of %1 failed").arg(info ? info->Location : QString()));
    // One entry per failed song, named or not, so the count the user is told is exact.
    names.append(file.isEmpty() && info ? info->Name : file);
}

void CReportApply::WriteSongFixes(ApplyRun& run, int replaceMask)
{
    const int n = m_host.ApplyLink()->GetMusicCount();
    for (int i = 0; i < n && !run.stopped; ++i)
    {
        if (ApplyPausedOrStopped())
        {
            run.stopped = true;
            break;
        }
        const int written = m_host.ApplyLink()->ApplyMusicFixes(i, replaceMask);
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
            m_host.ApplyLink()->GetMusicObj(i, &track);
            NoteApplyFailure(run, run.failedSongs, track);
        }
        m_host.ReportApplyProgress((i + 1) * 10000 / n);
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
        if (m_host.ApplyLink()->ApplyiTunesMusicInfo(track, MF_FileMissing) < 0)
            NoteApplyFailure(run, run.missingNotRemoved, track);
        else
            run.removed.append(track);
    }
}

void CReportApply::PostRemovedMissingRows(const QVector<CMusicObj*>& removed)
{
    QMetaObject::invokeMethod(
        &m_gui,
        [this, removed]
        {
            m_host.MarkMissingRemoved(removed);
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
