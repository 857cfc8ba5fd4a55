#include "AudioFixture.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>

namespace tidewell::test
{
namespace
{

TagLib::String toTag(const QString& s)
{
    return TagLib::String(s.toStdString(), TagLib::String::UTF8);
}

QStringList codecArgs(AudioFormat format)
{
    switch (format)
    {
    case AudioFormat::Mp3:
        return {"-c:a", "libmp3lame", "-b:a", "128k", "-f", "mp3"};
    case AudioFormat::M4a:
        return {"-c:a", "aac", "-b:a", "128k", "-f", "ipod"};
    case AudioFormat::Flac:
        return {"-c:a", "flac", "-f", "flac"};
    case AudioFormat::Wma:
        return {"-c:a", "wmav2", "-b:a", "128k", "-f", "asf"};
    case AudioFormat::Aiff:
        return {"-c:a", "pcm_s16be", "-f", "aiff"};
    case AudioFormat::Wav:
        return {"-c:a", "pcm_s16le", "-f", "wav"};
    case AudioFormat::Tta:
        return {"-c:a", "tta", "-f", "tta"};
    case AudioFormat::Ogg:
        return {"-c:a", "libvorbis", "-f", "ogg"};
    }
    return {};
}

TagLib::ID3v2::AttachedPictureFrame* apicFrame(const QByteArray& artwork)
{
    auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setMimeType(artwork.startsWith("\x89PNG") ? "image/png" : "image/jpeg");
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setPicture(TagLib::ByteVector(artwork.constData(), static_cast<unsigned>(artwork.size())));
    return frame; // owned by the tag it is added to
}

bool embedArtwork(const QString& path, AudioFormat format, const QByteArray& artwork)
{
    const QByteArray native = QFile::encodeName(path);
    const TagLib::ByteVector bytes(artwork.constData(), static_cast<unsigned>(artwork.size()));
    const bool png = artwork.startsWith("\x89PNG");
    switch (format)
    {
    case AudioFormat::Mp3:
    {
        TagLib::MPEG::File f(native.constData());
        f.ID3v2Tag(true)->addFrame(apicFrame(artwork));
        return f.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone);
    }
    case AudioFormat::M4a:
    {
        TagLib::MP4::File f(native.constData());
        TagLib::MP4::CoverArtList list;
        list.append(
            TagLib::MP4::CoverArt(png ? TagLib::MP4::CoverArt::PNG : TagLib::MP4::CoverArt::JPEG, bytes));
        f.tag()->setItem("covr", TagLib::MP4::Item(list));
        return f.save();
    }
    case AudioFormat::Flac:
    {
        TagLib::FLAC::File f(native.constData());
        auto* pic = new TagLib::FLAC::Picture;
        pic->setType(TagLib::FLAC::Picture::FrontCover);
        pic->setMimeType(png ? "image/png" : "image/jpeg");
        pic->setData(bytes);
        f.addPicture(pic);
        return f.save();
    }
    case AudioFormat::Wma:
    {
        TagLib::ASF::File f(native.constData());
        TagLib::ASF::Picture pic;
        pic.setType(TagLib::ASF::Picture::FrontCover);
        pic.setMimeType(png ? "image/png" : "image/jpeg");
        pic.setPicture(bytes);
        f.tag()->setAttribute("WM/Picture", TagLib::ASF::Attribute(pic));
        return f.save();
    }
    case AudioFormat::Aiff:
    {
        TagLib::RIFF::AIFF::File f(native.constData());
        f.tag()->addFrame(apicFrame(artwork));
        return f.save();
    }
    case AudioFormat::Wav:
    {
        TagLib::RIFF::WAV::File f(native.constData());
        f.ID3v2Tag()->addFrame(apicFrame(artwork));
        return f.save();
    }
    case AudioFormat::Tta:
    {
        TagLib::TrueAudio::File f(native.constData());
        f.ID3v2Tag(true)->addFrame(apicFrame(artwork));
        return f.save();
    }
    case AudioFormat::Ogg:
        return false; // no cover in the tests
    }
    return false;
}

bool writeTags(const QString& path, const AudioTags& tags)
{
    if (tags.title.isEmpty() && tags.artist.isEmpty() && tags.album.isEmpty() && tags.genre.isEmpty() &&
        tags.year == 0)
        return true;
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    if (ref.isNull() || !ref.tag())
        return false;
    TagLib::Tag* tag = ref.tag();
    if (!tags.title.isEmpty())
        tag->setTitle(toTag(tags.title));
    if (!tags.artist.isEmpty())
        tag->setArtist(toTag(tags.artist));
    if (!tags.album.isEmpty())
        tag->setAlbum(toTag(tags.album));
    if (!tags.genre.isEmpty())
        tag->setGenre(toTag(tags.genre));
    if (tags.year)
        tag->setYear(static_cast<unsigned>(tags.year));
    return ref.save();
}

} // namespace

