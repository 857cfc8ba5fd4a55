#include "MusicTag.h"

#include "AtomicFileEdit.h"
#include "BoundedReadStream.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "NativePath.h"
#include "RegularFile.h"
#include "SongTag.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <taglib/aifffile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

namespace
{

// A tag counts as empty when none of its song fields is set; frames such as an encoder note do
// not make it worth reading (TagLib's own isEmpty() counts any frame).
bool hasContent(const TagLib::Tag* tag)
{
    return tag &&
           (!tag->title().isEmpty() || !tag->artist().isEmpty() || !tag->album().isEmpty() ||
            !tag->comment().isEmpty() || !tag->genre().isEmpty() || tag->year() != 0 || tag->track() != 0);
}

QString fromTag(const TagLib::String& s)
{
    return QString::fromStdString(s.to8Bit(true));
}

TagLib::String toTag(const QString& s)
{
    return TagLib::String(s.toStdString(), TagLib::String::UTF8);
}

// Only a regular file is a song here: a FIFO or a device would block TagLib's open for ever.
bool fileExists(const char* path)
{
    return isRegularFile(path);
}

QString upperExtension(const char* path)
{
    const QString name = QFileInfo(QString::fromUtf8(path)).fileName();
    const qsizetype dot = name.lastIndexOf('.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

const TagLib::ID3v2::AttachedPictureFrame* firstApic(TagLib::ID3v2::Tag* tag)
{
    const TagLib::ID3v2::FrameList& frames = tag->frameList("APIC");
    return frames.isEmpty() ? nullptr
                            : dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frames.front());
}

// The first embedded picture of the tag in use; nullopt when the tag has none (or cannot carry any).
std::optional<TagLib::ByteVector> firstPicture(int kind, TagLib::File* file, TagLib::Tag* tag)
{
    switch (kind)
    {
    case TagKindID3v2:
        if (auto* id3 = dynamic_cast<TagLib::ID3v2::Tag*>(tag); id3 && !id3->frameList("APIC").isEmpty())
        {
            const auto* frame = firstApic(id3);
            return frame ? frame->picture() : TagLib::ByteVector();
        }
        return std::nullopt;
    case TagKindMP4:
        if (auto* mp4 = dynamic_cast<TagLib::MP4::Tag*>(tag); mp4 && mp4->contains("covr"))
        {
            const TagLib::MP4::CoverArtList covers = mp4->item("covr").toCoverArtList();
            if (!covers.isEmpty())
                return covers.front().data();
        }
        return std::nullopt;
    case TagKindASF:
        if (auto* asf = dynamic_cast<TagLib::ASF::Tag*>(tag); asf && asf->contains("WM/Picture"))
        {
            const TagLib::ASF::AttributeList list = asf->attribute("WM/Picture");
            if (!list.isEmpty())
                return list.front().toPicture().picture();
        }
        return std::nullopt;
    case TagKindXiph:
        if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file))
        {
            if (const auto pictures = flac->pictureList(); !pictures.isEmpty())
                return pictures.front()->data();
            if (auto* xiph = flac->xiphComment(); xiph && !xiph->pictureList().isEmpty())
                return xiph->pictureList().front()->data();
        }
        return std::nullopt;
    default:
        return std::nullopt; // ID3v1 and APE carry no pictures
    }
}

// Opens the file and chooses its tag; the negative codes are the caller's own.
struct OpenedTag
{
    // What a file opened for reading is read through (see openForReading); declared before the
    // reference, as TagLib's file reads it until the reference goes.
    std::unique_ptr<BoundedReadStream> stream;
    TagLib::FileRef ref;
    TagLib::Tag* tag = nullptr;
    int kind = 0;
};

enum class OpenResult
{
    Ok,
    CannotOpen,
    NoTag
};

