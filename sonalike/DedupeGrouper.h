#pragma once

#include "DedupeGroupKey.h"
#include "DedupeTrack.h"
#include "FingerprintIndex.h"
#include "FingerprintSimilarity.h"

#include <cstddef>
#include <map>
#include <span>
#include <vector>

namespace tidewell
{
class WorkerPool;
}

namespace sonalike
{

using tidewell::WorkerPool;

// The buckets of one run: each loaded track goes at once into the bucket of like tracks (equal
// key text in tag mode; in fingerprint mode the first bucket in key order whose opening
// fingerprint scores strictly above the threshold), in group order with the copy to keep first.
//
// Results equal those of comparing the newcomer with every bucket one after another; the waste
// is removed: above 15/16 only buckets that share enough exactly equal values with the newcomer
// are compared (FingerprintIndex), below it buckets are compared on all cores with an exact early
// abandon per alignment, and the first match in key order is taken either way. Above 15/16 a
// batch of newcomers is spread over the pool, each newcomer on one thread (insertIndexedBatch).
//
// Not thread-safe; used by the run's worker under the engine's lists mutex.
class DedupeGrouper
{
public:
    // pool may be null (serial comparison); it must outlive the grouper.
    explicit DedupeGrouper(WorkerPool* pool = nullptr) : m_pool(pool) {}

    void setPool(WorkerPool* pool) { m_pool = pool; }
    // Work (buckets x newcomer values) from which a scan is spread over the pool.
    static constexpr size_t kDefaultParallelWork = 200000;
    void setParallelWork(size_t work) { m_parallelWork = work; }
    void reset(bool fingerprintMode, float threshold);
    void insert(DedupeTrack& track);
    // Inserts the tracks in their order, with exactly the outcome of inserting them one after
    // another (buckets, group order, scores), whatever the pool's size.
    void insert(std::span<DedupeTrack* const> tracks);
    // Whether a batch's comparisons go to the pool (fingerprints above 15/16 and a pool of two or
    // more): then inserting many tracks at once is faster than one by one.
    bool spreadsBatches() const;
    // Every bucket of two or more tracks, in key order, each in group order.
    std::vector<std::vector<DedupeTrack*>> groups() const;
    size_t bucketCount() const { return m_buckets.size(); }

private:
    struct Bucket
    {
        std::vector<DedupeTrack*> members;
    };
    using BucketMap = std::map<DedupeGroupKey, Bucket, DedupeKeyLess>;
    static constexpr size_t kNoMatch = static_cast<size_t>(-1);
    // Newcomers whose comparisons are spread over the pool together.
    static constexpr size_t kBatch = 4096;

    // A newcomer of a batch: what the threads found for it before it is placed.
    struct Pending
    {
        DedupeTrack* track = nullptr;
        DedupeGroupKey key;           // a copy of the track's key for its bucket
        uint32_t id = 0;              // its bucket id should it open one
        std::vector<uint32_t> values; // its distinct values, shard by shard
        std::vector<uint32_t> shardEnd;
        size_t bucketMatch = kNoMatch; // first matching bucket from before the batch
        int64_t bucketBest = 0;
        // Matching newcomers of this batch before it whose key comes before bucketMatch's, in key
        // order, with their best alignment sums.
        std::vector<std::pair<uint32_t, int64_t>> earlier;
        bool failed = false;
    };
    // One thread's working space.
    struct Scratch
    {
        std::vector<uint32_t> hits, touched, candidates;
        std::vector<uint32_t> sorted;
        std::vector<FingerprintIndex::Entry> entries;
    };

    void insertFingerprint(DedupeTrack& track);
    void insertIndexedBatch(std::span<DedupeTrack* const> tracks);
    void prepare(Pending& pending, Scratch& scratch) const;
    void findMatches(Pending& pending, uint32_t batchBegin, Scratch& scratch) const;
    void join(Bucket& bucket, DedupeTrack& track);
    // The new bucket, or m_buckets.end() when its key is taken.
    BucketMap::iterator openBucket(DedupeTrack& track);
    BucketMap::iterator openBucket(DedupeTrack& track, DedupeGroupKey&& key); // key: a copy of track.key
    // The key of bucket `id`; ids from batchBegin on are the current batch's newcomers.
    const DedupeGroupKey& keyOf(uint32_t id, uint32_t batchBegin) const;
    // Whether a bucket of key `key` matches the newcomer (score strictly above the threshold).
    bool matches(const DedupeGroupKey& key, const DedupeGroupKey& newcomer) const;
    static int64_t bestOf(const DedupeGroupKey& key, const DedupeGroupKey& newcomer);
    size_t firstIndexedMatch(const DedupeGroupKey& newcomer);
    size_t firstScannedMatch(const DedupeGroupKey& newcomer);

    WorkerPool* m_pool;
    size_t m_parallelWork = kDefaultParallelWork;
    bool m_fingerprintMode = false;
    SimilarityThreshold m_threshold;
    std::vector<int64_t> m_minimumBest; // by shorter length n; filled before comparing
    BucketMap m_buckets;
    // Map nodes never move; m_buckets.end() for an id given to a newcomer of a batch that did not
    // open a bucket.
    std::vector<BucketMap::iterator> m_byId;
    std::vector<uint32_t> m_order; // bucket ids in key order, only below 15/16
    FingerprintIndex m_index;      // only above 15/16
    std::vector<uint32_t> m_hits, m_touched, m_candidates;
    std::vector<Pending> m_pending;
    std::vector<Scratch> m_scratch;
};

} // namespace sonalike
