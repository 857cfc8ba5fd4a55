#pragma once

#include "AudioFileTags.h"
#include "HostResult.h"
#include "LibraryTrackIndex.h"
#include "PlistValue.h"

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tidewell::ithost
{

// The library behind the host: an iTunes library XML file held in memory and written back after
// every change (temp file beside it, then rename). Keys, tracks and playlists it does not use are
// kept and written back unchanged. Tracks are named by their 64-bit persistent ID.
//
// A change answers once the file holds it. One save runs at a time, outside the mutex: the
// changes made while it writes wait for the next one, which takes them all together. A failed
// save undoes every change not yet in the file (the library returns to the file's state) and each
// of them answers kAccessDenied.
//
// Thread-safe: every call takes the library's mutex. When the file changed on disk since it was
// last read or written, it is read again first, so edits by other programs are seen.
//
// A library opened with `Load::OnFirstNeed` reads its file only when a call first needs it: a
// program that starts the host and reads the same file itself does not pay for two parses. Until
// then only the file's opening is checked; a file that then turns out broken answers kFail to
// every call (and nothing is ever written over it) until a good one is in its place. Such a
// library answers its questions from the tracks alone (LibraryTrackIndex, a fraction of the whole
// tree), holding the file it read open, until the first change reads that same file's whole tree
// (a file put in its place since is read as usual; one rewritten in place is what is read then).
class ITunesLibrary
{
public:
    // `$TIDEWELL_ITUNES_LIBRARY` when set and not empty, else
    // "<music folder>/iTunes/iTunes Music Library.xml".
    static std::string defaultLibraryPath();

    enum class Load
    {
        Now,
        OnFirstNeed
    };
    // Reads the library file (Now) or checks that it starts as a library plist (OnFirstNeed).
    // kFileNotFound when there is none, kFail when it is no library plist.
    static HResult open(const std::string& path, std::shared_ptr<ITunesLibrary>& out,
                        std::string* error = nullptr, Load load = Load::Now);

    ~ITunesLibrary();
    ITunesLibrary(const ITunesLibrary&) = delete;
    ITunesLibrary& operator=(const ITunesLibrary&) = delete;

    const std::string& path() const { return m_path; }

    // Ends every library read in progress in the process at its next element (the read fails
    // and a later request reads again), and every read of a song's tags or pictures (the song then
    // reads as not audio, or without artwork). Any thread.
    static void stopLoads();

    // Persistent IDs of the tracks, in the order of the Tracks dictionary.
    std::vector<uint64_t> trackIds();
    bool contains(uint64_t persistentId);
    // kOk with `found`, or kFail while the library cannot be read.
    HResult find(uint64_t persistentId, bool& found);
    int trackCount();

    // Reads a string or integer key of a track. A missing key gives "" / 0 with kOk.
    HResult readString(uint64_t persistentId, const char* key, std::string& out);
    HResult readInteger(uint64_t persistentId, const char* key, int64_t& out);
    // The local path of a file track; kNoInterface for a track without a Location (no file track).
    HResult filePath(uint64_t persistentId, std::string& out);

    // Writes the tag into the audio file first, then the library; a file that cannot be tagged
    // changes nothing and answers kFail.
    HResult writeText(uint64_t persistentId, AudioFileTags::Field field, const std::string& value);
    HResult writeYear(uint64_t persistentId, int year);

    HResult pictures(uint64_t persistentId, std::vector<std::string>& out);
    // The number of pictures() answers, the pictures themselves not copied.
    HResult pictureCount(uint64_t persistentId, int& count);
    HResult addPicture(uint64_t persistentId, const std::string& imagePath);

    // Removes the track from the library and from every playlist; the audio file stays. What the
    // removal took (the track's whole entry and its places in the playlists) is kept beside the
    // library file ("<library>.tidewell-removed") for addFile to give back.
    HResult remove(uint64_t persistentId);

    // Adds an audio file: next Track ID, fresh random persistent ID, entries in the library and
    // Music playlists. `added` is false (and kOk answered) when the file is no readable audio file.
    // A file a removal took out of the library comes back as that entry, with its ids when they
    // are still free, every key it had and its places in the playlists, also while another entry
    // of the same file stayed (a library may list one file twice). Otherwise a file already in the
    // library answers its existing track. A file is the same whatever the spelling of its path (a
    // linked folder, a link, a second hard link, "//" or "/./"): see FileIdentity. Of several
    // removed entries of the file, the one whose persistent ID is `removedId` comes back first,
    // then the latest spelled as `path`, then the latest of the same file.
    HResult addFile(const std::string& path, bool& added, uint64_t& persistentId, uint64_t removedId = 0);

    // While one lives on a thread, a change made there is made in memory and answered at once,
    // without waiting for its save: its caller waits with awaitSaved(ticket()) once it holds no
    // lock another change needs, so changes from several callers go out in one save.
    class DeferredSaves
    {
    public:
        DeferredSaves();
        ~DeferredSaves();
        DeferredSaves(const DeferredSaves&) = delete;
        DeferredSaves& operator=(const DeferredSaves&) = delete;
        // The last change made under this scope, or 0 for none.
        uint64_t ticket() const;

    private:
        bool m_outer;
    };
    // Waits until change `ticket` is in the file (saving it when no save runs): kOk, or
    // kAccessDenied when its save failed and the change was undone. 0 is no change: kOk.
    HResult awaitSaved(uint64_t ticket);

private:
    explicit ITunesLibrary(std::string path) : m_path(std::move(path)) {}

    HResult loadLocked(std::string* error);
    // The tracks alone into m_index, the file kept open in m_indexedFile.
    HResult loadIndexLocked(std::string* error);
    // Reads the whole tree from the file m_index came from; false (nothing loaded) when it fails.
    bool treeLocked();
    void closeIndexedFile();
    // refreshLocked, then the whole tree for a change.
    HResult refreshTreeLocked();
    // The value of `key` in the track (from m_index or the tree; the text valid under the mutex),
    // none when the track lacks the key; kNotFound, or kFail while the library cannot be read.
    HResult valueLocked(uint64_t persistentId, const char* key, std::optional<LibraryTrackIndex::Value>& out);
    // From m_index: the track's file path; kNotFound, or kNoInterface for a track without a file.
    HResult indexedFileLocked(uint64_t persistentId, std::string& path) const;
    // Reads the file when it was never read or changed since; kFail while no good library was read.
    HResult refreshLocked();
    // kNotFound, or kFail while the library could not be read at all.
    HResult missingLocked() const { return m_loaded ? kNotFound : kFail; }
    // Marks a change for saving; waits for its save unless saves are deferred on this thread.
    HResult saveLocked(std::unique_lock<std::mutex>& lock);
    HResult awaitSavedLocked(std::unique_lock<std::mutex>& lock, uint64_t ticket);
    bool lostLocked(uint64_t ticket) const;
    // The removed entries (see remove), read from their file on first need and again when it
    // changed since, unless changes of ours are still to be written into it.
    PlistValue& removedLocked();
    void reindexLocked();
    // After a track was put at the end of the Tracks dictionary: the index takes it.
    void indexAppendedLocked(uint64_t persistentId);
    PlistValue* trackLocked(uint64_t persistentId);
    // The track and its file's local path; kNotFound, or kNoInterface for a track without a file.
    HResult fileTrackLocked(uint64_t persistentId, PlistValue*& track, std::string& path);
    // The song file whose pictures a track shows: kOk with an empty path for a track without a file.
    HResult songPath(uint64_t persistentId, std::string& path);
    PlistValue* tracksDictLocked();
    uint64_t freshPersistentIdLocked();
    // Puts back a removed entry of the file, saved (see addFile for which); false when none was kept.
    bool takeBackLocked(std::unique_lock<std::mutex>& lock, const std::string& filePath, int64_t maxTrackId,
                        uint64_t removedId, uint64_t& persistentId);

    std::string m_path;
    std::mutex m_mutex;
    bool m_loaded = false; // m_root (or m_index) holds a library read from the file
    PlistValue m_root;
    bool m_lazy = false; // opened OnFirstNeed: questions are answered from m_index until a change
    std::unique_ptr<LibraryTrackIndex> m_index;
    int m_indexedFile = -1;
    std::unordered_map<uint64_t, size_t> m_byPersistentId; // index into the Tracks dictionary
    std::filesystem::file_time_type m_stampTime{};
    uintmax_t m_stampSize = 0;
    std::mt19937_64 m_random{std::random_device{}()};

    // Changes are counted: m_changes made, m_taken handed to a save, m_saved in the file.
    uint64_t m_changes = 0;
    uint64_t m_taken = 0;
    uint64_t m_saved = 0;
    bool m_saving = false;
    // Ranges (from, to] of changes a failed save undid.
    std::vector<std::pair<uint64_t, uint64_t>> m_lost;
    std::condition_variable m_saveEnded;
    PlistValue m_removed;
    bool m_removedRead = false;
    bool m_removedChanged = false;
    // The removed entries' file as last read or written: another change to it is read again.
    std::filesystem::file_time_type m_removedTime{};
    uintmax_t m_removedSize = 0;
};

// Text helpers shared by the host and its tests.
uint64_t parsePersistentIdText(std::string_view text);
std::string formatPersistentIdText(uint64_t persistentId);

} // namespace tidewell::ithost
