#pragma once

#include "AgentRequest.h"
#include "HostResult.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace tidewell::ithost
{
class ITunesApp;
}

namespace lyrafon
{

// The agent's iTunes thread: it alone creates, uses and releases the iTunes application object,
// and serves requests from its own queue in arrival order. A request is queued with its own
// completion record, so a caller wakes only when its own request has run (or the thread stopped).
//
// Threading: start(), stop() and post() may be called from any thread. The object must outlive
// every post() in flight; stop() wakes and fails every request still queued.
class ComThread
{
public:
    using AppFactory =
        std::function<tidewell::ithost::HResult(std::shared_ptr<tidewell::ithost::ITunesApp>&)>;

    explicit ComThread(AppFactory factory);
    ~ComThread();
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;

    // Starts the thread and waits until it tried to reach iTunes. True when it holds an iTunes
    // object; otherwise the thread is stopped again and false answered.
    bool start();
    // Stops and joins the thread. True when it was running.
    bool stop();
    bool running() const;

    // Queues the request and waits for its completion; answers its result (-1 for a null request
    // or when the thread is not running or stops before serving it).
    int32_t post(AgentRequest* request);

private:
    struct Job;
    void run();

    AppFactory m_factory;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;  // the iTunes thread waits here for work or stop
    std::condition_variable m_ready; // start() waits here for the first connection attempt
    std::deque<Job*> m_queue;        // jobs live on their callers' stacks
    bool m_started = false;          // the thread has tried to reach iTunes
    bool m_hasApp = false;
    bool m_quit = false;
    std::thread m_thread;
};

// The process-wide iTunes thread behind the exports. StartComThread answers 1 when it runs with an
// iTunes object (starting it when needed), 0 when iTunes cannot be reached. StopComThread answers
// 1 when it stopped a running thread, 0 when there was none. PostAgentRequest answers the request's
// result, -1 for a null request or when no thread runs.
int StartComThread();
int StopComThread();
int32_t PostAgentRequest(AgentRequest* request);

// The iTunes object factory used by the next StartComThread (tests point it at a library of their
// own or at a failing factory); null restores the host's default.
void SetComThreadAppFactory(ComThread::AppFactory factory);

} // namespace lyrafon
