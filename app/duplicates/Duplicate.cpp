#include "Duplicate.h"

#include "AppHelpers.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "CWarnMessage.h"
#include "ClearTrashThread.h"
#include "ConditionWait.h"
#include "CountTexts.h"
#include "DuplicateItem.h"
#include "DuplicateWidget.h"
#include "DuptOptWidget.h"
#include "FailedTreeWidget.h"
#include "LanguageDirection.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "PreviewPlayback.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QDebug>
#include <QEvent>
#include <QHeaderView>
#include <QMetaObject>
#include <QMouseEvent>
#include <QSplitter>
#include <QStackedLayout>
#include <QThread>

#include <algorithm>
#include <utility>

namespace
{

constexpr int kColumnCheck = 0;
constexpr int kColumnName = 1;
constexpr int kColumnSize = 2;
constexpr int kColumnTime = 3;
constexpr int kColumnPath = 4;
constexpr int kColumnPlay = 5;
constexpr int kColumnRestore = 6;
constexpr int kColumnOpen = 7;
constexpr int kColumnSpare = 8; // nothing is shown in it
constexpr int kColumnBitrate = 9;
constexpr int kColumnCount = 10;

const QColor kBlue(0, 150, 255, 255);
const QColor kGrey(154, 166, 178, 255);
const QColor kBlack(0, 0, 0, 255);

// The clean-up runs at most once in the process's life, however often the page opens.
bool g_bClearTrashOnce = true;
// Whether the pointing hand is shown over the tree; the cursor changes only when this does.
bool g_bHandCursor = false;

const QIcon& SharedIcon(const std::unique_ptr<QIcon>& icon)
{
    static const QIcon empty;
    return icon ? *icon : empty;
}

const QIcon& FolderIcon()
{
    static const QIcon folder(QStringLiteral(":/res/res/win/label/folder.png"));
    return folder;
}

CDuplicateItem* AsRow(QTreeWidgetItem* item)
{
    return static_cast<CDuplicateItem*>(item);
}

} // namespace

CDuplicate::CDuplicate(int mediaHandle, CMusicLink* link, QWidget* parent)
    : QWidget(parent), m_mediaHandle(mediaHandle)
{
    setObjectName(QStringLiteral("Duplicate"));
    m_restorePool.setMaxThreadCount(1);
    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setStyleSheet(QStringLiteral("QSplitter::handle{width:1px;background-color:#4e8ec1;}"));
    m_pSplitter->setFocusPolicy(Qt::NoFocus);
    m_pSplitter->setContentsMargins(0, 0, 0, 0);
    m_pSplitter->setOpaqueResize(true);
    m_pSplitter->setHandleWidth(1);
    m_pOptions = new CDuplicateWidget(m_pSplitter);
    m_pOptions->setMinimumWidth(ScaledInt(250));
    m_pOptions->setMaximumWidth(ScaledInt(250));
    m_pScanList = new CDuptOptWidget(m_pSplitter);
    m_pSplitter->addWidget(m_pOptions);
    m_pSplitter->addWidget(m_pScanList);
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setCollapsible(0, false);
    m_pSplitter->setCollapsible(1, false);

    m_pTree = new CFailedTreeWidget(this);
    m_pTree->setFocusPolicy(Qt::NoFocus);
    m_pTree->setMouseTracking(true);
    m_pTree->setAutoScroll(false);
    m_pTree->setFrameShape(QFrame::NoFrame);
    m_pTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTree->setAlternatingRowColors(true);
    // Every row has the same height: the view then lays out 20 000 rows without asking each.
    m_pTree->setUniformRowHeights(true);
    m_pTree->setColumnCount(kColumnCount);
    m_pTree->setIconSize(QSize(ScaledInt(16), ScaledInt(16)));
    QHeaderView* header = m_pTree->header();
    header->setStretchLastSection(false);
    // The icon columns are as narrow as their icons: the path beside them keeps the room.
    header->setMinimumSectionSize(ScaledInt(25));
    const int widths[kColumnCount] = {110, 140, 100, 80, 270, 25, 25, 25, 40, 80};
    for (int column = 0; column < kColumnCount; ++column)
    {
        m_pTree->setColumnWidth(column, ScaledInt(widths[column]));
        header->setSectionResizeMode(column,
                                     column == kColumnPath ? QHeaderView::Stretch : QHeaderView::Fixed);
    }
    header->setSectionHidden(kColumnSpare, true);
    // A path too long for its column loses its middle: its end tells the copies apart.
    m_pTree->setTextElideMode(Qt::ElideMiddle);
    SetHeaderTexts();
    header->moveSection(kColumnBitrate, 3);

    m_pStack = new QStackedLayout(this);
    m_pStack->setContentsMargins(0, 0, 0, 0);
    m_pStack->addWidget(m_pSplitter);
    m_pStack->addWidget(m_pTree);
    m_pStack->setCurrentIndex(0);

    m_pClearThread = new CClearTrashThread(this);
    m_pRowReaper = new CRowReaper(this);

    connect(m_pOptions, &CDuplicateWidget::ShowTrash, this, &CDuplicate::OpenTrash);
    connect(m_pScanList, &CDuptOptWidget::Complete, m_pOptions, &CDuplicateWidget::Save);
    connect(m_pScanList, &CDuptOptWidget::Complete, this, &CDuplicate::Complete);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &CDuplicate::CurrentItemChanged);
    connect(m_pTree, &QTreeWidget::itemClicked, this, &CDuplicate::ItemClicked);
    connect(m_pTree, &CFailedTreeWidget::SetUnchecked, this, &CDuplicate::ItemSelected);
    connect(m_pClearThread, &CClearTrashThread::AskClearTrash, this, &CDuplicate::ShowAskMessage,
            Qt::QueuedConnection);
    // Mouse moves and clicks land on the viewport; leaving is seen on the tree too.
    m_pTree->installEventFilter(this);
    m_pTree->viewport()->installEventFilter(this);

    SetMusicLink(link);
}

