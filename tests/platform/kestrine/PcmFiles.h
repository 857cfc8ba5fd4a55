#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace tidewell::test
{

// Interleaved 16-bit samples of a known signal, so a decode can be compared sample for sample.
std::vector<int16_t> makePcm(int64_t frames, int channels, uint32_t seed);

// Writes a canonical PCM WAV file (16-bit, little-endian) holding exactly these samples.
bool writeWav(const QString& path, const std::vector<int16_t>& samples, int channels, int sampleRate);

// Runs the ffmpeg command with the given arguments; true on success.
bool runFfmpeg(const QStringList& args);

} // namespace tidewell::test
