#include "kestrine.h"

#include "AudioFixture.h"
#include "PcmFiles.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QFile>

#include <climits>
#include <cstring>
#include <thread>
#include <vector>

using namespace tidewell::test;

namespace
{

constexpr int64_t kBytesPerSecond = 44100 * 4;

std::vector<int16_t> decode(const QString& path, int milliseconds, int64_t bufferBytes, int64_t* result)
{
    std::vector<int16_t> out(static_cast<size_t>(bufferBytes / 2 + 1), 0);
    *result = KestrineDecodePcm(path.toUtf8().constData(), milliseconds, out.data(), bufferBytes);
    out.resize(*result > 0 ? static_cast<size_t>(*result / 2) : 0);
    return out;
}

class KestrineDecode : public ::testing::Test
{
protected:
    TempHome home;
    // Three seconds of a known stereo signal, as WAV.
    const std::vector<int16_t> source = makePcm(3 * 44100, 2, 7);
    QString wavPath = home.file("music/source.wav");

    void SetUp() override { ASSERT_TRUE(writeWav(wavPath, source, 2, 44100)); }
};

TEST_F(KestrineDecode, WavAndItsFlacCopyDecodeToTheExactSourceSamples)
{
    int64_t got = 0;
    EXPECT_EQ(decode(wavPath, 10000, 4 * kBytesPerSecond, &got), source);
    EXPECT_EQ(got, static_cast<int64_t>(source.size() * 2));

    const QString flacPath = home.file("music/copy.flac");
    ASSERT_TRUE(runFfmpeg({"-i", wavPath, "-c:a", "flac", flacPath}));
    EXPECT_EQ(decode(flacPath, 10000, 4 * kBytesPerSecond, &got), source);
}

TEST_F(KestrineDecode, StopsAtTheAskedLengthOrTheBufferInWholeFramesAndNeverWritesPast)
{
    // One second asked: exactly one second back, and it is the start of the file.
    int64_t got = 0;
    auto pcm = decode(wavPath, 1000, 4 * kBytesPerSecond, &got);
    EXPECT_EQ(got, kBytesPerSecond);
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), source.begin()));

    // A buffer that is not a whole number of frames: only whole frames, the tail untouched.
    std::vector<unsigned char> buffer(1003 + 64, 0xAB);
    const int64_t n = KestrineDecodePcm(wavPath.toUtf8().constData(), 10000, buffer.data(), 1003);
    EXPECT_EQ(n, 1000);
    for (size_t i = 1000; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], 0xAB) << "byte " << i << " was written";
    EXPECT_EQ(std::memcmp(buffer.data(), source.data(), 1000), 0);

    // Too small for one frame, no length, or no buffer: a failure, nothing written.
    unsigned char tiny[3] = {1, 2, 3};
    EXPECT_LE(KestrineDecodePcm(wavPath.toUtf8().constData(), 1000, tiny, 3), 0);
    EXPECT_EQ(tiny[0], 1);
    EXPECT_LE(KestrineDecodePcm(wavPath.toUtf8().constData(), 0, buffer.data(), 1003), 0);
    EXPECT_LE(KestrineDecodePcm(wavPath.toUtf8().constData(), 1000, nullptr, 1003), 0);
    EXPECT_LE(KestrineDecodePcm(nullptr, 1000, buffer.data(), 1003), 0);
}

TEST_F(KestrineDecode, VeryLongLengthsDoNotWrapAround)
{
    // INT_MAX milliseconds times 44 100 does not fit in 32 bits; the whole file still comes back.
    int64_t got = 0;
    EXPECT_EQ(decode(wavPath, INT_MAX, 8 * kBytesPerSecond, &got), source);
    // A length worth more than 2^32 bytes of PCM, into a small buffer: the buffer bounds it.
    std::vector<int16_t> small(200);
    EXPECT_EQ(KestrineDecodePcm(wavPath.toUtf8().constData(), 30'000'000, small.data(), 400), 400);
}

TEST_F(KestrineDecode, MonoIsCopiedToBothChannelsAtUnityGain)
{
    const auto mono = makePcm(44100, 1, 3);
    const QString monoWav = home.file("music/mono.wav");
    ASSERT_TRUE(writeWav(monoWav, mono, 1, 44100));
    int64_t got = 0;
    const auto pcm = decode(monoWav, 5000, 2 * kBytesPerSecond, &got);
    ASSERT_EQ(pcm.size(), mono.size() * 2);
    for (size_t i = 0; i < mono.size(); ++i)
    {
        ASSERT_EQ(pcm[2 * i], mono[i]) << "frame " << i;
        ASSERT_EQ(pcm[2 * i + 1], mono[i]) << "frame " << i;
    }

    // A lossy mono file: left equals right everywhere.
    const QString monoMp3 = home.file("music/mono.mp3");
    AudioSpec audioSpec;
    audioSpec.format = AudioFormat::Mp3;
    audioSpec.channels = 1;
    audioSpec.seconds = 2;
    ASSERT_TRUE(makeAudioFile(monoMp3, audioSpec));
    const auto lossy = decode(monoMp3, 5000, 3 * kBytesPerSecond, &got);
    ASSERT_GT(got, kBytesPerSecond);
    for (size_t i = 0; i + 1 < lossy.size(); i += 2)
        ASSERT_EQ(lossy[i], lossy[i + 1]) << "frame " << i / 2;
}

