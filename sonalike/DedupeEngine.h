#pragma once

#include "DedupeGrouper.h"
#include "DedupeTrack.h"
#include "sonalike.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tidewell
{
class WorkerPool;
}

namespace sonalike
{

using tidewell::WorkerPool;

// The one engine behind the C exports: the added tracks, one run at a time on its worker thread,
// and the groups that run published.
//
// Locks: the lists mutex guards tracks, buckets and groups and is held by the worker for a whole
// run; the state mutex guards the paused and stop flags only; the thread mutex guards the worker
// handle (start, join). The progress callback runs on the worker thread.
class DedupeEngine
{
public:
    DedupeEngine();
    ~DedupeEngine();
    DedupeEngine(const DedupeEngine&) = delete;
    DedupeEngine& operator=(const DedupeEngine&) = delete;

    int AddPath(const char* path, int userValue);
    int AddInfo(const DedupeTrackInfo* info);
    int Start(DedupeProgressCallback callback, void* user, unsigned options, int fingerprintSeconds,
              int similarityPercent);
    int Pause();
    int Continue();
    int Dealloc();
    int LoadCounts();
    int GroupCount();
    int GroupRef(unsigned group, DedupeTrackInfo** outItem, int* outCount, int item);

    // Loads one track for the current options: 0, or a load code (-2, -4 .. -9, -23).
    // Touches only the track; safe on several threads for different tracks.
    int LoadTrack(DedupeTrack& track) const;
    int LoadFingerprintTrack(DedupeTrack& track, int seconds) const;

private:
    // Holds the lists mutex unless this thread already does (a progress call during the run).
    class ListsGuard;

    void run();
    // LoadTrack for the run's loaders: a failure of any kind leaves the track out of the groups.
    int safeLoad(DedupeTrack& track) const;
    void publish();
    void clearResults();
    bool onRunningWorker() const { return m_listsOwner.load() == std::this_thread::get_id(); }
    bool onWorkerThread() const { return m_workerId.load() == std::this_thread::get_id(); }
    std::unique_lock<std::mutex> lockForAdd();
    // -2 when the key, or the file the track's path reaches (`byFile`), is in the lists already.
    int addTrack(std::unique_ptr<DedupeTrack> track, const std::string& key, bool byFile = false);

    std::mutex m_lists;
    std::atomic<std::thread::id> m_listsOwner{};
    std::map<std::string, std::unique_ptr<DedupeTrack>> m_tracks; // by canonical path
    // The files of the tracks added by path, so a second hard link of one adds nothing.
    struct FileSet;
    std::unique_ptr<FileSet> m_files;
    std::unique_ptr<WorkerPool> m_pool;
    DedupeGrouper m_grouper;
    std::vector<std::vector<DedupeTrackInfo>> m_groups;

    std::mutex m_state;
    std::condition_variable m_stateChanged;
    bool m_paused = false;
    // Set under the state mutex; the loaders' tag reads also look at it without the lock.
    std::atomic<bool> m_stop{false};
    bool m_running = false; // a run has been started and has not yet released its lists

    std::mutex m_threadMutex;
    std::thread m_worker;
    std::atomic<std::thread::id> m_workerId{}; // set while the worker runs, progress calls included

    DedupeProgressCallback m_callback = nullptr;
    void* m_user = nullptr;
    unsigned m_options = 0;
    int m_fingerprintSeconds = 0;
    float m_threshold = 0.8f;
};

} // namespace sonalike
