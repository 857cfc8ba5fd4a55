#include "TypeTreeItem.h"

#include "QuantityWidget.h"
#include "StyleTemplates.h"

#include <QIcon>

CTypeTreeItem::CTypeTreeItem(const QString& title, const QString& iconPath, CQuantityWidget* badge,
                             QTreeWidget* parent)
    : QTreeWidgetItem(parent, 0), m_pBadge(badge)
{
    setIcon(1, ScaledIcon(iconPath));
    setText(2, title);
    setSizeHint(0, QSize(ScaledInt(1), ScaledInt(36)));
}

CTypeTreeItem::~CTypeTreeItem() = default;

void CTypeTreeItem::DeleteBadge()
{
    delete m_pBadge;
    m_pBadge = nullptr;
}

void CTypeTreeItem::SetBadgePage(int page)
{
    m_nBadgePage = page;
    if (m_pBadge)
        m_pBadge->SetPage(page);
}