OpenResult openTag(const char* path, TagLib::FileRef ref, bool write, OpenedTag& out)
{
    out.ref = std::move(ref);
    // TagLib accepts some files without a single audio frame (an empty .mp3); they are not audio.
    const TagLib::AudioProperties* props = out.ref.isNull() ? nullptr : out.ref.audioProperties();
    if (!props || props->sampleRate() <= 0)
        return OpenResult::CannotOpen;
    out.kind = GetFileTag(path, out.ref.file(), &out.tag, write);
    return out.kind < 0 || !out.tag ? OpenResult::NoTag : OpenResult::Ok;
}

// openTag on the file opened read-only, at a bounded cost whatever its size and ended by `stop`
// (see BoundedReadStream), with audio properties at TagLib's average accuracy. `write` only
// chooses the tag a write would use; nothing is written through it.
OpenResult openForReading(const char* path, bool write, const ReadStop& stop, OpenedTag& out)
{
    out.stream = std::make_unique<BoundedReadStream>(path, stop);
    if (!out.stream->isOpen())
        return OpenResult::CannotOpen;
    const OpenResult result =
        openTag(path, TagLib::FileRef(out.stream.get(), true, TagLib::AudioProperties::Average), write, out);
    // What TagLib made of a file whose read a stop cut short is not the file.
    return out.stream->cutShort() && stop && stop() ? OpenResult::CannotOpen : result;
}

// The caller's codes: 0 when the tag is open, else `cannotOpen` or `noTag`.
int codeOf(OpenResult result, int cannotOpen, int noTag)
{
    switch (result)
    {
    case OpenResult::CannotOpen:
        return cannotOpen;
    case OpenResult::NoTag:
        return noTag;
    case OpenResult::Ok:
        break;
    }
    return 0;
}

// The year a text gives: a year ("2004"), a year and month ("2004-06") or a whole date
// ("2004-06-07"), the forms the recognition service and the user write; 0 for no year ("" or "0").
// None for a text that is no year at all ("soon").
std::optional<unsigned> yearOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0u;
    static const QRegularExpression kDate(QStringLiteral("^(\\d{1,4})(?:-\\d{1,2}(?:-\\d{1,2})?)?$"));
    const QRegularExpressionMatch match = kDate.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toUInt();
}

// Applies the masked fields of the record to a tag; true when anything changed, none when a field
// cannot be written as it stands (a year that is no year).
std::optional<bool> applyInfo(TagLib::Tag* tag, const MusicInfo& info, uint32_t mask)
{
    bool changed = false;
    auto setText = [&](const TagLib::String& now, const QString& wanted,
                       void (TagLib::Tag::*setter)(const TagLib::String&))
    {
        const TagLib::String value = toTag(wanted);
        if (now != value)
        {
            (tag->*setter)(value);
            changed = true;
        }
    };
    if (mask & MF_Name)
        setText(tag->title(), info.Name, &TagLib::Tag::setTitle);
    if (mask & MF_Artist)
        setText(tag->artist(), info.Artist, &TagLib::Tag::setArtist);
    if (mask & MF_Album)
        setText(tag->album(), info.Album, &TagLib::Tag::setAlbum);
    // Genre and year repair only fill what the file lacks; they overwrite only what the user typed.
    const bool byHand = (mask & kEditByHand) != 0;
    if ((mask & MF_Genre) && (byHand || tag->genre().isEmpty()) && !info.Genre.isEmpty() &&
        tag->genre() != toTag(info.Genre))
    {
        tag->setGenre(toTag(info.Genre));
        changed = true;
    }
    if ((mask & MF_Year) && (byHand || tag->year() == 0))
    {
        const std::optional<unsigned> year = yearOf(info.Year);
        if (!year)
            return std::nullopt;
        if (*year > 0 && *year != tag->year())
        {
            tag->setYear(*year);
            changed = true;
        }
    }
    return changed;
}

const char* mimeOf(int format)
{
    switch (format)
    {
    case PictureFormatJPEG:
        return "image/jpeg";
    case PictureFormatPNG:
        return "image/png";
    case PictureFormatBMP:
        return "image/bmp";
    case PictureFormatGIF:
        return "image/gif";
    default:
        return nullptr;
    }
}

