#include "AgentSession.h"

#include <climits>

namespace lyrafon
{

namespace
{

constexpr const char* kNames[kAttributeCount] = {"Name",  "Artist",   "Album",   "TotalTime",
                                                 "Size",  "Location", "TrackID", "PersistentID",
                                                 "Genre", "Year",     "Bitrate"};

} // namespace

int AttributeIndex(std::string_view key)
{
    for (int i = 0; i < kAttributeCount; ++i)
    {
        if (key == kNames[i])
            return i;
    }
    return -1;
}

const char* AttributeName(int index)
{
    return index >= 0 && index < kAttributeCount ? kNames[index] : nullptr;
}

int AgentSession::trackCount() const
{
    if (!hasLists)
        return -1;
    return exported.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(exported.size());
}

int AgentSession::find(const char* key, int index, const char** value) const
{
    if (!hasLists || !key || index < 0 || static_cast<size_t>(index) >= exported.size())
        return -1;
    const int attribute = AttributeIndex(key);
    if (attribute < 0)
        return -1;
    const std::optional<std::string>& text =
        tracks[exported[static_cast<size_t>(index)]].values[static_cast<size_t>(attribute)];
    *value = text ? text->c_str() : nullptr;
    return 0;
}

} // namespace lyrafon
