#include "MusicManageInterface.h"

#include "DatabaseCopy.h"

#include "MusicManage.h"
#include "MusicObj.h"
#include "RecycleBin.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>

namespace
{

// The one manager of the process. Created and destroyed under g_createMutex; every other call
// checks its handle against g_live so a stale handle gets the null result instead of a freed
// object.
std::mutex g_createMutex;
std::unique_ptr<CMusicManage> g_manager;
std::atomic<CMusicManage*> g_live{nullptr};

CMusicManage* resolve(MusicManageHandle handle)
{
    return handle && handle == g_live.load(std::memory_order_acquire) ? handle : nullptr;
}

// Runs f on the live manager; nullResult for a null or stale handle, or when f throws.
template <typename R, typename F> R forward(MusicManageHandle handle, R nullResult, F&& f)
{
    CMusicManage* manager = resolve(handle);
    if (!manager)
        return nullResult;
    try
    {
        return f(*manager);
    }
    catch (...)
    {
        return nullResult;
    }
}

// Copies text with its terminator into the caller's buffer when it fits.
int copyOut(const QString& text, char* buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0 || text.isEmpty())
        return -1;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() >= bufferSize)
        return -2;
    std::memcpy(buffer, utf8.constData(), static_cast<size_t>(utf8.size()) + 1);
    return 0;
}

} // namespace

// Every function below was declared with C linkage in the header.

MusicManageHandle MM_Create(const char* logFolder, const char* dataFolder, const char* recycleRoot)
{
    try
    {
        std::lock_guard lock(g_createMutex);
        if (!g_manager)
        {
            auto text = [](const char* s) { return QString::fromUtf8(s ? s : ""); };
            g_manager = std::make_unique<CMusicManage>(text(logFolder), text(dataFolder), text(recycleRoot));
            g_live.store(g_manager.get(), std::memory_order_release);
        }
        return g_manager.get();
    }
    catch (...)
    {
        return nullptr;
    }
}

int MM_Destroy(MusicManageHandle handle)
{
    std::unique_ptr<CMusicManage> doomed;
    {
        std::lock_guard lock(g_createMutex);
        if (!handle || handle != g_manager.get())
            return -1;
        g_live.store(nullptr, std::memory_order_release);
        doomed = std::move(g_manager);
    }
    try
    {
        // The destructor joins the manager's threads; done outside the lock so a late MM_Create
        // from another thread waits on nothing but the creation itself.
        doomed.reset();
    }
    catch (...)
    {
    }
    return 0;
}

int MM_SetConfig(MusicManageHandle handle, const MusicManageConfig* config)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetConfig(config); });
}

int MM_SetProxy(MusicManageHandle handle, const MusicManageProxy* proxy)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetProxy(proxy); });
}

int MM_LoadMusicLibrary(MusicManageHandle handle, const char* xmlPath, const char* dbPath, int runMode)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.LoadMusicLibrary(xmlPath, dbPath, runMode); });
}

int MM_CloseMusicLibrary(MusicManageHandle handle)
{
    return forward(handle, -1,
                   [](CMusicManage& m)
                   {
                       m.CloseMusicLibrary();
                       return 0;
                   });
}

int MM_AddMusicFiles(MusicManageHandle handle, int count, const char* const* paths)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.AddMusicFiles(count, paths); });
}

int MM_GetMusicCount(MusicManageHandle handle, int* largestCount, int* firstType)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.GetMusicCount(largestCount, firstType); });
}

int MM_GetMusicObj(MusicManageHandle handle, int index, CMusicObj** track, int* absence, int* state,
                   int64_t* repeatId)
{
    return forward(handle, -1,
                   [&](CMusicManage& m) { return m.GetMusicObj(index, track, absence, state, repeatId); });
}

int MM_GetMusicRecord(MusicManageHandle handle, CMusicObj* track, MusicInfo** info, int which)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.GetMusicRecord(track, info, which); });
}

int MM_GetArtworkPath(MusicManageHandle handle, CMusicObj* track, char* buffer, int bufferSize)
{
    if (!track)
        return -1;
    return forward(handle, -1,
                   [&](CMusicManage& m) { return copyOut(m.GetArtworkPath(track), buffer, bufferSize); });
}

int MM_SetRunState(MusicManageHandle handle, int kind, int state)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetRunState(kind, state); });
}

int MM_LoadMusicList(MusicManageHandle handle, const MusicCallback* callback)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.LoadMusicList(callback); });
}

int MM_AnalyzeMusicList(MusicManageHandle handle, const MusicCallback* callback, int options)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.AnalyzeMusicList(callback, options); });
}

int MM_StartDownload(MusicManageHandle handle, CMusicObj* track, const char* text, int valueA,
                     const MusicCallback* callback, int valueB)
{
    if (!track)
        return -21;
    return forward(handle, -21,
                   [&](CMusicManage& m) { return m.StartDownload(track, text, valueA, callback, valueB); });
}

int MM_GetInfoFixState(MusicManageHandle handle, CMusicObj* track)
{
    if (!track)
        return -21;
    return forward(handle, -21, [&](CMusicManage& m) { return m.GetInfoFixState(track); });
}

