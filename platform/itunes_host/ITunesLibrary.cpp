#include "ITunesLibrary.h"

#include "AtomicFileEdit.h"
#include "LocationUrl.h"
#include "RegularFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tidewell::ithost
{

namespace fs = std::filesystem;

namespace
{

const char* fieldKey(AudioFileTags::Field field)
{
    switch (field)
    {
    case AudioFileTags::Field::Title:
        return "Name";
    case AudioFileTags::Field::Artist:
        return "Artist";
    case AudioFileTags::Field::Album:
        return "Album";
    case AudioFileTags::Field::Genre:
        return "Genre";
    }
    return "Name";
}

std::string nowIso8601()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

bool readWholeFile(const std::string& path, std::string& out)
{
    if (!isRegularFile(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The cheap check of a library opened for reading on first need: past the XML declaration,
// the document type and comments, the first elements are <plist ...> and <dict>.
bool startsAsLibraryPlist(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    std::vector<std::string> names;
    for (size_t at = head.find('<'); at != std::string::npos && names.size() < 2; at = head.find('<', at + 1))
    {
        if (head.compare(at, 2, "<?") == 0 || head.compare(at, 2, "<!") == 0)
            continue; // declaration, document type, comment
        const size_t end = head.find_first_of(" \t\r\n/>", at + 1);
        if (end == std::string::npos)
            break;
        names.push_back(head.substr(at + 1, end - at - 1));
    }
    return names.size() == 2 && names[0] == "plist" && names[1] == "dict";
}

// The user's music folder as the desktop names it: XDG_MUSIC_DIR of user-dirs.dirs in the
// configuration folder, else "$HOME/Music" (the rules Qt's MusicLocation follows on Linux, so the
// program and the host agree without the host needing Qt).
std::string musicFolder()
{
    const char* homeEnv = std::getenv("HOME");
    const std::string home = homeEnv ? homeEnv : "";
    const char* configEnv = std::getenv("XDG_CONFIG_HOME");
    const std::string config = configEnv && *configEnv == '/' ? configEnv : home + "/.config";
    std::ifstream dirs(config + "/user-dirs.dirs");
    for (std::string line; std::getline(dirs, line);)
    {
        const std::string key = "XDG_MUSIC_DIR=";
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        if (!value.empty() && value.front() == '/')
        {
            while (value.size() > 1 && value.back() == '/')
                value.pop_back();
            return value;
        }
    }
    return home + "/Music";
}

bool isLibraryOrMusicPlaylist(const PlistValue& playlist)
{
    if (playlist.kind() != PlistValue::Kind::Dict)
        return false;
    const PlistValue* master = playlist.find("Master");
    const PlistValue* kind = playlist.find("Distinguished Kind");
    return (master && master->kind() == PlistValue::Kind::True) || (kind && kind->toInt(-1) == 4);
}

// What a removal took from the library, kept beside the library file so a restore of the same
// file can give it back: the track's whole dictionary and its place in every playlist. An entry
// leaves only when a restore takes it back, so every removal stays restorable however many there
// were.
std::string removedStorePath(const std::string& libraryPath)
{
    return libraryPath + ".tidewell-removed";
}

PlistValue readRemovedStore(const std::string& libraryPath)
{
    PlistValue root;
    if (!isRegularFile(removedStorePath(libraryPath)) ||
        !readPlistFile(removedStorePath(libraryPath), root) || root.kind() != PlistValue::Kind::Dict)
        root = PlistValue(PlistValue::Kind::Dict);
    if (const PlistValue* list = root.find("Removed Tracks");
        !list || list->kind() != PlistValue::Kind::Array)
        root.set("Removed Tracks", PlistValue(PlistValue::Kind::Array));
    return root;
}

// The playlist's own id, or its place in the list for one without.
std::string playlistKey(const PlistValue& playlist, size_t index)
{
    const PlistValue* id = playlist.find("Playlist Persistent ID");
    if (id)
        return std::string(id->text());
    std::string place = "#";
    place += std::to_string(index);
    return place;
}

} // namespace

uint64_t parsePersistentIdText(std::string_view text)
{
    // strtoull reads up to a terminator; an id is 16 digits, so the copy stays on the stack.
    char shortCopy[32];
    if (text.size() < sizeof shortCopy)
    {
        text.copy(shortCopy, text.size());
        shortCopy[text.size()] = '\0';
        return std::strtoull(shortCopy, nullptr, 16);
    }
    return std::strtoull(std::string(text).c_str(), nullptr, 16);
}

std::string formatPersistentIdText(uint64_t persistentId)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIX64, persistentId);
    return text;
}

std::string ITunesLibrary::defaultLibraryPath()
{
    const char* env = std::getenv("TIDEWELL_ITUNES_LIBRARY");
    if (env && *env)
        return env;
    return musicFolder() + "/iTunes/iTunes Music Library.xml";
}

HResult ITunesLibrary::open(const std::string& path, std::shared_ptr<ITunesLibrary>& out, std::string* error,
                            Load load)
{
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec))
    {
        if (error)
            *error = "no library file";
        return kFileNotFound;
    }
    std::shared_ptr<ITunesLibrary> library(new ITunesLibrary(path));
    if (load == Load::OnFirstNeed)
    {
        if (!startsAsLibraryPlist(path))
        {
            if (error)
                *error = "no library plist";
            return kFail;
        }
        library->m_lazy = true;
        out = std::move(library);
        return kOk;
    }
    std::lock_guard lock(library->m_mutex);
    if (const HResult hr = library->loadLocked(error); hr != kOk)
        return hr;
    out = std::move(library);
    return kOk;
}