// Embeds the picture into the chosen tag when it has none. Returns 0 (written or already there,
// see `added`) or the negative code of SetMusicArtwork_tag.
int embedPicture(OpenedTag& opened, const TagLib::ByteVector& bytes, int format, bool& added)
{
    added = false;
    if (opened.kind != TagKindID3v2 && opened.kind != TagKindMP4 && opened.kind != TagKindASF &&
        opened.kind != TagKindXiph)
        return -5;
    if (firstPicture(opened.kind, opened.ref.file(), opened.tag))
        return 0; // an existing picture is never replaced
    switch (opened.kind)
    {
    case TagKindID3v2:
    {
        if (format != PictureFormatJPEG && format != PictureFormatPNG)
            return -7;
        auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
        frame->setMimeType(mimeOf(format));
        frame->setPicture(bytes);
        static_cast<TagLib::ID3v2::Tag*>(opened.tag)->addFrame(frame.release()); // the tag owns it
        break;
    }
    case TagKindMP4:
    {
        if (format < PictureFormatJPEG || format > PictureFormatGIF)
            return -9;
        static constexpr TagLib::MP4::CoverArt::Format kFormats[] = {
            TagLib::MP4::CoverArt::JPEG, TagLib::MP4::CoverArt::PNG, TagLib::MP4::CoverArt::BMP,
            TagLib::MP4::CoverArt::GIF};
        TagLib::MP4::CoverArtList covers;
        covers.append(TagLib::MP4::CoverArt(kFormats[format], bytes));
        static_cast<TagLib::MP4::Tag*>(opened.tag)->setItem("covr", TagLib::MP4::Item(covers));
        break;
    }
    case TagKindASF:
    {
        TagLib::ASF::Picture picture;
        picture.setPicture(bytes);
        static_cast<TagLib::ASF::Tag*>(opened.tag)
            ->setAttribute("WM/Picture", TagLib::ASF::Attribute(picture));
        break;
    }
    case TagKindXiph:
    {
        auto* flac = dynamic_cast<TagLib::FLAC::File*>(opened.ref.file());
        if (!flac)
            return -5;
        if (!mimeOf(format))
            return -7;
        auto picture = std::make_unique<TagLib::FLAC::Picture>();
        picture->setType(TagLib::FLAC::Picture::FrontCover);
        picture->setMimeType(mimeOf(format));
        picture->setData(bytes);
        flac->addPicture(picture.release()); // the file owns it
        break;
    }
    }
    added = true;
    return 0;
}

// Edits the tag a file uses for writing without ever leaving the file half-written. `edit` answers
// 0 when it changed the tag, 1 when nothing needs to change, or a negative code. It runs first on
// the file as it is (nothing to change: nothing is written), then on an edit of it (AtomicFileEdit),
// which replaces the file only once all of it is on disk. `saveFailed` is the code for a file that
// cannot be saved.
int editFileTag(const char* path, const std::function<int(OpenedTag&)>& edit, int saveFailed)
{
    {
        OpenedTag probe;
        if (const int rc = codeOf(openForReading(path, true, {}, probe), -3, -4); rc != 0)
            return rc;
        if (const int rc = edit(probe); rc != 0)
            return rc < 0 ? rc : 0;
    }
    AtomicFileEdit file(path);
    if (!file.begin())
        return saveFailed;
    OpenedTag opened;
    if (const int rc =
            codeOf(openTag(path, TagLib::FileRef(file.stream(), true, TagLib::AudioProperties::Average), true,
                           opened),
                   -3, -4);
        rc != 0)
        return rc;
    if (const int rc = edit(opened); rc < 0)
        return rc;
    const bool saved = AtomicFileEdit::saveTags(opened.ref.file());
    opened.ref = TagLib::FileRef(); // TagLib lets go of the content before it is written out
    return saved && file.commit() ? 0 : saveFailed;
}

} // namespace

