#include "Duplicate.h"

#include "AppGlobals.h"
#include "AppHelpers.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "CWarnMessage.h"
#include "ClearTrashThread.h"
#include "CountTexts.h"
#include "DesktopHandOver.h"
#include "DuplicateHelpers.h"
#include "DuplicateItem.h"
#include "DuplicateWidget.h"
#include "DuptOptWidget.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "LanguageDirection.h"
#include "MusicFlags.h"
#include "MusicManageTypes.h"
#include "MusicObj.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "SharedImages.h"
#include "StyleTemplates.h"

#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMetaObject>
#include <QMouseEvent>
#include <QSplitter>
#include <QStackedLayout>
#include <QThread>

#include <algorithm>
#include <utility>

using duplicate_detail::AsRow;
using duplicate_detail::kBlack;
using duplicate_detail::kBlue;
using duplicate_detail::kColumnBitrate;
using duplicate_detail::kColumnCheck;
using duplicate_detail::kColumnCount;
using duplicate_detail::kColumnName;
using duplicate_detail::kColumnOpen;
using duplicate_detail::kColumnPath;
using duplicate_detail::kColumnPlay;
using duplicate_detail::kColumnRestore;
using duplicate_detail::kColumnSize;
using duplicate_detail::kColumnSpare;
using duplicate_detail::kColumnTime;
using duplicate_detail::kGrey;
using duplicate_detail::SharedIcon;

namespace
{

// Where a copy's size and bit rate cells keep the values they word.
constexpr int kRawValueRole = Qt::UserRole + 1;

// The clean-up runs at most once in the process's life, however often the page opens.
bool g_bClearTrashOnce = true;
// Whether the pointing hand is shown over the tree; the cursor changes only when this does.
bool g_bHandCursor = false;

// Built again only when the scale changed since, so it is drawn at the scale's size.
const QIcon& FolderIcon()
{
    static double scale = 0.0;
    static QIcon folder;
    if (scale != g_dScale)
    {
        scale = g_dScale;
        folder = ScaledIcon(QStringLiteral(":/res/res/win/label/folder.png"));
    }
    return folder;
}

} // namespace

CDuplicate::CDuplicate(int mediaHandle, CMusicLink* link, QWidget* parent)
    : QWidget(parent), m_mediaHandle(mediaHandle), m_unitLocale(InterfaceLocale())
{
    setObjectName(QStringLiteral("Duplicate"));
    m_restorePool.setMaxThreadCount(kRestoresAtOnce);
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
    // The copies stand as far in under their group as the scale makes everything else.
    m_pTree->setIndentation(ScaledInt(m_pTree->indentation()));
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
    m_unitLocale = InterfaceLocale();
    SetHeaderTexts();
    m_pOptions->loadLanguage();
    m_pScanList->loadLanguage();
    m_pTree->RetranslateMenu();
    // The size cell of a group is an interface text: "2 duplicates" in the new language; its
    // copies' sizes and bit rates are worded in the new language's numbers and units.
    auto retranslateGroup = [this](QTreeWidgetItem* group)
    {
        group->setText(kColumnSize, CCountTexts::DuplicateCount(group->childCount()));
        for (int c = 0; c < group->childCount(); ++c)
            SetUnitTexts(group->child(c));
    };
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
        retranslateGroup(m_pTree->topLevelItem(g));
    for (QTreeWidgetItem* group : m_pendingGroups)
        retranslateGroup(group);
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

QStringList CDuplicate::ScanPaths()
{
    m_pOptions->Save();
    return m_pScanList->ScanPaths();
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

void CDuplicate::SetUnitTexts(QTreeWidgetItem* copy) const
{
    const QLocale& locale = m_unitLocale;
    bool known = false;
    const qint64 bytes = copy->data(kColumnSize, kRawValueRole).toString().trimmed().toLongLong(&known);
    copy->setText(kColumnSize,
                  tr("%1 MB").arg(locale.toString(std::max(known ? bytes / 1048576.0 : 0.0, 0.01), 'f', 2)));
    const qint64 bitrate = copy->data(kColumnBitrate, kRawValueRole).toString().trimmed().toLongLong();
    copy->setText(kColumnBitrate, tr("%1 kbps").arg(locale.toString(bitrate)));
}

CDuplicateItem* CDuplicate::MakeCopyRow(const QString& name, const QString& size, const QString& time,
                                        const QString& location, const QString& bitrate)
{
    auto* copy = new CDuplicateItem;
    QString timeText;
    FormatDuration(time, timeText);
    copy->setText(kColumnName, ScreenText(name));
    copy->setData(kColumnSize, kRawValueRole, size);
    copy->setData(kColumnBitrate, kRawValueRole, bitrate);
    SetUnitTexts(copy);
    copy->setText(kColumnTime, timeText);
    copy->setText(kColumnPath, location);
    copy->setIcon(kColumnPath, FolderIcon());
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

QList<ProjectRow> CDuplicate::EngineProjectRows()
{
    FlushPendingGroups();
    QList<ProjectRow> rows;
    for (int g = 0, groups = m_pTree->topLevelItemCount(); g < groups; ++g)
    {
        QTreeWidgetItem* group = m_pTree->topLevelItem(g);
        for (int c = 0, copies = group->childCount(); c < copies; ++c)
        {
            CDuplicateItem* copy = AsRow(group->child(c));
            if (!copy->IsBare() || !copy->Record())
                return {};
            // A loaded project marks what it removes by the copies' State: the ticks the user
            // set are what it keeps; a copy already in the recycle folder stays done.
            int state = copy->BareState() & MF_RemovalApplied;
            if (state || copy->checkState(kColumnCheck) != Qt::Unchecked)
                state |= MF_Duplicate;
            rows.append(ProjectRow{*copy->Record(), MF_Duplicate | MF_Analysed, state,
                                   static_cast<qint64>(g) + 1, RunModeDuplicateFiles});
        }
    }
    return rows;
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

void CDuplicate::ChangeState(CDuplicateItem* row, int clear, int set)
{
    // A bare record is no track object: its state stays in the row, never in the manager.
    if (row->IsBare())
        row->SetBareState((row->BareState() & ~clear) | set);
    else if (m_pWriter && row->GetMusicData())
        m_pWriter->ChangeState(row->GetMusicData(), clear, set);
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
    const int bit = MF_Duplicate;
    ChangeState(row, checked ? 0 : bit, checked ? bit : 0);
}

// ---- Recycle folder ------------------------------------------------------------------------

void CDuplicate::OpenTrash()
{
    const CAppSettings* settings = GetAppSettings();
    if (!settings)
        return;
    // Today's removals when there are any, else the whole history; the folder is named to the
    // user when the desktop has no file manager to show it.
    const QString today =
        settings->GetRecycleFolder() + u'/' + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QString folder = QFileInfo(today).isDir() ? today : settings->GetRecycleFolder();
    QDir().mkpath(folder);
    CDesktopHandOver::OpenFolder(this, folder);
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
    // Leaving keeps the criteria the user set on this page, as a scan does.
    QStringList dropped;
    TakeScanPaths(dropped);
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
