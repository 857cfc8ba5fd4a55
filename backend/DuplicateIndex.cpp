#include "DuplicateIndex.h"

#include "MusicFlags.h"

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

bool CDuplicateIndex::TagsMatch(const MusicInfo& newInfo, const MusicInfo& earlier, int options)
{
    bool match = true;
    for (const Criterion& c : kCriteria)
    {
        if (!(options & c.bit))
            continue;
        const QString& text = newInfo.*c.field;
        if (text.isEmpty() || text != earlier.*c.field)
        {
            match = false;
            break;
        }
    }
    if (!match || options == 0)
        return !newInfo.Location.isEmpty() && newInfo.Location == earlier.Location;
    return true;
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
    if (!info.Location.isEmpty())
        m_byLocation[info.Location].push_back(position);
}

const std::vector<int>& CDuplicateIndex::KeyBucket(const MusicInfo& info) const
{
    QString key;
    if (m_options == 0 || !MakeKey(info, key))
        return kNoEntries;
    const auto it = m_byKey.constFind(key);
    return it == m_byKey.cend() ? kNoEntries : *it;
}

const std::vector<int>& CDuplicateIndex::LocationBucket(const MusicInfo& info) const
{
    if (info.Location.isEmpty())
        return kNoEntries;
    const auto it = m_byLocation.constFind(info.Location);
    return it == m_byLocation.cend() ? kNoEntries : *it;
}
