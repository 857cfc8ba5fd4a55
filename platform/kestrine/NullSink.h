#pragma once

#include "PcmSink.h"

#include <chrono>

namespace kestrine
{

// Plays nothing but consumes PCM at the real rate of 44.1 kHz stereo, so a machine without audio
// output (CI, a server) runs the same player code with the same timing.
class NullSink : public PcmSink
{
public:
    NullSink();
    int64_t write(const char* data, int64_t bytes) override;
    void setPaused(bool paused) override;
    int64_t playedMicroseconds() override;
    bool failed() override { return false; }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr int64_t kBytesPerSecond = 44100 * 4;
    static constexpr int64_t kCapacity = kBytesPerSecond / 4; // a quarter second of buffer

    int64_t consumedBytes();

    int64_t m_written = 0;
    Clock::duration m_playedBefore{}; // playing time before the current run
    Clock::time_point m_runStart;
    bool m_paused = false;
};

} // namespace kestrine
