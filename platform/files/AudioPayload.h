#pragma once

#include <cstdint>
#include <vector>

class FileBytes;

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
    struct Part
    {
        uint64_t offset = 0;
        uint64_t length = 0;
    };
    Kind kind = Kind::Unknown;
    // Where the sound lies in the file, in file order.
    std::vector<Part> parts;

    // Reads only the structure, however large the file; a file that cannot be read is Unsound.
    static AudioPayload of(FileBytes& content);
    // Whether `after` (of the file `afterBytes`) holds the same sound as `before` (of
    // `beforeBytes`), compared a bounded piece at a time: true when `before` is Unknown, false when
    // either is Unsound, the sounds differ by a byte, or either file cannot be read.
    static bool same(const AudioPayload& before, FileBytes& beforeBytes, const AudioPayload& after,
                     FileBytes& afterBytes);
};
