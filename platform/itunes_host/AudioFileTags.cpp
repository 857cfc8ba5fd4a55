#include "AudioFileTags.h"

#include "AtomicFileEdit.h"
#include "BoundedReadStream.h"
#include "SongTag.h"

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

#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

namespace tidewell::ithost
{

namespace
{

TagLib::String toTag(const std::string& s)
{
    return TagLib::String(s, TagLib::String::UTF8);
}
std::string fromTag(const TagLib::String& s)
{
    return s.to8Bit(true);
}
TagLib::ByteVector toBytes(const std::string& s)
{
    return TagLib::ByteVector(s.data(), static_cast<unsigned>(s.size()));
}
std::string fromBytes(const TagLib::ByteVector& v)
{
    return std::string(v.data(), v.size());
}

bool isPng(const std::string& image)
{
    return image.size() >= 4 && image.compare(0, 4, "\x89PNG") == 0;
}

template <typename Visit> void id3Pictures(TagLib::ID3v2::Tag* tag, const Visit& visit)
{
    if (!tag)
        return;
    for (TagLib::ID3v2::Frame* frame : tag->frameListMap()["APIC"])
    {
        if (auto* apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame))
            visit(apic->picture());
    }
}

void id3AddPicture(TagLib::ID3v2::Tag* tag, const std::string& image)
{
    auto frame = std::make_unique<TagLib::ID3v2::AttachedPictureFrame>();
    frame->setMimeType(isPng(image) ? "image/png" : "image/jpeg");
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setPicture(toBytes(image));
    tag->addFrame(frame.release()); // the tag owns its frames
}

std::string kindOf(TagLib::File* file)
{
    if (dynamic_cast<TagLib::MPEG::File*>(file))
        return "MPEG audio file";
    if (dynamic_cast<TagLib::MP4::File*>(file))
        return "AAC audio file";
    if (dynamic_cast<TagLib::FLAC::File*>(file))
        return "FLAC audio file";
    if (dynamic_cast<TagLib::ASF::File*>(file))
        return "Windows Media audio file";
    if (dynamic_cast<TagLib::RIFF::AIFF::File*>(file))
        return "AIFF audio file";
    if (dynamic_cast<TagLib::RIFF::WAV::File*>(file))
        return "WAV audio file";
    if (dynamic_cast<TagLib::TrueAudio::File*>(file))
        return "TTA audio file";
    return "Audio file";
}

// A file opened for reading: read-only, and at a bounded cost whatever its size (see
// BoundedReadStream). The reference is null for anything but a regular file.
struct ReadingFile
{
    ReadingFile(const std::string& path, bool readProperties, const AudioFileTags::StopCheck& stop)
        : stream(path, stop)
    {
        if (stream.isOpen())
            ref = TagLib::FileRef(&stream, readProperties, TagLib::AudioProperties::Average);
    }
    BoundedReadStream stream; // before the reference: TagLib's file reads it until it goes
    TagLib::FileRef ref;
};

// Runs `edit` on the file as an edit (AtomicFileEdit: its changes kept aside, the file never held
// in memory) and writes the result back through a complete copy, so a failed write (a full disk)
// leaves the file as it was. `edit` changes and saves the tags (into the edit) and answers whether
// that worked.
bool editFile(const std::string& path, const std::function<bool(TagLib::File*)>& edit)
{
    AtomicFileEdit file(path);
    if (!file.begin())
        return false;
    TagLib::FileRef ref(file.stream(), false);
    const bool saved = !ref.isNull() && edit(ref.file());
    ref = TagLib::FileRef(); // TagLib lets go of the content before it is written out
    return saved && file.commit();
}

// Hands each embedded picture's bytes to `visit`, in file order; false when the file is not
// readable as audio.
template <typename Visit>
bool visitPictures(const std::string& path, const AudioFileTags::StopCheck& stop, const Visit& visit)
{
    const ReadingFile reading(path, false, stop);
    const TagLib::FileRef& ref = reading.ref;
    if (ref.isNull())
        return false;
    TagLib::File* file = ref.file();
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
    {
        id3Pictures(mpeg->ID3v2Tag(false), visit);
    }
    else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file))
    {
        if (mp4->tag() && mp4->tag()->contains("covr"))
        {
            for (const TagLib::MP4::CoverArt& art : mp4->tag()->item("covr").toCoverArtList())
                visit(art.data());
        }
    }
    else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file))
    {
        for (const TagLib::FLAC::Picture* picture : flac->pictureList())
            visit(picture->data());
    }
    else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file))
    {
        if (asf->tag())
        {
            for (const TagLib::ASF::Attribute& attribute : asf->tag()->attribute("WM/Picture"))
                visit(attribute.toPicture().picture());
        }
    }
    else if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file))
    {
        if (aiff->hasID3v2Tag())
            id3Pictures(aiff->tag(), visit);
    }
    else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
    {
        if (wav->hasID3v2Tag())
            id3Pictures(wav->ID3v2Tag(), visit);
    }
    else if (auto* tta = dynamic_cast<TagLib::TrueAudio::File*>(file))
    {
        id3Pictures(tta->ID3v2Tag(false), visit);
    }
    return true;
}

} // namespace

