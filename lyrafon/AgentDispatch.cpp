#include "AgentDispatch.h"

#include "ITunesHost.h"
#include "PersistentId.h"
#include "TextConvert.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace lyrafon
{

namespace ith = tidewell::ithost;

namespace
{

// The removed entry a kAddFile caller asks back, from its buffer.
uint64_t RemovedIdAsked(const char* buffer)
{
    // An empty text, then exactly 16 hexadecimal digits: within the 17 bytes the caller owes, and
    // an answer that adds nothing still leaves the buffer an empty text. Anything else (a zeroed
    // buffer) asks for no entry in particular.
    if (buffer[0] != '\0')
        return 0;
    char id[17] = {};
    for (int i = 0; i < 16; ++i)
    {
        if (!std::isxdigit(static_cast<unsigned char>(buffer[i + 1])))
            return 0;
        id[i] = buffer[i + 1];
    }
    return ParsePersistentId(id);
}

// Reads the decimal text of a bit rate into a fresh zero-filled buffer (malloc).
char* allocDecimal(int32_t value)
{
    const std::string text = std::to_string(value);
    auto* out = static_cast<char*>(std::calloc(text.size() + 1, 1));
    if (out)
        std::memcpy(out, text.data(), text.size());
    return out;
}

int32_t runOnTrack(AgentRequest& request, ith::ITunesApp& app, ith::ITTrack& track)
{
    (void)app;
    // The caller's text for writes and artwork commands.
    std::u16string input;
    if (request.inOut && *request.inOut)
    {
        char16_t* wide = nullptr;
        if (Utf8ToUtf16Alloc(*request.inOut, &wide) > 0)
        {
            input.assign(wide);
            std::free(wide);
        }
    }

    std::u16string read;
    bool readsText = false;
    int32_t hr = -1;
    switch (request.command)
    {
    case kReadName:
        hr = track.Name(read);
        readsText = true;
        break;
    case kWriteName:
        hr = track.SetName(input);
        break;
    case kReadAlbum:
        hr = track.Album(read);
        readsText = true;
        break;
    case kWriteAlbum:
        hr = track.SetAlbum(input);
        break;
    case kReadArtist:
        hr = track.Artist(read);
        readsText = true;
        break;
    case kWriteArtist:
        hr = track.SetArtist(input);
        break;
    case kReadLocation:
    {
        std::shared_ptr<ith::ITFileOrCDTrack> fileTrack;
        hr = track.QueryFileTrack(fileTrack);
        if (hr != ith::kOk || !fileTrack)
            return hr != ith::kOk ? hr : ith::kNoInterface;
        hr = fileTrack->Location(read);
        readsText = true;
        break;
    }
    case kTestArtwork:
    case kSaveArtwork:
    case kAddArtwork:
    {
        std::shared_ptr<ith::ITArtworkCollection> artwork;
        hr = track.Artwork(artwork);
        if (hr != ith::kOk)
            return hr;
        int32_t count = 0;
        if (!artwork || (hr = artwork->Count(count)) != ith::kOk)
            return artwork ? hr : ith::kFail;
        if (request.command == kTestArtwork)
            return count > 0 ? 0 : 1;
        if (request.command == kSaveArtwork)
        {
            if (count < 1)
                return 1;
            std::shared_ptr<ith::ITArtwork> first;
            if ((hr = artwork->Item(1, first)) != ith::kOk)
                return hr;
            return first->SaveArtworkToFile(input);
        }
        return count < 1 ? track.AddArtworkFromFile(input) : 0;
    }
    case kDeleteTrack:
        return track.Delete();
    case kReadBitRate:
    {
        int32_t rate = 0;
        hr = track.BitRate(rate);
        if (hr == ith::kOk && request.inOut)
            *request.inOut = allocDecimal(rate);
        return hr;
    }
    case kReadYear:
    {
        int32_t year = 0;
        hr = track.Year(year);
        if (hr == ith::kOk)
            request.number = year;
        return hr;
    }
    case kWriteYear:
        return track.SetYear(request.number);
    case kReadGenre:
        hr = track.Genre(read);
        readsText = true;
        break;
    case kWriteGenre:
        hr = track.SetGenre(input);
        break;
    default:
        return -1;
    }
    if (readsText && hr == ith::kOk && request.inOut && !*request.inOut)
        Utf16ToUtf8Alloc(read.c_str(), request.inOut);
    return hr;
}

int32_t run(AgentRequest& request, ith::ITunesApp* app)
{
    if (!app)
        return -1;
    if (request.command == kReadLibraryXmlPath)
    {
        std::u16string path;
        const int32_t hr = app->LibraryXMLPath(path);
        if (hr == ith::kOk && request.inOut)
        {
            *request.inOut = nullptr; // replaced, never freed: the caller owns what it passed
            Utf16ToUtf8Alloc(path.c_str(), request.inOut);
        }
        return hr;
    }

    std::shared_ptr<ith::ITLibraryPlaylist> playlist;
    if (const int32_t hr = app->LibraryPlaylist(playlist); hr != ith::kOk || !playlist)
        return hr != ith::kOk ? hr : ith::kFail;

    if (request.command == kAddFile)
    {
        if (!request.idOrPath || !request.inOut || !*request.inOut)
            return -1;
        std::shared_ptr<ith::ITOperationStatus> status;
        const int32_t hr =
            playlist->AddFile(ith::toUtf16(request.idOrPath), status, RemovedIdAsked(*request.inOut));
        if (hr != ith::kOk || !status)
            return hr; // success without a status: iTunes added nothing
        return ReadAddedTrackId(*app, *status, *request.inOut);
    }

    std::shared_ptr<ith::ITTrackCollection> tracks;
    if (const int32_t hr = playlist->Tracks(tracks); hr != ith::kOk || !tracks)
        return hr != ith::kOk ? hr : ith::kFail;
    const uint64_t id = ParsePersistentId(request.idOrPath);
    std::shared_ptr<ith::ITTrack> track;
    const int32_t hr = tracks->ItemByPersistentID(static_cast<int32_t>(static_cast<uint32_t>(id >> 32)),
                                                  static_cast<int32_t>(static_cast<uint32_t>(id)), track);
    if (hr != ith::kOk)
        return hr;
    if (!track)
        return -1; // no such track: nothing is touched
    return runOnTrack(request, *app, *track);
}

} // namespace

int32_t ReadAddedTrackId(ith::ITunesApp& app, ith::ITOperationStatus& status, char* buffer, int pollLimit,
                         std::chrono::milliseconds pollInterval)
{
    bool inProgress = false;
    int32_t hr = status.InProgress(inProgress);
    for (int polls = 0; hr == ith::kOk && inProgress; ++polls)
    {
        if (polls >= pollLimit)
            return kAddTimedOut;
        std::this_thread::sleep_for(pollInterval);
        hr = status.InProgress(inProgress);
    }
    if (hr != ith::kOk)
        return hr;
    std::shared_ptr<ith::ITTrackCollection> added;
    if ((hr = status.Tracks(added)) != ith::kOk || !added)
        return hr != ith::kOk ? hr : ith::kFail;
    int32_t count = 0;
    if ((hr = added->Count(count)) != ith::kOk)
        return hr;
    if (count < 1)
        return 0; // nothing was added: the buffer stays as it was
    std::shared_ptr<ith::ITTrack> track;
    if ((hr = added->Item(1, track)) != ith::kOk || !track)
        return hr != ith::kOk ? hr : ith::kFail;
    int32_t high = 0;
    int32_t low = 0;
    if ((hr = app.GetITObjectPersistentIDs(track.get(), high, low)) != ith::kOk)
        return hr;
    FormatPersistentId(high, low, buffer);
    return 0;
}

namespace
{
std::mutex g_pendingMutex;
PendingSave g_pending; // under g_pendingMutex
} // namespace

int32_t DispatchAgentRequest(AgentRequest* request, ith::ITunesApp* app)
{
    if (!request)
        return -1;
    // A change goes into the library's memory now and into its file with the next save, so the
    // iTunes thread takes the next request while a save is written.
    ith::ITunesLibrary::DeferredSaves deferred;
    try
    {
        request->result = run(*request, app);
    }
    catch (...)
    {
        request->result = ith::kFail; // nothing thrown inside iTunes may end the iTunes thread
    }
    if (deferred.ticket() != 0 && app)
    {
        std::lock_guard lock(g_pendingMutex);
        g_pending = {app->library(), deferred.ticket()};
    }
    return request->result;
}

PendingSave TakePendingSave()
{
    std::lock_guard lock(g_pendingMutex);
    return std::exchange(g_pending, PendingSave{});
}

} // namespace lyrafon
