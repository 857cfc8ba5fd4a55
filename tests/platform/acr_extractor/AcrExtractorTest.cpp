#include "acr_extractor.h"
#include "kestrine.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using tidewell::test::AudioFormat;
using tidewell::test::AudioSpec;
using tidewell::test::TempHome;

namespace
{

struct Fingerprint
{
    int result = 0;
    QByteArray bytes;
};

Fingerprint byFile(const QString& path, int start = 0, int length = 12)
{
    char* buffer = nullptr;
    Fingerprint fp;
    fp.result = create_fingerprint_by_file(QFile::encodeName(path).constData(), start, length, 0, &buffer);
    if (fp.result > 0)
        fp.bytes = QByteArray(buffer, fp.result);
    else
        EXPECT_EQ(buffer, nullptr);
    acr_free(buffer);
    return fp;
}

Fingerprint byPcm(const QByteArray& pcm, int start = 0, int length = 12)
{
    char* buffer = nullptr;
    Fingerprint fp;
    fp.result = create_fingerprint_by_pcm(pcm.constData(), int(pcm.size()), start, length, 0, &buffer);
    if (fp.result > 0)
        fp.bytes = QByteArray(buffer, fp.result);
    acr_free(buffer);
    return fp;
}

struct AcrExtractor : ::testing::Test
{
    TempHome home;

    QString makeFile(const char* name, AudioFormat format, double seconds, double toneHz, int seed = 1,
                     int channels = 2)
    {
        AudioSpec audioSpec;
        audioSpec.format = format;
        audioSpec.seconds = seconds;
        audioSpec.toneHz = toneHz;
        audioSpec.noiseSeed = seed;
        audioSpec.channels = channels;
        const QString path = home.file(QString::fromLatin1(name));
        EXPECT_TRUE(tidewell::test::makeAudioFile(path, audioSpec)) << name;
        return path;
    }

    static QByteArray decode(const QString& path, int seconds)
    {
        QByteArray pcm(qsizetype(seconds) * 44100 * 4, '\0');
        const int64_t bytes =
            KestrineDecodePcm(QFile::encodeName(path).constData(), seconds * 1000, pcm.data(), pcm.size());
        pcm.truncate(bytes > 0 ? bytes : 0);
        return pcm;
    }
};

} // namespace

TEST_F(AcrExtractor, FileFingerprintIsCompressedBase64AndStable)
{
    EXPECT_EQ(acr_init(), 0);
    const QString path = makeFile("noise.flac", AudioFormat::Flac, 15, 0);
    const Fingerprint first = byFile(path);
    ASSERT_GT(first.result, 0);
    // URL-safe base64 text of Chromaprint's compressed form.
    for (const char c : first.bytes)
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') << int(c);
    EXPECT_FALSE(QByteArray::fromBase64(first.bytes, QByteArray::Base64UrlEncoding).isEmpty());
    EXPECT_EQ(byFile(path).bytes, first.bytes);

    // Other audio, or other seconds of the same audio, give another fingerprint.
    EXPECT_NE(byFile(makeFile("other.flac", AudioFormat::Flac, 15, 0, 99)).bytes, first.bytes);
    EXPECT_NE(byFile(path, 2, 10).bytes, first.bytes);
}

TEST_F(AcrExtractor, BufferAndFileAgree)
{
    const QString path = makeFile("noise.wav", AudioFormat::Wav, 16, 0, 5);
    const QByteArray pcm = decode(path, 16);
    ASSERT_GT(pcm.size(), 0);
    EXPECT_EQ(byPcm(pcm).bytes, byFile(path).bytes);
    EXPECT_EQ(byPcm(pcm, 3, 12).bytes, byFile(path, 3, 12).bytes);
    // An odd tail of a frame is ignored.
    EXPECT_EQ(byPcm(pcm + QByteArray("\x01\x02\x03", 3)).bytes, byPcm(pcm).bytes);
}

TEST_F(AcrExtractor, MonoAndShortFiles)
{
    EXPECT_GT(byFile(makeFile("mono.mp3", AudioFormat::Mp3, 14, 0, 3, 1)).result, 0);
    // Shorter than asked: what there is is fingerprinted.
    EXPECT_GT(byFile(makeFile("short.m4a", AudioFormat::M4a, 5, 0, 4)).result, 0);
    // Starting past the end of the audio: nothing to fingerprint.
    EXPECT_EQ(byFile(makeFile("tiny.wav", AudioFormat::Wav, 2, 0, 6), 10, 12).result, ACR_NOT_DECODABLE);
}

TEST_F(AcrExtractor, Failures)
{
    EXPECT_EQ(byFile(home.file(QStringLiteral("missing.mp3"))).result, ACR_NOT_READABLE);
    EXPECT_EQ(byFile(QString()).result, ACR_NOT_READABLE);

    const QString text = home.file(QStringLiteral("text.mp3"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'z'));
    file.close();
    EXPECT_EQ(byFile(text).result, ACR_NOT_DECODABLE);

    const QString path = makeFile("ok.wav", AudioFormat::Wav, 3, 440);
    EXPECT_EQ(byFile(path, -1, 12).result, ACR_NO_FINGERPRINT);
    EXPECT_EQ(byFile(path, 0, 0).result, ACR_NO_FINGERPRINT);
    EXPECT_EQ(byFile(path, 0, 100000).result, ACR_NO_FINGERPRINT);
    EXPECT_EQ(create_fingerprint_by_file(QFile::encodeName(path).constData(), 0, 12, 0, nullptr),
              ACR_NO_FINGERPRINT);

    char* buffer = reinterpret_cast<char*>(1);
    EXPECT_EQ(create_fingerprint_by_pcm(nullptr, 100, 0, 12, 0, &buffer), ACR_NO_FINGERPRINT);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(byPcm(QByteArray()).result, ACR_NOT_DECODABLE);
    EXPECT_EQ(byPcm(QByteArray(3, '\0')).result, ACR_NOT_DECODABLE);
    acr_free(nullptr);
}

TEST_F(AcrExtractor, ThreadsFingerprintAtTheSameTime)
{
    const QString a = makeFile("a.flac", AudioFormat::Flac, 13, 0, 11);
    const QString b = makeFile("b.mp3", AudioFormat::Mp3, 13, 0, 12);
    const QByteArray expectedA = byFile(a).bytes;
    const QByteArray expectedB = byFile(b).bytes;
    ASSERT_FALSE(expectedA.isEmpty());

    std::vector<QByteArray> results(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&, i] { results[i] = byFile(i % 2 ? b : a).bytes; });
    for (auto& thread : threads)
        thread.join();
    for (size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i], i % 2 ? expectedB : expectedA) << i;
}
