// The fast grouping against the literal one: same groups, same order, same scores, at every level.

#include "DedupeText.h"
#include "FingerprintSimilarity.h"
#include "GroupingOutcome.h"
#include "LiteralGrouping.h"
#include "SyntheticFingerprints.h"
#include "WorkerPool.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstring>
#include <random>

namespace
{

using grouping::bitsOf;
using grouping::fastOutcome;
using grouping::literalOutcome;
using grouping::Outcome;
using sonalike::DedupeTrack;

// A copy of `original` with exactly `flips` single-bit errors spread over its values (at most 15 a
// value), so its aligned sum against the original is 16n - flips.
std::vector<int32_t> withFlips(const std::vector<int32_t>& original, int flips)
{
    std::vector<int32_t> copy = original;
    const int n = static_cast<int>(copy.size());
    for (int f = 0; f < flips; ++f)
        copy[static_cast<size_t>(f % n)] ^= static_cast<int32_t>(1u << ((f / n) % 32));
    return copy;
}

std::vector<int32_t> randomPrint(std::mt19937& rng, int n)
{
    std::vector<int32_t> v(static_cast<size_t>(n));
    for (auto& x : v)
        x = static_cast<int32_t>(rng());
    return v;
}

TEST(FingerprintSimilarityTest, EqualsTheHistogramDefinition)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 400; ++round)
    {
        const int na = 1 + static_cast<int>(rng() % 90);
        const int nb = 1 + static_cast<int>(rng() % 90);
        const auto a = randomPrint(rng, na);
        // Half the rounds compare related prints, so high bins and all-equal pairs occur.
        auto b = round % 2 ? randomPrint(rng, nb)
                           : withFlips(std::vector<int32_t>(a.begin(), a.begin() + std::min(na, nb)),
                                       static_cast<int>(rng() % 200));
        const int shorter = std::min(na, static_cast<int>(b.size()));
        for (const int m : {-1, 0, 1, 2, shorter / 3, 7, 200})
        {
            const float expected =
                literal::FingerprintSimilarity(a.data(), na, b.data(), static_cast<int>(b.size()), m);
            const float actual =
                sonalike::FingerprintSimilarity(a.data(), na, b.data(), static_cast<int>(b.size()), m);
            ASSERT_EQ(bitsOf(expected), bitsOf(actual)) << "round " << round << " m " << m;
        }
    }
    const auto a = randomPrint(rng, 60);
    EXPECT_EQ(sonalike::FingerprintSimilarity(a.data(), 60, a.data(), 60, 1), 1.0f);
    // 30 against 60 values divides by 16 x 30: the first 30 of a print score 1.0 against it.
    EXPECT_EQ(sonalike::FingerprintSimilarity(a.data(), 30, a.data(), 60, 10), 1.0f);
}

TEST(FingerprintSimilarityTest, EveryInstructionSetSumsDiagonalsAlike)
{
    std::mt19937 rng(17);
    for (int round = 0; round < 300; ++round)
    {
        const int n = static_cast<int>(rng() % 300);
        const auto a = randomPrint(rng, n);
        const auto b = round % 3 ? withFlips(a, static_cast<int>(rng() % (8 * n + 1))) : randomPrint(rng, n);
        const int64_t need = static_cast<int64_t>(rng() % (16 * n + 2)) - 1;
        int64_t full = 0;
        for (int k = 0; k < n; ++k)
        {
            const int e = literal::PopCount32(
                static_cast<uint32_t>(a[static_cast<size_t>(k)] ^ b[static_cast<size_t>(k)]));
            full += e < 16 ? 16 - e : 0;
        }
        for (int kernel = 0; kernel < sonalike::DiagonalKernelCount(); ++kernel)
            ASSERT_EQ(sonalike::DiagonalSumWithKernel(kernel, a.data(), b.data(), n, need),
                      full >= need ? full : -1)
                << "kernel " << kernel << " n " << n << " need " << need;
    }
}

