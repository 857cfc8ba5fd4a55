#include "SongTag.h"

#include <taglib/infotag.h>
#include <taglib/wavfile.h>

SongTag::SongTag(TagLib::File* file, const TagLib::Tag* tag) : m_tag(tag)
{
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file); wav && wav->hasInfoTag())
        m_second = wav->InfoTag();
    if (m_second == m_tag)
        m_second = nullptr;
}

TagLib::String SongTag::Text(TagLib::String (TagLib::Tag::*field)() const) const
{
    if (m_tag)
    {
        if (TagLib::String text = (m_tag->*field)(); !text.stripWhiteSpace().isEmpty())
            return text;
    }
    return m_second ? (m_second->*field)() : TagLib::String();
}

unsigned int SongTag::Number(unsigned int (TagLib::Tag::*field)() const) const
{
    const unsigned int value = m_tag ? (m_tag->*field)() : 0;
    return value != 0 || !m_second ? value : (m_second->*field)();
}

TagLib::String SongTag::title() const
{
    return Text(&TagLib::Tag::title);
}

TagLib::String SongTag::artist() const
{
    return Text(&TagLib::Tag::artist);
}

TagLib::String SongTag::album() const
{
    return Text(&TagLib::Tag::album);
}

TagLib::String SongTag::comment() const
{
    return Text(&TagLib::Tag::comment);
}

TagLib::String SongTag::genre() const
{
    return Text(&TagLib::Tag::genre);
}

unsigned int SongTag::year() const
{
    return Number(&TagLib::Tag::year);
}

unsigned int SongTag::track() const
{
    return Number(&TagLib::Tag::track);
}
