#include "AudioPayload.h"

#include <algorithm>
#include <cstdint>

namespace
{

using Kind = AudioPayload::Kind;

uint32_t be32(std::string_view s, size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint32_t le32(std::string_view s, size_t at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return (uint32_t(p[3]) << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | uint32_t(p[0]);
}

uint64_t le64(std::string_view s, size_t at)
{
    return uint64_t(le32(s, at)) | (uint64_t(le32(s, at + 4)) << 32);
}

uint64_t be64(std::string_view s, size_t at)
{
    return (uint64_t(be32(s, at)) << 32) | uint64_t(be32(s, at + 4));
}

unsigned char byteAt(std::string_view s, size_t at)
{
    return static_cast<unsigned char>(s[at]);
}

bool isChunkId(std::string_view s, size_t at)
{
    for (size_t i = at; i < at + 4; ++i)
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
AudioPayload chunks(std::string_view s, bool bigEndian, std::string_view soundId)
{
    AudioPayload out{Kind::Sound, {}};
    size_t at = 12;
    while (at < s.size())
    {
        if (s.size() - at < 8 || !isChunkId(s, at))
            return unsound();
        const uint64_t size = bigEndian ? be32(s, at + 4) : le32(s, at + 4);
        if (size > s.size() - at - 8)
            return unsound();
        if (s.substr(at, 4) == soundId)
            out.parts.push_back(s.substr(at + 8, size));
        at += 8 + size + (size & 1);
    }
    if (out.parts.empty())
        return unsound();
    return out;
}

// The size of an ID3v2 tag at `at`, header and footer included; 0 when there is none.
size_t id3v2Size(std::string_view s, size_t at)
{
    if (s.size() - at < 10 || s.substr(at, 3) != "ID3")
        return 0;
    size_t size = 0;
    for (size_t i = at + 6; i < at + 10; ++i)
        size = (size << 7) | (byteAt(s, i) & 0x7f);
    return 10 + size + ((byteAt(s, at + 5) & 0x10) ? 10 : 0);
}

bool isFrameSync(std::string_view s, size_t at)
{
    return s.size() - at >= 2 && byteAt(s, at) == 0xff && (byteAt(s, at + 1) & 0xe0) == 0xe0;
}

// The end of the sound before the trailing ID3v1 tag, when there is one.
size_t beforeId3v1(std::string_view s, size_t from)
{
    const size_t end = s.size();
    return end - from >= 128 && s.substr(end - 128, 3) == "TAG" ? end - 128 : end;
}

AudioPayload flac(std::string_view s, size_t at)
{
    at += 4; // "fLaC"
    for (bool last = false; !last;)
    {
        if (s.size() - at < 4 || (byteAt(s, at) & 0x7f) == 127)
            return unsound();
        last = (byteAt(s, at) & 0x80) != 0;
        const size_t length = be32(s, at) & 0xffffff;
        if (length > s.size() - at - 4)
            return unsound();
        at += 4 + length;
    }
    const size_t end = beforeId3v1(s, at);
    // Metadata that does not end where the frames begin has been misread.
    if (at < end && !(isFrameSync(s, at) && (byteAt(s, at + 1) & 0xfe) == 0xf8))
        return unsound();
    return AudioPayload{Kind::Sound, {s.substr(at, end - at)}};
}

AudioPayload mp4(std::string_view s)
{
    AudioPayload out{Kind::Sound, {}};
    size_t at = 0;
    while (at < s.size())
    {
        if (s.size() - at < 8 || !isChunkId(s, at + 4))
            return unsound();
        uint64_t size = be32(s, at);
        size_t header = 8;
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
        if (s.substr(at + 4, 4) == "mdat")
            out.parts.push_back(s.substr(at + header, size - header));
        at += size;
    }
    if (out.parts.empty())
        return unsound();
    return out;
}

AudioPayload ogg(std::string_view s)
{
    AudioPayload out{Kind::Sound, {}};
    bool inSound = false;
    size_t at = 0;
    while (at < s.size())
    {
        if (s.size() - at < 27 || s.substr(at, 4) != "OggS" || byteAt(s, at + 4) != 0)
            return unsound();
        const size_t segments = byteAt(s, at + 26);
        if (s.size() - at - 27 < segments)
            return unsound();
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i)
            body += byteAt(s, at + 27 + i);
        const size_t start = at + 27 + segments;
        if (body > s.size() - start)
            return unsound();
        // The header packets (whose pages TagLib rewrites) end at granule position 0; the sound
        // pages after them keep their bodies, if not their numbers.
        inSound = inSound || le64(s, at + 6) != 0;
        if (inSound)
            out.parts.push_back(s.substr(start, body));
        at = start + body;
    }
    return out;
}

// Whatever lies behind ID3v2 tags at the start: an MP3, or a FLAC or TrueAudio file so tagged.
AudioPayload afterId3v2(std::string_view s)
{
    size_t at = 0;
    bool tagged = false;
    for (size_t tag = id3v2Size(s, at); tag != 0; tag = id3v2Size(s, at))
    {
        if (tag > s.size() - at)
            return unsound();
        at += tag;
        tagged = true;
    }
    if (s.substr(at, 4) == "fLaC")
        return flac(s, at);
    if (s.substr(at, 4) == "TTA1")
        return AudioPayload{};
    if (tagged)
    {
        // Padding after a tag's stated size is allowed; anything else there but a frame means the
        // tag's size is wrong, and its rewrite would eat the frames it covers.
        size_t next = at;
        while (next < s.size() && s[next] == '\0')
            ++next;
        if (next < s.size() && !isFrameSync(s, next))
            return unsound();
    }
    size_t end = beforeId3v1(s, at);
    if (end - at >= 32 && s.substr(end - 32, 8) == "APETAGEX")
    {
        const uint64_t size = le32(s, end - 32 + 12) + ((le32(s, end - 32 + 20) & 0x80000000u) ? 32 : 0);
        if (size > end - at)
            return unsound();
        end -= size;
    }
    return AudioPayload{Kind::Sound, {s.substr(at, end - at)}};
}

// Compares two byte streams, each given in pieces.
bool sameBytes(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b)
{
    size_t ai = 0, bi = 0, ao = 0, bo = 0;
    for (;;)
    {
        while (ai < a.size() && ao == a[ai].size())
            ++ai, ao = 0;
        while (bi < b.size() && bo == b[bi].size())
            ++bi, bo = 0;
        if (ai == a.size() || bi == b.size())
            return ai == a.size() && bi == b.size();
        const size_t n = std::min(a[ai].size() - ao, b[bi].size() - bo);
        if (a[ai].substr(ao, n) != b[bi].substr(bo, n))
            return false;
        ao += n;
        bo += n;
    }
}

} // namespace

AudioPayload AudioPayload::of(std::string_view s)
{
    if (s.size() >= 12 && (s.substr(0, 4) == "RIFF" || s.substr(0, 4) == "RIFX") && s.substr(8, 4) == "WAVE")
        return chunks(s, s.substr(0, 4) == "RIFX", "data");
    if (s.size() >= 12 && s.substr(0, 4) == "FORM" && (s.substr(8, 4) == "AIFF" || s.substr(8, 4) == "AIFC"))
        return chunks(s, true, "SSND");
    if (s.size() >= 4 && s.substr(0, 4) == "fLaC")
        return flac(s, 0);
    if (s.size() >= 8 && s.substr(4, 4) == "ftyp")
        return mp4(s);
    if (s.size() >= 4 && s.substr(0, 4) == "OggS")
        return ogg(s);
    if (id3v2Size(s, 0) != 0 || isFrameSync(s, 0))
        return afterId3v2(s);
    return AudioPayload{};
}

bool AudioPayload::same(const AudioPayload& before, const AudioPayload& after)
{
    if (before.kind == Kind::Unknown)
        return true;
    if (before.kind != Kind::Sound || after.kind != Kind::Sound)
        return false;
    return sameBytes(before.parts, after.parts);
}