TEST(FingerprintSimilarityTest, PopCountMatchesByteTable)
{
    std::mt19937 rng(3);
    for (const uint32_t x : {0u, 1u, 0x80000000u, 0xffffffffu, 0x0f0f0f0fu})
        EXPECT_EQ(sonalike::PopCount32(x), literal::PopCount32(x));
    for (int k = 0; k < 10000; ++k)
    {
        const uint32_t x = rng();
        ASSERT_EQ(sonalike::PopCount32(x), literal::PopCount32(x));
    }
}

// "score > t" becomes "best >= minimumBest(n)": the bound must be the exact float boundary.
TEST(FingerprintSimilarityTest, ThresholdBoundIsTheExactFloatBoundary)
{
    for (const int percent : {1, 30, 50, 75, 80, 93, 94, 95, 99, 100})
    {
        const float t = static_cast<float>(percent) / 100.0f;
        sonalike::SimilarityThreshold threshold(t);
        for (int n = 1; n <= 700; ++n)
        {
            const int64_t den = 16 * static_cast<int64_t>(n);
            const int64_t need = threshold.minimumBest(n);
            ASSERT_GE(need, 0);
            ASSERT_LE(need, den + 1);
            if (need <= den)
            {
                ASSERT_GT(sonalike::SimilarityScore(need, den), t) << percent << " " << n;
            }
            if (need > 0)
            {
                ASSERT_FALSE(sonalike::SimilarityScore(need - 1, den) > t) << percent << " " << n;
            }
            // Above 15/16 an alignment must hold exactly equal pairs to pass.
            if (threshold.needsEqualPairs())
            {
                ASSERT_GT(need, 15 * static_cast<int64_t>(n));
            }
        }
    }
}

class GroupingIdentity : public ::testing::TestWithParam<int>
{
};

TEST_P(GroupingIdentity, RandomAndNearCopiesGroupExactlyAsTheLiteralScan)
{
    const float t = static_cast<float>(GetParam()) / 100.0f;
    sonalike::WorkerPool pool(4);
    for (const uint32_t seed : {1u, 2u})
    {
        // Short prints, many buckets; some prints below 20 values stay out.
        auto songs = synthetic::makeSongs(260, 50, 0.2, seed, 40);
        const Outcome expected = literalOutcome(songs, t);
        EXPECT_EQ(fastOutcome(songs, t), expected) << "serial, seed " << seed;
        EXPECT_EQ(fastOutcome(songs, t, &pool), expected) << "parallel, seed " << seed;
    }
    // Longer prints of one length, with many near copies.
    const auto songs = synthetic::makeSongs(90, 180, 0.4, 11, 0);
    const Outcome expected = literalOutcome(songs, t);
    EXPECT_EQ(fastOutcome(songs, t, &pool), expected);
    if (GetParam() < 100)
    {
        EXPECT_FALSE(expected.ids.empty());
    }
}

// Copies whose best alignment sits exactly at, just below and just above the threshold.
TEST_P(GroupingIdentity, BoundaryScoresGroupExactlyAsTheLiteralScan)
{
    const float t = static_cast<float>(GetParam()) / 100.0f;
    std::mt19937 rng(GetParam());
    std::vector<synthetic::Song> songs;
    for (const int n : {20, 57, 100, 161})
    {
        sonalike::SimilarityThreshold threshold(t);
        const int64_t need = threshold.minimumBest(n);
        const auto original = randomPrint(rng, n);
        songs.push_back({original, 200000, 128});
        for (int64_t delta = -2; delta <= 2; ++delta)
        {
            const int64_t flips = 16 * n - need + delta;
            if (flips < 0 || flips > 15 * n)
                continue;
            songs.push_back({withFlips(original, static_cast<int>(flips)),
                             200000 + static_cast<int32_t>(delta) * 1000, static_cast<int32_t>(128 + delta)});
        }
    }
    sonalike::WorkerPool pool(3);
    const Outcome expected = literalOutcome(songs, t);
    EXPECT_EQ(fastOutcome(songs, t), expected);
    EXPECT_EQ(fastOutcome(songs, t, &pool), expected);
}

