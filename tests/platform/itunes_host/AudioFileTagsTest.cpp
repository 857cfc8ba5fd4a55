#include "AudioFileTags.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <QFile>

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
