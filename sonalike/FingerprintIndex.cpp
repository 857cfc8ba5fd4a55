#include "FingerprintIndex.h"

#include <algorithm>
#include <bit>

namespace sonalike
{

void FingerprintIndex::clear()
{
    for (Shard& shard : m_shards)
        shard = Shard{};
}

size_t FingerprintIndex::Shard::slotOf(uint32_t value) const
{
    // Linear probing from the hash's bits below the shard's.
    const size_t mask = slots.size() - 1;
    size_t slot = static_cast<size_t>((hashOf(value) << kShardBits) >> shift);
    while (slots[slot].bucket != kNone && slots[slot].key != value)
        slot = (slot + 1) & mask;
    return slot;
}

void FingerprintIndex::Shard::reserve(size_t values)
{
    const size_t wanted = used + values;
    size_t capacity = std::max<size_t>(1024, slots.size());
    while (wanted * 10 > capacity * 7)
        capacity *= 2;
    if (capacity > slots.size())
        grow(capacity);
}

void FingerprintIndex::Shard::grow(size_t capacity)
{
    std::vector<Slot> old(capacity, Slot{0, kNone, kNone});
    old.swap(slots);
    shift = 64 - std::countr_zero(capacity);
    for (size_t k = 0; k < old.size(); ++k)
    {
        if (k + kPrefetchAhead < old.size() && old[k + kPrefetchAhead].bucket != kNone)
            prefetch(old[k + kPrefetchAhead].key);
        if (old[k].bucket != kNone)
            slots[slotOf(old[k].key)] = old[k];
    }
}

void FingerprintIndex::Shard::add(uint32_t bucket, uint32_t value)
{
    if ((used + 1) * 10 > slots.size() * 7)
        grow(slots.empty() ? 1024 : slots.size() * 2);
    Slot& slot = slots[slotOf(value)];
    if (slot.bucket == kNone)
    {
        slot = {value, bucket, kNone};
        ++used;
        return;
    }
    postings.push_back({slot.bucket, slot.older});
    slot.bucket = bucket;
    slot.older = static_cast<uint32_t>(postings.size() - 1);
}

void FingerprintIndex::add(uint32_t bucket, const int32_t* values, int count)
{
    m_scratch.assign(values, values + count);
    std::sort(m_scratch.begin(), m_scratch.end());
    m_scratch.erase(std::unique(m_scratch.begin(), m_scratch.end()), m_scratch.end());
    for (const uint32_t value : m_scratch)
        m_shards[shardOf(value)].add(bucket, value);
}

void FingerprintIndex::Shard::prefetch(uint32_t value) const
{
    if (!slots.empty())
        __builtin_prefetch(&slots[static_cast<size_t>((hashOf(value) << kShardBits) >> shift)]);
}

void FingerprintIndex::addToShard(unsigned shard, const std::vector<Entry>& entries)
{
    Shard& target = m_shards[shard];
    target.reserve(entries.size());
    for (size_t k = 0; k < entries.size(); ++k)
    {
        if (k + kPrefetchAhead < entries.size())
            target.prefetch(entries[k + kPrefetchAhead].value);
        target.add(entries[k].bucket, entries[k].value);
    }
}

void FingerprintIndex::countHits(const int32_t* values, int count, std::vector<uint32_t>& hits,
                                 std::vector<uint32_t>& touched) const
{
    for (int j = 0; j < count; ++j)
    {
        if (j + static_cast<int>(kPrefetchAhead) < count)
        {
            const auto ahead = static_cast<uint32_t>(values[j + static_cast<int>(kPrefetchAhead)]);
            m_shards[shardOf(ahead)].prefetch(ahead);
        }
        const auto value = static_cast<uint32_t>(values[j]);
        const Shard& shard = m_shards[shardOf(value)];
        if (shard.slots.empty())
            continue;
        const Slot& slot = shard.slots[shard.slotOf(value)];
        if (slot.bucket == kNone)
            continue;
        if (hits[slot.bucket]++ == 0)
            touched.push_back(slot.bucket);
        for (uint32_t p = slot.older; p != kNone; p = shard.postings[p].next)
        {
            const uint32_t b = shard.postings[p].bucket;
            if (hits[b]++ == 0)
                touched.push_back(b);
        }
    }
}

} // namespace sonalike