// Many batches of newcomers spread over pools of several sizes: the groups, their order and the
// scores are those of inserting one track after another, copies of songs in the same batch and in
// earlier ones alike, and a print with the key of an earlier one (same count and sum) stays out.
TEST(GroupingTest, SpreadOverThePoolGroupsAsOneAfterAnother)
{
    auto songs = synthetic::makeSongs(1500, 40, 0.2, 77, 25);
    std::mt19937 rng(78);
    for (size_t k = 700; k < songs.size(); k += 3)
    {
        // Copies of a song just before, some hundred before (the same batch or an earlier one),
        // and of copies, with few enough bit errors to pass the highest levels.
        const size_t back = std::array<size_t, 4>{1, 7, 300, 699}[rng() % 4];
        const auto& original = songs[k - back].fingerprint;
        songs[k].fingerprint = withFlips(original, static_cast<int>(rng() % (original.size() / 4 + 1)));
    }
    for (size_t k = 40; k < songs.size(); k += 97)
    {
        const auto& earlier = songs[k - 30].fingerprint;
        songs[k].fingerprint.assign(earlier.rbegin(), earlier.rend());
    }
    for (const int percent : {94, 95, 99, 100})
    {
        const float t = static_cast<float>(percent) / 100.0f;
        const Outcome expected = fastOutcome(songs, t);
        if (percent < 100)
        {
            EXPECT_GT(expected.ids.size(), 50u) << percent;
        }
        for (const unsigned threads : {2u, 3u, 8u})
        {
            sonalike::WorkerPool pool(threads);
            EXPECT_EQ(fastOutcome(songs, t, &pool), expected) << percent << "% on " << threads << " threads";
        }
    }
    const std::vector<synthetic::Song> first(songs.begin(), songs.begin() + 600);
    sonalike::WorkerPool pool(5);
    EXPECT_EQ(fastOutcome(first, 0.95f, &pool), literalOutcome(first, 0.95f));
}

INSTANTIATE_TEST_SUITE_P(Levels, GroupingIdentity,
                         ::testing::Values(1, 30, 50, 75, 80, 90, 93, 94, 95, 99, 100));

TEST(GroupingTest, ExactlyTheThresholdDoesNotJoinAndAboveJoinsTheFirstBucketInKeyOrder)
{
    std::mt19937 rng(5);
    const auto original = randomPrint(rng, 100);
    // 80 single-bit errors: 1520 / 1600 = 0.95 exactly; 64 errors: 0.96.
    std::vector<synthetic::Song> songs{{original, 200000, 128},
                                       {withFlips(original, 80), 200000, 128},
                                       {withFlips(original, 64), 200000, 128}};
    const Outcome out = fastOutcome(songs, 0.95f);
    ASSERT_EQ(out.ids.size(), 1u);
    EXPECT_EQ(out.ids[0], (std::vector<int>{0, 2}));
    EXPECT_EQ(out.scoreBits[0][1], bitsOf(0.96f));
    EXPECT_EQ(out, literalOutcome(songs, 0.95f));
}

TEST(GroupingTest, EqualKeysOfDifferentPrintsAndThresholdOneLeaveTheNewcomerOut)
{
    std::mt19937 rng(9);
    const auto a = randomPrint(rng, 64);
    const std::vector<int32_t> reversed(a.rbegin(), a.rend()); // same count and sum, no likeness
    std::vector<synthetic::Song> songs{{a, 1000, 1},
                                       {reversed, 1000, 1},
                                       {randomPrint(rng, 10), 1, 1},
                                       {std::vector<int32_t>(a.begin(), a.begin() + 19), 1, 1}};
    EXPECT_TRUE(fastOutcome(songs, 0.5f).ids.empty());
    EXPECT_EQ(fastOutcome(songs, 0.5f), literalOutcome(songs, 0.5f));
    // Threshold 1.0: even identical prints never join.
    std::vector<synthetic::Song> same{{a, 1000, 1}, {a, 2000, 1}, {a, 3000, 1}};
    EXPECT_TRUE(fastOutcome(same, 1.0f).ids.empty());
    EXPECT_EQ(fastOutcome(same, 0.99f).ids.size(), 1u);
}

