#pragma once

#include <QString>
#include <QThread>

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

class CAnalyReport;
class CDuplicate;
class CMainUI;
class CMusicLink;
class CMusicObj;
struct MusicInfo;

// One problem track found by the scoring loop, as it is handed to a result page.
struct ProblemTrack
{
    CMusicObj* track = nullptr;
    int absence = 0;
    int state = 0;
    int64_t repeatId = 0;
    int index = 0;
};

// Scores the loaded library on its own thread and sorts every problem track onto the report page
// (or, in a duplicate run, onto the duplicate view).
//
// The pages are GUI-thread widgets: the loop never calls them. It collects the problem tracks and
// posts them to the window in batches, in order, and always before its SandUpdataReport, so the
// pages hold every track of a run when the score screen is built. Nothing here waits for the GUI
// thread, so the window may wait for this thread at any time.
//
// On the GUI thread the batches join a feed that fills the pages a few milliseconds at a time and
// yields to the event loop in between, so a burst of thousands of problem tracks never starves
// it. The end of the run (StartFixAll of a duplicate run, SandUpdataReport) is emitted there,
// once the feed has handed on its last track.
class CAnalyzeThread : public QThread
{
    Q_OBJECT

public:
    CAnalyzeThread(CMainUI* owner, CAnalyReport* report, CDuplicate* duplicate, CMusicLink* link);
    ~CAnalyzeThread() override;

    // The run generation the next run belongs to; set by the window before start().
    void SetGeneration(unsigned generation) { m_uGeneration = generation; }

    // The penalty of one track in the scoring loop: duplicate runs count a duplicate as a whole
    // track; otherwise a missing file counts a quarter and nothing else, and each of missing
    // artwork, artist and album a quarter, each only when the mask asks for it.
    static double TrackPenalty(int absence, int mask, bool duplicateRun);

    // After a duplicate-engine scan: fills the duplicate view with the engine's groups (GUI thread).
    void LoadDuplicateGroups();

signals:
    void UpdateProcess(int progress);
    void SandUpdataReport(unsigned generation);
    void StartFixAll(const QString& text, const QString& text2, int code, int value);

protected:
    void run() override;

private:
    void Flush(std::vector<ProblemTrack>& batch, bool duplicateRun);
    // GUI thread: the feed. Enqueue takes a batch of the given run, FinishFeed the run's end
    // (emitted after the last queued track), FeedPages hands on one slice.
    void Enqueue(unsigned generation, bool duplicateRun, std::vector<ProblemTrack> tracks);
    void FinishFeed(unsigned generation, std::function<void()> end);
    void FeedPages();
    bool FeedIsCurrent() const;
    bool TakeFeedOf(unsigned generation);
    void ClearFeed();

    CAnalyReport* m_pReport = nullptr;
    CDuplicate* m_pDuplicate = nullptr;
    CMusicLink* m_pMusicLink = nullptr;
    CMainUI* m_pOwner = nullptr;
    unsigned m_uGeneration = 0;

    // The feed; GUI thread only. feedPosted: a FeedPages call is queued.
    std::deque<ProblemTrack> m_feed;
    unsigned m_feedGeneration = 0;
    bool m_feedDuplicateRun = false;
    bool m_feedPosted = false;
    std::function<void()> m_feedEnd;
};
