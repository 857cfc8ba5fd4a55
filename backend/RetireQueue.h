#pragma once

#include <QMutex>

#include <functional>
#include <future>

// Work that must leave the caller's thread but keep its order: releasing the agent frees the
// whole parsed library, tens of milliseconds for 40 000 tracks, and the window stops and closes a
// library on its GUI thread. The releases, the closed libraries' destruction and the freeing of
// their tracks run on threads of their own, one after the other in the order given. A new
// library's agent starts only once they are over (a late release would end the new one).
// Any thread.
class CRetireQueue
{
public:
    CRetireQueue() = default;
    CRetireQueue(const CRetireQueue&) = delete;
    CRetireQueue& operator=(const CRetireQueue&) = delete;

    // Runs `work` on a thread of its own once every earlier work is over.
    void Retire(std::function<void()> work);
    // Blocks until every work given so far is over.
    void WaitForRetired();

private:
    QMutex m_retireMutex;
    std::shared_future<void> m_retired; // the last of Retire's work; guarded by m_retireMutex
};
