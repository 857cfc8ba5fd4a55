#include "DedupeEngine.h"

#include "DedupeText.h"
#include "OrderedPrefetch.h"
#include "RegularFile.h"
#include "TrackLoading.h"
#include "WorkerPool.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_set>

namespace sonalike
{
namespace
{

namespace fs = std::filesystem;

constexpr size_t kMaxPathBytes = 2048;
constexpr int kFingerprintFailed = -23;
// PCM that parallel fingerprint loads may hold at once (a 600 s load alone takes 106 MB).
constexpr int64_t kPcmBudgetBytes = 512ll * 1024 * 1024;
constexpr unsigned kFingerprintMode = DEDUPE_OPTION_FINGERPRINT;
// Separates key parts; it cannot occur in a zero-terminated tag text, so ("AB","C") and
// ("A","BC") stay apart.
constexpr char kKeySeparator = '\0';

// The file's identity: its canonical path (links resolved), or its spelling when it has none.
std::string canonicalKey(const std::string& path)
{
    std::error_code ec;
    const fs::path canonical = fs::canonical(fs::path(path), ec);
    return ec ? path : canonical.string();
}

bool pathExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

void takeTags(DedupeTrack& track, DedupeTagInfo&& tags)
{
    track.title = std::move(tags.title);
    track.artist = std::move(tags.artist);
    track.album = std::move(tags.album);
    track.genre = std::move(tags.genre);
    track.fileSize = tags.fileSize;
    track.duration = tags.duration;
    track.bitRate = tags.bitRate;
}

const char* text(const char* s)
{
    return s ? s : "";
}

} // namespace

class DedupeEngine::ListsGuard
{
public:
    explicit ListsGuard(DedupeEngine& engine)
    {
        if (!engine.onRunningWorker())
            m_lock = std::unique_lock(engine.m_lists);
    }

private:
    std::unique_lock<std::mutex> m_lock;
};

struct DedupeEngine::FileSet
{
    std::unordered_set<FileIdentity, FileIdentity::Hash> files;
};

DedupeEngine::DedupeEngine() : m_files(std::make_unique<FileSet>()) {}

DedupeEngine::~DedupeEngine()
{
    {
        std::lock_guard state(m_state);
        m_stop = true;
        m_paused = false;
    }
    m_stateChanged.notify_all();
    std::lock_guard thread(m_threadMutex);
    if (m_worker.joinable() && m_worker.get_id() != std::this_thread::get_id())
        m_worker.join();
    else if (m_worker.joinable())
        m_worker.detach();
}

int DedupeEngine::addTrack(std::unique_ptr<DedupeTrack> track, const std::string& key, bool byFile)
{
    if (m_tracks.contains(key))
        return -2;
    if (byFile)
    {
        FileIdentity file(track->path);
        if (file.exists() && !m_files->files.insert(std::move(file)).second)
            return -2;
    }
    m_tracks.emplace(key, std::move(track));
    return 0;
}

std::unique_lock<std::mutex> DedupeEngine::lockForAdd()
{
    // Adds never wait: a run (or a progress call made inside it) holds the lists.
    if (onRunningWorker())
        return {};
    std::unique_lock lists(m_lists, std::try_to_lock);
    if (!lists.owns_lock())
        return {};
    std::lock_guard state(m_state);
    if (m_running)
        return {}; // started, and its worker is about to take the lists
    return lists;
}

int DedupeEngine::AddPath(const char* path, int userValue)
{
    const std::unique_lock lists = lockForAdd();
    if (!lists.owns_lock())
        return -1;
    if (!path)
        return -1;
    std::string p(path);
    if (p.size() > kMaxPathBytes)
        return -1;
    if (p.size() > 3)
    {
        if (p.back() == '/' || p.back() == '\\')
            p.pop_back();
        // '\' is a separator only in paths written for another system; a real name keeps it.
        if (!pathExists(p))
            p = ReplaceAll(p, "\\", "/");
    }
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(p), ec);
    if (!ec && fs::is_directory(status))
    {
        std::vector<std::string> found;
        ScanAudioFiles(normalPathSpelling(p), found);
        for (const std::string& file : found)
        {
            auto track = std::make_unique<DedupeTrack>();
            track->path = file;
            addTrack(std::move(track), canonicalKey(file), true);
        }
        return 0;
    }
    // Only regular files (or links to them): a pipe or device would block the loader forever.
    if (!ec && fs::is_regular_file(status))
    {
        auto track = std::make_unique<DedupeTrack>();
        track->path = normalPathSpelling(p);
        track->userValue = userValue;
        const std::string key = canonicalKey(track->path);
        return addTrack(std::move(track), key, true);
    }
    return -3;
}

