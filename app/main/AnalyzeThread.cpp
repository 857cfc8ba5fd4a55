#include "AnalyzeThread.h"

#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMusicLink.h"
#include "CountTexts.h"
#include "DedupeGroupLoader.h"
#include "Duplicate.h"
#include "MainUI.h"
#include "MusicFlags.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QMutexLocker>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

// Batches go to the GUI thread at this size or after this long, whichever comes first, so a
// page fills smoothly without one posted call per track.
constexpr std::size_t kBatchSize = 512;
constexpr qint64 kBatchMs = 40;
// The GUI thread hands tracks to the pages for this long, then lets the event loop run.
constexpr qint64 kFeedSliceMs = 8;
// The progress of the scoring reaches the window at most this often (about a frame).
constexpr qint64 kProgressMs = 16;

} // namespace

CAnalyzeThread::CAnalyzeThread(CMainUI* owner, CAnalyReport* report, CDuplicate* duplicate, CMusicLink* link)
    : QThread(owner), m_pReport(report), m_pDuplicate(duplicate), m_pMusicLink(link), m_pOwner(owner)
{
}

CAnalyzeThread::~CAnalyzeThread()
{
    quit();
    wait();
}

double CAnalyzeThread::TrackPenalty(int absence, int mask, bool duplicateRun)
{
    if (duplicateRun)
        return (absence & MF_Duplicate) ? 1.0 : 0.0;
    if ((absence & MF_FileMissing) && (mask & MF_FileMissing))
        return 0.25;
    double penalty = 0.0;
    for (const int bit : {MF_Artwork, MF_Artist, MF_Album})
        if ((absence & bit) && (mask & bit))
            penalty += 0.25;
    return penalty;
}

void CAnalyzeThread::Flush(std::vector<ProblemTrack>& batch, bool duplicateRun)
{
    if (batch.empty())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_uGeneration, tracks = std::move(batch), duplicateRun]() mutable
        { Enqueue(generation, duplicateRun, std::move(tracks)); },
        Qt::QueuedConnection);
    batch.clear();
}

bool CAnalyzeThread::FeedIsCurrent() const
{
    // A run that was stopped or replaced hands nothing on: its tracks may be gone.
    return !m_pOwner->IsStopRequested() && m_pOwner->RunGeneration() == m_feedGeneration;
}

void CAnalyzeThread::ClearFeed()
{
    m_feed.clear();
    m_feedEnd = nullptr;
}

bool CAnalyzeThread::TakeFeedOf(unsigned generation)
{
    // A later run's first call drops what an earlier one left; a stopped run feeds nothing.
    if (generation != m_feedGeneration)
    {
        ClearFeed();
        m_feedGeneration = generation;
    }
    if (FeedIsCurrent())
        return true;
    ClearFeed();
    return false;
}

void CAnalyzeThread::Enqueue(unsigned generation, bool duplicateRun, std::vector<ProblemTrack> tracks)
{
    if (!TakeFeedOf(generation))
        return;
    m_feedDuplicateRun = duplicateRun;
    m_feed.insert(m_feed.end(), tracks.begin(), tracks.end());
    // The first batch of a pass starts the slices on the next pass of the event loop; batches
    // queued behind it only join the feed. Never a slice here: the batches arrive as posted
    // calls, and slices run from one posted call after another would hold back every timer.
    if (!m_feedPosted)
    {
        m_feedPosted = true;
        QTimer::singleShot(0, this, &CAnalyzeThread::FeedPages);
    }
}

void CAnalyzeThread::FinishFeed(unsigned generation, std::function<void()> end)
{
    if (!TakeFeedOf(generation))
        return;
    if (m_feed.empty() && !m_feedPosted)
        end();
    else
        m_feedEnd = std::move(end);
}

