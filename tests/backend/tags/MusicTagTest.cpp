#include "MusicTag.h"
#include "MusicFlags.h"
#include "MusicObj.h"

#include "AudioFixture.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>

#include <sys/resource.h>

#include <cstring>

using namespace tidewell::test;

namespace
{

const AudioFormat kAllFormats[] = {AudioFormat::Mp3,  AudioFormat::M4a, AudioFormat::Flac, AudioFormat::Wma,
                                   AudioFormat::Aiff, AudioFormat::Wav, AudioFormat::Tta};

const QString kTitle = QString::fromUtf8("Гром 雷 رعد");
const QString kArtist = QString::fromUtf8("Ärzte & 東京事変");
const QString kAlbum = QString::fromUtf8("Альбом « 1 »");

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString formatName(AudioFormat f)
{
    return extensionOf(f).toUpper();
}

class MusicTag : public ::testing::Test
{
protected:
    TempHome home;

    QString make(const QString& name, AudioFormat format, const AudioTags& tags = {},
                 const QByteArray& art = {})
    {
        const QString path = home.file("music/" + name + "." + extensionOf(format));
        AudioSpec audioSpec;
        audioSpec.format = format;
        audioSpec.seconds = 2.5;
        audioSpec.tags = tags;
        audioSpec.artwork = art;
        EXPECT_TRUE(makeAudioFile(path, audioSpec)) << path.toStdString();
        return path;
    }

    static TagLib::FileRef open(const QString& path)
    {
        return TagLib::FileRef(QFile::encodeName(path).constData());
    }
};

TEST_F(MusicTag, EveryFormatReadsTagsPropertiesAndPicture)
{
    const QByteArray cover = makePicture(120, 90, 0x2266aa, "JPG");
    for (AudioFormat format : kAllFormats)
    {
        SCOPED_TRACE(formatName(format).toStdString());
        const QString path = make("tagged", format, {kTitle, kArtist, kAlbum, "Jazz", 1987}, cover);
        MusicInfo info;
        info.PersistentID = "KEEP";
        EXPECT_EQ(GetMusicInfo(path.toUtf8().constData(), &info), 1);
        EXPECT_EQ(info.Name, kTitle);
        EXPECT_EQ(info.Artist, kArtist);
        EXPECT_EQ(info.Album, kAlbum);
        EXPECT_EQ(info.Genre, "Jazz");
        EXPECT_EQ(info.Year, "1987");
        EXPECT_EQ(info.Location, path);
        EXPECT_EQ(info.Size, QString::number(QFileInfo(path).size()));
        EXPECT_EQ(info.TotalTime, "2000"); // whole seconds only
        EXPECT_GT(info.Bitrate.toInt(), 0);
        EXPECT_EQ(info.PersistentID, "KEEP");

        EXPECT_EQ(HasMusicArtwork_tag(path.toUtf8().constData()), 1);
        std::vector<unsigned char> bytes;
        ASSERT_EQ(GetArtworkPicture(path.toUtf8().constData(), bytes), 0);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), cover);
    }
}

