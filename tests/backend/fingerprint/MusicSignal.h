#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace tidewell::test
{

// A tune of random notes with overtones (stereo, 44.1 kHz): different seeds give different music
// that a fingerprint tells apart, the same seed the same music.
std::vector<int16_t> makeTune(double seconds, uint32_t seed);

// The tune written as WAV and encoded with the ffmpeg command into `path` (codec arguments such as
// {"-c:a", "libmp3lame", "-b:a", "128k"}). True on success.
bool makeTuneFile(const QString& path, double seconds, uint32_t seed, const QStringList& codec);

} // namespace tidewell::test
