#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tidewell
{

// Names the calling thread (at most 15 characters are kept), so a library's own threads can be
// told apart from the host program's in a debugger, `top -H` or /proc.
void nameThisThread(const char* name);

// A fixed set of threads that run one job at a time together with the caller: the duplicate
// engine's grouping scans buckets with it, the analysis compares fingerprints with it. The
// threads live as long as the pool, so a job costs no thread start. Not re-entrant: one caller at
// a time.
class WorkerPool
{
public:
    // threads = 0: one per core, the caller counted as one of them. `name`: the threads' name.
    explicit WorkerPool(unsigned threads = 0, const char* name = nullptr);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Number of participants in a job (the threads plus the caller).
    unsigned size() const { return static_cast<unsigned>(m_threads.size()) + 1; }
    // Runs job(participant) on every participant and returns when all have returned.
    void runOnAll(const std::function<void(unsigned)>& job);

private:
    void loop(unsigned participant);

    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_wake, m_done;
    const std::function<void(unsigned)>* m_job = nullptr;
    uint64_t m_generation = 0;
    unsigned m_busy = 0;
    bool m_stop = false;
};

} // namespace tidewell
