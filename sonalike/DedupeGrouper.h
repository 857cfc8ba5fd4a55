#pragma once

#include "DedupeGroupKey.h"
#include "DedupeTrack.h"
#include "FingerprintIndex.h"
#include "FingerprintSimilarity.h"

#include <cstddef>
#include <map>
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
// abandon per alignment, and the first match in key order is taken either way.
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

    void insertFingerprint(DedupeTrack& track);
    void join(Bucket& bucket, DedupeTrack& track);
    void openBucket(DedupeTrack& track);
    // Whether bucket `id` matches the newcomer (score strictly above the threshold).
    bool matches(uint32_t id, const DedupeGroupKey& newcomer) const;
    size_t firstIndexedMatch(const DedupeGroupKey& newcomer);
    size_t firstScannedMatch(const DedupeGroupKey& newcomer);

    WorkerPool* m_pool;
    size_t m_parallelWork = kDefaultParallelWork;
    bool m_fingerprintMode = false;
    SimilarityThreshold m_threshold;
    std::vector<int64_t> m_minimumBest; // by shorter length n; filled before comparing
    BucketMap m_buckets;
    std::vector<BucketMap::iterator> m_byId; // map nodes never move
    std::vector<uint32_t> m_order;           // bucket ids in key order
    FingerprintIndex m_index;                // only above 15/16
    std::vector<uint32_t> m_hits, m_touched, m_candidates;
};

} // namespace sonalike
