#include "QtAudioOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>

namespace kestrine
{

QtAudioOutput::QtAudioOutput(const QAudioDevice& device)
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(44100 * 4 / 2); // half a second
}

QtAudioOutput::~QtAudioOutput()
{
    if (m_sink)
        m_sink->stop();
}

bool QtAudioOutput::start()
{
    if (!m_sink)
        return false;
    m_io = m_sink->start();
    return m_io && m_sink->error() == QAudio::NoError;
}

int64_t QtAudioOutput::write(const char* data, int64_t bytes)
{
    if (!m_io)
        return 0;
    const int64_t room = static_cast<int64_t>(m_sink->bytesFree()) / 4 * 4;
    const int64_t take = std::min(room, bytes);
    if (take <= 0)
        return 0;
    const qint64 written = m_io->write(data, take);
    return written > 0 ? written : 0;
}

void QtAudioOutput::setPaused(bool paused)
{
    if (!m_sink)
        return;
    if (paused)
        m_sink->suspend();
    else
        m_sink->resume();
}

int64_t QtAudioOutput::playedMicroseconds()
{
    return m_sink ? m_sink->processedUSecs() : 0;
}

bool QtAudioOutput::failed()
{
    if (!m_sink)
        return true;
    const QAudio::Error error = m_sink->error();
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

void QtAudioOutput::poll()
{
    QCoreApplication::processEvents();
}

} // namespace kestrine
