#pragma once

// The iTunes host: an in-process stand-in for iTunes and the part of its automation interface the
// library agent uses. Objects mirror iTunes's (application, library playlist, track collection,
// track, artwork collection, artwork, operation status); every call answers an HResult and hands
// objects out as shared pointers, the way COM hands out counted references. Text is UTF-16, as
// COM strings are. Behind it sits one ITunesLibrary (the library XML file); objects stay valid
// after their track is deleted and then answer kNotFound.
//
// Threading: every object may be used from any thread; the library serialises access.

#include "HostResult.h"
#include "ITunesLibrary.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tidewell::ithost
{

class ITTrack;
class ITTrackCollection;

class ITArtwork
{
public:
    ITArtwork(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId, int index);
    // Writes the picture's bytes to the file at `path` (replacing it).
    HResult SaveArtworkToFile(const std::u16string& path);

private:
    std::shared_ptr<ITunesLibrary> m_library;
    uint64_t m_persistentId;
    int m_index; // 0-based
};

class ITArtworkCollection
{
public:
    ITArtworkCollection(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId, int count);
    HResult Count(int32_t& count) const;
    // 1-based, as in iTunes.
    HResult Item(int32_t index, std::shared_ptr<ITArtwork>& artwork) const;

private:
    std::shared_ptr<ITunesLibrary> m_library;
    uint64_t m_persistentId;
    int m_count;
};

// The file side of a track (IITFileOrCDTrack).
class ITFileOrCDTrack
{
public:
    ITFileOrCDTrack(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId);
    HResult Location(std::u16string& path) const;

private:
    std::shared_ptr<ITunesLibrary> m_library;
    uint64_t m_persistentId;
};

class ITTrack
{
public:
    ITTrack(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId);

    uint64_t persistentId() const { return m_persistentId; }

    HResult Name(std::u16string& value) const;
    HResult SetName(const std::u16string& value);
    HResult Artist(std::u16string& value) const;
    HResult SetArtist(const std::u16string& value);
    HResult Album(std::u16string& value) const;
    HResult SetAlbum(const std::u16string& value);
    HResult Genre(std::u16string& value) const;
    HResult SetGenre(const std::u16string& value);
    HResult Year(int32_t& value) const;
    HResult SetYear(int32_t value);
    HResult BitRate(int32_t& value) const;
    HResult Artwork(std::shared_ptr<ITArtworkCollection>& artwork) const;
    HResult AddArtworkFromFile(const std::u16string& path);
    // The file side; kNoInterface for a track that has no file.
    HResult QueryFileTrack(std::shared_ptr<ITFileOrCDTrack>& fileTrack) const;
    // Removes the track from the library; the audio file is never touched.
    HResult Delete();

private:
    HResult readText(const char* key, std::u16string& value) const;
    HResult readNumber(const char* key, int32_t& value) const;
    HResult writeText(AudioFileTags::Field field, const std::u16string& value);

    std::shared_ptr<ITunesLibrary> m_library;
    uint64_t m_persistentId;
};

class ITTrackCollection
{
public:
    ITTrackCollection(std::shared_ptr<ITunesLibrary> library, std::vector<uint64_t> ids);
    // Every track of the library. The list of ids is taken on the first Count or Item, so a
    // lookup by persistent ID (one request per track during an import) never lists the library.
    explicit ITTrackCollection(std::shared_ptr<ITunesLibrary> library);
    HResult Count(int32_t& count) const;
    // 1-based, as in iTunes.
    HResult Item(int32_t index, std::shared_ptr<ITTrack>& track) const;
    // kOk with a null track when no track has that ID.
    HResult ItemByPersistentID(int32_t high, int32_t low, std::shared_ptr<ITTrack>& track) const;

private:
    const std::vector<uint64_t>& ids() const;

    std::shared_ptr<ITunesLibrary> m_library;
    mutable std::optional<std::vector<uint64_t>> m_ids;
};

// What AddFile answers. The host adds files at once, so InProgress is false from the start;
// `pollsUntilDone` lets a caller's waiting loop be exercised with a status that stays busy.
class ITOperationStatus
{
public:
    ITOperationStatus(std::shared_ptr<ITTrackCollection> tracks, int32_t pollsUntilDone = 0);
    HResult InProgress(bool& inProgress);
    HResult Tracks(std::shared_ptr<ITTrackCollection>& tracks) const;

private:
    std::shared_ptr<ITTrackCollection> m_tracks;
    int32_t m_pollsLeft;
};

class ITLibraryPlaylist
{
public:
    explicit ITLibraryPlaylist(std::shared_ptr<ITunesLibrary> library);
    HResult Tracks(std::shared_ptr<ITTrackCollection>& tracks) const;
    // kOk with a null status when the file is no audio file iTunes can add. `removedId`, when not
    // 0, names the removed entry of the file to give back (see ITunesLibrary::addFile).
    HResult AddFile(const std::u16string& path, std::shared_ptr<ITOperationStatus>& status,
                    uint64_t removedId = 0);

private:
    std::shared_ptr<ITunesLibrary> m_library;
};

class ITunesApp
{
public:
    // Connects to "iTunes": its library file must exist and read as a library
    // (ITunesLibrary::defaultLibraryPath()); otherwise a failure code and no object.
    static HResult Create(std::shared_ptr<ITunesApp>& app);
    static HResult CreateForLibrary(const std::string& libraryPath, std::shared_ptr<ITunesApp>& app);

    HResult LibraryXMLPath(std::u16string& path) const;
    HResult LibraryPlaylist(std::shared_ptr<ITLibraryPlaylist>& playlist) const;
    HResult GetITObjectPersistentIDs(const ITTrack* track, int32_t& high, int32_t& low) const;

    const std::shared_ptr<ITunesLibrary>& library() const { return m_library; }

private:
    explicit ITunesApp(std::shared_ptr<ITunesLibrary> library) : m_library(std::move(library)) {}
    std::shared_ptr<ITunesLibrary> m_library;
};

// UTF-8 <-> UTF-16 for the host's COM-style strings.
std::u16string toUtf16(const std::string& text);
std::string toUtf8(const std::u16string& text);

} // namespace tidewell::ithost
