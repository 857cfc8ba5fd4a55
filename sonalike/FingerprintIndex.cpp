#include "FingerprintIndex.h"

#include <algorithm>
#include <bit>

namespace sonalike
{

void FingerprintIndex::clear()
{
    m_keys.clear();
    m_heads.clear();
    m_postings.clear();
    m_used = 0;
    m_shift = 64;
}

size_t FingerprintIndex::slotOf(uint32_t value) const
{
    // Fibonacci hashing; linear probing from there.
    const uint64_t h = (static_cast<uint64_t>(value) + 1) * 0x9E3779B97F4A7C15ull;
    const size_t mask = m_heads.size() - 1;
    size_t slot = static_cast<size_t>(h >> m_shift);
    while (m_heads[slot] != kNone && m_keys[slot] != value)
        slot = (slot + 1) & mask;
    return slot;
}

void FingerprintIndex::grow()
{
    const size_t capacity = m_heads.empty() ? 1024 : m_heads.size() * 2;
    std::vector<uint32_t> keys(capacity), heads(capacity, kNone);
    keys.swap(m_keys);
    heads.swap(m_heads);
    m_shift = 64 - std::countr_zero(capacity);
    for (size_t i = 0; i < heads.size(); ++i)
    {
        if (heads[i] == kNone)
            continue;
        const size_t slot = slotOf(keys[i]);
        m_keys[slot] = keys[i];
        m_heads[slot] = heads[i];
    }
}

void FingerprintIndex::add(uint32_t bucket, const int32_t* values, int count)
{
    m_scratch.assign(values, values + count);
    std::sort(m_scratch.begin(), m_scratch.end());
    m_scratch.erase(std::unique(m_scratch.begin(), m_scratch.end()), m_scratch.end());
    for (const uint32_t value : m_scratch)
    {
        if ((m_used + 1) * 10 > m_heads.size() * 7)
            grow();
        const size_t slot = slotOf(value);
        if (m_heads[slot] == kNone)
        {
            m_keys[slot] = value;
            ++m_used;
        }
        m_postings.push_back({bucket, m_heads[slot]});
        m_heads[slot] = static_cast<uint32_t>(m_postings.size() - 1);
    }
}

void FingerprintIndex::countHits(const int32_t* values, int count, std::vector<uint32_t>& hits,
                                 std::vector<uint32_t>& touched) const
{
    if (m_heads.empty())
        return;
    for (int j = 0; j < count; ++j)
    {
        const size_t slot = slotOf(static_cast<uint32_t>(values[j]));
        for (uint32_t p = m_heads[slot]; p != kNone; p = m_postings[p].next)
        {
            const uint32_t b = m_postings[p].bucket;
            if (hits[b]++ == 0)
                touched.push_back(b);
        }
    }
}

} // namespace sonalike