TEST_F(MusicTag, EveryFormatWritesTagsAndAPictureThatTagLibReadsBack)
{
    const QByteArray cover = makePicture(64, 64, 0x884422, "PNG");
    for (AudioFormat format : kAllFormats)
    {
        SCOPED_TRACE(formatName(format).toStdString());
        const QString path = make("bare", format);
        MusicInfo info;
        info.Location = path;
        info.Name = kTitle;
        info.Artist = kArtist;
        info.Album = kAlbum;
        info.Genre = QString::fromUtf8("Поп");
        info.Year = "2004";
        ASSERT_EQ(SetMusicInfo_tag(&info, MF_Name | MF_Artist | MF_Album | MF_Genre | MF_Year), 0);
        {
            const TagLib::FileRef ref = open(path);
            ASSERT_FALSE(ref.isNull());
            EXPECT_EQ(QString::fromStdString(ref.tag()->title().to8Bit(true)), kTitle);
            EXPECT_EQ(QString::fromStdString(ref.tag()->artist().to8Bit(true)), kArtist);
            EXPECT_EQ(QString::fromStdString(ref.tag()->album().to8Bit(true)), kAlbum);
            EXPECT_EQ(QString::fromStdString(ref.tag()->genre().to8Bit(true)), QString::fromUtf8("Поп"));
            EXPECT_EQ(ref.tag()->year(), 2004u);
        }

        EXPECT_EQ(HasMusicArtwork_tag(path.toUtf8().constData()), 0);
        unsigned char* none = nullptr;
        int noneLength = -7;
        EXPECT_EQ(GetArtworkPicture(path.toUtf8().constData(), &none, &noneLength), 1);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(noneLength, -7);

        const auto* data = reinterpret_cast<const unsigned char*>(cover.constData());
        ASSERT_EQ(SetMusicArtwork_tag(path.toUtf8().constData(), data, int(cover.size()), PictureFormatPNG),
                  0);
        unsigned char* buffer = nullptr;
        int length = 0;
        ASSERT_EQ(GetArtworkPicture(path.toUtf8().constData(), &buffer, &length), 0);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), length), cover);
        EXPECT_EQ(FreeArtworkPicture(&buffer), 0);
        EXPECT_EQ(buffer, nullptr);
        EXPECT_EQ(FreeArtworkPicture(&buffer), -1);

        // A second picture never replaces the first.
        const QByteArray other = makePicture(32, 32, 0x00ff00, "JPG");
        EXPECT_EQ(SetMusicArtwork_tag(path.toUtf8().constData(),
                                      reinterpret_cast<const unsigned char*>(other.constData()),
                                      int(other.size()), PictureFormatJPEG),
                  0);
        std::vector<unsigned char> again;
        ASSERT_EQ(GetArtworkPicture(path.toUtf8().constData(), again), 0);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(again.data()), qsizetype(again.size())), cover);

        // The audio is still intact and readable.
        MusicInfo reread;
        EXPECT_EQ(GetMusicInfo(path.toUtf8().constData(), &reread), 1);
        EXPECT_EQ(reread.Name, kTitle);
        EXPECT_EQ(reread.TotalTime, "2000");
    }
    // No edit copies are left in the folder.
    EXPECT_TRUE(
        QDir(home.file("music")).entryList({".tidewell-edit-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(MusicTag, GenreAndYearAloneAreWrittenButNeverOverwritten)
{
    const QString empty = make("empty", AudioFormat::Mp3, {"Song", "", "", "", 0});
    MusicInfo info;
    info.Location = empty;
    info.Genre = "Blues";
    info.Year = "1971";
    ASSERT_EQ(SetMusicInfo_tag(&info, MF_Genre), 0);
    ASSERT_EQ(SetMusicInfo_tag(&info, MF_Year), 0);
    {
        const TagLib::FileRef ref = open(empty);
        EXPECT_EQ(ref.tag()->genre(), "Blues");
        EXPECT_EQ(ref.tag()->year(), 1971u);
        EXPECT_EQ(ref.tag()->title(), "Song");
    }

    const QString full = make("full", AudioFormat::M4a, {"Song", "", "", "Rock", 1999});
    const QByteArray before = fileBytes(full);
    info.Location = full;
    info.Name = "Song";
    EXPECT_EQ(SetMusicInfo_tag(&info, MF_Genre | MF_Year | MF_Name), 0);
    EXPECT_EQ(fileBytes(full), before); // nothing to change: not even rewritten
    // The user's own texts overwrite them.
    EXPECT_EQ(SetMusicInfo_tag(&info, MF_Genre | MF_Year | kEditByHand), 0);
    EXPECT_EQ(open(full).tag()->genre(), "Blues");
    EXPECT_EQ(open(full).tag()->year(), 1971u);

    // A year of "0" or "" sets nothing; one that is no year is named and writes nothing.
    info.Location = make("noyear", AudioFormat::Flac, {"Song", "", "", "", 0});
    for (const char* year : {"0", "", "soon", "2004-06-07x"})
    {
        info.Year = year;
        EXPECT_EQ(SetMusicInfo_tag(&info, MF_Year), std::strlen(year) > 1 ? -6 : 0) << year;
        EXPECT_EQ(open(info.Location).tag()->year(), 0u);
    }
    // A date gives its year.
    for (const char* date : {"2004-06-07", "2005-06", " 2006 "})
    {
        info.Year = date;
        EXPECT_EQ(SetMusicInfo_tag(&info, MF_Year | kEditByHand), 0) << date;
        EXPECT_EQ(open(info.Location).tag()->year(), unsigned(QString(date).trimmed().left(4).toUInt()));
    }
    // No tag bits at all: the file is not even opened.
    MusicInfo missing;
    missing.Location = home.file("music/missing.mp3");
    EXPECT_EQ(SetMusicInfo_tag(&missing, MF_Artwork | MF_Size), 0);
    EXPECT_EQ(SetMusicInfo_tag(&missing, MF_Genre), -2);
    EXPECT_EQ(SetMusicInfo_tag(nullptr, MF_Name), -1);
}

// A run killed between an edit copy and its rename leaves the copy; the next write into that
// folder removes such leftovers, and nothing that is not one.
TEST_F(MusicTag, LeftoversOfAKilledWriteGoWithTheNextWriteIntoTheirFolder)
{
    MusicInfo info{};
    info.Location = make("song", AudioFormat::Mp3, {"Song", "", "", "", 0});
    info.Name = "Renamed";
    const QString music = home.file("music/"), elsewhere = home.file("elsewhere/");
    QDir().mkpath(elsewhere);
    auto leave = [&](const QString& path, int ageSeconds)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("half a song") && f.flush());
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                  QFileDevice::FileModificationTime));
    };
    for (const QString& name : {music + ".tidewell-edit-Ab12Cd", music + "tidewell-edit-visible",
                                elsewhere + ".tidewell-edit-Zz99Yy", elsewhere + "target"})
        leave(name, 3 * 86400);
    leave(music + ".tidewell-edit-later", -3600); // not older than this run
    ASSERT_TRUE(QFile::link(elsewhere + "target", music + ".tidewell-edit-link"));
    ASSERT_TRUE(QDir().mkpath(music + ".tidewell-edit-folder"));

    ASSERT_EQ(SetMusicInfo_tag(&info, MF_Name), 0);
    QStringList left =
        QDir(music).entryList({"*tidewell-edit-*"}, QDir::AllEntries | QDir::Hidden, QDir::Name);
    EXPECT_EQ(left, QStringList({".tidewell-edit-folder", ".tidewell-edit-later", ".tidewell-edit-link",
                                 "tidewell-edit-visible"}));
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(MusicTag, AReadOnlyFileReportsFailureAndStaysAsItWas)
{
    const QString path = make("locked", AudioFormat::Mp3, {"Old", "", "", "", 0});
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QByteArray before = fileBytes(path);
    MusicInfo info;
    info.Location = path;
    info.Name = "New";
    EXPECT_EQ(SetMusicInfo_tag(&info, MF_Name), -5);
    const QByteArray cover = makePicture(16, 16, 0x112233, "JPG");
    EXPECT_EQ(SetMusicArtwork_tag(path.toUtf8().constData(),
                                  reinterpret_cast<const unsigned char*>(cover.constData()),
                                  int(cover.size()), PictureFormatJPEG),
              -8);
    EXPECT_EQ(fileBytes(path), before);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(MusicTag, FlacAndTrueAudioWithoutId3v2AreRead)
{
    // An ordinary FLAC file keeps its tags in a Vorbis comment.
    const QString flac = make("vorbis", AudioFormat::Flac, {"Flac Title", "Flac Artist", "", "", 0});
    MusicInfo info;
    EXPECT_EQ(GetMusicInfo(flac.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.Name, "Flac Title");
    EXPECT_EQ(info.Artist, "Flac Artist");

    // Untagged files are still songs, named after their files.
    for (AudioFormat format : {AudioFormat::Tta, AudioFormat::Flac})
    {
        MusicInfo bare;
        EXPECT_EQ(GetMusicInfo(make("Untagged", format).toUtf8().constData(), &bare), 0);
        EXPECT_EQ(bare.Name, "Untagged");
    }

    // A TrueAudio file whose only tag is ID3v1.
    const QString tta = make("v1only", AudioFormat::Tta);
    {
        TagLib::TrueAudio::File f(QFile::encodeName(tta).constData());
        f.ID3v1Tag(true)->setTitle("Only V1");
        ASSERT_TRUE(f.save());
    }
    MusicInfo ttaInfo;
    EXPECT_EQ(GetMusicInfo(tta.toUtf8().constData(), &ttaInfo), 0);
    EXPECT_EQ(ttaInfo.Name, "Only V1");

    // A WAV file titled in its own RIFF INFO block, its ID3v2 tag giving the artist alone: each
    // text comes from the ID3v2 tag where it has one, else from the INFO block. A write still goes
    // to the ID3v2 tag and leaves the INFO block as it was.
    const QString wav = make("A", AudioFormat::Wav);
    {
        TagLib::RIFF::WAV::File f(QFile::encodeName(wav).constData());
        f.InfoTag()->setTitle("Alpha");
        f.InfoTag()->setArtist("Info Artist");
        f.ID3v2Tag()->setArtist("Id3 Artist");
        ASSERT_TRUE(f.save());
    }
    MusicInfo wavInfo;
    EXPECT_EQ(GetMusicInfo(wav.toUtf8().constData(), &wavInfo), 0);
    EXPECT_EQ(wavInfo.Name, "Alpha");
    EXPECT_EQ(wavInfo.Artist, "Id3 Artist");
    wavInfo.Album = "Written";
    ASSERT_EQ(SetMusicInfo_tag(&wavInfo, MF_Album), 0);
    TagLib::RIFF::WAV::File written(QFile::encodeName(wav).constData());
    EXPECT_EQ(written.ID3v2Tag()->album(), "Written");
    EXPECT_EQ(written.InfoTag()->title(), "Alpha");
    EXPECT_TRUE(written.InfoTag()->album().isEmpty());
}

TEST_F(MusicTag, Mp3FallsBackFromAnEmptyId3v2ToId3v1)
{
    const QString path = make("v1", AudioFormat::Mp3);
    const QByteArray cover = makePicture(40, 40, 0x445566, "JPG");
    {
        TagLib::MPEG::File f(QFile::encodeName(path).constData());
        f.ID3v1Tag(true)->setTitle("From V1");
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setPicture(TagLib::ByteVector(cover.constData(), unsigned(cover.size())));
        f.ID3v2Tag(true)->addFrame(frame);
        ASSERT_TRUE(f.save(TagLib::MPEG::File::AllTags, TagLib::File::StripNone, TagLib::ID3v2::v4,
                           TagLib::File::DoNotDuplicate));
    }
    MusicInfo info;
    // The ID3v1 tag is the one in use, and it carries no picture.
    EXPECT_EQ(GetMusicInfo(path.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.Name, "From V1");
    EXPECT_EQ(HasMusicArtwork_tag(path.toUtf8().constData()), 0);

    // Writing always goes to the ID3v2 tag, which already has a picture.
    EXPECT_EQ(SetMusicArtwork_tag(path.toUtf8().constData(),
                                  reinterpret_cast<const unsigned char*>(cover.constData()),
                                  int(cover.size()), PictureFormatJPEG),
              0);
    EXPECT_EQ(TagLib::MPEG::File(QFile::encodeName(path).constData()).ID3v2Tag()->frameList("APIC").size(),
              1u);
}

TEST_F(MusicTag, NamesComeFromTheFileWhenTheTitleIsBlank)
{
    const QString song = make("My Song", AudioFormat::Mp3);
    MusicInfo info;
    EXPECT_EQ(GetMusicInfo(song.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.Name, "My Song");
    EXPECT_TRUE(info.Year.isEmpty());

    const QString spaces = make("Blank.Title", AudioFormat::M4a, {"   ", "", "", "", 0});
    EXPECT_EQ(GetMusicInfo(spaces.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.Name, "Blank.Title");

    EXPECT_EQ(TrackNameFromLocation("Intro"), "Intro");
    EXPECT_EQ(TrackNameFromLocation("/a.b/c/Track 01.live.flac"), "Track 01.live");
    EXPECT_EQ(TrackNameFromLocation("C:\\Music\\Old Song.mp3"), "Old Song");
}

TEST_F(MusicTag, ExtensionsChooseTheTagInAnyCase)
{
    const QString mp3 = make("case", AudioFormat::Mp3, {"Cased", "", "", "", 0});
    const QString upper = home.file("music/CASE.Mp3");
    ASSERT_TRUE(QFile::copy(mp3, upper));
    MusicInfo info;
    EXPECT_EQ(GetMusicInfo(upper.toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.Name, "Cased");

    // Formats TagLib opens but that have no tag in use here.
    const QString m4a = make("movie", AudioFormat::M4a, {"Movie", "", "", "", 0});
    for (const char* name : {"music/movie.mp4", "music/song.aac"})
    {
        const QString other = home.file(name);
        ASSERT_TRUE(QFile::copy(QString(name).endsWith("mp4") ? m4a : mp3, other));
        MusicInfo skipped;
        EXPECT_EQ(GetMusicInfo(other.toUtf8().constData(), &skipped), -4) << name;
        EXPECT_EQ(skipped.Location, other); // set even when the tag is not usable
        EXPECT_FALSE(skipped.Size.isEmpty());
        EXPECT_EQ(HasMusicArtwork_tag(other.toUtf8().constData()), -3);
    }
    TagLib::FileRef ref(QFile::encodeName(mp3).constData());
    TagLib::Tag* tag = nullptr;
    EXPECT_EQ(GetFileTag("/music/no_extension", ref.file(), &tag, false), -3);
    EXPECT_EQ(GetFileTag("/music/x.ogg", ref.file(), &tag, false), -2);
    EXPECT_EQ(GetFileTag("/music/x.mp3", nullptr, &tag, false), -1);
    EXPECT_EQ(GetFileTag("/music/x.mp3", ref.file(), &tag, true), TagKindID3v2);
}

TEST_F(MusicTag, BadFilesGiveTheirCodesAndAreNeverHalfWritten)
{
    MusicInfo info;
    EXPECT_EQ(GetMusicInfo(nullptr, &info), -1);
    EXPECT_EQ(GetMusicInfo("/x.mp3", nullptr), -1);
    EXPECT_EQ(GetMusicInfo(home.file("music/missing.mp3").toUtf8().constData(), &info), -2);
    EXPECT_EQ(HasMusicArtwork_tag(home.file("music/missing.mp3").toUtf8().constData()), -1);
    std::vector<unsigned char> out;
    EXPECT_EQ(GetArtworkPicture(home.file("music/missing.mp3").toUtf8().constData(), out), -1);
    const unsigned char byte = 1;
    EXPECT_EQ(SetMusicArtwork_tag(home.file("music/missing.mp3").toUtf8().constData(), &byte, 1, 0), -2);
    EXPECT_EQ(SetMusicArtwork_tag(home.file("music/missing.mp3").toUtf8().constData(), &byte, 0, 0), -1);

    const QString empty = home.file("music/empty.mp3");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(GetMusicInfo(empty.toUtf8().constData(), &info), -3);
    EXPECT_EQ(info.Size, "0");

    const QString garbage = home.file("music/garbage.flac");
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, '\x5a'));
    }
    EXPECT_EQ(GetMusicInfo(garbage.toUtf8().constData(), &info), -3);
    EXPECT_EQ(HasMusicArtwork_tag(garbage.toUtf8().constData()), -2);
    EXPECT_EQ(GetArtworkPicture(garbage.toUtf8().constData(), out), -3);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(GetArtworkPicture(garbage.toUtf8().constData(), nullptr, nullptr), -2);
    EXPECT_EQ(buffer, nullptr);
    MusicInfo edit;
    edit.Location = garbage;
    edit.Name = "x";
    const QByteArray garbageBefore = fileBytes(garbage);
    EXPECT_EQ(SetMusicInfo_tag(&edit, MF_Name), -3);
    EXPECT_EQ(fileBytes(garbage), garbageBefore);

    // An MP3 given an M4A name: TagLib reads it as the MP3 it is, which is not the M4A tag the
    // name promises.
    const QString wrong = home.file("music/wrong.m4a");
    ASSERT_TRUE(QFile::copy(make("real", AudioFormat::Mp3, {"Real", "", "", "", 0}), wrong));
    EXPECT_EQ(GetMusicInfo(wrong.toUtf8().constData(), &info), -4);
    EXPECT_EQ(SetMusicInfo_tag(&info, MF_Name), -4);

    // Truncated files: whatever TagLib makes of them, no crash and never a half-written file.
    for (AudioFormat format : kAllFormats)
    {
        const QString whole =
            make("whole", format, {"T", "", "", "", 0}, makePicture(50, 50, 0x123456, "JPG"));
        const QString cut = home.file("music/cut." + extensionOf(format));
        QFile::remove(cut);
        ASSERT_TRUE(QFile::copy(whole, cut));
        QFile(cut).resize(QFileInfo(whole).size() / 3);
        const QByteArray cutBefore = fileBytes(cut);
        MusicInfo cutInfo;
        GetMusicInfo(cut.toUtf8().constData(), &cutInfo);
        HasMusicArtwork_tag(cut.toUtf8().constData());
        GetArtworkPicture(cut.toUtf8().constData(), out);
        cutInfo.Location = cut;
        cutInfo.Name = "Changed";
        if (SetMusicInfo_tag(&cutInfo, MF_Name) != 0)
        {
            EXPECT_EQ(fileBytes(cut), cutBefore) << formatName(format).toStdString();
        }
    }
}

// 4 GiB of zeros named like a song is no audio, found out from a small part of it, for reading and
// before a write; a stop asked ends the read of a song, which then reads as unreadable.
TEST_F(MusicTag, ALargeFileOfZerosIsReadInPartAndAStopEndsARead)
{
    const QByteArray zeros = home.file("music/zeros.mp3").toUtf8();
    ASSERT_TRUE(makeZeroFile(QString::fromUtf8(zeros), qint64(4) << 30));
    const qint64 before = bytesReadByProcess();
    MusicInfo info;
    EXPECT_EQ(GetMusicInfo(zeros.constData(), &info), -3);
    EXPECT_EQ(info.Size, "4294967296");
    EXPECT_EQ(HasMusicArtwork_tag(zeros.constData()), -2);
    std::vector<unsigned char> picture;
    EXPECT_EQ(GetArtworkPicture(zeros.constData(), picture), -3);
    info.Name = "Never Written";
    EXPECT_EQ(SetMusicInfo_tag(&info, MF_Name), -3);
    EXPECT_LT(bytesReadByProcess() - before, qint64(64) << 20);

    const QByteArray song = make("stopped", AudioFormat::Mp3, {"Stopped", "", "", "", 0}).toUtf8();
    EXPECT_EQ(GetMusicInfo(song.constData(), &info, [] { return true; }), -3);
    EXPECT_EQ(GetMusicInfo(song.constData(), &info, [] { return false; }), 0);
    EXPECT_EQ(info.Name, "Stopped");
}

// A song is edited through its own file, never held in memory, however large; one larger than
// TagLib can address is left as it is. The sound runs on in zeros to the file's new size (a hole).
TEST_F(MusicTag, ALargeSongIsEditedAPieceAtATimeAndOneTooLargeForTagLibIsLeftAlone)
{
    auto peakKiB = []
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    for (AudioFormat format : {AudioFormat::Flac, AudioFormat::Mp3})
    {
        SCOPED_TRACE(formatName(format).toStdString());
        const QString path = make("large", format, {"Old", "", "", "", 0});
        const qint64 large = qint64(256) << 20;
        ASSERT_TRUE(QFile(path).resize(large));
        MusicInfo info;
        info.Location = path;
        info.Name = "New";
        const long before = peakKiB();
        EXPECT_EQ(SetMusicInfo_tag(&info, MF_Name), 0);
        EXPECT_LT(peakKiB() - before, 32 << 10);
        MusicInfo reread;
        EXPECT_EQ(GetMusicInfo(path.toUtf8().constData(), &reread), 0);
        EXPECT_EQ(reread.Name, "New");
        EXPECT_LT(QFileInfo(path).size() - large, 4096);

        const QString tooLarge = home.file("music/too large." + extensionOf(format));
        const QString small = make("small", format, {"Old", "", "", "", 0});
        const QByteArray head = fileBytes(small);
        ASSERT_TRUE(QFile::copy(small, tooLarge));
        ASSERT_TRUE(QFile(tooLarge).resize(qint64(4) << 30));
        info.Location = tooLarge;
        EXPECT_NE(SetMusicInfo_tag(&info, MF_Name), 0);
        EXPECT_EQ(QFileInfo(tooLarge).size(), qint64(4) << 30);
        QFile kept(tooLarge);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.read(head.size()), head);
    }
    EXPECT_TRUE(
        QDir(home.file("music")).entryList({".tidewell-edit-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(MusicTag, PictureFormatsEachTagTakes)
{
    const QByteArray cover = makePicture(20, 20, 0x999999, "PNG");
    const auto* data = reinterpret_cast<const unsigned char*>(cover.constData());
    const int size = int(cover.size());
    EXPECT_EQ(
        SetMusicArtwork_tag(make("bmp", AudioFormat::Mp3).toUtf8().constData(), data, size, PictureFormatBMP),
        -7);
    EXPECT_EQ(SetMusicArtwork_tag(make("odd", AudioFormat::M4a).toUtf8().constData(), data, size, 4), -9);
    EXPECT_EQ(
        SetMusicArtwork_tag(make("gif", AudioFormat::M4a).toUtf8().constData(), data, size, PictureFormatGIF),
        0);
    EXPECT_EQ(SetMusicArtwork_tag(make("wmabmp", AudioFormat::Wma).toUtf8().constData(), data, size,
                                  PictureFormatBMP),
              0);
    EXPECT_EQ(SetMusicArtwork_tag(make("flacodd", AudioFormat::Flac).toUtf8().constData(), data, size, 9),
              -7);
}

} // namespace
