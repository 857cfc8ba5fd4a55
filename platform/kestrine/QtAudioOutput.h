#pragma once

#include "PcmSink.h"

#include <QAudioDevice>

#include <memory>

class QAudioSink;
class QIODevice;

namespace kestrine
{

// Plays PCM on an audio output device through QAudioSink in push mode. Created, used and destroyed
// on the player's thread, which processes Qt events between writes (see PcmSink::poll).
class QtAudioOutput : public PcmSink
{
public:
    explicit QtAudioOutput(const QAudioDevice& device);
    ~QtAudioOutput() override;

    // False when the device refused the stream; the player then falls back to a NullSink.
    bool start();

    int64_t write(const char* data, int64_t bytes) override;
    void setPaused(bool paused) override;
    int64_t playedMicroseconds() override;
    bool failed() override;
    void poll() override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_io = nullptr; // owned by m_sink
};

} // namespace kestrine
