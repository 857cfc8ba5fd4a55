#include "CheckMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

CCheckMenu::CCheckMenu(QObject* actionParent) : m_menu(std::make_unique<QMenu>())
{
    checkAll = new QAction(actionParent);
    uncheckAll = new QAction(actionParent);
    checkSelected = new QAction(actionParent);
    uncheckSelected = new QAction(actionParent);
    showInFolder = new QAction(actionParent);
    m_menu->addAction(checkAll);
    m_menu->addAction(uncheckAll);
    m_separatorChecks = m_menu->addSeparator();
    m_menu->addAction(checkSelected);
    m_menu->addAction(uncheckSelected);
    m_separatorFolder = m_menu->addSeparator();
    m_menu->addAction(showInFolder);
    Retranslate();
}

CCheckMenu::~CCheckMenu() = default;

void CCheckMenu::Retranslate()
{
    checkAll->setText(QCoreApplication::translate("CFailedTreeWidget", "Check All"));
    uncheckAll->setText(QCoreApplication::translate("CFailedTreeWidget", "Uncheck All"));
    checkSelected->setText(QCoreApplication::translate("CFailedTreeWidget", "Check selected"));
    uncheckSelected->setText(QCoreApplication::translate("CFailedTreeWidget", "Uncheck selected"));
    showInFolder->setText(QCoreApplication::translate("CFailedTreeWidget", "Show in folder"));
}

void CCheckMenu::Prepare(bool anySelected, bool hasRows, bool anyChecked, bool anyUnchecked, bool showFolder)
{
    checkAll->setEnabled(!anySelected || hasRows);
    uncheckAll->setEnabled(!anySelected || hasRows);
    m_separatorChecks->setVisible(anySelected);
    checkSelected->setVisible(anySelected && anyUnchecked);
    uncheckSelected->setVisible(anySelected && anyChecked);
    showInFolder->setVisible(anySelected && showFolder);
    m_separatorFolder->setVisible(anySelected && showFolder);
}
