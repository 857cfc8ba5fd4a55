#include "AudioFileTags.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <functional>
#include <utility>

#include <gtest/gtest.h>

using namespace tidewell::ithost;
using namespace tidewell::test;

// Every format the host adds and edits: text tags, year and artwork go in and come back out.
TEST(AudioFileTags, TagsAndArtworkInEveryFormat)
{
    TempHome home;
    const AudioFormat formats[] = {AudioFormat::Mp3,  AudioFormat::M4a, AudioFormat::Flac, AudioFormat::Wma,
                                   AudioFormat::Aiff, AudioFormat::Wav, AudioFormat::Tta};
    const std::string jpeg = makePicture(12, 12, 0x123456u).toStdString();
    const std::string png = makePicture(8, 8, 0xabcdefu, "PNG").toStdString();
    for (AudioFormat format : formats)
    {
        const std::string ext = extensionOf(format).toStdString();
        const QString path = home.file(QString("files/tone é.%1").arg(extensionOf(format)));
        AudioSpec audioSpec;
        audioSpec.format = format;
        audioSpec.seconds = 1.0;
        ASSERT_TRUE(makeAudioFile(path, audioSpec)) << ext;
        const std::string file = path.toStdString();

        AudioFileInfo info;
        ASSERT_TRUE(AudioFileTags::read(file, info)) << ext;
        EXPECT_GT(info.lengthMs, 500) << ext;
        EXPECT_GT(info.sampleRate, 0) << ext;
        EXPECT_GT(info.size, 0) << ext;

        EXPECT_TRUE(AudioFileTags::writeText(file, AudioFileTags::Field::Title, "Тема № 1")) << ext;
        EXPECT_TRUE(AudioFileTags::writeText(file, AudioFileTags::Field::Genre, "Ambient")) << ext;
        EXPECT_TRUE(AudioFileTags::writeYear(file, 2011)) << ext;

        std::vector<std::string> pictures;
        ASSERT_TRUE(AudioFileTags::pictures(file, pictures)) << ext;
        EXPECT_TRUE(pictures.empty()) << ext;
        ASSERT_TRUE(AudioFileTags::addPicture(file, jpeg)) << ext;
        ASSERT_TRUE(AudioFileTags::addPicture(file, png)) << ext;
        ASSERT_TRUE(AudioFileTags::pictures(file, pictures)) << ext;
        ASSERT_EQ(pictures.size(), 2u) << ext;
        // ASF keeps its attributes in no fixed order; every other format keeps the order added.
        if (format == AudioFormat::Wma && pictures[0] != jpeg)
            std::swap(pictures[0], pictures[1]);
        EXPECT_EQ(pictures[0], jpeg) << ext;
        EXPECT_EQ(pictures[1], png) << ext;

        ASSERT_TRUE(AudioFileTags::read(file, info)) << ext;
        EXPECT_EQ(info.title, "Тема № 1") << ext;
        EXPECT_EQ(info.genre, "Ambient") << ext;
        EXPECT_EQ(info.year, 2011u) << ext;
    }
}

TEST(AudioFileTags, NonAudioIsRefusedAndLeftAlone)
{
    TempHome home;
    const QString path = home.file("files/fake.mp3");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ID3 but nothing after it");
    file.close();
    AudioFileInfo info;
    EXPECT_FALSE(AudioFileTags::read(path.toStdString(), info));
    EXPECT_FALSE(AudioFileTags::read(home.file("files/missing.flac").toStdString(), info));
    EXPECT_FALSE(AudioFileTags::writeText(home.file("files/missing.flac").toStdString(),
                                          AudioFileTags::Field::Title, "x"));
    EXPECT_FALSE(AudioFileTags::addPicture(path.toStdString(), ""));
}

namespace
{

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The MD5 of the samples ffmpeg decodes from the file.
QByteArray decodedSound(const QString& path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "quiet", "-i", path, "-map", "0:a:0", "-f", "md5", "-"});
    ffmpeg.waitForFinished(60000);
    return ffmpeg.readAllStandardOutput();
}

} // namespace