QString TrackNameFromLocation(const QString& location)
{
    QString path = location;
    path.replace('\\', '/');
    const QString file = path.mid(path.lastIndexOf('/') + 1);
    const qsizetype dot = file.lastIndexOf('.');
    return dot < 0 ? file : file.left(dot);
}

int GetFileTag(const char* path, TagLib::File* file, TagLib::Tag** tag, bool write)
{
    if (!path || !file || !tag)
        return -1;
    *tag = nullptr;
    const QString ext = upperExtension(path);
    if (ext.isNull())
        return -3;

    if (ext == "MP3")
    {
        auto* f = dynamic_cast<TagLib::MPEG::File*>(file);
        if (!f)
            return -2;
        if (!write)
        {
            if (auto* t = f->ID3v2Tag(); hasContent(t))
                return *tag = t, TagKindID3v2;
            if (auto* t = f->ID3v1Tag(); hasContent(t))
                return *tag = t, TagKindID3v1;
            if (auto* t = f->APETag(); hasContent(t))
                return *tag = t, TagKindAPE;
        }
        *tag = f->ID3v2Tag(true);
        return TagKindID3v2;
    }
    if (ext == "WMA" || ext == "ASF")
    {
        auto* f = dynamic_cast<TagLib::ASF::File*>(file);
        return f ? (*tag = f->tag(), TagKindASF) : -2;
    }
    if (ext == "FLAC")
    {
        // FLAC files normally carry a Vorbis comment; an ID3v2 tag is used when it holds something.
        auto* f = dynamic_cast<TagLib::FLAC::File*>(file);
        if (!f)
            return -2;
        if (auto* t = f->ID3v2Tag(); hasContent(t))
            return *tag = t, TagKindID3v2;
        // Without one the (possibly new, in memory until saved) Vorbis comment is the tag.
        *tag = f->xiphComment(true);
        return TagKindXiph;
    }
    if (ext == "TTA")
    {
        // TrueAudio: the ID3v2 tag, or for reading an ID3v1 tag when that is all the file has.
        auto* f = dynamic_cast<TagLib::TrueAudio::File*>(file);
        if (!f)
            return -2;
        if (!write && !hasContent(f->ID3v2Tag()))
            if (auto* t = f->ID3v1Tag(); hasContent(t))
                return *tag = t, TagKindID3v1;
        // Like an MP3: an untagged file reads as an empty ID3v2 tag (nothing is written by reading).
        *tag = f->ID3v2Tag(true);
        return TagKindID3v2;
    }
    if (ext == "AIF" || ext == "AIFF")
    {
        auto* f = dynamic_cast<TagLib::RIFF::AIFF::File*>(file);
        return f ? (*tag = f->tag(), TagKindID3v2) : -2;
    }
    if (ext == "WAV")
    {
        auto* f = dynamic_cast<TagLib::RIFF::WAV::File*>(file);
        return f ? (*tag = f->ID3v2Tag(), TagKindID3v2) : -2;
    }
    if (ext == "M4A")
    {
        auto* f = dynamic_cast<TagLib::MP4::File*>(file);
        return f ? (*tag = f->tag(), TagKindMP4) : -2;
    }
    return -2;
}

int GetMusicInfo(const char* path, MusicInfo* info, const ReadStop& stop)
{
    if (!path || !info)
        return -1;
    if (!fileExists(path))
        return -2;
    try
    {
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(path, sizeError);
        info->Size = QString::number(sizeError ? 0 : qint64(size));
        info->Location = PathFromNative(path);

        OpenedTag opened;
        const OpenResult result = openForReading(path, false, stop, opened);
        if (result == OpenResult::CannotOpen)
            return -3;
        if (const TagLib::AudioProperties* props = opened.ref.audioProperties())
        {
            info->TotalTime = QString::number(static_cast<qint64>(props->lengthInSeconds()) * 1000);
            info->Bitrate = QString::number(props->bitrate());
        }
        if (result == OpenResult::NoTag)
            return -4;

        const SongTag texts(opened.ref.file(), opened.tag);
        const TagLib::Tag* tag = &texts;
        info->Name = fromTag(tag->title());
        info->Artist = fromTag(tag->artist());
        info->Album = fromTag(tag->album());
        info->Genre = fromTag(tag->genre());
        if (tag->year() != 0)
            info->Year = QString::number(tag->year());
        if (info->Name.trimmed().isEmpty())
            info->Name = TrackNameFromLocation(info->Location);
        return firstPicture(opened.kind, opened.ref.file(), opened.tag) ? 1 : 0;
    }
    catch (const std::exception&)
    {
        return -3;
    }
}

