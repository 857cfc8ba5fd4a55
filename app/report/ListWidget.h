#pragma once

#include "CheckMenu.h"

#include <QHash>
#include <QListWidget>

#include <memory>

class QAction;
class QLabel;
class QMenu;

// The artwork grid of the report page: one CListItem per song without artwork, painted by
// CListDelegate. A click on a cell's check mark toggles it, a click on the candidates mark asks
// for the candidate pop-up, and cells whose song is being identified carry a busy label.
// GUI thread.
class CListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit CListWidget(QWidget* parent = nullptr);
    ~CListWidget() override;

    // On: a busy label over the cell (one per cell). Off: the cell's label is deleted.
    void SetRowBusy(QListWidgetItem* cell, bool on);
    // Deletes the label of a cell that is about to leave the list.
    void ForgetCell(QListWidgetItem* cell);
    // Deletes every busy label (the page is emptied).
    void ClearBusyLabels();
    int BusyLabelCount() const { return static_cast<int>(m_busyLabels.size()); }
    QLabel* BusyLabel(QListWidgetItem* cell) const { return m_busyLabels.value(cell); }

    // Pause stops the shared busy animation, resume starts it; never a toggle, so a pause before
    // any cell is busy does not start it.
    void SetBusyAnimationRunning(bool running);

    int GetFixedCount() const { return m_nFixedCount; }
    void SetFixedCount(int count) { m_nFixedCount = count; }
    void RetranslateMenu();
    // Set up as a right click would, without showing.
    void PrepareMenu();
    QMenu* Menu() const { return m_menu.Menu(); }

signals:
    void SendCheckState(QListWidgetItem* cell);
    // 0 after "Check All", 1 after "Uncheck All".
    void SetAllUnchecked(int value);
    void SetUnchecked(QListWidgetItem* cell);
    // The candidates mark of a cell was clicked.
    void SendSelectArtwork(QListWidgetItem* cell);

public slots:
    void PushFlash(int value = 0);
    void AllItem();
    void UnAllItem();
    void SelectItem();
    void UnSelectItem();
    void ShowInFinder();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceBusyLabel(QListWidgetItem* cell, QLabel* label) const;

    CCheckMenu m_menu;
    // Keyed by cell, so labels follow their cell when others leave the grid. Children of the
    // viewport.
    QHash<QListWidgetItem*, QLabel*> m_busyLabels;
    int m_nFixedCount = 0;
    bool m_bInPress = false;
};