int DedupeEngine::AddInfo(const DedupeTrackInfo* info)
{
    const std::unique_lock lists = lockForAdd();
    if (!lists.owns_lock())
        return -1;
    if (!info || !info->path || std::char_traits<char>::length(info->path) > kMaxPathBytes)
        return -1;
    auto track = std::make_unique<DedupeTrack>();
    track->path = info->path;
    track->title = text(info->title);
    track->artist = text(info->artist);
    track->album = text(info->album);
    track->genre = text(info->genre);
    track->fileSize = info->fileSize;
    track->duration = info->duration;
    track->opaque = info->opaque;
    track->bitRate = info->bitRate;
    track->score = info->similarity;
    track->initialScore = info->similarity;
    track->userValue = info->userValue;
    const std::string key = track->path;
    return addTrack(std::move(track), key);
}

int DedupeEngine::Start(DedupeProgressCallback callback, void* user, unsigned options, int fingerprintSeconds,
                        int similarityPercent)
{
    if (onWorkerThread())
        return -1; // from the run's own progress call: it cannot wait for itself
    std::unique_lock thread(m_threadMutex);
    {
        std::lock_guard state(m_state);
        if (m_running)
            return -1;
        m_running = true;
        m_paused = false;
        m_stop = false;
    }
    if (m_worker.joinable())
        m_worker.join();
    {
        // Each run starts from no buckets and no groups; tracks keep what they loaded.
        std::lock_guard lists(m_lists);
        clearResults();
        for (auto& [key, track] : m_tracks)
            track->score = track->initialScore;
        m_callback = callback;
        m_user = user;
        m_options = options;
        m_fingerprintSeconds = fingerprintSeconds;
        m_threshold = similarityPercent >= 1 && similarityPercent <= 100
                          ? static_cast<float>(similarityPercent) / 100.0f
                          : 0.8f;
        if ((options & kFingerprintMode) && !m_pool)
            m_pool = std::make_unique<WorkerPool>(0, "sonalike-pool");
    }
    try
    {
        m_worker = std::thread(
            [this]
            {
                tidewell::nameThisThread("sonalike-run");
                run();
            });
        m_workerId = m_worker.get_id();
    }
    catch (const std::system_error&)
    {
        std::lock_guard state(m_state);
        m_running = false;
        return -1;
    }
    thread.unlock();
    if (!callback)
    {
        std::unique_lock state(m_state);
        m_stateChanged.wait(state, [this] { return !m_running; });
    }
    return 0;
}

int DedupeEngine::Pause()
{
    {
        std::lock_guard state(m_state);
        m_paused = true;
    }
    m_stateChanged.notify_all();
    return 0;
}

int DedupeEngine::Continue()
{
    {
        std::lock_guard state(m_state);
        m_paused = false;
    }
    m_stateChanged.notify_all();
    return 0;
}

int DedupeEngine::Dealloc()
{
    if (onRunningWorker())
        return -1; // a progress call inside the run would wait for itself
    {
        std::lock_guard state(m_state);
        m_stop = true;
    }
    m_stateChanged.notify_all();
    {
        std::lock_guard lists(m_lists);
        clearResults();
        m_tracks.clear();
        m_files->files.clear();
    }
    // From the end call the worker is finishing itself; the next start joins it.
    if (onWorkerThread())
        return 0;
    std::lock_guard thread(m_threadMutex);
    if (m_worker.joinable())
        m_worker.join();
    return 0;
}

void DedupeEngine::clearResults()
{
    m_groups.clear();
    m_grouper.reset(false, m_threshold);
}

int DedupeEngine::LoadCounts()
{
    ListsGuard lists(*this);
    return static_cast<int>(m_tracks.size());
}

int DedupeEngine::GroupCount()
{
    ListsGuard lists(*this);
    return static_cast<int>(m_groups.size());
}

int DedupeEngine::GroupRef(unsigned group, DedupeTrackInfo** outItem, int* outCount, int item)
{
    ListsGuard lists(*this);
    if (group >= m_groups.size() || !outCount)
        return -1;
    auto& members = m_groups[group];
    *outCount = static_cast<int>(members.size());
    if (outItem && item >= 0 && static_cast<size_t>(item) < members.size())
        *outItem = &members[static_cast<size_t>(item)];
    return 0;
}

int DedupeEngine::LoadTrack(DedupeTrack& track) const
{
    if (!pathExists(track.path))
        return -2;
    if (m_options & kFingerprintMode)
        return LoadFingerprintTrack(track, m_fingerprintSeconds);
    track.key.text.clear();
    if (track.title.empty())
    {
        DedupeTagInfo tags;
        if (ReadTags(track.path, tags, [this] { return m_stop.load(); }) == 0)
            takeTags(track, std::move(tags));
        if (StripSpaces(track.title).empty())
            track.title = BaseNameNoExt(track.path);
        if (track.title.empty())
            return -4;
    }
    std::string& key = track.key.text;
    const auto part = [&key](const std::string& value)
    {
        key += value;
        key += kKeySeparator;
    };
    if (m_options & DEDUPE_OPTION_TITLE)
        part(track.title);
    if (m_options & DEDUPE_OPTION_ARTIST)
    {
        if (track.artist.empty())
            return -5;
        part(track.artist);
    }
    if (m_options & DEDUPE_OPTION_ALBUM)
    {
        if (track.album.empty())
            return -6;
        part(track.album);
    }
    if (m_options & DEDUPE_OPTION_FILE_SIZE)
    {
        if (track.fileSize == 0)
            return -7;
        part(std::to_string(static_cast<int32_t>(track.fileSize)));
    }
    if (m_options & DEDUPE_OPTION_DURATION)
    {
        if (track.duration == 0)
            return -8;
        part(std::to_string(track.duration));
    }
    if (key.empty())
        return -9;
    return 0;
}

