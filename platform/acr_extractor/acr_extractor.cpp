#include "acr_extractor.h"

#include "RegularFile.h"
#include "kestrine.h"

#include <chromaprint.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace
{

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = kChannels * 2;
// Longest stretch a caller may ask for; keeps the decode buffer of one call bounded.
constexpr int kMaxSeconds = 600;

struct ContextDeleter
{
    void operator()(ChromaprintContext* context) const { chromaprint_free(context); }
};
using ContextPtr = std::unique_ptr<ChromaprintContext, ContextDeleter>;

struct DeallocDeleter
{
    void operator()(void* data) const { chromaprint_dealloc(data); }
};

bool validRange(int startSeconds, int lengthSeconds)
{
    return startSeconds >= 0 && lengthSeconds > 0 && startSeconds <= kMaxSeconds &&
           lengthSeconds <= kMaxSeconds;
}

// Fingerprints whole frames of PCM and hands the encoded text out in a malloc'd buffer.
int fingerprintFrames(const int16_t* samples, int64_t frames, char** buffer)
{
    if (frames <= 0)
        return ACR_NOT_DECODABLE;

    ContextPtr context(chromaprint_new(CHROMAPRINT_ALGORITHM_DEFAULT));
    if (!context || !chromaprint_start(context.get(), kSampleRate, kChannels))
        return ACR_NO_FINGERPRINT;
    if (!chromaprint_feed(context.get(), samples, static_cast<int>(frames * kChannels)) ||
        !chromaprint_finish(context.get()))
        return ACR_NO_FINGERPRINT;

    uint32_t* rawData = nullptr;
    int rawSize = 0;
    if (!chromaprint_get_raw_fingerprint(context.get(), &rawData, &rawSize))
        return ACR_NO_FINGERPRINT;
    const std::unique_ptr<uint32_t, DeallocDeleter> raw(rawData);
    if (rawSize <= 0)
        return ACR_NO_FINGERPRINT;

    char* encodedData = nullptr;
    int encodedSize = 0;
    if (!chromaprint_encode_fingerprint(raw.get(), rawSize, CHROMAPRINT_ALGORITHM_DEFAULT, &encodedData,
                                        &encodedSize, 1))
        return ACR_NO_FINGERPRINT;
    const std::unique_ptr<char, DeallocDeleter> encoded(encodedData);
    if (encodedSize <= 0)
        return ACR_NO_FINGERPRINT;

    auto* out = static_cast<char*>(std::malloc(static_cast<size_t>(encodedSize)));
    if (!out)
        return ACR_NO_FINGERPRINT;
    std::memcpy(out, encoded.get(), static_cast<size_t>(encodedSize));
    *buffer = out;
    return encodedSize;
}

} // namespace

extern "C" int acr_init(void)
{
    return 0;
}

extern "C" int create_fingerprint_by_file(const char* path, int startSeconds, int lengthSeconds,
                                          char databaseFlag, char** buffer)
{
    (void)databaseFlag;
    if (!buffer)
        return ACR_NO_FINGERPRINT;
    *buffer = nullptr;
    if (!isRegularFile(path) || !std::ifstream(path, std::ios::binary).is_open())
        return ACR_NOT_READABLE;
    if (!validRange(startSeconds, lengthSeconds))
        return ACR_NO_FINGERPRINT;

    const int64_t wantedFrames = int64_t(startSeconds + lengthSeconds) * kSampleRate;
    std::vector<int16_t> pcm(static_cast<size_t>(wantedFrames * kChannels));
    const int64_t bytes = KestrineDecodePcm(path, (startSeconds + lengthSeconds) * 1000, pcm.data(),
                                            static_cast<int64_t>(pcm.size() * sizeof(int16_t)));
    if (bytes <= 0)
        return ACR_NOT_DECODABLE;

    const int64_t decodedFrames = std::min<int64_t>(bytes / kFrameBytes, wantedFrames);
    const int64_t firstFrame = int64_t(startSeconds) * kSampleRate;
    if (decodedFrames <= firstFrame)
        return ACR_NOT_DECODABLE;
    return fingerprintFrames(pcm.data() + firstFrame * kChannels, decodedFrames - firstFrame, buffer);
}

extern "C" int create_fingerprint_by_pcm(const char* pcm, int pcmBytes, int startSeconds, int lengthSeconds,
                                         char databaseFlag, char** buffer)
{
    (void)databaseFlag;
    if (!buffer)
        return ACR_NO_FINGERPRINT;
    *buffer = nullptr;
    if (!pcm || pcmBytes < 0 || !validRange(startSeconds, lengthSeconds))
        return ACR_NO_FINGERPRINT;

    const int64_t frames = pcmBytes / kFrameBytes;
    const int64_t firstFrame = int64_t(startSeconds) * kSampleRate;
    const int64_t lastFrame = std::min<int64_t>(frames, firstFrame + int64_t(lengthSeconds) * kSampleRate);
    if (lastFrame <= firstFrame)
        return ACR_NOT_DECODABLE;

    // Copied out so the samples are aligned whatever the caller's buffer is.
    std::vector<int16_t> samples(static_cast<size_t>((lastFrame - firstFrame) * kChannels));
    std::memcpy(samples.data(), pcm + firstFrame * kFrameBytes, samples.size() * sizeof(int16_t));
    return fingerprintFrames(samples.data(), lastFrame - firstFrame, buffer);
}

extern "C" void acr_free(char* buffer)
{
    std::free(buffer);
}
