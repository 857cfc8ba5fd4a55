#pragma once

#include <memory>

class QAction;
class QMenu;
class QObject;

// The right-click menu that the problem trees and the artwork grid share: "Check All",
// "Uncheck All", "Check selected", "Uncheck selected" and "Show in folder". Its owner connects the
// actions to its own slots and pops the menu up. GUI thread.
class CCheckMenu
{
public:
    // The actions belong to actionParent (the owning view).
    explicit CCheckMenu(QObject* actionParent);
    ~CCheckMenu();
    CCheckMenu(const CCheckMenu&) = delete;
    CCheckMenu& operator=(const CCheckMenu&) = delete;

    void Retranslate();
    // With nothing selected only the two "All" entries show, enabled. Otherwise those are enabled
    // while the view has rows, "Check selected" shows when a selected row is unchecked,
    // "Uncheck selected" when one is checked, and "Show in folder" when showFolder.
    void Prepare(bool anySelected, bool hasRows, bool anyChecked, bool anyUnchecked, bool showFolder);
    QMenu* Menu() const { return m_menu.get(); }

    QAction* checkAll = nullptr;
    QAction* uncheckAll = nullptr;
    QAction* checkSelected = nullptr;
    QAction* uncheckSelected = nullptr;
    QAction* showInFolder = nullptr;

private:
    std::unique_ptr<QMenu> m_menu;
    QAction* m_separatorChecks = nullptr;
    QAction* m_separatorFolder = nullptr;
};
