#include "Fingerprint.h"
#include "MusicFlags.h"

#include "MusicSignal.h"
#include "PcmFiles.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include <bit>
#include <mutex>
#include <random>

using namespace tidewell::test;

namespace
{

const QStringList kMp3{"-c:a", "libmp3lame", "-b:a", "128k"};
const QStringList kAac{"-c:a", "aac", "-b:a", "128k"};
constexpr uint32_t kLevels[] = {MF_MatchHigh, MF_MatchMedium, MF_MatchLow};

std::vector<uint32_t> randomItems(size_t n, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint32_t> items(n);
    for (auto& item : items)
        item = random();
    return items;
}

// Flips `bits` distinct bits of an item.
uint32_t flip(uint32_t item, int bits)
{
    for (int b = 0; b < bits; ++b)
        item ^= 1u << (b * 5 % 32);
    return item;
}

// The comparison written out plainly, in floating point, as the reference for the real one.
int literalCompare(const uint32_t* first, const uint32_t* second, int n, uint32_t flags)
{
    if (!first || !second)
        return -1;
    if (n < 100)
        return -2;
    const int L = (flags & 0x10) ? 1 : (flags & 0x20) ? 2 : (flags & 0x40) ? 3 : 2;
    const int E = 6 * L;
    const double T = 0.08 * L;
    struct Found
    {
        bool has = false;
        int p = 0, q = 0;
    };
    std::vector<Found> blocks;
    for (int b = 0; b <= n / 50 - 1 && b < 5; ++b)
    {
        auto score = [&](const uint32_t* x, const uint32_t* y, int s, double& out)
        {
            int sum = 0;
            for (int j = 0; j < 50; ++j)
            {
                const int i = 50 * b + j;
                if (i + s >= n - 10)
                    return false;
                const int bits = std::popcount(x[i] ^ y[i + s]);
                if (bits > E)
                    return false;
                sum += bits;
            }
            out = sum / 1600.0;
            return true;
        };
        double best = 1.0;
        Found f;
        for (int s = 0; s < 50; ++s)
        {
            double fwd = 0, bwd = 0;
            const bool hasFwd = score(first, second, s, fwd);
            bool hasBwd = s == 0 ? hasFwd : score(second, first, s, bwd);
            if (s == 0)
                bwd = fwd;
            if (hasFwd && fwd < best)
            {
                best = fwd;
                f = {false, 0, s};
            }
            if (hasBwd && bwd < best)
            {
                best = bwd;
                f = {false, s, 0};
            }
        }
        f.has = best <= T;
        blocks.push_back(f);
    }
    int chosen = -1;
    for (size_t b = 0; b < blocks.size() && chosen < 0; ++b)
        for (size_t l = b + 1; l < blocks.size(); ++l)
            if (blocks[b].has && blocks[l].has && blocks[b].p == blocks[l].p && blocks[b].q == blocks[l].q)
            {
                chosen = int(b);
                break;
            }
    for (int b = int(blocks.size()) - 1; chosen < 0 && b >= 0; --b)
        if (blocks[size_t(b)].has)
            chosen = b;
    if (chosen < 0)
        return 0;
    const int p = blocks[size_t(chosen)].p, q = blocks[size_t(chosen)].q, r = std::max(p, q);
    long total = 0;
    for (int k = 0; k < n - r; ++k)
    {
        const int bits = std::popcount(first[k + p] ^ second[k + q]);
        if (bits > E)
            return 0;
        total += bits;
    }
    return total / double((n - r) * 32) <= T ? 1 : 0;
}

TEST(CompareRawFingerprints, IdenticalArraysMatchAtEveryLevel)
{
    const auto a = randomItems(150, 1);
    for (uint32_t level : kLevels)
        EXPECT_EQ(CompareRawFingerprints(a.data(), a.data(), 150, level), 1);
    EXPECT_EQ(CompareRawFingerprints(a.data(), a.data(), 150, 0), 1);
    EXPECT_EQ(CompareRawFingerprints(a.data(), a.data(), 99, 0), -2);
    EXPECT_EQ(CompareRawFingerprints(nullptr, a.data(), 150, 0), -1);
    EXPECT_EQ(CompareRawFingerprints(a.data(), nullptr, 150, 0), -1);
    const auto b = randomItems(150, 2);
    EXPECT_EQ(CompareRawFingerprints(a.data(), b.data(), 150, MF_MatchLow), 0);
}

TEST(CompareRawFingerprints, FindsADelayInEitherArray)
{
    const auto a = randomItems(160, 3);
    // second[i + 7] = first[i]; its first seven items are unrelated and must not be compared.
    std::vector<uint32_t> b = randomItems(160, 4);
    std::copy(a.begin(), a.end() - 7, b.begin() + 7);
    EXPECT_EQ(CompareRawFingerprints(a.data(), b.data(), 160, MF_MatchHigh), 1);
    EXPECT_EQ(CompareRawFingerprints(b.data(), a.data(), 160, MF_MatchHigh), 1);
}

TEST(CompareRawFingerprints, PerItemLimitAndThresholdFollowTheLevel)
{
    // One item differing in 7 bits: over the limit at level 1 (6), within it at level 2 (12).
    const auto a = randomItems(150, 5);
    auto b = a;
    b[120] = flip(b[120], 7);
    EXPECT_EQ(CompareRawFingerprints(a.data(), b.data(), 150, MF_MatchHigh), 0);
    EXPECT_EQ(CompareRawFingerprints(a.data(), b.data(), 150, MF_MatchMedium), 1);

    // A bit-error rate of exactly 0.16 is a duplicate at level 2; one bit more is not.
    auto c = a;
    for (int i = 0; i < 100; ++i)
        c[size_t(i)] = flip(a[size_t(i)], i >= 88 ? 6 : 5); // 88 x 5 + 12 x 6 = 512 = 0.16 x 3200
    EXPECT_EQ(CompareRawFingerprints(a.data(), c.data(), 100, MF_MatchMedium), 1);
    c[0] = flip(a[0], 6);
    EXPECT_EQ(CompareRawFingerprints(a.data(), c.data(), 100, MF_MatchMedium), 0);
    EXPECT_EQ(CompareRawFingerprints(a.data(), c.data(), 100, MF_MatchLow), 1);
}

TEST(CompareRawFingerprints, AgreesWithThePlainFloatingPointVersion)
{
    std::mt19937 random(99);
    for (int round = 0; round < 3000; ++round)
    {
        const int n = 100 + int(random() % 160);
        auto a = randomItems(size_t(n), random());
        std::vector<uint32_t> b(static_cast<size_t>(n));
        const int delay = int(random() % 12);
        const bool delayFirst = random() & 1;
        const int noise = int(random() % 9);
        for (int i = 0; i < n; ++i)
        {
            const int from = delayFirst ? i + delay : i - delay;
            b[size_t(i)] = from >= 0 && from < n ? flip(a[size_t(from)], int(random() % (noise + 1)))
                                                 : uint32_t(random());
        }
        for (uint32_t flags : {0u, uint32_t(MF_MatchHigh), uint32_t(MF_MatchMedium), uint32_t(MF_MatchLow)})
            ASSERT_EQ(CompareRawFingerprints(a.data(), b.data(), n, flags),
                      literalCompare(a.data(), b.data(), n, flags))
                << "round " << round << " flags " << flags;
    }
}

class FingerprintFiles : public ::testing::Test
{
protected:
    TempHome home;
    std::mutex logMutex;
    QStringList messages;

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(home.file("data")));
        ASSERT_TRUE(AllocDecodeBuffer());
        SetFingerprintLog(
            [this](const QString& text)
            {
                std::lock_guard lock(logMutex);
                messages << text;
            });
    }
    void TearDown() override
    {
        SetFingerprintLog({});
        FreeDecodeBuffer();
    }

    QString tune(const QString& name, uint32_t seed, const QStringList& codec, double seconds = 24)
    {
        const QString path = home.file("music/" + name);
        EXPECT_TRUE(makeTuneFile(path, seconds, seed, codec)) << name.toStdString();
        return path;
    }
    QString cache(const QString& id) { return FingerprintCachePath(home.file("data"), id); }

    static int compare(const QString& a, const QString& ca, const QString& b, const QString& cb,
                       uint32_t flags = 0)
    {
        return CompareFingerprintFiles(a.toUtf8().constData(), ca.toUtf8().constData(),
                                       b.toUtf8().constData(), cb.toUtf8().constData(), flags);
    }
};

