// The report page's fix runs: the recognition jobs, their answers and the writes of the fixes.
#include "AnalyReport.h"

#include "AcrMediaInfoRunnable.h"
#include "AnalyReportHelpers.h"
#include "CMusicLink.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "ListItem.h"
#include "ListWidget.h"
#include "ModifyMusicInfo.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "NestedWait.h"
#include "PullResultKeys.h"
#include "QuantityWidget.h"
#include "RowReaper.h"
#include "ScreenText.h"
#include "SharedImages.h"
#include "TreeItem.h"
#include "UILog.h"
#include "UserInputHold.h"
#include "UtilityToolkit.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>

using report_detail::CompleteIcon;
using report_detail::Record;
using report_detail::Shown;

namespace
{
QIcon FailedIcon()
{
    return g_iconFailed ? *g_iconFailed : ScaledIcon(QStringLiteral(":/res/res/win/list/failed.png"));
}

QIcon LoadingIcon()
{
    return g_iconLoading ? *g_iconLoading : QIcon();
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Fix runs

int CAnalyReport::SetFixMode(int mode)
{
    m_fixRun.fixAll = static_cast<EFixStage>(mode);
    if (CTypeTreeItem* entry = CategoryEntry(ReportArtwork); entry && entry->GetBadge())
    {
        if (m_fixRun.fixAll == EFixStage::Running)
        {
            entry->SetBadgePage(2);
            entry->GetBadge()->SetSpinning(true);
        }
        else
        {
            entry->GetBadge()->SetSpinning(false);
        }
    }
    m_fixRun.Restart(m_pullQueue.size());
    return m_fixRun.total;
}

void CAnalyReport::SetRunState(int state)
{
    m_fixRun.run = static_cast<EFixRunState>(state);
    if (m_fixRun.run != EFixRunState::Running && m_fixRun.run != EFixRunState::Paused)
        return;
    for (const auto& [stage, category] : m_fixRun.Stages())
    {
        if (stage != EFixStage::Running)
            continue;
        if (CTypeTreeItem* entry = CategoryEntry(category); entry && entry->GetBadge())
            entry->GetBadge()->SetSpinning(m_fixRun.run == EFixRunState::Running);
    }
}

void CAnalyReport::StartFixFailed()
{
    WriteUILog(QStringLiteral("CAnalyReport::StartFixFailed();"));
    m_fixRun.unrecognized = EFixStage::Running;
    m_fixRun.run = EFixRunState::Running;
    m_pModify->HideModify();
    StopPlay();
    m_fixRun.Restart(m_pUnrecognizedTree->topLevelItemCount());
    for (int i = 0; i < m_pUnrecognizedTree->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* row = m_pUnrecognizedTree->topLevelItem(i);
        for (int c = 6; c <= 8; ++c)
            row->setIcon(c, QIcon());
    }
    if (CTypeTreeItem* entry = CategoryEntry(ReportUnrecognized); entry && entry->GetBadge())
    {
        entry->SetBadgePage(2);
        entry->GetBadge()->SetSpinning(true);
    }
    StartPull(true);
}

void CAnalyReport::StartPull(bool unrecognizedOnly)
{
    // No re-entry: the wait below runs the event loop.
    if (m_bInPull)
        return;
    m_bInPull = true;
    // Cleared before the wait, so a stop made during it is kept.
    m_bPullStop = false;
    WaitPullIdle();
    m_bInPull = false;
    if (m_bPullStop.load())
        return;
    // Twenty thousand jobs made in one turn kept the GUI thread for the better part of a second:
    // they are made and queued a batch per turn, in the queue's order, well ahead of the pool.
    auto songs = std::make_shared<std::vector<std::pair<int, QString>>>();
    songs->reserve(static_cast<size_t>(m_pullQueue.size()));
    // Only the rows and categories of the songs asked show work, and only until their answers.
    m_nArtistRemaining = 0;
    m_nAlbumRemaining = 0;
    m_nArtworkRemaining = 0;
    for (auto it = m_pullQueue.cbegin(); it != m_pullQueue.cend(); ++it)
    {
        // The queue keeps every song of the session; a song fixed since is not asked about again,
        // also when Refix runs as a Fix All because other rows (missing files) wait for Apply.
        CMusicObj* track = m_identifyTracks.value(it.key());
        if (unrecognizedOnly ? !m_unrecognizedRows.contains(track) : !NeedsAsking(track))
            continue;
        songs->emplace_back(it.key(), it.value());
        const TrackRows rows = m_trackRows.value(track);
        for (CTreeItem* row : {rows.artist, rows.album})
        {
            if (row && row->GetUserValue() == it.key())
            {
                row->setIcon(5, LoadingIcon());
                ++(row == rows.artist ? m_nArtistRemaining : m_nAlbumRemaining);
            }
        }
        if (rows.cell && rows.cell->GetUserValue() == it.key())
            ++m_nArtworkRemaining;
    }
    for (auto& entry : m_entries)
    {
        const ReportCategory c = entry->GetCategory();
        const int asked = c == ReportArtwork  ? m_nArtworkRemaining
                          : c == ReportArtist ? m_nArtistRemaining
                          : c == ReportAlbum  ? m_nAlbumRemaining
                                              : 0;
        if (asked > 0 && entry->GetBadge())
        {
            entry->GetBadge()->SetSpinning(true);
            entry->SetBadgePage(2);
        }
    }
    // A run without entries completes at once instead of leaving the badges spinning.
    // Posted, so the caller finishes setting up its run before the end arrives.
    if (songs->empty())
    {
        QMetaObject::invokeMethod(
            this,
            [this]
            {
                if (!m_bPullStop.load())
                    emit PullCompleteSignal();
            },
            Qt::QueuedConnection);
        return;
    }
    AcrMediaInfoRunnable::ResetFinishedCount();
    m_doneIdentifies.clear();
    m_nPullAnswers = 0;
    m_nPullUnreached = 0;
    QueuePullJobs(songs, 0, ++m_uPullRun);
}

bool CAnalyReport::NeedsAsking(CMusicObj* track) const
{
    if (!track)
        return false;
    if (m_unrecognizedRows.contains(track))
        return true;
    const TrackRows rows = m_trackRows.value(track);
    return (rows.artist && rows.artist->GetFixState() != ERowFixState::Fixed) ||
           (rows.album && rows.album->GetFixState() != ERowFixState::Fixed) ||
           (rows.cell && rows.cell->GetLoadState() != ERowFixState::Fixed);
}

void CAnalyReport::QueuePullJobs(const std::shared_ptr<std::vector<std::pair<int, QString>>>& songs,
                                 size_t from, quint64 run)
{
    constexpr size_t kBatch = 200;
    const int total = static_cast<int>(songs->size());
    const QString pictures = PictureFolder();
    const size_t end = std::min(songs->size(), from + kBatch);
    for (size_t i = from; i < end && !m_bPullStop.load(); ++i)
    {
        const auto& [index, path] = (*songs)[i];
        auto* job = new AcrMediaInfoRunnable(index, path, total);
        job->SetOwner(this);
        job->SetArtworkTarget(ArtworkTarget(pictures, index));
        m_pPool->start(job, 0);
    }
    // The next batch on the event loop's next pass, by a zero timer so other timers run between.
    if (end < songs->size() && !m_bPullStop.load())
        QTimer::singleShot(0, this,
                           [this, songs, end, run]
                           {
                               // A stop, or a later run, ends this one's queueing.
                               if (run == m_uPullRun && !m_bPullStop.load())
                                   QueuePullJobs(songs, end, run);
                           });
}

void CAnalyReport::WaitPullIdle()
{
    const CNestedWait waiting;
    // The jobs finish through the event loop; a click meanwhile would start work under the wait.
    const CUserInputHold held;
    while (m_pPool->activeThreadCount() > 0)
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        m_pPool->waitForDone(10);
    }
}

int CAnalyReport::RunningPullJobs() const
{
    return m_pPool->activeThreadCount();
}

bool CAnalyReport::WaitFixWrites(const std::function<bool()>& stopped) const
{
    return m_pWriter->WaitIdle(stopped);
}

void CAnalyReport::StopFixWrites()
{
    m_pWriter->Discard();
}

QString CAnalyReport::ArtworkTarget(const QString& folder, int identify) const
{
    MusicInfo* info = Record(m_pLink, m_identifyTracks.value(identify));
    const QString id = info ? info->PersistentID : QString::number(identify);
    // Named by the song's id, never by the answer's title: a title may hold "/" or "..".
    return folder + QLatin1Char('/') + SafeFileName(id) + QStringLiteral(".jpg");
}

void CAnalyReport::PullStartSlot(int identify)
{
    CMusicObj* track = m_identifyTracks.value(identify);
    const TrackRows rows = m_trackRows.value(track);
    if (rows.cell && rows.cell->GetUserValue() == identify)
        m_pArtworkList->SetRowBusy(rows.cell, true);
}

void CAnalyReport::PullSuccessSlot(const QMap<QString, QVariant>& answer)
{
    PullAnswer read = ReadPullAnswer(answer);
    CMusicObj* track = m_identifyTracks.value(read.identify);
    // A song among the Unrecognized Songs has no row with its identify number any more; its
    // answer is written all the same, and the row is judged once the run's writes are done.
    CTreeItem* unrecognized = track ? m_unrecognizedRows.value(track) : nullptr;
    if (!track || (!m_trackRows.contains(track) && !unrecognized))
        return; // removed meanwhile
    const TrackRows rows = m_trackRows.value(track);

    const QString artworkPath = AnswerArtworkPath(answer, read.identify);
    if (!artworkPath.isEmpty())
    {
        read.mask |= MF_Artwork;
        read.values.append(artworkPath);
    }

    bool matched = FixAnsweredRow(rows.artist, m_pArtistTree, m_nArtistRemaining, read, read.artist);
    matched |= FixAnsweredRow(rows.album, m_pAlbumTree, m_nAlbumRemaining, read, read.album);
    matched |= FixAnsweredCell(rows.cell, read.identify, artworkPath);
    if (unrecognized && read.mask)
    {
        matched = true;
        unrecognized->SetFixState(ERowFixState::Fixed);
    }
    if (matched)
        TakeAnsweredFix(track, read);
}

CAnalyReport::PullAnswer CAnalyReport::ReadPullAnswer(const QMap<QString, QVariant>& answer)
{
    static const std::pair<const char*, int> kFields[] = {{PullResultKeys::kTitle, MF_Name},
                                                          {PullResultKeys::kArtist, MF_Artist},
                                                          {PullResultKeys::kAlbum, MF_Album},
                                                          {PullResultKeys::kReleaseDate, MF_Year},
                                                          {PullResultKeys::kGenre, MF_Genre}};
    PullAnswer read;
    for (const auto& [key, bit] : kFields)
    {
        const QString value = answer.value(QString::fromLatin1(key)).toString();
        if (!value.isEmpty())
        {
            read.mask |= bit;
            read.values.append(value);
        }
    }
    read.identify = answer.value(QLatin1String(PullResultKeys::kIdentify), -1).toInt();
    read.title = answer.value(QLatin1String(PullResultKeys::kTitle)).toString();
    read.artist = answer.value(QLatin1String(PullResultKeys::kArtist)).toString();
    read.album = answer.value(QLatin1String(PullResultKeys::kAlbum)).toString();
    return read;
}

QString CAnalyReport::AnswerArtworkPath(const QMap<QString, QVariant>& answer, int identify)
{
    // A job stored the cover already; an answer handed over otherwise brings its picture.
    const QString storedKey = QLatin1String(AcrMediaInfoRunnable::kStoredArtwork);
    return answer.contains(storedKey)
               ? answer.value(storedKey).toString()
               : StoreAnswerArtwork(answer.value(QLatin1String(PullResultKeys::kImageBuffer)).toByteArray(),
                                    ArtworkTarget(PictureFolder(), identify));
}

bool CAnalyReport::FixAnsweredRow(CTreeItem* row, CFailedTreeWidget* tree, int& remaining,
                                  const PullAnswer& read, const QString& field)
{
    if (!row || row->GetUserValue() != read.identify)
        return false;
    // Only what Apply will write shows as the new text: not where the user typed, nor over the
    // song's own text unless "Replace" overwrites it, nor into an empty text the song is not
    // listed for. The answer is not stored yet; once the run's answers are, the rows read it
    // (ReshowAnsweredRows).
    const MusicInfo* now = Record(m_pLink, row->GetMusicData());
    const MusicInfo* own = Record(m_pLink, row->GetMusicData(), 2);
    const int replace = CMusicLink::ReplaceMask();
    const int absence = row->GetMusicData() ? row->GetMusicData()->GetAbsence() : 0;
    const auto show = [&](int column, const QString& answer, QString MusicInfo::*text, int bit)
    {
        if (answer.isEmpty() || !now || !own || now->*text != own->*text)
            return;
        if (((own->*text).isEmpty() && (absence & bit)) || (replace & bit))
            row->setText(column, ScreenText(answer));
    };
    show(0, read.title, &MusicInfo::Name, MF_Name);
    show(2, read.artist, &MusicInfo::Artist, MF_Artist);
    show(3, read.album, &MusicInfo::Album, MF_Album);
    const bool wasFixed = row->GetFixState() == ERowFixState::Fixed;
    if (field.isEmpty())
    {
        // The answer lacks what this page is about: not fixed by it (a row fixed before
        // stays fixed).
        if (!wasFixed)
        {
            row->setIcon(5, FailedIcon());
            row->SetFixState(ERowFixState::Failed);
        }
    }
    else
    {
        row->setIcon(5, CompleteIcon());
        row->SetFixState(ERowFixState::Fixed);
        if (!wasFixed)
            tree->SetFixedCount(tree->GetFixedCount() + 1);
    }
    remaining = std::max(0, remaining - 1);
    return true;
}

bool CAnalyReport::FixAnsweredCell(CListItem* cell, int identify, const QString& artworkPath)
{
    if (!cell || cell->GetUserValue() != identify)
        return false;
    m_pArtworkList->SetRowBusy(cell, false);
    if (!artworkPath.isEmpty())
    {
        const bool wasFixed = cell->GetLoadState() == ERowFixState::Fixed;
        cell->SetArtworkPath(artworkPath);
        cell->SetArtworkState(ArtworkFound, false);
        cell->SetLoadState(ERowFixState::Fixed);
        if (!wasFixed)
            m_pArtworkList->SetFixedCount(m_pArtworkList->GetFixedCount() + 1);
    }
    else
    {
        cell->SetArtworkState(ArtworkFailed, false);
        cell->SetLoadState(ERowFixState::Failed);
    }
    m_nArtworkRemaining = std::max(0, m_nArtworkRemaining - 1);
    m_pArtworkList->viewport()->update();
    return true;
}

void CAnalyReport::TakeAnsweredFix(CMusicObj* track, const PullAnswer& read)
{
    // Stored answers are fixes still to be written: leaving asks about them even when every
    // song of the run was identified and nothing moved to Unrecognized Songs. The library write
    // runs on the writer thread.
    if (read.mask && m_pLink)
    {
        m_bUnapplied = true;
        m_pWriter->Modify(track, read.mask, read.values);
    }
    CountPullAnswer(read.identify, true);
}

void CAnalyReport::CountPullAnswer(int identify, bool reached)
{
    // A second answer for the same song is not counted again.
    if (m_doneIdentifies.contains(identify))
        return;
    m_doneIdentifies.insert(identify);
    ++m_nPullAnswers;
    if (!reached)
        ++m_nPullUnreached;
    ++m_fixRun.done;
    emit ReportFixInfo(-1, m_fixRun.Progress());
}

void CAnalyReport::PullFailSlot(int identify)
{
    CMusicObj* track = m_identifyTracks.value(identify);
    if (!track)
        return;
    const TrackRows rows = m_trackRows.value(track);
    if (rows.artist && rows.artist->GetUserValue() == identify)
    {
        rows.artist->setIcon(5, FailedIcon());
        rows.artist->SetFixState(ERowFixState::Failed);
        m_nArtistRemaining = std::max(0, m_nArtistRemaining - 1);
    }
    if (rows.album && rows.album->GetUserValue() == identify)
    {
        rows.album->setIcon(5, FailedIcon());
        rows.album->SetFixState(ERowFixState::Failed);
        m_nAlbumRemaining = std::max(0, m_nAlbumRemaining - 1);
    }
    if (rows.cell && rows.cell->GetUserValue() == identify)
    {
        rows.cell->SetArtworkState(ArtworkFailed, false);
        rows.cell->SetLoadState(ERowFixState::Failed);
        m_pArtworkList->SetRowBusy(rows.cell, false);
        m_nArtworkRemaining = std::max(0, m_nArtworkRemaining - 1);
    }
}

void CAnalyReport::PullCompleteSlot()
{
    // The run ends behind its writes: the moves and the new score read what they wrote.
    if (!m_pWriter->IsIdle())
    {
        m_pWriter->Then(
            [this, generation = m_uFixGeneration]
            {
                if (generation == m_uFixGeneration && !m_bPullStop.load())
                    FinishPull();
            });
        return;
    }
    FinishPull();
}

void CAnalyReport::FinishPull()
{
    // The run has ended: no category shows work any more; the summary below gives each its
    // check or its count.
    StopCategoryWork();
    ReshowAnsweredRows();
    RecheckAnsweredUnrecognized();
    // Each song that moves is marked in the database (AddUnrecognizedTrack) by the fix writer, which
    // takes the marks queued together into one transaction.
    // Songs that stayed unrecognised move to their own page in one pass per list: taking rows out
    // one by one costs the whole list each time, which froze the window for a large run. Every
    // row comes out at once and those that stay go back in one call, in their order.
    m_pUnrecognizedTree->setSortingEnabled(false);
    m_pUnrecognizedTree->setUpdatesEnabled(false);
    const auto moves = [](const CTreeItem* row)
    { return row && row->GetFixState() == ERowFixState::Failed && row->GetMusicData(); };
    for (CFailedTreeWidget* tree : {m_pArtistTree, m_pAlbumTree})
    {
        bool any = false;
        for (int i = 0, n = tree->topLevelItemCount(); i < n && !any; ++i)
            any = moves(dynamic_cast<CTreeItem*>(tree->topLevelItem(i)));
        if (!any)
            continue;
        const bool sorted = tree->isSortingEnabled();
        tree->setSortingEnabled(false);
        tree->setUpdatesEnabled(false);
        const QList<QTreeWidgetItem*> all = tree->invisibleRootItem()->takeChildren();
        QList<QTreeWidgetItem*> stay;
        QList<QTreeWidgetItem*> gone;
        stay.reserve(all.size());
        for (auto it = all.crbegin(); it != all.crend(); ++it)
        {
            auto* row = dynamic_cast<CTreeItem*>(*it);
            if (!moves(row))
            {
                stay.prepend(*it);
                continue;
            }
            AddUnrecognizedTrack(row->GetMusicData(), row->GetKind(), 2);
            ForgetRow(row->GetMusicData(), row);
            gone.append(row);
        }
        m_pRowReaper->Discard(gone);
        tree->addTopLevelItems(stay);
        tree->setSortingEnabled(sorted);
        tree->setUpdatesEnabled(true);
    }
    bool anyCell = false;
    for (int i = 0, n = m_pArtworkList->count(); i < n && !anyCell; ++i)
    {
        const auto* cell = dynamic_cast<CListItem*>(m_pArtworkList->item(i));
        anyCell = cell && cell->GetLoadState() == ERowFixState::Failed && cell->GetMusicData();
    }
    if (anyCell)
    {
        m_pArtworkList->setUpdatesEnabled(false);
        // Taken from the end, each take is cheap; the cells that stay go back in their order.
        QList<QListWidgetItem*> stay;
        stay.reserve(m_pArtworkList->count());
        for (int i = m_pArtworkList->count() - 1; i >= 0; --i)
        {
            QListWidgetItem* item = m_pArtworkList->takeItem(i);
            auto* cell = dynamic_cast<CListItem*>(item);
            if (!cell || cell->GetLoadState() != ERowFixState::Failed || !cell->GetMusicData())
            {
                stay.append(item);
                continue;
            }
            AddUnrecognizedTrack(cell->GetMusicData(), cell->GetKind(), 2);
            ForgetCell(cell->GetMusicData(), cell);
            delete cell;
        }
        for (auto it = stay.crbegin(); it != stay.crend(); ++it)
            m_pArtworkList->addItem(*it);
        m_pArtworkList->setUpdatesEnabled(true);
    }
    emit ShowProcessingFailed();
    MoveFailedItem();
    MoveFailedItemOK();
}

void CAnalyReport::ReshowAnsweredRows()
{
    for (auto it = m_trackRows.cbegin(); it != m_trackRows.cend(); ++it)
    {
        const TrackRows& rows = it.value();
        std::optional<MusicInfo> info;
        for (CTreeItem* row : {rows.artist, rows.album})
        {
            if (!row || !m_doneIdentifies.contains(row->GetUserValue()))
                continue;
            if (!info && !(info = Shown(m_pLink, it.key())))
                break;
            row->setText(0, ScreenText(info->Name));
            row->setToolTip(0, ScreenText(info->Name));
            row->setText(2, UnknownText(info->Artist, tr("Artist")));
            row->setText(3, UnknownText(info->Album, tr("Album")));
        }
    }
}

void CAnalyReport::RecheckAnsweredUnrecognized()
{
    // The answers are in the library now: a song they fixed leaves the Unrecognized Songs for the
    // pages of its problems; one still lacking something shows what it got.
    const QList<CMusicObj*> tracks = m_unrecognizedRows.keys();
    for (CMusicObj* track : tracks)
    {
        CTreeItem* row = m_unrecognizedRows.value(track);
        if (!row || row->GetFixState() != ERowFixState::Fixed)
            continue;
        if (CheckUnrecognizedRow(row))
        {
            const int index = m_pUnrecognizedTree->indexOfTopLevelItem(row);
            if (index >= 0)
                m_pUnrecognizedTree->takeTopLevelItem(index);
            delete row;
            continue;
        }
        if (const std::optional<MusicInfo> info = Shown(m_pLink, track))
        {
            row->setText(2, info->Name);
            row->setToolTip(2, info->Name);
            row->setText(4, UnknownText(info->Artist, tr("Artist")));
            row->setText(5, UnknownText(info->Album, tr("Album")));
        }
    }
}

void CAnalyReport::AcceptFixResult(void* handle, int, int, int infoFixState)
{
    auto* track = static_cast<CMusicObj*>(handle);
    if (!track || !m_trackRows.contains(track))
        return;
    if (static_cast<ERowFixState>(infoFixState) == ERowFixState::Fixed)
        EditFixItem(track);
    emit ReportFixInfo(-1, m_fixRun.Progress());
}