bool AudioFileTags::read(const std::string& path, AudioFileInfo& info, const StopCheck& stop)
{
    const ReadingFile reading(path, true, stop);
    const TagLib::FileRef& ref = reading.ref;
    // TagLib opens nearly anything named .mp3; audio has a valid stream with a sample rate.
    if (ref.isNull() || !ref.file()->isValid() || !ref.audioProperties() ||
        ref.audioProperties()->sampleRate() <= 0)
        return false;
    AudioFileInfo out;
    if (ref.tag())
    {
        const SongTag texts(ref.file(), ref.tag());
        const TagLib::Tag* tag = &texts;
        out.title = fromTag(tag->title());
        out.artist = fromTag(tag->artist());
        out.album = fromTag(tag->album());
        out.genre = fromTag(tag->genre());
        out.year = tag->year();
    }
    const TagLib::AudioProperties* props = ref.audioProperties();
    out.bitRateKbps = props->bitrate();
    out.lengthMs = props->lengthInMilliseconds();
    out.sampleRate = props->sampleRate();
    out.kind = kindOf(ref.file());
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    out.size = ec ? 0 : static_cast<int64_t>(size);
    info = std::move(out);
    return true;
}

bool AudioFileTags::writeText(const std::string& path, Field field, const std::string& value)
{
    return editFile(path,
                    [&](TagLib::File* file)
                    {
                        TagLib::Tag* tag = file->tag();
                        if (!tag)
                            return false;
                        switch (field)
                        {
                        case Field::Title:
                            tag->setTitle(toTag(value));
                            break;
                        case Field::Artist:
                            tag->setArtist(toTag(value));
                            break;
                        case Field::Album:
                            tag->setAlbum(toTag(value));
                            break;
                        case Field::Genre:
                            tag->setGenre(toTag(value));
                            break;
                        }
                        return AtomicFileEdit::saveTags(file);
                    });
}

bool AudioFileTags::writeYear(const std::string& path, unsigned year)
{
    return editFile(path,
                    [&](TagLib::File* file)
                    {
                        if (!file->tag())
                            return false;
                        file->tag()->setYear(year);
                        return AtomicFileEdit::saveTags(file);
                    });
}

bool AudioFileTags::pictures(const std::string& path, std::vector<std::string>& out, const StopCheck& stop)
{
    out.clear();
    return visitPictures(path, stop,
                         [&out](const TagLib::ByteVector& data) { out.push_back(fromBytes(data)); });
}

int AudioFileTags::pictureCount(const std::string& path, const StopCheck& stop)
{
    int count = 0;
    if (!visitPictures(path, stop, [&count](const TagLib::ByteVector&) { ++count; }))
        return -1;
    return count;
}

bool AudioFileTags::addPicture(const std::string& path, const std::string& image)
{
    if (image.empty())
        return false;
    return editFile(path,
                    [&](TagLib::File* file)
                    {
                        if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
                        {
                            id3AddPicture(mpeg->ID3v2Tag(true), image);
                            return AtomicFileEdit::saveTags(mpeg);
                        }
                        if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file))
                        {
                            TagLib::MP4::CoverArtList list;
                            if (mp4->tag()->contains("covr"))
                                list = mp4->tag()->item("covr").toCoverArtList();
                            list.append(TagLib::MP4::CoverArt(isPng(image) ? TagLib::MP4::CoverArt::PNG
                                                                           : TagLib::MP4::CoverArt::JPEG,
                                                              toBytes(image)));
                            mp4->tag()->setItem("covr", TagLib::MP4::Item(list));
                            return mp4->save();
                        }
                        if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file))
                        {
                            auto picture = std::make_unique<TagLib::FLAC::Picture>();
                            picture->setType(TagLib::FLAC::Picture::FrontCover);
                            picture->setMimeType(isPng(image) ? "image/png" : "image/jpeg");
                            picture->setData(toBytes(image));
                            flac->addPicture(picture.release()); // the file owns its pictures
                            return flac->save();
                        }
                        if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file))
                        {
                            TagLib::ASF::Picture picture;
                            picture.setType(TagLib::ASF::Picture::FrontCover);
                            picture.setMimeType(isPng(image) ? "image/png" : "image/jpeg");
                            picture.setPicture(toBytes(image));
                            asf->tag()->addAttribute("WM/Picture", TagLib::ASF::Attribute(picture));
                            return asf->save();
                        }
                        if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file))
                        {
                            id3AddPicture(aiff->tag(), image);
                            return aiff->save();
                        }
                        if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
                        {
                            id3AddPicture(wav->ID3v2Tag(), image);
                            return wav->save();
                        }
                        if (auto* tta = dynamic_cast<TagLib::TrueAudio::File*>(file))
                        {
                            id3AddPicture(tta->ID3v2Tag(true), image);
                            return tta->save();
                        }
                        return false;
                    });
}

} // namespace tidewell::ithost