namespace
{
// Counted by stopLoads; a read stops when the count changes while it runs.
std::atomic<unsigned> g_loadStops{0};

// True once stopLoads is called after this was made: ends the read of a song's tags or pictures.
AudioFileTags::StopCheck loadStopFromNow()
{
    return [stopsBefore = g_loadStops.load()] { return g_loadStops.load() != stopsBefore; };
}
} // namespace

void ITunesLibrary::stopLoads()
{
    ++g_loadStops;
}

ITunesLibrary::~ITunesLibrary()
{
    closeIndexedFile();
}

void ITunesLibrary::closeIndexedFile()
{
    if (m_indexedFile >= 0)
        ::close(m_indexedFile);
    m_indexedFile = -1;
}

namespace
{
// The file behind a descriptor, to read it again whatever has been renamed over its path since.
std::string openFilePath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}
} // namespace

HResult ITunesLibrary::loadIndexLocked(std::string* error)
{
    const unsigned stopsBefore = g_loadStops.load();
    std::error_code ec;
    const auto time = fs::last_write_time(m_path, ec);
    const auto size = fs::file_size(m_path, ec);
    const int fd = ec ? -1 : ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
    auto index = std::make_unique<LibraryTrackIndex>();
    PlistValue root;
    std::string why = "cannot open the library";
    const bool read =
        fd >= 0 && readLibraryTracks(
                       openFilePath(fd), root, [&index](PlistValue&& track) { index->add(track); }, &why,
                       [stopsBefore] { return g_loadStops.load() != stopsBefore; });
    if (!read || root.kind() != PlistValue::Kind::Dict)
    {
        if (fd >= 0)
            ::close(fd);
        if (error)
            *error = ec ? ec.message() : read ? "library root is no dictionary" : why;
        return kFail;
    }
    closeIndexedFile();
    m_indexedFile = fd;
    m_index = std::move(index);
    m_root = PlistValue();
    m_byPersistentId.clear();
    m_loaded = true;
    m_stampTime = time;
    m_stampSize = size;
    return kOk;
}

bool ITunesLibrary::treeLocked()
{
    if (!m_index)
        return m_loaded;
    const unsigned stopsBefore = g_loadStops.load();
    PlistValue root;
    const bool read = readPlistFile(openFilePath(m_indexedFile), root, nullptr,
                                    [stopsBefore] { return g_loadStops.load() != stopsBefore; }) &&
                      root.kind() == PlistValue::Kind::Dict;
    closeIndexedFile();
    m_index.reset();
    if (!read)
    {
        // Stopped (or out of memory): the next request reads the library again.
        m_loaded = false;
        return false;
    }
    // The stamps stay those of the file read: a change on disk since is read as usual.
    m_root = std::move(root);
    reindexLocked();
    return true;
}

HResult ITunesLibrary::refreshTreeLocked()
{
    if (const HResult hr = refreshLocked(); hr != kOk)
        return hr;
    return treeLocked() ? kOk : kFail;
}

HResult ITunesLibrary::indexedFileLocked(uint64_t persistentId, std::string& path) const
{
    if (!m_index->contains(persistentId))
        return kNotFound;
    const auto location = m_index->find(persistentId, "Location");
    if (!location || location->kind != PlistValue::Kind::String)
        return kNoInterface;
    path = locationUrlToPath(location->text);
    return kOk;
}

