#include "LibraryXmlReader.h"

#include "AgentRequest.h"
#include "ComThread.h"
#include "LocationUrl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lyrafon
{

namespace
{

// Plist keys read from a track, the attribute each fills, whether the value is a file URL and
// which request asks iTunes for it when the file lacks it (0: never asked).
struct TrackKey
{
    const char* plistKey;
    int attribute;
    bool isUrl;
    int32_t askCommand;
};

constexpr TrackKey kTrackKeys[] = {
    {"Name", kAttrName, false, kReadName},
    {"Artist", kAttrArtist, false, 0},
    {"Album", kAttrAlbum, false, 0},
    {"Total Time", kAttrTotalTime, false, 0},
    {"Persistent ID", kAttrPersistentId, false, 0},
    {"Size", kAttrSize, false, 0},
    {"Location", kAttrLocation, true, kReadLocation},
    {"Genre", kAttrGenre, false, 0},
    {"Year", kAttrYear, false, 0},
    {"Bit Rate", kAttrBitrate, false, kReadBitRate},
};

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool isContainer(std::string_view name)
{
    return name == "dict" || name == "array";
}

long long decimalValue(const std::string& text)
{
    return std::strtoll(text.c_str(), nullptr, 10);
}

} // namespace

void LocationUrlToPath(std::string& text)
{
    text = tidewell::ithost::locationUrlToPath(text);
}

int FetchAttributeFromITunes(const char* persistentId, const char* plistKey, char** result)
{
    if (!persistentId || !plistKey || !result)
        return 0;
    AgentRequest request;
    request.idOrPath = persistentId;
    request.inOut = result;
    if (std::strcmp(plistKey, "Name") == 0)
        request.command = kReadName;
    else if (std::strcmp(plistKey, "Location") == 0)
        request.command = kReadLocation;
    else if (std::strcmp(plistKey, "Bit Rate") == 0)
        request.command = kReadBitRate;
    else
        return 0;
    return PostAgentRequest(&request) == 0 ? 1 : 0;
}

LibraryXmlReader::LibraryXmlReader(AgentSession& session, Fetcher fetcher, StopCheck stopCheck)
    : m_session(session), m_fetcher(std::move(fetcher)), m_stopCheck(std::move(stopCheck))
{
}

int LibraryXmlReader::parseFile(const std::string& path)
{
    m_state = kBeforeLibraryId;
    m_depth = 0;
    m_collecting = false;
    m_text.clear();
    m_key.clear();
    m_track.reset();
    m_playlist.reset();
    m_byTrackId.clear();
    m_error.clear();

    // A library file holds about a kilobyte or more per track. Room for that many tracks up front
    // saves the list from being moved to fresh memory again and again as it grows; pages never
    // written cost nothing.
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    if (!ec)
    {
        const size_t estimate = std::min<size_t>(static_cast<size_t>(bytes / 1024), 500000);
        m_session.tracks.reserve(m_session.tracks.size() + estimate);
        m_byTrackId.reserve(estimate);
    }

    const tidewell::ithost::SaxResult parsed = tidewell::ithost::parseXmlFile(path, *this);
    m_text.clear();
    m_key.clear();
    m_track.reset();
    m_playlist.reset();
    if (parsed == tidewell::ithost::SaxResult::Missing)
    {
        m_error = "cannot open " + path;
        return -3;
    }
    if (parsed == tidewell::ithost::SaxResult::NotWellFormed)
    {
        if (m_error.empty())
            m_error = "not well-formed";
        return -3;
    }
    if (m_state != kDone)
    {
        m_error = "no complete library (Tracks and Playlists)";
        return -4;
    }
    return 0;
}

void LibraryXmlReader::xmlError(const std::string& message)
{
    if (m_error.empty())
        m_error = message;
}

void LibraryXmlReader::characters(const char* text, size_t length)
{
    if (m_collecting)
        m_text.append(text, length);
}

void LibraryXmlReader::startElement(std::string_view name)
{
    ++m_depth;
    m_text.clear();
    m_collecting = false;
    switch (m_state)
    {
    case kBeforeLibraryId:
        m_collecting = name == "key";
        break;
    case kLibraryIdValue:
        if (m_valueDepth == 0)
            m_valueDepth = m_depth;
        break;
    case kWaitTracks:
        if (name == "dict")
        {
            m_state = kInTracks;
            m_containerDepth = m_depth;
        }
        break;
    case kInTracks:
        if (m_depth == m_containerDepth + 1 && name == "dict")
        {
            m_state = kInTrack;
            m_itemDepth = m_depth;
        }
        break;
    case kInTrack:
        if (m_depth == m_itemDepth + 1)
        {
            if (name == "key")
            {
                m_collecting = true;
            }
            else
            { // a value without its key: read past it
                m_key.clear();
                m_state = kTrackValue;
                m_valueDepth = m_depth;
                m_valueIsScalar = false;
            }
        }
        break;
    case kTrackValue:
        if (m_valueDepth == 0)
        {
            m_valueDepth = m_depth;
            m_valueIsScalar = !isContainer(name);
            m_collecting = m_valueIsScalar;
        }
        break;
    case kWaitPlaylists:
        if (name == "array")
        {
            m_state = kInPlaylists;
            m_containerDepth = m_depth;
        }
        break;
    case kInPlaylists:
        if (m_depth == m_containerDepth + 1)
        {
            m_itemDepth = m_depth;
            if (name == "dict")
            {
                m_state = kInPlaylist;
                m_playlist = std::make_unique<PlaylistInfo>();
            }
            else
            {
                m_state = kSkipPlaylist;
            }
        }
        break;
    case kInPlaylist:
        if (m_depth == m_itemDepth + 1)
        {
            if (name == "key")
            {
                m_collecting = true;
            }
            else
            {
                m_key.clear();
                m_state = kPlaylistValue;
                m_valueDepth = m_depth;
                m_valueIsScalar = false;
            }
        }
        break;
    case kPlaylistValue:
        if (m_valueDepth == 0)
        {
            m_valueDepth = m_depth;
            if (m_key == "Playlist Items" && name == "array")
            {
                m_state = kInItems;
                m_itemsDepth = m_depth;
                m_itemKeyIsTrackId = false;
            }
            else
            {
                m_valueIsScalar = !isContainer(name);
                m_valueName = name;
                m_collecting = m_valueIsScalar;
            }
        }
        break;
    case kInItems:
        if (m_depth == m_itemsDepth + 2)
            m_collecting = true; // a key of an item, or the Track ID value after it
        break;
    case kDone:
    case kSkipPlaylist:
        break;
    }
}

void LibraryXmlReader::endElement(std::string_view name)
{
    switch (m_state)
    {
    case kBeforeLibraryId:
        if (name == "key" && m_text == "Library Persistent ID")
        {
            m_state = kLibraryIdValue;
            m_valueDepth = 0;
        }
        break;
    case kLibraryIdValue:
        if (m_valueDepth == 0 || m_depth == m_valueDepth) // its value, or the dict around it, ended
            m_state = kWaitTracks;
        break;
    case kWaitTracks:
    case kWaitPlaylists:
    case kDone:
        break;
    case kInTracks:
        if (m_depth == m_containerDepth)
            m_state = kWaitPlaylists;
        break;
    case kInTrack:
        if (m_depth == m_itemDepth + 1 && name == "key")
        {
            m_key = m_text;
            m_state = kTrackValue;
            m_valueDepth = 0;
        }
        else if (m_depth == m_itemDepth)
        {
            completeTrack();
            m_state = kInTracks;
        }
        break;
    case kTrackValue:
        if (m_depth == m_valueDepth)
        {
            if (m_valueIsScalar && !isBlank(m_text))
                storeTrackValue(m_key, m_text);
            m_state = kInTrack;
        }
        else if (m_depth == m_itemDepth)
        { // a key without a value ended the track
            completeTrack();
            m_state = kInTracks;
        }
        break;
    case kInPlaylists:
        if (m_depth == m_containerDepth)
            m_state = kDone;
        break;
    case kInPlaylist:
        if (m_depth == m_itemDepth + 1 && name == "key")
        {
            m_key = m_text;
            if (m_key == "All Items")
                handlePlaylistKey("Smart Info", nullptr);
            m_state = kPlaylistValue;
            m_valueDepth = 0;
        }
        else if (m_depth == m_itemDepth)
        {
            m_playlist.reset();
            m_state = kInPlaylists;
        }
        break;
    case kPlaylistValue:
        if (m_depth == m_valueDepth)
        {
            m_state = kInPlaylist;
            if (m_valueIsScalar)
            {
                const std::string value = isBlank(m_text) ? m_valueName : m_text;
                if (handlePlaylistKey(m_key, &value) < 0)
                {
                    m_playlist.reset();
                    m_state = kSkipPlaylist;
                }
            }
        }
        else if (m_depth == m_itemDepth)
        {
            m_playlist.reset();
            m_state = kInPlaylists;
        }
        break;
    case kInItems:
        if (m_depth == m_itemsDepth + 2)
        {
            if (name == "key")
                m_itemKeyIsTrackId = m_text == "Track ID";
            else if (m_itemKeyIsTrackId)
            {
                m_itemKeyIsTrackId = false;
                if (!isBlank(m_text))
                    addPlaylistItem(m_text);
            }
        }
        else if (m_depth == m_itemsDepth + 1)
        {
            m_itemKeyIsTrackId = false;
        }
        else if (m_depth == m_itemsDepth)
        {
            m_state = kInPlaylist;
        }
        break;
    case kSkipPlaylist:
        if (m_depth == m_itemDepth)
        {
            m_playlist.reset();
            m_state = kInPlaylists;
        }
        break;
    }
    m_collecting = false;
    m_text.clear();
    --m_depth;
}

void LibraryXmlReader::storeTrackValue(const std::string& key, const std::string& value)
{
    if (key == "Track ID")
    {
        m_track = std::make_unique<AttributeList>(); // a second Track ID starts the track afresh
        m_track->values[kAttrTrackId] = value;
        return;
    }
    if (!m_track)
        return; // values before the first Track ID are dropped
    for (const TrackKey& row : kTrackKeys)
    {
        if (key == row.plistKey)
        {
            std::string text = value;
            if (row.isUrl)
                LocationUrlToPath(text);
            m_track->values[static_cast<size_t>(row.attribute)] = std::move(text);
            return;
        }
    }
}

void LibraryXmlReader::completeTrack()
{
    if (!m_track)
        return;
    AttributeList& track = *m_track;
    const std::optional<std::string>& persistentId = track.values[kAttrPersistentId];
    if (persistentId && m_fetcher)
    {
        for (const TrackKey& row : kTrackKeys)
        {
            if (row.askCommand != 0 && !track.values[static_cast<size_t>(row.attribute)])
            {
                if (std::optional<std::string> text = m_fetcher(*persistentId, row.plistKey))
                    track.values[static_cast<size_t>(row.attribute)] = std::move(*text);
            }
        }
    }
    const size_t index = m_session.tracks.size();
    if (const std::optional<std::string>& trackId = track.values[kAttrTrackId])
        m_byTrackId.emplace(decimalValue(*trackId), index); // the first track of an ID keeps it
    m_session.tracks.push_back(std::move(track));
    m_track.reset();
}

int LibraryXmlReader::handlePlaylistKey(std::string_view key, const std::string* value)
{
    if (!m_playlist)
        m_playlist = std::make_unique<PlaylistInfo>();
    PlaylistInfo& playlist = *m_playlist;
    if (key == "Name")
    {
        playlist.name = value ? *value : std::string();
        return 0;
    }
    if (key == "Playlist Persistent ID")
    {
        playlist.persistentId = value ? *value : std::string();
        return 0;
    }
    if (key == "Distinguished Kind")
    {
        playlist.kind = value ? static_cast<int>(std::strtol(value->c_str(), nullptr, 10)) : 0;
        return playlist.kind;
    }
    if (key == "Visible")
        return value && *value == "false" ? -1 : 0;
    if (key == "Smart Info" && playlist.kind == -1)
        playlist.kind = value ? 0 : 1;
    return 0;
}

void LibraryXmlReader::addPlaylistItem(const std::string& text)
{
    if (!m_playlist || m_playlist->kind != 4)
        return;
    const auto it = m_byTrackId.find(decimalValue(text));
    if (it != m_byTrackId.end())
        m_session.exported.push_back(it->second);
}

} // namespace lyrafon
