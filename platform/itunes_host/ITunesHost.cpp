#include "ITunesHost.h"

#include <fstream>

namespace tidewell::ithost
{

namespace
{

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80)
    {
        out += static_cast<char>(cp);
    }
    else if (cp < 0x800)
    {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::u16string toUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;)
    {
        const unsigned char c = s[i];
        char32_t cp = 0xFFFD;
        size_t len = 1;
        if (c < 0x80)
        {
            cp = c;
        }
        else
        {
            const size_t need = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
            bool ok = need != 0 && i + need <= n;
            char32_t value = need == 4 ? (c & 0x07) : need == 3 ? (c & 0x0F) : (c & 0x1F);
            for (size_t k = 1; ok && k < need; ++k)
            {
                ok = (s[i + k] & 0xC0) == 0x80;
                value = (value << 6) | (s[i + k] & 0x3F);
            }
            const char32_t minimum = need == 4 ? 0x10000 : need == 3 ? 0x800 : 0x80;
            if (ok && value >= minimum && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF))
            {
                cp = value;
                len = need;
            }
        }
        i += len;
        if (cp >= 0x10000)
        {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        }
        else
        {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string toUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
    {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
        {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        else if (cp >= 0xD800 && cp <= 0xDFFF)
        {
            cp = 0xFFFD; // a lone surrogate
        }
        appendUtf8(out, cp);
    }
    return out;
}

// --- artwork ---

ITArtwork::ITArtwork(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId, int index)
    : m_library(std::move(library)), m_persistentId(persistentId), m_index(index)
{
}

HResult ITArtwork::SaveArtworkToFile(const std::u16string& path)
{
    if (path.empty())
        return kInvalidArg;
    std::vector<std::string> pictures;
    if (const HResult hr = m_library->pictures(m_persistentId, pictures); hr != kOk)
        return hr;
    if (m_index < 0 || static_cast<size_t>(m_index) >= pictures.size())
        return kFail;
    std::ofstream out(toUtf8(path), std::ios::binary | std::ios::trunc);
    if (!out)
        return kAccessDenied;
    const std::string& bytes = pictures[static_cast<size_t>(m_index)];
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? kOk : kFail;
}

ITArtworkCollection::ITArtworkCollection(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId,
                                         int count)
    : m_library(std::move(library)), m_persistentId(persistentId), m_count(count)
{
}

HResult ITArtworkCollection::Count(int32_t& count) const
{
    count = m_count;
    return kOk;
}

HResult ITArtworkCollection::Item(int32_t index, std::shared_ptr<ITArtwork>& artwork) const
{
    if (index < 1 || index > m_count)
        return kInvalidArg;
    artwork = std::make_shared<ITArtwork>(m_library, m_persistentId, index - 1);
    return kOk;
}

// --- tracks ---

ITFileOrCDTrack::ITFileOrCDTrack(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId)
    : m_library(std::move(library)), m_persistentId(persistentId)
{
}

HResult ITFileOrCDTrack::Location(std::u16string& path) const
{
    std::string local;
    const HResult hr = m_library->filePath(m_persistentId, local);
    if (hr == kOk)
        path = toUtf16(local);
    return hr;
}

ITTrack::ITTrack(std::shared_ptr<ITunesLibrary> library, uint64_t persistentId)
    : m_library(std::move(library)), m_persistentId(persistentId)
{
}

HResult ITTrack::readText(const char* key, std::u16string& value) const
{
    std::string text;
    const HResult hr = m_library->readString(m_persistentId, key, text);
    if (hr == kOk)
        value = toUtf16(text);
    return hr;
}

HResult ITTrack::writeText(AudioFileTags::Field field, const std::u16string& value)
{
    return m_library->writeText(m_persistentId, field, toUtf8(value));
}

HResult ITTrack::Name(std::u16string& value) const
{
    return readText("Name", value);
}
HResult ITTrack::SetName(const std::u16string& value)
{
    return writeText(AudioFileTags::Field::Title, value);
}
HResult ITTrack::Artist(std::u16string& value) const
{
    return readText("Artist", value);
}
HResult ITTrack::SetArtist(const std::u16string& value)
{
    return writeText(AudioFileTags::Field::Artist, value);
}
HResult ITTrack::Album(std::u16string& value) const
{
    return readText("Album", value);
}
HResult ITTrack::SetAlbum(const std::u16string& value)
{
    return writeText(AudioFileTags::Field::Album, value);
}
HResult ITTrack::Genre(std::u16string& value) const
{
    return readText("Genre", value);
}
HResult ITTrack::SetGenre(const std::u16string& value)
{
    return writeText(AudioFileTags::Field::Genre, value);
}

HResult ITTrack::readNumber(const char* key, int32_t& value) const
{
    int64_t number = 0;
    const HResult hr = m_library->readInteger(m_persistentId, key, number);
    if (hr == kOk)
        value = static_cast<int32_t>(number);
    return hr;
}

HResult ITTrack::Year(int32_t& value) const
{
    return readNumber("Year", value);
}

HResult ITTrack::SetYear(int32_t value)
{
    return m_library->writeYear(m_persistentId, value);
}

HResult ITTrack::BitRate(int32_t& value) const
{
    return readNumber("Bit Rate", value);
}

HResult ITTrack::Artwork(std::shared_ptr<ITArtworkCollection>& artwork) const
{
    int count = 0;
    if (const HResult hr = m_library->pictureCount(m_persistentId, count); hr != kOk)
        return hr;
    artwork = std::make_shared<ITArtworkCollection>(m_library, m_persistentId, count);
    return kOk;
}

HResult ITTrack::AddArtworkFromFile(const std::u16string& path)
{
    if (path.empty())
        return kInvalidArg;
    return m_library->addPicture(m_persistentId, toUtf8(path));
}

HResult ITTrack::QueryFileTrack(std::shared_ptr<ITFileOrCDTrack>& fileTrack) const
{
    std::string local;
    const HResult hr = m_library->filePath(m_persistentId, local);
    if (hr != kOk)
        return hr;
    fileTrack = std::make_shared<ITFileOrCDTrack>(m_library, m_persistentId);
    return kOk;
}

HResult ITTrack::Delete()
{
    return m_library->remove(m_persistentId);
}

ITTrackCollection::ITTrackCollection(std::shared_ptr<ITunesLibrary> library, std::vector<uint64_t> ids)
    : m_library(std::move(library)), m_ids(std::move(ids))
{
}

ITTrackCollection::ITTrackCollection(std::shared_ptr<ITunesLibrary> library) : m_library(std::move(library))
{
}

const std::vector<uint64_t>& ITTrackCollection::ids() const
{
    if (!m_ids)
        m_ids = m_library->trackIds();
    return *m_ids;
}

HResult ITTrackCollection::Count(int32_t& count) const
{
    count = static_cast<int32_t>(ids().size());
    return kOk;
}

HResult ITTrackCollection::Item(int32_t index, std::shared_ptr<ITTrack>& track) const
{
    const std::vector<uint64_t>& all = ids();
    if (index < 1 || static_cast<size_t>(index) > all.size())
        return kInvalidArg;
    track = std::make_shared<ITTrack>(m_library, all[static_cast<size_t>(index) - 1]);
    return kOk;
}

HResult ITTrackCollection::ItemByPersistentID(int32_t high, int32_t low,
                                              std::shared_ptr<ITTrack>& track) const
{
    const uint64_t id =
        (static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | static_cast<uint32_t>(low);
    track.reset();
    bool found = false;
    if (const HResult hr = m_library->find(id, found); hr != kOk)
        return hr;
    if (found)
        track = std::make_shared<ITTrack>(m_library, id);
    return kOk;
}

// --- operation status, playlist, application ---

ITOperationStatus::ITOperationStatus(std::shared_ptr<ITTrackCollection> tracks, int32_t pollsUntilDone)
    : m_tracks(std::move(tracks)), m_pollsLeft(pollsUntilDone)
{
}

HResult ITOperationStatus::InProgress(bool& inProgress)
{
    inProgress = m_pollsLeft > 0;
    if (m_pollsLeft > 0)
        --m_pollsLeft;
    return kOk;
}

HResult ITOperationStatus::Tracks(std::shared_ptr<ITTrackCollection>& tracks) const
{
    tracks = m_tracks;
    return tracks ? kOk : kFail;
}

ITLibraryPlaylist::ITLibraryPlaylist(std::shared_ptr<ITunesLibrary> library) : m_library(std::move(library))
{
}

HResult ITLibraryPlaylist::Tracks(std::shared_ptr<ITTrackCollection>& tracks) const
{
    tracks = std::make_shared<ITTrackCollection>(m_library);
    return kOk;
}

HResult ITLibraryPlaylist::AddFile(const std::u16string& path, std::shared_ptr<ITOperationStatus>& status,
                                   uint64_t removedId)
{
    if (path.empty())
        return kInvalidArg;
    bool added = false;
    uint64_t id = 0;
    if (const HResult hr = m_library->addFile(toUtf8(path), added, id, removedId); hr != kOk)
        return hr;
    status.reset();
    if (added)
        status = std::make_shared<ITOperationStatus>(
            std::make_shared<ITTrackCollection>(m_library, std::vector<uint64_t>{id}));
    return kOk;
}

HResult ITunesApp::Create(std::shared_ptr<ITunesApp>& app)
{
    return CreateForLibrary(ITunesLibrary::defaultLibraryPath(), app);
}

HResult ITunesApp::CreateForLibrary(const std::string& libraryPath, std::shared_ptr<ITunesApp>& app)
{
    // The agent reads the same file itself as it starts; the host reads it when a request first
    // needs it.
    std::shared_ptr<ITunesLibrary> library;
    if (const HResult hr =
            ITunesLibrary::open(libraryPath, library, nullptr, ITunesLibrary::Load::OnFirstNeed);
        hr != kOk)
        return hr;
    app.reset(new ITunesApp(std::move(library)));
    return kOk;
}

HResult ITunesApp::LibraryXMLPath(std::u16string& path) const
{
    path = toUtf16(m_library->path());
    return kOk;
}

HResult ITunesApp::LibraryPlaylist(std::shared_ptr<ITLibraryPlaylist>& playlist) const
{
    playlist = std::make_shared<ITLibraryPlaylist>(m_library);
    return kOk;
}

HResult ITunesApp::GetITObjectPersistentIDs(const ITTrack* track, int32_t& high, int32_t& low) const
{
    if (!track)
        return kInvalidArg;
    const uint64_t id = track->persistentId();
    high = static_cast<int32_t>(static_cast<uint32_t>(id >> 32));
    low = static_cast<int32_t>(static_cast<uint32_t>(id));
    return kOk;
}

} // namespace tidewell::ithost
