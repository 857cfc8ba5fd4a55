// The report page's rows: checking, the current song, sorting, pictures, and rows leaving their pages.
#include "AnalyReport.h"

#include "AnalyReportHelpers.h"
#include "AppHelpers.h"
#include "ArtworkList.h"
#include "CMusicLink.h"
#include "CShowMaxPicture.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "ListDelegate.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "StyleTemplates.h"
#include "TreeItem.h"
#include "UILog.h"
#include "UtilityToolkit.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QStackedWidget>
#include <QThreadPool>

using report_detail::CompleteIcon;
using report_detail::Record;
using report_detail::Shown;

namespace
{
// The side of the song pictures of Unrecognized Songs.
int ThumbSide()
{
    return ScaledInt(30);
}

// Most rows of Unrecognized Songs show one of these: made once per scale, not once per row.
QPixmap ResourceThumb(const QString& resource)
{
    static QHash<QString, QPixmap> cached;
    static int cachedSide = -1;
    const int side = ThumbSide();
    if (cachedSide != side)
    {
        cached.clear();
        cachedSide = side;
    }
    auto it = cached.find(resource);
    if (it == cached.end())
        it = cached.insert(
            resource, QPixmap(resource).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return it.value();
}

QPixmap FailedThumb()
{
    return ResourceThumb(QStringLiteral(":/res/res/win/list/artwork_failed.png"));
}

// Shown while the song's own picture is being decoded.
QPixmap WaitingThumb()
{
    return ResourceThumb(QStringLiteral(":/res/res/win/list/artwork_load.png"));
}

// Which request a row's picture answers: set with each request, compared when it comes back.
constexpr int kThumbSerialRole = Qt::UserRole + 17;
} // namespace

// ---------------------------------------------------------------------------------------------
// Checking, the current song, sorting and pictures

void CAnalyReport::WriteExclusion(CMusicObj* track, bool unchecked, int bit)
{
    if (m_pLink && track)
        m_pWriter->ChangeState(track, unchecked ? 0 : bit, unchecked ? bit : 0);
}

void CAnalyReport::ChangeChecked(QTreeWidgetItem* item, int column, int bit)
{
    if (column != 0)
        return;
    if (auto* row = dynamic_cast<CTreeItem*>(item))
        WriteExclusion(row->GetMusicData(), row->checkState(0) != Qt::Checked, bit);
}

void CAnalyReport::ArtworkChangeChecked(QListWidgetItem* item)
{
    if (auto* cell = dynamic_cast<CListItem*>(item))
        WriteExclusion(cell->GetMusicData(), cell->GetCheckState() != Qt::Checked, MF_Artwork);
}

void CAnalyReport::ArtistChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, MF_Artist);
}

void CAnalyReport::AlbumChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, MF_Album);
}

void CAnalyReport::NotExistChangeChecked(QTreeWidgetItem* row, int column)
{
    ChangeChecked(row, column, MF_FileMissing);
    // A song whose file is gone, checked while still in the library, is something to apply.
    if (auto* song = dynamic_cast<CTreeItem*>(row); column == 0 && song &&
                                                    song->checkState(0) == Qt::Checked &&
                                                    song->GetFixState() != ERowFixState::Fixed)
        emit ResultChanged();
}

void CAnalyReport::ArtworkUncheckedAll(int value)
{
    if (m_pLink)
        m_pWriter->ChangeAllStates(MF_Artwork, value);
}

void CAnalyReport::ArtistUncheckedAll(int value)
{
    if (m_pLink)
        m_pWriter->ChangeAllStates(MF_Artist, value);
}

void CAnalyReport::AlbumUncheckedAll(int value)
{
    if (m_pLink)
        m_pWriter->ChangeAllStates(MF_Album, value);
}

void CAnalyReport::NotExistUncheckedAll(int value)
{
    if (m_pLink)
        m_pWriter->ChangeAllStates(MF_FileMissing, value);
}

void CAnalyReport::CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    if (!m_fixRun.Idle() || m_nStop.load())
        return;
    if (auto* row = dynamic_cast<CTreeItem*>(current))
        m_pModify->ShowTrack(row->GetKind(), row->GetMusicData());
}

void CAnalyReport::CurrentItemChanged(QListWidgetItem* current, QListWidgetItem*)
{
    if (!m_fixRun.Idle() || m_nStop.load())
        return;
    if (auto* cell = dynamic_cast<CListItem*>(current))
        m_pModify->ShowTrack(cell->GetKind(), cell->GetMusicData());
}

