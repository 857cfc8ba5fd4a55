#pragma once

#include "MusicObj.h"
#include "RegularFile.h"

#include <QHash>
#include <QString>

#include <unordered_map>
#include <vector>

// The quick duplicate test of the library analysis, and an index that finds its matches without
// comparing a new track with every earlier one.
//
// The tag test: for each criterion bit in the options (Name, Artist, Album, Size, TotalTime, in
// this order) the new track's text must be non-empty and equal (case-sensitive) to the earlier
// track's. When a criterion fails, or the options are 0, the two match exactly when the new
// track's Location is non-empty and reaches the same file as the earlier one's (see FileIdentity):
// a library may list one file under several spellings, through a linked folder, a symbolic link
// or a second hard link. Options with no criterion bit but not 0 match every pair.
//
// The index keeps the analysed tracks in list order and files each under its criterion texts and
// under the file its Location reaches. The candidates it hands out for a new track are exactly the
// earlier tracks that can pass the tag test, in list order, so the first candidate that passes and
// is still eligible is the first match the full scan would have found. It holds no ownership; the
// tracks belong to the music manager and outlive the analysis pass that builds the index.
//
// Telling the file costs a stat, and only a duplicate run's tracks ever ask for it: the file part
// is built on the first candidate lookup from the tracks added so far, and kept up to date by Add
// from then on, so in a normal run the index stats nothing and in a duplicate run each track's
// file once. The files are taken as they stand while the run lasts. The tag test itself stats
// the two files only for two different spellings.
//
// Used only on the analysis thread.
class CDuplicateIndex
{
public:
    // The tag test itself, as the full scan applies it to one pair. `sameFile()` tells whether
    // the two differently spelled Locations reach one file (FileOf of each, or what a pass over
    // every pair keeps of them: each track's file found once, not twice per pair).
    template <typename SameFile>
    static bool TagsMatch(const MusicInfo& newInfo, const MusicInfo& earlier, int options,
                          SameFile&& sameFile)
    {
        if (options != 0 && CriteriaMatch(newInfo, earlier, options))
            return true;
        const QString& location = newInfo.Location;
        return !location.isEmpty() && !earlier.Location.isEmpty() &&
               (location == earlier.Location || sameFile());
    }
    // The file a Location reaches (one stat).
    static FileIdentity FileOf(const QString& location);

    explicit CDuplicateIndex(int options);

    // Files the track that now ends the list of analysed tracks.
    void Add(CMusicObj* obj);
    int Size() const { return static_cast<int>(m_entries.size()); }
    CMusicObj* At(int position) const { return m_entries[static_cast<size_t>(position)]; }

    // Calls visit for each earlier track that may pass the tag test with newInfo, in list order,
    // until visit answers true. Answers whether some visit did. Builds the file part on the first
    // call.
    template <typename Visit> bool ForEachCandidate(const MusicInfo& newInfo, Visit&& visit)
    {
        const std::vector<int>& byKey = KeyBucket(newInfo);
        const std::vector<int>& byLocation = LocationBucket(newInfo);
        size_t a = 0, b = 0;
        while (a < byKey.size() || b < byLocation.size())
        {
            int next;
            if (b >= byLocation.size() || (a < byKey.size() && byKey[a] < byLocation[b]))
                next = byKey[a++];
            else if (a >= byKey.size() || byLocation[b] < byKey[a])
                next = byLocation[b++];
            else
            {
                next = byKey[a++];
                ++b;
            }
            if (visit(m_entries[static_cast<size_t>(next)]))
                return true;
        }
        return false;
    }

private:
    // Whether every criterion of the options holds: the text non-empty and equal.
    static bool CriteriaMatch(const MusicInfo& newInfo, const MusicInfo& earlier, int options);
    // The criterion texts joined into one key; false when one of them is empty (then no key
    // can match).
    bool MakeKey(const MusicInfo& info, QString& key) const;
    const std::vector<int>& KeyBucket(const MusicInfo& info) const;
    const std::vector<int>& LocationBucket(const MusicInfo& info);
    // Files the entry at `position` under the file its Location reaches. The track last looked up
    // is not looked at again.
    void FileByIdentity(int position);

    int m_options;
    std::vector<CMusicObj*> m_entries;
    QHash<QString, std::vector<int>> m_byKey;
    // Empty until the first lookup asks for it (m_byFileBuilt).
    std::unordered_map<FileIdentity, std::vector<int>, FileIdentity::Hash> m_byFile;
    bool m_byFileBuilt = false;
    // The file of the last lookup, until the track it was made for is added.
    QString m_lookedUpLocation;
    FileIdentity m_lookedUpIdentity;
};
