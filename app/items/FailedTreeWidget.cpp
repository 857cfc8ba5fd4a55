#include "FailedTreeWidget.h"

#include "ElidingHeader.h"
#include "GeneralUtils.h"
#include "OwnDirectionDelegate.h"
#include "TreeItem.h"

#include <QMenu>
#include <QMouseEvent>

void ShowInFolder(const QString& path)
{
    if (path.isEmpty())
        return;
    ShowInExplorer(ToNativeSeparators(path));
}

CFailedTreeWidget::CFailedTreeWidget(QWidget* parent) : QTreeWidget(parent), m_menu(this)
{
    // Titles, artists, albums and paths keep their own direction in either window direction.
    setItemDelegate(new COwnDirectionDelegate(this));
    // A heading too long for its column is cut with "…", never in the middle of a letter. The
    // new header starts out as the tree's own did.
    QHeaderView* plain = header();
    auto* eliding = new CElidingHeader(Qt::Horizontal, this);
    eliding->setStretchLastSection(plain->stretchLastSection());
    eliding->setSectionsMovable(plain->sectionsMovable());
    eliding->setFirstSectionMovable(plain->isFirstSectionMovable());
    eliding->setDefaultAlignment(plain->defaultAlignment());
    setHeader(eliding);
    connect(m_menu.checkAll, &QAction::triggered, this, &CFailedTreeWidget::AllItem);
    connect(m_menu.uncheckAll, &QAction::triggered, this, &CFailedTreeWidget::UnAllItem);
    connect(m_menu.checkSelected, &QAction::triggered, this, &CFailedTreeWidget::SelectItem);
    connect(m_menu.uncheckSelected, &QAction::triggered, this, &CFailedTreeWidget::UnSelectItem);
    connect(m_menu.showInFolder, &QAction::triggered, this, &CFailedTreeWidget::ShowInFinder);
}

CFailedTreeWidget::~CFailedTreeWidget() = default;

void CFailedTreeWidget::RetranslateMenu()
{
    m_menu.Retranslate();
}

void CFailedTreeWidget::PrepareMenu()
{
    RetranslateMenu();
    const QList<QTreeWidgetItem*> selected = selectedItems();
    bool showFolder = false;
    if (selected.size() == 1)
    {
        const auto* row = dynamic_cast<const CTreeItem*>(selected.first());
        showFolder = row && !row->GetLocation().isEmpty();
    }
    bool anyChecked = false;
    bool anyUnchecked = false;
    for (const QTreeWidgetItem* row : selected)
    {
        if (row->checkState(0) == Qt::Checked)
            anyChecked = true;
        else
            anyUnchecked = true;
    }
    m_menu.Prepare(!selected.isEmpty(), topLevelItemCount() > 0, anyChecked, anyUnchecked, showFolder);
}

void CFailedTreeWidget::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::RightButton)
        return;
    PrepareMenu();
    if (!m_bMenuEnabled)
        return;
    m_menu.Menu()->popup(event->globalPosition().toPoint());
}

void CFailedTreeWidget::SetAllCheckStates(Qt::CheckState state)
{
    // One repaint for the whole page instead of a change notice per row.
    {
        const QSignalBlocker blocker(model());
        for (int i = 0; i < topLevelItemCount(); ++i)
            topLevelItem(i)->setCheckState(0, state);
    }
    viewport()->update();
}

void CFailedTreeWidget::AllItem()
{
    SetAllCheckStates(Qt::Checked);
    emit SetAllUnchecked(0);
}

void CFailedTreeWidget::UnAllItem()
{
    SetAllCheckStates(Qt::Unchecked);
    emit SetAllUnchecked(1);
}

void CFailedTreeWidget::SelectItem()
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    for (QTreeWidgetItem* row : selected)
    {
        row->setCheckState(0, Qt::Checked);
        emit SetUnchecked(row, 0);
    }
}

void CFailedTreeWidget::UnSelectItem()
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    for (QTreeWidgetItem* row : selected)
    {
        row->setCheckState(0, Qt::Unchecked);
        emit SetUnchecked(row, 0);
    }
}

void CFailedTreeWidget::ShowInFinder()
{
    const auto* row = dynamic_cast<const CTreeItem*>(currentItem());
    if (row)
        ShowInFolder(row->GetLocation());
}