int HasMusicArtwork_tag(const char* path, const ReadStop& stop)
{
    if (!fileExists(path))
        return -1;
    try
    {
        OpenedTag opened;
        if (const int rc = codeOf(openForReading(path, false, stop, opened), -2, -3); rc != 0)
            return rc;
        return firstPicture(opened.kind, opened.ref.file(), opened.tag) ? 1 : 0;
    }
    catch (const std::exception&)
    {
        return -2;
    }
}

int GetArtworkPicture(const char* path, std::vector<unsigned char>& out, const ReadStop& stop)
{
    if (!fileExists(path))
        return -1;
    try
    {
        OpenedTag opened;
        if (const int rc = codeOf(openForReading(path, false, stop, opened), -3, -4); rc != 0)
            return rc;
        const auto picture = firstPicture(opened.kind, opened.ref.file(), opened.tag);
        if (!picture || picture->isEmpty())
            return 1;
        out.assign(picture->begin(), picture->end());
        return 0;
    }
    catch (const std::bad_alloc&)
    {
        return -6;
    }
    catch (const std::exception&)
    {
        return -3;
    }
}

int GetArtworkPicture(const char* path, unsigned char** buffer, int* length)
{
    if (!fileExists(path))
        return -1;
    if (!buffer || !length)
        return -2;
    std::vector<unsigned char> bytes;
    const int rc = GetArtworkPicture(path, bytes);
    if (rc != 0)
        return rc;
    auto* copy = static_cast<unsigned char*>(std::malloc(bytes.size()));
    if (!copy)
        return -6;
    std::memcpy(copy, bytes.data(), bytes.size());
    *buffer = copy;
    *length = static_cast<int>(bytes.size());
    return 0;
}

int FreeArtworkPicture(unsigned char** buffer)
{
    if (!buffer || !*buffer)
        return -1;
    std::free(*buffer);
    *buffer = nullptr;
    return 0;
}

int SetMusicInfo_tag(const MusicInfo* info, uint32_t mask)
{
    if (!info)
        return -1;
    if (!(mask & (MF_Name | MF_Artist | MF_Album | MF_Genre | MF_Year)))
        return 0;
    const QByteArray path = PathToNative(info->Location);
    if (!fileExists(path.constData()))
        return -2;
    try
    {
        return editFileTag(
            path.constData(),
            [&](OpenedTag& opened)
            {
                const std::optional<bool> changed = applyInfo(opened.tag, *info, mask);
                return !changed ? -6 : *changed ? 0 : 1;
            },
            -5);
    }
    catch (const std::exception&)
    {
        return -5;
    }
}

int SetMusicArtwork_tag(const char* path, const unsigned char* data, int length, int format)
{
    if (!data || length < 1)
        return -1;
    if (!fileExists(path))
        return -2;
    try
    {
        const TagLib::ByteVector bytes(reinterpret_cast<const char*>(data), static_cast<unsigned>(length));
        return editFileTag(
            path,
            [&](OpenedTag& opened)
            {
                bool added = false;
                const int rc = embedPicture(opened, bytes, format, added);
                return rc < 0 ? rc : added ? 0 : 1;
            },
            -8);
    }
    catch (const std::bad_alloc&)
    {
        return -6;
    }
    catch (const std::exception&)
    {
        return -8;
    }
}