int DedupeEngine::safeLoad(DedupeTrack& track) const
{
    try
    {
        return LoadTrack(track);
    }
    catch (const std::exception&)
    {
        return kFingerprintFailed;
    }
}

int DedupeEngine::LoadFingerprintTrack(DedupeTrack& track, int seconds) const
{
    if (track.title.empty() || track.duration == 0)
    {
        DedupeTagInfo tags;
        if (ReadTags(track.path, tags, [this] { return m_stop.load(); }) == 0)
            takeTags(track, std::move(tags));
        if (track.title.empty())
            track.title = BaseNameNoExt(track.path);
    }
    return ComputeFingerprint(track, seconds) == 0 ? 0 : kFingerprintFailed;
}

void DedupeEngine::run()
{
    m_workerId = std::this_thread::get_id();
    std::unique_lock lists(m_lists);
    m_listsOwner = std::this_thread::get_id();
    m_grouper.setPool(m_pool.get());
    m_grouper.reset((m_options & kFingerprintMode) != 0, m_threshold);

    std::vector<DedupeTrack*> order;
    order.reserve(m_tracks.size());
    for (auto& [key, track] : m_tracks)
        order.push_back(track.get());
    const size_t total = order.size();
    int n = static_cast<int>(total);
    if (m_callback)
        m_callback(&n, -1, "", m_user);

    // Loading (tags, decode, fingerprint) of later tracks runs ahead on other threads, a bounded
    // window beyond the track being grouped; grouping and progress stay in path order.
    size_t loaders = std::min<size_t>(total, std::max(1u, std::thread::hardware_concurrency()));
    if (m_options & kFingerprintMode)
    {
        // Each fingerprint load holds its whole PCM buffer; keep them together below the budget.
        const int64_t seconds =
            m_fingerprintSeconds >= 1 && m_fingerprintSeconds <= 600 ? m_fingerprintSeconds : 600;
        const auto fit = static_cast<size_t>(kPcmBudgetBytes / (seconds * 176400));
        loaders = std::max<size_t>(1, std::min(loaders, fit));
    }
    {
        // Whatever loader cannot start, the loads happen on this thread as they are needed.
        tidewell::OrderedPrefetch<int> loads(total, loaders * 2,
                                             [&](size_t index, unsigned) { return safeLoad(*order[index]); });
        loads.start(static_cast<unsigned>(loaders), [] { tidewell::nameThisThread("sonalike-load"); });
        std::vector<DedupeTrack*> loaded;
        for (size_t i = 0; i < total;)
        {
            {
                std::unique_lock state(m_state);
                while (!m_stop && m_paused)
                    m_stateChanged.wait_for(state, std::chrono::milliseconds(100));
                if (m_stop)
                    break;
            }
            // Where the grouper spreads a batch over the pool, the tracks already loaded beyond
            // this one (a second scan finds every fingerprint made) are grouped with it; their
            // progress follows in order.
            size_t end = i + 1;
            if (m_grouper.spreadsBatches())
                while (end < total && loads.ready(end))
                    ++end;
            loaded.clear();
            for (size_t k = i; k < end; ++k)
                if (loads.wait(k) == 0)
                    loaded.push_back(order[k]);
            try
            {
                m_grouper.insert(loaded);
            }
            catch (const std::exception&)
            {
                // Out of memory while grouping: these tracks stay out of every group.
            }
            for (; i < end; ++i)
                if (m_callback)
                    m_callback(&order[i]->userValue, static_cast<int>(i + 1), order[i]->path.c_str(), m_user);
        }
    } // the loaders stop after their current track and are joined

    publish();
    m_listsOwner = std::thread::id();
    lists.unlock();
    {
        std::lock_guard state(m_state);
        m_running = false;
    }
    m_stateChanged.notify_all();
    int end = 0;
    if (m_callback)
        m_callback(&end, n + 1, "", m_user);
    m_workerId = std::thread::id();
}

void DedupeEngine::publish()
{
    for (const auto& members : m_grouper.groups())
    {
        std::vector<DedupeTrackInfo> group;
        group.reserve(members.size());
        for (const DedupeTrack* t : members)
        {
            DedupeTrackInfo info{};
            info.title = t->title.c_str();
            info.artist = t->artist.c_str();
            info.album = t->album.c_str();
            info.genre = t->genre.c_str();
            info.fileSize = t->fileSize;
            info.duration = t->duration;
            info.path = t->path.c_str();
            info.opaque = t->opaque;
            info.similarity = t->score;
            info.bitRate = t->bitRate;
            info.userValue = t->userValue;
            group.push_back(info);
        }
        m_groups.push_back(std::move(group));
    }
}

} // namespace sonalike
