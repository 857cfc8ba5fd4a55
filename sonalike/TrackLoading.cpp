#include "TrackLoading.h"

#include "BoundedReadStream.h"
#include "DedupeText.h"
#include "SongTag.h"

#include <chromaprint.h>
#include <kestrine.h>
#include <taglib/fileref.h>
#include <taglib/tfile.h>
#include <taglib/tstring.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>

namespace sonalike
{
namespace
{

constexpr int kMaxSeconds = 600;
constexpr int64_t kBytesPerSecond = 44100 * 2 * 2;

// Chromaprint sets up its transform when a context is made and started; those steps are kept
// to one thread at a time. Feeding and finishing run in parallel.
std::mutex g_chromaprintSetup;

struct ContextFree
{
    void operator()(ChromaprintContext* ctx) const
    {
        std::lock_guard lock(g_chromaprintSetup);
        chromaprint_free(ctx);
    }
};
using ContextPtr = std::unique_ptr<ChromaprintContext, ContextFree>;

struct FingerprintFree
{
    void operator()(uint32_t* values) const { chromaprint_dealloc(values); }
};

std::string tagText(const TagLib::String& s)
{
    return s.to8Bit(true);
}

} // namespace

void InitMediaLibrary()
{
    static std::once_flag once;
    std::call_once(once,
                   []
                   {
                       const int handle = KestrineOpen("Zavro/Tidewell", -1);
                       if (handle != 0)
                           KestrineConfigure(handle, 4);
                   });
}

int ReadTags(const std::string& path, DedupeTagInfo& info, const std::function<bool()>& stop)
{
    try
    {
        // Only a regular file opens (TagLib's open would block on a FIFO).
        BoundedReadStream stream(path, stop);
        if (!stream.isOpen())
            return -1;
        const TagLib::FileRef ref(&stream, true, TagLib::AudioProperties::Average);
        if (ref.isNull() || !ref.tag() || (stream.cutShort() && stop && stop()))
            return -1;
        const SongTag texts(ref.file(), ref.tag());
        const TagLib::Tag* tag = &texts;
        info.title = tagText(tag->title());
        info.artist = tagText(tag->artist());
        info.album = tagText(tag->album());
        info.genre = tagText(tag->genre());
        if (StripSpaces(info.title).empty())
            info.title = BaseNameNoExt(path);
        std::printf("name[%s][%s]\n", info.title.c_str(), path.c_str());
        info.fileSize = static_cast<uint32_t>(ref.file()->length());
        if (const TagLib::AudioProperties* audio = ref.audioProperties())
        {
            info.duration = audio->lengthInSeconds() * 1000;
            info.bitRate = audio->bitrate();
        }
        return 0;
    }
    catch (const std::exception& e)
    {
        std::fputs(e.what(), stderr);
        return -2;
    }
}

int ComputeFingerprint(DedupeTrack& track, int seconds)
{
    if (track.key.count() > 0)
        return 0;
    ContextPtr ctx;
    {
        std::lock_guard lock(g_chromaprintSetup);
        ctx.reset(chromaprint_new(CHROMAPRINT_ALGORITHM_TEST2));
        if (!ctx || !chromaprint_start(ctx.get(), 44100, 2))
            return -7;
    }
    if (seconds > kMaxSeconds)
        seconds = kMaxSeconds;
    if (seconds < 1)
        seconds = std::min(track.duration / 1000, kMaxSeconds);
    // Sized in 64 bits and capped, so no duration can overflow it.
    const int64_t bytes = seconds > 0 ? seconds * kBytesPerSecond : 0;
    if (bytes <= 0)
        return -8;
    std::unique_ptr<int16_t[]> pcm(new (std::nothrow) int16_t[static_cast<size_t>(bytes / 2)]);
    if (!pcm)
        return -8;
    const int64_t got = KestrineDecodePcm(track.path.c_str(), seconds * 1000, pcm.get(), bytes);
    if (got <= 0)
        return -8;
    chromaprint_feed(ctx.get(), pcm.get(), static_cast<int>(std::min(got, bytes) / 2));
    pcm.reset();
    if (!chromaprint_finish(ctx.get()))
        return -8;
    uint32_t* raw = nullptr;
    int size = 0;
    if (!chromaprint_get_raw_fingerprint(ctx.get(), &raw, &size))
        return -10;
    const std::unique_ptr<uint32_t, FingerprintFree> owned(raw);
    if (!raw || size <= 0)
        return -11;
    try
    {
        std::vector<int32_t> values(static_cast<size_t>(size));
        for (int k = 0; k < size; ++k)
            values[static_cast<size_t>(k)] = static_cast<int32_t>(raw[k]);
        track.key.setFingerprint(std::move(values));
    }
    catch (const std::bad_alloc&)
    {
        return -9;
    }
    return 0;
}

void ScanAudioFiles(const std::string& folder, std::vector<std::string>& found)
{
    namespace fs = std::filesystem;
    std::string base = folder;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    std::error_code ec;
    fs::directory_iterator it(fs::path(base), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
    {
        std::error_code typeError;
        // A link to a regular file counts as one; the engine keys it by its target.
        if (!it->is_regular_file(typeError))
            continue;
        const std::string name = it->path().filename().string();
        if (!ExtensionInList(LowerExtension(name), kAudioExtensions))
            continue;
        std::string path = base == "/" ? "/" + name : base + "/" + name;
        std::printf("load[%s]\n", path.c_str());
        found.push_back(std::move(path));
    }
}

} // namespace sonalike
