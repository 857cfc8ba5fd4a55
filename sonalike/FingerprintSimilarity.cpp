#include "FingerprintSimilarity.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SONALIKE_X86 1
#endif

namespace sonalike {
namespace {

// Pairs per step between two looks at the abandon bound.
constexpr int kBlock = 64;

inline int pairValue(uint32_t x)
{
    const int e = std::popcount(x);
    return e < 16 ? 16 - e : 0;
}

int64_t blockSumScalar(const int32_t* a, const int32_t* b, int n)
{
    int64_t s = 0;
    for (int k = 0; k < n; ++k)
        s += pairValue(static_cast<uint32_t>(a[k] ^ b[k]));
    return s;
}

#ifdef SONALIKE_X86
__attribute__((target("popcnt"))) int64_t blockSumPopcnt(const int32_t* a, const int32_t* b, int n)
{
    int64_t s = 0;
    for (int k = 0; k < n; ++k)
    {
        const int e = __builtin_popcount(static_cast<uint32_t>(a[k] ^ b[k]));
        s += e < 16 ? 16 - e : 0;
    }
    return s;
}

// Eight pairs at once: byte popcounts by nibble table, summed per 32-bit lane.
__attribute__((target("avx2"))) int64_t blockSumAvx2(const int32_t* a, const int32_t* b, int n)
{
    const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4,
                                           0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i low = _mm256_set1_epi8(0x0f);
    const __m256i ones8 = _mm256_set1_epi8(1);
    const __m256i ones16 = _mm256_set1_epi16(1);
    const __m256i sixteen = _mm256_set1_epi32(16);
    const __m256i zero = _mm256_setzero_si256();
    __m256i acc = zero;
    int k = 0;
    for (; k + 8 <= n; k += 8)
    {
        const __m256i x = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + k)),
                                           _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + k)));
        const __m256i lo = _mm256_and_si256(x, low);
        const __m256i hi = _mm256_and_si256(_mm256_srli_epi16(x, 4), low);
        const __m256i bytes = _mm256_add_epi8(_mm256_shuffle_epi8(table, lo), _mm256_shuffle_epi8(table, hi));
        const __m256i bits = _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, ones8), ones16);
        acc = _mm256_add_epi32(acc, _mm256_max_epi32(_mm256_sub_epi32(sixteen, bits), zero));
    }
    alignas(32) int32_t lanes[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), acc);
    int64_t s = 0;
    for (const int32_t v : lanes)
        s += v;
    for (; k < n; ++k)
        s += pairValue(static_cast<uint32_t>(a[k] ^ b[k]));
    return s;
}
#endif

using BlockSum = int64_t (*)(const int32_t*, const int32_t*, int);

BlockSum chooseBlockSum()
{
#ifdef SONALIKE_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return blockSumAvx2;
    if (__builtin_cpu_supports("popcnt"))
        return blockSumPopcnt;
#endif
    return blockSumScalar;
}

const BlockSum g_blockSum = chooseBlockSum();

// Pairs of diagonal d (A index i meets B index i - d) and where it starts.
struct Diagonal
{
    int startA = 0, startB = 0, length = 0;
};

inline Diagonal diagonal(int na, int nb, int d)
{
    Diagonal g;
    g.startA = std::max(0, d);
    g.startB = g.startA - d;
    const int end = std::min(na, nb + d);
    g.length = std::max(0, end - g.startA);
    return g;
}

// The window's diagonals: offsets -m + 1 .. m, or all of them when m < 0; clipped to the overlap.
inline void window(int na, int nb, int m, int& first, int& last)
{
    first = -(nb - 1);
    last = na - 1;
    if (m >= 0)
    {
        first = std::max(first, -m + 1);
        last = std::min(last, m);
    }
}

} // namespace

int PopCount32(uint32_t x)
{
    return std::popcount(x);
}

float SimilarityScore(int64_t best, int64_t denominator)
{
    if (denominator <= 0)
        return 0.0f;
    return static_cast<float>(static_cast<long double>(best) / static_cast<long double>(denominator));
}

int64_t DiagonalSum(const int32_t* a, const int32_t* b, int n, int64_t need)
{
    int64_t s = 0;
    for (int k = 0; k < n; k += kBlock)
    {
        const int len = std::min(kBlock, n - k);
        s += g_blockSum(a + k, b + k, len);
        const int64_t rest = static_cast<int64_t>(n - k - len) * 16;
        if (s + rest < need)
            return -1;
    }
    return s;
}

bool AlignmentReaches(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset, int64_t need)
{
    if (need <= 0)
        return true;
    int first = 0, last = 0;
    window(na, nb, maxOffset, first, last);
    if (first > last)
        return false;
    // Near copies line up close to offset 0: look there first, then outwards.
    const int centre = std::clamp(0, first, last);
    const int span = std::max(centre - first, last - centre);
    const auto reaches = [&](int d) {
        if (d < first || d > last)
            return false;
        const Diagonal g = diagonal(na, nb, d);
        if (static_cast<int64_t>(g.length) * 16 < need)
            return false;
        return DiagonalSum(a + g.startA, b + g.startB, g.length, need) >= need;
    };
    if (reaches(centre))
        return true;
    for (int r = 1; r <= span; ++r)
        if (reaches(centre + r) || reaches(centre - r))
            return true;
    return false;
}

int64_t BestAlignment(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset)
{
    int first = 0, last = 0;
    window(na, nb, maxOffset, first, last);
    int64_t best = 0;
    for (int d = first; d <= last; ++d)
    {
        const Diagonal g = diagonal(na, nb, d);
        // A diagonal that cannot beat the best so far is not summed to the end.
        if (static_cast<int64_t>(g.length) * 16 <= best)
            continue;
        best = std::max(best, DiagonalSum(a + g.startA, b + g.startB, g.length, best + 1));
    }
    return best;
}

float FingerprintSimilarity(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset)
{
    if (na <= 0 || nb <= 0)
        return 0.0f;
    const int64_t best = BestAlignment(a, na, b, nb, maxOffset);
    return SimilarityScore(best, 16 * static_cast<int64_t>(std::min(na, nb)));
}

int64_t SimilarityThreshold::minimumBest(int n)
{
    if (n < 0)
        return 1;
    if (static_cast<size_t>(n) >= m_cache.size())
        m_cache.resize(static_cast<size_t>(n) + 1, -1);
    int64_t& cached = m_cache[static_cast<size_t>(n)];
    if (cached >= 0)
        return cached;
    const int64_t denominator = 16 * static_cast<int64_t>(n);
    // Smallest s in [0, 16n + 1] with score(s) > t; 16n + 1 stands for "never".
    int64_t lo = 0, hi = denominator + 1;
    while (lo < hi)
    {
        const int64_t mid = lo + (hi - lo) / 2;
        if (SimilarityScore(mid, denominator) > m_threshold)
            hi = mid;
        else
            lo = mid + 1;
    }
    cached = lo;
    return cached;
}

} // namespace sonalike
