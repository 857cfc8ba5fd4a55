// The report page's stop and reset, and its part in an apply (the tag editor's, the rows').
#include "AnalyReport.h"

#include "AcrMediaInfoRunnable.h"
#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "QuantityWidget.h"
#include "ReportApply.h"
#include "RowReaper.h"
#include "TreeItem.h"

#include <QTreeWidget>

using report_detail::CompleteIcon;

// ---------------------------------------------------------------------------------------------
// What the apply asks of the page

bool CAnalyReport::HasUnappliedChanges() const
{
    return m_bUnapplied.load() || m_pApply->IsWriting();
}

void CAnalyReport::SaveEditsForApply()
{
    if (!m_pModify->IsContentHidden())
        emit EditInfoHide();
    m_pModify->WaitSaves(nullptr);
}

QVector<CMusicObj*> CAnalyReport::CheckedMissingTracks() const
{
    QVector<CMusicObj*> missing;
    for (int i = 0; i < m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pMissingTree->topLevelItem(i));
        if (row && row->GetMusicData() && row->checkState(0) == Qt::Checked &&
            row->GetFixState() != ERowFixState::Fixed)
            missing.append(row->GetMusicData());
    }
    return missing;
}

void CAnalyReport::MarkMissingRemoved(const QVector<CMusicObj*>& removed)
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
        // Kept with the song, so a saved or continued result knows it is gone.
        m_pWriter->ChangeState(track, 0, MF_RemovalApplied);
    }
}

// ---------------------------------------------------------------------------------------------
// Stop and reset

bool CAnalyReport::CommitEdits()
{
    return m_pModify->CommitEdits();
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

void CAnalyReport::EndFixRun()
{
    if (m_fixRun.Idle())
        return;
    m_bPullStop = true;
    // Held answers wake to the stop and are dropped; jobs not begun return at once.
    SetRecognitionHold(false);
    m_fixRun.Clear();
    m_pArtworkList->SetBusyAnimationRunning(false);
    m_pArtworkList->ClearBusyLabels();
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
        {
            auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i));
            if (row && row->GetFixState() == ERowFixState::NotFixed)
                row->setIcon(5, QIcon());
        }
    }
    StopCategoryWork();
    UpdateFixSummary();
}

void CAnalyReport::StopCategoryWork()
{
    for (auto& entry : m_entries)
    {
        if (CQuantityWidget* badge = entry->GetBadge())
            badge->SetSpinning(false);
        if (entry->GetBadgePage() == 2)
            entry->SetBadgePage(0);
    }
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
    ReleaseRows();
}

void CAnalyReport::ReleaseRows()
{
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
    FreeOffGuiThread(m_trackRows);
    FreeOffGuiThread(m_identifyTracks);
    FreeOffGuiThread(m_unrecognizedRows);
}