TEST(GroupingTest, KeepBestOrdersCopies)
{
    DedupeTrack a, b;
    a.duration = 200000, a.bitRate = 128;
    b.duration = 235000, b.bitRate = 96;
    EXPECT_TRUE(sonalike::KeepBest(a, b)); // 35 s longer wins whatever the bit rate
    EXPECT_FALSE(sonalike::KeepBest(b, a));
    b.duration = 229000, b.bitRate = 192;
    EXPECT_TRUE(sonalike::KeepBest(a, b)); // within 30 s: the higher bit rate
    b.bitRate = 128;
    EXPECT_TRUE(sonalike::KeepBest(a, b)); // equal rates: the longer
    b.duration = 200000;
    EXPECT_FALSE(sonalike::KeepBest(a, b)); // a tie keeps the earlier one
    a.duration = INT32_MIN, b.duration = INT32_MAX;
    EXPECT_TRUE(sonalike::KeepBest(a, b)); // no overflow in the difference
}

TEST(GroupingTest, TagKeysGroupLikeTheLiteralMapAndANearWinnerGoesToTheBack)
{
    std::mt19937 rng(21);
    std::vector<synthetic::Song> songs(400);
    std::vector<std::string> texts(400);
    for (size_t k = 0; k < songs.size(); ++k)
    {
        texts[k] = std::string(1, static_cast<char>('a' + rng() % 6)) + std::string(1, '\0') +
                   std::string(1, static_cast<char>('a' + rng() % 6));
        songs[k].duration = 180000 + static_cast<int32_t>(rng() % 80000);
        songs[k].bitRate = static_cast<int32_t>(rng() % 4) * 64;
    }
    EXPECT_EQ(fastOutcome(songs, 0.8f, nullptr, false, texts), literalOutcome(songs, 0.8f, false, texts));

    // Three copies: the newcomer beats one member but not the front, so it goes to the back.
    std::vector<synthetic::Song> three{{{}, 200000, 192}, {{}, 200000, 128}, {{}, 200000, 160}};
    const std::vector<std::string> key(3, "k");
    const Outcome out = fastOutcome(three, 0.8f, nullptr, false, key);
    ASSERT_EQ(out.ids.size(), 1u);
    EXPECT_EQ(out.ids[0], (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(out.scoreBits[0], (std::vector<uint32_t>{bitsOf(1.0f), 0, 0}));
}

} // namespace

namespace
{

TEST(DedupeTextTest, NamesExtensionsAndReplacements)
{
    using namespace sonalike;
    EXPECT_EQ(BaseNameNoExt("C:\\Music\\a.b.mp3"), "a.b");
    EXPECT_EQ(BaseNameNoExt("/x.y/song"), "song");
    EXPECT_EQ(BaseNameNoExt("/m/.mp3"), "");
    EXPECT_EQ(BaseNameNoExt("/m/ .mp3"), " ");
    EXPECT_EQ(BaseNameNoExt(""), "");
    EXPECT_EQ(LowerExtension("A.MP3"), "mp3");
    EXPECT_EQ(LowerExtension("song"), "");
    EXPECT_TRUE(ExtensionInList("mp3", kAudioExtensions));
    EXPECT_TRUE(ExtensionInList("wv", kAudioExtensions));
    EXPECT_FALSE(ExtensionInList("txt", kAudioExtensions));
    EXPECT_FALSE(ExtensionInList("", kAudioExtensions));
    EXPECT_FALSE(ExtensionInList("mp3;wav", kAudioExtensions)); // a name cannot match two entries
    EXPECT_EQ(StripSpaces(" a b  "), "ab");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa"); // the search goes on after the replacement
    EXPECT_EQ(ReplaceAll("C:\\a\\b", "\\", "/"), "C:/a/b");
}

} // namespace