// A file whose chunks, boxes, pages or tag run off is never written (TagLib would put its tags
// amid the sound); every other file, odd or plain, gets its tags and decodes as before.
TEST(AudioFileTags, BrokenContainersAreRefusedAndNoEditChangesTheSound)
{
    TempHome home;
    using Damage = std::function<void(QByteArray&)>;
    auto sizeOf = [](const char* id, quint32 value, bool big) -> Damage
    {
        return [=](QByteArray& b)
        {
            char* at = b.data() + b.indexOf(id) + 4;
            big ? qToBigEndian(value, at) : qToLittleEndian(value, at);
        };
    };
    auto before = [](const char* id, QByteArray chunk) -> Damage
    { return [=](QByteArray& b) { b.insert(b.indexOf(id), chunk); }; };
    auto cut = [](QByteArray& b) { b.chop(b.size() / 3); };
    struct Case
    {
        AudioFormat format;
        const char* what;
        Damage damage;
        bool refused;
    };
    const Case cases[] = {
        {AudioFormat::Wav, "plain", {}, false},
        {AudioFormat::Wav, "data chunk of size zero", sizeOf("data", 0, false), true},
        {AudioFormat::Wav, "streamed data size", sizeOf("data", 0xffffffffu, false), true},
        {AudioFormat::Wav, "empty chunk", before("data", QByteArray("JUNK\0\0\0\0", 8)), false},
        {AudioFormat::Wav, "odd chunk and its pad", before("data", QByteArray("abcd\3\0\0\0xyz\0", 12)),
         false},
        {AudioFormat::Aiff, "plain", {}, false},
        {AudioFormat::Aiff, "SSND of size zero", sizeOf("SSND", 0, true), true},
        {AudioFormat::Mp3, "plain", {}, false},
        {AudioFormat::Mp3, "ID3v2 size over the frames",
         [](QByteArray& b)
         {
             quint32 size = 1501; // the stated size (7 bits a byte) grows by that
             for (int i = 6; i < 10; ++i)
                 size += quint32(b[i] & 0x7f) << (7 * (9 - i));
             for (int i = 9; i >= 6; --i, size >>= 7)
                 b[i] = char(size & 0x7f);
         },
         true},
        {AudioFormat::Mp3, "cut in a frame", cut, false},
        {AudioFormat::M4a, "plain", {}, false},
        {AudioFormat::M4a, "cut in a box", cut, true},
        {AudioFormat::M4a, "free box at the end",
         [](QByteArray& b)
         {
             b.append("\0\0\0\x08"
                      "free",
                      8);
         },
         false},
        {AudioFormat::Flac, "plain", {}, false},
        {AudioFormat::Flac, "metadata block too long", [](QByteArray& b) { b[7] = char(b[7] + 6); }, true},
        {AudioFormat::Flac, "cut in the frames", cut, false},
        {AudioFormat::Ogg, "plain", {}, false},
        {AudioFormat::Ogg, "cut in a page", cut, true},
    };
    const std::string cover = makePicture(64, 64, 0x336699u).toStdString();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(extensionOf(c.format).toStdString() + ": " + c.what);
        const QString path = home.file(QString("odd/%1.%2").arg(c.what, extensionOf(c.format)));
        AudioSpec audioSpec;
        audioSpec.format = c.format;
        audioSpec.seconds = 2.0;
        audioSpec.tags.title = "Old";
        ASSERT_TRUE(makeAudioFile(path, audioSpec));
        QByteArray bytes = bytesOf(path);
        if (c.damage)
        {
            c.damage(bytes);
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        }
        const QByteArray sound = decodedSound(path);
        // The host keeps no pictures in Ogg files.
        const bool written =
            AudioFileTags::writeText(path.toStdString(), AudioFileTags::Field::Title, "New") &&
            (c.format == AudioFormat::Ogg || AudioFileTags::addPicture(path.toStdString(), cover));
        EXPECT_EQ(written, !c.refused);
        if (c.refused)
        {
            EXPECT_EQ(bytesOf(path), bytes);
            continue;
        }
        AudioFileInfo info;
        EXPECT_TRUE(AudioFileTags::read(path.toStdString(), info));
        EXPECT_EQ(info.title, "New");
        EXPECT_FALSE(sound.isEmpty());
        EXPECT_EQ(decodedSound(path), sound);
    }
}
