#include "RemovalPipeline.h"

#include "WorkerPool.h"

#include <algorithm>

namespace
{

// The job running on this thread.
thread_local CRemovalPipeline* t_pipeline = nullptr;
thread_local uint64_t t_index = 0;

} // namespace

CRemovalPipeline::CRemovalPipeline(unsigned width) : m_width(std::max(width, 1U)) {}

CRemovalPipeline::~CRemovalPipeline()
{
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock,
                       [this] {
                           return std::all_of(m_slots.begin(), m_slots.end(),
                                              [](const Slot& slot) { return slot.ended; });
                       });
        m_quit = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void CRemovalPipeline::Start(const void* track, std::function<int()> job)
{
    {
        std::lock_guard lock(m_mutex);
        m_slots.push_back({track, std::move(job), false, -1});
        ++m_started;
        // One thread for each unfinished job, up to the width; they stay for the pass.
        if (m_threads.size() < m_width && m_threads.size() < m_slots.size())
            m_threads.emplace_back(&CRemovalPipeline::Loop, this);
    }
    m_changed.notify_all();
}

size_t CRemovalPipeline::Unfinished() const
{
    std::lock_guard lock(m_mutex);
    return m_slots.size();
}

bool CRemovalPipeline::TakeOldest(int& result, bool wait)
{
    std::unique_lock lock(m_mutex);
    if (m_slots.empty())
        return false;
    if (wait)
        m_changed.wait(lock, [this] { return m_slots.front().ended; });
    if (!m_slots.front().ended)
        return false;
    result = m_slots.front().result;
    m_slots.pop_front();
    ++m_first;
    return true;
}

void CRemovalPipeline::Loop()
{
    tidewell::nameThisThread("tidewell-remove");
    for (;;)
    {
        uint64_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_quit || m_next < m_started; });
            if (m_next >= m_started)
                return;
            index = m_next++;
        }
        Run(index);
    }
}

void CRemovalPipeline::Run(uint64_t index)
{
    std::function<int()> job;
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this, index] { return m_turn == index; });
        job = std::move(SlotAt(index).job);
    }
    t_pipeline = this;
    t_index = index;
    int result = -1;
    try
    {
        result = job();
    }
    catch (...)
    {
        result = -1;
    }
    t_pipeline = nullptr;
    PassTurn(index);
    {
        std::lock_guard lock(m_mutex);
        Slot& slot = SlotAt(index);
        slot.ended = true;
        slot.result = result;
    }
    m_changed.notify_all();
}

void CRemovalPipeline::PassTurn(uint64_t index)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_turn != index)
            return;
        m_turn = index + 1;
    }
    m_changed.notify_all();
}

void CRemovalPipeline::EndOrderedPart()
{
    if (t_pipeline)
        t_pipeline->PassTurn(t_index);
}

bool CRemovalPipeline::EarlierUnfinished(const std::function<bool(const void*)>& among)
{
    CRemovalPipeline* pipeline = t_pipeline;
    if (!pipeline)
        return false;
    std::lock_guard lock(pipeline->m_mutex);
    for (uint64_t j = pipeline->m_first; j < t_index; ++j)
    {
        const Slot& slot = pipeline->SlotAt(j);
        if (!slot.ended && among(slot.track))
            return true;
    }
    return false;
}

void CRemovalPipeline::WaitForEarlier()
{
    CRemovalPipeline* pipeline = t_pipeline;
    if (!pipeline)
        return;
    std::unique_lock lock(pipeline->m_mutex);
    pipeline->m_changed.wait(lock,
                             [pipeline]
                             {
                                 for (uint64_t j = pipeline->m_first; j < t_index; ++j)
                                 {
                                     if (!pipeline->SlotAt(j).ended)
                                         return false;
                                 }
                                 return true;
                             });
}
