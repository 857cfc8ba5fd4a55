#pragma once

#include "AgentSession.h"
#include "SaxFileParser.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lyrafon
{

// Decodes a track's Location URL into a local path, in place (see ithost::locationUrlToPath).
void LocationUrlToPath(std::string& text);

// Asks iTunes for an attribute the file lacks: "Name" (command 1), "Location" (7), "Bit Rate" (15);
// any other key asks nothing. 1 when iTunes answered and *result received a malloc'ed UTF-8 text.
int FetchAttributeFromITunes(const char* persistentId, const char* plistKey, char** result);

// Streams an iTunes library XML file (SAX, libxml2) into an AgentSession: one AttributeList per
// track of the Tracks dictionary, and the items of the Music playlist (Distinguished Kind 4) as
// the exported list. The reader follows the element depth, so values that are themselves dicts or
// arrays, playlists in any key order and empty elements never shift it off the structure; a text
// is judged blank only as a whole, after all its pieces arrived.
//
// One reader per parse, on the caller's thread. DTDs and the network are never loaded.
class LibraryXmlReader : private tidewell::ithost::SaxHandler
{
public:
    // Asks for a missing attribute; answers the text or nothing.
    using Fetcher =
        std::function<std::optional<std::string>(const std::string& persistentId, const char* plistKey)>;

    enum State : int
    {
        kBeforeLibraryId = 0,
        kLibraryIdValue = 1,
        kWaitTracks = 2,
        kInTracks = 3,
        kInTrack = 4,
        kTrackValue = 5,
        kWaitPlaylists = 6,
        kInPlaylists = 7,
        kInPlaylist = 8,
        kPlaylistValue = 9,
        kInItems = 11,
        kDone = 13,
        kSkipPlaylist = 14,
    };

    // Asked between parse events; true ends the read there (it then answers -4).
    using StopCheck = std::function<bool()>;

    LibraryXmlReader(AgentSession& session, Fetcher fetcher, StopCheck stopCheck = {});

    // 0 parsed to the end of the Playlists array; -3 missing or not well-formed; -4 the file never
    // reached the end of its Playlists array (not a library). What was read stays in the session.
    int parseFile(const std::string& path);

    State state() const { return m_state; }
    const std::string& error() const { return m_error; }

private:
    void startElement(std::string_view name) override;
    void endElement(std::string_view name) override;
    void characters(const char* text, size_t length) override;
    void xmlError(const std::string& message) override;
    bool stopRequested() const override { return m_stopCheck && m_stopCheck(); }

    struct PlaylistInfo
    {
        std::optional<std::string> name, persistentId;
        int kind = -1;
    };

    void storeTrackValue(const std::string& key, const std::string& value);
    void completeTrack();
    int handlePlaylistKey(std::string_view key, const std::string* value);
    void addPlaylistItem(const std::string& text);

    AgentSession& m_session;
    Fetcher m_fetcher;
    StopCheck m_stopCheck;
    State m_state = kBeforeLibraryId;
    int m_depth = 0;          // depth of the element being read (root plist = 1)
    int m_containerDepth = 0; // Tracks dict, then Playlists array
    int m_itemDepth = 0;      // current track dict / playlist dict
    int m_valueDepth = 0;     // the value element being read, 0 before it started
    int m_itemsDepth = 0;     // the Playlist Items array
    bool m_valueIsScalar = false;
    bool m_itemKeyIsTrackId = false;
    bool m_collecting = false;
    std::string m_text; // the current leaf's whole text
    std::string m_key;
    std::string m_valueName;
    std::unique_ptr<AttributeList> m_track;            // the track being read, from its Track ID on
    std::unique_ptr<PlaylistInfo> m_playlist;          // the playlist being read
    std::unordered_map<long long, size_t> m_byTrackId; // Track ID -> index in session.tracks
    std::string m_error;
};

} // namespace lyrafon
