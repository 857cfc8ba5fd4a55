#include "WorkerPool.h"

#include <pthread.h>

#include <string>

namespace tidewell
{

void nameThisThread(const char* name)
{
    pthread_setname_np(pthread_self(), std::string(name).substr(0, 15).c_str());
}

WorkerPool::WorkerPool(unsigned threads, const char* name)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 1; i < threads; ++i)
        m_threads.emplace_back(
            [this, i, name]
            {
                if (name)
                    nameThisThread(name);
                loop(i);
            });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (auto& t : m_threads)
        t.join();
}

void WorkerPool::runOnAll(const std::function<void(unsigned)>& job)
{
    if (m_threads.empty())
    {
        job(0);
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_job = &job;
        m_busy = static_cast<unsigned>(m_threads.size());
        ++m_generation;
    }
    m_wake.notify_all();
    job(0);
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_busy == 0; });
    m_job = nullptr;
}

void WorkerPool::loop(unsigned participant)
{
    uint64_t seen = 0;
    for (;;)
    {
        const std::function<void(unsigned)>* job = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stop || m_generation != seen; });
            if (m_stop)
                return;
            seen = m_generation;
            job = m_job;
        }
        (*job)(participant);
        {
            std::lock_guard lock(m_mutex);
            if (--m_busy == 0)
                m_done.notify_one();
        }
    }
}

} // namespace tidewell