HResult ITunesLibrary::loadLocked(std::string* error)
{
    if (m_lazy && (!m_loaded || m_index))
        return loadIndexLocked(error);
    const unsigned stopsBefore = g_loadStops.load();
    std::error_code ec;
    const auto time = fs::last_write_time(m_path, ec);
    const auto size = fs::file_size(m_path, ec);
    PlistValue root;
    std::string why;
    if (ec || !readPlistFile(m_path, root, &why, [stopsBefore] { return g_loadStops.load() != stopsBefore; }))
    {
        if (error)
            *error = ec ? ec.message() : why;
        return kFail;
    }
    if (root.kind() != PlistValue::Kind::Dict)
    {
        if (error)
            *error = "library root is no dictionary";
        return kFail;
    }
    m_root = std::move(root);
    m_loaded = true;
    m_stampTime = time;
    m_stampSize = size;
    reindexLocked();
    return kOk;
}

HResult ITunesLibrary::refreshLocked()
{
    if (!m_loaded)
        return loadLocked(nullptr);
    // Changes not yet in the file (or a save writing it) are ours to keep: the file is read again
    // once they are out.
    if (m_saving || m_taken != m_changes)
        return kOk;
    std::error_code ec;
    const auto time = fs::last_write_time(m_path, ec);
    const auto size = ec ? 0 : fs::file_size(m_path, ec);
    if (ec)
        return kOk; // the file went away: keep serving what we have; the next save recreates it
    if (time == m_stampTime && size == m_stampSize)
        return kOk;
    // A broken file written by someone else keeps our last good state.
    loadLocked(nullptr);
    return kOk;
}

namespace
{
// The change last made on this thread under DeferredSaves, and whether one is open.
thread_local bool t_deferSaves = false;
thread_local uint64_t t_deferredTicket = 0;
} // namespace

ITunesLibrary::DeferredSaves::DeferredSaves() : m_outer(!t_deferSaves)
{
    if (m_outer)
        t_deferredTicket = 0;
    t_deferSaves = true;
}

ITunesLibrary::DeferredSaves::~DeferredSaves()
{
    if (m_outer)
        t_deferSaves = false;
}

uint64_t ITunesLibrary::DeferredSaves::ticket() const
{
    return t_deferredTicket;
}

HResult ITunesLibrary::saveLocked(std::unique_lock<std::mutex>& lock)
{
    const uint64_t ticket = ++m_changes;
    if (t_deferSaves)
    {
        t_deferredTicket = ticket;
        return kOk;
    }
    return awaitSavedLocked(lock, ticket);
}

HResult ITunesLibrary::awaitSaved(uint64_t ticket)
{
    if (ticket == 0)
        return kOk;
    std::unique_lock lock(m_mutex);
    return awaitSavedLocked(lock, ticket);
}

bool ITunesLibrary::lostLocked(uint64_t ticket) const
{
    return std::any_of(m_lost.begin(), m_lost.end(),
                       [ticket](const auto& range)
                       { return ticket > range.first && ticket <= range.second; });
}

