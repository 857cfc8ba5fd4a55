#include "DedupeGrouper.h"

#include "WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace sonalike
{
namespace
{

// Fingerprints shorter than this are never compared and stay out of every group.
constexpr int kMinimumValues = 20;
constexpr size_t kChunk = 4;

} // namespace

bool KeepBest(const DedupeTrack& a, const DedupeTrack& b)
{
    const int64_t gap = static_cast<int64_t>(a.duration) - b.duration;
    if (gap > 29999 || gap < -29999)
        return b.duration > a.duration;
    if (b.bitRate != a.bitRate)
        return b.bitRate > a.bitRate;
    return b.duration > a.duration;
}

void DedupeGrouper::reset(bool fingerprintMode, float threshold)
{
    m_fingerprintMode = fingerprintMode;
    m_threshold = SimilarityThreshold(threshold);
    m_minimumBest.clear();
    m_buckets.clear();
    m_byId.clear();
    m_order.clear();
    m_index.clear();
    m_hits.clear();
}

void DedupeGrouper::insert(DedupeTrack& track)
{
    if (m_fingerprintMode)
    {
        insertFingerprint(track);
        return;
    }
    const auto it = m_buckets.find(track.key);
    if (it != m_buckets.end())
        join(it->second, track);
    else
        openBucket(track);
}

void DedupeGrouper::join(Bucket& bucket, DedupeTrack& track)
{
    const auto beaten = std::count_if(bucket.members.begin(), bucket.members.end(),
                                      [&](const DedupeTrack* m) { return KeepBest(*m, track); });
    if (static_cast<size_t>(beaten) == bucket.members.size())
    {
        bucket.members.front()->score = track.score;
        track.score = 1.0f;
        bucket.members.insert(bucket.members.begin(), &track);
    }
    else
    {
        bucket.members.push_back(&track);
    }
}

void DedupeGrouper::openBucket(DedupeTrack& track)
{
    track.score = 1.0f;
    const auto [it, added] = m_buckets.try_emplace(track.key);
    if (!added)
    {
        // Another fingerprint with the same count and sum already holds this key.
        std::printf("\n\ninsert bug[%s]!!!!\n\n", track.path.c_str());
        return;
    }
    it->second.members.push_back(&track);
    if (!m_fingerprintMode)
        return;
    const auto id = static_cast<uint32_t>(m_byId.size());
    m_byId.push_back(it);
    const DedupeKeyLess less;
    const auto pos =
        std::lower_bound(m_order.begin(), m_order.end(), id,
                         [&](uint32_t x, uint32_t) { return less(m_byId[x]->first, it->first); });
    m_order.insert(pos, id);
    if (m_threshold.needsEqualPairs())
        m_index.add(id, it->first.fingerprint().data(), it->first.count());
}

bool DedupeGrouper::matches(uint32_t id, const DedupeGroupKey& newcomer) const
{
    const DedupeGroupKey& key = m_byId[id]->first;
    const int n = std::min(key.count(), newcomer.count());
    const int64_t need = m_minimumBest[static_cast<size_t>(n)];
    if (need > 16 * static_cast<int64_t>(n))
        return false;
    return AlignmentReaches(key.fingerprint().data(), key.count(), newcomer.fingerprint().data(),
                            newcomer.count(), n / 3, need);
}

// A pair of unequal values adds at most 15 to an alignment, an equal pair 16; an alignment of at
// most n pairs that reaches `need` therefore holds at least need - 15n equal pairs, all with
// distinct newcomer positions. Above 15/16 that is at least one, so a bucket with fewer newcomer
// positions whose value occurs in its key cannot match and is never compared.
size_t DedupeGrouper::firstIndexedMatch(const DedupeGroupKey& newcomer)
{
    const int nT = newcomer.count();
    m_hits.resize(m_byId.size(), 0);
    m_touched.clear();
    m_index.countHits(newcomer.fingerprint().data(), nT, m_hits, m_touched);
    m_candidates.clear();
    for (const uint32_t id : m_touched)
    {
        const int n = std::min(m_byId[id]->first.count(), nT);
        const int64_t equalNeeded = m_minimumBest[static_cast<size_t>(n)] - 15 * static_cast<int64_t>(n);
        if (m_hits[id] >= equalNeeded)
            m_candidates.push_back(id);
        m_hits[id] = 0;
    }
    const DedupeKeyLess less;
    std::sort(m_candidates.begin(), m_candidates.end(),
              [&](uint32_t x, uint32_t y) { return less(m_byId[x]->first, m_byId[y]->first); });
    for (const uint32_t id : m_candidates)
        if (matches(id, newcomer))
            return id;
    return kNoMatch;
}

size_t DedupeGrouper::firstScannedMatch(const DedupeGroupKey& newcomer)
{
    const size_t total = m_order.size();
    if (!m_pool || m_pool->size() < 2 || total * static_cast<size_t>(newcomer.count()) < m_parallelWork)
    {
        for (const uint32_t id : m_order)
            if (matches(id, newcomer))
                return id;
        return kNoMatch;
    }
    // Chunks are taken in key order; a position beyond the earliest match found so far is not
    // looked at. Every position before the final earliest match was compared and did not match,
    // so the answer is the serial scan's.
    std::atomic<size_t> next{0};
    std::atomic<size_t> first{kNoMatch};
    m_pool->runOnAll(
        [&](unsigned)
        {
            for (;;)
            {
                const size_t begin = next.fetch_add(kChunk, std::memory_order_relaxed);
                if (begin >= total || begin > first.load(std::memory_order_relaxed))
                    return;
                const size_t end = std::min(total, begin + kChunk);
                for (size_t k = begin; k < end && k < first.load(std::memory_order_relaxed); ++k)
                {
                    if (!matches(m_order[k], newcomer))
                        continue;
                    size_t seen = first.load();
                    while (k < seen && !first.compare_exchange_weak(seen, k))
                    {
                    }
                    break;
                }
            }
        });
    const size_t k = first.load();
    return k == kNoMatch ? kNoMatch : m_order[k];
}

void DedupeGrouper::insertFingerprint(DedupeTrack& track)
{
    const DedupeGroupKey& key = track.key;
    const int nT = key.count();
    if (nT < kMinimumValues)
        return;
    // The threshold test for every shorter length that can occur, read-only during the scan.
    for (int n = static_cast<int>(m_minimumBest.size()); n <= nT; ++n)
        m_minimumBest.push_back(m_threshold.minimumBest(n));

    const size_t id = m_threshold.needsEqualPairs() ? firstIndexedMatch(key) : firstScannedMatch(key);
    if (id == kNoMatch)
    {
        openBucket(track);
        return;
    }
    const DedupeGroupKey& bucketKey = m_byId[id]->first;
    const int n = std::min(bucketKey.count(), nT);
    const int64_t best =
        BestAlignment(bucketKey.fingerprint().data(), bucketKey.count(), key.fingerprint().data(), nT, n / 3);
    track.score = SimilarityScore(best, 16 * static_cast<int64_t>(n));
    join(m_byId[id]->second, track);
}

std::vector<std::vector<DedupeTrack*>> DedupeGrouper::groups() const
{
    std::vector<std::vector<DedupeTrack*>> out;
    for (const auto& [key, bucket] : m_buckets)
        if (bucket.members.size() > 1)
            out.push_back(bucket.members);
    return out;
}

} // namespace sonalike
