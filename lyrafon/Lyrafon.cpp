// The exported C interface. Every export but the artwork question takes the one export mutex, so
// calls from several threads run one after another; each request then waits on its own completion
// (ComThread), whose queue serialises the requests themselves. No exception leaves an export.

#include "Lyrafon.h"

#include "AgentDispatch.h"
#include "AgentRequest.h"
#include "AgentSession.h"
#include "ComThread.h"
#include "ITunesLibrary.h"
#include "LibraryXmlReader.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace
{

using namespace lyrafon;

std::mutex g_exportMutex;
std::unique_ptr<AgentSession> g_session; // guarded by g_exportMutex
// Counted before DestroyAgent_kvt waits for the export mutex, so a library read that holds the
// mutex sees the request and ends at its next element instead of making the caller wait for it.
std::atomic<unsigned> g_destroyRequests{0};

// Runs an export's body under the export mutex; anything thrown inside becomes `onFailure`. A
// change the body made answers once the library file holds it: that wait is outside the mutex,
// so the requests that come meanwhile make their changes and go out together in the next save.
// A failed save answers its code.
template <typename Body> int guarded(Body body, int onFailure = -1)
{
    try
    {
        int result = onFailure;
        PendingSave pending;
        {
            std::lock_guard lock(g_exportMutex);
            result = body();
            pending = TakePendingSave();
        }
        if (pending.library)
        {
            if (const int32_t saved = pending.library->awaitSaved(pending.ticket); saved != 0)
                return saved;
        }
        return result;
    }
    catch (...)
    {
        return onFailure;
    }
}

int postRequest(int32_t command, const char* idOrPath, char** inOut, int32_t number = 0)
{
    if (StartComThread() != 1)
        return -1;
    AgentRequest request;
    request.command = command;
    request.idOrPath = idOrPath;
    request.inOut = inOut;
    request.number = number;
    return PostAgentRequest(&request);
}

// The library path: the caller's, or the one iTunes gives. False when there is none.
bool resolveLibraryXmlPath(const char* path, std::string& out)
{
    if (path)
    {
        out = path;
        return true;
    }
    char* fromITunes = nullptr;
    AgentRequest request;
    request.command = kReadLibraryXmlPath;
    request.inOut = &fromITunes;
    const int32_t result = PostAgentRequest(&request);
    const bool ok = result == 0 && fromITunes && *fromITunes;
    if (ok)
        out = fromITunes;
    std::free(fromITunes);
    return ok;
}

std::optional<std::string> fetchFromITunes(const std::string& persistentId, const char* plistKey)
{
    char* text = nullptr;
    std::optional<std::string> out;
    if (FetchAttributeFromITunes(persistentId.c_str(), plistKey, &text) == 1 && text)
        out = std::string(text);
    std::free(text);
    return out;
}

int destroyLocked(int stopThread)
{
    g_session.reset();
    return stopThread == 1 ? StopComThread() : 0;
}

} // namespace

// Each export has C linkage through LYRAFON_API (Lyrafon.h).

LYRAFON_API int CreateAgent_kvt(const char* libraryXmlPath)
{
    // Counted from the call on, before the export mutex: a destroy request that arrives while
    // this waits for the mutex or starts iTunes ends the read as well.
    const unsigned destroysBefore = g_destroyRequests.load();
    return guarded(
        [&]
        {
            destroyLocked(0);
            g_session = std::make_unique<AgentSession>();
            if (StartComThread() != 1)
                return -1;
            if (!resolveLibraryXmlPath(libraryXmlPath, g_session->libraryXmlPath))
                return -2;
            g_session->hasLists = true;
            LibraryXmlReader reader(*g_session, fetchFromITunes,
                                    [destroysBefore] { return g_destroyRequests.load() != destroysBefore; });
            return reader.parseFile(g_session->libraryXmlPath);
        });
}

LYRAFON_API int DestroyAgent_kvt(int stopThread)
{
    ++g_destroyRequests;
    // A request may be waiting for iTunes to read its library first: that read ends too.
    tidewell::ithost::ITunesLibrary::stopLoads();
    return guarded([&] { return destroyLocked(stopThread); });
}

LYRAFON_API int GetTrackCount_kvt(void)
{
    return guarded([] { return g_session ? g_session->trackCount() : -1; });
}

LYRAFON_API int FindAttributeValue_kvt(char** outValue, const char* key, int trackIndex)
{
    return guarded(
        [&]
        {
            if (!outValue || !key || !g_session)
                return -1;
            const char* value = nullptr;
            if (g_session->find(key, trackIndex, &value) != 0)
                return -1;
            *outValue = const_cast<char*>(value); // read-only for the caller, as the header says
            return 0;
        });
}

LYRAFON_API int HasArtwork_kvt(const char* persistentId)
{
    // Touches no session state, so it does not take the export mutex: the question waits only on
    // the iTunes thread's queue, and an import may ask ahead from several threads while its reads
    // of the parsed library go on.
    try
    {
        if (!persistentId)
            return 0;
        return postRequest(kTestArtwork, persistentId, nullptr) == 0 ? 1 : 0;
    }
    catch (...)
    {
        return 0;
    }
}

LYRAFON_API int DeleteTrackFromITunes_kvt(const char* persistentId)
{
    return guarded([&] { return persistentId ? postRequest(kDeleteTrack, persistentId, nullptr) : -1; });
}

LYRAFON_API int AddTrackToITunes_kvt(const char* path, char* const outId)
{
    return guarded(
        [&]
        {
            if (!path || !outId)
                return -1;
            char* buffer = outId;
            return postRequest(kAddFile, path, &buffer);
        });
}

LYRAFON_API int SetAttributeValue_kvt(const char* persistentId, const char* key, char* value)
{
    return guarded(
        [&]
        {
            if (!persistentId || !key || !value)
                return -1;
            if (std::strcmp(key, "Name") == 0)
                return postRequest(kWriteName, persistentId, &value);
            if (std::strcmp(key, "Album") == 0)
                return postRequest(kWriteAlbum, persistentId, &value);
            if (std::strcmp(key, "Artist") == 0)
                return postRequest(kWriteArtist, persistentId, &value);
            if (std::strcmp(key, "Genre") == 0)
                return postRequest(kWriteGenre, persistentId, &value);
            if (std::strcmp(key, "Year") == 0)
                return postRequest(kWriteYear, persistentId, nullptr, static_cast<int32_t>(std::atol(value)));
            return -1;
        });
}

LYRAFON_API int GetArtworkToFile_kvt(const char* persistentId, char* path)
{
    return guarded([&]
                   { return persistentId && path ? postRequest(kSaveArtwork, persistentId, &path) : -1; });
}

LYRAFON_API int SetArtworkFromFile_kvt(const char* persistentId, char* path)
{
    return guarded([&] { return persistentId && path ? postRequest(kAddArtwork, persistentId, &path) : -1; });
}
