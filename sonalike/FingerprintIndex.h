#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sonalike
{

// Inverted index from a fingerprint value to the buckets whose key holds it (each bucket once per
// value). Lets the grouping count, for a newcomer, how many of its positions find their value in a
// bucket's key, without looking at buckets that share nothing with it.
//
// The values are spread over kShards tables by their hash, so that the values of many buckets can
// be added on several threads at once, one shard per thread (addToShard). Reading (countHits) from
// any number of threads is safe while nothing is added.
class FingerprintIndex
{
public:
    static constexpr unsigned kShardBits = 6;
    static constexpr unsigned kShards = 1u << kShardBits;

    void clear();
    // Adds the values of bucket `bucket` (any order, repeats allowed).
    void add(uint32_t bucket, const int32_t* values, int count);
    // The shard a value lives in.
    static unsigned shardOf(uint32_t value)
    {
        return static_cast<unsigned>(hashOf(value) >> (64 - kShardBits));
    }
    // A value of a bucket, for addToShard.
    struct Entry
    {
        uint32_t bucket;
        uint32_t value;
    };
    // Adds values of one shard to their buckets, each (bucket, value) pair at most once. Calls for
    // different shards may run at the same time; calls for one shard not.
    void addToShard(unsigned shard, const std::vector<Entry>& entries);
    // For every position of `values`, adds 1 to hits[b] for each bucket b holding that value.
    // Buckets whose count goes from 0 to 1 are appended to `touched`.
    void countHits(const int32_t* values, int count, std::vector<uint32_t>& hits,
                   std::vector<uint32_t>& touched) const;

private:
    static constexpr uint32_t kNone = 0xffffffffu;
    static constexpr size_t kPrefetchAhead = 16;
    struct Posting
    {
        uint32_t bucket;
        uint32_t next;
    };
    // A value's newest bucket lies in its slot, the older ones in a chain of postings: most
    // values belong to one bucket, and a look-up then reads one cache line.
    struct Slot
    {
        uint32_t key;
        uint32_t bucket; // kNone: empty slot
        uint32_t older;  // posting of the next older bucket, kNone at the end
    };
    // Each on its own cache lines: threads filling neighbouring shards do not share one.
    struct alignas(64) Shard
    {
        std::vector<Slot> slots;
        std::vector<Posting> postings;
        size_t used = 0;
        int shift = 64;
        size_t slotOf(uint32_t value) const;
        void grow(size_t capacity);
        void reserve(size_t values);
        void add(uint32_t bucket, uint32_t value);
        // Asks for the cache line of the value's first slot: the tables are far larger than the
        // caches, and each look-up would otherwise wait for memory before the next begins.
        void prefetch(uint32_t value) const;
    };
    // Fibonacci hashing: the top bits pick the shard, the next ones the slot.
    static uint64_t hashOf(uint32_t value)
    {
        return (static_cast<uint64_t>(value) + 1) * 0x9E3779B97F4A7C15ull;
    }

    std::array<Shard, kShards> m_shards;
    std::vector<uint32_t> m_scratch;
};

} // namespace sonalike
