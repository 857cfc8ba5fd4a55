#pragma once

#include "MusicObj.h"
#include "TreeItem.h"

#include <memory>

// A row of the duplicate tree. On the library road it carries a track object of the music
// manager (not owned). On the engine road it carries the bare tag record the window built for a
// group member: a copy row owns its record (freed with the row), a group row only points at
// the record of the copy that opened it. A bare record has no state word of its own, so the
// row keeps it; track objects keep theirs in the manager.
class CDuplicateItem : public CTreeItem
{
public:
    CDuplicateItem() = default;

    // The copy row takes the record; the group row borrows it.
    void TakeRecord(std::unique_ptr<MusicInfo> record, int kind);
    void BorrowRecord(MusicInfo* record, int kind);
    void SetTrack(CMusicObj* track, int kind) { SetMusicData(track, kind); }

    bool IsBare() const { return m_bare != nullptr; }
    MusicInfo* Record() const { return m_bare; }
    // What the music link is handed for a removal or a restore.
    void* Handle() const { return m_bare ? static_cast<void*>(m_bare) : static_cast<void*>(GetMusicData()); }

    int BareState() const { return m_state; }
    void SetBareState(int state) { m_state = state; }

    bool IsGroup() const { return m_group; }
    void SetGroup(bool group) { m_group = group; }

private:
    std::unique_ptr<MusicInfo> m_owned;
    MusicInfo* m_bare = nullptr;
    int m_state = 0;
    bool m_group = false;
};
