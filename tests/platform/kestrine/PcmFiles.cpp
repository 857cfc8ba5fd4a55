#include "PcmFiles.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <cmath>

namespace tidewell::test
{
namespace
{

void put16(QByteArray& out, uint16_t v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, uint32_t v)
{
    put16(out, static_cast<uint16_t>(v & 0xffff));
    put16(out, static_cast<uint16_t>(v >> 16));
}

} // namespace

std::vector<int16_t> makePcm(int64_t frames, int channels, uint32_t seed)
{
    std::vector<int16_t> samples(static_cast<size_t>(frames * channels));
    uint32_t state = seed ? seed : 1;
    for (int64_t i = 0; i < frames; ++i)
    {
        for (int c = 0; c < channels; ++c)
        {
            // A tone per channel plus a little noise: loud enough to matter, never clipping.
            state = state * 1664525u + 1013904223u;
            const double tone = std::sin(2.0 * M_PI * (330.0 + 110.0 * c) * static_cast<double>(i) / 44100.0);
            const int noise = static_cast<int>(state >> 22) - 512;
            samples[static_cast<size_t>(i * channels + c)] = static_cast<int16_t>(tone * 12000.0 + noise);
        }
    }
    return samples;
}

bool writeWav(const QString& path, const std::vector<int16_t>& samples, int channels, int sampleRate)
{
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<uint16_t>(channels));
    put32(out, static_cast<uint32_t>(sampleRate));
    put32(out, static_cast<uint32_t>(sampleRate * channels * 2));
    put16(out, static_cast<uint16_t>(channels * 2));
    put16(out, 16);
    out.append("data");
    put32(out, dataBytes);
    for (int16_t s : samples)
        put16(out, static_cast<uint16_t>(s));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

bool runFfmpeg(const QStringList& args)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-y"} + args);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

} // namespace tidewell::test
