#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>

// One song's tag and file values as text. Plain value type; every field is empty when made.
struct MusicInfo
{
    QString PersistentID; // 16 upper-case hex digits for iTunes tracks, load index + 65535 for files
    QString TrackID;      // never filled: the track id lives only in the database
    QString Name;
    QString TotalTime; // milliseconds
    QString Artist;
    QString Album;
    QString Size; // bytes
    QString Location;
    QString TrashPath; // recycle target of bare records of engine duplicates; set on a track
                       // only by a restore that left its copy in the recycle folder
    QString Genre;
    QString Year;
    QString Bitrate;   // kbit/s
    QString Purchased; // "1" for a purchased track
};

// One song of a result that lives in no database (the duplicate engine's groups), as a saved
// project keeps it: its tags and file, its Absence, State and RepeatID words and its Type.
struct ProjectRow
{
    MusicInfo info;
    int absence = 0;
    int state = 0;
    qint64 repeatId = 0;
    int type = 0;
};

// The track object the music manager keeps for every loaded song. Owned by the manager; the
// windows hold it as an opaque handle. Not thread-safe: the manager orders its users; only the
// artwork candidates and choice may be read and filled from any thread.
class CMusicObj
{
public:
    static constexpr int kMaxArtworkCandidates = 10;
    static constexpr qint64 kMinArtworkBytes = 1000; // a candidate must be larger than this

    CMusicObj(const MusicInfo& current, const MusicInfo& old);

    // Absence and State are written under the library's lock by the thread that writes the user's
    // changes, and read without it by the windows to show a song: each is one atomic word.
    void SetAbsence(int v) { m_Absence.store(v, std::memory_order_relaxed); }
    int GetAbsence() const { return m_Absence.load(std::memory_order_relaxed); }
    void SetState(int v) { m_State.store(v, std::memory_order_relaxed); }
    int GetState() const { return m_State.load(std::memory_order_relaxed); }
    void SetType(int v) { m_Type = v; }
    int GetType() const { return m_Type; }
    void SetRepeatID(int64_t v) { m_RepeatID = v; }
    int64_t GetRepeatID() const { return m_RepeatID; }
    void SetInfoFixState(int v) { m_InfoFixState = v; }
    int GetInfoFixState() const { return m_InfoFixState; }
    void SetArtworkFixState(int v) { m_ArtworkFixState = v; }
    int GetArtworkFixState() const { return m_ArtworkFixState; }
    void SetHasArtwork(int v) { m_HasArtwork = v != 0; }
    bool GetHasArtwork() const { return m_HasArtwork; }
    void SetAnalysed(bool v) { m_Analysed = v; }
    bool GetAnalysed() const { return m_Analysed; }
    // The text fields (MF_ bits) whose current text an Apply of this run wrote into the file.
    void AddWrittenFields(int bits) { m_WrittenFields.fetch_or(bits, std::memory_order_relaxed); }
    int GetWrittenFields() const { return m_WrittenFields.load(std::memory_order_relaxed); }

    // Store a pointer to the record inside this object; valid as long as the object. Return 0.
    int GetOldInfo(MusicInfo** out);
    int GetCurrentInfo(MusicInfo** out);
    const MusicInfo& OldInfo() const { return m_OldInfo; }
    const MusicInfo& CurrentInfo() const { return m_CurrentInfo; }

    void SetPersistentID(const QString& id) { m_CurrentInfo.PersistentID = id; }

    // Copies Name, Artist, Album, Year and Genre from the edit where they are not empty.
    void ApplyEdit(const MusicInfo& edit);

    // Appends a candidate picture when it loads as an image, is larger than 1000 bytes and
    // fewer than 10 candidates are held. Does not look for the path in the list.
    void AddArtworkCandidate(const QString& path);
    QString GetArtworkCandidate(int index) const;
    int GetArtworkCount() const;
    // The chosen artwork; the first candidate becomes the choice when none was made.
    QString GetArtworkPath();
    // Whether GetArtworkPath answers a path, without a lock or a copy.
    bool HasArtworkPath() const { return m_bHasArtworkPath.load(std::memory_order_acquire); }
    // Makes the path the choice, appending it to the candidates (without the checks) when new.
    void SetArtworkPath(const QString& path);

private:
    // Called with the artwork lock held, after the candidates or the choice changed.
    void NoteArtworkPath();

    // The words a pass over every song reads (the report's counts) lie together and just before
    // the current record, whose texts it reads too: each song costs it few cache lines.
    std::atomic<bool> m_bHasArtworkPath{false};
    std::atomic<int> m_Absence{0};
    std::atomic<int> m_State{0};
    std::atomic<int> m_WrittenFields{0};
    MusicInfo m_CurrentInfo;
    MusicInfo m_OldInfo;
    int m_InfoFixState = 0;
    int m_ArtworkFixState = 0;
    int m_Type = 0;
    QStringList m_ArtworkCandidates;
    QString m_ArtworkPath;
    int64_t m_RepeatID = 0;
    bool m_HasArtwork = false;
    bool m_Analysed = false;
};

// Allocates a track object; null when the allocation fails.
CMusicObj* NewMusicObj(const MusicInfo& current, const MusicInfo& old);