HResult ITunesLibrary::awaitSavedLocked(std::unique_lock<std::mutex>& lock, uint64_t ticket)
{
    for (;;)
    {
        if (lostLocked(ticket))
            return kAccessDenied;
        if (m_saved >= ticket)
            return kOk;
        if (m_saving)
        {
            m_saveEnded.wait(lock);
            continue;
        }
        // No save runs: this caller writes every change made so far, its own among them. The text
        // is made under the mutex; the file is written without it, so changes go on meanwhile.
        m_saving = true;
        const uint64_t upTo = m_changes;
        m_taken = upTo;
        const bool removedChanged = m_removedChanged;
        m_removedChanged = false;
        bool saved = false;
        bool removedSaved = true;
        bool removedStamped = false;
        fs::file_time_type time{};
        fs::file_time_type removedTime{};
        uintmax_t size = 0;
        uintmax_t removedSize = 0;
        try
        {
            const std::string text = writePlist(m_root, static_cast<size_t>(m_stampSize));
            const std::string removedText = removedChanged ? writePlist(m_removed) : std::string();
            lock.unlock();
            // A reader sees either the old or the new library, never half of one; the file keeps
            // its permissions.
            saved = AtomicFileEdit::replaceWhole(m_path, text);
            std::error_code ec;
            time = fs::last_write_time(m_path, ec);
            size = ec ? 0 : fs::file_size(m_path, ec);
            // Without its store a removal still stands; a restore then adds the file as new.
            const std::string store = removedStorePath(m_path);
            removedSaved = !saved || !removedChanged || AtomicFileEdit::replaceOwn(store, removedText, 0600);
            removedTime = fs::last_write_time(store, ec);
            removedSize = ec ? 0 : fs::file_size(store, ec);
            removedStamped = !ec;
        }
        catch (...)
        {
            saved = false; // no memory for the text: the save fails like a refused write
        }
        if (!lock.owns_lock())
            lock.lock();
        m_saving = false;
        if (saved)
        {
            m_saved = upTo;
            m_stampTime = time;
            m_stampSize = size;
            m_removedChanged = m_removedChanged || !removedSaved;
            if (removedChanged && removedSaved && removedStamped)
            {
                m_removedTime = removedTime;
                m_removedSize = removedSize;
            }
        }
        else
        {
            // The file still holds the last saved state: every change since is undone.
            m_lost.emplace_back(m_saved, m_changes);
            m_taken = m_changes;
            m_removedRead = false;
            m_removedChanged = false;
            if (loadLocked(nullptr) != kOk)
            {
                // Nothing of the undone changes may stay: the library is read again once it can be.
                m_loaded = false;
                m_root = PlistValue();
                m_byPersistentId.clear();
            }
        }
        m_saveEnded.notify_all();
    }
}

PlistValue& ITunesLibrary::removedLocked()
{
    std::error_code ec;
    const std::string store = removedStorePath(m_path);
    const auto time = fs::last_write_time(store, ec);
    const auto size = ec ? 0 : fs::file_size(store, ec);
    const bool same = !ec ? time == m_removedTime && size == m_removedSize
                          : m_removedTime == fs::file_time_type{} && m_removedSize == 0;
    if (!m_removedRead || (!m_removedChanged && !m_saving && !same))
    {
        m_removed = readRemovedStore(m_path);
        m_removedRead = true;
        m_removedTime = ec ? fs::file_time_type{} : time;
        m_removedSize = ec ? 0 : size;
    }
    return m_removed;
}

void ITunesLibrary::reindexLocked()
{
    m_byPersistentId.clear();
    PlistValue* tracks = tracksDictLocked();
    if (!tracks)
        return;
    auto& entries = tracks->entries();
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const PlistValue* pid = entries[i].second.find("Persistent ID");
        if (pid && pid->kind() == PlistValue::Kind::String)
            m_byPersistentId.emplace(parsePersistentIdText(pid->text()), i);
    }
}

void ITunesLibrary::indexAppendedLocked(uint64_t persistentId)
{
    // An index of every track, one id each, takes the new one in its place; any other is made
    // again, as before.
    PlistValue* tracks = tracksDictLocked();
    if (tracks && m_byPersistentId.size() + 1 == tracks->entries().size() &&
        !m_byPersistentId.contains(persistentId))
        m_byPersistentId.emplace(persistentId, tracks->entries().size() - 1);
    else
        reindexLocked();
}

PlistValue* ITunesLibrary::tracksDictLocked()
{
    PlistValue* tracks = m_root.find("Tracks");
    return tracks && tracks->kind() == PlistValue::Kind::Dict ? tracks : nullptr;
}

PlistValue* ITunesLibrary::trackLocked(uint64_t persistentId)
{
    refreshTreeLocked();
    const auto it = m_byPersistentId.find(persistentId);
    PlistValue* tracks = tracksDictLocked();
    if (it == m_byPersistentId.end() || !tracks)
        return nullptr;
    return &tracks->entries()[it->second].second;
}

std::vector<uint64_t> ITunesLibrary::trackIds()
{
    std::lock_guard lock(m_mutex);
    std::vector<uint64_t> ids;
    if (refreshLocked() != kOk)
        return ids;
    if (m_index)
        return m_index->ids();
    if (PlistValue* tracks = tracksDictLocked())
    {
        for (const auto& [key, track] : tracks->entries())
        {
            const PlistValue* pid = track.find("Persistent ID");
            if (pid && pid->kind() == PlistValue::Kind::String)
                ids.push_back(parsePersistentIdText(pid->text()));
        }
    }
    return ids;
}

bool ITunesLibrary::contains(uint64_t persistentId)
{
    bool found = false;
    find(persistentId, found);
    return found;
}

