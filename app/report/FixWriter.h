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

// Writes the answers of a fix run into the library on a thread of its own, in the order they were
// handed over, so the GUI thread never waits on the database. Writes that queue up meanwhile go in
// one transaction. Whatever must follow the writes (the end of a run) is queued behind them and
// comes back to the GUI thread.
//
// Threading: Modify, Then and SetLink on the GUI thread; IsIdle and WaitIdle on any thread but the
// writer's. The link and the tracks must outlive the writes queued for them: wait before they go.
class CFixWriter : public QObject
{
    Q_OBJECT

public:
    explicit CFixWriter(QObject* parent = nullptr);
    // Drops the writes not yet begun and waits for the one under way.
    ~CFixWriter() override;

    void SetLink(CMusicLink* link) { m_link = link; }
    // Queues one song's edit (the mask and texts of CMusicLink::ModifyMusicInfo).
    void Modify(CMusicObj* track, int mask, const QStringList& values);
    // Runs then on the GUI thread once every write queued before it has ended and been committed.
    void Then(std::function<void()> then);
    bool IsIdle() const;
    // Waits until every queued write has ended; false when stopped() turned true first (asked
    // every 50 ms).
    bool WaitIdle(const std::function<bool()>& stopped = {});
    // Drops the writes and barriers not yet begun and waits for the batch under way.
    void Discard();

signals:
    // A write the library refused. GUI thread.
    void WriteFailed(CMusicObj* track, int result);

private:
    struct Job
    {
        CMusicObj* track = nullptr; // none: a barrier
        int mask = 0;
        QStringList values;
        std::function<void()> then;
    };

    void Push(Job job);
    void Run();

    std::atomic<CMusicLink*> m_link{nullptr};
    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // jobs or the end, for the writer
    std::condition_variable m_idle; // the queue ran dry, for WaitIdle
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_quit = false;
    std::thread m_thread; // started with the first job
};