void CAnalyReport::FollowCurrentRow()
{
    // The row that left may have been the current one: its page made the next row current
    // without telling the editor, which would go on showing the song that left while an edit
    // typed there seemed to belong to the highlighted one.
    CMusicObj* track = nullptr;
    int kind = 0;
    if (m_pStack->currentWidget() == m_pArtworkList)
    {
        if (auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->currentItem()))
        {
            m_pArtworkList->setCurrentItem(cell); // highlighted as well as current
            track = cell->GetMusicData();
            kind = cell->GetKind();
        }
    }
    else if (auto* tree = dynamic_cast<QTreeWidget*>(m_pStack->currentWidget()))
    {
        if (auto* row = dynamic_cast<CTreeItem*>(tree->currentItem()))
        {
            tree->setCurrentItem(row);
            track = row->GetMusicData();
            kind = row->GetKind();
        }
    }
    if (track)
    {
        if (m_pModify->Track() != track)
            m_pModify->ShowTrack(kind, track);
        return;
    }
    // Nothing is highlighted: what the editor holds goes to its own song, then it folds away.
    m_pModify->ShowTrack(0, nullptr);
    m_pModify->HideModify();
    if (!m_pModify->IsContentHidden())
        m_pModify->EditHide();
}

void CAnalyReport::SortFailedTree(int column)
{
    if (column != 1)
        return;
    const bool ascending = m_pUnrecognizedTree->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    QList<QTreeWidgetItem*> taken;
    for (int i = m_pUnrecognizedTree->topLevelItemCount() - 1; i >= 0; --i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pUnrecognizedTree->topLevelItem(i));
        if (!row)
            continue;
        bool take = false;
        if (row->GetKind() & MF_Artwork)
        {
            const bool hasPath = m_pLink && !m_pLink->GetArtworkPath(row->GetMusicData()).isEmpty();
            take = (!hasPath && ascending) || (hasPath && !ascending);
        }
        else
        {
            take = !ascending;
        }
        if (take)
            taken.append(m_pUnrecognizedTree->takeTopLevelItem(i));
    }
    m_pUnrecognizedTree->addTopLevelItems(taken);
}

void CAnalyReport::ShowMaxPicture(QListWidgetItem* item)
{
    auto* cell = dynamic_cast<CListItem*>(item);
    if (!cell || !m_pLink)
        return;
    const QString path = m_pLink->GetArtworkPath(cell->GetMusicData());
    if (path.isEmpty())
        return;
    // The overlay is a window of its own, placed in screen coordinates: centred over the grid
    // (its top left corner when the grid is smaller), wherever the window and the splitter are.
    const int side = ScaledInt(376);
    const int dx = m_pArtworkList->width() > side ? (m_pArtworkList->width() - side) / 2 : 0;
    const int dy = m_pArtworkList->height() > side ? (m_pArtworkList->height() - side) / 2 : 0;
    m_pMaxPicture->setGeometry(QRect(m_pArtworkList->mapToGlobal(QPoint(dx, dy)), QSize(side, side)));
    DecodeMaxPicture(path);
    m_pMaxPicture->setWindowModality(Qt::ApplicationModal);
}

void CAnalyReport::DecodeMaxPicture(const QString& path)
{
    // A large picture takes a good part of a second to decode: on a pool thread, scaled there to
    // the overlay's size. The overlay shows once it arrives, unless another was asked for since.
    const quint64 request = ++m_uMaxPictureRequest;
    const int side = ScaledInt(300);
    QPointer<CAnalyReport> self(this);
    m_pThumbPool->start(
        [self, path, request, side]
        {
            QImage image = LoadAnyImage(path);
            if (!image.isNull())
                image = image.height() > image.width() ? image.scaledToHeight(side, Qt::SmoothTransformation)
                                                       : image.scaledToWidth(side, Qt::SmoothTransformation);
            QMetaObject::invokeMethod(
                qApp,
                [self, request, image]
                {
                    if (self && request == self->m_uMaxPictureRequest)
                        self->m_pMaxPicture->SetPicture(QPixmap::fromImage(image));
                },
                Qt::QueuedConnection);
        });
}

