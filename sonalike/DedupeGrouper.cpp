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
    m_scratch.clear();
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

DedupeGrouper::BucketMap::iterator DedupeGrouper::openBucket(DedupeTrack& track)
{
    return openBucket(track, DedupeGroupKey(track.key));
}

DedupeGrouper::BucketMap::iterator DedupeGrouper::openBucket(DedupeTrack& track, DedupeGroupKey&& key)
{
    track.score = 1.0f;
    const auto [it, added] = m_buckets.try_emplace(std::move(key));
    if (!added)
    {
        // Another fingerprint with the same count and sum already holds this key.
        std::printf("\n\ninsert bug[%s]!!!!\n\n", track.path.c_str());
        return m_buckets.end();
    }
    it->second.members.push_back(&track);
    return it;
}

const DedupeGroupKey& DedupeGrouper::keyOf(uint32_t id, uint32_t batchBegin) const
{
    return id < batchBegin ? m_byId[id]->first : m_pending[id - batchBegin].track->key;
}

bool DedupeGrouper::matches(const DedupeGroupKey& key, const DedupeGroupKey& newcomer) const
{
    const int n = std::min(key.count(), newcomer.count());
    const int64_t need = m_minimumBest[static_cast<size_t>(n)];
    if (need > 16 * static_cast<int64_t>(n))
        return false;
    return AlignmentReaches(key.fingerprint().data(), key.count(), newcomer.fingerprint().data(),
                            newcomer.count(), n / 3, need);
}

int64_t DedupeGrouper::bestOf(const DedupeGroupKey& key, const DedupeGroupKey& newcomer)
{
    const int n = std::min(key.count(), newcomer.count());
    return BestAlignment(key.fingerprint().data(), key.count(), newcomer.fingerprint().data(),
                         newcomer.count(), n / 3);
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
        if (m_byId[id] == m_buckets.end())
        {
            m_hits[id] = 0;
            continue;
        }
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
        if (matches(m_byId[id]->first, newcomer))
            return id;
    return kNoMatch;
}

size_t DedupeGrouper::firstScannedMatch(const DedupeGroupKey& newcomer)
{
    const size_t total = m_order.size();
    if (!m_pool || m_pool->size() < 2 || total * static_cast<size_t>(newcomer.count()) < m_parallelWork)
    {
        for (const uint32_t id : m_order)
            if (matches(m_byId[id]->first, newcomer))
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
                    if (!matches(m_byId[m_order[k]]->first, newcomer))
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
        const auto it = openBucket(track);
        if (it == m_buckets.end())
            return;
        const auto newId = static_cast<uint32_t>(m_byId.size());
        m_byId.push_back(it);
        if (m_threshold.needsEqualPairs())
        {
            m_index.add(newId, it->first.fingerprint().data(), it->first.count());
            return;
        }
        const DedupeKeyLess less;
        const auto pos =
            std::lower_bound(m_order.begin(), m_order.end(), newId,
                             [&](uint32_t x, uint32_t) { return less(m_byId[x]->first, it->first); });
        m_order.insert(pos, newId);
        return;
    }
    const DedupeGroupKey& bucketKey = m_byId[id]->first;
    const int n = std::min(bucketKey.count(), nT);
    track.score = SimilarityScore(bestOf(bucketKey, key), 16 * static_cast<int64_t>(n));
    join(m_byId[id]->second, track);
}

bool DedupeGrouper::spreadsBatches() const
{
    return m_fingerprintMode && m_threshold.needsEqualPairs() && m_pool && m_pool->size() >= 2;
}

void DedupeGrouper::insert(std::span<DedupeTrack* const> tracks)
{
    if (!spreadsBatches())
    {
        for (DedupeTrack* track : tracks)
            insert(*track);
        return;
    }
    for (size_t begin = 0; begin < tracks.size(); begin += kBatch)
        insertIndexedBatch(tracks.subspan(begin, std::min(kBatch, tracks.size() - begin)));
}

// A newcomer's distinct values, shard by shard, ready to be indexed.
void DedupeGrouper::prepare(Pending& pending, Scratch& scratch) const
{
    // The copy a new bucket would keep, made here on all threads rather than when it is placed.
    pending.key = pending.track->key;
    const std::vector<int32_t>& values = pending.track->key.fingerprint();
    scratch.sorted.assign(values.begin(), values.end());
    std::sort(scratch.sorted.begin(), scratch.sorted.end());
    scratch.sorted.erase(std::unique(scratch.sorted.begin(), scratch.sorted.end()), scratch.sorted.end());
    pending.shardEnd.assign(FingerprintIndex::kShards, 0);
    for (const uint32_t value : scratch.sorted)
        ++pending.shardEnd[FingerprintIndex::shardOf(value)];
    for (size_t shard = 1; shard < pending.shardEnd.size(); ++shard)
        pending.shardEnd[shard] += pending.shardEnd[shard - 1];
    pending.values.resize(scratch.sorted.size());
    for (auto it = scratch.sorted.rbegin(); it != scratch.sorted.rend(); ++it)
        pending.values[--pending.shardEnd[FingerprintIndex::shardOf(*it)]] = *it;
    // shardEnd now holds where each shard begins; shift it to where each ends.
    pending.shardEnd.erase(pending.shardEnd.begin());
    pending.shardEnd.push_back(static_cast<uint32_t>(pending.values.size()));
}