CDuplicate::~CDuplicate()
{
    m_pClearThread->SetStopFlag();
    while (m_pClearThread->isRunning())
        m_pClearThread->wait(50);
    ClearView();
}

void CDuplicate::SetMusicLink(CMusicLink* link)
{
    if (m_pLink)
        disconnect(m_pLink, &CMusicLink::SendPlayOver, this, &CDuplicate::PlayOver);
    m_pLink = link;
    if (m_pLink)
        connect(m_pLink, &CMusicLink::SendPlayOver, this, &CDuplicate::PlayOver);
}

void CDuplicate::SetHeaderTexts()
{
    m_pTree->setHeaderLabels({tr("    Remove File"), tr("Name"), tr("Size"), tr("Time"), tr("Path"), tr(" "),
                              tr(" "), tr(" "), tr(" "), tr("Bitrate")});
    // A fixed column is at least as wide as its heading and the sort mark in this language (the
    // size hint leaves the mark no room of its own under the style sheet).
    const std::pair<int, int> fixedColumns[] = {
        {kColumnCheck, 110}, {kColumnName, 140}, {kColumnSize, 100}, {kColumnTime, 80}, {kColumnBitrate, 80}};
    for (const auto& [column, width] : fixedColumns)
        m_pTree->setColumnWidth(
            column, std::max(ScaledInt(width), m_pTree->header()->sectionSizeHint(column) + ScaledInt(14)));
}

void CDuplicate::loadLanguage()
{
    SetHeaderTexts();
    m_pOptions->loadLanguage();
    m_pScanList->loadLanguage();
    m_pTree->RetranslateMenu();
}

void CDuplicate::StartClearTrash()
{
    if (!g_bClearTrashOnce)
        return;
    g_bClearTrashOnce = false;
    m_pClearThread->start(QThread::LowestPriority);
}

void CDuplicate::TakeScanPaths(QStringList& paths)
{
    m_pScanList->TakeScanPaths(paths);
    m_pOptions->Save();
}

void CDuplicate::SetPendingScanPaths(const QStringList& paths)
{
    m_pScanList->AddScanItem(paths);
}

int CDuplicate::RowCount() const
{
    return m_pTree->topLevelItemCount() + static_cast<int>(m_pendingGroups.size());
}

int CDuplicate::CurrentPage() const
{
    return m_pStack->currentIndex();
}

