// The C entry points of the media library's instances and decoder: FFmpeg only, no Qt, so the
// duplicate engine and the fingerprint extractor link just this half. Nothing here throws across
// the boundary.
#include "kestrine.h"

#include "AudioDecoder.h"
#include "InstanceRegistry.h"

#include <exception>

using kestrine::AudioDecoder;
using kestrine::InstanceRegistry;

int KestrineOpen(const char* identity, int /*mode*/)
{
    try
    {
        return InstanceRegistry::global().open(identity);
    }
    catch (const std::exception&)
    {
        return 0;
    }
}

void KestrineConfigure(int handle, int value)
{
    InstanceRegistry::global().configure(handle, value);
}

void KestrineClose(int handle)
{
    InstanceRegistry::global().close(handle);
    InstanceRegistry::global().runEndHook(handle);
}

void KestrineRelease(int handle)
{
    InstanceRegistry::global().runEndHook(handle);
    InstanceRegistry::global().release(handle);
}

int64_t KestrineDecodePcm(const char* path, int milliseconds, void* buffer, int64_t bufferSize)
{
    if (!path || !*path || !buffer || milliseconds <= 0 || bufferSize < AudioDecoder::kBytesPerFrame)
        return -1;
    try
    {
        // 64-bit throughout: a long decode must not wrap.
        const int64_t framesForLength = static_cast<int64_t>(milliseconds) * AudioDecoder::kSampleRate / 1000;
        const int64_t framesForBuffer = bufferSize / AudioDecoder::kBytesPerFrame;
        const int64_t frames = framesForLength < framesForBuffer ? framesForLength : framesForBuffer;
        if (frames <= 0)
            return -1;

        AudioDecoder decoder;
        if (!decoder.open(path))
            return -2;
        const int64_t got = decoder.read(static_cast<int16_t*>(buffer), frames);
        if (got <= 0)
            return decoder.failed() ? -3 : 0;
        return got * AudioDecoder::kBytesPerFrame;
    }
    catch (const std::exception&)
    {
        return -4;
    }
}
