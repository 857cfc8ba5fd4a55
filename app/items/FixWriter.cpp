#include "FixWriter.h"

#include "CMusicLink.h"
#include "UILog.h"

#include <chrono>
#include <vector>

namespace
{
// Writes taken into one transaction at most; the GUI sees their barrier no later than this.
constexpr std::size_t kBatch = 256;
} // namespace

CFixWriter::CFixWriter(QObject* parent) : QObject(parent) {}

CFixWriter::~CFixWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void CFixWriter::Modify(CMusicObj* track, int mask, const QStringList& values)
{
    if (!track || !mask)
        return;
    Push({EJob::Modify, track, mask, 0, values, {}, {}});
}

void CFixWriter::Edit(CMusicObj* track, int mask, const QStringList& values, std::function<void(int)> done)
{
    if (track && mask)
        Push({EJob::Edit, track, mask, 0, values, {}, std::move(done)});
}

void CFixWriter::SelectArtwork(CMusicObj* track, int index)
{
    if (track)
        Push({EJob::Artwork, track, 0, index, {}, {}, {}});
}

void CFixWriter::ChangeState(CMusicObj* track, int clear, int set)
{
    if (track)
        Push({EJob::State, track, clear, set, {}, {}, {}});
}

void CFixWriter::ChangeAllStates(int bits, int set)
{
    Push({EJob::AllStates, nullptr, bits, set, {}, {}, {}});
}

void CFixWriter::Then(std::function<void()> then)
{
    Push({EJob::Barrier, nullptr, 0, 0, {}, std::move(then), {}});
}

void CFixWriter::Push(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_quit)
            return;
        m_jobs.push_back(std::move(job));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Run(); });
    }
    m_wake.notify_one();
}

bool CFixWriter::IsIdle() const
{
    std::lock_guard lock(m_mutex);
    return m_jobs.empty() && !m_busy;
}

bool CFixWriter::WaitIdle(const std::function<bool()>& stopped)
{
    std::unique_lock lock(m_mutex);
    while (!m_jobs.empty() || m_busy)
    {
        if (stopped && stopped())
            return false;
        m_idle.wait_for(lock, std::chrono::milliseconds(50));
    }
    return true;
}

void CFixWriter::Discard()
{
    std::unique_lock lock(m_mutex);
    std::erase_if(m_jobs,
                  [](const Job& job) { return job.kind == EJob::Modify || job.kind == EJob::Barrier; });
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

int CFixWriter::Write(CMusicLink* link, const Job& job) const
{
    if (!link)
        return -1;
    switch (job.kind)
    {
    case EJob::Modify:
    case EJob::Edit:
        return link->ModifyMusicInfo(job.track, job.mask, job.values);
    case EJob::Artwork:
        return link->SelectArtwork(job.track, job.set);
    case EJob::State:
    {
        const int word = link->GetMusicState(job.track);
        if (word < 0)
            return word;
        const int next = (word & ~job.mask) | job.set;
        return next == word ? 0 : link->SetMusicState(job.track, next);
    }
    case EJob::AllStates:
        return link->ChangeAllMusicState(job.mask, job.set);
    case EJob::Barrier:
        break;
    }
    return 0;
}

void CFixWriter::Run()
{
    for (;;)
    {
        std::vector<Job> batch;
        std::vector<int> results;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || !m_jobs.empty(); });
            if (m_quit)
                break;
            // Up to a barrier: what follows a barrier waits until the writes before it are
            // committed.
            while (!m_jobs.empty() && batch.size() < kBatch)
            {
                batch.push_back(std::move(m_jobs.front()));
                m_jobs.pop_front();
                if (batch.back().kind == EJob::Barrier)
                    break;
            }
            m_busy = true;
        }

        CMusicLink* link = m_link.load();
        std::size_t writes = 0;
        for (const Job& job : batch)
            writes += job.kind != EJob::Barrier ? 1 : 0;
        // Another pass may hold the transaction already (the apply's); then the writes join it.
        // A transaction this writer could not commit before is still open with its writes: this
        // batch joins it and commits both.
        const int began = link && writes > 0 ? link->SetTransaction(false) : -1;
        const bool own = began == 0 || (began > 0 && m_bLeftOpen);
        for (const Job& job : batch)
        {
            if (job.kind == EJob::Barrier)
            {
                results.push_back(0);
                continue;
            }
            const int result = Write(link, job);
            results.push_back(result);
            if (result != 0)
            {
                const char* what = job.kind == EJob::Modify    ? "fix"
                                   : job.kind == EJob::Edit    ? "edit"
                                   : job.kind == EJob::Artwork ? "artwork choice"
                                                               : "state";
                WriteUILog(
                    QStringLiteral("Writing a song's %1 failed: %2").arg(QLatin1String(what)).arg(result));
                QMetaObject::invokeMethod(
                    this, [this, track = job.track, result] { emit WriteFailed(track, result); },
                    Qt::QueuedConnection);
            }
        }
        if (own)
        {
            // Nothing of the batch is saved until its commit answered: a refused commit fails
            // every write of the batch, and the writes stay in the open transaction for the next
            // commit to take.
            const int committed = link->SetTransaction(true);
            m_bLeftOpen = committed != 0;
            if (committed != 0)
            {
                WriteUILog(QStringLiteral("Committing %1 write(s) of the songs failed: %2")
                               .arg(writes)
                               .arg(committed));
                for (std::size_t i = 0; i < batch.size(); ++i)
                {
                    if (batch[i].kind == EJob::Barrier || results[i] != 0)
                        continue;
                    results[i] = committed;
                    QMetaObject::invokeMethod(
                        this,
                        [this, track = batch[i].track, committed] { emit WriteFailed(track, committed); },
                        Qt::QueuedConnection);
                }
            }
        }

        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
            if (m_jobs.empty())
                m_idle.notify_all();
        }
        // Posted once the batch has let go of the lock, in order.
        for (std::size_t i = 0; i < batch.size(); ++i)
        {
            Job& job = batch[i];
            if (job.kind == EJob::Barrier && job.then)
                PostBack(std::move(job.then));
            else if (job.done)
                PostBack([done = std::move(job.done), result = results[i]] { done(result); });
        }
    }
    std::lock_guard lock(m_mutex);
    m_busy = false;
    m_idle.notify_all();
}

void CFixWriter::PostBack(std::function<void()> call)
{
    // Each call takes the lock before it runs: the GUI thread is then ordered after the writes by a
    // lock both sides take, which the thread sanitizer sees, and not only by Qt's event queue, which
    // it cannot see.
    QMetaObject::invokeMethod(
        this,
        [this, call = std::move(call)]
        {
            {
                std::lock_guard lock(m_mutex);
            }
            call();
        },
        Qt::QueuedConnection);
}
