// The report page's songs as the analysis hands them over, the category tree and the summary.
#include "AnalyReport.h"

#include "AnalyReportHelpers.h"
#include "AppGlobals.h"
#include "AppHelpers.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "CountTexts.h"
#include "FailedTreeWidget.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "QuantityWidget.h"
#include "ScreenText.h"
#include "StyleTemplates.h"
#include "TreeItem.h"
#include "UILog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStackedWidget>
#include <QThread>
#include <QTreeWidget>

#include <algorithm>

using report_detail::CompleteIcon;
using report_detail::Record;
using report_detail::Shown;

namespace
{
// Page of each category in the stack.
int PageOf(ReportCategory category)
{
    switch (category)
    {
    case ReportUnrecognized:
        return 4;
    case ReportArtwork:
        return 0;
    case ReportArtist:
        return 3;
    case ReportAlbum:
        return 2;
    case ReportMissingFile:
        return 1;
    }
    return 0;
}

QFont RowFont()
{
    QFont font = QApplication::font();
    // Scaled as every other text of the window, the artwork grid's titles included.
    font.setPointSize(qMax(1, ScaledInt(10)));
    return font;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Songs of the analysis

QString CAnalyReport::PictureFolder()
{
    CAppSettings* settings = GetAppSettings();
    return settings ? settings->GetPictureFolder() : QString();
}

bool CAnalyReport::SaveInsidePictureFolder(const QImage& image, const QString& path)
{
    // A saved project is untrusted: its artwork paths may point anywhere. Only the Picture folder
    // is ours to write.
    const QString folder = PictureFolder();
    if (folder.isEmpty() || path.isEmpty())
        return false;
    const QString root = QDir(folder).canonicalPath();
    const QFileInfo target(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString parent = QDir(target.absolutePath()).canonicalPath();
    if (root.isEmpty() || parent.isEmpty() || !(parent == root || parent.startsWith(root + QLatin1Char('/'))))
        return false;
    if (target.isSymLink())
        return false;
    return image.save(target.absoluteFilePath());
}

QString CAnalyReport::StoreAnswerArtwork(const QByteArray& bytes, const QString& target)
{
    if (bytes.isEmpty() || target.isEmpty())
        return {};
    // Any format the answer came in; stored as the JPEG its name says.
    const QImage image = QImage::fromData(bytes);
    if (image.isNull() || !SaveInsidePictureFolder(image, target))
        return {};
    return target;
}

int CAnalyReport::AddProblemTrack(CMusicObj* track, int problem, int state, int64_t, int identify, int)
{
    if (m_nStop.load() || !track)
        return 0;
    PendingTrack song{track, problem, state, identify, {}, false};
    if (NeedsStoredArtwork(problem))
    {
        bool prepared = false;
        {
            QMutexLocker lock(&m_pendingMutex);
            if (auto it = m_preparedArtwork.find(track); it != m_preparedArtwork.end())
            {
                song.artworkPath = it->artworkPath;
                song.artworkSaved = it->artworkSaved;
                m_preparedArtwork.erase(it);
                prepared = true;
            }
        }
        if (!prepared)
            ReadStoredArtwork(song);
    }
    if (QThread::currentThread() == thread())
    {
        // Already on the GUI thread (the window hands songs over in batches): file it now, after
        // anything a worker queued before, so the order stays the caller's.
        FlushPendingTracks();
        FileProblemTrack(song);
        return 0;
    }
    bool post = false;
    {
        QMutexLocker lock(&m_pendingMutex);
        m_pending.push_back(std::move(song));
        if (!m_bFlushPosted)
        {
            m_bFlushPosted = true;
            post = true;
        }
    }
    if (post)
        QMetaObject::invokeMethod(this, &CAnalyReport::FlushPendingTracks, Qt::QueuedConnection);
    return 0;
}

void CAnalyReport::FlushPendingTracks()
{
    std::vector<PendingTrack> batch;
    {
        QMutexLocker lock(&m_pendingMutex);
        batch.swap(m_pending);
        m_bFlushPosted = false;
    }
    if (batch.empty())
        return;
    const QList<QWidget*> pages = {m_pArtworkList, m_pAlbumTree, m_pArtistTree, m_pMissingTree};
    for (QWidget* page : pages)
        page->setUpdatesEnabled(false);
    for (const PendingTrack& song : batch)
    {
        if (m_nStop.load())
            break;
        FileProblemTrack(song);
    }
    for (QWidget* page : pages)
        page->setUpdatesEnabled(true);
}

void CAnalyReport::FileProblemTrack(const PendingTrack& song)
{
    const int mask = m_nCategoryMask.load();
    if (song.problem & MF_FileMissing)
    {
        if (mask & MF_FileMissing)
            FillProblemTree(song.track, song.problem, m_pMissingTree, 1,
                            (song.state & MF_FileMissing) ? 0 : 2, -1, song.state & MF_RemovalApplied);
        return;
    }
    if (song.state & MF_Unrecognized)
    {
        // A result saved or left behind after a fix pass: the songs it found nothing for are
        // listed among the Unrecognized Songs again, not among their problems, and Refix asks
        // the service about them as in the session that left them.
        AddUnrecognizedTrack(song.track, song.problem, 2);
        if (CTreeItem* row = m_unrecognizedRows.value(song.track))
        {
            SetUnrecognizedPicture(row, song.track, true);
            m_identifyTracks.insert(song.identify, song.track);
            m_pullQueue.insert(song.identify, row->GetLocation());
            ListFoundProblems(song.track, song.problem, song.identify, &song);
        }
        return;
    }
    bool added = false;
    if ((song.problem & MF_Artist) && (mask & MF_Artist))
        added |= FillProblemTree(song.track, song.problem, m_pArtistTree, 2, (song.state & MF_Artist) ? 0 : 2,
                                 song.identify, false) >= 0;
    if ((song.problem & MF_Album) && (mask & MF_Album))
        added |= FillProblemTree(song.track, song.problem, m_pAlbumTree, 3, (song.state & MF_Album) ? 0 : 2,
                                 song.identify, false) >= 0;
    if ((song.problem & MF_Artwork) && (mask & MF_Artwork))
    {
        if (CListItem* cell = AddArtworkCell(song.track, song.problem, song.identify, &song))
        {
            cell->SetCheckState((song.state & MF_Artwork) ? Qt::Unchecked : Qt::Checked, false);
            added = true;
        }
    }
    if (added)
    {
        if (MusicInfo* info = Record(m_pLink, song.track))
            m_pullQueue.insert(song.identify, info->Location);
    }
}

int CAnalyReport::FillProblemTree(CMusicObj* track, int kind, CFailedTreeWidget* tree, int mode,
                                  int checkState, int userValue, bool handled)
{
    if (!m_pLink)
        return 0;
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return -1;
    auto* row = new CTreeItem();
    row->SetMusicData(track, kind);
    // Every page, the missing files included, shows the check box its song's exclusion word
    // gives: without one the user could not keep a song in iTunes, nor remove it.
    row->setCheckState(0, checkState == Qt::Checked ? Qt::Checked : Qt::Unchecked);
    row->setText(0, ScreenText(info->Name));
    row->setToolTip(0, ScreenText(info->Name));
    QString duration;
    FormatDuration(info->TotalTime, duration);
    row->setText(1, duration);
    row->setText(2, UnknownText(info->Artist, tr("Artist")));
    row->setText(3, UnknownText(info->Album, tr("Album")));
    row->SetLocation(info->Location);
    row->SetPersistentID(info->PersistentID);
    row->SetUserValue(userValue);
    const QFont font = RowFont();
    for (int c = 0; c < 4; ++c)
        row->setFont(c, font);

    TrackRows& rows = m_trackRows[track];
    auto markFixed = [&]
    {
        row->setIcon(5, CompleteIcon());
        row->SetFixState(ERowFixState::Fixed);
        tree->SetFixedCount(tree->GetFixedCount() + 1);
    };
    if (mode == 2)
    {
        if (info->Artist.isEmpty())
            row->setForeground(2, m_unknownColour);
        else
            markFixed();
        rows.artist = row;
    }
    else if (mode == 3)
    {
        if (info->Album.isEmpty())
            row->setForeground(3, m_unknownColour);
        else
            markFixed();
        rows.album = row;
    }
    else
    {
        if (handled)
            markFixed();
        rows.missing = row;
    }
    if (userValue >= 0)
        m_identifyTracks.insert(userValue, track);
    row->setSizeHint(0, QSize(ScaledInt(300), ScaledInt(25)));
    tree->addTopLevelItem(row);
    return tree->topLevelItemCount() - 1;
}

CListItem* CAnalyReport::AddArtworkCell(CMusicObj* track, int kind, int identify, const PendingTrack* stored)
{
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return nullptr;
    auto* cell = new CListItem(track, kind);
    cell->setTextAlignment(Qt::AlignBottom | Qt::AlignHCenter);
    QFont font = QApplication::font();
    font.setPointSize(qMax(1, ScaledInt(10)));
    cell->setFont(font);
    cell->setSizeHint(QSize(ScaledInt(108), ScaledInt(128)));
    cell->setText(ScreenText(info->Name));
    cell->setToolTip(ScreenText(info->Name));
    cell->SetLocation(info->Location);
    cell->SetPersistentID(info->PersistentID);
    cell->SetUserValue(identify);
    m_pArtworkList->addItem(cell);
    m_trackRows[track].cell = cell;
    if (identify >= 0)
        m_identifyTracks.insert(identify, track);

    if (!stored)
    {
        // Re-added after an edit: the candidates and the chosen path as the library has them.
        const QString path = m_pLink->GetArtworkPath(track);
        const int count = m_pLink->GetArtworkCount(track);
        cell->SetArtworkCount(count);
        cell->SetMultiArtwork(count > 1);
        if (!path.isEmpty())
        {
            cell->SetArtworkState(ArtworkFound, false);
            cell->SetLoadState(ERowFixState::Fixed);
            cell->SetArtworkPath(path);
            m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
        }
        else
        {
            cell->SetArtworkState(ArtworkWaiting, true);
        }
        return cell;
    }
    if (stored->artworkSaved)
    {
        cell->SetArtworkCount(1);
        cell->SetArtworkState(ArtworkFound, false);
        cell->SetLoadState(ERowFixState::Fixed);
        cell->SetArtworkPath(stored->artworkPath);
        m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
    }
    else
    {
        cell->SetArtworkState(ArtworkWaiting, true);
    }
    return cell;
}

bool CAnalyReport::ListFoundProblems(CMusicObj* track, int kind, int identify, const PendingTrack* stored)
{
    const std::optional<MusicInfo> info = Shown(m_pLink, track);
    if (!info)
        return false;
    const int mask = m_nCategoryMask.load();
    const int state = track->GetState();
    const TrackRows rows = m_trackRows.value(track);
    bool added = false;
    if ((kind & mask & MF_Artist) && !rows.artist && !info->Artist.isEmpty())
        added |=
            FillProblemTree(track, kind, m_pArtistTree, 2, (state & MF_Artist) ? 0 : 2, identify, false) >= 0;
    if ((kind & mask & MF_Album) && !rows.album && !info->Album.isEmpty())
        added |=
            FillProblemTree(track, kind, m_pAlbumTree, 3, (state & MF_Album) ? 0 : 2, identify, false) >= 0;
    const bool artwork = stored ? stored->artworkSaved : !m_pLink->GetArtworkPath(track).isEmpty();
    if ((kind & mask & MF_Artwork) && !rows.cell && artwork)
    {
        if (CListItem* cell = AddArtworkCell(track, kind, identify, stored))
        {
            cell->SetCheckState((state & MF_Artwork) ? Qt::Unchecked : Qt::Checked, false);
            added = true;
        }
    }
    return added;
}

bool CAnalyReport::NeedsStoredArtwork(int problem) const
{
    return !(problem & MF_FileMissing) && (problem & MF_Artwork) && (m_nCategoryMask.load() & MF_Artwork);
}

void CAnalyReport::PrepareStoredArtwork(CMusicObj* track, int problem)
{
    if (!track || m_nStop.load() || !NeedsStoredArtwork(problem))
        return;
    PendingTrack song;
    song.track = track;
    ReadStoredArtwork(song);
    QMutexLocker lock(&m_pendingMutex);
    m_preparedArtwork.insert(track, song);
}

void CAnalyReport::ReadStoredArtwork(PendingTrack& song) const
{
    CMusicLink* link = m_pLink;
    if (!link)
        return;
    song.artworkPath = link->GetArtworkPath(song.track);
    if (song.artworkPath.isEmpty())
        return;
    const QImage image = QImage::fromData(link->GetArtworkData(song.track));
    song.artworkSaved = !image.isNull() && SaveInsidePictureFolder(image, song.artworkPath);
    if (!song.artworkSaved)
    {
        MusicInfo* info = Record(link, song.track);
        WriteUILog(QStringLiteral("pixmap.loadFromData Failed: PID:%1 picPath:%2")
                       .arg(info ? info->PersistentID : QString(), song.artworkPath));
    }
}

void CAnalyReport::ClearPullQueue()
{
    m_pullQueue.clear();
}

// ---------------------------------------------------------------------------------------------
// Category tree

void CAnalyReport::ReflashView(bool selectFirst)
{
    const bool hide = m_pArtworkList->count() > 0;
    if (hide)
        m_pArtworkList->hide();
    ReflashMusicNum(selectFirst);
    if (hide)
        m_pArtworkList->show();
}

void CAnalyReport::ShowEditorWith(int kind, CMusicObj* track)
{
    m_pModify->SetEditorHidden(false);
    m_pModify->setVisible(true);
    m_pModify->ShowTrack(kind, track);
    if (m_pModify->IsContentHidden())
        m_pModify->EditHide();
}

void CAnalyReport::ReflashMusicNum(bool selectFirst)
{
    WriteUILog(QStringLiteral("CAnalyReport::ReflashMusicNum"));
    disconnect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
    for (auto& entry : m_entries)
        DropBadge(entry.get());
    while (m_pTypeTree->topLevelItemCount() > 0)
        m_pTypeTree->takeTopLevelItem(0);

    for (auto& entry : m_entries)
    {
        int count = 0;
        switch (entry->GetCategory())
        {
        case ReportUnrecognized:
            count = m_pUnrecognizedTree->topLevelItemCount();
            break;
        case ReportArtwork:
            count = m_pArtworkList->count();
            break;
        case ReportArtist:
            count = m_pArtistTree->topLevelItemCount();
            break;
        case ReportAlbum:
            count = m_pAlbumTree->topLevelItemCount();
            break;
        case ReportMissingFile:
            count = m_pMissingTree->topLevelItemCount();
            break;
        }
        if (count <= 0)
            continue;
        auto* badge = new CQuantityWidget(count);
        entry->SetBadge(badge);
        entry->SetBadgePage(entry->GetBadgePage());
        if (entry->GetBadgePage() == 2)
            badge->SetSpinning(true);
        m_pTypeTree->addTopLevelItem(entry.get());
        m_pTypeTree->setItemWidget(entry.get(), 3, badge);
    }
    FitBadgeColumn();

    if (m_pTypeTree->topLevelItemCount() > 0)
    {
        auto* first = static_cast<CTypeTreeItem*>(m_pTypeTree->topLevelItem(0));
        if (first->GetBadge())
            first->GetBadge()->SetSelected(true);
        m_pTypeTree->setCurrentItem(first);
        ClickType(first, nullptr);
        if (selectFirst)
        {
            switch (first->GetCategory())
            {
            case ReportArtwork:
                if (auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(0)))
                {
                    m_pArtworkList->setCurrentItem(cell);
                    ShowEditorWith(cell->GetKind(), cell->GetMusicData());
                }
                break;
            case ReportMissingFile:
                m_pModify->HideModify();
                m_pModify->hide();
                break;
            default:
            {
                auto* tree = static_cast<QTreeWidget*>(m_pStack->currentWidget());
                if (auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(0)))
                {
                    tree->setCurrentItem(row);
                    ShowEditorWith(row->GetKind(), row->GetMusicData());
                }
                break;
            }
            }
        }
    }
    connect(m_pTypeTree, &QTreeWidget::currentItemChanged, this, &CAnalyReport::ClickType);
}

void CAnalyReport::SendSummaryFor(CTypeTreeItem* entry)
{
    const ReportCategory category = entry->GetCategory();
    const int page = entry->GetBadgePage();
    int total = 0;
    if (page == 0 && category != ReportUnrecognized && m_pLink)
    {
        // Clean songs leave the indexable list after the analysis; every song was scanned.
        int largest = 0;
        total = std::max(m_pLink->GetMusicCount(&largest), largest);
    }
    auto send = [this](const QString& text, int number, int count, int code)
    { emit StartFixAll(text, QString::number(number), count, code); };
    // The numbers add up to the rows shown: both come from the one count of the page.
    const ReportTally tally = Tally();
    const ReportTally::Category& shown = tally.Of(category);
    const int n = shown.rows;
    switch (category)
    {
    case ReportUnrecognized:
    {
        const int fixed = tally.FixedProblems();
        send(CCountTexts::ScoreMessage(-11, fixed, n), fixed, n, -11);
        break;
    }
    case ReportArtwork:
    case ReportArtist:
    case ReportAlbum:
    {
        // The score screen's text, then the fixed one.
        const int scoreCode = category == ReportArtwork ? -12 : category == ReportArtist ? -5 : -7;
        const int fixCode = category == ReportArtwork ? -4 : category == ReportArtist ? -6 : -8;
        if (page == 0)
            send(CCountTexts::ScoreMessage(scoreCode, total, n), total, n, scoreCode);
        else
            send(CCountTexts::ScoreMessage(fixCode, shown.fixed, shown.open), shown.fixed, shown.open,
                 fixCode);
        break;
    }
    case ReportMissingFile:
    {
        // After Apply took missing songs out of the library, the page says so, not that they
        // cannot be written.
        if (shown.fixed > 0)
            send(CCountTexts::ScoreMessage(-13, shown.fixed, shown.open), shown.fixed, shown.open, -13);
        else if (page == 0)
            send(CCountTexts::ScoreMessage(-9, total, n), total, n, -9);
        else
            send(CCountTexts::ScoreMessage(-10, n, -1), n, -1, -10);
        break;
    }
    }
}

void CAnalyReport::ClickType(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    auto* entry = dynamic_cast<CTypeTreeItem*>(current);
    if (!entry)
        return;
    m_pStack->setCurrentIndex(PageOf(entry->GetCategory()));
    if (m_fixRun.Idle())
        SendSummaryFor(entry);
    m_pStack->currentWidget()->update();
    if (entry->GetBadge())
        entry->GetBadge()->SetSelected(true);

    if (entry->GetCategory() == ReportArtwork)
    {
        QListWidgetItem* cell = m_pArtworkList->currentItem();
        if (cell)
            CurrentItemChanged(cell, nullptr);
        else if (m_pArtworkList->count() > 0)
            m_pArtworkList->setCurrentItem(m_pArtworkList->item(0));
    }
    else if (auto* tree = dynamic_cast<QTreeWidget*>(m_pStack->currentWidget()))
    {
        QTreeWidgetItem* row = tree->currentItem();
        if (row)
            CurrentItemChanged(row, nullptr);
        else if (tree->topLevelItemCount() > 0)
            tree->setCurrentItem(tree->topLevelItem(0));
    }
    if (auto* before = dynamic_cast<CTypeTreeItem*>(previous); before && before->GetBadge())
        before->GetBadge()->SetSelected(false);
}

void CAnalyReport::PauseFixView()
{
    SetRecognitionHold(true);
    m_pArtworkList->SetBusyAnimationRunning(false);
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        if ((c == ReportArtwork || c == ReportArtist || c == ReportAlbum) && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(false);
            entry->GetBadge()->SetPage(0);
        }
    }
}

