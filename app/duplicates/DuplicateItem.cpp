#include "DuplicateItem.h"

void CDuplicateItem::TakeRecord(std::unique_ptr<MusicInfo> record, int kind)
{
    m_owned = std::move(record);
    m_bare = m_owned.get();
    SetMusicData(nullptr, kind);
}

void CDuplicateItem::BorrowRecord(MusicInfo* record, int kind)
{
    m_owned.reset();
    m_bare = record;
    SetMusicData(nullptr, kind);
}
