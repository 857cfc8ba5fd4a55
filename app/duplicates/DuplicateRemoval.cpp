// The duplicate page's removal and restore: the apply thread moves the checked copies into the
// recycle folder, a restore thread brings one back; each hands its row changes to the GUI thread.
#include "Duplicate.h"

#include "AppGlobals.h"
#include "CMusicLink.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "DuplicateHelpers.h"
#include "DuplicateItem.h"
#include "FailedTreeWidget.h"
#include "MusicFlags.h"
#include "MusicManageTypes.h"
#include "MusicObj.h"
#include "OwnDirectionDelegate.h"
#include "SharedImages.h"
#include "UILog.h"

#include <QDebug>
#include <QMetaObject>
#include <QThread>

#include <utility>
#include <vector>

using duplicate_detail::AsRow;
using duplicate_detail::kBlue;
using duplicate_detail::kColumnCheck;
using duplicate_detail::kColumnPath;
using duplicate_detail::kColumnRestore;
using duplicate_detail::kGrey;
using duplicate_detail::SharedIcon;

// ---- Removal (apply thread) ------------------------------------------------------------------

void CDuplicate::PrepareRemove()
{
    // Every removal starts un-paused, whatever a late Pause of the one before left.
    SetPauseState(EPauseRequest::Continue, true);
    StopPlay();
    FlushPendingTracks();
    FlushPendingGroups();
    m_plan.clear();
    m_plan.reserve(static_cast<size_t>(m_pTree->topLevelItemCount()));
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
    {
        QTreeWidgetItem* group = m_pTree->topLevelItem(g);
        // An unchecked group is skipped whole, its checked copies included.
        if (group->checkState(kColumnCheck) == Qt::Unchecked)
            continue;
        PlanGroup plan;
        plan.copies.reserve(static_cast<size_t>(group->childCount()));
        for (int c = 0; c < group->childCount(); ++c)
        {
            CDuplicateItem* copy = AsRow(group->child(c));
            plan.copies.push_back({copy, copy->Handle(), copy->checkState(kColumnCheck) != Qt::Unchecked,
                                   copy->isDisabled(), copy->text(kColumnPath)});
        }
        m_plan.push_back(std::move(plan));
    }
}

void CDuplicate::SetPauseState(EPauseRequest request, bool wake)
{
    m_pause.SetPauseState(request, wake);
}

void CDuplicate::SetStopFlag(bool stop)
{
    m_pause.SetStopFlag(stop);
}

void CDuplicate::RemoveDuplicate()
{
    WriteUILog(QStringLiteral("Start RemoveDuplicate()"));
    if (QThread::currentThread() == thread())
        PrepareRemove();
    const std::vector<PlanGroup> plan = std::exchange(m_plan, {});
    const quint64 generation = m_generation.load();
    if (!m_pLink)
        return;
    QStringList notMoved;
    // The rows' record of where each copy went is written in this transaction. One already open
    // (a removal whose commit was refused) is joined: this commit takes its record too. Without a
    // working database (the engine's own records) there is nothing to begin or commit.
    const bool recorded = m_pLink->SetTransaction(false) >= 0;
    // The checked copies still in place go in the plan's order, several on their way at once; each
    // result comes back in that order, once the library file holds the change. Copies still in
    // place after this pass, and those this pass removed: a group earns its single-copy step only
    // when this pass is what left it with one copy, never again.
    struct GroupCount
    {
        int left = 0;
        int removedHere = 0;
        int toGo = 0;
    };
    std::vector<GroupCount> counts(plan.size());
    std::vector<void*> handles;
    std::vector<std::pair<size_t, const PlanCopy*>> removals;
    for (size_t g = 0; g < plan.size(); ++g)
    {
        for (const PlanCopy& copy : plan[g].copies)
        {
            if (copy.removed)
                continue;
            if (!copy.checked)
            {
                ++counts[g].left;
                continue;
            }
            handles.push_back(copy.handle);
            removals.emplace_back(g, &copy);
            ++counts[g].toGo;
        }
    }
    const int stopped = m_pLink->RemoveToTrash(
        handles,
        [this](int inFlight)
        {
            if (m_pause.StopFlag())
                return 0;
            // The copies on their way come back before the pause holds the pass.
            if (inFlight > 0 && m_pause.PauseAsked())
                return 2;
            m_pause.WaitWhilePaused();
            return m_pause.StopFlag() ? 0 : 1;
        },
        [&](int index, int result)
        {
            const auto& [g, copy] = removals[static_cast<size_t>(index)];
            GroupCount& count = counts[g];
            if (result != 0)
            {
                notMoved << copy->path;
                ++count.left;
            }
            else
            {
                ++count.removedHere;
                CDuplicateItem* row = copy->row;
                QMetaObject::invokeMethod(
                    this, [this, row, generation] { ApplyRemoved(row, generation); }, Qt::QueuedConnection);
            }
            if (--count.toGo == 0 && count.removedHere > 0 && count.left == 1)
                QMetaObject::invokeMethod(
                    this,
                    [this, generation]
                    {
                        if (generation == m_generation.load())
                            emit AddFixMissNum(1);
                    },
                    Qt::QueuedConnection);
        });
    if (stopped != 0)
    {
        if (m_pLink->SetTransaction(true) != 0 && recorded)
            WriteUILog(QStringLiteral("RemoveDuplicate: the stopped removal could not be saved"));
        return;
    }
    // The copies have moved; a refused commit leaves their record in the open transaction, where
    // a restore still finds it, and Remove stays offered to save it.
    const bool committed = m_pLink->SetTransaction(true) == 0 || !recorded;
    if (!committed)
        WriteUILog(QStringLiteral("RemoveDuplicate: the working database could not be saved"));
    if (m_pause.StopFlag())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, notMoved, committed]
        {
            // Queued behind the rows this pass marked: the count is what the view holds removed.
            m_notMoved = notMoved;
            if (!committed)
            {
                emit SetRemoveEnable(true);
                CWarnMessage::ShowMessage(
                    this, tr("Remove music failed"),
                    tr("The removal could not be saved in the working database:\n%1\nThe removed copies are "
                       "in the recycle folder. Click Remove to save it.")
                        .arg(COwnDirectionDelegate::Isolated(g_strDBPath)),
                    0, QString(), QString(), QString(), 0);
                return;
            }
            ReportRemoved();
            emit SetRemoveEnable(!notMoved.isEmpty());
        },
        Qt::QueuedConnection);
    WriteUILog(QStringLiteral("End RemoveDuplicate()"));
    qDebug() << "------::RemoveDuplicate end";
}

