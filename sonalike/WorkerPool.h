#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace sonalike {

// Names the calling thread "sonalike-<role>" (at most 15 characters in all), so the engine's own
// threads can be told apart from the host program's in a debugger, `top -H` or /proc.
void nameEngineThread(const char* role);

// A fixed set of threads that run one job at a time together with the caller. Used by the
// grouping to scan buckets on all cores. Not re-entrant: one caller at a time (the run's worker).
class WorkerPool
{
public:
    // threads = 0: one per core, the caller counted as one of them.
    explicit WorkerPool(unsigned threads = 0);
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

} // namespace sonalike