HResult ITunesLibrary::find(uint64_t persistentId, bool& found)
{
    std::lock_guard lock(m_mutex);
    found = false;
    if (refreshLocked(); !m_loaded)
        return kFail;
    found = m_index ? m_index->contains(persistentId) : trackLocked(persistentId) != nullptr;
    return found ? kOk : (missingLocked() == kFail ? kFail : kOk);
}

int ITunesLibrary::trackCount()
{
    std::lock_guard lock(m_mutex);
    refreshLocked(); // a library never read has no tracks
    return static_cast<int>(m_index ? m_index->count() : m_byPersistentId.size());
}

HResult ITunesLibrary::valueLocked(uint64_t persistentId, const char* key,
                                   std::optional<LibraryTrackIndex::Value>& out)
{
    out.reset();
    if (refreshLocked(); !m_loaded)
        return kFail; // never read: no tree to look in either
    if (m_index)
    {
        if (!m_index->contains(persistentId))
            return missingLocked();
        out = m_index->find(persistentId, key);
        return kOk;
    }
    const PlistValue* track = trackLocked(persistentId);
    if (!track)
        return missingLocked();
    if (const PlistValue* value = track->find(key))
        out = LibraryTrackIndex::Value{value->kind(), value->text()};
    return kOk;
}

HResult ITunesLibrary::readString(uint64_t persistentId, const char* key, std::string& out)
{
    std::lock_guard lock(m_mutex);
    std::optional<LibraryTrackIndex::Value> value;
    const HResult hr = valueLocked(persistentId, key, value);
    if (hr == kOk)
        out = value ? std::string(value->text) : std::string();
    return hr;
}

HResult ITunesLibrary::readInteger(uint64_t persistentId, const char* key, int64_t& out)
{
    std::lock_guard lock(m_mutex);
    std::optional<LibraryTrackIndex::Value> value;
    const HResult hr = valueLocked(persistentId, key, value);
    if (hr == kOk)
        out = value ? PlistValue::toInt(value->kind, value->text, 0) : 0;
    return hr;
}

HResult ITunesLibrary::fileTrackLocked(uint64_t persistentId, PlistValue*& track, std::string& path)
{
    track = trackLocked(persistentId);
    if (!track)
        return missingLocked();
    const PlistValue* location = track->find("Location");
    if (!location || location->kind() != PlistValue::Kind::String)
        return kNoInterface;
    path = locationUrlToPath(location->text());
    return kOk;
}

HResult ITunesLibrary::filePath(uint64_t persistentId, std::string& out)
{
    std::lock_guard lock(m_mutex);
    if (refreshLocked(); !m_loaded)
        return kFail; // never read: no tree to look in either
    if (m_index)
    {
        return indexedFileLocked(persistentId, out);
    }
    PlistValue* track = nullptr;
    return fileTrackLocked(persistentId, track, out);
}

HResult ITunesLibrary::writeText(uint64_t persistentId, AudioFileTags::Field field, const std::string& value)
{
    std::unique_lock lock(m_mutex);
    PlistValue* track = nullptr;
    std::string path;
    if (const HResult hr = fileTrackLocked(persistentId, track, path); hr != kOk)
        return hr;
    if (!AudioFileTags::writeText(path, field, value))
        return kFail;
    track->set(fieldKey(field), PlistValue::string(value));
    return saveLocked(lock);
}

HResult ITunesLibrary::writeYear(uint64_t persistentId, int year)
{
    std::unique_lock lock(m_mutex);
    PlistValue* track = nullptr;
    std::string path;
    if (const HResult hr = fileTrackLocked(persistentId, track, path); hr != kOk)
        return hr;
    if (year < 0 || year > 9999)
        return kInvalidArg;
    if (!AudioFileTags::writeYear(path, static_cast<unsigned>(year)))
        return kFail;
    if (year == 0)
        track->remove("Year");
    else
        track->set("Year", PlistValue::integer(year));
    return saveLocked(lock);
}

HResult ITunesLibrary::pictures(uint64_t persistentId, std::vector<std::string>& out)
{
    out.clear();
    std::string path;
    if (const HResult hr = songPath(persistentId, path); hr != kOk || path.empty())
        return hr;
    if (!AudioFileTags::pictures(path, out, loadStopFromNow()))
        out.clear(); // an unreadable file shows no artwork, as iTunes does
    return kOk;
}