void CDuplicate::SetPage(int index)
{
    FlushPendingGroups();
    m_pStack->setCurrentIndex(index);
}

QTreeWidgetItem* CDuplicate::PlayingRow() const
{
    return m_pPlayingRow;
}

// ---- Filling the tree ----------------------------------------------------------------------

CDuplicateItem* CDuplicate::MakeGroupRow(const QString& name)
{
    auto* group = new CDuplicateItem;
    group->SetGroup(true);
    group->setCheckState(kColumnCheck, Qt::Checked);
    group->setText(kColumnName, ScreenText(name));
    group->setText(kColumnSize, CCountTexts::DuplicateCount(0));
    group->setSizeHint(0, QSize(ScaledInt(80), ScaledInt(25)));
    return group;
}

CDuplicateItem* CDuplicate::MakeCopyRow(const QString& name, const QString& size, const QString& time,
                                        const QString& location, const QString& bitrate)
{
    auto* copy = new CDuplicateItem;
    const QLocale locale = InterfaceLocale();
    bool known = false;
    const qint64 bytes = size.trimmed().toLongLong(&known);
    const QString sizeText =
        tr("%1 MB").arg(locale.toString(std::max(known ? bytes / 1048576.0 : 0.0, 0.01), 'f', 2));
    QString timeText;
    FormatDuration(time, timeText);
    copy->setText(kColumnName, ScreenText(name));
    copy->setText(kColumnSize, sizeText);
    copy->setText(kColumnTime, timeText);
    copy->setText(kColumnPath, location);
    copy->setIcon(kColumnPath, FolderIcon());
    copy->setText(kColumnBitrate, tr("%1 kbps").arg(locale.toString(bitrate.trimmed().toLongLong())));
    copy->setIcon(kColumnPlay, SharedIcon(g_iconNone));
    copy->setIcon(kColumnOpen, SharedIcon(g_iconOpen));
    copy->setSizeHint(0, QSize(ScaledInt(80), ScaledInt(25)));
    copy->SetLocation(location);
    return copy;
}

void CDuplicate::ColourRow(QTreeWidgetItem* row, const QColor& colour, bool includeCheckColumn)
{
    if (includeCheckColumn)
        row->setForeground(kColumnCheck, colour);
    for (int column : {kColumnName, kColumnSize, kColumnTime, kColumnPath, kColumnBitrate})
        row->setForeground(column, colour);
}

void CDuplicate::PlaceCopy(CDuplicateItem* group, CDuplicateItem* copy, int state)
{
    if (state & MF_Duplicate)
    {
        copy->setCheckState(kColumnCheck, Qt::Checked);
        ColourRow(copy, kBlue, false);
        group->addChild(copy);
    }
    else
    {
        copy->setCheckState(kColumnCheck, Qt::Unchecked);
        group->insertChild(0, copy);
    }
    if (state & MF_RemovalApplied)
    {
        copy->setDisabled(true);
        copy->setIcon(kColumnRestore, SharedIcon(g_iconReset));
        ColourRow(copy, kGrey, false);
    }
    group->setText(kColumnSize, CCountTexts::DuplicateCount(group->childCount()));
}

void CDuplicate::AddDuplicateTrack(CMusicObj* track, int absence, int state, int64_t repeatId)
{
    if (!track || !(absence & MF_Duplicate) || !m_pLink)
        return;
    // The record is read here, on the caller's thread, while the track is the analysis's.
    MusicInfo* info = nullptr;
    if (m_pLink->GetMusicRecord(track, &info, 1) != 0 || !info)
        return;
    PendingTrack pending{track,      absence,         state,          repeatId,      info->Name,
                         info->Size, info->TotalTime, info->Location, info->Bitrate, info->PersistentID};
    bool first = false;
    {
        QMutexLocker lock(&m_pendingMutex);
        first = m_pendingTracks.empty();
        m_pendingTracks.push_back(std::move(pending));
    }
    // One posted flush per batch, however many tracks arrive before it runs.
    if (first)
        QMetaObject::invokeMethod(this, &CDuplicate::FlushPendingTracks, Qt::QueuedConnection);
}

