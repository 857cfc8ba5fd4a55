#pragma once

// The grouping written out literally, one comparison after another, as the reference that the
// engine's fast grouping must match exactly (groups, order, scores). Shared by the tests and the
// benchmark; deliberately naive.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace literal
{

struct Track
{
    std::vector<int32_t> fingerprint;
    std::string text;
    int32_t duration = 0;
    int32_t bitRate = 0;
    float score = 0.0f;
    int id = 0;
};

int PopCount32(uint32_t x);
float FingerprintSimilarity(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset);
bool KeepBest(const Track& a, const Track& b);

class Grouping
{
public:
    Grouping(bool fingerprintMode, float threshold)
        : m_fingerprintMode(fingerprintMode), m_threshold(threshold)
    {
    }
    void insert(Track& t);
    std::vector<std::vector<Track*>> groups() const;

private:
    struct Key
    {
        std::vector<int32_t> fingerprint;
        std::string text;
    };
    struct Less
    {
        bool operator()(const Key& a, const Key& b) const;
    };
    bool m_fingerprintMode;
    float m_threshold;
    std::map<Key, std::vector<Track*>, Less> m_buckets;
};

} // namespace literal
