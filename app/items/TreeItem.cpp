#include "TreeItem.h"

CTreeItem::CTreeItem(QTreeWidget* view) : QTreeWidgetItem(view, QTreeWidgetItem::Type) {}

CTreeItem::~CTreeItem() = default;

void CTreeItem::SetMusicData(CMusicObj* track, int kind)
{
    m_musicData = track;
    m_kind = kind;
}
