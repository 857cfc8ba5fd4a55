#pragma once

#include <taglib/tag.h>

namespace TagLib
{
class File;
}

// A song's tag as it is read: each text from the tag in use and, where that has no value, from
// the file's second tag. A WAV file carries its own RIFF INFO block beside its ID3v2 tag, and
// most tools write a WAV's title there only; TagLib's WAV file answers its ID3v2 tag alone. What
// is written goes to the tag in use as before: this view is read-only, its setters change
// nothing. It does not own the tags: the file (and its stream) must outlive it. One thread.
class SongTag : public TagLib::Tag
{
public:
    // tag: the tag in use (may be null); file: the file it belongs to.
    SongTag(TagLib::File* file, const TagLib::Tag* tag);

    TagLib::String title() const override;
    TagLib::String artist() const override;
    TagLib::String album() const override;
    TagLib::String comment() const override;
    TagLib::String genre() const override;
    unsigned int year() const override;
    unsigned int track() const override;

    void setTitle(const TagLib::String&) override {}
    void setArtist(const TagLib::String&) override {}
    void setAlbum(const TagLib::String&) override {}
    void setComment(const TagLib::String&) override {}
    void setGenre(const TagLib::String&) override {}
    void setYear(unsigned int) override {}
    void setTrack(unsigned int) override {}

private:
    TagLib::String Text(TagLib::String (TagLib::Tag::*field)() const) const;
    unsigned int Number(unsigned int (TagLib::Tag::*field)() const) const;

    const TagLib::Tag* m_tag;
    const TagLib::Tag* m_second = nullptr;
};
