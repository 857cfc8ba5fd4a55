#pragma once

#include <cstdint>
#include <vector>

namespace sonalike
{

// Number of set bits of a 32-bit value.
int PopCount32(uint32_t x);

// Similarity of two raw fingerprints in 0..1: the best alignment (offsets i - j from -m + 1 to m,
// or every offset when m < 0) of the sum over its pairs of 16 - popcount(A[i] ^ B[j]) for pairs
// that differ in fewer than 16 bits, divided by 16 x min(na, nb), rounded to float.
// Computed diagonal by diagonal; the value equals the histogram definition exactly.
float FingerprintSimilarity(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset);

// The score of an alignment sum: best / denominator in extended precision, rounded to float.
float SimilarityScore(int64_t best, int64_t denominator);

// Sum over one diagonal of n pairs, a[k] against b[k]. When the sum can no longer reach `need`,
// gives up and answers -1; with need <= 0 it always answers the full sum.
int64_t DiagonalSum(const int32_t* a, const int32_t* b, int n, int64_t need);
// The instruction-set variants behind DiagonalSum that this processor can run (0 portable,
// 1 popcnt, 2 AVX2), so each can be checked against the others.
int DiagonalKernelCount();
int64_t DiagonalSumWithKernel(int kernel, const int32_t* a, const int32_t* b, int n, int64_t need);

// The exact threshold test on whole alignment sums: for a threshold t and a shorter length n,
// the smallest sum s with SimilarityScore(s, 16n) > t (16n + 1 when none). Since the score grows
// with s, "score > t" is exactly "best >= MinimumBest(n)". Cached per n.
class SimilarityThreshold
{
public:
    explicit SimilarityThreshold(float threshold = 0.8f) : m_threshold(threshold) {}
    float threshold() const { return m_threshold; }
    int64_t minimumBest(int n);
    // Above 15/16 a diagonal must hold exactly equal pairs to pass (see FingerprintMatcher).
    bool needsEqualPairs() const { return m_threshold >= 0.9375f; }

private:
    float m_threshold;
    std::vector<int64_t> m_cache;
};

// Whether B (nb values) matches A (na values) for window m: some alignment reaches `need`.
bool AlignmentReaches(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset, int64_t need);
// The best alignment sum (the largest histogram bin).
int64_t BestAlignment(const int32_t* a, int na, const int32_t* b, int nb, int maxOffset);

} // namespace sonalike
