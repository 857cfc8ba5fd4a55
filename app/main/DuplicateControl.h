#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class CDuplicate;
class IDuplicateRoadHost;
class QWidget;

// The main window's duplicate road: the duplicate page, Scan, Remove and what the window says
// of a removal and its restores. A child of the window, whose header, action row and apply
// thread it reaches through IDuplicateRoadHost alone; its texts are the window's. GUI thread.
class CDuplicateControl : public QObject
{
    Q_OBJECT

public:
    // host: the window's side of the road; view: the window's duplicate page; window: the
    // parent, and the parent of the road's questions. The window owns all three and calls the
    // control only while they live.
    CDuplicateControl(IDuplicateRoadHost& host, CDuplicate* view, QWidget* window);

    // Forgets the last removal: a new run or Home.
    void Reset();
    // The removal has ended: the result page again, with what the removal left.
    void RemovalEnded();
    // The duplicate result's hints and message, as the rows stand now; also after each restore.
    void RetranslateRemoveTexts();

public slots:
    void Duplicate();
    void ScanDuplicate();
    void RemoveDuplicate();
    // The duplicate page's count of copies removed and not restored, after a removal or a restore.
    void ShowRemovedCount(int removed);
    void SetRemoveEnable(bool enable);

private:
    // The hint at the end of a removal: success only when every checked copy went.
    QStringList RemovalEndHints() const;

    IDuplicateRoadHost& m_host;
    CDuplicate* m_pView = nullptr;
    QWidget* m_pWindow = nullptr;
    // The last removal left a checked copy in place (its file could not be moved), and which.
    bool m_bRemovalIncomplete = false;
    QStringList m_removalFailures;
    // Copies of the duplicate result removed and not restored. The scan's counts stay in the
    // window's fix texts (songs scanned, duplicates found) beside it.
    int m_iDuplicatesRemoved = 0;
};
