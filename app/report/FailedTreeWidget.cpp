#include "FailedTreeWidget.h"

#include "GeneralUtils.h"
#include "TreeItem.h"

#include <QMenu>
#include <QMouseEvent>

void ShowInFolder(const QString& path)
{
    if (path.isEmpty())
        return;
    ShowInExplorer(ToNativeSeparators(path));
}

CFailedTreeWidget::CFailedTreeWidget(QWidget* parent)
    : QTreeWidget(parent), m_pMenu(std::make_unique<QMenu>())
{
    m_pCheckAll = new QAction(this);
    m_pUncheckAll = new QAction(this);
    m_pCheckSelected = new QAction(this);
    m_pUncheckSelected = new QAction(this);
    m_pShowInFolder = new QAction(this);

    m_pMenu->addAction(m_pCheckAll);
    m_pMenu->addAction(m_pUncheckAll);
    m_pSeparatorChecks = m_pMenu->addSeparator();
    m_pMenu->addAction(m_pCheckSelected);
    m_pMenu->addAction(m_pUncheckSelected);
    m_pSeparatorFolder = m_pMenu->addSeparator();
    m_pMenu->addAction(m_pShowInFolder);
    RetranslateMenu();

    connect(m_pCheckAll, &QAction::triggered, this, &CFailedTreeWidget::AllItem);
    connect(m_pUncheckAll, &QAction::triggered, this, &CFailedTreeWidget::UnAllItem);
    connect(m_pCheckSelected, &QAction::triggered, this, &CFailedTreeWidget::SelectItem);
    connect(m_pUncheckSelected, &QAction::triggered, this, &CFailedTreeWidget::UnSelectItem);
    connect(m_pShowInFolder, &QAction::triggered, this, &CFailedTreeWidget::ShowInFinder);
}

CFailedTreeWidget::~CFailedTreeWidget() = default;

void CFailedTreeWidget::RetranslateMenu()
{
    m_pCheckAll->setText(tr("Check All"));
    m_pUncheckAll->setText(tr("Uncheck All"));
    m_pCheckSelected->setText(tr("Check selected"));
    m_pUncheckSelected->setText(tr("Uncheck selected"));
    m_pShowInFolder->setText(tr("Show in folder"));
}

void CFailedTreeWidget::PrepareMenu()
{
    RetranslateMenu();
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
    {
        m_pCheckAll->setEnabled(true);
        m_pUncheckAll->setEnabled(true);
        m_pSeparatorChecks->setVisible(false);
        m_pCheckSelected->setVisible(false);
        m_pUncheckSelected->setVisible(false);
        m_pShowInFolder->setVisible(false);
        m_pSeparatorFolder->setVisible(false);
        return;
    }

    bool showFolder = false;
    if (selected.size() == 1)
    {
        const auto* row = dynamic_cast<const CTreeItem*>(selected.first());
        showFolder = row && !row->GetLocation().isEmpty();
    }
    m_pShowInFolder->setVisible(showFolder);
    m_pSeparatorFolder->setVisible(showFolder);

    m_pSeparatorChecks->setVisible(true);
    const bool hasRows = topLevelItemCount() > 0;
    m_pCheckAll->setEnabled(hasRows);
    m_pUncheckAll->setEnabled(hasRows);

    bool anyChecked = false;
    bool anyUnchecked = false;
    for (const QTreeWidgetItem* row : selected)
    {
        if (row->checkState(0) == Qt::Checked)
            anyChecked = true;
        else
            anyUnchecked = true;
    }
    m_pCheckSelected->setVisible(anyUnchecked);
    m_pUncheckSelected->setVisible(anyChecked);
}

void CFailedTreeWidget::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::RightButton)
        return;
    PrepareMenu();
    if (!m_bMenuEnabled)
        return;
    m_pMenu->popup(event->globalPosition().toPoint());
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