void CDuplicate::FlushPendingTracks()
{
    std::vector<PendingTrack> batch;
    {
        QMutexLocker lock(&m_pendingMutex);
        batch.swap(m_pendingTracks);
    }
    if (batch.empty())
        return;
    FlushPendingGroups();
    m_pTree->setUpdatesEnabled(false);
    for (PendingTrack& pending : batch)
    {
        if (m_shownTracks.contains(pending.track))
            continue;
        m_shownTracks.insert(pending.track);
        CDuplicateItem* group = m_groupsByRepeat.value(pending.repeatId, nullptr);
        if (!group)
        {
            group = MakeGroupRow(pending.name);
            group->SetTrack(pending.track, pending.absence);
            m_pTree->addTopLevelItem(group);
            group->setExpanded(true);
            m_groupsByRepeat.insert(pending.repeatId, group);
        }
        CDuplicateItem* copy =
            MakeCopyRow(pending.name, pending.size, pending.time, pending.location, pending.bitrate);
        copy->SetTrack(pending.track, pending.absence);
        copy->SetPersistentID(pending.persistentId);
        PlaceCopy(group, copy, pending.state);
    }
    m_pTree->setUpdatesEnabled(true);
}

void CDuplicate::AddDedupeGroup(MusicInfo* record, int kind, int state, int64_t groupId, int index)
{
    AddDedupeGroup(std::unique_ptr<MusicInfo>(record), kind, state, groupId, index);
}

void CDuplicate::AddDedupeGroup(std::unique_ptr<MusicInfo> record, int kind, int state, int64_t groupId,
                                int index)
{
    CDuplicateItem* group = nullptr;
    if (index == 0)
        m_lastGroupId = groupId;
    else if (groupId == m_lastGroupId)
        group = m_pLastGroup;
    if (!record)
        return;
    const MusicInfo& info = *record;
    if (!group)
    {
        // Built off the tree and added in slices: one model change per slice, not per row.
        group = MakeGroupRow(info.Name);
        group->BorrowRecord(record.get(), kind);
        m_pendingGroups.append(group);
        m_pLastGroup = group;
        SchedulePendingGroups();
    }
    CDuplicateItem* copy = MakeCopyRow(info.Name, info.Size, info.TotalTime, info.Location, info.Bitrate);
    copy->SetPersistentID(info.PersistentID);
    copy->SetBareState(state);
    copy->TakeRecord(std::move(record), kind);
    PlaceCopy(group, copy, state);
}

void CDuplicate::SchedulePendingGroups()
{
    if (m_bGroupsScheduled)
        return;
    m_bGroupsScheduled = true;
    QMetaObject::invokeMethod(this, &CDuplicate::FlushPendingGroups, Qt::QueuedConnection);
}

void CDuplicate::FlushPendingGroups()
{
    m_bGroupsScheduled = false;
    if (m_pendingGroups.isEmpty())
        return;
    const QList<QTreeWidgetItem*> groups = std::exchange(m_pendingGroups, {});
    m_pTree->setUpdatesEnabled(false);
    m_pTree->addTopLevelItems(groups);
    for (QTreeWidgetItem* group : groups)
        group->setExpanded(true);
    m_pTree->setUpdatesEnabled(true);
}

void CDuplicate::CountRemoved()
{
    FlushPendingTracks();
    FlushPendingGroups();
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
    {
        QTreeWidgetItem* group = m_pTree->topLevelItem(g);
        int enabled = 0;
        for (int c = 0, copies = group->childCount(); c < copies; ++c)
        {
            if (group->child(c)->isDisabled())
                emit AddFixMissNum(1);
            else
                ++enabled;
        }
        if (enabled == 1)
            emit AddFixMissNum(1);
    }
    m_pTree->setSortingEnabled(true);
}

// ---- Track state ---------------------------------------------------------------------------

int CDuplicate::ReadState(CDuplicateItem* row) const
{
    if (row->IsBare())
        return row->BareState();
    return m_pLink && row->GetMusicData() ? m_pLink->GetMusicState(row->GetMusicData()) : 0;
}

void CDuplicate::WriteState(CDuplicateItem* row, int state)
{
    // A bare record is no track object: its state stays in the row, never in the manager.
    if (row->IsBare())
        row->SetBareState(state);
    else if (m_pLink && row->GetMusicData())
        m_pLink->SetMusicState(row->GetMusicData(), state);
}

