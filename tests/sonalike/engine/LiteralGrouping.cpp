#include "LiteralGrouping.h"

#include <cstdio>
#include <cstdlib>

namespace literal
{
namespace
{

struct ByteTable
{
    int bits[256];
    ByteTable()
    {
        for (int k = 0; k < 256; ++k)
        {
            int c = 0;
            for (int v = k; v; v >>= 1)
                c += v & 1;
            bits[k] = c;
        }
    }
};
const ByteTable g_table;

int64_t absSum(const std::vector<int32_t>& v)
{
    int64_t s = 0;
    for (const int32_t x : v)
        s += std::llabs(static_cast<int64_t>(x));
    return s;
}

} // namespace

int PopCount32(uint32_t x)
{
    return g_table.bits[x & 0xff] + g_table.bits[(x >> 8) & 0xff] + g_table.bits[(x >> 16) & 0xff] +
           g_table.bits[(x >> 24) & 0xff];
}

float FingerprintSimilarity(const int32_t* a, int na, const int32_t* b, int nb, int m)
{
    std::vector<int> histogram(static_cast<size_t>(na + nb + 1), 0);
    for (int i = 0; i < na; ++i)
    {
        int jBegin = 0, jEnd = nb;
        if (m >= 0)
        {
            jBegin = i - m > 0 ? i - m : 0;
            jEnd = i + m < nb ? i + m : nb;
        }
        for (int j = jBegin; j < jEnd; ++j)
        {
            const int e = PopCount32(static_cast<uint32_t>(a[i] ^ b[j]));
            if (e < 16)
                histogram[static_cast<size_t>(nb + i - j)] += 16 - e;
        }
    }
    int best = 0;
    for (const int v : histogram)
        if (v > best)
            best = v;
    const int shorter = na < nb ? na : nb;
    return static_cast<float>(static_cast<long double>(best) / (16.0L * shorter));
}

bool KeepBest(const Track& a, const Track& b)
{
    if (std::llabs(static_cast<int64_t>(a.duration) - b.duration) > 29999)
        return b.duration > a.duration;
    if (b.bitRate > a.bitRate)
        return true;
    if (b.bitRate == a.bitRate && b.duration > a.duration)
        return true;
    return false;
}

bool Grouping::Less::operator()(const Key& a, const Key& b) const
{
    if (!b.text.empty())
        return a.text < b.text;
    if (a.fingerprint.size() != b.fingerprint.size())
        return a.fingerprint.size() < b.fingerprint.size();
    return absSum(a.fingerprint) < absSum(b.fingerprint);
}

void Grouping::insert(Track& t)
{
    std::vector<Track*>* match = nullptr;
    if (m_fingerprintMode)
    {
        if (t.fingerprint.size() < 20)
            return;
        for (auto& [key, list] : m_buckets)
        {
            const int na = static_cast<int>(key.fingerprint.size());
            const int nb = static_cast<int>(t.fingerprint.size());
            const int n = na < nb ? na : nb;
            const float score =
                FingerprintSimilarity(key.fingerprint.data(), na, t.fingerprint.data(), nb, n / 3);
            if (score > m_threshold)
            {
                t.score = score;
                match = &list;
                break;
            }
        }
    }
    else
    {
        const auto it = m_buckets.find(Key{{}, t.text});
        if (it != m_buckets.end())
            match = &it->second;
    }
    if (match)
    {
        size_t beaten = 0;
        for (Track* m : *match)
            if (KeepBest(*m, t))
                ++beaten;
        if (beaten == match->size())
        {
            match->front()->score = t.score;
            t.score = 1.0f;
            match->insert(match->begin(), &t);
        }
        else
        {
            match->push_back(&t);
        }
        return;
    }
    t.score = 1.0f;
    Key key{t.fingerprint, t.text};
    if (m_buckets.count(key))
        return; // the same map key: the newcomer stays out of every group
    m_buckets.emplace(std::move(key), std::vector<Track*>{&t});
}

std::vector<std::vector<Track*>> Grouping::groups() const
{
    std::vector<std::vector<Track*>> out;
    for (const auto& [key, list] : m_buckets)
        if (list.size() > 1)
            out.push_back(list);
    return out;
}

} // namespace literal
