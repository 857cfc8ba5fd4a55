#include "ComThread.h"

#include "AgentDispatch.h"
#include "ITunesHost.h"

#include <cstdio>

namespace lyrafon
{

namespace ith = tidewell::ithost;

struct ComThread::Job
{
    AgentRequest* request = nullptr;
    bool done = false;
    std::condition_variable completed; // this job's own completion
};

ComThread::ComThread(AppFactory factory) : m_factory(std::move(factory)) {}

ComThread::~ComThread()
{
    stop();
}

bool ComThread::running() const
{
    std::lock_guard lock(m_mutex);
    return m_thread.joinable() && !m_quit;
}

bool ComThread::start()
{
    std::unique_lock lock(m_mutex);
    if (m_thread.joinable())
        return m_hasApp && !m_quit;
    m_started = false;
    m_hasApp = false;
    m_quit = false;
    m_thread = std::thread(&ComThread::run, this);
    m_ready.wait(lock, [this] { return m_started; });
    const bool ok = m_hasApp;
    lock.unlock();
    if (!ok)
        stop();
    return ok;
}

bool ComThread::stop()
{
    std::thread thread;
    {
        std::lock_guard lock(m_mutex);
        if (!m_thread.joinable())
            return false;
        m_quit = true;
        thread = std::move(m_thread);
    }
    m_wake.notify_all();
    thread.join();
    return true;
}

int32_t ComThread::post(AgentRequest* request)
{
    if (!request)
        return -1;
    Job job;
    job.request = request;
    std::unique_lock lock(m_mutex);
    if (!m_thread.joinable() || m_quit || !m_hasApp)
    {
        request->result = -1;
        return -1;
    }
    m_queue.push_back(&job);
    m_wake.notify_one();
    job.completed.wait(lock, [&job] { return job.done; });
    return request->result;
}

void ComThread::run()
{
    std::shared_ptr<ith::ITunesApp> app;
    ith::HResult hr = ith::kFail;
    try
    {
        hr = m_factory(app);
        if (hr == ith::kServerExecFailure)
        {
            // iTunes runs but cannot serve automation: one more attempt, no third.
            std::fputs("CO_E_SERVER_EXEC_FAILURE! Now Restart iTunes!\n", stderr);
            app.reset();
            hr = m_factory(app);
        }
    }
    catch (...)
    {
        app.reset();
    }
    if (hr != ith::kOk)
        app.reset();

    std::unique_lock lock(m_mutex);
    m_hasApp = app != nullptr;
    m_started = true;
    m_ready.notify_all();
    for (;;)
    {
        m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
        if (m_quit)
            break;
        Job* job = m_queue.front();
        m_queue.pop_front();
        lock.unlock();
        DispatchAgentRequest(job->request, app.get());
        lock.lock();
        job->done = true;
        job->completed.notify_one();
    }
    // A stop wakes everyone still waiting; their requests fail.
    for (Job* job : m_queue)
    {
        job->request->result = -1;
        job->done = true;
        job->completed.notify_one();
    }
    m_queue.clear();
    lock.unlock();
    app.reset(); // iTunes is released on the thread that made it
}

namespace
{

std::mutex g_threadMutex;
std::shared_ptr<ComThread> g_thread; // guarded by g_threadMutex; posts hold their own reference
ComThread::AppFactory g_factory;     // guarded by g_threadMutex

ComThread::AppFactory currentFactory()
{
    if (g_factory)
        return g_factory;
    return [](std::shared_ptr<ith::ITunesApp>& app) { return ith::ITunesApp::Create(app); };
}

} // namespace

void SetComThreadAppFactory(ComThread::AppFactory factory)
{
    std::lock_guard lock(g_threadMutex);
    g_factory = std::move(factory);
}

int StartComThread()
{
    std::lock_guard lock(g_threadMutex);
    if (g_thread && g_thread->running())
        return 1;
    auto thread = std::make_shared<ComThread>(currentFactory());
    if (!thread->start())
        return 0; // stopped again; the next call starts from scratch
    g_thread = std::move(thread);
    return 1;
}

int StopComThread()
{
    std::shared_ptr<ComThread> thread;
    {
        std::lock_guard lock(g_threadMutex);
        thread = std::move(g_thread);
    }
    return thread && thread->stop() ? 1 : 0;
}

int32_t PostAgentRequest(AgentRequest* request)
{
    if (!request)
        return -1;
    std::shared_ptr<ComThread> thread;
    {
        std::lock_guard lock(g_threadMutex);
        thread = g_thread;
    }
    // A stop while this waits fails the request and wakes it; the reference keeps the object alive.
    return thread ? thread->post(request) : (request->result = -1);
}

} // namespace lyrafon
