#include "DedupeGroupKey.h"

namespace sonalike
{

void DedupeGroupKey::setFingerprint(std::vector<int32_t> values)
{
    m_fingerprint = std::move(values);
    m_absSum = 0;
    for (const int32_t v : m_fingerprint)
        m_absSum += v < 0 ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
}

} // namespace sonalike