// What firstIndexedMatch answers for the buckets from before the batch, and beside it every
// earlier newcomer of the batch that would match, should it open a bucket. The index already
// holds the whole batch; later newcomers and the newcomer itself are passed over.
void DedupeGrouper::findMatches(Pending& pending, uint32_t batchBegin, Scratch& scratch) const
{
    const DedupeGroupKey& newcomer = pending.track->key;
    const int nT = newcomer.count();
    scratch.hits.resize(m_byId.size(), 0);
    scratch.touched.clear();
    m_index.countHits(newcomer.fingerprint().data(), nT, scratch.hits, scratch.touched);
    scratch.candidates.clear();
    for (const uint32_t id : scratch.touched)
    {
        const uint32_t hits = scratch.hits[id];
        scratch.hits[id] = 0;
        if (id >= pending.id || (id < batchBegin && m_byId[id] == m_buckets.end()))
            continue;
        const int n = std::min(keyOf(id, batchBegin).count(), nT);
        const int64_t equalNeeded = m_minimumBest[static_cast<size_t>(n)] - 15 * static_cast<int64_t>(n);
        if (hits >= equalNeeded)
            scratch.candidates.push_back(id);
    }
    const DedupeKeyLess less;
    std::sort(scratch.candidates.begin(), scratch.candidates.end(),
              [&](uint32_t x, uint32_t y) { return less(keyOf(x, batchBegin), keyOf(y, batchBegin)); });
    for (const uint32_t id : scratch.candidates)
    {
        const DedupeGroupKey& key = keyOf(id, batchBegin);
        if (!matches(key, newcomer))
            continue;
        const int64_t best = bestOf(key, newcomer);
        if (id < batchBegin)
        {
            pending.bucketMatch = id;
            pending.bucketBest = best;
            return;
        }
        pending.earlier.emplace_back(id, best);
    }
}

// The batch's newcomers are given bucket ids and indexed before any of them is placed, so that
// each thread can compare one newcomer with the buckets from before the batch and with the
// newcomers before it at once. Placing them then goes in order: a newcomer joins the first in key
// order of its matches that is a bucket by then, which is the bucket the serial insert finds.
void DedupeGrouper::insertIndexedBatch(std::span<DedupeTrack* const> tracks)
{
    const auto batchBegin = static_cast<uint32_t>(m_byId.size());
    size_t count = 0;
    m_pending.resize(tracks.size());
    for (DedupeTrack* track : tracks)
    {
        const int nT = track->key.count();
        if (nT < kMinimumValues)
            continue;
        for (int n = static_cast<int>(m_minimumBest.size()); n <= nT; ++n)
            m_minimumBest.push_back(m_threshold.minimumBest(n));
        Pending& pending = m_pending[count];
        pending.track = track;
        pending.id = batchBegin + static_cast<uint32_t>(count);
        pending.bucketMatch = kNoMatch;
        pending.earlier.clear();
        pending.failed = false;
        ++count;
    }
    if (count < 2)
    {
        for (DedupeTrack* track : tracks)
            insertFingerprint(*track);
        return;
    }
    m_pending.resize(count);
    m_byId.resize(batchBegin + count, m_buckets.end());
    m_scratch.resize(m_pool->size());

    // Out of memory on a thread leaves that newcomer out of every group.
    std::atomic<size_t> next{0};
    const auto eachNewcomer = [&](const auto& work)
    {
        next = 0;
        m_pool->runOnAll(
            [&](unsigned participant)
            {
                for (size_t k = next++; k < count; k = next++)
                {
                    Pending& pending = m_pending[k];
                    if (pending.failed)
                        continue;
                    try
                    {
                        work(pending, m_scratch[participant]);
                    }
                    catch (const std::exception&)
                    {
                        pending.failed = true;
                        m_scratch[participant].hits.clear(); // counts left half made
                    }
                }
            });
    };
    eachNewcomer([&](Pending& pending, Scratch& scratch) { prepare(pending, scratch); });
    next = 0;
    m_pool->runOnAll(
        [&](unsigned participant)
        {
            std::vector<FingerprintIndex::Entry>& entries = m_scratch[participant].entries;
            for (size_t shard = next++; shard < FingerprintIndex::kShards; shard = next++)
            {
                try
                {
                    entries.clear();
                    for (const Pending& pending : m_pending)
                        if (!pending.failed)
                            for (uint32_t k = shard ? pending.shardEnd[shard - 1] : 0;
                                 k < pending.shardEnd[shard]; ++k)
                                entries.push_back({pending.id, pending.values[k]});
                    m_index.addToShard(static_cast<unsigned>(shard), entries);
                }
                catch (const std::exception&)
                {
                    // Out of memory: values of this shard go unindexed.
                }
            }
        });
    eachNewcomer([&](Pending& pending, Scratch& scratch) { findMatches(pending, batchBegin, scratch); });

    for (Pending& pending : m_pending)
    {
        if (pending.failed)
            continue;
        DedupeTrack& track = *pending.track;
        size_t id = pending.bucketMatch;
        int64_t best = pending.bucketBest;
        for (const auto& [earlier, earlierBest] : pending.earlier)
            if (m_byId[earlier] != m_buckets.end())
            {
                id = earlier;
                best = earlierBest;
                break;
            }
        if (id == kNoMatch)
        {
            m_byId[pending.id] = openBucket(track, std::move(pending.key));
            continue;
        }
        const int n = std::min(m_byId[id]->first.count(), track.key.count());
        track.score = SimilarityScore(best, 16 * static_cast<int64_t>(n));
        join(m_byId[id]->second, track);
    }
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
