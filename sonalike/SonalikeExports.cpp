// The C boundary: one engine per process, created by the first add or start and kept until the
// process ends. Every export catches what the engine might throw and answers -1 instead.

#include "DedupeEngine.h"
#include "TrackLoading.h"
#include "sonalike.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace
{

using sonalike::DedupeEngine;

std::mutex g_createMutex;
std::unique_ptr<DedupeEngine> g_engine; // destroyed at exit: stops and joins a running worker
std::atomic<DedupeEngine*> g_current{nullptr};

DedupeEngine* existing()
{
    return g_current.load(std::memory_order_acquire);
}

DedupeEngine& engine()
{
    if (DedupeEngine* e = existing())
        return *e;
    std::lock_guard lock(g_createMutex);
    if (!g_engine)
    {
        sonalike::InitMediaLibrary();
        g_engine = std::make_unique<DedupeEngine>();
        g_current.store(g_engine.get(), std::memory_order_release);
    }
    return *g_engine;
}

template <typename F> int guarded(F&& f)
{
    try
    {
        return f();
    }
    catch (...)
    {
        return -1;
    }
}

} // namespace

extern "C"
{

    SONALIKE_API int AddToDedupeLists(const char* path, int userValue)
    {
        return guarded([&] { return engine().AddPath(path, userValue); });
    }

    SONALIKE_API int AddToDedupeListsByInfo(const DedupeTrackInfo* info)
    {
        return guarded([&] { return engine().AddInfo(info); });
    }

    SONALIKE_API int StartDedupeThread(DedupeProgressCallback callback, void* user, unsigned options,
                                       int fingerprintSeconds, int similarityPercent)
    {
        return guarded(
            [&] { return engine().Start(callback, user, options, fingerprintSeconds, similarityPercent); });
    }

    SONALIKE_API int PauseDedupeThread(void)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->Pause(); }) : -1;
    }

    SONALIKE_API int ContinueDedupeThread(void)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->Continue(); }) : -1;
    }

    SONALIKE_API int DedupeDealloc(void)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->Dealloc(); }) : -1;
    }

    SONALIKE_API int GetLoadCounts(void)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->LoadCounts(); }) : -1;
    }

    SONALIKE_API int GetGroupIdCounts(void)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->GroupCount(); }) : -1;
    }

    SONALIKE_API int GetGroupRef(unsigned group, DedupeTrackInfo** outItem, int* outCount, int item)
    {
        DedupeEngine* e = existing();
        return e ? guarded([&] { return e->GroupRef(group, outItem, outCount, item); }) : -1;
    }

} // extern "C"