HResult ITunesLibrary::pictureCount(uint64_t persistentId, int& count)
{
    count = 0;
    std::string path;
    if (const HResult hr = songPath(persistentId, path); hr != kOk || path.empty())
        return hr;
    count = std::max(AudioFileTags::pictureCount(path, loadStopFromNow()), 0); // unreadable: none
    return kOk;
}

HResult ITunesLibrary::songPath(uint64_t persistentId, std::string& path)
{
    std::lock_guard lock(m_mutex);
    PlistValue* track = nullptr;
    refreshLocked();
    HResult hr = !m_loaded ? kFail
                 : m_index ? indexedFileLocked(persistentId, path)
                           : fileTrackLocked(persistentId, track, path);
    if (hr == kOk)
        return kOk;
    path.clear();
    return hr == kNoInterface ? kOk : hr; // no file, no artwork
}

HResult ITunesLibrary::addPicture(uint64_t persistentId, const std::string& imagePath)
{
    std::unique_lock lock(m_mutex);
    PlistValue* track = nullptr;
    std::string path;
    if (const HResult hr = fileTrackLocked(persistentId, track, path); hr != kOk)
        return hr;
    std::string image;
    if (!readWholeFile(imagePath, image) || image.empty())
        return kFileNotFound;
    if (!AudioFileTags::addPicture(path, image))
        return kFail;
    std::vector<std::string> now;
    AudioFileTags::pictures(path, now);
    track->set("Artwork Count", PlistValue::integer(static_cast<int64_t>(now.size())));
    return saveLocked(lock);
}

HResult ITunesLibrary::remove(uint64_t persistentId)
{
    std::unique_lock lock(m_mutex);
    const PlistValue* track = trackLocked(persistentId); // may re-read the file: look the dictionary up after
    PlistValue* tracks = tracksDictLocked();
    if (!track || !tracks)
        return missingLocked();
    const PlistValue* idValue = track->find("Track ID");
    const int64_t trackId = idValue ? idValue->toInt(-1) : -1;
    PlistValue kept(PlistValue::Kind::Dict);
    kept.set("Track", *track);
    PlistValue places(PlistValue::Kind::Array);
    auto& entries = tracks->entries();
    // Every track named by an id of its own: the index loses this one and the later ones move up
    // one place, as a new index would have them. Otherwise it is made again.
    const bool indexExact = m_byPersistentId.size() == entries.size();
    const size_t removedAt = m_byPersistentId.at(persistentId);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(removedAt));
    if (PlistValue* playlists = m_root.find("Playlists"); playlists && trackId >= 0)
    {
        for (size_t p = 0; p < playlists->items().size(); ++p)
        {
            PlistValue& playlist = playlists->items()[p];
            PlistValue* items = playlist.find("Playlist Items");
            if (!items)
                continue;
            // One pass: each place of the track is kept (its index in the list as it was), the
            // others close up behind it.
            auto& list = items->items();
            size_t stays = 0;
            for (size_t i = 0; i < list.size(); ++i)
            {
                const PlistValue* id = list[i].find("Track ID");
                if (!id || id->toInt(-1) != trackId)
                {
                    if (stays != i)
                        list[stays] = std::move(list[i]);
                    ++stays;
                    continue;
                }
                PlistValue place(PlistValue::Kind::Dict);
                place.set("Playlist", PlistValue::string(playlistKey(playlist, p)));
                place.set("Index", PlistValue::integer(static_cast<int64_t>(i)));
                places.items().push_back(std::move(place));
            }
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(stays), list.end());
        }
    }
    kept.set("Playlists", std::move(places));
    if (indexExact)
    {
        m_byPersistentId.erase(persistentId);
        for (auto& [id, at] : m_byPersistentId)
            at -= at > removedAt ? 1 : 0;
    }
    else
    {
        reindexLocked();
    }
    // The store goes out with the library, after it.
    auto& list = removedLocked().find("Removed Tracks")->items();
    list.push_back(std::move(kept));
    m_removedChanged = true;
    return saveLocked(lock);
}

