#include "MusicObj.h"

#include <QFileInfo>
#include <QImageReader>

#include <mutex>
#include <new>

namespace
{
// The artwork choice is read and filled in lazily from more than one thread (the report page's
// thumbnail workers and the GUI thread ask for the same track's picture), so its fields are
// locked. One lock for every track: the calls are few and short.
std::mutex g_artworkMutex;
} // namespace

CMusicObj::CMusicObj(const MusicInfo& current, const MusicInfo& old) : m_CurrentInfo(current), m_OldInfo(old)
{
    // The current record never carries the track id text or a recycle path.
    m_CurrentInfo.TrackID.clear();
    m_CurrentInfo.TrashPath.clear();
}

CMusicObj* NewMusicObj(const MusicInfo& current, const MusicInfo& old)
{
    return new (std::nothrow) CMusicObj(current, old);
}

int CMusicObj::GetOldInfo(MusicInfo** out)
{
    if (out)
        *out = &m_OldInfo;
    return 0;
}

int CMusicObj::GetCurrentInfo(MusicInfo** out)
{
    if (out)
        *out = &m_CurrentInfo;
    return 0;
}

void CMusicObj::ApplyEdit(const MusicInfo& edit)
{
    auto take = [](QString& field, const QString& value)
    {
        if (!value.isEmpty())
            field = value;
    };
    take(m_CurrentInfo.Name, edit.Name);
    take(m_CurrentInfo.Artist, edit.Artist);
    take(m_CurrentInfo.Album, edit.Album);
    take(m_CurrentInfo.Year, edit.Year);
    take(m_CurrentInfo.Genre, edit.Genre);
}

void CMusicObj::AddArtworkCandidate(const QString& path)
{
    if (GetArtworkCount() >= kMaxArtworkCandidates)
        return;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= kMinArtworkBytes)
        return;
    QImageReader reader(path);
    if (reader.read().isNull())
        return;
    std::lock_guard lock(g_artworkMutex);
    if (m_ArtworkCandidates.size() < kMaxArtworkCandidates)
        m_ArtworkCandidates.append(path);
    NoteArtworkPath();
}

QString CMusicObj::GetArtworkCandidate(int index) const
{
    std::lock_guard lock(g_artworkMutex);
    if (index < 0 || index >= m_ArtworkCandidates.size())
        return {};
    return m_ArtworkCandidates.at(index);
}

int CMusicObj::GetArtworkCount() const
{
    std::lock_guard lock(g_artworkMutex);
    return static_cast<int>(m_ArtworkCandidates.size());
}

QString CMusicObj::GetArtworkPath()
{
    std::lock_guard lock(g_artworkMutex);
    if (m_ArtworkPath.isEmpty() && !m_ArtworkCandidates.isEmpty())
        m_ArtworkPath = m_ArtworkCandidates.first();
    return m_ArtworkPath;
}

void CMusicObj::NoteArtworkPath()
{
    // What GetArtworkPath would answer, kept where a reader needs no lock (the report page asks
    // it of every song it counts).
    m_bHasArtworkPath.store(!m_ArtworkPath.isEmpty() ||
                                (!m_ArtworkCandidates.isEmpty() && !m_ArtworkCandidates.first().isEmpty()),
                            std::memory_order_release);
}

void CMusicObj::SetArtworkPath(const QString& path)
{
    std::lock_guard lock(g_artworkMutex);
    if (!m_ArtworkCandidates.contains(path))
        m_ArtworkCandidates.append(path);
    m_ArtworkPath = path;
    NoteArtworkPath();
}
