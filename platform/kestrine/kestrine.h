#pragma once

// The media library: opens instances, decodes audio files to PCM and plays previews.
// A plain C interface; instances are small positive int handles, never pointers.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Opens an instance for the given identity text ("Zavro/Tidewell"); mode is -1. Returns a handle
// greater than 0, or 0 on failure.
int KestrineOpen(const char* identity, int mode);
// Configures a freshly opened instance once (value 4). Unknown handles are ignored.
void KestrineConfigure(int handle, int value);
// Ends an instance's use, then releases it. Unknown handles are ignored.
void KestrineClose(int handle);
void KestrineRelease(int handle);

// Decodes the start of an audio file (UTF-8 path; best audio stream) into interleaved signed
// 16-bit stereo PCM at 44 100 Hz; mono is copied to both channels. Writes at most `milliseconds`
// of audio and never more than `bufferSize` bytes, whole frames only. Returns the number of
// bytes written, or 0 or less on failure. Re-entrant: any thread may decode at any time.
int64_t KestrineDecodePcm(const char* path, int milliseconds, void* buffer, int64_t bufferSize);

#ifdef __cplusplus
}
#endif
