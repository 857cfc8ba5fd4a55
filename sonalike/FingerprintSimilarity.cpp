#include "FingerprintSimilarity.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define SONALIKE_X86 1
#endif

namespace sonalike
{
namespace
{

// Pairs per step between two looks at the abandon bound.
constexpr int kBlock = 64;

__attribute__((always_inline)) inline int pairValue(uint32_t x)
{
    const int e = std::popcount(x);
    return e < 16 ? 16 - e : 0;
}

// Sum over a diagonal of n pairs, looking every kBlock pairs whether the rest (at most 16 a pair)
// can still lift it to `need`; -1 as soon as it cannot. Inlined into one function per
// instruction set, so the popcount compiles to what that set offers.
__attribute__((always_inline)) inline int64_t diagonalLoop(const int32_t* a, const int32_t* b, int n,
                                                           int64_t need)
{
    int64_t s = 0;
    for (int k = 0; k < n;)
    {
        const int end = std::min(n, k + kBlock);
        for (; k < end; ++k)
            s += pairValue(static_cast<uint32_t>(a[k] ^ b[k]));
        if (s + static_cast<int64_t>(n - k) * 16 < need)
            return -1;
    }
    return s;
}

int64_t diagonalScalar(const int32_t* a, const int32_t* b, int n, int64_t need)
{
    return diagonalLoop(a, b, n, need);
}

#ifdef SONALIKE_X86
__attribute__((target("popcnt"))) int64_t diagonalPopcnt(const int32_t* a, const int32_t* b, int n,
                                                         int64_t need)
{
    return diagonalLoop(a, b, n, need);
}

__attribute__((target("avx2"))) inline int64_t horizontalSum(__m256i v)
{
    __m128i x = _mm_add_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    x = _mm_add_epi32(x, _mm_shuffle_epi32(x, 0x4e));
    x = _mm_add_epi32(x, _mm_shuffle_epi32(x, 0xb1));
    return _mm_cvtsi128_si32(x);
}

// Eight pairs at once: byte popcounts by nibble table, summed per 32-bit lane, then 16 - e
// clipped at 0.
__attribute__((target("avx2"))) inline __m256i pairValues8(const int32_t* a, const int32_t* b)
{
    const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1, 1, 2, 1, 2,
                                           2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i low = _mm256_set1_epi8(0x0f);
    const __m256i x = _mm256_xor_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a)),
                                       _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b)));
    const __m256i lo = _mm256_and_si256(x, low);
    const __m256i hi = _mm256_and_si256(_mm256_srli_epi16(x, 4), low);
    const __m256i bytes = _mm256_add_epi8(_mm256_shuffle_epi8(table, lo), _mm256_shuffle_epi8(table, hi));
    const __m256i bits =
        _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, _mm256_set1_epi8(1)), _mm256_set1_epi16(1));
    return _mm256_max_epi32(_mm256_sub_epi32(_mm256_set1_epi32(16), bits), _mm256_setzero_si256());
}

// A lane gathers at most 16 x n / 8, far inside 32 bits for any fingerprint length.
__attribute__((target("avx2"))) int64_t diagonalAvx2(const int32_t* a, const int32_t* b, int n, int64_t need)
{
    const __m256i zero = _mm256_setzero_si256();
    __m256i acc = zero;
    int k = 0;
    for (; k + kBlock <= n; k += kBlock)
    {
        __m256i part = zero;
        for (int q = 0; q < kBlock; q += 8)
            part = _mm256_add_epi32(part, pairValues8(a + k + q, b + k + q));
        acc = _mm256_add_epi32(acc, part);
        if (horizontalSum(acc) + static_cast<int64_t>(n - k - kBlock) * 16 < need)
            return -1;
    }
    for (; k + 8 <= n; k += 8)
        acc = _mm256_add_epi32(acc, pairValues8(a + k, b + k));
    int64_t s = horizontalSum(acc);
    for (; k < n; ++k)
        s += pairValue(static_cast<uint32_t>(a[k] ^ b[k]));
    return s < need ? -1 : s;
}
#endif

using DiagonalKernel = int64_t (*)(const int32_t*, const int32_t*, int, int64_t);

DiagonalKernel chooseKernel()
{
#ifdef SONALIKE_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        return diagonalAvx2;
    if (__builtin_cpu_supports("popcnt"))
        return diagonalPopcnt;
#endif
    return diagonalScalar;
}

const DiagonalKernel g_diagonal = chooseKernel();

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

int DiagonalKernelCount()
{
#ifdef SONALIKE_X86
    return __builtin_cpu_supports("avx2") ? 3 : __builtin_cpu_supports("popcnt") ? 2 : 1;
#else
    return 1;
#endif
}

int64_t DiagonalSumWithKernel(int kernel, const int32_t* a, const int32_t* b, int n, int64_t need)
{
    DiagonalKernel chosen = diagonalScalar;
#ifdef SONALIKE_X86
    if (kernel == 1)
        chosen = diagonalPopcnt;
    else if (kernel == 2)
        chosen = diagonalAvx2;
#else
    (void)kernel;
#endif
    const int64_t s = chosen(a, b, n, need);
    return s < need ? -1 : s;
}

int64_t DiagonalSum(const int32_t* a, const int32_t* b, int n, int64_t need)
{
    const int64_t s = g_diagonal(a, b, n, need);
    return s < need ? -1 : s;
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
    const auto reaches = [&](int d)
    {
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