bool ITunesLibrary::takeBackLocked(std::unique_lock<std::mutex>& lock, const std::string& filePath,
                                   int64_t maxTrackId, uint64_t removedId, uint64_t& persistentId)
{
    auto& list = removedLocked().find("Removed Tracks")->items();
    auto pathOf = [](const PlistValue& removed)
    {
        const PlistValue* track = removed.find("Track");
        const PlistValue* loc = track ? track->find("Location") : nullptr;
        return loc ? normalPathSpelling(locationUrlToPath(loc->text())) : std::string();
    };
    const FileIdentity file(filePath);
    auto sameFile = [&](const PlistValue& removed)
    {
        const std::string path = pathOf(removed);
        return path == filePath || (!path.empty() && FileIdentity(path) == file);
    };
    auto idOf = [](const PlistValue& removed)
    {
        const PlistValue* track = removed.find("Track");
        const PlistValue* pid = track ? track->find("Persistent ID") : nullptr;
        return pid ? parsePersistentIdText(pid->text()) : 0;
    };
    // The entry asked for; else the latest removal of this file, by its spelling first, so of two
    // entries that spell one file apart each comes back as itself; then by the file the paths reach.
    auto it = list.rend();
    if (removedId != 0)
        it = std::find_if(list.rbegin(), list.rend(),
                          [&](const PlistValue& removed)
                          { return idOf(removed) == removedId && sameFile(removed); });
    if (it == list.rend())
        it = std::find_if(list.rbegin(), list.rend(),
                          [&](const PlistValue& removed) { return pathOf(removed) == filePath; });
    if (it == list.rend())
        it = std::find_if(list.rbegin(), list.rend(), sameFile);
    if (it == list.rend())
        return false;
    PlistValue track = *it->find("Track");
    const PlistValue places =
        it->find("Playlists") ? *it->find("Playlists") : PlistValue(PlistValue::Kind::Array);
    list.erase(std::next(it).base());
    m_removedChanged = true;

    // The same ids when nothing took them meanwhile.
    const PlistValue* pidValue = track.find("Persistent ID");
    uint64_t pid = pidValue ? parsePersistentIdText(pidValue->text()) : 0;
    if (pid == 0 || m_byPersistentId.contains(pid))
        pid = freshPersistentIdLocked();
    track.set("Persistent ID", PlistValue::string(formatPersistentIdText(pid)));
    int64_t trackId = track.find("Track ID") ? track.find("Track ID")->toInt(0) : 0;
    PlistValue* tracks = tracksDictLocked();
    const bool idTaken = std::any_of(tracks->entries().begin(), tracks->entries().end(),
                                     [trackId](const auto& entry)
                                     {
                                         const PlistValue* id = entry.second.find("Track ID");
                                         return id && id->toInt(0) == trackId;
                                     });
    if (trackId <= 0 || idTaken)
        trackId = maxTrackId + 1;
    track.set("Track ID", PlistValue::integer(trackId));
    tracks->entries().emplace_back(std::to_string(trackId), std::move(track));

    if (PlistValue* playlists = m_root.find("Playlists"))
    {
        for (const PlistValue& place : places.items())
        {
            const PlistValue* key = place.find("Playlist");
            for (size_t p = 0; key && p < playlists->items().size(); ++p)
            {
                PlistValue& playlist = playlists->items()[p];
                if (playlistKey(playlist, p) != key->text())
                    continue;
                PlistValue* items = playlist.find("Playlist Items");
                if (!items)
                {
                    playlist.set("Playlist Items", PlistValue(PlistValue::Kind::Array));
                    items = playlist.find("Playlist Items");
                }
                PlistValue item(PlistValue::Kind::Dict);
                item.set("Track ID", PlistValue::integer(trackId));
                auto& entries = items->items();
                const PlistValue* at = place.find("Index");
                const auto index = std::min(static_cast<size_t>(std::max<int64_t>(0, at ? at->toInt(0) : 0)),
                                            entries.size());
                entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
                break;
            }
        }
    }
    indexAppendedLocked(pid);
    if (saveLocked(lock) != kOk)
        return false;
    persistentId = pid;
    return true;
}

uint64_t ITunesLibrary::freshPersistentIdLocked()
{
    for (;;)
    {
        const uint64_t id = m_random();
        if (id != 0 && !m_byPersistentId.contains(id))
            return id;
    }
}

