#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tidewell
{

// Results made ahead on worker threads and consumed in order: position p is made by
// make(p, worker) at most once, by one of the workers, never more than `lookahead` positions
// beyond the highest position asked for so far (a paused consumer soon leaves the workers idle,
// and the memory the results hold stays bounded). The consumer asks with wait(p), mostly in
// ascending order; any position may be asked, earlier ones included.
//
// When no worker could be started, wait() makes each result on the calling thread instead.
//
// Threading: one consumer thread calls wait(); make runs on the workers (or on that consumer).
// The destructor stops the workers after their current item and joins them. Results stay where
// they are: a reference from wait() is valid until the object goes.
template <typename Result> class OrderedPrefetch
{
public:
    using Make = std::function<Result(size_t position, unsigned worker)>;

    OrderedPrefetch(size_t count, size_t lookahead, Make make)
        : m_make(std::move(make)), m_results(count), m_ready(count, 0), m_lookahead(lookahead)
    {
    }
    ~OrderedPrefetch()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_workCv.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }
    OrderedPrefetch(const OrderedPrefetch&) = delete;
    OrderedPrefetch& operator=(const OrderedPrefetch&) = delete;

    // Starts up to `workers` threads (not more than there are positions); `onStart` runs first on
    // each (naming the thread, say). Answers how many started.
    unsigned start(unsigned workers, const std::function<void()>& onStart = {})
    {
        workers = static_cast<unsigned>(std::min<size_t>(workers, m_results.size()));
        try
        {
            for (unsigned w = 0; w < workers; ++w)
                m_threads.emplace_back(
                    [this, w, onStart]
                    {
                        if (onStart)
                            onStart();
                        work(w);
                    });
        }
        catch (const std::system_error&)
        {
            // Fewer workers: those that started carry the load.
        }
        std::lock_guard lock(m_mutex);
        m_started = static_cast<unsigned>(m_threads.size());
        return m_started;
    }

    // Whether position's result is made, so that wait(position) answers at once. Consumer thread.
    bool ready(size_t position)
    {
        std::lock_guard lock(m_mutex);
        return m_ready[position] != 0;
    }

    const Result& wait(size_t position)
    {
        std::unique_lock lock(m_mutex);
        if (m_started == 0)
        {
            if (!m_ready[position])
            {
                lock.unlock();
                Result made = m_make(position, 0);
                lock.lock();
                m_results[position] = std::move(made);
                m_ready[position] = 1;
            }
            return m_results[position];
        }
        if (position >= m_consumer)
        {
            m_consumer = position;
            m_workCv.notify_all();
        }
        m_readyCv.wait(lock, [&] { return m_ready[position] != 0; });
        return m_results[position];
    }

private:
    void work(unsigned worker)
    {
        for (;;)
        {
            size_t position = 0;
            {
                std::unique_lock lock(m_mutex);
                m_workCv.wait(
                    lock, [&]
                    { return m_stop || m_next >= m_results.size() || m_next <= m_consumer + m_lookahead; });
                if (m_stop || m_next >= m_results.size())
                    return;
                position = m_next++;
            }
            Result made = m_make(position, worker);
            {
                std::lock_guard lock(m_mutex);
                m_results[position] = std::move(made);
                m_ready[position] = 1;
            }
            m_readyCv.notify_all();
        }
    }

    Make m_make;
    std::vector<Result> m_results;
    std::vector<char> m_ready; // guarded by m_mutex, as are the counters below
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_workCv, m_readyCv;
    size_t m_lookahead;
    size_t m_next = 0;     // next position a worker takes
    size_t m_consumer = 0; // highest position asked for
    unsigned m_started = 0;
    bool m_stop = false;
};

} // namespace tidewell
