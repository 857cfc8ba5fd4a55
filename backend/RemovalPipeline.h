#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A removal pass's copies, several at a time. Each copy's removal runs as a job on one of the
// pipeline's threads. A job's first part, everything it decides and does before it hands an iTunes
// entry to the agent (the recycle name, the file's move, its record, its row), runs in the order
// the jobs were started, one job at a time, so each decision sees those of the copies before it
// as the one-by-one pass did. What runs side by side is the agent's wait for the library file to
// hold the change: the entries of the copies in flight go out together in the library's next save.
//
// Threading: the constructor, Start, Unfinished, TakeOldest and the destructor on the one thread
// that owns the pass; EndOrderedPart, EarlierUnfinished and WaitForEarlier from inside a job (they
// do nothing, or answer false, anywhere else).
class CRemovalPipeline
{
public:
    // At most `width` jobs unfinished at a time (Start waits for none: the caller keeps count).
    explicit CRemovalPipeline(unsigned width);
    // Waits for every job started; the results not taken are dropped.
    ~CRemovalPipeline();
    CRemovalPipeline(const CRemovalPipeline&) = delete;
    CRemovalPipeline& operator=(const CRemovalPipeline&) = delete;

    unsigned Width() const { return m_width; }
    // Starts the job of one copy: `track` names it for EarlierUnfinished. A job that throws answers -1.
    void Start(const void* track, std::function<int()> job);
    // Jobs started whose result was not taken yet.
    size_t Unfinished() const;
    // The result of the oldest job not taken yet: waits for it when `wait`. False when there is
    // none, or (without `wait`) when it has not ended.
    bool TakeOldest(int& result, bool wait);

    // The running job's ordered part ends here: the next job's may begin. Later calls do nothing.
    static void EndOrderedPart();
    // Whether a job started before the running one, for a track `among` names, has not ended yet.
    static bool EarlierUnfinished(const std::function<bool(const void*)>& among);
    // Waits until every job started before the running one has ended.
    static void WaitForEarlier();

private:
    struct Slot
    {
        const void* track = nullptr;
        std::function<int()> job;
        bool ended = false;
        int result = -1;
    };

    void Loop();
    void Run(uint64_t index);
    void PassTurn(uint64_t index);
    Slot& SlotAt(uint64_t index) { return m_slots[static_cast<size_t>(index - m_first)]; }

    const unsigned m_width;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Slot> m_slots; // from job m_first on; under m_mutex
    uint64_t m_first = 0;     // the oldest job whose result was not taken
    uint64_t m_next = 0;      // the next job a thread takes
    uint64_t m_started = 0;
    uint64_t m_turn = 0; // the job whose ordered part may run
    bool m_quit = false;
    std::vector<std::thread> m_threads;
};