HResult ITunesLibrary::addFile(const std::string& path, bool& added, uint64_t& persistentId,
                               uint64_t removedId)
{
    added = false;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec)
        return kInvalidArg;
    const std::string filePath = normalPathSpelling(absolute.string());
    AudioFileInfo info;
    if (!AudioFileTags::read(filePath, info, loadStopFromNow()))
        return kOk; // not audio: iTunes adds nothing and reports no error

    std::unique_lock lock(m_mutex);
    if (const HResult hr = refreshTreeLocked(); hr != kOk)
        return hr; // never write a library over a file that could not be read
    PlistValue* tracks = tracksDictLocked();
    if (!tracks)
    {
        m_root.set("Tracks", PlistValue(PlistValue::Kind::Dict));
        tracks = tracksDictLocked();
    }
    const std::string location = pathToLocationUrl(filePath);
    int64_t maxTrackId = 0;
    for (const auto& [key, track] : tracks->entries())
    {
        if (const PlistValue* id = track.find("Track ID"))
            maxTrackId = std::max(maxTrackId, id->toInt(0));
    }

    // A file the library lost through a removal comes back as the entry it was, before an entry
    // that kept the same file can answer for it.
    if (takeBackLocked(lock, filePath, maxTrackId, removedId, persistentId))
    {
        added = true;
        return kOk;
    }
    // A file the library has: its entry answers. The spelling is the cheap test; only a file
    // listed under no spelling of its own costs a look at every entry's file.
    const auto& entries = tracks->entries();
    auto pathOf = [](const PlistValue& track)
    {
        const PlistValue* loc = track.find("Location");
        return loc && loc->kind() == PlistValue::Kind::String
                   ? normalPathSpelling(locationUrlToPath(loc->text()))
                   : std::string();
    };
    auto listed = std::find_if(entries.begin(), entries.end(),
                               [&](const auto& entry) { return pathOf(entry.second) == filePath; });
    if (listed == entries.end())
    {
        const FileIdentity file(filePath);
        listed = std::find_if(entries.begin(), entries.end(),
                              [&](const auto& entry)
                              {
                                  const std::string other = pathOf(entry.second);
                                  return !other.empty() && FileIdentity(other) == file;
                              });
    }
    if (listed != entries.end())
    {
        const PlistValue* pid = listed->second.find("Persistent ID");
        persistentId = pid ? parsePersistentIdText(pid->text()) : 0;
        added = pid != nullptr;
        return kOk;
    }

    const int64_t trackId = maxTrackId + 1;
    const uint64_t pid = freshPersistentIdLocked();
    const std::string now = nowIso8601();
    PlistValue track(PlistValue::Kind::Dict);
    track.set("Track ID", PlistValue::integer(trackId));
    track.set("Name", PlistValue::string(info.title.empty() ? absolute.stem().string() : info.title));
    if (!info.artist.empty())
        track.set("Artist", PlistValue::string(info.artist));
    if (!info.album.empty())
        track.set("Album", PlistValue::string(info.album));
    if (!info.genre.empty())
        track.set("Genre", PlistValue::string(info.genre));
    track.set("Kind", PlistValue::string(info.kind));
    track.set("Size", PlistValue::integer(info.size));
    track.set("Total Time", PlistValue::integer(info.lengthMs));
    if (info.year > 0)
        track.set("Year", PlistValue::integer(info.year));
    track.set("Date Modified", PlistValue(PlistValue::Kind::Date, now));
    track.set("Date Added", PlistValue(PlistValue::Kind::Date, now));
    track.set("Bit Rate", PlistValue::integer(info.bitRateKbps));
    track.set("Sample Rate", PlistValue::integer(info.sampleRate));
    track.set("Persistent ID", PlistValue::string(formatPersistentIdText(pid)));
    track.set("Track Type", PlistValue::string("File"));
    track.set("Location", PlistValue::string(location));
    track.set("File Folder Count", PlistValue::integer(-1));
    track.set("Library Folder Count", PlistValue::integer(-1));
    tracks->entries().emplace_back(std::to_string(trackId), std::move(track));

    if (PlistValue* playlists = m_root.find("Playlists"))
    {
        for (PlistValue& playlist : playlists->items())
        {
            if (!isLibraryOrMusicPlaylist(playlist))
                continue;
            PlistValue item(PlistValue::Kind::Dict);
            item.set("Track ID", PlistValue::integer(trackId));
            PlistValue* items = playlist.find("Playlist Items");
            if (!items)
            {
                playlist.set("Playlist Items", PlistValue(PlistValue::Kind::Array));
                items = playlist.find("Playlist Items");
            }
            items->items().push_back(std::move(item));
        }
    }
    indexAppendedLocked(pid);
    if (const HResult hr = saveLocked(lock); hr != kOk)
        return hr;
    persistentId = pid;
    added = true;
    return kOk;
}

} // namespace tidewell::ithost
