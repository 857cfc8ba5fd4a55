#include "AudioPayload.h"

#include "FileBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace
{

using Kind = AudioPayload::Kind;
using Part = AudioPayload::Part;

uint32_t be32(FileBytes& s, uint64_t at)
{
    unsigned char p[4] = {};
    s.read(at, p, 4);
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint32_t le32(FileBytes& s, uint64_t at)
{
    unsigned char p[4] = {};
    s.read(at, p, 4);
    return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | uint32_t(p[0]);
}

uint64_t le64(FileBytes& s, uint64_t at)
{
    return uint64_t(le32(s, at)) | (uint64_t(le32(s, at + 4)) << 32);
}

uint64_t be64(FileBytes& s, uint64_t at)
{
    return (uint64_t(be32(s, at)) << 32) | uint64_t(be32(s, at + 4));
}

unsigned char byteAt(FileBytes& s, uint64_t at)
{
    return s.byteAt(at);
}

bool isChunkId(FileBytes& s, uint64_t at)
{
    for (uint64_t i = at; i < at + 4; ++i)
    {
        if (byteAt(s, i) < 0x20 || byteAt(s, i) > 0x7e)
            return false;
    }
    return true;
}

AudioPayload unsound()
{
    return AudioPayload{Kind::Unsound, {}};
}

// RIFF (WAV) and IFF (AIFF): chunks from offset 12 to the very end, each with a readable name and
// inside the file; odd sizes are followed by a pad byte (a missing last one is forgiven).
AudioPayload chunks(FileBytes& s, bool bigEndian, std::string_view soundId)
{
    AudioPayload out{Kind::Sound, {}};
    uint64_t at = 12;
    while (at < s.size())
    {
        if (s.size() - at < 8 || !isChunkId(s, at))
            return unsound();
        const uint64_t size = bigEndian ? be32(s, at + 4) : le32(s, at + 4);
        if (size > s.size() - at - 8)
            return unsound();
        if (s.holds(at, soundId))
            out.parts.push_back({at + 8, size});
        at += 8 + size + (size & 1);
    }
    if (out.parts.empty())
        return unsound();
    return out;
}

// The size of an ID3v2 tag at `at`, header and footer included; 0 when there is none.
uint64_t id3v2Size(FileBytes& s, uint64_t at)
{
    if (s.size() - at < 10 || !s.holds(at, "ID3"))
        return 0;
    uint64_t size = 0;
    for (uint64_t i = at + 6; i < at + 10; ++i)
        size = (size << 7) | (byteAt(s, i) & 0x7f);
    return 10 + size + ((byteAt(s, at + 5) & 0x10) ? 10 : 0);
}

bool isFrameSync(FileBytes& s, uint64_t at)
{
    return s.size() - at >= 2 && byteAt(s, at) == 0xff && (byteAt(s, at + 1) & 0xe0) == 0xe0;
}

// The end of the sound before the trailing ID3v1 tag, when there is one.
uint64_t beforeId3v1(FileBytes& s, uint64_t from)
{
    const uint64_t end = s.size();
    return end - from >= 128 && s.holds(end - 128, "TAG") ? end - 128 : end;
}

AudioPayload flac(FileBytes& s, uint64_t at)
{
    at += 4; // "fLaC"
    for (bool last = false; !last;)
    {
        if (s.size() - at < 4 || (byteAt(s, at) & 0x7f) == 127)
            return unsound();
        last = (byteAt(s, at) & 0x80) != 0;
        const uint64_t length = be32(s, at) & 0xffffff;
        if (length > s.size() - at - 4)
            return unsound();
        at += 4 + length;
    }
    const uint64_t end = beforeId3v1(s, at);
    // Metadata that does not end where the frames begin has been misread.
    if (at < end && !(isFrameSync(s, at) && (byteAt(s, at + 1) & 0xfe) == 0xf8))
        return unsound();
    return AudioPayload{Kind::Sound, {Part{at, end - at}}};
}

AudioPayload mp4(FileBytes& s)
{
    AudioPayload out{Kind::Sound, {}};
    uint64_t at = 0;
    while (at < s.size())
    {
        if (s.size() - at < 8 || !isChunkId(s, at + 4))
            return unsound();
        uint64_t size = be32(s, at);
        uint64_t header = 8;
        if (size == 1)
        {
            if (s.size() - at < 16)
                return unsound();
            size = be64(s, at + 8);
            header = 16;
        }
        else if (size == 0)
        {
            size = s.size() - at; // to the end of the file
        }
        if (size < header || size > s.size() - at)
            return unsound();
        if (s.holds(at + 4, "mdat"))
            out.parts.push_back({at + header, size - header});
        at += size;
    }
    if (out.parts.empty())
        return unsound();
    return out;
}

AudioPayload ogg(FileBytes& s)
{
    AudioPayload out{Kind::Sound, {}};
    bool inSound = false;
    uint64_t at = 0;
    while (at < s.size())
    {
        if (s.size() - at < 27 || !s.holds(at, "OggS") || byteAt(s, at + 4) != 0)
            return unsound();
        const uint64_t segments = byteAt(s, at + 26);
        if (s.size() - at - 27 < segments)
            return unsound();
        uint64_t body = 0;
        for (uint64_t i = 0; i < segments; ++i)
            body += byteAt(s, at + 27 + i);
        const uint64_t start = at + 27 + segments;
        if (body > s.size() - start)
            return unsound();
        // The header packets (whose pages TagLib rewrites) end at granule position 0; the sound
        // pages after them keep their bodies, if not their numbers.
        inSound = inSound || le64(s, at + 6) != 0;
        if (inSound)
            out.parts.push_back({start, body});
        at = start + body;
    }
    return out;
}

// Where the first byte other than zero lies from `at` on; the size when there is none.
uint64_t firstNonZero(FileBytes& s, uint64_t at)
{
    char chunk[4096];
    while (at < s.size())
    {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(sizeof chunk, s.size() - at));
        if (!s.read(at, chunk, n))
            return s.size();
        for (size_t i = 0; i < n; ++i)
        {
            if (chunk[i] != '\0')
                return at + i;
        }
        at += n;
    }
    return at;
}

// Whatever lies behind ID3v2 tags at the start: an MP3, or a FLAC or TrueAudio file so tagged.
AudioPayload afterId3v2(FileBytes& s)
{
    uint64_t at = 0;
    bool tagged = false;
    for (uint64_t tag = id3v2Size(s, at); tag != 0; tag = id3v2Size(s, at))
    {
        if (tag > s.size() - at)
            return unsound();
        at += tag;
        tagged = true;
    }
    if (s.holds(at, "fLaC"))
        return flac(s, at);
    if (s.holds(at, "TTA1"))
        return AudioPayload{};
    if (tagged)
    {
        // Padding after a tag's stated size is allowed; anything else there but a frame means the
        // tag's size is wrong, and its rewrite would eat the frames it covers.
        const uint64_t next = firstNonZero(s, at);
        if (next < s.size() && !isFrameSync(s, next))
            return unsound();
    }
    uint64_t end = beforeId3v1(s, at);
    if (end - at >= 32 && s.holds(end - 32, "APETAGEX"))
    {
        const uint64_t size = le32(s, end - 32 + 12) + ((le32(s, end - 32 + 20) & 0x80000000u) ? 32 : 0);
        if (size > end - at)
            return unsound();
        end -= size;
    }
    return AudioPayload{Kind::Sound, {Part{at, end - at}}};
}

// Compares two byte streams, each given in parts of its file, a bounded piece at a time.
bool sameBytes(FileBytes& aBytes, const std::vector<Part>& a, FileBytes& bBytes, const std::vector<Part>& b)
{
    constexpr uint64_t kPiece = uint64_t(1) << 20;
    std::vector<char> aPiece(kPiece), bPiece(kPiece);
    size_t ai = 0, bi = 0;
    uint64_t ao = 0, bo = 0;
    for (;;)
    {
        while (ai < a.size() && ao == a[ai].length)
            ++ai, ao = 0;
        while (bi < b.size() && bo == b[bi].length)
            ++bi, bo = 0;
        if (ai == a.size() || bi == b.size())
            return ai == a.size() && bi == b.size();
        const size_t n = static_cast<size_t>(std::min({a[ai].length - ao, b[bi].length - bo, kPiece}));
        if (!aBytes.read(a[ai].offset + ao, aPiece.data(), n) ||
            !bBytes.read(b[bi].offset + bo, bPiece.data(), n) ||
            std::memcmp(aPiece.data(), bPiece.data(), n) != 0)
            return false;
        ao += n;
        bo += n;
    }
}

AudioPayload structureOf(FileBytes& s)
{
    if (s.size() >= 12 && (s.holds(0, "RIFF") || s.holds(0, "RIFX")) && s.holds(8, "WAVE"))
        return chunks(s, s.holds(0, "RIFX"), "data");
    if (s.size() >= 12 && s.holds(0, "FORM") && (s.holds(8, "AIFF") || s.holds(8, "AIFC")))
        return chunks(s, true, "SSND");
    if (s.size() >= 4 && s.holds(0, "fLaC"))
        return flac(s, 0);
    if (s.size() >= 8 && s.holds(4, "ftyp"))
        return mp4(s);
    if (s.size() >= 4 && s.holds(0, "OggS"))
        return ogg(s);
    if (id3v2Size(s, 0) != 0 || isFrameSync(s, 0))
        return afterId3v2(s);
    return AudioPayload{};
}

} // namespace

AudioPayload AudioPayload::of(FileBytes& s)
{
    AudioPayload out = structureOf(s);
    // What could not be read cannot be vouched for.
    return s.failed() ? unsound() : out;
}

bool AudioPayload::same(const AudioPayload& before, FileBytes& beforeBytes, const AudioPayload& after,
                        FileBytes& afterBytes)
{
    if (before.kind == Kind::Unknown)
        return true;
    if (before.kind != Kind::Sound || after.kind != Kind::Sound)
        return false;
    return sameBytes(beforeBytes, before.parts, afterBytes, after.parts);
}