void CAnalyzeThread::FeedPages()
{
    m_feedPosted = false;
    if (!FeedIsCurrent())
    {
        ClearFeed();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    while (!m_feed.empty() && slice.elapsed() < kFeedSliceMs)
    {
        const ProblemTrack t = m_feed.front();
        m_feed.pop_front();
        if (m_feedDuplicateRun)
        {
            m_pDuplicate->AddDuplicateTrack(t.track, t.absence, t.state, t.repeatId);
        }
        else
        {
            m_pReport->AddProblemCount(1);
            m_pReport->AddProblemTrack(t.track, t.absence, t.state, t.repeatId, t.index, 1);
        }
    }
    if (!m_feed.empty())
    {
        // The rest waits for the event loop's next pass: input, painting and timers run in
        // between. A zero timer, not a posted call: posted calls one after the other would hold
        // back every timer (animations, the progress, the hint line) until the last.
        m_feedPosted = true;
        QTimer::singleShot(0, this, &CAnalyzeThread::FeedPages);
        return;
    }
    if (m_feedEnd)
        std::exchange(m_feedEnd, nullptr)();
}

void CAnalyzeThread::run()
{
    if (!m_pMusicLink)
        return;
    int largest = 0;
    const int n = m_pMusicLink->GetMusicCount(&largest);
    // The window decided the kind of result when the load ended (a project's rows may disagree).
    const int type = m_pOwner->GetResultType();
    const CAppSettings* settings = GetAppSettings();
    const int mask = settings ? settings->GetGenernal() : 0;
    const bool duplicateRun = IsDuplicateRun(type);

    double score = m_pOwner->GetScore();
    // No track: no step (10000 / 0 would poison every later score update).
    const double step = largest > 0 ? score / largest : 0.0;
    m_pOwner->SetScoreStep(step);
    int duplicates = 0;

    // Set here, before the first track: the stored artwork read below on this thread looks at
    // the mask, and a queued set could come too late for it.
    m_pReport->SetCategoryMask(mask);
    const unsigned generation = m_uGeneration;
    QMetaObject::invokeMethod(
        m_pOwner,
        [owner = m_pOwner, report = m_pReport, generation]()
        {
            if (owner->IsStopRequested() || owner->RunGeneration() != generation)
                return;
            report->ClearPullQueue();
        },
        Qt::QueuedConnection);

    std::vector<ProblemTrack> batch;
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    QElapsedTimer sinceProgress;
    int lastProgress = -1;
    for (int i = 0; i < n; ++i)
    {
        // Pause takes effect between tracks; a stop ends the run without a report.
        if (!WaitWhileAnalysisPaused() || g_iStop.load())
            return;
        ProblemTrack t;
        t.index = i;
        m_pMusicLink->GetMusicObj(i, &t.track, &t.absence, &t.state, &t.repeatId);
        // An applied result lists what its analysis found, the problems written since among them.
        t.absence = FoundProblems(t.absence, t.state);
        if (g_iStop.load())
            return;
        const double penalty = t.track ? TrackPenalty(t.absence, mask, duplicateRun) : 0.0;
        score -= step * penalty;
        m_pOwner->SetScore(score);
        const int progress = static_cast<int>(static_cast<double>(i) * 10000.0 / n);
        // One step a frame: a queued signal per step would flood the GUI thread on a fast walk.
        if (progress != lastProgress && (!sinceProgress.isValid() || sinceProgress.elapsed() >= kProgressMs))
        {
            lastProgress = progress;
            sinceProgress.start();
            emit UpdateProcess(progress);
        }
        if (penalty > 0)
        {
            if (duplicateRun)
                ++duplicates;
            else
                m_pReport->PrepareStoredArtwork(t.track, t.absence); // file work stays on this thread
            batch.push_back(t);
        }
        if (batch.size() >= kBatchSize || (!batch.empty() && sinceFlush.elapsed() >= kBatchMs))
        {
            Flush(batch, duplicateRun);
            sinceFlush.restart();
        }
    }
    if (g_iStop.load())
        return;
    Flush(batch, duplicateRun);
    // A saved or interrupted result may hold fixes that were never applied: they are pending
    // again, and leaving asks about them as about any other.
    int pending = 0;
    if (!duplicateRun && m_pOwner->RunMode() == RunModeProject)
    {
        const int replace = settings ? settings->GetReplace() : 0;
        pending = m_pMusicLink->CountPendingFixes((replace & MF_ReplaceSwitch) ? replace : 0);
    }
    // A saved result keeps only its duplicates' rows: the songs scanned are the library's whole.
    const int scanned = std::max(n, largest);
    // The end is emitted on the GUI thread once the feed has handed on every track of the run.
    QMetaObject::invokeMethod(
        this,
        [this, generation, duplicateRun, scanned, duplicates, pending]
        {
            FinishFeed(generation,
                       [this, generation, duplicateRun, scanned, duplicates, pending]
                       {
                           if (pending > 0)
                               m_pReport->MarkUnapplied();
                           if (duplicateRun)
                               emit StartFixAll(CCountTexts::DuplicatesFound(scanned, duplicates),
                                                QString::number(scanned), duplicates, -1);
                           emit SandUpdataReport(generation);
                       });
        },
        Qt::QueuedConnection);
}

void CAnalyzeThread::LoadDuplicateGroups()
{
    if (!m_pMusicLink)
        return;
    const int n = m_pMusicLink->GetDedupeLoadCount();
    m_pOwner->SetScoreStep(n > 0 ? 10000.0 / n : 0.0);
    m_pReport->SetCategoryMask(MF_Artwork | MF_FileMissing | MF_Artist | MF_Album);
    m_pReport->ClearPullQueue();
    const DedupeLoadCounts counts = LoadDedupeGroups(*m_pMusicLink, *m_pDuplicate);
    const int members = counts.members;
    m_pOwner->SetScore(n > 0 ? static_cast<double>(n - members) / n * 10000.0 : 10000.0);
    emit StartFixAll(CCountTexts::DuplicatesFound(n, members), QString::number(n), members, -1);
    emit SandUpdataReport(m_pOwner->RunGeneration());
}
