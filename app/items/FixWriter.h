#pragma once

#include <QObject>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class CMusicLink;
class CMusicObj;

// Writes the answers of a fix run and the user's own changes (checks and moves, which are the
// action bits of a song's state: the report's ticks and moves, the duplicate view's ticks, removals
// and restores; tag edits and artwork choices) into the library on a thread of its own, in the
// order they were handed over, so the GUI thread never waits on the database. Writes that queue up
// meanwhile go in one transaction. Whatever must follow the writes (the end of a run, the editor's
// answer to a save) is queued behind them and comes back to the GUI thread.
// The report page owns the writer and hands it to the tag editor, the artwork pop-up and the
// duplicate view.
//
// Threading: Modify, Edit, SelectArtwork, ChangeState, ChangeAllStates, Then and SetLink on the GUI
// thread; IsIdle and WaitIdle on any thread but the writer's. The link and the tracks must outlive
// the writes queued for them: wait before they go.
class CFixWriter : public QObject
{
    Q_OBJECT

public:
    explicit CFixWriter(QObject* parent = nullptr);
    // Drops the writes not yet begun and waits for the one under way.
    ~CFixWriter() override;

    void SetLink(CMusicLink* link) { m_link = link; }
    // Queues one song's fix answer (the mask and texts of CMusicLink::ModifyMusicInfo).
    void Modify(CMusicObj* track, int mask, const QStringList& values);
    // Queues the user's own edit of one song, the same way; done gets the library's answer on the
    // GUI thread once the edit is committed (or has failed, its commit too).
    void Edit(CMusicObj* track, int mask, const QStringList& values, std::function<void(int)> done);
    // Queues the user's choice of one of a song's artwork candidates (CMusicLink::SelectArtwork).
    void SelectArtwork(CMusicObj* track, int index);
    // Queues a change of one song's action bits: those of clear leave its state, those of set join
    // it, read and written on the writer's thread so changes queued together all hold.
    void ChangeState(CMusicObj* track, int clear, int set);
    // Queues CMusicLink::ChangeAllMusicState(bits, set) for every song.
    void ChangeAllStates(int bits, int set);
    // Runs then on the GUI thread once every write queued before it has ended and been committed.
    void Then(std::function<void()> then);
    bool IsIdle() const;
    // Waits until every queued write has ended; false when stopped() turned true first (asked
    // every 50 ms).
    bool WaitIdle(const std::function<bool()>& stopped = {});
    // Drops the fix answers and barriers not yet begun and waits for the batch under way and the
    // user's own changes, which stay.
    void Discard();

signals:
    // A write the library refused (no track: a change of every song's state). GUI thread.
    void WriteFailed(CMusicObj* track, int result);

private:
    enum class EJob
    {
        Barrier,   // then
        Modify,    // track, mask, values: a fix answer
        Edit,      // track, mask, values, done: the user's edit
        Artwork,   // track, set (the candidate's index)
        State,     // track, mask (bits to clear), set
        AllStates, // mask (bits), set (0 or 1)
    };
    struct Job
    {
        EJob kind = EJob::Barrier;
        CMusicObj* track = nullptr;
        int mask = 0;
        int set = 0;
        QStringList values;
        std::function<void()> then;
        std::function<void(int)> done; // the answer of an edit
    };

    void Push(Job job);
    void Run();
    // Runs call on the GUI thread once the batch before it has let go of the lock.
    void PostBack(std::function<void()> call);
    // The library's answer to one write.
    int Write(CMusicLink* link, const Job& job) const;

    std::atomic<CMusicLink*> m_link{nullptr};
    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // jobs or the end, for the writer
    std::condition_variable m_idle; // the queue ran dry, for WaitIdle
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_quit = false;
    std::thread m_thread; // started with the first job
    // The writer's own transaction whose commit was refused is still open (writer thread only).
    bool m_bLeftOpen = false;
};