// ---- Clicks and checks ---------------------------------------------------------------------

void CDuplicate::ItemClicked(QTreeWidgetItem* item, int column)
{
    if (!item)
        return;
    CDuplicateItem* row = AsRow(item);
    switch (column)
    {
    case kColumnCheck:
        ItemSelected(item, kColumnCheck);
        break;
    case kColumnPlay:
        if (!row->IsGroup() && !row->isDisabled())
            PlayTrack();
        break;
    case kColumnRestore:
        if (!row->IsGroup() && row->isDisabled())
            Restore(row);
        break;
    case kColumnOpen:
        if (!row->IsGroup() && !row->isDisabled())
            ShowInFolder(row->text(kColumnPath));
        break;
    default:
        break;
    }
}

void CDuplicate::ItemSelected(QTreeWidgetItem* item, int)
{
    if (!item || item->isDisabled())
        return;
    CDuplicateItem* row = AsRow(item);
    if (row->IsGroup())
    {
        if (row->checkState(kColumnCheck) == Qt::Checked)
            emit SetRemoveEnable(true);
        return;
    }
    QTreeWidgetItem* group = row->parent();
    if (group && row->checkState(kColumnCheck) == Qt::Checked)
    {
        bool all = true;
        for (int c = 0; c < group->childCount() && all; ++c)
            all = group->child(c)->checkState(kColumnCheck) == Qt::Checked;
        if (all &&
            CWarnMessage::ShowMessage(this, QString(), tr("Are you sure you want to remove all files?"), 2,
                                      tr("Cancel"), tr("Ok"), QString(), 0) != 2)
            row->setCheckState(kColumnCheck, Qt::Unchecked);
    }
    const bool checked = row->checkState(kColumnCheck) == Qt::Checked;
    if (checked)
    {
        ColourRow(row, kBlue, true);
        emit SetRemoveEnable(true);
    }
    else
    {
        ColourRow(row, kBlack, true);
    }
    const int state = ReadState(row);
    const int wanted = checked ? (state | MF_Duplicate) : (state & ~static_cast<int>(MF_Duplicate));
    if (wanted != state)
        WriteState(row, wanted);
}

void CDuplicate::Restore(CDuplicateItem* row)
{
    // The file moves back and iTunes adds it again: on the restore thread, one at a time. A row
    // already on its way back takes no second click.
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
        CWarnMessage::ShowMessage(
            this, tr("Restore music failed"),
            tr("Undo remove failed. No remove history found\nin the Zavro_Recycle Bin."), 0, QString(),
            QString(), QString(), 0);
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
    WriteState(row, ReadState(row) & ~MF_RemovalApplied);
    if (row->IsBare())
        row->SetPersistentID(row->Record()->PersistentID);
    else if (m_pLink && row->GetMusicData())
        row->SetPersistentID(row->GetMusicData()->CurrentInfo().PersistentID);
    ReportRemoved();
    emit SetRemoveEnable(true);
}

// ---- Removal (apply thread) ------------------------------------------------------------------

void CDuplicate::PrepareRemove()
{
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
            plan.copies.push_back(
                {copy, copy->Handle(), copy->checkState(kColumnCheck) != Qt::Unchecked, copy->isDisabled()});
        }
        m_plan.push_back(std::move(plan));
    }
}

bool CDuplicate::WaitWhilePaused()
{
    QMutexLocker lock(&m_pauseMutex);
    while (m_bPause && !m_bStop.load())
        ConditionWait(m_pauseCondition, m_pauseMutex);
    return !m_bStop.load();
}

void CDuplicate::SetPauseState(int type, bool wake)
{
    QMutexLocker lock(&m_pauseMutex);
    if (type == 2)
    {
        m_bPause = true;
    }
    else if (type == 1 && wake && m_bPause)
    {
        m_bPause = false;
        m_pauseCondition.wakeAll();
    }
}

