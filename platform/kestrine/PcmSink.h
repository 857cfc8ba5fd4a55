#pragma once

#include <cstdint>

namespace kestrine
{

// Where a preview player sends its 16-bit stereo 44.1 kHz PCM. Used only on the player's thread.
class PcmSink
{
public:
    virtual ~PcmSink() = default;
    // Accepts up to `bytes` bytes (whole frames) without blocking; returns how many it took.
    virtual int64_t write(const char* data, int64_t bytes) = 0;
    virtual void setPaused(bool paused) = 0;
    // Microseconds of audio actually played so far.
    virtual int64_t playedMicroseconds() = 0;
    // True when the output broke down and will not take or play more audio.
    virtual bool failed() = 0;
    // Lets the sink do its periodic work; called on every pass of the player's loop.
    virtual void poll() {}
};

} // namespace kestrine
