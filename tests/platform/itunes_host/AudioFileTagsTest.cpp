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

// A file whose chunks, boxes, pages or tag run off is never written (TagLib would put its tags
// amid the sound); every other file, odd or plain, gets its tags and decodes as before.
TEST(AudioFileTags, BrokenContainersAreRefusedAndNoEditChangesTheSound)
{
    TempHome home;
    auto bytesOf = [](const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    auto sound = [](const QString& path) // the MD5 of the samples ffmpeg decodes
    {
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-v", "quiet", "-i", path, "-map", "0:a:0", "-f", "md5", "-"});
        ffmpeg.waitForFinished(60000);
        return ffmpeg.readAllStandardOutput();
    };
    using Damage = std::function<void(QByteArray&)>;
    auto size = [](const char* id, quint32 v) -> Damage
    { return [=](QByteArray& b) { qToLittleEndian(v, b.data() + b.indexOf(id) + 4); }; };
    auto insert = [](const QByteArray& chunk) -> Damage
    { return [=](QByteArray& b) { b.insert(b.indexOf("data"), chunk); }; };
    const Damage cut = [](QByteArray& b) { b.chop(b.size() / 3); };
    const struct
    {
        AudioFormat format;
        const char* what;
        Damage damage;
        bool refused;
    } cases[] = {
        {AudioFormat::Wav, "plain", {}, false},
        {AudioFormat::Wav, "data of size zero", size("data", 0), true},
        {AudioFormat::Wav, "streamed data size", size("data", 0xffffffffu), true},
        {AudioFormat::Wav, "empty chunk", insert(QByteArray("JUNK\0\0\0\0", 8)), false},
        {AudioFormat::Wav, "odd chunk and pad", insert(QByteArray("abcd\3\0\0\0xyz\0", 12)), false},
        {AudioFormat::Aiff, "plain", {}, false},
        {AudioFormat::Aiff, "SSND of size zero",
         [](QByteArray& b) { qToBigEndian(0u, b.data() + b.indexOf("SSND") + 4); }, true},
        {AudioFormat::Mp3, "plain", {}, false},
        {AudioFormat::Mp3, "ID3v2 over the frames", [](QByteArray& b) { b[8] = char(b[8] + 16); }, true},
        {AudioFormat::Mp3, "cut in a frame", cut, false},
        {AudioFormat::M4a, "plain", {}, false},
        {AudioFormat::M4a, "cut in a box", cut, true},
        {AudioFormat::M4a, "free box", [](QByteArray& b) { b += QByteArray::fromHex("0000000866726565"); },
         false},
        {AudioFormat::Flac, "plain", {}, false},
        {AudioFormat::Flac, "block too long", [](QByteArray& b) { b[7] = char(b[7] + 6); }, true},
        {AudioFormat::Flac, "cut in the frames", cut, false},
        {AudioFormat::Ogg, "plain", {}, false},
        {AudioFormat::Ogg, "cut in a page", cut, true},
    };
    const std::string cover = makePicture(64, 64, 0x336699u).toStdString();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(extensionOf(c.format).toStdString() + ": " + c.what);
        const QString path = home.file(QString("odd/%1.%2").arg(c.what, extensionOf(c.format)));
        AudioSpec audioSpec;
        audioSpec.format = c.format;
        audioSpec.tags.title = "Old";
        ASSERT_TRUE(makeAudioFile(path, audioSpec));
        QByteArray bytes = bytesOf(path);
        if (c.damage)
        {
            c.damage(bytes);
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        const QByteArray before = sound(path);
        // The host keeps no pictures in Ogg files.
        const std::string file = path.toStdString();
        EXPECT_EQ(AudioFileTags::writeText(file, AudioFileTags::Field::Title, "New") &&
                      (c.format == AudioFormat::Ogg || AudioFileTags::addPicture(file, cover)),
                  !c.refused);
        if (c.refused)
        {
            EXPECT_EQ(bytesOf(path), bytes);
            continue;
        }
        AudioFileInfo info;
        ASSERT_TRUE(AudioFileTags::read(file, info));
        EXPECT_EQ(info.title, "New");
        EXPECT_FALSE(before.isEmpty());
        EXPECT_EQ(sound(path), before);
    }
}