void CAnalyReport::ResumeFixView()
{
    SetRecognitionHold(false);
    m_pArtworkList->SetBusyAnimationRunning(true);
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        if ((c == ReportArtwork || c == ReportArtist || c == ReportAlbum) && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(true);
            entry->GetBadge()->SetPage(2);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Summary and queries

ReportTally CAnalyReport::Tally() const
{
    ReportTally tally;
    if (!m_pLink)
        return tally;
    const int mask = m_nCategoryMask.load();
    // Each song once: its fields judged by what the library holds now, each counted in the one
    // list that shows it (a song's own list first, the Unrecognized Songs for the rest).
    const auto countSong = [&](CMusicObj* track, const TrackRows& rows, const CTreeItem* unrecognized)
    {
        // A problem field had no text of the song's own, so what Apply will write (the shown
        // record) and the library's current record agree on whether it has one now. The record
        // is read in place, as the picture word is: this runs for every listed song at once.
        const MusicInfo* info = &track->CurrentInfo();
        bool any = false;
        const auto count = [&](ReportTally::Category& category, bool fixed)
        {
            ++category.rows;
            fixed ? ++category.fixed : ++category.open;
            any = any || fixed;
        };
        // Asked only where a count needs it: for a song the analysis found with a picture that
        // is not yet taken out of its file, the answer takes it out, a read of the song's file
        // under the database lock.
        const auto hasArtwork = [&] { return m_pLink->HasArtwork(track); };
        if (rows.cell)
            count(tally.artwork, hasArtwork());
        if (rows.artist)
            count(tally.artist, !info->Artist.isEmpty());
        if (rows.album)
            count(tally.album, !info->Album.isEmpty());
        if (rows.missing)
            // Its removal stored, or done by the apply just now and being stored.
            count(tally.missing, (track->GetState() & MF_RemovalApplied) != 0 ||
                                     rows.missing->GetFixState() == ERowFixState::Fixed);
        if (unrecognized)
        {
            ++tally.unrecognized.rows;
            const int both = unrecognized->GetKind() & mask;
            const auto field = [&](int bit, bool listedElsewhere, const auto& present)
            {
                if (!(both & bit) || listedElsewhere)
                    return;
                const bool now = present();
                now ? ++tally.unrecognized.fixed : ++tally.unrecognized.open;
                any = any || now;
            };
            field(MF_Name, false, [&] { return !info->Name.isEmpty(); });
            field(MF_Artist, rows.artist != nullptr, [&] { return !info->Artist.isEmpty(); });
            field(MF_Album, rows.album != nullptr, [&] { return !info->Album.isEmpty(); });
            field(MF_Artwork, rows.cell != nullptr, hasArtwork);
        }
        if (any)
            ++tally.fixedSongs;
    };
    for (auto it = m_trackRows.cbegin(); it != m_trackRows.cend(); ++it)
        countSong(it.key(), it.value(), m_unrecognizedRows.value(it.key()));
    for (auto it = m_unrecognizedRows.cbegin(); it != m_unrecognizedRows.cend(); ++it)
        if (it.value() && !m_trackRows.contains(it.key()))
            countSong(it.key(), TrackRows{}, it.value());
    return tally;
}

void CAnalyReport::MarkDealtCategories()
{
    MarkDealtCategories(Tally());
}

void CAnalyReport::MarkDealtCategories(const ReportTally& tally)
{
    // A category every row of which is fixed (the missing files: removed by an apply) shows its
    // check, in the session that fixed it and in a result saved or continued from it; one with a
    // row still open shows its count once no work runs for it.
    for (auto& entry : m_entries)
    {
        const bool spinning = entry->GetBadge() && entry->GetBadge()->IsSpinning();
        if (spinning)
            continue;
        // The Unrecognized Songs are listed while something is left to find: never a check.
        if (entry->GetCategory() != ReportUnrecognized && tally.Of(entry->GetCategory()).Dealt())
            entry->SetBadgePage(1);
        else if (entry->GetBadgePage() != 0)
            entry->SetBadgePage(0);
    }
}

int CAnalyReport::UpdateFixSummary()
{
    const ReportTally tally = Tally();
    MarkDealtCategories(tally);
    const int remaining = tally.Remaining();
    const int fixedSongs = tally.fixedSongs;
    const int fixedProblems = tally.FixedProblems();
    emit ReportFixInfo(remaining, 10000);
    if (remaining <= 0)
    {
        emit EndFialedState(true);
        emit StartFixAll(tr("Congratulations, your music library is 100% cleaned!"), QStringLiteral("-1"), -1,
                         -1);
    }
    else
    {
        emit EndFialedState(false);
        emit StartFixAll(CCountTexts::FixResult(fixedSongs, fixedProblems, remaining),
                         QString::number(fixedSongs), fixedProblems, remaining);
    }
    return remaining;
}

int CAnalyReport::FixedProblems() const
{
    return Tally().FixedProblems();
}

int CAnalyReport::FixedSongs() const
{
    return Tally().fixedSongs;
}

bool CAnalyReport::IsNeedFix()
{
    for (int i = 0; i < m_pArtworkList->count(); ++i)
    {
        if (auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i));
            cell && cell->GetLoadState() == ERowFixState::NotFixed)
            return true;
    }
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
        {
            if (auto* row = dynamic_cast<CTreeItem*>(tree->topLevelItem(i));
                row && row->GetFixState() == ERowFixState::NotFixed)
                return true;
        }
    }
    for (int i = 0; i < m_pMissingTree->topLevelItemCount(); ++i)
    {
        auto* row = dynamic_cast<CTreeItem*>(m_pMissingTree->topLevelItem(i));
        if (row && row->GetFixState() == ERowFixState::NotFixed && row->checkState(0) == Qt::Checked)
            return true;
    }
    return false;
}