int MM_GetArtworkFixState(MusicManageHandle handle, CMusicObj* track)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.GetArtworkFixState(track); });
}

int MM_ModifyMusicInfo(MusicManageHandle handle, CMusicObj* track, int mask, const char* const* texts)
{
    if (!track || mask == 0)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.ModifyMusicInfo(track, mask, texts); });
}

int MM_GetArtworkCount(MusicManageHandle handle, CMusicObj* track)
{
    if (!track)
        return 0;
    return forward(handle, 0, [&](CMusicManage& m) { return m.GetArtworkCount(track); });
}

int MM_GetArtworkCandidate(MusicManageHandle handle, CMusicObj* track, int index, char* buffer,
                           int bufferSize)
{
    if (!track)
        return -1;
    return forward(handle, -1,
                   [&](CMusicManage& m)
                   { return copyOut(m.GetArtworkCandidate(track, index), buffer, bufferSize); });
}

int MM_SelectArtwork(MusicManageHandle handle, CMusicObj* track, int index)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.SelectArtwork(track, index); });
}

int MM_GetArtworkData(MusicManageHandle handle, CMusicObj* track, unsigned char** data, int* size)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.GetArtworkData(track, data, size); });
}

int MM_FreeArtworkData(MusicManageHandle handle, unsigned char** data)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.FreeArtworkData(data); });
}

int MM_ApplyiTunesMusicInfo(MusicManageHandle handle, void* track, int flags, int replaceMask)
{
    if (!track)
        return -1;
    return forward(handle, -1,
                   [&](CMusicManage& m)
                   {
                       // A removal or a restore moves a copy into or out of the recycle folder: a
                       // kill on the way is told at the next start (CRecycleBin::ClearLeftovers).
                       std::optional<CRecycleBin::MoveMark> moving;
                       if (flags & (MF_Duplicate | MF_Restore))
                           moving.emplace(m.GetRecyclePath());
                       return m.ApplyiTunesMusicInfo(track, flags, replaceMask);
                   });
}

int MM_RemoveToTrash(MusicManageHandle handle, void* const* tracks, int count,
                     const MusicRemovalCallback* callback)
{
    if (!callback || !callback->Proceed || !callback->Done || (count > 0 && !tracks))
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.RemoveToTrash(tracks, count, *callback); });
}

int MM_CountPendingFixes(MusicManageHandle handle, int replaceMask)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.CountPendingFixes(replaceMask); });
}

int MM_GetLibraryValue(MusicManageHandle handle, const char* key, int fallback)
{
    if (!key)
        return fallback;
    return forward(handle, fallback, [&](CMusicManage& m) { return m.LibraryValue(key, fallback); });
}

int MM_SetLibraryValue(MusicManageHandle handle, const char* key, int value)
{
    if (!key)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetLibraryValue(key, value); });
}

int MM_HeldBackFields(MusicManageHandle handle, CMusicObj* track, int replaceMask)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.HeldBackFields(*track, replaceMask); });
}

int MM_ApplyMusicFixes(MusicManageHandle handle, int index, int replaceMask)
{
    return forward(handle, -1,
                   [&](CMusicManage& m)
                   {
                       // The main list shrinks while the analysis moves clean tracks out: an index is checked
                       // against the list as it is now, never against the largest count seen.
                       if (index < 0 || index >= m.GetMusicCount(nullptr, nullptr))
                           return -1;
                       return m.ApplyMusicFixes(index, replaceMask);
                   });
}

int MM_SetExitState(MusicManageHandle handle, int flag)
{
    return forward(handle, -1,
                   [&](CMusicManage& m)
                   {
                       m.SetExitState(flag);
                       return 0;
                   });
}

int64_t MM_GetRepeatID(MusicManageHandle handle, CMusicObj* track)
{
    if (!track)
        return -1;
    return forward(handle, int64_t{-1}, [&](CMusicManage& m) { return m.GetRepeatID(track); });
}

int MM_GetMusicState(MusicManageHandle handle, CMusicObj* track)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.GetMusicState(track); });
}

int MM_SetMusicState(MusicManageHandle handle, CMusicObj* track, int state)
{
    if (!track)
        return -1;
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetMusicState(track, state); });
}

int MM_ChangeAllMusicState(MusicManageHandle handle, int bits, int set)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.ChangeAllMusicState(bits, set); });
}

int MM_SetTransaction(MusicManageHandle handle, int flag)
{
    return forward(handle, -1, [&](CMusicManage& m) { return m.SetTransaction(flag != 0 ? 1 : 0); });
}

int MM_BackupMusicLibrary(MusicManageHandle handle, const char* source, const char* target)
{
    if (!source || !target)
        return -1;
    return forward(handle, -1,
                   [&](CMusicManage& m)
                   {
                       // The save pass that follows an analysis is part of the result: copy after it.
                       m.WaitForSavePass();
                       return BackupDatabaseFile(QString::fromUtf8(source), QString::fromUtf8(target));
                   });
}
