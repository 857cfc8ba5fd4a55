#pragma once

#include <QTreeWidgetItem>

class CQuantityWidget;

// The report page's five categories, in the order of their tree entries.
enum ReportCategory
{
    ReportUnrecognized = 1,
    ReportArtwork = 2,
    ReportArtist = 3,
    ReportAlbum = 4,
    ReportMissingFile = 5,
};

// One category entry of the report page. The page keeps the entries for its whole life and puts
// them into the tree only while their category has rows; the badge is rebuilt with the tree, the
// badge page (0 count, 1 finished, 2 busy) survives it.
class CTypeTreeItem : public QTreeWidgetItem
{
public:
    CTypeTreeItem(const QString& title, const QString& iconPath, CQuantityWidget* badge, QTreeWidget* parent);
    ~CTypeTreeItem() override;

    void SetCategory(ReportCategory category) { m_category = category; }
    ReportCategory GetCategory() const { return m_category; }

    void SetBadge(CQuantityWidget* badge) { m_pBadge = badge; }
    CQuantityWidget* GetBadge() const { return m_pBadge; }
    void DeleteBadge();
    void SetBadgePage(int page);
    int GetBadgePage() const { return m_nBadgePage; }

private:
    CQuantityWidget* m_pBadge = nullptr; // the tree's item widget while the entry is in the tree
    ReportCategory m_category = ReportUnrecognized;
    int m_nBadgePage = 0;
};