void CAnalyReport::SelectArtworkList(QListWidgetItem* item)
{
    auto* cell = dynamic_cast<CListItem*>(item);
    if (!cell || !cell->GetMusicData() || !m_pLink || !m_pArtworkPopup)
        return;
    CMusicObj* track = cell->GetMusicData();
    const int n = m_pLink->GetArtworkCount(track);
    QStringList candidates;
    for (int i = 0; i < n; ++i)
        candidates.append(m_pLink->GetArtworkCandidate(track, i));
    const int current = candidates.indexOf(m_pLink->GetArtworkPath(track));
    m_pArtworkPopup->SetArtworks(cell, current, candidates);

    const QRect visual = m_pArtworkList->visualItemRect(cell);
    const QPoint p = m_pArtworkList->viewport()->mapToGlobal(visual.bottomRight());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 0;
    const int w = m_pArtworkPopup->width();
    int shift = 0;
    if (screenWidth < p.x() + w / 2)
        shift = p.x() + w / 2 - screenWidth;
    else if (p.x() - w / 2 < 0)
        shift = p.x() - w / 2;
    // The visual rectangle is mapped through the list itself, so the category tree's width is
    // already in p; adding it again would put the pop-up past the cell.
    m_pArtworkPopup->move(p.x() - w / 2 - shift - 18, p.y() - 10);
    m_pArtworkPopup->SetUserValue(w / 2 + shift - 18);
    m_pArtworkPopup->show();
    m_pArtworkPopup->setFocus();
}

void CAnalyReport::OpenRepeatMusicPath(QTreeWidgetItem* row, int column)
{
    if (row && column == 6 && !row->text(6).isEmpty())
        ShowInFolder(row->text(6));
}