TEST_F(KestrineDecode, EveryFormatAndSampleRateComesOutAt44100Stereo)
{
    for (AudioFormat format : {AudioFormat::Mp3, AudioFormat::M4a, AudioFormat::Flac, AudioFormat::Wma,
                               AudioFormat::Aiff, AudioFormat::Wav, AudioFormat::Tta})
    {
        for (int rate : {44100, 48000, 22050})
        {
            const QString path =
                home.file(QString("music/%1-%2.%3").arg(int(format)).arg(rate).arg(extensionOf(format)));
            AudioSpec audioSpec;
            audioSpec.format = format;
            audioSpec.seconds = 2;
            audioSpec.sampleRate = rate;
            ASSERT_TRUE(makeAudioFile(path, audioSpec)) << path.toStdString();
            int64_t got = 0;
            decode(path, 60000, 4 * kBytesPerSecond, &got);
            // Two seconds at 44 100 Hz, give or take a codec's padding.
            EXPECT_NEAR(double(got), 2.0 * kBytesPerSecond, 0.05 * kBytesPerSecond) << path.toStdString();
            EXPECT_EQ(got % 4, 0);
        }
    }
}

TEST_F(KestrineDecode, BadFilesFailWithoutCrashing)
{
    std::vector<int16_t> buffer(kBytesPerSecond);
    auto decodeBytes = [&](const QString& path)
    { return KestrineDecodePcm(path.toUtf8().constData(), 1000, buffer.data(), kBytesPerSecond); };
    EXPECT_LE(decodeBytes(home.file("music/missing.mp3")), 0);

    const QString empty = home.file("music/empty.mp3");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_LE(decodeBytes(empty), 0);

    const QString garbage = home.file("music/garbage.flac");
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray bytes(64 * 1024, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 131) ^ (i >> 3));
        f.write(bytes);
    }
    EXPECT_LE(decodeBytes(garbage), 0);

    const QString picture = home.file("music/cover.mp3");
    {
        QFile f(picture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(makePicture(64, 64, 0x336699, "PNG"));
    }
    EXPECT_LE(decodeBytes(picture), 0);

    // A truncated file decodes what is there, and no more.
    const QString cut = home.file("music/cut.wav");
    QFile::copy(wavPath, cut);
    QFile(cut).resize(44 + 4 * 1000 + 3);
    int64_t got = 0;
    const auto pcm = decode(cut, 1000, kBytesPerSecond, &got);
    EXPECT_EQ(got, 4000);
    EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), source.begin()));
}

TEST_F(KestrineDecode, TakesTheAudioOfAFileThatAlsoHoldsVideo)
{
    // A video stream first, the known PCM second (as lossless FLAC inside Matroska).
    const QString video = home.file("music/clip.mkv");
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=3", "-i", wavPath,
                           "-map", "0:v", "-map", "1:a", "-c:v", "mpeg4", "-c:a", "flac", video}));
    int64_t got = 0;
    EXPECT_EQ(decode(video, 10000, 4 * kBytesPerSecond, &got), source);
}

TEST_F(KestrineDecode, NamesWithColonsAndNonLatinLettersAreOrdinaryFiles)
{
    const QString odd = home.file(QString::fromUtf8("music/http:гром 雷.wav"));
    ASSERT_TRUE(QFile::copy(wavPath, odd));
    int64_t got = 0;
    EXPECT_EQ(decode(odd, 10000, 4 * kBytesPerSecond, &got), source);
}

TEST_F(KestrineDecode, ThreadsDecodeAtTheSameTime)
{
    const QString flacPath = home.file("music/copy.flac");
    ASSERT_TRUE(runFfmpeg({"-i", wavPath, "-c:a", "flac", flacPath}));
    const QByteArray utf8 = flacPath.toUtf8();
    std::vector<std::vector<int16_t>> results(6, std::vector<int16_t>(source.size()));
    std::vector<int64_t> sizes(results.size());
    std::vector<std::thread> threads;
    for (size_t t = 0; t < results.size(); ++t)
        threads.emplace_back(
            [&, t]
            {
                for (int round = 0; round < 3; ++round)
                    sizes[t] = KestrineDecodePcm(utf8.constData(), 20000, results[t].data(),
                                                 static_cast<int64_t>(results[t].size() * 2));
            });
    for (auto& th : threads)
        th.join();
    for (size_t t = 0; t < results.size(); ++t)
    {
        EXPECT_EQ(sizes[t], static_cast<int64_t>(source.size() * 2));
        EXPECT_EQ(results[t], source) << "thread " << t;
    }
}

TEST(KestrineInstances, HandlesArePositiveDistinctAndUnknownOnesAreIgnored)
{
    const int a = KestrineOpen("Zavro/Tidewell", -1);
    const int b = KestrineOpen("Zavro/Tidewell", -1);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(KestrineOpen(nullptr, -1), 0);
    EXPECT_EQ(KestrineOpen("", -1), 0);
    KestrineConfigure(a, 4);
    KestrineConfigure(12345678, 4);
    KestrineClose(a);
    KestrineRelease(a);
    KestrineClose(a);
    KestrineRelease(a);
    KestrineClose(-5);
    KestrineRelease(0);
    KestrineClose(b);
    KestrineRelease(b);
    EXPECT_NE(KestrineOpen("Zavro/Tidewell", -1), a);
}

} // namespace
