#include "DuplicateIndex.h"

#include "MusicFlags.h"
#include "NativePath.h"

#include <utility>

namespace
{

struct Criterion
{
    int bit;
    QString MusicInfo::*field;
};
// The tag criteria in the order the test applies them.
constexpr Criterion kCriteria[] = {{MF_Name, &MusicInfo::Name},
                                   {MF_Artist, &MusicInfo::Artist},
                                   {MF_Album, &MusicInfo::Album},
                                   {MF_Size, &MusicInfo::Size},
                                   {MF_TotalTime, &MusicInfo::TotalTime}};

const std::vector<int> kNoEntries;

} // namespace

bool CDuplicateIndex::CriteriaMatch(const MusicInfo& newInfo, const MusicInfo& earlier, int options)
{
    for (const Criterion& c : kCriteria)
    {
        if (!(options & c.bit))
            continue;
        const QString& text = newInfo.*c.field;
        if (text.isEmpty() || text != earlier.*c.field)
            return false;
    }
    return true;
}

FileIdentity CDuplicateIndex::FileOf(const QString& location)
{
    return FileIdentity(PathToNative(location).toStdString());
}

CDuplicateIndex::CDuplicateIndex(int options) : m_options(options) {}

bool CDuplicateIndex::MakeKey(const MusicInfo& info, QString& key) const
{
    key.clear();
    for (const Criterion& c : kCriteria)
    {
        if (!(m_options & c.bit))
            continue;
        const QString& text = info.*c.field;
        if (text.isEmpty())
            return false;
        // Length-prefixed, so no text can pose as two.
        key += QString::number(text.size());
        key += u':';
        key += text;
    }
    return true;
}

void CDuplicateIndex::Add(CMusicObj* obj)
{
    const int position = static_cast<int>(m_entries.size());
    m_entries.push_back(obj);
    if (!obj)
        return;
    const MusicInfo& info = obj->CurrentInfo();
    QString key;
    if (m_options != 0 && MakeKey(info, key))
        m_byKey[key].push_back(position);
    if (m_byFileBuilt)
        FileByIdentity(position);
}

void CDuplicateIndex::FileByIdentity(int position)
{
    const CMusicObj* obj = m_entries[static_cast<size_t>(position)];
    if (!obj || obj->CurrentInfo().Location.isEmpty())
        return;
    const QString& location = obj->CurrentInfo().Location;
    FileIdentity identity;
    if (location == m_lookedUpLocation)
    {
        identity = std::move(m_lookedUpIdentity);
        m_lookedUpLocation.clear();
    }
    else
    {
        identity = FileOf(location);
    }
    m_byFile[std::move(identity)].push_back(position);
}

const std::vector<int>& CDuplicateIndex::KeyBucket(const MusicInfo& info) const
{
    QString key;
    if (m_options == 0 || !MakeKey(info, key))
        return kNoEntries;
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.cend() ? kNoEntries : *it;
}

const std::vector<int>& CDuplicateIndex::LocationBucket(const MusicInfo& info)
{
    if (info.Location.isEmpty())
        return kNoEntries;
    if (!m_byFileBuilt)
    {
        m_byFileBuilt = true;
        for (int position = 0; position < Size(); ++position)
            FileByIdentity(position);
    }
    m_lookedUpLocation = info.Location;
    m_lookedUpIdentity = FileOf(info.Location);
    const auto it = m_byFile.find(m_lookedUpIdentity);
    return it == m_byFile.end() ? kNoEntries : it->second;
}
