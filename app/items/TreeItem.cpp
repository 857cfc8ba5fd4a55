#include "TreeItem.h"

CTreeItem::CTreeItem(QTreeWidget* tree) : QTreeWidgetItem(tree, QTreeWidgetItem::Type) {}

CTreeItem::~CTreeItem() = default;

void CTreeItem::SetMusicData(CMusicObj* track, int kind)
{
    m_musicData = track;
    m_kind = kind;
}