void CDuplicate::SetStopFlag(bool stop)
{
    QMutexLocker lock(&m_pauseMutex);
    m_bStop = stop;
    m_pauseCondition.wakeAll();
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
    bool failed = false;
    m_pLink->SetTransaction(false);
    auto stopNow = [this]
    {
        if (!m_bStop.load())
            return false;
        m_pLink->SetTransaction(true);
        return true;
    };
    for (const PlanGroup& group : plan)
    {
        // Copies still in place after this pass, and those this pass removed: a group earns its
        // single-copy step only when this pass is what left it with one copy, never again.
        int left = 0;
        int removedHere = 0;
        for (const PlanCopy& copy : group.copies)
        {
            if (stopNow())
                return;
            WaitWhilePaused();
            if (stopNow())
                return;
            if (copy.removed)
                continue;
            if (!copy.checked)
            {
                ++left;
                continue;
            }
            if (m_pLink->ApplyiTunesMusicInfo(copy.handle, MF_Duplicate) != 0)
            {
                failed = true;
                ++left;
                continue;
            }
            ++removedHere;
            CDuplicateItem* row = copy.row;
            QMetaObject::invokeMethod(
                this, [this, row, generation] { ApplyRemoved(row, generation); }, Qt::QueuedConnection);
        }
        if (removedHere > 0 && left == 1)
            QMetaObject::invokeMethod(
                this,
                [this, generation]
                {
                    if (generation == m_generation.load())
                        emit AddFixMissNum(1);
                },
                Qt::QueuedConnection);
    }
    m_pLink->SetTransaction(true);
    if (m_bStop.load())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, failed]
        {
            // Queued behind the rows this pass marked: the count is what the view holds removed.
            ReportRemoved();
            emit SetRemoveEnable(failed);
        },
        Qt::QueuedConnection);
    WriteUILog(QStringLiteral("End RemoveDuplicate()"));
    qDebug() << "------::RemoveDuplicate end";
}

void CDuplicate::ReportRemoved()
{
    int removed = 0;
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
    {
        QTreeWidgetItem* group = m_pTree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            removed += group->child(c)->isDisabled() ? 1 : 0;
    }
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
    WriteState(row, ReadState(row) | MF_RemovalApplied);
}

// ---- Preview -------------------------------------------------------------------------------

int CDuplicate::OnPlayEvent(const int* notice, void* context)
{
    // On the player's thread: post, nothing more. The posted call is dropped when the view is
    // gone, and ignored when the player is no longer the current one.
    if (!IsPreviewEndNotice(notice, context))
        return 0;
    auto* view = static_cast<CDuplicate*>(context);
    const int player = PreviewNoticePlayer(notice);
    QMetaObject::invokeMethod(
        view, [view, player] { view->OnPlayerEnded(player); }, Qt::QueuedConnection);
    return 0;
}

void CDuplicate::OnPlayerEnded(int player)
{
    if (player == 0 || player != m_player)
        return;
    StopPreview(m_player);
    if (m_pLink)
        m_pLink->EmitPlayState(10000, 2, 0); // SendPlayOver reaches PlayOver
    else
        PlayOver();
}

void CDuplicate::PlayTrack()
{
    QTreeWidgetItem* current = m_pTree->currentItem();
    if (!current)
        return;
    if (current == m_pPlayingRow && m_playState == PlayStatePlaying)
    {
        StopPlay();
        return;
    }
    if (m_pPlayingRow && m_playState == PlayStatePlaying)
        StopPlay();

    const QString path = current->text(kColumnPath);
    // The shared routine says "Playback failure!" itself when the start fails.
    if (StartPreview(m_mediaHandle, path, m_player, &CDuplicate::OnPlayEvent, this, this))
    {
        WriteUILog(QStringLiteral("PlayUnit_Start:") + path);
        m_playState = PlayStatePlaying;
        current->setIcon(kColumnPlay, SharedIcon(g_iconPlaying));
        m_pPlayingRow = AsRow(current);
        return;
    }
    // A player held from before was released by the failed start unless the file could not
    // be opened; either way this view no longer counts on it.
    StopPreview(m_player);
    current->setIcon(kColumnPlay, SharedIcon(g_iconNone));
    m_playState = PlayStateStopped;
}

void CDuplicate::StopPlay()
{
    StopPreview(m_player);
    PlayOver();
}

