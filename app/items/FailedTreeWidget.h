#pragma once

#include "CheckMenu.h"

#include <QTreeWidget>

#include <memory>

class QAction;
class QMenu;
class QMouseEvent;

// Opens the desktop's file manager on a song's file (selected) or on a folder. Nothing for an
// empty path. The path keeps its '/' separators: this platform's file manager wants them.
void ShowInFolder(const QString& path);

// The tree of the report's song pages (and of the duplicate view): check boxes in column 0, a
// right-click menu to check and uncheck rows and to show a song's file, and the count of rows the
// owning page treats as fixed. Rows are CTreeItem; the tree never reads the library itself.
// GUI thread.
class CFailedTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CFailedTreeWidget(QWidget* parent = nullptr);
    ~CFailedTreeWidget() override;

    // A disabled menu never shows.
    void SetMenuEnabled(bool enabled) { m_bMenuEnabled = enabled; }
    bool IsMenuEnabled() const { return m_bMenuEnabled; }
    int GetFixedCount() const { return m_nFixedCount; }
    void SetFixedCount(int count) { m_nFixedCount = count; }
    void RetranslateMenu();

    // Set up as a right click would, without showing; for the click itself and for tests.
    void PrepareMenu();
    QMenu* Menu() const { return m_menu.Menu(); }

signals:
    // 0 after "Check All", 1 after "Uncheck All".
    void SetAllUnchecked(int value);
    // The row's new check state is in column 0; the value is always 0.
    void SetUnchecked(QTreeWidgetItem* item, int column);

public slots:
    void AllItem();
    void UnAllItem();
    void SelectItem();
    void UnSelectItem();
    void ShowInFinder();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetAllCheckStates(Qt::CheckState state);

    CCheckMenu m_menu;
    int m_nFixedCount = 0;
    bool m_bMenuEnabled = true;
};