TEST_F(FingerprintFiles, TheSameMusicAsMp3AndAacIsOneSongAndOtherMusicIsNot)
{
    const QString mp3 = tune("song.mp3", 11, kMp3);
    const QString aac = tune("song.m4a", 11, kAac);
    const QString other = tune("other.mp3", 12, kMp3);
    EXPECT_EQ(compare(mp3, cache("A"), aac, cache("B"), MF_MatchHigh), 1);
    EXPECT_EQ(compare(mp3, cache("A"), other, cache("C"), MF_MatchLow), 0);
    EXPECT_EQ(compare(aac, cache("B"), other, cache("C"), MF_MatchLow), 0);
    EXPECT_TRUE(messages.contains("Start DecoderMusic:" + mp3));
    EXPECT_TRUE(messages.contains("End DecoderMusic:3528000 " + mp3));
}

TEST_F(FingerprintFiles, CacheFilesAreMadeOnceAndReused)
{
    const QString mp3 = tune("one.mp3", 21, kMp3);
    const QString wav = tune("one.wav", 21, {});
    EXPECT_EQ(compare(mp3, cache("A"), wav, cache("B")), 1);
    const QByteArray made = [&]
    {
        QFile f(cache("A"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ASSERT_GE(made.size(), 8 + 4 * 100);
    EXPECT_EQ(made.left(8), QByteArray("\x44\xac\x00\x00\x00\x00\x00\x00", 8)); // 44100, 0

    // The second comparison decodes nothing: it reads both cache files.
    messages.clear();
    EXPECT_EQ(compare(mp3, cache("A"), wav, cache("B")), 1);
    EXPECT_TRUE(messages.filter("DecoderMusic").isEmpty());

    std::vector<uint32_t> items;
    EXPECT_EQ(ReadFingerprintCache(cache("A"), mp3, items), 0);
    EXPECT_GE(items.size(), 100u);
}

TEST_F(FingerprintFiles, ALongCacheIsReadAsTwoHundredItems)
{
    const QString mp3 = tune("long.mp3", 31, kMp3, 3);
    const auto items = randomItems(250, 7);
    ASSERT_TRUE(WriteFingerprintCache(cache("L"), mp3, items));
    std::vector<uint32_t> read;
    ASSERT_EQ(ReadFingerprintCache(cache("L"), mp3, read), 0);
    EXPECT_EQ(read, std::vector<uint32_t>(items.begin(), items.begin() + 200));
}

TEST_F(FingerprintFiles, DamagedOrStaleCachesAreMadeAnew)
{
    const QString a = tune("a.mp3", 41, kMp3);
    const QString b = tune("b.mp3", 42, kMp3);
    const QString aCopy = home.file("music/a-copy.mp3");
    ASSERT_TRUE(QFile::copy(a, aCopy));

    // Shorter than a header, and the old bare layout: neither is trusted.
    for (const QByteArray& junk : {QByteArray("\x44\xac", 2), QByteArray(8 + 4 * 150, '\0')})
    {
        {
            QFile f(cache("A"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(junk);
        }
        EXPECT_EQ(compare(a, cache("A"), aCopy, cache("C")), 1);
        std::vector<uint32_t> items;
        EXPECT_EQ(ReadFingerprintCache(cache("A"), a, items), 0);
    }

    // A cache made for b, handed over as a's: b's size and time do not match, so a is decoded.
    EXPECT_EQ(compare(b, cache("B"), aCopy, cache("C")), 0);
    ASSERT_TRUE(QFile::remove(cache("A")));
    ASSERT_TRUE(QFile::copy(cache("B"), cache("A")));
    messages.clear();
    EXPECT_EQ(compare(a, cache("A"), aCopy, cache("C")), 1);
    EXPECT_TRUE(messages.contains("Start DecoderMusic:" + a));

    // The audio file changed after its cache was made: made anew.
    std::vector<uint32_t> items;
    ASSERT_EQ(ReadFingerprintCache(cache("C"), aCopy, items), 0);
    ASSERT_TRUE(QFile::remove(aCopy));
    ASSERT_TRUE(QFile::copy(b, aCopy));
    EXPECT_EQ(ReadFingerprintCache(cache("C"), aCopy, items), 1);
    EXPECT_EQ(compare(b, cache("B"), aCopy, cache("C")), 1);
}

TEST_F(FingerprintFiles, FailuresGiveTheirCodesAndLeaveNoCacheForTheFailedTrack)
{
    const QString good = tune("good.mp3", 51, kMp3);
    const QString missing = home.file("music/missing.mp3");
    const QString noise = home.file("music/noise.mp3");
    {
        QFile f(noise);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4000, 'x'));
    }
    EXPECT_EQ(compare(missing, cache("M"), good, cache("G")), -7);
    EXPECT_FALSE(QFile::exists(cache("M")));
    EXPECT_FALSE(QFile::exists(cache("G"))); // the second track was never reached

    EXPECT_EQ(compare(good, cache("G"), noise, cache("N")), -11);
    EXPECT_TRUE(QFile::exists(cache("G"))); // made before the second track failed
    EXPECT_FALSE(QFile::exists(cache("N")));
    EXPECT_TRUE(messages.filter("VedrDecodeAudioFile Failed!").size() >= 2);

    EXPECT_EQ(CompareFingerprintFiles(nullptr, "x", "y", "z", 0), -1);

    // Too short to compare: which side is shorter decides the code.
    const QString shortSong = tune("short.mp3", 52, kMp3, 5);
    EXPECT_EQ(compare(shortSong, cache("S"), good, cache("G")), -20);
    EXPECT_EQ(compare(good, cache("G"), shortSong, cache("S")), -21);
    EXPECT_EQ(compare(shortSong, cache("S"), shortSong, cache("S")), -20);

    // No decode buffer: nothing is decoded.
    FreeDecodeBuffer();
    FingerprintJob job;
    EXPECT_EQ(DecodeToFingerprint(good.toUtf8().constData(), &job), -1);
    EXPECT_EQ(compare(shortSong, cache("X"), good, cache("G")), -7);
    EXPECT_TRUE(AllocDecodeBuffer());
    EXPECT_EQ(DecodeToFingerprint(good.toUtf8().constData(), &job), -2); // no Chromaprint context
    EXPECT_EQ(DecodeToFingerprint(nullptr, &job), -1);
}

TEST(FingerprintHelpers, WideTextAndCachePaths)
{
    std::wstring wide;
    EXPECT_EQ(Utf8ToWide(nullptr, wide), 0);
    EXPECT_EQ(Utf8ToWide("Гром/雷", wide), 7); // six characters and the terminator
    EXPECT_EQ(wide, L"Гром/雷");
    EXPECT_EQ(FingerprintCachePath("/data/Zavro/Tidewell", "00AB12"),
              "/data/Zavro/Tidewell/00AB12fingerprint.bin");
}

} // namespace