void CDuplicate::PlayOver()
{
    // A notice of another page's preview, or a late one, while this view's player still plays
    // is not this preview's end.
    if (m_player)
        return;
    if (m_pPlayingRow)
    {
        const bool current = m_pTree->currentItem() == m_pPlayingRow;
        m_pPlayingRow->setIcon(kColumnPlay, current ? SharedIcon(g_iconPlay) : SharedIcon(g_iconNone));
    }
    m_playState = PlayStateStopped;
    m_pPlayingRow = nullptr;
}

void CDuplicate::CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (current && !AsRow(current)->IsGroup())
    {
        if (current != m_pPlayingRow)
            current->setIcon(kColumnPlay, current->text(kColumnPath).isEmpty() ? SharedIcon(g_iconNone)
                                                                               : SharedIcon(g_iconPlay));
        else if (m_playState != PlayStatePlaying && m_playState != PlayStatePaused)
            current->setIcon(kColumnPlay, SharedIcon(g_iconPlay));
    }
    if (previous && previous != current && !AsRow(previous)->IsGroup() &&
        !(previous == m_pPlayingRow && m_playState == PlayStatePlaying))
        previous->setIcon(kColumnPlay, SharedIcon(g_iconNone));
}

// ---- Recycle folder ------------------------------------------------------------------------

void CDuplicate::OpenTrash()
{
    const CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    ShowInFolder(settings->GetRecycleFolder() + u'/' +
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

void CDuplicate::ShowAskMessage(int seconds)
{
    const CAppSettings* settings = GetAppSettings();
    const int days = settings ? settings->GetClearDays() : 7;
    const int answer =
        CWarnMessage::ShowMessage(this, QString(), CCountTexts::ClearHistoryQuestion(days, seconds), 2,
                                  tr("Sure"), tr("Cancel"), QString(), seconds);
    m_pClearThread->WakeWithAnswer(answer != 1);
}

// ---- Pointer shape -------------------------------------------------------------------------

bool CDuplicate::eventFilter(QObject* watched, QEvent* event)
{
    const bool viewport = watched == m_pTree->viewport();
    if (event->type() == QEvent::Leave && (viewport || watched == m_pTree))
    {
        if (g_bHandCursor)
        {
            g_bHandCursor = false;
            m_pTree->viewport()->setCursor(Qt::ArrowCursor);
        }
        return QWidget::eventFilter(watched, event);
    }
    if (viewport && event->type() == QEvent::MouseMove)
    {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        QTreeWidgetItem* item = m_pTree->itemAt(pos);
        bool hand = false;
        if (item && !AsRow(item)->IsGroup())
        {
            const int column = m_pTree->columnAt(pos.x());
            if (column == kColumnPlay)
                hand = !item->icon(kColumnPlay).isNull();
            else if (column == kColumnRestore)
                hand = item->isDisabled();
            else if (column == kColumnOpen)
                hand = !item->isDisabled();
        }
        if (hand != g_bHandCursor)
        {
            g_bHandCursor = hand;
            m_pTree->viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Leaving -------------------------------------------------------------------------------

void CDuplicate::ClearView()
{
    StopPlay();
    // A restore still running uses a record of these rows.
    WaitForRestores();
    m_restoring.clear();
    QStringList dropped;
    m_pScanList->TakeScanPaths(dropped);
    {
        QMutexLocker lock(&m_pendingMutex);
        m_pendingTracks.clear();
    }
    qDeleteAll(std::exchange(m_pendingGroups, {}));
    m_pTree->setUpdatesEnabled(false);
    // The rows leave the tree at once and are deleted a batch per turn: a library's 20 000
    // copies deleted here would hold the GUI thread for up to a tenth of a second. A group goes
    // without its copies, which are handed over one by one.
    const QList<QTreeWidgetItem*> groups = m_pTree->invisibleRootItem()->takeChildren();
    for (QTreeWidgetItem* group : groups)
        m_pRowReaper->Discard(group->takeChildren());
    m_pRowReaper->Discard(groups);
    m_pTree->setSortingEnabled(false);
    m_pTree->clear();
    m_pTree->setUpdatesEnabled(true);
    m_groupsByRepeat.clear();
    m_shownTracks.clear();
    m_pLastGroup = nullptr;
    m_lastGroupId = 0;
    m_plan.clear();
    ++m_generation;
    m_pStack->setCurrentIndex(0);
    SetStopFlag(false);
}