bool CAnalyReport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pMissingTree->viewport())
    {
        if (event->type() == QEvent::MouseMove)
        {
            const auto* move = static_cast<QMouseEvent*>(event);
            const QPoint pos = move->position().toPoint();
            QTreeWidgetItem* row = m_pMissingTree->itemAt(pos);
            const bool onLink = row && m_pMissingTree->columnAt(pos.x()) == 6 && !row->text(6).isEmpty();
            setCursor(onLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
        else if (event->type() == QEvent::Leave)
        {
            setCursor(Qt::ArrowCursor);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Rows that leave their pages

void CAnalyReport::ForgetRow(CMusicObj* track, QTreeWidgetItem* row)
{
    auto it = m_trackRows.find(track);
    if (it == m_trackRows.end())
        return;
    TrackRows& rows = it.value();
    if (rows.artist == row)
        rows.artist = nullptr;
    if (rows.album == row)
        rows.album = nullptr;
    if (rows.missing == row)
        rows.missing = nullptr;
    if (!rows.cell && !rows.artist && !rows.album && !rows.missing)
        m_trackRows.erase(it);
}

void CAnalyReport::ForgetCell(CMusicObj* track, QListWidgetItem* cell)
{
    m_pArtworkList->ForgetCell(cell);
    auto it = m_trackRows.find(track);
    if (it == m_trackRows.end())
        return;
    if (it->cell == cell)
        it->cell = nullptr;
    if (!it->cell && !it->artist && !it->album && !it->missing)
        m_trackRows.erase(it);
}

void CAnalyReport::MoveFailedItem()
{
    WriteUILog(QStringLiteral("Enter MoveFailed Item"));
    if (m_nStop.load() || !m_pLink)
        return;
    {
        const QSignalBlocker blocker(m_pArtworkList->model());
        for (int i = m_pArtworkList->count() - 1; i >= 0; --i)
        {
            auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i));
            if (cell && cell->GetLoadState() != ERowFixState::Fixed)
            {
                m_pArtworkList->takeItem(i);
                ForgetCell(cell->GetMusicData(), cell);
                m_takenCells.append(cell);
            }
        }
    }
    m_pArtworkList->reset();
    if (m_nStop.load())
        return;
    for (CListItem* cell : std::as_const(m_takenCells))
    {
        if (cell->GetMusicData())
            AddUnrecognizedTrack(cell->GetMusicData(), cell->GetKind(), Qt::Checked);
    }
    if (!m_nStop.load())
    {
        RecheckFixedRows(m_pAlbumTree, ReportAlbum);
        RecheckFixedRows(m_pArtistTree, ReportArtist);
    }
}

void CAnalyReport::MoveFailedItemOK()
{
    WriteUILog(QStringLiteral("Enter MoveFailedItemOK"));
    qDeleteAll(m_takenCells);
    if (!m_takenCells.isEmpty() && m_pArtworkList->count() > 0)
        m_bUnapplied = true;
    m_takenCells.clear();
    if (!m_takenArtistRows.isEmpty() && m_pArtistTree->topLevelItemCount() > 0)
        m_bUnapplied = true;
    m_pRowReaper->Discard(std::exchange(m_takenArtistRows, {}));
    if (!m_takenAlbumRows.isEmpty() && m_pAlbumTree->topLevelItemCount() > 0)
        m_bUnapplied = true;
    m_pRowReaper->Discard(std::exchange(m_takenAlbumRows, {}));

    m_pUnrecognizedTree->setSortingEnabled(false);
    m_pUnrecognizedTree->setUpdatesEnabled(false);
    m_pUnrecognizedTree->invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> rows;
    for (auto it = m_unrecognizedRows.begin(); it != m_unrecognizedRows.end();)
    {
        CTreeItem* row = it.value();
        MusicInfo* info = Record(m_pLink, it.key());
        if (m_nStop.load() || !info)
        {
            // The entry goes with its row: nothing may read the row afterwards.
            delete row;
            it = m_unrecognizedRows.erase(it);
            continue;
        }
        SetUnrecognizedPicture(row, it.key(), true);
        rows.append(row);
        ++it;
    }
    m_pUnrecognizedTree->addTopLevelItems(rows);
    m_pUnrecognizedTree->setUpdatesEnabled(true);
    m_pUnrecognizedTree->setSortingEnabled(true);
    m_fixRun.album = EFixStage::Finished;
    m_fixRun.unrecognized = EFixStage::Idle;

    ReflashView(true);
    UpdateFixSummary();
    emit ReportFixAllComplete();
    m_fixRun.run = EFixRunState::None;
    emit HideProcessing();
    WriteUILog(QStringLiteral("End MoveFailedItemOK()"));
}

void CAnalyReport::SetUnrecognizedPicture(CTreeItem* row, CMusicObj* track, bool failedWhenNoPath)
{
    if (!m_pLink)
    {
        row->setData(1, kThumbSerialRole, QVariant());
        row->setIcon(1, QIcon(FailedThumb()));
        return;
    }
    const quint64 serial = ++m_nThumbSerial;
    row->setData(1, kThumbSerialRole, serial);
    row->setIcon(1, QIcon(WaitingThumb()));
    CMusicLink* link = m_pLink;
    const int side = ThumbSide();
    const bool fromFile = !failedWhenNoPath || !(row->GetKind() & MF_Artwork);
    // Finding the picture may take it out of the audio file: a worker does that. The pool is
    // emptied and waited for before the page, its rows or the tracks go, so the job may use them;
    // what it finds comes back queued to the row that still asks for it.
    m_pThumbPool->start(
        [this, link, track, serial, side, fromFile]
        {
            if (m_nStop.load())
                return;
            const QString path = link->GetArtworkPath(track);
            QImage image;
            if (path.isEmpty() && fromFile)
            {
                image = QImage::fromData(link->GetArtworkData(track));
                if (!image.isNull())
                    image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            QMetaObject::invokeMethod(
                this,
                [this, track, serial, path, image]
                {
                    CTreeItem* asking = m_unrecognizedRows.value(track);
                    if (!asking || asking->data(1, kThumbSerialRole).toULongLong() != serial)
                        return;
                    // A picture file is decoded and cached by the artwork grid's decoder.
                    if (!path.isEmpty())
                        RequestUnrecognizedThumb(asking, track, path);
                    else
                        asking->setIcon(1, QIcon(image.isNull() ? FailedThumb() : QPixmap::fromImage(image)));
                },
                Qt::QueuedConnection);
        });
}

void CAnalyReport::StopThumbJobs()
{
    if (m_pModify)
        m_pModify->WaitArtworkReads();
    if (!m_pThumbPool)
        return;
    m_pThumbPool->clear();
    m_pThumbPool->waitForDone();
}

void CAnalyReport::RequestUnrecognizedThumb(CTreeItem* row, CMusicObj* track, const QString& path)
{
    const quint64 serial = ++m_nThumbSerial;
    row->setData(1, kThumbSerialRole, serial);
    const QPixmap cached = m_pDelegate->CachedPicture(path, ThumbSide(), true);
    if (!cached.isNull())
    {
        row->setIcon(1, QIcon(cached));
        return;
    }
    row->setIcon(1, QIcon(WaitingThumb()));
    m_thumbWaits[path].append(ThumbWait{track, serial});
}

void CAnalyReport::UnrecognizedThumbReady(const QString& path, int side, bool stretch, const QPixmap& picture)
{
    if (!stretch) // a picture of the artwork grid
        return;
    const QList<ThumbWait> waits = m_thumbWaits.take(path);
    if (side != ThumbSide()) // asked before the scale changed: the rows are built again
        return;
    for (const ThumbWait& wait : waits)
    {
        // The row may have been deleted, moved, or asked again for another picture meanwhile:
        // only the row that still carries this request's serial takes the picture.
        CTreeItem* row = m_unrecognizedRows.value(wait.track);
        if (row && row->data(1, kThumbSerialRole).toULongLong() == wait.serial)
            row->setIcon(1, QIcon(picture.isNull() ? FailedThumb() : picture));
    }
}

void CAnalyReport::AddUnrecognizedTrack(CMusicObj* track, int kind, int checkState)
{
    if (!track || m_unrecognizedRows.contains(track))
        return;
    // The texts Apply will write: an answer "Replace" keeps back is not shown as the song's.
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return;
    auto* row = new CTreeItem();
    row->SetMusicData(track, kind);
    row->setCheckState(0, checkState == Qt::Checked ? Qt::Checked : Qt::Unchecked);
    row->setText(2, ScreenText(info->Name));
    row->setToolTip(2, ScreenText(info->Name));
    QString duration;
    FormatDuration(info->TotalTime, duration);
    row->setText(3, duration);
    row->setText(4, UnknownText(info->Artist, tr("Artist")));
    row->setText(5, UnknownText(info->Album, tr("Album")));
    row->SetLocation(info->Location);
    row->SetPersistentID(info->PersistentID);
    row->setSizeHint(0, QSize(ScaledInt(300), ScaledInt(40)));
    m_pUnrecognizedTree->addTopLevelItem(row);
    // Entered even after a stop, so the row is freed with the page and never leaks.
    m_unrecognizedRows.insert(track, row);
    // Kept with the song, so the result saved or left behind lists it here again; the mark goes
    // with the rest of the state when the song leaves this list fixed.
    if (m_pLink)
        m_pWriter->ChangeState(track, 0, MF_Unrecognized);
}

void CAnalyReport::RecheckFixedRows(CFailedTreeWidget* page, ReportCategory category)
{
    if (!page)
        return;
    QList<CTreeItem*>& moved = category == ReportArtist ? m_takenArtistRows : m_takenAlbumRows;
    {
        const QSignalBlocker modelBlock(page->model());
        const QSignalBlocker headerBlock(page->header());
        for (int i = page->topLevelItemCount() - 1; i >= 0 && m_nStop.load() == 0; --i)
        {
            auto* row = dynamic_cast<CTreeItem*>(page->topLevelItem(i));
            if (!row || !row->GetMusicData() || row->GetFixState() == ERowFixState::Fixed)
                continue;
            bool move = true;
            if (m_pLink && static_cast<ERowFixState>(m_pLink->GetInfoFixState(row->GetMusicData())) ==
                               ERowFixState::Fixed)
            {
                const std::optional<MusicInfo> info = Shown(m_pLink, row->GetMusicData());
                if (!info)
                    continue;
                const QString& field = category == ReportArtist ? info->Artist : info->Album;
                if (!field.isEmpty())
                {
                    row->setText(0, UnknownText(info->Name, QString()));
                    row->setText(2, UnknownText(info->Artist, tr("Artist")));
                    row->setText(3, UnknownText(info->Album, tr("Album")));
                    row->SetFixState(ERowFixState::Fixed);
                    row->setIcon(5, CompleteIcon());
                    move = false;
                }
            }
            if (move)
            {
                page->takeTopLevelItem(i);
                ForgetRow(row->GetMusicData(), row);
                moved.append(row);
            }
        }
    }
    page->reset();
    for (CTreeItem* row : std::as_const(moved))
    {
        if (m_nStop.load())
            break;
        if (row->GetMusicData())
            AddUnrecognizedTrack(row->GetMusicData(), row->GetKind(), 2);
    }
}

void CAnalyReport::EditFixItem(void* handle)
{
    auto* track = static_cast<CMusicObj*>(handle);
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return;
    const TrackRows rows = m_trackRows.value(track);
    if (rows.cell)
    {
        rows.cell->setText(ScreenText(info->Name));
        rows.cell->setToolTip(ScreenText(info->Name));
        const QString path = m_pLink->GetArtworkPath(track);
        if (!path.isEmpty())
        {
            // The edit may have written the new picture under the old name.
            m_pDelegate->ForgetPicture(path);
            rows.cell->SetArtworkPath(path);
        }
        const int count = m_pLink->GetArtworkCount(track);
        if (count > 0)
            rows.cell->SetArtworkCount(count);
        m_pArtworkList->viewport()->update();
    }
    for (CTreeItem* row : {rows.artist, rows.album})
    {
        if (!row)
            continue;
        row->setText(2, UnknownText(info->Artist, tr("Artist")));
        row->setText(3, UnknownText(info->Album, tr("Album")));
        // A field typed by hand fixes its row as an answer does, as the row of a loaded result
        // shows it.
        const bool given = !(row == rows.artist ? info->Artist : info->Album).isEmpty();
        if (given && row->GetFixState() != ERowFixState::Fixed)
        {
            CFailedTreeWidget* tree = row == rows.artist ? m_pArtistTree : m_pAlbumTree;
            row->SetFixState(ERowFixState::Fixed);
            row->setIcon(5, CompleteIcon());
            tree->SetFixedCount(tree->GetFixedCount() + 1);
        }
    }
    CTreeItem* row = m_unrecognizedRows.value(track);
    if (!row)
        return;
    row->SetFixState(ERowFixState::Fixed);
    if (CheckUnrecognizedRow(row))
    {
        m_fixRun.run = EFixRunState::Running;
        const int index = m_pUnrecognizedTree->indexOfTopLevelItem(row);
        if (index >= 0)
            m_pUnrecognizedTree->takeTopLevelItem(index);
        delete row;
        ReflashView(false);
        UpdateFixSummary();
        emit ReportFixAllComplete();
        m_fixRun.run = EFixRunState::None;
        m_bUnapplied = true;
        FollowCurrentRow();
        return;
    }
    row->setText(2, ScreenText(info->Name));
    row->setToolTip(2, ScreenText(info->Name));
    row->setText(4, UnknownText(info->Artist, tr("Artist")));
    row->setText(5, UnknownText(info->Album, tr("Album")));
    SetUnrecognizedPicture(row, track, false);
    // What the edit gave a problem of the song shows, fixed, in that problem's list, as a loaded
    // result lists it; the page stays where the user is.
    if (m_fixRun.Idle() && ListFoundProblems(track, row->GetKind(), -1, nullptr))
    {
        QTreeWidgetItem* current = m_pTypeTree->currentItem();
        ReflashMusicNum(false);
        if (current && m_pTypeTree->indexOfTopLevelItem(current) >= 0)
            m_pTypeTree->setCurrentItem(current);
        UpdateFixSummary();
    }
}

bool CAnalyReport::CheckUnrecognizedRow(CTreeItem* row)
{
    if (!row || !row->GetMusicData())
        return false;
    CMusicObj* track = row->GetMusicData();
    const ERowFixState state = row->GetFixState();
    row->SetFixState(ERowFixState::NotFixed);
    row->setIcon(8, QIcon());
    if (state != ERowFixState::Fixed)
        return false;
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return false;
    const int mask = m_nCategoryMask.load();
    const QString path = m_pLink->GetArtworkPath(track);
    const bool unfixed = ((mask & MF_Artwork) && path.isEmpty() && (row->GetKind() & MF_Artwork)) ||
                         ((mask & MF_Artist) && info->Artist.isEmpty()) ||
                         ((mask & MF_Album) && info->Album.isEmpty());
    if (unfixed)
    {
        if (!path.isEmpty())
            RequestUnrecognizedThumb(row, track, path);
        return false;
    }
    // What an Apply wrote stays known as found.
    m_pWriter->ChangeState(track, ~kAppliedBits, 0);
    const int both = row->GetKind() & mask;
    const TrackRows rows = m_trackRows.value(track);
    if (both & MF_Artwork)
    {
        if (rows.cell)
        {
            rows.cell->setText(ScreenText(info->Name));
        }
        else if (CListItem* cell = AddArtworkCell(track, row->GetKind(), -1, nullptr))
        {
            cell->SetCheckState(Qt::Checked, false);
        }
    }
    auto updateOrAdd = [&](CTreeItem* existing, CFailedTreeWidget* tree, int mode)
    {
        if (existing)
        {
            existing->setText(0, ScreenText(info->Name));
            existing->setText(2, ScreenText(info->Artist));
            existing->setText(3, ScreenText(info->Album));
        }
        else
        {
            FillProblemTree(track, row->GetKind(), tree, mode, 2, -1, false);
        }
    };
    if (both & MF_Artist)
        updateOrAdd(rows.artist, m_pArtistTree, 2);
    if (both & MF_Album)
        updateOrAdd(rows.album, m_pAlbumTree, 3);
    m_unrecognizedRows.remove(track);
    return true;
}