QString extensionOf(AudioFormat format)
{
    switch (format)
    {
    case AudioFormat::Mp3:
        return "mp3";
    case AudioFormat::M4a:
        return "m4a";
    case AudioFormat::Flac:
        return "flac";
    case AudioFormat::Wma:
        return "wma";
    case AudioFormat::Aiff:
        return "aiff";
    case AudioFormat::Wav:
        return "wav";
    case AudioFormat::Tta:
        return "tta";
    case AudioFormat::Ogg:
        return "ogg";
    }
    return {};
}

bool makeAudioFile(const QString& path, const AudioSpec& audioSpec)
{
    const QString seconds = QString::number(audioSpec.seconds, 'f', 3);
    const QString source = audioSpec.toneHz > 0 ? QString("sine=frequency=%1:sample_rate=%2:duration=%3")
                                                      .arg(audioSpec.toneHz)
                                                      .arg(audioSpec.sampleRate)
                                                      .arg(seconds)
                                                : QString("anoisesrc=d=%1:c=white:r=%2:a=0.5:seed=%3")
                                                      .arg(seconds)
                                                      .arg(audioSpec.sampleRate)
                                                      .arg(audioSpec.noiseSeed);
    QStringList args{"-hide_banner",  "-loglevel", "error", "-y",  "-f",
                     "lavfi",         "-i",        source,  "-ac", QString::number(audioSpec.channels),
                     "-map_metadata", "-1"};
    args << codecArgs(audioSpec.format) << path;

    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", args);
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0)
    {
        QFile::remove(path);
        return false;
    }
    if (!writeTags(path, audioSpec.tags) ||
        (!audioSpec.artwork.isEmpty() && !embedArtwork(path, audioSpec.format, audioSpec.artwork)))
    {
        QFile::remove(path);
        return false;
    }
    return true;
}

QStringList makeSongFolder(const QString& folder, int count, const QString& titleStem,
                           const QString& fileStem, bool withArtwork)
{
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i)
    {
        AudioSpec audioSpec;
        audioSpec.format = AudioFormat::Mp3;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 220.0 + 110.0 * i;
        audioSpec.tags.title = QStringLiteral("%1 %2").arg(titleStem).arg(i);
        audioSpec.tags.artist = QStringLiteral("Artist %1").arg(i);
        audioSpec.tags.album = QStringLiteral("Album");
        audioSpec.tags.genre = QStringLiteral("Rock");
        audioSpec.tags.year = 2000 + i;
        if (withArtwork)
            audioSpec.artwork = makePicture(64, 64, 0x3366cc);
        const QString path = QStringLiteral("%1/%2%3.mp3").arg(folder, fileStem).arg(i);
        if (makeAudioFile(path, audioSpec))
            paths << path;
    }
    return paths;
}

bool makeZeroFile(const QString& path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(size);
}

qint64 bytesReadByProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
    {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

QByteArray makePicture(int width, int height, unsigned rgb, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    // A gradient keeps the encoder from compressing the picture to almost nothing.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; x += 2)
            image.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 5) & 0xff, (x + y) & 0xff));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace tidewell::test
