#pragma once

#include "MusicFlags.h"

#include <QStringList>
#include <QWidget>

class QAction;
class QToolBar;
class QTreeWidget;

// The list of files and folders to scan for duplicates, with a tool bar ("Scan iTunes", "Add",
// "Delete") and drops from the file manager. The tree owns its rows; paths leave it only
// through TakeScanPaths. GUI thread.
class CDuptOptWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CDuptOptWidget(QWidget* parent = nullptr);

    void AddScanItem(const QStringList& paths);
    // Empties the list into paths, last row first.
    void TakeScanPaths(QStringList& paths);
    // The listed paths, last row first, as TakeScanPaths gives them; the rows stay.
    QStringList ScanPaths() const;
    void loadLanguage();

    QTreeWidget* Tree() const { return m_pTree; }

signals:
    void Complete(const QStringList& paths, const QString& xmlPath, EMusicRunMode mode);

public slots:
    void ScaniTunes();
    void AddFolders();
    void DelFolders();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SetEmptyLook(bool empty);

    QTreeWidget* m_pTree = nullptr;
    QAction* m_pScaniTunes = nullptr;
    QAction* m_pAdd = nullptr;
    QAction* m_pDelete = nullptr;
};
