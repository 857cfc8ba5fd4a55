#pragma once

#include "RowFixState.h"
#include "TrackItemData.h"

#include <QTreeWidgetItem>

class CMusicObj;

// A row of a result tree that stands for one track. The track object belongs to the music
// manager and is never freed here. Sorting and painting are the base class's.
class CTreeItem : public QTreeWidgetItem, public TrackItemData
{
public:
    explicit CTreeItem(QTreeWidget* tree = nullptr);
    ~CTreeItem() override;

    void SetMusicData(CMusicObj* track, int kind);
    CMusicObj* GetMusicData() const { return m_musicData; }
    int GetKind() const { return m_kind; }

    void SetFixState(ERowFixState state) { m_fixState = state; }
    ERowFixState GetFixState() const { return m_fixState; }

private:
    CMusicObj* m_musicData = nullptr;
    int m_kind = 0;
    ERowFixState m_fixState = ERowFixState::NotFixed;
};
