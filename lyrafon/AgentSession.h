#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lyrafon
{

// The eleven attributes every parsed track carries, in this order.
enum TrackAttributeKey : int
{
    kAttrName,
    kAttrArtist,
    kAttrAlbum,
    kAttrTotalTime,
    kAttrSize,
    kAttrLocation,
    kAttrTrackId,
    kAttrPersistentId,
    kAttrGenre,
    kAttrYear,
    kAttrBitrate,
    kAttributeCount
};

// The attribute names callers ask for ("Name", ..., "Bitrate"); -1 for any other text.
int AttributeIndex(std::string_view key);
const char* AttributeName(int index);

// One track's attributes; a value neither the file nor iTunes supplied is empty (null to callers).
struct AttributeList
{
    std::array<std::optional<std::string>, kAttributeCount> values;
};

// The parsed library: all tracks in file order, and the exported list (the Music playlist's items,
// in playlist order, as indexes into `tracks`). Texts stay put until the session is destroyed:
// `tracks` is only appended to while parsing, and callers read it only afterwards.
struct AgentSession
{
    std::string libraryXmlPath;
    bool hasLists = false;
    std::vector<AttributeList> tracks;
    std::vector<size_t> exported;

    // -1 without lists; else the exported count.
    int trackCount() const;
    // 0 and the text (null when there is none); -1 for an index out of range or an unknown key.
    int find(const char* key, int index, const char** value) const;
};

} // namespace lyrafon
