#pragma once

#include "DedupeGroupKey.h"

#include <cstdint>
#include <string>

namespace sonalike
{

// The engine's record of one added file. Owned by the engine's loaded-track map; buckets and
// published groups point at it. A load (tags, key, fingerprint) writes only its own record.
struct DedupeTrack
{
    std::string title, artist, album, genre;
    uint32_t fileSize = 0; // bytes
    int32_t duration = 0;  // milliseconds
    std::string path;      // '/' separators
    DedupeGroupKey key;
    uint32_t opaque = 0;
    int32_t bitRate = 0;       // kbps
    float score = 0.0f;        // similarity within its group
    float initialScore = 0.0f; // the score it came with; every run starts from it
    int32_t userValue = 0;
};

// The result of one tag read.
struct DedupeTagInfo
{
    std::string title, artist, album, genre;
    uint32_t fileSize = 0;
    int32_t duration = 0;
    int32_t bitRate = 0;
};

// True when the newcomer b is the better copy to keep than the member a: clearly longer (30 s or
// more) wins; otherwise the higher bit rate, then the longer duration; a tie keeps a ahead.
bool KeepBest(const DedupeTrack& a, const DedupeTrack& b);

} // namespace sonalike
