#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sonalike
{

// What buckets are made of: a raw fingerprint (fingerprint mode) or a key text (tag mode).
// Within one run every key is of one kind.
class DedupeGroupKey
{
public:
    const std::vector<int32_t>& fingerprint() const { return m_fingerprint; }
    int32_t count() const { return static_cast<int32_t>(m_fingerprint.size()); }
    // Sum of the absolute values, in 64 bits; part of the key order.
    int64_t absSum() const { return m_absSum; }
    void setFingerprint(std::vector<int32_t> values);

    std::string text;

private:
    std::vector<int32_t> m_fingerprint;
    int64_t m_absSum = 0;
};

// Key order: texts bytewise when b has a text; otherwise the smaller count, then the smaller sum
// of absolute values. Two fingerprints with equal count and sum are one map key.
struct DedupeKeyLess
{
    bool operator()(const DedupeGroupKey& a, const DedupeGroupKey& b) const
    {
        if (!b.text.empty())
            return a.text < b.text;
        if (a.count() != b.count())
            return a.count() < b.count();
        return a.absSum() < b.absSum();
    }
};

} // namespace sonalike
