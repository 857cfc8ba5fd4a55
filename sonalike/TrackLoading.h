#pragma once

#include "DedupeTrack.h"

#include <functional>
#include <string>
#include <vector>

namespace sonalike
{

// Reads title, artist, album, genre, file size, duration (whole seconds x 1000) and bit rate with
// TagLib, read-only and reading a bounded amount of the file whatever its size. 0; -1 the file has
// no readable tag (or `stop` ended the read); -2 the tag library failed. Thread-safe per file;
// `stop` is asked on the calling thread as the read goes.
int ReadTags(const std::string& path, DedupeTagInfo& info, const std::function<bool()>& stop = {});

// Decodes the first `seconds` of the track (at most 600; below 1, its duration) through the media
// library and stores Chromaprint's raw fingerprint in the track's key. 0, or -7 (no context),
// -8 (decode or finish failed), -9 (no memory), -10 (no fingerprint), -11 (empty fingerprint).
// A track whose key already holds a fingerprint is left as it is. Thread-safe per track.
int ComputeFingerprint(DedupeTrack& track, int seconds);

// Regular files directly inside a folder (not recursive) whose extension is an audio extension,
// as folder + "/" + name, in listing order. A folder that cannot be read gives nothing.
void ScanAudioFiles(const std::string& folder, std::vector<std::string>& found);

// Opens and configures the process's media library instance once.
void InitMediaLibrary();

} // namespace sonalike
