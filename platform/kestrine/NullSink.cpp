#include "NullSink.h"

#include <algorithm>

namespace kestrine
{

NullSink::NullSink() : m_runStart(Clock::now()) {}

int64_t NullSink::consumedBytes()
{
    const auto played = m_paused ? m_playedBefore : m_playedBefore + (Clock::now() - m_runStart);
    const int64_t us = std::chrono::duration_cast<std::chrono::microseconds>(played).count();
    const int64_t bytes = (us * kBytesPerSecond / 1'000'000) / 4 * 4;
    return std::min(bytes, m_written);
}

int64_t NullSink::write(const char* /*data*/, int64_t bytes)
{
    const int64_t consumed = consumedBytes();
    // Running dry is an underrun: the clock restarts from what was actually consumed.
    if (!m_paused && consumed == m_written)
    {
        m_playedBefore = std::chrono::microseconds(m_written * 1'000'000 / kBytesPerSecond);
        m_runStart = Clock::now();
    }
    const int64_t room = kCapacity - (m_written - consumed);
    const int64_t take = std::max<int64_t>(0, std::min(room, bytes)) / 4 * 4;
    m_written += take;
    return take;
}

void NullSink::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    if (paused)
    {
        const Clock::duration writtenTime =
            std::chrono::microseconds(m_written * 1'000'000 / kBytesPerSecond);
        m_playedBefore = std::min<Clock::duration>(m_playedBefore + (Clock::now() - m_runStart), writtenTime);
        m_paused = true;
    }
    else
    {
        m_paused = false;
        m_runStart = Clock::now();
    }
}

int64_t NullSink::playedMicroseconds()
{
    return consumedBytes() * 1'000'000 / kBytesPerSecond;
}

} // namespace kestrine
