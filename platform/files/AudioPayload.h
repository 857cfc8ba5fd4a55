#pragma once

#include <string_view>
#include <vector>

// The sound of an audio file, as far as its container tells where it lies: what a tag edit must
// never change. TagLib walks a file's chunks, boxes or pages and writes its tags after the last
// one it understood; in a file whose structure runs off (a WAV chunk of size zero before the
// samples, a box larger than the file) that lands amid the sound. Such a file is unsound and is
// not to be written at all.
//
// WAV and AIFF (the data and SSND chunks), FLAC (the frames after the metadata blocks), MP4 (the
// mdat boxes), Ogg (the page bodies after the header pages) and MP3 (what lies between the ID3v2
// tag and the trailing APE and ID3v1 tags) are read; any other content is Unknown.
struct AudioPayload
{
    enum class Kind
    {
        Unknown, // not a container read here: nothing to compare
        Unsound, // a container read here whose structure does not hold up
        Sound,
    };
    Kind kind = Kind::Unknown;
    // Views into the content read, in file order; together they are the sound.
    std::vector<std::string_view> parts;

    static AudioPayload of(std::string_view content);
    // Whether `after` holds the same sound as `before`: true when `before` is Unknown, false when
    // either is Unsound or the sounds differ by a byte.
    static bool same(const AudioPayload& before, const AudioPayload& after);
};
