#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sonalike
{

// Inverted index from a fingerprint value to the buckets whose key holds it (each bucket once per
// value). Lets the grouping count, for a newcomer, how many of its positions find their value in a
// bucket's key, without looking at buckets that share nothing with it.
class FingerprintIndex
{
public:
    void clear();
    // Adds the values of bucket `bucket` (any order, repeats allowed).
    void add(uint32_t bucket, const int32_t* values, int count);
    // For every position of `values`, adds 1 to hits[b] for each bucket b holding that value.
    // Buckets whose count goes from 0 to 1 are appended to `touched`.
    void countHits(const int32_t* values, int count, std::vector<uint32_t>& hits,
                   std::vector<uint32_t>& touched) const;

private:
    static constexpr uint32_t kNone = 0xffffffffu;
    struct Posting
    {
        uint32_t bucket;
        uint32_t next;
    };
    size_t slotOf(uint32_t value) const;
    void grow();

    std::vector<uint32_t> m_keys;
    std::vector<uint32_t> m_heads; // kNone: empty slot
    std::vector<Posting> m_postings;
    size_t m_used = 0;
    int m_shift = 64;
    std::vector<uint32_t> m_scratch;
};

} // namespace sonalike