int CDuplicate::RemovedCount()
{
    FlushPendingTracks();
    FlushPendingGroups();
    int removed = 0;
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
    {
        QTreeWidgetItem* group = m_pTree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            removed += group->child(c)->isDisabled() ? 1 : 0;
    }
    return removed;
}

void CDuplicate::ReportRemoved()
{
    const int removed = RemovedCount();
    emit StartFixAll(CCountTexts::DuplicatesRemoved(removed), QString::number(removed), -1, -1);
}

void CDuplicate::ApplyRemoved(CDuplicateItem* row, quint64 generation)
{
    if (generation != m_generation.load())
        return;
    MarkRemoved(row);
    emit AddFixMissNum(1);
}

void CDuplicate::MarkRemoved(CDuplicateItem* row)
{
    row->setDisabled(true);
    row->setIcon(kColumnRestore, SharedIcon(g_iconReset));
    ColourRow(row, kGrey, false);
    ChangeState(row, 0, MF_RemovalApplied);
}

// ---- Restore (restore threads) --------------------------------------------------------------

void CDuplicate::Restore(CDuplicateItem* row)
{
    // The file moves back and iTunes adds it again: on the restore threads, beside the other
    // restores clicked meanwhile. A row already on its way back takes no second click.
    if (m_restoring.contains(row))
        return;
    if (!m_pLink)
    {
        RestoreDone(row, m_generation.load(), -1);
        return;
    }
    m_restoring.insert(row);
    row->setIcon(kColumnRestore, SharedIcon(g_iconLoading));
    CMusicLink* link = m_pLink;
    void* handle = row->Handle();
    const quint64 generation = m_generation.load();
    m_restorePool.start(
        [this, link, handle, row, generation]
        {
            const int result = link->ApplyiTunesMusicInfo(handle, MF_Restore);
            QMetaObject::invokeMethod(
                this, [this, row, generation, result] { RestoreDone(row, generation, result); },
                Qt::QueuedConnection);
        });
}

void CDuplicate::WaitForRestores()
{
    m_restorePool.waitForDone();
}

QString CDuplicate::KeptCopyPath(const CDuplicateItem* row)
{
    // The back end wrote it into the record before its answer was posted here.
    if (row->Record())
        return row->Record()->TrashPath;
    return row->GetMusicData() ? row->GetMusicData()->CurrentInfo().TrashPath : QString();
}

void CDuplicate::RestoreDone(CDuplicateItem* row, quint64 generation, int result)
{
    // A view emptied meanwhile has lost the row.
    if (generation != m_generation.load())
        return;
    m_restoring.remove(row);
    if (result != 0)
    {
        // Nothing moved: the copy stays removed, and can be tried again.
        row->setIcon(kColumnRestore, SharedIcon(g_iconReset));
        QString text = tr("Undo remove failed. No remove history found\nin the Zavro_Recycle Bin.");
        if (result == RestoreCopyKept)
            text = tr("The song could not be restored. It is still in the recycle folder:\n%1")
                       .arg(COwnDirectionDelegate::Isolated(KeptCopyPath(row)));
        else if (result == RestoreEntryLost)
            text = tr("The song's entry could not be given back to the library. Its file is in place "
                      "and stays in the library through another entry:\n%1")
                       .arg(COwnDirectionDelegate::Isolated(row->text(kColumnPath)));
        CWarnMessage::ShowMessage(this, tr("Restore music failed"), text, 0, QString(), QString(), QString(),
                                  0);
        return;
    }
    if (QTreeWidgetItem* group = row->parent())
    {
        int enabled = 0;
        for (int c = 0; c < group->childCount(); ++c)
            enabled += group->child(c)->isDisabled() ? 0 : 1;
        if (enabled > 0)
        {
            emit AddFixMissNum(-1);
            if (enabled == 1)
                emit AddFixMissNum(-1);
        }
    }
    row->setDisabled(false);
    row->setIcon(kColumnRestore, SharedIcon(g_iconNone));
    ColourRow(row, kBlue, true);
    ChangeState(row, MF_RemovalApplied, 0);
    if (row->IsBare())
        row->SetPersistentID(row->Record()->PersistentID);
    else if (m_pLink && row->GetMusicData())
        row->SetPersistentID(row->GetMusicData()->CurrentInfo().PersistentID);
    ReportRemoved();
    emit SetRemoveEnable(true);
}
